// The game-over and win screens and what their buttons do.
#include "Music/Music.h"
#include "Play.h"
#include "Spel.h"
#include "StandardMenu/StandardMenu.h"
#include "Wimdows/Wimdows.h"

namespace Spel {

namespace {

using Game::Screen;

StandardMenu::ButtonRc MenuGameButton() {
    return StandardMenu::CreateMaskedButton(166, 75, "Bitmaps\\MenuGame.bmp", "Bitmaps\\MenuGame2.bmp",
                                            "Bitmaps\\MenuGameMono.bmp");
}

void Place(StandardMenu::ButtonRc& button, std::int32_t x, std::int32_t y) {
    button.x0 = x;
    button.y0 = y;
    button.visible = true;
}

}  // namespace

Screen MenuButton() {
    return Screen::MenuWithMusic;
}

Screen RetryButton() {
    MusicMainProg();
    return Screen::Play;
}

Screen GameOver() {
    Wimdows::DrawBitmap(Bitmaps.BackGround[5], 0, 0);
    Buttons[0] = MenuGameButton();
    Buttons[1] = StandardMenu::CreateMaskedButton(166, 75, "Bitmaps\\retry.bmp", "Bitmaps\\retry2.bmp",
                                                  "Bitmaps\\retryMono.bmp");
    Place(Buttons[0], 635, 660);
    Place(Buttons[1], 805, 660);
    StandardMenu::DrawButton(Buttons[0]);
    StandardMenu::DrawButton(Buttons[1]);
    switch (StandardMenu::MenuSelection(Buttons)) {
        case 0:
            return MenuButton();
        case 1:
            return RetryButton();
        default:
            return Game::WrongButton();
    }
}

Screen Win() {
    Music::StopSound(SoundMain);
    Sound.Win = PlaySoundOnce("audio/Win_Song.mp3", 100);
    Wimdows::DrawBitmap(Bitmaps.BackGround[13], 0, 0);
    Wimdows::DrawMaskBitmap(Bitmaps.Medal[1], Bitmaps.Medal[2], 319, 398);
    Wimdows::DrawMaskBitmap(Bitmaps.Medal[3], Bitmaps.Medal[4], 520, 398);
    Wimdows::SetFont(5, 0);
    Wimdows::Text("YOUR SCORE: ", 425, 269);
    Wimdows::TextCard(static_cast<std::uint32_t>(Score), 515, 269);
    Buttons[0] = MenuGameButton();
    Place(Buttons[0], 775, 600);
    Buttons[1].visible = false;
    StandardMenu::DrawButton(Buttons[0]);
    Wimdows::UpdateWindow();
    if (StandardMenu::MenuSelection(Buttons) == 0) {
        return MenuButton();
    }
    return Game::WrongButton();
}

}  // namespace Spel
