// How long the game takes to compose its frames, with the real pictures: the automatic player's recorded
// whole game (every level, the boss with its laser and shield, the win) is played back on the virtual
// clock, and every play frame is timed on the real clock from one presented frame to the next. Beside it,
// in the same run, a full-window opaque blit. Run in the build folder, where the generated data is:
//   ./game_frames ../../tests/replay/whole-game.rec
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "Recording.h"
#include "ScreenRun.h"
#include "State.h"
#include "Time.h"
#include "TimeTesting.h"

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

class FrameTimer final : public replay::Watcher {
  public:
    void Started(Spel::PlayType&) override { last_ = Clock::now(); }
    void Presented(Spel::PlayType&) override {
        const Clock::time_point now = Clock::now();
        byLevel_[Spel::Level.Now].push_back(Micros(now - last_).count());
        last_ = now;
    }
    const std::map<std::int32_t, std::vector<double>>& ByLevel() const { return byLevel_; }

  private:
    Clock::time_point last_;
    std::map<std::int32_t, std::vector<double>> byLevel_;
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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <recording>\n", argv[0]);
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

    const double blit = FullWindowBlitMicros();
    Time::VirtualClock clock;
    Time::UseClockSource(&clock);
    Time::testing::SetRandomState(0);
    const Time::Instant start = clock.Now();
    for (const replay::TimedInput& input : recording->events) {
        Wimdows::Schedule(clock, start + std::chrono::milliseconds(input.ms), input.event);
    }
    FrameTimer timer;
    const std::int64_t end = recording->endMs.value_or(0);
    const replay::Summary summary =
        replay::RunScreens(clock, timer, start + std::chrono::milliseconds(end + 1000));
    Time::UseClockSource(nullptr);
    Time::SetWaitHook(nullptr);

    std::printf("full-window opaque blit: median %.0f us\n", blit);
    std::printf("%-6s %8s %10s %10s %10s %10s\n", "level", "frames", "median us", "p99 us", "max us",
                "p99/blit");
    for (const auto& [level, times] : timer.ByLevel()) {
        const double p99 = Percentile(times, 0.99);
        std::printf("%-6d %8zu %10.0f %10.0f %10.0f %10.2f\n", level, times.size(), Percentile(times, 0.5),
                    p99, Percentile(times, 1.0), p99 / blit);
    }
    std::printf("run: %s\n", replay::ToText(summary).c_str());
    return 0;
}
