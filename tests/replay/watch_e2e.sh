#!/usr/bin/env bash
# saltwing-replay watch in a real window under Xvfb: the recorded game shows up and plays at its own speed;
# the watcher's Escape ends the showing, not the recorded game, and the summary follows.
# Usage: watch_e2e.sh <saltwing-replay> <data folder>
set -euo pipefail
replay=$1
data=$2
source "$(dirname "$0")/../e2e/e2e_lib.sh"

# Start at once, then climb for a second; the recording goes on for a minute.
printf '1000 MouseMove 480 330\n1000 LeftDown 480 330\n1000 LeftUp 480 330\n1500 KeyDown 38 0\n' >"$work/w.rec"
printf '2500 KeyUp 38 0\n60000 End 0 0\n' >>"$work/w.rec"
(cd "$data" && exec "$replay" watch "$work/w.rec") >"$work/game.log" 2>&1 &
game_pid=$!
eventually xdotool search --name '^Game$' || fail "no window titled Game appeared: $(cat "$work/game.log")"
window=$(xdotool search --name '^Game$' | head -n1)
# The menu first, standing still until the recorded click; only a picture that differs from it and moves is
# the play (a window's first appearance also differs between two shots).
eventually menu_drawn || fail "the menu did not show: $(cat "$work/game.log")"
shot_until differs menu now || fail "the recorded play did not start"
eventually playing || fail "the recorded play did not show"
# Real speed: the play started a second in; within a few seconds of it the run is far from its end.
xdotool key --window "$window" Escape 2>/dev/null || true
expect_end_with_status_0 "Escape while watching"
grep -q '^screen Play (stopped)$' "$work/game.log" || fail "not stopped in the play: $(cat "$work/game.log")"
ms=$(awk '/^virtual-ms/ { print $2 }' "$work/game.log")
[[ $ms -lt 30000 ]] || fail "the watch ran $ms ms of the recording before Escape: not real speed"
echo "watch showed the play and stopped on Escape after $ms ms"
