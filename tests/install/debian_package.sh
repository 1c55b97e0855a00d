#!/usr/bin/env bash
# Builds the Debian package (cpack, build folder), installs it into this machine with apt-get, checks what
# the desktop sees, removes it and checks that none of its files is left. Needs root: else skipped (77).
set -euo pipefail
cpack=$1 build=$2
source "$(dirname "$0")/check_layout.sh"
[[ $(id -u) == 0 ]] && command -v apt-get >/dev/null || { echo "skipped: needs root and apt-get" && exit 77; }
# One run at a time on this machine, whichever checkout it comes from; apt waits for another's dpkg.
exec 9>/run/lock/tresslow-package-test.lock
flock 9
apt=(apt-get -y -qq -o DPkg::Lock::Timeout=600)
[[ $(dpkg-query -W -f='${Status}' tresslow 2>/dev/null) != *" installed" ]] ||
    fail "tresslow is already installed here; remove it first (apt-get purge tresslow)"
work=$(mktemp -d) && chmod 755 "$work"  # apt reads the package as its own unprivileged user
installed=false
trap '! $installed || "${apt[@]}" purge tresslow >/dev/null; rm -rf "$work"' EXIT

"$cpack" -G DEB -B "$work" --config "$build/CPackConfig.cmake" >/dev/null
deb=$(echo "$work"/tresslow_*.deb)
mapfile -t paths < <(dpkg-deb -c "$deb" | awk '{ sub(/^\./, "", $6); sub(/\/$/, "", $6); print $6 }')
# Every folder of the package with what it holds, but for the desktop's indexes (*.cache), which the
# package manager's triggers rebuild: remove must bring this back as it was.
listing() { for p in "${paths[@]}"; do [[ ! -d $p ]] || find "$p" -maxdepth 1 ! -name '*.cache'; done | sort -u; }
before=$(listing)
# Every library the programs link is there already (building needed it): apt installs the package alone.
others=$(apt-get install -s "$deb" | awk '/^Inst/ && $2 != "tresslow"')
[[ -z $others ]] || fail "installing would bring in other packages too: $others"
installed=true
"${apt[@]}" install "$deb" >/dev/null
[[ $(/usr/bin/tresslow-sim --version) == "tresslow-sim $(dpkg-deb -f "$deb" Version)" ]] ||
    fail "tresslow-sim --version does not say the package's version"
check_layout /usr

# The declared dependencies cover every library that the installed programs name (NEEDED), each resolved
# as the loader does and traced to the package that owns it.
depends=" $(dpkg-deb -f "$deb" Depends | sed 's/ ([^)]*)//g; s/,//g') "
for program in /usr/bin/tresslow /usr/bin/tresslow-sim; do
    for soname in $(objdump -p "$program" | awk '$1 == "NEEDED" { print $2 }'); do
        library=$(ldd "$program" | awk -v name="$soname" '$1 == name { print $3 }')
        owner=$(dpkg -S "$library" 2>/dev/null || dpkg -S "/usr$library") || fail "no package owns $library"
        [[ $depends == *" ${owner%%:*} "* ]] || fail "$program needs $soname from ${owner%%:*}, not declared in:$depends"
    done
done
"${apt[@]}" purge tresslow >/dev/null
installed=false
[[ $(listing) == "$before" ]] || fail "files left behind: $(diff <(echo "$before") <(listing))"
