#!/usr/bin/env bash
# The frame rate as a user sees it: the real program under Xvfb (Mesa's software renderer), "P l a y" on,
# the view's frames counted as they reach the X server (each buffer swap damages the view's window). For
# each case, the median and 90th percentile of the time between frames in ms, and the processor use of the
# program (all its threads, the renderer's included), of the X server and of everything else on the machine
# (other users' work makes a row worthless), in % of one core. Play's period is 34 ms; frames that take
# longer to draw come as fast as they are drawn.
# Usage: scripts/bench-frame-rate.sh [BUILD_FOLDER] [SECONDS_PER_CASE, default 5]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(realpath "${1:-$ROOT/build}")
SPAN=${2:-5}
cmake --build "$BUILD" --target tresslow xwindow >/dev/null
source "$ROOT/scripts/drive-window.sh" "$BUILD/tresslow"

# Processor time of the whole machine so far, all cores, in 1/100 s.
machine_ticks() { awk '/^cpu / { print $2 + $3 + $4 + $7 + $8 + $9 }' /proc/stat; }

# Plays for a second to settle, then SPAN seconds measured, and stops; prints the case's row.
measure() {
    play on
    sleep 1
    local app server all
    app=$(cpu_ticks) server=$(cpu_ticks "$XVFB_PID") all=$(machine_ticks)
    "$XWINDOW" "$VIEW_ID" times "$SPAN" >"$WORK/times"
    app=$(($(cpu_ticks) - app)) server=$(($(cpu_ticks "$XVFB_PID") - server))
    all=$(($(machine_ticks) - all - app - server))
    play off
    awk 'NR > 1 { print $1 - last } { last = $1 }' "$WORK/times" | sort -n |
        awk -v label="$1" -v app="$app" -v server="$server" -v others="$all" -v span="$SPAN" '
            { period[NR] = $1 }
            END {
                if (NR < 2) { printf "%-28s too few frames\n", label; exit }
                printf "%-28s %6d %8.1f %8.1f %7.0f %7.0f %8.0f\n", label, NR + 1, period[int((NR + 1) / 2)],
                    period[int((NR - 1) * 0.9) + 1], app / span, server / span, others / span
            }'
}

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
printf "%-28s %6s %8s %8s %7s %7s %8s\n" case frames "median" "90th" "cpu %" "X cpu %" "others %"
start_tresslow  # the plane in Wireframe, one strand
measure "plane Wireframe, 1 strand"
measure_400() { measure "$1, 400"; }
tour_views measure_400
close_tresslow
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
