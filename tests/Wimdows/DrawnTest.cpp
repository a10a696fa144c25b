// Frames composed from what changed: a frame that starts with the backdrop the back buffer already holds
// restores only what was drawn over it, and only what was drawn is handed over. Every frame must look as the
// same frame composed whole, in the back buffer and in what the window thread got.
#include <functional>
#include <vector>

#include "Wimdows/WimdowsFrames.h"
#include "WimdowsFixture.h"

namespace {

using namespace Wimdows;

class DrawnAreas : public OpenWindow {
  protected:
    void SetUp() override {
        OpenWindow::SetUp();
        std::vector<std::uint32_t> stripes(std::size_t{1000} * 750);
        for (std::size_t i = 0; i < stripes.size(); ++i) {
            stripes[i] =
                static_cast<std::uint32_t>((i / 1000) * 0x010203u + (i % 1000) * 0x030201u) & 0xFFFFFFu;
        }
        sky = LoadBitmap(dir.Picture("sky.bmp", 1000, 750, stripes).c_str(), 0, 0);
        night = LoadBitmap(dir.Picture("night.bmp", 1000, 750, kBlue).c_str(), 0, 0);
        sea = LoadBitmap(dir.Picture("sea.bmp", 1000, 100, kGreen).c_str(), 0, 0);
        block = LoadBitmap(dir.Picture("block.bmp", 40, 30, kWhite).c_str(), 0, 0);
        ASSERT_NE(sky * night * sea * block, 0u);
        SetBuffering(true);
    }
    void TearDown() override {
        frames::SetIncremental(true);
        frames::SetHandOver(true);
        OpenWindow::TearDown();
    }

    using Frame = std::function<void(int)>;

    // Each frame's back buffer and presented picture, drawn from what changed and drawn whole; the
    // presented picture must be the back buffer each time.
    void ExpectSameAsComposedWhole(int count, const Frame& frame) {
        const std::vector<std::uint64_t> incremental = Play(count, frame);
        frames::SetIncremental(false);
        const std::vector<std::uint64_t> whole = Play(count, frame);
        frames::SetIncremental(true);
        ASSERT_EQ(incremental.size(), whole.size());
        for (std::size_t i = 0; i < whole.size(); ++i) {
            EXPECT_EQ(incremental[i], whole[i]) << "frame " << i;
        }
    }

    std::vector<std::uint64_t> Play(int count, const Frame& frame) {
        ClearScreen();
        UpdateWindow();
        std::vector<std::uint64_t> hashes;
        for (int i = 0; i < count; ++i) {
            frame(i);
            UpdateWindow();
            hashes.push_back(wt::BackHash());
            EXPECT_EQ(wt::PresentedHash(), hashes.back()) << "frame " << i << " handed over otherwise";
        }
        return hashes;
    }

