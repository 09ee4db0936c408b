#!/usr/bin/env bash
# Times the package stub under Wine, driven through its own windows: Save As of one packed file of MiB
# (default 256) against `openssl enc -d -bf-cbc` on the host over the same packed bytes, Delete from a package
# of that size, and the start of the package to its password prompt: bench-stub.sh [MiB].
# Needs the Windows build (QVL_BUILD_DIR as for build.sh).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
mib=${1:-256}
exe=${QVL_BUILD_DIR:-$here/../build}/win/bench/bench_stub.exe
[ -f "$exe" ] || { echo "build first: scripts/build.sh win" >&2; exit 2; }
work=$(mktemp -d /tmp/qvl-bench-stub.XXXXXX)

. "$here/wine-display.sh"
start_display
trap 'stop_display; rm -rf "$work"' EXIT

# Wine sees the host's root as drive Z:.
winwork="Z:${work//\//\\}"
DISPLAY=":$DISPLAY_NUM" timeout 1200 wine "$exe" "$winwork" "$mib" </dev/null | tr -d '\r' | tee "$work/stub.txt" |
  sed 's/^/stub: /'

# The packed bytes of the big file, decrypted by OpenSSL's Blowfish-CBC into a file, best of three.
offset=$(sed -n 's/^packed bytes of big.bin: offset \([0-9]*\),.*/\1/p' "$work/stub.txt")
dd if="$work/bench.exe" of="$work/packed.bf" bs=1M iflag=skip_bytes,count_bytes skip="$offset" count=$((mib << 20)) \
  status=none
key=$(printf '%064d' 0 | tr 0 a)
dec=$( for _ in 1 2 3; do
  /usr/bin/time -f %e openssl enc -d -provider legacy -provider default -bf-cbc -nopad -nosalt -K "${key:0:32}" \
    -iv 0011223344556677 -in "$work/packed.bf" -out "$work/packed.out" 2>&1; rm -f "$work/packed.out"; done |
  sort -n | head -1 )
echo "openssl: decrypt $mib MiB in $dec s: $(echo "scale=1; $mib / $dec" | bc) MiB/s"
save=$(sed -n 's/^save as [0-9.]* MiB in \([0-9.]*\) s:.*/\1/p' "$work/stub.txt")
echo "save as against openssl: $(echo "scale=2; $dec / $save" | bc)x"
