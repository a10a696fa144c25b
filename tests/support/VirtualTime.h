// Installs a virtual clock for the lifetime of a test and removes it again.
#pragma once

#include "Time/Time.h"

namespace testsupport {

class VirtualTime {
  public:
    explicit VirtualTime(Time::Instant start = Time::VirtualClock::DefaultStart()) : clock_(start) {
        Time::UseClockSource(&clock_);
    }
    ~VirtualTime() {
        Time::UseClockSource(nullptr);
        Time::SetWaitHook(nullptr);
    }
    VirtualTime(const VirtualTime&) = delete;
    VirtualTime& operator=(const VirtualTime&) = delete;

    Time::VirtualClock& clock() { return clock_; }
    // Moment `hundredths` after the clock's start.
    Time::Instant At(long long hundredths) const {
        return start_ + std::chrono::milliseconds(hundredths * 10);
    }
    // Hundredths since the clock's start.
    long long Elapsed() { return (clock_.Now() - start_) / std::chrono::milliseconds(10); }

  private:
    Time::VirtualClock clock_;
    Time::Instant start_ = clock_.Now();
};

}  // namespace testsupport
