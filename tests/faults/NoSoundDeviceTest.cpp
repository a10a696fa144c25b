// With no sound device the game says "Error with initializing" and plays on in silence.
#include <gtest/gtest.h>

#include <string>

#include "MenuAndPlay.h"
#include "Music/MusicTesting.h"

namespace {

TEST(NoSoundDevice, TheGameSaysErrorWithInitializingAndPlaysInSilence) {
    testing::internal::CaptureStdout();
    const faults::ProgramRun run = faults::RunMenuAndPlay(200);
    const std::string said = testing::internal::GetCapturedStdout();

    EXPECT_NE(said.find("Error with initializing"), std::string::npos) << said;
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(run.timedOut);
    EXPECT_GT(run.playFrames, 100);
    EXPECT_EQ(Music::testing::AllocatedChannels(), 0);
    EXPECT_EQ(Music::testing::SoundingChannels(), 0);
    EXPECT_EQ(Music::testing::DistinctSamples(), 0u);
}

}  // namespace
