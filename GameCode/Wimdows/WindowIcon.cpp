// The window's icon, for task bars and window switchers: the game's icon picture, cut out through its mask
// and reduced with soft edges.
#include "WindowIcon.h"

#include "WimdowsState.h"

namespace Wimdows::detail {

namespace {

// Large enough for a sharp task-bar icon, small enough that desktops rarely scale it up.
constexpr int kWindowIconSize = 64;

Uint32 At(const SDL_Surface* surface, int x, int y) {
    return Row(surface, y)[x];
}

}  // namespace

SDL_Surface* ReduceIcon(const SDL_Surface* picture, const SDL_Surface* mask, int size) {
    const int block = size > 0 ? picture->w / size : 0;
    if (block == 0 || picture->w != block * size || picture->h != block * size || mask->w != picture->w ||
        mask->h != picture->h || picture->format->BytesPerPixel != 4 || mask->format->BytesPerPixel != 4) {
        return nullptr;
    }
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormat(0, size, size, 32, SDL_PIXELFORMAT_ARGB8888);
    if (icon == nullptr) {
        return nullptr;
    }
    for (int y = 0; y < size; ++y) {
        Uint32* row = Row(icon, y);
        for (int x = 0; x < size; ++x) {
            Uint32 inside = 0;
            Uint32 sum[3] = {};
            for (int by = y * block; by < (y + 1) * block; ++by) {
                for (int bx = x * block; bx < (x + 1) * block; ++bx) {
                    if ((At(mask, bx, by) & 0xFFFFFFu) == 0) {
                        continue;  // black in the mask is outside the shape
                    }
                    Uint8 r = 0;
                    Uint8 g = 0;
                    Uint8 b = 0;
                    SDL_GetRGB(At(picture, bx, by), picture->format, &r, &g, &b);
                    sum[0] += r;
                    sum[1] += g;
                    sum[2] += b;
                    ++inside;
                }
            }
            const Uint32 area = static_cast<Uint32>(block * block);
            const auto mean = [&](Uint32 total) { return inside == 0 ? 0u : (total + inside / 2) / inside; };
            row[x] = ((inside * 255 + area / 2) / area) << 24 | mean(sum[0]) << 16 | mean(sum[1]) << 8 |
                     mean(sum[2]);
        }
    }
    return icon;
}

void SetIcon(SDL_Window* window) {
    const SurfacePtr picture = LoadPictureFile("Bitmaps/saltwing.bmp");
    const SurfacePtr mask = LoadPictureFile("Bitmaps/saltwingMono.bmp");
    if (!picture || !mask) {
        return;  // without the data files the window keeps the desktop's generic icon
    }
    const SurfacePtr colour(SDL_ConvertSurfaceFormat(picture.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    const SurfacePtr shape(SDL_ConvertSurfaceFormat(mask.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!colour || !shape) {
        return;
    }
    const SurfacePtr icon(ReduceIcon(colour.get(), shape.get(), kWindowIconSize));
    if (icon) {
        SDL_SetWindowIcon(window, icon.get());
    }
}

}  // namespace Wimdows::detail
