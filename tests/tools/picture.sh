#!/usr/bin/env bash
# tresslow-sim's pictures without an X server: their size and what the view maps onto it, the numbered
# pictures of a film, and the failures that leave no file behind (no OSMesa, a write cut short).
# Usage: picture.sh TRESSLOW_SIM
set -euo pipefail
SIM=$(realpath "$1")
WORK=$(mktemp -d) && trap 'rm -rf "$WORK"' EXIT
cd "$WORK"

fail() {
    echo "FAIL at ${0##*/} line ${BASH_LINENO[-2]}: $*" >&2
    exit 1
}
near() { awk "BEGIN { exit !($1 >= $2 - $3 && $1 <= $2 + $3) }"; }
# Runs tresslow-sim into $WORK/out and $WORK/err; sets STATUS.
sim() {
    STATUS=0
    "$SIM" "$@" >out 2>err || STATUS=$?
}
# Fails unless the last run ended with STATUS, printed nothing, said one line naming REASON on stderr, and
# left no file but those two.
expect_refusal() {
    [ "$STATUS" = "$1" ] || fail "status $STATUS, not $1: $(cat err)"
    [ ! -s out ] || fail "it printed: $(cat out)"
    [ "$(wc -l <err)" = 1 ] && grep -q "$2" err || fail "stderr does not say \"$2\": $(cat err)"
    [ "$(ls -A | grep -vx -e out -e err)" = "" ] || fail "files left: $(ls -A | paste -sd " ")"
}

# The plane's square, filled: its corners (+-100, 0, +-100) turned 30 degrees about z, then tilted 30
# about x, lie at x' = x cos 30 and y' = x sin 30 cos 30 - z sin 30 in view units: 173.2 units across and
# 186.6 high of the 400 that the view maps onto its width and onto its height. A larger picture scales the
# view as a larger window would, each axis by its own size. Rasterising covers pixel centres: +-2 pixels.
for size in 445x455 890x910 890x455; do
    sim --smooth --size "$size" --png square.png
    read -r width height <<<"${size/x/ }"
    [ "$(identify -format %wx%h square.png)" = "$size" ] || fail "a picture of $size is $(identify square.png)"
    read -r w h <<<"$(convert square.png -fuzz 1% -fill white +opaque 'rgb(0,0,255)' -trim -format '%w %h' info:)"
    near "$w" "173.2 * $width / 400" 2 || fail "the square is $w pixels wide in $size"
    near "$h" "186.6 * $height / 400" 2 || fail "the square is $h pixels high in $size"
done
rm square.png

# Every third of 7 frames is a numbered picture, and picture N is the picture after N frames; --png alone
# draws the first, as the window's first draw.
mkdir film
sim --hairs 4 --png-every 3 film --frames 7
[ "$(ls film | paste -sd ' ')" = "frame-000003.png frame-000006.png" ] || fail "the film holds: $(ls film)"
sim --hairs 4 --frames 6 --png sixth.png
cmp -s sixth.png film/frame-000006.png || fail "the film's picture 6 is not the picture after 6 frames"
sim --hairs 4 --png first.png
sim --hairs 4 --frames 1 --png one.png
cmp -s first.png one.png || fail "--png alone does not draw the first frame"
rm -r film ./*.png

# Without OSMesa (a library of that name is missing), or with the picture cut short by a file size limit,
# one line on stderr, and neither the picture, nor a temporary file, nor the dump that was to follow remains.
TRESSLOW_OSMESA=libOSMesa-missing.so.8 sim --png missing.png
expect_refusal 2 "libOSMesa-missing.so.8: cannot open"
STATUS=0
(trap '' XFSZ && ulimit -f 2 && exec "$SIM" --dump state.json --size 1000x1000 --smooth --png big.png) \
    >out 2>err || STATUS=$?
expect_refusal 1 "cannot write the picture \"big.png\": File too large"
