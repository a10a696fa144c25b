#!/usr/bin/env bash
# The window on screens of other sizes, in the real program:
#   small       on 1024x600 the window opens wholly on the screen, a click on the scaled Start starts a
#               play, and resizes to 1x1 or 32767x32767 do not end it;
#   large       on 3840x2160 it opens at 2000x1500, pixel-exact, with the game's icon and the desktop
#               entry's class;
#   fullscreen  with a window manager, F11 and Alt+Enter toggle fullscreen and back to the same place, a
#               minimised window shows the menu again once restored, and a click on Start works in
#               fullscreen.
# Usage: screen_e2e.sh small|large|fullscreen <Game> <data folder> <desktop entry>
set -euo pipefail
mode=$1
game=$2
data=$3
desktop_entry=$4

case $mode in
    small) screen=1024x600 ;;
    large) screen=3840x2160 ;;
    fullscreen) screen=1920x1080 ;;
    *) echo "unknown mode $mode" && exit 2 ;;
esac
source "$(dirname "$0")/e2e_lib.sh"

wholly_on_screen() {
    local x y w h left right top bottom
    read -r x y w h < <(geometry)
    # Without a window manager there is no frame: the first line is then the zeros.
    read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ,
        echo 0 0 0 0)
    local sw=${screen%x*} sh=${screen#*x}
    ((x - left >= 0 && y - top >= 0 && x + w + right <= sw && y + h + bottom <= sh)) ||
        fail "the window at $x,$y ${w}x$h (frame $left $right $top $bottom) is not wholly on the $screen screen"
}

start_play() {
    click_game 480 335
    eventually playing || fail "a click on the scaled Start did not start a play ($1)"
}

fullscreen_key() {
    xdotool key --window "$window" "$1"
}

if [[ $mode == fullscreen ]]; then
    start_window_manager
fi
start_game
eventually menu_drawn || fail "the main menu was not drawn"
wholly_on_screen

case $mode in
    small)
        [[ $(geometry) == *" 800 600" ]] || fail "on $screen the window is $(geometry), not 800x600"
        start_play "on $screen"
        for size in "1 1" "32767 32767" "1100 700"; do
            xdotool windowsize "$window" $size
            sleep 0.5
            kill -0 "$game_pid" || fail "the game ended when its window was resized to $size"
        done
        eventually playing || fail "the play stopped showing after the resizes"
        ;;
    large)
        eventually geometry_is "920 330 2000 1500" || fail "on $screen the window is $(geometry), not 2000x1500"
        shot menu
        convert "$work/menu.png" -sample 1000x750 -sample 2000x1500 "$work/blocks.png"
        [[ $(differing_pixels menu blocks) -eq 0 ]] || fail "the 2x picture is not made of 2x2 blocks"
        class=$(sed -n 's/^StartupWMClass=//p' "$desktop_entry")
        [[ -n $class ]] || fail "the desktop entry names no StartupWMClass"
        # Read whole before matching: grep -q stops at the first match, and under pipefail the icon's long
        # listing would then fail on the closed pipe.
        wm_class=$(xprop -id "$window" WM_CLASS)
        [[ $wm_class == *"\"$class\", \"$class\""* ]] || fail "the window's class is not $class: $wm_class"
        icon=$(xprop -id "$window" _NET_WM_ICON)
        [[ $icon == *'Icon (64 x 64)'* ]] || fail "the window carries no icon"
        ;;
    fullscreen)
        windowed=$(geometry)
        for key in F11 alt+Return; do
            fullscreen_key "$key"
            eventually geometry_is "0 0 1920 1080" || fail "$key did not make the window fullscreen: $(geometry)"
            fullscreen_key "$key"
            eventually geometry_is "$windowed" || fail "$key did not bring back $windowed: $(geometry)"
        done
        xdotool windowminimize "$window"
        sleep 0.5
        kill -0 "$game_pid" || fail "the game ended when its window was minimised"
        xdotool windowactivate "$window"
        eventually menu_drawn || fail "the window showed nothing once restored"
        fullscreen_key F11
        eventually geometry_is "0 0 1920 1080" || fail "F11 did not make the window fullscreen again"
        start_play "in fullscreen"
        ;;
esac

echo "screen end-to-end ($mode): passed"
