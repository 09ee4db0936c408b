#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's own prefix (CTest's cross-compiling emulator).
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
start_wine
exec wine "$@"
