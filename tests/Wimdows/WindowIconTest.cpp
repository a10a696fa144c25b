// The window icon reduced from the large icon picture: a soft edge, and no colour from outside the shape.
#include <gtest/gtest.h>

#include <set>

#include "SurfaceHelpers.h"
#include "Wimdows/WindowIcon.h"

namespace {

using namespace surfacetest;

TEST(WindowIcon, ADiscReducesToASoftEdgeInItsOwnColour) {
    constexpr int kLarge = 256;
    const Surface picture = MakeSurface(kLarge, kLarge);
    const Surface mask = MakeSurface(kLarge, kLarge);
    for (int y = 0; y < kLarge; ++y) {
        for (int x = 0; x < kLarge; ++x) {
            const bool inDisc = (x - 128) * (x - 128) + (y - 128) * (y - 128) < 120 * 120;
            Pixel(mask.get(), x, y) = inDisc ? 0xFFFFFF : 0x000000;
            Pixel(picture.get(), x, y) =
                inDisc ? 0x2050A0 : 0xFF00FF;  // outside: a colour that must not show
        }
    }
    const Surface icon(Wimdows::detail::ReduceIcon(picture.get(), mask.get(), 64));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->w, 64);
    EXPECT_EQ(Pixel(icon.get(), 32, 32), 0xFF2050A0u);
    EXPECT_EQ(Pixel(icon.get(), 0, 0) >> 24, 0u);
    std::set<Uint32> alphas;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const Uint32 pixel = Pixel(icon.get(), x, y);
            alphas.insert(pixel >> 24);
            if (pixel >> 24 != 0) {
                EXPECT_EQ(pixel & 0xFFFFFFu, 0x2050A0u) << x << ", " << y;
            }
        }
    }
    EXPECT_GE(alphas.size(), 8u) << "an on/off edge";
}

TEST(WindowIcon, APictureNotAMultipleOfTheIconIsRefused) {
    const Surface picture = MakeSurface(100, 100);
    const Surface mask = MakeSurface(100, 100);
    EXPECT_EQ(Wimdows::detail::ReduceIcon(picture.get(), mask.get(), 64), nullptr);
    const Surface small = MakeSurface(64, 64);
    EXPECT_EQ(Wimdows::detail::ReduceIcon(small.get(), mask.get(), 64), nullptr);
}

}  // namespace
