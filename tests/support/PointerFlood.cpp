// Synthetic pointer events: a burst far faster than a hand makes them, and a click that focuses a window.
// Kept apart from the game's headers: Xlib's global `Time` clashes with the Time module.
#include "PointerFlood.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

// Requests between flushes: the server reads them in large batches, as a flooding client would send them.
constexpr int kBatch = 1000;

}  // namespace

std::optional<Flood> FloodPointer(const char* display, unsigned long window, int moves, int clickEvery) {
    Display* x = XOpenDisplay(display);
    int unused = 0;
    if (x == nullptr) {
        return std::nullopt;
    }
    XWindowAttributes attributes;
    int left = 0;
    int top = 0;
    ::Window child = 0;
    if (!XTestQueryExtension(x, &unused, &unused, &unused, &unused) ||
        XGetWindowAttributes(x, window, &attributes) == 0 ||
        !XTranslateCoordinates(x, window, DefaultRootWindow(x), 0, 0, &left, &top, &child)) {
        XCloseDisplay(x);
        return std::nullopt;
    }
    const int width = attributes.width;
    const int height = attributes.height;
    Flood flood;
    for (int move = 1; move <= moves; ++move) {
        // A diagonal sweep that wraps: every move lands somewhere else in the window.
        const FloodPoint at{(move * 7) % width, (move * 5) % height};
        XTestFakeMotionEvent(x, -1, left + at.x, top + at.y, CurrentTime);
        if (clickEvery > 0 && move % clickEvery == 0) {
            XTestFakeButtonEvent(x, Button1, True, CurrentTime);
            XTestFakeButtonEvent(x, Button1, False, CurrentTime);
            flood.clicks.push_back(at);
        }
        flood.last = at;
        if (move % kBatch == 0) {
            XFlush(x);
        }
    }
    XSync(x, False);
    XCloseDisplay(x);
    return flood;
}

bool FocusWithAClick(const char* display, unsigned long window, FloodPoint at) {
    Display* x = XOpenDisplay(display);
    int unused = 0;
    int left = 0;
    int top = 0;
    ::Window child = 0;
    const bool ready = x != nullptr && XTestQueryExtension(x, &unused, &unused, &unused, &unused) &&
                       XTranslateCoordinates(x, window, DefaultRootWindow(x), 0, 0, &left, &top, &child);
    if (ready) {
        XSetInputFocus(x, None, RevertToNone, CurrentTime);
        XSync(x, False);
        XTestFakeMotionEvent(x, -1, left + at.x, top + at.y, CurrentTime);
        XSetInputFocus(x, window, RevertToParent, CurrentTime);
        XTestFakeButtonEvent(x, Button1, True, CurrentTime);
        XTestFakeButtonEvent(x, Button1, False, CurrentTime);
        XSync(x, False);
    }
    if (x != nullptr) {
        XCloseDisplay(x);
    }
    return ready;
}
