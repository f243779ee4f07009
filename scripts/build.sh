#!/usr/bin/env bash
# Builds the native tools and tests, generates the resources, and cross-builds
# the Windows programs: the 32-bit game and the 64-bit build of the same
# source, each with the tests' and the benchmark's helpers. Assumes
# scripts/setup.sh has run.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$REPO_ROOT"
jobs="$(nproc)"

cmake -S . -B "$NATIVE_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGEN_DIR="$GEN_DIR" >/dev/null
cmake --build "$NATIVE_BUILD" -j "$jobs"

cross_build() {
  # -Werror: both widths stay free of warnings.
  cmake -S . -B "$1" -DCMAKE_BUILD_TYPE=Release -DGEN_DIR="$GEN_DIR" -DCMAKE_CXX_FLAGS=-Werror \
        -DCMAKE_TOOLCHAIN_FILE="$REPO_ROOT/cmake/$2.cmake" >/dev/null
  cmake --build "$1" -j "$jobs"
}
cross_build "$WIN32_BUILD" mingw-i686
cross_build "$WIN64_BUILD" mingw-x86_64

# The game reads its level files from the current directory: lay out a
# folder to start it from.
RUN_DIR="$BUILD_ROOT/run"
mkdir -p "$RUN_DIR"
cp "$GAME_EXE" "$RUN_DIR/"
for n in 10 15 20; do
  [ -f "$GEN_DIR/level$n.dat" ] && cp "$GEN_DIR/level$n.dat" "$RUN_DIR/"
done
true
