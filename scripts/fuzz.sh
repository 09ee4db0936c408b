#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time; a crash fails.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${QVL_FUZZ_SECONDS:-30}
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVL_FUZZ=ON >/dev/null
cmake --build "$root/build/fuzz" -j"$(nproc)" --target fuzz_targets
shopt -s nullglob
for target in "$root"/build/fuzz/tests/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  corpus="$root/build/fuzz/corpus/$(basename "$target")"
  mkdir -p "$corpus"
  echo "-- $(basename "$target") for ${seconds}s"
  log="$root/build/fuzz/$(basename "$target").log"
  status=0
  "$target" -max_total_time="$seconds" -print_final_stats=1 "$corpus" >"$log" 2>&1 || status=$?
  grep -E 'stat::number_of_executed_units|ERROR|SUMMARY' "$log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
    echo "fuzz target $(basename "$target") failed"
    exit 1
  fi
done
