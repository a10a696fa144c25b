#include "Recorder.h"

#include <chrono>

namespace replay {

Recorder::Recorder(Time::Instant start) : start_(start) {
    Wimdows::SetInputObserver([this](const Wimdows::InputEvent& event) {
        // The time is read under the lock: events from two threads keep their times in order, as the
        // reader of recordings demands.
        std::lock_guard lock(mutex_);
        recording_.events.push_back({SinceStart(), event});
    });
}

Recorder::~Recorder() {
    Wimdows::SetInputObserver(nullptr);
}

Recording Recorder::Finish() {
    Wimdows::SetInputObserver(nullptr);
    std::lock_guard lock(mutex_);
    recording_.endMs = SinceStart();
    return recording_;
}

std::int64_t Recorder::SinceStart() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Time::Clock().Now() - start_).count();
}

}  // namespace replay
