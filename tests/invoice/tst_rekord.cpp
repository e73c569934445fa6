#include "common/daty.h"
#include "fakturaprzykladowa.h"
#include "invoice/rekord.h"
#include "kolumny.h"

#include <QTest>

class TstRekord : public QObject {
    Q_OBJECT
private slots:
    void wierszJakoTekst();
    void ladujStr_data();
    void ladujStr();
    void kwotyVat();
    void oznaczenie_data();
    void oznaczenie();
    void nowaFaktura();
    void proForma();
    void tabeleNazw();
    void zakresPozycji();
};

void TstRekord::wierszJakoTekst()
{
    TpozFaktury p;
    QCOMPARE(p.WydajStr(), QStringLiteral("||||||||"));
    QVERIFY(p.PozJestPusta());
    p.Jedn = QStringLiteral(" ");
    QVERIFY(p.PozJestPusta());
    p.Towar = QStringLiteral("|");
    QVERIFY(p.PozJestPusta());
    p.Cena = QStringLiteral("1");
    QVERIFY(!p.PozJestPusta());
}

void TstRekord::ladujStr_data()
{
    // clang-format off
    Kolumny<QString, QString, QString, QString>("tekst", "towar", "klasyf", "brutto");
    QTest::newRow("dwa pola") << "a|b" << "a" << "b" << "";
    QTest::newRow("dziesiec pol") << "|||||||||x" << "" << "" << "";
    QTest::newRow("pelny") << "t|k|j|1|2|3|4|5|6" << "t" << "k" << "6";
    QTest::newRow("pusty") << "" << "" << "" << "";
    // clang-format on
}

void TstRekord::ladujStr()
{
    QFETCH(QString, tekst);
    QFETCH(QString, towar);
    QFETCH(QString, klasyf);
    QFETCH(QString, brutto);
    TpozFaktury p;
    p.Jedn = QStringLiteral("stare");
    QString s = tekst;
    p.LadujStr(s);
    QVERIFY(s.isEmpty());
    QCOMPARE(p.Towar, towar);
    QCOMPARE(p.Klasyf, klasyf);
    QCOMPARE(p.Brutto, brutto);
    if (tekst.count(QLatin1Char('|')) < 2)
        QCOMPARE(p.Jedn, QString());
}

void TstRekord::kwotyVat()
{
    auto kv = [](double prc, double net) {
        TkwotyVat k;
        k.dPrc = prc;
        k.dNet = net;
        return k;
    };
    TkwotyVat s;
    for (double p : {23.0, 8.0, 23.0, 0.0})
        s.dodaj(kv(p, 1));
    QCOMPARE(s.sPrc, QStringLiteral("23/8/0"));
    QCOMPARE(s.Licz, 3);
    QCOMPARE(s.dPrc, 23.0);
    QCOMPARE(s.dNet, 4.0);

    TkwotyVat t;
    t.dodaj(kv(23, 0));
    t.dodaj(kv(2, 0));   // "2" is not a part of "23"
    QCOMPARE(t.sPrc, QStringLiteral("23/2"));
    QVERIFY(!t.NorVorB());

    TkwotyVat u;
    u.dodaj(kv(23, 1));
    u.dodaj(kv(23, 1));
    QCOMPARE(u.Licz, 1);
    QCOMPARE(u.sPrc, QStringLiteral("23"));
}

void TstRekord::oznaczenie_data()
{
    // clang-format off
    Kolumny<int, int, QString, QString, QString>("format", "numer", "symbol", "wystawiono", "wynik");
    QTest::newRow("NR") << int(numerNR) << 12 << "FV" << "05.03.2018" << "12/2018";
    QTest::newRow("NMR") << int(numerNMR) << 12 << "FV" << "05.03.2018" << "12/3/2018";
    QTest::newRow("NSR") << int(numerNSR) << 12 << "FV" << "05.03.2018" << "12/FV/2018";
    QTest::newRow("NSMR") << int(numerNSMR) << 12 << "FV" << "05.03.2018" << "12/FV/3/2018";
    QTest::newRow("NMR grudzien") << int(numerNMR) << 7 << "" << "31.12.2018" << "7/12/2018";
    QTest::newRow("NMR styczen") << int(numerNMR) << 7 << "" << "01.01.2019" << "7/1/2019";
    QTest::newRow("pusty symbol") << int(numerNSR) << 12 << "" << "05.03.2018" << "12//2018";
    QTest::newRow("pusta data") << int(numerNR) << 12 << "" << "  .  .    " << "12/0";
    QTest::newRow("pusta data z miesiacem") << int(numerNSMR) << 3 << "PF" << "" << "3/PF/0/0";
    QTest::newRow("poza zakresem") << 9 << 12 << "FV" << "05.03.2018" << "";
    // clang-format on
}

