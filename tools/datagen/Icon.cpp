#include "Icon.h"

#include <cairo.h>

#include <stdexcept>

#include "Canvas.h"
#include "Craft.h"
#include "Draw.h"

namespace datagen {

void WriteIcon(const std::filesystem::path& path) {
    const Canvas canvas(kIconSize, kIconSize);
    cairo_t* cr = canvas.Context();
    constexpr double kCentre = kIconSize / 2.0;
    constexpr double kRadius = kCentre - 8;

    Ellipse(cr, {kCentre, kCentre}, kRadius, kRadius);
    SetVertical(cr, kCentre - kRadius, kCentre + kRadius,
                {{0.0, colour::Glass}, {0.62, colour::Cream}, {0.63, colour::Teal}, {1.0, colour::DarkTeal}});
    FillInk(cr, 8, colour::Navy);

    TurnCraft(cr, DrawPlayerPlane, kPlayerBox, {kCentre, kCentre - 10}, 1.9, -12, false);

    if (cairo_surface_write_to_png(canvas.Surface(), path.c_str()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace datagen
