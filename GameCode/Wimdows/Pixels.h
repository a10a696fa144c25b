// The rows of the layer's 32-bit surfaces: every pixel loop of the layer addresses its rows through here.
#pragma once

#include <SDL.h>

#include <cstddef>

namespace Wimdows::detail {

inline Uint32* Row(SDL_Surface* surface, int y) {
    return reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) +
                                     static_cast<std::ptrdiff_t>(y) * surface->pitch);
}

inline const Uint32* Row(const SDL_Surface* surface, int y) {
    return reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface->pixels) +
                                           static_cast<std::ptrdiff_t>(y) * surface->pitch);
}

}  // namespace Wimdows::detail
