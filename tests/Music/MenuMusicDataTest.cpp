#include <gtest/gtest.h>

#include "Music.h"
#include "MusicTesting.h"

namespace {

TEST(MenuMusic, TheGeneratedMp3LoadsAndLoops) {
    ASSERT_TRUE(Music::InitMusic());
    const std::uint32_t music = Music::LoadSound("audio/Intro_Menu.mp3");
    ASSERT_NE(music, 0u);
    Music::PlaySound(music, true);
    EXPECT_NE(Music::testing::SoundingChannel(music), -1);
}

}  // namespace
