#!/usr/bin/env bash
# The real program in a real X server, driven by the mouse: the menu appears, Start shows its hover picture
# under the pointer, Story and back work, Exit ends the program with status 0, and so does closing the
# window from its title bar.
# Usage: menu_e2e.sh <Game> <close-window helper> <data folder>
set -euo pipefail
game=$1
close_window=$2
data=$3

if [[ ! -d $data/Bitmaps || ! -d $data/audio ]]; then
    echo "no generated game data in $data"
    exit 77
fi

work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
    [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

# Waits up to five seconds for a command to succeed.
eventually() {
    for _ in $(seq 50); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# Xvfb picks a free display itself, so parallel runs cannot collide.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
eventually test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=:$(head -n1 "$work/display")
unset SDL_VIDEODRIVER WAYLAND_DISPLAY
export SDL_AUDIODRIVER=dummy

window=
start_game() {
    (cd "$data" && exec "$game") >"$work/game.log" 2>&1 &
    game_pid=$!
    eventually xdotool search --name '^Game$' || fail "no window titled Game appeared"
    window=$(xdotool search --name '^Game$' | head -n1)
}

# Waits for the game to end and checks its exit status.
expect_end_with_status_0() {
    eventually bash -c "! kill -0 $game_pid" || fail "the program did not end ($1)"
    local status=0
    wait "$game_pid" || status=$?
    game_pid=
    [[ $status -eq 0 ]] || fail "the program ended with status $status after $1: $(cat "$work/game.log")"
}

point_at() {
    xdotool mousemove --window "$window" "$1" "$2"
}

click_at() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
}

# Screenshot of the window, or of a part of it given as WxH+X+Y.
shot() {
    if [[ -n ${2:-} ]]; then
        import -window "$window" -crop "$2" +repage "$work/$1.png"
    else
        import -window "$window" "$work/$1.png"
    fi
}

differing_pixels() {
    compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true
}

# Takes shot <name> (of [area]) until it differs from, or equals, shot <reference>; at most five seconds.
shot_until() {
    local relation=$1 reference=$2 name=$3 area=${4:-}
    for _ in $(seq 25); do
        shot "$name" "$area"
        local differing
        differing=$(differing_pixels "$reference" "$name")
        if [[ $relation == differs && $differing -gt 0 || $relation == equals && $differing -eq 0 ]]; then
            return 0
        fi
        sleep 0.2
    done
    return 1
}

menu_drawn() {
    shot menu
    [[ $(convert "$work/menu.png" -format %k info:) -gt 1 ]]
}

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
