#!/usr/bin/env bash
# saltwing-replay render: the same recording rendered twice gives the same PNG files, exactly the frames
# asked for, drawn with the game's pictures at the game's size.
# Usage: render_twice.sh <saltwing-replay> <data folder>
set -euo pipefail
replay=$1
data=$2
[[ -d $data/Bitmaps && -d $data/audio ]] || { echo "no generated game data in $data"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

# Start from the menu, then a second and a half of climbing and firing.
cat >"$work/short.rec" <<'REC'
# saltwing recording: ms kind key-or-x y
1000 MouseMove 480 330
1000 LeftDown 480 330
1000 LeftUp 480 330
1100 KeyDown 38 0
1100 KeyDown 32 0
2500 KeyUp 38 0
2500 KeyUp 32 0
2600 End 0 0
REC

for run in a b; do
    (cd "$data" && "$replay" render "$work/short.rec" "$work/$run" --frames 2,60-62) >"$work/$run.log" ||
        fail "render $run: $(cat "$work/$run.log")"
done
expected="frame-000002.png frame-000060.png frame-000061.png frame-000062.png"
[[ $(cd "$work/a" && echo *) == "$expected" ]] || fail "rendered $(cd "$work/a" && echo *), not $expected"
diff -r "$work/a" "$work/b" || fail "the second rendering differs from the first"
for file in "$work"/a/*.png; do
    [[ $(identify -format '%m %wx%h' "$file") == "PNG 1000x750" ]] || fail "$file: $(identify "$file")"
    # A frame with the game's pictures has far more than the few colours of shapes drawn without them.
    colours=$(identify -format '%k' "$file")
    ((colours > 200)) || fail "$file has only $colours colours"
done
echo "rendered twice, the same four PNG files"
