#!/usr/bin/env bash
# Measures the keep-awake tick of the 64-bit build under Wine and prints the figures
# (it asserts nothing):
#   1. the Win32 calls one tick makes, from a Wine relay trace of 10 posted ticks;
#   2. device flushes and bytes written per tick, over 100 ticks (strace, /proc/PID/io,
#      and the disk's own write counter);
#   3. a soak of posted ticks (100000 by default) with the disk detached and re-attached
#      every 1000: the program's handles, GDI objects, windows and memory before and
#      after, and the files left in the watched folder.
#   tools/benchmark_ticks.sh [SOAK_TICKS]      (also run at the end of tools/benchmark.sh)
# Run tools/build.sh first. Uses a Wine session of its own under build/bench-session.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
soak_ticks=${1:-100000}
build=$root/build/windows/x86_64
session=$root/build/bench-session
for exe in "$build/diskkeeper.exe" "$build/e2e/tick_bench.exe"; do
  [ -f "$exe" ] || { echo "missing $exe: run tools/build.sh first" >&2; exit 1; }
done

"$root/tests/e2e/wine_session.sh" start "$session" >/dev/null
export WINEPREFIX=$session/prefix
. "$root/tools/wine-env.sh"
export DISPLAY=$(cat "$session/display")

work=$session/work
disk=$work/disk
drive_link=$WINEPREFIX/dosdevices/e:
mkdir -p "$work/prog" "$disk"
cp "$build/diskkeeper.exe" "$work/prog/"
program_unix=$work/prog/diskkeeper.exe
program=$(winpath "$program_unix")
bench() { "$WINELOADER" "$build/e2e/tick_bench.exe" "$@"; }
attach() { ln -sfn "$disk" "$drive_link"; }
detach() { rm -f "$drive_link"; }

program_pid=""
tracer_pid=""
cleanup() {
  [ -n "$tracer_pid" ] && kill "$tracer_pid" 2>/dev/null || true
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  "$root/tests/e2e/wine_session.sh" stop "$session" >/dev/null 2>&1 || true
}
trap cleanup EXIT

# Starts the program (with the given WINEDEBUG) and switches keep-awake on for E:\.
start_program() {
  printf '[disk]\r\npath=\r\nrun=false\r\n' >"$work/prog/config.ini"
  WINEDEBUG=$1 "$WINELOADER" "$program" >"$2" 2>&1 &
  program_pid=$!
  for _ in $(seq 100); do bench stats >/dev/null 2>&1 && break; sleep 0.2; done
  bench start 'E:\' >/dev/null
}

stop_program() {
  bench close || true
  wait "$program_pid" 2>/dev/null || true
  program_pid=""
}

# The wineserver of this prefix: its working directory is named after the prefix.
wineserver_pid() {
  local dir
  dir=server-$(stat -c %D "$WINEPREFIX")-$(printf %x "$(stat -c %i "$WINEPREFIX")")
  for pid in $(pgrep -x "$(basename "$WINESERVER")"); do
    case $(readlink "/proc/$pid/cwd") in */"$dir") echo "$pid"; return ;; esac
  done
}

io_field() { awk -v key="$2:" '$1 == key { print $2 }' "/proc/$1/io"; }
disk_sectors_written() {
  local device
  device=$(basename "$(df --output=source "$disk" | tail -1)")
  awk -v dev="$device" '$3 == dev { print $10 }' /proc/diskstats
}

attach

