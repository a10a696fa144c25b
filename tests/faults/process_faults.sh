#!/usr/bin/env bash
# The program as a process where it cannot run: it must say why in one line and end with status 1, at once.
# Without its pictures it runs, says so in one line, and SIGTERM ends it with status 0.
# Usage: process_faults.sh no-display|no-display-bare|no-data|no-pictures <Game>
set -euo pipefail
case_name=$1
game=$2

expected_status=1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

case $case_name in
    no-display)
        # A data folder, so that the program gets as far as its window.
        # A login session has its runtime folder; without one the Wayland library adds lines of its own.
        mkdir -p "$work/data/Bitmaps" "$work/data/audio" "$work/run"
        chmod 700 "$work/run"
        cd "$work/data"
        run=(env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER XDG_RUNTIME_DIR="$work/run" SDL_AUDIODRIVER=dummy
            "$game")
        expected="Can't create window."
        ;;
    no-display-bare)
        # Nothing of a login session either: no display, no runtime folder.
        mkdir -p "$work/data/Bitmaps" "$work/data/audio"
        cd "$work/data"
        run=(env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER -u XDG_RUNTIME_DIR SDL_AUDIODRIVER=dummy "$game")
        expected="Can't create window."
        ;;
    no-pictures)
        mkdir -p "$work/data/Bitmaps" "$work/data/audio"
        cd "$work/data"
        run=(timeout --preserve-status -s TERM 2 env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$game")
        expected="cannot read the menu pictures in $work/data/Bitmaps"
        expected_status=0
        ;;
    no-data)
        # A copy of the program with nothing beside it, started from an empty folder.
        mkdir -p "$work/bin" "$work/empty"
        cp "$game" "$work/bin/Game"
        cd "$work/empty"
        run=(env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$work/bin/Game")
        expected="no game data found"
        ;;
    *)
        fail "unknown case $case_name"
        ;;
esac

status=0
timeout 20 "${run[@]}" >"$work/out.log" 2>&1 || status=$?
[[ $status -ne 124 ]] || fail "the program did not end within 20 s"
[[ $status -eq $expected_status ]] || fail "status $status instead of $expected_status: $(cat "$work/out.log")"
lines=$(wc -l <"$work/out.log")
[[ $lines -eq 1 ]] || fail "$lines lines instead of one: $(cat "$work/out.log")"
grep -qF "$expected" "$work/out.log" || fail "no \"$expected\" in: $(cat "$work/out.log")"
echo "ok: $(cat "$work/out.log")"
