// The level quota and the level change.
#include <array>
#include <span>

#include "Play.h"
#include "Wimdows/Wimdows.h"

namespace Spel {

namespace {

// A kill counter and the range its quota is drawn from, before it is scaled by the difficulty.
struct Quota {
    int kind;
    std::int32_t low;
    std::int32_t high;
};

constexpr std::array<Quota, 3> kLevel1{{{1, 2, 5}, {2, 2, 5}, {5, 2, 5}}};
constexpr std::array<Quota, 4> kLevel2{{{1, 5, 15}, {2, 5, 15}, {3, 5, 15}, {5, 5, 15}}};
constexpr std::array<Quota, 4> kLevel3{{{1, 12, 20}, {2, 10, 20}, {3, 8, 20}, {5, 12, 20}}};
constexpr std::array<Quota, 4> kLevel4{{{1, 15, 25}, {2, 15, 25}, {3, 12, 25}, {5, 20, 25}}};

// Level 5 (and any other) has no quota: it ends with the boss.
std::span<const Quota> QuotasOf(std::int32_t level) {
    switch (level) {
        case 1:
            return kLevel1;
        case 2:
            return kLevel2;
        case 3:
            return kLevel3;
        case 4:
            return kLevel4;
        default:
            return {};
    }
}

void ShowThenPresent(std::uint32_t picture, std::uint32_t milliseconds) {
    Wimdows::DrawBitmap(picture, 0, 0);
    Time::Delay(milliseconds);
    Wimdows::UpdateWindow();
}

}  // namespace

void LevelSwitcher() {
    const std::span<const Quota> quotas = QuotasOf(Level.Now);
    if (quotas.empty()) {
        return;
    }
    // The first counter below its freshly drawn quota ends the test for this frame; no more numbers are
    // drawn.
    for (const Quota& quota : quotas) {
        if (Level.Kills[quota.kind] < Time::RandomNr(quota.low, quota.high) * Difficulty) {
            return;
        }
    }
    Level.Next = true;
}

bool LevelLoader() {
    if (!Level.Next) {
        return false;
    }
    Level.Next = false;
    Level.Now = Level.Now + 1;
    ShowThenPresent(Bitmaps.Level[0], 2000);
    ShowThenPresent(Bitmaps.Level[1], 1500);
    ShowThenPresent(Bitmaps.Level[2], 1500);
    ShowThenPresent(Bitmaps.Level[3], 1500);
    Time::Delay(1500);
    return true;
}

}  // namespace Spel
