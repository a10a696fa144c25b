#include "Draw.h"

#include <cmath>
#include <string>

namespace datagen {
namespace {

void AddStops(cairo_pattern_t* pattern, std::initializer_list<Stop> stops) {
    for (const Stop& stop : stops) {
        cairo_pattern_add_color_stop_rgba(pattern, stop.at, stop.colour.r, stop.colour.g, stop.colour.b,
                                          stop.alpha);
    }
}

void UsePattern(cairo_t* cr, cairo_pattern_t* pattern, std::initializer_list<Stop> stops) {
    AddStops(pattern, stops);
    cairo_set_source(cr, pattern);
    cairo_pattern_destroy(pattern);
}

void SelectFont(cairo_t* cr, Font font) {
    cairo_select_font_face(cr, font.family, CAIRO_FONT_SLANT_NORMAL,
                           font.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, font.size);
}

double AlignedX(cairo_t* cr, std::string_view text, double x, Font font, Align align) {
    const double width = TextWidth(cr, text, font);
    switch (align) {
        case Align::Centre:
            return x - width / 2;
        case Align::Right:
            return x - width;
        case Align::Left:
            break;
    }
    return x;
}

}  // namespace

void SetColour(cairo_t* cr, Rgb colour, double alpha) {
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
}

void SetLinear(cairo_t* cr, Point from, Point to, std::initializer_list<Stop> stops) {
    UsePattern(cr, cairo_pattern_create_linear(from.x, from.y, to.x, to.y), stops);
}

void SetRadial(cairo_t* cr, Point centre, double radius, std::initializer_list<Stop> stops) {
    UsePattern(cr, cairo_pattern_create_radial(centre.x, centre.y, 0, centre.x, centre.y, radius), stops);
}

void SetVertical(cairo_t* cr, double top, double bottom, std::initializer_list<Stop> stops) {
    SetLinear(cr, {0, top}, {0, bottom}, stops);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void Ellipse(cairo_t* cr, Point centre, double rx, double ry) {
    Saved saved(cr);
    cairo_translate(cr, centre.x, centre.y);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr);
}

void Polygon(cairo_t* cr, std::initializer_list<Point> points) {
    cairo_new_sub_path(cr);
    for (const Point& p : points) {
        cairo_line_to(cr, p.x, p.y);
    }
    cairo_close_path(cr);
}

void FillInk(cairo_t* cr, double lineWidth, Rgb ink) {
    cairo_fill_preserve(cr);
    SetColour(cr, ink);
    cairo_set_line_width(cr, lineWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void MirrorX(cairo_t* cr, double width) {
    cairo_translate(cr, width, 0);
    cairo_scale(cr, -1, 1);
}

double TextWidth(cairo_t* cr, std::string_view text, Font font) {
    Saved saved(cr);
    SelectFont(cr, font);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, std::string(text).c_str(), &extents);
    return extents.x_advance;
}

void Text(cairo_t* cr, std::string_view text, Point at, Font font, Rgb colour, Align align) {
    Saved saved(cr);
    SelectFont(cr, font);
    cairo_move_to(cr, AlignedX(cr, text, at.x, font, align), at.y);
    SetColour(cr, colour);
    cairo_show_text(cr, std::string(text).c_str());
}

void PosterText(cairo_t* cr, std::string_view text, Point at, Font font, Lettering style, Align align) {
    Saved saved(cr);
    SelectFont(cr, font);
    const double x = AlignedX(cr, text, at.x, font, align);
    const std::string s(text);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);

    cairo_move_to(cr, x + style.shadow, at.y + style.shadow);
    cairo_text_path(cr, s.c_str());
    SetColour(cr, colour::DeepNavy, 0.45);
    cairo_set_line_width(cr, style.outlineWidth * 2);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);

    cairo_move_to(cr, x, at.y);
    cairo_text_path(cr, s.c_str());
    SetColour(cr, style.outline);
    cairo_set_line_width(cr, style.outlineWidth * 2);
    cairo_stroke_preserve(cr);
    SetVertical(cr, at.y - font.size * 0.75, at.y, {{0, style.top}, {1, style.bottom}});
    cairo_fill(cr);
}

}  // namespace datagen
