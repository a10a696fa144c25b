// Readings of the clock source in hours, minutes, seconds and hundredths, and hundredth arithmetic.
#include "Time.h"

namespace Time {

namespace {

constexpr std::int32_t kHundredthsPerHour = 360000;

}  // namespace

void GetClock(DateTime& t) {
    // Plain arithmetic on the steady count: no time zone, no date, and wall-clock steps change nothing.
    const Instant now = Clock().Now();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(now);
    const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(now - seconds).count();
    const std::int64_t count = seconds.count();
    t = DateTime{};
    t.hour = static_cast<std::uint32_t>(count / 3600 % 24);
    t.minute = static_cast<std::uint32_t>(count / 60 % 60);
    t.second = static_cast<std::uint32_t>(count % 60);
    t.fractions = static_cast<std::uint32_t>(milliseconds * 100 / 1000);
}
void TimeToHundreds(DateTime time, std::int32_t& hundreds) {
    hundreds = static_cast<std::int32_t>(time.minute * 6000 + time.second * 100 + time.fractions);
}

std::int32_t TimeDeltaHundreds(DateTime time1, DateTime time2) {
    std::int32_t h1 = 0;
    std::int32_t h2 = 0;
    TimeToHundreds(time1, h1);
    TimeToHundreds(time2, h2);
    return h2 >= h1 ? h2 - h1 : h2 - h1 + kHundredthsPerHour;
}

}  // namespace Time
