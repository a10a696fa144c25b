// What the enemy kinds share: the explosion sprite and its clock, the start heights of a wave, and the
// parking place out of play.
#pragma once

#include <cstdint>

#include "State.h"
#include "Wimdows/Wimdows.h"

namespace Spel::enemies {

// Far outside the window: no volley, no aeroplane and no hit box can reach an enemy standing here.
inline constexpr std::int32_t kParkedX = -2000;
inline constexpr std::int32_t kParkedY = -1500;

inline void DrawExplosion(std::int32_t x, std::int32_t y) {
    Wimdows::DrawMaskBitmap(Bitmaps.BackGround[3], Bitmaps.BackGround[12], x, y);
}

// Whether the explosion stamped at timer.start has shown for `length` hundredths by timer.now.
inline bool ExplosionOver(const TimeRecord& timer, std::int32_t length) {
    return Time::TimeDeltaHundreds(timer.start, timer.now) >= length;
}

inline void Park(Coordinates& CoX, Coordinates& CoY, std::int32_t first, std::int32_t last) {
    for (std::int32_t i = first; i <= last; ++i) {
        CoX[i] = kParkedX;
        CoY[i] = kParkedY;
    }
}

// Whether two of the heights 1..count lie less than `gap` pixels apart.
inline bool HeightsTooClose(const Coordinates& CoY, std::int32_t count, std::int32_t gap) {
    for (std::int32_t i = 1; i <= count; ++i) {
        for (std::int32_t j = 1; j <= count; ++j) {
            if (i != j && CoY[j] - gap < CoY[i] && CoY[i] < CoY[j] + gap) {
                return true;
            }
        }
    }
    return false;
}

// Draws start heights again until no two lie less than `gap` pixels apart. The random source stirs in the
// clock, and within one hundredth it can fall into a short cycle that never gives such heights: a draw that
// spins on the real clock gets out of it when the hundredth moves on, but on the virtual clock time would
// stand still for ever. So after many vain tries the draw waits for the next hundredth, as the spin would.
template <typename DrawHeights>
void DrawHeightsApart(const Coordinates& CoY, std::int32_t count, std::int32_t gap, DrawHeights draw) {
    constexpr int kTriesPerHundredth = 1000;
    for (int tries = 1;; ++tries) {
        draw();
        if (!HeightsTooClose(CoY, count, gap)) {
            return;
        }
        if (tries % kTriesPerHundredth == 0) {
            Time::WaitNextHundredth();
        }
    }
}

}  // namespace Spel::enemies
