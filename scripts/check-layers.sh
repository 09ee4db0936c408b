#!/usr/bin/env bash
# Fails when a source file includes a header of a layer above its own or beside it. The order is read from
# where it is written: the toolkit's layers from the comment at the top of toolkit/CMakeLists.txt (each builds
# on the one before it), the other folders from the block in the README's layout section (each names the
# folders it builds on). A folder may include its own files and those of every layer below it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

declare -A below  # folder -> the folders it builds on directly
folders=()

# "#   name/   what it holds" lines, bottom layer first.
previous=
while read -r layer; do
  folders+=("toolkit/$layer")
  below["toolkit/$layer"]=${previous:+toolkit/$previous}
  previous=$layer
done < <(sed -n 's|^#   \([a-z]*\)/ .*|\1|p' toolkit/CMakeLists.txt)
[ -n "$previous" ] || { echo "check-layers: no layers at the top of toolkit/CMakeLists.txt" >&2; exit 1; }
below[toolkit]="toolkit/$previous"

# "folder: what it builds on" lines: the block after the line ending in "layers:" in the README's layout section.
while read -r folder rest; do
  folders+=("${folder%:}")
  below["${folder%:}"]=$rest
done < <(awk '/^## Layout/{layout=1} layout && /layers:$/{block=1; next}
              block && /^```/{if (inside) exit; inside=1; next} inside && NF' README.md)
[ -n "${below[app]+set}" ] || { echo "check-layers: no layer block in the README's layout section" >&2; exit 1; }

for folder in "${!below[@]}"; do
  for next in ${below[$folder]}; do
    [ -n "${below[$next]+set}" ] || { echo "check-layers: $folder builds on $next, which is no layer" >&2; exit 1; }
  done
done

# Every folder a folder may include from: itself and all below it.
reach_of() {
  local next
  echo -n " $1 "
  for next in ${below[$1]}; do reach_of "$next"; done
}
declare -A reach
for folder in "${folders[@]}"; do reach[$folder]=$(reach_of "$folder"); done

# The folder of a path: the longest known folder that holds it, into $found.
folder_of() {
  local folder
  found=
  for folder in "${folders[@]}"; do
    if [[ $1 == "$folder"/* && ${#folder} -gt ${#found} ]]; then found=$folder; fi
  done
}

failed=0
while IFS=: read -r file line text; do
  [[ $text =~ \#[[:space:]]*include[[:space:]]*\"([^\"]*)\" ]] || continue
  included=${BASH_REMATCH[1]}
  folder_of "$file"
  from=$found
  folder_of "$included"
  to=$found
  [ -n "$from" ] || continue
  if [ -z "$to" ]; then
    echo "$file:$line: includes $included, which is in no known layer"
    failed=1
  elif [[ ${reach[$from]} != *" $to "* ]]; then
    echo "$file:$line: includes $included: $from does not build on $to"
    failed=1
  fi
done < <(grep -rn --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' \
           toolkit cipher app stub appearance)
[ $failed -eq 0 ] && echo "check-layers: every include goes down"
exit $failed
