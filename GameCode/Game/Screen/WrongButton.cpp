// The one answer to a selection without an action, shared by the menus and the end screens.
#include <cstdio>

#include "Screen.h"

namespace Game {

// MenuSelection returns only positions of visible buttons; anything else is a fault worth a line.
Screen WrongButton() {
    std::puts("error! wrong button number!");
    std::fflush(stdout);
    return Screen::Abort;
}

}  // namespace Game
