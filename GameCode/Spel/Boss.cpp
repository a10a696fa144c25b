// The boss airship of the last level: its entry, the bobbing, the shield and attack windows, the laser,
// the homing bomb, its explosion and the win.
#include "Enemies.h"
#include "EnemyParts.h"

namespace Spel {

namespace {

constexpr std::int32_t kStopX = 833;  // the entry ends at the first x at or left of this
constexpr std::uint32_t kLaserColour = 0xB0;
constexpr std::uint32_t kShieldColour = 0xB00000;

void Enter(EnemyBossType& Boss) {
    Boss.CoX = 1000;
    Boss.CoY = Time::RandomNr(300, 419);
    Boss.Move = true;
    BossBomb.StartCoX = Boss.CoX + 20;
    BossBomb.StartCoY = Boss.CoY + 50;
    BossBomb.CoX = kStopX;
    BossBomb.CoY = Boss.CoY + 50;
}

// Up and down between 276 and 425; both turns can run in one frame at the top.
void Bob(EnemyBossType& Boss) {
    if (Boss.Height_Boss == 1) {
        const std::int32_t before = Boss.CoY;
        Boss.CoY -= 1;
        if (before == 276) {
            Boss.Height_Boss = -1;
        }
    }
    if (Boss.Height_Boss == -1) {
        const std::int32_t before = Boss.CoY;
        Boss.CoY += 1;
        if (before == 424) {
            Boss.Height_Boss = 1;
        }
    }
}

// Hundredths on a clock started at the level start, less the 150 before the boss may appear.
std::int32_t AttackClock(TimeRecord& clock) {
    Time::GetClock(clock.now);
    return Time::TimeDeltaHundreds(clock.start, clock.now) - 150;
}

bool InWindow(std::int32_t t, std::int32_t windowStart) {
    return windowStart + 1000 < t && t < windowStart + 1200;
}

void RunLaserClock(EnemyBossType& Boss) {
    const std::int32_t t = AttackClock(Boss.Laser_Time);
    if (InWindow(t, Boss.LaserCounter)) {
        if (!Boss.BOMB) {
            Boss.LASER = true;
        }
        Boss.BOMB = Boss.LaserCounter != 0 && Boss.BombCounter % 3 == 0;
    } else if (t >= Boss.LaserCounter + 1200) {
        Boss.LaserCounter += 600;
        Boss.BombCounter += 1;
        Boss.LASER = false;
    }
}

void RunShieldClock(EnemyBossType& Boss) {
    const std::int32_t u = AttackClock(Boss.Shield_Time);
    if (InWindow(u, Boss.ShieldCounter)) {
        Boss.SHIELD = false;
    } else if (u >= Boss.ShieldCounter + 1200) {
        Boss.ShieldCounter += 600;
        Boss.SHIELD = true;
    }
}

std::int32_t BombHomingStep(std::int32_t px) {
    if (px <= 250) {
        return 3;
    }
    if (px <= 500) {
        return 2;
    }
    return px <= 750 ? 1 : 0;
}

void FlyBomb(const EnemyBossType& Boss, std::int32_t px, std::int32_t py) {
    if (BossBomb.CoX <= -2000 && !Boss.SHIELD) {
        BossBomb.CoX = kStopX;
        BossBomb.CoY = BossBomb.StartCoY;
    }
    if (px > BossBomb.CoX) {
        BossBomb.CoX -= 10;
        BossBomb.CoY -= Time::RandomNr(-5, 5);
    } else {
        BossBomb.CoX -= 8;
        const std::int32_t s = BombHomingStep(px);
        BossBomb.CoY += py - BossBomb.CoY < 0 ? -s : s;
    }
    Wimdows::DrawBitmap(Bitmaps.Bullet[4], BossBomb.CoX, BossBomb.CoY);
}

void Fight(EnemyBossType& Boss, std::int32_t px, std::int32_t py) {
    if (Boss.CoX > kStopX) {
        Boss.CoX -= 4;
        BossBomb.StartCoX = Boss.CoX + 20;
        BossBomb.StartCoY = Boss.CoY + 50;
    } else {
        BossBomb.StartCoX = Boss.CoX + 20;
        Bob(Boss);
        BossBomb.StartCoY = Boss.CoY + 50;
        RunLaserClock(Boss);
        if (Boss.LASER && !Boss.BOMB) {
            Wimdows::ThickLine(Boss.CoX - 14, Boss.CoY + 26, 0, Boss.CoY + 26, kLaserColour, 5);
        }
        RunShieldClock(Boss);
        if (Boss.SHIELD) {
            Wimdows::ThickLine(Boss.CoX - 10, Boss.CoY - 25, Boss.CoX - 10, Boss.CoY + 76, kShieldColour, 3);
        }
        if (Boss.BOMB) {
            FlyBomb(Boss, px, py);
        }
    }
    Wimdows::DrawBitmap(Bitmaps.Enemy[4], Boss.CoX, Boss.CoY);
    if (!Boss.BOMB) {
        Wimdows::DrawBitmap(Bitmaps.Bullet[4], BossBomb.StartCoX, BossBomb.StartCoY);
    }
}

}  // namespace

void EnemyBossDraw(std::int32_t TimeDifference, PlayerType Player, EnemyBossType& Boss,
                   TimeRecord& BossExplosion, bool& WIN) {
    if (TimeDifference < 150 || EnemyChoice != 4) {
        return;
    }
    const std::int32_t old = Boss.Counter;
    Boss.Counter += 1;
    if (old == 0) {
        Enter(Boss);
        Boss.Counter += 1;
    }
    if (Boss.Move) {
        Fight(Boss, Player.CoX, Player.CoY);
    } else {
        Wimdows::DrawBitmap(Bitmaps.BackGround[3], Boss.CoX - 10, Boss.CoY - 10);
        Time::GetClock(BossExplosion.now);
    }
    if (!Boss.Move && enemies::ExplosionOver(BossExplosion, 19)) {
        Boss.CoX = -500;
        Boss.CoY = -375;
        BossBomb.CoX = -500;
        BossBomb.CoY = -375;
        WIN = true;
        Boss.Move = true;
        Time::GetClock(WinTime.start);
    }
}

}  // namespace Spel
