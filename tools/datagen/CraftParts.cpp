#include <cmath>

#include "Craft.h"

namespace datagen {

void Propeller(cairo_t* cr, Point hub, double radius, double bladeWidth) {
    for (const double direction : {-1.0, 1.0}) {
        const double tip = hub.y + direction * radius;
        cairo_move_to(cr, hub.x, hub.y);
        cairo_curve_to(cr, hub.x + bladeWidth, hub.y + direction * radius * 0.3, hub.x + bladeWidth * 0.7,
                       tip, hub.x, tip);
        cairo_curve_to(cr, hub.x - bladeWidth * 0.7, tip, hub.x - bladeWidth,
                       hub.y + direction * radius * 0.3, hub.x, hub.y);
        cairo_close_path(cr);
        SetColour(cr, Hex(0x5A3E2B));
        FillInk(cr, bladeWidth * 0.3);
        Ellipse(cr, {hub.x, tip - direction * radius * 0.1}, bladeWidth * 0.45, radius * 0.1);
        SetColour(cr, colour::Gold);
        cairo_fill(cr);
    }
}

void Canopy(cairo_t* cr, double x0, double x1, double base, double height) {
    const double w = x1 - x0;
    cairo_move_to(cr, x0, base);
    cairo_curve_to(cr, x0 + w * 0.15, base - height * 1.2, x0 + w * 0.75, base - height * 1.25, x1, base);
    cairo_close_path(cr);
    SetVertical(cr, base - height, base, {{0, Mix(colour::Glass, colour::White, 0.5)}, {1, Hex(0x3F7FA8)}});
    FillInk(cr, std::fmax(0.6, height * 0.12));
    cairo_move_to(cr, x0 + w * 0.3, base - height * 0.75);
    cairo_curve_to(cr, x0 + w * 0.45, base - height * 0.95, x0 + w * 0.6, base - height * 0.95, x0 + w * 0.7,
                   base - height * 0.8);
    SetColour(cr, colour::White, 0.8);
    cairo_set_line_width(cr, std::fmax(0.6, height * 0.14));
    cairo_stroke(cr);
}

void EnemyInsignia(cairo_t* cr, Point centre, double size) {
    const double s = size / 2;
    Polygon(cr, {{centre.x, centre.y - s},
                 {centre.x + s, centre.y},
                 {centre.x, centre.y + s},
                 {centre.x - s, centre.y}});
    SetColour(cr, colour::Cream);
    FillInk(cr, size * 0.08);
    const double t = s * 0.55;
    Polygon(cr, {{centre.x, centre.y - t},
                 {centre.x + t, centre.y},
                 {centre.x, centre.y + t},
                 {centre.x - t, centre.y}});
    SetColour(cr, colour::Crimson);
    cairo_fill(cr);
}

void PlaceCraft(cairo_t* cr, void (*draw)(cairo_t*), CraftBox box, Point at, double scale, bool facingLeft) {
    Saved saved(cr);
    cairo_translate(cr, at.x, at.y);
    cairo_scale(cr, scale, scale);
    if (facingLeft) {
        MirrorX(cr, box.width);
    }
    draw(cr);
}

void TurnCraft(cairo_t* cr, void (*draw)(cairo_t*), CraftBox box, Point centre, double scale, double degrees,
               bool facingLeft) {
    Saved saved(cr);
    cairo_translate(cr, centre.x, centre.y);
    cairo_rotate(cr, degrees * M_PI / 180);
    PlaceCraft(cr, draw, box, {-box.width * scale / 2, -box.height * scale / 2}, scale, facingLeft);
}

}  // namespace datagen
