// The window thread: it opens the window, pumps its events, presents the frames handed to it, and
// releases everything at close. The main thread only hands over frames and waits on the state.
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <system_error>

#include "WimdowsState.h"

namespace Wimdows {

namespace detail {

Module& M() {
    static Module* module = new Module;
    return *module;
}

std::atomic<bool> gCloseAsked{false};
static_assert(std::atomic<bool>::is_always_lock_free);

namespace {
thread_local bool tWindowThread = false;
}  // namespace

bool OnWindowThread() {
    return tWindowThread;
}

SurfacePtr MakeSurface(std::int32_t width, std::int32_t height) {
    return SurfacePtr(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, kPixelFormat));
}

}  // namespace detail

namespace {

using namespace detail;

// The window thread never blocks inside SDL (SDL's X11 wake-up goes out on a second X connection and can
// reach a window that is being destroyed): it sleeps on the X connection and on its own wake-up. Where it
// cannot see the connection (other video drivers) it looks for events this often. SDL's event pump costs
// six system calls, so it runs when the display or a sync has sent something, and otherwise only as often
// as gamepads need: SDL reads them only while it pumps events, once a frame while a pad is plugged in, and a
// few times a second otherwise, so that a pad plugged in is found without keeping an idle menu awake.
constexpr int kEventPollMilliseconds = 2;
constexpr int kGamepadPollMilliseconds = 10;
constexpr int kHotplugPollMilliseconds = 250;

int SleepLimit(int events) {
    if (events < 0) {
        return kEventPollMilliseconds;
    }
    return SDL_NumJoysticks() > 0 ? kGamepadPollMilliseconds : kHotplugPollMilliseconds;
}

void SetState(WinState state) {
    M().window.state.store(state);
    M().window.state.notify_all();
}

// The main thread never waits on the window thread for good: a thread stuck in a call to a display that does
// not answer never returns, so every wait looks for a close request this often.
constexpr auto kLookInterval = std::chrono::milliseconds(1);
// After a close request the window thread gets this long to release the window; then the program ends
// without it.
constexpr auto kCloseGrace = std::chrono::milliseconds(30);
// A display that has not given the window this long after the start is taken as one that never will.
constexpr auto kDisplayPatience = std::chrono::seconds(5);

enum class WaitEnd { Left, CloseAsked, DisplaySilent };

// Waits while the window thread is in `state`, until a close request has gone unanswered for kCloseGrace,
// or, with `patience`, until the display has not answered for that long.
WaitEnd WaitWhileState(WinState state, std::optional<std::chrono::seconds> patience = std::nullopt) {
    using SteadyClock = std::chrono::steady_clock;
    Module& m = M();
    const SteadyClock::time_point start = SteadyClock::now();
    std::optional<SteadyClock::time_point> giveUpAt;
    while (m.window.state.load() == state) {
        const SteadyClock::time_point now = SteadyClock::now();
        if (!giveUpAt && gCloseAsked.load()) {
            giveUpAt = now + kCloseGrace;
        }
        if (giveUpAt && now >= *giveUpAt) {
            return WaitEnd::CloseAsked;
        }
        if (patience && !m.displayAnswered.load() && now - start >= *patience) {
            return WaitEnd::DisplaySilent;
        }
        std::this_thread::sleep_for(kLookInterval);
    }
    return WaitEnd::Left;
}

void JoinWindowThread() {
    if (M().thread.joinable()) {
        M().thread.join();
    }
}

// Joining a thread stuck in the display would wait for ever: it is left to end with the process.
void LeaveWindowThread() {
    Module& m = M();
    if (m.thread.joinable()) {
        m.thread.detach();
    }
    m.threadLeft = true;
}

// Waits for the window thread to end after its close; false when it had to be left behind.
bool AwaitWindowEnd() {
    if (M().threadLeft) {
        return false;
    }
    if (WaitWhileState(STATE_ACTIVE) == WaitEnd::CloseAsked) {
        LeaveWindowThread();
        return false;
    }
    JoinWindowThread();
    return true;
}

[[noreturn]] void CantCreateWindow(const std::string& reason) {
    // Sound fix: without a window the program would go on invisibly; say why, and where, and end.
    const char* x11 = SDL_getenv("DISPLAY");
    const char* wayland = SDL_getenv("WAYLAND_DISPLAY");
    std::fprintf(stderr, "Can't create window. %s (display tried: DISPLAY=%s, WAYLAND_DISPLAY=%s)\n",
                 reason.c_str(), x11 != nullptr ? x11 : "unset", wayland != nullptr ? wayland : "unset");
    std::exit(1);
}

// With no display SDL 2.26 quietly picks its invisible "offscreen" driver. Unless a driver was asked for
// (the tests ask for dummy), only drivers that show something on a screen may be chosen; Wayland only when a
// compositor is named, since without one its library fills the console with guesses.
void ChooseRealDisplays() {
    if (SDL_getenv("SDL_VIDEODRIVER") != nullptr) {
        return;
    }
    std::string drivers;
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
        const std::string_view name = SDL_GetVideoDriver(i);
        if (name == "offscreen" || name == "dummy" || name == "evdev" ||
            (name == "wayland" && SDL_getenv("WAYLAND_DISPLAY") == nullptr)) {
            continue;
        }
        drivers += drivers.empty() ? "" : ",";
        drivers += name;
    }
    SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.empty() ? "none" : drivers.c_str());
}

