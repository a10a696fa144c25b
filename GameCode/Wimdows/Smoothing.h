// The picture smoothed (bilinear) into a box of the window of any size, a part at a time. Every window
// pixel comes from one mapping of the whole box, so a part drawn again after a change matches what is around
// it exactly; a frame then costs only what changed, as at whole multiples. (SDL's linear stretch filters each
// call against the edges of its own rectangles, so with it every frame had to be the whole picture.)
#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "Fitting.h"

namespace Wimdows::smoothing {

class Scaler {
  public:
    Scaler() = default;
    Scaler(fitting::Size picture, const fitting::Box& shown);

    // The window pixels whose colour depends on the given picture area, within the shown box.
    SDL_Rect WindowAreaOf(const SDL_Rect& pictureArea) const;
    // Draws the given window area (within the shown box) of `target` from `picture`; both 32-bit, of the
    // sizes the scaler was made for.
    void Draw(const SDL_Surface* picture, SDL_Surface* target, const SDL_Rect& windowArea) const;

  private:
    // For one window column or row: the picture's column or row at or before its centre, and the weight
    // (0 to 256) of the next one.
    struct Tap {
        std::int32_t first = 0;
        std::uint32_t weight = 0;
    };
    static std::vector<Tap> Taps(std::int32_t pictureLength, std::int32_t shownLength);

    fitting::Box shown_;
    std::vector<Tap> columns_;
    std::vector<Tap> rows_;
};

}  // namespace Wimdows::smoothing
