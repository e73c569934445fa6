#include "common/bledy.h"
#include "common/daty.h"
#include "fakturaprzykladowa.h"
#include "invoice/stawki.h"
#include "invoice/sumy.h"
#include "kolumny.h"
#include "prezentertestowy.h"

#include <QTest>

namespace {
// Tables with the given rows: each "quantity|price|rate".
TabeleWPamieci Tabele(const QString &data, const QStringList &wiersze)
{
    TabeleWPamieci t;
    t.dataSprzedazy = data;
    for (int i = 0; i < wiersze.size(); ++i) {
        const QStringList p = wiersze.at(i).split(QLatin1Char('|'));
        t.UstawPozycje(kolTowar, i + 1, QStringLiteral("Towar %1").arg(i + 1));
        t.UstawPozycje(kolIlosc, i + 1, p.value(0));
        t.UstawPozycje(kolCena, i + 1, p.value(1));
        t.UstawPozycje(kolPrcVat, i + 1, p.value(2));
    }
    return t;
}

QString WierszSum(const TabeleFaktury &t, int w)
{
    return QStringList{t.Suma(0, w), t.Suma(1, w), t.Suma(2, w), t.Suma(3, w)}.join(QLatin1Char('|'));
}

// The four totals rows of the example invoice, as the tables show them.
QString SumyPrzykladu(const TabeleFaktury &t)
{
    return QStringList{WierszSum(t, 0), WierszSum(t, 1), WierszSum(t, 2), WierszSum(t, 3)}.join(QLatin1Char('\n'));
}
const QString kSumyPrzykladu = QStringLiteral("139,03|-----|8,68|147,71\n100,00|zwol.||100,00\n"
                                              "1,98|8 %|0,16|2,14\n37,05|23 %|8,52|45,57");

QString Kwoty(const TabeleFaktury &t, int w)
{
    return QStringList{t.Pozycja(kolNetto, w), t.Pozycja(kolWarVat, w), t.Pozycja(kolBrutto, w)}.join(QLatin1Char('|'));
}

const QString kWiadomosc7 = QStringLiteral(
    "Niepoprawna wartość % Vat = 7 %|Dla wpisanej daty sprzedaży, poprawne|stawki to:  0%   8%   23%   5%   "
    "zw||\"zw\" oznacza sprzedaż zwolnioną z VAT.");
}   // namespace

class TstSumy : public QObject {
    Q_OBJECT
private slots:
    void stawkiWgDaty_data();
    void stawkiWgDaty();
    void wiadomoscOStawce();
    void przykladRozliczenia();
    void kwotyWiersza_data();
    void kwotyWiersza();
    void vatLiczonyWierszami();
    void zerowaSumaZawszeWidoczna();
    void zwolnionaIZeroOsobno();
    void zlaStawkaPrzerywaPrzeliczenie();
    void zlaDataSprzedazy();
    void etykietaNiezgodnaZData();
    void etykiety();
    void rekordNaTabele();
    void pozycjeZLuka();
};

void TstSumy::stawkiWgDaty_data()
{
    // clang-format off
    Kolumny<QString, QString, bool, int>("data", "stawka", "dobra", "rodzaj");
    for (const char *s : {"0", "7", "22", "3"})
        QTest::addRow("2010 %s", s) << "31.12.2010" << s << true << -1;
    for (const char *s : {"8", "23", "5"})
        QTest::addRow("2010 zla %s", s) << "31.12.2010" << s << false << -1;
    QTest::newRow("2011 0") << "01.01.2011" << "0" << true << int(vat0);
    QTest::newRow("2011 8") << "01.01.2011" << "8" << true << int(vat7);
    QTest::newRow("2011 23") << "01.01.2011" << "23" << true << int(vat22);
    QTest::newRow("2011 5") << "01.01.2011" << " 5 " << true << int(vatA);
    QTest::newRow("2011 22") << "01.01.2011" << "22" << false << -1;
    QTest::newRow("2011 023") << "01.01.2011" << "023" << false << -1;
    QTest::newRow("2011 23,0") << "01.01.2011" << "23,0" << false << -1;
    // clang-format on
}

void TstSumy::stawkiWgDaty()
{
    QFETCH(QString, data);
    QFETCH(QString, stawka);
    QFETCH(bool, dobra);
    QFETCH(int, rodzaj);
    PrezenterTestowy p;
    bool ok = false;
    const TrodzajVat r = IndeksStawki(TekstNaDate(data, 0), stawka, ok);
    QCOMPARE(ok, dobra);
    QCOMPARE(p.pokazane.size(), dobra ? 0 : 1);
    if (rodzaj >= 0)
        QCOMPARE(int(r), rodzaj);
}

