// The clock sources and the waits that go through them.
#include <time.h>

#include <algorithm>
#include <cerrno>

#include "Time.h"

namespace Time {

namespace {

RealClock gRealClock;
std::atomic<ClockSource*> gSource{&gRealClock};
std::function<void()> gWaitHook;

Wakeup gIdleWake;

void RunWaitHook() {
    if (gWaitHook) {
        gWaitHook();
    }
}

}  // namespace

Instant RealClock::Now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

void RealClock::WaitUntil(Instant when) {
    // Sleeps to the moment itself, on the same clock that Now reads: nothing to spin, and a sleep cut short
    // by a signal goes on to the same deadline.
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(when);
    const timespec deadline{.tv_sec = static_cast<std::time_t>(seconds.count()),
                            .tv_nsec = static_cast<long>((when - seconds).count())};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
}

void RealClock::WaitForWake() {
    gIdleWake.Wait();
}

VirtualClock::VirtualClock(Instant start) : now_(start) {}

Instant VirtualClock::DefaultStart() {
    // 2026-06-01 12:00:00 UTC.
    return std::chrono::seconds(1780315200);
}

void VirtualClock::WaitUntil(Instant when) {
    // An action may schedule further actions or wait itself; take one due action at a time.
    while (!actions_.empty() && actions_.begin()->first.first <= when) {
        auto first = actions_.begin();
        now_ = std::max(now_, first->first.first);
        std::function<void()> action = std::move(first->second);
        actions_.erase(first);
        action();
    }
    now_ = std::max(now_, when);
}

void VirtualClock::Schedule(Instant when, std::function<void()> action) {
    actions_.emplace(std::make_pair(when, sequence_++), std::move(action));
}

ClockSource& Clock() {
    return *gSource.load(std::memory_order_acquire);
}

void UseClockSource(ClockSource* source) {
    gSource.store(source != nullptr ? source : &gRealClock, std::memory_order_release);
}

void SetWaitHook(std::function<void()> hook) {
    gWaitHook = std::move(hook);
}

void Delay(std::uint32_t milliseconds) {
    constexpr Instant step = std::chrono::milliseconds(10);
    ClockSource& clock = Clock();
    const Instant end = clock.Now() + std::chrono::milliseconds(milliseconds);
    do {
        clock.WaitUntil(std::min(end, clock.Now() + step));
        RunWaitHook();
    } while (clock.Now() < end);
}

void IdleDelay(std::uint32_t milliseconds) {
    Delay(milliseconds);
    Clock().WaitForWake();
    RunWaitHook();
}

void Wake() {
    gIdleWake.Notify();
}

void WaitNextHundredth() {
    constexpr Instant hundredth = std::chrono::milliseconds(10);
    ClockSource& clock = Clock();
    const Instant now = clock.Now();
    clock.WaitUntil(now - now % hundredth + hundredth);
    RunWaitHook();
}

}  // namespace Time
