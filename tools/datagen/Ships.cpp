#include <cmath>

#include "Art.h"
#include "Craft.h"

namespace datagen {
namespace {

void Windows(cairo_t* cr, double x0, double x1, double y, double size, double gap, Rgb colour) {
    for (double x = x0; x + size <= x1; x += size + gap) {
        cairo_rectangle(cr, x, y, size, size);
    }
    SetColour(cr, colour);
    cairo_fill(cr);
}

void Portholes(cairo_t* cr, double x0, double x1, double y, double radius, double gap) {
    for (double x = x0; x <= x1; x += gap) {
        Ellipse(cr, {x, y}, radius, radius);
    }
    SetColour(cr, Hex(0xFFE6A8));
    FillInk(cr, radius * 0.5);
}

// The wash along the waterline and the bow wave, which belong to a ship under way.
void Wash(cairo_t* cr, double x0, double x1, double y, double size, double bowX) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x0, y);
    for (double x = x0; x < x1; x += size * 2) {
        cairo_curve_to(cr, x + size * 0.5, y - size * 0.6, x + size * 1.5, y + size * 0.6, x + size * 2, y);
    }
    SetColour(cr, colour::Foam);
    cairo_set_line_width(cr, size);
    cairo_stroke(cr);
    const double dir = bowX > (x0 + x1) / 2 ? 1 : -1;
    cairo_move_to(cr, bowX, y - size * 2.5);
    cairo_curve_to(cr, bowX + dir * size * 2, y - size, bowX + dir * size * 2, y, bowX - dir * size * 3, y);
    cairo_set_line_width(cr, size * 1.2);
    cairo_stroke(cr);
}

}  // namespace

// Enemy gunboat: red hull, grey upperworks, a turret forward.
void DrawGunboat(cairo_t* cr) {
    Wash(cr, 4, 94, 17.5, 1.8, 95);
    Polygon(cr, {{2, 9}, {84, 9}, {98, 5.5}, {92, 16}, {9, 16}, {2, 12}});
    SetVertical(cr, 6, 16, {{0, Hex(0xE0554A)}, {0.5, colour::Signal}, {1, colour::Crimson}});
    FillInk(cr, 0.9);
    Polygon(cr, {{6.5, 14}, {93.2, 14}, {92, 16}, {9, 16}});
    SetColour(cr, colour::DarkGunmetal);
    cairo_fill(cr);
    cairo_rectangle(cr, 34, 1.5, 6, 7.5);
    SetVertical(cr, 1.5, 9,
                {{0, colour::DarkGunmetal},
                 {0.25, colour::DarkGunmetal},
                 {0.26, colour::Crimson},
                 {0.45, colour::Crimson},
                 {0.46, colour::Gunmetal},
                 {1, colour::Gunmetal}});
    FillInk(cr, 0.7);
    Polygon(cr, {{42, 9}, {43, 4}, {64, 4}, {66, 9}});
    SetVertical(cr, 4, 9, {{0, colour::Silver}, {1, colour::Gunmetal}});
    FillInk(cr, 0.7);
    Polygon(cr, {{48, 4}, {49, 1}, {59, 1}, {60, 4}});
    SetColour(cr, colour::Silver);
    FillInk(cr, 0.7);
    Windows(cr, 50, 59, 1.9, 1.4, 1, Hex(0x29445E));
    Windows(cr, 45, 64, 5.5, 1.5, 1.6, Hex(0xFFE6A8));
    cairo_move_to(cr, 80, 6.2);
    cairo_line_to(cr, 92, 5);
    SetColour(cr, colour::Ink);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    RoundedRect(cr, 72, 5, 9, 4.5, 1.8);
    SetColour(cr, colour::Gunmetal);
    FillInk(cr, 0.7);
    Portholes(cr, 14, 80, 11.5, 0.8, 7);
}

// The friendly tender: a green hull under a long wooden landing deck, its bridge and funnel aft. It sails
// bow-left; the deck runs from the bow to the bridge, so an aeroplane can stand anywhere on its first half.
void DrawTender(cairo_t* cr) {
    // Three pixels down, so that an aeroplane standing in the game's landing band has its wheels on deck.
    cairo_translate(cr, 0, 3);
    Wash(cr, 8, 196, 35.5, 2.2, 3);
    Polygon(cr, {{1, 15}, {196, 19}, {198, 33}, {14, 35}});
    SetVertical(cr, 15, 35, {{0, Hex(0x5FA468)}, {0.45, colour::Leaf}, {1, Hex(0x2E5E35)}});
    FillInk(cr, 1.1);
    Polygon(cr, {{3.5, 22}, {197, 23}, {197.2, 25.5}, {5, 24.5}});
    SetColour(cr, colour::Cream);
    cairo_fill(cr);
    Polygon(cr, {{11, 31.5}, {198, 30.5}, {198, 33}, {14, 35}});
    SetColour(cr, colour::Navy);
    cairo_fill(cr);
    Portholes(cr, 24, 186, 28, 1.1, 9);

    // The landing deck, seen a little from above, with its planks and a striped landing field.
    Polygon(cr, {{1, 15}, {8, 11.5}, {168, 11.5}, {168, 17.6}});
    SetVertical(cr, 11.5, 18, {{0, Hex(0xE2C58C)}, {1, colour::Deck}});
    FillInk(cr, 0.9);
    for (double x = 16; x < 166; x += 12) {
        cairo_move_to(cr, x, 11.8);
        cairo_line_to(cr, x - 1.5, 17.2);
    }
    SetColour(cr, Hex(0x8C6A3C), 0.6);
    cairo_set_line_width(cr, 0.6);
    cairo_stroke(cr);
    for (double x = 12; x < 150; x += 14) {
        Polygon(cr, {{x, 14.8}, {x + 7, 14.8}, {x + 10, 13.6}, {x + 3, 13.6}});
    }
    SetColour(cr, colour::White, 0.9);
    cairo_fill(cr);

    // Bridge, funnel, mast and flag aft.
    Polygon(cr, {{166, 19}, {166, 9}, {171, 5.5}, {192, 5.5}, {194, 19.5}});
    SetVertical(cr, 5.5, 19, {{0, colour::Cream}, {1, colour::Parchment}});
    FillInk(cr, 0.9);
    Windows(cr, 172, 192, 7.3, 2.2, 1.6, Hex(0x29445E));
    Windows(cr, 170, 192, 13, 1.8, 2.8, Hex(0xFFE6A8));
    cairo_rectangle(cr, 176, 1, 8, 4.5);
    SetVertical(cr, 1, 5.5, {{0, colour::DarkTeal}, {0.45, colour::Cream}, {1, colour::Teal}});
    FillInk(cr, 0.8);
    cairo_move_to(cr, 190, 5.5);
    cairo_line_to(cr, 190, 0.8);
    SetColour(cr, colour::Ink);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    Polygon(cr, {{190, 0.8}, {197, 2}, {190, 3.6}});
    SetColour(cr, colour::Signal);
    FillInk(cr, 0.5);
    Ellipse(cr, {172, 24}, 2.4, 2.4);
    SetColour(cr, colour::Signal);
    FillInk(cr, 0.6);
}

std::vector<Art> ShipArt() {
    return {
        {"Bitmaps\\SchipRood.bmp",
         [](cairo_t* cr, int, int) {
             PlaceCraft(cr, DrawGunboat, kGunboatBox, {0, 0}, 1, true);
         }},
        {"Bitmaps\\SchipGroen.bmp", [](cairo_t* cr, int, int) { DrawTender(cr); }},
    };
}

}  // namespace datagen
