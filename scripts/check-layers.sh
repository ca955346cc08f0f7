#!/usr/bin/env bash
# Every include points down the layers: a folder may include only itself and
# the folders listed after it.
set -euo pipefail
cd "$(dirname "$0")/.."
declare -A allowed=(
  [platform]="platform"
  [resources]="resources platform"
  [settings]="settings resources platform"
  [generators]="generators settings platform"
  [commands]="commands settings platform"
  [runner]="runner commands generators settings resources platform"
  [dialogs]="dialogs runner commands generators settings resources platform"
)
status=0
for folder in "${!allowed[@]}"; do
  while IFS=: read -r file line text; do
    target=$(sed -n 's/^#include "\([^/"]*\)\/.*/\1/p' <<<"$text")
    [ -z "$target" ] && continue
    if ! grep -qw -- "$target" <<<"${allowed[$folder]}"; then
      echo "$file:$line: $folder/ must not include $target/"
      status=1
    fi
  done < <(git grep -n '^#include "' -- "$folder/*.cpp" "$folder/*.h" || true)
done
[ $status -eq 0 ] && echo "layers: every include points down"
exit $status
