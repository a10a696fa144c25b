# What the end-to-end tests share: their own X server, the game started from its data folder, the pointer and
# keys sent with xdotool, and screenshots compared with ImageMagick.
# Sourced by the tests after they have set `game` and `data` (and, for another screen than 1280x1024,
# `screen`; for another colour depth than 24, `depth`).

if [[ ! -d $data/Bitmaps || ! -d $data/audio ]]; then
    echo "no generated game data in $data"
    exit 77
fi

work=$(mktemp -d)
xvfb_pids=()
game_pid=
wm_pid=
cleanup() {
    if [[ -n $game_pid ]]; then kill "$game_pid" 2>/dev/null || true; fi
    if [[ -n $wm_pid ]]; then kill "$wm_pid" 2>/dev/null || true; fi
    for pid in "${xvfb_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
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

# Starts an X server (its screen WxH in `screen`, 1280x1024 by default, of `depth` bits, 24 by default) and
# sets xvfb_pid and xvfb_display.
# Xvfb picks a free display itself, so parallel runs cannot collide.
start_xvfb() {
    local name=$1
    Xvfb -displayfd 3 -screen 0 "${screen:-1280x1024}x${depth:-24}" -nolisten tcp 3>"$work/$name.display" \
        2>"$work/$name.log" &
    xvfb_pid=$!
    xvfb_pids+=("$xvfb_pid")
    eventually test -s "$work/$name.display" || fail "Xvfb did not start: $(cat "$work/$name.log")"
    xvfb_display=:$(head -n1 "$work/$name.display")
}

start_xvfb xvfb
export DISPLAY=$xvfb_display
unset SDL_VIDEODRIVER WAYLAND_DISPLAY
export SDL_AUDIODRIVER=dummy

# A light window manager: title bars, and fullscreen on request.
# On a loaded machine openbox has once failed to open a display that had just started: it gets three tries.
start_window_manager() {
    for _ in 1 2 3; do
        openbox --sm-disable >"$work/wm.log" 2>&1 &
        wm_pid=$!
        eventually bash -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" && return 0
        kill "$wm_pid" 2>/dev/null || true
    done
    fail "the window manager did not start: $(cat "$work/wm.log")"
}

# The game starts in its data folder, or in `start_in` if the test sets it.
window=
start_game() {
    (cd "${start_in:-$data}" && exec "$game") >"$work/game.log" 2>&1 &
    game_pid=$!
    eventually xdotool search --name '^Game$' || fail "no window titled Game appeared"
    window=$(xdotool search --name '^Game$' | head -n1)
}

# The client area on the screen: x y width height.
geometry() {
    xwininfo -id "$window" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }'
}

geometry_is() {
    [[ $(geometry) == "$1" ]]
}

# Clicks on a game pixel where the window shows it: the 1000x750 picture fitted, centred, 4:3.
click_game() {
    local w h
    read -r _ _ w h < <(geometry)
    click_at $(awk -v gx="$1" -v gy="$2" -v w="$w" -v h="$h" 'BEGIN {
        s = (w * 750 <= h * 1000) ? w / 1000 : h / 750
        printf "%d %d", int((w - int(1000 * s + 0.5)) / 2) + (gx + 0.5) * s,
                        int((h - int(750 * s + 0.5)) / 2) + (gy + 0.5) * s }')
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

# Two shots a moment apart differ: a play is running (menus and end screens stand still).
playing() {
    shot frame_a
    sleep 0.2
    shot frame_b
    [[ $(differing_pixels frame_a frame_b) -gt 0 ]]
}

menu_drawn() {
    shot menu
    [[ $(convert "$work/menu.png" -format %k info:) -gt 1 ]]
}

