// Windows BMP files as the game reads them: 24-bit for pictures, 1-bit black and white for masks.
#pragma once

#include <filesystem>

#include "Image.h"

namespace datagen {

// Writes the picture without its alpha: callers hand in opaque pixels.
void WriteColourBmp(const std::filesystem::path& path, const Image& image);

// Palette entry 0 is black (background shows), entry 1 white (sprite shows).
void WriteMaskBmp(const std::filesystem::path& path, const Mask& mask);

}  // namespace datagen
