#!/usr/bin/env bash
# For information: where one frame of the view goes on the real GL stack, with Mesa's software renderer in
# an X server of its own (Xvfb): for 20 x 20 strands on each shape in each mode, the animation step, the draw
# calls, glFinish (the rasterisation) and the buffer swap. scripts/bench-frame-rate.sh measures the frames
# of the real program as they reach the screen. Usage: scripts/bench-real-gl.sh [build folder, default build]
set -euo pipefail

build=${1:-build}
cmake --build "$build" --target tresslow-gl-bench >/dev/null
work=$(mktemp -d)
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
DISPLAY=":$(head -1 "$work/display")" LIBGL_ALWAYS_SOFTWARE=1 "$build/tresslow-gl-bench"
