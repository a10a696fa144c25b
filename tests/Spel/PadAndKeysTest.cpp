// Playing without a mouse: the difficulty keys, a pad's own controls, a pad plugged in and out during a
// play, and a key held through a crash on the game-over screen.
#include <map>

#include "PlayFixture.h"
#include "WimdowsTesting.h"

namespace {

using playtest::PlayFixture;
using Kind = Wimdows::InputEvent::Kind;

constexpr std::uint32_t kKeyOne = 0x31;

class PadAndKeys : public PlayFixture {
  protected:
    void SetUp() override {
        PlayFixture::SetUp();
        StartGame();
    }
    void Tap(std::uint32_t key, long long at) { HoldKey(key, at, at + 2); }
    // The difficulty at each of the given play times.
    std::map<std::int32_t, std::int32_t> DifficultyAt(std::initializer_list<std::int32_t> times, int frames) {
        std::map<std::int32_t, std::int32_t> seen;
        OnPlayStart([](Spel::PlayType& play) { NoAircraft(play); });
        RunPlay(
            [&](Spel::PlayType& play) {
                for (const std::int32_t at : times) {
                    if (play.Time.DiffEnemy == at) {
                        seen[at] = Spel::Difficulty;
                    }
                }
                return false;
            },
            frames);
        return seen;
    }
    void KeyIn(long long after, Kind kind, std::uint32_t key) {
        Wimdows::Schedule(time().clock(), time().clock().Now() + std::chrono::milliseconds(after * 10),
                          {.kind = kind, .key = key});
    }
};

TEST_F(PadAndKeys, TheKeysOneTwoThreeChooseTheDifficultyDuringAPlay) {
    Tap(kKeyOne + 2, 10);
    Tap(kKeyOne, 30);
    Tap(kKeyOne + 1, 50);
    const auto seen = DifficultyAt({5, 20, 40, 60}, 70);
    EXPECT_EQ(seen, (std::map<std::int32_t, std::int32_t>{{5, 1}, {20, 3}, {40, 1}, {60, 2}}));
}

TEST_F(PadAndKeys, APadsShouldersStepTheDifficultyOncePerPressWithinItsRange) {
    HoldKey(Wimdows::VK_GAMEPAD_RIGHT_SHOULDER, 10, 30);  // held for twenty frames: one step
    Tap(Wimdows::VK_GAMEPAD_RIGHT_SHOULDER, 40);          // already hard
    HoldKey(Wimdows::VK_GAMEPAD_LEFT_SHOULDER, 50, 70);
    Tap(Wimdows::VK_GAMEPAD_LEFT_SHOULDER, 80);
    Tap(Wimdows::VK_GAMEPAD_LEFT_SHOULDER, 90);  // already easy
    Spel::Difficulty = 2;
    const auto seen = DifficultyAt({5, 25, 45, 65, 85, 95}, 100);
    EXPECT_EQ(seen,
              (std::map<std::int32_t, std::int32_t>{{5, 2}, {25, 3}, {45, 3}, {65, 2}, {85, 1}, {95, 1}}));
}

TEST_F(PadAndKeys, APadsBackEndsThePlayOnlyWhenHeldForASecond) {
    HoldKey(Wimdows::VK_GAMEPAD_VIEW, 10, 100);  // nine tenths of a second
    HoldKey(Wimdows::VK_GAMEPAD_VIEW, 150);
    OnPlayStart([](Spel::PlayType& play) { NoAircraft(play); });
    std::int32_t last = 0;
    const playtest::PlayEnd end = RunPlay(
        [&](Spel::PlayType& play) {
            last = play.Time.DiffEnemy;
            return false;
        },
        400);
    EXPECT_EQ(end.screen, Game::Screen::Exit);
    EXPECT_EQ(last, 250);
}

TEST_F(PadAndKeys, APadPluggedInDuringAPlaySteersFiresBombsPausesAndLetsGoWhenUnplugged) {
    namespace wt = Wimdows::testing;
    std::int32_t pad = -1;
    AtPlayTime(20, [&] {
        pad = wt::PlugPad();
        wt::MovePad(pad, wt::PadAxis::LeftX, 5000);  // inside the dead zone
    });
    AtPlayTime(40, [&] {
        wt::MovePad(pad, wt::PadAxis::LeftX, 32767);
        wt::PressPad(pad, wt::PadButton::A, true);
        wt::PressPad(pad, wt::PadButton::B, true);
    });
    AtPlayTime(60, [&] {
        wt::MovePad(pad, wt::PadAxis::LeftX, 0);
        wt::PressPad(pad, wt::PadButton::A, false);
        wt::PressPad(pad, wt::PadButton::B, false);
        wt::PressPad(pad, wt::PadButton::Start, true);  // pauses in the next frame
    });
    AtPlayTime(62, [&] { wt::PressPad(pad, wt::PadButton::Start, false); });
    AtPlayTime(100, [&] { wt::PressPad(pad, wt::PadButton::Start, true); });  // resumes
    AtPlayTime(102, [&] { wt::PressPad(pad, wt::PadButton::Start, false); });
    AtPlayTime(110, [&] { wt::MovePad(pad, wt::PadAxis::LeftX, -32768); });
    AtPlayTime(130, [&] { wt::UnplugPad(pad); });  // the stick still pushed left
    OnPlayStart([](Spel::PlayType& play) {
        NoAircraft(play);
        play.Player.CoY = 300;  // in the air, clear of the friendly ship
    });
    std::map<std::int32_t, std::int32_t> x;
    bool fired = false;
    bool bombed = false;
    std::int32_t paused = 0;
    RunPlay(
        [&](Spel::PlayType& play) {
            x[play.Time.DiffEnemy] = play.Player.CoX;
            fired = fired || play.BulletCounter > 0;
            bombed = bombed || play.BombCounter > 0;
            paused = play.Player.PauseTime;
            return play.Time.DiffEnemy >= 150;
        },
        200);
    ASSERT_GE(pad, 0);
    EXPECT_EQ(x[39], x[10]) << "no steering before the stick leaves its dead zone";
    EXPECT_GT(x[59], x[41]);
    EXPECT_TRUE(fired);
    EXPECT_TRUE(bombed);
    EXPECT_GE(paused, 30);
    EXPECT_LT(x[129], x[120]);
    EXPECT_EQ(x[150], x[135]) << "unplugged: the stick lets go";
    EXPECT_FALSE(Wimdows::KeyDown(Wimdows::VK_LEFT));
}

TEST_F(PadAndKeys, SpaceHeldThroughACrashDoesNotPressRetry) {
    OnPlayStart([](Spel::PlayType& play) {
        NoAircraft(play);
        play.Player.CoY = 745;
    });
    HoldKey(Wimdows::VK_SPACE, 1);
    HoldKey(Wimdows::VK_DOWN, 5);
    ASSERT_EQ(RunPlay([](Spel::PlayType&) { return false; }, 10).screen, Game::Screen::GameOver);
    KeyIn(10, Kind::KeyUp, Wimdows::VK_DOWN);
    KeyIn(20, Kind::KeyDown, Wimdows::VK_LEFT);  // backward from nothing: retry lights up
    KeyIn(21, Kind::KeyUp, Wimdows::VK_LEFT);
    for (long long at = 30; at < 100; at += 4) {
        KeyIn(at, Kind::KeyDown, Wimdows::VK_SPACE);  // the held key's auto-repeat
    }
    KeyIn(100, Kind::KeyUp, Wimdows::VK_SPACE);
    KeyIn(110, Kind::KeyDown, Wimdows::VK_TAB);  // round to the menu button
    KeyIn(111, Kind::KeyUp, Wimdows::VK_TAB);
    KeyIn(120, Kind::KeyDown, Wimdows::VK_SPACE);
    const long long shown = Elapsed();
    EXPECT_EQ(RunScreen(Game::Screen::GameOver, 1000), Game::Screen::MenuWithMusic);
    EXPECT_GE(Elapsed() - shown, 120);
}

}  // namespace
