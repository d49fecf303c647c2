#!/usr/bin/env bash
# Builds Zorbit3D if needed and starts it from the repository root, where data/ lies.
set -euo pipefail
cd "$(dirname "$0")"
scripts/zbuduj.sh
exec ./build/zorbit3d "$@"
