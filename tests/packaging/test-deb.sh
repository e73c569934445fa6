#!/usr/bin/env bash
# Checks the Debian package the way Debian would: lintian without errors, the desktop entry
# and the AppStream data valid, the package installed with apt into a clean Debian made
# here (mmdebstrap from the mirror this machine uses), and zentora-cli run from /usr/bin
# there: its version and a PDF of the example, whose text must equal the build tree's.
#   tests/packaging/test-deb.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
cd "$(dirname "$0")/../.."
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/pakiet/zentora_*.deb)
echo "pakiet: $deb ($(du -k "$deb" | cut -f1) KiB)"

work=$(mktemp -d /tmp/zentora-deb.XXXXXX)
cleanup() {
  mountpoint -q "$work/chroot/proc" && umount "$work/chroot/proc"
  rm -rf "$work"
}
trap cleanup EXIT

# lintian: errors fail, warnings are shown
lintian --fail-on error --tag-display-limit 0 "$deb"

dpkg-deb -x "$deb" "$work/pliki"
desktop-file-validate "$work"/pliki/usr/share/applications/*.desktop
appstreamcli validate --no-net --explain "$work"/pliki/usr/share/metainfo/*.metainfo.xml
grep -qx 'Name=Zentora — faktury VAT' "$work"/pliki/usr/share/applications/pl.zentora.Zentora.desktop
# the .FAK type: by name and by content
mkdir -p "$work/mime/packages"
cp "$work"/pliki/usr/share/mime/packages/*.xml "$work/mime/packages/"
cp /usr/share/mime/packages/freedesktop.org.xml "$work/mime/packages/"
update-mime-database "$work/mime" >/dev/null 2>&1
grep -q '^application/x-zentora-faktura:\*\.fak$' "$work/mime/globs" || { echo "brak wzorca *.fak"; exit 1; }
grep -q 'application/x-zentora-faktura' "$work/mime/magic" || { echo "brak rozpoznania po treści"; exit 1; }

mirror=$(sed -n 's/^URIs: *\(http[^ ]*debian\/*\)$/\1/p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -1)
: "${mirror:=http://deb.debian.org/debian}"
# the package lists stay, so apt in there can fetch the dependencies
mmdebstrap --quiet --variant=apt --skip=cleanup/apt/lists bookworm "$work/chroot" "$mirror"
cp "$deb" "$work/chroot/tmp/"
cp -L /etc/resolv.conf "$work/chroot/etc/resolv.conf"
mount -t proc proc "$work/chroot/proc"
chroot "$work/chroot" sh -c 'DEBIAN_FRONTEND=noninteractive apt-get install -y -q ./tmp/zentora_*.deb shared-mime-info desktop-file-utils >/tmp/apt.log 2>&1 || { cat /tmp/apt.log; exit 1; }'
wersja=$(chroot "$work/chroot" /usr/bin/zentora-cli --version)
[ "$wersja" = "zentora-cli $(dpkg-deb -f "$deb" Version)" ] || { echo "zła wersja: $wersja"; exit 1; }
przyklady=/usr/share/doc/zentora/examples
chroot "$work/chroot" /usr/bin/zentora-cli pdf $przyklady/przyklad.FAK -o /tmp/p.pdf --config $przyklady/Faktury.ini
"$build/src/app/zentora-cli" pdf examples/przyklad.FAK -o "$work/lokalny.pdf" --config examples/Faktury.ini
diff <(pdftotext -layout "$work/lokalny.pdf" -) <(pdftotext -layout "$work/chroot/tmp/p.pdf" -)
test -f "$work/chroot/usr/share/zentora/kroje/ZentoraSans-Regular.ttf"
test -x "$work/chroot/usr/bin/zentora"
test -f "$work/chroot/usr/share/icons/hicolor/48x48/mimetypes/application-x-zentora-faktura.png"
# the system's triggers took in the file type and the entry that opens it
grep -q '\*\.fak' "$work/chroot/usr/share/mime/globs2"
grep -qx 'application/x-zentora-faktura=pl.zentora.Zentora.desktop;' "$work/chroot/usr/share/applications/mimeinfo.cache"
echo "pakiet zainstalowany i sprawdzony"
