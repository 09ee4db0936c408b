#!/usr/bin/env bash
# Sets up what is missing, builds the Windows programs and starts the main program under Wine.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" win
exe="$root/build/win/app/QVL.exe"
if [ ! -f "$exe" ]; then
  echo "The main window is not built yet; the cipher and tests are: run scripts/test.sh."
  exit 0
fi
export WINEPREFIX="$root/build/wineprefix" WINEARCH=win32 WINEDEBUG=-all
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$exe" "$@"
fi
exec wine "$exe" "$@"
