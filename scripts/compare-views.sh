#!/usr/bin/env bash
# Whether two builds draw the same pixels: runs the program of each build under Xvfb through the same
# steps (400 strands on each shape, in Wireframe and in Smooth, each view after the same frames) and prints
# for each view how many of its pixels differ between the two. A change that must not alter the picture
# prints 0 everywhere; BUILD_A against itself shows that the steps repeat to the pixel.
# Usage: scripts/compare-views.sh BUILD_A BUILD_B
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILDS=("$(realpath "$1")" "$(realpath "$2")")
source "$ROOT/scripts/drive-window.sh" "${BUILDS[0]}/tresslow"

# Five presses in the view, a frame each, then the screenshot PREFIX_shape_Mode of view "shape Mode".
frames_then_shot() {
    for _ in 1 2 3 4 5; do click_drawn 400 450; done
    shot "${PREFIX}_${1/ /_}"
}

# Runs the program of BUILD through the tour of the views, keeping their screenshots under PREFIX.
run_steps() {
    APP=$1/tresslow PREFIX=$2
    start_tresslow
    tour_views frames_then_shot
    close_tresslow
}

run_steps "${BUILDS[0]}" a
run_steps "${BUILDS[1]}" b
printf "%-18s %s\n" view "pixels that differ (of $((445 * 455)))"
for view in plane_Wireframe plane_Smooth sphere_Smooth sphere_Wireframe torus_Wireframe torus_Smooth; do
    printf "%-18s %s\n" "$view" "$(count_changed "a_$view" "b_$view")"
done
