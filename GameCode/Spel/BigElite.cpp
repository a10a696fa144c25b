// Big enemies (three aircraft in a shallow V) and elite enemies (two that speed up and home in on the
// aeroplane's height). Neither fires; they are dangerous by collision.
#include <cstdlib>

#include "Enemies.h"
#include "EnemyParts.h"

namespace Spel {

namespace {

constexpr std::int32_t kBigCount = 3;
constexpr std::int32_t kEliteCount = 2;

void StartFlying(EnemyBigType& wave, std::int32_t count) {
    for (std::int32_t i = 1; i <= count; ++i) {
        wave.CoX[i] = 1000;
        wave.Move[i] = true;
        wave.Killed[i] = false;
    }
}

// An aircraft whose explosion has shown long enough flies on out of sight.
void EndExplosions(EnemyBigType& wave, std::int32_t count, const TimeRecord& explosion) {
    for (std::int32_t i = 1; i <= count; ++i) {
        if (!wave.Move[i] && enemies::ExplosionOver(explosion, 10)) {
            wave.CoY[i] = -1500;
            wave.Move[i] = true;
            wave.Killed[i] = true;
        }
    }
}

// The delete step of both kinds: a further drift left, the explosions, and the wave's end once the
// aircraft `leader` has reached the left edge.
void DriftAndEnd(EnemyBigType& wave, std::int32_t count, std::int32_t leader, TimeRecord& explosion) {
    for (std::int32_t i = 1; i <= count; ++i) {
        if (wave.Move[i]) {
            wave.CoX[i] -= Difficulty;
        } else {
            enemies::DrawExplosion(wave.CoX[i] - 10, wave.CoY[i] - 10);
            Time::GetClock(explosion.now);
        }
    }
    if (wave.CoX[leader] <= 0) {
        wave.Counter = 0;
        enemies::Park(wave.CoX, wave.CoY, 1, count);
    }
}

void StepBig(EnemyBigType& Big, std::int32_t i) {
    const std::int32_t x = Big.CoX[i];
    const std::int32_t d = Difficulty;
    if (Big.Killed[i]) {
        Big.CoX[i] -= x < 500 ? 4 + d : 1 + d;
        return;
    }
    Big.CoX[i] -= x < 500 ? 5 + d : 2 + d;
    // Pattern B descends on the right half and climbs on the left; pattern A does the opposite.
    const bool descend = (Big.direction == 2) == (x >= 500);
    Big.CoY[i] += descend ? d : -d;
    Wimdows::DrawMaskBitmap(Bitmaps.Enemy[1], Bitmaps.Enemy[7], Big.CoX[i], Big.CoY[i]);
}

std::int32_t HomingStep(std::int32_t px) {
    if (px <= 250) {
        return 3;
    }
    return px <= 500 ? 2 : 1;
}

void StepElite(EnemyBigType& Elite, std::int32_t i, std::int32_t px, std::int32_t py) {
    const std::int32_t x = Elite.CoX[i];
    const std::int32_t d = Difficulty;
    if (Elite.Killed[i]) {
        Elite.CoX[i] -= x > 750 ? 1 + d : 5 + d;
        return;
    }
    if (x > 750) {
        Elite.CoX[i] -= 1 + d;
    } else {
        Elite.CoX[i] -= 5 + d;
        if (px >= Elite.CoX[i]) {
            Elite.CoX[i] -= 5 + d;
        } else if (std::abs(Elite.CoY[1] - Elite.CoY[2]) > 30) {
            const std::int32_t s = HomingStep(px);
            const std::int32_t Height_diff = py - Elite.CoY[i];
            Elite.CoY[i] += Height_diff < 0 ? -s : s;
        }
    }
    Wimdows::DrawMaskBitmap(Bitmaps.Enemy[3], Bitmaps.Enemy[9], Elite.CoX[i], Elite.CoY[i]);
}

}  // namespace

void EnemyBigDraw(std::int32_t TimeDifference, EnemyBigType& Big, TimeRecord& BigExplosion) {
    if (TimeDifference < 500 || EnemyChoice != 2) {
        return;
    }
    const std::int32_t old = Big.Counter;
    Big.Counter += 1;
    if (old == 0) {
        StartFlying(Big, kBigCount);
        enemies::DrawHeightsApart(Big.CoY, kBigCount, 34, [&] {
            for (std::int32_t i = 1; i <= kBigCount; ++i) {
                Big.CoY[i] = Time::RandomNr(90, 637);
            }
        });
        Big.Counter += 1;
    }
    if (Big.CoX[1] <= 0) {
        Big.direction = Time::RandomNr(1, 3);
    }
    for (std::int32_t i = 1; i <= kBigCount; ++i) {
        if (Big.Move[i]) {
            StepBig(Big, i);
        }
    }
    EndExplosions(Big, kBigCount, BigExplosion);
}

void EnemyBigDelete(std::int32_t TimeDifference, EnemyBigType& Big, TimeRecord& BigExplosion) {
    if (TimeDifference < 500 || EnemyChoice != 2 || Big.Counter <= 1) {
        return;
    }
    DriftAndEnd(Big, kBigCount, 3, BigExplosion);
}

void EnemyEliteDraw(std::int32_t TimeDifference, PlayerType Player, EnemyBigType& Elite,
                    TimeRecord& EliteExplosion) {
    if (TimeDifference < 500 || EnemyChoice != 3) {
        return;
    }
    const std::int32_t old = Elite.Counter;
    Elite.Counter += 1;
    if (old == 0) {
        StartFlying(Elite, kEliteCount);
        enemies::DrawHeightsApart(Elite.CoY, kEliteCount, 37, [&] {
            Elite.CoY[2] = Time::RandomNr(90, 637);
            Elite.CoY[1] = Time::RandomNr(90, 637);
        });
        Elite.Counter += 1;
    }
    for (std::int32_t i = 1; i <= kEliteCount; ++i) {
        if (Elite.Move[i]) {
            StepElite(Elite, i, Player.CoX, Player.CoY);
        }
    }
    EndExplosions(Elite, kEliteCount, EliteExplosion);
}

void EnemyEliteDelete(EnemyBigType& Elite, std::int32_t TimeDifference, TimeRecord& EliteExplosion) {
    if (TimeDifference < 500 || EnemyChoice != 3 || Elite.Counter <= 1) {
        return;
    }
    DriftAndEnd(Elite, kEliteCount, 1, EliteExplosion);
}

}  // namespace Spel
