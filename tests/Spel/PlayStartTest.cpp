// What a play starts with, and what carries over from one play to the next.
#include "PlayFixture.h"
#include "WimdowsTesting.h"

namespace {

using playtest::PlayEnd;
using playtest::PlayFixture;

TEST_F(PlayFixture, APlayStartsWithAFreshAeroplaneFullTankAndNoKills) {
    StartGame();
    Spel::Level.Kills[1] = 7;
    Spel::PlayerBullet[3].Draw = true;
    std::optional<Spel::PlayType> start;
    OnPlayStart([&](Spel::PlayType& play) { start = play; });
    bool running = false;
    RunPlay(
        [&](Spel::PlayType& play) {
            running = Spel::testing::RunningPlay() == &play;
            return true;
        },
        1);
    EXPECT_TRUE(running);
    EXPECT_EQ(Spel::testing::RunningPlay(), nullptr);

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

TEST_F(PlayFixture, MeetingTheQuotaShowsTheLevelPicturesAndStartsTheNextLevelAfresh) {
    StartGame();
    Spel::Score = 1230;
    OnPlayStart([](Spel::PlayType& play) { NoAircraft(play); });
    HoldKey(Wimdows::VK_RIGHT, 0, 20);
    // What the window shows in the middle of each stage of the level change, which starts at 32.
    std::vector<std::uint64_t> shown;
    for (long long at : {100, 275, 425, 575, 725, 790}) {
        AtPlayTime(32 + at, [&shown] { shown.push_back(Wimdows::testing::PresentedHash()); });
    }
    std::uint64_t lastFrame = 0;
    long long lastFrameAt = 0;
    const PlayEnd end = RunPlay(
        [&](Spel::PlayType& play) {
            lastFrameAt = Elapsed();
            lastFrame = Wimdows::testing::PresentedHash();
            if (play.Time.DiffEnemy == 30) {
                Spel::Level.Kills[1] = Spel::Level.Kills[2] = Spel::Level.Kills[5] = 5;
            }
            return false;
        },
        100);
    EXPECT_EQ(end.screen, Game::Screen::Play);
    EXPECT_EQ(end.frames, 32);  // 31 quota drawn and met; 32 shows the pictures instead of a frame
    EXPECT_EQ(Spel::Level.Now, 2);
    // 2 s on the last frame, then the four pictures for 1.5 s each, within the unfinished frame.
    EXPECT_EQ(Elapsed() - lastFrameAt, 800);
    // The last frame for two seconds, then the four pictures, the last one until the new level starts.
    ASSERT_EQ(shown.size(), 6u);
    EXPECT_EQ(shown[0], lastFrame);
    for (int picture = 0; picture < 4; ++picture) {
        Wimdows::DrawBitmap(Spel::Bitmaps.Level[picture], 0, 0);
        EXPECT_EQ(shown[static_cast<std::size_t>(picture) + 1], Wimdows::testing::BackHash()) << picture;
    }
    EXPECT_EQ(shown[5], shown[4]);

    std::optional<Spel::PlayType> start;
    OnPlayStart([&](Spel::PlayType& play) { start = play; });
    RunPlay([](Spel::PlayType&) { return true; }, 1);
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->Player.CoX, 100);
    EXPECT_EQ(start->Player.CoY, 250);
    EXPECT_EQ(start->DashBoard.FuelLevel, 4u);
    EXPECT_EQ(start->BombCounter, 0);
    EXPECT_EQ(Spel::Level.Kills[1], 0);
    EXPECT_EQ(Spel::Score, 1230);
}

TEST_F(PlayFixture, KillsBelowEveryPossibleQuotaNeverEndTheLevel) {
    StartGame();
    OnPlayStart([](Spel::PlayType& play) { NoAircraft(play); });
    const PlayEnd end = RunPlay(
        [](Spel::PlayType&) {
            Spel::Level.Kills[1] = 1;
            Spel::Level.Kills[2] = Spel::Level.Kills[5] = 5;
            return Spel::Level.Next;
        },
        300);
    EXPECT_TRUE(end.timedOut);
}

TEST_F(PlayFixture, OnTheBossLevelNoNumberOfKillsEndsTheLevel) {
    StartGame(5);
    OnPlayStart([](Spel::PlayType& play) { NoAircraft(play); });
    const PlayEnd end = RunPlay(
        [](Spel::PlayType&) {
            Spel::Level.Kills.Fill(1000);
            return Spel::Level.Next;
        },
        100);
    EXPECT_TRUE(end.timedOut);
}

}  // namespace
