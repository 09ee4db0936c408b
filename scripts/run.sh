#!/usr/bin/env bash
# Sets up what is missing, builds the Windows programs and starts the main program under Wine.
# Without a display there is nothing to watch: the program starts on a virtual display, a picture of the main
# window is saved into the build tree, and the script ends.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" win
out=${QVL_BUILD_DIR:-$root/build}  # as for build.sh
exe="$out/win/app/QVL.exe"
if [ -z "${DISPLAY:-}" ]; then
  shot="$out/screenshots/main-window.png"
  mkdir -p "${shot%/*}"
  echo "No display: starting QVL.exe on a virtual display for a picture of its main window ..."
  "$root/scripts/screenshot.sh" "$shot" "$exe" "$@" >/dev/null
  [ -f "$shot" ] || { echo "run.sh: no picture was saved" >&2; exit 1; }
  echo "Main window: $shot"
  echo "To use the program, run this script where a display is set (DISPLAY=:0 scripts/run.sh, or over ssh -X)."
  exit 0
fi
. "$root/scripts/wine-env.sh"
start_wine
exec wine "$exe" "$@"
