# A user looks at each shape as lines ("Wireframe") and filled ("Smooth"): the plane is a blue outline,
# then a blue square; the sphere and the torus are gold meshes that the background shows through, then
# lit gold solids, the sphere one evenly lit ball brightest on the same side as the torus. Each growth on
# a curved shape prints "ttotal = 441"; with "Hairs" at 20, 400 brown strands stand on each.
source "$(dirname "$0")/lib.sh" "$@"

BACKGROUND="153 178 229 2"

start_tresslow
menu 1 1  # Under Lying Shape / Plane
menu 3 3  # Model / Wireframe
shot plane_lines
at_least "$(count_colour plane_lines $VIEW 0 0 255 2)" 300 "blue pixels of the plane's outline"
at_most "$(count_colour plane_lines $VIEW 0 0 255 2)" 3000 "blue pixels of the plane's outline"
menu 3 4  # Model / Smooth
shot plane
at_least "$(count_colour plane $VIEW 0 0 255 2)" 15000 "blue pixels of the filled plane"

menu 1 2  # Under Lying Shape / Sphere
printed "ttotal = 441"
shot sphere
read -r gold _ sphere_lean patches <<<"$(look_at_scene sphere)"
at_least "$gold" 12000 "gold pixels of the sphere"
at_most "$patches" 40 "brightness jumps inside the sphere"
menu 3 3  # Model / Wireframe
shot sphere_lines
read -r gold _ _ _ <<<"$(look_at_scene sphere_lines)"
at_least "$gold" 1000 "gold pixels of the sphere's mesh"
seen_through=$(($(count_colour sphere_lines $VIEW $BACKGROUND) - $(count_colour sphere $VIEW $BACKGROUND)))
at_least "$seen_through" 15000 "background pixels seen through the sphere's mesh"

menu 1 3  # Under Lying Shape / Torus
expect [ "$(grep -c '^ttotal = 441$' "$WORK/stdout")" = 2 ]
shot torus_lines
read -r gold _ _ _ <<<"$(look_at_scene torus_lines)"
at_least "$gold" 2000 "gold pixels of the torus's mesh"
menu 3 4  # Model / Smooth
shot torus
read -r gold _ torus_lean _ <<<"$(look_at_scene torus)"
at_least "$gold" 20000 "gold pixels of the torus"
seen_through=$(($(count_colour torus_lines $VIEW $BACKGROUND) - $(count_colour torus $VIEW $BACKGROUND)))
at_least "$seen_through" 30000 "background pixels seen through the torus's mesh"
# The light falls on both shapes from the same side.
[ $((sphere_lean * torus_lean)) -gt 0 ] || fail "brightest side: sphere $sphere_lean, torus $torus_lean"

click_drawn 805 183  # "Hairs" to 20: the torus is rebuilt and 400 strands grow on it
expect [ "$(grep -c '^ttotal = 441$' "$WORK/stdout")" = 3 ]
shot torus_hair
read -r gold brown _ _ <<<"$(look_at_scene torus_hair)"
at_least "$gold" 20000 "gold pixels of the torus under the hair"
at_least "$brown" 300 "brown hair pixels on the torus"
menu 1 2  # Under Lying Shape / Sphere
shot sphere_hair
read -r gold brown _ _ <<<"$(look_at_scene sphere_hair)"
at_least "$gold" 10000 "gold pixels of the sphere under the hair"
at_least "$brown" 300 "brown hair pixels on the sphere"