void TstSumy::wiadomoscOStawce()
{
    PrezenterTestowy p;
    bool ok = true;
    IndeksStawki(TekstNaDate(QStringLiteral("05.03.2018"), 0), QStringLiteral("7"), ok);
    QVERIFY(!ok);
    QCOMPARE(p.ostatni(), kWiadomosc7);
    QCOMPARE(int(p.pokazane.last().pIcoDlg), int(icError));
    IndeksStawki(TekstNaDate(QStringLiteral("15.06.2010"), 0), QStringLiteral("5"), ok);
    QVERIFY(p.ostatni().contains(QStringLiteral("stawki to:  0%   7%   22%   3%   zw||")));
    QCOMPARE(ListaStawek(TekstNaDate(QStringLiteral("05.03.2018"), 0)), QStringLiteral("0%   8%   23%   5%   "));
}

void TstSumy::przykladRozliczenia()
{
    PrezenterTestowy p;
    TabeleWPamieci t = Tabele(QStringLiteral("05.03.2018"),
                              {QStringLiteral("3|12,35|23"), QStringLiteral("2|0,99|8"), QStringLiteral("1|100,00|")});
    PrzeliczSumy(t);
    QVERIFY(p.pokazane.isEmpty());
    QCOMPARE(Kwoty(t, 1), QStringLiteral("37,05|8,52|45,57"));
    QCOMPARE(Kwoty(t, 2), QStringLiteral("1,98|0,16|2,14"));
    QCOMPARE(Kwoty(t, 3), QStringLiteral("100,00||100,00"));
    QCOMPARE(Kwoty(t, 4), QStringLiteral("||"));
    QCOMPARE(SumyPrzykladu(t), kSumyPrzykladu);
    QCOMPARE(WierszSum(t, 4), QStringLiteral("|||"));
    QCOMPARE(t.doZaplaty, QStringLiteral("147,71"));

    TzentoraVat f;
    TabeleDoRekordu(t, f, true);
    const TzentoraVat wzor = FakturaPrzykladowa();
    for (int r = vatSum; r <= vatA; ++r)
        QCOMPARE(f.SumyFaktury[r].WydajStr(), wzor.SumyFaktury[r].WydajStr());
    QCOMPARE(f.IlePozyc, 3);
    QCOMPARE(f.Pozycja(1).Netto, QStringLiteral("37,05"));
}

void TstSumy::kwotyWiersza_data()
{
    // clang-format off
    Kolumny<QString, QString>("wiersz", "kwoty");
    QTest::newRow("pol zlotego") << "1|0,50|23" << "0,50|0,12|0,62";
    QTest::newRow("minus pol zlotego") << "-1|0,50|23" << "-0,50|-0,12|-0,62";
    QTest::newRow("3 x 0,10") << "3|0,10|23" << "0,30|0,07|0,37";
    QTest::newRow("1,5 x 33,33") << "1,5|33,33|8" << "50,00|4,00|54,00";
    QTest::newRow("tysiace") << "1000|1.234,56|23" << "1.234.560,00|283.948,80|1.518.508,80";
    QTest::newRow("tylko cena") << "|12,00|23" << "||";
    QTest::newRow("nieczytelna ilosc") << "abc|12,00|23" << "||";
    // clang-format on
}

void TstSumy::kwotyWiersza()
{
    QFETCH(QString, wiersz);
    QFETCH(QString, kwoty);
    TabeleWPamieci t = Tabele(QStringLiteral("05.03.2018"), {wiersz});
    PrzeliczSumy(t);
    QCOMPARE(Kwoty(t, 1), kwoty);
}

void TstSumy::vatLiczonyWierszami()
{
    TabeleWPamieci t = Tabele(QStringLiteral("05.03.2018"), {QStringLiteral("1|0,03|23"), QStringLiteral("1|0,03|23")});
    PrzeliczSumy(t);
    QCOMPARE(WierszSum(t, 1), QStringLiteral("0,06|23 %|0,02|0,08"));
}

void TstSumy::zerowaSumaZawszeWidoczna()
{
    TabeleWPamieci t = Tabele(QStringLiteral("05.03.2018"), {QStringLiteral("0|5|23")});
    t.UstawSume(1, 5, QStringLiteral("stare"));
    PrzeliczSumy(t);
    QCOMPARE(WierszSum(t, 0), QStringLiteral("|-----||"));
    QCOMPARE(WierszSum(t, 1), QStringLiteral("|||"));
    QCOMPARE(WierszSum(t, 5), QStringLiteral("|||"));
    QCOMPARE(t.doZaplaty, QString());
}

void TstSumy::zwolnionaIZeroOsobno()
{
    TabeleWPamieci t = Tabele(QStringLiteral("05.03.2018"), {QStringLiteral("1|10|"), QStringLiteral("1|20|0")});
    PrzeliczSumy(t);
    QCOMPARE(WierszSum(t, 1), QStringLiteral("10,00|zwol.||10,00"));
    QCOMPARE(WierszSum(t, 2), QStringLiteral("20,00|0 %||20,00"));
}

