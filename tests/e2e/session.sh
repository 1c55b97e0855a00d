# One user's session in the real window, from the start to a window manager's close: what its menus,
# sliders, keys and Play button show, print and cost.
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

# Filled, the sphere under 400 strands is drawn as tresslow-sim draws it after the same commands and as many
# draws since the hair grew (wind and gravity at 0: their signs flip every frame, from before the growth
# too): a lit gold ball under brown hair. As lines, a gold mesh. The growth prints "ttotal = 441".
click_at 510 347     # "Wind" to 0
click_at 805 292     # "Gravity" to 0
click_drawn 805 183  # "Hairs" to 20
SIM_OPTIONS="--wind 0 --gravity 0 --hairs 20"
menu 3 4       # Model / Smooth
open_menu 1 2  # Under Lying Shape / Sphere, picked by the Return that the comparison presses
compare_with_sim sphere "--smooth --shape sphere" "xdotool key Return"
look sphere_hair '$GOLD >= 10000' '$BROWN >= 300' "$(lines '^ttotal = 441$') == 1"
menu 3 3  # Model / Wireframe
look sphere_mesh 'near($GOLD, 2500, 2000)' '$BROWN >= 100'

# Drawn as lines, 400 strands take longer than a period to draw here, so "P l a y" draws frame after frame
# and must still let clicks through between them: the second click stops it.
play on
check "$(frames_in 1) >= 2"
play off
menu 0 2  # File / Save Hair Data, which writes nothing

# On the plane, "Thickness" at 5 makes the one brown tube several times as wide as at 1.
menu 3 4             # Model / Smooth
menu 1 1             # Under Lying Shape / Plane
click_drawn 510 183  # "Hairs" to 1
look thin '$BROWN >= 50'
brown=$BROWN
click_drawn 805 232  # "Thickness" to 5
look thick '$BROWN >= 3 * $brown'

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
