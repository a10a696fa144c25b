// saltwing-replay: records the input of a real game, plays a recording back headless on the virtual clock,
// renders a recording's frames with the game's pictures, and makes the automatic player's recording of a
// whole game.
//
//   saltwing-replay record <recording>
//   saltwing-replay play <recording> [--hashes <per-frame file>] [--samples <file>] [--every <frames>]
//                        [--stride <frames>]
//   saltwing-replay auto <recording> [--summary <file>] [--samples <file>] [--every <frames>]
//                        [--stride <frames>]
//   saltwing-replay render <recording> <folder> [--every <frames>] [--frames <list>]
// The summary goes to standard output. --every: frames between samples of the hash chain (200), or between
// rendered frames (100, a second of play; 1 with --frames); --stride: every how many frames the back buffer
// is hashed (1 for play, 10 for auto, as the test does); --frames: the frames to render, e.g. "2,500-600", of
// which every --every-th. Record and render use the game's data, found as the game finds it.
#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "Game.h"
#include "Recorder.h"
#include "Replay.h"

namespace {

constexpr std::int64_t kDefaultEvery = 200;
constexpr std::int64_t kDefaultRenderEvery = 100;
constexpr std::int64_t kTestStride = 10;

int Usage() {
    std::cerr << "usage: saltwing-replay record <recording>\n"
                 "       saltwing-replay play <recording> [--hashes <file>] [--samples <file>] [--every <n>]"
                 " [--stride <n>]\n"
                 "       saltwing-replay auto <recording> [--summary <file>] [--samples <file>] [--every <n>]"
                 " [--stride <n>]\n"
                 "       saltwing-replay render <recording> <folder> [--every <n>] [--frames <a,b-c,...>]\n";
    return 2;
}

bool Save(const std::string& path, const auto& write) {
    std::ofstream out(path);
    write(out);
    out.close();
    if (!out) {
        std::cerr << "saltwing-replay: cannot write " << path << '\n';
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

// The real game as the program runs it, from its data folder, with every input event recorded.
int Record(const std::string& path) {
    const auto data = GameData();
    if (!data) {
        return 1;
    }
    std::error_code error;
    const std::filesystem::path target = std::filesystem::absolute(path, error);
    std::filesystem::current_path(*data, error);
    replay::Recorder recorder(Time::Clock().Now());
    const int status = Game::RunProgram();
    const replay::Recording recording = recorder.Finish();
    if (!Save(target, [&](std::ostream& out) { replay::Write(out, recording); })) {
        return 1;
    }
    std::cout << recording.events.size() << " events in " << *recording.endMs << " ms\n";
    return status;
}

using Options = std::map<std::string, std::string>;

std::int64_t Number(const Options& options, const char* name, std::int64_t otherwise) {
    return options.contains(name) ? std::atoll(options.at(name).c_str()) : otherwise;
}

std::optional<replay::Recording> Load(const std::string& path) {
    std::ifstream in(path);
    std::string error;
    auto recording = replay::Read(in, error);
    if (!in.is_open() || !recording) {
        std::cerr << "saltwing-replay: " << path << ": " << (in.is_open() ? error : "cannot open") << '\n';
        return std::nullopt;
    }
    return recording;
}

int PlayBack(const std::string& path, const Options& options) {
    const auto recording = Load(path);
    if (!recording) {
        return 1;
    }
    std::ofstream perFrame;
    if (options.contains("--hashes")) {
        perFrame.open(options.at("--hashes"));
    }
    const replay::Outcome outcome =
        replay::Play(*recording, Number(options, "--every", kDefaultEvery), Number(options, "--stride", 1),
                     perFrame.is_open() ? &perFrame : nullptr);
    if (options.contains("--samples") && !Save(options.at("--samples"), [&](std::ostream& out) {
            replay::WriteSamples(out, outcome.samples);
        })) {
        return 1;
    }
    std::cout << replay::ToText(outcome.summary);
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
int Render(const std::string& path, const std::string& folder, const Options& options) {
    const auto recording = Load(path);
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
    const auto listed = FrameList(options.contains("--frames") ? options.at("--frames") : "");
    if (!listed) {
        return 2;
    }
    const std::int64_t every =
        Number(options, "--every", options.contains("--frames") ? 1 : kDefaultRenderEvery);
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
int Auto(const std::string& path, const Options& options) {
    const replay::AutoPlayRun run = replay::RecordAutoPlay();
    if (run.summary.wins == 0 || run.summary.last != Game::Screen::Exit) {
        std::cerr << "saltwing-replay: the automatic player did not win\n" << replay::ToText(run.summary);
        return 1;
    }
    if (!Save(path, [&](std::ostream& out) { replay::Write(out, run.recording); })) {
        return 1;
    }
    const replay::Outcome outcome = replay::Play(run.recording, Number(options, "--every", kDefaultEvery),
                                                 Number(options, "--stride", kTestStride));
    const std::string summary = replay::ToText(outcome.summary);
    if (summary != replay::ToText(run.summary)) {
        std::cerr << "saltwing-replay: the replay ends elsewhere than the recorded run\n" << summary;
        return 1;
    }
    if (options.contains("--summary") &&
        !Save(options.at("--summary"), [&](std::ostream& out) { out << summary; })) {
        return 1;
    }
    if (options.contains("--samples") && !Save(options.at("--samples"), [&](std::ostream& out) {
            replay::WriteSamples(out, outcome.samples);
        })) {
        return 1;
    }
    std::cout << run.recording.events.size() << " events\n" << summary;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        return Usage();
    }
    const std::string command = argv[1];
    const int firstOption = command == "render" ? 4 : 3;
    Options options;
    for (int i = firstOption; i + 1 < argc; i += 2) {
        options[argv[i]] = argv[i + 1];
    }
    if (argc < firstOption || (argc - firstOption) % 2 != 0) {
        return Usage();
    }
    if (Number(options, "--every", 1) <= 0 || Number(options, "--stride", 1) <= 0) {
        return Usage();
    }
    if (command == "record") {
        return Record(argv[2]);
    }
    if (command == "play") {
        return PlayBack(argv[2], options);
    }
    if (command == "render") {
        return Render(argv[2], argv[3], options);
    }
    if (command == "auto") {
        return Auto(argv[2], options);
    }
    return Usage();
}
