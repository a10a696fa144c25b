#!/usr/bin/env bash
# The whole way through with the keyboard only, the pointer never moved: the arrows light a button and
# Return presses it. Main menu, Start, a dive into the sea, RETRY on the game-over screen, another dive, MENU,
# and EXIT ends the program with status 0.
# Usage: keys_e2e.sh <Game> <data folder>
set -euo pipefail
game=$1
data=$2

source "$(dirname "$0")/e2e_lib.sh"

# For a failure message: a key that cannot be sent means the window is gone, so say whether the program
# still runs or how it ended.
program_state() {
    if kill -0 "$game_pid" 2>/dev/null; then
        echo "the program is running"
    else
        echo "the program has ended: $(cat "$work/game.log")"
    fi
}

# Sends a key's press and release, or a key's press or release (`xdotool keydown` or `keyup`).
send() {
    xdotool "$1" --window "$window" "$2" || fail "$2 could not be sent to window $window; $(program_state)"
}

press() {
    send key "$1"
}

# Whether the window shows the button picture `name` with its top-left corner at x,y: its middle, inside
# the mask's rounded corners, against the generated file.
shows() {
    local name=$1 x=$2 y=$3
    shot part "120x45+$((x + 23))+$((y + 15))"
    convert "$data/Bitmaps/$name.bmp" -crop 120x45+23+15 +repage "$work/want.png"
    [[ $(compare -metric AE -fuzz 2% "$work/part.png" "$work/want.png" null: 2>&1 || true) -eq 0 ]]
}

# Waits up to twenty seconds (a crash sequence takes seven) for the button's normal picture, presses the key
# and checks that the button lights up.
key_lights() {
    local key=$1 normal=$2 lit=$3 x=$4 y=$5
    for _ in $(seq 100); do
        shows "$normal" "$x" "$y" && break
        sleep 0.2
    done
    shows "$normal" "$x" "$y" || return 1
    press "$key"
    eventually shows "$lit" "$x" "$y"
}

dive() {
    send keydown Down
    sleep 2.5
    send keyup Down
}

start_game
eventually menu_drawn || fail "the main menu was not drawn"

key_lights Down Start Start2 400 300 || fail "Down did not light START"
press Return
eventually playing || fail "Return on START did not start a play"

dive
key_lights Left retry retry2 805 660 || fail "Left did not light RETRY on the game-over screen"
press Return
eventually playing || fail "Return on RETRY did not start a new play"

dive
key_lights Right MenuGame MenuGame2 635 660 || fail "Right did not light MENU on the game-over screen"
press Return

key_lights Up Exit Exit2 400 660 || fail "Up did not light EXIT in the main menu"
# EXIT acts on the press, so the window may be gone before the release is sent: X then answers BadWindow.
# Whether the program ended is what counts, so neither half may fail the test on its own.
xdotool keydown --window "$window" Return 2>/dev/null || true
xdotool keyup --window "$window" Return 2>/dev/null || true
expect_end_with_status_0 "Return on EXIT"

echo "keys end-to-end: passed"
