# Sourced by scripts that run a Windows program on a display of their own:
# sets the Wine environment, makes sure a server runs, starts Xvfb on a free display.
# After `start_display`, DISPLAY_NUM names the display and stop_display ends it; QVL_SCREEN sets its size
# (default 1024x768).
export WINEPREFIX="${WINEPREFIX:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/wineprefix}"
export WINEARCH=win32 WINEDEBUG=-all
# A server started here must not hold the caller's output open.
pgrep -u "$(id -u)" wineserver >/dev/null || { wineserver -p >/dev/null 2>&1 </dev/null; }

start_display() {
  DISPLAY_NUM=90
  while [ -e "/tmp/.X${DISPLAY_NUM}-lock" ]; do DISPLAY_NUM=$((DISPLAY_NUM + 1)); done
  Xvfb ":$DISPLAY_NUM" -screen 0 "${QVL_SCREEN:-1024x768}x24" -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$DISPLAY_NUM" ] && break; sleep 0.1; done
}

stop_display() { kill "${XVFB_PID:-}" 2>/dev/null || true; }
