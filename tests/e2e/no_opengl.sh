# Started on an X display that offers no OpenGL (an X server without its GLX extension), the program says
# so in one line on stderr and exits with a non-zero status, without a crash.
# Without -noreset, as a bare Xvfb runs: the server resets whenever its last client leaves, so the
# program must keep the one connection that it checks the display with.
XVFB_OPTIONS="-extension GLX"
source "$(dirname "$0")/lib.sh" "$@"

status=0
timeout 20 "$APP" >"$WORK/stdout" 2>"$WORK/stderr" || status=$?
expect [ "$status" -ne 0 ]
expect [ "$status" -lt 124 ]  # 124: still running after 20 s; 128 and above: killed by a signal
expect [ "$(wc -l <"$WORK/stderr")" = 1 ]
grep -q "OpenGL" "$WORK/stderr" || fail "the message does not name OpenGL"
expect [ ! -s "$WORK/stdout" ]
