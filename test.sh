#!/usr/bin/env bash
# Sets up everything, builds, and runs every test of the project: native unit
# and tool tests (plain and sanitized), bounded fuzzing, and the end-to-end
# tests of the real game under Wine. Ends with "N passed, N failed".
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
bash scripts/setup.sh || exit 1
source scripts/env.sh
build_started=$SECONDS
bash scripts/build.sh || { echo "the build failed"; exit 1; }
echo "build took $((SECONDS - build_started)) s"

logs="$BUILD_ROOT/test-logs"
mkdir -p "$logs"
groups=()
# Each group says how long it took, so that a slow run shows its longest path.
run_group() {
  local name="$1" started=$SECONDS; shift
  echo "=== $name"
  "$@" 2>&1 | tee "$logs/$name.log"
  groups+=("$name:${PIPESTATUS[0]}")
  echo "$name took $((SECONDS - started)) s"
}
# The sanitized unit tests and the fuzzers run in the background at the
# lowest priority: they take the processor time that the end-to-end tests,
# which mostly wait on Wine, leave over, and those run as fast as alone.
background() {
  local name="$1"; shift
  nice -n 19 bash -c 'started=$SECONDS; "$@"; status=$?; echo "took $((SECONDS - started)) s"; exit $status' \
    "$name" "$@" >"$logs/$name.log" 2>&1 &
  background_pids+=("$name:$!")
}
background_pids=()
background unit-sanitized bash scripts/run-unit-tests.sh sanitized
background fuzz bash scripts/run-fuzzers.sh
run_group unit bash scripts/run-unit-tests.sh plain
run_group e2e bash scripts/run-e2e-tests.sh
for job in "${background_pids[@]}"; do
  name="${job%%:*}"
  echo "=== $name"
  wait "${job##*:}"
  job_status=$?
  cat "$logs/$name.log"
  groups+=("$name:$job_status")
done

# Counts per test: ctest's summary lines, one per fuzzer, unittest's totals.
counts() {
  python3 - "$logs" "$REPO_ROOT/scripts" <<'EOF'
import importlib.util, re, sys, os
logs = sys.argv[1]
passed = failed = 0
unit = "".join(open(os.path.join(logs, name), errors="replace").read() for name in ("unit.log", "unit-sanitized.log"))
for p, f, t in re.findall(r"(\d+)% tests passed, (\d+) tests failed out of (\d+)", unit):
    passed += int(t) - int(f); failed += int(f)
fuzz = open(os.path.join(logs, "fuzz.log"), errors="replace").read()
runs = len(re.findall(r"^fuzzing ", fuzz, re.M)); found = len(re.findall(r"found a problem", fuzz))
passed += runs - found; failed += found
e2e = open(os.path.join(logs, "e2e.log"), errors="replace").read()
# The end-to-end runner's own reading of unittest's summary lines.
runner_file = importlib.util.spec_from_file_location("e2e_runner", os.path.join(sys.argv[2], "run-e2e-tests.py"))
runner = importlib.util.module_from_spec(runner_file)
runner_file.loader.exec_module(runner)
ran, n_bad, skipped = runner.counts(e2e)
passed += ran - n_bad - skipped; failed += n_bad
print(passed, failed, skipped)
EOF
}

echo "=== summary"
status=0
for g in "${groups[@]}"; do
  echo "${g%%:*}: exit ${g##*:}"
  [ "${g##*:}" = 0 ] || status=1
done
read -r passed failed skipped < <(counts)
# A group that failed without a counted failure (a crash, a build error) still fails the run.
if [ "$status" != 0 ] && [ "$failed" = 0 ]; then failed=1; fi
# Tests that cannot run on this machine (one width only) are told apart.
if [ "$skipped" = 0 ]; then echo "$passed passed, $failed failed"; else echo "$passed passed, $failed failed, $skipped skipped"; fi
# The package command ships only executables built together with the one
# that passed every test (both widths come from the same sources and build),
# and says which width the tests played.
if [ "$status" = 0 ]; then
  sha256sum "$WIN32_BUILD/bombagram2.exe" "$WIN64_BUILD/bombagram2.exe" > "$BUILD_ROOT/tested-exe.sha256"
  echo "$GAME_WIDTH" > "$BUILD_ROOT/tested-width"
fi
exit $status
