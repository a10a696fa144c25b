#include <cmath>
#include <initializer_list>

#include "Art.h"
#include "Draw.h"

namespace datagen {
namespace {

// A ribbon of vertical stripes, ending in a swallow-tail behind the medal, under a brass clasp.
void Ribbon(cairo_t* cr, std::initializer_list<Rgb> stripes) {
    constexpr double x0 = 52;
    constexpr double width = 56;
    Polygon(cr, {{x0, 6}, {x0 + width, 6}, {x0 + width, 66}, {80, 56}, {x0, 66}});
    cairo_path_t* shape = cairo_copy_path(cr);
    {
        Saved saved(cr);
        cairo_clip(cr);
        const double stripe = width / static_cast<double>(stripes.size());
        double x = x0;
        for (const Rgb& colour : stripes) {
            cairo_rectangle(cr, x, 0, stripe + 0.5, 70);
            SetColour(cr, colour);
            cairo_fill(cr);
            x += stripe;
        }
        cairo_rectangle(cr, x0, 0, width, 70);
        SetLinear(cr, {x0, 0}, {x0 + width, 0},
                  {{0, colour::Black, 0.25}, {0.5, colour::White, 0.1}, {1, colour::Black, 0.3}});
        cairo_fill(cr);
    }
    cairo_append_path(cr, shape);
    cairo_path_destroy(shape);
    SetColour(cr, colour::Ink);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    RoundedRect(cr, x0 - 4, 1, width + 8, 9, 3);
    SetVertical(cr, 1, 10, {{0, colour::Gold}, {1, colour::DarkBrass}});
    FillInk(cr, 1.1);
}

struct Metal {
    Rgb light;
    Rgb mid;
    Rgb dark;
};

constexpr Metal kGold = {Hex(0xFFF0B0), colour::Gold, Hex(0x9C6A1C)};
constexpr Metal kSilver = {Hex(0xFFFFFF), colour::Silver, Hex(0x6E7780)};

void SetMetal(cairo_t* cr, Point c, double r, const Metal& metal) {
    SetLinear(cr, {c.x - r, c.y - r}, {c.x + r, c.y + r},
              {{0, metal.light}, {0.45, metal.mid}, {1, metal.dark}});
}

void Star(cairo_t* cr, Point c, int points, double outer, double inner, double turn) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < 2 * points; ++i) {
        const double a = turn + i * M_PI / points;
        const double r = i % 2 == 0 ? outer : inner;
        cairo_line_to(cr, c.x + r * std::sin(a), c.y - r * std::cos(a));
    }
    cairo_close_path(cr);
}

void Ring(cairo_t* cr, const Metal& metal) {
    Ellipse(cr, {80, 62}, 6, 6);
    cairo_set_line_width(cr, 3);
    SetColour(cr, metal.dark);
    cairo_stroke(cr);
}

// For valour: an eight-pointed gold star with a navy enamel centre bearing a pair of wings.
void ValourMedal(cairo_t* cr) {
    Ribbon(cr, {colour::Teal, colour::Cream, colour::Signal, colour::Cream, colour::Teal});
    Ring(cr, kGold);
    const Point c = {80, 108};
    Star(cr, c, 8, 49, 30, 0);
    SetMetal(cr, c, 49, kGold);
    FillInk(cr, 1.3);
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        cairo_move_to(cr, c.x, c.y);
        cairo_line_to(cr, c.x + 49 * std::sin(a), c.y - 49 * std::cos(a));
        cairo_line_to(cr, c.x + 30 * std::sin(a + M_PI / 8), c.y - 30 * std::cos(a + M_PI / 8));
        cairo_close_path(cr);
    }
    SetColour(cr, kGold.dark, 0.35);
    cairo_fill(cr);
    Ellipse(cr, c, 21, 21);
    SetRadial(cr, {c.x - 5, c.y - 6}, 26, {{0, Hex(0x3A6FA8)}, {1, colour::DeepNavy}});
    FillInk(cr, 1.2);
    Ellipse(cr, c, 21, 21);
    SetColour(cr, colour::Gold);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (const double side : {-1.0, 1.0}) {
        cairo_move_to(cr, c.x + side * 2, c.y - 2);
        cairo_curve_to(cr, c.x + side * 8, c.y - 10, c.x + side * 15, c.y - 9, c.x + side * 17, c.y - 7);
        cairo_curve_to(cr, c.x + side * 12, c.y - 2, c.x + side * 8, c.y + 3, c.x + side * 2, c.y + 3);
        cairo_close_path(cr);
    }
    Ellipse(cr, {c.x, c.y}, 3, 3);
    SetColour(cr, colour::Gold);
    cairo_fill(cr);
}

// Ace of the sea: a silver disc in a laurel ring with a gold star over the waves.
void SeaMedal(cairo_t* cr) {
    Ribbon(cr, {colour::Navy, colour::Gold, colour::Navy, colour::Gold, colour::Navy});
    Ring(cr, kSilver);
    const Point c = {80, 110};
    Ellipse(cr, c, 46, 46);
    SetMetal(cr, c, 46, kSilver);
    FillInk(cr, 1.3);
    for (int i = 0; i < 28; ++i) {
        if (i == 0 || i == 27) {
            continue;
        }
        const double a = -M_PI + (i + 0.5) * (2 * M_PI / 28);
        Saved saved(cr);
        cairo_translate(cr, c.x + 38 * std::sin(a), c.y - 38 * std::cos(a));
        cairo_rotate(cr, a + (i < 14 ? -0.5 : 0.5));
        Ellipse(cr, {0, 0}, 2.6, 5.5);
        SetColour(cr, kSilver.dark);
        cairo_fill(cr);
    }
    Ellipse(cr, c, 30, 30);
    SetMetal(cr, c, 30, {kSilver.mid, kSilver.light, kSilver.mid});
    FillInk(cr, 1);
    Star(cr, {c.x, c.y - 6}, 5, 16, 6.5, 0);
    SetMetal(cr, {c.x, c.y - 6}, 16, kGold);
    FillInk(cr, 1);
    for (const double dy : {13.0, 19.0}) {
        cairo_move_to(cr, c.x - 20, c.y + dy);
        for (double x = -20; x < 20; x += 10) {
            cairo_curve_to(cr, c.x + x + 2.5, c.y + dy - 3, c.x + x + 7.5, c.y + dy + 3, c.x + x + 10,
                           c.y + dy);
        }
    }
    SetColour(cr, colour::Navy);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
}

}  // namespace

std::vector<Art> MedalArt() {
    return {
        {"Bitmaps\\Medal.bmp", [](cairo_t* cr, int, int) { ValourMedal(cr); }},
        {"Bitmaps\\Medal2.bmp", [](cairo_t* cr, int, int) { SeaMedal(cr); }},
    };
}

}  // namespace datagen
