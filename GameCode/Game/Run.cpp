// One screen after another.
#include <cstdio>
#include <cstdlib>

#include "Game.h"
#include "Menu/Menu.h"
#include "Spel/Spel.h"
#include "Wimdows/Wimdows.h"

namespace Game {

Screen Run(Screen screen) {
    switch (screen) {
        case Screen::MainMenu:
            return Menu::DrawMenu();
        case Screen::MenuWithMusic:
            return Run(Menu::MusicMenu());
        case Screen::Story:
            return Menu::Story();
        case Screen::StoryText:
            return Menu::StoryText();
        case Screen::Help:
            return Menu::Help();
        case Screen::Credits:
            return Menu::Credits();
        case Screen::StartGame:
            return Spel::Media();
        case Screen::Play:
            return Spel::Controls();
        case Screen::GameOver:
            return Spel::GameOver();
        case Screen::Win:
            return Spel::Win();
        case Screen::Exit:
        case Screen::Abort:
            break;
    }
    return screen;
}

int RunProgram() {
    int status = 0;
    try {
        Screen next = Menu::MediaMenu();
        while (next != Screen::Exit && next != Screen::Abort) {
            Wimdows::FlushKeys();
            next = Run(next);
        }
        status = next == Screen::Exit ? 0 : 1;
    } catch (const Wimdows::WindowClosed&) {
        status = 0;
    }
    // An abort leaves the window open; its thread must not outlive the program's end.
    if (Wimdows::State() != Wimdows::STATE_DEAD) {
        Wimdows::KillWindow();
    }
    return status;
}

void EndProgram(int status) {
    if (Wimdows::WindowThreadLeft()) {
        // The thread left in the display still reads the window layer's buffers: the destructors that run
        // at exit must not free them under it.
        std::fflush(nullptr);
        std::_Exit(status);
    }
    std::exit(status);
}

}  // namespace Game
