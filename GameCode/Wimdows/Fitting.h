// Where the game's picture goes in a window of any size, how large the window opens, and which game pixel
// a window pixel shows. Plain arithmetic: no SDL, no window, so tests call it directly.
#pragma once

#include <cstdint>

namespace Wimdows::fitting {

struct Size {
    std::int32_t w = 0;
    std::int32_t h = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Box {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t w = 0;
    std::int32_t h = 0;
    friend bool operator==(const Box&, const Box&) = default;
};

// What the window manager adds around the client area (title bar on top).
struct Frame {
    std::int32_t left = 0;
    std::int32_t right = 0;
    std::int32_t top = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const Frame&, const Frame&) = default;
};

// No screen on sale shows more than 8× the picture; a larger report is a broken one, and a window that
// large would need gigabytes for its pixels.
inline constexpr std::int32_t kMaxScale = 8;

// The largest box of the picture's shape inside the window, centred; never smaller than 1 × 1.
Box Fit(Size window, Size picture);

// True when the box shows every picture pixel as the same whole number of window pixels.
bool WholeMultiple(const Box& shown, Size picture);

// The frame as far as it can be believed: no side below 0, and none at all when its sides would take a
// quarter of the usable area (no window manager draws such a frame; a broken report would shrink the
// window to nothing).
Frame Plausible(const Frame& frame, const Box& usable);

// The opening client size: the largest whole multiple of the picture (at most kMaxScale) whose window,
// frame included, fits the usable area; where even 1× does not, the largest box of the picture's shape
// that does. An empty usable area (the display reported none) gives 1×.
Size OpeningSize(const Box& usable, const Frame& frame, Size picture);

// Where the client area of that size goes: centred in the usable area with its frame, and where it does
// not fit, its frame's top-left corner on the usable area's, so that the title bar stays on the screen.
Point OpeningPlace(const Box& usable, const Frame& frame, Size client);

// Where a window whose client area is `client` goes once the usable area has become `usable` (the screen
// shrank, a panel appeared, the window went to another monitor): where it lies wholly inside with its frame
// it stays; where it is too large it takes the opening size and place; otherwise it is moved just far
// enough to lie inside. An empty usable area leaves it where it is.
Box Refit(const Box& client, const Box& usable, const Frame& frame, Size picture);

// The game pixel under a window pixel. Outside the shown box the result lies outside the picture:
// negative above or left of it, so that the 16-bit message words read 65535 for one pixel off.
Point ToGame(Point window, const Box& shown, Size picture);

}  // namespace Wimdows::fitting
