#!/bin/sh
# Remakes the committed demos' expected dumps from the real program, after a wanted change.
# Usage, from the source root:
#   tests/demo/zrob.sh [build]           every <name>.zrzut from its <name>.demo
#   tests/demo/zrob.sh --plany [build]   first every <name>.demo from its <name>.plan, then the dumps
# (build is the build directory, build/ by default; it needs zorbit3d and demo_z_planu.)
set -e
tu=$(cd "$(dirname "$0")" && pwd)
plany=
if [ "$1" = "--plany" ]; then plany=1; shift; fi
build=$(cd "${1:-build}" && pwd)
poziomy=$(cd "$tu/../../tools/poziomy" && pwd)
python3 "$poziomy/poziomy.py" --wyjscie "$tu/dane/data/mapy" "$tu"/poziomy/*.txt
tymczasowy=$(mktemp)
trap 'rm -f "$tymczasowy"' EXIT
for plan in "$tu"/*.plan; do
  demo=${plan%.plan}.demo
  if [ -n "$plany" ]; then
    (cd "$tu/dane" && "$build/tests/demo_z_planu" "$plan" "$demo" "$tymczasowy")
  fi
  python3 "$tu/porownaj.py" "$build/zorbit3d" "$demo" --zapisz
  # The game as the maker played it and as the real program replays it must be the same game.
  if [ -n "$plany" ] && ! cmp -s "$tymczasowy" "${plan%.plan}.zrzut"; then
    echo "$demo: the replay is not the game the plan played:" >&2
    diff "$tymczasowy" "${plan%.plan}.zrzut" | head >&2
    exit 1
  fi
done
