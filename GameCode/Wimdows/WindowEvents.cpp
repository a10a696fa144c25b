// The window's class, fullscreen, and the window events that change what presenting has to do. Window
// thread.
#include "WimdowsState.h"

namespace Wimdows::detail {

namespace {

// The desktop entry's StartupWMClass: a launcher groups the running window with its entry by it.
constexpr const char* kApplicationClass = "saltwing";

// Leaving fullscreen brings back the size and place the window had before, as far as the display still
// has room for them.
void ToggleFullscreen(SDL_Window* window) {
    View& s = M().view;
    if (!s.fullscreen) {
        SDL_GetWindowPosition(window, &s.windowed.x, &s.windowed.y);
        SDL_GetWindowSize(window, &s.windowed.w, &s.windowed.h);
        s.windowedFrame = FrameOf(window);
        s.fullscreen = SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
    } else if (SDL_SetWindowFullscreen(window, 0) == 0) {
        s.fullscreen = false;
        const fitting::Box before{s.windowed.x, s.windowed.y, s.windowed.w, s.windowed.h};
        // SDL places the window by its frame, which the window manager draws again only now.
        if (s.windowedFrame != fitting::Frame{}) {
            AwaitFrame(window);
        }
        Place(window, fitting::Refit(before, UsableAreaOf(window), s.windowedFrame, s.picture));
    }
    s.stale = true;
}

// F11 and Alt+Enter belong to the window: they reach neither the key table nor the key queue. An Enter
// pressed with Alt is held back until it is released, even if Alt is let go first.
bool HandleFullscreenKey(SDL_Window* window, const SDL_KeyboardEvent& key) {
    View& s = M().view;
    const SDL_Keycode sym = key.keysym.sym;
    const bool enter = sym == SDLK_RETURN || sym == SDLK_KP_ENTER;
    if (key.type == SDL_KEYDOWN && enter && (key.keysym.mod & KMOD_ALT) != 0) {
        s.enterHeldBack = true;
    } else if (key.type == SDL_KEYUP && enter && s.enterHeldBack) {
        s.enterHeldBack = false;
        return true;
    } else if (sym != SDLK_F11) {
        return false;
    }
    if (key.type == SDL_KEYDOWN && key.repeat == 0) {
        ToggleFullscreen(window);
    }
    return true;
}

bool HandleVisibility(const SDL_WindowEvent& event) {
    View& s = M().view;
    switch (event.event) {
        case SDL_WINDOWEVENT_MINIMIZED:
        case SDL_WINDOWEVENT_HIDDEN:
            s.hidden = true;
            return false;  // input takes a minimised window as a lost focus, which pauses a play
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_MAXIMIZED:
            s.hidden = false;
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            // The pointer reads game pixels of the new size at once, before anything is presented.
            s.shown = fitting::Fit({event.data1, event.data2}, s.picture);
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            break;
        case SDL_WINDOWEVENT_DISPLAY_CHANGED:
            CheckDisplaySoon();
            return true;
        default:
            return false;
    }
    // The window is seen anew, maybe at another size: bands and picture are drawn again.
    s.stale = true;
    Paint();
    return true;
}

}  // namespace

void NameApplication() {
    SDL_setenv("SDL_VIDEO_X11_WMCLASS", kApplicationClass, 0);
    SDL_setenv("SDL_VIDEO_WAYLAND_WMCLASS", kApplicationClass, 0);
}

bool WithinLimits(SDL_Window* window) {
    int w = 0;
    int h = 0;
    int minW = 0;
    int minH = 0;
    int maxW = 0;
    int maxH = 0;
    SDL_GetWindowSize(window, &w, &h);
    SDL_GetWindowMinimumSize(window, &minW, &minH);
    SDL_GetWindowMaximumSize(window, &maxW, &maxH);
    if ((SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0 ||
        (w >= minW && h >= minH && (maxW == 0 || w <= maxW) && (maxH == 0 || h <= maxH))) {
        return true;
    }
    // Without a window manager nothing holds a resize to the limits; SDL clamps the size asked for.
    SDL_SetWindowSize(window, w, h);
    return false;
}

bool HandleWindowEvent(SDL_Window* window, const SDL_Event& event) {
    switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            return HandleFullscreenKey(window, event.key);
        case SDL_WINDOWEVENT:
            return HandleVisibility(event.window);
        case SDL_DISPLAYEVENT:
            CheckDisplaySoon();
            return true;
        default:
            return false;
    }
}

}  // namespace Wimdows::detail
