// What strikes the aeroplane: enemy bullets, collisions with enemy aircraft and the boss, the boss's laser
// and its bomb. A bullet hit gives half a second of immunity to everything.
#include "Enemies.h"
#include "EnemyParts.h"
#include "Music/Music.h"

namespace Spel {

namespace {

void ShootDown(PlayerType& Player) {
    enemies::DrawExplosion(Player.CoX, Player.CoY);
    Player.Crash = true;
}

void CollideWithSmall(PlayerType& Player, const EnemySmallType& Small) {
    const std::int32_t px = Player.CoX;
    const std::int32_t py = Player.CoY;
    for (std::int32_t k = 1; k <= Small.Counter[8]; ++k) {
        const std::int32_t x = Small.CoX[k];
        const std::int32_t y = Small.CoY[k];
        if (x - 83 < px && px < x + 66 && y - 50 < py && py < y + 27) {
            ShootDown(Player);
            enemies::DrawExplosion(x, y);
        }
    }
}

// Big and elite aircraft collide only while they are inside the window.
void CollideWithLarge(PlayerType& Player, const EnemyBigType& wave, std::int32_t count) {
    const std::int32_t px = Player.CoX;
    const std::int32_t py = Player.CoY;
    for (std::int32_t k = 1; k <= count; ++k) {
        const std::int32_t x = wave.CoX[k];
        const std::int32_t y = wave.CoY[k];
        const bool inWindow = 0 <= x && x <= 1000 && 50 <= y && y <= 750;
        if (inWindow && x - 50 < px && px < x + 50 && y - 50 < py && py < y + 50) {
            ShootDown(Player);
            enemies::DrawExplosion(x, y);
        }
    }
}

void StruckByBoss(PlayerType& Player, const EnemyBossType& Boss, bool SHIELD) {
    const std::int32_t px = Player.CoX;
    const std::int32_t py = Player.CoY;
    const std::int32_t x = Boss.CoX;
    const std::int32_t y = Boss.CoY;
    const std::int32_t s = SHIELD ? 10 : 0;
    if (x - s < px + 90 && px < x && y - 10 < py + 60 && py + 60 < y + 100) {
        ShootDown(Player);
    }
    // The laser reaches across the whole window.
    if (Boss.LASER && !Boss.BOMB && y + 20 < py + 60 && py < y + 20) {
        ShootDown(Player);
    }
    const std::int32_t qx = BossBomb.CoX;
    const std::int32_t qy = BossBomb.CoY;
    if (Boss.BOMB && qx < px + 100 && px < qx + 40 && qy < py + 60 && py < qy + 15) {
        ShootDown(Player);
    }
}

// Life lost per bullet, in thirds of the gauge: every second bullet on easy, one on medium, all on hard.
std::int32_t BulletDamage(std::int32_t hits) {
    switch (Difficulty) {
        case 1:
            return hits % 2 == 0 ? 1 : 0;
        case 2:
            return 1;
        default:
            return 3;
    }
}

void StruckByBullets(PlayerType& Player, EnemySmallType& Small, TimeRecord& HitTime) {
    for (std::int32_t i = 1; i <= Coordinates::last; ++i) {
        const std::int32_t bx = Small.BulletCoX[i];
        const std::int32_t by = Small.BulletCoY[i];
        if (Small.BulletHit[i] ||
            !(Player.CoX < bx && bx < Player.CoX + 100 && Player.CoY < by && by < Player.CoY + 75)) {
            continue;
        }
        Player.Hit += 1;
        Small.BulletHit[i] = true;
        Player.LifeCounter += BulletDamage(Player.Hit);
        Player.Hit2 = true;
        Time::GetClock(HitTime.start);
        Small.BulletCoX[i] = enemies::kParkedX;
        Small.BulletCoY[i] = enemies::kParkedY;
        Sound.CrashBullet = Music::LoadSound(sounds::kCrashBullet);
        Music::PlaySound(Sound.CrashBullet, false);
        Music::SetSoundVolume(Sound.CrashBullet, 250);
    }
}

}  // namespace

void KillPlayer(PlayerType& Player, EnemyType& Enemy, TimeRecord& HitTime, bool SHIELD) {
    if (Player.Hit2) {
        Time::GetClock(HitTime.now);
        enemies::DrawExplosion(Player.CoX, Player.CoY);
        if (Time::TimeDeltaHundreds(HitTime.start, HitTime.now) > 50) {
            Player.Hit2 = false;
            Time::GetClock(HitTime.start);
        }
        return;
    }
    CollideWithSmall(Player, Enemy.Small);
    CollideWithLarge(Player, Enemy.Big, 3);
    CollideWithLarge(Player, Enemy.Elite, 2);
    StruckByBoss(Player, Enemy.Boss, SHIELD);
    StruckByBullets(Player, Enemy.Small, HitTime);
}

}  // namespace Spel
