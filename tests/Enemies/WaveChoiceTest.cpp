// Which aircraft wave comes, and when.
#include <set>

#include "EnemyFixture.h"

namespace enemytest {
namespace {

using WaveChoice = EnemyFixture;

TEST_F(WaveChoice, NoAircraftWaveBeforeFiveSecondsOfLevelTime) {
    while (LevelTime() < 500) {
        Frame();
        ASSERT_EQ(EnemyChoice, 0) << "at " << LevelTime();
        ASSERT_EQ(enemy.Small.Counter[7], 0);
        ASSERT_EQ(enemy.Big.Counter, 0);
    }
    Frame();
    EXPECT_NE(EnemyChoice, 0);
}

TEST_F(WaveChoice, LevelOneBringsOnlySmallFightersOrBigEnemies) {
    std::set<std::int32_t> seen;
    WaitUntil(500);
    for (int frame = 0; frame < 30000; ++frame) {
        Frame();
        seen.insert(EnemyChoice);
    }
    EXPECT_EQ(seen, (std::set<std::int32_t>{1, 2}));
}

TEST_F(WaveChoice, LaterLevelsBringElitesToo) {
    Level.Now = 3;
    std::set<std::int32_t> seen;
    WaitUntil(500);
    for (int frame = 0; frame < 30000; ++frame) {
        Frame();
        seen.insert(EnemyChoice);
    }
    EXPECT_EQ(seen, (std::set<std::int32_t>{1, 2, 3}));
}

TEST_F(WaveChoice, LevelFiveBringsOnlyTheBossAndNothingAfterIt) {
    Level.Now = 5;
    WaitUntil(500);
    Frame();
    EXPECT_EQ(EnemyChoice, 4);
    for (int frame = 0; frame < 3000; ++frame) {
        Frame();
        ASSERT_EQ(EnemyChoice, 4);
        ASSERT_EQ(enemy.Small.Counter[7], 0);
    }
    EXPECT_GT(enemy.Boss.Counter, 3000);
}

TEST_F(WaveChoice, ANewWaveIsChosenOnlyWhenTheRunningOneHasEnded) {
    WaitUntil(500);
    Frame();
    const std::int32_t first = EnemyChoice;
    int changes = 0;
    for (int frame = 0; frame < 20000; ++frame) {
        const bool running = enemy.Small.Counter[7] != 0 || enemy.Big.Counter != 0;
        const std::int32_t before = EnemyChoice;
        Frame();
        if (running) {
            ASSERT_EQ(EnemyChoice, before) << "a wave was replaced while it ran";
        }
        changes += EnemyChoice != before ? 1 : 0;
    }
    EXPECT_NE(first, 0);
    EXPECT_GT(changes, 0);
}

}  // namespace
}  // namespace enemytest
