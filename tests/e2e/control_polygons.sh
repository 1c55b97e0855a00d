# A user turns on "Control Polygons": each strand's polygon appears in fading white-to-orange segments with
# blue points; turning it off removes them.
source "$(dirname "$0")/lib.sh" "$@"

start_tresslow
shot before
at_most "$(count_colour before $VIEW 0 127 255 2)" 0 "blue control points before the toggle"

menu 3 1  # Model / Control Polygons
click_at 440 480
shot shown
at_least "$(count_colour shown $VIEW 0 127 255 2)" 20 "blue control points"
at_least "$(count_colour shown $VIEW 254 240 215 40)" 10 "white-to-orange segment pixels"

menu 3 1
click_at 440 480
shot hidden
at_most "$(count_colour hidden $VIEW 0 127 255 2)" 0 "blue control points after the second toggle"
