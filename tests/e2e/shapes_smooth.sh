# A user picks "Sphere", then "Torus", in "Smooth" mode with 400 strands: each growth prints
# "ttotal = 441"; the view shows the lit gold shape under brown hair; the sphere is one evenly lit ball,
# brightest on the same side as the torus.
source "$(dirname "$0")/lib.sh" "$@"

start_tresslow
menu 3 4          # Model / Smooth
menu 1 2          # Under Lying Shape / Sphere
printed "ttotal = 441"
shot sphere_one_hair
read -r gold brown sphere_lean patches <<<"$(look_at_scene sphere_one_hair)"
at_least "$gold" 12000 "gold pixels of the sphere"
at_most "$patches" 40 "brightness jumps inside the sphere"

click_at 805 183  # "Hairs" to 20: the sphere is rebuilt and 400 strands grow
expect [ "$(grep -c '^ttotal = 441$' "$WORK/stdout")" -ge 2 ]
shot sphere
read -r gold brown lean patches <<<"$(look_at_scene sphere)"
at_least "$gold" 10000 "gold pixels of the sphere under the hair"
at_least "$brown" 300 "brown hair pixels on the sphere"

menu 1 3          # Under Lying Shape / Torus
shot torus
read -r gold brown torus_lean patches <<<"$(look_at_scene torus)"
at_least "$gold" 20000 "gold pixels of the torus"
at_least "$brown" 300 "brown hair pixels on the torus"
# The light falls on both shapes from the same side.
[ $((sphere_lean * torus_lean)) -gt 0 ] || fail "brightest side: sphere $sphere_lean, torus $torus_lean"
