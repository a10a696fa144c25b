#include "Replay.h"

#include <cstdio>
#include <thread>
#include <utility>

#include "AutoPlayer.h"
#include "Png.h"
#include "Recorder.h"
#include "Time/TimeTesting.h"
#include "Wimdows/WimdowsFrames.h"

namespace replay {

namespace {

using Game::Screen;
using std::chrono::milliseconds;

constexpr milliseconds kGrace{1000};
constexpr std::chrono::minutes kLongestAutoPlay{60};

// The virtual clock in use for the life of a run, with the random source at its start.
class VirtualRun {
  public:
    explicit VirtualRun(const std::optional<std::filesystem::path>& dataFolder = std::nullopt)
        : headless_(dataFolder) {
        Time::UseClockSource(&clock_);
        Time::testing::SetRandomState(0);
    }
    ~VirtualRun() {
        Time::UseClockSource(nullptr);
        Time::SetWaitHook(nullptr);
    }
    VirtualRun(const VirtualRun&) = delete;
    VirtualRun& operator=(const VirtualRun&) = delete;
    Time::VirtualClock& clock() { return clock_; }

  private:
    Headless headless_;
    Time::VirtualClock clock_;
};

class HashWatcher final : public Watcher {
  public:
    explicit HashWatcher(FrameHashes& hashes) : hashes_(hashes) {}
    void Screen(Game::Screen) override { hashes_.Add(); }
    void Presented(Spel::PlayType&) override { hashes_.Add(); }

  private:
    FrameHashes& hashes_;
};

// Writes the wanted frames as PNG files until one cannot be written.
class PngWatcher final : public Watcher {
  public:
    PngWatcher(std::filesystem::path outFolder, std::function<bool(std::int64_t)> wanted,
               Rendering& rendering)
        : outFolder_(std::move(outFolder)), wanted_(std::move(wanted)), rendering_(rendering) {}
    void Screen(Game::Screen) override { Add(); }
    void Presented(Spel::PlayType&) override { Add(); }

  private:
    void Add() {
        ++frames_;
        if (!wanted_(frames_) || rendering_.failed) {
            return;
        }
        const std::vector<std::uint32_t> frame = Wimdows::frames::BackFrame();
        if (frame.empty()) {
            return;  // before the window opens
        }
        char name[32];
        std::snprintf(name, sizeof name, "frame-%06lld.png", static_cast<long long>(frames_));
        if (WritePng(outFolder_ / name, frame, kPictureWidth)) {
            ++rendering_.written;
        } else {
            rendering_.failed = outFolder_ / name;
        }
    }

    static constexpr std::int32_t kPictureWidth = 1000;  // the game always draws 1000 x 750
    std::filesystem::path outFolder_;
    std::function<bool(std::int64_t)> wanted_;
    Rendering& rendering_;
    std::int64_t frames_ = 0;
};

// Answers every frame with the automatic player's keys and every menu and end screen with a click, a
// moment later: input arrives while the game waits, as a real player's does.
class AutoDriver final : public Watcher {
  public:
    explicit AutoDriver(Time::VirtualClock& clock) : clock_(clock) {}

    void Screen(Game::Screen next) override {
        if (inPlay_) {
            Send(player_.ReleaseAll(), milliseconds(1));
        }
        inPlay_ = next == Screen::Play;
        switch (next) {
            case Screen::MainMenu:
            case Screen::MenuWithMusic:
                Send(Click(480, won_ ? 690 : 330), kGrace);  // Exit after the win, Start before
                break;
            case Screen::GameOver:
                Send(autoplay::AutoPlayer::ClickRetry(), kGrace);
                break;
            case Screen::Win:
                won_ = true;
                Send(autoplay::AutoPlayer::ClickMenuOnWin(), kGrace);
                break;
            default:
                break;
        }
    }

    void Presented(Spel::PlayType& play) override { Send(player_.Step(play), milliseconds(1)); }

  private:
    static autoplay::Events Click(std::int32_t x, std::int32_t y) {
        using Kind = Wimdows::InputEvent::Kind;
        return {{Kind::MouseMove, 0, x, y}, {Kind::LeftDown, 0, x, y}, {Kind::LeftUp, 0, x, y}};
    }

    void Send(const autoplay::Events& events, milliseconds after) {
        for (const Wimdows::InputEvent& event : events) {
            Wimdows::Schedule(clock_, clock_.Now() + after, event);
        }
    }

