// Time: clock readings in hundredths of a second within the hour, time deltas, the random source,
// and the clock source through which every reading and every wait of the program goes.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>

namespace Time {

// One clock reading. Readings of the steady clock carry no date: year, month, day and zone stay 0.
struct DateTime {
    std::uint32_t year = 0;
    std::uint32_t month = 0;
    std::uint32_t day = 0;
    std::uint32_t hour = 0;
    std::uint32_t minute = 0;
    std::uint32_t second = 0;
    std::uint32_t fractions = 0;  // hundredths of a second, 0 to 99
    std::int32_t zone = 0;        // minutes
    bool SummerTimeFlag = false;
};

// A timer made of three readings; the game says which it fills and which two it compares.
struct TimeRecord {
    DateTime now;
    DateTime prev;
    DateTime start;
};

void GetClock(DateTime& t);
void TimeToHundreds(DateTime time, std::int32_t& hundreds);
std::int32_t TimeDeltaHundreds(DateTime time1, DateTime time2);
// Inclusive at both ends; b < a is a programming error that ends the program.
std::int32_t RandomNr(std::int32_t a, std::int32_t b);

// Waits a number of milliseconds through the clock source, in steps of at most a hundredth, running the
// wait hook after each step so that a close or a signal ends even a long wait at once.
void Delay(std::uint32_t milliseconds);
// Frame pacing: returns in the first moment the clock's hundredth differs from the one it had at the call.
void WaitNextHundredth();

// Waits like Delay; then, on a clock that sleeps (the real one), on until Wake is called, at once if it was
// called since the last IdleDelay. For loops that only react to what Wake reports: the window layer calls it
// for every input event and for a close, so a menu nobody touches does not wake the processor.
void IdleDelay(std::uint32_t milliseconds);
// Ends the IdleDelay under way or the next one. Any thread; safe in a signal handler.
void Wake();

// A sleep that other threads and signal handlers can end: the idle menu's and the window thread's. It sleeps
// on an eventfd, made by the first wait (after the program has seen to its standard descriptors) and kept to
// the end of the process, so that a signal handler never writes to a descriptor closed or reused.
class Wakeup {
  public:
    constexpr Wakeup() = default;
    Wakeup(const Wakeup&) = delete;
    Wakeup& operator=(const Wakeup&) = delete;

    // Ends the wait under way or the next one. Any thread; safe in a signal handler.
    void Notify();
    // Returns once Notify has been called since the last return, once `descriptor` (unless -1) has
    // something to read, or after `timeoutMilliseconds` (-1: no limit). One waiting thread at a time.
    // Without an eventfd it cannot be woken and returns after a short sleep, for the caller to look again.
    void Wait(int descriptor = -1, int timeoutMilliseconds = -1);

  private:
    std::atomic<std::uint64_t> notified_{0};
    std::atomic<int> fd_{-1};
    std::uint64_t seen_ = 0;  // by the waiting thread
};

// ---- Clock source -------------------------------------------------------------------------------------

// Time since the clock source's origin: boot for the real clock, so that setting the date changes nothing.
using Instant = std::chrono::nanoseconds;

class ClockSource {
  public:
    virtual ~ClockSource() = default;
    virtual Instant Now() = 0;
    // Returns once Now() >= when.
    virtual void WaitUntil(Instant when) = 0;
    // Returns once Wake has been called since the last return; a clock that only moves when waited on
    // returns at once.
    virtual void WaitForWake() {}
};

// The steady (monotonic) clock. Waits sleep to an absolute deadline on it, so a paced frame starts on time
// without burning a core.
class RealClock final : public ClockSource {
  public:
    Instant Now() override;
    void WaitUntil(Instant when) override;
    void WaitForWake() override;
};

// Time for tests, benchmarks and replays: it stands still until something waits, and a wait moves it
// forward. Scheduled actions (scripted input) run, in time order, when the clock passes their moment;
// the clock reads their moment while they run.
class VirtualClock final : public ClockSource {
  public:
    explicit VirtualClock(Instant start = DefaultStart());
    Instant Now() override { return now_; }
    void WaitUntil(Instant when) override;

    void Schedule(Instant when, std::function<void()> action);
    // Moves time forward by the given amount, running what falls due.
    void Advance(Instant by) { WaitUntil(now_ + by); }
    std::size_t Pending() const { return actions_.size(); }

    // 12:00:00.00 UTC on a fixed day: a reading at the very start of an hour.
    static Instant DefaultStart();

  private:
    Instant now_;
    std::uint64_t sequence_ = 0;  // keeps actions of the same moment in the order they were scheduled
    std::multimap<std::pair<Instant, std::uint64_t>, std::function<void()>> actions_;
};

// The clock source in use; the real clock unless another was installed. The caller keeps ownership;
// passing nullptr goes back to the real clock.
ClockSource& Clock();
void UseClockSource(ClockSource* source);

// Runs after every wait (and every step of a long one) of Delay and WaitNextHundredth, on the waiting thread.
// The window layer uses it to notice a window closed from its title bar; nullptr removes it.
void SetWaitHook(std::function<void()> hook);

}  // namespace Time
