// The native id of the window, for tests that look at the real window from outside (screenshots).
// Kept apart from the layer's headers: SDL_syswm.h brings in Xlib, whose global `Time` clashes with the
// Time module.
#include <SDL.h>
#include <SDL_syswm.h>

#include <cstdint>

namespace Wimdows::detail {

std::uint64_t NativeWindowIdOf(SDL_Window* window);  // declared in WimdowsState.h

std::uint64_t NativeWindowIdOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE) {
        return 0;
    }
#if defined(SDL_VIDEO_DRIVER_X11)
    if (info.subsystem == SDL_SYSWM_X11) {
        return info.info.x11.window;
    }
#endif
    return 0;
}

}  // namespace Wimdows::detail
