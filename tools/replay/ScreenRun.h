// The program's screens run headless on the virtual clock, as the program runs them (the menu's start, then
// Game::Run until Exit), watched screen by screen and frame by frame. Replays, the recording made by the
// automatic player and the soak all run through here.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "Game/Screen/Screen.h"
#include "Spel/State.h"
#include "Time/Time.h"

namespace replay {

// What a run reached; its text form is the readable end state that replays compare.
struct Summary {
    Game::Screen last = Game::Screen::MainMenu;  // Exit or Abort, or the screen that was running at the stop
    bool stopped = false;                        // the run was stopped before the program ended
    std::int64_t screens = 0;
    std::int64_t plays = 0;
    std::int64_t crashes = 0;
    std::int64_t levelChanges = 0;
    std::int64_t wins = 0;
    std::int64_t frames = 0;  // frames presented in plays
    std::int32_t level = 0;
    std::int32_t score = 0;
    std::int32_t difficulty = 0;
    std::array<std::int32_t, 5> kills{};  // of the last play: small, big, elite, boss, boat
    std::int64_t virtualMs = 0;
};
std::string ToText(const Summary& summary);
const char* NameOf(Game::Screen screen);

// Sees the run; every call is on the main thread, inside the game.
class Watcher {
  public:
    virtual ~Watcher() = default;
    // The screen that comes next, before it runs (the first is the main menu).
    virtual void Screen(Game::Screen next) { static_cast<void>(next); }
    virtual void Started(Spel::PlayType& play) { static_cast<void>(play); }
    virtual void Presented(Spel::PlayType& play) { static_cast<void>(play); }
};

// SDL's dummy drivers and UTC unless the environment names others, and a working directory of its own
// without the game's pictures and sounds: a run then does not depend on the art. Given the game's data
// folder, the run works there instead, with the pictures. Restores the working directory at the end.
class Headless {
  public:
    explicit Headless(const std::optional<std::filesystem::path>& dataFolder = std::nullopt);
    ~Headless();
    Headless(const Headless&) = delete;
    Headless& operator=(const Headless&) = delete;

  private:
    std::filesystem::path previous_;
    std::filesystem::path folder_;  // made for the run, removed at its end; empty in the data folder
};

// Runs the screens on `clock` (installed by the caller) until the program ends or the clock reaches `stopAt`.
Summary RunScreens(Time::VirtualClock& clock, Watcher& watcher, Time::Instant stopAt);

}  // namespace replay
