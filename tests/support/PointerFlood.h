#pragma once

#include <optional>
#include <vector>

struct FloodClick {
    int x = 0;
    int y = 0;
};

// Moves the pointer `moves` times over `window` through XTEST, sweeping its width and height, as fast as the
// server takes the requests; after every `clickEvery`-th move (0: never) it clicks the left button where
// the pointer is. Returns the places of the clicks in window pixels, in order; nothing when the display, the
// window or the XTEST extension is missing.
std::optional<std::vector<FloodClick>> FloodPointer(const char* display, unsigned long window, int moves,
                                                    int clickEvery = 0);
