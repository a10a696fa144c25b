// Finding what changed between two frames: whatever the changes, copying the areas found makes the frames
// equal, nothing outside the area looked at is touched, and a sprite's worth of change stays a few tiles.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "SurfaceHelpers.h"
#include "Wimdows/Changes.h"

namespace {

using namespace surfacetest;

// One finder for every call, as the window layer keeps one: what it kept from a call must not leak into the
// next.
std::vector<SDL_Rect> ChangedAreas(const SDL_Surface* now, const SDL_Surface* before, const SDL_Rect& area) {
    static Wimdows::changes::Finder finder;
    return finder.Find(now, before, area);
}

// Frames of one colour, so that only what a test paints differs.
Surface Frame(int width, int height) {
    Surface s = MakeSurface(width, height);
    SDL_FillRect(s.get(), nullptr, 0x336699);
    return s;
}

// Copies what was found from `now` to `before`, checking that every area lies within `area`.
void Apply(SDL_Surface* now, SDL_Surface* before, const SDL_Rect& area, const std::vector<SDL_Rect>& found) {
    for (SDL_Rect r : found) {
        SDL_Rect inside;
        ASSERT_TRUE(SDL_IntersectRect(&r, &area, &inside));
        ASSERT_TRUE(SDL_RectEquals(&inside, &r)) << r.x << "," << r.y << " " << r.w << "x" << r.h;
        SDL_Rect to = r;
        SDL_BlitSurface(now, &r, before, &to);
    }
}

TEST(ChangedAreas, EqualFramesAndEmptyAreasHaveNone) {
    const Surface a = Frame(1000, 750);
    const Surface b = Frame(1000, 750);
    EXPECT_TRUE(ChangedAreas(a.get(), b.get(), {0, 0, 1000, 750}).empty());
    Pixel(a.get(), 500, 300) = 1;
    EXPECT_TRUE(ChangedAreas(a.get(), b.get(), {0, 0, 0, 0}).empty());
    EXPECT_TRUE(ChangedAreas(a.get(), b.get(), {0, 0, 500, 750}).empty()) << "the change is outside";
}

TEST(ChangedAreas, CopyingWhatIsFoundMakesTheFramesEqual) {
    std::mt19937 random(7);
    const SDL_Rect areas[] = {{0, 0, 1000, 750}, {13, 7, 301, 97}, {0, 740, 1000, 10}, {999, 0, 1, 750}};
    for (const SDL_Rect& area : areas) {
        for (int round = 0; round < 20; ++round) {
            const Surface now = Frame(1000, 750);
            const Surface before = Frame(1000, 750);
            // A few lone pixels, corners and edges included, and a block or two.
            const int lone = round % 5;
            for (int i = 0; i < lone; ++i) {
                Pixel(now.get(), static_cast<int>(random() % 1000), static_cast<int>(random() % 750)) ^= 1;
            }
            Pixel(now.get(), 0, 0) ^= round == 1 ? 1 : 0;
            Pixel(now.get(), 999, 749) ^= round == 2 ? 1 : 0;
            if (round % 3 == 0) {
                SDL_Rect block{static_cast<int>(random() % 900), static_cast<int>(random() % 650),
                               static_cast<int>(random() % 100 + 1), static_cast<int>(random() % 100 + 1)};
                SDL_FillRect(now.get(), &block, 0xFF0000);
            }
            // Expected: the frame before, with the area as it is now; nothing outside the area is copied.
            const Surface expected = Frame(1000, 750);
            SDL_BlitSurface(before.get(), nullptr, expected.get(), nullptr);
            SDL_Rect to = area;
            SDL_BlitSurface(now.get(), &area, expected.get(), &to);
            Apply(now.get(), before.get(), area, ChangedAreas(now.get(), before.get(), area));
            EXPECT_TRUE(Same(before.get(), expected.get()))
                << "area " << area.x << "," << area.y << " round " << round;
        }
    }
}

TEST(ChangedAreas, ASpriteMarksAFewTilesAndBandsJoinDownwards) {
    const Surface now = Frame(1000, 750);
    const Surface before = Frame(1000, 750);
    Pixel(now.get(), 70, 20) = 1;
    std::vector<SDL_Rect> found = ChangedAreas(now.get(), before.get(), {0, 0, 1000, 750});
    ASSERT_EQ(found.size(), 1u);
    EXPECT_LE(found[0].w * found[0].h, 64 * 16) << "one pixel, one tile";

    // A 40 × 50 sprite across two tile columns and four bands: one rectangle, a small part of the frame.
    SDL_Rect sprite{100, 30, 40, 50};
    SDL_FillRect(now.get(), &sprite, 0xFFFFFF);
    SDL_BlitSurface(now.get(), nullptr, before.get(), nullptr);
    sprite.x += 3;
    SDL_FillRect(now.get(), &sprite, 0x00FF00);
    found = ChangedAreas(now.get(), before.get(), {0, 0, 1000, 750});
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].x, 64);
    EXPECT_EQ(found[0].w, 128);
    EXPECT_EQ(found[0].y, 16);
    EXPECT_EQ(found[0].h, 80 - 16);
    Apply(now.get(), before.get(), {0, 0, 1000, 750}, found);
    EXPECT_TRUE(Same(now.get(), before.get()));
}

}  // namespace
