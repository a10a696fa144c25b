// The story, help and credits pages: a full-window picture with one or two buttons at the bottom right.
#include <initializer_list>

#include "Menu.h"
#include "MenuState.h"
#include "Wimdows/Wimdows.h"

namespace Menu {

namespace {

using detail::kButtonHeight;
using detail::kButtonWidth;
using Game::Screen;
using StandardMenu::ButtonRc;
using StandardMenu::CreateMaskedButton;

constexpr std::int32_t kLeftButtonX = 635;
constexpr std::int32_t kRightButtonX = 805;
constexpr std::int32_t kButtonY = 660;

enum Picture : std::size_t {
    kStoryPicture = 1,
    kStoryTextPicture = 2,
    kHelpPicture = 3,
    kCreditsPicture = 4
};

ButtonRc Placed(ButtonRc button, std::int32_t x0) {
    button.x0 = x0;
    button.y0 = kButtonY;
    return button;
}

ButtonRc PreviousButton() {
    return Placed(CreateMaskedButton(kButtonWidth, kButtonHeight, "Bitmaps\\previous.bmp",
                                     "Bitmaps\\previous2.bmp", "Bitmaps\\PreviousMono.bmp"),
                  kLeftButtonX);
}

ButtonRc NextButton() {
    return Placed(CreateMaskedButton(kButtonWidth, kButtonHeight, "Bitmaps\\next.bmp", "Bitmaps\\next2.bmp",
                                     "Bitmaps\\NextMono.bmp"),
                  kRightButtonX);
}

ButtonRc MenuButton() {
    return Placed(CreateMaskedButton(kButtonWidth, kButtonHeight, "Bitmaps\\menu.bmp", "Bitmaps\\menu2.bmp",
                                     "Bitmaps\\MenuMono.bmp"),
                  kRightButtonX);
}

void BeginPage(Picture picture) {
    Wimdows::ClearScreen();
    Wimdows::DrawBitmap(Bitmaps.BackGroundMenu[picture], 0, 0);
}

// Draws the page's buttons, presents it and waits for a choice; actions[k] is where button k leads.
Screen ChooseOnPage(std::initializer_list<Screen> actions) {
    std::array<ButtonRc, 8>& buttons = Bitmaps.Buttons.Operators;
    for (const ButtonRc& button : buttons) {
        StandardMenu::DrawButton(button);
    }
    Wimdows::UpdateWindow();
    const std::int32_t choice = StandardMenu::MenuSelection(buttons);
    if (choice < 0 || static_cast<std::size_t>(choice) >= actions.size()) {
        return Game::WrongButton();
    }
    return actions.begin()[choice];
}

// Help and credits: one button back to the main menu. A story page's second button is left in the
// array, so it is hidden first.
Screen SingleButtonPage(Picture picture) {
    BeginPage(picture);
    Bitmaps.Buttons.Operators[1].visible = false;
    Bitmaps.Buttons.Operators[0] = MenuButton();
    return ChooseOnPage({Screen::MainMenu});
}

}  // namespace

Screen Story() {
    BeginPage(kStoryPicture);
    Bitmaps.Buttons.Operators[0] = PreviousButton();
    Bitmaps.Buttons.Operators[1] = NextButton();
    return ChooseOnPage({Screen::MainMenu, Screen::StoryText});
}

Screen StoryText() {
    BeginPage(kStoryTextPicture);
    Bitmaps.Buttons.Operators[1] = PreviousButton();
    Bitmaps.Buttons.Operators[0] = MenuButton();
    return ChooseOnPage({Screen::MainMenu, Screen::Story});
}

Screen Help() {
    return SingleButtonPage(kHelpPicture);
}

Screen Credits() {
    return SingleButtonPage(kCreditsPicture);
}

}  // namespace Menu
