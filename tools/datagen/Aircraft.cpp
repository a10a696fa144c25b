#include <algorithm>
#include <cmath>

#include "Art.h"
#include "Canvas.h"
#include "Craft.h"
#include "Cutout.h"
#include "Scenery.h"

namespace datagen {
namespace {

// A fuselage of two tones: the top colour above a line from the tail to the nose, the belly below it, and
// a thin cheat line between them.
struct TwoTone {
    Rgb top;
    Rgb belly;
    Rgb stripe;
    double tailY;
    double noseY;
};

void PaintTwoTone(cairo_t* cr, const TwoTone& tone, double x0, double x1, double stripeWidth) {
    cairo_path_t* body = cairo_copy_path(cr);
    SetColour(cr, tone.belly);
    cairo_fill(cr);
    {
        Saved saved(cr);
        cairo_append_path(cr, body);
        cairo_clip(cr);
        cairo_move_to(cr, x0, tone.tailY);
        cairo_line_to(cr, x1, tone.noseY);
        cairo_line_to(cr, x1, -100);
        cairo_line_to(cr, x0, -100);
        cairo_close_path(cr);
        SetVertical(cr, std::min(tone.tailY, tone.noseY) - 12, std::max(tone.tailY, tone.noseY),
                    {{0, Mix(tone.top, colour::White, 0.25)}, {1, tone.top}});
        cairo_fill(cr);
        cairo_move_to(cr, x0, tone.tailY);
        cairo_line_to(cr, x1, tone.noseY);
        SetColour(cr, tone.stripe);
        cairo_set_line_width(cr, stripeWidth);
        cairo_stroke(cr);
    }
    cairo_append_path(cr, body);
    cairo_path_destroy(body);
}

void Aerofoil(cairo_t* cr, double x0, double x1, double y, double thickness, Rgb colour) {
    const double w = x1 - x0;
    cairo_move_to(cr, x0, y);
    cairo_curve_to(cr, x0 + w * 0.1, y - thickness, x0 + w * 0.7, y - thickness * 0.9, x1,
                   y - thickness * 0.2);
    cairo_curve_to(cr, x0 + w * 0.7, y + thickness * 0.5, x0 + w * 0.2, y + thickness * 0.5, x0, y);
    cairo_close_path(cr);
    SetVertical(cr, y - thickness, y + thickness * 0.5, {{0, Mix(colour, colour::White, 0.3)}, {1, colour}});
    FillInk(cr, std::max(0.6, thickness * 0.18));
}

void FinPath(cairo_t* cr, Point root, double height, double chord) {
    cairo_move_to(cr, root.x - chord * 0.1, root.y);
    cairo_line_to(cr, root.x, root.y - height * 0.85);
    cairo_curve_to(cr, root.x + chord * 0.05, root.y - height * 1.05, root.x + chord * 0.4,
                   root.y - height * 1.05, root.x + chord * 0.5, root.y - height * 0.85);
    cairo_line_to(cr, root.x + chord, root.y);
    cairo_close_path(cr);
}

void Fin(cairo_t* cr, Point root, double height, double chord, Rgb colour) {
    FinPath(cr, root, height, chord);
    SetVertical(cr, root.y - height, root.y, {{0, Mix(colour, colour::White, 0.2)}, {1, colour}});
    FillInk(cr, std::max(0.6, chord * 0.05));
}

void PanelLine(cairo_t* cr, double x, double y0, double y1, double width) {
    cairo_move_to(cr, x, y0);
    cairo_line_to(cr, x, y1);
    SetColour(cr, colour::Ink, 0.35);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

// A streamlined fuselage from its tail to the tip of its nose, described by its length and depth.
struct Fuselage {
    double tail;
    double nose;
    double centre;    // y of the nose
    double half;      // half the depth at its deepest
    double tailHalf;  // half the depth at the tail
};

void FuselagePath(cairo_t* cr, const Fuselage& f) {
    const double length = f.nose - f.tail;
    const double shoulder = f.nose - length * 0.1;
    cairo_move_to(cr, f.tail, f.centre - f.tailHalf);
    cairo_curve_to(cr, f.tail + length * 0.2, f.centre - f.half * 0.85, f.tail + length * 0.55,
                   f.centre - f.half * 1.05, shoulder, f.centre - f.half);
    cairo_curve_to(cr, shoulder + length * 0.06, f.centre - f.half * 0.9, f.nose, f.centre - f.half * 0.45,
                   f.nose, f.centre);
    cairo_curve_to(cr, f.nose, f.centre + f.half * 0.45, shoulder + length * 0.06, f.centre + f.half * 0.9,
                   shoulder, f.centre + f.half);
    cairo_curve_to(cr, f.tail + length * 0.55, f.centre + f.half * 1.05, f.tail + length * 0.2,
                   f.centre + f.half * 0.85, f.tail, f.centre + f.tailHalf);
    cairo_close_path(cr);
}

// The fuselage in two tones with an ink outline.
void Body(cairo_t* cr, const Fuselage& f, Rgb top, Rgb belly, Rgb stripe) {
    FuselagePath(cr, f);
    PaintTwoTone(cr, {top, belly, stripe, f.centre - f.tailHalf * 0.3, f.centre}, f.tail - 2, f.nose + 2,
                 std::max(0.8, f.half * 0.12));
    SetColour(cr, colour::Ink);
    cairo_set_line_width(cr, std::max(0.8, f.half * 0.12));
    cairo_stroke(cr);
}

// Paints the part of the fuselage from `x0` forward with the current source: a cowling, a glazed nose.
void NoseBand(cairo_t* cr, const Fuselage& f, double x0) {
    Saved saved(cr);
    cairo_pattern_t* source = cairo_get_source(cr);
    cairo_pattern_reference(source);
    FuselagePath(cr, f);
    cairo_clip(cr);
    cairo_rectangle(cr, x0, f.centre - f.half * 2, f.nose - x0 + 1, f.half * 4);
    cairo_set_source(cr, source);
    cairo_pattern_destroy(source);
    cairo_fill(cr);
    FuselagePath(cr, f);
    SetColour(cr, colour::Ink);
    cairo_set_line_width(cr, std::max(0.8, f.half * 0.12));
    cairo_stroke(cr);
}

// A pointed spinner ahead of the nose, and the propeller on it.
void Spinner(cairo_t* cr, Point nose, double length, double half, Rgb colour, double propeller) {
    Polygon(cr, {{nose.x, nose.y - half}, {nose.x + length, nose.y}, {nose.x, nose.y + half}});
    SetColour(cr, colour);
    FillInk(cr, 0.6);
    Propeller(cr, {nose.x + length * 0.7, nose.y}, propeller, std::max(2.0, propeller * 0.2));
}

}  // namespace

// The player's aeroplane: a teal and cream single-seater with a red cowling, spatted wheels for landing on
// the tender's deck, and the coast's cream roundel.
void DrawPlayerPlane(cairo_t* cr) {
    Fin(cr, {5, 23}, 17, 17, colour::Teal);
    {
        Saved saved(cr);
        FinPath(cr, {5, 23}, 17, 17);
        cairo_clip(cr);
        cairo_rectangle(cr, 0, 0, 9, 23);
        SetColour(cr, colour::Cream);
        cairo_fill(cr);
        cairo_rectangle(cr, 0, 0, 5.5, 23);
        SetColour(cr, colour::Signal);
        cairo_fill(cr);
    }
    FinPath(cr, {5, 23}, 17, 17);
    SetColour(cr, colour::Ink);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);

