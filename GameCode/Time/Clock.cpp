// Readings of the clock source as local wall-clock time, and hundredth arithmetic.
#include <ctime>

#include "Time.h"

namespace Time {

namespace {

constexpr std::int32_t kHundredthsPerHour = 360000;

}  // namespace

void GetClock(DateTime& t) {
    const Instant now = Clock().Now();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(now);
    const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(now - seconds).count();
    const std::time_t whole = static_cast<std::time_t>(seconds.count());
    std::tm local{};
    localtime_r(&whole, &local);
    t.year = static_cast<std::uint32_t>(local.tm_year + 1900);
    t.month = static_cast<std::uint32_t>(local.tm_mon + 1);
    t.day = static_cast<std::uint32_t>(local.tm_mday);
    t.hour = static_cast<std::uint32_t>(local.tm_hour);
    t.minute = static_cast<std::uint32_t>(local.tm_min);
    t.second = static_cast<std::uint32_t>(local.tm_sec);
    t.fractions = static_cast<std::uint32_t>(milliseconds * 100 / 1000);
    t.zone = static_cast<std::int32_t>(-local.tm_gmtoff / 60);
    t.SummerTimeFlag = local.tm_isdst > 0;
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
