// The menus on a headless window and the virtual clock, driven by scripted clicks.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "Menu/Menu.h"
#include "ScriptedClick.h"
#include "VirtualTime.h"
#include "Wimdows/Wimdows.h"

namespace testsupport {

class MenuTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(Menu::MediaMenu(), Game::Screen::MainMenu); }
    void TearDown() override {
        if (Wimdows::State() != Wimdows::STATE_DEAD) {
            Wimdows::KillWindow();
        }
    }

    // The pointer moves to (x, y) and clicks there, `after` milliseconds from now.
    void ClickIn(std::int64_t after, std::int32_t x, std::int32_t y) {
        using Kind = Wimdows::InputEvent::Kind;
        const Time::Instant when = time_.clock().Now() + std::chrono::milliseconds(after);
        Wimdows::Schedule(time_.clock(), when, {.kind = Kind::MouseMove, .x = x, .y = y});
        Wimdows::Schedule(time_.clock(), when, {.kind = Kind::LeftDown, .x = x, .y = y});
        Wimdows::Schedule(time_.clock(), when + std::chrono::milliseconds(1),
                          {.kind = Kind::LeftUp, .x = x, .y = y});
    }

    VirtualTime time_;
};

// Inside the main menu's buttons (left edge 400, top edges 300, 390, ... 90 apart) and the pages' buttons.
inline constexpr std::int32_t kMenuX = 480;
inline constexpr std::int32_t kStartY = 330;
inline constexpr std::int32_t kStoryY = 420;
inline constexpr std::int32_t kHelpY = 510;
inline constexpr std::int32_t kCreditsY = 600;
inline constexpr std::int32_t kExitY = 690;
inline constexpr std::int32_t kPageLeftX = 700;
inline constexpr std::int32_t kPageRightX = 870;
inline constexpr std::int32_t kPageY = 700;

}  // namespace testsupport
