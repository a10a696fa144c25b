// Start-up time: from the process's start to the first presented frame of the main menu, on the real clock.
// The menu runs as the program runs it (MediaMenu, then DrawMenu); when it first waits for input, its
// first frames have been handed to the window, and once they are presented the time is taken and Exit is
// clicked. Printed: the time from the process's start as /proc/self/stat gives it (in clock ticks, 10 ms
// steps on most systems), from the first line of main, and the processor time the process had used by then
// (every thread), which other programs running meanwhile change little. Run it in the build folder, where
// the generated data is; the window is on the X server DISPLAY names, or SDL's dummy one with
// SDL_VIDEODRIVER=dummy:
//   ./startup_time
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "Menu/Menu.h"
#include "Time/Time.h"
#include "Wimdows/Wimdows.h"
#include "Wimdows/WimdowsFrames.h"

namespace {

// Seconds since boot, the clock /proc/self/stat counts the process's start on.
double SinceBoot() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// The process's start in seconds since boot: field 22 of /proc/self/stat, after the command's name.
double ProcessStart() {
    std::ifstream statFile("/proc/self/stat");
    std::string stat;
    std::getline(statFile, stat);
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    for (int number = 3; number < 22; ++number) {
        fields >> field;
    }
    unsigned long long ticks = 0;
    fields >> ticks;
    return static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double ProcessCpuMillis() {
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return static_cast<double>(used.tv_sec) * 1e3 + static_cast<double>(used.tv_nsec) / 1e6;
}

// The real clock, which takes the time at the menu's first wait and answers it with a click on Exit.
class FirstWait final : public Time::ClockSource {
  public:
    Time::Instant Now() override { return real_.Now(); }
    void WaitUntil(Time::Instant when) override {
        if (!presented_) {
            Wimdows::frames::WaitPresented();
            presented_ = std::chrono::steady_clock::now();
            presentedSinceBoot_ = SinceBoot();
            cpuMillis_ = ProcessCpuMillis();
            using Kind = Wimdows::InputEvent::Kind;
            for (const Kind kind : {Kind::MouseMove, Kind::LeftDown, Kind::LeftUp}) {
                Wimdows::Deliver({kind, 0, 483, 697});
            }
        }
        real_.WaitUntil(when);
    }
    std::optional<std::chrono::steady_clock::time_point> Presented() const { return presented_; }
    double PresentedSinceBoot() const { return presentedSinceBoot_; }
    double CpuMillis() const { return cpuMillis_; }

  private:
    Time::RealClock real_;
    std::optional<std::chrono::steady_clock::time_point> presented_;
    double presentedSinceBoot_ = 0;
    double cpuMillis_ = 0;
};

}  // namespace

int main() {
    const auto mainStart = std::chrono::steady_clock::now();
    Menu::MediaMenu();
    FirstWait clock;
    Time::UseClockSource(&clock);
    const Game::Screen next = Menu::DrawMenu();
    Time::UseClockSource(nullptr);
    if (next != Game::Screen::Exit || !clock.Presented()) {
        std::fprintf(stderr, "the main menu did not show and end as expected\n");
        return 1;
    }
    const std::chrono::duration<double, std::milli> fromMain = *clock.Presented() - mainStart;
    const double fromProcess = (clock.PresentedSinceBoot() - ProcessStart()) * 1000.0;
    std::printf("first presented menu frame: %.1f ms from process start, %.1f ms from main, %.1f ms of CPU\n",
                fromProcess, fromMain.count(), clock.CpuMillis());
    return 0;
}
