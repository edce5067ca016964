#!/usr/bin/env bash
# Starts or stops the Wine session of one end-to-end run: a fresh prefix and an X server.
#   wine_session.sh start DIR    wine_session.sh stop DIR
set -euo pipefail
action=$1
dir=$2
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=$dir/prefix
. "$here/../../tools/wine-env.sh"

start() {
  stop_session 2>/dev/null || true
  rm -rf "$dir"
  mkdir -p "$dir"
  local display=""
  for n in $(seq 90 199); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
    echo $! >"$dir/xvfb.pid"
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && { display=$n; break; }
      sleep 0.1
    done
    [ -n "$display" ] && break
  done
  [ -n "$display" ] || { echo "Xvfb did not start" >&2; exit 1; }
  echo ":$display" >"$dir/display"
  export DISPLAY=":$display"
  # Created once, up front, with its output kept away from the test runner's pipes.
  "$WINELOADER" wineboot --init >"$dir/wineboot.log" 2>&1 </dev/null
  "$WINELOADER" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    >>"$dir/wineboot.log" 2>&1 </dev/null
  "$WINESERVER" -w
  echo "Wine session ready: prefix $WINEPREFIX, display :$display"
}

stop_session() {
  [ -d "$WINEPREFIX" ] && "$WINESERVER" -k 2>/dev/null || true
  if [ -f "$dir/xvfb.pid" ]; then
    kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
    rm -f "$dir/xvfb.pid"
  fi
}

case $action in
  start) start ;;
  stop) stop_session; echo "Wine session stopped" ;;
  *) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
