#include "Arguments.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace replay {

namespace {

struct Mode {
    std::string_view name;
    std::size_t operands;
    std::vector<std::string_view> options;
};

const std::vector<Mode>& Modes() {
    static const std::vector<Mode> modes{
        {"record", 1, {}},
        {"watch", 1, {}},
        {"play", 1, {"--hashes", "--samples", "--every", "--stride"}},
        {"render", 2, {"--every", "--frames"}},
        {"auto", 1, {"--summary", "--samples", "--every", "--stride"}},
    };
    return modes;
}

bool IsNumberOption(std::string_view option) {
    return option == "--every" || option == "--stride";
}

bool PositiveNumber(const std::string& text) {
    std::int64_t value = 0;
    const char* const end = text.data() + text.size();
    const auto read = std::from_chars(text.data(), end, value);
    return read.ec == std::errc{} && read.ptr == end && value > 0;
}

constexpr std::string_view kUsage =
    "usage: saltwing-replay record <recording>\n"
    "       saltwing-replay watch <recording>\n"
    "       saltwing-replay play <recording> [--hashes <file>] [--samples <file>]\n"
    "                            [--every <n>] [--stride <n>]\n"
    "       saltwing-replay render <recording> <folder> [--every <n>] [--frames <list>]\n"
    "       saltwing-replay auto <recording> [--summary <file>] [--samples <file>]\n"
    "                            [--every <n>] [--stride <n>]\n"
    "       saltwing-replay --help\n";

constexpr std::string_view kHelp =
    "\n"
    "Records a game of saltwing and plays it back. A replay runs on a simulated clock from a fixed\n"
    "start, so one recording always gives the very same game.\n"
    "\n"
    "Modes:\n"
    "  record <recording>  Play the game as usual; every key, click and mouse move is written to\n"
    "                      <recording> when the game ends. The file is made first: a path that\n"
    "                      cannot be written is refused before the window opens.\n"
    "  watch <recording>   Show the recorded game in a window, at the speed it was played, with its\n"
    "                      pictures and sounds. Your own keys and mouse do not disturb it; Escape or\n"
    "                      closing the window stops it. Prints the summary at the end.\n"
    "  play <recording>    Replay without a window, as fast as possible, and print the summary:\n"
    "                      the last screen, level, score, kills of each kind, frames.\n"
    "  render <recording> <folder>\n"
    "                      Replay and write frames into <folder> as frame-NNNNNN.png, then print\n"
    "                      the number written and the summary.\n"
    "  auto <recording>    Let the automatic player play a whole game, write its recording, replay\n"
    "                      it and check that the replay ends where the game did.\n"
    "\n"
    "Options:\n"
    "  --hashes <file>     play: every hashed frame as \"<frame> <hash> <chain>\", one a line.\n"
    "  --samples <file>    play, auto: the chain of frame hashes every --every frames.\n"
    "  --summary <file>    auto: the summary, also into <file>.\n"
    "  --every <n>         play, auto: frames between samples (default 200).\n"
    "                      render: frames between written frames (default 100, a second of play;\n"
    "                      1 with --frames).\n"
    "  --stride <n>        play, auto: hash every n-th frame (default 1 for play, 10 for auto).\n"
    "  --frames <list>     render: only these frames, e.g. 2,500-600.\n"
    "\n"
    "record, watch and render use the game's data, found as the game finds it. The recording format\n"
    "and its key numbers are described in saltwing-replay(6).\n"
    "\n"
    "Exit status: 0 done; 1 a file could not be read or written, or the recording is malformed;\n"
    "2 a wrong command line. record ends with the game's own status.\n";

}  // namespace

std::int64_t Arguments::Number(const std::string& option, std::int64_t otherwise) const {
    std::int64_t value = otherwise;
    if (Has(option)) {
        const std::string& text = options.at(option);
        std::from_chars(text.data(), text.data() + text.size(), value);
    }
    return value;
}

std::optional<Arguments> ParseArguments(std::span<const char* const> arguments, std::string& error) {
    if (arguments.empty()) {
        error = "no mode given";
        return std::nullopt;
    }
    Arguments parsed;
    parsed.mode = arguments[0];
    if (parsed.mode == "--help" || parsed.mode == "-h" || parsed.mode == "help") {
        parsed.mode = "help";
        if (arguments.size() > 1) {
            error = std::string("unexpected argument '") + arguments[1] + "'";
            return std::nullopt;
        }
        return parsed;
    }
    const auto mode =
        std::find_if(Modes().begin(), Modes().end(), [&](const Mode& m) { return m.name == parsed.mode; });
    if (mode == Modes().end()) {
        error = "unknown mode '" + parsed.mode + "'";
        return std::nullopt;
    }
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string word = arguments[i];
        if (!word.starts_with("--")) {
            if (parsed.operands.size() == mode->operands) {
                error = "unexpected argument '" + word + "'";
                return std::nullopt;
            }
            parsed.operands.push_back(word);
            continue;
        }
        if (std::find(mode->options.begin(), mode->options.end(), word) == mode->options.end()) {
            error = "unknown option '" + word + "' for " + parsed.mode;
            return std::nullopt;
        }
        if (i + 1 == arguments.size()) {
            error = "option " + word + " needs a value";
            return std::nullopt;
        }
        const std::string value = arguments[++i];
        if (IsNumberOption(word) && !PositiveNumber(value)) {
            error = "option " + word + " takes a whole number above 0, not '" + value + "'";
            return std::nullopt;
        }
        parsed.options[word] = value;
    }
    if (parsed.operands.size() < mode->operands) {
        error = parsed.mode + " needs " + (mode->operands == 1 ? "a recording" : "a recording and a folder");
        return std::nullopt;
    }
    return parsed;
}

void WriteUsage(std::ostream& out) {
    out << kUsage;
}

void WriteHelp(std::ostream& out) {
    out << kUsage << kHelp;
}

}  // namespace replay
