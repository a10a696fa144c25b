// The ships on the sea strip: enemy boat waves and the friendly ship.
#include "EnemyFixture.h"
#include "Time/TimeTesting.h"

namespace enemytest {
namespace {

class Boats : public EnemyFixture {
  protected:
    void BoatFrame() {
        EnemyBoatDraw(LevelTime(), enemy.Boat);
        EnemyBoatDelete(LevelTime(), enemy.Boat, explosions.BoatExplosion);
        Wait(1);
    }
    void ShipFrame() {
        FriendlyBoatDraw(LevelTime(), enemy.Allied, enemy.Boat);
        FriendlyBoatDelete(LevelTime(), enemy.Allied);
        Wait(1);
    }
};

TEST_F(Boats, NoBoatBeforeTwoSecondsOfLevelTime) {
    while (LevelTime() < 200) {
        BoatFrame();
        ASSERT_EQ(enemy.Boat.Counter[7], 0);
        ASSERT_EQ(enemy.Boat.CoX[1], -2000);
    }
    BoatFrame();
    EXPECT_EQ(enemy.Boat.Counter[7], 2);
}

TEST_F(Boats, AWaveIsALineOfThreeToEightBoatsEnteringFromBeyondTheRightEdge) {
    WaitUntil(200);
    std::int32_t smallest = 100;
    std::int32_t largest = 0;
    for (std::int32_t seed = 0; seed < 300; ++seed) {
        Time::testing::SetRandomState(seed * 71);
        enemy.Boat.Counter[7] = 0;
        EnemyBoatDraw(LevelTime(), enemy.Boat);
        const std::int32_t n = enemy.Boat.Counter[8];
        smallest = std::min(smallest, n);
        largest = std::max(largest, n);
        ASSERT_EQ(enemy.Boat.CoX[1], 1100);
        ASSERT_EQ(enemy.Boat.CoY[1], 667);
        for (int i = 2; i <= n; ++i) {
            const std::int32_t gap = enemy.Boat.CoX[i] - enemy.Boat.CoX[i - 1];
            ASSERT_GE(gap, 100);
            ASSERT_LE(gap, 800);
            ASSERT_GE(enemy.Boat.CoY[i], 638);
            ASSERT_LE(enemy.Boat.CoY[i], 712);
        }
    }
    EXPECT_EQ(smallest, 3);
    EXPECT_EQ(largest, 8);
}

TEST_F(Boats, BoatsAndTheFriendlyShipSailDifficultyPixelsPerFrame) {
    Difficulty = 2;
    WaitUntil(enemy.Allied.Time);
    BoatFrame();
    ShipFrame();
    const std::int32_t boat = enemy.Boat.CoX[1];
    const std::int32_t ship = enemy.Allied.CoX;
    BoatFrame();
    ShipFrame();
    EXPECT_EQ(enemy.Boat.CoX[1], boat - 2);
    EXPECT_EQ(enemy.Allied.CoX, ship - 2);
}

TEST_F(Boats, ABombedBoatStandsStillWhileItExplodesThenSailsOnUnseen) {
    WaitUntil(200);
    BoatFrame();
    EnemyBoatDraw(LevelTime(), enemy.Boat);
    const std::int32_t n = enemy.Boat.Counter[8];
    enemy.Boat.Move[n] = false;  // the last boat of the line is sunk
    Time::GetClock(explosions.BoatExplosion.start);
    const std::int32_t x = enemy.Boat.CoX[n];
    EnemyBoatDelete(LevelTime(), enemy.Boat, explosions.BoatExplosion);
    Wait(1);
    for (int h = 1; h < 20; ++h) {
        BoatFrame();
        ASSERT_FALSE(enemy.Boat.Move[n]);
        ASSERT_EQ(enemy.Boat.CoX[n], x);
    }
    BoatFrame();
    EXPECT_TRUE(enemy.Boat.Move[n]);
    EXPECT_EQ(enemy.Boat.CoY[n], -1500);
    std::int32_t frames = 0;
    while (enemy.Boat.Counter[7] != 0 && frames < 10000) {
        BoatFrame();
        ++frames;
    }
    EXPECT_LT(frames, 10000) << "the wave ends when the sunk boat reaches the left edge";
    EXPECT_LE(enemy.Boat.CoX[n], 0);
    BoatFrame();
    EXPECT_EQ(enemy.Boat.CoX[1], 1100 - 1) << "the next wave follows at once";
}

TEST_F(Boats, ABoatThatLeftTheScreenCannotBeBombedForPointsInALaterWave) {
    WaitUntil(200);
    BoatFrame();
    const std::int32_t n = enemy.Boat.Counter[8];
    const std::int32_t lastY = enemy.Boat.CoY[n];
    // Sail the whole line off the left edge: the wave ends with its last boat at x <= 0.
    for (std::int32_t i = 1; i <= n; ++i) {
        enemy.Boat.CoX[i] -= enemy.Boat.CoX[n] - 1;
    }
    BoatFrame();
    ASSERT_EQ(enemy.Boat.Counter[7], 0);
    for (std::int32_t i = 1; i <= n; ++i) {
        EXPECT_EQ(enemy.Boat.CoX[i], -2000) << "boat " << i;
        EXPECT_EQ(enemy.Boat.CoY[i], -1500) << "boat " << i;
    }
    // A bomb falling at the left edge, where the last boat was, hits nothing.
    Bomb(1, 10, lastY + 10);
    KillBoatEnemy(20, enemy.Boat.CoX, enemy.Boat.CoY, enemy.Boat.Move, explosions.BoatExplosion, 1);
    EXPECT_TRUE(PlayerBomb[1].Draw);
    EXPECT_EQ(Score, 0);
}

TEST_F(Boats, TheFriendlyShipSailsFromItsStartTimeAndCrossesAgainAndAgain) {
    while (LevelTime() < enemy.Allied.Time) {
        ShipFrame();
        ASSERT_EQ(enemy.Allied.Counter[7], 0);
        ASSERT_EQ(enemy.Allied.CoX, 1000);
        ASSERT_EQ(enemy.Allied.CoY, 637);
    }
    ShipFrame();
    EXPECT_EQ(enemy.Allied.Counter[7], 2);
    EXPECT_GE(enemy.Allied.CoY, 650);
    EXPECT_LE(enemy.Allied.CoY, 700);
    while (enemy.Allied.Counter[7] != 0) {
        ShipFrame();
    }
    EXPECT_LE(enemy.Allied.CoX, 0);
    ShipFrame();
    EXPECT_EQ(enemy.Allied.Counter[7], 2);
    EXPECT_GE(enemy.Allied.CoX, 999);
}

TEST_F(Boats, AFriendlyShipStartingOnAnEnemyBoatIsPushedClearOfIt) {
    enemy.Allied.Time = 201;
    WaitUntil(201);
    enemy.Boat.Counter[8] = 3;
    enemy.Boat.CoX[1] = 950;   // covers 1000: pushed to 1100
    enemy.Boat.CoX[2] = 1080;  // covers 1100: pushed to 1200
    enemy.Boat.CoX[3] = 400;
    ShipFrame();
    EXPECT_EQ(enemy.Allied.CoX, 1200 - 1);
}

TEST_F(Boats, EachEnemyBoatIsLookedAtOnceWhenTheShipIsPushed) {
    enemy.Allied.Time = 201;
    WaitUntil(201);
    enemy.Boat.Counter[8] = 2;
    enemy.Boat.CoX[1] = 1050;  // clear of 1000, but not of 1100
    enemy.Boat.CoX[2] = 990;   // covers 1000: pushed to 1100
    ShipFrame();
    EXPECT_EQ(enemy.Allied.CoX, 1100 - 1);
}

}  // namespace
}  // namespace enemytest
