#include "Icon.h"

#include <cairo.h>

#include <stdexcept>

#include "Art.h"
#include "Canvas.h"
#include "Craft.h"
#include "Draw.h"

namespace datagen {

namespace {

// Drawn at kIconSize and scaled to the size asked for, so that both sizes show the same badge.
void PaintIcon(cairo_t* cr, int size) {
    cairo_save(cr);
    cairo_scale(cr, size / double{kIconSize}, size / double{kIconSize});
    constexpr double kCentre = kIconSize / 2.0;
    constexpr double kRadius = kCentre - 8;

    Ellipse(cr, {kCentre, kCentre}, kRadius, kRadius);
    SetVertical(cr, kCentre - kRadius, kCentre + kRadius,
                {{0.0, colour::Glass}, {0.62, colour::Cream}, {0.63, colour::Teal}, {1.0, colour::DarkTeal}});
    FillInk(cr, 8, colour::Navy);

    TurnCraft(cr, DrawPlayerPlane, kPlayerBox, {kCentre, kCentre - 10}, 1.9, -12, false);
    cairo_restore(cr);
}

}  // namespace

std::vector<Art> IconArt() {
    return {{"Bitmaps\\saltwing.bmp", [](cairo_t* cr, int width, int) { PaintIcon(cr, width); }}};
}

void WriteIcon(const std::filesystem::path& path) {
    const Canvas canvas(kIconSize, kIconSize);
    PaintIcon(canvas.Context(), kIconSize);

    if (cairo_surface_write_to_png(canvas.Surface(), path.c_str()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace datagen
