// The small fighters: wave start, movement, volleys, explosions and the wave's end.
#include <unistd.h>

#include "EnemyFixture.h"
#include "Time/TimeTesting.h"

namespace enemytest {
namespace {

class SmallFighters : public EnemyFixture {
  protected:
    // Starts a small wave in the first frame at five seconds.
    void StartSmallWave() {
        WaitUntil(500);
        EnemyChoice = 1;
        EnemySmallDraw(LevelTime(), begin, enemy.Small);
    }
    void Draw() { EnemySmallDraw(LevelTime(), begin, enemy.Small); }
    void Delete() { EnemySmallDelete(LevelTime(), enemy.Small, explosions.SmallExplosion); }
};

TEST_F(SmallFighters, TheFirstWaveHasThreeFightersAtTheRightEdgeEachWithABulletAhead) {
    StartSmallWave();
    const EnemySmallType& small = enemy.Small;
    EXPECT_EQ(small.Counter[8], 3);
    EXPECT_EQ(small.Counter[7], 2);
    EXPECT_EQ(small.Counter[6], 3);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(small.CoX[i], 1000);
        EXPECT_EQ(small.BulletCoX[i], 975);
        EXPECT_EQ(small.BulletCoY[i], small.CoY[i]);
        EXPECT_TRUE(small.Move[i]);
        EXPECT_GE(small.CoY[i], 90);
        EXPECT_LE(small.CoY[i], 637);
    }
    EXPECT_EQ(TimeDelta, 500);
}

TEST_F(SmallFighters, NoTwoFightersStartCloserThanTenPixelsInHeight) {
    for (std::int32_t seed = 0; seed < 400; ++seed) {
        Time::testing::SetRandomState(seed * 97);
        enemy.Small.Counter[7] = 0;
        enemy.Small.Counter[8] = 2 + seed % 4;
        StartSmallWave();
        const std::int32_t n = enemy.Small.Counter[8];
        for (int i = 1; i <= n; ++i) {
            for (int j = i + 1; j <= n; ++j) {
                ASSERT_GE(std::abs(enemy.Small.CoY[i] - enemy.Small.CoY[j]), 10) << "seed " << seed;
            }
        }
    }
}

TEST_F(SmallFighters, AWaveStartsEvenWhenTheRandomSourceCyclesWithinOneHundredth) {
    // 9.97 s into the hour, from this state, the draws of five heights repeat within the hundredth without
    // ever lying 10 pixels apart: the start must wait for the clock instead of spinning for ever.
    alarm(20);
    WaitUntil(997);
    Time::testing::SetRandomState(1519);
    enemy.Small.Counter[8] = 5;
    EnemyChoice = 1;
    Draw();
    alarm(0);
    EXPECT_EQ(enemy.Small.Counter[7], 2);
    EXPECT_GE(LevelTime(), 998);
    for (int i = 1; i <= 5; ++i) {
        for (int j = i + 1; j <= 5; ++j) {
            ASSERT_GE(std::abs(enemy.Small.CoY[i] - enemy.Small.CoY[j]), 10);
        }
    }
}

TEST_F(SmallFighters, FightersAndBulletsMoveAtTheirSpeedPerDifficulty) {
    for (std::int32_t d = 1; d <= 3; ++d) {
        Difficulty = d;
        enemy.Small.Counter[7] = 0;
        StartSmallWave();
        Delete();
        EXPECT_EQ(enemy.Small.CoX[1], 1000 - 2 * d) << "difficulty " << d;
        EXPECT_EQ(enemy.Small.BulletCoX[1], 975 - 5 * d) << "difficulty " << d;
        Wait(1);
        Draw();
        Delete();
        EXPECT_EQ(enemy.Small.CoX[2], 1000 - 4 * d);
        EXPECT_EQ(enemy.Small.BulletCoX[2], 975 - 10 * d);
    }
}

TEST_F(SmallFighters, TheVthVolleyNeverLeavesBeforeOneAndAHalfSecondsTimesV) {
    StartSmallWave();
    std::int32_t volleys = 0;
    while (enemy.Small.Counter[7] != 0) {
        Wait(1);
        Draw();
        if (enemy.Small.Counter[1] - 1 > volleys) {
            volleys = enemy.Small.Counter[1] - 1;
            ASSERT_GE(TimeDifferenceEnemy, 150 * volleys);
            ASSERT_EQ(enemy.Small.Counter[6], 3 * (volleys + 1));
        }
        Delete();
    }
    EXPECT_GT(volleys, 0);
}

TEST_F(SmallFighters, AVolleyPutsOneBulletTwentyFivePixelsAheadOfEveryFighter) {
    StartSmallWave();
    for (int i = 1; i <= 3; ++i) {
        enemy.Small.CoX[i] = 600 + i;
    }
    Wait(5000);  // every fire test now succeeds
    Draw();
    ASSERT_GE(enemy.Small.Counter[1], 2);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(enemy.Small.BulletCoX[3 + k], 575 + k);
        EXPECT_EQ(enemy.Small.BulletCoY[3 + k], enemy.Small.CoY[k]);
    }
}

TEST_F(SmallFighters, AVeryLongWaveStopsFiringWhenItsBulletSlotsAreUsedUp) {
    enemy.Small.Counter[8] = 5;
    StartSmallWave();
    // A long pause: the wave is still on the screen after far more time than a crossing takes.
    Wait(60000);
    for (int frame = 0; frame < 50; ++frame) {
        Draw();
        Wait(1);
    }
    EXPECT_EQ(enemy.Small.Counter[6], 100);
    EXPECT_EQ(enemy.Small.Counter[4], 20);
}

TEST_F(SmallFighters, AShotDownFighterExplodesInPlaceThenFliesOnOutOfSight) {
    StartSmallWave();
    Delete();
    const std::int32_t x = enemy.Small.CoX[2];
    enemy.Small.Move[2] = false;
    Time::GetClock(explosions.SmallExplosion.start);
    for (int h = 0; h < 10; ++h) {
        Draw();
        Delete();
        ASSERT_FALSE(enemy.Small.Move[2]) << h;
        ASSERT_EQ(enemy.Small.CoX[2], x);
        Wait(1);
    }
    Draw();
    Delete();
    EXPECT_TRUE(enemy.Small.Move[2]);
    EXPECT_EQ(enemy.Small.CoY[2], -375);
    Wait(1);
    Draw();
    Delete();
    EXPECT_EQ(enemy.Small.CoX[2], x - 2);
}

TEST_F(SmallFighters, TheWaveEndsWhenFighterOneReachesTheLeftEdgeEvenIfShotDown) {
    StartSmallWave();
    enemy.Small.CoY[1] = -375;  // shot down earlier, flying on unseen
    int frames = 0;
    while (enemy.Small.Counter[7] != 0 && frames < 1000) {
        Wait(1);
        Draw();
        Delete();
        ++frames;
    }
    EXPECT_EQ(frames, 500);
    const std::int32_t n = enemy.Small.Counter[8];
    EXPECT_GE(n, 2);
    EXPECT_LE(n, 5);
    for (int i = 1; i <= n; ++i) {
        EXPECT_EQ(enemy.Small.CoX[i], -2000);
        EXPECT_EQ(enemy.Small.CoY[i], -1500);
    }
}

}  // namespace
}  // namespace enemytest
