# A user steps the hair twelve frames by pressing in the view twelve times: in an untouched program it
# ends up exactly the same every time, but after "Wind" is moved to 0.2, or "Gravity" to -0.2, or
# "Damping" to 0.1, the same twelve frames leave it somewhere else. (Wind and gravity flip their sign
# every frame, so each frame only shifts the hair a little; over twelve frames it shows.)
source "$(dirname "$0")/lib.sh" "$@"

# Runs the program, clicks the slider point X Y (if given), presses in the view twelve times and keeps
# the last screenshot as NAME.
twelve_frames() {
    local name=$1
    shift
    start_tresslow
    [ $# = 0 ] || click_at "$@"
    for _ in $(seq 12); do click_drawn 400 450; done
    shot "$name"
    close_tresslow
}

twelve_frames untouched
twelve_frames untouched_again
at_most "$(count_changed untouched untouched_again $VIEW)" 0 "pixels that differ between two untouched runs"

twelve_frames wind 805 347     # "Wind" to 0.2
at_least "$(count_changed untouched wind $VIEW)" 100 "pixels changed by the wind"
twelve_frames gravity 510 292  # "Gravity" to -0.2
at_least "$(count_changed untouched gravity $VIEW)" 100 "pixels changed by gravity"
twelve_frames damping 805 397  # "Damping" to 0.1
at_least "$(count_changed untouched damping $VIEW)" 100 "pixels changed by damping"