    // Fixed undercarriage, for landing on the tender's deck.
    cairo_move_to(cr, 50, 36);
    cairo_line_to(cr, 53, 51);
    SetColour(cr, colour::Ink);
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
    Ellipse(cr, {53, 52}, 5.5, 5.5);
    SetColour(cr, Hex(0x2A2D31));
    FillInk(cr, 0.8);
    Ellipse(cr, {53, 52}, 2.2, 2.2);
    SetColour(cr, colour::Silver);
    cairo_fill(cr);
    // The tail wheel hangs on a short leg from the fuselage, which reaches down to 27 there.
    cairo_move_to(cr, 8, 25);
    cairo_line_to(cr, 9, 31);
    SetColour(cr, colour::Ink);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    Ellipse(cr, {9, 31}, 2.2, 2.2);
    SetColour(cr, Hex(0x2A2D31));
    FillInk(cr, 0.6);

    // Tailplane, fuselage, cowling.
    Aerofoil(cr, 1, 22, 25, 3.5, colour::DarkTeal);
    cairo_move_to(cr, 4, 21);
    cairo_curve_to(cr, 18, 18, 32, 15, 46, 15);
    cairo_line_to(cr, 74, 15);
    cairo_curve_to(cr, 80, 15, 85, 17, 87, 20);
    cairo_curve_to(cr, 89, 24, 89, 29, 87, 32);
    cairo_curve_to(cr, 80, 36, 66, 38, 50, 38);
    cairo_curve_to(cr, 32, 38, 16, 31, 4, 26);
    cairo_close_path(cr);
    PaintTwoTone(cr, {colour::Teal, colour::Cream, colour::Signal, 24.5, 28}, 0, 90, 1.3);
    cairo_path_t* body = cairo_copy_path(cr);
    {
        Saved saved(cr);
        cairo_clip(cr);
        cairo_rectangle(cr, 75, 0, 20, 60);
        SetVertical(cr, 14, 38, {{0, Hex(0xE8614A)}, {0.5, colour::Signal}, {1, colour::Crimson}});
        cairo_fill(cr);
        PanelLine(cr, 75, 14, 40, 1);
        PanelLine(cr, 40, 14, 40, 0.6);
        PanelLine(cr, 66, 14, 40, 0.6);
    }
    cairo_append_path(cr, body);
    cairo_path_destroy(body);
    SetColour(cr, colour::Ink);
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
    cairo_move_to(cr, 14, 20.5);
    cairo_curve_to(cr, 30, 16.5, 50, 16, 76, 16.2);
    SetColour(cr, colour::White, 0.45);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    for (int i = 0; i < 3; ++i) {
        cairo_rectangle(cr, 67 + 2.6 * i, 20.5, 1.6, 2.5);
    }
    SetColour(cr, colour::DarkGunmetal);
    cairo_fill(cr);

