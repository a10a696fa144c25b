// The window on the desktop: it opens at the size and place where it lies wholly, frame included, inside
// the usable area of its display (panels left out), and follows that area when the screen changes under
// it. Window thread.
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <thread>

#include "WimdowsState.h"

namespace Wimdows::detail {

namespace {

using fitting::Box;
using fitting::Frame;
using fitting::Size;
using Clock = std::chrono::steady_clock;

// A window manager answers a frame request within a few milliseconds; one that does not answer at all
// must not hold the opening up for longer than a player would notice.
constexpr auto kFrameWait = std::chrono::milliseconds(250);
constexpr auto kFramePoll = std::chrono::milliseconds(2);
// How often the display's usable area is read again: a changed screen is followed within a second.
constexpr auto kDisplayCheck = std::chrono::milliseconds(500);

int Side(std::int64_t length) {
    return static_cast<int>(std::clamp<std::int64_t>(length, 1, SHRT_MAX));
}

// Sizes the window to fit the usable area with the given frame around it and places it there.
void Arrange(SDL_Window* window, const Box& usable, const Frame& frame, Size picture) {
    const Size size = fitting::OpeningSize(usable, frame, picture);
    if (usable.w <= 0 || usable.h <= 0) {
        SDL_SetWindowSize(window, Side(size.w), Side(size.h));
        return;
    }
    const fitting::Point place = fitting::OpeningPlace(usable, frame, size);
    Place(window, {place.x, place.y, size.w, size.h});
}

SDL_Window* CreateHidden(const char* title, Size size) {
    return SDL_CreateWindow(title, static_cast<int>(SDL_WINDOWPOS_CENTERED),
                            static_cast<int>(SDL_WINDOWPOS_CENTERED), Side(size.w), Side(size.h),
                            SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
}

// A deep-colour X screen's own visual has 10-bit channels, for which SDL has no window surface: there the
// window is made again with a visual of 8-bit channels, which the X server converts for the screen.
SDL_Window* CreateDrawable(const char* title, Size size) {
    SDL_Window* window = CreateHidden(title, size);
    if (window != nullptr && PreferTrueColorVisual(window)) {
        SDL_DestroyWindow(window);
        window = CreateHidden(title, size);
    }
    return window;
}

}  // namespace

void ChooseWindowSurface() {
    // SDL's default window surface goes through GL: about 4 ms per present under Xvfb, 0.35 ms through the
    // X server's own images. Wayland has no surface of its own: there the GL one is the only one.
    const char* current = SDL_GetCurrentVideoDriver();
    const std::string_view driver = current != nullptr ? current : "";
    const bool own = driver == "x11" || driver == "dummy" || driver == "offscreen";
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, own ? "0" : "1");
}

Box UsableAreaOf(SDL_Window* window) {
    const int display = window != nullptr ? std::max(SDL_GetWindowDisplayIndex(window), 0) : 0;
    SDL_Rect usable{0, 0, 0, 0};
    if (SDL_GetDisplayUsableBounds(display, &usable) != 0) {
        return {};
    }
    // SDL keeps the screen size it saw at start; where the X server tells the current one, that one holds.
    const Size screen = window != nullptr ? CurrentScreenSize(window) : Size{};
    if (screen.w > 0 && screen.h > 0) {
        SDL_Rect now{0, 0, screen.w, screen.h};
        if (SDL_IntersectRect(&usable, &now, &usable) == SDL_FALSE) {
            return {};
        }
    }
    return {usable.x, usable.y, usable.w, usable.h};
}

Frame AwaitFrame(SDL_Window* window) {
    const auto until = Clock::now() + kFrameWait;
    for (;;) {
        SDL_PumpEvents();
        const Frame frame = FrameOf(window);
        if (frame != Frame{} || Clock::now() >= until) {
            return frame;
        }
        std::this_thread::sleep_for(kFramePoll);
    }
}

Frame FrameOf(SDL_Window* window) {
    Frame frame;
    if (SDL_GetWindowBordersSize(window, &frame.top, &frame.left, &frame.bottom, &frame.right) != 0) {
        return {};
    }
    return frame;
}

void Place(SDL_Window* window, const Box& client) {
    SDL_SetWindowSize(window, Side(client.w), Side(client.h));
    SDL_SetWindowPosition(window, client.x, client.y);
}

SDL_Window* OpenWindow(const char* title, Size picture) {
    SDL_Window* window = CreateDrawable(title, fitting::OpeningSize(UsableAreaOf(nullptr), {}, picture));
    if (window == nullptr) {
        return nullptr;
    }
    // A quarter of the picture still shows what happens; beyond kMaxScale only the memory grows.
    SDL_SetWindowMinimumSize(window, Side(picture.w / 4), Side(picture.h / 4));
    SDL_SetWindowMaximumSize(window, Side(std::int64_t{picture.w} * fitting::kMaxScale),
                             Side(std::int64_t{picture.h} * fitting::kMaxScale));
    SetIcon(window);
    // The frame is asked for before the window shows, so that it opens at its place and size at once.
    const bool framed = AskForFrame(window);
    const Box usable = UsableAreaOf(window);
    const Frame frame = framed ? AwaitFrame(window) : Frame{};
    Arrange(window, usable, frame, picture);
    SDL_ShowWindow(window);
    // A window manager that tells the frame only once the window is mapped: fitted once more, then.
    if (framed && frame == Frame{}) {
        const Frame mapped = AwaitFrame(window);
        if (mapped != Frame{}) {
            Arrange(window, usable, mapped, picture);
        }
    }
    M().view.usable = usable;
    return window;
}

void FollowDisplay(SDL_Window* window) {
    View& s = M().view;
    const auto now = Clock::now();
    if (now < s.nextDisplayCheck) {
        return;
    }
    s.nextDisplayCheck = now + kDisplayCheck;
    const Box usable = UsableAreaOf(window);
    if (usable == s.usable) {
        return;
    }
    s.usable = usable;
    if (s.fullscreen) {
        return;  // fullscreen follows the display by itself; leaving it fits the window anew
    }
    Box client;
    SDL_GetWindowPosition(window, &client.x, &client.y);
    SDL_GetWindowSize(window, &client.w, &client.h);
    const Box fitted = fitting::Refit(client, usable, FrameOf(window), s.picture);
    if (fitted != client) {
        Place(window, fitted);
    }
}

void EndIfDisplayLost(SDL_Window* window) {
    if (DisplayLost(window)) {
        std::fprintf(stderr, "The display is gone (its compositor quit): the game ends.\n");
        // Not exit(): the main thread is still drawing, and nothing at exit may pull its module from under
        // it.
        std::_Exit(1);
    }
}

void CheckDisplaySoon() {
    M().view.nextDisplayCheck = {};
}

}  // namespace Wimdows::detail
