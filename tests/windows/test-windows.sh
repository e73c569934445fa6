#!/usr/bin/env bash
# The Windows build under Wine, in a fresh Wine prefix: the QtCore layers' tests built for
# Windows, zentora-cli.exe's PDF (text equal to the Linux build's) and KSeF XML (the same bytes
# apart from the time stamp, valid against the schema), a print to a CUPS queue through Wine's
# printer bridge, the editor's window with its caption and a screenshot, and the installer
# installing and uninstalling silently.
#   tests/windows/test-windows.sh      (after ./test has built build/)
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
qt=${ZENTORA_QT_MINGW:-$HOME/.cache/zentora/qt-6.4.2-mingw64}
libs=${ZENTORA_MINGW_LIBS:-$HOME/.cache/zentora/mingw64-libs}
start=$(date +%s)
scripts/windows/build.sh --tests
echo "budowa dla Windows: $(($(date +%s) - start)) s"

work=$(mktemp -d /tmp/zentora-wine.XXXXXX)
wyniki=$root/build-windows/wyniki
rm -rf "$wyniki" && mkdir -p "$wyniki"
cupsd_pid=""
cleanup() {
  [ -n "$cupsd_pid" ] && kill "$cupsd_pid" 2>/dev/null || true
  rm -f "/etc/cups/cups-pdf-zentorawine$$.conf"
  WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export HOME=$work
wineboot -i >/dev/null 2>&1
wineserver -w
# Wine 8 passes for Windows 7 unless told otherwise; the users have Windows 10 and 11
wine winecfg -v win10
wineserver -w
dist=$root/dist/windows/Zentora
linux_cli=$root/build/src/app/zentora-cli
przyklad=$root/examples/przyklad.FAK
ini=$root/examples/Faktury.ini

echo "== testy warstw QtCore pod Wine"
# the DLLs the tests import: Qt's, the compiler's run time, the libraries built from source
sciezka=""
for d in "$qt/bin" "$libs/bin" \
  "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")" /usr/x86_64-w64-mingw32/lib; do
  sciezka+="$(winepath -w "$d");"
done
# tst_cli_ksefwyslij drives zentora-cli against the KSeF test server, a Python program of the build
# machine, which a Windows process cannot start
if ! (cd build-windows-core && WINEPATH="$sciezka" ctest -j2 -E '^tst_cli_ksefwyslij$'); then
  # Qt's tests say nothing on a pipe under Wine: their report is written to a file instead
  for t in $(sed -n 's/^[0-9]*:\(.*\)$/\1/p' build-windows-core/Testing/Temporary/LastTestsFailed.log); do
    exe=$(find build-windows-core/tests -name "$t.exe" | head -1)
    [ -n "$exe" ] || continue
    (cd "$(dirname "$exe")" && WINEPATH="$sciezka" wine "./$t.exe" -o "$work/$t.txt,txt" >/dev/null 2>&1) || true
    grep -av '^PASS' "$work/$t.txt" || true
  done
  exit 1
fi

echo "== zentora-cli.exe pdf"
wine "$dist/zentora-cli.exe" pdf "$przyklad" -o "$work/win.pdf" --config "$ini"
"$linux_cli" pdf "$przyklad" -o "$work/linux.pdf" --config "$ini"
diff <(pdftotext -layout "$work/linux.pdf" -) <(pdftotext -layout "$work/win.pdf" -)
cp "$work/win.pdf" "$wyniki/"

echo "== zentora-cli.exe ksef"
wine "$dist/zentora-cli.exe" ksef "$przyklad" -o "$work/win.xml" --config "$ini" --force
"$linux_cli" ksef "$przyklad" -o "$work/linux.xml" --config "$ini" --force
bez_czasu() { sed 's|<DataWytworzeniaFa>[^<]*</DataWytworzeniaFa>||' "$1"; }
diff <(bez_czasu "$work/linux.xml") <(bez_czasu "$work/win.xml")
xmllint --noout --schema "${ZENTORA_KSEF_DIR:-$root/../shared/ksef}/schemat_FA3_lokalny.xsd" "$work/win.xml"

echo "== wydruk do kolejki CUPS przez drukarki Wine"
# a scheduler of this run on a private socket, with a cups-pdf queue writing into $work/out
c=$work/cups
mkdir -p "$c"/{spool/tmp,cache,state,log,out,pdfspool}
chmod 755 "$work" "$c"
cat >"$c/cupsd.conf" <<KONIEC
Listen $c/cups.sock
Browsing No
DefaultAuthType None
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
KONIEC
cat >"$c/cups-files.conf" <<KONIEC
ServerRoot $c
RequestRoot $c/spool
TempDir $c/spool/tmp
CacheDir $c/cache
StateDir $c/state
ErrorLog $c/log/error_log
PageLog $c/log/page_log
User lp
Group lp
SystemGroup root
KONIEC
printf 'Out %s/out\nAnonDirName %s/out\nSpool %s/pdfspool\nLabel 2\nTitlePref 1\nGrp lp\n' "$c" "$c" "$c" \
  >"/etc/cups/cups-pdf-zentorawine$$.conf"
