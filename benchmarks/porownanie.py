#!/usr/bin/env python3
"""zentora-cli against the programs people otherwise make invoice PDFs with, in one run.

porownanie.py CLI DANE WYNIK.json [RUNS]
  CLI   the zentora-cli to measure
  DANE  what zentora_bench --przygotuj wrote (faktura50.FAK, Faktury.ini, partia/)

The same invoices go to wkhtmltopdf and LibreOffice as HTML made here from what
`zentora-cli show --json` reads. Every command is a whole process; the commands take turns
round by round, so a slower minute of the machine falls on all of them alike. Prints the
medians, the ratios and the targets; exits 1 when a target is missed.
"""

import html
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

PARTIA = 100
CELE = {  # the ratios zentora-cli must reach, and the limits it must stay under
    "jedna": 10.0,
    "partia": 25.0,
    "pamiec_mb": 40.0,
    "wersja_ms": 5.0,
}


def html_faktury(f):
    """A plain HTML invoice with what the printout shows: parties, rows, totals."""
    e = html.escape
    w = []
    w.append("<!DOCTYPE html><html lang='pl'><head><meta charset='utf-8'>")
    w.append("<title>Faktura %s</title><style>body{font-family:'Liberation Sans',Arial,sans-serif;"
             "font-size:9pt}table{border-collapse:collapse;width:100%%}td,th{border:1px solid #000;"
             "padding:2px 4px}td.l{text-align:right}</style></head><body>" % e(f["oznaczenie"]))
    w.append("<h1>Faktura VAT nr %s</h1>" % e(f["oznaczenie"]))
    w.append("<p>Data wystawienia: %s<br>Data sprzedaży: %s<br>Termin zapłaty: %s</p>"
             % (e(f["wystawiono"]), e(f["sprzedano"]), e(f["termin"])))
    s, k = f["sprzedawca"], f["kupujacy"]
    w.append("<table><tr><th>Sprzedawca</th><th>Nabywca</th></tr><tr><td>%s<br>%s %s</td>"
             "<td>%s<br>%s<br>%s %s<br>NIP %s</td></tr></table>"
             % ("<br>".join(e(x) for x in s["ramka"]), e(s["bank"]), e(s["konto"]),
                e(k["firma"]), e(k["ulica"]), e(k["kod"]), e(k["miasto"]), e(k["nip"])))
    w.append("<table><tr><th>Lp</th><th>Nazwa towaru lub usługi</th><th>PKWiU</th><th>J.m.</th>"
             "<th>Ilość</th><th>Cena netto</th><th>Wartość netto</th><th>VAT %</th>"
             "<th>Kwota VAT</th><th>Wartość brutto</th></tr>")
    for p in f["pozycje"]:
        w.append("<tr><td>%d</td><td>%s</td><td>%s</td><td>%s</td>" % (p["lp"], e(p["towar"]), e(p["klasyf"]),
                                                                       e(p["jedn"])))
        w.append("".join("<td class='l'>%s</td>" % e(p[c])
                         for c in ("ilosc", "cena", "netto", "stawka", "vat", "brutto")))
        w.append("</tr>")
    w.append("</table><table><tr><th></th><th>Netto</th><th>VAT</th><th>Brutto</th></tr>")
    for nazwa, r in f["sumy"].items():
        if r["netto"].strip() or r["brutto"].strip():
            w.append("<tr><td>%s</td><td class='l'>%s</td><td class='l'>%s</td><td class='l'>%s</td></tr>"
                     % (e(nazwa), e(r["netto"]), e(r["vat"]), e(r["brutto"])))
    w.append("</table><p><b>Do zapłaty: %s zł</b><br>Słownie: %s</p>" % (e(f["do_zaplaty"]), e(f["slownie"])))
    w.append("<p>Wystawił: %s &nbsp;&nbsp;&nbsp; Odebrał: %s</p></body></html>" % (e(s["osoba"]), e(k["osoba"])))
    return "\n".join(w)


