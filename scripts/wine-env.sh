# Sourced by every script that starts Wine: the project's Wine environment (prefix build/wineprefix unless
# WINEPREFIX is set) and start_wineserver, called here once. A server that Wine started itself would inherit the
# caller's output and keep a reader such as `| tail` waiting, so the prefix's own server starts apart from it;
# where that server runs already, `wineserver -p` only returns.
export WINEPREFIX="${WINEPREFIX:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/wineprefix}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"

start_wineserver() { wineserver -p </dev/null >/dev/null 2>&1 || true; }

start_wineserver
