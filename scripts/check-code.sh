#!/usr/bin/env bash
# Code health: every include down the layers, every C++ file formatted by
# .clang-format, clang-tidy's curated checks (.clang-tidy) without a warning
# on the program's sources, and a Debian package that lintian and appstreamcli
# accept. Needs a configured and built "build" folder (scripts/test.sh makes
# one).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/check-layers.sh
# Form controls, strings and commands are named (resources/FormIds.h,
# StringIds.h, commands/CommandIds.h, generated from the JSON): none is looked
# up, clicked, built or run by its number.
if git grep -nE '(\b(Control|ControlObjectName|LoadFormTemplate|LoadResourceString|ExecuteCommand|CommandAction|FindCommand|C|W|Edit|Click|Choose|SetLine)|Get<[^>]*>|W<[^>]*>|Geometry\(\w+,) ?\(\{? ?([0-9]{3,}|[12]\})|DialogUnderTest<\w+, [0-9]' \
  -- '*.cpp' '*.h'; then
  echo "numbers above: use the names of resources/FormIds.h, StringIds.h or commands/CommandIds.h"
  exit 1
fi
files=$(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror $files
sources=$(git ls-files 'app/*.cpp' 'dialogs/*.cpp' 'generators/*.cpp' 'platform/*.cpp' \
  'resources/*.cpp' 'runner/*.cpp' 'compiler/*.cpp' 'java/*.cpp' 'judge/*.cpp' 'output/*.cpp' 'commands/*.cpp' 'settings/*.cpp' \
  | grep -v '^platform/windows/')  # built by the Windows build only, not in this build's database
log=$(mktemp)
trap 'rm -f "$log"' EXIT
run-clang-tidy -quiet -p build -j"$(nproc)" $sources >"$log" 2>&1 || true
if grep -qE 'warning:|error:' "$log"; then
  sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E 'warning:|error:' | sort -u
  exit 1
fi
echo "format and clang-tidy: clean"
./scripts/check-package.sh
