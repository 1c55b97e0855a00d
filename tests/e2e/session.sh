# One user's session in the real window, from the start to a window manager's close: what each menu entry,
# slider, key, press and drag shows, prints and costs.
source "$(dirname "$0")/look.sh" "$@"

# The 822 x 500 window shows the light-blue view with the plane as a blue outline, and prints nothing.
start_tresslow
look start '$WW == 822 && $WH == 500' '$BACKGROUND >= 150000' 'near($BLUE, 1650, 1350)' "$(lines) == 0"
# A desktop knows the window: its class is the desktop entry's StartupWMClass, and it carries its icon.
class=$(sed -n 's/^StartupWMClass=//p' "$(dirname "$0")/../../data/tresslow.desktop")
[ "$(xprop -id "$WID" WM_CLASS)" = "WM_CLASS(STRING) = \"$class\", \"Tresslow\"" ] || fail "$(xprop -id "$WID" WM_CLASS)"
# The icon property holds width, height and the pixels of each size: 48 x 48, then 256 x 256.
icon=$(xprop -id "$WID" -notype -f _NET_WM_ICON 32c _NET_WM_ICON | cut -d, -f1,2,2307,2308)
[ "$icon" = "_NET_WM_ICON = 48, 48, 256, 256" ] || fail "the window's icons: $icon"

# "Control Polygons" shows white-to-orange segments between blue points, as tresslow-sim draws them after
# the same commands and as many draws since the hair grew (wind and gravity at 0: their signs flip every
# frame, from before the growth too); picked again it hides them. "Control Polygon" shows nothing.
click_at 510 347  # "Wind" to 0
click_at 805 292  # "Gravity" to 0
SIM_OPTIONS="--wind 0 --gravity 0 --hairs 20"
menu 3 1  # Model / Control Polygons
compare_with_sim polygons --control-polygons "xdotool mousemove --window $WID 805 183 click 1"  # "Hairs" to 20
look polygons '$POINTS >= 2000' '$SEGMENTS >= 10'
menu 3 1
menu 3 2  # Model / Control Polygon
look no_polygons '$POINTS == 0' '$SEGMENTS == 0'

# Filled, the sphere (as tresslow-sim draws it) and the torus are lit gold under 400 brown strands lit alike
# wherever they run: about as many messy hair pixels are near-black below the shape's centre as above. As
# lines, gold meshes under brown hair. Each growth prints "ttotal = 441".
lit_alike=('$BROWN >= 300' '$HAIR_ABOVE >= 2000' '$HAIR_BELOW >= 2000' 'near($DARK_BELOW, $DARK_ABOVE, 0.15)')
menu 3 4       # Model / Smooth
open_menu 1 2  # Under Lying Shape / Sphere, picked by the Return that the comparison presses
compare_with_sim sphere "--smooth --shape sphere" "xdotool key Return"
OUTLINE=sphere look sphere_hair '$GOLD >= 10000' "${lit_alike[@]}"
menu 3 3  # Model / Wireframe
look sphere_mesh 'near($GOLD, 2500, 2000)' '$BROWN >= 100'
menu 1 3  # Under Lying Shape / Torus
look torus_mesh 'near($GOLD, 5000, 4000)' '$BROWN >= 100'

# Drawn as lines, 400 strands take longer than a period to draw here, so "P l a y" draws frame after frame
# and must still let clicks through between them: the second click stops it.
play on
check "$(frames_in 1) >= 2"
play off
menu 3 4  # Model / Smooth
OUTLINE=torus look torus_hair '$GOLD >= 20000' "${lit_alike[@]}"
check "$(lines '^ttotal = 441$') == 2"
menu 0 2  # File / Save Hair Data, which writes nothing

# The plane's square, turned 30 degrees about the vertical and tilted 30, shows as a parallelogram of sides
# (173.2, 86.6) and (0, 100) units, 21918 pixels at 445 / 400 and 455 / 400 pixels a unit. A press in the
# view zooms 1.2 times with "Zoom In", 0.8 with "Zoom Out", 1 with "No Zoom"; the blue covers the zoomed
# parallelogram but for one strand (under 1 %). Zoomed in four times, two corners reach 231 units deep.
menu 1 1             # Under Lying Shape / Plane
click_drawn 510 183  # "Hairs" to 1
for step in "3 4 2.0736" "4 2 1.327104" "5 1 1.327104"; do
    read -r item presses zoom <<<"$step"
    menu 4 "$item"  # View / Zoom In, Zoom Out, No Zoom
    for _ in $(seq "$presses"); do click_drawn 400 450; done
    look "zoom$item" "near(\$BLUE / (21918 * $zoom ^ 2), 0.994, 0.008)"
done

# With "Rotate", 120 pixels to the right turn the scene 30 degrees about the vertical: the square faces the
# viewer, 200 by 100 units. With "Translate", 120 pixels right and 80 up move it 30 units right and 20 up.
menu 4 1  # View / Rotate
drag 100 300 220 300
look turned "near(\$BLUE_W, 200 * $zoom * 445 / 400, 3)" "near(\$BLUE_H, 100 * $zoom * 455 / 400, 3)"
menu 4 1  # Rotate off
menu 4 2  # View / Translate
read -r width x y <<<"$BLUE_W $BLUE_X $BLUE_Y"
drag 100 300 220 220
look moved 'near($BLUE_W, $width, 1)' 'near($BLUE_X - $x, 33, 3)' 'near($y - $BLUE_Y, 23, 3)'

# "Thickness" at 5 makes the brown tube several times as wide as at 1.
brown=$BROWN
click_drawn 805 232  # "Thickness" to 5
look thickness_5 '$brown >= 50' '$BROWN >= 3 * $brown'

# "Length of Hair" and "Rest Angle" print a line for every value they pass (each length less its line's
# number is the same), the styles theirs, in order.
click_drawn 600 83  # on the "Length of Hair" track
for _ in 1 2 3; do key_drawn Right; done
click_drawn 560 128  # on the "Rest Angle" track
key_drawn Left
menu 2 2  # Style / Combed
menu 2 1  # Style / Messy
printed=$(grep -v ttotal "$WORK/stdout" | awk '/^length/ { $3 = "L" ($3 - NR) } /^rest/ { $3 = "A" } 1' | uniq -c)
[ "$(echo $printed | sed 's/L-\?[0-9]*/L/')" = "4 length = L 2 restAngle = A 1 style = COMBED 1 style = MESSY" ] ||
    fail "printed, each length less its line's number as L: $(echo $printed)"

# "P l a y" draws at no more than one frame per 34 ms (89 in 3 s, and one that the server may show late)
# and on under half a core. Stopped, the view stays still and the idle program sleeps.
play on
ticks=$(cpu_ticks) frames=$(frames_in 3)
check 'near($frames, 52, 38)' "$(cpu_ticks) - $ticks <= 150"
play off
ticks=$(cpu_ticks)
check "$(frames_in 3) == 0" "$(cpu_ticks) - $ticks <= 15"

# A window manager's close request ends the program with status 1; no file was written all along.
close_tresslow
check '$STATUS == 1' "$(ls -A "$WORK/files" | wc -l) == 0"
