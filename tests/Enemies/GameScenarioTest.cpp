// Whole plays on the virtual clock, steered by the automatic player: a level won by real kills, the boss
// shot down through its shield windows, and the whole game from level 1 to the win screen.

#include <cstdio>

#include "AutoPlayer.h"
#include "PlayFixture.h"

namespace {

using Game::Screen;
using playtest::PlayEnd;
using playtest::PlayFixture;

constexpr int kMinute = 60 * 100;  // frames of one minute at a hundred frames a second

void Deliver(const autoplay::Events& events) {
    for (const Wimdows::InputEvent& event : events) {
        Wimdows::Deliver(event);
    }
}

class AutoPlay : public PlayFixture {
  protected:
    // One play steered by the automatic player; `watch` sees every presented frame.
    PlayEnd Play(int maxFrames, const std::function<void(Spel::PlayType&)>& watch = nullptr) {
        const PlayEnd end = RunPlay(
            [&](Spel::PlayType& play) {
                if (watch) {
                    watch(play);
                }
                Deliver(player_.Step(play));
                return false;
            },
            maxFrames);
        Deliver(player_.ReleaseAll());
        return end;
    }

    autoplay::AutoPlayer player_;
};

TEST_F(AutoPlay, LevelOneIsWonByShootingDownAndBombingRealEnemies) {
    StartGame(1, 1);
    const PlayEnd end = Play(10 * kMinute);
    ASSERT_EQ(end.screen, Screen::Play) << "the level did not end in a level change";
    EXPECT_EQ(Spel::Level.Now, 2);
    const auto& kills = Spel::Level.Kills;
    EXPECT_GE(kills[1], 2);
    EXPECT_GE(kills[2], 2);
    EXPECT_GE(kills[5], 2);
    EXPECT_EQ(kills[3], 0);
    EXPECT_EQ(kills[4], 0);
    const std::int32_t score = Spel::Score;
    EXPECT_EQ(score, 10 * kills[1] + 50 * kills[2] + 1000 * kills[5]);

    const PlayEnd next = RunPlay([](Spel::PlayType&) { return true; }, 1);
    EXPECT_TRUE(next.stopped);
    EXPECT_EQ(Spel::Level.Now, 2);
    EXPECT_EQ(Spel::Score, score) << "the score carries over into level 2";
    EXPECT_EQ(Spel::Level.Kills[1], 0);
}

TEST_F(AutoPlay, TheBossIsShotDownThroughItsShieldWindowsAndTheWinScreenFollows) {
    StartGame(5, 1);
    int bodyHitsWithShieldUp = 0;
    std::int32_t hits = 0;
    const PlayEnd end = Play(5 * kMinute, [&](Spel::PlayType& play) {
        if (play.Enemy.Boss.HitCounter != hits) {
            hits = play.Enemy.Boss.HitCounter;
            bodyHitsWithShieldUp += play.Enemy.Boss.SHIELD ? 1 : 0;
        }
    });
    ASSERT_EQ(end.screen, Screen::Win);
    EXPECT_EQ(hits, 10);
    EXPECT_EQ(bodyHitsWithShieldUp, 0);
    EXPECT_EQ(Spel::Level.Kills[4], 1);
    EXPECT_GE(Spel::Score, 9 * 50 + 5000);
    EXPECT_EQ(Time::TimeDeltaHundreds(Spel::WinTime.start, Spel::WinTime.now), 200)
        << "the win screen comes 200 hundredths after the explosion has finished";

    Deliver(autoplay::AutoPlayer::ClickMenuOnWin());
    EXPECT_EQ(RunScreen(Screen::Win, 1000), Screen::MenuWithMusic);
}

TEST_F(AutoPlay, LandingOnTheSailingFriendlyShipRefillsFuelAndBombs) {
    StartGame(1, 1);
    OnPlayStart([](Spel::PlayType& play) {
        PlayFixture::NoAircraft(play);
        play.BombCounter = 20;  // the whole load dropped
    });
    bool landed = false;
    const PlayEnd end = RunPlay(
        [&](Spel::PlayType& play) {
            if (play.Player.TakeDown && !landed) {
                landed = true;
                EXPECT_GE(play.Enemy.Allied.Counter[7], 2) << "the ship is on its crossing";
            }
            Deliver(player_.Step(play));
            return landed && !play.DashBoard.NoBombs && play.DashBoard.FuelLevel == 4;
        },
        3 * kMinute);
    Deliver(player_.ReleaseAll());
    EXPECT_TRUE(end.stopped) << "no refill within three minutes";
}

// The player retries after every crash, as a player would, until the boss is down.
TEST_F(AutoPlay, TheWholeGameIsPlayedFromLevelOneToTheWinScreen) {
    constexpr long long kBound = 60LL * kMinute;  // hundredths of virtual time
    StartGame(1, 1);
    Screen next = Screen::Play;
    int plays = 0;
    int crashes = 0;
    while (next != Screen::Win && Elapsed() < kBound) {
        if (next == Screen::Play) {
            ++plays;
            const PlayEnd end = Play(30 * kMinute);
            ASSERT_TRUE(end.screen.has_value()) << "a play on level " << Spel::Level.Now << " ran too long";
            next = *end.screen;
        } else {
            ASSERT_EQ(next, Screen::GameOver);
            ++crashes;
            Deliver(autoplay::AutoPlayer::ClickRetry());
            next = RunScreen(Screen::GameOver, 1000);
        }
    }
    std::printf("won after %lld hundredths: %d plays, %d crashes, score %d\n", Elapsed(), plays, crashes,
                Spel::Score);
    ASSERT_EQ(next, Screen::Win);
    EXPECT_EQ(Spel::Level.Now, 5);
    EXPECT_EQ(Spel::Level.Kills[4], 1);
    EXPECT_LT(Elapsed(), kBound);
}

}  // namespace
