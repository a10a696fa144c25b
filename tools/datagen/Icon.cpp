#include "Icon.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <stdexcept>
#include <string>

#include "Art.h"
#include "Canvas.h"
#include "Craft.h"
#include "Draw.h"

namespace datagen {

namespace {

constexpr double kCentre = kIconDesign / 2.0;
constexpr double kRadius = kCentre - 8;
constexpr Point kPlaneAt{kCentre, kCentre - 10};
constexpr double kPlaneTurn = -12;

// The aeroplane as one flat shape: the small sizes show it in cream over a dark shadow, which stays a
// clear aeroplane at 16 pixels where its details would blur into the sea.
void PaintSilhouette(cairo_t* cr) {
    cairo_push_group(cr);
    TurnCraft(cr, DrawPlayerPlane, kPlayerBox, {kCentre, kCentre - 4}, 1.95, kPlaneTurn, false);
    cairo_pattern_t* shape = cairo_pop_group(cr);
    cairo_save(cr);
    cairo_translate(cr, 5, 7);
    SetColour(cr, colour::DeepNavy, 0.8);
    cairo_mask(cr, shape);
    cairo_restore(cr);
    SetColour(cr, colour::Cream);
    cairo_mask(cr, shape);
    cairo_pattern_destroy(shape);
}

// Drawn in kIconDesign units and scaled to the size asked for.
void PaintIcon(cairo_t* cr, int size, bool small) {
    cairo_save(cr);
    cairo_scale(cr, size / double{kIconDesign}, size / double{kIconDesign});

    Ellipse(cr, {kCentre, kCentre}, kRadius, kRadius);
    if (small) {
        SetVertical(cr, kCentre - kRadius, kCentre + kRadius,
                    {{0.0, Mix(colour::Glass, colour::Navy, 0.7)},
                     {0.66, Mix(colour::Glass, colour::Navy, 0.3)},
                     {0.67, colour::DarkTeal},
                     {1.0, colour::DeepNavy}});
        FillInk(cr, 16, colour::DeepNavy);
        PaintSilhouette(cr);
    } else {
        SetVertical(
            cr, kCentre - kRadius, kCentre + kRadius,
            {{0.0, colour::Glass}, {0.62, colour::Cream}, {0.63, colour::Teal}, {1.0, colour::DarkTeal}});
        FillInk(cr, 8, colour::Navy);
        TurnCraft(cr, DrawPlayerPlane, kPlayerBox, kPlaneAt, 1.9, kPlaneTurn, false);
    }
    cairo_restore(cr);
}

void Check(cairo_status_t status, const std::filesystem::path& path) {
    if (status != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot write " + path.string() + ": " + cairo_status_to_string(status));
    }
}

void WritePng(const std::filesystem::path& path, int size) {
    const Canvas canvas(size, size);
    PaintIcon(canvas.Context(), size, size <= kSmallIcon);
    Check(cairo_surface_write_to_png(canvas.Surface(), path.c_str()), path);
}

void WriteSvg(const std::filesystem::path& path) {
    cairo_surface_t* surface = cairo_svg_surface_create(path.c_str(), kIconDesign, kIconDesign);
    cairo_t* cr = cairo_create(surface);
    PaintIcon(cr, kIconDesign, false);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    Check(status, path);
}

}  // namespace

// The window's picture, reduced by the window layer to a soft-edged window icon. Window switchers and task
// bars show it at 16 to 32 pixels: the bold design.
std::vector<Art> IconArt() {
    return {{"Bitmaps\\saltwing.bmp", [](cairo_t* cr, int width, int) { PaintIcon(cr, width, true); }}};
}

void WriteIcons(const std::filesystem::path& folder) {
    const std::filesystem::path theme = folder / "icons" / "hicolor";
    for (const int size : kIconSizes) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        std::filesystem::create_directories(theme / name / "apps");
        WritePng(theme / name / "apps" / "saltwing.png", size);
    }
    std::filesystem::create_directories(theme / "scalable" / "apps");
    WriteSvg(theme / "scalable" / "apps" / "saltwing.svg");
}

}  // namespace datagen
