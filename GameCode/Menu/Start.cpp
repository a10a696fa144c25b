// The start of the menus: window, page pictures, buffered drawing, music.
#include <cstdint>
#include <iostream>

#include "Menu.h"
#include "MenuState.h"
#include "Music/Music.h"
#include "Wimdows/Wimdows.h"

namespace Menu {

MenuBitmaps Bitmaps;
std::int32_t Select = 0;

namespace {

constexpr std::uint32_t kWindowWidth = 1000;
constexpr std::uint32_t kWindowHeight = 750;
constexpr std::uint32_t kMusicVolume = 100;

constexpr std::array<const char*, 5> kPagePictures = {"Bitmaps\\tidewind.bmp", "Bitmaps\\tidewind2.bmp",
                                                      "Bitmaps\\tidewind3.bmp", "Bitmaps\\howtoplay.bmp",
                                                      "Bitmaps\\creditsbackground.bmp"};

// Sound fix: the menu music started last, stopped before it starts again. Without it every return from a
// play would add one more copy of the looping music, until the copies took every channel.
std::uint32_t gMenuMusic = 0;

}  // namespace

Game::Screen MediaMenu() {
    Wimdows::Window("Game", kWindowWidth, kWindowHeight);
    for (std::size_t page = 0; page < kPagePictures.size(); ++page) {
        Bitmaps.BackGroundMenu[page] = Wimdows::LoadBitmap(kPagePictures[page], kWindowWidth, kWindowHeight);
    }
    // Without its pictures the menu is a black window: say where they were looked for, and why.
    Wimdows::SayUnreadPictures("menu pictures");
    Wimdows::SetBuffering(true);
    return MusicMenu();
}

Game::Screen MusicMenu() {
    if (!Music::InitMusic()) {
        std::cout << "Error with initializing" << std::flush;
    }
    Music::StopSound(gMenuMusic);
    gMenuMusic = Music::LoadSound("audio/Intro_Menu.mp3");
    Music::PlaySound(gMenuMusic, true);
    Music::SetSoundVolume(gMenuMusic, kMusicVolume);
    return Game::Screen::MainMenu;
}

}  // namespace Menu
