#!/usr/bin/env bash
# Installs, with apt-get, every Debian package that building, running and testing Tresslow needs,
# and only those that are missing. Safe to run again; does nothing when all are present.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  libfltk1.3-dev libgl-dev libgl1-mesa-dri libglu1-mesa-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils imagemagick fonts-dejavu-core libx11-dev libxdamage-dev
  desktop-file-utils appstream man-db groff-base librsvg2-bin dpkg-dev file
  libosmesa6-dev libpng-dev libcli11-dev python3-debian
  nlohmann-json3-dev gnuplot-nox python3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
