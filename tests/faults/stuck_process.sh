#!/usr/bin/env bash
# The real program where it used to hang or die: it must show its menu and end with status 0 within a second
# of SIGTERM or a close, however it was started.
# Usage: stuck_process.sh <case> <Game> <data folder> <close-window helper> <silent sound server>
#   closed-descriptors   standard output and error closed, no sound device
#   closed-pipe          standard output into a pipe nobody reads, no sound device
#   silent-sound-server  a sound server that accepts and never answers: the menu within 3 s more than
#                        without sound, and a close ends the program while the sound start still hangs
#   crash-sigterm        SIGTERM during the crash sequence
#   crash-close          the window closed during the crash sequence
set -euo pipefail
case_name=$1
game=$2
data=$3
close_window=$4
silent_server=$5

source "$(dirname "$0")/../e2e/e2e_lib.sh"

server_pid=
trap 'if [[ -n $server_pid ]]; then kill "$server_pid" 2>/dev/null || true; fi; cleanup' EXIT

# Starts the game in the background with the given redirections (evaluated), remembering its id; its status
# lands in $work/status when it ends.
launch() {
    { (cd "$data" && eval "exec \"\$game\" $1") &
        echo $! >"$work/pid"
        status=0
        wait $! || status=$?
        echo "$status" >"$work/status"; } | true &
    eventually test -s "$work/pid" || fail "the program did not start"
    game_pid=$(cat "$work/pid")
    eventually xdotool search --name '^Game$' || fail "no window titled Game appeared"
    window=$(xdotool search --name '^Game$' | head -n1)
}

# The menu of a running program: a screenshot of a window that is gone would wait for ever.
menu_shown() {
    kill -0 "$game_pid" 2>/dev/null && menu_drawn
}

# Says how the program ended, if it has.
how_it_ended() {
    if [[ -s $work/status ]]; then echo "it ended with status $(cat "$work/status")"; fi
}

# Checks that the program ends within a second of what was done to it, with status 0.
ended_within_a_second() {
    for _ in $(seq 10); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$game_pid" 2>/dev/null; then
        kill -KILL "$game_pid"
        fail "the program was still running a second after $1"
    fi
    game_pid=
    eventually test -s "$work/status" || fail "no status after $1"
    [[ $(cat "$work/status") -eq 0 ]] || fail "status $(cat "$work/status") after $1: $(cat "$work/game.log" 2>/dev/null)"
}

# Starts the game; sets `took` to the milliseconds from its window's appearance to the drawn main menu.
took=
window_to_menu() {
    launch ">\"\$work/game.log\" 2>&1"
    local started
    started=$(date +%s%N)
    eventually menu_shown || fail "the main menu was not drawn; $(how_it_ended)"
    took=$((($(date +%s%N) - started) / 1000000))
}

standing_still() {
    shot still_a
    sleep 0.3
    shot still_b
    [[ $(differing_pixels still_a still_b) -eq 0 ]]
}

crash() {
    launch ">\"\$work/game.log\" 2>&1"
    point_at 10 10
    eventually menu_shown || fail "the main menu was not drawn; $(how_it_ended)"
    click_at 480 335
    sleep 1
    # A dive takes a second. The crash sequence that follows keeps the last frame for two seconds, then shows
    # its picture for five: once the screen stands still, two and a half more seconds are well inside the
    # picture's five.
    xdotool keydown --window "$window" Down
    sleep 1
    eventually standing_still || fail "the dive did not end in a crash; $(how_it_ended)"
    xdotool keyup --window "$window" Down
    sleep 2.5
}

case $case_name in
    closed-descriptors)
        export SDL_AUDIODRIVER=nonexistent
        launch ">&- 2>&-"
        eventually menu_shown || fail "the main menu was not drawn; $(how_it_ended)"
        kill -TERM "$game_pid"
        ended_within_a_second SIGTERM
        ;;
    closed-pipe)
        export SDL_AUDIODRIVER=nonexistent
        launch "2>\"\$work/game.log\""
        eventually menu_shown || fail "the main menu was not drawn; $(how_it_ended)"
        kill -INT "$game_pid"
        ended_within_a_second SIGINT
        ;;
    silent-sound-server)
        "$silent_server" "$work/pulse" &
        server_pid=$!
        eventually test -S "$work/pulse" || fail "the silent sound server did not start"
        # The time from the window to the menu depends on how busy the machine is: measure it without sound
        # first, then allow the two seconds the sound start may take, and one more for a busy machine.
        export SDL_AUDIODRIVER=dummy
        window_to_menu
        without=$took
        kill -TERM "$game_pid"
        ended_within_a_second SIGTERM
        rm -f "$work/pid" "$work/status"
        export SDL_AUDIODRIVER=pulseaudio PULSE_SERVER=unix:$work/pulse
        window_to_menu
        with=$took
        echo "window to menu: $without ms without sound, $with ms with a silent sound server"
        ((with <= without + 3000)) || fail "the main menu took $with ms ($without ms without sound)"
        # The sound device is still being opened: the end must not wait for it.
        "$close_window" "$window" || fail "could not send the close request"
        ended_within_a_second "the close"
        ;;
    crash-sigterm)
        crash
        kill -TERM "$game_pid"
        ended_within_a_second SIGTERM
        ;;
    crash-close)
        crash
        "$close_window" "$window" || fail "could not send the close request"
        ended_within_a_second "the close"
        ;;
    *)
        fail "unknown case $case_name"
        ;;
esac
echo "ok: $case_name"
