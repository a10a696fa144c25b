#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks what went where, validates the desktop entry and the
# AppStream metainfo, and runs the installed game from an unrelated working directory: it must find its
# data beside itself (it enters that folder and opens its fonts there) and stay in the menu.
# Usage: install_check.sh <build folder>
set -euo pipefail
build=$1

work=$(mktemp -d)
game_pid=
cleanup() {
    if [[ -n $game_pid ]]; then kill "$game_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "install: $(cat "$work/install.log")"
data=$prefix/share/saltwing

for file in bin/saltwing share/saltwing/Bitmaps/Hemel.bmp share/saltwing/audio/Intro_Menu.mp3 \
    share/saltwing/fonts/DejaVuSansMono.ttf share/applications/saltwing.desktop \
    share/icons/hicolor/scalable/apps/saltwing.svg share/metainfo/io.github.saltwing.Saltwing.metainfo.xml \
    share/man/man6/saltwing.6 bin/saltwing-replay share/man/man6/saltwing-replay.6; do
    [[ -s $prefix/$file ]] || fail "$file was not installed"
done
[[ -x $prefix/bin/saltwing ]] || fail "bin/saltwing is not executable"

bash "$(dirname "$0")/icon_check.sh" "$prefix/share/icons/hicolor" || fail "the icons"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/saltwing.desktop" || fail "desktop-file-validate"
else
    echo "note: desktop-file-validate not found (Debian package desktop-file-utils), not validated"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/io.github.saltwing.Saltwing.metainfo.xml" ||
        fail "appstreamcli validate"
else
    echo "note: appstreamcli not found (Debian package appstream), not validated"
fi

mkdir "$work/elsewhere"
(cd "$work/elsewhere" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy exec "$prefix/bin/saltwing") \
    >"$work/game.log" 2>&1 &
game_pid=$!

# Up to five seconds for the game to enter its data folder and open a font from there.
found=
for _ in $(seq 50); do
    kill -0 "$game_pid" 2>/dev/null || break
    if [[ $(readlink "/proc/$game_pid/cwd") == "$data" ]] &&
        find "/proc/$game_pid/fd" -lname "$data/fonts/*" 2>/dev/null | grep -q .; then
        found=yes
        break
    fi
    sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null || fail "the installed game ended: $(cat "$work/game.log")"
[[ -n $found ]] || fail "the installed game did not use the data in $data: $(cat "$work/game.log")"
sleep 1
kill -0 "$game_pid" 2>/dev/null || fail "the installed game ended in its menu: $(cat "$work/game.log")"
kill -TERM "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=
if grep -q "no game data found" "$work/game.log"; then
    fail "the installed game did not find its data: $(cat "$work/game.log")"
fi
echo "installed into a temporary prefix; the game found its data in share/saltwing"
