#!/usr/bin/env bash
# Cross-builds zentora.exe and zentora-cli.exe for 64-bit Windows and packs them: the program
# folder dist/windows/Zentora/, the portable dist/Zentora-VERSION-win64.zip and the installer
# dist/Zentora-VERSION-setup.exe. Qt for MinGW comes from build-qt.sh (built once per machine);
# the icon files from the host build in build/.
#   scripts/windows/build.sh [--tests]   --tests also builds the QtCore layers' tests (build-windows-core)
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
qt=${ZENTORA_QT_MINGW:-$HOME/.cache/zentora/qt-6.4.2-mingw64}
libs=${ZENTORA_MINGW_LIBS:-$HOME/.cache/zentora/mingw64-libs}
triplet=x86_64-w64-mingw32
export ZENTORA_QT_MINGW=$qt

nice -n 19 scripts/windows/build-qt.sh
# libcrypto for the KSeF client's RSA-OAEP, AES and hashes; TLS goes through Qt's Schannel backend
nice -n 19 scripts/windows/build-openssl.sh
# libxml2 and xmlsec1 for the XAdES signature of the certificate login
nice -n 19 scripts/windows/build-xmlsec.sh
# QtKeychain for the saved KSeF secrets; should its source be missing, the configuration below
# says so only if the program needs it
nice -n 19 scripts/windows/build-qtkeychain.sh || echo "QtKeychain dla Windows nie zbudowany" >&2

# libqrencode (the printout's KSeF code) from Debian's source, static, once per machine.
if [ ! -f "$libs/.zentora-qrencode" ]; then
  work=$HOME/.cache/zentora/qrencode-work
  rm -rf "$work" && mkdir -p "$work"
  (cd "$work" && { apt-get source --download-only qrencode || true; } && tar xf qrencode_*.orig.tar.*)
  src=$(ls -d "$work"/qrencode-*/ | head -1)
  cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/scripts/windows/mingw64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$libs" -DBUILD_SHARED_LIBS=OFF \
    -DWITH_TOOLS=OFF -DWITH_TESTS=OFF
  cmake --build "$work/build" -j"$(nproc)"
  cmake --install "$work/build"
  touch "$libs/.zentora-qrencode"
fi

# The icon files are drawn by a host program.
[ -f build/CMakeCache.txt ] || scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
cmake --build build --target zentora_ikony

export PKG_CONFIG_LIBDIR="$libs/lib/pkgconfig"
export PKG_CONFIG_PATH=""
konfiguruj() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/scripts/windows/mingw64.cmake" \
    -DCMAKE_FIND_ROOT_PATH="$qt;$libs" -DCMAKE_PREFIX_PATH="$qt;$libs" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DZENTORA_WERROR=ON -DZENTORA_IKONY="$root/build/packaging/ikony" \
    -DCMAKE_EXE_LINKER_FLAGS="-static-libgcc -static-libstdc++" "$@" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}
konfiguruj build-windows -DZENTORA_TESTS=OFF
if [ "${1:-}" = "--tests" ]; then
  konfiguruj build-windows-core -DZENTORA_CORE_ONLY=ON -DCMAKE_CROSSCOMPILING_EMULATOR=wine
fi

# The program folder: the programs, the Qt plugins they load, every DLL these import that
# Windows does not bring (Qt's, the compiler's run time, the libraries built above), Qt's
# Polish texts and the printout's typeface with its licence.
wersja=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)
dist=dist/windows/Zentora
rm -rf "$dist" && mkdir -p "$dist"
# zentora-cli and its helper programs (pdf, print, KSeF), which it looks for beside itself
cp build-windows/src/app/zentora.exe build-windows/src/app/zentora-cli*.exe "$dist/"
# (Qt 6 has the Windows print support inside Qt6PrintSupport.dll, no plugin)
# zentora-cli draws PDF pages on the offscreen platform, never needing a display
for p in platforms/qwindows platforms/qoffscreen styles/qwindowsvistastyle \
         tls/qschannelbackend imageformats/qico imageformats/qjpeg imageformats/qgif; do
  mkdir -p "$dist/plugins/$(dirname $p)"
  cp "$qt/plugins/$p.dll" "$dist/plugins/$p.dll"
done
gcclib=$(dirname "$($triplet-g++-posix -print-libgcc-file-name)")
szukaj=("$qt/bin" "$libs/bin" "$gcclib" "/usr/$triplet/lib")
# a DLL found in none of these folders is one of Windows' own
kolejka=("$dist"/*.exe "$dist"/plugins/*/*.dll)
while [ ${#kolejka[@]} -gt 0 ]; do
  plik=${kolejka[0]}
  kolejka=("${kolejka[@]:1}")
  for dll in $($triplet-objdump -p "$plik" | sed -n 's/^\s*DLL Name: //p' | tr -d '\r'); do
    [ -f "$dist/$dll" ] && continue
    for d in "${szukaj[@]}"; do
      if [ -f "$d/$dll" ]; then
        cp "$d/$dll" "$dist/"
        kolejka+=("$dist/$dll")
        break
      fi
    done
  done
done
$triplet-strip --strip-unneeded "$dist"/*.dll "$dist"/plugins/*/*.dll "$dist"/*.exe
printf '[Paths]\nPrefix = .\n' > "$dist/qt.conf"
mkdir -p "$dist/translations"
cp /usr/share/qt6/translations/qtbase_pl.qm "$dist/translations/"
mkdir -p "$dist/kroje"
cp build-windows/src/print/kroje/*.ttf "$dist/kroje/" 2>/dev/null || true
[ -f build/packaging/LICENCJA-KROJU.txt ] && cp build/packaging/LICENCJA-KROJU.txt "$dist/kroje/"

rm -f "dist/Zentora-$wersja-win64.zip"
(cd dist/windows && zip -qr9 "../Zentora-$wersja-win64.zip" Zentora)
# The uninstaller removes exactly these files and then the folders left empty.
usun=$root/build-windows/usun.nsh
{
  (cd "$dist" && find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|')
  (cd "$dist" && find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|')
} >"$usun"
makensis -V2 -DUSUN="$usun" -DWERSJA="$wersja" -DZRODLO="$root/$dist" -DIKONA="$root/build/packaging/ikony/pl.zentora.Zentora.ico" \
  -DWYNIK="$root/dist/Zentora-$wersja-setup.exe" packaging/windows/zentora.nsi
ls -l "dist/Zentora-$wersja-win64.zip" "dist/Zentora-$wersja-setup.exe"
