#!/usr/bin/env bash
# Starts a Windows program under Wine on a display of its own and saves a PNG of it:
# screenshot.sh out.png prog.exe [args...]  (QVL_SHOT_DELAY: seconds to wait before the picture, default 5).
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: screenshot.sh out.png prog.exe [args...]" >&2; exit 2; }
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out=$(realpath -m "$1"); shift
prog=$(realpath "$1"); shift
delay=${QVL_SHOT_DELAY:-5}

export WINEPREFIX="${WINEPREFIX:-$here/../build/wineprefix}" WINEARCH=win32 WINEDEBUG=-all
# A server started here must not hold this script's output open.
pgrep -u "$(id -u)" wineserver >/dev/null || { wineserver -p >/dev/null 2>&1 </dev/null; }

display=90
while [ -e "/tmp/.X${display}-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
wine_pid=""
cleanup() {
  [ -n "$wine_pid" ] && kill "$wine_pid" 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done

DISPLAY=":$display" timeout $((delay + 30)) wine explorer /desktop=shot,1024x768 "$prog" "$@" >/dev/null 2>&1 </dev/null &
wine_pid=$!
sleep "$delay"
DISPLAY=":$display" import -window root "$out"
echo "saved $out"
