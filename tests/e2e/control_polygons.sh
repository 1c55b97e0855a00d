# A user turns on "Control Polygons": each strand's polygon appears in fading white-to-orange segments with
# blue points; turning it off removes them. "Control Polygon" only puts a check mark in the menu.
source "$(dirname "$0")/lib.sh" "$@"

start_tresslow
shot before
at_most "$(count_colour before $VIEW 0 127 255 2)" 0 "blue control points before the toggle"

menu 3 1  # Model / Control Polygons
shot shown
at_least "$(count_colour shown $VIEW 0 127 255 2)" 20 "blue control points"
at_least "$(count_colour shown $VIEW 254 240 215 40)" 10 "white-to-orange segment pixels"

menu 3 1
shot hidden
at_most "$(count_colour hidden $VIEW 0 127 255 2)" 0 "blue control points after the second toggle"

# The Model menu before and after "Control Polygon": only the check mark of that entry differs.
open_menu 3
read -r mx my mw mh <<<"$(menu_rectangle)"
shot unchecked
close_menu
menu 3 2  # Model / Control Polygon
open_menu 3
shot checked
close_menu
changed=$(count_changed unchecked checked "$mx" "$my" "$mw" "$mh")
at_least "$changed" 10 "menu pixels changed by the check mark"
at_most "$changed" 300 "menu pixels changed by the check mark"
shot after_check
at_most "$(count_colour after_check $VIEW 0 127 255 2)" 0 "blue control points after \"Control Polygon\""
