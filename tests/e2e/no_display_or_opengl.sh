# With DISPLAY unset, a display that cannot be opened or one without OpenGL (an X server without GLX), the
# program says which in one line on stderr, prints nothing and ends with status 2. The bare Xvfb resets when
# its last client leaves (no -noreset): the program must keep the one connection it checks the display with.
XVFB_OPTIONS="-extension GLX"
source "$(dirname "$0")/look.sh" "$@"

for c in "-u DISPLAY|DISPLAY is not set" "DISPLAY=:4711|cannot open the X display \":4711\"" \
    "DISPLAY=$DISPLAY|display \"$DISPLAY\" offers no OpenGL"; do
    environment=${c%%|*} words=${c#*|} STATUS=0
    env $environment timeout 20 "$APP" >"$WORK/stdout" 2>"$WORK/stderr" || STATUS=$?
    check '$STATUS == 2' "$(wc -l <"$WORK/stderr") == 1" "$(wc -c <"$WORK/stdout") == 0"
    grep -qF "$words" "$WORK/stderr" || fail "no \"$words\" in: $(cat "$WORK/stderr")"
done
