// PlayFixture: scenario tests of the game, run on the virtual clock with the headless window.
//
// A test derives from it (TEST_F(PlayFixture, ...) or a subclass) and gets a virtual clock installed for the
// test, the game window open at 1000 x 750 (SetUp) and closed again (TearDown), and these steps:
//
//   StartGame(level, difficulty)  Media: the game's pictures, the engine sound, level 1, difficulty 1, score
//   0;
//                                 then Level.Now and Difficulty are set to the values given.
//   OnPlayStart(change)           change(play) runs once, when the next play has made its records and before
//                                 its first frame: place the aeroplane, the friendly ship, set counters...
//   HoldKey(key, from, to)        the key goes down `from` and up `to` hundredths after the next play starts
//                                 (to < 0: never released). Keys are Windows virtual-key codes (Wimdows.h,
//                                 VK_P, VK_B). Play time h is the hundredth boundary h after the play's
//                                 start, so input given at h is first seen by the frame whose
//                                 play.Time.DiffEnemy is h.
//   ClickAt(x, y, at)             a left click at (x, y), `at` hundredths after the next play starts.
//   ClickIn(x, y, after)          a left click `after` hundredths from now: for the end screens and menus.
//   AtPlayTime(at, action)        action() runs `at` hundredths after the next play starts, inside whatever
//                                 wait the game is in then (a frame's pacing, a pause, the level pictures):
//                                 e.g. to look at the presented frame (WimdowsTesting.h).
//   RunPlay(until, maxFrames)     runs one play (Controls). until(play) is asked after every presented frame
//                                 and may read and change the play; the play is stopped when it returns true
//                                 or after maxFrames frames. The result says what ended the play.
//   RunScreen(screen, bound)      runs one screen of the game (StartGame, Play, GameOver, Win) to its end and
//                                 returns the screen that follows; the test fails if it takes longer than
//                                 `bound` hundredths of virtual time.
//   Elapsed()                     hundredths since the test's clock started.
//   HaveGameData()                whether the generated Bitmaps/ and audio/ are there (not in sanitizer
//                                 builds): guard what needs real pictures or sounds with it.
//   NoAircraft(play)              keeps every aircraft wave away for the rest of the play (for OnPlayStart),
//                                 so that flight tests are not shot down; boats and the friendly ship still
//                                 sail.
//   StartAlone(x, y)              StartGame, and the next play starts with the aeroplane at (x, y) and no
//                                 aircraft waves (NoAircraft).
//
// Scripted input given before a play is scheduled when that play starts, so its times count from the play's
// own clock (Time.BeginTime). The game's globals (Level, Score, Difficulty, PlayerBullet, ...) are read and
// set directly through State.h.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "Game/Screen/Screen.h"
#include "Spel/Spel.h"
#include "Spel/SpelTesting.h"
#include "Spel/State.h"
#include "StandardMenu/StandardMenu.h"
#include "VirtualTime.h"
#include "Wimdows/Wimdows.h"

