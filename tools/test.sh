#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the native unit
# tests (also under sanitizers) and the end-to-end tests of the real program under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
"$root/tools/build.sh"
ctest --test-dir "$root/build" --output-on-failure "$@"
