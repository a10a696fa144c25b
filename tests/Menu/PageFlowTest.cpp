#include <gtest/gtest.h>

#include "Menu/Menu.h"
#include "Menu/MenuState.h"
#include "MenuTestSupport.h"
#include "Wimdows/Wimdows.h"

namespace {

using Game::Screen;
using namespace testsupport;

using PageFlow = MenuTest;

TEST_F(PageFlow, TheSecondButtonOpensStoryPageOneAndTheStoryButtonsLeadOn) {
    ClickIn(100, kMenuX, kStoryY);
    EXPECT_EQ(Menu::DrawMenu(), Screen::Story);
    EXPECT_EQ(Menu::Select, 1);

    ClickIn(100, kPageRightX, kPageY);
    EXPECT_EQ(Menu::Story(), Screen::StoryText);
    ClickIn(100, kPageLeftX, kPageY);
    EXPECT_EQ(Menu::StoryText(), Screen::Story);
    ClickIn(100, kPageLeftX, kPageY);
    EXPECT_EQ(Menu::Story(), Screen::MainMenu);
    ClickIn(100, kPageRightX, kPageY);
    EXPECT_EQ(Menu::StoryText(), Screen::MainMenu);
}

TEST_F(PageFlow, EveryMainMenuButtonLeadsToItsScreen) {
    ClickIn(100, kMenuX, kStartY);
    EXPECT_EQ(Menu::DrawMenu(), Screen::StartGame);
    ClickIn(100, kMenuX, kHelpY);
    EXPECT_EQ(Menu::DrawMenu(), Screen::Help);
    ClickIn(100, kMenuX, kCreditsY);
    EXPECT_EQ(Menu::DrawMenu(), Screen::Credits);
    ClickIn(100, kPageRightX, kPageY);
    EXPECT_EQ(Menu::Credits(), Screen::MainMenu);
}

TEST_F(PageFlow, TheHelpPageAfterStoryPageTwoIgnoresAClickWhereThePreviousButtonWas) {
    ClickIn(100, kPageRightX, kPageY);
    ASSERT_EQ(Menu::StoryText(), Screen::MainMenu);

    const long long start = time_.Elapsed();
    ClickIn(100, kPageLeftX, kPageY);
    ClickIn(500, kPageRightX, kPageY);
    EXPECT_EQ(Menu::Help(), Screen::MainMenu);
    EXPECT_GE(time_.Elapsed() - start, 50);
    EXPECT_FALSE(Menu::Bitmaps.Buttons.Operators[1].visible);
}

TEST_F(PageFlow, AClickOnAnEmptyPartOfAPageChangesNothing) {
    const long long start = time_.Elapsed();
    ClickIn(100, 100, 100);
    ClickIn(400, kPageRightX, kPageY);
    EXPECT_EQ(Menu::Story(), Screen::StoryText);
    EXPECT_GE(time_.Elapsed() - start, 40);
}

TEST_F(PageFlow, ExitClosesTheWindow) {
    ClickIn(100, kMenuX, kExitY);
    EXPECT_EQ(Menu::DrawMenu(), Screen::Exit);
    EXPECT_EQ(Wimdows::State(), Wimdows::STATE_DEAD);
}

}  // namespace
