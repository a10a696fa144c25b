#include <gtest/gtest.h>

#include <set>

#include "Time/Time.h"
#include "Time/TimeTesting.h"
#include "VirtualTime.h"

namespace {

TEST(RandomNr, FollowsItsRecurrenceFromTheClock) {
    testsupport::VirtualTime time;  // a reading 0 hundredths into the hour
    Time::testing::SetRandomState(0);
    EXPECT_EQ(Time::RandomNr(1, 3), 1);
    EXPECT_EQ(Time::testing::RandomState(), 14013);
    EXPECT_EQ(Time::RandomNr(1, 3), 2);
    EXPECT_EQ(Time::testing::RandomState(), 22756);
}

TEST(RandomNr, StirsInTheReading) {
    testsupport::VirtualTime time;
    time.clock().Advance(std::chrono::milliseconds(1230));  // 123 hundredths into the hour
    Time::testing::SetRandomState(0);
    Time::RandomNr(0, 9);
    EXPECT_EQ(Time::testing::RandomState(), 14136);
}

TEST(RandomNr, SingleValueRangeStillAdvances) {
    testsupport::VirtualTime time;
    Time::testing::SetRandomState(0);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Time::RandomNr(5, 5), 5);
    }
    EXPECT_NE(Time::testing::RandomState(), 0);
}

TEST(RandomNr, CoversASmallRangeAndNothingElse) {
    testsupport::VirtualTime time;
    std::set<std::int32_t> seen;
    for (int i = 0; i < 2000; ++i) {
        time.clock().Advance(std::chrono::milliseconds(10));
        const std::int32_t v = Time::RandomNr(-3, 3);
        ASSERT_GE(v, -3);
        ASSERT_LE(v, 3);
        seen.insert(v);
        ASSERT_GE(Time::testing::RandomState(), 0);
        ASSERT_LT(Time::testing::RandomState(), 100000);
    }
    EXPECT_EQ(seen.size(), 7u);
}

TEST(RandomNr, WideRangeNeverPassesTheStateBound) {
    testsupport::VirtualTime time;
    Time::testing::SetRandomState(99999);
    for (int i = 0; i < 100; ++i) {
        const std::int32_t v = Time::RandomNr(0, 2000000);
        ASSERT_LE(v, 99999);
    }
}

TEST(RandomNrDeathTest, EmptyRangeEndsTheProgramNamingTheRange) {
    EXPECT_DEATH(Time::RandomNr(4, 3), "empty range 4 to 3");
}

}  // namespace
