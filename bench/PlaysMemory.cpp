// Resident memory over many short plays, as a player makes them: Start in the main menu, hold Down so that
// the aeroplane dives into the sea, retry on the game-over screen, again and again; after the last play the
// menu button and Exit. The program's screens run headless on the virtual clock with the real pictures and
// sounds, so run it in the build folder, where the generated data is:
//   ./memory_after_plays [plays]
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "ScreenRun.h"
#include "Time/Time.h"
#include "Time/TimeTesting.h"
#include "Wimdows/Wimdows.h"

namespace {

double ResidentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long long size = 0;
    long long resident = 0;
    statm >> size >> resident;
    return static_cast<double>(resident * sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

struct Point {
    std::int32_t x;
    std::int32_t y;
};
// Button centres: the main menu's Start and Exit, the game-over screen's menu and retry.
constexpr Point kStart{483, 337};
constexpr Point kExit{483, 697};
constexpr Point kMenu{718, 697};
constexpr Point kRetry{888, 697};

bool PowerOfTen(long long n) {
    while (n > 0 && n % 10 == 0) {
        n /= 10;
    }
    return n == 1;
}

class Player final : public replay::Watcher {
  public:
    Player(Time::VirtualClock& clock, long long plays) : clock_(clock), plays_(plays) {}

    void Screen(Game::Screen next) override {
        if (next == Game::Screen::MainMenu || next == Game::Screen::MenuWithMusic) {
            ClickSoon(crashes_ < plays_ ? kStart : kExit);
        } else if (next == Game::Screen::GameOver) {
            Key(Wimdows::InputEvent::Kind::KeyUp);
            ++crashes_;
            if (PowerOfTen(crashes_) || crashes_ == plays_) {
                std::printf("RSS after play %lld: %.1f MB\n", crashes_, ResidentMegabytes());
                std::fflush(stdout);
            }
            ClickSoon(crashes_ < plays_ ? kRetry : kMenu);
        }
    }

    void Started(Spel::PlayType&) override { Key(Wimdows::InputEvent::Kind::KeyDown); }

  private:
    static void Key(Wimdows::InputEvent::Kind kind) { Wimdows::Deliver({kind, Wimdows::VK_DOWN, 0, 0}); }

    void ClickSoon(Point at) {
        using Kind = Wimdows::InputEvent::Kind;
        const Time::Instant when = clock_.Now() + std::chrono::milliseconds(500);
        for (const Kind kind : {Kind::MouseMove, Kind::LeftDown, Kind::LeftUp}) {
            Wimdows::Schedule(clock_, when, {kind, 0, at.x, at.y});
        }
    }

    Time::VirtualClock& clock_;
    long long plays_;
    long long crashes_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    const long long plays = argc > 1 ? std::atoll(argv[1]) : 1000;
    if (plays < 1) {
        std::fprintf(stderr, "usage: %s [plays >= 1]\n", argv[0]);
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::printf("RSS at start: %.1f MB\n", ResidentMegabytes());

    Time::VirtualClock clock;
    Time::UseClockSource(&clock);
    Time::testing::SetRandomState(0);
    Player player(clock, plays);
    const auto begin = std::chrono::steady_clock::now();
    const replay::Summary summary =
        replay::RunScreens(clock, player, clock.Now() + std::chrono::minutes(plays));
    const std::chrono::duration<double> taken = std::chrono::steady_clock::now() - begin;
    Time::UseClockSource(nullptr);
    Time::SetWaitHook(nullptr);

    std::printf("RSS at the end: %.1f MB\n", ResidentMegabytes());
    std::printf("real time taken: %.1f s\n", taken.count());
    std::printf("run: %s", replay::ToText(summary).c_str());
    return summary.last == Game::Screen::Exit && summary.plays == plays ? 0 : 1;
}