    Canopy(cr, 45, 67, 15.5, 8);
    Ellipse(cr, {56, 11}, 2.6, 2.6);
    SetColour(cr, Hex(0x6B4A32));
    cairo_fill(cr);

    // The coast's roundel.
    Ellipse(cr, {29, 27}, 5.5, 5.5);
    SetColour(cr, colour::Cream);
    FillInk(cr, 0.8);
    Ellipse(cr, {29, 27}, 3.6, 3.6);
    SetColour(cr, colour::Navy);
    cairo_fill(cr);
    Ellipse(cr, {29, 27}, 1.6, 1.6);
    SetColour(cr, colour::Signal);
    cairo_fill(cr);

    Aerofoil(cr, 33, 70, 38.5, 5.5, colour::DarkTeal);

    cairo_move_to(cr, 87, 20.5);
    cairo_curve_to(cr, 92, 22, 95, 25, 96, 26.5);
    cairo_curve_to(cr, 95, 28, 92, 31, 87, 32);
    cairo_close_path(cr);
    SetLinear(cr, {87, 20}, {96, 32}, {{0, colour::Cream}, {1, colour::Parchment}});
    FillInk(cr, 0.9);
    Propeller(cr, {93, 26.5}, 23, 3.6);
}

// Enemy: a slim gunmetal fighter with a crimson nose, seen almost edge-on.
void DrawSmallFighter(cairo_t* cr) {
    constexpr Fuselage kBody = {6, 88.5, 10, 3.8, 1.3};
    Fin(cr, {7, 9}, 8.5, 12, colour::Gunmetal);
    Aerofoil(cr, 2, 18, 10, 2, colour::DarkGunmetal);
    Body(cr, kBody, colour::DarkGunmetal, Hex(0x8A939D), colour::Crimson);
    SetColour(cr, colour::Signal);
    NoseBand(cr, kBody, 79);
    Canopy(cr, 50, 63, 6.6, 4);
    EnemyInsignia(cr, {30, 10}, 5.5);
    Aerofoil(cr, 38, 62, 12.5, 2.6, colour::DarkGunmetal);
    Spinner(cr, {88, 10}, 6, 1.8, colour::Crimson, 9);
}

// Enemy: a heavy twin-engined bomber with a glazed nose, a dorsal turret and an engine under each wing.
void DrawBomber(cairo_t* cr) {
    constexpr Fuselage kBody = {6, 143, 17, 9, 2.5};
    constexpr Fuselage kEngine = {84, 114, 26.5, 4.6, 1.2};
    Fin(cr, {8, 14}, 13, 20, colour::Gunmetal);
    cairo_rectangle(cr, 9, 3, 5, 8);
    SetColour(cr, colour::Crimson);
    cairo_fill(cr);
    Aerofoil(cr, 2, 30, 15, 3, colour::DarkGunmetal);
    Body(cr, kBody, Hex(0x3F4A3A), Hex(0x8E9786), colour::Crimson);
    SetVertical(cr, 8, 26, {{0, Mix(colour::Glass, colour::White, 0.4)}, {1, Hex(0x3F7FA8)}});
    NoseBand(cr, kBody, 124);
    for (double x = 128; x < 142; x += 5) {
        PanelLine(cr, x, 9, 25, 0.7);
    }
    Canopy(cr, 100, 116, 9, 4.5);
    Canopy(cr, 60, 72, 8.5, 5.5);
    cairo_rectangle(cr, 18, 15, 30, 1.5);
    SetColour(cr, colour::Crimson);
    cairo_fill(cr);
    EnemyInsignia(cr, {36, 17}, 8);
    Aerofoil(cr, 62, 104, 25, 4.5, Hex(0x3A4434));
    Body(cr, kEngine, Hex(0x6E7A64), Hex(0x3A4434), Hex(0x3A4434));
    SetColour(cr, colour::Crimson);
    NoseBand(cr, kEngine, 106);
    Spinner(cr, {113.5, 26.5}, 4, 2, colour::Crimson, 8.5);
}

// Enemy, kept in reserve: a floatplane scout.
void DrawFloatPlane(cairo_t* cr) {
    constexpr Fuselage kBody = {5, 90, 12.5, 4.5, 1.5};
    constexpr Fuselage kFloat = {26, 84, 25.2, 2.4, 1};
    Fin(cr, {6, 11}, 10, 14, colour::Gunmetal);
    Body(cr, kBody, colour::DarkGunmetal, Hex(0x8A939D), colour::Crimson);
    Canopy(cr, 52, 64, 8.2, 4);
    EnemyInsignia(cr, {30, 12}, 5.5);
    for (const double x : {40.0, 64.0}) {
        cairo_move_to(cr, x, 16);
        cairo_line_to(cr, x + 3, 23);
    }
    SetColour(cr, colour::Ink);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    Body(cr, kFloat, colour::Silver, colour::Gunmetal, colour::Gunmetal);
    Aerofoil(cr, 40, 66, 14.5, 2.6, colour::DarkGunmetal);
    Spinner(cr, {89.5, 12.5}, 5, 2, colour::Crimson, 10);
}

// Enemy elite: a black racer with a long nose and a crimson flash.
void DrawRacer(cairo_t* cr) {
    constexpr Fuselage kBody = {5, 91, 15, 4.6, 1.5};
    Fin(cr, {6, 14}, 12, 14, Hex(0x2B3038));
    Body(cr, kBody, Hex(0x252A31), Hex(0x5A616B), colour::Signal);
    Polygon(cr, {{20, 15}, {48, 12.5}, {44, 15}, {80, 13.5}, {52, 17}, {56, 15.2}});
    SetColour(cr, colour::Signal);
    cairo_fill(cr);
    Canopy(cr, 28, 42, 10.5, 4.5);
    EnemyInsignia(cr, {16, 14.5}, 5);
    Aerofoil(cr, 40, 62, 19, 2.8, Hex(0x2B3038));
    Aerofoil(cr, 1, 16, 14.5, 2, Hex(0x2B3038));
    Spinner(cr, {90.5, 15}, 8, 3, colour::Signal, 12);
}

// The boss: a silver armoured airship with crimson bands, gondola and engine pods.
void DrawAirship(cairo_t* cr) {
    for (const double sign : {-1.0, 1.0}) {
        Polygon(cr, {{22, 26 + sign * 10}, {5, 26 + sign * 23}, {2, 26 + sign * 20}, {6, 26 + sign * 7}});
        SetColour(cr, colour::Crimson);
        FillInk(cr, 0.9);
    }
    cairo_move_to(cr, 8, 26);
    cairo_curve_to(cr, 14, 14, 40, 8.5, 70, 9);
    cairo_curve_to(cr, 88, 9.5, 97, 17, 97, 26);
    cairo_curve_to(cr, 97, 35, 88, 42.5, 70, 43);
    cairo_curve_to(cr, 40, 43.5, 14, 38, 8, 26);
    cairo_close_path(cr);
    cairo_path_t* envelope = cairo_copy_path(cr);
    SetVertical(cr, 9, 43,
                {{0, Hex(0xF1F3F5)}, {0.35, colour::Silver}, {0.8, Hex(0x7D8690)}, {1, Hex(0x5C646D)}});
    cairo_fill(cr);
    {
        Saved saved(cr);
        cairo_append_path(cr, envelope);
        cairo_clip(cr);
        for (double x = 16; x < 96; x += 8) {
            PanelLine(cr, x, 0, 60, 0.6);
        }
        cairo_rectangle(cr, 30, 0, 5, 60);
        cairo_rectangle(cr, 74, 0, 5, 60);
        SetColour(cr, colour::Crimson);
        cairo_fill(cr);
        for (const double y : {17.0, 34.0}) {
            cairo_move_to(cr, 8, 26 + (y - 26) * 0.4);
            cairo_curve_to(cr, 40, y, 80, y, 98, 26 + (y - 26) * 0.6);
        }
        SetColour(cr, colour::White, 0.35);
        cairo_set_line_width(cr, 0.7);
        cairo_stroke(cr);
    }
    cairo_append_path(cr, envelope);
    cairo_path_destroy(envelope);
    SetColour(cr, colour::Ink);
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
    Polygon(cr, {{20, 26}, {4, 28}, {2, 25}, {20, 24}});
    SetColour(cr, colour::Crimson);
    FillInk(cr, 0.8);
    EnemyInsignia(cr, {54, 25}, 11);
    Ellipse(cr, {96.5, 26}, 2.4, 2.4);
    SetColour(cr, Hex(0xFF6048));
    FillInk(cr, 0.6);

    for (const double x : {22.0, 80.0}) {
        cairo_move_to(cr, x + 4, 40);
        cairo_line_to(cr, x + 4, 47);
        SetColour(cr, colour::Ink);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        RoundedRect(cr, x, 45, 10, 5, 2.5);
        SetColour(cr, colour::Gunmetal);
        FillInk(cr, 0.7);
        Propeller(cr, {x - 1, 47.5}, 5, 1.4);
    }
    RoundedRect(cr, 44, 42, 22, 10, 4);
    SetVertical(cr, 42, 52, {{0, colour::Gunmetal}, {1, colour::DarkGunmetal}});
    FillInk(cr, 0.9);
    for (double x = 47; x < 63; x += 4.5) {
        cairo_rectangle(cr, x, 44.5, 2.6, 2.6);
    }
    SetColour(cr, Hex(0xFFD98A));
    cairo_fill(cr);
}

namespace {

// The six attitudes of the player's aeroplane: the same drawing turned and mirrored. The game draws all six
// at the same corner, so each turned aeroplane is placed with the centre of its shape where the level one
// facing the same way has it, as far as its taller picture allows: changing attitude does not make it jump.
constexpr Point kLevelCentre = {49, 30.5};
constexpr CraftBox kLevelBox = {100, 60};

// The aeroplane turned about its middle and mirrored, with that middle at the origin.
void TurnedPlane(cairo_t* cr, double degrees, bool facingLeft) {
    cairo_rotate(cr, (facingLeft ? -degrees : degrees) * M_PI / 180);
    if (facingLeft) {
        cairo_scale(cr, -1, 1);
    }
    cairo_translate(cr, -kLevelCentre.x, -kLevelCentre.y);
    DrawPlayerPlane(cr);
}

// Where the opaque part of a drawing lies: the centre of its pixels and their bounds.
struct Spread {
    Point centre;
    double left, top, right, bottom;
};

// Measures the turned aeroplane drawn with its middle at the centre of a scratch canvas.
Spread MeasureTurned(double degrees, bool facingLeft) {
    constexpr int kScratch = 200;
    Canvas canvas(kScratch, kScratch);
    cairo_translate(canvas.Context(), kScratch / 2.0, kScratch / 2.0);
    TurnedPlane(canvas.Context(), degrees, facingLeft);
    const Image drawn = canvas.Snapshot();
    Spread spread{{0, 0}, kScratch, kScratch, 0, 0};
    double count = 0;
    for (int y = 0; y < drawn.height; ++y) {
        for (int x = 0; x < drawn.width; ++x) {
            if (static_cast<double>(drawn.At(x, y) >> 24) < kShapeThreshold * 255.0) {
                continue;
            }
            spread.centre.x += x;
            spread.centre.y += y;
            count += 1;
            spread.left = std::min<double>(spread.left, x);
            spread.top = std::min<double>(spread.top, y);
            spread.right = std::max<double>(spread.right, x);
            spread.bottom = std::max<double>(spread.bottom, y);
        }
    }
    const double middle = kScratch / 2.0;
    return {{spread.centre.x / count - middle, spread.centre.y / count - middle},
            spread.left - middle,
            spread.top - middle,
            spread.right - middle,
            spread.bottom - middle};
}

// Where the middle of the turned aeroplane goes in its picture.
Point AttitudeMiddle(int width, int height, double degrees, bool facingLeft) {
    const Point level = {facingLeft ? kLevelBox.width - kLevelCentre.x : kLevelCentre.x, kLevelCentre.y};
    const Spread levelSpread = MeasureTurned(0, facingLeft);
    const Point target = {level.x + levelSpread.centre.x, level.y + levelSpread.centre.y};
    const Spread turned = MeasureTurned(degrees, facingLeft);
    const double x = std::clamp(target.x - turned.centre.x, 1 - turned.left, width - 2 - turned.right);
    const double y = std::clamp(target.y - turned.centre.y, 1 - turned.top, height - 2 - turned.bottom);
    return {x, y};
}

void PlayerAttitude(cairo_t* cr, int width, int height, double degrees, bool facingLeft) {
    const Point middle = AttitudeMiddle(width, height, degrees, facingLeft);
    cairo_translate(cr, middle.x, middle.y);
    TurnedPlane(cr, degrees, facingLeft);
}

constexpr double kClimb = -22;
constexpr double kDive = 22;

Painter Enemy(void (*draw)(cairo_t*), CraftBox box) {
    return [draw, box](cairo_t* cr, int, int) { PlaceCraft(cr, draw, box, {0, 0}, 1, true); };
}

}  // namespace

std::vector<Art> AircraftArt() {
    auto attitude = [](double degrees, bool left) {
        return [degrees, left](cairo_t* cr, int w, int h) { PlayerAttitude(cr, w, h, degrees, left); };
    };
    return {
        {"Bitmaps\\VliegtuigSpeler.bmp", attitude(0, false)},
        {"Bitmaps\\VliegtuigSpeler2.bmp", attitude(0, true)},
        {"Bitmaps\\VliegtuigSpeler3.bmp", attitude(kClimb, false)},
        {"Bitmaps\\VliegtuigSpeler4.bmp", attitude(kClimb, true)},
        {"Bitmaps\\VliegtuigSpeler5.bmp", attitude(kDive, false)},
        {"Bitmaps\\VliegtuigSpeler6.bmp", attitude(kDive, true)},
        {"Bitmaps\\Vijand1.bmp", Enemy(DrawSmallFighter, kFighterBox)},
        {"Bitmaps\\Vijand2.bmp", Enemy(DrawBomber, kBomberBox)},
        {"Bitmaps\\Vijand3.bmp", Enemy(DrawFloatPlane, kFloatPlaneBox)},
        {"Bitmaps\\Vijand4.bmp", Enemy(DrawRacer, kRacerBox)},
        // Drawn without a mask, so it carries the sky of the place where it hovers.
        {"Bitmaps\\Hindenburg.bmp",
         [](cairo_t* cr, int, int) {
             {
                 Saved saved(cr);
                 cairo_translate(cr, -kAirshipSpot.x, -kAirshipSpot.y);
                 PaintPlaySky(cr);
             }
             PlaceCraft(cr, DrawAirship, kAirshipBox, {0, 0}, 1, true);
         }},
    };
}

}  // namespace datagen
