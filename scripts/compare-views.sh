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

VIEWS=(plane_Wireframe plane_Smooth sphere_Smooth sphere_Wireframe torus_Wireframe torus_Smooth)

# Five presses in the view, a frame each, then screenshot NAME.
frames_then_shot() {
    for _ in 1 2 3 4 5; do click_drawn 400 450; done
    shot "$1"
}

# Runs the program of BUILD through the steps, keeping the screenshots as PREFIX_VIEW.
run_steps() {
    APP=$1/tresslow
    start_tresslow
    click_drawn 805 183  # "Hairs" to 20
    frames_then_shot "$2_plane_Wireframe"
    menu 3 4  # Model / Smooth
    frames_then_shot "$2_plane_Smooth"
    menu 1 2  # Under Lying Shape / Sphere
    frames_then_shot "$2_sphere_Smooth"
    menu 3 3  # Model / Wireframe
    frames_then_shot "$2_sphere_Wireframe"
    menu 1 3  # Under Lying Shape / Torus
    frames_then_shot "$2_torus_Wireframe"
    menu 3 4  # Model / Smooth
    frames_then_shot "$2_torus_Smooth"
    close_tresslow
}

run_steps "${BUILDS[0]}" a
run_steps "${BUILDS[1]}" b
printf "%-18s %s\n" view "pixels that differ (of $((445 * 455)))"
for view in "${VIEWS[@]}"; do printf "%-18s %s\n" "$view" "$(count_changed "a_$view" "b_$view")"; done
