#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's own prefix (CTest's cross-compiling emulator).
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX="${WINEPREFIX:-$here/../build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEARCH=win32
exec wine "$@"
