#!/usr/bin/env bash
# Sets up everything, builds, and runs every test of the project:
# native unit tests (plain and sanitized), bounded fuzzing, the level checks
# and the end-to-end tests of the real game under Wine.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
bash scripts/setup.sh || exit 1
bash scripts/build.sh || exit 1

results=()
run_group() {
  local name="$1"; shift
  echo "=== $name"
  if "$@"; then results+=("PASS $name"); else results+=("FAIL $name"); fi
}
run_group "unit tests (native and sanitized)" bash scripts/run-unit-tests.sh
[ -x scripts/run-fuzzers.sh ] && run_group "fuzzers (bounded)" bash scripts/run-fuzzers.sh
run_group "end-to-end tests under Wine" bash scripts/run-e2e-tests.sh

echo "=== summary"
passed=0; failed=0
for r in "${results[@]}"; do
  echo "$r"
  case "$r" in PASS*) passed=$((passed+1));; *) failed=$((failed+1));; esac
done
echo "$passed passed, $failed failed"
source scripts/env.sh
# The package command ships only an executable that passed every test.
if [ "$failed" = 0 ]; then sha256sum "$GAME_EXE" > "$BUILD_ROOT/tested-exe.sha256"; fi
[ "$failed" = 0 ]
