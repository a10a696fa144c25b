// Keyboard and mouse: the key table, the key queue, the mouse record, and the one path that every input
// event takes, whether the window thread received it or a script delivers it.
#include <atomic>
#include <mutex>
#include <utility>

#include "WimdowsState.h"

namespace Wimdows {

namespace {

using namespace detail;

// Windows virtual-key codes from SDL key symbols (not scancodes): letters arrive lower-case, and Shift is
// a key of its own. 0 for keys the layer does not know.
std::uint32_t VirtualKey(SDL_Keycode sym) {
    if (sym >= SDLK_a && sym <= SDLK_z) {
        return 0x41 + static_cast<std::uint32_t>(sym - SDLK_a);
    }
    if (sym >= SDLK_0 && sym <= SDLK_9) {
        return 0x30 + static_cast<std::uint32_t>(sym - SDLK_0);
    }
    if (sym >= SDLK_F1 && sym <= SDLK_F12) {
        return 0x70 + static_cast<std::uint32_t>(sym - SDLK_F1);
    }
    switch (sym) {
        case SDLK_BACKSPACE:
            return 0x08;
        case SDLK_TAB:
            return 0x09;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return 0x0D;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT:
            return 0x10;
        case SDLK_LCTRL:
        case SDLK_RCTRL:
            return 0x11;
        case SDLK_LALT:
        case SDLK_RALT:
            return 0x12;
        case SDLK_PAUSE:
            return 0x13;
        case SDLK_ESCAPE:
            return VK_ESCAPE;
        case SDLK_SPACE:
            return VK_SPACE;
        case SDLK_PAGEUP:
            return 0x21;
        case SDLK_PAGEDOWN:
            return 0x22;
        case SDLK_END:
            return 0x23;
        case SDLK_HOME:
            return 0x24;
        case SDLK_LEFT:
            return VK_LEFT;
        case SDLK_UP:
            return VK_UP;
        case SDLK_RIGHT:
            return VK_RIGHT;
        case SDLK_DOWN:
            return VK_DOWN;
        case SDLK_INSERT:
            return 0x2D;
        case SDLK_DELETE:
            return 0x2E;
        default:
            return 0;
    }
}

// The mouse stays with the window while a button is held. Scripted input only records it: the SDL call
// belongs to the window thread.
void Capture(bool on) {
    M().mouse.captured.store(on);
    if (OnWindowThread()) {
        SDL_CaptureMouse(on ? SDL_TRUE : SDL_FALSE);
    }
}

// Set from the main thread, called from the window thread.
std::mutex gObserverMutex;
InputObserver gObserver;
std::atomic<bool> gWindowInputIgnored{false};

void Observe(const InputEvent& event) {
    std::lock_guard lock(gObserverMutex);
    if (gObserver) {
        gObserver(event);
    }
}

void AddKey(std::uint32_t k) {
    std::lock_guard lock(M().blockMutex);
    auto& queue = M().keybuf;
    if (queue.size() == kKeyQueueLength) {
        queue.pop_front();
    }
    queue.push_back(k);
}

}  // namespace

namespace detail {

std::optional<InputEvent> TranslateInput(const SDL_Event& event) {
    using Kind = InputEvent::Kind;
    switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const std::uint32_t k = VirtualKey(event.key.keysym.sym);
            if (k == 0) {
                return std::nullopt;
            }
            return InputEvent{.kind = event.type == SDL_KEYDOWN ? Kind::KeyDown : Kind::KeyUp, .key = k};
        }
        case SDL_MOUSEMOTION: {
            // Everything after this point, recordings included, sees game pixels.
            const fitting::Point at = GamePoint(event.motion.x, event.motion.y);
            return InputEvent{.kind = Kind::MouseMove, .x = at.x, .y = at.y};
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const bool down = event.type == SDL_MOUSEBUTTONDOWN;
            const fitting::Point at = GamePoint(event.button.x, event.button.y);
            InputEvent input{.x = at.x, .y = at.y};
            if (event.button.button == SDL_BUTTON_LEFT) {
                // The second press of a double click is a double-click message: no button flag, no capture.
                if (down && event.button.clicks % 2 == 0) {
                    return std::nullopt;
                }
                input.kind = down ? Kind::LeftDown : Kind::LeftUp;
            } else if (event.button.button == SDL_BUTTON_RIGHT) {
                input.kind = down ? Kind::RightDown : Kind::RightUp;
            } else {
                return std::nullopt;
            }
            return input;
        }
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST ||
                event.window.event == SDL_WINDOWEVENT_MINIMIZED) {
                return InputEvent{.kind = Kind::FocusLost};
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

void ResetInput() {
    Module& m = M();
    for (auto& k : m.key) {
        k.store(false);
    }
    {
        std::lock_guard lock(m.blockMutex);
        m.keybuf.clear();
        m.focusLost.store(false);
        m.mouse.x = 0;
        m.mouse.y = 0;
    }
    m.mouse.left.store(false);
    m.mouse.right.store(false);
    m.mouse.captured.store(false);
    m.mouse.leftUpProc.store(nullptr);
    m.keyPressProc.store(nullptr);
}

}  // namespace detail

void Deliver(const InputEvent& event) {
    using Kind = InputEvent::Kind;
    Module& m = M();
    if (m.window.state.load() != STATE_ACTIVE) {
        return;
    }
    Observe(event);
    if (gWindowInputIgnored.load() && OnWindowThread()) {
        return;
    }
    // Positions are words of the message: one pixel left of or above the window reads 65535.
    const std::int32_t x = event.x & 0xFFFF;
    const std::int32_t y = event.y & 0xFFFF;
    switch (event.kind) {
        case Kind::KeyDown: {
            const bool repeat = m.key[event.key & 0xFF].exchange(true);
            AddKey(event.key & 0xFF);
            if (const KeyPressProc proc = m.keyPressProc.load()) {
                proc(event.key & 0xFF, repeat);
            }
            break;
        }
        case Kind::KeyUp:
            m.key[event.key & 0xFF].store(false);
            break;
        case Kind::MouseMove: {
            std::lock_guard lock(m.blockMutex);
            m.mouse.x = x;
            m.mouse.y = y;
            break;
        }
        case Kind::LeftDown:
            m.mouse.left.store(true);
            if (!m.mouse.right.load()) {
                Capture(true);
            }
            break;
        case Kind::LeftUp:
            m.mouse.left.store(false);
            if (!m.mouse.right.load()) {
                Capture(false);
            }
            if (const MouseProc proc = m.mouse.leftUpProc.load()) {
                proc(x, y);
            }
            break;
        case Kind::RightDown:
            m.mouse.right.store(true);
            if (!m.mouse.left.load()) {
                Capture(true);
            }
            break;
        case Kind::RightUp:
            m.mouse.right.store(false);
            if (!m.mouse.left.load()) {
                Capture(false);
            }
            break;
        case Kind::FocusLost:
            m.focusLost.store(true);
            break;
    }
    Time::Wake();  // a menu waiting for input looks again
}

void Schedule(Time::VirtualClock& clock, Time::Instant when, const InputEvent& event) {
    clock.Schedule(when, [event] { Deliver(event); });
}

void SetInputObserver(InputObserver observer) {
    std::lock_guard lock(gObserverMutex);
    gObserver = std::move(observer);
}

void IgnoreWindowInput(bool ignored) {
    gWindowInputIgnored.store(ignored);
}

bool KeyDown(std::uint32_t k) {
    return k <= 255 && M().key[k].load();
}

void FlushKeys() {
    std::lock_guard lock(M().blockMutex);
    M().keybuf.clear();
    M().focusLost.store(false);
}

bool TakeFocusLoss() {
    return M().focusLost.exchange(false);
}

void MousePos(std::int32_t& x, std::int32_t& y) {
    std::lock_guard lock(M().blockMutex);
    x = M().mouse.x;
    y = M().mouse.y;
}

void OnMouseLeftUp(MouseProc proc) {
    M().mouse.leftUpProc.store(proc);
}

void OnKeyPress(KeyPressProc proc) {
    M().keyPressProc.store(proc);
}

}  // namespace Wimdows
