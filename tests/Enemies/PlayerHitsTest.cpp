// What strikes the aeroplane: bullets with their damage by difficulty and the immunity after a hit,
// collisions, the boss's laser and bomb.
#include "EnemyFixture.h"

namespace enemytest {
namespace {

class PlayerHits : public EnemyFixture {
  protected:
    void Test() { KillPlayer(player, enemy, player.HitTime, enemy.Boss.SHIELD); }
    // An enemy bullet in slot `slot` inside the aeroplane's box.
    void BulletAtPlayer(std::int32_t slot) {
        enemy.Small.BulletCoX[slot] = player.CoX + 50;
        enemy.Small.BulletCoY[slot] = player.CoY + 30;
    }
    // Lets the half-second immunity after a hit run out.
    void OutlastImmunity() {
        for (int h = 0; h < 60 && player.Hit2; ++h) {
            Wait(1);
            Test();
        }
    }
    void BossAt(std::int32_t x, std::int32_t y) {
        enemy.Boss.CoX = x;
        enemy.Boss.CoY = y;
        enemy.Boss.Move = true;
    }
};

TEST_F(PlayerHits, BulletDamageFollowsTheDifficulty) {
    const std::int32_t expected[4][3] = {{}, {0, 1, 1}, {1, 2, 3}, {3, 6, 9}};
    for (std::int32_t d = 1; d <= 3; ++d) {
        Difficulty = d;
        player = PlayerType{};
        player.CoX = 300;
        player.CoY = 300;
        for (int hit = 1; hit <= 3; ++hit) {
            BulletAtPlayer(hit);
            Test();
            ASSERT_EQ(player.Hit, hit);
            EXPECT_EQ(player.LifeCounter, expected[d][hit - 1]) << "difficulty " << d << ", bullet " << hit;
            OutlastImmunity();
        }
        enemy.Small.BulletHit.Fill(false);
    }
}

TEST_F(PlayerHits, ABulletThatStrikesIsSpentAndLeavesTheScreen) {
    BulletAtPlayer(7);
    Test();
    EXPECT_TRUE(enemy.Small.BulletHit[7]);
    EXPECT_EQ(enemy.Small.BulletCoX[7], -2000);
    EXPECT_EQ(enemy.Small.BulletCoY[7], -1500);
    EXPECT_TRUE(player.Hit2);
    OutlastImmunity();
    BulletAtPlayer(7);  // even back in the box it never strikes again
    Test();
    EXPECT_EQ(player.Hit, 1);
}

TEST_F(PlayerHits, SeveralBulletsInOneFrameEachCount) {
    Difficulty = 2;
    BulletAtPlayer(1);
    BulletAtPlayer(2);
    Test();
    EXPECT_EQ(player.Hit, 2);
    EXPECT_EQ(player.LifeCounter, 2);
}

TEST_F(PlayerHits, ForHalfASecondAfterABulletNothingStrikesThePlayer) {
    BulletAtPlayer(1);
    Test();
    ASSERT_TRUE(player.Hit2);
    enemy.Small.Counter[8] = 1;
    enemy.Small.CoX[1] = player.CoX;  // a fighter right on the aeroplane
    enemy.Small.CoY[1] = player.CoY;
    BulletAtPlayer(2);
    for (int h = 1; h <= 51; ++h) {
        Wait(1);
        Test();
        ASSERT_FALSE(player.Crash) << h << " hundredths after the hit";
        ASSERT_EQ(player.Hit, 1);
    }
    EXPECT_FALSE(player.Hit2);
    Wait(1);
    Test();
    EXPECT_TRUE(player.Crash);
    EXPECT_EQ(player.Hit, 2);
}

TEST_F(PlayerHits, FlyingIntoAFighterShootsThePlayerDown) {
    enemy.Small.Counter[8] = 1;
    enemy.Small.CoY[1] = 300;
    player.CoY = 300;
    for (const auto& [x, crash] : {std::pair{183, false}, {182, true}, {34, false}, {35, true}}) {
        enemy.Small.CoX[1] = x;
        player.Crash = false;
        Test();
        EXPECT_EQ(player.Crash, crash) << "fighter at x " << x;
    }
}

TEST_F(PlayerHits, BigAndEliteEnemiesOutsideTheWindowCannotCollide) {
    player.CoX = 0;
    player.CoY = 60;
    for (EnemyBigType* wave : {&enemy.Big, &enemy.Elite}) {
        wave->CoX[1] = -1;
        wave->CoY[1] = 60;
        Test();
        EXPECT_FALSE(player.Crash);
        wave->CoX[1] = 0;
        Test();
        EXPECT_TRUE(player.Crash);
        player.Crash = false;
        wave->CoY[1] = 49;
        Test();
        EXPECT_FALSE(player.Crash);
        wave->CoX[1] = -2000;
    }
}

TEST_F(PlayerHits, TheLaserStrikesAtAnyX) {
    BossAt(832, 300);
    enemy.Boss.LASER = true;
    for (const std::int32_t px : {0, 400, 900}) {
        player.CoX = px;
        player.CoY = 300;
        player.Crash = false;
        Test();
        EXPECT_TRUE(player.Crash) << "x " << px;
    }
    for (const std::int32_t py : {260, 320}) {
        player.CoY = py;
        player.Crash = false;
        Test();
        EXPECT_FALSE(player.Crash) << "y " << py << " is clear of the beam";
    }
}

TEST_F(PlayerHits, InABombWindowTheLaserDoesNotStrikeButTheBombDoes) {
    BossAt(832, 300);
    enemy.Boss.LASER = true;
    enemy.Boss.BOMB = true;
    BossBomb.CoX = -2000;
    player.CoX = 400;
    player.CoY = 300;
    Test();
    EXPECT_FALSE(player.Crash);
    BossBomb.CoX = 480;
    BossBomb.CoY = 320;
    Test();
    EXPECT_TRUE(player.Crash);
}

}  // namespace
}  // namespace enemytest
