// Smoothing a part at a time: what a changed area redraws is exactly what smoothing the whole picture again
// would give, at every size between whole multiples.
#include <gtest/gtest.h>

#include <random>

#include "SurfaceHelpers.h"
#include "Wimdows/Smoothing.h"

namespace {

using namespace surfacetest;

using Wimdows::fitting::Box;
using Wimdows::fitting::Size;
using Wimdows::smoothing::Scaler;

TEST(Smoothing, BlendsBetweenPixelCentresAndKeepsTheEdgesPure) {
    const Surface picture = MakeSurface(2, 1);
    Pixel(picture.get(), 0, 0) = 0x000000;
    Pixel(picture.get(), 1, 0) = 0xFFFFFF;
    const Surface window = MakeSurface(4, 1);
    const Scaler scaler({2, 1}, {0, 0, 4, 1});
    scaler.Draw(picture.get(), window.get(), {0, 0, 4, 1});
    EXPECT_EQ(Pixel(window.get(), 0, 0), 0x000000u);
    EXPECT_EQ(Pixel(window.get(), 1, 0), 0x404040u);
    EXPECT_EQ(Pixel(window.get(), 2, 0), 0xBFBFBFu);
    EXPECT_EQ(Pixel(window.get(), 3, 0), 0xFFFFFFu);
}

TEST(Smoothing, RedrawingWhatAChangeReachesEqualsRedrawingEverything) {
    std::mt19937 random(11);
    const Size picture{100, 75};
    // Up and down, a fullscreen-like 1.44, barely more than 1×, and a box placed off the corner.
    const Box boxes[] = {{0, 0, 144, 108}, {5, 3, 101, 76}, {10, 0, 73, 55}, {0, 20, 250, 187}};
    for (const Box& box : boxes) {
        SCOPED_TRACE(box.w);
        const Scaler scaler(picture, box);
        const Surface source = MakeSurface(picture.w, picture.h);
        for (int y = 0; y < picture.h; ++y) {
            for (int x = 0; x < picture.w; ++x) {
                Pixel(source.get(), x, y) = random() & 0xFFFFFF;
            }
        }
        const Surface partly = MakeSurface(box.x + box.w, box.y + box.h);
        const Surface wholly = MakeSurface(box.x + box.w, box.y + box.h);
        const SDL_Rect all{box.x, box.y, box.w, box.h};
        scaler.Draw(source.get(), partly.get(), all);
        for (int round = 0; round < 30; ++round) {
            SDL_Rect changed{static_cast<int>(random() % 100), static_cast<int>(random() % 75), 0, 0};
            changed.w = static_cast<int>(random() % static_cast<unsigned>(picture.w - changed.x)) + 1;
            changed.h = static_cast<int>(random() % static_cast<unsigned>(picture.h - changed.y)) + 1;
            SDL_FillRect(source.get(), &changed, random() & 0xFFFFFF);
            scaler.Draw(source.get(), partly.get(), scaler.WindowAreaOf(changed));
            scaler.Draw(source.get(), wholly.get(), all);
            ASSERT_TRUE(Same(partly.get(), wholly.get())) << "round " << round;
        }
        const SDL_Rect reach = scaler.WindowAreaOf({0, 0, picture.w, picture.h});
        EXPECT_TRUE(SDL_RectEquals(&reach, &all));
    }
}

}  // namespace
