// A left click as the window thread delivers it: the pointer moves there, the button goes down and up.
#pragma once

#include <chrono>
#include <cstdint>

#include "Time/Time.h"
#include "Wimdows/Wimdows.h"

namespace testsupport {

inline void ScriptClick(Time::VirtualClock& clock, Time::Instant when, std::int32_t x, std::int32_t y) {
    using Kind = Wimdows::InputEvent::Kind;
    Wimdows::Schedule(clock, when, {.kind = Kind::MouseMove, .x = x, .y = y});
    Wimdows::Schedule(clock, when, {.kind = Kind::LeftDown, .x = x, .y = y});
    Wimdows::Schedule(clock, when + std::chrono::milliseconds(1), {.kind = Kind::LeftUp, .x = x, .y = y});
}

// The same, `after` milliseconds from the clock's present.
inline void ScriptClickIn(Time::VirtualClock& clock, std::int64_t after, std::int32_t x, std::int32_t y) {
    ScriptClick(clock, clock.Now() + std::chrono::milliseconds(after), x, y);
}

}  // namespace testsupport
