#!/usr/bin/env bash
# Checks the icons of a hicolor theme folder: a PNG of the named size in every size folder, with an alpha
# channel and soft edges, whole to its end chunk; and a well-formed scalable SVG.
# Usage: icon_check.sh <share/icons/hicolor>
set -euo pipefail
theme=$1
fail() {
    echo "FAIL: $*"
    exit 1
}

for size in 16 24 32 48 64 128 256 512; do
    png=$theme/${size}x${size}/apps/saltwing.png
    [[ -s $png ]] || fail "no $size px icon"
    # The signature, then IHDR: width and height as big-endian 32-bit numbers, bit depth, colour type.
    [[ $(od -An -tx1 -N8 "$png" | tr -d ' \n') == 89504e470d0a1a0a ]] || fail "$png is not a PNG"
    read -r width height depth type < <(od -An -tu1 -j16 -N10 "$png" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8, $9, $10 }')
    [[ $width -eq $size && $height -eq $size ]] || fail "$png is $width x $height"
    [[ $depth -eq 8 && $type -eq 6 ]] || fail "$png is not 8-bit RGBA (depth $depth, colour type $type)"
    [[ $(tail -c 8 "$png" | head -c 4) == IEND ]] || fail "$png is cut short"
    if command -v convert >/dev/null; then
        alphas=$(convert "$png" -alpha extract -format %k info:)
        [[ $alphas -gt 2 ]] || fail "$png has on/off transparency ($alphas alpha values)"
    fi
done

svg=$theme/scalable/apps/saltwing.svg
[[ -s $svg ]] || fail "no scalable icon"
grep -q '<svg[^>]*viewBox="0 0 256 256"' "$svg" || fail "$svg has no square view box"
if command -v xmllint >/dev/null; then
    xmllint --noout "$svg" || fail "$svg is not well-formed"
fi
echo "icons: 8 sizes and the scalable one"
