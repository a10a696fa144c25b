// Stand-ins until the enemy side lands: no enemy appears and nothing is hit.
#include "Enemies.h"

namespace Spel {

void EnemySwitcher(const EnemyType&, std::int32_t) {}
void EnemyDraw(std::int32_t, TimeRecord&, EnemyType&, PlayerType, ExplosionType&, bool&) {}
void EnemyDelete(std::int32_t, EnemyType&, ExplosionType&) {}
void EnemySmallDraw(std::int32_t, TimeRecord, EnemySmallType&) {}
void EnemySmallDelete(std::int32_t, EnemySmallType&, TimeRecord&) {}
void EnemyBigDraw(std::int32_t, EnemyBigType&, TimeRecord&) {}
void EnemyBigDelete(std::int32_t, EnemyBigType&, TimeRecord&) {}
void EnemyEliteDraw(std::int32_t, PlayerType, EnemyBigType&, TimeRecord&) {}
void EnemyEliteDelete(EnemyBigType&, std::int32_t, TimeRecord&) {}
void EnemyBossDraw(std::int32_t, PlayerType, EnemyBossType&, TimeRecord&, bool&) {}
void EnemyBoatDraw(std::int32_t, BoatType&) {}
void EnemyBoatDelete(std::int32_t, BoatType&, TimeRecord&) {}
void FriendlyBoatDraw(std::int32_t, FriendType&, const BoatType&) {}
void FriendlyBoatDelete(std::int32_t, FriendType&) {}
void KillSmallEnemy(std::int32_t, const Coordinates&, const Coordinates&, Flags&, TimeRecord&, std::int32_t) {}
void KillBigEnemy(const Coordinates&, const Coordinates&, Flags&, TimeRecord&, std::int32_t) {}
void KillEliteEnemy(const Coordinates&, const Coordinates&, Flags&, TimeRecord&, std::int32_t) {}
void KillBoatEnemy(std::int32_t, const Coordinates&, const Coordinates&, Flags&, TimeRecord&, std::int32_t) {}
void KillBoss(std::int32_t&, std::int32_t, std::int32_t, bool&, bool, TimeRecord&, std::int32_t) {}
void KillPlayer(PlayerType&, EnemyType&, TimeRecord&, bool) {}

}  // namespace Spel
