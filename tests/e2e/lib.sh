# Helpers of the end-to-end scenarios: each scenario runs the real program in an X server of its own
# (Xvfb), drives it with xdotool like a user, and checks what the user would see or read.
# A scenario script starts with:   source "$(dirname "$0")/lib.sh" PROGRAM HELPER_FOLDER
# where HELPER_FOLDER holds wm_delete and view_frames. XVFB_OPTIONS, if set, are the X server's options.
set -euo pipefail

APP=$(realpath "$1")
HELPERS=$(realpath "$2")
WM_DELETE=$HELPERS/wm_delete
VIEW_FRAMES=$HELPERS/view_frames
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
# XVFB_OPTIONS defaults to -noreset: without it the server resets whenever its last client (an xdotool
# call) leaves, and refuses the connections that arrive meanwhile.
XVFB_OPTIONS=${XVFB_OPTIONS:-"-noreset"}
# shellcheck disable=SC2086  # a list of words
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp $XVFB_OPTIONS 5>"$WORK/display" 2>"$WORK/xvfb.log" &
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

# Starts the program in an empty folder ($WORK/files) and waits until its main window is shown and the
# view drawn. Sets WID (main window id), WX, WY, WW, WH (its screen rectangle) and VIEW_ID (the view's
# own X window, a child of the main window).
start_tresslow() {
    mkdir -p "$WORK/files"
    (cd "$WORK/files" && exec "$APP") >"$WORK/stdout" 2>"$WORK/stderr" &
    APP_PID=$!
    WID=""
    for _ in $(seq 100); do
        WID=$(xdotool search --onlyvisible --name '^Tresslow$' 2>/dev/null | head -1 || true)
        [ -n "$WID" ] && break
        sleep 0.1
    done
    [ -n "$WID" ] || fail "the main window did not appear"
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    WX=$X WY=$Y WW=$WIDTH WH=$HEIGHT
    VIEW_ID=$(xwininfo -children -id "$WID" | awk '$0 ~ /445x455\+10\+35/ { print $1 }')
    [ -n "$VIEW_ID" ] || fail "no 445 x 455 view at 10, 35 in the main window"
    for _ in $(seq 50); do
        shot first_draw
        if [ "$(count_colour first_draw $VIEW 153 178 229 2)" -ge 100000 ]; then
            rest_view
            return 0
        fi
        sleep 0.1
    done
    fail "the view was not drawn"
}

# Asks the program to close as a window manager does, and expects it to end with status 1.
close_tresslow() {
    "$WM_DELETE" "$WID"
    expect_exit_status 1
}

# Waits up to 5 s for the program to end and checks its exit status.
expect_exit_status() {
    local status=0
    for _ in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$APP_PID" 2>/dev/null && fail "the program is still running"
    wait "$APP_PID" || status=$?
    APP_PID=""
    [ "$status" = "$1" ] || fail "exit status $status, expected $1"
}

# Lets the program handle what was sent, for actions that do not draw the view.
settle() { sleep "${1:-0.2}"; }

# The view's draws as the X server sees them, one per frame (tests/e2e/view_frames.c):
#   drawn_after COMMAND...  runs the command (an xdotool action) and waits until the view is drawn after it
#   rest_view               waits until the view has not been drawn for 0.3 s
#   frames_in SECONDS       prints the number of frames drawn during SECONDS
# Every draw of the view is one animation frame, so the actions that draw are waited for one by one: a
# screenshot taken after it shows what the action did, and the frames of two runs can be counted alike.
drawn_after() { "$VIEW_FRAMES" "$VIEW_ID" after "$@" || fail "the view was not drawn after: $*"; }
rest_view() { "$VIEW_FRAMES" "$VIEW_ID" rest 300 || fail "the view is drawn on and on"; }
frames_in() { "$VIEW_FRAMES" "$VIEW_ID" count "$1"; }

# Clicks at a point of the window (pixels from its top-left corner): click_at for a control that does not
# draw the view, click_drawn for one that does (a press in the view, the four sliders that regrow or
# thicken the hair).
click_at() { xdotool mousemove --window "$WID" "$1" "$2" click 1; settle; }
click_drawn() { drawn_after xdotool mousemove --window "$WID" "$1" "$2" click 1; }

# A key to the control that has the keyboard (a slider after a click on it), which then draws the view.
key_drawn() { drawn_after xdotool key "$1"; }

# Drags with the left button from one point of the window to another in eight moves, waiting for the
# view's draw after the press and after every move.
drag() {
    local x0=$1 y0=$2 x1=$3 y1=$4 steps=8
    drawn_after xdotool mousemove --window "$WID" "$x0" "$y0" mousedown 1
    for i in $(seq $steps); do
        drawn_after xdotool mousemove --window "$WID" $((x0 + (x1 - x0) * i / steps)) \
            $((y0 + (y1 - y0) * i / steps))
    done
    xdotool mouseup 1
}

# Picks a menu entry as a user does with the keyboard: a click on "File" opens the bar, Right moves to
# the TITLE-th title (0 = File, 1 = Under Lying Shape, 2 = Style, 3 = Model, 4 = View, 5 = Exit),
# Down to its ITEM-th entry (1 = first), Return picks it. Every menu drops over the view, which is drawn
# again (one frame) whenever one closes; "Exit" has no menu and ends the program.
menu() {
    local title=$1 item=$2
    open_menu "$title"
    for _ in $(seq "$item"); do xdotool key Down; done
    if [ "$title" = 5 ]; then
        xdotool key Return
    else
        drawn_after xdotool key Return
        await_no_menu
    fi
}

