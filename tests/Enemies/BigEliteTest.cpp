// Big enemies in their two patterns, elite enemies that home in on the aeroplane's height.
#include "EnemyFixture.h"
#include "Time/TimeTesting.h"

namespace enemytest {
namespace {

class BigEnemies : public EnemyFixture {
  protected:
    void Start(std::int32_t direction) {
        WaitUntil(500);
        EnemyChoice = 2;
        enemy.Big.direction = direction;
        Step();
    }
    void Step() {
        EnemyBigDraw(LevelTime(), enemy.Big, explosions.BigExplosion);
        EnemyBigDelete(LevelTime(), enemy.Big, explosions.BigExplosion);
        Wait(1);
    }
};

TEST_F(BigEnemies, PatternBAtEasyDescendsOnePixelPerFrameUntilTheLeftHalfThenClimbs) {
    Start(2);
    std::int32_t x = enemy.Big.CoX[1];
    std::int32_t y = enemy.Big.CoY[1];
    EXPECT_EQ(x, 1000 - 4);
    while (x > 10) {
        Step();
        const std::int32_t step = x < 500 ? -1 : 1;
        ASSERT_EQ(enemy.Big.CoY[1], y + step) << "from x " << x;
        ASSERT_EQ(enemy.Big.CoX[1], x - (x < 500 ? 7 : 4)) << "from x " << x;
        x = enemy.Big.CoX[1];
        y = enemy.Big.CoY[1];
    }
}

TEST_F(BigEnemies, StartAtTheRightEdgeAtLeastThirtyFourPixelsApart) {
    for (std::int32_t seed = 0; seed < 300; ++seed) {
        Time::testing::SetRandomState(seed * 31);
        enemy.Big.Counter = 0;
        WaitUntil(500);
        EnemyChoice = 2;
        EnemyBigDraw(LevelTime(), enemy.Big, explosions.BigExplosion);
        for (int i = 1; i <= 3; ++i) {
            ASSERT_EQ(enemy.Big.CoX[i], 1000 - 3);
            for (int j = i + 1; j <= 3; ++j) {
                ASSERT_GE(std::abs(enemy.Big.CoY[i] - enemy.Big.CoY[j]), 34) << seed;
            }
        }
    }
}

TEST_F(BigEnemies, AShotDownOneFliesOnUnseenOnePixelSlowerAndTheWaveEndsWithAircraftThree) {
    Start(1);
    // Shot down between the frame's drawing and its delete step, as in the frame loop.
    EnemyBigDraw(LevelTime(), enemy.Big, explosions.BigExplosion);
    enemy.Big.Move[3] = false;
    Time::GetClock(explosions.BigExplosion.start);
    EnemyBigDelete(LevelTime(), enemy.Big, explosions.BigExplosion);
    Wait(1);
    const std::int32_t x = enemy.Big.CoX[3];
    for (int h = 1; h <= 10; ++h) {
        Step();
        ASSERT_FALSE(enemy.Big.Move[3]) << h;
        ASSERT_EQ(enemy.Big.CoX[3], x);
    }
    Step();  // the explosion has shown for 10 hundredths: out of sight, flying on
    EXPECT_TRUE(enemy.Big.Move[3]);
    EXPECT_TRUE(enemy.Big.Killed[3]);
    EXPECT_EQ(enemy.Big.CoY[3], -1500);
    const std::int32_t x1 = enemy.Big.CoX[1];
    const std::int32_t x3 = enemy.Big.CoX[3];
    Step();
    EXPECT_EQ(x1 - enemy.Big.CoX[1], 4);
    EXPECT_EQ(x3 - enemy.Big.CoX[3], 3);
    while (enemy.Big.CoX[1] > 0) {
        Step();
    }
    EXPECT_NE(enemy.Big.Counter, 0) << "aircraft 3, shot down, is still on its way";
    while (enemy.Big.Counter != 0) {
        Step();
    }
    EXPECT_EQ(enemy.Big.CoX[1], -2000);
    EXPECT_EQ(enemy.Big.CoY[3], -1500);
}

TEST_F(BigEnemies, TheNextWaveFliesThePatternDrawnAtTheEndOfTheLastOne) {
    Start(2);
    while (enemy.Big.Counter != 0) {
        Step();
    }
    const std::int32_t drawn = enemy.Big.direction;
    ASSERT_GE(drawn, 1);
    ASSERT_LE(drawn, 3);
    Step();  // the next big wave starts
    const std::int32_t y = enemy.Big.CoY[1];
    Step();
    EXPECT_EQ(enemy.Big.direction, drawn);
    EXPECT_EQ(enemy.Big.CoY[1], drawn == 2 ? y + 1 : y - 1);
}

class EliteEnemies : public EnemyFixture {
  protected:
    void Start() {
        WaitUntil(500);
        EnemyChoice = 3;
        Step();
    }
    void Step() {
        EnemyEliteDraw(LevelTime(), player, enemy.Elite, explosions.EliteExplosion);
        EnemyEliteDelete(enemy.Elite, LevelTime(), explosions.EliteExplosion);
        Wait(1);
    }
    // Flies the wave until elite 1 is at or left of x.
    void FlyInto(std::int32_t x) {
        while (enemy.Elite.CoX[1] > x) {
            Step();
        }
    }
    // Both elites left of x 750 at the heights given, the aeroplane at (200, py).
    void HomingRange(std::int32_t y1, std::int32_t y2, std::int32_t py) {
        player.CoX = 200;
        Start();
        FlyInto(750);
        enemy.Elite.CoY[1] = y1;
        enemy.Elite.CoY[2] = y2;
        player.CoY = py;
    }
};

TEST_F(EliteEnemies, StartAtTheRightEdgeAtLeastThirtySevenPixelsApart) {
    for (std::int32_t seed = 0; seed < 300; ++seed) {
        Time::testing::SetRandomState(seed * 53);
        enemy.Elite.Counter = 0;
        WaitUntil(500);
        EnemyChoice = 3;
        EnemyEliteDraw(LevelTime(), player, enemy.Elite, explosions.EliteExplosion);
        ASSERT_EQ(enemy.Elite.CoX[1], 1000 - 2);
        ASSERT_GE(std::abs(enemy.Elite.CoY[1] - enemy.Elite.CoY[2]), 37) << seed;
    }
}

TEST_F(EliteEnemies, HomeInThreePixelsPerFrameWithThePlayerAtX200) {
    HomingRange(100, 600, 400);
    const std::int32_t x = enemy.Elite.CoX[1];
    Step();
    EXPECT_EQ(enemy.Elite.CoY[1], 103);
    EXPECT_EQ(enemy.Elite.CoY[2], 597);
    EXPECT_EQ(enemy.Elite.CoX[1], x - 7);
}

TEST_F(EliteEnemies, AtTheSameHeightAsThePlayerAnEliteMovesDown) {
    HomingRange(400, 100, 400);
    Step();
    EXPECT_EQ(enemy.Elite.CoY[1], 403);
}

TEST_F(EliteEnemies, KeepTheirHeightWhileCloseTogetherOrOncePastThePlayer) {
    HomingRange(100, 130, 400);
    Step();
    EXPECT_EQ(enemy.Elite.CoY[1], 100);
    EXPECT_EQ(enemy.Elite.CoY[2], 130);

    enemy.Elite.CoY[2] = 600;
    FlyInto(player.CoX);
    const std::int32_t y = enemy.Elite.CoY[1];
    const std::int32_t x = enemy.Elite.CoX[1];
    Step();
    EXPECT_EQ(enemy.Elite.CoY[1], y);
    EXPECT_EQ(enemy.Elite.CoX[1], x - 13) << "past the player an elite flies 10 + 3d";
}

TEST_F(EliteEnemies, SpeedUpOncePastX750) {
    Start();
    EXPECT_EQ(enemy.Elite.CoX[1], 997);
    FlyInto(751);
    std::int32_t x = enemy.Elite.CoX[1];
    Step();
    EXPECT_EQ(enemy.Elite.CoX[1], x - 3);
    x = enemy.Elite.CoX[1];
    Step();
    EXPECT_EQ(enemy.Elite.CoX[1], x - 7);
}

}  // namespace
}  // namespace enemytest