// An X server may drop a connection opened right after another one closed (Xvfb does, now and then, when a
// window is opened again): try a few times, a little later each time, before giving up.
bool InitVideo() {
    constexpr int kAttempts = 4;
    for (int attempt = 1;; ++attempt) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
            return true;
        }
        if (attempt == kAttempts) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10 << attempt));
    }
}

// Creates the window, the back buffer and the front buffer; nullptr with SDL's reason on failure.
SDL_Window* Init() {
    Module& m = M();
    // The layer captures the mouse itself while a button is held.
    SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
    // A click that brings the window to the front is a click, as on the desktops the game comes from. SDL
    // drops one handled within 10 ms of the focus, so whether it counted depended on the machine's load.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    ChooseRealDisplays();
    NameApplication();
    if (!InitVideo()) {
        m.failure = SDL_GetError();
        return nullptr;
    }
    ChooseWindowSurface();
    // The game draws at the size it asked for; the window shows that picture at whatever size it has.
    const auto side = [](std::uint32_t length) {
        return static_cast<int>(std::clamp<std::uint32_t>(length, 1, SHRT_MAX));
    };
    const int width = side(m.window.xlen);
    const int height = side(m.window.ylen);
    m.view = View{};
    m.view.picture = {width, height};
    SDL_Window* window = OpenWindow(m.window.title.c_str(), m.view.picture);
    SurfacePtr back = MakeSurface(width, height);
    SurfacePtr front = MakeSurface(width, height);
    if (window == nullptr || !back || !front || SDL_GetWindowSurface(window) == nullptr) {
        m.failure = SDL_GetError();
        if (window != nullptr) {
            SDL_DestroyWindow(window);
        }
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    SDL_StopTextInput();
    {
        std::lock_guard lock(m.drawMutex);
        m.window.xlen = static_cast<std::uint32_t>(width);
        m.window.ylen = static_cast<std::uint32_t>(height);
        m.back = std::move(back);
        m.buffering = false;
        std::lock_guard frontLock(m.frontMutex);
        m.front = std::move(front);
        m.dirty.assign(1, SDL_Rect{0, 0, width, height});
    }
    m.nativeWindowId.store(NativeWindowIdOf(window));
    SDL_RaiseWindow(window);
    Present(window);
    return window;
}

// Runs one batch of events; true when the player closed the window.
bool HandleEvents(SDL_Window* window) {
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        if (event.type == SDL_QUIT ||
            (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE)) {
            return true;
        }
        if (HandleWindowEvent(window, event)) {
            continue;
        }
        if (const auto input = TranslateInput(event)) {
            Deliver(*input);
        } else {
            HandleGamepadEvent(event);
        }
    }
    return false;
}

// Sleeps until there is work: a frame handed over, a sync or close asked for, or an event on the X
// connection. Presenting comes before the events: a present's reply may carry events into Xlib's queue,
// where the connection would no longer show them; taking the events last leaves that queue empty.
void RunEventLoop(SDL_Window* window) {
    using SteadyClock = std::chrono::steady_clock;
    Module& m = M();
    const int events = EventDescriptorOf(window);
    MergePointerMotions(window);
    SteadyClock::time_point nextPump;
    for (;;) {
        m.windowThreadPasses.fetch_add(1);
        std::uint64_t sync = 0;
        {
            std::lock_guard lock(m.frontMutex);
            sync = m.syncRequested;
        }
        Present(window);
        bool closedByPlayer = gCloseAsked.load();
        const SteadyClock::time_point now = SteadyClock::now();
        if (now >= nextPump || EventsArrived(window) || SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) {
            nextPump = now + std::chrono::milliseconds(SleepLimit(events));
            closedByPlayer = HandleEvents(window) || closedByPlayer;
        }
        FollowDisplay(window);
        m.syncDone.store(sync);
        m.syncDone.notify_all();
        if (closedByPlayer) {
            EndIfDisplayLost(window);
            m.closedByPlayer.store(true);
            Time::Wake();
            return;
        }
        {
            std::lock_guard lock(m.frontMutex);
            if (m.closeRequested) {
                return;
            }
            if (!m.dirty.empty() || m.syncRequested != sync) {
                continue;
            }
        }
        m.wake.Wait(events, SleepLimit(events));
    }
}

