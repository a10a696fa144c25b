// The selection loop of a menu.
#include "StandardMenu.h"
#include "StandardMenuDetail.h"
#include "Time.h"
#include "Wimdows.h"

namespace StandardMenu {

namespace {

constexpr std::uint32_t kPollMilliseconds = 25;

}  // namespace

std::int32_t MenuSelection(std::span<const ButtonRc> menu) {
    detail::KeyNavigation keys;
    for (;;) {
        Wimdows::UpdateWindow();
        keys.Take(menu);
        for (std::size_t position = 0; position < menu.size(); ++position) {
            DrawButton(menu[position]);
            if (ButtonSelected(menu[position])) {
                return static_cast<std::int32_t>(position);
            }
        }
        Time::Delay(kPollMilliseconds);
    }
}

}  // namespace StandardMenu
