#!/usr/bin/env bash
# Installs the build (cmake, build folder) into a temporary prefix and checks what a desktop finds there;
# the installed tresslow-sim finds its picture plug-in.
set -euo pipefail
source "$(dirname "$0")/check_layout.sh"
prefix=$(mktemp -d) && trap 'rm -rf "$prefix"' EXIT
"$1" --install "$2" --prefix "$prefix" >/dev/null
check_layout "$prefix"
"$prefix/bin/tresslow-sim" --png "$prefix/picture.png" && [ -s "$prefix/picture.png" ]
