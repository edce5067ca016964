#!/usr/bin/env bash
# Prints the program's figures, each beside a baseline measured in the same run: a minimal
# Win32 program (one empty window) built by the project and run under the same Wine.
# Needs a build (tools/build.sh). Figures are printed, never asserted.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${RUNS:-9}
work=$root/build/benchmark
rm -rf "$work"
mkdir -p "$work/program" "$work/minimal"
export WINEPREFIX=$work/prefix
. "$root/tools/wine-env.sh"
win32=$root/build/windows/i686
win64=$root/build/windows/x86_64

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

echo "== executable size (32-bit build, the shipped program)"
size_program=$(stat -c %s "$win32/diskkeeper.exe")
size_minimal=$(stat -c %s "$win32/minimal_window.exe")
echo "program $((size_program / 1024)) KiB, minimal window $((size_minimal / 1024)) KiB," \
     "ratio $(ratio "$size_program" "$size_minimal") (aim: program under 200 KiB)"

start_private_session :72 1280x800
trap stop_private_session EXIT

cp "$win64/diskkeeper.exe" "$work/program/"
cp "$win64/minimal_window.exe" "$work/minimal/"
# Program and baseline take turns, so that a busy moment of the machine hits both alike;
# one start of each first warms Wine up and is not counted.
measure() {  # measure EXE COUNT -> lines "ms working_set_kib private_kib"
  "$WINELOADER" "$win64/measure_start.exe" "$(winpath "$1")" "$2" 2>/dev/null
}
measure "$work/program/diskkeeper.exe" 1 >/dev/null
measure "$work/minimal/minimal_window.exe" 1 >/dev/null
for _ in $(seq "$runs"); do
  measure "$work/program/diskkeeper.exe" 1 >>"$work/program.txt"
  measure "$work/minimal/minimal_window.exe" 1 >>"$work/minimal.txt"
done

echo "== start-up to visible main window (64-bit build under Wine, median of $runs)"
p=$(cut -d' ' -f1 "$work/program.txt" | median); m=$(cut -d' ' -f1 "$work/minimal.txt" | median)
echo "program $p ms, minimal window $m ms, ratio $(ratio "$p" "$m") (aim: within 1.3)"
echo "== memory once visible (median of $runs)"
p=$(cut -d' ' -f2 "$work/program.txt" | median); m=$(cut -d' ' -f2 "$work/minimal.txt" | median)
echo "working set: program $p KiB, minimal window $m KiB, ratio $(ratio "$p" "$m") (aim: within 1.3)"

# The keep-awake tick: calls, flushes and bytes per tick, and the soak (SOAK_TICKS ticks).
"$root/tools/benchmark_ticks.sh" "${SOAK_TICKS:-100000}"
