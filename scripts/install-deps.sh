#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the checks and the screenshots need, when missing.
set -euo pipefail

packages=(
  g++ make cmake ninja-build qt6-base-dev
  fontconfig fonts-liberation2 fonts-dejavu-core fonts-wine python3-fonttools
  xvfb xauth poppler-utils
  libxml2-utils pkg-config libqrencode-dev zbar-tools
  libssl-dev python3 python3-cryptography
  qt6-translations-l10n
  cups printer-driver-cups-pdf
  clang libclang-rt-14-dev libbenchmark-dev hyperfine jq time bsdextrautils
  clang-format clang-tidy
  qt6-svg-dev help2man dpkg-dev lintian desktop-file-utils appstream mmdebstrap
  libxmlsec1-dev xmlsec1
  qtkeychain-qt6-dev libsecret-1-0 gnome-keyring dbus-daemon dbus-bin libsecret-tools openssl
)
# --windows: the cross compiler, the installer maker and Wine (the Qt source comes through apt)
[ "${1:-}" = "--windows" ] && packages+=(g++-mingw-w64-x86-64-posix nsis zip wine wine64 imagemagick x11-utils)
# --bench: the peers ./bench measures zentora-cli against (large, so only when asked)
[ "${1:-}" = "--bench" ] && packages+=(wkhtmltopdf libreoffice-writer-nogui)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
