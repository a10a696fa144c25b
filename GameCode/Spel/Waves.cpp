// The aircraft wave choice and the two per-frame dispatchers that run every enemy kind in a fixed order.
#include "Enemies.h"

namespace Spel {

void EnemySwitcher(const EnemyType& Enemy, std::int32_t TimeDifference) {
    const bool waveRunning = Enemy.Small.Counter[7] != 0 || Enemy.Big.Counter != 0 ||
                             Enemy.Elite.Counter != 0 || Enemy.Boss.Counter != 0;
    if (TimeDifference < 500 || waveRunning) {
        return;
    }
    const std::int32_t Max = Level.Now < 3 ? Level.Now + 1 : 3;
    EnemyChoice = Time::RandomNr(1, Max);
    if (Level.Now == 5) {
        EnemyChoice = 4;
    }
}

void EnemyDraw(std::int32_t TimeDifference, TimeRecord& BeginTime, EnemyType& Enemy, PlayerType Player,
               ExplosionType& Explosions, bool& WIN) {
    EnemySmallDraw(TimeDifference, BeginTime, Enemy.Small);
    EnemyBoatDraw(TimeDifference, Enemy.Boat);
    FriendlyBoatDraw(TimeDifference, Enemy.Allied, Enemy.Boat);
    EnemyBigDraw(TimeDifference, Enemy.Big, Explosions.BigExplosion);
    EnemyEliteDraw(TimeDifference, Player, Enemy.Elite, Explosions.EliteExplosion);
    EnemyBossDraw(TimeDifference, Player, Enemy.Boss, Explosions.BossExplosion, WIN);
}

void EnemyDelete(std::int32_t TimeDifference, EnemyType& Enemy, ExplosionType& Explosions) {
    EnemySmallDelete(TimeDifference, Enemy.Small, Explosions.SmallExplosion);
    EnemyBoatDelete(TimeDifference, Enemy.Boat, Explosions.BoatExplosion);
    FriendlyBoatDelete(TimeDifference, Enemy.Allied);
    EnemyBigDelete(TimeDifference, Enemy.Big, Explosions.BigExplosion);
    EnemyEliteDelete(Enemy.Elite, TimeDifference, Explosions.EliteExplosion);
}

}  // namespace Spel
