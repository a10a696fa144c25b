// Pieces of the full-window pictures: the scene behind them, parchment panels and flowing text.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "Draw.h"
#include "Scenery.h"

namespace datagen {

// Sky with clouds down to the horizon, sea from there to the bottom of the window.
void Backdrop(cairo_t* cr, const Mood& mood, double horizon, std::initializer_list<CloudSpec> clouds,
              std::uint64_t seaSeed);

// A sheet of parchment with a brass border and a soft shadow.
void ParchmentPanel(cairo_t* cr, double x, double y, double w, double h);

// Darkens the window's edges, drawing the eye to its middle.
void Vignette(cairo_t* cr, double strength);

// The big gold lettering of titles.
void Headline(cairo_t* cr, std::string_view text, Point at, double size, Align align = Align::Centre);
// Cream lettering with a dark outline, for captions over pictures.
void Caption(cairo_t* cr, std::string_view text, Point at, double size, Align align = Align::Centre);

// Writes `text` in lines no wider than `width`, the first baseline at `at`; returns the baseline after
// the last line.
double Paragraph(cairo_t* cr, std::string_view text, Point at, double width, Font font, double leading,
                 Rgb colour);

// A keyboard key with its legend.
void KeyCap(cairo_t* cr, std::string_view legend, Point at, double width);

inline constexpr Font kBody = {kSerif, false, 21};
inline constexpr Rgb kInkText = Hex(0x24303D);

}  // namespace datagen
