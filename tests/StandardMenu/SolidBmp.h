// One-colour pictures made by the tests.
#pragma once

#include <cstdint>
#include <string>

#include "TempFile.h"

namespace testsupport {

// An 8 × 8 picture of one colour (0x00BBGGRR) as a 24-bit BMP file.
inline TempFile SolidBmp(const std::string& name, std::uint32_t color) {
    constexpr std::uint32_t kSide = 8;
    constexpr std::uint32_t kHeaderBytes = 54;
    constexpr std::uint32_t kPixelBytes = kSide * kSide * 3;  // rows of 24 bytes need no padding
    std::string bmp = "BM";
    PutLittleEndian(bmp, kHeaderBytes + kPixelBytes, 4);
    PutLittleEndian(bmp, 0, 4);             // reserved
    PutLittleEndian(bmp, kHeaderBytes, 4);  // offset of the pixels
    PutLittleEndian(bmp, 40, 4);            // info header size
    PutLittleEndian(bmp, kSide, 4);
    PutLittleEndian(bmp, kSide, 4);
    PutLittleEndian(bmp, 1, 2);   // planes
    PutLittleEndian(bmp, 24, 2);  // bits per pixel
    PutLittleEndian(bmp, 0, 4);   // no compression
    PutLittleEndian(bmp, kPixelBytes, 4);
    PutLittleEndian(bmp, 2835, 4);  // 72 dots per inch, both ways
    PutLittleEndian(bmp, 2835, 4);
    PutLittleEndian(bmp, 0, 4);  // no palette
    PutLittleEndian(bmp, 0, 4);
    const std::uint32_t bgr = ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
    for (std::uint32_t pixel = 0; pixel < kSide * kSide; ++pixel) {
        PutLittleEndian(bmp, bgr, 3);
    }
    return TempFile(name + ".bmp", bmp);
}

}  // namespace testsupport
