#!/usr/bin/env bash
# Takes screenshots of the program's tray icon, with its tip, in Wine's notification area
# (a virtual desktop with its taskbar, on Xvfb): docs/tray_on.png with keep-awake on and
# docs/tray_off.png with it off. Needs a build (tools/build.sh).
#   tools/screenshot_tray.sh [output-directory]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/docs}
build=$root/build/windows/x86_64
work=$root/build/screenshot_tray
rm -rf "$work"
mkdir -p "$work/app" "$out"
export WINEPREFIX=$work/prefix
. "$root/tools/wine-env.sh"
cp "$build/diskkeeper.exe" "$build/tray_pose.exe" "$work/app/"

width=1024
height=768
start_private_session :72 ${width}x${height}
trap stop_private_session EXIT

# Everything runs in the one virtual desktop, whose taskbar holds the notification area.
in_desktop() {
  "$WINELOADER" explorer /desktop=tray,${width}x${height} "$(winpath "$1")" "${@:2}" \
    </dev/null 2>/dev/null
}
in_desktop "$work/app/diskkeeper.exe" >/dev/null &
sleep 6

# The icon sits at the right end of the taskbar; its tip shows above it while the
# mouse rests on it.
shoot() {
  in_desktop "$work/app/tray_pose.exe" "$1"
  sleep 2
  xdotool mousemove $((width / 2)) $((height / 2))
  sleep 1
  xdotool mousemove $((width - 11)) $((height - 10))
  sleep 3
  import -window root -crop 360x90+$((width - 360))+$((height - 90)) +repage \
    "$work/tray_$1.png"
  convert "$work/tray_$1.png" -scale 200% "$out/tray_$1.png"
  echo "saved $out/tray_$1.png"
}
shoot on
shoot off
