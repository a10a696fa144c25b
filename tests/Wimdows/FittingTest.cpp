// Where the picture goes in windows and on screens of every size, and which game pixel a pointer is on.
#include <gtest/gtest.h>

#include "Wimdows/Fitting.h"

namespace {

using namespace Wimdows::fitting;

constexpr Size kPicture{1000, 750};
constexpr Frame kTitleBar{.top = 30};

struct Opening {
    const char* screen;
    Box usable;
    Size size;
    Point place;
};

TEST(Fitting, OpensAtTheLargestWholeMultipleThatFitsWithItsTitleBarAndWhollyOnScreen) {
    const Opening cases[] = {
        // Even 1× is too tall: the largest 4:3 window, title bar at the top of the screen.
        {"1024x600", {0, 0, 1024, 600}, {760, 570}, {132, 30}},
        {"1366x768 with a 32-row panel below", {0, 0, 1366, 736}, {941, 706}, {212, 30}},
        {"1366x768 with a 32-row panel above", {0, 32, 1366, 736}, {941, 706}, {212, 62}},
        {"1920x1080", {0, 0, 1920, 1080}, {1000, 750}, {460, 180}},
        {"2560x1440: 2x needs 1530 rows", {0, 0, 2560, 1440}, {1000, 750}, {780, 360}},
        {"3840x2160", {0, 0, 3840, 2160}, {2000, 1500}, {920, 345}},
        {"second screen right of the first", {1920, 0, 3840, 2160}, {2000, 1500}, {2840, 345}},
    };
    for (const Opening& c : cases) {
        SCOPED_TRACE(c.screen);
        const Size size = OpeningSize(c.usable, kTitleBar, kPicture);
        EXPECT_EQ(size, c.size);
        const Point place = OpeningPlace(c.usable, kTitleBar, size);
        EXPECT_EQ(place, c.place);
        EXPECT_GE(place.y - kTitleBar.top, c.usable.y);
        EXPECT_LE(place.y + size.h, c.usable.y + c.usable.h);
        EXPECT_GE(place.x, c.usable.x);
        EXPECT_LE(place.x + size.w, c.usable.x + c.usable.w);
    }
}

TEST(Fitting, BrokenDisplayReportsOpenAtASensibleSize) {
    EXPECT_EQ(OpeningSize({}, kTitleBar, kPicture), kPicture) << "no usable bounds: 1x";
    EXPECT_EQ(OpeningSize({0, 0, -5, 600}, kTitleBar, kPicture), kPicture);
    EXPECT_EQ(OpeningSize({0, 0, 32767, 32767}, kTitleBar, kPicture), (Size{8000, 6000})) << "at most 8x";
    const Size tiny = OpeningSize({0, 0, 10, 20}, kTitleBar, kPicture);
    EXPECT_GE(tiny.w, 1);
    EXPECT_GE(tiny.h, 1);
}

// openbox's frame: a column on either side, a 20-row title bar, a 5-row bottom edge.
constexpr Frame kOpenbox{.left = 1, .right = 1, .top = 20, .bottom = 5};

// The client area with its frame lies wholly inside the usable area.
void ExpectInside(const Box& client, const Frame& frame, const Box& usable) {
    EXPECT_GE(client.x - frame.left, usable.x);
    EXPECT_GE(client.y - frame.top, usable.y);
    EXPECT_LE(client.x + client.w + frame.right, usable.x + usable.w);
    EXPECT_LE(client.y + client.h + frame.bottom, usable.y + usable.h);
}

TEST(Fitting, OnDesktopsWithAFrameAndPanelsTheWindowAndItsFrameFitTheWorkArea) {
    const Opening cases[] = {
        {"1366x768, the common laptop", {0, 0, 1366, 768}, {991, 743}, {187, 20}},
        {"1024x600", {0, 0, 1024, 600}, {767, 575}, {128, 20}},
        {"1366x768 with a 40-row panel below", {0, 0, 1366, 728}, {937, 703}, {214, 20}},
        {"2560x1600: 2x, pixel-exact", {0, 0, 2560, 1600}, {2000, 1500}, {280, 57}},
    };
    for (const Opening& c : cases) {
        SCOPED_TRACE(c.screen);
        const Size size = OpeningSize(c.usable, kOpenbox, kPicture);
        EXPECT_EQ(size, c.size);
        const Point place = OpeningPlace(c.usable, kOpenbox, size);
        EXPECT_EQ(place, c.place);
        ExpectInside({place.x, place.y, size.w, size.h}, kOpenbox, c.usable);
    }
}

TEST(Fitting, WhenTheDisplayChangesTheWindowIsFittedOntoItsUsableArea) {
    const Box large{280, 57, 2000, 1500};
    const Box laptop{0, 0, 1366, 768};
    EXPECT_EQ(Refit(large, {0, 0, 2560, 1600}, kOpenbox, kPicture), large) << "nothing changed: it stays";
    EXPECT_EQ(Refit(large, {0, 0, 1024, 768}, kOpenbox, kPicture), (Box{16, 20, 991, 743}))
        << "the screen shrank under a 2x window: the opening size and place of the smaller screen";

    const Box offRight{900, 500, 800, 600};
    EXPECT_EQ(Refit(offRight, laptop, kOpenbox, kPicture), (Box{565, 163, 800, 600}))
        << "small enough, half off the screen: moved just inside, its size kept";
    const Box secondMonitor{1920, 0, 1024, 768};
    const Box moved = Refit({100, 100, 800, 600}, secondMonitor, kOpenbox, kPicture);
    EXPECT_EQ(moved, (Box{1921, 100, 800, 600})) << "its monitor is now the one on the right";
    ExpectInside(moved, kOpenbox, secondMonitor);

    const Box panelAbove{0, 40, 1366, 728};
    const Box under = Refit({183, 20, 1000, 750}, panelAbove, kOpenbox, kPicture);
    EXPECT_EQ(under, (Box{214, 60, 937, 703})) << "a panel appeared above a 1x window";
    ExpectInside(under, kOpenbox, panelAbove);

    EXPECT_EQ(Refit(large, {}, kOpenbox, kPicture), large) << "no usable area known: it stays";
    EXPECT_EQ(Refit(large, {0, 0, 0, 0}, kOpenbox, kPicture), large) << "a 0x0 work area";
}

TEST(Fitting, AbsurdFrameReportsAreNotBelieved) {
    const Box laptop{0, 0, 1366, 768};
    EXPECT_EQ(Plausible(kOpenbox, laptop), kOpenbox);
    EXPECT_EQ(Plausible({-5, 1, -20, 5}, laptop), (Frame{0, 1, 0, 5})) << "no side below 0";
    EXPECT_EQ(Plausible({0, 0, 5000, 0}, laptop), Frame{}) << "a title bar taller than the screen";
    EXPECT_EQ(Plausible({400, 400, 20, 5}, laptop), Frame{}) << "sides taking most of the width";
    EXPECT_EQ(Plausible({INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX}, laptop), Frame{}) << "no overflow";

    // A frame that is not believed leaves the window at the size the screen has room for.
    const Frame huge{0, 0, 5000, 0};
    EXPECT_EQ(OpeningSize(laptop, huge, kPicture), kPicture);
    EXPECT_EQ(OpeningPlace(laptop, huge, kPicture), (Point{183, 9}));
    const Box kept = Refit({183, 9, 1000, 750}, laptop, huge, kPicture);
    EXPECT_EQ(kept, (Box{183, 9, 1000, 750}));
    EXPECT_EQ(OpeningSize(laptop, {-1, -1, -1, -1}, kPicture), kPicture);
}

TEST(Fitting, ThePictureKeepsItsShapeCentredWithBandsOnTheOtherSides) {
    EXPECT_EQ(Fit({1000, 750}, kPicture), (Box{0, 0, 1000, 750}));
    EXPECT_EQ(Fit({2000, 1500}, kPicture), (Box{0, 0, 2000, 1500}));
    EXPECT_EQ(Fit({1920, 1080}, kPicture), (Box{240, 0, 1440, 1080})) << "bands left and right";
    EXPECT_EQ(Fit({800, 1000}, kPicture), (Box{0, 200, 800, 600})) << "bands above and below";
    EXPECT_EQ(Fit({1001, 751}, kPicture), (Box{0, 0, 1001, 751}));
    // Degenerate windows: no division by zero, never an empty picture.
    EXPECT_EQ(Fit({1, 1}, kPicture), (Box{0, 0, 1, 1}));
    EXPECT_EQ(Fit({0, 0}, kPicture), (Box{0, 0, 1, 1}));
    EXPECT_EQ(Fit({32767, 32767}, kPicture), (Box{0, 4096, 32767, 24575}));
}

TEST(Fitting, OnlyWholeMultiplesArePixelExact) {
    EXPECT_TRUE(WholeMultiple({0, 0, 1000, 750}, kPicture));
    EXPECT_TRUE(WholeMultiple({5, 0, 3000, 2250}, kPicture));
    EXPECT_FALSE(WholeMultiple({240, 0, 1440, 1080}, kPicture));
    EXPECT_FALSE(WholeMultiple({0, 0, 500, 375}, kPicture));
    EXPECT_FALSE(WholeMultiple({0, 0, 2000, 750}, kPicture));
}

TEST(Fitting, PointerPositionsBecomeGamePixels) {
    const Box one{0, 0, 1000, 750};
    EXPECT_EQ(ToGame({0, 0}, one, kPicture), (Point{0, 0}));
    EXPECT_EQ(ToGame({999, 749}, one, kPicture), (Point{999, 749}));
    EXPECT_EQ(ToGame({-1, -1}, one, kPicture), (Point{-1, -1})) << "the 16-bit words read 65535";

    const Box two{0, 0, 2000, 1500};
    EXPECT_EQ(ToGame({961, 671}, two, kPicture), (Point{480, 335}));
    EXPECT_EQ(ToGame({1999, 1499}, two, kPicture), (Point{999, 749}));
    EXPECT_EQ(ToGame({-1, -2}, two, kPicture), (Point{-1, -1}));
    EXPECT_EQ(ToGame({-3, 2000}, two, kPicture), (Point{-2, 1000}));

    const Box fullscreen{240, 0, 1440, 1080};  // 1920x1080, bands left and right
    EXPECT_EQ(ToGame({240 + 720, 540}, fullscreen, kPicture), (Point{500, 375}));
    EXPECT_EQ(ToGame({240, 0}, fullscreen, kPicture), (Point{0, 0}));
    EXPECT_EQ(ToGame({1679, 1079}, fullscreen, kPicture), (Point{999, 749}));
    EXPECT_EQ(ToGame({239, 540}, fullscreen, kPicture).x, -1) << "one pixel into the left band";
    EXPECT_LT(ToGame({0, 540}, fullscreen, kPicture).x, 0) << "a click in the left band is outside";
    EXPECT_GE(ToGame({1700, 540}, fullscreen, kPicture).x, 1000) << "a click in the right band is outside";

    // Far outside, or a degenerate box: no overflow, no division by zero.
    const Point far = ToGame({INT32_MIN, INT32_MAX}, {0, 0, 0, 0}, kPicture);
    EXPECT_LT(far.x, 0);
    EXPECT_GT(far.y, 749);
}

// Between whole multiples a window pixel covers parts of two game pixels; a click counts for the one whose
// area holds the window pixel's centre, the one drawn there.
TEST(Fitting, AtScalesBetweenWholeMultiplesAClickCountsForTheGamePixelUnderItsCentre) {
    struct Mapping {
        const char* window;
        Size size;
        Point at;
        Point game;
    };
    const Mapping cases[] = {
        // 1.44x: the picture from x 240; window pixel 1 of it spans game x 0.69 to 1.39.
        {"1920x1080", {1920, 1080}, {241, 1}, {1, 1}},
        {"1920x1080", {1920, 1080}, {244, 4}, {3, 3}},
        {"1920x1080", {1920, 1080}, {240 + 1439, 1079}, {999, 749}},
        // 1.024x: the picture from x 171.
        {"1366x768", {1366, 768}, {172, 1}, {1, 1}},
        {"1366x768", {1366, 768}, {171 + 1023, 767}, {999, 749}},
        // 0.8x: window pixel 2 spans game x 2.5 to 3.75.
        {"800x600", {800, 600}, {2, 2}, {3, 3}},
        {"800x600", {800, 600}, {799, 599}, {999, 749}},
    };
    for (const Mapping& c : cases) {
        SCOPED_TRACE(c.window);
        EXPECT_EQ(ToGame(c.at, Fit(c.size, kPicture), kPicture), c.game) << c.at.x << "," << c.at.y;
    }
}

}  // namespace
