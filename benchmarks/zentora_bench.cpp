// Measurements of the invoice core and the printout inside one process.
// zentora_bench --przygotuj DIR writes DIR/faktura50.FAK, DIR/Faktury.ini and a batch of
// 200 invoices in DIR/partia for the whole-process measurements of ./bench;
// zentora_bench --folder DIR N writes a working folder of N invoices, and
// zentora_bench --indeks DIR CACHE indexes it (the cache files in CACHE).

#include "faktura50.h"

#include "common/program.h"
#include "invoice/indeksfolderu.h"
#include "invoice/konfiguracja.h"
#include "invoice/plikfaktury.h"
#include "print/arkusztestowy.h"
#include "print/wydrukfaktury.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

TiniZentora Konfiguracja()
{
    TiniZentora ini;
    ini.iniSymbol = QStringLiteral("FV");
    ini.iniNumerac = numerNSR;
    // the invoice has an exempt row: without the basis of the exemption zentora-cli pdf refuses it
    ini.iniKsefPodstawa = QStringLiteral("art. 113 ust. 1 ustawy o VAT");
    return ini;
}

// The files written are measured in a tmpfs folder when there is one: saving ends in an
// fdatasync, and on a disk that wait would drown the program's own work being measured.
QTemporaryDir &Katalog()
{
    static QTemporaryDir k = [] {
        if (QFileInfo(QStringLiteral("/dev/shm")).isWritable()) {
            QTemporaryDir shm(QStringLiteral("/dev/shm/zentora_bench-XXXXXX"));
            if (shm.isValid())
                return shm;
        }
        return QTemporaryDir();
    }();
    return k;
}

void CzytajPrzeliczZapisz(benchmark::State &stan)
{
    const QString plik = Katalog().filePath(QStringLiteral("f.FAK"));
    ZapiszFakture(plik, Faktura50());
    for (auto _ : stan) {
        TzentoraVat f;
        CzytajFakture(plik, f);
        TabeleWPamieci t;
        t.dataSprzedazy = f.DataSprzed;
        RekordDoTabel(f, t);
        PrzeliczSumy(t);
        TabeleDoRekordu(t, f, true);
        ZapiszFakture(plik, f);
    }
}
BENCHMARK(CzytajPrzeliczZapisz)->Name("odczyt+przeliczenie+zapis (50 wierszy)")->Unit(benchmark::kMicrosecond);

void TekstFaktury50(benchmark::State &stan)
{
    const TzentoraVat f = Faktura50();
    for (auto _ : stan)
        benchmark::DoNotOptimize(TekstFaktury(f));
}
BENCHMARK(TekstFaktury50)->Name("TekstFaktury (50 wierszy)")->Unit(benchmark::kMicrosecond);

void UkladNaKanwieZapisujacej(benchmark::State &stan)
{
    const TzentoraVat f = Faktura50();
    const TiniZentora ini = Konfiguracja();
    for (auto _ : stan) {
        TarkuszTestowy a;
        DrukujEgzemplarz(a, false, f, ini);
        benchmark::DoNotOptimize(a.kanwa.zapisy.size());
    }
}
BENCHMARK(UkladNaKanwieZapisujacej)->Name("uklad na kanwie zapisujacej (50 wierszy)")->Unit(benchmark::kMicrosecond);

void JedenPdf(benchmark::State &stan)
{
    const TzentoraVat f = Faktura50();
    const TiniZentora ini = Konfiguracja();
    const QString plik = Katalog().filePath(QStringLiteral("f.pdf"));
    for (auto _ : stan)
        DrukujDoPdf(plik, f, ini, 1, false);
}
BENCHMARK(JedenPdf)->Name("PDF w procesie (50 wierszy)")->Unit(benchmark::kMillisecond);

int Przygotuj(const QString &katalog)
{
    const QDir d(katalog);
    if (!d.mkpath(QStringLiteral("partia")))
        return 1;
    TzentoraVat f = Faktura50();
    ZapiszFakture(d.filePath(QStringLiteral("faktura50.FAK")), f);
    ZapiszParametry(d.filePath(QStringLiteral("Faktury.ini")), Konfiguracja());
    for (int i = 1; i <= 200; ++i) {
        f.NumerFak = i;
        ZapiszFakture(d.filePath(QStringLiteral("partia/f%1.FAK").arg(i, 3, 10, QLatin1Char('0'))), f);
    }
    return 0;
}

// A working folder of `ile` invoices of a small business: numbered over two years, a
// hundred buyers, a few rows each.
int PrzygotujFolder(const QString &katalog, int ile)
{
    if (!QDir().mkpath(katalog))
        return 1;
    TzentoraVat wzor = Faktura50();
    wzor.IlePozyc = 5;
    for (int i = 6; i <= kMaxPozycji; ++i)
        wzor.Pozycja(i).czysc();
    PrzeliczRekord(wzor);
    for (int i = 0; i < ile; ++i) {
        TzentoraVat f = wzor;
        const int rok = 2025 + i * 2 / ile, wRoku = i % (ile / 2 + 1);
        f.NumerFak = wRoku + 1;
        f.DataWystaw = f.DataSprzed = QStringLiteral("%1.%2.%3")
                                          .arg(wRoku % 28 + 1, 2, 10, QLatin1Char('0'))
                                          .arg(wRoku * 12 / (ile / 2 + 1) + 1, 2, 10, QLatin1Char('0'))
                                          .arg(rok);
        f.KupFirma = QStringLiteral("Nabywca nr %1 Sp. z o.o.").arg(i % 100);
        f.KupNip =
            QStringLiteral("525-000-%1-%2").arg(i % 100, 2, 10, QLatin1Char('0')).arg(i % 97, 2, 10, QLatin1Char('0'));
        ZapiszFakture(
            QDir(katalog).filePath(QStringLiteral("FV_%1_%2.FAK").arg(f.NumerFak, 5, 10, QLatin1Char('0')).arg(rok)),
            f);
    }
    return 0;
}

}   // namespace

int main(int argc, char **argv)
{
    // the index of a working folder, as a whole process: what zentora-cli and the editor pay
    if (argc == 4 && QByteArray(argv[1]) == "--indeks") {
        QCoreApplication app(argc, argv);
        const IndeksFolderu ix(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
        return ix.Wpisy().isEmpty() ? 1 : 0;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    InicjujProgram();
    if (argc == 3 && QByteArray(argv[1]) == "--przygotuj")
        return Przygotuj(QString::fromLocal8Bit(argv[2]));
    if (argc == 4 && QByteArray(argv[1]) == "--folder")
        return PrzygotujFolder(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
