#!/usr/bin/env bash
# Builds Zorbit3D and runs every test: unit, render, end-to-end, fuzz and long.
# Extra arguments go to ctest (for example: ./testuj.sh -L unit).
set -euo pipefail
cd "$(dirname "$0")"
scripts/zbuduj.sh
ctest --test-dir build --output-on-failure -j"$(nproc)" "$@"
