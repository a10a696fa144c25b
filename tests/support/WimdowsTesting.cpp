// Test-only access to the window layer's state.
#include "WimdowsTesting.h"

#include <cstring>
#include <set>

#include "Wimdows/WimdowsFrames.h"
#include "Wimdows/WimdowsState.h"

namespace Wimdows::testing {

namespace {

using namespace detail;

// FNV-1a over the colours.
std::uint64_t HashOf(const std::vector<std::uint32_t>& frame) {
    if (frame.empty()) {
        return 0;
    }
    std::uint64_t hash = 14695981039346656037ull;
    for (const std::uint32_t color : frame) {
        for (int shift = 0; shift < 32; shift += 8) {
            hash = (hash ^ ((color >> shift) & 0xFFu)) * 1099511628211ull;
        }
    }
    return hash;
}

// Pushes an event for the window thread while it is there to take it, then waits until the thread has
// handled it.
void SendToWindowThread(SDL_Event event) {
    Module& m = M();
    std::uint64_t ticket = 0;
    {
        std::lock_guard lock(m.frontMutex);
        if (!m.front) {
            return;
        }
        SDL_PushEvent(&event);
        ticket = ++m.syncRequested;
    }
    m.wake.Notify();
    for (std::uint64_t done = m.syncDone.load(); done < ticket; done = m.syncDone.load()) {
        m.syncDone.wait(done);
    }
}

// Returns once the window thread has run a whole batch of events begun after this call.
void SyncWithWindowThread() {
    SDL_Event nothing{};
    nothing.type = SDL_USEREVENT;
    SendToWindowThread(nothing);
}

// A pad's number is its joystick instance id; the test holds the joystick open from PlugPad to UnplugPad.
SDL_Joystick* VirtualPad(std::int32_t pad) {
    return SDL_JoystickFromInstanceID(pad);
}

}  // namespace

std::uint32_t BackPixel(std::int32_t x, std::int32_t y) {
    std::lock_guard lock(M().drawMutex);
    return PixelOf(BackBuffer(), x, y);
}

std::uint64_t BackHash() {
    return HashOf(frames::BackFrame());
}

std::uint64_t WindowThreadPasses() {
    return M().windowThreadPasses.load();
}

std::unique_lock<std::mutex> HoldWindowThread() {
    return std::unique_lock(M().frontMutex);
}

std::uint64_t FramesHandedOver() {
    std::lock_guard lock(M().frontMutex);
    return M().submitted;
}

std::uint32_t PresentedPixel(std::int32_t x, std::int32_t y) {
    frames::WaitPresented();
    std::lock_guard lock(M().frontMutex);
    return PixelOf(M().front.get(), x, y);
}

bool PausePlaqueShown() {
    SyncWithWindowThread();
    return PausePlaquePresented();
}

std::uint64_t PresentedHash() {
    return HashOf(PresentedFrame());
}

std::vector<std::uint32_t> PresentedFrame() {
    frames::WaitPresented();
    std::lock_guard lock(M().frontMutex);
    return ColorsOf(M().front.get());
}

bool HandedOverIsBack() {
    Module& m = M();
    std::lock_guard lock(m.drawMutex);
    const SDL_Surface* back = BackBuffer();
    std::lock_guard frontLock(m.frontMutex);
    const SDL_Surface* front = m.front.get();
    if (back == nullptr || front == nullptr) {
        return false;
    }
    for (int y = 0; y < back->h; ++y) {
        if (std::memcmp(Row(back, y), Row(front, y), static_cast<std::size_t>(back->w) * 4) != 0) {
            return false;
        }
    }
    return true;
}

std::uint32_t BitLen() {
    std::lock_guard lock(M().drawMutex);
    return static_cast<std::uint32_t>(M().bit.size());
}

bool SharePixels(std::uint32_t a, std::uint32_t b) {
    std::lock_guard lock(M().drawMutex);
    const auto& bit = M().bit;
    return a >= 1 && b >= 1 && a <= bit.size() && b <= bit.size() && bit[a - 1].hbit == bit[b - 1].hbit;
}

std::size_t PicturesHeld() {
    std::lock_guard lock(M().drawMutex);
    std::set<SDL_Surface*> held;
    for (const BitStruct& entry : M().bit) {
        held.insert(entry.hbit.get());
    }
    for (const auto& [key, picture] : M().loaded) {
        held.insert(picture.pixels.get());
    }
    held.erase(nullptr);
    return held.size();
}

std::size_t KeyQueueLength() {
    std::lock_guard lock(M().blockMutex);
    return M().keybuf.size();
}

std::vector<std::uint32_t> KeyQueue() {
    std::lock_guard lock(M().blockMutex);
    return {M().keybuf.begin(), M().keybuf.end()};
}

bool Buffering() {
    std::lock_guard lock(M().drawMutex);
    return M().buffering;
}

bool MouseCaptured() {
    return M().mouse.captured.load();
}

std::uint32_t XLen() {
    std::lock_guard lock(M().drawMutex);
    return M().window.xlen;
}

std::uint32_t YLen() {
    std::lock_guard lock(M().drawMutex);
    return M().window.ylen;
}

std::uint64_t NativeWindowId() {
    return M().nativeWindowId.load();
}

void SendSdlKey(std::int32_t sdlKeycode, bool down, bool repeat) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = repeat ? 1 : 0;
    event.key.keysym.sym = sdlKeycode;
    SendToWindowThread(event);
}

