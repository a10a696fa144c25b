// Keyboard and pad navigation of a menu: the highlight is one more way for a button to be under the
// pointer, and a press on it is a click at its centre, so hover drawing and clicks stay one mechanism.
#include <algorithm>
#include <bitset>
#include <deque>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#include "StandardMenuDetail.h"
#include "Wimdows/Wimdows.h"

namespace StandardMenu::detail {

namespace {

struct Press {
    std::uint32_t key = 0;
    bool shift = false;
};

// More presses than this between two passes of a menu are a key bouncing, not a player.
constexpr std::size_t kMostPending = 16;

std::mutex gKeysLock;
// Presses that reached the waiting menu, oldest first; filled on the window thread.
std::deque<Press> gPending;
// Keys already down when the menu appeared: their auto-repeats do nothing until a fresh press.
std::bitset<256> gHeldOver;
// The highlighted button; main thread only.
struct Highlight {
    std::size_t position = 0;  // in the menu
    ClickRc centre;
    ClickRc mouseAt;  // the pointer when the keyboard took over
};
std::optional<Highlight> gHighlight;

void RegisterPress(std::uint32_t key, bool repeat) {
    const std::lock_guard lock(gKeysLock);
    if (!repeat) {
        gHeldOver.reset(key);
    }
    if (!gHeldOver.test(key) && gPending.size() < kMostPending) {
        gPending.push_back({.key = key, .shift = Wimdows::KeyDown(Wimdows::VK_SHIFT)});
    }
}

std::deque<Press> TakePresses() {
    const std::lock_guard lock(gKeysLock);
    return std::exchange(gPending, {});
}

ClickRc MousePos() {
    ClickRc at;
    Wimdows::MousePos(at.x, at.y);
    return at;
}

ClickRc CentreOf(const ButtonRc& button) {
    return {.x = button.x0 + button.width / 2, .y = button.y0 + button.height / 2};
}

// The buttons a player can reach, top to bottom and left to right.
std::vector<std::size_t> ReadingOrder(std::span<const ButtonRc> menu) {
    std::vector<std::size_t> order;
    for (std::size_t position = 0; position < menu.size(); ++position) {
        const ButtonRc& button = menu[position];
        const ClickRc centre = CentreOf(button);
        if (button.visible && InButton(button, centre.x, centre.y)) {
            order.push_back(position);
        }
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::pair(menu[a].y0, menu[a].x0) < std::pair(menu[b].y0, menu[b].x0);
    });
    return order;
}

}  // namespace

ClickRc PointerPos() {
    return gHighlight ? gHighlight->centre : MousePos();
}

KeyNavigation::KeyNavigation() {
    {
        const std::lock_guard lock(gKeysLock);
        gPending.clear();
        for (std::uint32_t key = 0; key < gHeldOver.size(); ++key) {
            gHeldOver.set(key, Wimdows::KeyDown(key));
        }
    }
    Wimdows::OnKeyPress(RegisterPress);
}

KeyNavigation::~KeyNavigation() {
    Wimdows::OnKeyPress(nullptr);
    gHighlight.reset();
}

void KeyNavigation::Take(std::span<const ButtonRc> menu) {
    if (gHighlight && MousePos() != gHighlight->mouseAt) {
        gHighlight.reset();
    }
    for (const Press& press : TakePresses()) {
        switch (press.key) {
            case Wimdows::VK_TAB:
                Step(menu, press.shift ? -1 : 1);
                break;
            case Wimdows::VK_LEFT:
            case Wimdows::VK_UP:
                Step(menu, -1);
                break;
            case Wimdows::VK_RIGHT:
            case Wimdows::VK_DOWN:
                Step(menu, 1);
                break;
            case Wimdows::VK_RETURN:
            case Wimdows::VK_SPACE:
                if (gHighlight) {
                    RegisterLeftClick(gHighlight->centre.x, gHighlight->centre.y);
                }
                break;
            default:
                break;
        }
    }
}

// From no highlight, forward starts at the first button and backward at the last; both ends wrap around.
void KeyNavigation::Step(std::span<const ButtonRc> menu, int direction) {
    const std::vector<std::size_t> order = ReadingOrder(menu);
    if (order.empty()) {
        return;
    }
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    const auto current =
        std::find(order.begin(), order.end(), gHighlight ? gHighlight->position : menu.size());
    std::ptrdiff_t next = direction > 0 ? 0 : count - 1;
    if (current != order.end()) {
        next = (current - order.begin() + direction + count) % count;
    }
    const std::size_t position = order[static_cast<std::size_t>(next)];
    gHighlight = Highlight{.position = position, .centre = CentreOf(menu[position]), .mouseAt = MousePos()};
}

}  // namespace StandardMenu::detail
