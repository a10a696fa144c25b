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

    // Notes that `area` of a picture of this size may have changed: FindMarked looks there. A picture of
    // another size than the marks so far has all of it marked.
    void Mark(const SDL_Rect& area, int width, int height);
    // The parts of `now` that differ from `before` within the areas marked since the last FindMarked (rows
    // of the marked areas, overlapping ones joined first, each row compared once); the marks are cleared.
    // Valid until the next call.
    const std::vector<SDL_Rect>& FindMarked(const SDL_Surface* now, const SDL_Surface* before);
    // No area marked, and no picture size known.
    void Forget();

  private:
    std::vector<bool> changedTiles_;  // of the band being looked at
    std::vector<SDL_Rect> found_;
    std::vector<SDL_Rect> marked_;  // within the picture
    bool allMarked_ = false;
    int width_ = 0;  // of the picture the marks are for
    int height_ = 0;
};

}  // namespace Wimdows::changes
