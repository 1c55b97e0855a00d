# tresslow-sim --png draws the picture that the window shows: one state drawn both ways, the plane in
# Wireframe with its control polygons and the sphere in Smooth with 400 strands, after the same commands,
# the same drags and presses in the view and the same number of draws since the hair last grew. Every pixel
# agrees within 2 levels per channel (the off-screen buffer and the window's visual may round a colour apart
# by a level), bar at most 0.5 % of them (edges that the two rasterise apart).
source "$(dirname "$0")/lib.sh" "$@"
SIM=$(dirname "$APP")/tresslow-sim

# Sets DIFFERENT, how many pixels of the view in screenshot NAME are more than 2 levels from those of the
# picture $WORK/NAME-sim.png in some channel, WORST, the largest difference, and PIXELS, how many there are.
compare_with_sim() {
    eval "$(paste -d ' ' <(pixels "$1") <(convert "$WORK/$1-sim.png" -depth 8 rgb:- | od -An -v -tu1 -w3) | awk '
        {
            apart = 0
            for (c = 1; c <= 3; c++) {
                d = $c - $(c + 3)
                if (d * d > apart * apart) apart = d < 0 ? -d : d
            }
            different += apart > 2
            if (apart > worst) worst = apart
        }
        END { printf "DIFFERENT=%d WORST=%d PIXELS=%d\n", different, worst, NR }')"
    check '$frames >= 1'
    echo "$1 after $frames draws: $DIFFERENT of $PIXELS pixels more than 2 levels apart, at most $WORST"
    check '$PIXELS == 445 * 455' '$DIFFERENT <= 0.005 * $PIXELS'
}

# Wind and gravity at 0: their signs flip every frame, and the window's frames before the last growth are
# not counted, so the hair must move the same either way. Turned 60 pixels right and 40 up, moved 30
# right and 20 down, one press with Zoom In.
start_tresslow
click_at 510 347  # "Wind" to 0
click_at 805 292  # "Gravity" to 0
menu 3 1          # Model / Control Polygons
menu 4 1          # View / Rotate
drag 100 300 160 260
menu 4 1          # Rotate off
menu 4 2          # View / Translate
drag 100 300 130 320
menu 4 2          # Translate off
menu 4 3          # View / Zoom In
click_drawn 400 450
view="--wind 0 --gravity 0 --hairs 20 --rotate 60,-40 --translate 30,20 --zoom-in 1"

await quiet_view || fail "the view is drawn on and on"
frames=$(draws_during xdotool mousemove --window "$WID" 805 183 click 1)  # "Hairs" to 20: new hair
look plane '$POINTS >= 2000' '$SEGMENTS >= 10' '$BLUE >= 100'
"$SIM" $view --control-polygons --frames "$frames" --png "$WORK/plane-sim.png" >/dev/null
compare_with_sim plane

menu 3 1  # Model / Control Polygons off
menu 3 4  # Model / Smooth
await quiet_view || fail "the view is drawn on and on"
open_menu 1 2  # Under Lying Shape / Sphere: new hair
frames=$(draws_during xdotool key Return)
look sphere '$GOLD >= 10000' '$BROWN >= 300'
"$SIM" $view --smooth --shape sphere --frames "$frames" --png "$WORK/sphere-sim.png" >/dev/null
compare_with_sim sphere
close_tresslow
