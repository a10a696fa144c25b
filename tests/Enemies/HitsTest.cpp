// The player's volleys against the enemies: strict boxes, scores, kill counters, explosion timers.
#include <functional>
#include <tuple>
#include <vector>

#include "EnemyFixture.h"

namespace enemytest {
namespace {

using Hits = EnemyFixture;

// One kind's box around an enemy at (500, 300): the first and last points inside on each axis.
struct BoxCase {
    const char* kind;
    std::int32_t left, right, top, bottom;
    std::function<void()> test;  // runs the kind's hit test with the volley in slot 1
    std::function<std::int32_t()> kills;
};

TEST_F(Hits, APointOnABoxEdgeIsNoHit) {
    enemy.Small.Counter[8] = 1;
    for (EnemyBigType* wave : {&enemy.Big, &enemy.Elite}) {
        wave->CoX[1] = 500;
        wave->CoY[1] = 300;
    }
    enemy.Small.CoX[1] = enemy.Boat.CoX[1] = 500;
    enemy.Small.CoY[1] = enemy.Boat.CoY[1] = 300;
    bulletCounter = 1;
    bombCounter = 1;
    const std::vector<BoxCase> cases = {
        {"small fighter", 500, 590, 290, 330,
         [this] {
             KillSmallEnemy(1, enemy.Small.CoX, enemy.Small.CoY, enemy.Small.Move, explosions.SmallExplosion,
                            1);
         },
         [] { return Level.Kills[1]; }},
        {"big enemy", 500, 640, 290, 360,
         [this] { KillBigEnemy(enemy.Big.CoX, enemy.Big.CoY, enemy.Big.Move, explosions.BigExplosion, 1); },
         [] { return Level.Kills[2]; }},
        {"elite enemy", 500, 590, 290, 339,
         [this] {
             KillEliteEnemy(enemy.Elite.CoX, enemy.Elite.CoY, enemy.Elite.Move, explosions.EliteExplosion, 1);
         },
         [] { return Level.Kills[3]; }},
        {"boss", 500, 600, 290, 375,
         [this] {
             Difficulty = 3;
             KillBoss(enemy.Boss.HitCounter, 500, 300, enemy.Boss.Move, false, explosions.BossExplosion, 1);
         },
         [this] { return enemy.Boss.HitCounter; }},
    };
    for (const BoxCase& c : cases) {
        const std::int32_t insideX = (c.left + c.right) / 2;
        const std::int32_t insideY = (c.top + c.bottom) / 2;
        const std::pair<std::int32_t, std::int32_t> edges[] = {
            {c.left, insideY}, {c.right, insideY}, {insideX, c.top}, {insideX, c.bottom}};
        for (const auto& [x, y] : edges) {
            Volley(1, x, y);
            c.test();
            EXPECT_TRUE(PlayerBullet[1].Draw) << c.kind << " hit at " << x << ", " << y;
        }
        const std::int32_t before = c.kills();
        const std::pair<std::int32_t, std::int32_t> corners[] = {{c.left + 1, c.top + 1},
                                                                 {c.right - 1, c.bottom - 1}};
        for (const auto& [x, y] : corners) {
            Volley(1, x, y);
            c.test();
            EXPECT_FALSE(PlayerBullet[1].Draw) << c.kind << " missed at " << x << ", " << y;
        }
        EXPECT_EQ(c.kills(), before + 2) << c.kind;
    }
    for (const auto& [x, y, hit] : {std::tuple{500, 310, false},
                                    {590, 310, false},
                                    {501, 290, false},
                                    {589, 339, false},
                                    {501, 291, true},
                                    {589, 338, true}}) {
        Bomb(1, x, y);
        KillBoatEnemy(20, enemy.Boat.CoX, enemy.Boat.CoY, enemy.Boat.Move, explosions.BoatExplosion, 1);
        EXPECT_EQ(PlayerBomb[1].Draw, !hit) << "boat, bomb at " << x << ", " << y;
    }
}

TEST_F(Hits, KillsScoreAndCountByKind) {
    enemy.Small.Counter[8] = 1;
    enemy.Small.CoX[1] = 100;
    enemy.Small.CoY[1] = 100;
    enemy.Big.CoX[2] = 300;
    enemy.Big.CoY[2] = 300;
    enemy.Elite.CoX[1] = 500;
    enemy.Elite.CoY[1] = 500;
    enemy.Boat.CoX[7] = 700;
    enemy.Boat.CoY[7] = 680;
    Volley(1, 150, 110);
    Volley(2, 350, 310);
    Volley(3, 550, 510);
    Bomb(1, 750, 690);
    bulletCounter = 3;
    bombCounter = 1;
    Frame();
    EXPECT_EQ(Score, 10 + 50 + 100 + 1000);
    EXPECT_EQ(Level.Kills[1], 1);
    EXPECT_EQ(Level.Kills[2], 1);
    EXPECT_EQ(Level.Kills[3], 1);
    EXPECT_EQ(Level.Kills[5], 1);
    EXPECT_FALSE(enemy.Small.Move[1]);
    EXPECT_FALSE(enemy.Big.Move[2]);
    EXPECT_FALSE(enemy.Elite.Move[1]);
    EXPECT_FALSE(enemy.Boat.Move[7]);
    EXPECT_EQ(Time::TimeDeltaHundreds(begin.start, explosions.BoatExplosion.start), 1);
}

TEST_F(Hits, AVolleyThatHitsIsParkedAndHitsNothingMore) {
    enemy.Small.Counter[8] = 2;
    for (int k = 1; k <= 2; ++k) {
        enemy.Small.CoX[k] = 400;
        enemy.Small.CoY[k] = 200;
        enemy.Small.Move[k] = true;
    }
    PlayerBullet[1] = AttackType{};
    PlayerBullet[1].MaxIndex = 3;
    PlayerBullet[1].Index = 2;
    PlayerBullet[1].CoX[2] = 450;
    PlayerBullet[1].CoY[2] = 210;
    PlayerBullet[1].Draw = true;
    KillSmallEnemy(2, enemy.Small.CoX, enemy.Small.CoY, enemy.Small.Move, explosions.SmallExplosion, 1);
    EXPECT_EQ(Score, 10);
    EXPECT_FALSE(enemy.Small.Move[1]);
    EXPECT_TRUE(enemy.Small.Move[2]) << "the volley was spent on fighter 1";
    for (int p = 1; p <= 3; ++p) {
        EXPECT_EQ(PlayerBullet[1].CoX[p], -2000);
        EXPECT_EQ(PlayerBullet[1].CoY[p], -1500);
    }
    EXPECT_FALSE(PlayerBullet[1].Draw);
}

TEST_F(Hits, AFighterStillExplodingIsHitAndScoredAgain) {
    enemy.Small.Counter[8] = 1;
    enemy.Small.CoX[1] = 400;
    enemy.Small.CoY[1] = 200;
    Volley(1, 450, 210);
    KillSmallEnemy(1, enemy.Small.CoX, enemy.Small.CoY, enemy.Small.Move, explosions.SmallExplosion, 1);
    const Time::DateTime firstStamp = explosions.SmallExplosion.start;
    Wait(3);
    Volley(2, 460, 210);
    KillSmallEnemy(1, enemy.Small.CoX, enemy.Small.CoY, enemy.Small.Move, explosions.SmallExplosion, 2);
    EXPECT_EQ(Score, 20);
    EXPECT_EQ(Level.Kills[1], 2);
    EXPECT_EQ(Time::TimeDeltaHundreds(firstStamp, explosions.SmallExplosion.start), 3)
        << "the timer restarts";
}

TEST_F(Hits, OneFrameCanDestroySeveralEnemiesWithSeveralVolleys) {
    enemy.Small.Counter[8] = 3;
    for (int k = 1; k <= 3; ++k) {
        enemy.Small.CoX[k] = 600;
        enemy.Small.CoY[k] = 100 * k;
        Volley(k, 650, 100 * k + 5);
    }
    PlayerBullet[2].Draw = false;  // ended before it got there
    KillSmallEnemy(3, enemy.Small.CoX, enemy.Small.CoY, enemy.Small.Move, explosions.SmallExplosion, 3);
    EXPECT_EQ(Level.Kills[1], 2);
    EXPECT_EQ(Score, 20);
}

class BossHits : public EnemyFixture {
  protected:
    void Shoot(std::int32_t x, std::int32_t y, bool shield) {
        Volley(1, x, y);
        KillBoss(enemy.Boss.HitCounter, 832, 300, enemy.Boss.Move, shield, explosions.BossExplosion, 1);
    }
};

TEST_F(BossHits, TheShieldAbsorbsEveryVolleyRightOfItWithinItsHeightBand) {
    enemy.Boss.Move = true;
    Shoot(990, 310, true);
    EXPECT_FALSE(PlayerBullet[1].Draw) << "absorbed far right of the airship";
    Shoot(818, 276, true);
    EXPECT_FALSE(PlayerBullet[1].Draw);
    Shoot(817, 310, true);
    EXPECT_TRUE(PlayerBullet[1].Draw) << "left of the shield";
    Shoot(900, 275, true);
    EXPECT_TRUE(PlayerBullet[1].Draw) << "above the band";
    Shoot(900, 376, true);
    EXPECT_TRUE(PlayerBullet[1].Draw) << "below the band";
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(enemy.Boss.HitCounter, 0);
}

TEST_F(BossHits, AtMediumItDiesOnTheTwentiethBodyHit) {
    Difficulty = 2;
    enemy.Boss.Move = true;
    for (int hit = 1; hit <= 19; ++hit) {
        Shoot(850, 320, false);
        ASSERT_TRUE(enemy.Boss.Move) << hit;
    }
    EXPECT_EQ(Score, 19 * 50);
    EXPECT_EQ(Level.Kills[4], 0);
    Shoot(850, 320, false);
    EXPECT_FALSE(enemy.Boss.Move);
    EXPECT_EQ(Score, 19 * 50 + 5000);
    EXPECT_EQ(Level.Kills[4], 1);
    EXPECT_EQ(enemy.Boss.HitCounter, 20);
}

TEST_F(BossHits, AHitOnTheExplodingAirshipCountsAsAKillingHitAgain) {
    enemy.Boss.HitCounter = 10;
    enemy.Boss.Move = false;
    Shoot(850, 320, false);
    EXPECT_EQ(Score, 5000);
    EXPECT_EQ(Level.Kills[4], 1);
}

}  // namespace
}  // namespace enemytest
