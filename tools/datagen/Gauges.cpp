#include <array>
#include <string>

#include "Art.h"
#include "Craft.h"
#include "Scenery.h"

namespace datagen {
namespace {

constexpr int kSteps = 4;

// The bezel of a dashboard gauge: a navy capsule in a brass rim, with a dark well for the cells.
void Bezel(cairo_t* cr, double w, double h) {
    RoundedRect(cr, 4, 2.5, w - 6, h - 5, (h - 5) / 2);
    SetVertical(cr, 2.5, h - 2.5, {{0, Hex(0x35597F)}, {1, colour::DeepNavy}});
    FillInk(cr, 1.4);
    RoundedRect(cr, 6, 4.5, w - 10, h - 9, (h - 9) / 2);
    SetColour(cr, colour::Brass);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    RoundedRect(cr, 10, 8, w - 18, h - 16, (h - 16) / 2);
    SetColour(cr, Hex(0x0B1726));
    cairo_fill(cr);
}

struct Cell {
    double x;
    double y;
    double w;
    double h;
};

Cell CellAt(int index, double w, double h) {
    const double gap = 2.5;
    const double left = 13;
    const double width = (w - 2 * left + gap - 2) / kSteps - gap;
    return {left + index * (width + gap), 9.5, width, h - 19};
}

void CellShape(cairo_t* cr, const Cell& cell) {
    RoundedRect(cr, cell.x, cell.y, cell.w, cell.h, cell.h / 2.6);
}

void Warning(cairo_t* cr, std::string_view text, double w, double h) {
    Text(cr, text, {w / 2, h / 2 + 3.8}, {kSans, true, 10.5}, Hex(0xFF6A55), Align::Centre);
}

// Fuel: cells of amber that turn red when the tank runs low.
void FuelGauge(cairo_t* cr, double w, double h, int level) {
    Bezel(cr, w, h);
    const Rgb fill = level == 1 ? colour::Signal : colour::Gold;
    for (int i = 0; i < level; ++i) {
        const Cell cell = CellAt(i, w, h);
        CellShape(cr, cell);
        SetVertical(cr, cell.y, cell.y + cell.h,
                    {{0, Mix(fill, colour::White, 0.45)}, {0.5, fill}, {1, Mix(fill, colour::Crimson, 0.5)}});
        cairo_fill(cr);
    }
    if (level == 0) {
        Warning(cr, "EMPTY", w, h);
    }
}

// Bombs: one bomb per cell, each cell worth a fifth of the load.
void BombGauge(cairo_t* cr, double w, double h, int level) {
    Bezel(cr, w, h);
    for (int i = 0; i < kSteps; ++i) {
        const Cell cell = CellAt(i, w, h);
        const bool full = i < level;
        CellShape(cr, cell);
        SetColour(cr, full ? colour::Cream : Hex(0x1A2A3E));
        cairo_fill(cr);
        if (full) {
            DrawBombIcon(cr, {cell.x + cell.w / 2, cell.y + cell.h / 2}, cell.h * 2.4, Hex(0x4A5533));
        }
    }
    if (level == 0) {
        Warning(cr, "NO BOMBS", w, h);
    }
}

void Heart(cairo_t* cr, Point c, double r) {
    cairo_move_to(cr, c.x, c.y + r);
    cairo_curve_to(cr, c.x - r * 1.6, c.y - r * 0.1, c.x - r * 0.9, c.y - r * 1.3, c.x, c.y - r * 0.45);
    cairo_curve_to(cr, c.x + r * 0.9, c.y - r * 1.3, c.x + r * 1.6, c.y - r * 0.1, c.x, c.y + r);
    cairo_close_path(cr);
}

// Life: three hearts on the dashboard strip. Drawn without a mask over its place on the strip, so it
// carries the strip around it.
void LifeGauge(cairo_t* cr, double w, double h, int hearts) {
    {
        Saved saved(cr);
        cairo_translate(cr, -770, -6);
        PaintPlaySky(cr);
        PaintDashStrip(cr);
    }
    RoundedRect(cr, 2, 2.5, w - 4, h - 5, (h - 5) / 2);
    SetVertical(cr, 2.5, h - 2.5, {{0, Hex(0x35597F)}, {1, colour::DeepNavy}});
    FillInk(cr, 1.4);
    for (int i = 0; i < 3; ++i) {
        Heart(cr, {18 + i * 22.0, h / 2 + 0.5}, 7);
        if (i < hearts) {
            SetVertical(cr, h / 2 - 7, h / 2 + 7, {{0, Hex(0xFF7A66)}, {1, colour::Crimson}});
            FillInk(cr, 0.9);
        } else {
            SetColour(cr, Hex(0x1A2A3E));
            FillInk(cr, 0.9, Hex(0x5C7391));
        }
    }
}

}  // namespace

std::vector<Art> GaugeArt() {
    constexpr std::array<const char*, kSteps + 1> kFuel = {"Balk_leeg", "Balk_1vierde", "Balk_2vierde",
                                                           "Balk_3vierde", "Balk_vol"};
    constexpr std::array<const char*, kSteps + 1> kBombs = {
        "Balk_leegbom", "Balk_1vierdebom", "Balk_2vierdebom", "Balk_3vierdebom", "Balk_volbom"};
    constexpr std::array<const char*, 3> kLife = {"eenderdeleven", "tweederdeleven", "volleven"};
    std::vector<Art> art;
    for (int level = 0; level <= kSteps; ++level) {
        const auto i = static_cast<std::size_t>(level);
        art.push_back({std::string("Bitmaps\\") + kFuel[i] + ".bmp",
                       [level](cairo_t* cr, int w, int h) { FuelGauge(cr, w, h, level); }});
        art.push_back({std::string("Bitmaps\\") + kBombs[i] + ".bmp",
                       [level](cairo_t* cr, int w, int h) { BombGauge(cr, w, h, level); }});
    }
    for (int hearts = 1; hearts <= 3; ++hearts) {
        art.push_back({std::string("Bitmaps\\") + kLife[static_cast<std::size_t>(hearts - 1)] + ".bmp",
                       [hearts](cairo_t* cr, int w, int h) { LifeGauge(cr, w, h, hearts); }});
    }
    return art;
}

}  // namespace datagen
