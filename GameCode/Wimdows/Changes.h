// What changed between two frames. In a play the sky and the sea stand still and only the sprites and the
// dashboard move, so copying and presenting just that costs a fraction of the whole picture.
#pragma once

#include <SDL.h>

#include <vector>

namespace Wimdows::changes {

// Finds the parts of a frame that differ from the frame before. It keeps its buffers from one frame to the
// next, so that a play allocates nothing per frame.
class Finder {
  public:
    // The parts of `area` where `now` differs from `before` (two 32-bit surfaces of one size, the area within
    // them), as rectangles of whole tiles clipped to the area, together covering every differing pixel; empty
    // when nothing changed. Valid until the next call. The tiles are fixed to the picture, so that a sprite
    // that moves a little marks the same tiles as before.
    const std::vector<SDL_Rect>& Find(const SDL_Surface* now, const SDL_Surface* before,
                                      const SDL_Rect& area);

  private:
    std::vector<bool> changedTiles_;  // of the band being looked at
    std::vector<SDL_Rect> found_;
};

}  // namespace Wimdows::changes
