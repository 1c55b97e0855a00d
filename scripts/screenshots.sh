#!/usr/bin/env bash
# Makes the README's pictures from the real program under Xvfb: docs/plane.png, docs/sphere.png and
# docs/torus.png, each the main window in Smooth mode with a good head of hair; then the torus drawn without
# a window by tresslow-sim at twice the view's size, docs/torus-890x910.png; the torus exported as glTF
# and drawn by another program, view3dscene, docs/export-torus.png; and gnuplot's plot of what
# tresslow-sim --stats measures, docs/damping.png. `make screenshots` runs it.
# Usage: scripts/screenshots.sh BUILD_FOLDER
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath "${1:-$ROOT/build}")
source "$ROOT/scripts/drive-window.sh" "$BUILD/tresslow"

# Keeps the main window of a fresh screenshot as docs/NAME.png: 256 colours, no time stamps, so that the
# same program makes the same files.
keep() {
    shot "$1"
    convert "$WORK/$1.png" -crop "${WW}x${WH}+${WX}+${WY}" +repage -strip -colors 256 "PNG8:$ROOT/docs/$1.png"
    echo "docs/$1.png"
}

mkdir -p "$ROOT/docs"
start_tresslow
menu 3 4             # Model / Smooth
click_at 510 182     # "Hairs" at its lowest, 1, then up to 10 with the keyboard
for _ in $(seq 9); do key_drawn Right; done
menu 3 1             # Model / Control Polygons
keep plane
menu 3 1             # Control Polygons off again
click_drawn 805 183  # "Hairs" to 20
menu 1 2             # Under Lying Shape / Sphere
keep sphere
menu 1 3             # Under Lying Shape / Torus
keep torus
close_tresslow

"$BUILD/tresslow-sim" --shape torus --hairs 20 --smooth --size 890x910 \
    --png "$ROOT/docs/torus-890x910.png" >/dev/null
echo "docs/torus-890x910.png"

# The export inlined in a small X3D scene that sets the view's sky colour and turns the torus toward the
# camera; view3dscene draws it in the X server of drive-window.sh.
"$BUILD/tresslow-sim" --shape torus --hairs 20 --export "$WORK/torus.glb" >/dev/null
cat >"$WORK/torus.x3dv" <<'X3D'
#X3D V3.2 utf8
PROFILE Interchange
Background { skyColor 0.6 0.7 0.9 }
Viewpoint { position 0 0 700 }
Transform { rotation 1 0 0 -0.9 children Transform { rotation 0 0 1 0.5 children Inline { url "torus.glb" } } }
X3D
view3dscene "$WORK/torus.x3dv" --geometry 445x455 --screenshot 0 "$WORK/export.png"
convert "$WORK/export.png" -strip -colors 256 "PNG8:$ROOT/docs/export-torus.png"
echo "docs/export-torus.png"

# The kinetic energy of 400 strands on the sphere over 300 frames, at the lowest damping, a middle one and
# the highest.
for damping in 0.001 0.05 0.1; do
    "$BUILD/tresslow-sim" --shape sphere --hairs 20 --frames 300 --damping $damping \
        --stats "$WORK/damping-$damping.csv" >/dev/null
done
gnuplot <<EOF
set terminal pngcairo size 800,450 font "DejaVu Sans,11"
set output "$ROOT/docs/damping.png"
set title "Kinetic energy of 400 strands on the sphere (tresslow-sim --stats)"
set xlabel "frame"
set ylabel "kinetic energy (sum of m |v|^2 / 2)"
set logscale y
set format y "10^{%L}"
set grid
set datafile separator ","
plot for [d in "0.001 0.05 0.1"] "$WORK/damping-".d.".csv" using 1:2 skip 1 with lines linewidth 2 title "damping ".d
EOF
echo "docs/damping.png"
