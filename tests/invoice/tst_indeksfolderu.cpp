#include "fakturaprzykladowa.h"
#include "invoice/indeksfolderu.h"
#include "invoice/plikfaktury.h"
#include "kolumny.h"
#include "pliktymczasowy.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// A generated folder: hundreds of VAT invoices over a year boundary, a second symbol,
// monthly numbering across the new year, pro forma invoices, bills, damaged files.
class TstIndeksFolderu : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void wpisy();
    void nastepnyNumer_data();
    void nastepnyNumer();
    void tenSamNumer_data();
    void tenSamNumer();
    void pamiec();
    void numeracjaWylaczona();

private:
    QString Plik(const QString &n) const { return m_folder.filePath(n); }
    QString Pamiec() const { return m_pamiec.path(); }
    void Zapisz(const QString &nazwa, TrodzajFaktury r, TrodzajNumerac n, const QString &s, int nr,
                const QString &data);
    QTemporaryDir m_folder, m_pamiec;
};

void TstIndeksFolderu::Zapisz(const QString &nazwa, TrodzajFaktury r, TrodzajNumerac n, const QString &s, int nr,
                              const QString &data)
{
    TzentoraVat f = FakturaPrzykladowa();
    f.RodzajFak = r;
    f.RodzajNum = n;
    f.SymbolFak = s;
    f.NumerFak = nr;
    f.DataWystaw = f.DataSprzed = data;
    f.KupFirma = QStringLiteral("Nabywca %1").arg(nazwa);
    ZapiszFakture(Plik(nazwa), f);
}

void TstIndeksFolderu::initTestCase()
{
    QVERIFY(m_folder.isValid() && m_pamiec.isValid());
    QStandardPaths::setTestModeEnabled(true);
    for (int i = 1; i <= 300; ++i)
        Zapisz(QStringLiteral("fv2025-%1.FAK").arg(i), rZentora, numerNSR, QStringLiteral("FV"), i,
               QStringLiteral("%1.%2.2025")
                   .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                   .arg(i % 12 + 1, 2, 10, QLatin1Char('0')));
    for (int i = 1; i <= 5; ++i)
        Zapisz(QStringLiteral("fv2026-%1.fak").arg(i), rZentora, numerNSR, QStringLiteral("FV"), i,
               QStringLiteral("0%1.01.2026").arg(i));
    Zapisz(QStringLiteral("fa.FAK"), rZentora, numerNSR, QStringLiteral("FA"), 40, QStringLiteral("02.01.2026"));
    for (int i = 1; i <= 9; ++i)
        Zapisz(QStringLiteral("m12-%1.FAK").arg(i), rZentora, numerNMR, QString(), i, QStringLiteral("31.12.2025"));
    for (int i = 1; i <= 4; ++i)
        Zapisz(QStringLiteral("m01-%1.FAK").arg(i), rZentora, numerNMR, QString(), i, QStringLiteral("01.01.2026"));
    for (int i = 1; i <= 3; ++i)
        Zapisz(QStringLiteral("pf-%1.FAK").arg(i), rProForma, numerNSMR, QStringLiteral("PF"), i,
               QStringLiteral("05.12.2025"));
    for (int i = 1; i <= 7; ++i)
        Zapisz(QStringLiteral("r-%1.FAK").arg(i), rZwykly, numerNSR, QStringLiteral("R"), i,
               QStringLiteral("10.02.2026"));
    QVERIFY(PiszBajty(Plik(QStringLiteral("zepsuta.FAK")), "\x01\x02 to nie jest faktura"));
    QVERIFY(PiszBajty(Plik(QStringLiteral("wersja.FAK")), "[OpisFaktury]\r\nWersja=7\r\nNrFakt=999\r\n"));
    QVERIFY(QDir(m_folder.path()).mkdir(QStringLiteral("archiwum")));
    Zapisz(QStringLiteral("archiwum/stara.FAK"), rZentora, numerNSR, QStringLiteral("FV"), 999,
           QStringLiteral("01.03.2026"));
}

