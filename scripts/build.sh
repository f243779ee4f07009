#!/usr/bin/env bash
# Builds the native tools and tests, generates the resources, and cross-builds
# the 32-bit Windows program. Assumes scripts/setup.sh has run.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$REPO_ROOT"
jobs="$(nproc)"

cmake -S . -B "$NATIVE_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGEN_DIR="$GEN_DIR" >/dev/null
cmake --build "$NATIVE_BUILD" -j "$jobs"

cmake -S . -B "$WIN32_BUILD" -DCMAKE_BUILD_TYPE=Release -DGEN_DIR="$GEN_DIR" \
      -DCMAKE_TOOLCHAIN_FILE="$REPO_ROOT/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$WIN32_BUILD" -j "$jobs"

# The game reads its level files from the current directory: lay out a
# folder to start it from.
RUN_DIR="$BUILD_ROOT/run"
mkdir -p "$RUN_DIR"
cp "$GAME_EXE" "$RUN_DIR/"
for n in 10 15 20; do
  [ -f "$GEN_DIR/level$n.dat" ] && cp "$GEN_DIR/level$n.dat" "$RUN_DIR/"
done
true
