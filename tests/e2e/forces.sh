# Presses in the view step the hair a frame each, alike in every run: twelve leave it as in an untouched
# run, but after "Wind" is moved to 0.2, "Gravity" to -0.2 or "Damping" to 0.1, twelve more leave it
# elsewhere. Each run ends with a close request from the window manager, and the program with status 1.
source "$(dirname "$0")/lib.sh" "$@"

# Runs the program for screenshots NAME_12 and NAME_24 after 12 and 24 presses, with the slider point X Y
# (if given) clicked between them.
twice_twelve_frames() {
    start_tresslow
    for _ in $(seq 12); do click_drawn 400 450; done
    shot "$1_12"
    [ $# = 1 ] || click_at "$2" "$3"
    for _ in $(seq 12); do click_drawn 400 450; done
    shot "$1_24"
    close_tresslow
}

twice_twelve_frames untouched
for force in "wind 805 347" "gravity 510 292" "damping 805 397"; do
    read -r name x y <<<"$force"
    twice_twelve_frames "$name" "$x" "$y"
    check "$(count_changed untouched_12 ${name}_12) == 0" "$(count_changed untouched_24 ${name}_24) >= 100"
done