void TstIndeksFolderu::wpisy()
{
    const IndeksFolderu ix(m_folder.path(), Pamiec());
    QCOMPARE(ix.Wpisy().size(), 331);   // subfolders do not count
    int uszkodzone = 0;
    for (const WpisIndeksu &w : ix.Wpisy())
        uszkodzone += w.Uszkodzony();
    QCOMPARE(uszkodzone, 2);
    const auto wpis = [&](const QString &n) {
        return *std::find_if(ix.Wpisy().cbegin(), ix.Wpisy().cend(), [&](const WpisIndeksu &w) { return w.plik == n; });
    };
    QCOMPARE(wpis(QStringLiteral("wersja.FAK")).blad, QStringLiteral("Niepoprawna wersja faktury = 7"));
    const WpisIndeksu w = wpis(QStringLiteral("fv2026-3.fak"));
    QCOMPARE(w.Oznaczenie(), QStringLiteral("3/FV/2026"));
    QCOMPARE(w.firma, QStringLiteral("Nabywca fv2026-3.fak"));
    QCOMPARE(w.nip, QStringLiteral("123-456-78-90"));
    QCOMPARE(w.Towary().size(), FakturaPrzykladowa().OstatniaPozycja());
    QCOMPARE(w.Towary().first().nazwa, FakturaPrzykladowa().Pozycja(1).Towar);
    QCOMPARE(w.Sumy(), FakturaPrzykladowa().SumyFaktury);
    QCOMPARE(w.doZaplaty, FakturaPrzykladowa().SumyFaktury[vatSum].Brutto);
}

void TstIndeksFolderu::nastepnyNumer_data()
{
    Kolumny<int, int, int, QString, QString, int>("wczesniej", "rodzaj", "numeracja", "symbol", "data", "numer");
    const auto wiersz = [](const char *n, TrodzajFaktury z, TrodzajFaktury r, TrodzajNumerac num, const char *s,
                           const char *d, int nr) {
        QTest::newRow(n) << int(z) << int(r) << int(num) << QString::fromUtf8(s) << QString::fromUtf8(d) << nr;
    };
    wiersz("rok 2026", rZentora, rZentora, numerNSR, "FV", "15.01.2026", 6);
    wiersz("rok 2025", rZentora, rZentora, numerNSR, "FV", "31.12.2025", 301);
    wiersz("nowy rok", rZentora, rZentora, numerNSR, "FV", "01.01.2027", 1);
    wiersz("inny symbol", rZentora, rZentora, numerNSR, "FA", "15.06.2026", 41);
    wiersz("nowy symbol", rZentora, rZentora, numerNSR, "FX", "15.06.2026", 1);
    wiersz("inny format", rZentora, rZentora, numerNSMR, "FV", "15.01.2026", 1);
    wiersz("miesiac grudzien", rZentora, rZentora, numerNMR, "", "01.12.2025", 10);
    wiersz("miesiac styczen", rZentora, rZentora, numerNMR, "", "31.01.2026", 5);
    wiersz("miesiac luty", rZentora, rZentora, numerNMR, "", "01.02.2026", 1);
    wiersz("korekta w serii faktur", rZentora, rFakKoryg, numerNSR, "FV", "15.01.2026", 6);
    wiersz("rachunek uproszczony w serii faktur", rZentora, rUprosz, numerNSR, "FV", "15.01.2026", 6);
    wiersz("pro forma", rProForma, rProForma, numerNSMR, "PF", "30.12.2025", 4);
    wiersz("pro forma w styczniu", rProForma, rProForma, numerNSMR, "PF", "02.01.2026", 1);
    wiersz("pro forma na fakture", rProForma, rZentora, numerNSR, "FV", "20.01.2026", 6);
    wiersz("rachunek", rZwykly, rZwykly, numerNSR, "R", "01.03.2026", 8);
    wiersz("faktura na rachunek", rZentora, rZwykly, numerNSR, "FV", "01.03.2026", 8);
    wiersz("zla data", rZentora, rZentora, numerNSR, "FV", "", 1);
}

void TstIndeksFolderu::nastepnyNumer()
{
    QFETCH(int, wczesniej);
    QFETCH(int, rodzaj);
    QFETCH(int, numeracja);
    QFETCH(QString, symbol);
    QFETCH(QString, data);
    QFETCH(int, numer);
    TiniZentora ini;
    ini.iniNumerac = TrodzajNumerac(numeracja);
    ini.iniSymbol = symbol;
    TzentoraVat f = NowaFaktura(ini, 0);
    UstawRodzajFaktury(f, TrodzajFaktury(wczesniej), ini);
    UstawRodzajFaktury(f, TrodzajFaktury(rodzaj), ini);
    f.DataWystaw = data;
    const IndeksFolderu ix(m_folder.path(), Pamiec());
    QCOMPARE(NastepnyNumer(ix.Wpisy(), f), numer);
    NumerujWFolderze(f, ini, m_folder.path());
    QCOMPARE(f.NumerFak, numer);
}

