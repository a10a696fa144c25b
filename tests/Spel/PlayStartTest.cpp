// What a play starts with, and what carries over from one play to the next.
#include "PlayFixture.h"

namespace {

using playtest::PlayFixture;

TEST_F(PlayFixture, APlayStartsWithAFreshAeroplaneFullTankAndNoKills) {
    StartGame();
    Spel::Level.Kills[1] = 7;
    Spel::PlayerBullet[3].Draw = true;
    std::optional<Spel::PlayType> start;
    OnPlayStart([&](Spel::PlayType& play) { start = play; });
    RunPlay([](Spel::PlayType&) { return true; }, 1);

    ASSERT_TRUE(start.has_value());
    const Spel::PlayerType& player = start->Player;
    EXPECT_EQ(player.CoX, 100);
    EXPECT_EQ(player.CoY, 250);
    EXPECT_EQ(player.Speed, 10);
    EXPECT_EQ(player.Position.Hori, Spel::R);
    EXPECT_EQ(player.Position.Vert, Spel::N);
    EXPECT_EQ(player.CounterFall, 1);
    EXPECT_EQ(player.CounterCrash, 1);
    EXPECT_EQ(player.LifeCounter, 0);
    EXPECT_FALSE(player.Crash);
    EXPECT_EQ(start->DashBoard.FuelLevel, 4u);
    EXPECT_EQ(start->DashBoard.BombLevel, 4u);
    EXPECT_TRUE(start->DashBoard.GetFuelTime);
    EXPECT_EQ(start->BulletCounter, 0);
    EXPECT_EQ(start->BombCounter, 0);
    EXPECT_FALSE(start->WIN);
    EXPECT_EQ(start->Enemy.Small.Counter[8], 3);
    EXPECT_EQ(start->Enemy.Small.BulletCoX[100], -1000);
    EXPECT_EQ(start->Enemy.Allied.CoX, 1000);
    EXPECT_EQ(start->Enemy.Allied.CoY, 637);
    EXPECT_GE(start->Enemy.Allied.Time, 201);
    EXPECT_LE(start->Enemy.Allied.Time, 1000);
    EXPECT_TRUE(start->Enemy.Boss.SHIELD);
    EXPECT_EQ(start->Enemy.Boss.Height_Boss, -1);
    EXPECT_EQ(Spel::Level.Kills[1], 0);
    EXPECT_FALSE(Spel::PlayerBullet[3].Draw);
    EXPECT_EQ(Spel::EnemyChoice, 0);
    EXPECT_EQ(Spel::Level.Now, 1);
    EXPECT_EQ(Spel::Difficulty, 1);
    EXPECT_EQ(Spel::Score, 0);
}

}  // namespace
