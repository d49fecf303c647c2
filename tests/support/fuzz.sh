#!/bin/sh
# Runs a libFuzzer program for a bounded time on a throw-away copy of its seed files; anything
# it finds is kept beside the program as <program>-crash-* and the like.
# Usage: fuzz.sh PROGRAM SEEDS_DIR EXTENSION SECONDS MAX_LEN
set -eu
program=$1
ziarna=$2
rozszerzenie=$3
sekundy=$4
dlugosc=$5
korpus=$(mktemp -d)
trap 'rm -rf "$korpus"' EXIT
cp "$ziarna"/*."$rozszerzenie" "$korpus"/
"$program" -max_total_time="$sekundy" -timeout=10 -rss_limit_mb=2048 -max_len="$dlugosc" \
    -print_final_stats=1 -artifact_prefix="$program-" "$korpus"
