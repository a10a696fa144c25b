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

    // Notes that `area` of a picture of this size may have changed: the tiles it touches are looked at by
    // the next FindMarked. A picture of another size than the marks so far has all of its tiles marked.
    void Mark(const SDL_Rect& area, int width, int height);
    // As Find over the whole picture, looking only at the tiles marked since the last FindMarked (clipped
    // to the picture); the marks are cleared.
    const std::vector<SDL_Rect>& FindMarked(const SDL_Surface* now, const SDL_Surface* before);
    // No tile marked, and no picture size known.
    void Forget();

  private:
    // Find in `area`, looking only at the tiles that `marked` tells (by column and band of the picture).
    template <class Marked>
    const std::vector<SDL_Rect>& Scan(const SDL_Surface* now, const SDL_Surface* before, const SDL_Rect& area,
                                      Marked marked);

    std::vector<bool> changedTiles_;  // of the band being looked at
    std::vector<SDL_Rect> found_;
    std::size_t MarkOf(int column, int band) const;
    int width_ = 0;  // of the picture the marks are for
    int height_ = 0;
    int markColumns_ = 0;
    std::vector<bool> marks_;  // band by band
    bool anyMarked_ = false;
};

}  // namespace Wimdows::changes
