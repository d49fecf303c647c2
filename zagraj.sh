#!/usr/bin/env bash
# Builds Zorbit3D for playing (no tests, no benchmarks) into build-gra/ and starts it from the
# repository root, where data/ lies. Quiet when all goes well; a failed step shows its output.
# The set-up speaks for itself: one "Installing: ..." line while packages come, errors as they are.
set -euo pipefail
cd "$(dirname "$0")"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
krok() {
  if ! "$@" >"$log" 2>&1; then
    cat "$log" >&2
    echo "zagraj.sh: failed: $*" >&2
    exit 1
  fi
}
scripts/przygotuj.sh gra
krok cmake -S . -B build-gra -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORBIT_TESTS=OFF -DZORBIT_BENCH=OFF
krok cmake --build build-gra -j"$(nproc)"
exec ./build-gra/zorbit3d "$@"
