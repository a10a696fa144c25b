#!/usr/bin/env bash
# saltwing-replay as a user meets it: --help, malformed recordings through the real program (one line each,
# naming the file, status 1, nothing of the file echoed), output that cannot be written, and a record path
# that cannot be written, refused before any window opens.
# Usage: replay_tool.sh <saltwing-replay> <saltwing> <data folder>
set -euo pipefail
replay=$1
game=$2
data=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

"$replay" --help >"$work/help" || fail "--help gave status $?"
for word in record watch play render auto --hashes --samples --summary --every --stride --frames; do
    grep -q -- "$word" "$work/help" || fail "--help does not explain $word"
done
for broken in "$replay" "$game"; do
    status=0
    "$broken" --help >/dev/full 2>/dev/null || status=$?
    [[ $status -ne 0 ]] || fail "$(basename "$broken") --help >/dev/full gave status 0"
done

printf '' >"$work/empty.rec"
printf '# cut\n0 KeyDown 38 0\n' >"$work/cut.rec"
printf '900 KeyDown 38 0\n800 KeyUp 38 0\n1000 End 0 0\n' >"$work/backwards.rec"
printf '0 Teleport 1 2\n10 End 0 0\n' >"$work/unknown.rec"
printf '0 KeyDown 38 0\n999999999999 End 0 0\n' >"$work/absurd.rec"
printf '\033[2J\x7fELF\x02\x01\0\0\n' >"$work/binary.rec"
head -c 50000000 /dev/zero | tr '\0' '7' >"$work/huge.rec"
for name in empty cut backwards unknown absurd binary huge missing; do
    status=0
    "$replay" play "$work/$name.rec" >"$work/out" 2>"$work/err" || status=$?
    [[ $status -eq 1 ]] || fail "$name.rec gave status $status"
    [[ ! -s $work/out && $(wc -l <"$work/err") -eq 1 ]] || fail "$name.rec: '$(cat "$work/out" "$work/err")'"
    grep -q "$name.rec" "$work/err" || fail "$name.rec is not named: $(cat "$work/err")"
    LC_ALL=C grep -q '[^ -~]' "$work/err" && fail "$name.rec: unprintable bytes echoed"
done
grep -q "No such file" "$work/err" || fail "a missing file without the reason: $(cat "$work/err")"

if [[ ! -d $data/Bitmaps ]]; then
    echo "help and refusals hold; no game data, so record's early check was not tried"
    exit 0
fi
status=0
(cd "$data" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout 20 "$replay" record /proc/nope.rec) \
    >"$work/out" 2>"$work/err" || status=$?
[[ $status -eq 1 ]] || fail "record into /proc gave status $status (124: a game was started)"
grep -q "cannot write /proc/nope.rec" "$work/err" || fail "record into /proc: $(cat "$work/err")"
echo "help, refusals and record's early check hold"
