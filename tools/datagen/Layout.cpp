#include "Layout.h"

#include <algorithm>
#include <string>

namespace datagen {

void Backdrop(cairo_t* cr, const Mood& mood, double horizon, std::initializer_list<CloudSpec> clouds,
              std::uint64_t seaSeed) {
    PaintSky(cr, mood, horizon);
    PaintClouds(cr, mood, clouds);
    PaintSea(cr, mood, horizon, 750, seaSeed);
}

void ParchmentPanel(cairo_t* cr, double x, double y, double w, double h) {
    RoundedRect(cr, x + 6, y + 8, w, h, 18);
    SetColour(cr, colour::DeepNavy, 0.35);
    cairo_fill(cr);
    RoundedRect(cr, x, y, w, h, 18);
    SetRadial(cr, {x + w / 2, y + h / 2}, std::max(w, h) * 0.7,
              {{0, Hex(0xFBF3DC)}, {0.7, colour::Cream}, {1, colour::Parchment}});
    FillInk(cr, 4, colour::DarkBrass);
    RoundedRect(cr, x + 9, y + 9, w - 18, h - 18, 12);
    SetColour(cr, colour::Brass, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void Vignette(cairo_t* cr, double strength) {
    cairo_rectangle(cr, 0, 0, 1000, 750);
    cairo_pattern_t* shade = cairo_pattern_create_radial(500, 375, 250, 500, 375, 700);
    cairo_pattern_add_color_stop_rgba(shade, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(shade, 1, colour::DeepNavy.r, colour::DeepNavy.g, colour::DeepNavy.b,
                                      strength);
    cairo_set_source(cr, shade);
    cairo_pattern_destroy(shade);
    cairo_fill(cr);
}

void Headline(cairo_t* cr, std::string_view text, Point at, double size, Align align) {
    PosterText(cr, text, at, {kSerif, true, size},
               {Hex(0xFFE9A6), Hex(0xE08A2A), colour::DeepNavy, size * 0.045, size * 0.05}, align);
}

void Caption(cairo_t* cr, std::string_view text, Point at, double size, Align align) {
    PosterText(cr, text, at, {kSans, true, size},
               {colour::Cream, colour::Parchment, colour::DeepNavy, size * 0.09, size * 0.06}, align);
}

double Paragraph(cairo_t* cr, std::string_view text, Point at, double width, Font font, double leading,
                 Rgb colour) {
    std::string line;
    double y = at.y;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string word(text.substr(start, end - start));
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && TextWidth(cr, longer, font) > width) {
            Text(cr, line, {at.x, y}, font, colour);
            y += leading;
            line = word;
        } else {
            line = longer;
        }
        start = end + 1;
    }
    if (!line.empty()) {
        Text(cr, line, {at.x, y}, font, colour);
        y += leading;
    }
    return y;
}

void KeyCap(cairo_t* cr, std::string_view legend, Point at, double width) {
    constexpr double kHeight = 34;
    RoundedRect(cr, at.x, at.y + 3, width, kHeight, 6);
    SetColour(cr, Hex(0x8C8373));
    cairo_fill(cr);
    RoundedRect(cr, at.x, at.y, width, kHeight, 6);
    SetVertical(cr, at.y, at.y + kHeight, {{0, colour::White}, {1, Hex(0xDCD5C4)}});
    FillInk(cr, 1.5, Hex(0x5C5648));
    Font font{kSans, true, 19};
    font.size = std::min(font.size, font.size * (width - 14) / TextWidth(cr, legend, font));
    Text(cr, legend, {at.x + width / 2, at.y + kHeight / 2 + font.size * 0.36}, font, colour::Navy,
         Align::Centre);
}

}  // namespace datagen
