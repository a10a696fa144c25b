// The native id of the window, for tests that look at the real window from outside (screenshots), and
// the descriptor its events arrive on. Kept apart from the layer's headers: SDL_syswm.h brings in Xlib, whose
// global `Time` clashes with the Time module.
#include <SDL.h>
#include <SDL_syswm.h>

#include <cstdint>

namespace Wimdows::detail {

// Declared in WimdowsState.h.
std::uint64_t NativeWindowIdOf(SDL_Window* window);
int EventDescriptorOf(SDL_Window* window);

namespace {

[[maybe_unused]] bool InfoOf(SDL_Window* window, SDL_SysWMinfo& info) {
    SDL_VERSION(&info.version);
    return SDL_GetWindowWMInfo(window, &info) == SDL_TRUE;
}

}  // namespace

std::uint64_t NativeWindowIdOf(SDL_Window* window) {
    SDL_SysWMinfo info;
#if defined(SDL_VIDEO_DRIVER_X11)
    if (InfoOf(window, info) && info.subsystem == SDL_SYSWM_X11) {
        return info.info.x11.window;
    }
#endif
    return 0;
}

int EventDescriptorOf(SDL_Window* window) {
    SDL_SysWMinfo info;
#if defined(SDL_VIDEO_DRIVER_X11)
    if (InfoOf(window, info) && info.subsystem == SDL_SYSWM_X11) {
        return ConnectionNumber(info.info.x11.display);
    }
#endif
    return -1;
}

}  // namespace Wimdows::detail
