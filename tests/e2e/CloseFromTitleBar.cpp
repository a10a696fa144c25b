// Asks a window to close the way its title bar's close button does. A bare X server has no window manager to
// pass such a request on, so this sends it.
#include <cstdlib>
#include <iostream>

#include "TitleBarClose.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <window id>" << std::endl;
        return 2;
    }
    if (!PressCloseButton(nullptr, std::strtoul(argv[1], nullptr, 0))) {
        std::cerr << "cannot send the close request" << std::endl;
        return 1;
    }
    return 0;
}
