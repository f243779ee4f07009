#!/usr/bin/env bash
# The native unit tests ("plain"), then the same tests under AddressSanitizer
# and UndefinedBehaviorSanitizer ("sanitized"); with no argument, both.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$REPO_ROOT"
which="${1:-both}"
status=0
if [ "$which" != sanitized ]; then
  ctest --test-dir "$NATIVE_BUILD" --output-on-failure -j "$(nproc)" || status=1
fi
if [ "$which" != plain ]; then
  SAN_BUILD="$BUILD_ROOT/sanitize"
  cmake -S . -B "$SAN_BUILD" -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON -DGEN_DIR="$SAN_BUILD/gen" >/dev/null
  cmake --build "$SAN_BUILD" -j "$(nproc)"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$SAN_BUILD" --output-on-failure -j "$(nproc)" || status=1
fi
exit $status
