#include <algorithm>
#include <optional>
#include <string>

#include "Art.h"
#include "Draw.h"

namespace datagen {
namespace {

enum class Icon { None, Back, Forward };

struct ButtonSpec {
    const char* normal;
    const char* hover;
    const char* label;
    Icon icon = Icon::None;
    std::optional<Rgb> pip = {};  // the difficulty buttons carry a coloured light
};

// Proportions of a button by its height: the menu plates are 75 high, the dashboard's 20.
struct Look {
    double radius;
    double rim;
    double font;
};

Look LookFor(double h) {
    return h > 40 ? Look{16, 3.5, 25} : Look{7, 1.4, 11};
}

void Arrow(cairo_t* cr, Point tip, double size, double direction, Rgb colour) {
    Polygon(cr, {tip,
                 {tip.x - direction * size, tip.y - size * 0.7},
                 {tip.x - direction * size, tip.y + size * 0.7}});
    SetColour(cr, colour);
    cairo_fill(cr);
}

// An enamel plate in a brass rim; the hover picture lights it up in gold with a white rim.
void PaintButton(cairo_t* cr, double w, double h, const ButtonSpec& spec, bool hover) {
    const Look look = LookFor(h);
    RoundedRect(cr, look.rim / 2, look.rim / 2, w - look.rim, h - look.rim, look.radius);
    if (hover) {
        SetVertical(cr, 0, h, {{0, Hex(0xFFEFB0)}, {0.45, colour::Gold}, {1, Hex(0xD98B2B)}});
    } else {
        SetVertical(cr, 0, h, {{0, Hex(0x36608F)}, {0.5, Hex(0x1D3858)}, {1, colour::DeepNavy}});
    }
    FillInk(cr, look.rim, hover ? colour::White : colour::Brass);
    const double inset = look.rim * 1.6;
    RoundedRect(cr, inset, inset, w - 2 * inset, h / 2 - inset, look.radius - inset / 2);
    SetColour(cr, colour::White, hover ? 0.35 : 0.1);
    cairo_fill(cr);

    const Rgb face = hover ? colour::DeepNavy : colour::Cream;
    const Rgb shadow = hover ? Hex(0xFFF6D8) : colour::DeepNavy;
    const double iconSize = look.font * 0.55;
    const double iconSpace = spec.icon == Icon::None ? 0 : iconSize * 1.7;
    const double left = spec.pip ? h * 0.85 : look.radius * 0.8;
    const double right = w - look.radius * 0.8;
    Font font{kSans, true, look.font};
    font.size = std::min(look.font, look.font * (right - left - iconSpace) / TextWidth(cr, spec.label, font));
    const double content = TextWidth(cr, spec.label, font) + iconSpace;
    const double start = (left + right - content) / 2;
    const double textX = spec.icon == Icon::Back ? start + iconSpace : start;
    if (spec.icon == Icon::Back) {
        Arrow(cr, {start, h / 2}, iconSize, -1, face);
    }
    if (spec.icon == Icon::Forward) {
        Arrow(cr, {start + content, h / 2}, iconSize, 1, face);
    }
    const double baseline = h / 2 + font.size * 0.36;
    Text(cr, spec.label, {textX + look.rim * 0.4, baseline + look.rim * 0.4}, font, shadow);
    Text(cr, spec.label, {textX, baseline}, font, face);

    if (spec.pip) {
        const Point c = {h * 0.5, h / 2};
        Ellipse(cr, c, h * 0.22, h * 0.22);
        SetRadial(cr, {c.x - 1, c.y - 1}, h * 0.3, {{0, Mix(*spec.pip, colour::White, 0.6)}, {1, *spec.pip}});
        FillInk(cr, 0.8);
    }
}

const ButtonSpec kButtons[] = {
    {"Bitmaps\\Start.bmp", "Bitmaps/Start2.bmp", "START"},
    {"Bitmaps\\Story.bmp", "Bitmaps/Story2.bmp", "STORY"},
    {"Bitmaps\\Help.bmp", "Bitmaps/Help2.bmp", "HELP"},
    {"Bitmaps\\Credits.bmp", "Bitmaps/Credits2.bmp", "CREDITS"},
    {"Bitmaps\\Exit.bmp", "Bitmaps/Exit2.bmp", "EXIT"},
    {"Bitmaps\\previous.bmp", "Bitmaps\\previous2.bmp", "PREVIOUS", Icon::Back},
    {"Bitmaps\\next.bmp", "Bitmaps\\next2.bmp", "NEXT", Icon::Forward},
    {"Bitmaps\\menu.bmp", "Bitmaps\\menu2.bmp", "MENU"},
    {"Bitmaps\\MenuGame.bmp", "Bitmaps\\MenuGame2.bmp", "MENU"},
    {"Bitmaps\\retry.bmp", "Bitmaps\\retry2.bmp", "RETRY"},
    {"Bitmaps\\easy.bmp", "Bitmaps\\easy2.bmp", "EASY", Icon::None, Hex(0x5DBB63)},
    {"Bitmaps\\medium.bmp", "Bitmaps\\medium2.bmp", "MEDIUM", Icon::None, colour::Gold},
    {"Bitmaps\\hard.bmp", "Bitmaps\\hard2.bmp", "HARD", Icon::None, colour::Signal},
};

}  // namespace

std::vector<Art> ButtonArt() {
    std::vector<Art> art;
    for (const ButtonSpec& spec : kButtons) {
        for (const bool hover : {false, true}) {
            // The smoothed corners are laid over the rim's own colour: no dark specks at any scale.
            art.push_back({hover ? spec.hover : spec.normal,
                           [&spec, hover](cairo_t* cr, int w, int h) { PaintButton(cr, w, h, spec, hover); },
                           colour::Black, hover ? colour::White : colour::Brass});
        }
    }
    return art;
}

}  // namespace datagen
