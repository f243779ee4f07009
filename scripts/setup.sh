#!/usr/bin/env bash
# Installs what building, playing and testing the game needs on Debian 12, and
# prepares the Wine prefix. Safe to run again: a second run installs nothing.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$here/scripts/env.sh"

# Both cross-compilers on every machine: each build is compiled everywhere,
# the one this machine runs is also played and tested (scripts/env.sh).
packages=(g++ cmake make libgtest-dev clang libclang-rt-14-dev python3
          g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb xdotool imagemagick
          locales fonts-nanum fonts-liberation zip lintian openbox x11-utils debootstrap)
# openbox: one end-to-end test plays under a window manager, as on a desktop;
# debootstrap: the package command tries each package on clean Debian systems.
# wine32 is an i386 package: only where 32-bit programs run.
if [ "$GAME_WIDTH" = 32 ]; then packages+=(wine32); fi

missing_packages() {
  local p
  for p in "${packages[@]}"; do
    case "$p" in
      wine32) p="wine32:i386" ;;
    esac
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed' || echo "$p"
  done
}

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

install_packages() {
  local need
  need="$(missing_packages)"
  [ -z "$need" ] && return 0
  echo "setup: installing packages: $(echo $need | tr '\n' ' ')"
  if [ "$GAME_WIDTH" = 32 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
    "${packages[@]}" >"$BUILD_ROOT/apt.log" 2>&1 || {
      tail -n 30 "$BUILD_ROOT/apt.log"; exit 1; }
}

make_locale() {
  locale -a 2>/dev/null | grep -qi '^ko_KR\.utf-\?8$' && return 0
  echo "setup: generating the ko_KR.UTF-8 locale"
  if [ -f /etc/locale.gen ] && ! grep -q '^ko_KR.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'ko_KR.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  fi
  as_root locale-gen >/dev/null
}

# make_prefix FOLDER ARCH LOADER. The ready mark names the prefix's
# architecture (a mark without a name is from before there were two: win32).
# A prefix made for one width is never used for the other: one of ours made
# for the other width is made anew.
make_prefix() {
  local prefix="$1" arch="$2" loader="$3" ready="$1/.bombagram2-ready" made
  if [ -f "$ready" ]; then
    made="$(cat "$ready")"
    [ "${made:-win32}" = "$arch" ] && return 0
    echo "setup: the Wine prefix in $prefix was made for $made: making it anew for $arch"
    rm -rf "$prefix"
  fi
  echo "setup: preparing the $arch Wine prefix in $prefix"
  mkdir -p "$prefix"
  (
    export WINEPREFIX="$prefix" WINEARCH="$arch"
    if [ "$arch" = win64 ]; then export WINELOADER="$loader"; else unset WINELOADER; fi
    "$loader" wineboot -i >"$BUILD_ROOT/wineboot-$arch.log" 2>&1 || true
    wineserver -w || true
    "$loader" regedit "$here/scripts/wine-settings.reg" >>"$BUILD_ROOT/wineboot-$arch.log" 2>&1
    wineserver -w || true
  )
  echo "$arch" >"$ready"
}

set_up() {
  mkdir -p "$BUILD_ROOT"
  echo "setup: $WIDTH_REASON"
  install_packages
  make_locale
  make_prefix "$WINEPREFIX" "$WINEARCH" "$WINE"
  # Where the 32-bit game runs, the 64-bit build runs beside it: the tests
  # compare the two and the benchmark measures both.
  if [ "$GAME_WIDTH" = 32 ]; then
    make_prefix "$WINEPREFIX64" win64 "$WINE64_LOADER"
  fi
}

# Sourced (by the tests of these steps), it only defines them.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set_up
fi
