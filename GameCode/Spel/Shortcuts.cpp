// Keys beyond the flight keys: the difficulty from the keyboard and a pad's shoulders, and a pad's Back held
// long enough to end the play (no single press of a pad button quits).
#include "Play.h"
#include "Wimdows/Wimdows.h"

namespace Spel {

namespace {

constexpr std::uint32_t kKeyOne = 0x31;
constexpr std::int32_t kBackHold = 100;  // hundredths

// True once per press: when the key is down now and was not at the last frame.
bool Pressed(std::uint32_t key, bool& held) {
    const bool down = Wimdows::KeyDown(key);
    const bool pressed = down && !held;
    held = down;
    return pressed;
}

}  // namespace

void Shortcuts(ShortcutType& Keys) {
    for (std::int32_t level = 1; level <= 3; ++level) {
        if (Wimdows::KeyDown(kKeyOne + static_cast<std::uint32_t>(level - 1))) {
            Difficulty = level;
        }
    }
    if (Pressed(Wimdows::VK_GAMEPAD_LEFT_SHOULDER, Keys.LowerHeld) && Difficulty > 1) {
        Difficulty = Difficulty - 1;
    }
    if (Pressed(Wimdows::VK_GAMEPAD_RIGHT_SHOULDER, Keys.RaiseHeld) && Difficulty < 3) {
        Difficulty = Difficulty + 1;
    }
    const bool wasHeld = Keys.BackHeld;
    if (Pressed(Wimdows::VK_GAMEPAD_VIEW, Keys.BackHeld)) {
        Time::GetClock(Keys.BackTime.start);
    }
    if (wasHeld && Keys.BackHeld) {
        Time::GetClock(Keys.BackTime.now);
        Esc = Esc || Time::TimeDeltaHundreds(Keys.BackTime.start, Keys.BackTime.now) >= kBackHold;
    }
}

}  // namespace Spel