void SendSdlFocusLoss(bool minimised) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = minimised ? SDL_WINDOWEVENT_MINIMIZED : SDL_WINDOWEVENT_FOCUS_LOST;
    SendToWindowThread(event);
}

void ForgetCloseRequest() {
    gCloseAsked.store(false);
}

void SendSdlMouse(std::int32_t x, std::int32_t y, std::uint8_t button, bool down, std::uint8_t clicks) {
    SDL_Event event{};
    if (button == 0) {
        event.type = SDL_MOUSEMOTION;
        event.motion.x = x;
        event.motion.y = y;
    } else {
        event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.button = button;
        event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.button.clicks = clicks;
        event.button.x = x;
        event.button.y = y;
    }
    SendToWindowThread(event);
}

std::int32_t PlugPad() {
    if (State() != STATE_ACTIVE) {
        return -1;
    }
    SyncWithWindowThread();  // the window thread has started the game controllers
    // SDL drops pad presses while no window of the program has the keyboard focus, and a headless window
    // never gets it.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "Virtual pad";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    SDL_Joystick* joystick = index < 0 ? nullptr : SDL_JoystickOpen(index);
    if (joystick == nullptr) {
        return -1;
    }
    const std::int32_t pad = SDL_JoystickInstanceID(joystick);
    SyncWithWindowThread();
    return pad;
}

void PressPad(std::int32_t pad, PadButton button, bool down) {
    if (SDL_Joystick* joystick = VirtualPad(pad)) {
        SDL_JoystickSetVirtualButton(joystick, static_cast<int>(button), down ? SDL_PRESSED : SDL_RELEASED);
        SyncWithWindowThread();
    }
}

void MovePad(std::int32_t pad, PadAxis axis, std::int16_t value) {
    if (SDL_Joystick* joystick = VirtualPad(pad)) {
        SDL_JoystickSetVirtualAxis(joystick, static_cast<int>(axis), value);
        SyncWithWindowThread();
    }
}

void UnplugPad(std::int32_t pad) {
    SDL_Joystick* joystick = VirtualPad(pad);
    if (joystick == nullptr) {
        return;
    }
    SDL_JoystickClose(joystick);
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
        if (SDL_JoystickGetDeviceInstanceID(index) == pad) {
            SDL_JoystickDetachVirtual(index);
        }
    }
    SyncWithWindowThread();
}

void CloseFromTitleBar() {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    SendToWindowThread(event);
    auto& state = M().window.state;
    for (WinState now = state.load(); now != STATE_DEAD; now = state.load()) {
        state.wait(now);
    }
}

bool SaveBitmapFile(const char* path, std::uint32_t width, std::uint32_t height,
                    const std::vector<std::uint32_t>& pixels) {
    if (pixels.size() < static_cast<std::size_t>(width) * height) {
        return false;
    }
    const SurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(
        0, static_cast<int>(width), static_cast<int>(height), 24, SDL_PIXELFORMAT_BGR24));
    if (!surface) {
        return false;
    }
    for (std::uint32_t y = 0; y < height; ++y) {
        auto* row = static_cast<Uint8*>(surface->pixels) + static_cast<std::ptrdiff_t>(y) * surface->pitch;
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint32_t color = pixels[static_cast<std::size_t>(y) * width + x];
            row[3 * x] = static_cast<Uint8>((color >> 16) & 0xFFu);
            row[3 * x + 1] = static_cast<Uint8>((color >> 8) & 0xFFu);
            row[3 * x + 2] = static_cast<Uint8>(color & 0xFFu);
        }
    }
    return SDL_SaveBMP(surface.get(), path) == 0;
}

}  // namespace Wimdows::testing
