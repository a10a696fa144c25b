// Wimdows: the one game window on a thread of its own, keyboard and mouse state, the back buffer, the
// bitmap table, and drawing of bitmaps, shapes and text. The only module of the game that sees SDL video.
#pragma once

#include <cstdint>
#include <functional>

#include "Time/Time.h"

namespace Wimdows {

// ---- Window --------------------------------------------------------------------------------------------

enum WinState : std::uint8_t { STATE_DEAD = 0, STATE_ACTIVE = 1, STATE_ERROR = 2 };

// Opens the window with a picture of x × y pixels, closing an open one first. The window opens at the
// largest whole multiple of the picture that fits the screen, can be resized and made fullscreen (F11,
// Alt+Enter), and always shows the whole picture; drawing and the mouse stay in picture pixels. A window
// that cannot be created prints "Can't create window." and the reason, and ends the program with status 1;
// so does a display that has not answered within 5 s. A close request while the window opens throws
// WindowClosed.
void Window(const char* title, std::uint32_t x, std::uint32_t y);
// Closes the window; returns once everything of it is released. After a close request it waits only a
// moment: a window thread stuck in a display that does not answer is left to end with the process.
void KillWindow();
// Whether a close request left the window thread behind, stuck in the display: it may still use the window
// layer's memory, so the program must then end without running its destructors.
bool WindowThreadLeft();
WinState State();
// Closes the window as the player's close from its title bar would, whenever there is one (now or the next
// to open). Safe to call from a signal handler: SIGTERM and SIGINT end the program the same way.
void RequestClose();

// Thrown out of a wait (Time::Delay, Time::WaitNextHundredth) on the main thread once the player has
// closed the window from its title bar; the program entry catches it and ends with status 0.
struct WindowClosed {};

// Shows over the window, until called with false, a plaque saying the play is paused and that P resumes it.
// It is laid over the picture when presenting, so the frames the game draws stay as they are.
void ShowPausePlaque(bool shown);

// ---- Keyboard, gamepads and mouse ----------------------------------------------------------------------

// Windows virtual-key codes the game polls.
inline constexpr std::uint32_t VK_TAB = 0x09;
inline constexpr std::uint32_t VK_RETURN = 0x0D;  // also keypad Enter
inline constexpr std::uint32_t VK_SHIFT = 0x10;
inline constexpr std::uint32_t VK_ESCAPE = 0x1B;
inline constexpr std::uint32_t VK_SPACE = 0x20;
inline constexpr std::uint32_t VK_LEFT = 0x25;
inline constexpr std::uint32_t VK_UP = 0x26;
inline constexpr std::uint32_t VK_RIGHT = 0x27;
inline constexpr std::uint32_t VK_DOWN = 0x28;
// Windows names no letter keys: each is its capital's character code.
inline constexpr std::uint32_t VK_B = 'B';
inline constexpr std::uint32_t VK_P = 'P';
// Pad buttons that stand for no key keep Windows' own gamepad codes.
inline constexpr std::uint32_t VK_GAMEPAD_RIGHT_SHOULDER = 0xC7;
inline constexpr std::uint32_t VK_GAMEPAD_LEFT_SHOULDER = 0xC8;
inline constexpr std::uint32_t VK_GAMEPAD_VIEW = 0xD0;  // Back

// Gamepads (SDL game controllers, any number, plugged in at any time) are keys to the game: the D-pad and
// the left stick press the arrows, A Space, B and X the B key, Start P; Back and the shoulders press the
// gamepad codes above. A key stays down while any pad holds it; an unplugged pad lets go of its keys.

bool KeyDown(std::uint32_t k);
// Empties the key queue (it keeps only the newest presses anyway) and forgets a focus loss not yet taken:
// every screen starts with both.
void FlushKeys();
// Whether the window lost the keyboard focus or was minimised since the last call or FlushKeys.
bool TakeFocusLoss();
void MousePos(std::int32_t& x, std::int32_t& y);
using MouseProc = void (*)(std::int32_t x, std::int32_t y);
// Registers the left-button-release callback; nullptr switches it off.
void OnMouseLeftUp(MouseProc proc);
// Registers the key-press callback, called on the delivering thread at every key press; `repeat` is set
// when the key was already down (auto-repeat). nullptr switches it off; a closing window drops it.
using KeyPressProc = void (*)(std::uint32_t key, bool repeat);
void OnKeyPress(KeyPressProc proc);

// One input message as the window thread receives it. Scripted input (tests, replays) is delivered
// through the same path with Deliver, or stamped with a time on a virtual clock with Schedule.
struct InputEvent {
    enum class Kind : std::uint8_t {
        KeyDown,
        KeyUp,
        MouseMove,
        LeftDown,
        LeftUp,
        RightDown,
        RightUp,
        FocusLost
    };
    Kind kind = Kind::MouseMove;
    std::uint32_t key = 0;  // virtual-key code of key events
    std::int32_t x = 0;     // picture pixels of mouse events, however large the window shows it
    std::int32_t y = 0;
};
void Deliver(const InputEvent& event);
void Schedule(Time::VirtualClock& clock, Time::Instant when, const InputEvent& event);
// Sees every event that reaches an open window, before it takes effect, on the thread that delivers it (the
// window thread for real input): a recorder of plays. It must not call SetInputObserver; nullptr removes it.
using InputObserver = std::function<void(const InputEvent& event)>;
void SetInputObserver(InputObserver observer);
// On: what the window itself receives (keys, mouse, pads, a lost focus) reaches the observer but not the
// game, while scripted input still does: a recording shown in a real window keeps to what was recorded.
void IgnoreWindowInput(bool ignored);

// ---- Bitmaps and the back buffer -----------------------------------------------------------------------

// Handles are 1, 2, 3, ... in load order for the life of the window; 0 means no bitmap. A file changed on
// disk is read again, and every handle of it at that size shows the new pixels. Throws WindowClosed after a
// close, as a wait does.
std::uint32_t LoadBitmap(const char* file, std::uint32_t width, std::uint32_t height);
// Says in one line why pictures could not be read since the last call: "Saltwing: cannot read the <what> in
// <folder>/Bitmaps: <reason>", the reason as the system gives it (strerror) for a file it cannot open. A
// run without a Bitmaps folder that has never read a picture (tests, replays) says nothing. True when it
// said something.
bool SayUnreadPictures(const char* what);
// Whether any picture has been read since the window opened.
bool PicturesRead();
void DrawBitmap(std::uint32_t bitmap, std::int32_t x, std::int32_t y);
// White in the mask copies the picture, black keeps the back buffer.
void DrawMaskBitmap(std::uint32_t bitmap, std::uint32_t maskbitmap, std::int32_t x, std::int32_t y);
void SetBuffering(bool state);
void UpdateWindow();

// ---- Shapes and text -----------------------------------------------------------------------------------

// Colours are laid out 0x00BBGGRR.
void ClearScreen();
void Rectangle(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, std::uint32_t color,
               bool fill);
void Ellipse(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, std::uint32_t color,
             bool fill);
void Disc(std::int32_t x0, std::int32_t y0, std::uint32_t radius, std::uint32_t color);
void Polygon(std::uint32_t n, const std::int32_t* x, const std::int32_t* y, std::uint32_t color, bool fill);
void ThickLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1, std::uint32_t color,
               std::uint32_t thickness);
// Font numbers 0 to 5; any other number is font 0.
void SetFont(std::uint32_t style, std::uint32_t color);
void Text(const char* text, std::int32_t x, std::int32_t y);
void TextInt(std::int32_t number, std::int32_t x, std::int32_t y);
void TextCard(std::uint32_t number, std::int32_t x, std::int32_t y);
void GetTextSize(const char* text, std::uint32_t style, std::uint32_t& width, std::uint32_t& height);

}  // namespace Wimdows
