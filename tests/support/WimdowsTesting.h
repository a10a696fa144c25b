// Test-only access to the window layer: what the back buffer holds, what the window shows, the bitmap
// table, the key queue, and a few ways to act as the player would. Not for the game's code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

#include "Wimdows/WimdowsFrames.h"

namespace Wimdows::testing {

// A back-buffer pixel as a colour 0x00BBGGRR; 0 outside the window or with no window open.
std::uint32_t BackPixel(std::int32_t x, std::int32_t y);
// A hash of the whole back buffer (0 with no window open).
std::uint64_t BackHash();

// How many rounds the window thread's loop has made so far (it makes one per wake-up).
std::uint64_t WindowThreadPasses();
// Holds the window thread at the start of its next round for as long as the lock is held, so that what the
// display sends meanwhile is handled in one batch, as on a busy machine.
std::unique_lock<std::mutex> HoldWindowThread();
// How many frames (whole or in part) have been handed to the window thread so far.
std::uint64_t FramesHandedOver();
// The frame the window shows, once presented: one pixel, its hash, or all of it row by row
// (colours 0x00BBGGRR). 0 or empty with no window open.
std::uint32_t PresentedPixel(std::int32_t x, std::int32_t y);
std::uint64_t PresentedHash();
std::vector<std::uint32_t> PresentedFrame();
// Whether the last frame handed over to the window thread is the back buffer, pixel for pixel (false with
// no window open).
bool HandedOverIsBack();
// Whether the window shows the pause plaque, once the window thread has caught up with the latest change.
bool PausePlaqueShown();

std::uint32_t BitLen();
// Whether two handles draw from the very same pixels (repeated loads of a file at one size do).
bool SharePixels(std::uint32_t a, std::uint32_t b);
// Distinct pictures held in memory, by the handles and the table of loaded files together.
std::size_t PicturesHeld();
std::size_t KeyQueueLength();
std::vector<std::uint32_t> KeyQueue();
bool Buffering();
bool MouseCaptured();
// The size of the picture the window shows, whatever the window's own size (0 with no window open).
std::uint32_t XLen();
std::uint32_t YLen();
// The X11 id of the window (0 on other video drivers), for xwininfo and screenshots.
std::uint64_t NativeWindowId();

// Sends an SDL key press or release (an SDL_Keycode such as SDLK_a) to the window thread and returns once
// it has been handled there, as a real key would be.
void SendSdlKey(std::int32_t sdlKeycode, bool down, bool repeat = false);
// Sends the window event of a lost keyboard focus, or of a minimised window, through the window thread.
void SendSdlFocusLoss(bool minimised);
// Takes back a RequestClose, so that later windows of the test stay open.
void ForgetCloseRequest();
// Sends an SDL mouse event through the window thread: button 0 is a move, 1 left, 3 right.
void SendSdlMouse(std::int32_t x, std::int32_t y, std::uint8_t button = 0, bool down = false,
                  std::uint8_t clicks = 1);
// A virtual gamepad (SDL's virtual joysticks) with the buttons and axes of SDL's game controller, numbered
// as there. Each call returns once the window thread has handled what it caused. PlugPad gives the pad's
// number for the others, or -1 with no window open.
enum class PadButton : std::uint8_t {
    A,
    B,
    X,
    Y,
    Back,
    Guide,
    Start,
    LeftStick,
    RightStick,
    LeftShoulder,
    RightShoulder,
    DpadUp,
    DpadDown,
    DpadLeft,
    DpadRight
};
enum class PadAxis : std::uint8_t { LeftX, LeftY };
std::int32_t PlugPad();
void PressPad(std::int32_t pad, PadButton button, bool down);
void MovePad(std::int32_t pad, PadAxis axis, std::int16_t value);
void UnplugPad(std::int32_t pad);
// The player's click on the title bar's close button; returns once the window is closed.
void CloseFromTitleBar();

// Writes a 24-bit BMP file of the given colours (0x00BBGGRR, row by row from the top).
bool SaveBitmapFile(const char* path, std::uint32_t width, std::uint32_t height,
                    const std::vector<std::uint32_t>& pixels);

}  // namespace Wimdows::testing
