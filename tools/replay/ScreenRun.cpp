#include "ScreenRun.h"

#include <cstdlib>
#include <ctime>
#include <random>
#include <sstream>

#include "Game/Game.h"
#include "Menu/Menu.h"
#include "Spel/SpelTesting.h"
#include "Wimdows/Wimdows.h"

namespace replay {

namespace {

struct StopRun {};

void Default(const char* name, const char* value) {
    setenv(name, value, 0);
}

}  // namespace

const char* NameOf(Game::Screen screen) {
    switch (screen) {
        case Game::Screen::MainMenu:
            return "MainMenu";
        case Game::Screen::MenuWithMusic:
            return "MenuWithMusic";
        case Game::Screen::Story:
            return "Story";
        case Game::Screen::StoryText:
            return "StoryText";
        case Game::Screen::Help:
            return "Help";
        case Game::Screen::Credits:
            return "Credits";
        case Game::Screen::StartGame:
            return "StartGame";
        case Game::Screen::Play:
            return "Play";
        case Game::Screen::GameOver:
            return "GameOver";
        case Game::Screen::Win:
            return "Win";
        case Game::Screen::Exit:
            return "Exit";
        case Game::Screen::Abort:
            return "Abort";
    }
    return "?";
}

std::string ToText(const Summary& s) {
    std::ostringstream out;
    out << "screen " << NameOf(s.last) << (s.stopped ? " (stopped)" : "") << '\n'
        << "level " << s.level << '\n'
        << "score " << s.score << '\n'
        << "kills small " << s.kills[0] << " big " << s.kills[1] << " elite " << s.kills[2] << " boss "
        << s.kills[3] << " boat " << s.kills[4] << '\n'
        << "difficulty " << s.difficulty << '\n'
        << "screens " << s.screens << " plays " << s.plays << " crashes " << s.crashes << " level-changes "
        << s.levelChanges << " wins " << s.wins << '\n'
        << "frames " << s.frames << '\n'
        << "virtual-ms " << s.virtualMs << '\n';
    return out.str();
}

Headless::Headless(const std::optional<std::filesystem::path>& dataFolder)
    : previous_(std::filesystem::current_path()) {
    Default("SDL_VIDEODRIVER", "dummy");
    Default("SDL_AUDIODRIVER", "dummy");
    Default("TZ", "UTC");
    tzset();
    if (dataFolder) {
        std::filesystem::current_path(*dataFolder);
        return;
    }
    std::random_device entropy;
    folder_ = std::filesystem::temp_directory_path() / ("saltwing-run-" + std::to_string(entropy()));
    std::filesystem::create_directories(folder_);
    std::filesystem::current_path(folder_);
}

Headless::~Headless() {
    std::error_code error;
    std::filesystem::current_path(previous_, error);
    if (!folder_.empty()) {
        std::filesystem::remove_all(folder_, error);
    }
}

Summary RunScreens(Time::VirtualClock& clock, Watcher& watcher, Time::Instant stopAt) {
    using Game::Screen;
    const Time::Instant start = clock.Now();
    Summary summary;
    bool running = true;
    clock.Schedule(stopAt, [&running] {
        if (running) {
            throw StopRun{};
        }
    });
    Spel::testing::SetPlayObserver([&](Spel::testing::PlayPoint point, Spel::PlayType& play) {
        if (point == Spel::testing::PlayPoint::Started) {
            ++summary.plays;
            watcher.Started(play);
        } else {
            ++summary.frames;
            watcher.Presented(play);
        }
    });
    Screen next = Menu::MediaMenu();
    try {
        Screen previous = next;
        while (next != Screen::Exit && next != Screen::Abort) {
            ++summary.screens;
            summary.crashes += next == Screen::GameOver ? 1 : 0;
            summary.wins += next == Screen::Win ? 1 : 0;
            summary.levelChanges += previous == Screen::Play && next == Screen::Play ? 1 : 0;
            watcher.Screen(next);
            previous = next;
            next = Game::Run(next);
        }
    } catch (const StopRun&) {
        summary.stopped = true;
    } catch (const Wimdows::WindowClosed&) {
        summary.stopped = true;  // closed from its title bar, or by a signal
    }
    running = false;
    Spel::testing::SetPlayObserver(nullptr);
    summary.last = next;
    summary.level = Spel::Level.Now;
    summary.score = Spel::Score;
    summary.difficulty = Spel::Difficulty;
    for (std::int32_t kind = 1; kind <= 5; ++kind) {
        summary.kills[static_cast<std::size_t>(kind - 1)] = Spel::Level.Kills[kind];
    }
    summary.virtualMs = std::chrono::duration_cast<std::chrono::milliseconds>(clock.Now() - start).count();
    if (Wimdows::State() != Wimdows::STATE_DEAD) {
        Wimdows::KillWindow();
    }
    return summary;
}

}  // namespace replay
