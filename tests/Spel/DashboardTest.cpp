// The dashboard: fuel clock, bomb load, refuelling, sinking, and the difficulty buttons.
#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "PlayFixture.h"
#include "Spel/Play.h"
#include "WimdowsTesting.h"

namespace {

using playtest::PlayEnd;
using playtest::PlayFixture;

// The dashboard updated straight through DrawDashboard on a virtual clock, without a window.
class Gauges : public ::testing::Test {
  protected:
    void SetUp() override {
        dashBoard_.GetFuelTime = true;
        dashBoard_.FuelLevel = 4;
        dashBoard_.BombLevel = 4;
        player_.CoY = 300;
        Update();
    }

    void Update() { Spel::DrawDashboard(player_, dashBoard_, bombs_); }

    // Updates the dashboard at `h` hundredths after the first update.
    void UpdateAt(long long h) {
        time_.clock().WaitUntil(time_.At(h));
        Update();
    }

    testsupport::VirtualTime time_;
    Spel::PlayerType player_;
    Spel::DashBoardType dashBoard_;
    std::int32_t bombs_ = 0;
};

TEST_F(Gauges, AnEmptyTankAndASpentLifeGaugeSinkTheAeroplaneTwoPixelsAFrame) {
    player_.LifeCounter = 4;
    UpdateAt(10);
    EXPECT_EQ(player_.CoY, 301);
    UpdateAt(4800);
    EXPECT_EQ(player_.CoY, 303);
}

TEST_F(Gauges, PauseTimeMovesTheFuelStepsAlsoAfterARefill) {
    player_.PauseTime = 1000;
    UpdateAt(2199);
    EXPECT_EQ(dashBoard_.FuelLevel, 4u);
    UpdateAt(2200);
    EXPECT_EQ(dashBoard_.FuelLevel, 3u);

    Time::GetClock(dashBoard_.RefuelTime.start);
    dashBoard_.Refueling = true;
    UpdateAt(2400);
    EXPECT_EQ(dashBoard_.FuelLevel, 4u);
    dashBoard_.Refueling = false;
    UpdateAt(2401);  // the fuel clock starts again here
    UpdateAt(2401 + 2199);
    EXPECT_EQ(dashBoard_.FuelLevel, 4u);
    UpdateAt(2401 + 2200);
    EXPECT_EQ(dashBoard_.FuelLevel, 3u);
}

TEST_F(Gauges, RefuellingTakesTwoHundredHundredthsOnTheShip) {
    UpdateAt(3700);
    bombs_ = 20;
    Time::GetClock(dashBoard_.RefuelTime.start);
    dashBoard_.Refueling = true;
    UpdateAt(3700 + 199);
    EXPECT_EQ(dashBoard_.FuelLevel, 1u);
    EXPECT_EQ(bombs_, 20);
    UpdateAt(3700 + 200);
    EXPECT_EQ(dashBoard_.FuelLevel, 4u);
    EXPECT_EQ(bombs_, 0);
    EXPECT_FALSE(dashBoard_.NoBombs);
    EXPECT_TRUE(dashBoard_.GetFuelTime);
}

TEST_F(Gauges, TheBombGaugeDropsAStepEveryFiveBombs) {
    std::map<std::int32_t, std::uint32_t> levels;
    for (std::int32_t used : {4, 5, 9, 10, 15, 19, 20}) {
        bombs_ = used;
        Update();
        levels[used] = dashBoard_.BombLevel;
        EXPECT_EQ(dashBoard_.NoBombs, used == 20);
    }
    EXPECT_EQ(levels, (std::map<std::int32_t, std::uint32_t>{
                          {4, 4}, {5, 3}, {9, 3}, {10, 2}, {15, 1}, {19, 1}, {20, 0}}));
}

class Dashboard : public PlayFixture {
  protected:
    void SetUp() override {
        PlayFixture::SetUp();
        StartGame();
    }
};

TEST_F(Dashboard, TheTwentiethBombBlocksBUntilTheAeroplaneHasRefuelled) {
    OnPlayStart([](Spel::PlayType& play) { NoAircraft(play); });
    HoldKey(Wimdows::VK_B, 0);
    std::map<std::int32_t, std::int32_t> used;
    std::map<std::int32_t, std::uint32_t> gauge;
    std::int32_t landedAt = -1;
    RunPlay(
        [&](Spel::PlayType& play) {
            const std::int32_t t = play.Time.DiffEnemy;
            used[t] = play.BombCounter;
            gauge[t] = play.DashBoard.BombLevel;
            Spel::FriendType& ship = play.Enemy.Allied;
            if (t == 1100) {
                // Put the friendly ship under the aeroplane; it then sails left at one pixel per frame.
                ship.Time = 1000000;
                play.Player.CoX = 500;
                ship.CoX = 490;
                ship.CoY = play.Player.CoY + 40;
            } else if (t > 1100) {
                ship.CoX -= 1;
            }
            if (landedAt < 0 && play.Player.TakeDown) {
                landedAt = t;
            }
            return landedAt >= 0 && t >= landedAt + 210;
        },
        2000);
    EXPECT_EQ(used[248], 4);
    EXPECT_EQ(gauge[249], 4u);  // the fifth bomb leaves at 250 ...
    EXPECT_EQ(used[249], 5);
    EXPECT_EQ(gauge[250], 3u);  // ... and the gauge shows it from the next frame on
    EXPECT_EQ(used[999], 20);
    EXPECT_EQ(gauge[1000], 0u);
    ASSERT_EQ(landedAt, 1101);
    EXPECT_EQ(used[landedAt + 198], 20);
    bool bombedAgain = false;
    for (std::int32_t t = landedAt + 199; t <= landedAt + 210; ++t) {
        bombedAgain = bombedAgain || used[t] == 1;
    }
    EXPECT_TRUE(bombedAgain);
}

TEST_F(Dashboard, AClickOnHardSetsTheDifficultyAtOnceAndItHoldsOnTheNextLevel) {
    OnPlayStart([](Spel::PlayType& play) { NoAircraft(play); });
    ClickAt(935, 70, 50);  // inside the hard button at (890, 60), 90 x 20
    std::map<std::int32_t, std::int32_t> difficulty;
    const PlayEnd end = RunPlay(
        [&](Spel::PlayType& play) {
            difficulty[play.Time.DiffEnemy] = Spel::Difficulty;
            if (play.Time.DiffEnemy == 100) {
                Spel::Level.Kills[1] = Spel::Level.Kills[2] = Spel::Level.Kills[5] = 15;
            }
            return false;
        },
        400);
    EXPECT_EQ(difficulty[49], 1);
    EXPECT_EQ(difficulty[50], 3);
    EXPECT_EQ(end.screen, Game::Screen::Play);
    std::int32_t nextLevelDifficulty = 0;
    RunPlay(
        [&](Spel::PlayType&) {
            nextLevelDifficulty = Spel::Difficulty;
            return true;
        },
        1);
    EXPECT_EQ(Spel::Level.Now, 2);
    EXPECT_EQ(nextLevelDifficulty, 3);
}

TEST_F(Dashboard, AClickBesideTheButtonsStaysPending) {
    OnPlayStart([](Spel::PlayType& play) { NoAircraft(play); });
    ClickAt(890, 70, 50);  // on the hard button's left column, which is outside it
    RunPlay([](Spel::PlayType& play) { return play.Time.DiffEnemy >= 60; }, 100);
    EXPECT_EQ(Spel::Difficulty, 1);
    Spel::ButtonsSkill[3].x0 = 880;
    EXPECT_TRUE(StandardMenu::ButtonSelected(Spel::ButtonsSkill[3]));
}

TEST_F(Dashboard, WithUpHeldTheTankEmptiesAfterFortyEightSecondsAndTheAeroplaneSinks) {
    OnPlayStart([](Spel::PlayType& play) { NoAircraft(play); });
    HoldKey(Wimdows::VK_UP, 0);
    std::map<std::int32_t, std::int32_t> heights;
    std::map<std::int32_t, std::uint32_t> fuel;
    RunPlay(
        [&](Spel::PlayType& play) {
            heights[play.Time.DiffEnemy] = play.Player.CoY;
            fuel[play.Time.DiffEnemy] = play.DashBoard.FuelLevel;
            return play.Time.DiffEnemy >= 4810;
        },
        5000);
    EXPECT_EQ(fuel[1199], 4u);
    EXPECT_EQ(fuel[1200], 3u);
    EXPECT_EQ(fuel[4799], 1u);
    EXPECT_EQ(fuel[4800], 0u);
    EXPECT_EQ(heights[4799], 50);
    EXPECT_EQ(heights[4800], 51);
    EXPECT_EQ(heights[4810], 61);
}

// The back buffer's pixels in a rectangle, row by row.
std::vector<std::uint32_t> Area(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    std::vector<std::uint32_t> pixels;
    for (std::int32_t row = y; row < y + height; ++row) {
        for (std::int32_t column = x; column < x + width; ++column) {
            pixels.push_back(Wimdows::testing::BackPixel(column, row));
        }
    }
    return pixels;
}

// Whether the text, in the dashboard's font, shows at (x, 15) in dark red.
bool LabelShows(const char* text, std::int32_t x) {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    Wimdows::GetTextSize(text, 2, width, height);
    const std::vector<std::uint32_t> area =
        Area(x, 15, static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
    return std::count(area.begin(), area.end(), 0x0000B0u) > 0;
}

TEST_F(Dashboard, TheLabelsAndTheScoreStandInFrontOfTheirGaugesInDarkRed) {
    Spel::Score = 12345;
    OnPlayStart([](Spel::PlayType& play) { NoAircraft(play); });
    std::map<std::string, bool> shows;
    RunPlay(
        [&](Spel::PlayType&) {
            shows["FUEL"] = LabelShows("FUEL", 10);
            shows["BOMBS"] = LabelShows("BOMBS", 270);
            shows["SCORE: "] = LabelShows("SCORE: ", 540);
            shows["12345"] = LabelShows("12345", 590);
            shows["LIFE:"] = LabelShows("LIFE:", 730);
            shows["nothing"] = LabelShows("12345", 400);
            return true;
        },
        1);
    EXPECT_EQ(shows, (std::map<std::string, bool>{{"12345", true},
                                                  {"BOMBS", true},
                                                  {"FUEL", true},
                                                  {"LIFE:", true},
                                                  {"SCORE: ", true},
                                                  {"nothing", false}}));
}

TEST_F(Dashboard, TheLifeGaugeEmptiesInThirds) {
    if (!playtest::HaveGameData()) {
        GTEST_SKIP() << "needs the life gauge's pictures";
    }
    OnPlayStart([](Spel::PlayType& play) { NoAircraft(play); });
    std::vector<std::vector<std::uint32_t>> gauges;
    RunPlay(
        [&](Spel::PlayType& play) {
            gauges.push_back(Area(770, 6, 80, 30));
            play.Player.LifeCounter = static_cast<std::int32_t>(gauges.size());
            return gauges.size() == 5;
        },
        5);
    ASSERT_EQ(gauges.size(), 5u);
    // Full, two thirds, one third and empty differ; beyond empty nothing more is drawn.
    EXPECT_EQ(std::set(gauges.begin(), gauges.begin() + 4).size(), 4u);
    EXPECT_EQ(gauges[4], gauges[3]);
}

}  // namespace
