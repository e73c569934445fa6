#!/usr/bin/env bash
# Builds OpenSSL's libraries (libcrypto, which the KSeF client uses for RSA-OAEP, AES and the
# hashes, and libssl, which xmlsec1's OpenSSL backend links) for 64-bit Windows from Debian's
# own openssl source package, into ZENTORA_MINGW_LIBS (default ~/.cache/zentora/mingw64-libs)
# once per machine. TLS itself does not go through this OpenSSL: Qt for Windows is built with
# its Schannel backend, so HTTPS to KSeF uses the certificates and updates of Windows.
set -euo pipefail
libs=${ZENTORA_MINGW_LIBS:-$HOME/.cache/zentora/mingw64-libs}
stamp="$libs/.zentora-openssl"
if [ -f "$stamp" ]; then
  echo "OpenSSL for MinGW already in $libs"
  exit 0
fi
work=${ZENTORA_OPENSSL_WORK:-$HOME/.cache/zentora/openssl-work}
mkdir -p "$work"
cd "$work"
if ! ls openssl_3.*.orig.tar.gz >/dev/null 2>&1; then
  # the deb-src line comes from build-qt.sh, which runs first
  apt-get source --download-only openssl
fi
tarball=$(ls openssl_3.*.orig.tar.gz | sort -V | tail -1)
ver=${tarball#openssl_}
src=$work/openssl-${ver%.orig.tar.gz}
rm -rf "$src"
tar xzf "$tarball"
cd "$src"
# no-tests: nothing here runs OpenSSL's own test suite; only the libraries are built (build_libs),
# never the openssl program or the manuals
./Configure mingw64 shared no-tests no-legacy --cross-compile-prefix=x86_64-w64-mingw32- \
  --prefix="$libs" --libdir=lib >/dev/null
make -j"${JOBS:-$(nproc)}" build_libs >/dev/null
make install_dev >/dev/null
cd "$work"
rm -rf "$src"
touch "$stamp"
echo "OpenSSL for MinGW installed in $libs"
