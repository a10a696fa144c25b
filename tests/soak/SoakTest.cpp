// The soak: a long headless run on the virtual clock with seeded random input. Memory stays flat, the stack
// is as deep at every play as at the first, and the run really goes through crashes, level changes and
// wins. The long run (an hour of virtual play; SALTWING_SOAK_SEED picks another input) is, in the build
// folder:
//   SALTWING_SOAK_MINUTES=60 ./soak_tests
// Under AddressSanitizer add ASAN_OPTIONS=quarantine_size_mb=0: its quarantine of freed memory otherwise
// counts as resident.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <set>

#include "AutoPlayer.h"
#include "ScreenRun.h"
#include "VirtualTime.h"

namespace {

using Game::Screen;
using Kind = Wimdows::InputEvent::Kind;
using std::chrono::milliseconds;

long long EnvNumber(const char* name, long long otherwise) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::atoll(value) : otherwise;
}

long long ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long long pages = 0;
    long long resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// Mostly the automatic player, with stretches of random keys that end in crashes; random buttons on every
// menu, page and end screen, with Start chosen most often so that plays keep coming.
class SoakDriver final : public replay::Watcher {
  public:
    SoakDriver(Time::VirtualClock& clock, unsigned seed) : clock_(clock), random_(seed) {}

    void Screen(Game::Screen next) override {
        ++screens_;
        if (inPlay_) {
            LetGo();
            if (residentAfterFirstPlay == 0) {
                residentAfterFirstPlay = ResidentBytes();
            }
        }
        inPlay_ = next == Screen::Play;
        switch (next) {
            case Screen::MainMenu:
            case Screen::MenuWithMusic:
                ClickOneOf({{480, 330}, {480, 330}, {480, 330}, {480, 420}, {480, 510}, {480, 600}});
                break;
            case Screen::Story:
            case Screen::StoryText:
            case Screen::Help:
            case Screen::Credits:
                ClickOneOf({{700, 700}, {870, 700}});
                break;
            case Screen::GameOver:
                ClickOneOf({{880, 700}, {880, 700}, {880, 700}, {880, 700}, {880, 700}, {700, 700}});
                break;
            case Screen::Win:
                ClickOneOf({{850, 640}});
                break;
            default:
                break;
        }
    }

    void Started(Spel::PlayType&) override {
        const int local = 0;
        stackAtPlay.insert(reinterpret_cast<std::uintptr_t>(&local));
    }

    void Presented(Spel::PlayType& play) override {
        if (--stretch_ <= 0) {
            LetGo();
            randomKeys_ = Chance(0.1);
            stretch_ = std::uniform_int_distribution(200, 2000)(random_);
        }
        if (!randomKeys_) {
            Send(player_.Step(play), milliseconds(1));
        } else if (Chance(0.05)) {
            const std::size_t k = std::uniform_int_distribution<std::size_t>(0, kKeys.size() - 1)(random_);
            held_[k] = !held_[k];
            Send({{held_[k] ? Kind::KeyDown : Kind::KeyUp, kKeys[k], 0, 0}}, milliseconds(1));
        }
    }

    long long residentAfterFirstPlay = 0;
    std::set<std::uintptr_t> stackAtPlay;

  private:
    static constexpr std::array<std::uint32_t, 6> kKeys{Wimdows::VK_UP,    Wimdows::VK_DOWN,
                                                        Wimdows::VK_LEFT,  Wimdows::VK_RIGHT,
                                                        Wimdows::VK_SPACE, Wimdows::VK_B};

    bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }

    // Every key up; the automatic player starts afresh, holding nothing.
    void LetGo() {
        autoplay::Events events;
        for (const std::uint32_t key : kKeys) {
            events.push_back({Kind::KeyUp, key, 0, 0});
        }
        Send(events, milliseconds(1));
        held_ = {};
        player_ = autoplay::AutoPlayer{};
    }

    // Clicks again while the screen stays: a click beside every button changes nothing.
    void ClickOneOf(const std::vector<std::pair<std::int32_t, std::int32_t>>& places) {
        const auto [x, y] = places[std::uniform_int_distribution<std::size_t>(0, places.size() - 1)(random_)];
        const milliseconds after(std::uniform_int_distribution(300, 3000)(random_));
        Send({{Kind::MouseMove, 0, x, y}, {Kind::LeftDown, 0, x, y}, {Kind::LeftUp, 0, x, y}}, after);
        clock_.Schedule(clock_.Now() + after + milliseconds(500), [this, places, screen = screens_] {
            if (screen == screens_) {
                ClickOneOf(places);
            }
        });
    }

    void Send(const autoplay::Events& events, milliseconds after) {
        for (const Wimdows::InputEvent& event : events) {
            Wimdows::Schedule(clock_, clock_.Now() + after, event);
        }
    }

    Time::VirtualClock& clock_;
    std::mt19937 random_;
    autoplay::AutoPlayer player_;
    std::array<bool, kKeys.size()> held_{};
    bool randomKeys_ = false;
    int stretch_ = 0;
    bool inPlay_ = false;
    long long screens_ = 0;
};

TEST(Soak, MemoryAndStackStayFlatThroughPlaysCrashesLevelChangesAndWins) {
    const long long minutes = EnvNumber("SALTWING_SOAK_MINUTES", 10);
    const auto seed = static_cast<unsigned>(EnvNumber("SALTWING_SOAK_SEED", 1));
    replay::Headless headless;
    testsupport::VirtualTime time;
    SoakDriver driver(time.clock(), seed);

    const replay::Summary summary =
        replay::RunScreens(time.clock(), driver, time.clock().Now() + std::chrono::minutes(minutes));
    const long long residentAtEnd = ResidentBytes();

    std::printf(
        "soak: %lld virtual minutes, seed %u\n%sresident after the first play %.1f MB, at the end %.1f MB\n"
        "stack depths at play start: %zu\n",
        minutes, seed, replay::ToText(summary).c_str(),
        static_cast<double>(driver.residentAfterFirstPlay) / 1e6, static_cast<double>(residentAtEnd) / 1e6,
        driver.stackAtPlay.size());
    EXPECT_TRUE(summary.stopped) << "the program ended before the soak did";
    EXPECT_LT(residentAtEnd - driver.residentAfterFirstPlay, 10'000'000);
    EXPECT_EQ(driver.stackAtPlay.size(), 1u) << "a play started deeper in the stack than the first";
    EXPECT_GE(summary.plays, 3);
    EXPECT_GE(summary.crashes, 1);
    EXPECT_GE(summary.levelChanges, 1);
    if (minutes >= 60) {
        EXPECT_GE(summary.wins, 1);
    }
}

}  // namespace
