#!/usr/bin/env bash
# Every include points down the layers: a folder (sub-folders are folders of
# their own) may include only itself and the folders listed for it. System
# headers of POSIX or Windows are for the platform layer alone. Each folder
# is one namespace (platform/gui is part of platform).
set -euo pipefail
cd "$(dirname "$0")/.."
# judge/ (cases run and judged) and compiler/ (a compiler kept running) are
# listed before they exist, so that each lands in its place.
declare -A allowed=(
  [platform]="platform platform/windows"
  [platform/posix]="platform"
  [platform/windows]="platform/windows platform"
  [platform/gui]="platform/gui platform"
  [resources]="resources platform/gui platform"
  [settings]="settings resources platform/gui platform"
  [generators]="generators settings platform"
  [runner]="runner platform"
  [java]="java runner platform"
  [compiler]="compiler java runner platform"
  [judge]="judge java compiler runner settings platform"
  [output]="output judge java compiler runner settings resources platform/gui platform"
  [commands]="commands output judge java compiler runner generators settings resources platform/gui platform"
  [dialogs]="dialogs commands output judge java compiler runner generators settings resources platform/gui platform"
  [app]="app dialogs commands output judge java compiler runner generators settings resources platform/gui platform"
)
declare -A namespace=(
  [platform]=platform [platform/posix]=platform [platform/windows]=platform [platform/gui]=platform [resources]=resources [settings]=settings
  [generators]=gen [runner]=runner [compiler]=compiler [java]=java [judge]=judge [output]=output
  [commands]=cmd [dialogs]=dialogs [app]=app
)
system_headers='<(sys/[^>]*|unistd\.h|fcntl\.h|dirent\.h|pwd\.h|grp\.h|poll\.h|termios\.h|dlfcn\.h|spawn\.h|pthread\.h|netdb\.h|netinet/[^>]*|arpa/[^>]*|windows\.h|winsock2?\.h|io\.h|direct\.h)>'
status=0
sources=$(git ls-files -- '*.cpp' '*.h' | grep -v -e '^tests/' -e '^bench/')
for folder in $(sed 's|/[^/]*$||' <<<"$sources" | sort -u); do
  if [ -z "${allowed[$folder]+set}" ]; then
    echo "$folder/ has no entry in scripts/check-layers.sh"
    status=1
  fi
done
while IFS=: read -r file line text; do
  folder=${file%/*}
  [ -z "${allowed[$folder]+set}" ] && continue
  if [[ $text =~ ^#include\ \"(.*)/[^/]*\" ]]; then
    target=${BASH_REMATCH[1]}
    if [[ " ${allowed[$folder]} " != *" $target "* ]]; then
      echo "$file:$line: $folder/ must not include $target/"
      status=1
    fi
  elif [[ $text =~ ^#include\ $system_headers && $folder != platform* ]]; then
    echo "$file:$line: system header outside platform/: ${text#\#include }"
    status=1
  fi
done < <(git grep -n '^#include ' -- $sources)
for file in $sources; do
  folder=${file%/*}
  [ -z "${namespace[$folder]+set}" ] && continue
  grep -q '^int main(' "$file" && continue
  if ! grep -q "^namespace ${namespace[$folder]} {" "$file"; then
    echo "$file: not in namespace ${namespace[$folder]}"
    status=1
  fi
done
[ $status -eq 0 ] && echo "layers: every include points down, system headers only in platform/, one namespace per folder"
exit $status
