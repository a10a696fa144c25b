// The fullscreen key on the headless window: it acts on the window only, and the pointer keeps reading game
// pixels on the display-sized window.
#include <SDL_keycode.h>

#include "WimdowsFixture.h"

namespace {

using namespace Wimdows;

using Screen = OpenWindow;

constexpr std::uint32_t kF11 = 0x7A;

std::pair<std::int32_t, std::int32_t> PointerAt(std::int32_t x, std::int32_t y) {
    wt::SendSdlMouse(x, y);
    std::pair<std::int32_t, std::int32_t> at;
    MousePos(at.first, at.second);
    return at;
}

TEST_F(Screen, F11TogglesFullscreenWithoutReachingTheGameAndThePointerStaysInGamePixels) {
    using At = std::pair<std::int32_t, std::int32_t>;
    EXPECT_EQ(PointerAt(512, 384), (At{512, 384}));

    wt::SendSdlKey(SDLK_F11, true);
    wt::SendSdlKey(SDLK_F11, false);
    EXPECT_FALSE(KeyDown(kF11));
    EXPECT_EQ(wt::KeyQueueLength(), 0u);
    // The dummy display is 1024 × 768: the picture fills it at 1.024×.
    EXPECT_EQ(PointerAt(512, 384), (At{500, 375}));
    EXPECT_EQ(PointerAt(1023, 767), (At{999, 749}));
    EXPECT_EQ(PointerAt(-1, -1), (At{65535, 65535}));
    UpdateWindow();
    Wimdows::frames::WaitPresented();

    wt::SendSdlKey(SDLK_F11, true);
    wt::SendSdlKey(SDLK_F11, true, true);  // auto-repeat toggles nothing
    wt::SendSdlKey(SDLK_F11, false);
    EXPECT_EQ(PointerAt(512, 384), (At{512, 384})) << "back at 1x";
    EXPECT_EQ(wt::KeyQueueLength(), 0u);
    EXPECT_EQ(wt::XLen(), 1000u) << "the game's picture keeps its size";
    EXPECT_EQ(wt::YLen(), 750u);
}

}  // namespace
