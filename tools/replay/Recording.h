// A recording: the input of a run with the moment each event reached the window, in milliseconds since the
// program's start. One event a line, "<ms> <kind> <key or x> <y>": "1530 KeyDown 38 0", "2210 LeftUp 480
// 330". Lines starting with '#' are comments; a last line "<ms> End 0 0" says when the program ended.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "Wimdows.h"

namespace replay {

struct TimedInput {
    std::int64_t ms = 0;
    Wimdows::InputEvent event;
};

struct Recording {
    std::vector<TimedInput> events;  // in the order they reached the window
    std::optional<std::int64_t> endMs;
};

void Write(std::ostream& out, const Recording& recording);
// The recording, or none with `error` naming the first line that is not one.
std::optional<Recording> Read(std::istream& in, std::string& error);

}  // namespace replay
