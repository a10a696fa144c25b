// Spel: the game. Its screens are entered from the main menu and return the screen that follows.
#pragma once

#include "Game/Screen/Screen.h"

namespace Spel {

// A start from the main menu: empties the key queue, loads the game's pictures, starts the engine sound,
// sets level 1, difficulty 1 and score 0. Returns Screen::Play.
Game::Screen Media();
// One play at the current level, up to its end: the next level's play, game over, win, or exit.
Game::Screen Controls();
// The end screens: back to the main menu (Screen::MenuWithMusic) or, from game over, a retry (Screen::Play).
Game::Screen GameOver();
Game::Screen Win();

}  // namespace Spel
