# Drives the real program like a user, in an X server of its own: starts it and waits until its view stands
# still, picks menu entries, clicks, drags and presses keys with xdotool, waits for the view's draws (counted
# by tools/xwindow), takes screenshots and reads the program's processor time. The end-to-end tests, the
# README's pictures and the frame-rate benchmark are written with it.
# Usage: source drive-window.sh PROGRAM (the xwindow helper is built beside it)
set -euo pipefail

APP=$(realpath "$1")
XWINDOW=$(dirname "$APP")/xwindow
WORK=$(mktemp -d)
APP_PID=""
# The next run's server may take the same display number: this one must be gone first.
trap 'kill $APP_PID $XVFB_PID 2>/dev/null || true; wait $XVFB_PID || true; rm -rf "$WORK"' EXIT

# Says what failed at which line of the calling script, with what the program printed last, and ends it.
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

# Starts the program in the empty folder $WORK/files, its output in $WORK/stdout and $WORK/stderr, and waits
# until its view is drawn and stays still. Sets WID, WX WY WW WH (the window and its rectangle), VIEW (the
# view's, as a crop) and VIEW_ID (its X window).
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
# The view's top-left pixel shows the light-blue background (153, 178, 229), within rounding, once it is
# drawn: the plane lies in the middle.
view_drawn() {
    import -window root -crop "1x1+$((WX + 10))+$((WY + 35))" -depth 8 rgb:- | od -An -tu1 |
        awk '{ exit !(($1 - 153) ^ 2 + ($2 - 178) ^ 2 + ($3 - 229) ^ 2 <= 4) }'
}
quiet_view() { [ "$(frames_in 0.3)" = 0 ]; }

# Asks the program to close as a window manager does, and waits until it has ended.
close_tresslow() { "$XWINDOW" "$WID" close && await_exit; }
# Waits until the program has ended; sets STATUS, its exit status.
await_exit() {
    await eval '! kill -0 $APP_PID 2>/dev/null' || fail "the program is still running"
    STATUS=0
    wait "$APP_PID" || STATUS=$?
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
# Presses "P l a y" to turn it on, or off; turned off, waits until the view stays still.
play() {
    click_at 527 445
    [ "$1" = on ] || await quiet_view || fail "the view is still drawn after Play was stopped"
}

# Drags with the left button from X0 Y0 to X1 Y1. The release waits for the move's draw: the toolkit would
# handle a move that came with it as a move without the button.
drag() {
    drawn_after xdotool mousemove --window "$WID" "$1" "$2" mousedown 1
    drawn_after xdotool mousemove --window "$WID" "$3" "$4"
    xdotool mouseup 1
}

# Picks the ITEM-th entry of the TITLE-th menu (0 File, 1 Under Lying Shape, 2 Style, 3 Model, 4 View) as a
# user does: a click on the title, then, once the menu shows, Down ITEM times and Return. The menu hides
# before the callback runs, and the view that it uncovered is drawn again.
menu() {
    open_menu "$1" "$2"
    drawn_after xdotool key Return
}
# The menu's first steps: the click on the title and, once the menu shows, Down ITEM times.
open_menu() {
    local windows titles=(24 130 241 302 362)
    windows=$(shown_windows)
    xdotool mousemove --window "$WID" "${titles[$1]}" 12 click 1
    await eval '[ "$(shown_windows)" -gt "$windows" ]' || fail "the menu did not open"
    for _ in $(seq "$2"); do xdotool key Down; done
}
shown_windows() { xdotool search --onlyvisible --class '' 2>/dev/null | wc -l; }

# Screenshot of the screen into $WORK/NAME.png; the number of the view's pixels that differ between
# screenshots A and B.
shot() { import -window root "$WORK/$1.png"; }
count_changed() { compare -metric AE "$WORK/$1.png[$VIEW]" "$WORK/$2.png[$VIEW]" null: 2>&1 || true; }
# User and system time of process PID (default the program) so far, in 1/100 s.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/${1:-$APP_PID}/stat"; }

# From the start-up view, "Hairs" to 20, then each shape in each mode in turn (plane Wireframe, plane Smooth,
# sphere Smooth, sphere Wireframe, torus Wireframe, torus Smooth), running the command VISIT NAME in each,
# with NAME as "plane Wireframe".
tour_views() {
    local step steps=("805 183 plane Wireframe" "3 4 plane Smooth" "1 2 sphere Smooth" "3 3 sphere Wireframe"
        "1 3 torus Wireframe" "3 4 torus Smooth")
    for step in "${steps[@]}"; do
        read -r a b name <<<"$step"
        if [ "$a" = 805 ]; then click_drawn "$a" "$b"; else menu "$a" "$b"; fi
        "$1" "$name"
    done
}
