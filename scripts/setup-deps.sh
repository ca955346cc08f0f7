#!/usr/bin/env bash
# Installs the Debian packages that Tarnwick needs to build, run and test
# (the Japanese dictionaries and manual pages are the encoding tests' text).
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config help2man
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic fonts-noto-cjk
  openjdk-17-jdk-headless openjdk-17-jdk
  xvfb xauth xdg-utils openbox xdotool
  mecab-ipadic skkdic manpages-ja
)
# --hardening adds what CI needs beyond the tests: clang for the fuzzers and
# the code checks, lintian and appstream for the package check.
if [ "${1:-}" = "--hardening" ]; then
  packages+=(clang libclang-rt-14-dev clang-format clang-tidy lintian appstream)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
