#!/usr/bin/env bash
# The manual pages (build folder) against the programs they describe: tresslow-sim(1) names every option
# of tresslow-sim --help and every key of a real JSON dump; tresslow(1) shows the lines the commands print
# and the message tresslow gives without a display; both carry the version tresslow-sim prints.
set -euo pipefail
build=$1
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Each page as one line of text: one paragraph a line at this width, then every run of blanks made one.
for page in tresslow tresslow-sim; do
    LC_ALL=C.UTF-8 MANWIDTH=1000 man -l "$build/data/man/$page.1.gz" | tr -s ' \n' '  ' >"$work/$page"
done
# Fails unless the page's text holds one of the phrases.
shows() {
    local page=$1
    shift
    grep -qF "${@/#/-e}" "$work/$page" || fail "$page(1) does not show \"$1\""
}

version=$("$build/tresslow-sim" --version)
for page in tresslow tresslow-sim; do shows $page "Tresslow ${version#tresslow-sim }"; done

for option in $("$build/tresslow-sim" --help | grep -o -- '--[a-z-]*' | sort -u); do shows tresslow-sim "$option"; done
"$build/tresslow-sim" --shape sphere --frames 1 --dump "$work/dump.json" >/dev/null
# Each key set in bold in the page's source, as a key is (a plain word like "wind" is in the text anyway).
for key in $(grep -o '"[A-Za-z]*":' "$work/dump.json" | tr -d '":' | sort -u); do
    grep -qE "^\.BR? $key( |\$)" "$build/data/man/tresslow-sim.1" || fail "tresslow-sim(1) does not name the key $key"
done

# Each printed line, or its text with the number as N.
"$build/tresslow-sim" --style combed --length 21 --rest-angle 30 --shape sphere >"$work/lines"
[[ $(wc -l <"$work/lines") == 4 ]] || fail "expected four printed lines, got: $(cat "$work/lines")"
while read -r line; do shows tresslow "$line" "${line% *} N"; done <"$work/lines"
status=0
env -u DISPLAY "$build/tresslow" 2>"$work/message" || status=$?
shows tresslow "$(cat "$work/message")"
shows tresslow "$status No usable display"
