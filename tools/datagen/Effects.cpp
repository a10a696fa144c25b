#include <cmath>

#include "Art.h"
#include "Craft.h"
#include "Random.h"
#include "Scenery.h"

namespace datagen {
namespace {

void Puff(cairo_t* cr, Point centre, double radius, Rgb light, Rgb dark) {
    Ellipse(cr, centre, radius, radius);
    SetRadial(cr, {centre.x - radius * 0.3, centre.y - radius * 0.35}, radius * 1.3, {{0, light}, {1, dark}});
    cairo_fill(cr);
}

// A cartoon fireball: a spiky flash, a ring of smoke, a hot core and flying debris.
void Fireball(cairo_t* cr, double w, double h) {
    const Point c = {w / 2, h / 2 + 2};
    Random random(7);
    cairo_new_sub_path(cr);
    constexpr int kSpikes = 14;
    for (int i = 0; i < 2 * kSpikes; ++i) {
        const double a = i * M_PI / kSpikes;
        const double r = (i % 2 == 0 ? random.Uniform(0.42, 0.5) : random.Uniform(0.24, 0.3)) * h;
        cairo_line_to(cr, c.x + r * std::cos(a) * (w / h) * 0.95, c.y + r * std::sin(a));
    }
    cairo_close_path(cr);
    SetRadial(cr, c, h * 0.5, {{0, colour::Flame}, {0.6, colour::Fire}, {1, colour::Signal}});
    FillInk(cr, 1.2, colour::Crimson);

    for (int i = 0; i < 9; ++i) {
        const double a = -M_PI * 0.95 + i * M_PI * 0.24 + random.Uniform(-0.1, 0.1);
        const double r = h * random.Uniform(0.22, 0.27);
        Puff(cr, {c.x + std::cos(a) * r * 1.55, c.y + std::sin(a) * r * 0.9}, h * random.Uniform(0.11, 0.15),
             Hex(0x8A8F96), colour::Smoke);
    }
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3 + random.Uniform(-0.3, 0.3);
        const double r = h * random.Uniform(0.05, 0.14);
        Puff(cr, {c.x + std::cos(a) * r * 1.4, c.y + std::sin(a) * r}, h * random.Uniform(0.13, 0.17),
             colour::Flame, colour::Fire);
    }
    Ellipse(cr, c, h * 0.13, h * 0.11);
    SetRadial(cr, c, h * 0.13, {{0, colour::White}, {1, colour::Flame}});
    cairo_fill(cr);
    for (int i = 0; i < 7; ++i) {
        const double a = random.Uniform(0, 2 * M_PI);
        const double r = h * random.Uniform(0.38, 0.46);
        const Point p = {c.x + std::cos(a) * r * 1.3, c.y + std::sin(a) * r};
        Polygon(cr, {{p.x - 2, p.y - 1}, {p.x + 2.5, p.y - 2}, {p.x + 1, p.y + 2}});
        SetColour(cr, colour::DarkGunmetal);
        cairo_fill(cr);
    }
}

// A tracer round: hot white at the head, cooling to red at the tail.
// A tracer: a hot streak with a gold head, its top and bottom rows darker so that it reads over white cloud
// as well as over blue sky.
void Tracer(cairo_t* cr, int w, int h) {
    cairo_rectangle(cr, 0, 0, w, h);
    SetLinear(cr, {0, 0}, {static_cast<double>(w), 0},
              {{0, colour::Crimson}, {0.4, colour::Fire}, {0.85, colour::Flame}, {1, colour::Gold}});
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 0, w, 1);
    cairo_rectangle(cr, 0, h - 1, w, 1);
    SetLinear(cr, {0, 0}, {static_cast<double>(w), 0},
              {{0, colour::Crimson, 0.3}, {1, Mix(colour::Crimson, colour::Ink, 0.3), 0.85}});
    cairo_fill(cr);
}

// The player's bomb as it falls: a round iron bomb, lit from above left, with a stub of tail fin.
void PlayerBomb(cairo_t* cr, int w, int h) {
    const Point c = {w / 2.0, h / 2.0 + 0.5};
    cairo_rectangle(cr, c.x - 1.2, 0.3, 2.4, 3);
    SetColour(cr, colour::Gunmetal);
    FillInk(cr, 0.6);
    Ellipse(cr, c, 4.3, 4.3);
    SetRadial(cr, {c.x - 1.4, c.y - 1.6}, 5.5,
              {{0, Mix(colour::Silver, colour::Gunmetal, 0.3)}, {0.45, colour::Gunmetal}, {1, colour::Ink}});
    FillInk(cr, 0.8);
}

}  // namespace

void DrawBombIcon(cairo_t* cr, Point centre, double length, Rgb body) {
    const double r = length * 0.2;
    const double noseX = centre.x - length / 2;
    Polygon(cr, {{centre.x + length * 0.2, centre.y},
                 {centre.x + length / 2, centre.y - r * 1.1},
                 {centre.x + length / 2, centre.y + r * 1.1}});
    SetColour(cr, Mix(body, colour::Black, 0.2));
    FillInk(cr, length * 0.04);
    cairo_move_to(cr, centre.x + length * 0.3, centre.y - r * 0.6);
    cairo_curve_to(cr, centre.x, centre.y - r * 1.1, noseX + r, centre.y - r * 1.1, noseX, centre.y);
    cairo_curve_to(cr, noseX + r, centre.y + r * 1.1, centre.x, centre.y + r * 1.1, centre.x + length * 0.3,
                   centre.y + r * 0.6);
    cairo_close_path(cr);
    SetVertical(cr, centre.y - r, centre.y + r, {{0, Mix(body, colour::White, 0.45)}, {1, body}});
    FillInk(cr, length * 0.04);
    cairo_rectangle(cr, centre.x - length * 0.05, centre.y - r * 1.0, length * 0.07, r * 2.0);
    SetColour(cr, colour::Signal);
    cairo_fill(cr);
}

// The airship's homing bomb, nose first to the left, its rocket burning behind the fins.
void DrawBossBomb(cairo_t* cr) {
    Polygon(cr, {{33, 7.5}, {40, 4.5}, {38, 7.5}, {40, 10.5}});
    SetColour(cr, colour::Flame);
    FillInk(cr, 0.6, colour::Fire);
    DrawBombIcon(cr, {19, 7.5}, 32, Hex(0x3E4430));
}

std::vector<Art> EffectArt() {
    return {
        // Also drawn without its mask where the airship blows up: the surroundings are that sky.
        {"Bitmaps\\Explosion2.bmp", [](cairo_t* cr, int w, int h) { Fireball(cr, w, h); }, AirshipSky()},
        {"Bitmaps\\kogel2.bmp", Tracer},
        {"Bitmaps\\bom.bmp", PlayerBomb},
        {"Bitmaps\\kogel2inv.bmp",
         [](cairo_t* cr, int w, int h) {
             MirrorX(cr, w);
             Tracer(cr, w, h);
         }},
        {"Bitmaps\\kogel3inv.bmp",
         [](cairo_t* cr, int, int) {
             {
                 // Drawn without a mask: it carries the sky where it sets off under the airship.
                 Saved saved(cr);
                 cairo_translate(cr, -kAirshipSpot.x, -kAirshipSpot.y - 50);
                 PaintPlaySky(cr);
             }
             DrawBossBomb(cr);
         }},
    };
}

}  // namespace datagen
