// The painters of every picture, grouped by topic. Each topic lists its pictures by the game's file name;
// the generator matches them against the manifest.
#pragma once

#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

#include "Palette.h"

namespace datagen {

// Draws one picture at the size the game loads it; a sprite leaves its surroundings transparent.
using Painter = std::function<void(cairo_t* cr, int width, int height)>;

struct Art {
    std::string name;
    Painter paint;
    Rgb matte = colour::Black;  // what the picture holds outside its shape
    Rgb edge = colour::Ink;     // what a sprite's smoothed edge is laid over: the colour of its outline
};

std::vector<Art> AircraftArt();
std::vector<Art> ShipArt();
std::vector<Art> EffectArt();
std::vector<Art> GaugeArt();
std::vector<Art> ButtonArt();
std::vector<Art> SceneryArt();
std::vector<Art> PageArt();
std::vector<Art> ScreenArt();
std::vector<Art> MedalArt();
std::vector<Art> IconArt();

}  // namespace datagen
