// What the module's source files share: the pending click and the keyboard's highlight.
#pragma once

#include <cstdint>
#include <span>

#include "StandardMenu.h"

namespace StandardMenu::detail {

// Records a left click for the buttons to take; a newer click replaces an older one (Clicks.cpp).
void RegisterLeftClick(std::int32_t x, std::int32_t y);

// The point buttons test for their hover picture: the highlighted button's centre while the keyboard leads,
// the mouse pointer otherwise (Keys.cpp).
ClickRc PointerPos();

// Keyboard and pad navigation of one menu while it waits for a choice (Keys.cpp). The arrows and Tab /
// Shift+Tab move a highlight through the visible buttons in reading order, Return and Space press the
// highlighted one by clicking its centre. Keys held when the menu appears do nothing until pressed again.
class KeyNavigation {
  public:
    KeyNavigation();
    ~KeyNavigation();
    KeyNavigation(const KeyNavigation&) = delete;
    KeyNavigation& operator=(const KeyNavigation&) = delete;

    // Applies the presses since the last call; a moved mouse takes the highlight away first.
    void Take(std::span<const ButtonRc> menu);

  private:
    void Step(std::span<const ButtonRc> menu, int direction);
};

}  // namespace StandardMenu::detail
