#!/usr/bin/env bash
# Configures and builds everything into build/: the unit tests, the 32-bit program
# (build/windows/i686/diskkeeper.exe), and the 64-bit build with its test programs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$root/build" -j"$(nproc)"
