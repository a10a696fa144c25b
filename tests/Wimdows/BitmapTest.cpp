#include <SDL.h>

#include <fstream>

#include "WimdowsFixture.h"

namespace {

using namespace Wimdows;

using Bitmaps = OpenWindow;

TEST_F(Bitmaps, HandlesCountUpInLoadOrderAndFailuresUseNoNumber) {
    TempDir dir;
    const std::string picture = dir.Picture("a.bmp", 8, 8, kRed);
    EXPECT_EQ(LoadBitmap(picture.c_str(), 8, 8), 1u);
    EXPECT_EQ(LoadBitmap(dir.File("missing.bmp").c_str(), 8, 8), 0u);
    std::string windowsName = picture;
    windowsName.replace(windowsName.rfind('/'), 1, "\\");
    EXPECT_EQ(LoadBitmap(windowsName.c_str(), 8, 8), 2u);
    EXPECT_EQ(wt::BitLen(), 2u);
}

TEST_F(Bitmaps, RepeatedLoadsShareTheirPixels) {
    TempDir dir;
    const std::string picture = dir.Picture("a.bmp", 8, 8, kRed);
    const std::uint32_t first = LoadBitmap(picture.c_str(), 16, 16);
    std::uint32_t last = first;
    for (int play = 0; play < 100; ++play) {
        last = LoadBitmap(picture.c_str(), 16, 16);
    }
    EXPECT_EQ(last, 101u);
    EXPECT_TRUE(wt::SharePixels(first, last));
    EXPECT_FALSE(wt::SharePixels(first, LoadBitmap(picture.c_str(), 8, 8))) << "another size";
}

TEST_F(Bitmaps, PicturesAreStretchedToTheSizeAskedFor) {
    TempDir dir;
    const std::string picture = dir.Picture("quarters.bmp", 2, 2, {kRed, kGreen, kBlue, kWhite});
    DrawBitmap(LoadBitmap(picture.c_str(), 1000, 750), 0, 0);
    EXPECT_EQ(wt::BackPixel(0, 0), kRed);
    EXPECT_EQ(wt::BackPixel(499, 374), kRed);
    EXPECT_EQ(wt::BackPixel(500, 0), kGreen);
    EXPECT_EQ(wt::BackPixel(0, 375), kBlue);
    EXPECT_EQ(wt::BackPixel(999, 749), kWhite);
}

// A picture whose every pixel is different, drawn across each edge and wholly outside: what shows is the
// right part of it, in place, and nothing wraps to another row.
TEST_F(Bitmaps, PlainPicturesAreClippedAtEveryEdge) {
    TempDir dir;
    std::vector<std::uint32_t> pixels(40 * 20);
    for (std::uint32_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = 0x010000 + i;  // never the blue underneath
    }
    const std::uint32_t picture = LoadBitmap(dir.Picture("numbered.bmp", 40, 20, pixels).c_str(), 40, 20);
    Rectangle(0, 0, 999, 749, kBlue, true);
    const auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y * 40 + x)]; };
    DrawBitmap(picture, -10, -5);   // 30 × 15 at the top left
    DrawBitmap(picture, 990, 740);  // 10 × 10 at the bottom right
    DrawBitmap(picture, 980, -19);  // 20 × 1 at the top right
    DrawBitmap(picture, -40, 300);  // outside
    DrawBitmap(picture, 500, 750);  // outside
    EXPECT_EQ(wt::BackPixel(0, 0), at(10, 5));
    EXPECT_EQ(wt::BackPixel(29, 14), at(39, 19));
    EXPECT_EQ(wt::BackPixel(990, 740), at(0, 0));
    EXPECT_EQ(wt::BackPixel(999, 749), at(9, 9));
    EXPECT_EQ(wt::BackPixel(980, 0), at(0, 19));
    EXPECT_EQ(wt::BackPixel(999, 0), at(19, 19));
    EXPECT_EQ(ExtentOf(kBlue).count, 1000 * 750 - (30 * 15 + 10 * 10 + 20 * 1));
}

