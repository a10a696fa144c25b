// Records every input event that reaches the window, with its time since a start, through the window
// layer's input observer. Real input arrives on the window thread; the recorder takes it from any thread.
#pragma once

#include <mutex>

#include "Recording.h"
#include "Time/Time.h"

namespace replay {

class Recorder {
  public:
    explicit Recorder(Time::Instant start);
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Stops recording; the recording ends now.
    Recording Finish();

  private:
    std::int64_t SinceStart() const;

    Time::Instant start_;
    std::mutex mutex_;
    Recording recording_;
};

}  // namespace replay
