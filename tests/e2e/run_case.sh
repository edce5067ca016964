#!/usr/bin/env bash
# Runs driver cases under Wine in the run's session.
#   run_case.sh SESSION_DIR WINDOWS_BUILD_DIR GTEST_FILTER
set -euo pipefail
session=$1
build=$2
filter=$3
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=$session/prefix
. "$here/../../tools/wine-env.sh"
export DISPLAY=$(cat "$session/display")

# The cases' own folders live on the prefix's C: drive; drive letters the cases map
# point at folders under the session's disks/.
mkdir -p "$session/disks"
program=$(winpath "$build/diskkeeper.exe")
probe=$(winpath "$build/e2e/host_probe.exe")
exec timeout 280 "$WINELOADER" "$build/e2e/driver.exe" \
  --program="$program" --host-probe="$probe" \
  --unix-prefix="$WINEPREFIX" --unix-scratch="$session/disks" \
  --gtest_filter="$filter" </dev/null
