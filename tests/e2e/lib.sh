# Helpers of the end-to-end scenarios: each scenario runs the real program in an X server of its own
# (Xvfb), drives it with xdotool like a user, and checks what the user would see or read.
# A scenario script starts with:   source "$(dirname "$0")/lib.sh" "$@"
set -euo pipefail

APP=$(realpath "$1")
WM_DELETE=$(realpath "$2")
WORK=$(mktemp -d)
APP_PID=""
XVFB_PID=""
trap 'cleanup' EXIT
cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    # The next scenario's server may take the same display number: this one must be gone first.
    [ -n "$XVFB_PID" ] && { kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; } || true
    rm -rf "$WORK"
}

# An X server of this scenario's own; it picks a free display number itself and writes it when ready.
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$WORK/display" 2>"$WORK/xvfb.log" &
XVFB_PID=$!
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.05; done
[ -s "$WORK/display" ] || { echo "FAIL: Xvfb did not start" >&2; cat "$WORK/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -1 "$WORK/display")"

fail() {
    echo "FAIL: $*" >&2
    [ -f "$WORK/stdout" ] && { echo "--- program stdout:" >&2; tail -20 "$WORK/stdout" >&2; }
    [ -f "$WORK/stderr" ] && { echo "--- program stderr:" >&2; tail -20 "$WORK/stderr" >&2; }
    exit 1
}

# Starts the program and waits for its main window; sets WID (window id), WX, WY (its screen origin).
start_tresslow() {
    "$APP" >"$WORK/stdout" 2>"$WORK/stderr" &
    APP_PID=$!
    for _ in $(seq 100); do
        WID=$(xdotool search --onlyvisible --name '^Tresslow$' 2>/dev/null | head -1 || true)
        [ -n "$WID" ] && break
        sleep 0.1
    done
    [ -n "$WID" ] || fail "the main window did not appear"
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    WX=$X WY=$Y WW=$WIDTH WH=$HEIGHT
    settle
}

# Lets the program handle what was sent and draw.
settle() { sleep "${1:-0.4}"; }

# Waits up to 5 s for the program to end and checks its exit status.
expect_exit_status() {
    local status=0
    for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$APP_PID" 2>/dev/null && fail "the program is still running"
    wait "$APP_PID" || status=$?
    APP_PID=""
    [ "$status" = "$1" ] || fail "exit status $status, expected $1"
}

# Picks a menu entry as a user does with the keyboard: a click on "File" opens the bar, Right moves to
# the TITLE-th title (0 = File, 1 = Under Lying Shape, 2 = Style, 3 = Model, 4 = View, 5 = Exit),
# Down to its ITEM-th entry (1 = first), Return picks it.
menu() {
    local title=$1 item=$2 before
    before=$(visible_windows)
    xdotool mousemove --window "$WID" 20 12 click 1
    for _ in $(seq 60); do [ "$(visible_windows)" -gt "$before" ] && break; sleep 0.05; done
    [ "$(visible_windows)" -gt "$before" ] || fail "the menu did not open"
    for _ in $(seq "$title"); do xdotool key Right; done
    for _ in $(seq "$item"); do xdotool key Down; done
    xdotool key Return
    settle
}

# Number of windows on the screen: an open menu adds its own.
visible_windows() { xdotool search --onlyvisible --class '' 2>/dev/null | wc -l; }

# Clicks at a point of the window (pixels from its top-left corner).
click_at() { xdotool mousemove --window "$WID" "$1" "$2" click 1; settle; }

# Drags with the left button from one point of the window to another, in small moves.
drag() {
    local x0=$1 y0=$2 x1=$3 y1=$4 steps=8
    xdotool mousemove --window "$WID" "$x0" "$y0" mousedown 1
    for i in $(seq $steps); do
        xdotool mousemove --window "$WID" $((x0 + (x1 - x0) * i / steps)) $((y0 + (y1 - y0) * i / steps))
        sleep 0.05
    done
    xdotool mouseup 1
    settle
}

# Screenshot of the whole screen into $WORK/NAME.png.
shot() { import -window root "$WORK/$1.png"; }

# Number of pixels in the window rectangle X Y W H of screenshot NAME whose colour lies within TOL of
# R G B on every channel.
count_colour() {
    local name=$1 x=$2 y=$3 w=$4 h=$5 r=$6 g=$7 b=$8 tol=${9:-3}
    convert "$WORK/$name.png" -crop "${w}x${h}+$((WX + x))+$((WY + y))" +repage -depth 8 rgb:- |
        od -An -v -tu1 -w3 |
        awk -v r="$r" -v g="$g" -v b="$b" -v t="$tol" '
            function d(a, c) { return a > c ? a - c : c - a }
            d($1, r) <= t && d($2, g) <= t && d($3, b) <= t { n++ } END { print n + 0 }'
}

# Number of pixels of the rectangle X Y W H that differ between two screenshots.
count_changed() {
    local a=$1 b=$2 x=$3 y=$4 w=$5 h=$6
    local crop="${w}x${h}+$((WX + x))+$((WY + y))"
    compare -metric AE "$WORK/$a.png[$crop]" "$WORK/$b.png[$crop]" null: 2>&1 || true
}

# The hair view's rectangle in the window.
VIEW="10 35 445 455"

expect() { "$@" || fail "expected: $*"; }
at_least() { [ "$1" -ge "$2" ] || fail "$3: $1 is less than $2"; }
at_most() { [ "$1" -le "$2" ] || fail "$3: $1 is more than $2"; }
printed() { grep -qxF "$1" "$WORK/stdout" || fail "the program did not print \"$1\""; }

# Looks at the hair view of screenshot NAME as a user would look at a lit scene, and prints four numbers:
#   gold     pixels in the shape material's colour (lit gold)
#   brown    pixels in the hair material's colour (lit brown)
#   lean     where the brightest gold lies: its mean row minus the mean row of all gold, in pixels
#   patches  gold pixels whose brightness jumps by more than 60 from their right-hand neighbour's: a
#            surface drawn twice over itself shows in light and dark patches with such edges
look_at_scene() {
    local name=$1 x=10 y=35 w=445 h=455
    convert "$WORK/$name.png" -crop "${w}x${h}+$((WX + x))+$((WY + y))" +repage -depth 8 rgb:- |
        od -An -v -tu1 -w3 |
        awk -v w="$w" '
            function gold(r, g, b) { return r > 90 && g > 0.62 * r && g < 0.85 * r && b < 0.22 * r }
            function brown(r, g, b) { return r > 60 && g > 0.5 * r && g < 0.66 * r && b > 0.2 * r && b < 0.34 * r }
            {
                i = NR - 1; px = i % w; py = int(i / w); lum = 0.3 * $1 + 0.59 * $2 + 0.11 * $3
                if (gold($1, $2, $3)) {
                    n++; sumy += py; L[n] = lum; Y[n] = py
                    if (px > 0 && prevgold && (lum - prevlum > 60 || prevlum - lum > 60)) patches++
                    prevgold = 1
                } else prevgold = 0
                if (brown($1, $2, $3)) hair++
                prevlum = lum
            }
            END {
                if (n == 0) { print 0, hair + 0, 0, 0; exit }
                for (k = 1; k <= n; k++) if (L[k] > max) max = L[k]
                for (k = 1; k <= n; k++) if (L[k] > 0.9 * max) { m++; bright += Y[k] }
                printf "%d %d %d %d\n", n, hair + 0, bright / m - sumy / n, patches + 0
            }'
}
