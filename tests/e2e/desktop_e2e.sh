#!/usr/bin/env bash
# The window on desktops as players have them (openbox, whose frame adds a title bar and borders), in the
# real program:
#   laptop  on 1366x768 the window and its frame lie inside the work area at the largest 4:3 size that fits,
#           and a click on the scaled Start starts a play;
#   small   the same on 1024x600;
#   panel   the same on 1366x768 with a panel that reserves the bottom 40 rows;
#   shrink  during a play on 2560x1600 the screen changes size ten times in a burst and ends at 1024x768: the
#           window is fitted onto it and the play goes on;
#   fullscreen  in fullscreen on 2560x1600 the screen shrinks to 1024x768: the window follows it, and back
#           from fullscreen it lies inside the smaller screen;
#   deep    on a 30-bit (deep colour) screen the window opens, shows the menu and starts a play.
# Usage: desktop_e2e.sh laptop|small|panel|shrink|fullscreen|deep <Game> <data folder> <desktop_tool>
set -euo pipefail
mode=$1
game=$2
data=$3
tool=$4

case $mode in
    laptop | panel) screen=1366x768 ;;
    small) screen=1024x600 ;;
    shrink | fullscreen) screen=2560x1600 ;;
    deep) screen=1280x1024 depth=30 ;;
    *) echo "unknown mode $mode" && exit 2 ;;
esac
source "$(dirname "$0")/e2e_lib.sh"
panel_pid=
trap '[[ -n $panel_pid ]] && kill "$panel_pid" 2>/dev/null; cleanup' EXIT

# The first desktop's work area: x y width height.
work_area() {
    xprop -root _NET_WORKAREA | sed -n 's/.* = //p' | tr -d , | awk '{ print $1, $2, $3, $4 }'
}

work_area_is() {
    [[ $(work_area) == "$1" ]]
}

# The window with its frame lies inside the work area, its client area WxH (the size that fits: the largest
# whole multiple of the picture, or else the largest 4:3 box).
fits_work_area() {
    local x y w h left right top bottom ax ay aw ah
    read -r x y w h < <(geometry)
    read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ,)
    read -r ax ay aw ah < <(work_area)
    ((x - left >= ax && y - top >= ay && x + w + right <= ax + aw && y + h + bottom <= ay + ah)) &&
        [[ "${w}x$h" == "$1" ]]
}

where() {
    echo "window $(geometry), frame $(xprop -id "$window" _NET_FRAME_EXTENTS), work area $(work_area)"
}

start_play() {
    click_game 480 335
    eventually playing || fail "a click on the scaled Start did not start a play ($1)"
}

start_window_manager
# A window manager still starting up may miss a dock mapped at that moment: it is mapped anew then.
start_panel() {
    [[ -z $panel_pid ]] || kill "$panel_pid"
    "$tool" panel 40 &
    panel_pid=$!
    eventually work_area_is "0 0 1366 728"
}
if [[ $mode == panel ]]; then
    start_panel || start_panel || fail "the panel reserved no rows: $(work_area); $(cat "$work/wm.log")"
fi
start_game
eventually menu_drawn || fail "the main menu was not drawn"

case $mode in
    laptop | small | panel)
        # openbox's frame: 1 column each side, 20 rows above, 5 below
        case $mode in
            laptop) fitted=991x743 ;;
            small) fitted=767x575 ;;
            panel) fitted=937x703 ;;
        esac
        eventually fits_work_area "$fitted" || fail "on $screen, not $fitted: $(where)"
        start_play "on $screen"
        ;;
    shrink)
        eventually fits_work_area 2000x1500 || fail "on $screen, not 2x: $(where)"
        start_play "on $screen"
        "$tool" screen 1024x768 || fail "RandR did not take 1024x768"
        eventually work_area_is "0 0 1024 768" || fail "the work area did not follow the screen: $(work_area)"
        eventually fits_work_area 991x743 || fail "after the screen shrank, not 991x743: $(where)"
        # A burst of changes: the window ends inside the screen at whatever size still fitted at the end.
        for size in 2000x1500 800x600 1920x1080 2560x1600 1280x720 1600x900 1100x800 1024x600 1024x768; do
            "$tool" screen "$size" || fail "RandR did not take $size"
        done
        eventually work_area_is "0 0 1024 768" || fail "the work area did not follow the screen: $(work_area)"
        eventually fits_work_area "$(geometry | awk '{ print $3 "x" int($3 * 3 / 4 + 0.5) }')" ||
            fail "after a burst of screen changes: $(where)"
        kill -0 "$game_pid" || fail "the game ended when the screen changed: $(cat "$work/game.log")"
        eventually playing || fail "the play stopped showing after the screen changed"
        ;;
    fullscreen)
        xdotool key --window "$window" F11
        eventually geometry_is "0 0 2560 1600" || fail "F11 did not make the window fullscreen: $(geometry)"
        "$tool" screen 1024x768 || fail "RandR did not take 1024x768"
        eventually geometry_is "0 0 1024 768" || fail "fullscreen did not follow the screen: $(geometry)"
        xdotool key --window "$window" F11
        eventually fits_work_area 991x743 || fail "back from fullscreen on the smaller screen: $(where)"
        start_play "after the screen shrank in fullscreen"
        ;;
    deep)
        [[ $(xdpyinfo | sed -n 's/ *depth of root window: *//p') == "30 planes" ]] || fail "the screen is not 30-bit"
        eventually fits_work_area 1000x750 || fail "on a deep screen, not 1x: $(where)"
        start_play "on a 30-bit screen"
        ;;
esac
kill -TERM "$game_pid"
expect_end_with_status_0 "SIGTERM"
echo "desktop end-to-end ($mode): passed"
