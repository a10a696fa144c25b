#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "ScriptedClick.h"
#include "StandardMenu/StandardMenu.h"
#include "VirtualTime.h"
#include "Wimdows/Wimdows.h"

namespace {

using StandardMenu::ButtonRc;
using StandardMenu::ButtonSelected;

ButtonRc Box(std::int32_t x0, std::int32_t y0) {
    ButtonRc button;
    button.x0 = x0;
    button.y0 = y0;
    button.width = 166;
    button.height = 75;
    button.visible = true;
    return button;
}

// A headless window on the virtual clock, with clicks scripted the way the window thread delivers them.
class Clicks : public ::testing::Test {
  protected:
    void SetUp() override { Wimdows::Window("Game", 1000, 750); }
    void TearDown() override { Wimdows::KillWindow(); }

    void ClickIn(std::int64_t after, std::int32_t x, std::int32_t y) {
        testsupport::ScriptClickIn(time_.clock(), after, x, y);
    }
    void Pass(std::uint32_t ms) { Time::Delay(ms); }

    testsupport::VirtualTime time_;
    const ButtonRc a_ = Box(100, 200);
    const ButtonRc b_ = Box(400, 200);
};

TEST_F(Clicks, TheNewestPendingClickWinsAndIsTakenOnce) {
    EXPECT_FALSE(ButtonSelected(a_));
    ClickIn(10, 150, 230);
    ClickIn(20, 450, 230);
    Pass(50);
    EXPECT_FALSE(ButtonSelected(a_));
    EXPECT_TRUE(ButtonSelected(b_));
    EXPECT_FALSE(ButtonSelected(b_));
}

TEST_F(Clicks, AClickOnNoButtonWaitsForALaterVisibleButtonThatCoversIt) {
    EXPECT_FALSE(ButtonSelected(a_));
    ClickIn(10, 10, 10);
    Pass(50);
    EXPECT_FALSE(ButtonSelected(a_));
    ButtonRc corner = Box(0, 0);
    corner.visible = false;
    EXPECT_FALSE(ButtonSelected(corner));
    corner.visible = true;
    EXPECT_TRUE(ButtonSelected(corner));
}

TEST_F(Clicks, TheFirstOfTwoOverlappingButtonsInTheMenuWins) {
    const std::array<ButtonRc, 2> menu{a_, Box(150, 230)};
    ClickIn(1000, 200, 250);
    EXPECT_EQ(StandardMenu::MenuSelection(menu), 0);
    EXPECT_GE(time_.Elapsed(), 100);
}

TEST_F(Clicks, AClickBesideEveryButtonKeepsTheMenuWaitingForTheNext) {
    ButtonRc hidden = Box(150, 230);
    hidden.visible = false;
    const std::array<ButtonRc, 3> menu{hidden, a_, b_};
    ClickIn(500, 10, 10);
    ClickIn(1000, 200, 250);
    EXPECT_EQ(StandardMenu::MenuSelection(menu), 1);
    EXPECT_GE(time_.Elapsed(), 100);
    EXPECT_LT(time_.Elapsed(), 110);
}

}  // namespace
