// The screens of the program. Every page, play and end screen is a function that returns the screen that
// comes next; the program entry runs them in one loop, so the stack depth is the same after any number of
// plays.
#pragma once

namespace Game {

enum class Screen {
    MainMenu,       // the main menu as it is
    MenuWithMusic,  // back from a play: the menu music starts again, then the main menu
    Story,          // story page 1
    StoryText,      // story page 2
    Help,
    Credits,
    StartGame,  // a start from the main menu: game pictures, engine sound, level 1, score 0
    Play,       // one play at the current level (a new level and a retry start one too)
    GameOver,
    Win,
    Exit,   // the program ends with status 0
    Abort,  // a selection without an action: the program ends with status 1
};

// What a menu or end screen does with a selection no action belongs to: the message, then Abort.
Screen WrongButton();

}  // namespace Game
