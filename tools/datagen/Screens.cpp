// The screens of a play's end and of a level change. The game-over screen carries its buttons at (635, 660)
// and (805, 660); the win screen writes the score at (425, 269), draws medals at (319, 398) and (520, 398)
// and its button at (775, 600). The pictures leave those places for them.
#include <array>
#include <cmath>
#include <string>

#include "Art.h"
#include "Craft.h"
#include "Layout.h"
#include "Random.h"

namespace datagen {
namespace {

Point Bezier(Point a, Point b, Point c, Point d, double t) {
    const double u = 1 - t;
    return {u * u * u * a.x + 3 * u * u * t * b.x + 3 * u * t * t * c.x + t * t * t * d.x,
            u * u * u * a.y + 3 * u * u * t * b.y + 3 * u * t * t * c.y + t * t * t * d.y};
}

void SmokePuff(cairo_t* cr, Point at, double r, double heat) {
    Ellipse(cr, at, r, r);
    SetRadial(cr, {at.x - r * 0.3, at.y - r * 0.3}, r * 1.3,
              {{0, Mix(Hex(0x8C8F94), colour::Fire, heat)}, {1, Mix(Hex(0x3A3D42), colour::Signal, heat)}});
    cairo_fill(cr);
}

// Smoke thickening and cooling along a curve from a burning craft at `to` back to `from`.
void SmokeTrail(cairo_t* cr, Point from, Point control, Point to, double width, std::uint64_t seed) {
    Random random(seed);
    constexpr int kPuffs = 34;
    for (int i = 0; i < kPuffs; ++i) {
        const double t = static_cast<double>(i) / (kPuffs - 1);
        const Point p = Bezier(from, control, control, to, t);
        const double r = width * (1.1 - 0.75 * t) * random.Uniform(0.8, 1.1);
        SmokePuff(cr, {p.x + random.Uniform(-3, 3), p.y + random.Uniform(-3, 3)}, r,
                  t > 0.85 ? (t - 0.85) * 6 : 0);
    }
}

void Flames(cairo_t* cr, Point at, double size, std::uint64_t seed) {
    Random random(seed);
    for (int i = 0; i < 7; ++i) {
        const Point p = {at.x + random.Uniform(-size, size) * 0.6, at.y + random.Uniform(-size, size) * 0.5};
        const double r = size * random.Uniform(0.35, 0.6);
        Ellipse(cr, p, r, r * 1.2);
        SetRadial(cr, p, r * 1.2,
                  {{0, colour::White}, {0.3, colour::Flame}, {0.75, colour::Fire}, {1, colour::Signal, 0}});
        cairo_fill(cr);
    }
}

void Starburst(cairo_t* cr, Point centre, double radius, Rgb colour) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8;
        cairo_move_to(cr, centre.x + std::cos(a) * radius * 0.3, centre.y + std::sin(a) * radius * 0.3);
        cairo_line_to(cr, centre.x + std::cos(a) * radius, centre.y + std::sin(a) * radius);
    }
    SetColour(cr, colour, 0.9);
    cairo_set_line_width(cr, radius * 0.07);
    cairo_stroke(cr);
    for (int i = 0; i < 16; ++i) {
        const double a = (i + 0.5) * M_PI / 8;
        Ellipse(cr, {centre.x + std::cos(a) * radius * 0.8, centre.y + std::sin(a) * radius * 0.8},
                radius * 0.05, radius * 0.05);
    }
    SetColour(cr, colour::White, 0.9);
    cairo_fill(cr);
}

// Rings of foam spreading round a point on the water.
void Ripples(cairo_t* cr, Point centre, double width) {
    for (int i = 0; i < 4; ++i) {
        const double rx = width * (0.3 + 0.25 * i);
        Ellipse(cr, centre, rx, rx * 0.12);
        SetColour(cr, colour::Foam, 0.75 - 0.15 * i);
        cairo_set_line_width(cr, 3.5 - 0.6 * i);
        cairo_stroke(cr);
    }
}

