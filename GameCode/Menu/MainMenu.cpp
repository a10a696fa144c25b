// The main menu.
#include "Menu.h"
#include "MenuState.h"
#include "Wimdows/Wimdows.h"

namespace Menu {

namespace {

using detail::kButtonHeight;
using detail::kButtonWidth;
using StandardMenu::CreateMaskedButton;

constexpr std::int32_t kLeft = 400;
constexpr std::int32_t kTop = 300;
constexpr std::int32_t kGap = 90;

enum Choice : std::int32_t { kStart, kStory, kHelp, kCredits, kExit };

void CreateMenuButtons(std::array<StandardMenu::ButtonRc, 8>& buttons) {
    buttons[kStart] = CreateMaskedButton(kButtonWidth, kButtonHeight, "Bitmaps\\Start.bmp",
                                         "Bitmaps/Start2.bmp", "Bitmaps\\StartMono.bmp");
    buttons[kStory] = CreateMaskedButton(kButtonWidth, kButtonHeight, "Bitmaps\\Story.bmp",
                                         "Bitmaps/Story2.bmp", "Bitmaps\\StoryMono.bmp");
    buttons[kHelp] = CreateMaskedButton(kButtonWidth, kButtonHeight, "Bitmaps\\Help.bmp", "Bitmaps/Help2.bmp",
                                        "Bitmaps\\HelpMono.bmp");
    buttons[kCredits] = CreateMaskedButton(kButtonWidth, kButtonHeight, "Bitmaps\\Credits.bmp",
                                           "Bitmaps/Credits2.bmp", "Bitmaps\\CreditsMono.bmp");
    buttons[kExit] = CreateMaskedButton(kButtonWidth, kButtonHeight, "Bitmaps\\Exit.bmp", "Bitmaps/Exit2.bmp",
                                        "Bitmaps\\ExitMono.bmp");
}

}  // namespace

Game::Screen DrawMenu() {
    std::array<StandardMenu::ButtonRc, 8>& buttons = Bitmaps.Buttons.Menu;
    Wimdows::DrawBitmap(Bitmaps.BackGroundMenu[0], 0, 0);
    CreateMenuButtons(buttons);
    StandardMenu::SetVerticalMenu(kLeft, kTop, kGap, buttons);
    Wimdows::UpdateWindow();
    Select = StandardMenu::MenuSelection(buttons);
    switch (Select) {
        case kStart:
            return Game::Screen::StartGame;
        case kStory:
            return Game::Screen::Story;
        case kHelp:
            return Game::Screen::Help;
        case kCredits:
            return Game::Screen::Credits;
        case kExit:
            Wimdows::KillWindow();
            return Game::Screen::Exit;
        default:
            return Game::WrongButton();
    }
}

}  // namespace Menu
