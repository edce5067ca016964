#!/usr/bin/env bash
# Checks the shipped executable from outside: a 32-bit GUI program for the ANSI API that
# needs no DLL beyond the system's own, with its icon group, manifest and version info.
#   check_executable.sh PATH/TO/diskkeeper.exe
set -uo pipefail
exe=$1
failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

check "PE32 GUI executable for i386" \
  grep -q 'PE32 executable (GUI) Intel 80386' <(file "$exe")

imports=$(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/.*DLL Name: //p' | tr 'a-z' 'A-Z' | sort -u)
echo "imports: $(echo $imports)"
check "imports only system DLLs" \
  bash -c "! grep -qvxE 'KERNEL32.DLL|USER32.DLL|GDI32.DLL|SHELL32.DLL|OLE32.DLL|MSVCRT.DLL|ADVAPI32.DLL|COMCTL32.DLL' <<<'$imports'"
check "calls the ANSI window API, not the wide one" \
  bash -c "i686-w64-mingw32-objdump -p '$exe' | grep -q 'CreateWindowExA' && ! i686-w64-mingw32-objdump -p '$exe' | grep -q 'CreateWindowExW'"

wrestool -x -t 14 "$exe" -o "$work/program.ico" 2>/dev/null
icons=$(icotool -l "$work/program.ico" 2>/dev/null | sed -n 's/.*--width=\([0-9]*\) --height=\([0-9]*\) --bit-depth=\([0-9]*\).*/\1x\2x\3/p' | sort | tr '\n' ' ')
echo "icon images: $icons"
check "one icon group with 64, 48, 32 and 16 px images of 32 bits" \
  test "$icons" = "16x16x32 32x32x32 48x48x32 64x64x32 "

wrestool -x --raw -t 24 "$exe" >"$work/manifest.xml" 2>/dev/null
manifest=$(tr -s ' \n' ' ' <"$work/manifest.xml")
check "manifest asks for the common controls 6.0.0.0, x86, token 6595b64144ccf1df" \
  bash -c "grep -q 'name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" processorArchitecture=\"x86\" publicKeyToken=\"6595b64144ccf1df\" language=\"\*\"' <<<'$manifest'"

check "version information" bash -c "wrestool -l -t 16 '$exe' | grep -q 'type=version'"

echo "$failures failed"
exit $((failures > 0))
