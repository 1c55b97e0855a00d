#!/usr/bin/env bash
# Makes the README's pictures from the real program under Xvfb: docs/plane.png, docs/sphere.png and
# docs/torus.png, each the main window in Smooth mode with a good head of hair; then the torus drawn without
# a window by tresslow-sim at twice the view's size, docs/torus-890x910.png. `make screenshots` runs it.
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