    TempDir dir;
    std::uint32_t sky = 0;
    std::uint32_t night = 0;
    std::uint32_t sea = 0;
    std::uint32_t block = 0;
};

TEST_F(DrawnAreas, WhatMovesLeavesNoTraceWhateverItIsDrawnWith) {
    ExpectSameAsComposedWhole(12, [this](int i) {
        DrawBitmap(sky, 0, 0);
        DrawBitmap(sea, 0, 650);
        DrawBitmap(block, 100 + 7 * i, 640);  // over the sea and the sky
        DrawMaskBitmap(block, block, 300 - 5 * i, 200 + 3 * i);
        DrawBitmap(block, 500 + 6 * i, 500);  // a picture over what was drawn last frame, but not all of it
        Rectangle(600 + 9 * i, 100, 640 + 9 * i, 130, kRed, true);
        Disc(800, 400 + 11 * i, 15, kWhite);
        ThickLine(10, 10 + i, 300, 500 - 20 * i, kBlack, 5);
        SetFont(2, kRed);
        TextInt(i * 1234567, 500, 20);
        if (i % 3 == 0) {
            DrawBitmap(block, 980, 740);  // part outside the window
        }
    });
    EXPECT_EQ(wt::BackPixel(101, 665), kGreen) << "the block's first place shows the sea again";
}

TEST_F(DrawnAreas, ABackdropThatChangesIsDrawnWholeAndLayersLeftOutGo) {
    ExpectSameAsComposedWhole(14, [this](int i) {
        DrawBitmap(i % 5 == 2 ? night : sky, 0, 0);
        if (i % 4 != 1) {
            DrawBitmap(sea, 0, 650);  // left out now and then: the sea must go
        }
        if (i % 6 == 3) {
            DrawBitmap(block, 400, 300);  // a third layer, then not
        }
        if (i % 7 == 4) {
            DrawBitmap(sky, 0, 0);  // the sky again within the same frame
        }
        DrawMaskBitmap(block, block, 50 * i, 60);
    });
}

TEST_F(DrawnAreas, ReadingTheFrameBetweenLayersSeesOnlyWhatWasDrawn) {
    DrawBitmap(sky, 0, 0);
    DrawBitmap(sea, 0, 650);
    UpdateWindow();
    DrawBitmap(sky, 0, 0);
    const std::uint32_t underTheSea = wt::BackPixel(10, 700);
    DrawBitmap(sea, 0, 650);
    EXPECT_NE(underTheSea, kGreen) << "the sea was not drawn yet";
    EXPECT_EQ(wt::BackPixel(10, 700), kGreen);
}

TEST_F(DrawnAreas, AFrameThatDrawsNothingNewHandsOverNothing) {
    DrawBitmap(sky, 0, 0);
    DrawBitmap(block, 200, 200);
    UpdateWindow();
    const std::uint64_t handedOver = wt::FramesHandedOver();
    UpdateWindow();
    EXPECT_EQ(wt::FramesHandedOver(), handedOver) << "nothing drawn";
    DrawBitmap(sky, 0, 0);
    DrawBitmap(block, 200, 200);
    UpdateWindow();
    EXPECT_EQ(wt::FramesHandedOver(), handedOver) << "the same frame again";
    DrawBitmap(sky, 0, 0);
    UpdateWindow();
    EXPECT_EQ(wt::FramesHandedOver(), handedOver + 1) << "the block is gone";
    EXPECT_EQ(wt::PresentedHash(), wt::BackHash());
}

// The dashboard draws the same labels at the same places every frame: the back buffer keeps them from the
// frame before, as long as nothing else went where they are.
TEST_F(DrawnAreas, WhatIsDrawnAgainInPlaceIsKeptOnlyWhileNothingElseGoesThere) {
    ExpectSameAsComposedWhole(16, [this](int i) {
        DrawBitmap(sky, 0, 0);
        DrawBitmap(sea, 0, 650);
        if (i % 2 == 0) {
            DrawBitmap(block, 250 + 8 * i, 15);  // crosses the label before it is drawn
        }
        if (i % 7 != 3) {
            SetFont(2, kRed);
            Text("FUEL", 300, 20);  // left out now and then: it must go
        }
        if (i % 2 == 1) {
            DrawBitmap(block, 250 + 8 * i, 15);  // and after
        }
        DrawMaskBitmap(block, block, 100, 100);
        if (i % 3 == 0) {
            DrawMaskBitmap(block, block, 100, 100);  // the same drawing twice in one frame
        }
        DrawBitmap(block, 700, 500);
        if (i % 4 == 1) {
            Rectangle(690, 490, 710, 510, kGreen, true);  // over a corner of it
        }
        SetFont(2, kRed);
        TextInt(i / 4, 800, 50);                        // the same for four frames, then another
        DrawMaskBitmap(block, block, 20, 640 + i / 5);  // over the sky and the sea, moving now and then
    });
}

TEST_F(DrawnAreas, ADrawingKeptFromTheFrameBeforeIsNotSeenBeforeItIsDrawnAgain) {
    for (int i = 0; i < 2; ++i) {
        DrawBitmap(sky, 0, 0);
        DrawBitmap(block, 200, 200);
        UpdateWindow();
    }
    DrawBitmap(sky, 0, 0);
    EXPECT_NE(wt::BackPixel(210, 210), kWhite) << "the block is not drawn yet in this frame";
    DrawBitmap(block, 200, 200);
    EXPECT_EQ(wt::BackPixel(210, 210), kWhite);
    UpdateWindow();
    EXPECT_EQ(wt::PresentedHash(), wt::BackHash());
}

TEST_F(DrawnAreas, FramesDrawnWhileNothingIsHandedOverAreHandedOverAfter) {
    DrawBitmap(sky, 0, 0);
    UpdateWindow();
    frames::SetHandOver(false);
    for (int i = 0; i < 5; ++i) {
        DrawBitmap(sky, 0, 0);
        DrawBitmap(block, 100 * i, 100 * i);
        UpdateWindow();
    }
    DrawBitmap(night, 0, 0);
    DrawBitmap(block, 20, 20);
    UpdateWindow();
    frames::SetHandOver(true);
    DrawBitmap(night, 0, 0);
    DrawBitmap(block, 30, 30);
    UpdateWindow();
    EXPECT_EQ(wt::PresentedHash(), wt::BackHash());
    EXPECT_EQ(wt::PresentedPixel(25, 25), kBlue);
}

TEST_F(DrawnAreas, UnbufferedDrawingShowsEachDrawingAtOnce) {
    SetBuffering(false);
    for (int i = 0; i < 3; ++i) {
        DrawBitmap(sky, 0, 0);
        DrawBitmap(sea, 0, 650);
        EXPECT_EQ(wt::PresentedHash(), wt::BackHash()) << "round " << i;
        DrawBitmap(block, 10 * i, 660);
        EXPECT_EQ(wt::PresentedHash(), wt::BackHash()) << "round " << i;
    }
}

}  // namespace
