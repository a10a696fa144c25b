// The pending left click, recorded by a mouse release or a key on the highlighted button, and taken by a
// button on the main thread.
#include <mutex>
#include <optional>

#include "StandardMenu.h"
#include "StandardMenuDetail.h"
#include "Wimdows/Wimdows.h"

namespace StandardMenu {

namespace {

std::mutex gClickLock;
// The last left click that no button has taken yet.
std::optional<ClickRc> gLeftClick;

}  // namespace

// Runs on the thread that delivers a release of the left button (the window thread for the player's), and
// on the main thread when a key presses the highlighted button.
void detail::RegisterLeftClick(std::int32_t x, std::int32_t y) {
    const std::lock_guard lock(gClickLock);
    gLeftClick = ClickRc{.x = x, .y = y};
}

bool ButtonSelected(const ButtonRc& button) {
    if (!button.visible) {
        return false;
    }
    // Registered on every call: the window layer drops the callback when its window closes.
    Wimdows::OnMouseLeftUp(detail::RegisterLeftClick);
    const std::lock_guard lock(gClickLock);
    if (gLeftClick.has_value() && InButton(button, gLeftClick->x, gLeftClick->y)) {
        gLeftClick.reset();
        return true;
    }
    return false;
}

}  // namespace StandardMenu
