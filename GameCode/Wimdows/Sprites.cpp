// Pictures made from pictures: stretched to the size asked for, and cut out through a mask.
#include <algorithm>
#include <vector>

#include "WimdowsState.h"

namespace Wimdows::detail {

namespace {

bool Uses(SDL_Surface* image, Uint32 color) {
    for (int y = 0; y < image->h; ++y) {
        const Uint32* row = Row(image, y);
        if (std::any_of(row, row + image->w,
                        [color](Uint32 pixel) { return (pixel & 0xFFFFFFu) == color; })) {
            return true;
        }
    }
    return false;
}

// A colour that no pixel of the picture has. A sprite is made in the frame that first draws it: a few
// colours no drawing uses are tried first, each with one look at the pixels, before all of them are sorted.
Uint32 UnusedColor(SDL_Surface* image) {
    for (const Uint32 rare : {0xFF00FFu, 0x01FE01u, 0xFE01FDu, 0x02FD03u}) {
        if (!Uses(image, rare)) {
            return rare;
        }
    }
    std::vector<Uint32> used;
    used.reserve(static_cast<std::size_t>(image->w) * static_cast<std::size_t>(image->h));
    for (int y = 0; y < image->h; ++y) {
        for (int x = 0; x < image->w; ++x) {
            used.push_back(Row(image, y)[x] & 0xFFFFFFu);
        }
    }
    std::sort(used.begin(), used.end());
    Uint32 key = 0xFF00FFu;
    while (std::binary_search(used.begin(), used.end(), key)) {
        key = (key + 1) & 0xFFFFFFu;
    }
    return key;
}

// A mask pixel counts as white when it is light; masks are two-colour pictures.
bool IsWhite(Uint32 pixel) {
    return ((pixel >> 16) & 0xFFu) + ((pixel >> 8) & 0xFFu) + (pixel & 0xFFu) >= 384;
}

}  // namespace

SurfacePtr Stretch(SDL_Surface* source, int width, int height) {
    SurfacePtr target = MakeSurface(width, height);
    if (!target) {
        return nullptr;
    }
    const auto nearest = [](int i, int from, int to) {
        return static_cast<int>((2 * std::int64_t{i} + 1) * from / (2 * std::int64_t{to}));
    };
    std::vector<int> columns(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) {
        columns[static_cast<std::size_t>(x)] = nearest(x, source->w, width);
    }
    for (int y = 0; y < height; ++y) {
        const int sourceY = nearest(y, source->h, height);
        for (int x = 0; x < width; ++x) {
            Row(target.get(), y)[x] = Row(source, sourceY)[columns[static_cast<std::size_t>(x)]];
        }
    }
    return target;
}

SurfacePtr MakeMaskedSprite(SDL_Surface* image, SDL_Surface* mask) {
    SurfacePtr sprite(SDL_DuplicateSurface(image));
    if (!sprite) {
        return nullptr;
    }
    const Uint32 key = UnusedColor(image);
    for (int y = 0; y < sprite->h; ++y) {
        for (int x = 0; x < sprite->w; ++x) {
            if (x >= mask->w || y >= mask->h || !IsWhite(Row(mask, y)[x])) {
                Row(sprite.get(), y)[x] = key;
            }
        }
    }
    SDL_SetSurfaceBlendMode(sprite.get(), SDL_BLENDMODE_NONE);
    SDL_SetColorKey(sprite.get(), SDL_TRUE, key);
    SDL_SetSurfaceRLE(sprite.get(), 1);
    return sprite;
}

}  // namespace Wimdows::detail