def napisz_html(cli, fak, cel):
    wynik = subprocess.run([cli, "show", fak, "--json"], check=True, capture_output=True)
    with open(cel, "w", encoding="utf-8") as h:
        h.write(html_faktury(json.loads(wynik.stdout)))


def pamiec_mb(argv):
    """The peak resident memory of a command in MB, the median of 3 runs of GNU time (a
    process started from here would count this interpreter's pages before its exec)."""
    wyniki = []
    for _ in range(3):
        with tempfile.NamedTemporaryFile("r") as t:
            subprocess.run(["/usr/bin/time", "-f", "%M", "-o", t.name, *argv], check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            wyniki.append(int(t.read().split()[-1]) / 1024)
    return statistics.median(wyniki)


def uruchom(argv, cwd=None):
    """Wall time and CPU time (ms) of one process and its children."""
    with open(os.devnull, "wb") as nic:
        t0 = time.perf_counter_ns()
        p = subprocess.Popen(argv, stdout=nic, stderr=subprocess.PIPE, cwd=cwd, close_fds=False)
        _, status, ru = os.wait4(p.pid, 0)
        t = (time.perf_counter_ns() - t0) / 1e6
        bledy = p.stderr.read()
        p.stderr.close()
        p.returncode = os.waitstatus_to_exitcode(status)
    if p.returncode != 0:
        sys.exit("%s: kod %d\n%s" % (" ".join(argv[:3]), p.returncode, bledy.decode(errors="replace")))
    return t, (ru.ru_utime + ru.ru_stime) * 1000


def main():
    cli, dane, plik_wyniku = sys.argv[1], sys.argv[2], sys.argv[3]
    runs = int(sys.argv[4]) if len(sys.argv) > 4 else 10
    for program in ("wkhtmltopdf", "soffice"):
        if not shutil.which(program):
            sys.exit("Brak programu %s: scripts/install-deps.sh --bench" % program)
    tmp = tempfile.mkdtemp(prefix="zentora-porownanie-")
    try:
        ini = os.path.join(dane, "Faktury.ini")
        jedna = os.path.join(dane, "faktura50.FAK")
        partia = sorted(os.path.join(dane, "partia", n) for n in os.listdir(os.path.join(dane, "partia"))
                        if n.endswith(".FAK"))[:PARTIA]
        html_dir = os.path.join(tmp, "html")
        os.mkdir(html_dir)
        jedna_html = os.path.join(tmp, "faktura50.html")
        napisz_html(cli, jedna, jedna_html)
        partia_html = []
        for f in partia:
            cel = os.path.join(html_dir, os.path.basename(f)[:-4] + ".html")
            napisz_html(cli, f, cel)
            partia_html.append(cel)
        profil = "file://" + os.path.join(tmp, "profil-lo")
        lo = ["soffice", "-env:UserInstallation=" + profil, "--headless", "--convert-to", "pdf", "--outdir",
              os.path.join(tmp, "lo")]
        polecenia = {
            "wersja": [cli, "--version"],
            "jedna": [cli, "pdf", jedna, "-o", os.path.join(tmp, "z.pdf"), "--config", ini],
            "wkhtml": ["wkhtmltopdf", "--quiet", jedna_html, os.path.join(tmp, "w.pdf")],
            "partia": [cli, "pdf", *partia, "-d", os.path.join(tmp, "zp"), "--config", ini],
            "lo": lo + partia_html,
        }
        # LibreOffice's batch takes long: it runs fewer rounds (at least 3)
        rundy = {k: runs for k in polecenia}
        rundy["lo"] = max(3, runs // 3)
        # one warm-up each (LibreOffice makes its profile then), then the rounds in turn
        for argv in polecenia.values():
            uruchom(argv)
        pomiary = {k: [] for k in polecenia}
        for r in range(runs):
            for k, argv in polecenia.items():
                if r < rundy[k]:
                    pomiary[k].append(uruchom(argv))
        pamiec = {k: pamiec_mb(argv) for k, argv in polecenia.items() if k != "lo"}
    finally:
        shutil.rmtree(tmp, ignore_errors=True)

    def med(k, i):
        return statistics.median(p[i] for p in pomiary[k])

    wyniki = {k: {"median_ms": med(k, 0), "cpu_ms": med(k, 1), "peak_mb": pamiec.get(k), "runs": len(pomiary[k])}
              for k in pomiary}
    jedna_x = wyniki["wkhtml"]["median_ms"] / wyniki["jedna"]["median_ms"]
    partia_x = wyniki["lo"]["median_ms"] / wyniki["partia"]["median_ms"]
    szczyt = max(wyniki["jedna"]["peak_mb"], wyniki["partia"]["peak_mb"])
    wersja = wyniki["wersja"]["median_ms"]
    cele = [
        ("PDF jednej faktury (50 pozycji): wkhtmltopdf / zentora-cli", jedna_x, ">=", CELE["jedna"], "x"),
        ("PDF partii %d faktur, na fakturę: LibreOffice / zentora-cli" % PARTIA, partia_x, ">=", CELE["partia"],
         "x"),
        ("pamięć szczytowa zentora-cli pdf", szczyt, "<", CELE["pamiec_mb"], " MB"),
        ("zentora-cli --version", wersja, "<", CELE["wersja_ms"], " ms"),
    ]

    nazwy = {
        "wersja": "zentora-cli --version",
        "jedna": "zentora-cli pdf, 1 faktura (50 pozycji)",
        "wkhtml": "wkhtmltopdf, ta sama faktura (HTML)",
        "partia": "zentora-cli pdf, partia %d (na fakturę)" % PARTIA,
        "lo": "LibreOffice --convert-to pdf, partia %d (na fakturę)" % PARTIA,
    }
    print("%-52s %12s %12s %10s %6s" % ("pomiar (proces)", "mediana", "CPU", "pamięć", "runs"))
    for k, w in wyniki.items():
        dzielnik = PARTIA if k in ("partia", "lo") else 1
        mb = "%7.1f MB" % w["peak_mb"] if w["peak_mb"] is not None else "%10s" % ""
        print("%-52s %9.2f ms %9.2f ms %s %6d" % (nazwy[k], w["median_ms"] / dzielnik, w["cpu_ms"] / dzielnik, mb,
                                                   w["runs"]))
    print()
    chybione = 0
    for opis, wartosc, znak, cel, jedn in cele:
        ok = wartosc >= cel if znak == ">=" else wartosc < cel
        chybione += not ok
        print("%-62s %8.1f%-3s (cel %s %g%s) %s" % (opis, wartosc, jedn, znak, cel, jedn, "tak" if ok else "NIE"))
    # the same ratios in CPU time, which a machine busy with other work disturbs less
    print("\nto samo w czasie CPU: wkhtmltopdf / zentora-cli %.1fx, LibreOffice / zentora-cli %.1fx"
          % (wyniki["wkhtml"]["cpu_ms"] / wyniki["jedna"]["cpu_ms"], wyniki["lo"]["cpu_ms"] / wyniki["partia"]["cpu_ms"]))
    with open(plik_wyniku, "w", encoding="utf-8") as h:
        json.dump({"cores": os.cpu_count(), "date": time.strftime("%Y-%m-%dT%H:%M:%SZ", time.gmtime()),
                   "results": {nazwy[k]: w for k, w in wyniki.items()},
                   "ratios": {"wkhtmltopdf/zentora": jedna_x, "libreoffice/zentora": partia_x},
                   "targets_missed": chybione}, h, ensure_ascii=False, indent=1)
    return 1 if chybione else 0


if __name__ == "__main__":
    sys.exit(main())
