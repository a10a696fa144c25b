// The small fighters: a wave of two to five that fly in from the right and fire volleys of bullets.
#include "Enemies.h"
#include "EnemyParts.h"

namespace Spel {

namespace {

void FireEnemy(std::int32_t CoX, std::int32_t CoY) {
    Wimdows::DrawBitmap(Bitmaps.Bullet[2], CoX, CoY);
}

// Heights 90 to 637, fighter 1 drawn right after fighter 2, each copied to the fighter's first bullet.
void DrawStartHeights(EnemySmallType& Small, std::int32_t n) {
    for (std::int32_t i = 2; i <= n; ++i) {
        Small.CoY[i] = Time::RandomNr(90, 637);
        Small.BulletCoY[i] = Small.CoY[i];
        if (i == 2) {
            Small.CoY[1] = Time::RandomNr(90, 637);
            Small.BulletCoY[1] = Small.CoY[1];
        }
    }
}

void StartWave(EnemySmallType& Small, const TimeRecord& BeginTime, TimeRecord& TimeFire) {
    const std::int32_t n = Small.Counter[8];
    Small.Counter[1] = 1;
    Small.Counter[4] = 1;
    Small.Counter[6] = n;
    for (std::int32_t i = 1; i <= n; ++i) {
        Small.CoX[i] = 1000;
        Small.BulletCoX[i] = 975;
        Small.Move[i] = true;
    }
    Small.BulletHit.Fill(false);
    enemies::DrawHeightsApart(Small.CoY, n, 10, [&] { DrawStartHeights(Small, n); });
    Small.Counter[7] += 1;
    Time::GetClock(TimeFire.start);
    TimeDelta = Time::TimeDeltaHundreds(BeginTime.start, TimeFire.start);
}

// One new bullet in front of every fighter, in the next block of n bullet slots.
void FireVolley(EnemySmallType& Small) {
    const std::int32_t n = Small.Counter[8];
    const std::int32_t block = Small.Counter[4] * n;
    // A volley that would need bullet slots past the last one is not fired: nothing is written outside.
    if (block + n > Coordinates::last) {
        return;
    }
    for (std::int32_t k = 1; k <= n; ++k) {
        Small.BulletCoX[block + k] = Small.CoX[k] - 25;
        Small.BulletCoY[block + k] = Small.CoY[k];
    }
    Small.Counter[6] += n;
    Small.Counter[4] += 1;
    Small.Counter[1] += 1;
}

}  // namespace

void EnemySmallDraw(std::int32_t TimeDifference, TimeRecord BeginTime, EnemySmallType& Small) {
    if (TimeDifference < 500 || EnemyChoice != 1) {
        return;
    }
    TimeRecord TimeFire;
    const std::int32_t old = Small.Counter[7];
    Small.Counter[7] += 1;
    if (old == 0) {
        StartWave(Small, BeginTime, TimeFire);
    }
    Time::GetClock(TimeFire.now);
    TimeDifferenceEnemy = Time::TimeDeltaHundreds(BeginTime.start, TimeFire.now) - TimeDelta;

    const std::int32_t n = Small.Counter[8];
    for (std::int32_t i = 1; i <= n; ++i) {
        if (Small.Move[i]) {
            Wimdows::DrawMaskBitmap(Bitmaps.Enemy[0], Bitmaps.Enemy[6], Small.CoX[i], Small.CoY[i]);
        }
    }
    const std::int32_t m = Small.Counter[6];
    for (std::int32_t i = 1; i <= m; ++i) {
        if (Small.Move[i] && !Small.BulletHit[i]) {
            const std::int32_t R = Time::RandomNr(3, 100 / Difficulty);
            if (TimeDifferenceEnemy >= R * 50 * Small.Counter[1]) {
                FireVolley(Small);
            }
        }
        FireEnemy(Small.BulletCoX[i], Small.BulletCoY[i]);
    }
}

void EnemySmallDelete(std::int32_t TimeDifference, EnemySmallType& Small, TimeRecord& SmallExplosion) {
    if (TimeDifference < 500 || Small.Counter[7] <= 1 || EnemyChoice != 1) {
        return;
    }
    for (std::int32_t i = 1; i <= Small.Counter[8]; ++i) {
        if (Small.Move[i]) {
            Small.CoX[i] -= 2 * Difficulty;
        } else {
            enemies::DrawExplosion(Small.CoX[i] - 10, Small.CoY[i] - 10);
            Time::GetClock(SmallExplosion.now);
        }
        if (!Small.Move[i] && enemies::ExplosionOver(SmallExplosion, 10)) {
            Small.CoY[i] = -375;
            Small.Move[i] = true;
        }
    }
    for (std::int32_t i = 1; i <= Small.Counter[6]; ++i) {
        if (Small.BulletHit[i]) {
            Small.BulletCoX[i] = 2000;
            Small.BulletCoY[i] = 2000;
        } else {
            Small.BulletCoX[i] -= 5 * Difficulty;
        }
    }
    if (Small.CoX[1] <= 0) {
        Small.Counter[7] = 0;
        Small.Counter[8] = Time::RandomNr(2, 5);
        enemies::Park(Small.CoX, Small.CoY, 1, Small.Counter[8]);
    }
}

}  // namespace Spel
