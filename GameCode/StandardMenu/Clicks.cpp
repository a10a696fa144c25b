// The pending left click, recorded on the window thread and taken by a button on the main thread.
#include <mutex>
#include <optional>

#include "StandardMenu.h"
#include "StandardMenuDetail.h"
#include "Wimdows.h"

namespace StandardMenu {

namespace {

std::mutex clickLock;
// The last left click that no button has taken yet.
std::optional<ClickRc> leftClick;

}  // namespace

// Runs on the window thread at every release of the left button, and for a key that presses the
// highlighted button.
void detail::RegisterLeftClick(std::int32_t x, std::int32_t y) {
    const std::lock_guard lock(clickLock);
    leftClick = ClickRc{.x = x, .y = y};
}

bool ButtonSelected(const ButtonRc& button) {
    if (!button.visible) {
        return false;
    }
    // Registered on every call: the window layer drops the callback when its window closes.
    Wimdows::OnMouseLeftUp(detail::RegisterLeftClick);
    const std::lock_guard lock(clickLock);
    if (leftClick.has_value() && InButton(button, leftClick->x, leftClick->y)) {
        leftClick.reset();
        return true;
    }
    return false;
}

}  // namespace StandardMenu
