#!/usr/bin/env bash
# Builds Tarnwick for 64-bit Windows on Debian 12 and runs its tests under
# Wine: installs the cross compiler and Wine, builds a small Qt (Core, Gui,
# Widgets, Test) from Debian's source once into a cache, cross-builds
# Tarnwick and its tests, packs the portable zip and runs the tests.
#
#   scripts/build-windows.sh [--no-tests]
#
# TARNWICK_WIN_QT: the Qt cache (default ~/.cache/tarnwick/qt-6.4.2-mingw64).
# The zip and the build are in build-windows/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
qt_version=6.4.2
qt_prefix=${TARNWICK_WIN_QT:-$HOME/.cache/tarnwick/qt-$qt_version-mingw64}
build=$root/build-windows
run_tests=1
[ "${1:-}" = "--no-tests" ] && run_tests=0

sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"

install_packages() {
  local packages=(g++-mingw-w64-x86-64-posix wine64 wine xvfb xauth ninja-build cmake
                  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgtest-dev
                  openjdk-17-jdk-headless zip dpkg-dev locales)
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
  # Wine takes its code page from the locale: the tests run as on a Japanese system.
  if ! locale -a | grep -qi '^ja_JP\.utf-\?8$'; then
    $sudo_cmd sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
    $sudo_cmd locale-gen >/dev/null
  fi
}

# Debian's source of the Qt the host has, fetched once beside the cache.
fetch_qt_source() {
  local sources=$qt_prefix.src
  if [ ! -d "$sources"/qt6-base-$qt_version+dfsg ]; then
    if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
      # Source packages come from the same suite as the binary ones.
      sed -n 's/^Types: deb$/Types: deb-src/p;t;p' /etc/apt/sources.list.d/debian.sources \
        | $sudo_cmd tee /etc/apt/sources.list.d/tarnwick-deb-src.sources >/dev/null
      $sudo_cmd apt-get update -qq >&2
    fi
    mkdir -p "$sources"
    (cd "$sources" && { apt-get source -qq "qt6-base=$qt_version+dfsg-10" 2>/dev/null \
                        || apt-get source -qq qt6-base; }) >&2
  fi
  echo "$sources"/qt6-base-$qt_version+dfsg
}

# The options that make the cache: it is rebuilt when they change.
qt_options=(
  -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_icu=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_libpng=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_opengl_dynamic=ON -DFEATURE_tabletevent=OFF
  -DFEATURE_sql_sqlite=OFF -DFEATURE_vulkan=OFF
)

build_qt() {
  local stamp="$qt_version ${qt_options[*]} $(sha256sum "$root/cmake/mingw-w64-x86_64.cmake" | cut -c1-16)"
  if [ -f "$qt_prefix/.tarnwick-stamp" ] && [ "$(cat "$qt_prefix/.tarnwick-stamp")" = "$stamp" ]; then
    echo "Qt for Windows: $qt_prefix (cached)"
    return
  fi
  local source
  source=$(fetch_qt_source)
  local qt_build=$qt_prefix.build
  rm -rf "$qt_build" "$qt_prefix"
  local started=$SECONDS
  cmake -S "$source" -B "$qt_build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$qt_prefix" "${qt_options[@]}" >"$qt_prefix.configure.log" 2>&1 \
    || { tail -40 "$qt_prefix.configure.log"; exit 1; }
  cmake --build "$qt_build" --parallel "$(nproc)"
  cmake --install "$qt_build" >/dev/null
  echo "$stamp" >"$qt_prefix/.tarnwick-stamp"
  rm -rf "$qt_build"
  echo "Qt for Windows built in $((SECONDS - started)) s: $qt_prefix"
}

build_tarnwick() {
  local started=$SECONDS
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DTARNWICK_BUILD_BENCH=OFF >/dev/null
  cmake --build "$build" --parallel "$(nproc)"
  echo "Tarnwick for Windows built in $((SECONDS - started)) s"
}

# The program with what it loads: Qt's and MinGW's DLLs, the Windows
# platform plug-in, Qt's Japanese texts, the help page and the viewer.
pack_zip() {
  local version
  version=$(sed -n 's/^project(Tarnwick VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
  local name=tarnwick-$version-windows-x64
  local stage=$build/$name
  local runtime=/usr/lib/gcc/x86_64-w64-mingw32/12-posix
  rm -rf "$stage" "$build/$name.zip"
  mkdir -p "$stage/platforms" "$stage/translations"
  cp "$build/tarnwick.exe" "$stage/"
  cp "$qt_prefix"/bin/Qt6{Core,Gui,Widgets}.dll "$stage/"
  cp "$qt_prefix/plugins/platforms/qwindows.dll" "$stage/platforms/"
  cp "$runtime"/libstdc++-6.dll "$runtime"/libgcc_s_seh-1.dll \
     /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$stage/"
  cp /usr/share/qt6/translations/qtbase_ja.qm "$stage/translations/" 2>/dev/null || true
  cp -r "$build/help" "$stage/"
  mkdir -p "$stage/appletviewer"
  cp "$build"/appletviewer/*.jar "$stage/appletviewer/"
  x86_64-w64-mingw32-strip "$stage"/*.exe "$stage"/*.dll "$stage"/platforms/*.dll
  (cd "$build" && zip -qr "$name.zip" "$name")
  echo "$build/$name.zip: $(du -k "$build/$name.zip" | cut -f1) KiB"
}

main() {
  install_packages
  mkdir -p "$(dirname "$qt_prefix")"
  build_qt
  build_tarnwick
  pack_zip
  if [ "$run_tests" = 1 ]; then
    "$root/scripts/test-windows.sh" "$build" "$qt_prefix"
  fi
}

main "$@"
