#include <SDL_keycode.h>

#include "Time/Time.h"
#include "WimdowsFixture.h"

namespace {

using namespace Wimdows;

TEST_F(OpenWindow, HasTheClientSizeAskedForAndAFullSizeBackBuffer) {
    EXPECT_EQ(wt::XLen(), 1000u);
    EXPECT_EQ(wt::YLen(), 750u);
    EXPECT_EQ(Wimdows::frames::BackFrame().size(), 1000u * 750u);
    EXPECT_EQ(wt::PresentedFrame().size(), 1000u * 750u);
}

TEST_F(OpenWindow, ClosingReleasesBitmapsKeysAndBuffering) {
    TempDir dir;
    const std::string picture = dir.Picture("a.bmp", 4, 4, 0x00FF00);
    ASSERT_EQ(LoadBitmap(picture.c_str(), 4, 4), 1u);
    wt::SendSdlKey(SDLK_LEFT, true);
    SetBuffering(true);
    ASSERT_TRUE(KeyDown(VK_LEFT));

    KillWindow();
    EXPECT_EQ(State(), STATE_DEAD);
    EXPECT_EQ(wt::BitLen(), 0u);
    EXPECT_FALSE(KeyDown(VK_LEFT));
    EXPECT_EQ(wt::KeyQueueLength(), 0u);
    EXPECT_FALSE(wt::Buffering());
    EXPECT_EQ(wt::XLen(), 0u);
    EXPECT_EQ(wt::YLen(), 0u);
    std::uint32_t width = 1;
    std::uint32_t height = 1;
    GetTextSize("text", 2, width, height);
    EXPECT_EQ(width, 0u);
    EXPECT_EQ(height, 0u);
    DrawBitmap(1, 0, 0);  // nothing to draw into: must not crash
    SetBuffering(true);   // lost without a window
    KillWindow();         // a second close returns at once
    EXPECT_EQ(State(), STATE_DEAD);

    Window("Game", 1000, 750);
    EXPECT_FALSE(wt::Buffering());
}

TEST_F(OpenWindow, OpeningAgainClosesTheOldWindowFirst) {
    TempDir dir;
    const std::string picture = dir.Picture("a.bmp", 4, 4, 0x00FF00);
    ASSERT_EQ(LoadBitmap(picture.c_str(), 4, 4), 1u);
    ASSERT_EQ(LoadBitmap(picture.c_str(), 4, 4), 2u);

    Window("Game", 640, 480);
    EXPECT_EQ(State(), STATE_ACTIVE);
    EXPECT_EQ(wt::XLen(), 640u);
    EXPECT_EQ(wt::BitLen(), 0u);
    EXPECT_EQ(LoadBitmap(picture.c_str(), 4, 4), 1u);
}

TEST_F(OpenWindow, ClosedByThePlayerEndsTheNextWait) {
    EXPECT_NO_THROW(Time::Delay(1)) << "not while the window is open";
    wt::CloseFromTitleBar();
    EXPECT_EQ(State(), STATE_DEAD);
    EXPECT_EQ(wt::XLen(), 0u);
    ClearScreen();  // nothing happens without a window
    EXPECT_THROW(Time::Delay(1), WindowClosed);
    EXPECT_THROW(Time::WaitNextHundredth(), WindowClosed);
    KillWindow();
    EXPECT_NO_THROW(Time::Delay(1));
}

TEST(NoDisplay, CantCreateWindowEndsWithStatusOne) {
    EXPECT_EXIT(
        {
            unsetenv("DISPLAY");
            unsetenv("WAYLAND_DISPLAY");
            unsetenv("SDL_VIDEODRIVER");
            Window("Game", 1000, 750);
        },
        ::testing::ExitedWithCode(1), "Can't create window\\.");
}

}  // namespace
