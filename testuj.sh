#!/usr/bin/env bash
# Builds Zorbit3D with its tests and benchmarks into build/ and runs every test: unit, render,
# end-to-end, fuzz, long and release. Extra arguments go to ctest (for example: ./testuj.sh -L unit).
set -euo pipefail
cd "$(dirname "$0")"
scripts/zbuduj.sh
ctest --test-dir build --output-on-failure -j"$(nproc)" "$@"