# Opens the TITLE-th menu of the bar and leaves it open. Each Right waits for the next menu: the toolkit
# would handle a Down that comes in one batch with the Right before it against the menu that the Right
# closes.
open_menu() {
    local title=$1 shown
    WINDOWS_BEFORE_MENU=$(shown_windows)
    xdotool mousemove --window "$WID" 20 12 click 1
    await_new_window "$WINDOWS_BEFORE_MENU"
    for i in $(seq "$title"); do
        shown=$(shown_windows)
        drawn_after xdotool key Right
        [ "$i" = 5 ] || await_new_window "$shown"
    done
}

close_menu() {
    drawn_after xdotool key Escape
    await_no_menu
}

# Ids of the windows on the screen, sorted as comm wants them.
shown_windows() { xdotool search --onlyvisible --class '' 2>/dev/null | sort || true; }
new_windows() { comm -13 <(echo "$1") <(shown_windows); }

await_new_window() {
    for _ in $(seq 100); do
        [ -n "$(new_windows "$1")" ] && return 0
        sleep 0.05
    done
    fail "the menu did not open"
}

# The rectangle "X Y W H" of the open menu, in window pixels: the tallest window that the menu added (the
# other one is the highlighted title on the bar).
menu_rectangle() {
    local id
    for id in $(new_windows "$WINDOWS_BEFORE_MENU"); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        echo "$HEIGHT $((X - WX)) $((Y - WY)) $WIDTH $HEIGHT"
    done | sort -n | tail -1 | cut -d' ' -f2-
}

await_no_menu() {
    for _ in $(seq 100); do
        [ -z "$(new_windows "$WINDOWS_BEFORE_MENU")" ] && return 0
        sleep 0.05
    done
    fail "the menu did not close"
}

# Screenshot of the whole screen into $WORK/NAME.png.
shot() { import -window root "$WORK/$1.png"; }

# The pixels of the window rectangle X Y W H of screenshot NAME, one "r g b" line each, row by row.
pixels() {
    local name=$1 x=$2 y=$3 w=$4 h=$5
    convert "$WORK/$name.png" -crop "${w}x${h}+$((WX + x))+$((WY + y))" +repage -depth 8 rgb:- |
        od -An -v -tu1 -w3
}

# Number of pixels in the window rectangle X Y W H of screenshot NAME whose colour lies within TOL of
# R G B on every channel.
count_colour() {
    local name=$1 x=$2 y=$3 w=$4 h=$5 r=$6 g=$7 b=$8 tol=${9:-3}
    pixels "$name" "$x" "$y" "$w" "$h" |
        awk -v r="$r" -v g="$g" -v b="$b" -v t="$tol" '
            function d(a, c) { return a > c ? a - c : c - a }
            d($1, r) <= t && d($2, g) <= t && d($3, b) <= t { n++ } END { print n + 0 }'
}

# Where the pixels of colour R G B (within TOL) lie in the view of screenshot NAME; prints their number,
# the columns of the leftmost and rightmost, the rows of the top and bottom ones, and their centroid
# (column and row, rounded), all in view pixels.
colour_extent() {
    local name=$1 r=$2 g=$3 b=$4 tol=${5:-3} w=445
    pixels "$name" $VIEW |
        awk -v w="$w" -v r="$r" -v g="$g" -v b="$b" -v t="$tol" '
            function d(a, c) { return a > c ? a - c : c - a }
            d($1, r) <= t && d($2, g) <= t && d($3, b) <= t {
                i = NR - 1; x = i % w; y = int(i / w)
                if (n++ == 0) { left = right = x; top = bottom = y }
                if (x < left) left = x
                if (x > right) right = x
                bottom = y; sx += x; sy += y
            }
            END {
                if (n == 0) { print 0, 0, 0, 0, 0, 0, 0; exit }
                printf "%d %d %d %d %d %.0f %.0f\n", n, left, right, top, bottom, sx / n, sy / n
            }'
}

# Number of pixels of the rectangle X Y W H that differ between two screenshots.
count_changed() {
    local a=$1 b=$2 x=$3 y=$4 w=$5 h=$6
    local crop="${w}x${h}+$((WX + x))+$((WY + y))"
    compare -metric AE "$WORK/$a.png[$crop]" "$WORK/$b.png[$crop]" null: 2>&1 || true
}

# Processor time that the program has used so far, user and system, in clock ticks (1/100 s).
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$APP_PID/stat"; }

# The hair view's rectangle in the window.
VIEW="10 35 445 455"

expect() { "$@" || fail "expected: $*"; }
at_least() { [ "$1" -ge "$2" ] || fail "$3: $1 is less than $2"; }
at_most() { [ "$1" -le "$2" ] || fail "$3: $1 is more than $2"; }

# Waits up to 5 s for the program to have printed the line TEXT.
printed() {
    for _ in $(seq 50); do grep -qxF "$1" "$WORK/stdout" && return 0; sleep 0.1; done
    fail "the program did not print \"$1\""
}

# Looks at the hair view of screenshot NAME as a user would look at a lit scene, and prints four numbers:
#   gold     pixels in the shape material's colour (lit gold)
#   brown    pixels in the hair material's colour (lit brown)
#   lean     where the brightest gold lies: its mean row minus the mean row of all gold, in pixels
#   patches  gold pixels whose brightness jumps by more than 60 from their right-hand neighbour's: a
#            surface drawn twice over itself shows in light and dark patches with such edges
look_at_scene() {
    pixels "$1" $VIEW |
        awk -v w=445 '
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
