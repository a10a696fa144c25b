#!/usr/bin/env bash
# The share of one core the real game uses while a play runs in real time, under Xvfb: Start is clicked,
# then utime + stime of the process are read from /proc over the given seconds (default 10). The screen
# (default 1280x1024, where the window opens at 1x) decides the window's size; "fullscreen" adds a window
# manager and presses F11 first.
# Usage: cpu_share.sh <Game> <data folder> [seconds] [screen WxH] [fullscreen]
set -euo pipefail
game=$1
data=$2
seconds=${3:-10}
screen=${4:-1280x1024}
fullscreen=${5:-}

source "$(dirname "$0")/../tests/e2e/e2e_lib.sh"
if [[ -n $fullscreen ]]; then
    start_window_manager
fi
start_game
sleep 1
if [[ -n $fullscreen ]]; then
    xdotool key --window "$window" F11
    sleep 1
fi
click_game 480 335
sleep 2  # the level's pictures, then the play

ticks() { awk '{ print $14 + $15 }' "/proc/$game_pid/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
start=$(date +%s.%N)
sleep "$seconds"
after=$(ticks)
end=$(date +%s.%N)
read -r _ _ w h < <(geometry)
awk -v t=$((after - before)) -v hz="$hz" -v s="$start" -v e="$end" -v size="${w}x$h" \
    'BEGIN { printf "playing in real time in a %s window: %.1f%% of one core over %.1f s\n", size, 100 * t / hz / (e - s), e - s }'
