# A user with hair all around the torus (control polygons shown, "Hairs" at 20) picks "Save Hair Data":
# nothing is printed or written and the hair stays where it was. Then "Load Hair Data": the gold torus
# stays, but new hair stands on the flat square inside it, its control points gathered in the middle of
# the view, and no surface is tessellated for it.
source "$(dirname "$0")/lib.sh" "$@"

CONTROL_POINT="0 127 255 2"

start_tresslow
menu 3 4           # Model / Smooth
menu 1 3           # Under Lying Shape / Torus
click_drawn 805 183  # "Hairs" to 20
menu 3 1           # Model / Control Polygons
shot torus
read -r n left right top bottom _ <<<"$(colour_extent torus $CONTROL_POINT)"
at_most "$left" 20 "left edge of the control points around the torus"
at_least "$right" 424 "right edge of the control points around the torus"

menu 0 2  # File / Save Hair Data
shot saved
read -r n saved_left saved_right _ _ _ <<<"$(colour_extent saved $CONTROL_POINT)"
at_most "$saved_left" 20 "left edge of the control points after saving"
at_least "$saved_right" 424 "right edge of the control points after saving"
expect [ -z "$(ls -A "$WORK/files")" ]

menu 0 1  # File / Load Hair Data
shot loaded
read -r gold _ _ _ <<<"$(look_at_scene loaded)"
at_least "$gold" 15000 "gold pixels of the torus after loading"
read -r n left right top bottom _ <<<"$(colour_extent loaded $CONTROL_POINT)"
at_least "$n" 2000 "control point pixels of the loaded hair"
at_least "$left" 50 "left edge of the control points on the square"
at_most "$right" 395 "right edge of the control points on the square"
expect [ "$(grep -c . "$WORK/stdout")" = 2 ]  # "ttotal = 441" for the torus, again for its 400 strands
