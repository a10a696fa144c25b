#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <thread>

#include "Time/Time.h"
#include "VirtualTime.h"

namespace {

Time::DateTime Reading(std::uint32_t hour, std::uint32_t minute, std::uint32_t second,
                       std::uint32_t fractions, std::uint32_t day = 1) {
    Time::DateTime t;
    t.year = 2026;
    t.month = 3;
    t.day = day;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    t.fractions = fractions;
    return t;
}

std::int32_t Hundreds(const Time::DateTime& t) {
    std::int32_t h = -1;
    Time::TimeToHundreds(t, h);
    return h;
}

TEST(TimeToHundreds, CountsWithinTheHourOnly) {
    EXPECT_EQ(Hundreds(Reading(10, 59, 59, 99)), 359999);
    EXPECT_EQ(Hundreds(Reading(11, 0, 0, 0)), 0);
    Time::DateTime other = Reading(21, 12, 30, 40, 17);
    other.zone = -120;
    other.SummerTimeFlag = true;
    EXPECT_EQ(Hundreds(Reading(8, 12, 30, 40)), 75040);
    EXPECT_EQ(Hundreds(other), 75040);
}

TEST(TimeDeltaHundreds, WrapsAtEveryHour) {
    EXPECT_EQ(Time::TimeDeltaHundreds(Reading(10, 59, 59, 99), Reading(11, 0, 0, 0)), 1);
    EXPECT_EQ(Time::TimeDeltaHundreds(Reading(10, 59, 59, 95), Reading(11, 0, 0, 5)), 10);
    EXPECT_EQ(Time::TimeDeltaHundreds(Reading(23, 59, 59, 50), Reading(0, 0, 0, 20, 2)), 70);
}

TEST(TimeDeltaHundreds, IsTakenModuloOneHour) {
    EXPECT_EQ(Time::TimeDeltaHundreds(Reading(9, 10, 0, 0), Reading(9, 10, 0, 0)), 0);
    EXPECT_EQ(Time::TimeDeltaHundreds(Reading(9, 10, 0, 0), Reading(10, 10, 0, 0)), 0);
    EXPECT_EQ(Time::TimeDeltaHundreds(Reading(9, 10, 0, 0), Reading(10, 10, 5, 0)), 500);
    // Reversed arguments read as almost an hour.
    EXPECT_EQ(Time::TimeDeltaHundreds(Reading(9, 10, 0, 1), Reading(9, 10, 0, 0)), 359999);
}

TEST(GetClock, ReadsTheClockSourceInTruncatedHundredths) {
    testsupport::VirtualTime time;  // 12:00:00.00 UTC
    time.clock().Advance(std::chrono::milliseconds(61 * 60 * 1000 + 2999));
    Time::DateTime t;
    Time::GetClock(t);
    EXPECT_EQ(t.hour, 13u);
    EXPECT_EQ(t.minute, 1u);
    EXPECT_EQ(t.second, 2u);
    EXPECT_EQ(t.fractions, 99u);
    EXPECT_EQ(t.zone, 0);
}

TEST(GetClock, ReadingsDoNotDependOnTheTimeZone) {
    // Half an hour off UTC: a reading in local time would be half an hour into its hour.
    ::setenv("TZ", "IST-5:30", 1);
    ::tzset();
    testsupport::VirtualTime time;  // 12:00:00.00 UTC
    Time::DateTime t;
    Time::GetClock(t);
    ::unsetenv("TZ");
    ::tzset();
    EXPECT_EQ(t.hour, 12u);
    EXPECT_EQ(t.minute, 0u);
    EXPECT_EQ(t.second, 0u);
}

TEST(RealClock, ReadsTheSteadyClockSoThatSettingTheDateChangesNothing) {
    timespec steady{};
    ::clock_gettime(CLOCK_MONOTONIC, &steady);
    const Time::Instant expected =
        std::chrono::seconds(steady.tv_sec) + std::chrono::nanoseconds(steady.tv_nsec);
    Time::RealClock real;
    EXPECT_LT(std::chrono::abs(real.Now() - expected), std::chrono::seconds(1));
}

TEST(GetClock, RealClockMovesOn) {
    Time::DateTime a;
    Time::DateTime b;
    Time::GetClock(a);
    Time::Delay(30);
    Time::GetClock(b);
    const std::int32_t delta = Time::TimeDeltaHundreds(a, b);
    EXPECT_GE(delta, 3);
    EXPECT_LT(delta, 100);
}

// An idle wait on the real clock lasts its delay and then until a wake, from any thread; a wake that came
// before it is not lost. (No upper bound is tested: only that the waits end.)
TEST(IdleDelay, OnTheRealClockEndsAtAWakeAfterItsDelay) {
    Time::Wake();
    const auto start = std::chrono::steady_clock::now();
    Time::IdleDelay(20);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(20)) << "woken before";

    // Read before the waker starts: its 100 ms count from a moment no earlier than this one.
    const auto blocked = std::chrono::steady_clock::now();
    std::thread waker([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        Time::Wake();
    });
    Time::IdleDelay(1);
    EXPECT_GE(std::chrono::steady_clock::now() - blocked, std::chrono::milliseconds(100)) << "no wake yet";
    waker.join();
}

TEST(IdleDelay, OnTheVirtualClockIsADelay) {
    testsupport::VirtualTime time;
    const Time::Instant start = time.clock().Now();
    Time::IdleDelay(25);
    EXPECT_EQ(time.clock().Now() - start, std::chrono::milliseconds(25));
}

}  // namespace
