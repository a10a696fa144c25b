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

TEST(WholeGameReplay, TheAutomaticPlayersGameEndsAsCommittedWithTheSameFrames) {
    std::ifstream in(File("whole-game.rec"));
    std::string error;
    const auto recording = replay::Read(in, error);
    ASSERT_TRUE(recording.has_value()) << error;
    std::ifstream summaryFile(File("whole-game.summary"));
    std::stringstream expectedSummary;
    expectedSummary << summaryFile.rdbuf();
    std::ifstream hashFile(File("whole-game.hashes"));
    const std::vector<replay::FrameHashes::Sample> expected = replay::ReadSamples(hashFile);
    ASSERT_FALSE(expected.empty());

    const replay::Outcome outcome = replay::Play(*recording, kSampleEvery, kStride);

    EXPECT_EQ(replay::ToText(outcome.summary), expectedSummary.str());
    EXPECT_EQ(outcome.summary.wins, 1);
    EXPECT_EQ(outcome.summary.level, 5);
    std::int64_t previous = 0;
    for (std::size_t i = 0; i < std::min(expected.size(), outcome.samples.size()); ++i) {
        if (outcome.samples[i] != expected[i]) {
            ADD_FAILURE() << "the first frame that differs is between frame " << previous + 1 << " and frame "
                          << expected[i].frame;
            break;
        }
        previous = expected[i].frame;
    }
    EXPECT_EQ(outcome.samples.size(), expected.size());
}

}  // namespace
