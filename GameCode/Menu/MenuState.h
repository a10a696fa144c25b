// The menu module's own state, shared by its source files (and read by its tests).
#pragma once

#include <array>
#include <cstdint>

#include "Game/Screen/Screen.h"
#include "StandardMenu/StandardMenu.h"

namespace Menu {

struct MenuButtons {
    std::array<StandardMenu::ButtonRc, 8> Menu{};       // the main menu's buttons, positions 0 to 4
    std::array<StandardMenu::ButtonRc, 8> Operators{};  // the information pages' buttons, positions 0 and 1
};

struct MenuBitmaps {
    std::array<std::uint32_t, 8> BackGroundMenu{};  // the page pictures, positions 0 to 4
    MenuButtons Buttons;
};

extern MenuBitmaps Bitmaps;
// The position the main menu's last selection returned.
extern std::int32_t Select;

namespace detail {

inline constexpr std::int32_t kButtonWidth = 166;
inline constexpr std::int32_t kButtonHeight = 75;

}  // namespace detail

}  // namespace Menu
