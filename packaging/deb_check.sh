#!/usr/bin/env bash
# Builds the Debian packages from a copy of the source folder as a fresh clone would (dpkg-buildpackage
# writes its packages beside the source folder), checks them with lintian, unpacks them into a temporary
# root and runs the game from there under Xvfb: --help, --version and an unknown option, then the menu from
# an unrelated working directory, with the data found beside the program. Last, debian/rules clean must
# leave the source folder as it was. Given a CMake tree already built from that source, the packages are made
# from its programs and data (debian/rules' SALTWING_BUILT_TREE) instead of compiling everything again.
# Usage: deb_check.sh <source folder> [<built tree>]
set -euo pipefail
source_dir=$(cd "$1" && pwd)

pkg=$(mktemp -d)
trap 'rm -rf "$pkg"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

for tool in dpkg-buildpackage dh lintian Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool not found (scripts/deps installs it)"; exit 77; }
done

mkdir "$pkg/src"
(cd "$source_dir" && git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$pkg/src")
(cd "$pkg/src" && find . | sort) >"$pkg/before"

echo "building the packages"
if (($# > 1)); then
    grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$source_dir" "$2/CMakeCache.txt" ||
        fail "$2 is not a build tree of $source_dir"
    # Up to date with the source first: what gets packaged is what this source builds.
    cmake --build "$2" --target playable saltwing-replay >"$pkg/tree.log" 2>&1 ||
        fail "building $2: $(tail -n 30 "$pkg/tree.log")"
    SALTWING_BUILT_TREE=$(cd "$2" && pwd)
    export SALTWING_BUILT_TREE
elif command -v ccache >/dev/null; then
    # debhelper gives the build a HOME of its own, where the compiler cache would start empty every time:
    # point it at the user's cache, with paths taken relative to this copy, so that a second run compiles
    # nothing anew.
    CCACHE_DIR=$(ccache --get-config cache_dir)
    export CCACHE_DIR CCACHE_BASEDIR=$pkg/src CCACHE_NOHASHDIR=true
fi
(cd "$pkg/src" && DEB_BUILD_OPTIONS="parallel=$(nproc)" dpkg-buildpackage -us -uc -b) >"$pkg/build.log" 2>&1 ||
    fail "dpkg-buildpackage: $(tail -n 30 "$pkg/build.log")"
version=$(cd "$pkg/src" && dpkg-parsechangelog -S Version)
changes=$pkg/saltwing_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).changes
[[ -f $changes ]] || fail "no $changes"

echo "lintian"
lintian --fail-on error,warning "$changes" >"$pkg/lintian.log" 2>&1 || fail "lintian: $(cat "$pkg/lintian.log")"

root=$pkg/root
for deb in "$pkg"/saltwing_"$version"_*.deb "$pkg"/saltwing-data_"$version"_all.deb; do
    dpkg-deb -x "$deb" "$root"
done
# What the dependency fonts-dejavu-core provides on an installed system: the fonts' links point there.
mkdir -p "$root/usr/share/fonts/truetype"
ln -s /usr/share/fonts/truetype/dejavu "$root/usr/share/fonts/truetype/dejavu"
bash "$source_dir/packaging/autopkgtest_check.sh" "$pkg/src" "$root" || fail "the autopkgtests"

saltwing=$root/usr/games/saltwing
[[ $("$saltwing" --version) == "saltwing $version" ]] || fail "--version: $("$saltwing" --version)"
"$saltwing" --help | grep -q "^usage: saltwing" || fail "--help printed no usage"
status=0
"$saltwing" --no-such-option >"$pkg/out" 2>"$pkg/err" || status=$?
[[ $status -eq 2 && ! -s $pkg/out && $(wc -l <"$pkg/err") -eq 1 ]] ||
    fail "an unknown option gave status $status, output '$(cat "$pkg/out")', errors '$(cat "$pkg/err")'"

(cd "$pkg/src" && debian/rules clean) >"$pkg/clean.log" 2>&1 || fail "debian/rules clean: $(cat "$pkg/clean.log")"
(cd "$pkg/src" && find . | sort) >"$pkg/after"
diff "$pkg/before" "$pkg/after" || fail "debian/rules clean left the source folder changed"

game=$saltwing
data=$root/usr/share/saltwing
start_in=$pkg
source "$source_dir/tests/e2e/e2e_lib.sh"
trap 'cleanup; rm -rf "$pkg"' EXIT

start_game
point_at 10 10
eventually menu_drawn || fail "the packaged game drew no menu"
[[ $(readlink "/proc/$game_pid/cwd") == "$data" ]] || fail "the packaged game did not enter $data"
click_at 480 695
expect_end_with_status_0 "Exit in the packaged game's menu"
echo "packages built, lintian clean, the packaged game shows its menu: $(cd "$pkg" && ls ./*.deb | tr '\n' ' ')"
