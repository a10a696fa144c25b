#include "WimdowsFixture.h"

namespace {

using namespace Wimdows;

constexpr std::uint32_t kInk = 0x0000B0;

using Shapes = OpenWindow;

void ExpectBox(const Extent& e, std::int32_t left, std::int32_t top, std::int32_t right,
               std::int32_t bottom) {
    EXPECT_EQ(e.left, left);
    EXPECT_EQ(e.top, top);
    EXPECT_EQ(e.right, right);
    EXPECT_EQ(e.bottom, bottom);
}

TEST_F(Shapes, RectangleIncludesBothCornersGivenInEitherOrder) {
    Rectangle(10, 10, 5, 5, kInk, true);
    Extent filled = ExtentOf(kInk);
    ExpectBox(filled, 5, 5, 10, 10);
    EXPECT_EQ(filled.count, 36);

    ClearScreen();
    Rectangle(5, 5, 10, 10, kInk, false);
    const Extent frame = ExtentOf(kInk);
    ExpectBox(frame, 5, 5, 10, 10);
    EXPECT_EQ(frame.count, 20) << "only the outermost ring";
}

TEST_F(Shapes, EllipseLeavesOutTheRightColumnAndBottomRowOfItsBox) {
    Ellipse(20, 20, 60, 40, kInk, true);
    const Extent filled = ExtentOf(kInk);
    ExpectBox(filled, 20, 20, 59, 39);

    ClearScreen();
    Ellipse(60, 40, 20, 20, kInk, false);
    ExpectBox(ExtentOf(kInk), 20, 20, 59, 39);
    EXPECT_NE(wt::BackPixel(40, 30), kInk) << "hollow";
    EXPECT_LT(ExtentOf(kInk).count, filled.count / 3);
}

TEST_F(Shapes, DiscIsTwiceItsRadiusAcross) {
    Disc(100, 100, 5, kInk);
    ExpectBox(ExtentOf(kInk), 95, 95, 104, 104);
}

// The band's corners are exact; the band lies within them.
TEST_F(Shapes, ThickLineCornersFollowTheSlope) {
    ThickLine(100, 50, 0, 70, kInk, 5);  // corners (100,48) (100,52) (0,72) (0,68)
    ExpectBox(ExtentOf(kInk), 0, 48, 100, 72);
    for (const auto& [x, y] : {std::pair{100, 48}, {100, 52}, {0, 72}, {0, 68}}) {
        EXPECT_EQ(wt::BackPixel(x, y), kInk) << x << "," << y;
    }

    ClearScreen();
    ThickLine(100, 50, 0, 150, kInk, 5);  // corners (98,48) (102,52) (2,152) (-2,148)
    ExpectBox(ExtentOf(kInk), 0, 48, 102, 152);
    EXPECT_EQ(wt::BackPixel(98, 48), kInk);
    EXPECT_EQ(wt::BackPixel(2, 152), kInk);
}

TEST_F(Shapes, StraightThickLinesAreBandsOfTwiceTheHalfWidthPlusOne) {
    ThickLine(200, 300, 200, 400, kInk, 3);
    Extent band = ExtentOf(kInk);
    ExpectBox(band, 198, 300, 202, 400);
    EXPECT_EQ(band.count, 5 * 101);

    ClearScreen();
    ThickLine(10, 10, 110, 10, kInk, 4);
    band = ExtentOf(kInk);
    ExpectBox(band, 10, 8, 110, 12);
    EXPECT_EQ(band.count, 5 * 101);

    ClearScreen();
    ThickLine(10, 100, 60, 100, kInk, 0);
    EXPECT_EQ(ExtentOf(kInk).count, 51) << "thickness 0: a plain line";

    ClearScreen();
    ThickLine(300, 300, 300, 300, kInk, 3);
    band = ExtentOf(kInk);
    ExpectBox(band, 298, 300, 302, 300);
}

TEST_F(Shapes, PolygonFillsEverythingItsOutlineWindsAround) {
    const std::int32_t xs[5] = {500, 530, 450, 550, 470};  // a five-pointed star drawn in one stroke
    const std::int32_t ys[5] = {400, 495, 435, 435, 495};
    const std::uint64_t before = wt::BackHash();
    Polygon(0, xs, ys, kInk, true);
    EXPECT_EQ(wt::BackHash(), before);

    Polygon(5, xs, ys, kInk, true);
    EXPECT_EQ(wt::BackPixel(500, 450), kInk) << "the centre, where the outline crosses itself";
    ExpectBox(ExtentOf(kInk), 450, 400, 550, 495);

    ClearScreen();
    Polygon(5, xs, ys, kInk, false);
    EXPECT_NE(wt::BackPixel(500, 450), kInk);
    EXPECT_EQ(wt::BackPixel(500, 400), kInk);
}

}  // namespace
