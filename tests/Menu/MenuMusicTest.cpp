#include <gtest/gtest.h>

#include <cstdlib>

#include "Menu/Menu.h"
#include "MenuTestSupport.h"

namespace {

using Game::Screen;
using namespace testsupport;

class WithoutSound : public MenuTest {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
        ::testing::internal::CaptureStdout();
        MenuTest::SetUp();
    }
};

TEST_F(WithoutSound, EveryStartOfTheMusicSaysSoOnceAndThePagesStillWork) {
    EXPECT_EQ(Menu::MusicMenu(), Screen::MainMenu);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Error with initializing"
              "Error with initializing");
    ClickIn(100, kMenuX, kStoryY);
    EXPECT_EQ(Menu::DrawMenu(), Screen::Story);
}

}  // namespace
