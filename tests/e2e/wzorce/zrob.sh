#!/bin/sh
# Redraws the golden screenshots in this directory from the real program under Xvfb.
# Usage, from the source root: tests/e2e/wzorce/zrob.sh [path/to/zorbit3d]   (default build/zorbit3d)
set -e
ZORBIT_BIN=${1:-build/zorbit3d} exec python3 "$(dirname "$0")/../test_zrzuty.py" --zapisz
