// The selection loop of a menu.
#include <optional>
#include <vector>

#include "StandardMenu.h"
#include "StandardMenuDetail.h"
#include "Time/Time.h"
#include "Wimdows/Wimdows.h"

namespace StandardMenu {

namespace {

constexpr std::uint32_t kPollMilliseconds = 25;

}  // namespace

std::int32_t MenuSelection(std::span<const ButtonRc> menu) {
    detail::KeyNavigation keys;
    // The look each button was last drawn with; none yet, so the first pass draws them all. The callers
    // have drawn the page beneath, which nothing else changes while the loop runs.
    std::vector<std::optional<ButtonLook>> drawn(menu.size());
    for (;;) {
        keys.Take(menu);
        bool changed = false;
        for (std::size_t position = 0; position < menu.size(); ++position) {
            const ButtonLook look = LookOf(menu[position]);
            if (drawn[position] != look) {
                DrawButtonAs(menu[position], look);
                drawn[position] = look;
                changed = true;
            }
            if (ButtonSelected(menu[position])) {
                return static_cast<std::int32_t>(position);
            }
        }
        if (changed) {
            Wimdows::UpdateWindow();
        }
        // Nothing but input changes a button's look: with none, the loop sleeps until some arrives.
        Time::IdleDelay(kPollMilliseconds);
    }
}

}  // namespace StandardMenu
