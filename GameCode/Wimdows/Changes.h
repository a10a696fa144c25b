// What changed between two frames. In a play the sky and the sea stand still and only the sprites and the
// dashboard move, so copying and presenting just that costs a fraction of the whole picture.
#pragma once

#include <SDL.h>

#include <vector>

namespace Wimdows::changes {

// The parts of `area` where `now` differs from `before` (two 32-bit surfaces of one size), as rectangles
// of whole tiles clipped to the area, together covering every differing pixel. Empty when nothing changed.
// The tiles are fixed to the picture, so that a sprite that moves a little marks the same tiles as before.
std::vector<SDL_Rect> ChangedAreas(const SDL_Surface* now, const SDL_Surface* before, const SDL_Rect& area);

}  // namespace Wimdows::changes
