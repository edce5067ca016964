#!/usr/bin/env bash
# Takes a screenshot of the real main window under Wine in a virtual desktop on Xvfb
# (Wine draws the frame there), with Chinese text rendered: docs/main_window.png.
# Needs a build (tools/build.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$root/build/screenshot
rm -rf "$work"
mkdir -p "$work/app"
export WINEPREFIX=$work/prefix
. "$root/tools/wine-env.sh"
cp "$root/build/windows/x86_64/diskkeeper.exe" "$work/app/"

start_private_session :71 800x600
trap stop_private_session EXIT
"$WINELOADER" explorer /desktop=shot,440x220 "$(winpath "$work/app/diskkeeper.exe")" \
  >/dev/null 2>&1 </dev/null &
sleep 6
import -window root -crop 440x220+0+0 +repage "${1:-$root/docs/main_window.png}"
echo "saved ${1:-$root/docs/main_window.png}"
