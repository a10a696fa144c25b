// A recording: the input of a run with the moment each event reached the window, in milliseconds since the
// program's start. One event a line, "<ms> <kind> <key or x> <y>": "1530 KeyDown 38 0", "2210 LeftUp 480
// 330". Lines starting with '#' are comments; the last line "<ms> End 0 0" says when the program ended. The
// format, with the key numbers, is described in docs/recording-format.md.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "Wimdows/Wimdows.h"

namespace replay {

struct TimedInput {
    std::int64_t ms = 0;
    Wimdows::InputEvent event;
};

struct Recording {
    std::vector<TimedInput> events;  // in the order they reached the window
    std::optional<std::int64_t> endMs;
};

// Bounds that no real play reaches: a day of play, a line far longer than any event, and some forty
// events a second for that whole day. Past them a file is refused as it is read, never read whole.
inline constexpr std::int64_t kLongestRecordingMs = 24LL * 60 * 60 * 1000;
inline constexpr std::size_t kLongestLine = 200;
inline constexpr std::size_t kMostEvents = 4'000'000;

void Write(std::ostream& out, const Recording& recording);
// The recording, or none with `error` saying which line is wrong and why ("line 3: ..."), without echoing
// the line itself. A recording ends with its End line and its times never go backwards.
std::optional<Recording> Read(std::istream& in, std::string& error);

}  // namespace replay
