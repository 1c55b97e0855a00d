# Helpers of the end-to-end scenarios, which run the real program in an X server of their own, drive it with
# xdotool like a user and check what the user sees or reads. Usage: source lib.sh PROGRAM FOLDER_OF_XWINDOW
set -euo pipefail

APP=$(realpath "$1")
XWINDOW=$(realpath "$2")/xwindow
WORK=$(mktemp -d)
APP_PID=""
# The next scenario's server may take the same display number: this one must be gone first.
trap 'kill $APP_PID $XVFB_PID 2>/dev/null || true; wait $XVFB_PID || true; rm -rf "$WORK"' EXIT

# Says what failed at which line of the scenario, with what the program printed, and ends the scenario.
fail() {
    echo "FAIL at ${0##*/} line ${BASH_LINENO[-2]}: $*" >&2
    tail -n 20 "$WORK"/std* >&2 2>/dev/null || true
    exit 1
}

# Runs the command until it succeeds, for up to about 10 s; fails if it never does.
await() {
    for _ in $(seq 200); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}

# Without -noreset the server would reset whenever its last client leaves, refusing connections meanwhile.
# shellcheck disable=SC2086  # a list of words
Xvfb -displayfd 5 -screen 0 1024x768x24 ${XVFB_OPTIONS:--noreset} 5>"$WORK/display" 2>/dev/null &
XVFB_PID=$!
await test -s "$WORK/display" || fail "Xvfb did not start"
export DISPLAY=":$(cat "$WORK/display")"

# Starts the program in the empty folder $WORK/files and waits until its view is drawn and stays still. Sets
# WID, WX WY WW WH (the window and its rectangle), VIEW (the view's, as a crop) and VIEW_ID (its X window).
start_tresslow() {
    mkdir -p "$WORK/files"
    (cd "$WORK/files" && exec "$APP") >"$WORK/stdout" 2>"$WORK/stderr" &
    APP_PID=$!
    await window_shown || fail "the main window did not appear"
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    WX=$X WY=$Y WW=$WIDTH WH=$HEIGHT VIEW="445x455+$((X + 10))+$((Y + 35))"
    VIEW_ID=$(xwininfo -children -id "$WID" | awk '/445x455\+10\+35/ { print $1 }' | grep .) || fail "no view"
    await view_drawn || fail "the view was not drawn"
    await quiet_view || fail "the view is drawn on and on"
}
window_shown() { WID=$(xdotool search --onlyvisible --name '^Tresslow$' 2>/dev/null | head -1); }
view_drawn() { look first && [ "$BACKGROUND" -ge 100000 ]; }
quiet_view() { [ "$(frames_in 0.3)" = 0 ]; }

# Asks the program to close as a window manager does; it must end with status 1.
close_tresslow() { "$XWINDOW" "$WID" close && expect_exit_status 1; }
expect_exit_status() {
    local status=0 expected=$1
    await eval '! kill -0 $APP_PID 2>/dev/null' || fail "the program is still running"
    wait "$APP_PID" || status=$?
    check '$status == $expected'
}

# Every draw of the view is one animation frame. An action that draws is waited for until the view has been
# drawn after it: a screenshot then shows what it did, and two runs step the same frames.
drawn_after() { "$XWINDOW" "$VIEW_ID" after "$*" || fail "the view was not drawn after: $*"; }
frames_in() { "$XWINDOW" "$VIEW_ID" count "$1"; }
draws_during() { "$XWINDOW" "$VIEW_ID" during "$*" 1; }  # from the start of the command to 1 s after it

# Clicks at a point of the window: click_at for a control that does not draw the view, click_drawn for one
# that does (a press in the view, the sliders that regrow or thicken the hair); key_drawn to such a slider.
click_at() { xdotool mousemove --window "$WID" "$1" "$2" click 1 sleep 0.2; }
click_drawn() { drawn_after xdotool mousemove --window "$WID" "$1" "$2" click 1; }
key_drawn() { drawn_after xdotool key "$1"; }

# Drags with the left button from X0 Y0 to X1 Y1. The release waits for the move's draw: the toolkit would
# handle a move that came with it as a move without the button.
drag() {
    drawn_after xdotool mousemove --window "$WID" "$1" "$2" mousedown 1
    drawn_after xdotool mousemove --window "$WID" "$3" "$4"
    xdotool mouseup 1
}

