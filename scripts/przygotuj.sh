#!/usr/bin/env bash
# Installs the Debian packages Zorbit3D needs, only those that are missing (apt-get, through sudo
# when not root). Usage: scripts/przygotuj.sh [gra|testy]
#   gra    what building and playing needs
#   testy  that and everything the tests and benchmarks need (the default)
set -euo pipefail

GRA=(
  build-essential cmake pkg-config
  libglut-dev libglu1-mesa-dev libgl1-mesa-dev libgl1-mesa-dri
  libsdl2-dev
)
TESTY=(
  libegl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xdotool x11-apps x11-utils imagemagick sox python3
  desktop-file-utils appstream lintian dpkg-dev fakeroot groff-base man-db file
)

PAKIETY=("${GRA[@]}")
[ "${1:-testy}" = gra ] || PAKIETY+=("${TESTY[@]}")

brakuje=()
for p in "${PAKIETY[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || brakuje+=("$p")
done
[ ${#brakuje[@]} -eq 0 ] && exit 0

echo "Installing: ${brakuje[*]}"
jako_root=()
[ "$(id -u)" -eq 0 ] || jako_root=(sudo)
"${jako_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${jako_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${brakuje[@]}" >/dev/null
