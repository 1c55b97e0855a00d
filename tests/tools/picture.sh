#!/usr/bin/env bash
# tresslow-sim's pictures without an X server (usage: picture.sh TRESSLOW_SIM): their size and what the view
# maps onto it, the numbered pictures of a film, the failures that leave no file behind; and where its files
# go: a FIFO is written into and stays one, a symbolic link is followed and stays one, - is standard output, a
# full disk leaves the old file as it was. (Places that cannot be written: TresslowSimTest.)
set -euo pipefail
SIM=$(realpath "$1") WORK=$(mktemp -d) && cd "$WORK"
trap 'mountpoint -q full && umount full; cd / && rm -rf "$WORK"' EXIT
fail() { echo "FAIL at ${0##*/} line ${BASH_LINENO[0]}: $*" >&2; exit 1; }
is_picture() { [ "$(identify -format '%m %w %h' "$1" 2>/dev/null)" = "PNG 445 455" ]; }

# The plane's square, filled: its corners (+-100, 0, +-100) turned 30 degrees about z, then tilted 30 about
# x, lie at x' = x cos 30, y' = x sin 30 cos 30 - z sin 30: 173.2 units across and 186.6 high. The window's
# 445 x 455 view maps 400 units onto its width and height; a picture of W x H keeps those pixels per unit
# times s = min(W / 445, H / 455), showing more of the scene the longer way (890 x 455: s = 1, the square
# as in 445 x 455 amid twice the width). Zoom In scales it 1.2 times; with Rotate, 120 pixels right face it
# to the viewer (200 by 100), 40 down tilt it to 40 degrees (186.6 becomes 205.2); with Translate, 120 right
# and 80 up move it 30 units right, 20 up. Each case: size, options, the square's width, height and centre
# in view units, to +-2 pixels (rasterising covers pixel centres).
for case in "445x455||173.2 186.6 0 0" "890x910||173.2 186.6 0 0" "890x455||173.2 186.6 0 0" \
    "445x455|--zoom-in 1|207.8 223.9 0 0" "445x455|--rotate 120,0 --translate 120,-80|200 100 30 20" \
    "445x455|--rotate 0,40|173.2 205.2 0 0"; do
    IFS='|' read -r size options square <<<"$case"
    "$SIM" --smooth --size "$size" $options --png square.png
    read -r width height w h x y <<<"$(convert square.png -fuzz 1% -fill white +opaque 'rgb(0,0,255)' -trim \
        -format '%W %H %w %h %X %Y' info:)"
    read -r ew eh ex ey <<<"$square"
    [ "${width}x$height" = "$size" ] && awk "function near(v, e) { return (v - e) ^ 2 <= 4 } BEGIN {
        s = $width / 445 < $height / 455 ? $width / 445 : $height / 455; px = 445 / 400 * s; py = 455 / 400 * s
        exit !(near($w, $ew * px) && near($h, $eh * py) &&
            near($x + $w / 2, $width / 2 + $ex * px) && near($y + $h / 2, $height / 2 - $ey * py)) }" ||
        fail "$size $options: a picture of ${width}x$height, the square $w x $h at $x$y, not $square"
done

# The sphere, its one strand opened away (2 pixels thin), stays round in a long picture: 200 units across in
# both directions (the view's 445 x 455 pixels per 400 units differ by 2 %), within 3 %.
"$SIM" --shape sphere --smooth --size 800x200 --png ball.png >/dev/null
read -r w h <<<"$(convert ball.png -fuzz 3% -fill black -opaque 'rgb(153,178,229)' -fill white +opaque black \
    -morphology Open Disk:2 -trim -format '%w %h' info:)"
awk "BEGIN { exit !($w >= 0.97 * $h && $w <= 1.03 * $h && $h >= 95) }" || fail "the ball is $w x $h pixels in 800x200"

# Every third of 7 frames is a numbered picture (that picture N is --png's after N frames: resume_and_stats.py).
"$SIM" --hairs 4 --png-every 3 . --frames 7
[ "$(ls frame-* | paste -sd ' ')" = "frame-000003.png frame-000006.png" ] || fail "the film holds: $(ls frame-*)"
rm ./*.png

# Without OSMesa (a library of that name is missing), or with the picture cut short by a file size limit:
# one line on stderr, the status, and neither the picture, nor a temporary file, nor the dump that was to
# follow is left.
for case in "2|libOSMesa-missing.so.8: cannot open|TRESSLOW_OSMESA=libOSMesa-missing.so.8" \
    "1|cannot write the picture \"big.png\": File too large|ulimit -f 2 &&"; do
    IFS='|' read -r expected reason setup <<<"$case"
    status=0
    (trap '' XFSZ && eval "$setup exec \"\$SIM\" --dump state.json --size 1000x1000 --smooth --png big.png") \
        >out 2>err || status=$?
    [ "$status $(wc -l <err) $(ls -A | paste -sd ' ')" = "$expected 1 err out" ] && [ ! -s out ] &&
        grep -qF "$reason" err || fail "not $expected, \"$reason\": $status, $(cat err), files $(ls -A | paste -sd ' ')"
done

mkfifo fifo
cat fifo >from-fifo.png &
"$SIM" --png fifo && [ -p fifo ] || kill $!  # else the reader would wait for a writer for ever
wait $! || true
[ -p fifo ] && is_picture from-fifo.png || fail "the FIFO is no longer one or gave no whole picture"
echo old >real.png && ln -s real.png link.png && ln -s new.png dangling.png
"$SIM" --png link.png && "$SIM" --png dangling.png
[ -L link.png ] && [ -L dangling.png ] && is_picture real.png && is_picture new.png ||
    fail "a link is no longer one or the file it names holds no picture"
# The commands' lines go to stderr then, so that standard output carries the picture alone.
"$SIM" --shape sphere --png - >stdout.png 2>err
is_picture stdout.png && [ "$(cat err)" = "ttotal = 441" ] || fail "--png - wrote no picture alone: $(cat err)"

# A file system of 64 KiB holds no dump of 400 strands on the sphere.
mkdir full
mount -t tmpfs -o size=64k tmpfs full 2>/dev/null || { echo "skipped the full disk: cannot mount" && exit 0; }
echo old >full/dump.json
status=0 && "$SIM" --shape sphere --hairs 20 --frames 1 --dump full/dump.json >/dev/null 2>err || status=$?
[ "$status $(cat full/dump.json) $(ls full)" = "1 old dump.json" ] &&
    [ "$(cat err)" = 'tresslow-sim: cannot write the dump file "full/dump.json": No space left on device' ] ||
    fail "on a full disk: status $status, $(cat err), left $(ls full)"
