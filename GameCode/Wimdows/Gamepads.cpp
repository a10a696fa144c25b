// Gamepads through SDL's game-controller interface (its mapping database, SDL_GAMECONTROLLERCONFIG
// included): every pad's buttons and left stick press and release the keys they stand for, on the path the
// keyboard takes, so that recordings and replays see them as keys.
#include <bitset>
#include <map>

#include "WimdowsState.h"

namespace Wimdows::detail {

namespace {

// What a pad can hold; several may stand for one key (the D-pad and the stick both press the arrows).
enum Control : std::size_t {
    kDpadUp,
    kDpadDown,
    kDpadLeft,
    kDpadRight,
    kStickUp,
    kStickDown,
    kStickLeft,
    kStickRight,
    kButtonA,
    kButtonB,
    kButtonX,
    kStart,
    kBack,
    kLeftShoulder,
    kRightShoulder,
    kControls
};

std::uint32_t KeyOf(std::size_t control) {
    switch (control) {
        case kDpadUp:
        case kStickUp:
            return VK_UP;
        case kDpadDown:
        case kStickDown:
            return VK_DOWN;
        case kDpadLeft:
        case kStickLeft:
            return VK_LEFT;
        case kDpadRight:
        case kStickRight:
            return VK_RIGHT;
        case kButtonA:
            return VK_SPACE;
        case kButtonB:
        case kButtonX:
            return VK_B;
        case kStart:
            return VK_P;
        case kBack:
            return VK_GAMEPAD_VIEW;
        case kLeftShoulder:
            return VK_GAMEPAD_LEFT_SHOULDER;
        case kRightShoulder:
        default:
            return VK_GAMEPAD_RIGHT_SHOULDER;
    }
}

// The stick presses an arrow beyond half its travel and lets go inside the dead zone; between the two it
// keeps what it had, so a stick resting near the threshold does not flicker.
constexpr int kStickPress = 16384;
constexpr int kDeadZone = 8000;

struct Pad {
    SDL_GameController* controller = nullptr;
    std::bitset<kControls> held;
};

// Open pads by joystick instance id; window thread only. Never destroyed, as the module is not: a window
// thread that a close left behind may still be closing them while the program ends.
std::map<SDL_JoystickID, Pad>& Pads() {
    static auto* const pads = new std::map<SDL_JoystickID, Pad>;
    return *pads;
}

bool AnyPadHolds(std::uint32_t key) {
    for (const auto& [id, pad] : Pads()) {
        for (std::size_t control = 0; control < kControls; ++control) {
            if (pad.held[control] && KeyOf(control) == key) {
                return true;
            }
        }
    }
    return false;
}

// A key goes down with the first control that holds it and up with the last that lets go.
void Set(Pad& pad, Control control, bool down) {
    if (pad.held[control] == down) {
        return;
    }
    const std::uint32_t key = KeyOf(control);
    const bool wasHeld = AnyPadHolds(key);
    pad.held[control] = down;
    if (wasHeld != AnyPadHolds(key)) {
        Deliver(InputEvent{.kind = down ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp, .key = key});
    }
}

std::optional<Control> ControlOf(Uint8 button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
            return kDpadUp;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
            return kDpadDown;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            return kDpadLeft;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            return kDpadRight;
        case SDL_CONTROLLER_BUTTON_A:
            return kButtonA;
        case SDL_CONTROLLER_BUTTON_B:
            return kButtonB;
        case SDL_CONTROLLER_BUTTON_X:
            return kButtonX;
        case SDL_CONTROLLER_BUTTON_START:
            return kStart;
        case SDL_CONTROLLER_BUTTON_BACK:
            return kBack;
        case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
            return kLeftShoulder;
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
            return kRightShoulder;
        default:
            return std::nullopt;
    }
}

void MoveStick(Pad& pad, Control negative, Control positive, int value) {
    if (value <= -kStickPress || value >= kStickPress) {
        Set(pad, value < 0 ? positive : negative, false);
        Set(pad, value < 0 ? negative : positive, true);
    } else if (-kDeadZone < value && value < kDeadZone) {
        Set(pad, negative, false);
        Set(pad, positive, false);
    }
}

void Plug(int deviceIndex) {
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (controller == nullptr) {
        return;
    }
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    if (!Pads().try_emplace(id, Pad{.controller = controller, .held = {}}).second) {
        SDL_GameControllerClose(controller);  // announced twice: already open
    }
}

void Unplug(SDL_JoystickID id) {
    const auto found = Pads().find(id);
    if (found == Pads().end()) {
        return;
    }
    for (std::size_t control = 0; control < kControls; ++control) {
        Set(found->second, static_cast<Control>(control), false);
    }
    SDL_GameControllerClose(found->second.controller);
    Pads().erase(found);
}

}  // namespace

void OpenGamepads() {
    // Without the subsystem there are no pads; the keyboard still plays.
    SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void HandleGamepadEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            Plug(event.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            Unplug(event.cdevice.which);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP: {
            const auto pad = Pads().find(event.cbutton.which);
            const std::optional<Control> control = ControlOf(event.cbutton.button);
            if (pad != Pads().end() && control) {
                Set(pad->second, *control, event.type == SDL_CONTROLLERBUTTONDOWN);
            }
            break;
        }
        case SDL_CONTROLLERAXISMOTION: {
            const auto pad = Pads().find(event.caxis.which);
            if (pad == Pads().end()) {
                break;
            }
            if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) {
                MoveStick(pad->second, kStickLeft, kStickRight, event.caxis.value);
            } else if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
                MoveStick(pad->second, kStickUp, kStickDown, event.caxis.value);
            }
            break;
        }
        default:
            break;
    }
}

void CloseGamepads() {
    for (const auto& [id, pad] : Pads()) {
        SDL_GameControllerClose(pad.controller);
    }
    Pads().clear();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

}  // namespace Wimdows::detail
