// Gamepads as keys, through SDL's virtual joysticks.
#include <vector>

#include "WimdowsFixture.h"

namespace {

using namespace Wimdows;
using wt::PadAxis;
using wt::PadButton;

class Gamepad : public OpenWindow {
  protected:
    void SetUp() override {
        OpenWindow::SetUp();
        pad_ = wt::PlugPad();
        ASSERT_GE(pad_, 0);
        SetInputObserver([this](const InputEvent& event) { seen_.push_back(event); });
    }
    void TearDown() override {
        SetInputObserver(nullptr);
        OpenWindow::TearDown();
    }
    // Whether pressing the button holds exactly `key`, and releasing it lets go.
    void ExpectButtonIsKey(PadButton button, std::uint32_t key) {
        wt::PressPad(pad_, button, true);
        EXPECT_TRUE(KeyDown(key)) << std::hex << key;
        wt::PressPad(pad_, button, false);
        EXPECT_FALSE(KeyDown(key)) << std::hex << key;
    }

    std::int32_t pad_ = -1;
    std::vector<InputEvent> seen_;
};

TEST_F(Gamepad, ButtonsHoldTheKeysTheyStandFor) {
    ExpectButtonIsKey(PadButton::A, VK_SPACE);
    ExpectButtonIsKey(PadButton::B, VK_B);
    ExpectButtonIsKey(PadButton::X, VK_B);
    ExpectButtonIsKey(PadButton::Start, VK_P);
    ExpectButtonIsKey(PadButton::Back, VK_GAMEPAD_VIEW);
    ExpectButtonIsKey(PadButton::LeftShoulder, VK_GAMEPAD_LEFT_SHOULDER);
    ExpectButtonIsKey(PadButton::RightShoulder, VK_GAMEPAD_RIGHT_SHOULDER);
    ExpectButtonIsKey(PadButton::DpadUp, VK_UP);
    ExpectButtonIsKey(PadButton::DpadDown, VK_DOWN);
    ExpectButtonIsKey(PadButton::DpadLeft, VK_LEFT);
    ExpectButtonIsKey(PadButton::DpadRight, VK_RIGHT);
    // They reach the game as key events, on the path recordings see; Y means nothing and sends nothing.
    wt::PressPad(pad_, PadButton::Y, true);
    ASSERT_EQ(seen_.size(), 22u);
    EXPECT_EQ(seen_[0].kind, InputEvent::Kind::KeyDown);
    EXPECT_EQ(seen_[0].key, VK_SPACE);
    EXPECT_EQ(seen_[1].kind, InputEvent::Kind::KeyUp);
}

TEST_F(Gamepad, TheStickSteersBeyondItsDeadZoneAndLetsGoInsideIt) {
    wt::MovePad(pad_, PadAxis::LeftX, 7000);
    EXPECT_FALSE(KeyDown(VK_RIGHT));
    wt::MovePad(pad_, PadAxis::LeftX, 30000);
    EXPECT_TRUE(KeyDown(VK_RIGHT));
    wt::MovePad(pad_, PadAxis::LeftX, 12000);  // between the two: still steering
    EXPECT_TRUE(KeyDown(VK_RIGHT));
    wt::MovePad(pad_, PadAxis::LeftX, -32768);  // straight across
    EXPECT_FALSE(KeyDown(VK_RIGHT));
    EXPECT_TRUE(KeyDown(VK_LEFT));
    wt::MovePad(pad_, PadAxis::LeftY, -20000);
    EXPECT_TRUE(KeyDown(VK_UP));
    wt::MovePad(pad_, PadAxis::LeftX, 0);
    wt::MovePad(pad_, PadAxis::LeftY, 3000);
    EXPECT_FALSE(KeyDown(VK_LEFT));
    EXPECT_FALSE(KeyDown(VK_UP));
    EXPECT_FALSE(KeyDown(VK_DOWN));
}

TEST_F(Gamepad, AKeyStaysDownWhileAnyPadOrControlHoldsIt) {
    const std::int32_t second = wt::PlugPad();
    ASSERT_GE(second, 0);
    wt::PressPad(pad_, PadButton::DpadLeft, true);
    wt::MovePad(pad_, PadAxis::LeftX, -30000);
    wt::PressPad(second, PadButton::DpadLeft, true);
    wt::PressPad(pad_, PadButton::DpadLeft, false);
    wt::MovePad(pad_, PadAxis::LeftX, 0);
    EXPECT_TRUE(KeyDown(VK_LEFT));
    wt::PressPad(second, PadButton::DpadLeft, false);
    EXPECT_FALSE(KeyDown(VK_LEFT));
    EXPECT_EQ(seen_.size(), 2u) << "one press and one release of the arrow";
}

TEST_F(Gamepad, UnpluggingAPadLetsGoOfEverythingItHeld) {
    wt::PressPad(pad_, PadButton::A, true);
    wt::MovePad(pad_, PadAxis::LeftX, 30000);
    wt::UnplugPad(pad_);
    EXPECT_FALSE(KeyDown(VK_SPACE));
    EXPECT_FALSE(KeyDown(VK_RIGHT));
    // A pad plugged in afterwards plays as well.
    pad_ = wt::PlugPad();
    ASSERT_GE(pad_, 0);
    ExpectButtonIsKey(PadButton::A, VK_SPACE);
}

}  // namespace
