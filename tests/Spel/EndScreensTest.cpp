// How a play ends: the crash and the game-over screen, retry, the win screen, Escape, a new start.
#include <tuple>

#include "Music/Music.h"
#include "Music/MusicTesting.h"
#include "PlayFixture.h"

namespace {

using playtest::PlayEnd;
using playtest::PlayFixture;

class EndScreens : public PlayFixture {
  protected:
    void SetUp() override {
        PlayFixture::SetUp();
        StartGame();
    }

    // A dive into the sea in the frame of play time 5.
    PlayEnd Crash() {
        OnPlayStart([](Spel::PlayType& play) {
            NoAircraft(play);
            play.Player.CoY = 745;
        });
        HoldKey(Wimdows::VK_DOWN, 5);
        return RunPlay([](Spel::PlayType&) { return false; }, 10);
    }

    // A play that wins `wonAt` hundredths in, as the boss's destruction does.
    PlayEnd WinAt(std::int32_t wonAt, std::vector<std::int32_t>* frames = nullptr) {
        OnPlayStart([](Spel::PlayType& play) { NoAircraft(play); });
        return RunPlay(
            [=](Spel::PlayType& play) {
                if (frames != nullptr) {
                    frames->push_back(play.Time.DiffEnemy);
                }
                if (play.Time.DiffEnemy == wonAt) {
                    play.WIN = true;
                    Time::GetClock(Spel::WinTime.start);
                }
                return false;
            },
            wonAt + 300);
    }
};

TEST_F(EndScreens, DivingIntoTheSeaEndsOnTheGameOverScreenWithItsTwoButtons) {
    EXPECT_EQ(Crash().screen, Game::Screen::GameOver);
    EXPECT_FALSE(Music::testing::CountsAsPlaying(Spel::SoundMain));
    ClickIn(700, 700, 100);  // the menu button at (635, 660)
    EXPECT_EQ(RunScreen(Game::Screen::GameOver, 1000), Game::Screen::MenuWithMusic);
    const StandardMenu::ButtonRc& menu = Spel::Buttons[0];
    const StandardMenu::ButtonRc& retry = Spel::Buttons[1];
    EXPECT_EQ(std::tuple(menu.x0, menu.y0, menu.width, menu.height, menu.visible),
              std::tuple(635, 660, 166, 75, true));
    EXPECT_EQ(std::tuple(retry.x0, retry.y0, retry.width, retry.height, retry.visible),
              std::tuple(805, 660, 166, 75, true));
}

TEST_F(EndScreens, RetryPlaysTheSameLevelAgainWithTheScoreAndDifficultyKept) {
    Spel::Level.Now = 3;
    Spel::Difficulty = 2;
    Spel::Score = 4560;
    ASSERT_EQ(Crash().screen, Game::Screen::GameOver);
    ClickIn(900, 700, 100);  // the retry button at (805, 660)
    EXPECT_EQ(RunScreen(Game::Screen::GameOver, 1000), Game::Screen::Play);
    EXPECT_EQ(Music::testing::CountsAsPlaying(Spel::SoundMain), playtest::HaveGameData());

    std::optional<Spel::PlayType> start;
    OnPlayStart([&](Spel::PlayType& play) { start = play; });
    RunPlay([](Spel::PlayType&) { return true; }, 1);
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->Player.CoY, 250);
    EXPECT_EQ(start->DashBoard.FuelLevel, 4u);
    EXPECT_EQ(Spel::Level.Now, 3);
    EXPECT_EQ(Spel::Difficulty, 2);
    EXPECT_EQ(Spel::Score, 4560);
}

TEST_F(EndScreens, AClickMadeDuringPlayOnTheRetryButtonsPlaceIsTakenAtOnce) {
    ClickAt(900, 700, 0);
    ASSERT_EQ(Crash().screen, Game::Screen::GameOver);
    const long long shown = Elapsed();
    EXPECT_EQ(RunScreen(Game::Screen::GameOver, 1000), Game::Screen::Play);
    EXPECT_EQ(Elapsed(), shown);
}

TEST_F(EndScreens, TheWinScreenFollowsTwoSecondsAfterTheBossIsDestroyed) {
    std::vector<std::int32_t> frames;
    const PlayEnd end = WinAt(40, &frames);
    EXPECT_EQ(end.screen, Game::Screen::Win);
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.back(), 240);
}

TEST_F(EndScreens, TheWinScreenHasOneButtonBackToTheMenu) {
    Spel::Score = 98765;
    ASSERT_EQ(WinAt(10).screen, Game::Screen::Win);
    ClickIn(900, 700, 50);   // where game over has its retry button: nothing here
    ClickIn(850, 640, 100);  // the menu button at (775, 600)
    const long long shown = Elapsed();
    EXPECT_EQ(RunScreen(Game::Screen::Win, 1000), Game::Screen::MenuWithMusic);
    EXPECT_GE(Elapsed() - shown, 100);
    EXPECT_FALSE(Spel::Buttons[1].visible);
    EXPECT_FALSE(Music::testing::CountsAsPlaying(Spel::SoundMain));
    EXPECT_EQ(Music::testing::CountsAsPlaying(Spel::Sound.Win), playtest::HaveGameData());
}

TEST_F(EndScreens, EscapeClosesTheWindowAfterTheFrameIsPresented) {
    OnPlayStart([](Spel::PlayType& play) { NoAircraft(play); });
    HoldKey(Wimdows::VK_ESCAPE, 30);
    bool escapeSeenInAPresentedFrame = false;
    const PlayEnd end = RunPlay(
        [&](Spel::PlayType&) {
            escapeSeenInAPresentedFrame = Spel::Esc;
            return false;
        },
        100);
    EXPECT_EQ(end.screen, Game::Screen::Exit);
    EXPECT_EQ(end.frames, 31);
    EXPECT_TRUE(escapeSeenInAPresentedFrame);
    EXPECT_EQ(Wimdows::State(), Wimdows::STATE_DEAD);
    EXPECT_FALSE(Music::testing::CountsAsPlaying(Spel::SoundMain));
}

TEST_F(EndScreens, AStartFromTheMenuBeginsAtLevelOneWithDifficultyOneAndNoScore) {
    Spel::Level.Now = 4;
    Spel::Difficulty = 3;
    Spel::Score = 777;
    EXPECT_EQ(RunScreen(Game::Screen::StartGame, 100), Game::Screen::Play);
    EXPECT_EQ(Spel::Level.Now, 1);
    EXPECT_EQ(Spel::Difficulty, 1);
    EXPECT_EQ(Spel::Score, 0);
    EXPECT_EQ(Spel::Bitmaps.Player[11] != 0, playtest::HaveGameData());
    EXPECT_EQ(Music::testing::CountsAsPlaying(Spel::SoundMain), playtest::HaveGameData());
}

}  // namespace
