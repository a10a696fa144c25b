// The automatic player's whole game with the game's pictures: every frame composed from what changed (the
// sky and the sea restored only where something was drawn over them, only the tiles written compared and
// handed over) is the frame composed whole, and what the window thread got is that frame.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "FrameHashes.h"
#include "Recording.h"
#include "Replay.h"
#include "ScreenRun.h"
#include "Wimdows/Wimdows.h"
#include "Wimdows/WimdowsFrames.h"
#include "WimdowsTesting.h"

namespace {

constexpr std::int64_t kStride = 7;  // not a divisor of the frame rate: every kind of frame comes round

// Hashes every kStride-th frame as the replays do, and notes the first of them that the window thread did
// not get as drawn.
class Checker final : public replay::Watcher {
  public:
    void Screen(Game::Screen) override { Add(); }
    void Presented(Spel::PlayType&) override { Add(); }

    std::stringstream perFrame;  // "<frame> <hash> <chain>"
    std::int64_t firstNotHandedOver = 0;

  private:
    void Add() {
        hashes_.Add();
        if (hashes_.Frames() % kStride == 0 && firstNotHandedOver == 0 &&
            !Wimdows::testing::HandedOverIsBack()) {
            firstNotHandedOver = hashes_.Frames();
        }
    }
    replay::FrameHashes hashes_{500, kStride, &perFrame};
};

struct ReplayedGame {
    std::string summary;
    std::vector<std::string> hashes;
    std::int64_t firstNotHandedOver = 0;
};

ReplayedGame PlayWithPictures(const replay::Recording& recording) {
    Checker checker;
    const replay::Summary summary =
        replay::PlayWatched(recording, checker, std::filesystem::path(SALTWING_DATA_DIR));
    ReplayedGame run{replay::ToText(summary), {}, checker.firstNotHandedOver};
    for (std::string line; std::getline(checker.perFrame, line);) {
        run.hashes.push_back(line);
    }
    return run;
}

TEST(WholeGameWithPictures, FramesComposedFromWhatChangedAreTheFramesComposedWhole) {
    ASSERT_TRUE(std::filesystem::is_directory(std::filesystem::path(SALTWING_DATA_DIR) / "Bitmaps"));
    std::ifstream in(std::string(SALTWING_REPLAY_FILES) + "/whole-game.rec");
    std::string error;
    const std::optional<replay::Recording> recording = replay::Read(in, error);
    ASSERT_TRUE(recording) << error;

    const ReplayedGame incremental = PlayWithPictures(*recording);
    Wimdows::frames::SetIncremental(false);
    const ReplayedGame whole = PlayWithPictures(*recording);
    Wimdows::frames::SetIncremental(true);

    EXPECT_EQ(incremental.summary, whole.summary);
    EXPECT_EQ(incremental.firstNotHandedOver, 0) << "the first frame the window thread got otherwise";
    ASSERT_GT(whole.hashes.size(), 5000u);
    ASSERT_EQ(incremental.hashes.size(), whole.hashes.size());
    // Each line starts with its frame's number: the first that differs names the first frame drawn wrong.
    for (std::size_t i = 0; i < whole.hashes.size(); ++i) {
        ASSERT_EQ(incremental.hashes[i], whole.hashes[i]);
    }
}

}  // namespace
