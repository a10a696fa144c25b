// StandardMenu: bitmap buttons with hover pictures and masks, and the selection loop that polls clicks and
// lets the keyboard and pads move a highlight between the buttons.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace StandardMenu {

struct ButtonType {
    bool withMouseOver = false;  // the button has a hover picture
    bool withMask = false;       // its pictures are drawn through masks
};

// One button, kept by value in the callers' arrays.
struct ButtonRc {
    std::int32_t x0 = 0;
    std::int32_t y0 = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool visible = false;
    ButtonType type;
    std::array<std::uint32_t, 2> bitmap{};  // normal, hover
    std::array<std::uint32_t, 2> mask{};    // mask of normal, mask of hover
};

// A file name of at most 29 characters.
using BitmapName = const char*;

struct ButtonStrings {
    BitmapName normal = "";
    BitmapName mouseOver = "";
    BitmapName normalMask = "";
    BitmapName mouseOverMask = "";  // "=" at its start: the hover picture uses the normal mask
};

struct ClickRc {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const ClickRc&) const = default;
};

// A negative size is a programming error that ends the program.
ButtonRc CreateButtonX(std::int32_t w, std::int32_t h, ButtonType flags, const ButtonStrings& bitmaps);
ButtonRc CreateMaskedButton(std::int32_t w, std::int32_t h, BitmapName normal, BitmapName mouseOver,
                            BitmapName mask);
// yGap runs from one button's top edge to the next one's.
void SetVerticalMenu(std::int32_t x0, std::int32_t y0, std::int32_t yGap, std::span<ButtonRc> buttons);
// Strictly inside: the left column and top row are outside.
bool InButton(const ButtonRc& button, std::int32_t x, std::int32_t y);
// What a button shows: nothing when invisible, else its hover picture while the pointer (or a waiting menu's
// keyboard highlight) is over it and it has one, else its normal picture.
enum class ButtonLook : std::uint8_t { Hidden, Normal, Hover };
ButtonLook LookOf(const ButtonRc& button);
// Draws the picture of that look; nothing is erased first.
void DrawButtonAs(const ButtonRc& button, ButtonLook look);
// DrawButtonAs(button, LookOf(button)).
void DrawButton(const ButtonRc& button);
// Whether the pending click lies in this visible button; if so the click is taken.
bool ButtonSelected(const ButtonRc& button);
// Tests the buttons every 25 ms until one is clicked and returns its position. A button is drawn again, and
// the window presented, only when its look has changed: a menu left alone draws and presents nothing. The
// arrows and Tab / Shift+Tab move a highlight in reading order (nothing is highlighted before the first of
// them), Return and Space press the highlighted button, and moving the mouse gives the highlight back to the
// pointer. A key already held when the menu appears does nothing until it is pressed again.
std::int32_t MenuSelection(std::span<const ButtonRc> menu);

}  // namespace StandardMenu