TEST_F(Bitmaps, PalettedPicturesAreConverted) {
    TempDir dir;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 4, 4, 8, SDL_PIXELFORMAT_INDEX8);
    ASSERT_NE(surface, nullptr);
    const SDL_Color colors[2] = {{0, 0, 0, 255}, {10, 200, 30, 255}};
    SDL_SetPaletteColors(surface->format->palette, colors, 0, 2);
    SDL_FillRect(surface, nullptr, 1);
    const std::string file = dir.File("paletted.bmp");
    ASSERT_EQ(SDL_SaveBMP(surface, file.c_str()), 0);
    SDL_FreeSurface(surface);

    DrawBitmap(LoadBitmap(file.c_str(), 40, 40), 0, 0);
    EXPECT_EQ(wt::BackPixel(39, 39), 0x1EC80Au);
}

TEST_F(Bitmaps, BadFilesGiveHandleZeroWithoutHarm) {
    TempDir dir;
    const auto write = [&](const char* name, const std::string& bytes) {
        std::ofstream(dir.File(name), std::ios::binary) << bytes;
        return dir.File(name);
    };
    const std::string good = dir.Picture("good.bmp", 64, 64, kRed);
    const std::string bytes = ReadFile(good);

    // A header that claims 13 million × 60 pixels in a file of a few kilobytes.
    std::string forged = bytes;
    const std::uint32_t width = 13'000'000;
    for (int i = 0; i < 4; ++i) {
        forged[static_cast<std::size_t>(18 + i)] = static_cast<char>((width >> (8 * i)) & 0xFF);
        forged[static_cast<std::size_t>(22 + i)] = static_cast<char>(i == 0 ? 60 : 0);
    }
    EXPECT_EQ(LoadBitmap(write("huge.bmp", forged).c_str(), 100, 60), 0u);
    EXPECT_EQ(LoadBitmap(write("truncated.bmp", bytes.substr(0, bytes.size() / 2)).c_str(), 64, 64), 0u);
    EXPECT_EQ(LoadBitmap(write("header-only.bmp", bytes.substr(0, 20)).c_str(), 64, 64), 0u);
    EXPECT_EQ(LoadBitmap(write("garbage.bmp", std::string(5000, '\x5A')).c_str(), 64, 64), 0u);
    EXPECT_EQ(LoadBitmap(write("empty.bmp", "").c_str(), 64, 64), 0u);
    EXPECT_EQ(LoadBitmap(dir.File("missing.bmp").c_str(), 64, 64), 0u);
    EXPECT_EQ(LoadBitmap(dir.File("").c_str(), 64, 64), 0u) << "a folder";
    EXPECT_EQ(LoadBitmap(good.c_str(), 100000, 100000), 0u) << "an absurd size asked for";
    EXPECT_EQ(LoadBitmap(good.c_str(), 64, 64), 1u);
}

TEST_F(Bitmaps, BadHandlesDrawNothing) {
    TempDir dir;
    const std::uint32_t picture = LoadBitmap(dir.Picture("a.bmp", 8, 8, kRed).c_str(), 8, 8);
    const std::uint64_t before = wt::BackHash();
    DrawBitmap(0, 0, 0);
    DrawBitmap(picture + 1, 0, 0);
    DrawMaskBitmap(picture, 0, 0, 0);
    DrawMaskBitmap(0, picture, 0, 0);
    EXPECT_EQ(wt::BackHash(), before);
}

