# What the end-to-end stories judge: conditions on the view's pixels in a screenshot, sorted by colour and
# counted, and on what the program printed. Usage: source look.sh PROGRAM
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
# BACKGROUND, the BLUE plane, the lit GOLD shape and BROWN hair.
look() {
    shot "$1"
    eval "$(pixels "$1" | awk '
        function is(r, g, b, t) { return ($1 - r) ^ 2 <= t ^ 2 && ($2 - g) ^ 2 <= t ^ 2 && ($3 - b) ^ 2 <= t ^ 2 }
        {
            n["BACKGROUND"] += is(153, 178, 229, 2)
            n["BLUE"] += is(0, 0, 255, 2)
            n["BROWN"] += $1 > 60 && $2 > 0.5 * $1 && $2 < 0.66 * $1 && $3 > 0.2 * $1 && $3 < 0.34 * $1
            n["GOLD"] += $1 > 90 && $2 > 0.62 * $1 && $2 < 0.85 * $1 && $3 < 0.22 * $1
        }
        END { for (k in n) print k "=" n[k] }')"
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
