#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks for building and testing, and creates the Wine prefix once.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(cmake make g++ clang g++-mingw-w64-i686-posix binutils-mingw-w64-i686
          wine wine32:i386 xvfb xauth x11-utils xdotool imagemagick
          googletest libgtest-dev libbenchmark-dev libssl-dev openssl)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# One Wine prefix for the project, inside the build tree.
export WINEPREFIX="$root/build/wineprefix" WINEARCH=win32 WINEDEBUG=-all
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$root/build"
  echo "Creating the Wine prefix in $WINEPREFIX ..."
  WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init >/dev/null 2>&1 || true
  wineserver -w
fi
# Wine draws the caption buttons with Marlett; without a copy in the prefix they show as letters.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ] && [ -f /usr/share/wine/fonts/marlett.ttf ]; then
  cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
fi
# Windows open inside Wine's own desktop window: no window manager is needed, and hiding a window does not
# wait for one (a test run of many windows is seconds instead of minutes).
if [ ! -f "$WINEPREFIX/.qvl-desktop" ]; then
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.qvl-desktop"
fi
