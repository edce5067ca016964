#!/usr/bin/env bash
# Installs what building and testing the program needs on a Debian machine:
# the MinGW-w64 i686 cross compiler, Wine with its 32-bit part, Xvfb and X tools,
# a CJK font and a generated zh_CN.UTF-8 locale (so Wine's ANSI code page is 936
# and GBK file names work). Safe to run again: it only installs what is missing.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  apt_updated=
fi

for p in g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64 xvfb xdotool x11-apps imagemagick \
         fonts-wqy-microhei locales cmake g++ googletest libgtest-dev strace inotify-tools \
         psmisc procps icoutils file binutils-mingw-w64-i686; do
  have "$p" || need+=("$p")
done

if [ ${#need[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
  sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
