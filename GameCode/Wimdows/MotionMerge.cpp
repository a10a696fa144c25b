// Pointer motions merged as Xlib takes them off the connection: a new motion that follows a motion still
// waiting in the queue replaces it. A flood of synthetic motions then leaves one event in the queue instead
// of every one of them, however often SDL makes a round trip while it reads the queue (each round trip moves
// the whole backlog into the queue, and Xlib keeps the queue's peak for reuse). The game reads only the
// newest position; button events end a run of motions, so each keeps the position it was made at, and their
// order. Kept apart from the layer's headers: Xlib's global `Time` clashes with the Time module.
#include <SDL.h>
#include <SDL_syswm.h>
#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xlibint.h>  // the queue's last entry, which a motion is merged into
#include <X11/extensions/XInput2.h>
#endif

namespace Wimdows::detail {

// Declared in WimdowsState.h.
void MergePointerMotions(SDL_Window* window);

#if defined(SDL_VIDEO_DRIVER_X11)
namespace {

using WireToEvent = Bool (*)(Display*, XEvent*, xEvent*);

// Xlib's own conversion of a motion from the wire. Set on the window thread before the first event is read.
WireToEvent gConvert = nullptr;

bool SameRun(const XMotionEvent& earlier, const XMotionEvent& later) {
    return earlier.window == later.window && earlier.root == later.root &&
           earlier.subwindow == later.subwindow && earlier.state == later.state &&
           earlier.same_screen == later.same_screen && earlier.is_hint == NotifyNormal &&
           later.is_hint == NotifyNormal;
}

// Called by Xlib, the display locked, for each motion it takes off the connection. False keeps the event out
// of the queue.
Bool MergeMotion(Display* display, XEvent* event, xEvent* wire) {
    if (gConvert(display, event, wire) == False) {
        return False;
    }
    _XQEvent* last = display->tail;
    if (last != nullptr && last->event.type == MotionNotify && SameRun(last->event.xmotion, event->xmotion)) {
        last->event = *event;
        // Numbered as a new entry: a scan of the queue (XIfEvent) looks at it again.
        last->qserial_num = display->next_event_serial_num++;
        return False;
    }
    return True;
}

// Takes one kind of event of the input extension out of what the window asked for on `window`.
void StopAsking(Display* display, ::Window window, int motion) {
    int count = 0;
    XIEventMask* masks = XIGetSelectedEvents(display, window, &count);
    for (int i = 0; i < count; ++i) {
        XIEventMask& mask = masks[i];
        if (mask.mask_len >= XIMaskLen(motion) && XIMaskIsSet(mask.mask, motion)) {
            mask.mask[motion >> 3] &= static_cast<unsigned char>(~(1 << (motion & 7)));  // XIClearMask
            XISelectEvents(display, window, &mask, 1);
        }
    }
    if (masks != nullptr) {
        XFree(masks);
    }
}

}  // namespace

void MergePointerMotions(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) {
        return;
    }
    Display* display = info.info.x11.display;
    const WireToEvent previous = XESetWireToEvent(display, MotionNotify, MergeMotion);
    if (previous != MergeMotion) {
        gConvert = previous;
    }
    // SDL also asks for motions through the input extension: the raw motions of the whole screen, which it
    // reads only in relative mouse mode (the game never uses it), and the window's own, to tell a touch from
    // the mouse (touches still come as touches). Xlib queues such events whatever a hook answers, so they
    // could not be merged; without them the window gets core motions.
    int opcode = 0;
    int unused = 0;
    if (XQueryExtension(display, "XInputExtension", &opcode, &unused, &unused)) {
        StopAsking(display, DefaultRootWindow(display), XI_RawMotion);
        StopAsking(display, info.info.x11.window, XI_Motion);
    }
}
#else
void MergePointerMotions(SDL_Window*) {}
#endif

}  // namespace Wimdows::detail
