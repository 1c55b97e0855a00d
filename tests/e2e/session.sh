# One user's session through every menu entry: the start, the control polygons, each shape as lines and
# filled, hair on the shapes, saving and loading hair, the tube's thickness, zooming, turning and moving the
# view, the lines that the sliders and styles print, "P l a y", the idle program, and "Exit".
source "$(dirname "$0")/lib.sh" "$@"

# The 822 x 500 window shows the light-blue view with the plane as a blue outline, and prints nothing.
start_tresslow
look start '$WW == 822 && $WH == 500' '$BACKGROUND >= 150000' 'near($BLUE, 1650, 1350)' "$(lines) == 0"

# "Control Polygons" shows white-to-orange segments between blue points and hides them when picked again;
# "Control Polygon" shows nothing. Filled, the plane is a blue square.
menu 3 1  # Model / Control Polygons
look polygons '$POINTS >= 20' '$SEGMENTS >= 10'
menu 3 1
menu 3 2  # Model / Control Polygon
look no_polygons '$POINTS == 0' '$SEGMENTS == 0'
menu 3 4  # Model / Smooth
look filled '$BLUE >= 15000'

# Filled, the sphere and the torus are lit gold, brightest on the same side, the sphere evenly; as lines,
# thin gold meshes. With "Hairs" at 20, 400 brown strands stand on either, lit alike wherever they run: about
# as many of their pixels are near-black below the shape's centre as above it (the light comes from above
# and in front, so not exactly as many). Each growth prints "ttotal = 441".
menu 1 2  # Under Lying Shape / Sphere
look sphere '$GOLD >= 12000'
lean=$LEAN
menu 3 3  # Model / Wireframe
look sphere_mesh 'near($GOLD, 3000, 2000)'
menu 1 3  # Under Lying Shape / Torus
look torus_mesh 'near($GOLD, 6000, 4000)'
menu 3 4  # Model / Smooth
look torus '$GOLD >= 20000' '$LEAN * $lean > 0'
menu 1 2  # Under Lying Shape / Sphere
click_drawn 805 183  # "Hairs" to 20
look sphere_hair '$GOLD >= 10000' '$BROWN >= 300'
hair_darkness sphere_hair sphere '$HAIR_ABOVE >= 2000' '$HAIR_BELOW >= 2000' 'near($DARK_BELOW, $DARK_ABOVE, 0.15)'
menu 1 3  # Under Lying Shape / Torus
look torus_hair '$GOLD >= 20000' '$BROWN >= 300' "$(lines '^ttotal = 441$') == 5"
hair_darkness torus_hair torus '$HAIR_ABOVE >= 2000' '$HAIR_BELOW >= 2000' 'near($DARK_BELOW, $DARK_ABOVE, 0.15)'

# Drawn as lines, 400 strands take longer than a period to draw here, so "P l a y" draws frame after frame
# and must still let clicks through between them: the second click stops it.
menu 3 3          # Model / Wireframe
click_at 527 445  # "P l a y"
check "$(frames_in 1) >= 2"
click_at 527 445
await quiet_view || fail "the view is still drawn after Play was stopped"
menu 3 4  # Model / Smooth

# The control points of the hair around the torus span the view, still after "Save Hair Data", which writes
# nothing; "Load Hair Data" keeps the torus and regrows the hair on the square inside it. Neither prints.
menu 3 1  # Model / Control Polygons
menu 0 2  # File / Save Hair Data
look saved '$POINTS_W >= 425' "$(ls -A "$WORK/files" | wc -l) == 0"
menu 0 1  # File / Load Hair Data
look loaded '$GOLD >= 15000' '$POINTS >= 2000' '$POINTS_W <= 345' "$(lines) == 5"

# On the plane with one strand, "Thickness" at 5 makes the brown tube several times as wide as at 1, and at
# 0.5 about half as wide.
menu 3 1  # Model / Control Polygons off
menu 1 1  # Under Lying Shape / Plane
click_drawn 510 183  # "Hairs" to 1
look thickness_1 '$BROWN >= 50'
brown=$BROWN
click_drawn 805 232  # "Thickness" to 5
look thickness_5 '$BROWN >= 3 * $brown'
click_drawn 510 232  # "Thickness" to 0.5
look thickness_half 'near($BROWN / $brown, 0.5, 0.25)'

# The square's 200 units, turned 30 degrees about the vertical, span 200 cos 30 of the 400 units shown in
# 445 pixels. Each press in the view widens it 1.2 times with "Zoom In", 0.8 with "Zoom Out", 1 "No Zoom".
# Zoomed in four times, its corners reach far out in depth, and still the whole square shows as the view's
# set-up predicts it.
check 'near($BLUE_W, 193, 3)'
for zoom in "3 4 2.0736" "4 2 0.64" "5 1 1"; do
    read -r item presses ratio <<<"$zoom"
    width=$BLUE_W
    menu 4 "$item"  # View / Zoom In, Zoom Out, No Zoom
    for _ in $(seq "$presses"); do click_drawn 400 450; done
    look "zoom$item" 'near($BLUE_W / $width, $ratio, 0.02)'
done
square_outline zoom3 2.0736 '$MISSING <= 0.005' '$SPILL <= 0.005'

# With "Rotate", 120 pixels to the right turn the scene 30 degrees about the vertical: the square shows its
# 200 units across, its depth foreshortened from 93.3 to 50 units. With "Translate", 120 pixels right and
# 80 up move it 30 units right and 20 up.
read -r width height <<<"$BLUE_W $BLUE_H"
menu 4 1  # View / Rotate
drag 100 300 220 300
look turned 'near($BLUE_W / $width, 1.155, 0.025)' 'near($BLUE_H / $height, 0.536, 0.03)'
menu 4 1  # Rotate off
menu 4 2  # View / Translate
read -r width x y <<<"$BLUE_W $BLUE_X $BLUE_Y"
drag 100 300 220 220
look moved 'near($BLUE_W, $width, 1)' 'near($BLUE_X - $x, 33, 3)' 'near($y - $BLUE_Y, 23, 3)'

# "Length of Hair" and "Rest Angle" print a line for every value they pass, the styles theirs, in order.
click_drawn 600 83  # on the "Length of Hair" track
for _ in 1 2 3; do key_drawn Right; done
lengths=$(sed -n 's/^length = //p' "$WORK/stdout" | paste -sd ' ')
expect [ "$lengths" = "$(seq -s ' ' $((${lengths%% *})) $((${lengths%% *} + 3)))" ]
click_drawn 560 128  # on the "Rest Angle" track
key_drawn Left
menu 2 2  # Style / Combed
menu 2 1  # Style / Messy
expect [ "$(grep -v -e ttotal -e length "$WORK/stdout" | sed 's/[0-9]\+$/N/' | paste -sd ,)" = \
    "restAngle = N,restAngle = N,style = COMBED,style = MESSY" ]

# "P l a y" moves the strand, at no more than one frame per 34 ms (89 in 3 s, and one that the server may
# show late) and on under half a core. Stopped, the view stays still and the idle program sleeps.
click_at 527 445  # "P l a y"
ticks=$(cpu_ticks)
frames=$(frames_in 3)
shot playing1
shot playing2
check 'near($frames, 52, 38)' "$(cpu_ticks) - $ticks <= 150" "$(count_changed playing1 playing2) > 0"
click_at 527 445
await quiet_view || fail "the view is still drawn after Play was stopped"
shot stopped
ticks=$(cpu_ticks)
sleep 10
shot still
check "$(cpu_ticks) - $ticks <= 20" "$(count_changed stopped still) == 0"

menu 5 0  # Exit
expect_exit_status 1
