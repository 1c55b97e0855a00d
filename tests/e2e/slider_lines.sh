# A user moves the "Length of Hair" and "Rest Angle" sliders and picks the styles: each change prints its
# line at once, one line per value passed.
source "$(dirname "$0")/lib.sh" "$@"

start_tresslow
click_drawn 600 83  # on the "Length of Hair" track
first=$(sed -n 's/^length = //p' "$WORK/stdout" | tail -1)
[ -n "$first" ] || fail "no length line after the click"
for _ in 1 2 3; do key_drawn Right; done
for v in $(seq "$first" $((first + 3))); do printed "length = $v"; done

click_drawn 560 128  # on the "Rest Angle" track
key_drawn Left
angle=$(sed -n 's/^restAngle = //p' "$WORK/stdout" | tail -1)
[ -n "$angle" ] || fail "no restAngle line"

menu 2 2  # Style / Combed
printed "style = COMBED"
menu 2 1  # Style / Messy
printed "style = MESSY"
expect [ "$(grep -c . "$WORK/stdout")" = $((4 + 2 + 2)) ]
