#!/usr/bin/env bash
# The real program on Wayland alone: a compositor (weston) runs nested in a private X server, with its own
# runtime folder and socket, and the game starts with SDL_VIDEODRIVER=wayland and no DISPLAY. Its menu appears
# in the compositor's output, Down (sent to the compositor's window, which hands it on) lights START, Return
# starts a play, and SIGTERM ends the program with status 0. Started again, it ends with one line and status 1
# when the compositor quits under it.
# Usage: wayland_e2e.sh <Game> <data folder>
set -euo pipefail
game=$1
data=$2

command -v weston >/dev/null || {
    echo "no weston: the Wayland test needs it (scripts/deps installs it)"
    exit 77
}
source "$(dirname "$0")/e2e_lib.sh"
compositor_pid=
trap '[[ -n $compositor_pid ]] && kill "$compositor_pid" 2>/dev/null; cleanup' EXIT

runtime=$work/runtime
socket=saltwing-e2e
mkdir -m 700 "$runtime"
XDG_RUNTIME_DIR=$runtime weston --backend=x11-backend.so --socket="$socket" --no-config --idle-time=0 \
    --use-pixman --width=1280 --height=1024 >"$work/weston.log" 2>&1 &
compositor_pid=$!
eventually test -S "$runtime/$socket" || fail "weston did not start: $(cat "$work/weston.log")"

start_game_on_wayland() {
    (cd "$data" && exec env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" \
        SDL_VIDEODRIVER=wayland "$game") >"$work/game.log" 2>&1 &
    game_pid=$!
}
start_game_on_wayland

# The text colour of a button picture (its most frequent colour inside the mask's rounded corners).
text_colour() {
    convert "$data/Bitmaps/$1.bmp" -crop 120x45+23+15 +repage -format %c histogram:info: |
        sort -rn | awk 'NR == 1 { print $3 }'
}

# How many pixels of the compositor's output have the colour.
output_pixels() {
    import -window root "$work/output.png"
    convert "$work/output.png" -fill black +opaque "$1" -fill white -opaque "$1" -format '%[fx:int(mean*w*h)]' info:
}

# The compositor's output shows at least `least` pixels of the colour.
shows_colour() {
    [[ $(output_pixels "$1") -ge $2 ]]
}

# Two shots of the compositor's output a moment apart differ.
output_moves() {
    import -window root "$work/output_a.png"
    sleep 0.2
    import -window root "$work/output_b.png"
    [[ $(differing_pixels output_a output_b) -gt 0 ]]
}

# The pointer rests on weston's panel along the top, where no window goes, so that it lights no button.
xdotool mousemove 640 10
normal=$(text_colour Start)
lit=$(text_colour Start2)
eventually shows_colour "$normal" 500 || fail "the menu did not appear in weston's output: $(cat "$work/game.log")"
kill -0 "$game_pid" || fail "the game ended on Wayland: $(cat "$work/game.log")"
before=$(output_pixels "$lit")

# Keys go to the compositor's window on the X server (under the pointer); the compositor hands them to the
# game, which has the focus as the newest window.
press() {
    xdotool key "$1"
}
press Down
eventually shows_colour "$lit" $((before + 500)) || fail "Down did not light START on Wayland"
press Return
eventually output_moves || fail "Return on START did not start a play on Wayland"

kill -TERM "$game_pid"
expect_end_with_status_0 "SIGTERM on Wayland"

start_game_on_wayland
eventually shows_colour "$normal" 500 || fail "the menu did not appear again: $(cat "$work/game.log")"
kill "$compositor_pid"
compositor_pid=
eventually bash -c "! kill -0 $game_pid" || fail "the game went on after the compositor quit"
status=0
wait "$game_pid" || status=$?
game_pid=
[[ $status -eq 1 && $(wc -l <"$work/game.log") -eq 1 ]] ||
    fail "the compositor quit: status $status, said: $(cat "$work/game.log")"
echo "Wayland end-to-end: passed"
