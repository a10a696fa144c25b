// The floor a play is measured against: about the least a program can spend to show 100 full frames a second
// through SDL's window surface. It fills its 1000 × 750 window surface, presents it every 10 ms, and sleeps
// to an absolute deadline on the steady clock between frames. It ends when its window is closed, at SIGTERM,
// or after the given seconds.
//   ./floor_program [seconds]
#include <SDL.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const long frames = argc > 1 ? std::atol(argv[1]) * 100 : -1;
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");  // the game's way: no GL under the window surface
    SDL_Window* window =
        SDL_Init(SDL_INIT_VIDEO) == 0
            ? SDL_CreateWindow("Floor", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, 1000, 750, 0)
            : nullptr;
    SDL_Surface* surface = window != nullptr ? SDL_GetWindowSurface(window) : nullptr;
    if (surface == nullptr) {
        std::fprintf(stderr, "floor_program: %s\n", SDL_GetError());
        return 1;
    }
    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    bool open = true;
    for (long frame = 0; open && frame != frames; ++frame) {
        SDL_Event event;
        while (SDL_PollEvent(&event) != 0) {
            open = open && event.type != SDL_QUIT;
        }
        SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, static_cast<Uint8>(frame), 96, 160));
        SDL_UpdateWindowSurface(window);
        deadline.tv_nsec += 10'000'000;
        deadline.tv_sec += deadline.tv_nsec / 1'000'000'000;
        deadline.tv_nsec %= 1'000'000'000;
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr);  // a signal only ends it early
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
