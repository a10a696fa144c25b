// What the window layer asks the X server directly: the native id of the window, for tests that look at the
// real window from outside (screenshots), the descriptor its events arrive on, and what SDL does not tell
// about the desktop (the frame before mapping, the screen's current size, a visual it can draw into). Kept
// apart from the layer's headers: SDL_syswm.h brings in Xlib, whose global `Time` clashes with the Time
// module.
#include <SDL.h>
#include <SDL_syswm.h>
#include <poll.h>
#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#endif

#include <cstdint>
#include <cstdio>

#include "Fitting.h"

namespace Wimdows::detail {

// Declared in WimdowsState.h.
std::uint64_t NativeWindowIdOf(SDL_Window* window);
int EventDescriptorOf(SDL_Window* window);
bool EventsArrived(SDL_Window* window);
bool AskForFrame(SDL_Window* window);
fitting::Size CurrentScreenSize(SDL_Window* window);
bool PreferTrueColorVisual(SDL_Window* window);
bool DisplayLost(SDL_Window* window);

namespace {

[[maybe_unused]] bool InfoOf(SDL_Window* window, SDL_SysWMinfo& info) {
    SDL_VERSION(&info.version);
    return SDL_GetWindowWMInfo(window, &info) == SDL_TRUE;
}

#if defined(SDL_VIDEO_DRIVER_X11)
bool X11InfoOf(SDL_Window* window, SDL_SysWMinfo& info) {
    return InfoOf(window, info) && info.subsystem == SDL_SYSWM_X11;
}

bool WindowManagerRuns(Display* display) {
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW,
                                          &type, &format, &count, &left, &data);
    if (data != nullptr) {
        XFree(data);
    }
    return status == Success && type == XA_WINDOW && count == 1;
}

// The visual's channels are 8 bits each at the places of SDL's usual 32-bit pixels.
bool EightBitChannels(const Visual* visual) {
    return visual->red_mask == 0xFF0000 && visual->green_mask == 0xFF00 && visual->blue_mask == 0xFF;
}
#endif

}  // namespace

std::uint64_t NativeWindowIdOf(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    if (X11InfoOf(window, info)) {
        return info.info.x11.window;
    }
#endif
    return 0;
}

int EventDescriptorOf(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    if (X11InfoOf(window, info)) {
        return ConnectionNumber(info.info.x11.display);
    }
#endif
    return -1;
}

bool EventsArrived(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    if (X11InfoOf(window, info)) {
        Display* display = info.info.x11.display;
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        return XQLength(display) > 0 || poll(&connection, 1, 0) != 0;  // an error: let SDL find out
    }
#endif
    return true;
}

bool AskForFrame(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    if (!X11InfoOf(window, info) || !WindowManagerRuns(info.info.x11.display)) {
        return false;
    }
    Display* display = info.info.x11.display;
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = info.info.x11.window;
    request.xclient.message_type = XInternAtom(display, "_NET_REQUEST_FRAME_EXTENTS", False);
    request.xclient.format = 32;
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &request);
    XFlush(display);
    return true;
#else
    return false;
#endif
}

fitting::Size CurrentScreenSize(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    XWindowAttributes root;
    if (X11InfoOf(window, info) &&
        XGetWindowAttributes(info.info.x11.display, DefaultRootWindow(info.info.x11.display), &root) != 0) {
        return {root.width, root.height};
    }
#endif
    return {};
}

bool PreferTrueColorVisual(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    XWindowAttributes attributes;
    if (!X11InfoOf(window, info) ||
        XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &attributes) == 0 ||
        EightBitChannels(attributes.visual)) {
        return false;
    }
    XVisualInfo wanted{};
    wanted.screen = XScreenNumberOfScreen(attributes.screen);
    wanted.c_class = TrueColor;
    int count = 0;
    XVisualInfo* visuals =
        XGetVisualInfo(info.info.x11.display, VisualScreenMask | VisualClassMask, &wanted, &count);
    // Depth 24 where there is one: a 32-bit visual's fourth byte would be taken for see-through.
    const XVisualInfo* best = nullptr;
    for (int i = 0; i < count; ++i) {
        const XVisualInfo& visual = visuals[i];
        if ((visual.depth == 24 || visual.depth == 32) && EightBitChannels(visual.visual) &&
            (best == nullptr || (best->depth != 24 && visual.depth == 24))) {
            best = &visual;
        }
    }
    char id[32] = "";
    if (best != nullptr) {
        std::snprintf(id, sizeof id, "0x%lx", best->visualid);
    }
    if (visuals != nullptr) {
        XFree(visuals);
    }
    return id[0] != '\0' && SDL_SetHint(SDL_HINT_VIDEO_X11_WINDOW_VISUALID, id) == SDL_TRUE;
#else
    return false;
#endif
}

bool DisplayLost(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_WAYLAND)
    SDL_SysWMinfo info;
    if (!InfoOf(window, info) || info.subsystem != SDL_SYSWM_WAYLAND) {
        return false;
    }
    // SDL has loaded the Wayland library already; the layer borrows one function of it rather than link it.
    using GetError = int (*)(struct wl_display*);
    static void* const library = SDL_LoadObject("libwayland-client.so.0");
    static const auto getError =
        library != nullptr ? reinterpret_cast<GetError>(SDL_LoadFunction(library, "wl_display_get_error"))
                           : nullptr;
    return getError != nullptr && getError(info.info.wl.display) != 0;
#else
    return false;
#endif
}

}  // namespace Wimdows::detail
