// Turns a drawn picture into what the game loads: opaque colour, and for sprites a mask of the same shape.
#pragma once

#include "Image.h"
#include "Palette.h"

namespace datagen {

// Pixels at least this opaque belong to the sprite.
inline constexpr double kShapeThreshold = 0.4;

struct Cutout {
    Image colour;
    Mask mask;
};

// Inside the shape every pixel becomes opaque, its anti-aliased edge laid over the colour of its outline
// (`edge`) so that no fringe of another colour shows against any background; outside it holds the matte
// colour. With `shape`, a picture drawn to another picture's outline (a hover picture) is cut by that
// outline, so that every pixel its mask lets through is the picture's own.
Cutout CutOut(const Image& drawn, Rgb matte, Rgb edge = colour::Ink, const Mask* shape = nullptr);

// A picture drawn without a mask: whatever is not opaque is laid over the matte colour.
Image Flatten(const Image& drawn, Rgb matte);

}  // namespace datagen