void TstIndeksFolderu::tenSamNumer_data()
{
    Kolumny<int, int, QString, QString, QString>("rodzaj", "numer", "data", "wlasny", "inny");
    QTest::newRow("powtorzony") << int(rZentora) << 3 << "20.05.2026"
                                << "nowa.FAK"
                                << "fv2026-3.fak";
    QTest::newRow("ten sam plik") << int(rZentora) << 3 << "20.05.2026"
                                  << "fv2026-3.fak" << QString();
    QTest::newRow("wolny") << int(rZentora) << 6 << "20.05.2026"
                           << "nowa.FAK" << QString();
    QTest::newRow("inny rok") << int(rZentora) << 3 << "20.05.2027"
                              << "nowa.FAK" << QString();
    QTest::newRow("rachunek osobno") << int(rZwykly) << 3 << "20.05.2026"
                                     << "nowa.FAK" << QString();
}

void TstIndeksFolderu::tenSamNumer()
{
    QFETCH(int, rodzaj);
    QFETCH(int, numer);
    QFETCH(QString, data);
    QFETCH(QString, wlasny);
    QFETCH(QString, inny);
    TzentoraVat f = FakturaPrzykladowa();
    f.RodzajFak = TrodzajFaktury(rodzaj);
    f.NumerFak = numer;
    f.DataWystaw = data;
    const IndeksFolderu ix(m_folder.path(), Pamiec());
    const WpisIndeksu *w = TenSamNumer(ix.Wpisy(), f, wlasny);
    QCOMPARE(w ? w->plik : QString(), inny);
}

// The second look reads nothing; a changed, a new and a removed file are seen; the editor's
// save updates the entry at once.
void TstIndeksFolderu::pamiec()
{
    QTemporaryDir pamiec;
    const IndeksFolderu pierwszy(m_folder.path(), pamiec.path());
    QCOMPARE(pierwszy.Przeczytane(), 331);
    QVERIFY(QFile::exists(pierwszy.PlikPamieci()));
    IndeksFolderu ix(m_folder.path(), pamiec.path());
    QCOMPARE(ix.Przeczytane(), 0);
    QCOMPARE(ix.Wpisy(), pierwszy.Wpisy());

    Zapisz(QStringLiteral("fv2026-5.fak"), rZentora, numerNSR, QStringLiteral("FV"), 55, QStringLiteral("05.01.2026"));
    Zapisz(QStringLiteral("nowa.FAK"), rZentora, numerNSR, QStringLiteral("FV"), 70, QStringLiteral("05.01.2026"));
    QVERIFY(QFile::remove(Plik(QStringLiteral("zepsuta.FAK"))));
    ix.Odswiez();
    QCOMPARE(ix.Przeczytane(), 2);
    QCOMPARE(ix.Wpisy().size(), 331);
    TzentoraVat f = FakturaPrzykladowa();
    f.DataWystaw = QStringLiteral("09.09.2026");
    QCOMPARE(NastepnyNumer(ix.Wpisy(), f), 71);

    Zapisz(QStringLiteral("nowa.FAK"), rZentora, numerNSR, QStringLiteral("FV"), 80, QStringLiteral("05.01.2026"));
    ix.Aktualizuj(Plik(QStringLiteral("nowa.FAK")));
    QCOMPARE(NastepnyNumer(ix.Wpisy(), f), 81);
    QCOMPARE(IndeksFolderu(m_folder.path(), pamiec.path()).Przeczytane(), 0);

    // back as the other tests expect the folder
    QVERIFY(QFile::remove(Plik(QStringLiteral("nowa.FAK"))));
    ix.Aktualizuj(Plik(QStringLiteral("nowa.FAK")));
    QCOMPARE(NastepnyNumer(ix.Wpisy(), f), 56);
    Zapisz(QStringLiteral("fv2026-5.fak"), rZentora, numerNSR, QStringLiteral("FV"), 5, QStringLiteral("05.01.2026"));
    QVERIFY(PiszBajty(Plik(QStringLiteral("zepsuta.FAK")), "\x01\x02 to nie jest faktura"));
}

void TstIndeksFolderu::numeracjaWylaczona()
{
    TiniZentora ini;
    ini.iniAutoNum = false;
    ini.iniSymbol = QStringLiteral("FV");
    ini.iniNumerac = numerNSR;
    TzentoraVat f = NowaFaktura(ini, 0);
    f.DataWystaw = QStringLiteral("15.01.2026");
    NumerujWFolderze(f, ini, m_folder.path());
    QCOMPARE(f.NumerFak, 1);
}

QTEST_GUILESS_MAIN(TstIndeksFolderu)
#include "tst_indeksfolderu.moc"
