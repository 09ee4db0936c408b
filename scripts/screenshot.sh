#!/usr/bin/env bash
# Starts a Windows program under Wine on a display of its own and saves a PNG of it:
# screenshot.sh out.png prog.exe [args...]  (QVL_SHOT_DELAY: seconds to wait before the picture, default 5;
# QVL_SCREEN: the screen size, default 1024x768).
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: screenshot.sh out.png prog.exe [args...]" >&2; exit 2; }
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out=$(realpath -m "$1"); shift
prog=$(realpath "$1"); shift
delay=${QVL_SHOT_DELAY:-5}

. "$here/wine-display.sh"
start_display
wine_pid=""
cleanup() {
  [ -n "$wine_pid" ] && kill "$wine_pid" 2>/dev/null || true
  stop_display
  wait 2>/dev/null || true
}
trap cleanup EXIT

DISPLAY=":$DISPLAY_NUM" timeout $((delay + 30)) wine explorer /desktop=shot,"${QVL_SCREEN:-1024x768}" "$prog" "$@" >/dev/null 2>&1 </dev/null &
wine_pid=$!
sleep "$delay"
DISPLAY=":$DISPLAY_NUM" import -window root "$out"
echo "saved $out"
