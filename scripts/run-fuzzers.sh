#!/usr/bin/env bash
# Bounded fuzzing of the readers of untrusted bytes (level files, wave
# images). Each fuzz/fuzz_NAME.cpp starts from the corpus in fuzz/corpus/NAME
# and runs FUZZ_RUNS inputs (200000 by default); FUZZ_SECONDS caps the
# time of one target should the machine be slow. The kept corpus holds what
# earlier runs reached (a million inputs and more), so each run searches on
# from there instead of finding the same ground again. New inputs go to a
# scratch folder, so the kept corpus changes only by hand: FUZZ_KEEP=1 adds
# those that reach something the corpus does not (libFuzzer's -merge=1).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$REPO_ROOT"
runs="${FUZZ_RUNS:-200000}"
seconds="${FUZZ_SECONDS:-900}"
FUZZ_BUILD="$BUILD_ROOT/fuzz"
CXX=clang++ cmake -S . -B "$FUZZ_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFUZZ=ON >/dev/null
cmake --build "$FUZZ_BUILD" -j "$(nproc)"
# One target: its summary goes to FUZZ_BUILD/NAME.summary, its exit status
# tells whether it found a problem.
fuzz_one() {
  local name="$1" corpus="fuzz/corpus/${1#fuzz_}" scratch="$FUZZ_BUILD/scratch-$1" started=$SECONDS executed
  rm -rf "$scratch"; mkdir -p "$scratch" "$corpus"
  {
    echo "fuzzing $name: $runs runs, at most ${seconds}s"
    if ! (cd "$FUZZ_BUILD" && "./fuzz/$name" -runs="$runs" -max_total_time="$seconds" -print_final_stats=1 \
          "$scratch" "$REPO_ROOT/$corpus" >"$FUZZ_BUILD/$name.log" 2>&1); then
      echo "$name found a problem:"; tail -n 40 "$FUZZ_BUILD/$name.log"; return 1
    fi
    executed="$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$FUZZ_BUILD/$name.log" | grep -oE '[0-9]+$' | tail -n 1)"
    echo "$name: ${executed:-?} executions in $((SECONDS - started))s"
    if [ "${executed:-0}" -lt "$runs" ]; then
      echo "$name reached its time cap before $runs runs"
    fi
    if [ "${FUZZ_KEEP:-0}" = 1 ]; then
      local kept
      kept="$(ls "$corpus" | wc -l)"
      (cd "$FUZZ_BUILD" && "./fuzz/$name" -merge=1 "$REPO_ROOT/$corpus" "$scratch" >"$FUZZ_BUILD/$name.merge.log" 2>&1)
      echo "$name: the kept corpus went from $kept to $(ls "$corpus" | wc -l) inputs"
    fi
  } >"$FUZZ_BUILD/$name.summary"
}

# The targets run side by side, one per core; their summaries print in order.
names=()
for src in fuzz/fuzz_*.cpp; do
  [ -e "$src" ] && names+=("$(basename "$src" .cpp)")
done
status=0
running=0
for name in "${names[@]}"; do
  if [ "$running" -ge "$(nproc)" ]; then
    wait -n || status=1
    running=$((running - 1))
  fi
  fuzz_one "$name" &
  running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
  wait -n || status=1
  running=$((running - 1))
done
for name in "${names[@]}"; do
  cat "$FUZZ_BUILD/$name.summary"
done
exit $status
