// The enemy side of a play: wave choice, every enemy kind, the friendly ship, and the hit tests.
// The frame loop calls these in its fixed order; each works on the records the loop owns.
#pragma once

#include <cstdint>

#include "State.h"

namespace Spel {

// ---- Waves and the per-frame dispatchers ------------------------------------------------------------------

void EnemySwitcher(const EnemyType& Enemy, std::int32_t TimeDifference);
void EnemyDraw(std::int32_t TimeDifference, TimeRecord& BeginTime, EnemyType& Enemy, PlayerType Player,
               ExplosionType& Explosions, bool& WIN);
void EnemyDelete(std::int32_t TimeDifference, EnemyType& Enemy, ExplosionType& Explosions);

// ---- The kinds --------------------------------------------------------------------------------------------

void EnemySmallDraw(std::int32_t TimeDifference, TimeRecord BeginTime, EnemySmallType& Small);
void EnemySmallDelete(std::int32_t TimeDifference, EnemySmallType& Small, TimeRecord& SmallExplosion);
void EnemyBigDraw(std::int32_t TimeDifference, EnemyBigType& Big, TimeRecord& BigExplosion);
void EnemyBigDelete(std::int32_t TimeDifference, EnemyBigType& Big, TimeRecord& BigExplosion);
void EnemyEliteDraw(std::int32_t TimeDifference, PlayerType Player, EnemyBigType& Elite,
                    TimeRecord& EliteExplosion);
void EnemyEliteDelete(EnemyBigType& Elite, std::int32_t TimeDifference, TimeRecord& EliteExplosion);
void EnemyBossDraw(std::int32_t TimeDifference, PlayerType Player, EnemyBossType& Boss,
                   TimeRecord& BossExplosion, bool& WIN);
void EnemyBoatDraw(std::int32_t TimeDifference, BoatType& Boat);
void EnemyBoatDelete(std::int32_t TimeDifference, BoatType& Boat, TimeRecord& BoatExplosion);
void FriendlyBoatDraw(std::int32_t TimeDifference, FriendType& Allied, const BoatType& Boat);
void FriendlyBoatDelete(std::int32_t TimeDifference, FriendType& Allied);

// ---- Hits and kills ---------------------------------------------------------------------------------------

void KillSmallEnemy(std::int32_t EnemyCounter, const Coordinates& SmallCoX, const Coordinates& SmallCoY,
                    Flags& Move, TimeRecord& SmallExplosion, std::int32_t BulletCounter);
void KillBigEnemy(const Coordinates& BigCoX, const Coordinates& BigCoY, Flags& Move, TimeRecord& BigExplosion,
                  std::int32_t BulletCounter);
void KillEliteEnemy(const Coordinates& EliteCoX, const Coordinates& EliteCoY, Flags& Move,
                    TimeRecord& EliteExplosion, std::int32_t BulletCounter);
void KillBoatEnemy(std::int32_t EnemyCounter, const Coordinates& BoatCoX, const Coordinates& BoatCoY,
                   Flags& Move, TimeRecord& BoatExplosion, std::int32_t BombCounter);
void KillBoss(std::int32_t& HitCounter, std::int32_t BossCoX, std::int32_t BossCoY, bool& Move, bool SHIELD,
              TimeRecord& BossExplosion, std::int32_t BulletCounter);
void KillPlayer(PlayerType& Player, EnemyType& Enemy, TimeRecord& HitTime, bool SHIELD);

}  // namespace Spel
