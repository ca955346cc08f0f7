#!/usr/bin/env bash
# Installs the dependencies, builds Tarnwick and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target tarnwick
exec ./build/tarnwick "$@"
