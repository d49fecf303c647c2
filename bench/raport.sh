#!/bin/sh
# The performance report: builds the game, its frame and step benchmarks, the reference scene
# and the launch probe, then prints each figure for the game and the reference side by side.
#   bench/raport.sh [BUILD_DIR] [raport.py options: --rounds N --seconds S --play S ...]
# Run from anywhere; it needs the test set-up (scripts/przygotuj.sh testy).
set -e
ZRODLO=$(cd "$(dirname "$0")/.." && pwd)
BUDOWA=build
case "$1" in -*|"") ;; *) BUDOWA=$1; shift ;; esac
cmake -S "$ZRODLO" -B "$BUDOWA" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUDOWA" -j2 --target zorbit3d kadr_fps idle_bench scena_wzorcowa pierwsza_klatka >/dev/null
exec python3 "$ZRODLO/bench/raport.py" "$BUDOWA" "$@"
