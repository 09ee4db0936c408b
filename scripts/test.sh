#!/usr/bin/env bash
# Sets up what is missing, builds both builds and runs every test.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${QVL_BUILD_DIR:-$root/build}  # as for build.sh

echo "== Layers =="
"$root/scripts/check-layers.sh"
"$root/scripts/setup.sh"

echo "== Host build (sanitizers on) =="
"$root/scripts/build.sh" host -DQVL_SANITIZE=ON
(cd "$out/host" && ctest --output-on-failure -j"$(nproc)")

echo "== Fuzz targets (bounded) =="
"$root/scripts/fuzz.sh"

echo "== Windows build, tests under Wine =="
"$root/scripts/build.sh" win
# Tests run one at a time (windows on one desktop would fight over the focus), on one virtual display, with one
# wineserver and Wine's own services for the whole run. Both start apart from CTest's output pipes: one that
# inherited a test's pipe would keep CTest waiting.
. "$root/scripts/wine-env.sh"
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  . "$2/scripts/wine-env.sh" && start_wine
  cd "$1" && ctest --output-on-failure' _ "$out/win" "$root"

echo "== Painting at 16 bits per pixel =="
# One branch of the painters is taken only on a 16-bit screen: its test runs again on such a display and must
# not skip there.
wineserver -k >/dev/null 2>&1 || true
wineserver -w
xvfb-run -a -s "-screen 0 1024x768x16" bash -c '
  . "$2/scripts/wine-env.sh" && start_wine
  cd "$1/tests/appearance" && wine appearance_tests.exe --gtest_filter="*SixteenBits*" >sixteen-bits.log 2>&1
  status=$?
  cat sixteen-bits.log
  [ $status -eq 0 ] && grep -q "PASSED  \] 1 test" sixteen-bits.log && ! grep -q SKIPPED sixteen-bits.log' _ "$out/win" "$root"
