#!/usr/bin/env bash
# Runs the package's autopkgtests against an unpacked package root, as a test bed would against the
# installed packages, without installing anything on this machine.
# Usage: autopkgtest_check.sh <source folder> <unpacked root>
set -euo pipefail
source_dir=$1
root=$2

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for test in $(awk '/^Tests:/ { for (i = 2; i <= NF; i++) print $i }' "$source_dir/debian/tests/control"); do
    echo "autopkgtest $test"
    mkdir "$tmp/$test"
    AUTOPKGTEST_TMP=$tmp/$test SALTWING=$root/usr/games/saltwing "$source_dir/debian/tests/$test" ||
        { echo "FAIL: autopkgtest $test"; exit 1; }
done
