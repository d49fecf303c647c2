#!/bin/sh
# Runs the map loader's fuzzer for a bounded time, seeded with the shipped levels; anything
# it finds is kept beside the program as mapa_fuzz-crash-* and the like.
# Usage: fuzz.sh PROGRAM LEVELS_DIR
set -eu
program=$1
poziomy=$2
korpus=$(mktemp -d)
trap 'rm -rf "$korpus"' EXIT
cp "$poziomy"/*.map "$korpus"/
"$program" -max_total_time=30 -timeout=10 -rss_limit_mb=2048 -max_len=2048 \
    -print_final_stats=1 -artifact_prefix="$(dirname "$program")/mapa_fuzz-" "$korpus"
