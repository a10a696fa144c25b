// saltwing-replay: records the input of a real game, shows a recording in a window at real speed, plays it
// back headless on the virtual clock, renders its frames with the game's pictures, and makes the automatic
// player's recording of a whole game. `saltwing-replay --help` explains every mode and option.
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "Arguments.h"
#include "Game/Game.h"
#include "Recorder.h"
#include "Replay.h"

namespace {

constexpr std::int64_t kDefaultEvery = 200;
constexpr std::int64_t kDefaultRenderEvery = 100;
constexpr std::int64_t kTestStride = 10;

using replay::Arguments;

// Why the last file operation failed, as the system says it.
std::string Reason() {
    return std::strerror(errno);
}

bool Save(const std::string& path, const auto& write) {
    std::ofstream out(path);
    write(out);
    out.close();
    if (!out) {
        std::cerr << "saltwing-replay: cannot write " << path << ": " << Reason() << '\n';
    }
    return static_cast<bool>(out);
}

// The game's data folder, found as the game finds it: the working directory, else the installed data.
std::optional<std::filesystem::path> GameData() {
    std::error_code error;
    const std::filesystem::path programFolder =
        std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    auto data = Game::FindDataFolder(std::filesystem::current_path(error), programFolder);
    if (!data) {
        std::cerr << "saltwing-replay: no game data found\n";
    }
    return data;
}

// The real game as the program runs it, from its data folder, with every input event recorded. The file
// is made before the window opens, so that a path that cannot be written costs no game.
int Record(const std::string& path) {
    const auto data = GameData();
    if (!data) {
        return 1;
    }
    std::ofstream out(path);
    if (!out) {
        std::cerr << "saltwing-replay: cannot write " << path << ": " << Reason() << '\n';
        return 1;
    }
    std::error_code error;
    std::filesystem::current_path(*data, error);
    replay::Recorder recorder(Time::Clock().Now());
    const int status = Game::RunProgram();
    const replay::Recording recording = recorder.Finish();
    replay::Write(out, recording);
    out.close();
    if (!out) {
        std::cerr << "saltwing-replay: cannot write " << path << ": " << Reason() << '\n';
        return 1;
    }
    std::cout << recording.events.size() << " events in " << *recording.endMs << " ms\n";
    return status;
}

// The recording, or none after one line naming the file, the line and what is wrong with it.
std::optional<replay::Recording> Load(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        std::cerr << "saltwing-replay: " << path << ": a folder, not a recording\n";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        std::cerr << "saltwing-replay: cannot open " << path << ": " << Reason() << '\n';
        return std::nullopt;
    }
    std::string reason;
    auto recording = replay::Read(in, reason);
    if (in.bad()) {
        std::cerr << "saltwing-replay: cannot read " << path << ": " << Reason() << '\n';
        return std::nullopt;
    }
    if (!recording) {
        std::cerr << "saltwing-replay: " << path << ": " << reason << '\n';
    }
    return recording;
}

int PlayBack(const Arguments& arguments) {
    const auto recording = Load(arguments.operands[0]);
    if (!recording) {
        return 1;
    }
    std::ofstream perFrame;
    if (arguments.Has("--hashes")) {
        perFrame.open(arguments.Text("--hashes"));
        if (!perFrame) {
            std::cerr << "saltwing-replay: cannot write " << arguments.Text("--hashes") << ": " << Reason()
                      << '\n';
            return 1;
        }
    }
    const replay::Outcome outcome =
        replay::Play(*recording, arguments.Number("--every", kDefaultEvery), arguments.Number("--stride", 1),
                     perFrame.is_open() ? &perFrame : nullptr);
    if (arguments.Has("--samples") && !Save(arguments.Text("--samples"), [&](std::ostream& out) {
            replay::WriteSamples(out, outcome.samples);
        })) {
        return 1;
    }
    std::cout << replay::ToText(outcome.summary);
    return 0;
}

int Watch(const Arguments& arguments) {
    const auto recording = Load(arguments.operands[0]);
    const auto data = GameData();
    if (!recording || !data) {
        return 1;
    }
    std::cout << replay::ToText(replay::Watch(*recording, *data));
    return 0;
}

