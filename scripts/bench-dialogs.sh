#!/usr/bin/env bash
# Times the Encrypt and Decrypt dialogs under Wine (best of three) over MiB of data in a few files, and `openssl enc
# -bf-cbc` on the host over the same files: bench-dialogs.sh [MiB, default 256] [files, default 4].
# Then times the 32-bit cipher alone and the piece copy outside the dialogs over as many bytes.
# Needs the Windows build (QVL_BUILD_DIR as for build.sh). QVL_SHOTS=folder also saves a picture of each
# dialog while it runs.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
mib=${1:-256}
files=${2:-4}
exe=${QVL_BUILD_DIR:-$here/../build}/win/bench/bench_dialogs.exe
cipher_exe=${exe%/*}/bench_cipher_win.exe
[ -f "$exe" ] && [ -f "$cipher_exe" ] || { echo "build first: scripts/build.sh win" >&2; exit 2; }
work=$(mktemp -d /tmp/qvl-bench-dialogs.XXXXXX)
trap 'rm -rf "$work"' EXIT

. "$here/wine-display.sh"
start_display
trap 'stop_display; rm -rf "$work"' EXIT

# Wine sees the host's root as drive Z:.
winwork="Z:${work//\//\\}"
DISPLAY=":$DISPLAY_NUM" timeout 1200 wine "$exe" "$winwork" "$mib" "$files" </dev/null | while IFS= read -r line; do
  line=${line%$'\r'}
  echo "dialogs: $line"
  if [ -n "${QVL_SHOTS:-}" ] && [[ $line == *" start" ]]; then
    what=${line%% *}
    ( sleep 0.6; DISPLAY=":$DISPLAY_NUM" import -window root "$QVL_SHOTS/$what-dialog.png" ) &
  fi
done
sleep 1  # a last picture may still be saving

# The same bytes through OpenSSL's Blowfish-CBC, best of three.
key=$(printf '%064d' 0 | tr 0 a)
best() { sort -n | head -1; }
enc=$( for _ in 1 2 3; do
  /usr/bin/time -f %e bash -c "for f in '$work'/src/*.bin; do openssl enc -provider legacy -provider default \
    -bf-cbc -nosalt -K ${key:0:32} -iv 0011223344556677 -in \"\$f\" -out \"\$f.bf\"; done" 2>&1; done | best )
dec=$( for _ in 1 2 3; do
  /usr/bin/time -f %e bash -c "for f in '$work'/src/*.bf; do openssl enc -d -provider legacy -provider default \
    -bf-cbc -nosalt -K ${key:0:32} -iv 0011223344556677 -in \"\$f\" -out \"\$f.out\"; done" 2>&1; done | best )
echo "openssl: encrypt $mib MiB in $enc s: $(echo "scale=1; $mib / $enc" | bc) MiB/s"
echo "openssl: decrypt $mib MiB in $dec s: $(echo "scale=1; $mib / $dec" | bc) MiB/s"

mkdir -p "$work/copy"
timeout 1200 wine "$cipher_exe" "$winwork\\copy" "$mib" </dev/null | while IFS= read -r line; do
  echo "i686 alone: ${line%$'\r'}"
done
