#include <gtest/gtest.h>

#include "Game/Game.h"
#include "Menu/Menu.h"
#include "ScriptedClick.h"
#include "VirtualTime.h"
#include "Wimdows/Wimdows.h"
#include "WimdowsTesting.h"

namespace {

using Game::Screen;

TEST(ScreenLoop, RunsThePagesTheClicksChooseUntilExitEndsItWithStatusZero) {
    testsupport::VirtualTime time;
    testsupport::ScriptClick(time.clock(), time.At(100), 480, 420);  // Story
    testsupport::ScriptClick(time.clock(), time.At(200), 870, 700);  // next
    testsupport::ScriptClick(time.clock(), time.At(300), 870, 700);  // menu
    testsupport::ScriptClick(time.clock(), time.At(400), 480, 690);  // Exit
    EXPECT_EQ(Game::RunProgram(), 0);
    EXPECT_GE(time.Elapsed(), 400);
    EXPECT_EQ(Wimdows::State(), Wimdows::STATE_DEAD);
}

TEST(ScreenLoop, ClosingTheWindowFromItsTitleBarEndsTheProgramWithStatusZero) {
    testsupport::VirtualTime time;
    testsupport::ScriptClick(time.clock(), time.At(100), 480, 600);  // Credits
    time.clock().Schedule(time.At(200), [] { Wimdows::testing::CloseFromTitleBar(); });
    EXPECT_EQ(Game::RunProgram(), 0);
    EXPECT_EQ(Wimdows::State(), Wimdows::STATE_DEAD);
}

TEST(ScreenLoop, BackFromAPlayTheMenuMusicStartsAndTheMainMenuShows) {
    testsupport::VirtualTime time;
    Menu::MediaMenu();
    testsupport::ScriptClick(time.clock(), time.At(100), 480, 510);  // Help
    EXPECT_EQ(Game::Run(Screen::MenuWithMusic), Screen::Help);
    Wimdows::KillWindow();
}

// The menus and the end screens share this answer: one console line, and the loop stops with Abort.
TEST(ScreenLoop, ASelectionWithoutAnActionSaysSoAndEndsTheLoop) {
    ::testing::internal::CaptureStdout();
    const Screen next = Game::WrongButton();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "error! wrong button number!\n");
    EXPECT_EQ(next, Screen::Abort);
    EXPECT_EQ(Game::Run(next), Screen::Abort);
}

}  // namespace
