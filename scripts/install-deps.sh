#!/usr/bin/env bash
# Installs, with apt-get, every Debian package that building, running and testing Tresslow needs,
# and only those that are missing, with any further PACKAGEs that a make target needs; with --validator,
# also the Khronos glTF validator that the export tests run, from npm, into BUILD/node.
# Usage: install-deps.sh [--validator BUILD] [PACKAGE...]. Safe to run again: does only what is missing.
set -euo pipefail
validator_folder=""
if [ "${1:-}" = --validator ]; then
  validator_folder=$2/node
  shift 2
fi

packages=(
  g++ cmake make pkg-config
  libfltk1.3-dev libgl-dev libgl1-mesa-dri libglu1-mesa-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils imagemagick fonts-dejavu-core libx11-dev libxdamage-dev
  desktop-file-utils appstream man-db groff-base librsvg2-bin dpkg-dev file
  libosmesa6-dev libpng-dev libcli11-dev python3-debian
  libtinygltf-dev assimp-utils nlohmann-json3-dev gnuplot-nox python3
  "$@"
)
# Node.js and npm for the validator: Debian's only where the commands are missing, so that a Node.js
# installed some other way (with its own npm) is left alone.
[ -z "$validator_folder" ] || { command -v node >/dev/null && command -v npm >/dev/null; } || packages+=(nodejs npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

validator=gltf-validator@2.0.0-dev.3.10
if [ -n "$validator_folder" ] && [ "$(cat "$validator_folder/installed" 2>/dev/null)" != "$validator" ]; then
  echo "installing: $validator into $validator_folder"
  npm install --prefix "$validator_folder" --no-audit --no-fund --loglevel=error "$validator"
  echo "$validator" >"$validator_folder/installed"
fi
