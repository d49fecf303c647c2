#!/usr/bin/env bash
# The test set-up and a full build (game, tests, benchmarks) into build/; the game is build/zorbit3d.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/przygotuj.sh testy
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
