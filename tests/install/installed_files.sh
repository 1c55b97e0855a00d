#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the program, tresslow-sim and a valid desktop
# entry land where a desktop's application menu looks for them. Arguments: cmake, the build folder.
set -euo pipefail
cmake=$1
build=$2

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

for program in tresslow tresslow-sim; do
  [ -x "$prefix/bin/$program" ] || { echo "not installed: bin/$program"; exit 1; }
done
entry=$prefix/share/applications/tresslow.desktop
[ -f "$entry" ] || { echo "not installed: share/applications/tresslow.desktop"; exit 1; }
desktop-file-validate "$entry"
grep -qx 'Exec=tresslow' "$entry"

# The installed companion runs on its own, away from the build folder.
"$prefix/bin/tresslow-sim" --frames 1 >/dev/null
echo "installed and valid: bin/tresslow, bin/tresslow-sim, share/applications/tresslow.desktop"
