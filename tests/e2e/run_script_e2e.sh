#!/usr/bin/env bash
# README's command for playing, on a tree already built: scripts/run hands its arguments to the game and
# the game's exit status back, so --help prints the game's help and exits 0, and an unknown option fails
# as the game fails it.
# Usage: run_script_e2e.sh <source folder>
set -euo pipefail
run=$1/scripts/run

out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

"$run" --help >"$out" 2>"$err" || fail "scripts/run --help exited with $?: $(cat "$err")"
grep -q "^usage: saltwing" "$out" || fail "no usage line in: $(cat "$out")"
grep -q "^In a play:" "$out" && grep -q "F11" "$out" || fail "no controls in: $(cat "$out")"

status=0
"$run" --no-such-option >"$out" 2>"$err" || status=$?
[[ $status -eq 2 ]] || fail "an unknown option gave status $status"
grep -q "unknown option '--no-such-option'" "$err" || fail "the game did not get the option: $(cat "$err")"

echo "scripts/run end-to-end: passed"
