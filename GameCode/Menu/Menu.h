// Menu: the main menu and its information pages. Every page is a screen: it shows itself, waits for a
// button and returns the screen that follows.
#pragma once

#include "Game/Screen/Screen.h"

namespace Menu {

// Opens the window, loads the page pictures, switches to buffered drawing and starts the menu music.
// Returns Screen::MainMenu.
Game::Screen MediaMenu();
// Starts the menu music from its beginning. Returns Screen::MainMenu.
Game::Screen MusicMenu();
// The main menu: Start, Story, Help, Credits, Exit. Exit closes the window.
Game::Screen DrawMenu();
Game::Screen Story();
Game::Screen StoryText();
Game::Screen Help();
Game::Screen Credits();

}  // namespace Menu
