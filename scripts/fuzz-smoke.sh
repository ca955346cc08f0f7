#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a short, fixed
# time from a copy of its seed corpus. Usage: scripts/fuzz-smoke.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
build=build-fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTARNWICK_BUILD_FUZZERS=ON -DTARNWICK_BUILD_TESTS=OFF -DTARNWICK_BUILD_BENCH=OFF >/dev/null
targets=$(ls tests/fuzz/corpus)
cmake --build "$build" --target $(for t in $targets; do printf 'fuzz_%s ' "$t"; done)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for t in $targets; do
  mkdir -p "$work/$t"
  cp tests/fuzz/corpus/"$t"/* "$work/$t/"
  if ! (cd "$work" && "$OLDPWD/$build/tests/fuzz/fuzz_$t" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$work/$t-" "$work/$t" >"$work/$t.log" 2>&1); then
    echo "fuzz_$t: FAILED"; tail -n 40 "$work/$t.log"; status=1
  else
    echo "fuzz_$t: $(grep -o 'number_of_executed_units: [0-9]*' "$work/$t.log" | grep -o '[0-9]*') executions in ${seconds}s"
  fi
done
exit $status
