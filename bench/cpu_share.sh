#!/usr/bin/env bash
# The share of one core the real game uses while a play runs in real time, under Xvfb: Start is clicked,
# then utime + stime of the process are read from /proc over the given seconds (default 10).
# Usage: cpu_share.sh <Game> <data folder> [seconds]
set -euo pipefail
game=$1
data=$2
seconds=${3:-10}

work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
    if [[ -n $game_pid ]]; then kill "$game_pid" 2>/dev/null || true; fi
    if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$work/display")
unset SDL_VIDEODRIVER WAYLAND_DISPLAY
export SDL_AUDIODRIVER=dummy

(cd "$data" && exec "$game") >"$work/game.log" 2>&1 &
game_pid=$!
window=$(xdotool search --sync --name '^Game$' | head -n1)
sleep 1
xdotool mousemove --window "$window" 480 335 click 1
sleep 2  # the level's pictures, then the play

ticks() { awk '{ print $14 + $15 }' "/proc/$game_pid/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
start=$(date +%s.%N)
sleep "$seconds"
after=$(ticks)
end=$(date +%s.%N)
awk -v t=$((after - before)) -v hz="$hz" -v s="$start" -v e="$end" \
    'BEGIN { printf "playing in real time: %.1f%% of one core over %.1f s\n", 100 * t / hz / (e - s), e - s }'
