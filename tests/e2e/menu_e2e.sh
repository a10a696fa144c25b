#!/usr/bin/env bash
# The real program in a real X server, driven by the mouse: the menu appears, Start shows its hover picture
# under the pointer, Story and back work, Exit ends the program with status 0, and so does closing the
# window from its title bar.
# Usage: menu_e2e.sh <Game> <close-window helper> <data folder>
set -euo pipefail
game=$1
close_window=$2
data=$3

source "$(dirname "$0")/e2e_lib.sh"

start_button=166x75+400+300

start_game
point_at 10 10
eventually menu_drawn || fail "the main menu was not drawn"
sleep 0.5
shot menu
shot start_normal "$start_button"

point_at 480 335
shot_until differs start_normal start_hover "$start_button" || fail "Start did not change under the pointer"
point_at 10 10
shot_until equals start_normal start_again "$start_button" || fail "Start kept its hover picture"

click_at 480 425
shot_until differs menu story || fail "Story did not open its page"
click_at 700 700
point_at 10 10
shot_until equals menu back || fail "previous did not lead back to the main menu"

click_at 480 695
expect_end_with_status_0 "Exit"

start_game
"$close_window" "$window" || fail "could not send the close request"
expect_end_with_status_0 "closing from the title bar"

echo "menu end-to-end: passed"
