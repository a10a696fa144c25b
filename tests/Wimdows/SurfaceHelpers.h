// 32-bit SDL surfaces for the tests of the layer's pixel arithmetic: made, read a pixel at a time, compared.
#pragma once

#include <SDL.h>

#include <cstddef>
#include <cstring>
#include <memory>

#include "Wimdows/Pixels.h"

namespace surfacetest {

struct FreeSurface {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using Surface = std::unique_ptr<SDL_Surface, FreeSurface>;

inline Surface MakeSurface(int width, int height) {
    return Surface(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGB888));
}

inline Uint32& Pixel(SDL_Surface* s, int x, int y) {
    return Wimdows::detail::Row(s, y)[x];
}

inline bool Same(SDL_Surface* a, SDL_Surface* b) {
    for (int y = 0; y < a->h; ++y) {
        if (std::memcmp(&Pixel(a, 0, y), &Pixel(b, 0, y), static_cast<std::size_t>(a->w) * 4) != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace surfacetest
