#!/usr/bin/env bash
# Installs what building, playing and testing the game needs on Debian 12, and
# prepares the Wine prefix. Safe to run again: a second run installs nothing.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$here/scripts/env.sh"

packages=(g++ cmake make libgtest-dev clang libclang-rt-14-dev python3
          g++-mingw-w64-i686 wine wine32 xvfb xdotool imagemagick
          locales fonts-nanum fonts-liberation zip lintian)

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
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
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

make_prefix() {
  [ -f "$WINEPREFIX/.bombagram2-ready" ] && return 0
  echo "setup: preparing the Wine prefix in $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot -i >"$BUILD_ROOT/wineboot.log" 2>&1 || true
  wineserver -w || true
  wine regedit "$here/scripts/wine-settings.reg" >>"$BUILD_ROOT/wineboot.log" 2>&1
  wineserver -w || true
  touch "$WINEPREFIX/.bombagram2-ready"
}

mkdir -p "$BUILD_ROOT"
install_packages
make_locale
make_prefix
