#!/usr/bin/env bash
# Set-up and an optimised build into build/ (the game ends up at build/zorbit3d).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/przygotuj.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
