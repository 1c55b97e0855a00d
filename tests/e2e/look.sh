# What the end-to-end stories judge: conditions on the view's pixels in a screenshot, sorted by colour and
# measured, and on what the program printed. Usage: source look.sh PROGRAM
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/drive-window.sh" "$@"

# Fails unless every CONDITION holds: an awk expression of the story's variables, written $NAME.
check() {
    local c e
    for c in "$@"; do
        eval "e=\"$c\""
        awk "function near(v, e, t) { return v >= e - t && v <= e + t } BEGIN { exit !($e) }" || fail "$c: $e"
    done
}
lines() { grep -c "${1:-.}" "$WORK/stdout" || true; }  # the printed lines that match, default all
# The view's pixels in screenshot NAME, one "r g b" line each, row by row.
pixels() { convert "$WORK/$1.png" -crop "$VIEW" +repage -depth 8 rgb:- | od -An -v -tu1 -w3; }

# Takes screenshot NAME and checks the CONDITIONs on its view. Sets how many pixels show the light-blue
# BACKGROUND, the BLUE plane, the control POINTS, the polygon SEGMENTS, the lit GOLD shape and BROWN hair;
# the blue's width, height and centre (BLUE_W, BLUE_H, BLUE_X, BLUE_Y). With OUTLINE=sphere or torus (at
# zoom 1, not turned or moved), the hair pixels outside that shape above and below its centre (HAIR_ABOVE,
# HAIR_BELOW) and their near-black share (DARK_ABOVE, DARK_BELOW). The view maps -200..200 onto 445 columns
# and 455 rows. The sphere shows as a disc of radius 100, the torus as the points within 50 of an ellipse of
# half-axes 100 and 86.6; the ellipses of half-axes 53 more and 53 less stay 52.6 from that one.
look() {
    shot "$1"
    eval "$(pixels "$1" | awk -v outline="${OUTLINE:-}" '
        function is(r, g, b, t) { return ($1 - r) ^ 2 <= t ^ 2 && ($2 - g) ^ 2 <= t ^ 2 && ($3 - b) ^ 2 <= t ^ 2 }
        function outside(wx, wy) {
            if (outline == "sphere") return wx * wx + wy * wy > 103 ^ 2
            return (wx / 153) ^ 2 + (wy / 139.6) ^ 2 > 1 || (wx / 47) ^ 2 + (wy / 33.6) ^ 2 < 1
        }
        BEGIN { n["BLUE"] = n["HAIR_ABOVE"] = n["HAIR_BELOW"] = 0 }
        {
            x = (NR - 1) % 445
            y = int((NR - 1) / 445)
            blue = is(0, 0, 255, 2)
            if (blue && !n["BLUE"]++) { left = right = x; top = y }
            if (blue) { left = x < left ? x : left; right = x > right ? x : right; bottom = y; sx += x; sy += y }
            n["BACKGROUND"] += is(153, 178, 229, 2)
            n["POINTS"] += is(0, 127, 255, 2)
            n["SEGMENTS"] += is(254, 240, 215, 40)
            n["BROWN"] += $1 > 60 && $2 > 0.5 * $1 && $2 < 0.66 * $1 && $3 > 0.2 * $1 && $3 < 0.34 * $1
            n["GOLD"] += $1 > 90 && $2 > 0.62 * $1 && $2 < 0.85 * $1 && $3 < 0.22 * $1
            wx = (x + 0.5) / 445 * 400 - 200
            wy = 200 - (y + 0.5) / 455 * 400
            if (outline == "" || is(153, 178, 229, 2) || !outside(wx, wy)) next
            half = wy > 0 ? "ABOVE" : "BELOW"
            n["HAIR_" half]++
            dark[half] += $1 < 64 && $2 < 64 && $3 < 64
        }
        END {
            for (k in n) print k "=" n[k]
            for (half in dark) printf "DARK_%s=%.3f\n", half, dark[half] / n["HAIR_" half]
            printf "BLUE_W=%d BLUE_H=%d BLUE_X=%.0f BLUE_Y=%.0f\n", right - left + 1, bottom - top + 1,
                sx / (n["BLUE"] + !n["BLUE"]), sy / (n["BLUE"] + !n["BLUE"])
        }')"
    check "${@:2}"
}

# Takes screenshot NAME after the draws that COMMAND caused, has tresslow-sim draw them with $SIM_OPTIONS
# and OPTIONS, and checks that at most 0.5 % of the view's pixels (edges rasterised apart) are more than 2
# levels apart in a channel (the off-screen buffer and the window's visual round colours apart by one).
compare_with_sim() {
    local frames counts
    frames=$(draws_during "$3")
    shot "$1"
    "$(dirname "$APP")/tresslow-sim" $SIM_OPTIONS $2 --frames "$frames" --png "$WORK/$1-sim.png" >/dev/null
    counts=$(paste -d ' ' <(pixels "$1") <(convert "$WORK/$1-sim.png" -depth 8 rgb:- | od -An -v -tu1 -w3) |
        awk '{ n += ($1 - $4) ^ 2 > 4 || ($2 - $5) ^ 2 > 4 || ($3 - $6) ^ 2 > 4 } END { print n + 0, NR }')
    check "$frames >= 1" "${counts#* } == 445 * 455" "${counts% *} <= 0.005 * 445 * 455"
}
