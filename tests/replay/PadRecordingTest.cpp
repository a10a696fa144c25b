// A game played with a virtual pad only, recorded through the input observer, replays to the same frames.
#include <gtest/gtest.h>

#include <functional>

#include "Recorder.h"
#include "Replay.h"
#include "Time/TimeTesting.h"
#include "WimdowsTesting.h"

namespace {

using std::chrono::milliseconds;
using Wimdows::testing::PadAxis;
using Wimdows::testing::PadButton;

constexpr std::int64_t kSampleEvery = 20;
constexpr std::int64_t kStride = 5;  // reading the back buffer is the slow part of a run

// Start with the D-pad and A, steer right and fire, dive into the sea, retry with the D-pad and A, then
// hold Back until the program ends. Every move of the pad happens a moment after the frame or screen
// that prompted it, inside the game's wait, as a real player's does.
class PadPlayer final : public replay::Watcher {
  public:
    PadPlayer(Time::VirtualClock& clock, replay::FrameHashes& hashes) : clock_(clock), hashes_(hashes) {}

    void Screen(Game::Screen next) override {
        hashes_.Add();
        if (next == Game::Screen::MainMenu) {
            Later(milliseconds(500), [this] {
                pad_ = Wimdows::testing::PlugPad();
                Tap(PadButton::DpadDown);
                Tap(PadButton::A);
            });
        } else if (next == Game::Screen::GameOver) {
            Later(milliseconds(500), [this] {
                Wimdows::testing::MovePad(pad_, PadAxis::LeftY, 0);
                Tap(PadButton::DpadLeft);
                Tap(PadButton::A);
            });
        }
    }
    void Started(Spel::PlayType&) override {
        frame_ = 0;
        ++plays_;
    }
    void Presented(Spel::PlayType&) override {
        hashes_.Add();
        ++frame_;
        if (plays_ == 1 && frame_ == 20) {
            Later(milliseconds(1), [this] { Wimdows::testing::MovePad(pad_, PadAxis::LeftX, 30000); });
        } else if (plays_ == 1 && frame_ == 40) {
            Later(milliseconds(1), [this] { Press(PadButton::A, true); });
        } else if (plays_ == 1 && frame_ == 60) {
            Later(milliseconds(1), [this] {
                Press(PadButton::A, false);
                Wimdows::testing::MovePad(pad_, PadAxis::LeftX, 0);
                Wimdows::testing::MovePad(pad_, PadAxis::LeftY, 32767);
            });
        } else if (plays_ == 2 && frame_ == 10) {
            Later(milliseconds(1), [this] { Press(PadButton::Back, true); });
        }
    }

  private:
    void Later(milliseconds after, std::function<void()> action) {
        clock_.Schedule(clock_.Now() + after, std::move(action));
    }
    void Press(PadButton button, bool down) { Wimdows::testing::PressPad(pad_, button, down); }
    void Tap(PadButton button) {
        Press(button, true);
        Press(button, false);
    }

    Time::VirtualClock& clock_;
    replay::FrameHashes& hashes_;
    std::int32_t pad_ = -1;
    int plays_ = 0;
    int frame_ = 0;
};

TEST(PadRecording, AGamePlayedWithAPadReplaysToTheSameFrames) {
    replay::Recording recording;
    replay::Summary summary;
    std::vector<replay::FrameHashes::Sample> samples;
    {
        const replay::Headless headless;
        Time::VirtualClock clock;
        Time::UseClockSource(&clock);
        Time::testing::SetRandomState(0);
        replay::FrameHashes hashes(kSampleEvery, kStride);
        PadPlayer player(clock, hashes);
        replay::Recorder recorder(clock.Now());
        summary = replay::RunScreens(clock, player, clock.Now() + std::chrono::minutes(2));
        recording = recorder.Finish();
        samples = hashes.Samples();
        Time::UseClockSource(nullptr);
        Time::SetWaitHook(nullptr);
    }
    EXPECT_EQ(summary.last, Game::Screen::Exit);
    EXPECT_EQ(summary.plays, 2);
    EXPECT_EQ(summary.crashes, 1);

    const replay::Outcome outcome = replay::Play(recording, kSampleEvery, kStride);
    EXPECT_EQ(replay::ToText(outcome.summary), replay::ToText(summary));
    EXPECT_EQ(outcome.samples, samples);
}

}  // namespace
