# With no display, or a display without OpenGL (an X server without GLX), the program names what is missing
# in one line on stderr, prints nothing, and ends with a status above 0 and below 124 (timed out) and 128
# (killed by a signal). The server runs without -noreset, as a bare Xvfb: it resets whenever its last
# client leaves, so the program must keep the one connection that it checks the display with.
XVFB_OPTIONS="-extension GLX"
source "$(dirname "$0")/lib.sh" "$@"

for missing in "display -u DISPLAY" "OpenGL"; do
    read -r what options <<<"$missing"
    status=0
    env $options timeout 20 "$APP" >"$WORK/stdout" 2>"$WORK/stderr" || status=$?
    check "$status > 0 && $status < 124" "$(wc -l <"$WORK/stderr") == 1" "$(wc -c <"$WORK/stdout") == 0"
    grep -q "$what" "$WORK/stderr" || fail "the message does not name the $what"
done
