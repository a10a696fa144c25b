// The gun and the bombs: paths, intervals, slots and sounds.
#include <map>
#include <set>
#include <tuple>

#include "Music/Music.h"
#include "Music/MusicTesting.h"
#include "PlayFixture.h"
#include "Spel/Play.h"

namespace {

using playtest::PlayEnd;
using playtest::PlayFixture;

// Volleys released straight through the weapon operations, on a virtual clock, without a window.
class Volleys : public ::testing::Test {
  protected:
    void SetUp() override {
        Time::GetClock(interval_.start);
        Time::Delay(1000);
    }

    static Spel::PlayerType Aeroplane(std::int32_t x, std::int32_t y, std::int32_t speed) {
        Spel::PlayerType player;
        player.CoX = x;
        player.CoY = y;
        player.Speed = speed;
        return player;
    }

    std::int32_t Fire(const Spel::PlayerType& player) {
        Spel::FirePlayer(true, player, counter_, interval_);
        return counter_;
    }

    std::int32_t Drop(const Spel::PlayerType& player) {
        Spel::DropBombs(true, player, counter_, interval_);
        return counter_;
    }

    testsupport::VirtualTime time_;
    Time::TimeRecord interval_;
    std::int32_t counter_ = 0;
};

TEST_F(Volleys, BulletPathsEndWithTheFirstPointBeyondTheWindowsEdge) {
    const Spel::AttackType& right = Spel::PlayerBullet[Fire(Aeroplane(900, 300, 10))];
    EXPECT_EQ(std::tuple(right.MaxIndex, right.CoX[1], right.CoX[2], right.CoY[2], right.BulletSpeed),
              std::tuple(2, 980, 1002, 310, 1));
    Time::Delay(200);
    const Spel::AttackType& left = Spel::PlayerBullet[Fire(Aeroplane(0, 300, -10))];
    EXPECT_EQ(std::tuple(left.MaxIndex, left.CoX[1], left.CoX[2], left.BulletSpeed),
              std::tuple(2, 10, -12, -1));
}

TEST_F(Volleys, BombPathsFallStraightDownToBelowTheSea) {
    const Spel::AttackType& low = Spel::PlayerBomb[Drop(Aeroplane(200, 685, 10))];
    EXPECT_EQ(std::tuple(low.MaxIndex, low.CoX[1], low.CoY[1]), std::tuple(1, 264, 745));
    Time::Delay(500);
    const Spel::AttackType& high = Spel::PlayerBomb[Drop(Aeroplane(200, 50, 10))];
    EXPECT_EQ(std::tuple(high.MaxIndex, high.CoY[1], high.CoX[44], high.CoY[44]),
              std::tuple(44, 110, 264, 755));
    Time::Delay(500);
    EXPECT_EQ(Spel::PlayerBomb[Drop(Aeroplane(200, 50, -10))].CoX[1], 234);
}

TEST_F(Volleys, AFinishedPathIsParkedOffTheScreen) {
    const Spel::PlayerType player = Aeroplane(900, 300, 10);
    const Spel::AttackType& bullet = Spel::PlayerBullet[Fire(player)];
    std::vector<std::int32_t> indices;
    while (bullet.Draw && indices.size() < 10) {
        Time::Delay(10);
        Spel::FirePlayer(false, player, counter_, interval_);
        indices.push_back(bullet.Draw ? bullet.Index : 0);
    }
    EXPECT_EQ(indices, (std::vector<std::int32_t>{1, 2, 2, 2, 0}));
    EXPECT_EQ(bullet.CoX[1], -500);
    EXPECT_EQ(bullet.CoY[2], -375);
}

TEST_F(Volleys, ShotsNeedTwentyHundredthsBetweenThem) {
    const Spel::PlayerType player = Aeroplane(100, 300, 10);
    EXPECT_EQ(Fire(player), 1);
    Time::Delay(190);
    EXPECT_EQ(Fire(player), 1);
    Time::Delay(10);
    EXPECT_EQ(Fire(player), 2);
}

class Weapons : public PlayFixture {
  protected:
    void SetUp() override {
        PlayFixture::SetUp();
        StartGame();
        OnPlayStart([](Spel::PlayType& play) { NoAircraft(play); });
    }
};

TEST_F(Weapons, TheFirstShotComesTwentyHundredthsAndTheFirstBombFiftyIntoAPlay) {
    HoldKey(Wimdows::VK_SPACE, 0);
    HoldKey(Wimdows::VK_B, 0);
    std::int32_t shotAt = -1;
    std::int32_t bombAt = -1;
    RunPlay(
        [&](Spel::PlayType& play) {
            const Time::DateTime& begin = play.Time.BeginTime.start;
            if (shotAt < 0 && play.BulletCounter == 1) {
                shotAt = Time::TimeDeltaHundreds(begin, Spel::PlayerBullet[1].DrawTime.start);
            }
            if (bombAt < 0 && play.BombCounter == 1) {
                bombAt = Time::TimeDeltaHundreds(begin, Spel::PlayerBomb[1].DrawTime.start);
            }
            return bombAt >= 0;
        },
        100);
    EXPECT_EQ(shotAt, 20);
    EXPECT_EQ(bombAt, 50);
}

TEST_F(Weapons, TheGunCyclesThroughTwentySlotsWithItsOwnSoundForEveryShot) {
    HoldKey(Wimdows::VK_SPACE, 0);
    std::vector<std::int32_t> slots;
    std::set<std::uint32_t> sounds;
    std::int32_t last = 0;
    bool soundPlaying = true;
    RunPlay(
        [&](Spel::PlayType& play) {
            if (play.BulletCounter != last) {
                last = play.BulletCounter;
                slots.push_back(last);
                sounds.insert(Spel::Sound.Shot);
                soundPlaying = soundPlaying && Music::testing::CountsAsPlaying(Spel::Sound.Shot);
            }
            return slots.size() == 21;
        },
        21 * 20 + 30);
    ASSERT_EQ(slots.size(), 21u);
    EXPECT_EQ(slots[19], 20);
    EXPECT_EQ(slots[20], 1);
    if (playtest::HaveGameData()) {
        EXPECT_EQ(sounds.size(), 21u);
        EXPECT_TRUE(soundPlaying);
    }
}

TEST_F(Weapons, ABulletShowsEachPointForThreeFramesAndABombForSix) {
    HoldKey(Wimdows::VK_SPACE, 19, 20);
    HoldKey(Wimdows::VK_B, 49, 50);
    std::map<std::int32_t, int> bulletFrames;
    std::map<std::int32_t, int> bombFrames;
    RunPlay(
        [&](Spel::PlayType& play) {
            if (play.BulletCounter == 1 && Spel::PlayerBullet[1].Draw) {
                ++bulletFrames[Spel::PlayerBullet[1].Index];
            }
            if (play.BombCounter == 1 && Spel::PlayerBomb[1].Draw) {
                ++bombFrames[Spel::PlayerBomb[1].Index];
            }
            return play.Time.DiffEnemy >= 120;
        },
        200);
    // A point is left in the frame its time is reached, so the first point shows one frame less here.
    EXPECT_EQ(bulletFrames[1], 2);
    EXPECT_EQ(bulletFrames[2], 3);
    EXPECT_EQ(bulletFrames[3], 3);
    EXPECT_EQ(bombFrames[1], 5);
    EXPECT_EQ(bombFrames[2], 6);
}

}  // namespace
