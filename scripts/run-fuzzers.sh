#!/usr/bin/env bash
# Bounded fuzzing of the readers of untrusted bytes (level files, wave
# images). Each fuzz/fuzz_NAME.cpp starts from the corpus in fuzz/corpus/NAME
# and runs FUZZ_RUNS inputs (a million by default); FUZZ_SECONDS caps the
# time of one target should the machine be slow. New inputs go to a scratch
# folder, so the kept corpus changes only by hand.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$REPO_ROOT"
runs="${FUZZ_RUNS:-1000000}"
seconds="${FUZZ_SECONDS:-900}"
FUZZ_BUILD="$BUILD_ROOT/fuzz"
CXX=clang++ cmake -S . -B "$FUZZ_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFUZZ=ON >/dev/null
cmake --build "$FUZZ_BUILD" -j "$(nproc)"
status=0
for src in fuzz/fuzz_*.cpp; do
  [ -e "$src" ] || continue
  name="$(basename "$src" .cpp)"
  corpus="fuzz/corpus/${name#fuzz_}"
  scratch="$FUZZ_BUILD/scratch-$name"
  rm -rf "$scratch"; mkdir -p "$scratch" "$corpus"
  echo "fuzzing $name: $runs runs, at most ${seconds}s"
  started=$SECONDS
  (cd "$FUZZ_BUILD" && "./fuzz/$name" -runs="$runs" -max_total_time="$seconds" -print_final_stats=1 \
      "$scratch" "$REPO_ROOT/$corpus" >"$FUZZ_BUILD/$name.log" 2>&1) || {
    echo "$name found a problem:"; tail -n 40 "$FUZZ_BUILD/$name.log"; status=1; continue; }
  executed="$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$FUZZ_BUILD/$name.log" | grep -oE '[0-9]+$' | tail -n 1)"
  echo "$name: ${executed:-?} executions in $((SECONDS - started))s"
  if [ "${executed:-0}" -lt "$runs" ]; then
    echo "$name reached its time cap before $runs runs"
  fi
done
exit $status
