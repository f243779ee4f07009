# Sourced by the project's scripts: where things are built, which Windows
# build this machine plays and tests, and how Wine runs it.
REPO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_ROOT="${BUILD_ROOT:-$REPO_ROOT/build}"

# The game is the 32-bit program. Some machines run no 32-bit program at
# all (an i386 executable fails with "Exec format error"), and nothing tells
# them apart but trying: there the same source's 64-bit build is played and
# tested instead. BOMBAGRAM2_WIN64=1 takes the 64-bit path on any machine.
runs_32bit_programs() {
  local probe status
  # In the build folder: a temporary folder may be mounted without exec.
  mkdir -p "$BUILD_ROOT" && probe="$(mktemp "$BUILD_ROOT/i386-probe.XXXXXX")" || return 1
  # The smallest i386 Linux program: an ELF header, one loadable segment and
  # "mov eax, 1; xor ebx, ebx; int 0x80" (exit with status 0).
  printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000' >"$probe"
  printf '\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000' >>"$probe"
  printf '\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000' >>"$probe"
  printf '\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010' >>"$probe"
  printf '\000\200\004\010\135\000\000\000\135\000\000\000\005\000\000\000' >>"$probe"
  printf '\000\020\000\000\270\001\000\000\000\061\333\315\200' >>"$probe"
  chmod 0700 "$probe"
  "$probe" 2>/dev/null
  status=$?
  rm -f "$probe"
  return $status
}

if [ -z "${GAME_WIDTH:-}" ]; then
  if [ "${BOMBAGRAM2_WIN64:-0}" = 1 ]; then
    GAME_WIDTH=64
    WIDTH_REASON="BOMBAGRAM2_WIN64=1: playing and testing the 64-bit build"
  elif runs_32bit_programs; then
    GAME_WIDTH=32
    WIDTH_REASON="this machine runs 32-bit programs: playing and testing the 32-bit game"
  else
    GAME_WIDTH=64
    WIDTH_REASON="this machine runs no 32-bit programs: playing and testing the 64-bit build"
  fi
fi
export GAME_WIDTH WIDTH_REASON

NATIVE_BUILD="$BUILD_ROOT/native"
GEN_DIR="$BUILD_ROOT/gen"
# Both Windows builds are made on every machine: the 32-bit one is what the
# zip ships, the 64-bit one what a machine without 32-bit programs runs.
WIN32_BUILD="$BUILD_ROOT/win32"
WIN64_BUILD="$BUILD_ROOT/win64"
# The 64-bit build's loader, called directly (/usr/bin/wine takes the 32-bit
# one whenever wine32 is installed), and its prefix: a prefix is made for
# one width and never used for the other.
WINE64_LOADER=/usr/lib/wine/wine64
WINEPREFIX64="$BUILD_ROOT/wineprefix64"
export WIN_BUILD
if [ "$GAME_WIDTH" = 64 ]; then
  WIN_BUILD="$WIN64_BUILD"
  export WINEARCH=win64
  export WINELOADER="$WINE64_LOADER"
  export WINE="$WINELOADER"
  export WINEPREFIX="${WINEPREFIX:-$WINEPREFIX64}"
else
  WIN_BUILD="$WIN32_BUILD"
  export WINEARCH=win32
  unset WINELOADER
  export WINE=wine
  export WINEPREFIX="${WINEPREFIX:-$BUILD_ROOT/wineprefix}"
fi
export WINEDEBUG="${WINEDEBUG:--all}"
# No offer to download Mono or Gecko, and no menu builder: Wine's session
# set-up would otherwise make menu and file-type folders in the home, as the
# package's launcher also prevents.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LANG=ko_KR.UTF-8
export LC_ALL=ko_KR.UTF-8
GAME_EXE="$WIN_BUILD/bombagram2.exe"
