#!/usr/bin/env bash
# Configures and builds one of the two builds: build.sh host|win [extra cmake args].
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
kind=${1:-}; shift || true
out=${QVL_BUILD_DIR:-$root/build}/$kind
case "$kind" in
  host) cmake -S "$root" -B "$out" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null ;;
  win)  cmake -S "$root" -B "$out" -DCMAKE_BUILD_TYPE=Release \
              -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" "$@" >/dev/null ;;
  *) echo "usage: build.sh host|win" >&2; exit 2 ;;
esac
cmake --build "$out" -j"${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
