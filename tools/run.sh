#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it under Wine. It runs from
# build/run/, where it keeps its config.ini. Without a display it starts an X server
# of its own (Xvfb) and says where to look.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
"$root/tools/build.sh"
export WINEPREFIX=${WINEPREFIX:-$root/build/run-prefix}
. "$root/tools/wine-env.sh"

if [ "$WINE_RUNS_32BIT" = 1 ]; then
  exe=$root/build/windows/i686/diskkeeper.exe
  loader=/usr/lib/wine/wine
else
  echo "This host runs 64-bit code only; starting the 64-bit build of the same sources."
  exe=$root/build/windows/x86_64/diskkeeper.exe
  loader=$WINELOADER
fi
mkdir -p "$root/build/run"
cp "$exe" "$root/build/run/diskkeeper.exe"

if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=:64
  Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  sleep 1
  echo "No display was set: the program runs on the virtual display $DISPLAY"
  echo "(look with: DISPLAY=$DISPLAY import -window root shot.png)."
fi
exec "$loader" "$root/build/run/diskkeeper.exe"
