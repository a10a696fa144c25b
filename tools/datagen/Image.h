// Pixels as the generator keeps them between drawing and writing.
#pragma once

#include <cstdint>
#include <vector>

namespace datagen {

// Cairo's ARGB32 layout: one premultiplied 0xAARRGGBB word per pixel, rows without padding.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// A two-colour picture: 1 where the sprite shows.
struct Mask {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> on;
};

}  // namespace datagen
