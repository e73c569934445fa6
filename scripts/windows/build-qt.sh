#!/usr/bin/env bash
# Builds Qt 6.4.2 (Core, Gui, Widgets, PrintSupport, Network, Test) for 64-bit Windows with
# MinGW-w64 from Debian's own qt6-base source package, so the host's moc, rcc and uic serve the
# cross build. Installs into ZENTORA_QT_MINGW (default ~/.cache/zentora/qt-6.4.2-mingw64) once per
# machine: a complete installation is left alone. Takes about half an hour on two cores.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=${ZENTORA_QT_MINGW:-$HOME/.cache/zentora/qt-6.4.2-mingw64}
jobs=${JOBS:-$(nproc)}
stamp="$prefix/.zentora-complete"
if [ -f "$stamp" ]; then
  echo "Qt for MinGW already in $prefix"
  exit 0
fi

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
# apt-get source needs a deb-src line for the suites the machine already uses.
if ! apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -qx 'Sources'; then
  list=/etc/apt/sources.list.d/zentora-deb-src.sources
  uris=$(grep -rhoE '^URIs: *http[^ ]*debian/?$' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -1 | sed 's/^URIs: *//')
  : "${uris:=http://deb.debian.org/debian}"
  printf 'Types: deb-src\nURIs: %s\nSuites: bookworm bookworm-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' "$uris" |
    $sudo tee "$list" >/dev/null
  $sudo apt-get update -qq
fi

work=${ZENTORA_QT_WORK:-$HOME/.cache/zentora/qt-mingw-work}
mkdir -p "$work"
cd "$work"
src=$(ls -d qtbase-everywhere-src-6.4.2* 2>/dev/null | head -1 || true)
if [ -z "$src" ]; then
  # only the upstream tarball is needed: a mirror without Debian's patch archive is fine
  apt-get source --download-only qt6-base || ls qt6-base_6.4.2*.orig.tar.* >/dev/null
  # Only the upstream tree is needed; Debian's patches are for its Linux packaging.
  tar xf qt6-base_6.4.2*.orig.tar.*
  src=$(ls -d qtbase-everywhere-src-6.4.2* | head -1)
fi

build="$work/build"
# the toolchain file is copied beside the build so a clone elsewhere can resume it
cp "$here/mingw64.cmake" "$work/mingw64.cmake"
# a build cut short (a session's end, a killed job) resumes where it stopped
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$src" -B "$build" -G Ninja "${launcher[@]}" \
  -DCMAKE_TOOLCHAIN_FILE="$work/mingw64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF \
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
  -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_dbus=OFF -DFEATURE_sql=OFF \
  -DFEATURE_tabletevent=OFF -DFEATURE_openssl=OFF -DFEATURE_schannel=ON \
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF
cmake --build "$build" -j"$jobs"
cmake --install "$build"
touch "$stamp"
rm -rf "$build"
echo "Qt for MinGW installed in $prefix"
