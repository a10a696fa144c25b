#pragma once

#include <optional>
#include <vector>

struct FloodPoint {
    int x = 0;
    int y = 0;
    bool operator==(const FloodPoint&) const = default;
};

// What a flood did, in window pixels: where it clicked, in order, and where it left the pointer.
struct Flood {
    std::vector<FloodPoint> clicks;
    FloodPoint last;
};

// Moves the pointer `moves` times over `window` through XTEST, sweeping its width and height, as fast as the
// server takes the requests; after every `clickEvery`-th move (0: never) it clicks the left button where
// the pointer is. Nothing when the display, the window or the XTEST extension is missing.
std::optional<Flood> FloodPointer(const char* display, unsigned long window, int moves, int clickEvery = 0);

// Gives the keyboard focus away from `window`, then back to it with a left click at `at` (window pixels)
// straight after, as a player clicks on a window behind others; returns once the server has sent it all.
// False when the display or the XTEST extension is missing.
bool FocusWithAClick(const char* display, unsigned long window, FloodPoint at);
