# Sourced by the project's scripts: where things are built and how Wine runs.
REPO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_ROOT="${BUILD_ROOT:-$REPO_ROOT/build}"
export WINEPREFIX="${WINEPREFIX:-$BUILD_ROOT/wineprefix}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ko_KR.UTF-8
export LC_ALL=ko_KR.UTF-8
NATIVE_BUILD="$BUILD_ROOT/native"
WIN32_BUILD="$BUILD_ROOT/win32"
GEN_DIR="$BUILD_ROOT/gen"
GAME_EXE="$WIN32_BUILD/bombagram2.exe"