// A 40 × 20 red picture through a larger mask whose left half is white.
class MaskedSprite : public OpenWindow {
  protected:
    void SetUp() override {
        OpenWindow::SetUp();
        Rectangle(0, 0, 999, 749, kBlue, true);
        std::vector<std::uint32_t> mask(60 * 30, 0);
        for (std::uint32_t y = 0; y < 30; ++y) {
            for (std::uint32_t x = 0; x < 20; ++x) {
                mask[y * 60 + x] = kWhite;
            }
        }
        image_ = LoadBitmap(dir_.Picture("sprite.bmp", 40, 20, kRed).c_str(), 40, 20);
        mask_ = LoadBitmap(dir_.Picture("mask.bmp", 60, 30, mask).c_str(), 60, 30);
    }
    TempDir dir_;
    std::uint32_t image_ = 0;
    std::uint32_t mask_ = 0;
};

TEST_F(MaskedSprite, WhiteCopiesThePictureBlackKeepsTheBackground) {
    DrawMaskBitmap(image_, mask_, 100, 200);
    const Extent red = ExtentOf(kRed);
    EXPECT_EQ(red.count, 20 * 20);
    EXPECT_EQ(red.left, 100);
    EXPECT_EQ(red.right, 119);
    EXPECT_EQ(red.top, 200);
    EXPECT_EQ(red.bottom, 219);
}

TEST_F(MaskedSprite, IsClippedAtTheWindowEdgesAndNeverWraps) {
    DrawMaskBitmap(image_, mask_, -10, -5);   // 10 × 15 visible
    DrawMaskBitmap(image_, mask_, 990, 740);  // 10 × 10 visible
    const Extent red = ExtentOf(kRed);
    EXPECT_EQ(red.count, 10 * 15 + 10 * 10);
    EXPECT_EQ(wt::BackPixel(999, 0), kBlue);
    EXPECT_EQ(wt::BackPixel(0, 749), kBlue);
    EXPECT_EQ(wt::BackPixel(999, 749), kRed);
}

// Masks from other picture editors have grey edges: a mask pixel copies the picture from a channel sum of
// 384 (half of white) up, whichever channels make it.
TEST_F(OpenWindow, AMaskPixelCopiesThePictureFromHalfOfWhiteUp) {
    TempDir dir;
    const std::vector<std::uint32_t> greys = {0x7F8080, 0xFF8000, 0x808080, 0x0081FF, 0x818080};
    const std::vector<bool> copies = {false, false, true, true, true};  // sums 383, 383, 384, 384, 385
    const auto width = static_cast<std::uint32_t>(greys.size());
    const std::uint32_t image = LoadBitmap(dir.Picture("sprite.bmp", width, 1, kRed).c_str(), width, 1);
    const std::uint32_t mask = LoadBitmap(dir.Picture("mask.bmp", width, 1, greys).c_str(), width, 1);
    Rectangle(0, 0, 999, 749, kBlue, true);
    DrawMaskBitmap(image, mask, 10, 20);
    for (std::uint32_t x = 0; x < width; ++x) {
        EXPECT_EQ(wt::BackPixel(10 + static_cast<std::int32_t>(x), 20), copies[x] ? kRed : kBlue)
            << "mask pixel " << std::hex << greys[x];
    }
}

TEST_F(OpenWindow, BufferingDecidesWhenDrawingReachesTheWindow) {
    EXPECT_FALSE(wt::Buffering());
    Rectangle(0, 0, 9, 9, kRed, true);
    EXPECT_EQ(wt::PresentedPixel(5, 5), kRed) << "unbuffered drawing shows at once";

    SetBuffering(true);
    const std::uint64_t shown = wt::PresentedHash();
    Rectangle(0, 0, 9, 9, kGreen, true);
    Disc(500, 300, 40, kWhite);
    EXPECT_EQ(wt::PresentedHash(), shown);
    UpdateWindow();
    EXPECT_EQ(wt::PresentedHash(), wt::BackHash());

    Rectangle(0, 0, 9, 9, kBlue, true);
    SetBuffering(false);
    EXPECT_EQ(wt::PresentedPixel(5, 5), kBlue) << "switching buffering off shows what was drawn";
    EXPECT_EQ(wt::PresentedHash(), wt::BackHash());
}

}  // namespace
