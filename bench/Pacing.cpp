// Frame pacing on the real clock: how late a frame starts after the clock's hundredth has moved on, and
// the share of a core the waiting costs, over 30 seconds of empty frames at 100 a second.
//   ./pacing_bench [seconds]
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Time/Time.h"

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
    constexpr std::int64_t kHundredth = 10'000'000;  // ns
    std::vector<double> lateMicros;
    Time::WaitNextHundredth();
    const double cpuBefore = CpuSeconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    for (int frame = 0; frame < seconds * 100; ++frame) {
        Time::WaitNextHundredth();
        const std::int64_t now = Time::Clock().Now().count();
        lateMicros.push_back(static_cast<double>(now % kHundredth) / 1000.0);
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
    const double cpu = CpuSeconds() - cpuBefore;
    std::sort(lateMicros.begin(), lateMicros.end());
    const auto at = [&](double share) {
        return lateMicros[static_cast<std::size_t>(share * static_cast<double>(lateMicros.size() - 1))];
    };
    std::printf("frames %zu: late median %.1f us, p99 %.1f us, max %.1f us; waiting used %.2f%% of a core\n",
                lateMicros.size(), at(0.5), at(0.99), at(1.0), 100.0 * cpu / wall);
    return 0;
}
