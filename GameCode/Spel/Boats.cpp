// The ships on the sea strip: lines of enemy boats, targets for the bombs, and the friendly ship on which
// the aeroplane lands to refuel and re-arm.
#include "Enemies.h"
#include "EnemyParts.h"

namespace Spel {

namespace {

void StartBoatWave(BoatType& Boat) {
    const std::int32_t n = Time::RandomNr(3, 8);
    Boat.Counter[8] = n;
    Boat.CoX[1] = 1100;
    Boat.CoY[1] = 667;
    for (std::int32_t i = 2; i <= n; ++i) {
        Boat.CoX[i] = Boat.CoX[i - 1] + Time::RandomNr(100, 800);
        Boat.CoY[i] = 637 + Time::RandomNr(1, 75);
    }
    for (std::int32_t i = 1; i <= n; ++i) {
        Boat.Move[i] = true;
    }
    Boat.Counter[7] += 1;
}

// The friendly ship starts clear of every enemy boat that lies under its start x.
void StartCrossing(FriendType& Allied, const BoatType& Boat) {
    Allied.CoX = 1000;
    Allied.CoY = Time::RandomNr(650, 700);
    for (std::int32_t i = 1; i <= Boat.Counter[8]; ++i) {
        while (Boat.CoX[i] <= Allied.CoX && Allied.CoX <= Boat.CoX[i] + 100) {
            Allied.CoX += 100;
        }
    }
    Allied.Counter[7] += 1;
}

}  // namespace

void EnemyBoatDraw(std::int32_t TimeDifference, BoatType& Boat) {
    if (TimeDifference < 200) {
        return;
    }
    const std::int32_t old = Boat.Counter[7];
    Boat.Counter[7] += 1;
    if (old == 0) {
        StartBoatWave(Boat);
    }
    for (std::int32_t i = 1; i <= Boat.Counter[8]; ++i) {
        if (Boat.Move[i]) {
            Wimdows::DrawMaskBitmap(Bitmaps.Enemy[5], Bitmaps.Enemy[11], Boat.CoX[i], Boat.CoY[i]);
        }
    }
}

void EnemyBoatDelete(std::int32_t TimeDifference, BoatType& Boat, TimeRecord& BoatExplosion) {
    if (TimeDifference < 200 || Boat.Counter[7] <= 1) {
        return;
    }
    const std::int32_t n = Boat.Counter[8];
    for (std::int32_t i = 1; i <= n; ++i) {
        if (Boat.Move[i]) {
            Boat.CoX[i] -= Difficulty;
        } else {
            enemies::DrawExplosion(Boat.CoX[i] - 10, Boat.CoY[i] - 30);
            Time::GetClock(BoatExplosion.now);
        }
        if (!Boat.Move[i] && enemies::ExplosionOver(BoatExplosion, 20)) {
            Boat.CoY[i] = -1500;
            Boat.Move[i] = true;
        }
    }
    if (Boat.CoX[n] <= 0) {
        Boat.Counter[7] = 0;
        // Deliberate change: a shorter next wave would leave this wave's last boats just off the left
        // edge, unseen but still bombable for points; the whole line leaves play instead.
        enemies::Park(Boat.CoX, Boat.CoY, 1, n);
    }
}

void FriendlyBoatDraw(std::int32_t TimeDifference, FriendType& Allied, const BoatType& Boat) {
    if (TimeDifference < Allied.Time) {
        return;
    }
    const std::int32_t old = Allied.Counter[7];
    Allied.Counter[7] += 1;
    if (old == 0) {
        StartCrossing(Allied, Boat);
    }
    Wimdows::DrawMaskBitmap(Bitmaps.Friend[0], Bitmaps.Friend[1], Allied.CoX, Allied.CoY);
}

void FriendlyBoatDelete(std::int32_t TimeDifference, FriendType& Allied) {
    if (TimeDifference < Allied.Time) {
        return;
    }
    if (Allied.Counter[7] > 1) {
        Allied.CoX -= Difficulty;
    }
    if (Allied.CoX <= 0) {
        Allied.Counter[7] = 0;
    }
}

}  // namespace Spel
