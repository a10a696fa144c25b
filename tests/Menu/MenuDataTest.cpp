#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "Menu/Menu.h"
#include "Menu/MenuState.h"
#include "MenuTestSupport.h"
#include "Music/MusicTesting.h"

namespace {

using MenuWithData = testsupport::MenuTest;

TEST_F(MenuWithData, ThePagePicturesAreTheWindowsFirstFiveBitmaps) {
    EXPECT_EQ(Menu::Bitmaps.BackGroundMenu, (std::array<std::uint32_t, 8>{1, 2, 3, 4, 5, 0, 0, 0}));
}

TEST_F(MenuWithData, ReturningFromAPlayRestartsTheMenuMusicAsOneCopy) {
    ASSERT_EQ(Music::testing::SoundingChannels(), 1);
    Menu::MusicMenu();
    Menu::MusicMenu();
    EXPECT_EQ(Music::testing::SoundingChannels(), 1);
}

}  // namespace
