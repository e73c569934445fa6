// Measurements of the invoice core and the printout inside one process.
// zentora_bench --przygotuj DIR writes DIR/faktura50.FAK, DIR/Faktury.ini and a batch of
// 200 invoices in DIR/partia for the whole-process measurements of ./bench.

#include "faktura50.h"

#include "common/program.h"
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

}   // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    InicjujProgram();
    if (argc == 3 && QByteArray(argv[1]) == "--przygotuj")
        return Przygotuj(QString::fromLocal8Bit(argv[2]));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