void Bubbles(cairo_t* cr, Point centre, double spread, int count, std::uint64_t seed) {
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const double r = random.Uniform(2, 6);
        Ellipse(
            cr,
            {centre.x + random.Uniform(-spread, spread), centre.y + random.Uniform(-spread, spread) * 0.3}, r,
            r);
        SetColour(cr, colour::Foam, 0.85);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

void GameOverScreen(cairo_t* cr) {
    Backdrop(cr, mood::Storm, 430, {{150, 330, 260, 81}, {520, 390, 300, 82}, {880, 360, 240, 83}}, 84);
    {
        Saved saved(cr);
        cairo_rectangle(cr, 0, 0, 1000, 486);
        cairo_clip(cr);
        TurnCraft(cr, DrawPlayerPlane, kPlayerBox, {290, 470}, 2.4, 68, false);
    }
    Ripples(cr, {300, 488}, 260);
    Bubbles(cr, {300, 500}, 90, 18, 85);
    Vignette(cr, 0.55);
    Headline(cr, "GAME OVER", {500, 200}, 120);
    Caption(cr, "The sea keeps what it takes.", {500, 262}, 28);
    Text(cr, "RETRY flies this level again, score kept", {971, 640}, {kSans, true, 17}, colour::Cream,
         Align::Right);
}

// A crown of water: jets fanning out of a churned mound, each ending in a round head, and flying drops.
void Splash(cairo_t* cr, Point base, double width, double height, std::uint64_t seed) {
    Random random(seed);
    constexpr Rgb kEdge = Hex(0x3E7E9C);
    auto water = [&](double top) {
        SetVertical(cr, top, base.y, {{0, colour::White}, {0.55, Hex(0xDDF2FA)}, {1, Hex(0x8CC6DC)}});
        FillInk(cr, 2.2, kEdge);
    };
    constexpr int kJets = 9;
    for (int i = 0; i < kJets; ++i) {
        const double side = (i - (kJets - 1) / 2.0) / ((kJets - 1) / 2.0);
        const double a = -M_PI / 2 + side * 0.75 + random.Uniform(-0.08, 0.08);
        const double h = height * (1.0 - 0.45 * side * side) * random.Uniform(0.8, 1.0);
        const Point root = {base.x + side * width * 0.22, base.y};
        const Point head = {root.x + std::cos(a) * h, root.y + std::sin(a) * h};
        const double w = width * 0.06;
        const double r = w * 0.55;
        cairo_move_to(cr, root.x - w, root.y);
        cairo_curve_to(cr, root.x - w * 0.5, (root.y + head.y) / 2, head.x - r, head.y + r * 3, head.x - r,
                       head.y);
        cairo_arc(cr, head.x, head.y, r, M_PI, 2 * M_PI);
        cairo_curve_to(cr, head.x + r, head.y + r * 3, root.x + w * 0.5, (root.y + head.y) / 2, root.x + w,
                       root.y);
        cairo_close_path(cr);
        water(head.y);
    }
    Ellipse(cr, {base.x, base.y}, width * 0.42, height * 0.14);
    water(base.y - height * 0.14);
    for (int i = 0; i < 36; ++i) {
        const double a = random.Uniform(-M_PI * 0.95, -M_PI * 0.05);
        const double r = random.Uniform(0.7, 1.05);
        const Point p = {base.x + std::cos(a) * width * 0.6 * r, base.y + std::sin(a) * height * r};
        const double size = random.Uniform(3, 7);
        Ellipse(cr, p, size, size * 1.25);
        SetColour(cr, colour::White);
        FillInk(cr, 1.2, kEdge);
    }
}

void SeaCrashScreen(cairo_t* cr) {
    Backdrop(cr, mood::Day, 420, {{160, 300, 240, 91}, {840, 330, 220, 92}}, 93);
    constexpr Point kWater = {500, 625};
    Ripples(cr, {kWater.x, kWater.y + 5}, 420);
    Splash(cr, kWater, 520, 330, 94);
    {
        // The tail stands out of the churned water, in front of the jets; the nose is under the sea.
        Saved saved(cr);
        cairo_rectangle(cr, 0, 0, 1000, kWater.y);
        cairo_clip(cr);
        cairo_rectangle(cr, 0, 0, 1000, 750);
        Ellipse(cr, kWater, 520 * 0.42, 330 * 0.14);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_clip(cr);
        TurnCraft(cr, DrawPlayerPlane, kPlayerBox, {520, 610}, 2.0, 78, false);
    }
    Headline(cr, "SPLASH!", {500, 170}, 120);
    Caption(cr, "Straight into the sea.", {500, 232}, 28);
}

void ShotDownScreen(cairo_t* cr) {
    Backdrop(cr, mood::Dusk, 620, {{200, 520, 260, 101}, {760, 560, 300, 102}}, 103);
    SmokeTrail(cr, {40, 300}, {300, 280}, {585, 425}, 30, 104);
    TurnCraft(cr, DrawPlayerPlane, kPlayerBox, {640, 450}, 2.3, 32, false);
    Flames(cr, {700, 478}, 26, 105);
    PlaceCraft(cr, DrawSmallFighter, kFighterBox, {760, 300}, 2.0, true);
    Vignette(cr, 0.5);
    Headline(cr, "SHOT DOWN!", {500, 160}, 110);
    Caption(cr, "Your aeroplane is going down in flames.", {500, 222}, 28);
}

void WinScreen(cairo_t* cr) {
    Backdrop(cr, mood::Victory, 600, {{120, 330, 200, 111}, {900, 470, 220, 112}, {640, 560, 260, 113}}, 114);
    SmokeTrail(cr, {990, 20}, {960, 70}, {915, 140}, 14, 115);
    TurnCraft(cr, DrawAirship, kAirshipBox, {905, 165}, 1.1, -35, true);
    Flames(cr, {918, 148}, 16, 116);
    Starburst(cr, {120, 150}, 55, colour::Gold);
    Starburst(cr, {215, 250}, 38, Hex(0x7FD6C8));
    Starburst(cr, {790, 330}, 45, Hex(0xFF8A7A));
    TurnCraft(cr, DrawPlayerPlane, kPlayerBox, {140, 450}, 1.8, -14, false);
    PlaceCraft(cr, DrawTender, kTenderBox, {60, 640}, 1.4, false);

    Headline(cr, "VICTORY!", {500, 150}, 110);
    Caption(cr, "The Leviathan is down. The Salt Coast is free!", {500, 214}, 26);
    ParchmentPanel(cr, 380, 248, 240, 58);
    RoundedRect(cr, 290, 374, 420, 240, 18);
    SetVertical(cr, 374, 614, {{0, Hex(0x2B4D78)}, {1, colour::DeepNavy}});
    FillInk(cr, 4, colour::DarkBrass);
    RoundedRect(cr, 300, 384, 400, 220, 12);
    SetColour(cr, colour::Brass, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    Text(cr, "FOR VALOUR", {399, 590}, {kSans, true, 15}, colour::Gold, Align::Centre);
    Text(cr, "ACE OF THE SEA", {600, 590}, {kSans, true, 15}, colour::Gold, Align::Centre);
}

// Four pictures shown one after another: the level cleared, then a count down to the next, while the
// aeroplane flies on along its route and the route's lights come on one by one.
void NextLevelScreen(cairo_t* cr, int step) {
    Backdrop(cr, mood::Dawn, 600, {{150, 420, 220, 121}, {850, 450, 240, 122}, {520, 560, 200, 123}}, 124);
    PlaceCraft(cr, DrawTender, kTenderBox, {700, 650}, 1.3, false);
    constexpr Point a = {70, 560};
    constexpr Point b = {330, 480};
    constexpr Point c = {650, 540};
    constexpr Point d = {930, 430};
    cairo_move_to(cr, a.x, a.y);
    cairo_curve_to(cr, b.x, b.y, c.x, c.y, d.x, d.y);
    const double dash[] = {14, 10};
    cairo_set_dash(cr, dash, 2, 0);
    SetColour(cr, colour::Cream, 0.9);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    constexpr std::array<double, 4> kStops = {0.1, 0.37, 0.64, 0.91};
    for (int i = 0; i < 4; ++i) {
        const Point p = Bezier(a, b, c, d, kStops[static_cast<std::size_t>(i)]);
        Ellipse(cr, p, 11, 11);
        SetColour(cr, i < step ? colour::Gold : colour::DeepNavy);
        FillInk(cr, 3, colour::Cream);
    }
    const double t = kStops[static_cast<std::size_t>(step - 1)];
    const Point at = Bezier(a, b, c, d, t);
    const Point ahead = Bezier(a, b, c, d, t + 0.01);
    const double heading = std::atan2(ahead.y - at.y, ahead.x - at.x) * 180 / M_PI;
    TurnCraft(cr, DrawPlayerPlane, kPlayerBox, {at.x, at.y - 48}, 1.5, heading, false);

    Headline(cr, "LEVEL CLEARED!", {500, 118}, 76);
    if (step == 1) {
        Headline(cr, "WELL FLOWN!", {500, 300}, 96);
        Caption(cr, "Quota met  \u00b7  fuel and bombs topped up", {500, 360}, 26);
    } else {
        Caption(cr, "NEXT LEVEL IN", {500, 190}, 30);
        Headline(cr, std::to_string(5 - step), {500, 360}, 170);
    }
}

}  // namespace

std::vector<Art> ScreenArt() {
    std::vector<Art> art = {
        {"Bitmaps\\GameOver.bmp", [](cairo_t* cr, int, int) { GameOverScreen(cr); }},
        {"Bitmaps\\Explosion.bmp", [](cairo_t* cr, int, int) { SeaCrashScreen(cr); }},
        {"Bitmaps\\Image_Dead.bmp", [](cairo_t* cr, int, int) { ShotDownScreen(cr); }},
        {"Bitmaps\\Win.bmp", [](cairo_t* cr, int, int) { WinScreen(cr); }},
    };
    for (int step = 1; step <= 4; ++step) {
        art.push_back({"Bitmaps\\nextlevel" + std::to_string(step) + ".bmp",
                       [step](cairo_t* cr, int, int) { NextLevelScreen(cr, step); }});
    }
    return art;
}

}  // namespace datagen
