// Sky, sea and clouds in window coordinates, shared by the play field and every full-window picture.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <initializer_list>

#include "Draw.h"

namespace datagen {

struct Mood {
    Rgb skyTop;
    Rgb skyHigh;
    Rgb skyLow;
    Rgb horizon;
    Rgb seaTop;
    Rgb seaDeep;
    Rgb cloudLight;
    Rgb cloudShade;
    Rgb sun;
    Point sunAt;
    double sunGlow;
};

namespace mood {
extern const Mood Day;
extern const Mood Dawn;
extern const Mood Dusk;
extern const Mood Storm;
extern const Mood Victory;
}  // namespace mood

struct CloudSpec {
    double x;  // centre of the base
    double y;  // base line
    double width;
    std::uint64_t seed;
};

// The sky over the whole window, its gradient running from the top to `horizon`, with its sun.
void PaintSky(cairo_t* cr, const Mood& mood, double horizon);
// `opacity` below 1 lets the sky show through, so that what flies in front stays easy to see.
void PaintClouds(cairo_t* cr, const Mood& mood, std::initializer_list<CloudSpec> clouds, double opacity = 1);
// The sea from `top` to `bottom`, its waves growing towards the viewer.
void PaintSea(cairo_t* cr, const Mood& mood, double top, double bottom, std::uint64_t seed);

// The play field's sky: flat and clear of clouds in the band where the airship hovers, since it and its
// homing bomb are drawn without masks.
void PaintPlaySky(cairo_t* cr);
// The colour of that band.
Rgb AirshipSky();
// The light strip behind the dashboard, so that its dark red lettering reads well.
void PaintDashStrip(cairo_t* cr);

// Where the airship hovers (its top-left corner, halfway through its bobbing): its picture carries the
// sky of this spot as its background.
inline constexpr Point kAirshipSpot = {832, 350};

}  // namespace datagen
