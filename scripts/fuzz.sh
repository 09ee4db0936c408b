#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time, starting from its seeds in
# tests/fuzz/corpus/<target> and the corpus earlier runs left in the build tree; a crash fails.
# QVL_FUZZ_SECONDS: time per target (30). QVL_FUZZ_MERGE=1: afterwards, add to the seeds the inputs
# that reach coverage they lack (then commit them).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${QVL_FUZZ_SECONDS:-30}
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVL_FUZZ=ON >/dev/null
cmake --build "$root/build/fuzz" -j"$(nproc)" --target fuzz_targets
shopt -s nullglob
for target in "$root"/build/fuzz/tests/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="$root/build/fuzz/corpus/$name"
  seeds="$root/tests/fuzz/corpus/$name"
  mkdir -p "$corpus" "$seeds"
  # The reader's inputs reach past a header at its limit with its length field and check block
  # (20480 + 42 bytes); the parsers know no limit and stay fast on short inputs.
  max_len=4096
  [ "$name" = fuzz_payload_reader ] && max_len=24576
  echo "-- $name for ${seconds}s"
  log="$root/build/fuzz/$name.log"
  status=0
  # New inputs go to the first folder; the seeds are only read.
  "$target" -max_total_time="$seconds" -max_len="$max_len" -print_final_stats=1 "$corpus" "$seeds" >"$log" 2>&1 ||
    status=$?
  grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)|stat::average_exec_per_sec|ERROR|SUMMARY' "$log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
    echo "fuzz target $name failed"
    exit 1
  fi
  if [ "${QVL_FUZZ_MERGE:-0}" = 1 ]; then
    "$target" -merge=1 -max_len="$max_len" "$seeds" "$corpus" >"$log.merge" 2>&1
    grep -E 'MERGE-OUTER: [0-9]+ new files' "$log.merge" || true
  fi
done
