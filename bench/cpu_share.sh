#!/usr/bin/env bash
# Shares of one core under Xvfb, each program on an X server of its own so that the servers' shares can be
# told apart. A play: Start is clicked and the play runs in real time, while beside it, over the same
# seconds, the floor program (floor_program, found beside the game) shows its 100 frames a second; both
# programs' shares, their X servers' shares and the ratios are printed. Run at the same time, both meet the
# same load from whatever else the machine is doing, so the ratios hold better than the shares.
# --menu measures the main menu left alone instead, with nothing moving, and no floor program. The screen
# (default 1280x1024, where the window opens at 1x) decides the game window's size; "fullscreen" adds a
# window manager and presses F11 first. Time on a CPU is read from /proc/<pid>/task/*/schedstat
# (nanoseconds, every thread).
# Usage: cpu_share.sh [--menu] <Game> <data folder> [seconds] [screen WxH] [fullscreen]
set -euo pipefail
mode=play
if [[ ${1:-} == --menu ]]; then
    mode=menu
    shift
fi
game=$1
data=$2
seconds=${3:-10}
screen=${4:-1280x1024}
fullscreen=${5:-}
floor=$(dirname "$game")/floor_program

source "$(dirname "$0")/../tests/e2e/e2e_lib.sh"
game_xvfb=$xvfb_pid
floor_pid=
floor_xvfb=
trap '[[ -n $floor_pid ]] && kill "$floor_pid" 2>/dev/null; cleanup' EXIT

if [[ -n $fullscreen ]]; then
    start_window_manager
fi
start_game
if [[ -n $fullscreen ]]; then
    sleep 1
    xdotool key --window "$window" F11
fi
if [[ $mode == play ]]; then
    [[ -x $floor ]] || fail "no floor program at $floor"
    start_xvfb floor
    floor_xvfb=$xvfb_pid
    DISPLAY=$xvfb_display "$floor" >"$work/floor.log" 2>&1 &
    floor_pid=$!
    sleep 1
    click_game 480 335
    sleep 2 # the level's pictures, then the play
else
    eventually menu_drawn || fail "the main menu did not appear"
    sleep 2 # the music starts, the first frames settle
fi

# Nanoseconds on a CPU of every thread of the given processes so far.
cpu_ns() {
    local total=0 pid task
    for pid in "$@"; do
        for task in /proc/"$pid"/task/*/schedstat; do
            total=$((total + $(cut -d' ' -f1 "$task" 2>/dev/null || echo 0)))
        done
    done
    echo "$total"
}
pids=("$game_pid" "$game_xvfb" ${floor_pid:+"$floor_pid" "$floor_xvfb"})
declare -A before
for pid in "${pids[@]}"; do before[$pid]=$(cpu_ns "$pid"); done
start=$(date +%s.%N)
sleep "$seconds"
declare -A used
for pid in "${pids[@]}"; do used[$pid]=$(($(cpu_ns "$pid") - before[$pid])); done
end=$(date +%s.%N)
kill -0 "$game_pid" 2>/dev/null || fail "the game ended during the measurement: $(cat "$work/game.log")"

floor_ns=
if [[ -n $floor_pid ]]; then
    kill -0 "$floor_pid" 2>/dev/null || fail "the floor program ended: $(cat "$work/floor.log")"
    floor_ns=${used[$floor_pid]}
fi
read -r _ _ w h < <(geometry)
awk -v mode="$mode" -v size="${w}x$h" -v s="$start" -v e="$end" -v g="${used[$game_pid]}" -v gx="${used[$game_xvfb]}" \
    -v f="$floor_ns" -v fx="${floor_xvfb:+${used[$floor_xvfb]}}" '
    function share(ns) { return 100 * ns / 1e9 / (e - s) }
    BEGIN {
        printf "%s in a %s window, shares of one core over %.1f s:\n", mode, size, e - s
        printf "game           %6.2f%%   its X server %6.2f%%\n", share(g), share(gx)
        if (f != "") {
            printf "floor program  %6.2f%%   its X server %6.2f%%\n", share(f), share(fx)
            printf "game / floor   %6.2f    with their X servers %.2f\n", g / f, (g + gx) / (f + fx)
        }
    }'
