#!/bin/sh
# Runs the reader's fuzzer for a bounded time on a throw-away copy of the fixtures;
# anything it finds is kept beside the program as bmp_fuzz-crash-* and the like.
# Usage: fuzz.sh PROGRAM FIXTURES_DIR
set -eu
program=$1
fiksy=$2
korpus=$(mktemp -d)
trap 'rm -rf "$korpus"' EXIT
cp "$fiksy"/*.bmp "$korpus"/
"$program" -max_total_time=45 -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -print_final_stats=1 -artifact_prefix="$(dirname "$program")/bmp_fuzz-" "$korpus"
