# With DISPLAY unset, with a display that cannot be opened, or with a display without OpenGL (an X server
# without GLX), the program says which in one line on stderr, prints nothing, and ends with status 2. The
# server runs without -noreset, as a bare Xvfb: it resets whenever its last client leaves, so the program
# must keep the one connection that it checks the display with.
XVFB_OPTIONS="-extension GLX"
source "$(dirname "$0")/lib.sh" "$@"

# Each case: the environment given to the program, then the words its one line must hold.
cases=(
    "-u DISPLAY|DISPLAY is not set"
    "DISPLAY=:4711|cannot open the X display \":4711\""
    "DISPLAY=$DISPLAY|display \"$DISPLAY\" offers no OpenGL"
)
for c in "${cases[@]}"; do
    environment=${c%%|*} words=${c#*|} status=0
    env $environment timeout 20 "$APP" >"$WORK/stdout" 2>"$WORK/stderr" || status=$?
    check "$status == 2" "$(wc -l <"$WORK/stderr") == 1" "$(wc -c <"$WORK/stdout") == 0"
    grep -qF "$words" "$WORK/stderr" || fail "no \"$words\" in: $(cat "$WORK/stderr")"
done
