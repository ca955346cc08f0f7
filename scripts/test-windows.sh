#!/usr/bin/env bash
# Runs the Windows build's tests under Wine on a virtual display, then starts
# tarnwick.exe once as a user would: it must paint its main window and end.
#
#   scripts/test-windows.sh BUILD_FOLDER QT_PREFIX
set -euo pipefail
build=$(realpath "$1")
qt_prefix=$(realpath "$2")
runtime=/usr/lib/gcc/x86_64-w64-mingw32/12-posix

export WINEPREFIX=$build/wine WINEARCH=win64 WINEDEBUG=-all
# As on a Japanese Windows: code page 932, where a JDK writes CP932.
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
# No Mono or Gecko installers: Tarnwick needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
# The DLLs are found on Wine's PATH, the platform plug-in through Qt's variable.
export WINEPATH="$(winepath -w "$qt_prefix/bin" 2>/dev/null);$(winepath -w "$runtime");$(winepath -w /usr/x86_64-w64-mingw32/lib)"
export QT_PLUGIN_PATH=$(winepath -w "$qt_prefix/plugins")

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
started=$SECONDS
wineboot -i >/dev/null 2>&1
wineserver -w  # the prefix is set up once every process of it has ended
echo "Wine prefix ready in $((SECONDS - started)) s"

# Tests that do not run on Windows yet, each program's as one gtest filter.
declare -A left_out=()
while read -r program filter _; do
  [[ -z $program || $program == \#* ]] && continue
  left_out[$program]+="${left_out[$program]:+:}$filter"
done < "$(dirname "$0")/../tests/windows/left-out.txt"

failed=0 passed_total=0 skipped_total=0 left_out_total=0
log=$(mktemp)
for test in "$build"/tests/*/test_*.exe; do
  name=$(basename "$test" .exe)
  filter=${left_out[$name]:-}
  if [ -n "$filter" ]; then
    count=$(cd "$(dirname "$test")" && wine "$test" --gtest_list_tests --gtest_filter="$filter" | grep -c '^  ') || true
    left_out_total=$((left_out_total + count))
  fi
  echo "== $name"
  # gtest writes CR LF on Windows.
  if ! (cd "$(dirname "$test")" && timeout 900 wine "$test" --gtest_filter="-$filter" 2>&1 | tr -d '\r' >"$log"); then
    failed=1
    grep -E '^\[  FAILED  \] .*\(' "$log" || tail -20 "$log"
  fi
  passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\.$/\1/p' "$log")
  skipped=$(sed -n 's/^\[  SKIPPED \] \([0-9]*\) tests\?, listed below:$/\1/p' "$log")
  passed_total=$((passed_total + ${passed:-0})) skipped_total=$((skipped_total + ${skipped:-0}))
  # Each skip with its reason: the line after "Skipped".
  awk '/Skipped$/ {getline reason} /^\[  SKIPPED \] .*\(/ {print "   skipped:", $4, "-", reason}' "$log"
done
rm -f "$log"
echo "Windows tests: $passed_total passed, $skipped_total skipped (each named above)," \
     "$left_out_total left out by tests/windows/left-out.txt"
echo "Left out of the Windows build (POSIX only):" $(cat "$build/tests/left-out-on-windows.txt")

# The program itself: its main window paints, and it ends at once after.
if TARNWICK_EXIT_AFTER_FIRST_PAINT=1 TARNWICK_SETTINGS_DIR= timeout 120 wine "$build/tarnwick.exe"; then
  echo "tarnwick.exe painted its main window and ended"
else
  echo "tarnwick.exe did not start: exit $?"
  failed=1
fi
# Start-up to first paint against the smallest window with Japanese text,
# alternated, with the Wine server kept running between starts.
if [ "${TARNWICK_WINE_STARTUP_ROUNDS:-5}" -gt 0 ]; then
  wineserver -p 2>/dev/null || true  # one may be running already
  time_start() {
    local from=$(date +%s%N)
    TARNWICK_EXIT_AFTER_FIRST_PAINT=1 wine "$1" >/dev/null 2>&1 || true
    echo $((($(date +%s%N) - from) / 1000000))
  }
  tarnwick_ms=() minimal_ms=()
  for _ in $(seq "${TARNWICK_WINE_STARTUP_ROUNDS:-5}"); do
    minimal_ms+=("$(time_start "$build/startup_minimal.exe")")
    tarnwick_ms+=("$(time_start "$build/tarnwick.exe")")
  done
  median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
  t=$(median "${tarnwick_ms[@]}") m=$(median "${minimal_ms[@]}")
  echo "start-up to first paint under Wine: tarnwick.exe ${t} ms, the minimal window ${m} ms," \
       "ratio $(awk "BEGIN {printf \"%.2f\", $t / $m}") (medians of ${#tarnwick_ms[@]})"
fi
exit $failed
