#!/usr/bin/env bash
# Builds QtKeychain (Qt 6, the Windows Credential Manager backend, where the KSeF token and
# certificate password are kept) for 64-bit Windows from Debian's qtkeychain source package,
# as a DLL, into ZENTORA_MINGW_LIBS (default ~/.cache/zentora/mingw64-libs) once per machine,
# with a Qt6KeychainConfig.cmake as Debian's qtkeychain-qt6-dev has. Needs Qt from build-qt.sh.
# Where the mirror lacks the source, ZENTORA_QTKEYCHAIN_SRC names an unpacked tree or tarball
# of the same release.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
qt=${ZENTORA_QT_MINGW:-$HOME/.cache/zentora/qt-6.4.2-mingw64}
libs=${ZENTORA_MINGW_LIBS:-$HOME/.cache/zentora/mingw64-libs}
if [ -f "$libs/.zentora-qtkeychain" ]; then
  echo "QtKeychain for MinGW already in $libs"
  exit 0
fi
work=${ZENTORA_QTKEYCHAIN_WORK:-$HOME/.cache/zentora/qtkeychain-work}
mkdir -p "$work"
cd "$work"
rm -rf src build
if [ -n "${ZENTORA_QTKEYCHAIN_SRC:-}" ]; then
  if [ -d "$ZENTORA_QTKEYCHAIN_SRC" ]; then
    cp -r "$ZENTORA_QTKEYCHAIN_SRC" src
  else
    mkdir src && tar xf "$ZENTORA_QTKEYCHAIN_SRC" -C src --strip-components=1
  fi
else
  if ! ls qtkeychain_*.orig.tar.* >/dev/null 2>&1 && ! apt-get source --download-only qtkeychain; then
    # bookworm's source is gone from some mirrors; the newer release Debian ships in its pool
    # serves as well (the same API, Qt 6 and the Credential Manager backend)
    rm -f qtkeychain_*
    tarball=qtkeychain_0.15.0.orig.tar.gz
    curl -fsSL -o "$tarball" "${ZENTORA_DEBIAN_POOL:-http://deb.debian.org/debian/pool}/main/q/qtkeychain/$tarball"
    echo "f4254dc8f0933b06d90672d683eab08ef770acd8336e44dfa030ce041dc2ca22  $tarball" | sha256sum -c --quiet
  fi
  mkdir src && tar xf qtkeychain_*.orig.tar.* -C src --strip-components=1
fi
# its Windows part assumes MSVC's /utf-8 switch, which MinGW's g++ takes for a file name
sed -i 's|add_definitions( /utf-8 -DUNICODE )|add_definitions( -DUNICODE )|' src/qtkeychain/CMakeLists.txt
# the Polish texts of its messages are not needed: the program words its own
cmake -S src -B build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/mingw64.cmake" \
  -DCMAKE_FIND_ROOT_PATH="$qt" -DCMAKE_PREFIX_PATH="$qt" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$libs" -DBUILD_SHARED_LIBS=ON \
  -DBUILD_WITH_QT6=ON -DBUILD_TRANSLATIONS=OFF -DBUILD_TEST_APPLICATION=OFF \
  -DUSE_CREDENTIAL_STORE=ON >/dev/null
cmake --build build -j"${JOBS:-$(nproc)}"
cmake --install build >/dev/null
rm -rf src build
touch "$libs/.zentora-qtkeychain"
echo "QtKeychain for MinGW installed in $libs"
