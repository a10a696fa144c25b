// A level's enemy side on the virtual clock, without the player's half of the frame: the records a play
// owns, set up as a play sets them up, and one frame of the enemy operations in the loop's order.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <optional>

#include "Spel/Enemies.h"
#include "Spel/EnemyParts.h"
#include "Spel/State.h"
#include "VirtualTime.h"
#include "Wimdows/Wimdows.h"

namespace enemytest {

using namespace Spel;

class EnemyFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        // Headless and on one time zone also when run by hand.
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        setenv("TZ", "UTC", 0);
        tzset();
        // The window opens on the real clock: its hand-shake must not move the virtual time.
        Wimdows::Window("Game", 1000, 750);
        time_.emplace();
        Difficulty = 1;
        Level.Now = 1;
        Score = 0;
        StartLevel();
    }
    void TearDown() override {
        time_.reset();
        Wimdows::KillWindow();
    }

    // The enemy side of a play's initialisation.
    void StartLevel() {
        enemy = EnemyType{};
        explosions = ExplosionType{};
        for (EnemyBigType* wave : {&enemy.Big, &enemy.Elite}) {
            enemies::Park(wave->CoX, wave->CoY, 1, 100);
        }
        enemies::Park(enemy.Small.CoX, enemy.Small.CoY, 1, 100);
        enemies::Park(enemy.Boat.CoX, enemy.Boat.CoY, 1, 100);
        enemy.Small.BulletCoX.Fill(-1000);
        enemy.Small.BulletCoY.Fill(0);
        enemy.Small.Counter[8] = 3;
        enemy.Allied.Time = Time::RandomNr(201, 1000);
        enemy.Allied.CoX = 1000;
        enemy.Allied.CoY = 637;
        enemy.Boss.CoX = -2000;
        enemy.Boss.CoY = -1500;
        enemy.Boss.Laser_var = 1;
        enemy.Boss.Height_Boss = -1;
        enemy.Boss.SHIELD = true;
        EnemyChoice = 0;
        Level.Kills.Fill(0);
        for (int slot = 1; slot <= 20; ++slot) {
            PlayerBullet[slot].Draw = false;
            PlayerBomb[slot].Draw = false;
        }
        Time::GetClock(enemy.Boss.Laser_Time.start);
        Time::GetClock(enemy.Boss.Shield_Time.start);
        Time::GetClock(begin.start);
        player = PlayerType{};
        player.CoX = 100;
        player.CoY = 250;
        win = false;
    }

    // Hundredths since the level began, as the frame loop hands them to the enemy operations.
    std::int32_t LevelTime() {
        Time::DateTime now;
        Time::GetClock(now);
        return Time::TimeDeltaHundreds(begin.start, now);
    }
    void Wait(long long hundredths) { time_->clock().Advance(std::chrono::milliseconds(10 * hundredths)); }
    // Lets the level time reach `hundredths`.
    void WaitUntil(std::int32_t hundredths) {
        if (hundredths > LevelTime()) {
            Wait(hundredths - LevelTime());
        }
    }

    // The enemy operations of one frame in the loop's order, one hundredth long.
    void Frame() {
        const std::int32_t t = LevelTime();
        EnemySwitcher(enemy, t);
        EnemyDraw(t, begin, enemy, player, explosions, win);
        Wait(1);
        KillSmallEnemy(enemy.Small.Counter[8], enemy.Small.CoX, enemy.Small.CoY, enemy.Small.Move,
                       explosions.SmallExplosion, bulletCounter);
        KillBigEnemy(enemy.Big.CoX, enemy.Big.CoY, enemy.Big.Move, explosions.BigExplosion, bulletCounter);
        KillEliteEnemy(enemy.Elite.CoX, enemy.Elite.CoY, enemy.Elite.Move, explosions.EliteExplosion,
                       bulletCounter);
        KillBoatEnemy(20, enemy.Boat.CoX, enemy.Boat.CoY, enemy.Boat.Move, explosions.BoatExplosion,
                      bombCounter);
        KillBoss(enemy.Boss.HitCounter, enemy.Boss.CoX, enemy.Boss.CoY, enemy.Boss.Move, enemy.Boss.SHIELD,
                 explosions.BossExplosion, bulletCounter);
        KillPlayer(player, enemy, player.HitTime, enemy.Boss.SHIELD);
        EnemyDelete(t, enemy, explosions);
    }

    // A gun volley standing at one point, in slot `slot`; the hit tests look at slots 1..bulletCounter.
    void Volley(std::int32_t slot, std::int32_t x, std::int32_t y) { PlaceVolley(PlayerBullet[slot], x, y); }
    void Bomb(std::int32_t slot, std::int32_t x, std::int32_t y) { PlaceVolley(PlayerBomb[slot], x, y); }

    Time::VirtualClock& Clock() { return time_->clock(); }

    EnemyType enemy;
    ExplosionType explosions;
    TimeRecord begin;
    PlayerType player;
    bool win = false;
    std::int32_t bulletCounter = 0;
    std::int32_t bombCounter = 0;

  private:
    static void PlaceVolley(AttackType& volley, std::int32_t x, std::int32_t y) {
        volley = AttackType{};
        volley.CoX[1] = x;
        volley.CoY[1] = y;
        volley.Index = 1;
        volley.MaxIndex = 1;
        volley.Draw = true;
    }

    std::optional<testsupport::VirtualTime> time_;
};

}  // namespace enemytest