// Releases the window's back buffer, bitmaps and input state. Drawing calls take the same lock, so a
// close from the title bar never releases what a drawing call is using.
void FreeWindow() {
    Module& m = M();
    std::lock_guard lock(m.drawMutex);
    {
        std::lock_guard frontLock(m.frontMutex);
        m.front.reset();
        m.dirty.clear();
        // Nothing more will be presented: release whoever waits for a present or a sync.
        m.presented.store(m.submitted);
        m.syncDone.store(m.syncRequested);
    }
    m.presented.notify_all();
    m.syncDone.notify_all();
    m.back.reset();
    ForgetDrawn();
    m.window.xlen = 0;
    m.window.ylen = 0;
    m.buffering = false;
    ResetInput();
    m.masked.clear();
    m.bit = {};
    m.loaded.clear();
    m.unreadPicture.clear();  // the next window's pictures are read afresh, and said of afresh
    m.picturesRead = false;
    m.nativeWindowId.store(0);
}

void WinMain() {
    tWindowThread = true;
    SDL_Window* window = Init();
    M().displayAnswered.store(true);  // with a window or a reason: either way the display has answered
    if (window != nullptr) {
        // Before the window is announced: SDL's subsystems may not start on two threads at once, and once
        // the window is announced the main thread starts the sound.
        OpenGamepads();
        SetState(STATE_ACTIVE);
        RunEventLoop(window);
        FreeWindow();
        CloseGamepads();
        SDL_DestroyWindow(window);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    SDL_TLSCleanup();  // SDL keeps per-thread data (its error text) for threads it did not start as well
    SetState(window != nullptr ? STATE_DEAD : STATE_ERROR);
}

}  // namespace

namespace detail {

// Sound fix: closing the window from its title bar (or SIGTERM, SIGINT) ends the program (the design ran on
// invisibly). Every loop of the game waits through the clock, so the next wait carries the close to the
// program entry.
void ThrowIfClosedByPlayer() {
    Module& m = M();
    const bool asked = gCloseAsked.load();
    if (asked && !m.closedByPlayer.load()) {
        // A signal: close now rather than at the window thread's next look, so the wait ends at this step.
        {
            std::lock_guard lock(m.frontMutex);
            m.closeRequested = true;
        }
        m.wake.Notify();
    }
    if (asked || m.closedByPlayer.load()) {
        AwaitWindowEnd();
        throw WindowClosed{};
    }
}

}  // namespace detail

void Window(const char* title, std::uint32_t x, std::uint32_t y) {
    Module& m = M();
    if (m.window.state.load() == STATE_ACTIVE) {
        KillWindow();
    }
    if (m.threadLeft) {
        throw WindowClosed{};  // only a close request leaves a window thread behind
    }
    JoinWindowThread();  // a window closed by the player leaves its finished thread behind
    m.closedByPlayer.store(false);
    m.displayAnswered.store(false);
    m.failure.clear();
    m.window.title = title != nullptr ? title : "";
    {
        std::lock_guard lock(m.drawMutex);
        m.window.xlen = x;
        m.window.ylen = y;
        std::lock_guard frontLock(m.frontMutex);
        m.closeRequested = false;
    }
    try {
        m.thread = std::thread(WinMain);
    } catch (const std::system_error& error) {
        CantCreateWindow(error.what());
    }
    switch (WaitWhileState(STATE_DEAD, kDisplayPatience)) {
        case WaitEnd::CloseAsked:
            LeaveWindowThread();
            throw WindowClosed{};
        case WaitEnd::DisplaySilent:
            CantCreateWindow("The display did not answer within 5 s.");
        case WaitEnd::Left:
            break;
    }
    if (m.window.state.load() == STATE_ERROR) {
        JoinWindowThread();
        SetState(STATE_DEAD);
        CantCreateWindow(m.failure);
    }
    PrepareFonts();
    Time::SetWaitHook(ThrowIfClosedByPlayer);
}

void KillWindow() {
    Module& m = M();
    Time::SetWaitHook(nullptr);
    if (m.threadLeft) {
        return;
    }
    if (m.window.state.load() == STATE_ACTIVE) {
        {
            std::lock_guard lock(m.frontMutex);
            m.closeRequested = true;
        }
        m.wake.Notify();
        if (!AwaitWindowEnd()) {
            return;
        }
    }
    SetState(STATE_DEAD);
    JoinWindowThread();
    m.closedByPlayer.store(false);
}

void RequestClose() {
    gCloseAsked.store(true);
    Time::Wake();
}

bool WindowThreadLeft() {
    return M().threadLeft;
}

WinState State() {
    return M().window.state.load();
}

}  // namespace Wimdows
