// The KSeF parts of the printout on the recording sheet: the exemption basis under the VAT
// summary and the verification code beside the dates box.
#include "arkusztestowy.h"
#include "fakturaprzykladowa.h"
#include "invoice/ksef.h"
#include "kolumny.h"

#include <QTest>

class TstWydrukKsef : public QObject {
    Q_OBJECT
private slots:
    void podstawaZwolnienia_data();
    void podstawaZwolnienia();
    void kodKsef_data();
    void kodKsef();
};

void TstWydrukKsef::podstawaZwolnienia_data()
{
    // clang-format off
    Kolumny<QString, bool, bool>("podstawa", "zwolniony", "jest");
    QTest::newRow("wiersz zwolniony") << "art. 113 ust. 1 ustawy o VAT" << true << true;
    QTest::newRow("bez podstawy") << "  " << true << false;
    QTest::newRow("bez wiersza zwolnionego") << "art. 113 ust. 1 ustawy o VAT" << false << false;
    // clang-format on
}

void TstWydrukKsef::podstawaZwolnienia()
{
    QFETCH(QString, podstawa);
    QFETCH(bool, zwolniony);
    QFETCH(bool, jest);
    TzentoraVat f = FakturaPrzykladowa();
    if (!zwolniony)
        f.Pozycja(3).PrcVat = QStringLiteral("8");
    TiniZentora ini;
    ini.iniKsefPodstawa = podstawa;
    const auto a = Drukuj(f, ini);
    const TZapisRysunku *p = a->Tekst(QStringLiteral("Podstawa zwolnienia: ") + podstawa.trimmed());
    QCOMPARE(a->Jest(p->tekst), jest);
    if (jest) {
        // under the last summary row, above the amount due
        QVERIFY(p->od.Y > a->Tekst(QStringLiteral("23 %"))->od.Y);
        QVERIFY(p->od.Y < a->Tekst(QStringLiteral("Do z"), false)->od.Y);
        QCOMPARE(p->od.X, 10);
    } else {
        QVERIFY(!a->Jest(QStringLiteral("Podstawa zwolnienia"), false));
    }
}

void TstWydrukKsef::kodKsef_data()
{
    // clang-format off
    QTest::addColumn<QString>("stan");
    QTest::addColumn<QString>("podpis");   // under the code; empty: no code
    QTest::newRow("bez eksportu") << "" << "";
    QTest::newRow("eksport bez numeru") << "eksport" << "Nr KSeF: oczekuje na nadanie";
    QTest::newRow("z numerem") << "numer" << "9876543210-20180305-0100001AF629-00";
    QTest::newRow("zmieniona po eksporcie") << "zmiana" << "";
    // clang-format on
}

void TstWydrukKsef::kodKsef()
{
    QFETCH(QString, stan);
    QFETCH(QString, podpis);
    TzentoraVat f = FakturaPrzykladowa();
    if (!stan.isEmpty()) {
        TeksportKsef e;
        e.Xml = "<Faktura/>";
        ZapamietajEksport(f, e);
    }
    if (stan == QLatin1String("numer"))
        f.KsefNumer = podpis;   // as stored; the number is checked when it is entered
    if (stan == QLatin1String("zmiana"))
        f.UwagiDodatk = QStringLiteral("dopisek");
    const auto a = Drukuj(f);
    TRect kod{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (const TZapisRysunku &z : a->kanwa.zapisy)
        if (z.rodzaj == TZapisRysunku::Wypelnienie && z.kolor == kCzarny) {
            kod = {qMin(kod.Left, z.prostokat.Left), qMin(kod.Top, z.prostokat.Top), qMax(kod.Right, z.prostokat.Right),
                   qMax(kod.Bottom, z.prostokat.Bottom)};
        }
    QCOMPARE(kod.Left != INT_MAX, !podpis.isEmpty());
    QCOMPARE(a->Jest(podpis.isEmpty() ? QStringLiteral("Nr KSeF: oczekuje na nadanie") : podpis), !podpis.isEmpty());
    // the seller's stamp is where it always was
    QVERIFY(a->JestRama(TPoint{10, 107}, 365, 4 * 44 + 50));
    if (podpis.isEmpty())
        return;
    // square, at least 20 mm, between the stamp and the dates box, the text under it
    QVERIFY(kod.Szerokosc() >= 200 && kod.Szerokosc() == kod.Wysokosc());
    QVERIFY(kod.Left > 10 + 365 && kod.Right < 1011 && kod.Top >= 107);
    const TZapisRysunku *t = a->Tekst(podpis);
    QVERIFY(t->od.Y > kod.Bottom);
    QVERIFY(t->od.Y + 40 < 107 + 410);   // within the height of the dates box
}

QTEST_GUILESS_MAIN(TstWydrukKsef)
#include "tst_wydrukksef.moc"
