// The keyboard's highlight in a waiting menu, on the virtual clock.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdint>

#include "SolidBmp.h"
#include "StandardMenu/StandardMenu.h"
#include "VirtualTime.h"
#include "Wimdows/Wimdows.h"
#include "WimdowsTesting.h"

namespace {

using StandardMenu::ButtonRc;
using Kind = Wimdows::InputEvent::Kind;

constexpr std::uint32_t kRed = 0x0000FF;   // normal picture
constexpr std::uint32_t kBlue = 0xFF0000;  // hover picture
constexpr std::uint32_t kWhite = 0xFFFFFF;

class KeyNavigation : public ::testing::Test {
  protected:
    void SetUp() override {
        Wimdows::Window("Game", 1000, 750);
        const ButtonRc button =
            StandardMenu::CreateMaskedButton(166, 75, red_.c_str(), blue_.c_str(), white_.c_str());
        // Reading order: 1, 2, 0; 3 is hidden.
        menu_.fill(button);
        Place(0, 500, 400);
        Place(1, 100, 100);
        Place(2, 300, 100);
        Place(3, 100, 20);
        menu_[3].visible = false;
    }
    void TearDown() override { Wimdows::KillWindow(); }

    void Place(std::size_t position, std::int32_t x, std::int32_t y) {
        menu_[position].x0 = x;
        menu_[position].y0 = y;
    }
    void At(std::int64_t ms, const Wimdows::InputEvent& event) {
        Wimdows::Schedule(time_.clock(), start_ + std::chrono::milliseconds(ms), event);
    }
    // A press and release, the way a tap arrives: both between two passes of the menu.
    void Tap(std::int64_t ms, std::uint32_t key) {
        At(ms, {.kind = Kind::KeyDown, .key = key});
        At(ms + 1, {.kind = Kind::KeyUp, .key = key});
    }
    // Which buttons show their hover picture at `ms`, as a bit per position.
    void ExpectLitAt(std::int64_t ms, unsigned lit) {
        time_.clock().Schedule(start_ + std::chrono::milliseconds(ms), [this, ms, lit] {
            for (std::size_t position = 0; position < 3; ++position) {
                const ButtonRc& b = menu_[position];
                const bool hover =
                    Wimdows::testing::BackPixel(b.x0 + b.width / 2, b.y0 + b.height / 2) == kBlue;
                EXPECT_EQ(hover, ((lit >> position) & 1u) != 0) << "button " << position << " at " << ms;
            }
        });
    }
    std::int32_t Choose() { return StandardMenu::MenuSelection(menu_); }

    testsupport::VirtualTime time_;
    const Time::Instant start_ = time_.clock().Now();
    const testsupport::TempFile red_ = testsupport::SolidBmp("red", kRed);
    const testsupport::TempFile blue_ = testsupport::SolidBmp("blue", kBlue);
    const testsupport::TempFile white_ = testsupport::SolidBmp("white", kWhite);
    std::array<ButtonRc, 4> menu_{};
};

TEST_F(KeyNavigation, ArrowsAndTabMoveTheHighlightInReadingOrderAndReturnPressesIt) {
    ExpectLitAt(50, 0b000);
    Tap(100, Wimdows::VK_DOWN);
    ExpectLitAt(150, 0b010);
    Tap(200, Wimdows::VK_RIGHT);
    ExpectLitAt(250, 0b100);
    Tap(300, Wimdows::VK_TAB);
    ExpectLitAt(350, 0b001);
    Tap(400, Wimdows::VK_TAB);  // round to the first again
    ExpectLitAt(450, 0b010);
    At(500, {.kind = Kind::KeyDown, .key = Wimdows::VK_SHIFT});
    Tap(510, Wimdows::VK_TAB);  // Shift+Tab: back round to the last
    At(520, {.kind = Kind::KeyUp, .key = Wimdows::VK_SHIFT});
    ExpectLitAt(550, 0b001);
    Tap(600, Wimdows::VK_UP);
    Tap(700, Wimdows::VK_RETURN);
    EXPECT_EQ(Choose(), 2);
    EXPECT_EQ(time_.Elapsed() / 10, 7);
}

TEST_F(KeyNavigation, NothingIsLitBeforeTheFirstNavigationKeyAndTheMouseTakesTheHighlightBack) {
    Tap(100, Wimdows::VK_RETURN);  // nothing lit: nothing pressed
    Tap(200, Wimdows::VK_LEFT);    // backward from nothing: the last in reading order
    ExpectLitAt(250, 0b001);
    At(300, {.kind = Kind::MouseMove, .x = 150, .y = 130});  // onto button 1
    ExpectLitAt(350, 0b010);
    Tap(400, Wimdows::VK_SPACE);  // the pointer leads again: no highlight to press
    Tap(500, Wimdows::VK_DOWN);
    Tap(600, Wimdows::VK_SPACE);
    EXPECT_EQ(Choose(), 1);
    EXPECT_EQ(time_.Elapsed() / 10, 6);
}

TEST_F(KeyNavigation, KeysHeldWhenTheMenuAppearsDoNothingUntilPressedAgain) {
    Wimdows::Deliver({.kind = Kind::KeyDown, .key = Wimdows::VK_DOWN});
    Wimdows::Deliver({.kind = Kind::KeyDown, .key = Wimdows::VK_SPACE});
    At(100, {.kind = Kind::KeyDown, .key = Wimdows::VK_DOWN});  // auto-repeats of the held keys
    At(150, {.kind = Kind::KeyDown, .key = Wimdows::VK_SPACE});
    ExpectLitAt(200, 0b000);
    At(300, {.kind = Kind::KeyUp, .key = Wimdows::VK_DOWN});
    Tap(400, Wimdows::VK_DOWN);
    At(500, {.kind = Kind::KeyDown, .key = Wimdows::VK_SPACE});  // still the press from before the menu
    At(600, {.kind = Kind::KeyUp, .key = Wimdows::VK_SPACE});
    Tap(700, Wimdows::VK_SPACE);
    EXPECT_EQ(Choose(), 1);
    EXPECT_EQ(time_.Elapsed() / 10, 7);
}

TEST_F(KeyNavigation, TheMouseSeesTheButtonsUnlitAfterTheMenuHasChosen) {
    Tap(100, Wimdows::VK_DOWN);
    Tap(200, Wimdows::VK_RETURN);
    EXPECT_EQ(Choose(), 1);
    StandardMenu::DrawButton(menu_[1]);
    EXPECT_EQ(Wimdows::testing::BackPixel(150, 130), kRed);
}

// Two columns: a button in the upper row comes before one below it, even where that one stands further left.
TEST_F(KeyNavigation, RowsAreReadFromTheTopWhateverTheColumns) {
    Place(0, 500, 100);  // upper row, right
    Place(1, 100, 400);  // lower row, left
    Place(2, 300, 400);  // lower row, right
    Tap(100, Wimdows::VK_DOWN);
    ExpectLitAt(150, 0b001);
    Tap(200, Wimdows::VK_DOWN);
    ExpectLitAt(250, 0b010);
    Tap(300, Wimdows::VK_DOWN);
    ExpectLitAt(350, 0b100);
    Tap(400, Wimdows::VK_DOWN);  // round to the upper row
    ExpectLitAt(450, 0b001);
    Tap(500, Wimdows::VK_UP);
    ExpectLitAt(550, 0b100);
    Tap(600, Wimdows::VK_RETURN);
    EXPECT_EQ(Choose(), 2);
}

}  // namespace