namespace playtest {

// Whether the generated pictures and sounds are in the working directory; the sanitizer builds have none,
// and there every load gives handle 0.
inline bool HaveGameData() {
    return std::filesystem::exists("Bitmaps/Hemel.bmp") && std::filesystem::exists("audio/Shot.wav");
}

// How a play run by RunPlay ended.
struct PlayEnd {
    std::optional<Game::Screen> screen;  // what Controls returned; empty when the test stopped the play
    bool stopped = false;                // the until condition held
    bool timedOut = false;               // maxFrames frames went by without the condition
    int frames = 0;                      // frames presented
};

class PlayFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        Wimdows::Window("Game", 1000, 750);
        Spel::testing::SetPlayObserver(
            [this](Spel::testing::PlayPoint point, Spel::PlayType& play) { Observe(point, play); });
    }

    void TearDown() override {
        Spel::testing::SetPlayObserver(nullptr);
        if (Wimdows::State() != Wimdows::STATE_DEAD) {
            Wimdows::KillWindow();
        }
    }

    void StartGame(std::int32_t level = 1, std::int32_t difficulty = 1) {
        // Clicks are recorded from the first button test on; in the program the main menu has made it.
        StandardMenu::ButtonRc nowhere;
        nowhere.visible = true;
        StandardMenu::ButtonSelected(nowhere);
        ASSERT_EQ(Spel::Media(), Game::Screen::Play);
        Spel::Level.Now = level;
        Spel::Difficulty = difficulty;
    }

    void OnPlayStart(std::function<void(Spel::PlayType&)> change) { onStart_ = std::move(change); }

    void HoldKey(std::uint32_t key, long long from, long long to = -1) {
        script_.push_back({from, {Wimdows::InputEvent::Kind::KeyDown, key, 0, 0}});
        if (to >= 0) {
            script_.push_back({to, {Wimdows::InputEvent::Kind::KeyUp, key, 0, 0}});
        }
    }

    void ClickAt(std::int32_t x, std::int32_t y, long long at) {
        for (const Wimdows::InputEvent& event : Click(x, y)) {
            script_.push_back({at, event});
        }
    }

    void ClickIn(std::int32_t x, std::int32_t y, long long after) {
        for (const Wimdows::InputEvent& event : Click(x, y)) {
            Wimdows::Schedule(time_.clock(), time_.clock().Now() + Hundredths(after), event);
        }
    }

    void AtPlayTime(long long at, std::function<void()> action) {
        actions_.push_back({at, std::move(action)});
    }

    PlayEnd RunPlay(std::function<bool(Spel::PlayType&)> until, int maxFrames) {
        until_ = std::move(until);
        maxFrames_ = maxFrames;
        end_ = PlayEnd{};
        // Pauses, crash sequences and level changes present no frames; bound them by virtual time too.
        const Game::Screen next = RunScreen(Game::Screen::Play, maxFrames + 60000);
        if (!end_.stopped && !end_.timedOut) {
            end_.screen = next;
        }
        until_ = nullptr;
        return end_;
    }

    Game::Screen RunScreen(Game::Screen screen, long long bound) {
        const int deadline = ++deadlines_;
        time_.clock().Schedule(time_.clock().Now() + Hundredths(bound), [this, deadline] {
            if (deadline == deadlines_) {
                throw ScreenTimeout{};
            }
        });
        try {
            const Game::Screen next = Show(screen);
            ++deadlines_;
            return next;
        } catch (const Spel::testing::StopPlay&) {
            ++deadlines_;
            return Game::Screen::Play;
        } catch (const ScreenTimeout&) {
            ADD_FAILURE() << "the screen did not end within " << bound << " hundredths";
            return Game::Screen::Abort;
        }
    }

    long long Elapsed() { return time_.Elapsed(); }

    // A new wave is chosen only while every aircraft wave counter is 0, and none of these runs without one.
    static void NoAircraft(Spel::PlayType& play) { play.Enemy.Boss.Counter = 1; }

    void StartAlone(std::int32_t x, std::int32_t y) {
        StartGame();
        OnPlayStart([=](Spel::PlayType& play) {
            NoAircraft(play);
            play.Player.CoX = x;
            play.Player.CoY = y;
        });
    }
    testsupport::VirtualTime& time() { return time_; }

  private:
    struct ScreenTimeout {};
    struct Scripted {
        long long at;
        Wimdows::InputEvent event;
    };

    static std::chrono::milliseconds Hundredths(long long h) { return std::chrono::milliseconds(h * 10); }

    static std::vector<Wimdows::InputEvent> Click(std::int32_t x, std::int32_t y) {
        using Kind = Wimdows::InputEvent::Kind;
        return {{Kind::MouseMove, 0, x, y}, {Kind::LeftDown, 0, x, y}, {Kind::LeftUp, 0, x, y}};
    }

    static Game::Screen Show(Game::Screen screen) {
        switch (screen) {
            case Game::Screen::StartGame:
                return Spel::Media();
            case Game::Screen::Play:
                return Spel::Controls();
            case Game::Screen::GameOver:
                return Spel::GameOver();
            case Game::Screen::Win:
                return Spel::Win();
            default:
                ADD_FAILURE() << "not a screen of the game";
                return Game::Screen::Abort;
        }
    }

    void Observe(Spel::testing::PlayPoint point, Spel::PlayType& play) {
        if (point == Spel::testing::PlayPoint::Started) {
            const Time::Instant now = time_.clock().Now();
            const Time::Instant begin = now - now % Hundredths(1);
            for (const Scripted& input : script_) {
                // Input at the very start is there before the first frame reads the keys.
                if (input.at <= 0) {
                    Wimdows::Deliver(input.event);
                } else {
                    Wimdows::Schedule(time_.clock(), begin + Hundredths(input.at), input.event);
                }
            }
            script_.clear();
            for (auto& [at, action] : actions_) {
                time_.clock().Schedule(begin + Hundredths(at), std::move(action));
            }
            actions_.clear();
            if (onStart_) {
                std::exchange(onStart_, nullptr)(play);
            }
            return;
        }
        ++end_.frames;
        if (until_ && until_(play)) {
            end_.stopped = true;
            throw Spel::testing::StopPlay{};
        }
        if (until_ && end_.frames >= maxFrames_) {
            end_.timedOut = true;
            throw Spel::testing::StopPlay{};
        }
    }

    testsupport::VirtualTime time_;
    std::vector<Scripted> script_;
    std::vector<std::pair<long long, std::function<void()>>> actions_;
    std::function<void(Spel::PlayType&)> onStart_;
    std::function<bool(Spel::PlayType&)> until_;
    int maxFrames_ = 0;
    int deadlines_ = 0;
    PlayEnd end_;
};

}  // namespace playtest
