#!/usr/bin/env bash
# Installs the dependencies, builds Tarnwick and starts it. Names of files and
# folders are taken relative to the folder the script was started in.
set -euo pipefail
args=()
for arg in "$@"; do
  case "$arg" in
    /* | -*) args+=("$arg") ;;
    *) args+=("$PWD/$arg") ;;
  esac
done
cd "$(dirname "$0")/.."
./scripts/setup-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target tarnwick
exec ./build/tarnwick "${args[@]}"
