#include "Recording.h"

#include <algorithm>
#include <array>
#include <istream>
#include <ostream>
#include <sstream>
#include <string_view>

namespace replay {

namespace {

using Kind = Wimdows::InputEvent::Kind;

constexpr std::array<std::pair<Kind, std::string_view>, 8> kKinds{{
    {Kind::KeyDown, "KeyDown"},
    {Kind::KeyUp, "KeyUp"},
    {Kind::MouseMove, "MouseMove"},
    {Kind::LeftDown, "LeftDown"},
    {Kind::LeftUp, "LeftUp"},
    {Kind::RightDown, "RightDown"},
    {Kind::RightUp, "RightUp"},
    {Kind::FocusLost, "FocusLost"},
}};
constexpr std::string_view kEnd = "End";

std::string_view NameOf(Kind kind) {
    for (const auto& [k, name] : kKinds) {
        if (k == kind) {
            return name;
        }
    }
    return "?";
}

std::optional<Kind> KindNamed(std::string_view name) {
    for (const auto& [k, n] : kKinds) {
        if (n == name) {
            return k;
        }
    }
    return std::nullopt;
}

bool IsKey(Kind kind) {
    return kind == Kind::KeyDown || kind == Kind::KeyUp;
}

enum class LineRead { Line, TooLong, None };

// One line without its end, at most kLongestLine characters of it: a file without line ends is not read
// whole into memory.
LineRead ReadLine(std::istream& in, std::string& line) {
    line.clear();
    for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
        if (c == '\n') {
            return LineRead::Line;
        }
        if (line.size() == kLongestLine) {
            return LineRead::TooLong;
        }
        line.push_back(static_cast<char>(c));
    }
    return line.empty() ? LineRead::None : LineRead::Line;
}

// Printable ASCII and tabs only: a binary file is refused at its first line.
bool IsText(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == '\t' || (c >= ' ' && c <= '~'); });
}

}  // namespace

void Write(std::ostream& out, const Recording& recording) {
    out << "# saltwing recording: ms kind key-or-x y\n";
    for (const TimedInput& input : recording.events) {
        const Wimdows::InputEvent& e = input.event;
        out << input.ms << ' ' << NameOf(e.kind) << ' ';
        if (IsKey(e.kind)) {
            out << e.key << " 0\n";
        } else {
            out << e.x << ' ' << e.y << '\n';
        }
    }
    if (recording.endMs) {
        out << *recording.endMs << ' ' << kEnd << " 0 0\n";
    }
}

std::optional<Recording> Read(std::istream& in, std::string& error) {
    Recording recording;
    std::string line;
    std::int64_t number = 0;
    const auto refuse = [&](const std::string& reason) {
        error = "line " + std::to_string(number) + ": " + reason;
        return std::nullopt;
    };
    for (;;) {
        const LineRead read = ReadLine(in, line);
        if (read == LineRead::None) {
            break;
        }
        ++number;
        if (read == LineRead::TooLong) {
            return refuse("longer than " + std::to_string(kLongestLine) + " characters: not a recording");
        }
        if (!IsText(line)) {
            return refuse("not text: not a recording");
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (recording.endMs) {
            return refuse("an event after the End line");
        }
        std::istringstream fields(line);
        std::int64_t ms = 0;
        std::string name;
        std::int64_t a = 0;
        std::int64_t b = 0;
        std::string rest;
        if (!(fields >> ms >> name >> a >> b) || fields >> rest) {
            return refuse("not an event (\"<ms> <kind> <key or x> <y>\")");
        }
        const std::optional<Kind> kind = KindNamed(name);
        if (!kind && name != kEnd) {
            return refuse("unknown kind of event");
        }
        if (ms < 0 || ms > kLongestRecordingMs) {
            return refuse("time out of range (0 to " + std::to_string(kLongestRecordingMs) + " ms)");
        }
        const std::int64_t last = recording.events.empty() ? 0 : recording.events.back().ms;
        if (ms < last) {
            return refuse("time goes backwards (" + std::to_string(ms) + " ms after " + std::to_string(last) +
                          " ms)");
        }
        if (a < INT32_MIN || a > INT32_MAX || b < INT32_MIN || b > INT32_MAX ||
            (kind && IsKey(*kind) && (a < 0 || a > 255))) {
            return refuse("a key or position out of range");
        }
        if (!kind) {
            recording.endMs = ms;
            continue;
        }
        if (recording.events.size() == kMostEvents) {
            return refuse("more than " + std::to_string(kMostEvents) + " events: not a recording");
        }
        TimedInput input{.ms = ms, .event = {.kind = *kind}};
        if (IsKey(*kind)) {
            input.event.key = static_cast<std::uint32_t>(a);
        } else {
            input.event.x = static_cast<std::int32_t>(a);
            input.event.y = static_cast<std::int32_t>(b);
        }
        recording.events.push_back(input);
    }
    if (number == 0) {
        error = "empty: not a recording";
        return std::nullopt;
    }
    if (!recording.endMs) {
        ++number;
        return refuse("no End line: the recording is cut short");
    }
    return recording;
}

}  // namespace replay
