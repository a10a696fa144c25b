// The player's volleys against the enemies: gun volleys against the aircraft and the boss, bombs against
// the boats. Every box is strict: a point on its edge is no hit.
#include "Enemies.h"
#include "EnemyParts.h"
#include "Music/Music.h"

namespace Spel {

namespace {

// A box around an enemy at (x, y): x + left < bx < x + right and y + top < by < y + bottom.
struct HitBox {
    std::int32_t left;
    std::int32_t right;
    std::int32_t top;
    std::int32_t bottom;
};

constexpr HitBox kSmallBox{0, 90, -10, 30};
constexpr HitBox kBigBox{0, 140, -10, 60};
constexpr HitBox kEliteBox{0, 90, -10, 39};
constexpr HitBox kBoatBox{0, 90, -10, 39};
constexpr HitBox kBossBodyBox{0, 100, -10, 75};

// What a kill of one kind earns and where it is counted.
struct Reward {
    std::int32_t points;
    std::int32_t kind;
};

bool Inside(const HitBox& box, std::int32_t x, std::int32_t y, std::int32_t bx, std::int32_t by) {
    return x + box.left < bx && bx < x + box.right && y + box.top < by && by < y + box.bottom;
}

std::int32_t PointX(const AttackType& volley) {
    return volley.CoX[volley.Index];
}
std::int32_t PointY(const AttackType& volley) {
    return volley.CoY[volley.Index];
}

// A volley that hit something leaves the screen and hits nothing more.
void Consume(AttackType& volley) {
    for (std::int32_t p = 1; p <= volley.MaxIndex; ++p) {
        volley.CoX[p] = enemies::kParkedX;
        volley.CoY[p] = enemies::kParkedY;
    }
    volley.Draw = false;
}

// The one scheme of the aircraft and the boats: every enemy against every volley in flight. An enemy
// still showing its explosion is hit, scored and counted again.
void VolleysAgainst(IndexedArray<AttackType, 0, 30>& volleys, std::int32_t volleyCount,
                    std::int32_t enemyCount, const Coordinates& CoX, const Coordinates& CoY, Flags& Move,
                    TimeRecord& explosion, const HitBox& box, Reward reward) {
    for (std::int32_t k = 1; k <= enemyCount; ++k) {
        for (std::int32_t i = 1; i <= volleyCount; ++i) {
            AttackType& volley = volleys[i];
            if (!volley.Draw || !Inside(box, CoX[k], CoY[k], PointX(volley), PointY(volley))) {
                continue;
            }
            Time::GetClock(explosion.start);
            Move[k] = false;
            Score += reward.points;
            Level.Kills[reward.kind] += 1;
            Consume(volley);
        }
    }
}

bool InShield(std::int32_t x, std::int32_t y, std::int32_t bx, std::int32_t by) {
    return bx > x - 15 && y - 25 < by && by < y + 76;
}

void DestroyBoss(bool& Move, TimeRecord& BossExplosion) {
    Sound.Shot = Music::LoadSound(sounds::kBossExplosion);
    Music::PlaySound(Sound.Shot, false);
    Music::SetSoundVolume(Sound.Shot, 250);
    Move = false;
    Score += 5000;
    Time::GetClock(BossExplosion.start);
    Level.Kills[4] += 1;
}

}  // namespace

void KillSmallEnemy(std::int32_t EnemyCounter, const Coordinates& SmallCoX, const Coordinates& SmallCoY,
                    Flags& Move, TimeRecord& SmallExplosion, std::int32_t BulletCounter) {
    VolleysAgainst(PlayerBullet, BulletCounter, EnemyCounter, SmallCoX, SmallCoY, Move, SmallExplosion,
                   kSmallBox, {10, 1});
}

void KillBigEnemy(const Coordinates& BigCoX, const Coordinates& BigCoY, Flags& Move, TimeRecord& BigExplosion,
                  std::int32_t BulletCounter) {
    VolleysAgainst(PlayerBullet, BulletCounter, 3, BigCoX, BigCoY, Move, BigExplosion, kBigBox, {50, 2});
}

void KillEliteEnemy(const Coordinates& EliteCoX, const Coordinates& EliteCoY, Flags& Move,
                    TimeRecord& EliteExplosion, std::int32_t BulletCounter) {
    VolleysAgainst(PlayerBullet, BulletCounter, 2, EliteCoX, EliteCoY, Move, EliteExplosion, kEliteBox,
                   {100, 3});
}

void KillBoatEnemy(std::int32_t EnemyCounter, const Coordinates& BoatCoX, const Coordinates& BoatCoY,
                   Flags& Move, TimeRecord& BoatExplosion, std::int32_t BombCounter) {
    VolleysAgainst(PlayerBomb, BombCounter, EnemyCounter, BoatCoX, BoatCoY, Move, BoatExplosion, kBoatBox,
                   {1000, 5});
}

void KillBoss(std::int32_t& HitCounter, std::int32_t BossCoX, std::int32_t BossCoY, bool& Move, bool SHIELD,
              TimeRecord& BossExplosion, std::int32_t BulletCounter) {
    for (std::int32_t i = 1; i <= BulletCounter; ++i) {
        AttackType& volley = PlayerBullet[i];
        const std::int32_t bx = PointX(volley);
        const std::int32_t by = PointY(volley);
        if (SHIELD) {
            if (InShield(BossCoX, BossCoY, bx, by)) {
                Consume(volley);
            }
        } else if (Inside(kBossBodyBox, BossCoX, BossCoY, bx, by)) {
            HitCounter += 1;
            if (HitCounter < Difficulty * 10) {
                Score += 50;
            } else {
                DestroyBoss(Move, BossExplosion);
            }
            Consume(volley);
        }
    }
}

}  // namespace Spel
