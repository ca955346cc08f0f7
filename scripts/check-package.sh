#!/usr/bin/env bash
# The Debian package follows Debian's conventions (lintian reports no error
# or warning) and its AppStream metadata is valid. Needs a built "build"
# folder (scripts/test.sh makes one) and lintian and appstream
# (scripts/setup-deps.sh --hardening installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd build && cpack -G DEB -B "$out" >/dev/null 2>&1)
deb=$(echo "$out"/tarnwick_*.deb)
# Information tags are shown too; errors and warnings fail.
status=0
report=$(lintian --fail-on error,warning --display-info --show-overrides "$deb" 2>&1) || status=$?
grep -v 'root privileges' <<<"$report" || true
if [ $status -ne 0 ]; then
  echo "lintian: errors or warnings"
  exit 1
fi
dpkg-deb -x "$deb" "$out/root"
appstreamcli validate --no-net "$out"/root/usr/share/metainfo/*.metainfo.xml
echo "package: lintian clean, AppStream metadata valid"
