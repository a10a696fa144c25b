// The boss airship of level 5: entry, bobbing, the attack windows, the homing bomb, the explosion and
// the win.
#include <algorithm>
#include <utility>

#include "EnemyFixture.h"
#include "WimdowsTesting.h"

namespace enemytest {
namespace {

class Boss : public EnemyFixture {
  protected:
    void SetUp() override {
        EnemyFixture::SetUp();
        Level.Now = 5;
        player.CoX = 100;
        player.CoY = 50;  // above the laser and the body at every height the airship takes
    }
    // Frames up to the boss's entry (the first frame at five seconds), that frame included.
    void Enter() {
        WaitUntil(500);
        Frame();
    }
    // Runs frames until the level time reaches `hundredths`.
    void RunUntil(std::int32_t hundredths) {
        while (LevelTime() < hundredths) {
            Frame();
        }
    }
    // A boss in position between two attack windows.
    void InPositionBetweenWindows() {
        Enter();
        RunUntil(600);
        enemy.Boss.LaserCounter = 600;
        enemy.Boss.ShieldCounter = 600;
    }
    void Draw() { EnemyBossDraw(LevelTime(), player, enemy.Boss, explosions.BossExplosion, win); }
};

TEST_F(Boss, EntersAtX1000AndStopsAt832WithoutBobbing) {
    Enter();
    const std::int32_t y = enemy.Boss.CoY;
    EXPECT_GE(y, 300);
    EXPECT_LE(y, 419);
    EXPECT_EQ(enemy.Boss.CoX, 996);
    EXPECT_TRUE(enemy.Boss.SHIELD);
    for (int frame = 2; frame <= 42; ++frame) {
        Frame();
        ASSERT_EQ(enemy.Boss.CoX, 1000 - 4 * frame);
        ASSERT_EQ(enemy.Boss.CoY, y);
    }
    EXPECT_EQ(enemy.Boss.CoX, 832);
    Frame();
    EXPECT_EQ(enemy.Boss.CoX, 832);
    EXPECT_EQ(enemy.Boss.CoY, y + 1) << "the airship first moves down";
    EXPECT_EQ(BossBomb.StartCoX, 852);
    EXPECT_EQ(BossBomb.StartCoY, y + 51);
}

TEST_F(Boss, BobsBetween276And425) {
    Enter();
    std::int32_t low = 1000;
    std::int32_t high = 0;
    for (int frame = 0; frame < 1000; ++frame) {
        Frame();
        low = std::min(low, enemy.Boss.CoY);
        high = std::max(high, enemy.Boss.CoY);
    }
    EXPECT_EQ(low, 276);
    EXPECT_EQ(high, 425);
}

TEST_F(Boss, DropsItsShieldForTheFirstAttackWindowElevenAndAHalfSecondsIntoTheLevel) {
    Enter();
    RunUntil(1151);
    EXPECT_TRUE(enemy.Boss.SHIELD);
    EXPECT_FALSE(enemy.Boss.LASER);
    Frame();  // level time 1151
    EXPECT_FALSE(enemy.Boss.SHIELD);
    EXPECT_TRUE(enemy.Boss.LASER);
    EXPECT_FALSE(enemy.Boss.BOMB);
    RunUntil(1350);
    EXPECT_FALSE(enemy.Boss.SHIELD);
    Frame();  // level time 1350: the window is over
    EXPECT_TRUE(enemy.Boss.SHIELD);
    EXPECT_FALSE(enemy.Boss.LASER);
    RunUntil(1751);
    EXPECT_TRUE(enemy.Boss.SHIELD);
    Frame();
    EXPECT_FALSE(enemy.Boss.SHIELD) << "one window every six seconds";
}

TEST_F(Boss, MakesTheFourthWindowItsFirstBombWindow) {
    Enter();
    for (int window = 1; window <= 3; ++window) {
        RunUntil(1152 + 600 * (window - 1));
        EXPECT_FALSE(enemy.Boss.BOMB) << "window " << window;
        EXPECT_TRUE(enemy.Boss.LASER) << "window " << window;
    }
    RunUntil(2952);
    EXPECT_TRUE(enemy.Boss.BOMB);
    EXPECT_FALSE(enemy.Boss.SHIELD);
    RunUntil(3500);
    EXPECT_TRUE(enemy.Boss.BOMB) << "the bomb flies on through the gap after its window";
    EXPECT_TRUE(enemy.Boss.SHIELD);
    RunUntil(3552);
    EXPECT_FALSE(enemy.Boss.BOMB);
    EXPECT_FALSE(enemy.Boss.LASER)
        << "the bomb flag of the last window still stood when the laser was tested";
    Frame();
    EXPECT_TRUE(enemy.Boss.LASER) << "the fifth window is a laser window again";
}

// Drawn on a cleared back buffer: the laser line reaches the left edge, the shield line stands in front.
TEST_F(Boss, TheLaserCrossesTheWholeWindowAndTheShieldShowsOnlyBetweenWindows) {
    constexpr std::uint32_t kLaser = 0xB0;
    constexpr std::uint32_t kShield = 0xB00000;
    auto drawn = [this] {
        Wimdows::ClearScreen();
        Draw();
        const std::int32_t x = enemy.Boss.CoX;
        const std::int32_t y = enemy.Boss.CoY;
        return std::pair{Wimdows::testing::BackPixel(2, y + 26) == kLaser,
                         Wimdows::testing::BackPixel(x - 10, y + 25) == kShield};
    };
    Enter();
    RunUntil(1152);
    EXPECT_EQ(drawn(), std::pair(true, false)) << "first window: laser, no shield";
    RunUntil(1500);
    EXPECT_EQ(drawn(), std::pair(false, true)) << "between windows: shield, no laser";
    RunUntil(2952);
    EXPECT_EQ(drawn(), std::pair(false, false)) << "bomb window: neither";
}

TEST_F(Boss, ALateFrameStillClosesTheWindowAndTheNextOpensSixSecondsAfterIt) {
    Enter();
    RunUntil(1200);
    EXPECT_FALSE(enemy.Boss.SHIELD);
    Wait(200);  // one frame comes very late, past the window's end
    Frame();
    EXPECT_TRUE(enemy.Boss.SHIELD);
    EXPECT_FALSE(enemy.Boss.LASER);
    EXPECT_EQ(enemy.Boss.LaserCounter, 600);
    EXPECT_EQ(enemy.Boss.ShieldCounter, 600);
    RunUntil(1751);
    EXPECT_TRUE(enemy.Boss.SHIELD);
    Frame();
    EXPECT_FALSE(enemy.Boss.SHIELD);
}

TEST_F(Boss, TheBombHomesInOnThePlayersHeightUntilItHasPassedThePlayer) {
    InPositionBetweenWindows();
    enemy.Boss.BOMB = true;
    BossBomb.CoX = 833;
    BossBomb.CoY = 300;
    player.CoX = 200;
    player.CoY = 400;
    Draw();
    EXPECT_EQ(BossBomb.CoX, 825);
    EXPECT_EQ(BossBomb.CoY, 303);
    player.CoX = 600;
    Draw();
    EXPECT_EQ(BossBomb.CoY, 304);
    player.CoX = 800;
    Draw();
    EXPECT_EQ(BossBomb.CoY, 304) << "no homing with the player right of x 750";

    player.CoX = 200;
    BossBomb.CoX = 150;
    BossBomb.CoY = 500;
    Draw();
    EXPECT_EQ(BossBomb.CoX, 140);
    EXPECT_GE(BossBomb.CoY, 495);
    EXPECT_LE(BossBomb.CoY, 505);
}

TEST_F(Boss, TheBombIsRelaunchedOnlyOnceFarAwayAndWithTheShieldDown) {
    InPositionBetweenWindows();
    enemy.Boss.BOMB = true;
    BossBomb.CoX = -2000;
    Draw();
    EXPECT_EQ(BossBomb.CoX, -2010) << "not relaunched with the shield up";
    BossBomb.CoX = -2000;
    enemy.Boss.ShieldCounter = 0;
    Wait(600);  // the shield clock is now inside a window
    Draw();
    ASSERT_FALSE(enemy.Boss.SHIELD);
    EXPECT_EQ(BossBomb.CoX, 833 - 8);
    EXPECT_EQ(BossBomb.StartCoY, enemy.Boss.CoY + 50);
}

TEST_F(Boss, ExplodesForNineteenHundredthsAfterTheKillingHitThenTheFightIsWon) {
    Enter();
    enemy.Boss.Move = false;  // shot down
    Time::GetClock(explosions.BossExplosion.start);
    const std::int32_t x = enemy.Boss.CoX;
    int frames = 0;
    while (!win && frames < 100) {
        Frame();
        ++frames;
        ASSERT_TRUE(win || enemy.Boss.CoX == x) << "an exploding airship stands still";
    }
    EXPECT_EQ(frames, 20);
    EXPECT_EQ(Time::TimeDeltaHundreds(explosions.BossExplosion.start, WinTime.start), 19);
    EXPECT_EQ(enemy.Boss.CoX, -500);
    EXPECT_EQ(enemy.Boss.CoY, -375);
    EXPECT_EQ(BossBomb.CoX, -500);
    EXPECT_TRUE(enemy.Boss.Move);
}

}  // namespace
}  // namespace enemytest
