// The generator's building blocks on their own: the BMP writer, the cut-out of sprites and masks, and the
// sound helpers that loops depend on.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "Bmp.h"
#include "Cutout.h"
#include "Synth.h"

namespace {

using datagen::Image;
using datagen::Mask;
using datagen::Signal;

struct FreeSurface {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using Surface = std::unique_ptr<SDL_Surface, FreeSurface>;

Surface ReadBack(const std::string& path) {
    const Surface file(SDL_LoadBMP(path.c_str()));
    return file ? Surface(SDL_ConvertSurfaceFormat(file.get(), SDL_PIXELFORMAT_ARGB8888, 0)) : nullptr;
}

std::uint32_t RgbAt(const SDL_Surface& surface, int x, int y) {
    const auto* row =
        static_cast<const std::uint8_t*>(surface.pixels) + static_cast<std::ptrdiff_t>(y) * surface.pitch;
    return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFFu;
}

// An odd width makes every row need padding; two rows show which way up they are stored.
TEST(Generator, ColourBmpReadsBackPixelForPixel) {
    const Image image{3, 2, {0xFF102030, 0xFF405060, 0xFF708090, 0xFFA0B0C0, 0xFFD0E0F0, 0xFF010203}};
    const std::string path = testing::TempDir() + "colour.bmp";
    datagen::WriteColourBmp(path, image);
    const Surface read = ReadBack(path);
    ASSERT_NE(read, nullptr) << SDL_GetError();
    ASSERT_EQ(read->w, 3);
    ASSERT_EQ(read->h, 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(RgbAt(*read, x, y), image.At(x, y) & 0xFFFFFFu) << x << "," << y;
        }
    }
}

TEST(Generator, MaskBmpReadsBackAsBlackAndWhite) {
    Mask mask{11, 3, {}};
    for (int i = 0; i < 33; ++i) {
        mask.on.push_back((i % 11 + i / 11) % 3 == 0 ? 1 : 0);
    }
    const std::string path = testing::TempDir() + "mask.bmp";
    datagen::WriteMaskBmp(path, mask);
    const Surface read = ReadBack(path);
    ASSERT_NE(read, nullptr) << SDL_GetError();
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 11; ++x) {
            EXPECT_EQ(RgbAt(*read, x, y), mask.on[static_cast<std::size_t>(y * 11 + x)] != 0 ? 0xFFFFFFu : 0u)
                << x << "," << y;
        }
    }
}

// Transparent and faint pixels fall outside the shape and take the matte colour; from the threshold on
// they belong to it and become fully opaque.
TEST(Generator, CutOutSplitsASpriteAtItsShapeThreshold) {
    const Image drawn{4, 1, {0x00000000, 0x4D4D0000, 0x80800000, 0xFFFF0000}};
    const datagen::Cutout cut = datagen::CutOut(drawn, datagen::Rgb{0, 0, 1});
    EXPECT_EQ(cut.mask.on, (std::vector<std::uint8_t>{0, 0, 1, 1}));
    EXPECT_EQ(cut.colour.pixels[0], 0xFF0000FFu);
    EXPECT_EQ(cut.colour.pixels[1], 0xFF0000FFu);
    EXPECT_EQ(cut.colour.pixels[2] >> 24, 0xFFu);
    EXPECT_GE(cut.colour.pixels[2] >> 16 & 0xFFu, 0x80u);
    EXPECT_EQ(cut.colour.pixels[3], 0xFFFF0000u);
}

TEST(Generator, FlattenLaysHalfCoveredPixelsOverTheMatte) {
    const Image drawn{2, 1, {0x80808080, 0x00000000}};
    const Image flat = datagen::Flatten(drawn, datagen::Rgb{0, 0, 0});
    EXPECT_EQ(flat.pixels[0], 0xFF808080u);
    EXPECT_EQ(flat.pixels[1], 0xFF000000u);
}

TEST(Generator, MixRunsALoopsTailOnFromItsStart) {
    const Signal part = {1, 2, 3, 4};
    Signal loop(10, 0.0);
    datagen::Mix(loop, part, 8, 0.5, true);
    EXPECT_EQ(loop, (Signal{1.5, 2, 0, 0, 0, 0, 0, 0, 0.5, 1}));
    Signal once(10, 0.0);
    datagen::Mix(once, part, 8, 1.0);
    EXPECT_EQ(once, (Signal{0, 0, 0, 0, 0, 0, 0, 0, 1, 2}));
}

TEST(Generator, NormaliseSetsThePeakAndKeepsTheShape) {
    Signal signal = {0.1, -0.4, 0.2};
    datagen::Normalise(signal, -6);
    EXPECT_NEAR(datagen::Peak(signal), std::pow(10.0, -6.0 / 20), 1e-12);
    EXPECT_NEAR(signal[0] / signal[1], -0.25, 1e-12);
}

// Filtering a looping buffer straight through would leave the filter's start-up at its beginning and a
// step at the seam; filtered as a loop, its end flows into its start like any other pair of samples.
TEST(Generator, FilteredLoopHasNoSeam) {
    Signal loop = datagen::Noise(8000, 3);
    datagen::FilterLoop(loop,
                        [filter = datagen::OnePole(300)](double x) mutable { return filter.LowPass(x); });
    double largest = 0;
    for (std::size_t i = 1; i < loop.size(); ++i) {
        largest = std::max(largest, std::abs(loop[i] - loop[i - 1]));
    }
    EXPECT_LE(std::abs(loop.front() - loop.back()), largest);
    EXPECT_GT(datagen::Rms(loop), 0.01);
}

}  // namespace
