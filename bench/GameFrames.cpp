// How long the game takes to compose its frames, with the real pictures: the automatic player's recorded
// whole game (every level, the boss with its laser and shield, the win) is played back on the virtual clock
// a few times, and every play frame is timed on the real clock from the end of one frame to the end of the
// next one's drawing. Frames are not handed to the window thread meanwhile and nothing hashes them, so the
// time is the composition alone; the hand-off (UpdateWindow's copy for the window thread) is timed on its
// own, after each frame. A frame's composition is the least of the runs: what the frame needs, whatever
// else the machine did meanwhile. The busiest frame leaves out the first frame of every play, which also
// prepares the play's masked sprites once. Beside it, in the same run, a full-window opaque blit. Last, the
// whole-game replay's rate as the tests run it, measured first. Run in the build folder, where the generated
// data is:
//   ./game_frames ../../tests/replay/whole-game.rec [runs]
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "Recording.h"
#include "Replay.h"
#include "ScreenRun.h"
#include "Spel/State.h"
#include "Wimdows/Wimdows.h"
#include "Wimdows/WimdowsFrames.h"

namespace {

using Clock = std::chrono::steady_clock;
using Micros = std::chrono::duration<double, std::micro>;

double Percentile(std::vector<double> values, double share) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1));
    return values[at];
}

struct FrameTimes {
    std::vector<double> composed;  // by frame number, the least of the runs so far
    std::vector<std::int32_t> level;
    std::vector<bool> opensPlay;   // a play's first frame, which also prepares the play's masked sprites
    std::vector<double> handOver;  // every hand-off of every run
};

class FrameTimer final : public replay::Watcher {
  public:
    explicit FrameTimer(FrameTimes& times) : times_(times) {}
    void Started(Spel::PlayType&) override {
        Wimdows::frames::SetHandOver(false);
        opening_ = true;
        last_ = Clock::now();
    }
    void Presented(Spel::PlayType&) override {
        const double composed = Micros(Clock::now() - last_).count();
        if (frame_ == times_.composed.size()) {
            times_.composed.push_back(composed);
            times_.level.push_back(Spel::Level.Now);
            times_.opensPlay.push_back(opening_);
        } else {
            times_.composed[frame_] = std::min(times_.composed[frame_], composed);
        }
        ++frame_;
        opening_ = false;
        Wimdows::frames::SetHandOver(true);
        const Clock::time_point handOverStart = Clock::now();
        Wimdows::UpdateWindow();
        times_.handOver.push_back(Micros(Clock::now() - handOverStart).count());
        Wimdows::frames::WaitPresented();  // the window thread's copy must not overlap the next frame
        Wimdows::frames::SetHandOver(false);
        last_ = Clock::now();
    }

  private:
    FrameTimes& times_;
    std::size_t frame_ = 0;
    bool opening_ = false;
    Clock::time_point last_;
};

double FullWindowBlitMicros() {
    SDL_Surface* from = SDL_CreateRGBSurfaceWithFormat(0, 1000, 750, 32, SDL_PIXELFORMAT_RGB888);
    SDL_Surface* to = SDL_CreateRGBSurfaceWithFormat(0, 1000, 750, 32, SDL_PIXELFORMAT_RGB888);
    SDL_FillRect(from, nullptr, 0x406080);
    std::vector<double> times;
    for (int i = 0; i < 500; ++i) {
        const Clock::time_point start = Clock::now();
        SDL_BlitSurface(from, nullptr, to, nullptr);
        times.push_back(Micros(Clock::now() - start).count());
    }
    SDL_FreeSurface(from);
    SDL_FreeSurface(to);
    return Percentile(times, 0.5);
}

// One playback of the whole recording; returns its summary as text.
std::string PlayBack(const replay::Recording& recording, FrameTimes& times) {
    FrameTimer timer(times);
    const replay::Summary summary = replay::PlayWatched(recording, timer, std::filesystem::current_path());
    Wimdows::frames::SetHandOver(true);
    return replay::ToText(summary);
}

// The replay as the tests run it (no pictures, every `stride`-th frame hashed), in frames a second.
double ReplayRate(const replay::Recording& recording, std::int64_t stride) {
    const Clock::time_point start = Clock::now();
    const replay::Outcome outcome = replay::Play(recording, 500, stride);
    const std::chrono::duration<double> took = Clock::now() - start;
    return static_cast<double>(outcome.summary.frames) / took.count();
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc == 3 ? std::atoi(argv[2]) : 3;
    if (argc < 2 || argc > 3 || runs < 1) {
        std::fprintf(stderr, "usage: %s <recording> [runs]\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1]);
    std::string error;
    const std::optional<replay::Recording> recording = replay::Read(in, error);
    if (!recording) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);

    // Before any picture is read: a replay runs where there are none, and says nothing about them only then.
    const double replayRate = ReplayRate(*recording, 10);
    const double replayRateAll = ReplayRate(*recording, 1);
    const double blitBefore = FullWindowBlitMicros();
    FrameTimes times;
    const std::string summary = PlayBack(*recording, times);
    for (int run = 1; run < runs; ++run) {
        if (PlayBack(*recording, times) != summary) {
            std::fprintf(stderr, "playback %d ended elsewhere than the first:\n%s", run + 1, summary.c_str());
            return 1;
        }
    }
    const double blit = std::min(blitBefore, FullWindowBlitMicros());

    std::map<std::int32_t, std::vector<double>> byLevel;
    for (std::size_t frame = 0; frame < times.composed.size(); ++frame) {
        byLevel[times.level[frame]].push_back(times.composed[frame]);
    }
    std::printf("full-window opaque blit: median %.0f us (the lower of before and after the runs)\n", blit);
    std::printf("composition of a play frame, the least of %d runs:\n", runs);
    std::printf("%-6s %8s %10s %10s %10s %10s\n", "level", "frames", "median us", "p99 us", "max us",
                "p99/blit");
    for (const auto& [level, composed] : byLevel) {
        const double p99 = Percentile(composed, 0.99);
        std::printf("%-6d %8zu %10.0f %10.0f %10.0f %10.2f\n", level, composed.size(),
                    Percentile(composed, 0.5), p99, Percentile(composed, 1.0), p99 / blit);
    }
    std::size_t busiest = times.composed.size();
    for (std::size_t frame = 0; frame < times.composed.size(); ++frame) {
        if (!times.opensPlay[frame] &&
            (busiest == times.composed.size() || times.composed[frame] > times.composed[busiest])) {
            busiest = frame;
        }
    }
    if (busiest != times.composed.size()) {
        std::printf(
            "busiest frame (a play's first frame left out): %zu of %zu (level %d), %.0f us = %.2f x the "
            "blit\n",
            busiest + 1, times.composed.size(), times.level[busiest], times.composed[busiest],
            times.composed[busiest] / blit);
    }
    std::printf("hand-off to the window thread: median %.0f us, p99 %.0f us\n",
                Percentile(times.handOver, 0.5), Percentile(times.handOver, 0.99));
    std::printf(
        "whole-game replay, no pictures: %.0f frames/s with every 10th frame hashed, %.0f with every "
        "frame\n",
        replayRate, replayRateAll);
    std::printf("run: %s\n", summary.c_str());
    return 0;
}
