#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "Music/Music.h"
#include "Music/MusicTesting.h"
#include "MusicTestSupport.h"

namespace {

using Music::testing::ChannelVolume;
using Music::testing::CountsAsPlaying;
using Music::testing::SoundingChannel;
using Music::testing::SoundingChannels;

constexpr int kNone = -1;

class SoundTable : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(Music::InitMusic()); }
    static std::uint32_t Load(const testsupport::TempFile& file) { return Music::LoadSound(file.c_str()); }

    const testsupport::TempFile blip_ = testsupport::SquareWav("blip", 20);
    const testsupport::TempFile tune_ = testsupport::SquareWav("tune", 2000);
};

TEST(SoundTableWithoutDevice, EveryOperationIsQuiet) {
    const testsupport::TempFile file = testsupport::SquareWav("quiet", 50);
    EXPECT_EQ(Music::LoadSound(file.c_str()), 0u);
    Music::PlaySound(1, true);
    Music::SetSoundVolume(1, 100);
    Music::StopSound(1);

    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_FALSE(Music::InitMusic());
    EXPECT_EQ(Music::LoadSound(file.c_str()), 0u);
    Music::PlaySound(1, false);
    EXPECT_EQ(SoundingChannels(), 0);
}

TEST_F(SoundTable, HandlesCountUpInLoadOrderAndShareOneSamplePerFile) {
    EXPECT_EQ(Load(blip_), 1u);
    EXPECT_EQ(Music::LoadSound("audio/no-such-sound.wav"), 0u);
    EXPECT_EQ(Load(blip_), 2u);
    EXPECT_EQ(Load(tune_), 3u);
    for (int shot = 0; shot < 1000; ++shot) {
        Load(tune_);
    }
    EXPECT_EQ(Load(tune_), 1004u);
    EXPECT_EQ(Music::testing::DistinctSamples(), 2u);

    // Handles of one file still play and stop on their own.
    Music::PlaySound(3, true);
    Music::PlaySound(4, true);
    EXPECT_NE(SoundingChannel(3), kNone);
    EXPECT_NE(SoundingChannel(4), SoundingChannel(3));
    Music::StopSound(3);
    EXPECT_EQ(SoundingChannel(3), kNone);
    EXPECT_NE(SoundingChannel(4), kNone);
}

// A play reads its occasional sounds at its start, so that the frame that first plays one does not wait.
TEST_F(SoundTable, ASoundReadAheadTakesNoHandleAndIsNotReadAgain) {
    Music::PreloadSound(blip_.c_str());
    Music::PreloadSound("audio/no-such-sound.wav");
    EXPECT_EQ(Music::testing::DistinctSamples(), 1u);
    std::filesystem::remove(blip_.c_str());
    EXPECT_EQ(Load(blip_), 1u) << "the sample read ahead, though its file is gone";
    Music::PlaySound(1, false);
    EXPECT_NE(SoundingChannel(1), kNone);
}

TEST_F(SoundTable, StartingAgainKeepsTheDeviceTheHandlesAndWhatPlays) {
    const std::uint32_t music = Load(tune_);
    Music::PlaySound(music, true);
    EXPECT_TRUE(Music::InitMusic());
    EXPECT_EQ(Music::testing::AllocatedChannels(), 64);
    EXPECT_NE(SoundingChannel(music), kNone);
    EXPECT_EQ(Load(tune_), music + 1);
}

TEST_F(SoundTable, VolumeActsOnlyOnAPlayingHandleAndIsScaledAndClamped) {
    const std::uint32_t h = Load(tune_);
    Music::SetSoundVolume(h, 0);
    Music::PlaySound(h, true);
    EXPECT_EQ(ChannelVolume(h), 128);
    Music::SetSoundVolume(h, 100);
    EXPECT_EQ(ChannelVolume(h), 50);
    Music::SetSoundVolume(h, 300);
    EXPECT_EQ(ChannelVolume(h), 128);
    Music::SetSoundVolume(h, 1);
    EXPECT_EQ(ChannelVolume(h), 1);
    Music::SetSoundVolume(h, 0);
    EXPECT_EQ(ChannelVolume(h), 0);
    Music::StopSound(h);
    Music::SetSoundVolume(h, 255);
    EXPECT_EQ(ChannelVolume(h), 0);
}