echo "== Win32 calls per tick (relay trace of 10 posted ticks, calls made by the program's own code)"
start_program +relay "$work/relay.log"
mark=$(wc -l <"$work/relay.log")
bench post 10 >/dev/null
stop_program
# Calls from inside the timer's window procedure while it handles WM_TIMER whose return
# address lies in the executable's image (0x140000000 upwards), grouped by function.
tail -n +"$((mark + 1))" "$work/relay.log" | awk '
  /Call window proc .*msg=WM_TIMER/ { inside = 1; ticks++; next }
  /Ret  window proc .*msg=WM_TIMER/ { inside = 0; next }
  inside && /:Call [A-Za-z0-9_]+\.[A-Za-z0-9_]+\(/ && / ret=14[0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f]$/ {
    match($0, /Call [A-Za-z0-9_]+\.[A-Za-z0-9_]+/)
    name = substr($0, RSTART + 5, RLENGTH - 5)
    count[name]++
  }
  END {
    if (!ticks) { print "  no tick found in the trace"; exit }
    sorter = "sort"
    for (name in count) {
      kind = (name ~ /^msvcrt\./) ? "C runtime" : "Win32"
      printf "  %-10s %-36s %5.1f per tick\n", kind, name, count[name] / ticks | sorter
      if (kind == "Win32") win32 += count[name]; else crt += count[name]
    }
    close(sorter)
    printf "  ticks traced: %d; Win32 calls per tick: %.1f (GetWindowLongPtrA is the host finding\n", ticks, win32 / ticks
    printf "  the timer behind its window); C runtime calls per tick: %.1f (the path texts)\n", crt / ticks
  }'
rm -f "$work/relay.log"

echo "== Device flushes and bytes written per tick (100 posted ticks)"
start_program -all /dev/null
pid=$(pgrep -n -f "work.prog.diskkeeper[.]exe" || true)
server=$(wineserver_pid)
strace -f -y -e trace=fsync,fdatasync,syncfs,sync_file_range -o "$work/flushes.log" \
  -p "$pid" 2>"$work/strace.messages" &
tracer_pid=$!
for _ in $(seq 100); do grep -q attached "$work/strace.messages" 2>/dev/null && break; sleep 0.1; done
sync
program_before=$(io_field "$pid" write_bytes)
server_before=$(io_field "$server" write_bytes)
sectors_before=$(disk_sectors_written)
bench post 100 >/dev/null
sync
program_after=$(io_field "$pid" write_bytes)
server_after=$(io_field "$server" write_bytes)
sectors_after=$(disk_sectors_written)
kill "$tracer_pid"; wait "$tracer_pid" 2>/dev/null || true; tracer_pid=""
flushes=$(grep -c 'temp\.tmp>' "$work/flushes.log" || true)
other=$(grep -vc 'temp\.tmp>\|^[0-9]* +++\|^[0-9]* ---' "$work/flushes.log" || true)
awk -v f="$flushes" -v o="$other" -v pa="$program_after" -v pb="$program_before" \
    -v sa="$server_after" -v sb="$server_before" -v da="$sectors_after" -v db="$sectors_before" '
  BEGIN {
    printf "  flushes of the probe per tick: %.2f (other flush calls: %d)\n", f / 100, o
    printf "  write_bytes per tick, program process (/proc/PID/io): %.1f\n", (pa - pb) / 100
    printf "  write_bytes per tick, wineserver (/proc/PID/io): %.1f\n", (sa - sb) / 100
    printf "  device bytes written per tick, whole disk (/proc/diskstats, includes other writers): %.1f\n",
           (da - db) * 512 / 100
  }'
stop_program

echo "== Soak: $soak_ticks posted ticks, disk detached and re-attached every 1000"
start_program -all /dev/null
pid=$(pgrep -n -f "work.prog.diskkeeper[.]exe" || true)
unix_stats() {
  printf 'rss_kb=%s unix_fds=%s' "$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")" \
    "$(ls "/proc/$pid/fd" | wc -l)"
}
bench post 1000 >/dev/null  # settle caches before the first reading
echo "  before: $(bench stats) $(unix_stats)"
inotifywait -m -e create -e delete --format '%e %f' -o "$work/creates.log" "$disk" 2>"$work/inotify.messages" &
tracer_pid=$!
for _ in $(seq 100); do grep -q established "$work/inotify.messages" 2>/dev/null && break; sleep 0.1; done
started=$(date +%s)
done_ticks=0
attached=1
while [ "$done_ticks" -lt "$soak_ticks" ]; do
  batch=$(( soak_ticks - done_ticks < 1000 ? soak_ticks - done_ticks : 1000 ))
  bench post "$batch" >/dev/null
  done_ticks=$((done_ticks + batch))
  if [ "$attached" = 1 ]; then detach; attached=0; else attach; attached=1; fi
done
attach
elapsed=$(( $(date +%s) - started ))
kill "$tracer_pid"; wait "$tracer_pid" 2>/dev/null || true; tracer_pid=""
echo "  after:  $(bench stats) $(unix_stats)"
echo "  probes made: $(grep -c '^CREATE temp\.tmp$' "$work/creates.log" || true)" \
     "(ticks with the disk attached: $(( (soak_ticks / 2000) * 1000 + (soak_ticks % 2000 < 1000 ? soak_ticks % 2000 : 1000) )))"
echo "  files left in the watched folder: $(ls -A "$disk" | wc -l)"
echo "  soak time: ${elapsed} s for $soak_ticks ticks"
stop_program