void TstSumy::zlaStawkaPrzerywaPrzeliczenie()
{
    PrezenterTestowy p;
    TabeleWPamieci t = Tabele(QStringLiteral("05.03.2018"),
                              {QStringLiteral("1|10|23"), QStringLiteral("1|20|7"), QStringLiteral("1|30|23")});
    t.UstawSume(0, 0, QStringLiteral("stara suma"));
    t.doZaplaty = QStringLiteral("stara kwota");
    QVERIFY_THROWS_EXCEPTION(ECichyAbort, PrzeliczSumy(t));
    QCOMPARE(p.teksty(), QStringList{kWiadomosc7});
    QCOMPARE(Kwoty(t, 1), QStringLiteral("10,00|2,30|12,30"));
    QCOMPARE(Kwoty(t, 2), QStringLiteral("20,00|1,40|21,40"));   // valued before its rate was checked
    QCOMPARE(Kwoty(t, 3), QStringLiteral("||"));
    QCOMPARE(t.Suma(0, 0), QStringLiteral("stara suma"));
    QCOMPARE(t.doZaplaty, QStringLiteral("stara kwota"));
}

void TstSumy::zlaDataSprzedazy()
{
    PrezenterTestowy p;
    TabeleWPamieci t = Tabele(QStringLiteral("31.02.2018"), {QStringLiteral("1|10|")});
    PrzeliczSumy(t);
    TzentoraVat f = FakturaPrzykladowa();
    TabeleDoRekordu(t, f, false);
    QCOMPARE(p.ostatni(), QStringLiteral("Wadliwa data sprzedaży - nie można sprawdzić stawek VAT"));
    // only the rates of day 0 (before 2011) reach the totals; the rows stay as they were
    QCOMPARE(f.SumyFaktury[vat22].WydajStr(), QStringLiteral("|22||"));
    QCOMPARE(f.SumyFaktury[vatSum].WydajStr(), QStringLiteral("|0||"));
    QCOMPARE(f.Pozycja(1).Towar, QStringLiteral("Papier A4"));
    QCOMPARE(f.IlePozyc, 3);
    QVERIFY_THROWS_EXCEPTION(ECichyAbort, TabeleDoRekordu(t, f, true));
    QCOMPARE(p.pokazane.size(), 2);
}

void TstSumy::etykietaNiezgodnaZData()
{
    // rows valued for 2018, then the sale date moved into 2010
    PrezenterTestowy p;
    TabeleWPamieci t = Tabele(QStringLiteral("05.03.2018"), {QStringLiteral("1|10|23")});
    PrzeliczSumy(t);
    t.dataSprzedazy = QStringLiteral("05.03.2010");
    TzentoraVat f;
    TabeleDoRekordu(t, f, false);
    QCOMPARE(p.pokazane.size(), 1);
    QCOMPARE(f.IlePozyc, 0);   // rows are not taken when a label is refused
    QVERIFY_THROWS_EXCEPTION(ECichyAbort, TabeleDoRekordu(t, f, true));
    QVERIFY(p.ostatni().startsWith(QStringLiteral("Niepoprawna wartość % Vat = 23 %|")));
}

void TstSumy::etykiety()
{
    const double d = TekstNaDate(QStringLiteral("05.03.2018"), 0);
    PrezenterTestowy p;
    bool ok = false;
    QCOMPARE(int(IndeksZEtykiety(d, QStringLiteral("-----"), ok)), int(vatSum));
    QVERIFY(ok);
    QCOMPARE(int(IndeksZEtykiety(d, QStringLiteral("zwol."), ok)), int(vatZw));
    QCOMPARE(int(IndeksZEtykiety(d, QStringLiteral("8 %"), ok)), int(vat7));
    QVERIFY(ok);
    QCOMPARE(int(IndeksZPozycji(d, QStringLiteral("   "), ok)), int(vatZw));
    QVERIFY(ok);
    QCOMPARE(StawkaDoZapisu(vatZw, QStringLiteral("zwol.")), QStringLiteral("0"));
    QCOMPARE(StawkaDoZapisu(vat22, QStringLiteral("23 %")), QStringLiteral("23"));
    QCOMPARE(OpisStawki(vatA, QStringLiteral(" 5 ")), QStringLiteral("5 %"));
    QVERIFY(p.pokazane.isEmpty());
}

void TstSumy::rekordNaTabele()
{
    TabeleWPamieci t;
    t.UstawSume(2, 7, QStringLiteral("x"));
    RekordDoTabel(FakturaPrzykladowa(), t);
    QCOMPARE(SumyPrzykladu(t), kSumyPrzykladu);
    QCOMPARE(WierszSum(t, 7), QStringLiteral("|||"));
    QCOMPARE(t.doZaplaty, QStringLiteral("147,71"));
    QCOMPARE(t.Pozycja(kolJedn, 3), QStringLiteral("godz."));
}

void TstSumy::pozycjeZLuka()
{
    TabeleWPamieci t = Tabele(QStringLiteral("05.03.2018"), {QStringLiteral("1|10|23")});
    t.UstawPozycje(kolTowar, 3, QStringLiteral("Trzeci"));
    TzentoraVat f;
    PrzeliczSumy(t);
    TabeleDoRekordu(t, f, true);
    // no blank numbered line on the invoice: the items close up in their order
    QCOMPARE(f.IlePozyc, 2);
    QCOMPARE(f.Pozycja(2).Towar, QStringLiteral("Trzeci"));
}

QTEST_APPLESS_MAIN(TstSumy)
#include "tst_sumy.moc"