TEST_F(SoundTable, PlayingALoopAgainRestartsItOnOneChannel) {
    const std::uint32_t h = Load(tune_);
    Music::PlaySound(h, true);
    Music::PlaySound(h, true);
    EXPECT_EQ(SoundingChannels(), 1);
    EXPECT_TRUE(CountsAsPlaying(h));
}

TEST_F(SoundTable, StopActsOnlyOnAHandleThatCountsAsPlaying) {
    const std::uint32_t first = Load(tune_);
    const std::uint32_t second = Load(tune_);
    Music::StopSound(first);
    EXPECT_FALSE(CountsAsPlaying(first));

    Music::PlaySound(second, true);
    Music::StopSound(first);
    EXPECT_NE(SoundingChannel(second), kNone);
    Music::StopSound(second);
    EXPECT_FALSE(CountsAsPlaying(second));
    EXPECT_EQ(SoundingChannels(), 0);

    // The second stop in a row does nothing, even to a sound now on the channel it had.
    Music::PlaySound(first, true);
    Music::StopSound(second);
    EXPECT_NE(SoundingChannel(first), kNone);
}

TEST_F(SoundTable, AnEndedOneShotCountsAsPlayingButLeavesItsChannelToTheNextSound) {
    const std::uint32_t shot = Load(blip_);
    Music::PlaySound(shot, false);
    Music::SetSoundVolume(shot, 100);
    ASSERT_TRUE(testsupport::Eventually([&] { return SoundingChannel(shot) == kNone; }));
    EXPECT_TRUE(CountsAsPlaying(shot));
    Music::SetSoundVolume(shot, 255);
    EXPECT_EQ(ChannelVolume(shot), 128);
    Music::SetSoundVolume(shot, 100);

    const std::uint32_t engine = Load(tune_);
    Music::PlaySound(engine, true);
    EXPECT_EQ(ChannelVolume(engine), 128);
    EXPECT_EQ(ChannelVolume(shot), kNone);
    Music::SetSoundVolume(shot, 0);
    Music::StopSound(shot);
    EXPECT_FALSE(CountsAsPlaying(shot));
    EXPECT_NE(SoundingChannel(engine), kNone);
    EXPECT_EQ(ChannelVolume(engine), 128);
}

TEST_F(SoundTable, WithEveryChannelBusyANewSoundIsNotHeardAndStopsNothing) {
    for (int channel = 0; channel < 64; ++channel) {
        Music::PlaySound(Load(tune_), true);
    }
    ASSERT_EQ(SoundingChannels(), 64);
    const std::uint32_t extra = Load(blip_);
    Music::PlaySound(extra, false);
    EXPECT_TRUE(CountsAsPlaying(extra));
    EXPECT_EQ(SoundingChannel(extra), kNone);
    Music::SetSoundVolume(extra, 0);
    Music::StopSound(extra);
    EXPECT_EQ(SoundingChannels(), 64);
}

// A gigabyte of WAV with a valid header (sparse: it takes no disk) made the mixer's loader crash, and a
// tune of gigabytes was read whole. Such a file is refused before the mixer sees it, said once, and the
// sounds beside it still load.
TEST_F(SoundTable, ASoundFileOfAGigabyteIsRefusedAndSaidOnce) {
    const testsupport::TempFile huge = testsupport::SquareWav("huge", 20);
    std::filesystem::resize_file(huge.c_str(), std::uintmax_t{1} << 30);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(Load(huge), 0u);
    EXPECT_EQ(Load(huge), 0u);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, std::string("Saltwing: ") + huge.c_str() +
                        " is larger than 8 MB, the most a sound may have; it is not played\n");
    EXPECT_NE(Load(blip_), 0u);
}

}  // namespace
