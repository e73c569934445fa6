#!/usr/bin/env bash
# Builds libxml2 and xmlsec1 with its OpenSSL backend (the XAdES signature of the KSeF
# certificate login) for 64-bit Windows from Debian's own source packages, as DLLs, into
# ZENTORA_MINGW_LIBS (default ~/.cache/zentora/mingw64-libs) once per machine; OpenSSL comes
# from build-openssl.sh. Both install pkg-config files, so the cross build finds them the
# way the Linux build finds Debian's libxmlsec1-dev.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
libs=${ZENTORA_MINGW_LIBS:-$HOME/.cache/zentora/mingw64-libs}
triplet=x86_64-w64-mingw32
if [ -f "$libs/.zentora-xmlsec" ]; then
  echo "libxml2 and xmlsec1 for MinGW already in $libs"
  exit 0
fi
"$here/build-openssl.sh"
work=${ZENTORA_XMLSEC_WORK:-$HOME/.cache/zentora/xmlsec-work}
jobs=${JOBS:-$(nproc)}
mkdir -p "$work"
cd "$work"
ls libxml2_*.orig.tar.* >/dev/null 2>&1 || apt-get source --download-only libxml2
ls xmlsec1_*.orig.tar.* >/dev/null 2>&1 || apt-get source --download-only xmlsec1
rm -rf libxml2-*/ xmlsec1-*/ build-libxml2
tar xf libxml2_*.orig.tar.*
tar xf xmlsec1_*.orig.tar.*

# libxml2: the parser, the tree, XPath and canonicalisation the signature needs; no network
# access, no codecs beyond its own (UTF-8, UTF-16, Latin-1), no programs or bindings.
cmake -S libxml2-*/ -B build-libxml2 -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/mingw64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$libs" -DBUILD_SHARED_LIBS=ON \
  -DLIBXML2_WITH_ICONV=OFF -DLIBXML2_WITH_ICU=OFF -DLIBXML2_WITH_LZMA=OFF -DLIBXML2_WITH_ZLIB=OFF \
  -DLIBXML2_WITH_PYTHON=OFF -DLIBXML2_WITH_PROGRAMS=OFF -DLIBXML2_WITH_TESTS=OFF \
  -DLIBXML2_WITH_HTTP=OFF -DLIBXML2_WITH_FTP=OFF -DLIBXML2_WITH_MODULES=OFF >/dev/null
cmake --build build-libxml2 -j"$jobs"
cmake --install build-libxml2 >/dev/null

# xmlsec1 with OpenSSL linked in directly (no crypto back-end loaded at run time, as
# Debian builds it), without the xmlsec1 program, the manuals and XSLT.
cd xmlsec1-*/
PKG_CONFIG_LIBDIR="$libs/lib/pkgconfig" PKG_CONFIG_PATH="" \
  ./configure --host=$triplet --prefix="$libs" --enable-shared --disable-static \
  --without-nss --without-gcrypt --without-gnutls --without-libxslt \
  --disable-crypto-dl --disable-apps-crypto-dl --disable-apps --disable-docs --disable-mans \
  >/dev/null
make -j"$jobs" -C include >/dev/null
make -j"$jobs" -C src >/dev/null
make -C include install >/dev/null
make -C src install >/dev/null
make install-pkgconfigDATA >/dev/null
cd "$work"
rm -rf libxml2-*/ xmlsec1-*/ build-libxml2
touch "$libs/.zentora-xmlsec"
echo "libxml2 and xmlsec1 for MinGW installed in $libs"
