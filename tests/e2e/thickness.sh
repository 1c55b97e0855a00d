# A user makes the hair thicker and thinner with "Thickness" in "Smooth" mode: at 5 the brown tube covers
# several times the pixels it covers at 1, at 0.5 about half of them.
source "$(dirname "$0")/lib.sh" "$@"

brown_pixels() {
    local brown
    shot "$1"
    read -r _ brown _ _ <<<"$(look_at_scene "$1")"
    echo "$brown"
}

start_tresslow
menu 3 4  # Model / Smooth
normal=$(brown_pixels thickness_1)
at_least "$normal" 50 "brown pixels of the strand at thickness 1"
click_drawn 805 232  # "Thickness" to 5
thick=$(brown_pixels thickness_5)
at_least "$thick" $((3 * normal)) "brown pixels of the strand at thickness 5"
click_drawn 510 232  # "Thickness" to 0.5
thin=$(brown_pixels thickness_half)
at_most $((4 * thin)) $((3 * normal)) "four times the brown pixels of the strand at thickness 0.5"
