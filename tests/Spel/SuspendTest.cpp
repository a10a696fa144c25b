// A play that the player leaves without pausing it (suspend, SIGSTOP, another window, minimised) goes on
// where it stopped, and a close or a signal ends even the game's long waits at once.
#include <map>

#include "PlayFixture.h"
#include "WimdowsTesting.h"

namespace {

using playtest::PlayEnd;
using playtest::PlayFixture;

struct Moment {
    std::int32_t height = 0;
    std::uint32_t fuel = 0;
    std::int32_t paused = 0;
};
// What the play looked like at every presented frame, by play time.
using Moments = std::map<std::int32_t, Moment>;

class Suspend : public PlayFixture {
  protected:
    void TearDown() override {
        Wimdows::testing::ForgetCloseRequest();
        PlayFixture::TearDown();
    }

    void StartHigh() { StartAlone(100, 250); }

    Moments Fly(std::int32_t until) {
        Moments moments;
        RunPlay(
            [&](Spel::PlayType& play) {
                moments[play.Time.DiffEnemy] = {play.Player.CoY, play.DashBoard.FuelLevel,
                                                play.Player.PauseTime};
                return play.Time.DiffEnemy >= until;
            },
            2000);
        return moments;
    }

    // A focus loss (or minimising) at play time 50, and P at 1050.
    void ExpectPauseAfter(bool minimised) {
        StartHigh();
        AtPlayTime(50, [=] { Wimdows::testing::SendSdlFocusLoss(minimised); });
        HoldKey(Wimdows::VK_P, 1050, 1055);
        const Moments moments = Fly(1300);
        ASSERT_FALSE(moments.empty());
        const auto resumed = moments.upper_bound(60);
        ASSERT_NE(resumed, moments.end());
        EXPECT_GE(resumed->first, 1050) << "frames went on behind the player's back";
        EXPECT_GE(resumed->second.paused, 990);
        EXPECT_EQ(moments.rbegin()->second.height, 250 + 10 * 2)
            << "two fall steps in 250 hundredths of play";
    }
};

TEST_F(Suspend, FiftySecondsStoppedBetweenTwoFramesCountAsAPause) {
    StartHigh();
    AtPlayTime(150, [this] { time().clock().Advance(std::chrono::seconds(50)); });
    const Moments moments = Fly(5300);
    const auto after = moments.lower_bound(5000);
    ASSERT_NE(after, moments.end());
    ASSERT_NE(after, moments.begin());
    const Moment& before = std::prev(after)->second;
    EXPECT_EQ(after->second.height, before.height) << "the aeroplane fell while the game was stopped";
    EXPECT_EQ(after->second.fuel, before.fuel) << "the tank emptied while the game was stopped";
    EXPECT_GE(after->second.paused, 4990);
    EXPECT_EQ(moments.rbegin()->second.fuel, 4u);
    EXPECT_LT(moments.rbegin()->second.height, 300);
}

// The first frame after a gap ending at `end` shows the aeroplane as the last frame before it did.
void ExpectNothingChangedOver(const Moments& moments, std::int32_t end) {
    const auto after = moments.lower_bound(end);
    ASSERT_NE(after, moments.end()) << "no frame after " << end;
    ASSERT_NE(after, moments.begin());
    const Moment& before = std::prev(after)->second;
    EXPECT_EQ(after->second.height, before.height) << "the aeroplane fell while the game was stopped";
    EXPECT_EQ(after->second.fuel, before.fuel) << "the tank emptied while the game was stopped";
}

// Every stop counts, not only the first of a play.
TEST_F(Suspend, TwoStopsInOnePlayEachCountAsAPause) {
    StartHigh();
    AtPlayTime(150, [this] { time().clock().Advance(std::chrono::seconds(50)); });
    AtPlayTime(5300, [this] { time().clock().Advance(std::chrono::seconds(50)); });
    const Moments moments = Fly(10500);
    ExpectNothingChangedOver(moments, 5000);
    ExpectNothingChangedOver(moments, 10000);
    EXPECT_GE(moments.rbegin()->second.paused, 9990);
}

TEST_F(Suspend, AStopAfterAPauseWithPCountsWhole) {
    StartHigh();
    HoldKey(Wimdows::VK_P, 50, 55);
    HoldKey(Wimdows::VK_P, 1050, 1055);
    AtPlayTime(1300, [this] { time().clock().Advance(std::chrono::seconds(50)); });
    const Moments moments = Fly(6500);
    ExpectNothingChangedOver(moments, 1060);
    ExpectNothingChangedOver(moments, 6000);
    EXPECT_GE(moments.rbegin()->second.paused, 1000 + 4990);
}

TEST_F(Suspend, LosingTheKeyboardFocusPausesUntilP) {
    ExpectPauseAfter(false);
}

TEST_F(Suspend, MinimisingTheWindowPausesUntilP) {
    ExpectPauseAfter(true);
}

TEST_F(Suspend, ClosingTheWindowDuringTheCrashSequenceEndsAtOnce) {
    StartGame();
    OnPlayStart([](Spel::PlayType& play) { play.Player.CoY = 745; });
    HoldKey(Wimdows::VK_DOWN, 0);
    AtPlayTime(100, [] { Wimdows::testing::CloseFromTitleBar(); });
    const long long start = Elapsed();
    EXPECT_THROW(RunPlay([](Spel::PlayType&) { return false; }, 1000), Wimdows::WindowClosed);
    EXPECT_LE(Elapsed() - start, 110);
}

TEST_F(Suspend, ASignalDuringTheLevelChangeEndsItAtOnce) {
    StartGame();
    OnPlayStart([](Spel::PlayType&) { Spel::Level.Next = true; });
    AtPlayTime(100, [] { Wimdows::RequestClose(); });
    const long long start = Elapsed();
    EXPECT_THROW(RunPlay([](Spel::PlayType&) { return false; }, 1000), Wimdows::WindowClosed);
    EXPECT_LE(Elapsed() - start, 110);
}

}  // namespace
