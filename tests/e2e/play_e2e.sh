#!/usr/bin/env bash
# A play in the real program, driven by the keyboard: Start begins a play, the right arrow moves the
# aeroplane, B drops a bomb, a dive into the sea leads to the game-over screen, retry starts a new play, and
# Escape ends the program with status 0.
# Usage: play_e2e.sh <Game> <data folder>
set -euo pipefail
game=$1
data=$2

source "$(dirname "$0")/e2e_lib.sh"

# The sky between the dashboard and the boats: only the aeroplane, its bombs and clouds are there in the
# first seconds of a play (enemy aircraft come after five).
sky=1000x540+0+90
# The sky right of the aeroplane's start: it starts at x 100 in its level picture, 100 pixels wide, and only
# the arrows move it sideways, so nothing changes here while it falls.
ahead=800x540+200+90
retry_button=166x75+805+660

hold() {
    xdotool keydown --window "$window" "$1"
    sleep "$2"
    # The window may be gone by now: Escape closes it while the key is still held.
    xdotool keyup --window "$window" "$1" 2>/dev/null || true
}

# Pixels of the dark slate that the bomb is made of (the aeroplane's outline has it too, but a level
# aeroplane shows the same number wherever it is; the sky and the clouds have none).
slate_in_sky() {
    shot slate "$sky"
    convert "$work/slate.png" -fuzz 4% -fill black +opaque '#1B2531' -fill white -opaque '#1B2531' \
        -format '%[fx:round(mean*w*h)]' info:
}

bomb_in_sky() {
    (($(slate_in_sky) >= slate_before + 12))
}

# The game-over screen stands still, and its retry button lights up under the pointer.
retry_lights_up() {
    point_at 10 10
    sleep 0.2
    shot retry_normal "$retry_button"
    sleep 0.2
    shot retry_still "$retry_button"
    point_at 888 697
    sleep 0.2
    shot retry_hover "$retry_button"
    [[ $(differing_pixels retry_normal retry_still) -eq 0 && $(differing_pixels retry_normal retry_hover) -gt 0 ]]
}

start_game
point_at 10 10
eventually menu_drawn || fail "the main menu was not drawn"
click_at 480 335
sleep 1

shot before_right "$ahead"
hold Right 0.5
shot after_right "$ahead"
[[ $(differing_pixels before_right after_right) -gt 0 ]] || fail "the right arrow did not move the aeroplane"

# The game reads the keys once a frame: a press must outlast a frame, even on a busy machine.
slate_before=$(slate_in_sky)
hold b 0.15
eventually bomb_in_sky || fail "B dropped no bomb"

hold Down 2.5
game_over=no
for _ in $(seq 20); do
    if retry_lights_up; then
        game_over=yes
        break
    fi
    sleep 0.5
done
[[ $game_over == yes ]] || fail "the dive into the sea did not lead to the game-over screen"

click_at 888 697
eventually playing || fail "retry did not start a new play"

hold Escape 0.3
expect_end_with_status_0 "Escape"

echo "play end-to-end: passed"
