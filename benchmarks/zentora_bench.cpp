// Measurements of the invoice core and the printout inside one process.
// zentora_bench --przygotuj DIR writes DIR/faktura50.FAK, DIR/Faktury.ini and a batch of
// 200 invoices in DIR/partia for the whole-process measurements of ./bench.

#include "faktura50.h"

#include "common/program.h"
#include "invoice/konfiguracja.h"
#include "invoice/plikfaktury.h"
#include "print/arkusz.h"
#include "print/kanwazapisujaca.h"
#include "print/wydrukfaktury.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

// A4 at 600 dpi with the recording canvas, as the layout tests use.
class ArkuszPomiarowy : public TARKUSZ {
public:
    ArkuszPomiarowy()
    {
        FpixeliNaCal = {600, 600};
        FfizycznaPix = {MulDiv(2100, 600, 254), MulDiv(2970, 600, 254)};
        const qint32 pas = MulDiv(40, 600, 254);
        FofsetPix = {pas, pas, pas, pas};
        FuzytkowaPix = {FfizycznaPix.X - 2 * pas, FfizycznaPix.Y - 2 * pas};
        UstawOdwzorowanie();
        BudujZestawCzcionek();
        DOMYSLNE_PARAPETRY();
        Ydruk = 0;
    }
    void TestujAbort() override {}
    void NowaStrona() override
    {
        ++kanwa.strona;
        UstawOdwzorowanie();
        Ydruk = 0;
    }
    TKanwa *DajPlotno() override { return &kanwa; }
    TKanwaZapisujaca kanwa;
};

TiniZentora Konfiguracja()
{
    TiniZentora ini;
    ini.iniSymbol = QStringLiteral("FV");
    ini.iniNumerac = numerNSR;
    return ini;
}

QTemporaryDir &Katalog()
{
    static QTemporaryDir k;
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
        ArkuszPomiarowy a;
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
