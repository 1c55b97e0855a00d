#!/usr/bin/env bash
# Installs the build (cmake, build folder) into a temporary prefix: what a desktop finds, the picture plug-in
# that tresslow-sim loads (--png alone: after one frame, as the window's first draw), the manual pages' text.
set -euo pipefail
source "$(dirname "$0")/check_layout.sh"
prefix=$(mktemp -d) && trap 'rm -rf "$prefix"' EXIT
"$1" --install "$2" --prefix "$prefix" >/dev/null && cd "$prefix"
check_layout "$prefix"
bin/tresslow-sim --shape sphere --dump dump.json --png picture.png >/dev/null && grep -q '"frames":1,' dump.json ||
    fail "the installed tresslow-sim draws no picture of the first frame"

# Each page as one line of text (a paragraph a line at this width, every run of blanks made one) shows:
# both the version; tresslow-sim(1) every option of its --help and, set in bold as keys are, every key of a
# dump; tresslow(1) each line the commands print (or with its number as N), the message without a display
# and its status.
for page in tresslow tresslow-sim; do
    LC_ALL=C.UTF-8 MANWIDTH=1000 man -l "share/man/man1/$page.1.gz" | tr -s ' \n' '  ' >"$page.txt"
done
shows() { local page=$1 && shift && grep -qF "${@/#/-e}" "$page.txt" || fail "$page(1) does not show \"$1\""; }
version=$(bin/tresslow-sim --version)
[[ $(env -u DISPLAY bin/tresslow --version) == "tresslow ${version#tresslow-sim }" ]] &&
    env -u DISPLAY bin/tresslow --help | grep -q "man tresslow$" || fail "tresslow --version or --help wants a display"
for page in tresslow tresslow-sim; do shows $page "Tresslow ${version#tresslow-sim }"; done
for option in $(bin/tresslow-sim --help | grep -o -- '--[a-z-]*' | sort -u); do shows tresslow-sim "$option"; done
for key in $(grep -o '"[A-Za-z]*":' dump.json | tr -d '":' | sort -u); do
    zgrep -qE "^\.BR? $key( |\$)" share/man/man1/tresslow-sim.1.gz || fail "tresslow-sim(1) does not name the key $key"
done
bin/tresslow-sim --style combed --length 21 --rest-angle 30 --shape sphere >lines
env -u DISPLAY bin/tresslow 2>>lines || echo "$? No usable display" >>lines
[[ $(wc -l <lines) == 6 ]] || fail "expected four printed lines, a message and a status: $(cat lines)"
while read -r line; do shows tresslow "$line" "${line% *} N"; done <lines