// "2,500-600": the frames and ranges of frames listed, each range from its first to its last frame.
std::optional<std::vector<std::pair<std::int64_t, std::int64_t>>> FrameList(const std::string& text) {
    std::vector<std::pair<std::int64_t, std::int64_t>> ranges;
    std::istringstream items(text);
    for (std::string item; std::getline(items, item, ',');) {
        std::int64_t first = 0;
        std::int64_t last = 0;
        const char* const end = item.data() + item.size();
        std::from_chars_result read = std::from_chars(item.data(), end, first);
        last = first;
        if (read.ec == std::errc{} && read.ptr != end && *read.ptr == '-') {
            read = std::from_chars(read.ptr + 1, end, last);
        }
        if (read.ec != std::errc{} || read.ptr != end || first <= 0 || last < first) {
            std::cerr << "saltwing-replay: not a frame or range of frames: '" << item << "'\n";
            return std::nullopt;
        }
        ranges.emplace_back(first, last);
    }
    return ranges;
}

// The recording's frames, as the game draws them with its pictures, as PNG files; the summary as for play.
int Render(const Arguments& arguments) {
    const std::string& folder = arguments.operands[1];
    const auto recording = Load(arguments.operands[0]);
    const auto data = GameData();
    if (!recording || !data) {
        return 1;
    }
    std::error_code error;
    const std::filesystem::path target = std::filesystem::absolute(folder, error);
    std::filesystem::create_directories(target, error);
    if (error) {
        std::cerr << "saltwing-replay: cannot make " << folder << ": " << error.message() << '\n';
        return 1;
    }
    const auto listed = FrameList(arguments.Text("--frames"));
    if (!listed) {
        return 2;
    }
    const std::int64_t every =
        arguments.Number("--every", arguments.Has("--frames") ? 1 : kDefaultRenderEvery);
    const auto wanted = [&](std::int64_t frame) {
        return frame % every == 0 &&
               (listed->empty() || std::any_of(listed->begin(), listed->end(), [frame](const auto& range) {
                    return range.first <= frame && frame <= range.second;
                }));
    };
    const replay::Rendering rendering = replay::Render(*recording, *data, target, wanted);
    if (rendering.failed) {
        std::cerr << "saltwing-replay: cannot write " << rendering.failed->string() << '\n';
        return 1;
    }
    std::cout << rendering.written << " frames written\n" << replay::ToText(rendering.summary);
    return 0;
}

// The recording, then its replay's summary and samples: what the regression test compares.
int Auto(const Arguments& arguments) {
    const replay::AutoPlayRun run = replay::RecordAutoPlay();
    if (run.summary.wins == 0 || run.summary.last != Game::Screen::Exit) {
        std::cerr << "saltwing-replay: the automatic player did not win\n" << replay::ToText(run.summary);
        return 1;
    }
    if (!Save(arguments.operands[0], [&](std::ostream& out) { replay::Write(out, run.recording); })) {
        return 1;
    }
    const replay::Outcome outcome = replay::Play(run.recording, arguments.Number("--every", kDefaultEvery),
                                                 arguments.Number("--stride", kTestStride));
    const std::string summary = replay::ToText(outcome.summary);
    if (summary != replay::ToText(run.summary)) {
        std::cerr << "saltwing-replay: the replay ends elsewhere than the recorded run\n" << summary;
        return 1;
    }
    if (arguments.Has("--summary") &&
        !Save(arguments.Text("--summary"), [&](std::ostream& out) { out << summary; })) {
        return 1;
    }
    if (arguments.Has("--samples") && !Save(arguments.Text("--samples"), [&](std::ostream& out) {
            replay::WriteSamples(out, outcome.samples);
        })) {
        return 1;
    }
    std::cout << run.recording.events.size() << " events\n" << summary;
    return 0;
}

int Run(const Arguments& arguments) {
    if (arguments.mode == "help") {
        replay::WriteHelp(std::cout);
        return 0;
    }
    if (arguments.mode == "record") {
        return Record(arguments.operands[0]);
    }
    if (arguments.mode == "watch") {
        return Watch(arguments);
    }
    if (arguments.mode == "play") {
        return PlayBack(arguments);
    }
    if (arguments.mode == "render") {
        return Render(arguments);
    }
    return Auto(arguments);
}

}  // namespace

int main(int argc, char** argv) {
    Game::PrepareProcess();
    if (argc < 2) {
        replay::WriteUsage(std::cerr);
        return 2;
    }
    std::string error;
    const std::optional<Arguments> arguments = replay::ParseArguments({argv + 1, argv + argc}, error);
    if (!arguments) {
        std::cerr << "saltwing-replay: " << error << " (try saltwing-replay --help)\n";
        return 2;
    }
    const int status = Run(*arguments);
    // Output that could not be written (a full disk, a closed pipe) is a failure, not a success.
    if (!std::cout.flush()) {
        std::cerr << "saltwing-replay: cannot write to standard output: " << Reason() << '\n';
        return status == 0 ? 1 : status;
    }
    return status;
}
