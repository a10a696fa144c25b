// The gun and the bombs. A release computes the volley's whole path at once; after that every frame draws
// the volley at its current point and moves it on when it has stood there long enough.
#include "Play.h"
#include "Wimdows/Wimdows.h"

namespace Spel {

namespace {

using Time::GetClock;
using Time::TimeDeltaHundreds;
using Volleys = IndexedArray<AttackType, 0, 30>;

constexpr std::int32_t kSlots = 20;
constexpr std::int32_t kParkX = -500;
constexpr std::int32_t kParkY = -375;

// What tells the gun from the bombs in the common release and flight.
struct Weapon {
    Volleys& volleys;
    std::int32_t interval;   // hundredths between releases
    std::int32_t pointTime;  // hundredths at each point of the path
    const char* soundFile;
    std::uint32_t& sound;
    void (*draw)(const AttackType& volley);
};

void DrawBullet(const AttackType& bullet) {
    const std::uint32_t picture = bullet.BulletSpeed == 1 ? Bitmaps.Bullet[1] : Bitmaps.Bullet[2];
    Wimdows::DrawBitmap(picture, bullet.CoX[bullet.Index], bullet.CoY[bullet.Index]);
}

// Not of the design (a black disc of radius 5 there): the shaded bomb's picture covers the same 11 pixels
// square around the point.
void DrawBomb(const AttackType& bomb) {
    constexpr std::int32_t kRadius = 5;
    Wimdows::DrawMaskBitmap(Bitmaps.Bullet[3], Bitmaps.Bullet[5], bomb.CoX[bomb.Index] - kRadius,
                            bomb.CoY[bomb.Index] - kRadius);
}

Weapon Gun() {
    return {PlayerBullet, 20, 2, sounds::kShot, Sound.Shot, DrawBullet};
}
Weapon Bombs() {
    return {PlayerBomb, 50, 5, sounds::kBomb, Sound.Bomb, DrawBomb};
}

// The next slot when the interval since the last release has passed; nullptr when it has not.
AttackType* NextSlot(const Weapon& weapon, std::int32_t& counter, TimeRecord& interval) {
    GetClock(interval.now);
    if (TimeDeltaHundreds(interval.start, interval.now) < weapon.interval) {
        return nullptr;
    }
    counter = counter == kSlots ? 1 : counter + 1;
    return &weapon.volleys[counter];
}

// The path's last point is the first one beyond the limit.
void Launch(AttackType& volley, std::int32_t dx, std::int32_t dy,
            bool (*beyond)(std::int32_t x, std::int32_t y)) {
    volley.Index = 0;
    std::int32_t k = 0;
    do {
        volley.Index = volley.Index + 1;
        volley.CoX[volley.Index] = volley.StartCoX + dx * k;
        volley.CoY[volley.Index] = volley.StartCoY + dy * k;
        k = k + 1;
    } while (!beyond(volley.CoX[volley.Index], volley.CoY[volley.Index]));
    volley.MaxIndex = volley.Index;
    volley.Index = 1;
    volley.Draw = true;
    volley.GetDrawTime = true;
}

void Park(AttackType& volley) {
    volley.Draw = false;
    for (std::int32_t i = 1; i <= volley.MaxIndex; ++i) {
        volley.CoX[i] = kParkX;
        volley.CoY[i] = kParkY;
    }
}

void Fly(const Weapon& weapon, bool released, TimeRecord& interval) {
    bool restartInterval = released;
    for (std::int32_t slot = 1; slot <= kSlots; ++slot) {
        AttackType& volley = weapon.volleys[slot];
        if (!volley.Draw) {
            continue;
        }
        if (restartInterval) {
            GetClock(interval.start);
            restartInterval = false;
        }
        if (volley.GetDrawTime) {
            GetClock(volley.DrawTime.start);
            volley.GetDrawTime = false;
        }
        weapon.draw(volley);
        GetClock(volley.DrawTime.now);
        volley.TimeDifferenceDrawTime = TimeDeltaHundreds(volley.DrawTime.start, volley.DrawTime.now);
        if (volley.Index == 1 && volley.TimeDifferenceDrawTime == 0) {
            weapon.sound = PlaySoundOnce(weapon.soundFile, 250);
        }
        if (volley.TimeDifferenceDrawTime >= weapon.pointTime) {
            volley.GetDrawTime = true;
            if (volley.Index == volley.MaxIndex) {
                Park(volley);
            } else {
                volley.Index = volley.Index + 1;
            }
        }
    }
}

}  // namespace

void FirePlayer(bool SpaceFlag, PlayerType Player, std::int32_t& BulletCounter, TimeRecord& TimeDeltaBullet) {
    const Weapon gun = Gun();
    AttackType* bullet = SpaceFlag ? NextSlot(gun, BulletCounter, TimeDeltaBullet) : nullptr;
    if (bullet != nullptr) {
        const bool right = Player.Speed > 0;
        bullet->StartCoX = right ? Player.CoX + 80 : Player.CoX + 10;
        bullet->StartCoY = Player.CoY + 10;
        bullet->BulletSpeed = right ? 1 : -1;
        Launch(*bullet, 22 * bullet->BulletSpeed, 0,
               [](std::int32_t x, std::int32_t) { return x + 10 >= 1000 || x + 10 <= 0; });
    }
    Fly(gun, bullet != nullptr, TimeDeltaBullet);
}

void DropBombs(bool BFlag, PlayerType Player, std::int32_t& BombCounter, TimeRecord& TimeDeltaBomb) {
    const Weapon bombs = Bombs();
    AttackType* bomb = BFlag ? NextSlot(bombs, BombCounter, TimeDeltaBomb) : nullptr;
    if (bomb != nullptr) {
        bomb->StartCoX = Player.Speed > 0 ? Player.CoX + 64 : Player.CoX + 34;
        bomb->StartCoY = Player.CoY + 60;
        Launch(*bomb, 0, 15, [](std::int32_t, std::int32_t y) { return y + 5 >= 750; });
    }
    Fly(bombs, bomb != nullptr, TimeDeltaBomb);
}

}  // namespace Spel
