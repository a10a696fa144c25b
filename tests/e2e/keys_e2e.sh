#!/usr/bin/env bash
# The whole way through with the keyboard only, the pointer never moved: the arrows light a button and
# Return presses it. Main menu, Start, a dive into the sea, RETRY on the game-over screen, another dive, MENU,
# and EXIT ends the program with status 0.
# Usage: keys_e2e.sh <Game> <data folder>
set -euo pipefail
game=$1
data=$2

source "$(dirname "$0")/e2e_lib.sh"

start_button=166x75+400+300
exit_button=166x75+400+660
menu_button=166x75+635+660
retry_button=166x75+805+660

press() {
    xdotool key --window "$window" "$1"
}

# On a screen that stands still, the key lights the button in the area; false while the screen still moves
# or the key lights nothing there.
lights_up() {
    local key=$1 area=$2
    shot still_a "$area"
    sleep 0.2
    shot still_b "$area"
    [[ $(differing_pixels still_a still_b) -eq 0 ]] || return 1
    press "$key"
    shot_until differs still_a lit "$area"
}

# Keeps trying for up to fifteen seconds: the crash sequence stands still for seven.
eventually_lights_up() {
    for _ in $(seq 15); do
        lights_up "$1" "$2" && return 0
        sleep 0.3
    done
    return 1
}

playing() {
    shot frame_a
    sleep 0.2
    shot frame_b
    [[ $(differing_pixels frame_a frame_b) -gt 0 ]]
}

dive() {
    xdotool keydown --window "$window" Down
    sleep 2.5
    xdotool keyup --window "$window" Down
}

start_game
eventually menu_drawn || fail "the main menu was not drawn"

eventually_lights_up Down "$start_button" || fail "Down did not light START"
press Return
eventually playing || fail "Return on START did not start a play"

dive
eventually_lights_up Left "$retry_button" || fail "Left did not light RETRY on the game-over screen"
press Return
eventually playing || fail "Return on RETRY did not start a new play"

dive
eventually_lights_up Right "$menu_button" || fail "Right did not light MENU on the game-over screen"
press Return

eventually_lights_up Up "$exit_button" || fail "Up did not light EXIT in the main menu"
press Return
expect_end_with_status_0 "Return on EXIT"

echo "keys end-to-end: passed"
