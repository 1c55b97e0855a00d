# A user looks at the filled plane and works the view with the mouse: with "Zoom In" two presses in the
# view make the blue square 1.44 times as wide, with "Zoom Out" a press shrinks it to 0.8, "No Zoom" keeps
# its size; with "Rotate" a drag to the right turns it about the vertical axis, a quarter degree per pixel,
# so that it shows wider and flatter; with "Translate" a drag moves it with the mouse, a quarter unit per
# pixel, unturned.
source "$(dirname "$0")/lib.sh" "$@"

# Width, height and centroid of the blue square in view pixels: "W H CX CY".
measure_square() {
    local n left right top bottom cx cy
    shot "$1"
    read -r n left right top bottom cx cy <<<"$(colour_extent "$1" 0 0 255 2)"
    at_least "$n" 5000 "blue pixels of the square in $1"
    echo "$((right - left + 1)) $((bottom - top + 1)) $cx $cy"
}

# Fails unless A / B lies within RATIO +- TOLERANCE.
expect_ratio() {
    local a=$1 b=$2 ratio=$3 tolerance=$4 what=$5
    awk -v a="$a" -v b="$b" -v r="$ratio" -v t="$tolerance" 'BEGIN { exit !(a / b >= r - t && a / b <= r + t) }' ||
        fail "$what: $a / $b is not $ratio +- $tolerance"
}

expect_near() {
    local value=$1 expected=$2 tolerance=$3 what=$4
    awk -v v="$value" -v e="$expected" -v t="$tolerance" 'BEGIN { exit !(v >= e - t && v <= e + t) }' ||
        fail "$what: $value is not $expected +- $tolerance"
}

start_tresslow
menu 3 4  # Model / Smooth
read -r w0 h0 _ _ <<<"$(measure_square start)"
# The square's edges of 200 units, turned by 30 degrees about the vertical, span 200 cos 30 units across;
# the view shows 400 units in 445 pixels.
expect_near "$w0" 193 3 "width of the square at the start"

menu 4 3  # View / Zoom In
click_drawn 400 450
click_drawn 400 450
read -r w1 _ _ _ <<<"$(measure_square zoomed_in)"
expect_ratio "$w1" "$w0" 1.44 0.02 "width after two presses with Zoom In"

menu 4 4  # View / Zoom Out
click_drawn 400 450
read -r w2 _ _ _ <<<"$(measure_square zoomed_out)"
expect_ratio "$w2" "$w1" 0.8 0.02 "width after a press with Zoom Out"

menu 4 5  # View / No Zoom
click_drawn 400 450
read -r w3 h3 _ _ <<<"$(measure_square no_zoom)"
expect_near "$w3" "$w2" 1 "width after a press with No Zoom"

# 120 pixels to the right turn the scene by 30 degrees about the vertical: the square faces the viewer
# edge-on in width (200 units instead of 200 cos 30) and its depth foreshortens from 93.3 to 50 units
# above and below its centre.
menu 4 1  # View / Rotate
drag 100 300 220 300
read -r w4 h4 _ _ <<<"$(measure_square turned)"
expect_ratio "$w4" "$w3" 1.155 0.025 "width after turning"
expect_ratio "$h4" "$h3" 0.536 0.03 "height after turning"
menu 4 1  # Rotate off

# 120 pixels right and 80 up move the scene by 30 units right and 20 up: 33 and 23 pixels.
menu 4 2  # View / Translate
read -r w5 h5 x5 y5 <<<"$(measure_square before_pan)"
drag 100 300 220 220
read -r w6 h6 x6 y6 <<<"$(measure_square panned)"
expect_near "$w6" "$w5" 1 "width after moving"
expect_near "$h6" "$h5" 1 "height after moving"
expect_near $((x6 - x5)) 33 3 "rightward move of the square's centre"
expect_near $((y5 - y6)) 23 3 "upward move of the square's centre"
echo "widths: start $w0, zoomed in $w1, out $w2, no zoom $w3, turned $w4; heights $h3 -> $h4;" \
    "centre moved by $((x6 - x5)), $((y5 - y6))"
