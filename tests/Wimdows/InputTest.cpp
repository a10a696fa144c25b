#include <SDL_keycode.h>

#include "VirtualTime.h"
#include "WimdowsFixture.h"

namespace {

using namespace Wimdows;

using Input = OpenWindow;

TEST_F(Input, KeysArriveAsWindowsVirtualKeyCodes) {
    const struct {
        SDL_Keycode sym;
        std::uint32_t vk;
    } keys[] = {{SDLK_a, 0x41},      {SDLK_b, 0x42},      {SDLK_p, 0x50},     {SDLK_z, 0x5A},
                {SDLK_0, 0x30},      {SDLK_9, 0x39},      {SDLK_LEFT, 0x25},  {SDLK_UP, 0x26},
                {SDLK_RIGHT, 0x27},  {SDLK_DOWN, 0x28},   {SDLK_SPACE, 0x20}, {SDLK_ESCAPE, 0x1B},
                {SDLK_RETURN, 0x0D}, {SDLK_LSHIFT, 0x10}, {SDLK_RCTRL, 0x11}, {SDLK_LALT, 0x12},
                {SDLK_F1, 0x70},     {SDLK_F12, 0x7B}};
    for (const auto& key : keys) {
        wt::SendSdlKey(key.sym, true);
        EXPECT_TRUE(KeyDown(key.vk)) << std::hex << key.vk;
        EXPECT_TRUE(KeyDown(key.vk)) << "reading consumes nothing";
        wt::SendSdlKey(key.sym, false);
        EXPECT_FALSE(KeyDown(key.vk)) << std::hex << key.vk;
    }
    EXPECT_EQ(wt::KeyQueueLength(), std::size(keys));
    EXPECT_FALSE(KeyDown(256));
    EXPECT_FALSE(KeyDown(0xFFFFFFFFu));
}

TEST_F(Input, EveryPressIsQueuedAutoRepeatsTooUntilFlushKeys) {
    FlushKeys();  // empty: nothing to do
    wt::SendSdlKey(SDLK_SPACE, true);
    wt::SendSdlKey(SDLK_SPACE, true, true);
    wt::SendSdlKey(SDLK_SPACE, true, true);
    wt::SendSdlKey(SDLK_b, true);
    wt::SendSdlKey(SDLK_SPACE, false);
    EXPECT_EQ(wt::KeyQueue(), (std::vector<std::uint32_t>{0x20, 0x20, 0x20, 0x42}));
    FlushKeys();
    EXPECT_EQ(wt::KeyQueueLength(), 0u);
    EXPECT_TRUE(KeyDown(0x42)) << "flushing the queue leaves the key table alone";
}

TEST_F(Input, AKeyStormKeepsOnlyTheNewestPressesQueued) {
    for (int i = 0; i < 10000; ++i) {
        Deliver({InputEvent::Kind::KeyDown, static_cast<std::uint32_t>(0x41 + i % 26), 0, 0});
    }
    const std::vector<std::uint32_t> queue = wt::KeyQueue();
    ASSERT_LE(queue.size(), 256u);
    ASSERT_FALSE(queue.empty());
    EXPECT_EQ(queue.back(), 0x41u + 9999 % 26) << "the newest press stays";
}

TEST_F(Input, LosingTheFocusOrMinimisingIsTakenOnce) {
    EXPECT_FALSE(TakeFocusLoss());
    wt::SendSdlFocusLoss(false);
    EXPECT_TRUE(TakeFocusLoss());
    EXPECT_FALSE(TakeFocusLoss());
    wt::SendSdlFocusLoss(true);
    EXPECT_TRUE(TakeFocusLoss());
    wt::SendSdlFocusLoss(false);
    FlushKeys();
    EXPECT_FALSE(TakeFocusLoss()) << "a new screen starts without it";
}

TEST_F(Input, MousePositionIsTwoWords) {
    std::int32_t x = -1;
    std::int32_t y = -1;
    MousePos(x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    wt::SendSdlMouse(120, 80);
    MousePos(x, y);
    EXPECT_EQ(x, 120);
    EXPECT_EQ(y, 80);
    wt::SendSdlMouse(-1, -3);  // held button, pointer left of and above the window
    MousePos(x, y);
    EXPECT_EQ(x, 65535);
    EXPECT_EQ(y, 65533);
}

std::vector<std::pair<std::int32_t, std::int32_t>> gReleases;
void RecordRelease(std::int32_t x, std::int32_t y) {
    gReleases.emplace_back(x, y);
}

TEST_F(Input, LeftReleaseCallsTheRegisteredProcedure) {
    constexpr std::uint8_t kLeft = 1;
    constexpr std::uint8_t kRight = 3;
    gReleases.clear();
    OnMouseLeftUp(RecordRelease);
    wt::SendSdlMouse(30, 40, kLeft, true);
    EXPECT_TRUE(wt::MouseCaptured());
    wt::SendSdlMouse(31, 41, kLeft, false);
    EXPECT_FALSE(wt::MouseCaptured());
    EXPECT_EQ(gReleases, (decltype(gReleases){{31, 41}}));

    // The second press of a double click sets no flag; its release still calls the procedure.
    wt::SendSdlMouse(5, 6, kLeft, true, 2);
    EXPECT_FALSE(wt::MouseCaptured());
    wt::SendSdlMouse(5, 6, kLeft, false, 2);
    EXPECT_EQ(gReleases.size(), 2u);

    // With the right button held the left one neither captures nor releases.
    wt::SendSdlMouse(0, 0, kRight, true);
    wt::SendSdlMouse(0, 0, kLeft, true);
    wt::SendSdlMouse(0, 0, kLeft, false);
    EXPECT_TRUE(wt::MouseCaptured());
    wt::SendSdlMouse(0, 0, kRight, false);
    EXPECT_FALSE(wt::MouseCaptured());

    OnMouseLeftUp(nullptr);
    wt::SendSdlMouse(1, 1, kLeft, true);
    wt::SendSdlMouse(1, 1, kLeft, false);
    EXPECT_EQ(gReleases.size(), 3u);
}

TEST_F(Input, AScriptedKeyPressArrivesAtItsTime) {
    testsupport::VirtualTime time;
    Schedule(time.clock(), time.At(50), {.kind = InputEvent::Kind::KeyDown, .key = VK_SPACE});
    Schedule(time.clock(), time.At(80), {.kind = InputEvent::Kind::KeyUp, .key = VK_SPACE});
    Time::Delay(490);
    EXPECT_FALSE(KeyDown(VK_SPACE));
    Time::Delay(10);
    EXPECT_TRUE(KeyDown(VK_SPACE));
    EXPECT_EQ(wt::KeyQueue(), std::vector<std::uint32_t>{VK_SPACE});
    Time::Delay(300);
    EXPECT_FALSE(KeyDown(VK_SPACE));
}

TEST(InputWithoutWindow, IsIgnored) {
    Deliver({.kind = InputEvent::Kind::KeyDown, .key = VK_SPACE});
    EXPECT_FALSE(KeyDown(VK_SPACE));
    EXPECT_EQ(wt::KeyQueueLength(), 0u);
}

}  // namespace
