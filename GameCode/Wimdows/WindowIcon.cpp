// The window's icon, for task bars and window switchers: the game's icon picture, cut out through its mask.
#include "WimdowsState.h"

namespace Wimdows::detail {

void SetIcon(SDL_Window* window) {
    const SurfacePtr picture = LoadPictureFile("Bitmaps/saltwing.bmp");
    const SurfacePtr mask = LoadPictureFile("Bitmaps/saltwingMono.bmp");
    if (!picture || !mask || picture->w != mask->w || picture->h != mask->h) {
        return;  // without the data files the window keeps the desktop's generic icon
    }
    const SurfacePtr icon(SDL_ConvertSurfaceFormat(picture.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    const SurfacePtr shape(SDL_ConvertSurfaceFormat(mask.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!icon || !shape) {
        return;
    }
    // Black in the mask is outside the shape: transparent.
    for (int y = 0; y < icon->h; ++y) {
        auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(icon->pixels) + y * icon->pitch);
        const auto* cut =
            reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(shape->pixels) + y * shape->pitch);
        for (int x = 0; x < icon->w; ++x) {
            row[x] = (cut[x] & 0xFFFFFFu) != 0 ? row[x] | 0xFF000000u : 0;
        }
    }
    SDL_SetWindowIcon(window, icon.get());
}

}  // namespace Wimdows::detail