    Time::VirtualClock& clock_;
    autoplay::AutoPlayer player_;
    bool inPlay_ = false;
    bool won_ = false;
};

// Virtual time for the game, real time for the person watching: every wait first sleeps until its real
// moment, so the play runs at its own speed and is still exactly the recorded one.
class PacedClock final : public Time::ClockSource {
  public:
    explicit PacedClock(Time::VirtualClock& clock)
        : clock_(clock), virtualStart_(clock.Now()), realStart_(real_.Now()) {}
    Time::Instant Now() override { return clock_.Now(); }
    void WaitUntil(Time::Instant when) override {
        real_.WaitUntil(realStart_ + (when - virtualStart_));
        clock_.WaitUntil(when);
    }

  private:
    Time::VirtualClock& clock_;
    Time::RealClock real_;
    Time::Instant virtualStart_;
    Time::Instant realStart_;
};

// A run in a real window with the game's pictures and sounds, at real speed. The watcher's own input does
// not reach the game; Escape or the window's close button ends the run.
class WatchedRun {
  public:
    explicit WatchedRun(const std::filesystem::path& dataFolder)
        : previous_(std::filesystem::current_path()), paced_(clock_) {
        std::filesystem::current_path(dataFolder);
        Time::UseClockSource(&paced_);
        Time::testing::SetRandomState(0);
        Wimdows::IgnoreWindowInput(true);
        Wimdows::SetInputObserver([main = std::this_thread::get_id()](const Wimdows::InputEvent& event) {
            const bool watcherPressedEscape = std::this_thread::get_id() != main &&
                                              event.kind == Wimdows::InputEvent::Kind::KeyDown &&
                                              event.key == Wimdows::VK_ESCAPE;
            if (watcherPressedEscape) {
                Wimdows::RequestClose();
            }
        });
    }
    ~WatchedRun() {
        Wimdows::SetInputObserver(nullptr);
        Wimdows::IgnoreWindowInput(false);
        Time::UseClockSource(nullptr);
        Time::SetWaitHook(nullptr);
        std::error_code error;
        std::filesystem::current_path(previous_, error);
    }
    WatchedRun(const WatchedRun&) = delete;
    WatchedRun& operator=(const WatchedRun&) = delete;
    Time::VirtualClock& clock() { return clock_; }

  private:
    std::filesystem::path previous_;
    Time::VirtualClock clock_;
    PacedClock paced_;
};

// The recording's events delivered at their moments on the run's clock, and the screens run until a second
// after its end.
Summary RunRecording(Time::VirtualClock& clock, const Recording& recording, Watcher& watcher) {
    const Time::Instant start = clock.Now();
    for (const TimedInput& input : recording.events) {
        Wimdows::Schedule(clock, start + milliseconds(input.ms), input.event);
    }
    const std::int64_t end =
        recording.endMs.value_or(recording.events.empty() ? 0 : recording.events.back().ms);
    return RunScreens(clock, watcher, start + milliseconds(end) + kGrace);
}

}  // namespace

Summary PlayWatched(const Recording& recording, Watcher& watcher,
                    const std::optional<std::filesystem::path>& dataFolder) {
    VirtualRun run(dataFolder);
    return RunRecording(run.clock(), recording, watcher);
}

Outcome Play(const Recording& recording, std::int64_t sampleEvery, std::int64_t stride,
             std::ostream* perFrame) {
    FrameHashes hashes(sampleEvery, stride, perFrame);
    HashWatcher watcher(hashes);
    Outcome outcome;
    outcome.summary = PlayWatched(recording, watcher);
    outcome.samples = hashes.Samples();
    return outcome;
}

Rendering Render(const Recording& recording, const std::filesystem::path& dataFolder,
                 const std::filesystem::path& outFolder, const std::function<bool(std::int64_t)>& wanted) {
    Rendering rendering;
    PngWatcher watcher(outFolder, wanted, rendering);
    rendering.summary = PlayWatched(recording, watcher, dataFolder);
    return rendering;
}

Summary Watch(const Recording& recording, const std::filesystem::path& dataFolder) {
    WatchedRun run(dataFolder);
    Watcher nobody;
    return RunRecording(run.clock(), recording, nobody);
}

AutoPlayRun RecordAutoPlay() {
    VirtualRun run;
    const Time::Instant start = run.clock().Now();
    Recorder recorder(start);
    AutoDriver driver(run.clock());
    const Summary summary = RunScreens(run.clock(), driver, start + kLongestAutoPlay);
    return {recorder.Finish(), summary};
}

}  // namespace replay
