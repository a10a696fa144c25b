// Plain block copies between surfaces of the layer's one pixel format.
#include <cstring>

#include "WimdowsState.h"

namespace Wimdows::detail {

void CopyPixels(const SDL_Surface* from, SDL_Rect area, SDL_Surface* to, SDL_Point at) {
    // Clipped to the source, then to the target, moving the other side along.
    const SDL_Rect source{0, 0, from->w, from->h};
    SDL_Rect visible;
    if (SDL_IntersectRect(&area, &source, &visible) != SDL_TRUE) {
        return;
    }
    const SDL_Rect placed{at.x + visible.x - area.x, at.y + visible.y - area.y, visible.w, visible.h};
    const SDL_Rect target{0, 0, to->w, to->h};
    SDL_Rect written;
    if (SDL_IntersectRect(&placed, &target, &written) != SDL_TRUE) {
        return;
    }
    const int fromX = visible.x + written.x - placed.x;
    const int fromY = visible.y + written.y - placed.y;
    const auto bytes = static_cast<std::size_t>(written.w) * sizeof(Uint32);
    for (int row = 0; row < written.h; ++row) {
        std::memcpy(Row(to, written.y + row) + written.x, Row(from, fromY + row) + fromX, bytes);
    }
}

}  // namespace Wimdows::detail
