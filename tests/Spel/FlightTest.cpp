// The aeroplane's flight in whole plays: steering, climbing and diving, the fall, the ship, the pause.
#include <map>
#include <utility>

#include "PlayFixture.h"
#include "WimdowsTesting.h"

namespace {

using playtest::PlayEnd;
using playtest::PlayFixture;

// The aeroplane's height at every presented frame, by play time.
using Track = std::map<std::int32_t, std::int32_t>;

class Flight : public PlayFixture {
  protected:
    // Runs the play until the frame of play time `until`, noting the height of every frame.
    PlayEnd Fly(std::int32_t until, Track* heights = nullptr) {
        return RunPlay(
            [=](Spel::PlayType& play) {
                if (heights != nullptr) {
                    (*heights)[play.Time.DiffEnemy] = play.Player.CoY;
                }
                return play.Time.DiffEnemy >= until;
            },
            until + 10);
    }

    void StartAt(std::int32_t x, std::int32_t y) {
        OnPlayStart([=](Spel::PlayType& play) {
            NoAircraft(play);
            play.Player.CoX = x;
            play.Player.CoY = y;
        });
    }
};

TEST_F(Flight, RightArrowStopsTheAeroplaneAtTheRightEdge) {
    StartGame();
    StartAt(895, 250);
    HoldKey(Wimdows::VK_RIGHT, 0);
    std::vector<std::int32_t> xs;
    RunPlay(
        [&](Spel::PlayType& play) {
            xs.push_back(play.Player.CoX);
            return xs.size() == 3;
        },
        3);
    EXPECT_EQ(xs, (std::vector<std::int32_t>{900, 900, 900}));
}

TEST_F(Flight, BothArrowsHeldTurnTheAeroplaneLeft) {
    StartGame();
    StartAt(500, 250);
    HoldKey(Wimdows::VK_RIGHT, 0);
    HoldKey(Wimdows::VK_LEFT, 0);
    Spel::PlayerType player;
    RunPlay(
        [&](Spel::PlayType& play) {
            player = play.Player;
            return true;
        },
        1);
    EXPECT_EQ(player.CoX, 490);
    EXPECT_EQ(player.Speed, -10);
    EXPECT_EQ(player.Position.Hori, Spel::L);
}

TEST_F(Flight, UpAndDownTogetherClimbAndTheClimbStopsAtTheTop) {
    StartGame();
    StartAt(100, 62);
    HoldKey(Wimdows::VK_UP, 0);
    HoldKey(Wimdows::VK_DOWN, 0);
    Track heights;
    std::vector<Spel::VertType> attitudes;
    RunPlay(
        [&](Spel::PlayType& play) {
            heights[play.Time.DiffEnemy] = play.Player.CoY;
            attitudes.push_back(play.Player.Position.Vert);
            return attitudes.size() == 4;
        },
        4);
    EXPECT_EQ(heights, (Track{{0, 57}, {1, 52}, {2, 50}, {3, 50}}));
    EXPECT_EQ(attitudes.back(), Spel::U);
}

TEST_F(Flight, WithoutKeysTheAeroplaneDropsTenPixelsEverySecond) {
    StartGame();
    StartAt(100, 250);
    Track heights;
    Fly(1000, &heights);
    EXPECT_EQ(heights[99], 250);
    EXPECT_EQ(heights[100], 260);
    EXPECT_EQ(heights[199], 260);
    EXPECT_EQ(heights[1000], 350);
}

TEST_F(Flight, AfterAClimbTheMissedFallStepsFollowOnePerFrame) {
    StartGame();
    StartAt(100, 250);
    HoldKey(Wimdows::VK_UP, 300, 800);
    Track heights;
    Fly(900, &heights);
    EXPECT_EQ(heights[299], 270);  // two steps before the climb
    EXPECT_EQ(heights[799], 50);
    // Steps 3 to 8 were held back: six frames of 10 pixels, then the next step at second 9.
    EXPECT_EQ(heights[800], 60);
    EXPECT_EQ(heights[805], 110);
    EXPECT_EQ(heights[899], 110);
    EXPECT_EQ(heights[900], 120);
}

TEST_F(Flight, ADiveTo749KeepsFlying) {
    StartGame();
    StartAt(100, 744);
    HoldKey(Wimdows::VK_DOWN, 0);
    Track heights;
    const PlayEnd end = Fly(0, &heights);
    EXPECT_TRUE(end.stopped);
    EXPECT_EQ(heights[0], 749);
}

TEST_F(Flight, ADiveTo750EndsOnTheGameOverScreenWithoutPresentingTheFrame) {
    StartGame();
    StartAt(100, 745);
    HoldKey(Wimdows::VK_DOWN, 0);
    const long long before = Elapsed();
    const PlayEnd end = Fly(100);
    EXPECT_EQ(end.screen, Game::Screen::GameOver);
    EXPECT_EQ(end.frames, 0);
    // The crash sequence: two seconds of sound, then the picture for five.
    EXPECT_GE(Elapsed() - before, 700);
}

TEST_F(Flight, AFallIntoTheSeaLeavesTheRestOfTheFrameUndone) {
    StartGame();
    StartAt(100, 700);
    HoldKey(Wimdows::VK_SPACE, 100);  // seen first by the frame of the crash
    Spel::PlayerBullet[1].Draw = false;
    const PlayEnd end = Fly(200);
    EXPECT_EQ(end.screen, Game::Screen::GameOver);
    EXPECT_EQ(end.frames, 100);  // play times 0 to 99; the fall step at 100 crashed
    EXPECT_FALSE(Spel::PlayerBullet[1].Draw);
}

// The friendly ship waits at the given place and moves one pixel per frame, as it does at difficulty 1.
void HoldShip(Spel::PlayType& play, std::int32_t x, std::int32_t y) {
    play.Enemy.Allied.Time = 1000000;
    play.Enemy.Allied.CoX = x;
    play.Enemy.Allied.CoY = y;
}

TEST_F(Flight, ComingDownOverTheShipLandsAndRidesAlong) {
    StartGame();
    OnPlayStart([](Spel::PlayType& play) {
        NoAircraft(play);
        HoldShip(play, 300, 637);
        play.Player.CoX = 310;
        play.Player.CoY = 600;  // between ship y - 40 and ship y - 30
    });
    std::vector<std::int32_t> xs;
    bool landed = true;
    RunPlay(
        [&](Spel::PlayType& play) {
            xs.push_back(play.Player.CoX);
            landed = landed && play.Player.TakeDown && play.DashBoard.Refueling;
            play.Enemy.Allied.CoX -= 1;
            return xs.size() == 3;
        },
        3);
    EXPECT_TRUE(landed);
    EXPECT_EQ(xs, (std::vector<std::int32_t>{309, 308, 307}));
}

// The deck runs from the ship's x to 40 pixels beyond it; a pixel either side the aeroplane flies on.
TEST_F(Flight, TheAeroplaneLandsOnlyOverTheDeck) {
    StartGame();
    for (const auto& [offset, lands] : {std::pair{-1, false}, {0, true}, {40, true}, {41, false}}) {
        OnPlayStart([offset](Spel::PlayType& play) {
            NoAircraft(play);
            HoldShip(play, 300, 637);
            play.Player.CoX = 300 + offset;
            play.Player.CoY = 600;
        });
        bool landed = false;
        RunPlay(
            [&](Spel::PlayType& play) {
                landed = play.Player.TakeDown;
                return true;
            },
            1);
        EXPECT_EQ(landed, lands) << "ship x + " << offset;
    }
}

TEST_F(Flight, ComingDownTooLowOntoTheShipIsACrash) {
    StartGame();
    OnPlayStart([](Spel::PlayType& play) {
        NoAircraft(play);
        HoldShip(play, 300, 637);
        play.Player.CoX = 310;
        play.Player.CoY = 608;
    });
    const PlayEnd end = Fly(10);
    EXPECT_EQ(end.screen, Game::Screen::GameOver);
    EXPECT_EQ(end.frames, 0);
}

TEST_F(Flight, UpTakesOffFromTheShipWithAJump) {
    StartGame();
    OnPlayStart([](Spel::PlayType& play) {
        NoAircraft(play);
        HoldShip(play, 300, 637);
        play.Player.CoX = 310;
        play.Player.CoY = 605;
    });
    HoldKey(Wimdows::VK_UP, 5);
    Track heights;
    Fly(5, &heights);
    EXPECT_EQ(heights[4], 605);
    EXPECT_EQ(heights[5], 500);  // the climb of 5, still on the ship, then the jump of 100
}

TEST_F(Flight, PPausesUntilPIsPressedAgain) {
    StartGame();
    StartAt(100, 250);
    HoldKey(Wimdows::VK_P, 50, 55);
    HoldKey(Wimdows::VK_P, 1050, 1055);
    std::map<std::int32_t, std::int32_t> pauseTimes;
    Track heights;
    RunPlay(
        [&](Spel::PlayType& play) {
            pauseTimes[play.Time.DiffEnemy] = play.Player.PauseTime;
            heights[play.Time.DiffEnemy] = play.Player.CoY;
            return play.Time.DiffEnemy >= 1300;
        },
        2000);
    // The frame of play time 50 waits 150 ms, then for P at 1050, then 150 ms; the next frame starts at 1065.
    EXPECT_EQ(pauseTimes[50], 1015);
    ASSERT_NE(pauseTimes.upper_bound(50), pauseTimes.end());
    EXPECT_EQ(pauseTimes.upper_bound(50)->first, 1065);
    // The fall leaves the pause out: its first step comes at 100 hundredths of play.
    EXPECT_EQ(heights[1114], 250);
    EXPECT_EQ(heights[1115], 260);
}

TEST_F(Flight, AHeldPAdvancesTheGameOneFrameEvery300Milliseconds) {
    StartGame();
    StartAt(100, 250);
    HoldKey(Wimdows::VK_P, 100, 1000);
    std::vector<std::int32_t> frames;
    RunPlay(
        [&](Spel::PlayType& play) {
            if (play.Time.DiffEnemy >= 200 && play.Time.DiffEnemy < 800) {
                frames.push_back(play.Time.DiffEnemy);
            }
            return play.Time.DiffEnemy >= 1100;
        },
        2000);
    EXPECT_EQ(frames.size(), 20u);
}

TEST_F(Flight, ClosingTheWindowDuringAPauseEndsTheProgram) {
    StartGame();
    StartAt(100, 250);
    HoldKey(Wimdows::VK_P, 50, 55);
    AtPlayTime(300, [] { Wimdows::testing::CloseFromTitleBar(); });
    EXPECT_THROW(RunPlay([](Spel::PlayType&) { return false; }, 1000), Wimdows::WindowClosed);
    EXPECT_LT(Elapsed(), 400);
}

}  // namespace
