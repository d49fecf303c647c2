#!/bin/sh
# Frame-rate benchmark of the real frame in play (30 ghosts, full board) at 640x480 and
# 1280x960 on its own Xvfb. Usage: bench/fps.sh [BUILD_DIR] [SECONDS]
# Run from the source root (it reads data/gfx when the pictures are there).
set -e
BUDOWA=${1:-build}
SEKUNDY=${2:-5}
cmake --build "$BUDOWA" --target kadr_fps >/dev/null
exec 3>&1
FIFO=$(mktemp -u)
mkfifo "$FIFO"
Xvfb -displayfd 4 -noreset -nolisten tcp -screen 0 1600x1200x24 4>"$FIFO" 2>/dev/null &
XPID=$!
trap 'kill $XPID 2>/dev/null; rm -f "$FIFO"' EXIT
read -r NUMER <"$FIFO"
for ROZMIAR in "640 480" "1280 960"; do
    DISPLAY=":$NUMER" SDL_AUDIODRIVER=dummy "$BUDOWA/bench/kadr_fps" $ROZMIAR "$SEKUNDY"
done
