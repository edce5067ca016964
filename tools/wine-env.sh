# Sourced by the scripts that run Windows programs: picks the Wine loader and server and
# sets the environment every Wine run here shares. Expects WINEPREFIX to be set.
#
# Some hosts (this project's build machines among them) run 64-bit code only; there the
# 32-bit loader cannot start and the 64-bit build of the program is the one to run.
if [ -x /usr/lib/wine/wine64 ]; then
  WINE_LOADER_64=/usr/lib/wine/wine64
  WINE_SERVER=/usr/lib/wine/wineserver64
else
  WINE_LOADER_64=$(command -v wine64 || command -v wine)
  WINE_SERVER=$(command -v wineserver)
fi
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  WINE_RUNS_32BIT=1
else
  WINE_RUNS_32BIT=0
fi
export WINELOADER=$WINE_LOADER_64
export WINESERVER=$WINE_SERVER
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LC_ALL=zh_CN.UTF-8
export LANG=zh_CN.UTF-8

# The Windows form of a Unix path (Wine maps / to Z:).
winpath() { printf 'Z:%s' "$(readlink -f "$1" | tr / '\\')"; }

# A private X server on the display and a fresh prefix, for scripts that run the program
# outside the test session; stop_private_session ends both.
start_private_session() {
  Xvfb "$1" -screen 0 "${2:-1280x800}x24" -nolisten tcp >/dev/null 2>&1 &
  PRIVATE_XVFB=$!
  export DISPLAY=$1
  "$WINELOADER" wineboot --init >/dev/null 2>&1 </dev/null
  "$WINESERVER" -w
}
stop_private_session() {
  kill "$PRIVATE_XVFB" 2>/dev/null || true
  "$WINESERVER" -k 2>/dev/null || true
}
