// Drawing helpers shared by every picture: colours and gradients, common shapes and lettering.
#pragma once

#include <cairo.h>

#include <initializer_list>
#include <string_view>

#include "Palette.h"

namespace datagen {

struct Point {
    double x = 0;
    double y = 0;
};

struct Stop {
    double at;
    Rgb colour;
    double alpha = 1.0;
};

void SetColour(cairo_t* cr, Rgb colour, double alpha = 1.0);
void SetLinear(cairo_t* cr, Point from, Point to, std::initializer_list<Stop> stops);
void SetRadial(cairo_t* cr, Point centre, double radius, std::initializer_list<Stop> stops);
void SetVertical(cairo_t* cr, double top, double bottom, std::initializer_list<Stop> stops);

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void Ellipse(cairo_t* cr, Point centre, double rx, double ry);
void Polygon(cairo_t* cr, std::initializer_list<Point> points);

// Fills the current path with the current source and outlines it in ink.
void FillInk(cairo_t* cr, double lineWidth, Rgb ink = colour::Ink);

// Scoped cairo_save / cairo_restore.
class Saved {
  public:
    explicit Saved(cairo_t* cr) : cr_(cr) { cairo_save(cr_); }
    ~Saved() { cairo_restore(cr_); }
    Saved(const Saved&) = delete;
    Saved& operator=(const Saved&) = delete;

  private:
    cairo_t* cr_;
};

// Mirrors everything drawn afterwards about the vertical centre line of a picture `width` wide.
void MirrorX(cairo_t* cr, double width);

enum class Align { Left, Centre, Right };

struct Font {
    const char* family = "DejaVu Sans";
    bool bold = true;
    double size = 20;
};

inline constexpr const char* kSans = "DejaVu Sans";
inline constexpr const char* kSerif = "DejaVu Serif";
inline constexpr const char* kMono = "DejaVu Sans Mono";

double TextWidth(cairo_t* cr, std::string_view text, Font font);
void Text(cairo_t* cr, std::string_view text, Point at, Font font, Rgb colour, Align align = Align::Left);

// Poster lettering: a gradient face, a heavy outline and a drop shadow.
struct Lettering {
    Rgb top;
    Rgb bottom;
    Rgb outline;
    double outlineWidth;
    double shadow;
};
void PosterText(cairo_t* cr, std::string_view text, Point at, Font font, Lettering style,
                Align align = Align::Centre);

}  // namespace datagen