# Picks the ITEM-th entry of the TITLE-th menu (0 File, 1 Under Lying Shape, 2 Style, 3 Model, 4 View, 5 Exit)
# as a user does: a click on the title, then, once the menu shows, Down ITEM times and Return. The menu hides
# before the callback runs, and the view that it uncovered is drawn again.
menu() {
    open_menu "$1" "$2"
    [ "$1" = 5 ] || drawn_after xdotool key Return
}
# The menu's first steps: the click on the title and, once the menu shows, Down ITEM times.
open_menu() {
    local windows titles=(24 130 241 302 362 412)
    windows=$(shown_windows)
    xdotool mousemove --window "$WID" "${titles[$1]}" 12 click 1
    [ "$1" != 5 ] || return 0
    await eval '[ "$(shown_windows)" -gt "$windows" ]' || fail "the menu did not open"
    for _ in $(seq "$2"); do xdotool key Down; done
}
shown_windows() { xdotool search --onlyvisible --class '' 2>/dev/null | wc -l; }

# Screenshot of the screen into $WORK/NAME.png, and its view's pixels, one "r g b" line each, row by row.
shot() { import -window root "$WORK/$1.png"; }
pixels() { convert "$WORK/$1.png" -crop "$VIEW" +repage -depth 8 rgb:- | od -An -v -tu1 -w3; }

# Fails unless every CONDITION holds: an awk expression of the scenario's variables, written $NAME.
check() {
    local c e
    for c in "$@"; do
        eval "e=\"$c\""
        awk "function near(v, e, t) { return v >= e - t && v <= e + t } BEGIN { exit !($e) }" || fail "$c: $e"
    done
}

# Takes screenshot NAME, looks at its view and checks the CONDITIONs. Sets, for the light-blue BACKGROUND,
# the BLUE plane, the control POINTS, the polygon SEGMENTS, the lit GOLD shape and the lit BROWN hair, their
# number of pixels (as BLUE), width and height (BLUE_W, BLUE_H) and centroid (BLUE_X, BLUE_Y); and LEAN, how
# many rows below the gold's centroid its brightest pixels lie (weighted by brightness to the 8th power).
look() {
    shot "$1"
    eval "$(pixels "$1" | awk '
        function is(r, g, b, t) {
            return ($1 - r) ^ 2 <= t ^ 2 && ($2 - g) ^ 2 <= t ^ 2 && ($3 - b) ^ 2 <= t ^ 2
        }
        function add(k) {
            if (!n[k]++) { left[k] = x; top[k] = y }
            if (x < left[k]) left[k] = x
            if (x > right[k]) right[k] = x
            bottom[k] = y
            sx[k] += x
            sy[k] += y
        }
        {
            x = (NR - 1) % 445
            y = int((NR - 1) / 445)
            if (is(153, 178, 229, 2)) add("BACKGROUND")
            if (is(0, 0, 255, 2)) add("BLUE")
            if (is(0, 127, 255, 2)) add("POINTS")
            if (is(254, 240, 215, 40)) add("SEGMENTS")
            if ($1 > 60 && $2 > 0.5 * $1 && $2 < 0.66 * $1 && $3 > 0.2 * $1 && $3 < 0.34 * $1) add("BROWN")
            if ($1 > 90 && $2 > 0.62 * $1 && $2 < 0.85 * $1 && $3 < 0.22 * $1) {
                add("GOLD")
                sw += (w = ((0.3 * $1 + 0.59 * $2 + 0.11 * $3) / 255) ^ 8)
                swy += w * y
            }
        }
        END {
            print "LEAN=" (sw ? int(swy / sw - sy["GOLD"] / n["GOLD"]) : 0)
            split("BACKGROUND BLUE POINTS SEGMENTS GOLD BROWN", kinds)
            for (i in kinds) {
                k = kinds[i]
                printf "%s=%d %s_W=%d %s_H=%d %s_X=%.0f %s_Y=%.0f\n", k, n[k], k, right[k] - left[k] + 1,
                    k, bottom[k] - top[k] + 1, k, sx[k] / (n[k] + !n[k]), k, sy[k] / (n[k] + !n[k])
            }
        }')"
    check "${@:2}"
}

# Number of the view's pixels that differ between screenshots A and B.
count_changed() { compare -metric AE "$WORK/$1.png[$VIEW]" "$WORK/$2.png[$VIEW]" null: 2>&1 || true; }

expect() { "$@" || fail "$*"; }
# User and system time of process PID (default the program) so far, in 1/100 s.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/${1:-$APP_PID}/stat"; }
lines() { grep -c "${1:-.}" "$WORK/stdout" || true; }

