#!/usr/bin/env bash
# Installs the build (cmake, build folder) into a temporary prefix: both programs and a valid desktop entry;
# the installed tresslow-sim finds its picture plug-in.
set -euo pipefail
prefix=$(mktemp -d) && trap 'rm -rf "$prefix"' EXIT
"$1" --install "$2" --prefix "$prefix" >/dev/null
[[ -x "$prefix/bin/tresslow" && -x "$prefix/bin/tresslow-sim" ]]
"$prefix/bin/tresslow-sim" --png "$prefix/picture.png" && [ -s "$prefix/picture.png" ]
desktop-file-validate "$prefix/share/applications/tresslow.desktop"
