#include <gtest/gtest.h>

#include <vector>

#include "Time/Time.h"
#include "VirtualTime.h"

namespace {

using std::chrono::milliseconds;

TEST(VirtualClock, StandsStillUntilSomethingWaits) {
    testsupport::VirtualTime time;
    Time::DateTime a;
    Time::DateTime b;
    Time::GetClock(a);
    Time::GetClock(b);
    EXPECT_EQ(Time::TimeDeltaHundreds(a, b), 0);
    Time::Delay(250);
    EXPECT_EQ(time.Elapsed(), 25);
}

TEST(VirtualClock, WaitNextHundredthStopsOnTheBoundary) {
    testsupport::VirtualTime time;
    time.clock().Advance(milliseconds(3));
    Time::WaitNextHundredth();
    EXPECT_EQ(time.clock().Now(), time.At(1));
    Time::WaitNextHundredth();
    EXPECT_EQ(time.clock().Now(), time.At(2));
}

TEST(VirtualClock, RunsScheduledActionsInOrderAtTheirMoment) {
    testsupport::VirtualTime time;
    std::vector<long long> seenAt;
    time.clock().Schedule(time.At(30), [&] { seenAt.push_back(time.Elapsed() * 10 + 2); });
    time.clock().Schedule(time.At(10), [&] { seenAt.push_back(time.Elapsed() * 10 + 0); });
    time.clock().Schedule(time.At(10), [&] { seenAt.push_back(time.Elapsed() * 10 + 1); });
    Time::Delay(150);
    EXPECT_EQ(seenAt, (std::vector<long long>{100, 101}));
    EXPECT_EQ(time.Elapsed(), 15);
    Time::Delay(200);
    EXPECT_EQ(seenAt, (std::vector<long long>{100, 101, 302}));
    EXPECT_EQ(time.clock().Pending(), 0u);
}

TEST(VirtualClock, ActionsMayScheduleMore) {
    testsupport::VirtualTime time;
    int runs = 0;
    time.clock().Schedule(time.At(1), [&] {
        ++runs;
        time.clock().Schedule(time.At(2), [&] { ++runs; });
    });
    Time::Delay(50);
    EXPECT_EQ(runs, 2);
}

TEST(WaitHook, EndsALongWaitWithinAHundredth) {
    struct Closed {};
    testsupport::VirtualTime time;
    const Time::Instant closedAt = time.At(25);
    Time::SetWaitHook([&] {
        if (time.clock().Now() >= closedAt) {
            throw Closed{};
        }
    });
    EXPECT_THROW(Time::Delay(5000), Closed);
    EXPECT_LE(time.Elapsed(), 35);
}

TEST(WaitHook, RunsAfterEveryWait) {
    testsupport::VirtualTime time;
    int calls = 0;
    Time::SetWaitHook([&] { ++calls; });
    Time::Delay(1);
    Time::WaitNextHundredth();
    EXPECT_EQ(calls, 2);
}

}  // namespace