# Where the view's set-up puts a world point (x, y, z) at zoom Z, under the fixed 30-degree tilt and turn and
# no pan: the view's pixel (PX, PY), from its top-left corner, pixel centres at +0.5. The box maps -200..200
# in x onto the 445 columns and in y onto the 455 rows. WX, WY: a pixel's centre back in world units at zoom 1.
VIEW_AWK='
function project(x, y, z, zoom,   c, s, x1, y1) {
    c = cos(atan2(1, 1) * 4 / 6); s = 0.5
    x1 = x * c - y * s; y1 = x * s + y * c
    PX = (1 + x1 * zoom / 200) * 445 / 2
    PY = (1 - (y1 * c - z * s) * zoom / 200) * 455 / 2
}
function unproject(px, py) { WX = ((px + 0.5) / 445 * 2 - 1) * 200; WY = (1 - (py + 0.5) / 455 * 2) * 200 }
{ x = (NR - 1) % 445; y = int((NR - 1) / 445) }'

# Compares screenshot NAME of the plane at zoom ZOOM with the square that the set-up predicts (a pixel whose
# centre lies inside the projected corners): sets SQUARE, the predicted pixels, OVERLAP and
# MISSING, the shares of them that are blue and that show the background, and SPILL, the blue pixels outside
# it as a share of SQUARE.
square_outline() {
    eval "$(pixels "$1" | awk -v zoom="$2" "$VIEW_AWK"'
        function side(i, j, px, py) { return (cx[j] - cx[i]) * (py - cy[i]) - (cy[j] - cy[i]) * (px - cx[i]) }
        NR == 1 {
            split("-100 100 100 -100", xs, " ")
            split("-100 -100 100 100", zs, " ")
            for (k = 1; k <= 4; k++) { project(xs[k], 0, zs[k], zoom); cx[k] = PX; cy[k] = PY }
            turn = side(1, 2, cx[3], cy[3]) > 0 ? 1 : -1
        }
        {
            inside = 1
            for (k = 1; k <= 4; k++) if (turn * side(k, k % 4 + 1, x + 0.5, y + 0.5) < 0) inside = 0
            blue = $1 <= 2 && $2 <= 2 && $3 >= 253
            square += inside
            overlap += inside && blue
            missing += inside && ($1 - 153) ^ 2 <= 4 && ($2 - 178) ^ 2 <= 4 && ($3 - 229) ^ 2 <= 4
            spill += blue && !inside
        }
        END {
            printf "SQUARE=%d OVERLAP=%.4f MISSING=%.4f SPILL=%.4f\n", square, overlap / square, missing / square,
                spill / square
        }')"
    echo "$1: $SQUARE pixels predicted, $OVERLAP of them blue, $MISSING background; blue outside: $SPILL"
    check "${@:3}"
}

# Looks at the hair in screenshot NAME of SHAPE (sphere or torus) at zoom 1, outside the shape's predicted
# outline (3 pixels clear of it): sets DARK_ABOVE and DARK_BELOW, the share of its pixels
# that are near-black (no channel above 63), above and below the shape's centre, and HAIR_ABOVE, HAIR_BELOW,
# their numbers. The sphere shows as the disc of radius 100, the torus as every point within 50 of its centre
# circle, which shows as an ellipse of half-axes 100 and 100 cos 30.
hair_darkness() {
    eval "$(pixels "$1" | awk -v shape="$2" "$VIEW_AWK"'
        function outside(wx, wy,   t, k, d, m) {
            if (shape == "sphere") return wx * wx + wy * wy > 103 ^ 2
            # The point of the ellipse nearest to a point within 53 of it lies within a few degrees of the
            # parameter of its direction: 80 degrees around that, by degrees.
            t = atan2(wy / 86.6025, wx / 100)
            m = 1e9
            for (k = -40; k <= 40; k++) {
                d = (wx - 100 * cos(t + k * 0.0174533)) ^ 2 + (wy - 86.6025 * sin(t + k * 0.0174533)) ^ 2
                if (d < m) m = d
            }
            return m > 53 ^ 2
        }
        ($1 - 153) ^ 2 <= 4 && ($2 - 178) ^ 2 <= 4 && ($3 - 229) ^ 2 <= 4 { next }
        {
            unproject(x, y)
            if (!outside(WX, WY)) next
            half = WY > 0 ? "ABOVE" : "BELOW"
            hair[half]++
            dark[half] += $1 < 64 && $2 < 64 && $3 < 64
        }
        END {
            for (half in hair) printf "HAIR_%s=%d DARK_%s=%.3f\n", half, hair[half], half, dark[half] / hair[half]
        }')"
    echo "$1: near-black $DARK_ABOVE of $HAIR_ABOVE hair pixels above the centre, $DARK_BELOW of $HAIR_BELOW below"
    check "${@:3}"
}
