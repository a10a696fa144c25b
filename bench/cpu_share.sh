#!/usr/bin/env bash
# The share of one core the real game uses while a play runs in real time, under Xvfb: Start is clicked,
# then utime + stime of the process are read from /proc over the given seconds (default 10).
# Usage: cpu_share.sh <Game> <data folder> [seconds]
set -euo pipefail
game=$1
data=$2
seconds=${3:-10}

source "$(dirname "$0")/../tests/e2e/e2e_lib.sh"
start_game
sleep 1
click_at 480 335
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
