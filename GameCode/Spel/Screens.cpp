// Placeholder until the play arrives: every game screen leads back to the main menu.
#include "Spel.h"

namespace Spel {

Game::Screen Media() { return Game::Screen::Play; }
Game::Screen Controls() { return Game::Screen::MenuWithMusic; }
Game::Screen GameOver() { return Game::Screen::MenuWithMusic; }
Game::Screen Win() { return Game::Screen::MenuWithMusic; }

}  // namespace Spel
