# Sourced by scripts that run a Windows program on a display of their own: sets the Wine environment
# (wine-env.sh), starts Xvfb on a free display and Wine's server, services and desktop for it.
# After `start_display`, DISPLAY_NUM names the display and stop_display ends it; QVL_SCREEN sets its size
# (default 1024x768). start_display fails with a message when the display does not come up within 10 s.
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

start_display() {
  DISPLAY_NUM=90
  # Two runs that start together can pick the same free number: the one whose Xvfb loses tries the next.
  local attempt
  for attempt in 1 2 3 4 5; do
    while [ -e "/tmp/.X${DISPLAY_NUM}-lock" ]; do DISPLAY_NUM=$((DISPLAY_NUM + 1)); done
    Xvfb ":$DISPLAY_NUM" -screen 0 "${QVL_SCREEN:-1024x768}x24" -nolisten tcp </dev/null >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
      if ! kill -0 "$XVFB_PID" 2>/dev/null; then break; fi
      if DISPLAY=":$DISPLAY_NUM" xdpyinfo >/dev/null 2>&1; then
        DISPLAY=":$DISPLAY_NUM" start_wine
        return 0
      fi
      sleep 0.1
    done
    kill -0 "$XVFB_PID" 2>/dev/null && break  # up but never answering: no other number will do better
    DISPLAY_NUM=$((DISPLAY_NUM + 1))
  done
  stop_display
  echo "the virtual display :$DISPLAY_NUM did not come up (is xvfb installed? run scripts/setup.sh)" >&2
  return 1
}

stop_display() { kill "${XVFB_PID:-}" 2>/dev/null || true; }
