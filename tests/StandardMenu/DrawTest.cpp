#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdint>

#include "ScriptedClick.h"
#include "SolidBmp.h"
#include "StandardMenu/StandardMenu.h"
#include "VirtualTime.h"
#include "Wimdows/Wimdows.h"
#include "WimdowsTesting.h"

namespace {

using StandardMenu::ButtonRc;

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kBlue = 0xFF0000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;

class DrawButton : public ::testing::Test {
  protected:
    void SetUp() override { Wimdows::Window("Game", 1000, 750); }
    void TearDown() override { Wimdows::KillWindow(); }

    static void PointAt(std::int32_t x, std::int32_t y) {
        Wimdows::Deliver({.kind = Wimdows::InputEvent::Kind::MouseMove, .x = x, .y = y});
    }
    static std::uint32_t Middle(const ButtonRc& b) {
        return Wimdows::testing::BackPixel(b.x0 + b.width / 2, b.y0 + b.height / 2);
    }
    static ButtonRc At(ButtonRc button) {
        button.x0 = 100;
        button.y0 = 200;
        return button;
    }

    testsupport::VirtualTime time_;
    const testsupport::TempFile red_ = testsupport::SolidBmp("red", kRed);
    const testsupport::TempFile blue_ = testsupport::SolidBmp("blue", kBlue);
    const testsupport::TempFile white_ = testsupport::SolidBmp("white", kWhite);
    const testsupport::TempFile black_ = testsupport::SolidBmp("black", kBlack);
};

TEST_F(DrawButton, ShowsTheHoverPictureOnlyWhileThePointerIsInside) {
    const ButtonRc button =
        At(StandardMenu::CreateMaskedButton(166, 75, red_.c_str(), blue_.c_str(), white_.c_str()));
    StandardMenu::DrawButton(button);
    EXPECT_EQ(Middle(button), kRed);
    PointAt(150, 230);
    StandardMenu::DrawButton(button);
    EXPECT_EQ(Middle(button), kBlue);
    PointAt(100, 230);
    StandardMenu::DrawButton(button);
    EXPECT_EQ(Middle(button), kRed);
}

TEST_F(DrawButton, DrawsTheHoverPictureThroughItsOwnMask) {
    const ButtonRc button =
        At(StandardMenu::CreateButtonX(166, 75, {.withMouseOver = true, .withMask = true},
                                       {red_.c_str(), blue_.c_str(), white_.c_str(), black_.c_str()}));
    Wimdows::DrawBitmap(Wimdows::LoadBitmap(white_.c_str(), 1000, 750), 0, 0);
    PointAt(150, 230);
    StandardMenu::DrawButton(button);
    EXPECT_EQ(Middle(button), kWhite);
}

TEST_F(DrawButton, WithoutAHoverPictureOrWhenInvisibleItIgnoresThePointer) {
    const ButtonRc plain = At(StandardMenu::CreateButtonX(166, 75, {}, {.normal = red_.c_str()}));
    PointAt(150, 230);
    StandardMenu::DrawButton(plain);
    EXPECT_EQ(Middle(plain), kRed);

    ButtonRc hidden = At(StandardMenu::CreateButtonX(166, 75, {}, {.normal = blue_.c_str()}));
    hidden.visible = false;
    StandardMenu::DrawButton(hidden);
    EXPECT_EQ(Middle(hidden), kRed);
}

// A menu nobody touches must cost nothing on the screen: after its first pass it hands the window no frame
// until a button's look changes, and then exactly one.
TEST_F(DrawButton, AMenuLeftAlonePresentsNothingUntilTheHoverChanges) {
    const std::array<ButtonRc, 1> menu{
        At(StandardMenu::CreateMaskedButton(166, 75, red_.c_str(), blue_.c_str(), white_.c_str()))};
    Wimdows::SetBuffering(true);
    // Once this has passed the window thread, so has the repaint of the window's first expose.
    Wimdows::testing::SendSdlMouse(0, 0);
    Time::VirtualClock& clock = time_.clock();
    const auto in = [&](int ms) { return clock.Now() + std::chrono::milliseconds(ms); };
    std::array<std::uint64_t, 3> handedOver{};
    std::uint32_t shown = 0;
    clock.Schedule(in(1000), [&] { handedOver[0] = Wimdows::testing::FramesHandedOver(); });
    clock.Schedule(in(5000), [&] { handedOver[1] = Wimdows::testing::FramesHandedOver(); });
    clock.Schedule(in(5010), [] { PointAt(150, 230); });
    clock.Schedule(in(6000), [&] {
        handedOver[2] = Wimdows::testing::FramesHandedOver();
        shown = Wimdows::testing::PresentedPixel(183, 237);
    });
    testsupport::ScriptClick(clock, in(7000), 150, 230);
    EXPECT_EQ(StandardMenu::MenuSelection(menu), 0);
    EXPECT_EQ(handedOver[1], handedOver[0]);
    EXPECT_EQ(handedOver[2], handedOver[1] + 1);
    EXPECT_EQ(shown, kBlue);
}

}  // namespace
