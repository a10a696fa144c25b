#include "Scenery.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "Art.h"
#include "Random.h"

namespace datagen {

namespace mood {
const Mood Day = {Hex(0x3B6EA5),
                  Hex(0x78A8D2),
                  Hex(0x86B4D9),
                  Hex(0xF0E3C4),
                  Hex(0x4E93AE),
                  Hex(0x0F3A58),
                  Hex(0xFFFFFF),
                  Hex(0xB7C9DA),
                  Hex(0xFFF4D6),
                  {170, 160},
                  190};
const Mood Dawn = {Hex(0x2D4F82),
                   Hex(0x6F8FBF),
                   Hex(0xE9B48A),
                   Hex(0xFFD9A0),
                   Hex(0x3F7F9C),
                   Hex(0x0E2F4C),
                   Hex(0xFFF1E0),
                   Hex(0xD49A8A),
                   Hex(0xFFE7B0),
                   {820, 560},
                   260};
const Mood Dusk = {Hex(0x24305E),
                   Hex(0x6A4E86),
                   Hex(0xE07A5A),
                   Hex(0xFFC173),
                   Hex(0x3C5C80),
                   Hex(0x101C38),
                   Hex(0xFFD8B8),
                   Hex(0x9A5F78),
                   Hex(0xFFD080),
                   {500, 600},
                   300};
const Mood Storm = {Hex(0x2A2F38),
                    Hex(0x4A525E),
                    Hex(0x6E7682),
                    Hex(0x9AA0A6),
                    Hex(0x34505E),
                    Hex(0x0E1C26),
                    Hex(0x9EA4AC),
                    Hex(0x505862),
                    Hex(0xC8C8C0),
                    {760, 140},
                    120};
const Mood Victory = {Hex(0x3F78B5),
                      Hex(0x8CC0E6),
                      Hex(0xF6E1A8),
                      Hex(0xFFF0C8),
                      Hex(0x4A9AB8),
                      Hex(0x10406A),
                      Hex(0xFFFFFF),
                      Hex(0xE6C9A0),
                      Hex(0xFFF4CC),
                      {500, 150},
                      330};
}  // namespace mood

namespace {

void OneCloud(cairo_t* cr, const Mood& mood, const CloudSpec& spec) {
    Random random(spec.seed);
    const double h = spec.width * 0.42;
    const int puffs = 5 + static_cast<int>(spec.width / 60);
    std::vector<Point> centres;
    std::vector<double> radii;
    for (int i = 0; i < puffs; ++i) {
        const double t = (i + 0.5) / puffs;
        const double bulge = std::sin(t * M_PI);
        radii.push_back(h * (0.35 + 0.55 * bulge) * random.Uniform(0.8, 1.1));
        centres.push_back({spec.x + (t - 0.5) * spec.width, spec.y - radii.back() * 0.55 - bulge * h * 0.25});
    }
    Saved saved(cr);
    cairo_rectangle(cr, spec.x - spec.width, spec.y - spec.width, spec.width * 2, spec.width);
    cairo_clip(cr);
    for (int layer = 0; layer < 2; ++layer) {
        for (std::size_t i = 0; i < centres.size(); ++i) {
            const double lift = layer == 0 ? 0.0 : radii[i] * 0.18;
            Ellipse(cr, {centres[i].x - lift * 0.5, centres[i].y - lift}, radii[i] * (1 - 0.12 * layer),
                    radii[i] * (1 - 0.12 * layer));
        }
        if (layer == 0) {
            SetColour(cr, mood.cloudShade, 0.92);
        } else {
            SetVertical(cr, spec.y - h * 1.6, spec.y,
                        {{0, mood.cloudLight}, {0.7, Mix(mood.cloudLight, mood.cloudShade, 0.3)}});
        }
        cairo_fill(cr);
    }
}

constexpr double kHorizon = 660;

}  // namespace

void PaintSky(cairo_t* cr, const Mood& mood, double horizon) {
    cairo_rectangle(cr, 0, 0, 1000, 750);
    SetVertical(cr, 0, horizon,
                {{0, mood.skyTop},
                 {0.3, mood.skyHigh},
                 {0.78, mood.skyLow},
                 {0.93, Mix(mood.skyLow, mood.horizon, 0.5)},
                 {1, mood.horizon}});
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 0, 1000, horizon);
    SetRadial(cr, mood.sunAt, mood.sunGlow, {{0, mood.sun, 0.55}, {0.25, mood.sun, 0.3}, {1, mood.sun, 0}});
    cairo_fill(cr);
    Ellipse(cr, mood.sunAt, mood.sunGlow * 0.16, mood.sunGlow * 0.16);
    SetColour(cr, mood.sun, 0.9);
    cairo_fill(cr);
}

