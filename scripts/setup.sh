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

# Wine's server and loader are 32-bit Linux programs. A kernel whose 32-bit emulation is switched off
# (ia32_emulation) refuses them with "Exec format error": they then run through qemu's user-mode emulator,
# registered as the interpreter of i386 programs (binfmt_misc). Debian 12's qemu 7.2 ignores
# MAP_FIXED_NOREPLACE, which makes Wine probe its address space in 64 KiB steps: a minute per Wine process.
# The static qemu of the next Debian release does not (under a second), so setup takes that one file from the
# release's qemu-user package through apt, in an apt state of its own that leaves the system's lists alone.
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
runs_i386() { /usr/lib/wine/wineserver32 --version >/dev/null 2>&1; }
qemu_dir=/usr/local/lib/qvl-qemu

# Puts the next release's static qemu-i386 into $qemu_dir; false when it cannot be had.
fetch_newer_qemu() {
  local work uri
  work=$(mktemp -d /tmp/qvl-qemu.XXXXXX)
  uri=$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/debian.sources 2>/dev/null)
  [ -n "$uri" ] || uri=$(awk '/^deb / { print $2; exit }' /etc/apt/sources.list 2>/dev/null)
  [ -n "$uri" ] || return 1
  mkdir -p "$work/lists/partial" "$work/cache/archives/partial"
  echo "deb $uri trixie main" >"$work/sources.list"
  local apt=(-o Dir::Etc::sourcelist="$work/sources.list" -o Dir::Etc::sourceparts=- -o Dir::State::Lists="$work/lists"
             -o Dir::Cache="$work/cache" -o Dir::State::status=/var/lib/dpkg/status -o APT::Sandbox::User=root)
  apt-get "${apt[@]}" update -qq >/dev/null 2>&1 &&
    (cd "$work" && apt-get "${apt[@]}" download -qq qemu-user >/dev/null 2>&1) &&
    dpkg-deb -x "$work"/qemu-user_*.deb "$work/root" &&
    as_root install -D -m 755 "$work/root/usr/bin/qemu-i386" "$qemu_dir/qemu-i386"
  local status=$?
  rm -rf "$work"
  return $status
}

if ! runs_i386; then
  echo "setup.sh: this kernel runs no 32-bit programs; running them through qemu-i386"
  qemu="$qemu_dir/qemu-i386"
  if [ ! -x "$qemu" ] && ! fetch_newer_qemu; then
    echo "setup.sh: the newer qemu could not be had; Debian 12's works, at about a minute per Wine process" >&2
    installed qemu-user-static ||
      as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends qemu-user-static ||
      fail "qemu-user-static did not install"
    qemu=/usr/bin/qemu-i386-static
  fi
  binfmt=/proc/sys/fs/binfmt_misc
  [ -e "$binfmt/register" ] || as_root mount -t binfmt_misc binfmt_misc "$binfmt" || fail "could not mount $binfmt"
  [ -e "$binfmt/qemu-i386" ] && printf -- '-1\n' | as_root tee "$binfmt/qemu-i386" >/dev/null
  # The ELF header of an i386 program or shared object; F: the kernel holds the emulator open.
  entry=':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  entry+=':\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  printf '%s:%s:F\n' "$entry" "$qemu" | as_root tee "$binfmt/register" >/dev/null || fail "could not register $qemu"
  runs_i386 || fail "32-bit programs still do not run (see $binfmt/qemu-i386)"
fi

# Ends the prefix's server, which saves its registry; waiting alone would never end while a persistent server
# of the prefix runs (one left by an interrupted run).
end_wine() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w
}

# One Wine prefix for the project: build/wineprefix unless WINEPREFIX is set.
. "$root/scripts/wine-env.sh"  # WINEPREFIX as every script has it
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
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