void TstRekord::oznaczenie()
{
    QFETCH(int, format);
    QFETCH(int, numer);
    QFETCH(QString, symbol);
    QFETCH(QString, wystawiono);
    QFETCH(QString, wynik);
    TzentoraVat f;
    f.RodzajNum = static_cast<TrodzajNumerac>(format);
    f.NumerFak = numer;
    f.SymbolFak = symbol;
    f.DataWystaw = wystawiono;
    QCOMPARE(f.DajOznaczenieFaktury(), wynik);
}

void TstRekord::nowaFaktura()
{
    TiniZentora ini;
    ini.iniNumerac = numerNSR;
    ini.iniSymbol = QStringLiteral("FV");
    ini.iniTabBank = QStringLiteral("Bank;11 2222;x");
    ini.iniTabFirm = QStringLiteral("A;B");
    ini.iniTabOsob = QStringLiteral("Jan");
    ini.iniDniZapl = 14;
    const double dzis = KodujDate(2018, 3, 5, 0);

    ini.iniZaplata = zGotowka;
    TzentoraVat f = NowaFaktura(ini, dzis);
    QCOMPARE(f.DataZaplaty, QStringLiteral("05.03.2018"));
    QCOMPARE(f.NumerFak, 1);
    QCOMPARE(f.WersjaFak, 2);
    QCOMPARE(f.KupKod, QStringLiteral("  -   "));
    QCOMPARE(f.SprzedBank, QStringLiteral("Bank"));
    QCOMPARE(f.SprzedKonto, QStringLiteral("11 2222;x"));
    QCOMPARE(f.DajOznaczenieFaktury(), QStringLiteral("1/FV/2018"));

    ini.iniZaplata = zPrzelew;
    f = NowaFaktura(ini, dzis);
    QCOMPARE(f.DataWystaw, QStringLiteral("05.03.2018"));
    QCOMPARE(f.DataSprzed, QStringLiteral("05.03.2018"));
    QCOMPARE(f.DataZaplaty, QStringLiteral("19.03.2018"));

    // with no configuration at all
    f = NowaFaktura(TiniZentora(), dzis);
    QCOMPARE(int(f.RodzajNum), int(numerNR));
    QCOMPARE(int(f.RodzZaplaty), int(zGotowka));
    QCOMPARE(f.DataZaplaty, f.DataWystaw);
}

void TstRekord::proForma()
{
    TiniZentora ini;
    ini.iniNumerac = numerNR;
    ini.iniSymbol = QStringLiteral("FV");
    TzentoraVat f = NowaFaktura(ini, KodujDate(2018, 3, 5, 0));
    f.NumerFak = 3;
    UstawRodzajFaktury(f, rProForma, ini);
    QCOMPARE(f.DajOznaczenieFaktury(), QStringLiteral("3/PF/3/2018"));
    UstawRodzajFaktury(f, rProForma, ini);   // filling the record again changes nothing
    QCOMPARE(f.DajOznaczenieFaktury(), QStringLiteral("3/PF/3/2018"));
    UstawRodzajFaktury(f, rZentora, ini);
    QCOMPARE(f.DajOznaczenieFaktury(), QStringLiteral("3/2018"));
    QCOMPARE(f.SymbolFak, QStringLiteral("FV"));

    // a kind change that does not involve pro-forma keeps the invoice's own numbering
    f.RodzajNum = numerNMR;
    UstawRodzajFaktury(f, rFakKoryg, ini);
    QCOMPARE(f.DajOznaczenieFaktury(), QStringLiteral("3/3/2018"));
}

void TstRekord::tabeleNazw()
{
    QCOMPARE(NazwyFakturDop[rFakKoryg], NazwyFakturDop[rZentora]);
    QCOMPARE(NazwyFaktur[rProForma], QStringLiteral("Faktura Pro Forma"));
    QCOMPARE(NazwyZaplat[zZaliczPocz], QStringLiteral("za zaliczeniem pocztowym"));
    QCOMPARE(KluczeSum[vatA], QStringLiteral("V3"));
    QCOMPARE(NazwyDatSprzedazy[typDdostaw], QStringLiteral("Data dokonania dostawy"));
}

void TstRekord::zakresPozycji()
{
    TzentoraVat f = FakturaPrzykladowa();
    QCOMPARE(f.OstatniaPozycja(), 3);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, f.Pozycja(0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, f.Pozycja(51));
    f.Czysc();
    QCOMPARE(f.OstatniaPozycja(), 0);
    QCOMPARE(f.WersjaFak, 0);
}

QTEST_APPLESS_MAIN(TstRekord)
#include "tst_rekord.moc"