void PaintClouds(cairo_t* cr, const Mood& mood, std::initializer_list<CloudSpec> clouds, double opacity) {
    cairo_push_group(cr);
    for (const CloudSpec& cloud : clouds) {
        OneCloud(cr, mood, cloud);
    }
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, opacity);
}

void PaintSea(cairo_t* cr, const Mood& mood, double top, double bottom, std::uint64_t seed) {
    const double depth = bottom - top;
    cairo_rectangle(cr, 0, top, 1000, depth);
    SetVertical(cr, top, bottom,
                {{0, mood.seaTop}, {0.35, Mix(mood.seaTop, mood.seaDeep, 0.45)}, {1, mood.seaDeep}});
    cairo_fill(cr);
    cairo_rectangle(cr, 0, top, 1000, 2.5);
    SetColour(cr, Mix(mood.horizon, colour::White, 0.4), 0.8);
    cairo_fill(cr);

    Random random(seed);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (double t = 0.04; t < 1.0;) {
        const double y = top + t * depth;
        const double scale = 0.25 + 1.6 * t;
        for (double x = random.Uniform(-40, 0); x < 1000; x += random.Uniform(38, 70) * scale) {
            const double len = random.Uniform(14, 30) * scale;
            const double lift = 2.2 * scale;
            cairo_move_to(cr, x, y + lift * 0.6);
            cairo_curve_to(cr, x + len * 0.3, y - lift, x + len * 0.7, y - lift, x + len, y + lift * 0.6);
            cairo_set_line_width(cr, 1.0 + 1.1 * scale);
            SetColour(cr, colour::Foam, 0.25 + 0.35 * t);
            cairo_stroke(cr);
            cairo_move_to(cr, x + len * 0.15, y + lift * 1.6);
            cairo_line_to(cr, x + len * 0.85, y + lift * 1.6);
            cairo_set_line_width(cr, 0.8 * scale);
            SetColour(cr, mood.seaDeep, 0.35);
            cairo_stroke(cr);
        }
        t += 0.045 + 0.09 * t;
    }
}

Rgb AirshipSky() {
    return Mix(mood::Day.skyHigh, mood::Day.skyLow, 0.5);
}

void PaintPlaySky(cairo_t* cr) {
    PaintSky(cr, mood::Day, kHorizon);
    // Where the airship bobs and its homing bomb sets off, the sky is one flat colour, feathered into the
    // gradient above and below: their pictures, drawn without masks, carry exactly this colour.
    constexpr double kBandTop = 220;
    constexpr double kBandBottom = 560;
    constexpr double kFeather = 40 / (kBandBottom - kBandTop);
    cairo_rectangle(cr, 0, kBandTop, 1000, kBandBottom - kBandTop);
    SetVertical(
        cr, kBandTop, kBandBottom,
        {{0, AirshipSky(), 0}, {kFeather, AirshipSky()}, {1 - kFeather, AirshipSky()}, {1, AirshipSky(), 0}});
    cairo_fill(cr);
    PaintClouds(cr, mood::Day,
                {{480, 175, 120, 11},
                 {700, 150, 80, 12},
                 {120, 215, 100, 13},
                 {860, 205, 100, 14},
                 {650, 610, 160, 15},
                 {230, 640, 200, 16},
                 {920, 640, 130, 17}},
                0.8);
}

void PaintDashStrip(cairo_t* cr) {
    RoundedRect(cr, -20, -20, 1040, 106, 14);
    SetVertical(cr, 0, 86, {{0, colour::Cream, 0.95}, {1, colour::Parchment, 0.95}});
    cairo_fill_preserve(cr);
    SetColour(cr, colour::DarkBrass, 0.9);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    for (double x = 24; x < 1000; x += 48) {
        Ellipse(cr, {x, 80}, 1.6, 1.6);
    }
    SetColour(cr, colour::DarkBrass, 0.55);
    cairo_fill(cr);
}

std::vector<Art> SceneryArt() {
    return {
        {"Bitmaps\\Hemel.bmp",
         [](cairo_t* cr, int, int) {
             PaintPlaySky(cr);
             PaintDashStrip(cr);
         }},
        {"Bitmaps\\Zee.bmp", [](cairo_t* cr, int, int h) { PaintSea(cr, mood::Day, 0, h, 1); }},
    };
}

}  // namespace datagen
