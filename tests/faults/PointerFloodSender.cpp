// Floods a window with pointer motions: pointer_flood <window id> <moves>.
#include <cstdlib>
#include <iostream>

#include "PointerFlood.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " <window id> <moves>" << std::endl;
        return 2;
    }
    const int moves = std::atoi(argv[2]);
    const unsigned long window = std::strtoul(argv[1], nullptr, 0);
    if (!FloodPointer(nullptr, window, moves)) {
        std::cerr << "cannot flood the window through XTEST" << std::endl;
        return 1;
    }
    return 0;
}
