#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing Zorbit3D need,
# only those that are missing (apt-get, through sudo when not root).
set -euo pipefail

PAKIETY=(
  build-essential cmake pkg-config
  libglut-dev libglu1-mesa-dev libgl1-mesa-dev libegl-dev libgl1-mesa-dri
  libsdl2-dev libsdl2-mixer-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xdotool x11-apps x11-utils imagemagick sox python3
)

brakuje=()
for p in "${PAKIETY[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || brakuje+=("$p")
done
[ ${#brakuje[@]} -eq 0 ] && exit 0

echo "Installing: ${brakuje[*]}"
jako_root=()
[ "$(id -u)" -eq 0 ] || jako_root=(sudo)
"${jako_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${jako_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${brakuje[@]}"
