// The close button of a title bar, as a window manager reports it: a WM_DELETE_WINDOW client message.
// Kept apart from the game's headers: Xlib's global `Time` clashes with the Time module.
#include "TitleBarClose.h"

#include <X11/Xlib.h>

bool PressCloseButton(const char* display, unsigned long window) {
    Display* x = XOpenDisplay(display);
    if (x == nullptr) {
        return false;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(x, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(x, window, False, NoEventMask, &event) != 0;
    XCloseDisplay(x);
    return sent;
}
