#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time, starting from its seeds in
# tests/fuzz/corpus/<target> and the corpus earlier runs left in the build tree (QVL_BUILD_DIR as for
# build.sh; this build is <build>/fuzz); a crash fails, its input is left in the build tree.
# QVL_FUZZ_SECONDS: time per target (30). A long run, ten minutes per target, one target after the other:
#   QVL_FUZZ_SECONDS=600 scripts/fuzz.sh
# QVL_FUZZ_MERGE=1: afterwards, add to the seeds the inputs that reach coverage they lack (then commit them).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${QVL_BUILD_DIR:-$root/build}/fuzz
seconds=${QVL_FUZZ_SECONDS:-30}
CC=clang CXX=clang++ cmake -S "$root" -B "$out" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVL_FUZZ=ON >/dev/null
cmake --build "$out" -j"${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}" --target fuzz_targets
shopt -s nullglob
for target in "$out"/tests/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="$out/corpus/$name"
  seeds="$root/tests/fuzz/corpus/$name"
  mkdir -p "$corpus" "$seeds"
  # The reader's inputs reach past a header at its limit with its length field and check block
  # (20480 + 42 bytes); the parsers know no limit and stay fast on short inputs.
  max_len=4096
  [ "$name" = fuzz_payload_reader ] && max_len=24576
  echo "-- $name for ${seconds}s"
  log="$out/$name.log"
  status=0
  # New inputs go to the first folder; the seeds are only read.
  # A crash's input is written into the build tree, not beside the script.
  "$target" -max_total_time="$seconds" -max_len="$max_len" -print_final_stats=1 -artifact_prefix="$out/$name-" \
    "$corpus" "$seeds" >"$log" 2>&1 || status=$?
  grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)|stat::(number_of_executed_units|average_exec_per_sec)|ERROR|SUMMARY' \
    "$log" || true
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