/usr/sbin/cupsd -f -c "$c/cupsd.conf" -s "$c/cups-files.conf" &
cupsd_pid=$!
export CUPS_SERVER=$c/cups.sock CUPS_SERVERROOT=$c
for _ in $(seq 50); do lpstat -r 2>/dev/null | grep -q 'is running' && break; sleep 0.2; done
lpadmin -p ZentoraPDF -E -v "cups-pdf:/zentorawine$$" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
  -o pdftops-renderer-default=pdftocairo
# Wine learns the printers of CUPS when its prefix starts: restart it to see the new queue
wineserver -k || true
wine "$dist/zentora-cli.exe" printers | tee "$work/drukarki.txt"
grep -q ZentoraPDF "$work/drukarki.txt"
wine "$dist/zentora-cli.exe" print "$przyklad" --printer ZentoraPDF --config "$ini"
# cups-pdf writes the file while the job runs: it is whole once the queue has no job left
for _ in $(seq 300); do
  ls "$c"/out/*.pdf >/dev/null 2>&1 && [ -z "$(lpstat -W not-completed -o ZentoraPDF 2>/dev/null)" ] && break
  sleep 0.2
done
wydruk=$(ls "$c"/out/*.pdf | head -1)
# Wine's PostScript driver draws the text as outlines, so the page is checked by its job title
# (the invoice's designation), its count and its ink instead of its text
pdfinfo "$wydruk" | grep -q '^Title: *FakturaVAT12'
pdfinfo "$wydruk" | grep -q '^Pages: *1$'
pdftoppm -r 30 -gray "$wydruk" "$work/wydruk"
python3 - "$work"/wydruk-1.pgm <<'KONIEC'
import sys
dane = open(sys.argv[1], 'rb').read().split(b'\n', 3)[3]
ciemne = sum(1 for b in dane if b < 128) / len(dane)
assert ciemne > 0.02, f'wydruk prawie pusty ({ciemne:.3f})'
KONIEC
cp "$wydruk" "$wyniki/wydruk-cups.pdf"

# A Wine session started without a display keeps none: windows start in a session of their own.
nowa_sesja() {
  wineserver -k || true
  wineserver -w
}
nowa_sesja

echo "== edytor pod xvfb-run wine"
# okno.sh PATTERN PNG COMMAND...: runs COMMAND, waits for a window whose caption matches
# PATTERN, takes a screenshot of the screen
cat >"$work/okno.sh" <<'KONIEC'
#!/bin/bash
wzorzec=$1 zrzut=$2
shift 2
"$@" &
for _ in $(seq 120); do
  xwininfo -root -tree 2>/dev/null | grep -q -- "$wzorzec" && break
  sleep 0.5
done
sleep 2
xwininfo -root -tree | grep -- "$wzorzec" || { xwininfo -root -tree | head -30; exit 1; }
import -window root "$zrzut"
KONIEC
chmod +x "$work/okno.sh"
xvfb-run -a -s '-screen 0 1280x900x24' "$work/okno.sh" '" Zentora:  ( bez nazwy )"' "$wyniki/edytor-wine.png" \
  wine "$dist/zentora.exe"
wineserver -k || true

echo "== instalator /S i odinstalowanie"
setup=$(ls "$root"/dist/Zentora-*-setup.exe)
wine "$setup" /S
wineserver -w
pf=$(winepath -u 'C:\Program Files\Zentora')
test -f "$pf/zentora.exe" && test -f "$pf/plugins/platforms/qwindows.dll"
wine reg query 'HKLM\Software\Classes\.FAK' | grep -q Zentora.Faktura
wine reg query 'HKLM\Software\Classes\Zentora.Faktura\shell\open\command' | grep -q 'zentora.exe'
test -f "$(winepath -u 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Zentora.lnk')" ||
  ls "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Zentora.lnk >/dev/null
# the installed program runs from Program Files
[ "$(wine "$pf/zentora-cli.exe" --version | tr -d '\r')" = "zentora-cli $(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)" ]
# a .FAK opens in the installed editor by its association, as a double click in Explorer does;
# the editors killed above left recovery copies, which would be offered first
rm -rf "$WINEPREFIX"/drive_c/users/*/AppData/Local/zentora/odzysk
dokumenty=$(winepath -u 'C:\users\Public\Documents')
cp "$przyklad" "$dokumenty/moja.FAK"
nowa_sesja
xvfb-run -a -s '-screen 0 1280x900x24' "$work/okno.sh" 'moja.FAK"' "$wyniki/skojarzenie-wine.png" \
  wine start 'C:\users\Public\Documents\moja.FAK'
wineserver -k || true
# the user's files in the program folder survive the uninstaller
printf '[x]\r\n' >"$pf/Faktury.ini"
cp "$przyklad" "$pf/moja.FAK"
wine "$pf/odinstaluj.exe" /S
wineserver -w
for _ in $(seq 50); do [ -f "$pf/zentora.exe" ] || break; sleep 0.2; done
test ! -f "$pf/zentora.exe" && test ! -d "$pf/plugins"
test -f "$pf/Faktury.ini" && test -f "$pf/moja.FAK"
! wine reg query 'HKLM\Software\Classes\Zentora.Faktura' >/dev/null 2>&1
echo "Windows pod Wine: wszystko zgodne ($(($(date +%s) - start)) s); zrzut: $wyniki/edytor-wine.png"
