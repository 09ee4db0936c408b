#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks for building and testing, and creates the Wine prefix once.
# Every step it relies on is checked afterwards: a step that did not happen stops the setup with a message.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

fail() { echo "setup.sh: $*" >&2; exit 1; }

# fonts-wine holds Wine's own fonts (Marlett, MS Sans Serif, Tahoma): without them Wine draws caption buttons
# as letters and clips captions.
packages=(cmake make g++ clang g++-mingw-w64-i686-posix binutils-mingw-w64-i686
          wine wine32:i386 fonts-wine xvfb xauth x11-utils xdotool imagemagick
          googletest libgtest-dev libbenchmark-dev libssl-dev openssl
          e2fsprogs mount   # mkfs.ext4 and mount: the erase is measured on a loop-mounted file system
          time bc)          # /usr/bin/time and bc: the bench scripts' timings

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
# The packages named that are not installed, a line each.
not_installed() {
  local p
  for p in "$@"; do installed "$p" || printf '%s\n' "$p"; done
}

mapfile -t missing < <(not_installed "${packages[@]}")
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || fail "missing packages (${missing[*]}) and no sudo: run this as root once"
    sudo="sudo"
  fi
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  # A mirror mid-sync makes the update fail and can hold i386 versions behind the amd64 ones: go on with the
  # lists there are, and install from the release alone when the plain install cannot be resolved.
  refreshed=1
  update_log=$(mktemp /tmp/qvl-apt-update.XXXXXX)
  if ! $sudo apt-get update -qq >"$update_log" 2>&1; then
    refreshed=0
    echo "setup.sh: the package index could not be refreshed (mirror mid-sync?; apt's output: $update_log); going" \
         "on with the last index; run setup again later if a package is missing" >&2
  else
    rm -f "$update_log"
  fi
  install=(env DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends)
  "${install[@]}" "${missing[@]}" || "${install[@]}" -t bookworm "${missing[@]}" || true
  mapfile -t failed < <(not_installed "${missing[@]}")
  if [ ${#failed[@]} -gt 0 ]; then
    hint="apt-get said why above"
    [ "$refreshed" -eq 1 ] || hint="the package index could not be refreshed: run setup again later"
    fail "these packages did not install: ${failed[*]} ($hint)"
  fi
fi

# Ends the prefix's server, which saves its registry; waiting alone would never end while a persistent server
# of the prefix runs (one left by an interrupted run).
end_wine() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w
}

# One Wine prefix for the project, inside the build tree.
export WINEPREFIX="$root/build/wineprefix" WINEARCH=win32 WINEDEBUG=-all
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$root/build"
  echo "Creating the Wine prefix in $WINEPREFIX ..."
  WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init >/dev/null 2>&1 || true
  end_wine
  [ -f "$WINEPREFIX/system.reg" ] || fail "wineboot did not create the Wine prefix in $WINEPREFIX"
fi

# Wine's fonts in the prefix's Fonts folder, where Wine loads them from at its next start; an existing prefix
# without them gets them too.
wine_fonts=/usr/share/wine/fonts
fonts="$WINEPREFIX/drive_c/windows/Fonts"
needed=(marlett.ttf ms_sans_serif.ttf tahoma.ttf)
for f in "${needed[@]}"; do
  [ -f "$wine_fonts/$f" ] || fail "$wine_fonts/$f is missing: is the package fonts-wine installed?"
done
mkdir -p "$fonts"
copied=0
for f in "$wine_fonts"/*; do
  name=$(basename "$f")
  if [ ! -f "$fonts/$name" ]; then
    cp "$f" "$fonts/$name"
    copied=1
  fi
done
for f in "${needed[@]}"; do
  [ -f "$fonts/$f" ] || fail "$f did not reach $fonts"
done
# A running server keeps the fonts it loaded at its start: end it so that the next program sees the new ones.
if [ "$copied" -eq 1 ]; then
  echo "Placed Wine's fonts in $fonts"
  end_wine
fi

# Windows open inside Wine's own desktop window: no window manager is needed, and hiding a window does not
# wait for one (a test run of many windows is seconds instead of minutes).
if [ ! -f "$WINEPREFIX/.qvl-desktop" ]; then
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1 ||
    fail "could not set Wine's desktop size in the prefix"
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 ||
    fail "could not make Wine's own desktop the default"
  end_wine
  touch "$WINEPREFIX/.qvl-desktop"
fi
