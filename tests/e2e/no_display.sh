# Started with no display, the program says so in one line on stderr and exits with a non-zero status.
source "$(dirname "$0")/lib.sh" "$@"

status=0
env -u DISPLAY "$APP" >"$WORK/stdout" 2>"$WORK/stderr" || status=$?
expect [ "$status" -ne 0 ]
expect [ "$status" -lt 128 ]
expect [ "$(wc -l <"$WORK/stderr")" = 1 ]
grep -q "display" "$WORK/stderr" || fail "the message does not name the display"
expect [ ! -s "$WORK/stdout" ]
