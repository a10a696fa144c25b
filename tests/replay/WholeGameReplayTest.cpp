// The committed recording of the automatic player's whole game (made with `saltwing-replay auto`) replays
// to the committed end state and frame hashes. After a deliberate change of play or drawing, make the three
// files again with:
//   saltwing-replay auto whole-game.rec --summary whole-game.summary --samples whole-game.hashes --every 500
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "Replay.h"

namespace {

constexpr std::int64_t kSampleEvery = 500;
constexpr std::int64_t kStride = 10;  // as `saltwing-replay auto` hashes

std::string File(const char* name) {
    return std::string(SALTWING_REPLAY_FILES) + "/" + name;
}

replay::Recording CommittedRecording() {
    std::ifstream in(File("whole-game.rec"));
    std::string error;
    auto recording = replay::Read(in, error);
    EXPECT_TRUE(recording.has_value()) << error;
    return recording.value_or(replay::Recording{});
}

std::vector<replay::FrameHashes::Sample> CommittedSamples() {
    std::ifstream hashFile(File("whole-game.hashes"));
    return replay::ReadSamples(hashFile);
}

// Names the first stretch of `kSampleEvery` frames whose hash chain differs.
void ExpectSameChain(const std::vector<replay::FrameHashes::Sample>& expected,
                     const std::vector<replay::FrameHashes::Sample>& actual) {
    std::int64_t previous = 0;
    for (std::size_t i = 0; i < std::min(expected.size(), actual.size()); ++i) {
        if (actual[i] != expected[i]) {
            ADD_FAILURE() << "the first frame that differs is between frame " << previous + 1 << " and frame "
                          << expected[i].frame;
            return;
        }
        previous = expected[i].frame;
    }
}

TEST(WholeGameReplay, TheAutomaticPlayersGameEndsAsCommittedWithTheSameFrames) {
    const replay::Recording recording = CommittedRecording();
    std::ifstream summaryFile(File("whole-game.summary"));
    std::stringstream expectedSummary;
    expectedSummary << summaryFile.rdbuf();
    const std::vector<replay::FrameHashes::Sample> expected = CommittedSamples();
    ASSERT_FALSE(expected.empty());

    const replay::Outcome outcome = replay::Play(recording, kSampleEvery, kStride);

    EXPECT_EQ(replay::ToText(outcome.summary), expectedSummary.str());
    EXPECT_EQ(outcome.summary.wins, 1);
    EXPECT_EQ(outcome.summary.level, 5);
    ExpectSameChain(expected, outcome.samples);
    EXPECT_EQ(outcome.samples.size(), expected.size());
}

// The menu, the start and the first seconds of level 1: every hand-off between the main thread and the
// window thread that a whole game makes, in a stretch short enough for the thread-checking build.
TEST(WholeGameReplay, ItsFirstTwentySecondsGiveTheSameFrames) {
    constexpr std::int64_t kStretchMs = 20'000;
    replay::Recording recording = CommittedRecording();
    std::erase_if(recording.events, [](const replay::TimedInput& input) { return input.ms >= kStretchMs; });
    recording.endMs = kStretchMs - 1000;  // a replay runs on for a second after the recording's end
    const std::vector<replay::FrameHashes::Sample> expected = CommittedSamples();

    replay::Outcome outcome = replay::Play(recording, kSampleEvery, kStride);
    // The chain at the stretch's last frame is not one of the committed samples.
    std::erase_if(outcome.samples,
                  [](const replay::FrameHashes::Sample& sample) { return sample.frame % kSampleEvery != 0; });

    ASSERT_GE(outcome.samples.size(), 3u);
    ASSERT_LT(outcome.samples.size(), expected.size());
    ExpectSameChain(expected, outcome.samples);
}

}  // namespace
