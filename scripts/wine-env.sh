# Sourced by every script that starts Wine: the project's Wine environment (prefix build/wineprefix unless
# WINEPREFIX is set) and start_wine. The prefix's server, Wine's own services and its desktop live on after the
# program that started them; started by it, they would hold the caller's output open and keep a reader such as
# `| tail` waiting. start_wine starts them apart from it, on the display set (the desktop belongs to the display
# its first program had: without one, only the server starts); where they run already, it starts nothing new.
export WINEPREFIX="${WINEPREFIX:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/wineprefix}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"

start_wine() {
  wineserver -p </dev/null >/dev/null 2>&1 || true
  [ -z "${DISPLAY:-}" ] || wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}
