#include "Recording.h"

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
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        std::int64_t ms = 0;
        std::string name;
        std::int64_t a = 0;
        std::int64_t b = 0;
        std::string rest;
        const bool parsed = static_cast<bool>(fields >> ms >> name >> a >> b) && !(fields >> rest);
        const std::optional<Kind> kind = KindNamed(name);
        const bool ended = recording.endMs.has_value();
        if (!parsed || ms < 0 || ended || (!kind && name != kEnd) || a < INT32_MIN || a > INT32_MAX ||
            b < INT32_MIN || b > INT32_MAX || (kind && IsKey(*kind) && (a < 0 || a > 255))) {
            error = "line " + std::to_string(number) + " is not an event: " + line;
            return std::nullopt;
        }
        if (!kind) {
            recording.endMs = ms;
            continue;
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
    return recording;
}

}  // namespace replay
