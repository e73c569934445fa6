// The justified grid: property strings, the key filter per column kind, the edit cycle with
// the owner's check and the lock on a rejected cell, the cell helpers and the drawing.

#include "common/daty.h"
#include "common/paleta.h"
#include "controls/justgrid.h"
#include "controls/kolory.h"
#include "editor/siatkifaktury.h"
#include "kolumny.h"
#include "pomocnicy.h"
#include "prezentertestowy.h"
#include "stanowiskosiatki.h"

#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

class TstJustGrid : public QObject {
    Q_OBJECT
private slots:
    void rodzaje_data();
    void rodzaje();
    void szerokosci();
    void czcionkaNaglowka_data();
    void czcionkaNaglowka();
    void ograniczenia();
    void tytulyIWartosci();
    void klawisze_data();
    void klawisze();
    void kreskaWPozycjach_data();
    void kreskaWPozycjach();
    void kwotaBezSeparatorowWEdycji();
    void limitPrzyNastepnymSprawdzeniu();
    void ladujIWydaj_data();
    void ladujIWydaj();
    void celaPomocnicy();
    void odrzuconaKomorkaTrzyma();
    void bezBlokadyIBezKomunikatu_data();
    void bezBlokadyIBezKomunikatu();
    void escape();
    void tylkoDoOdczytu();
    void nawigacja();
    void wyjscieKonczyEdycje();
    void zatwierdzEdycje();
    void wlascicielDostajeTekstZnormalizowany();
    void wklejanieDoKomorki();
    void ukryjPodswietlenie();
    void mysz();
    void kolory();
    void wierszeRosna();
    void piszCelke();
    void liczbaBezUciecia_data();
    void liczbaBezUciecia();
    void klawiszeWlasciciela();
};

void TstJustGrid::rodzaje_data()
{
    // clang-format off
    Kolumny<QString, QString>("wpis", "zapisany");
    QTest::addColumn<QString>("kolumny");   // Rodzaj() of columns 0..4
    QTest::newRow("male litery") << "cdfiz" << "CDFIZ" << "CDFIZ";
    QTest::newRow("cena i stawka") << "jv" << "JV" << "JVCCC";
    QTest::newRow("obce litery") << "xq1Z" << "CCCZ" << "CCCZC";
    QTest::newRow("puste") << "" << "" << "CCCCC";
    // clang-format on
}

void TstJustGrid::rodzaje()
{
    QFETCH(QString, wpis);
    QFETCH(QString, zapisany);
    QFETCH(QString, kolumny);
    TjustGrid g;
    g.setXkolRodzaj(wpis);
    QCOMPARE(g.XkolRodzaj(), zapisany);
    QString k;
    for (int c = 0; c < 5; ++c)
        k += g.Rodzaj(c);
    QCOMPARE(k, kolumny);
}

void TstJustGrid::szerokosci()
{
    TjustGrid g;
    g.setColCount(6);
    g.setDefaultColWidth(64);
    g.setXkolSzerok(QStringLiteral("0;5;;100;-3"));
    QCOMPARE(g.ColWidths(0), 64);   // 0 leaves the width
    QCOMPARE(g.ColWidths(1), 8);    // below 8 gives 8
    QCOMPARE(g.ColWidths(2), 64);   // an empty entry leaves it
    QCOMPARE(g.ColWidths(3), 100);
    QCOMPARE(g.ColWidths(4), 8);
    QCOMPARE(g.ColWidths(5), 64);   // beyond the list
}

void TstJustGrid::czcionkaNaglowka_data()
{
    // clang-format off
    Kolumny<int, int, QString>("wpis", "zapisany", "rodzina");
    QTest::newRow("9 Arial") << 9 << 9 << "Arial";
    QTest::newRow("12 do 10") << 12 << 10 << "Arial";
    QTest::newRow("5 do 0") << 5 << 0 << "";
    QTest::newRow("8 Tahoma") << 8 << 8 << "Tahoma";
    // clang-format on
}

void TstJustGrid::czcionkaNaglowka()
{
    QFETCH(int, wpis);
    QFETCH(int, zapisany);
    QFETCH(QString, rodzina);
    TjustGrid g;
    g.setFont(QFont(QStringLiteral("Liberation Serif"), 13));
    g.setXnagHfontu(wpis);
    QCOMPARE(g.XnagHfontu(), zapisany);
    const QFont f = g.CzcionkaNaglowka();
    if (rodzina.isEmpty()) {
        QCOMPARE(f, g.font());
    } else {
        QCOMPARE(f.family(), rodzina);
        QCOMPARE(f.pointSize(), zapisany);
    }
}

void TstJustGrid::ograniczenia()
{
    TjustGrid g;
    g.setRowCount(4);
    const int h = g.RowHeights(0);
    g.setXnagWysoko(0);
    QCOMPARE(g.RowHeights(0), h);
    g.setXnagWysoko(3);
    QCOMPARE(g.XnagWysoko(), 8);
    QCOMPARE(g.RowHeights(0), 8);
    g.setXnagWysoko(30);
    g.setDefaultRowHeight(17);   // the header keeps its own height
    QCOMPARE(g.RowHeights(0), 30);
    QCOMPARE(g.RowHeights(1), 17);
    g.setXautoFixKolor(5);
    QCOMPARE(g.XautoFixKolor(), 2);
    g.setXautoFixKolor(-1);
    QCOMPARE(g.XautoFixKolor(), 0);
    g.setXautoGradient(99);
    QCOMPARE(g.XautoGradient(), 50);
    g.setXautoGradient(-4);
    QCOMPARE(g.XautoGradient(), 0);
    g.setXkolJustuj(QStringLiteral("cpx"));
    QCOMPARE(g.XkolJustuj(), QStringLiteral("CPX"));
    QCOMPARE(g.Justowanie(0), QLatin1Char('C'));
    QCOMPARE(g.Justowanie(1), QLatin1Char('P'));
    QCOMPARE(g.Justowanie(2), QLatin1Char('L'));
    QCOMPARE(g.Justowanie(3), QLatin1Char('L'));
}

void TstJustGrid::tytulyIWartosci()
{
    TjustGrid g;
    g.setColCount(3);
    g.setRowCount(5);
    g.setFixedRows(2);
    g.setCells(2, 1, QStringLiteral("stary"));
    g.setXkolTytuly(QStringLiteral("a;b;c;d"));
    QCOMPARE(g.Cells(0, 0), QStringLiteral("a"));
    QCOMPARE(g.Cells(2, 0), QStringLiteral("c"));
    QCOMPARE(g.Cells(0, 1), QStringLiteral("d"));
    QCOMPARE(g.Cells(2, 1), QString());   // beyond the list: empty
    g.setXkolWarCel(QStringLiteral("1;2;3;4"));
    QCOMPARE(g.Cells(0, 2), QStringLiteral("1"));
    QCOMPARE(g.Cells(2, 2), QStringLiteral("3"));
    QCOMPARE(g.Cells(0, 3), QStringLiteral("4"));
    QCOMPARE(g.Cells(1, 4), QString());
    QCOMPARE(g.Cells(0, 0), QStringLiteral("a"));
}

void TstJustGrid::klawisze_data()
{
    // clang-format off
    Kolumny<QString, int, QString, QString, QString>("rodzaj", "limit", "zakazane", "wpis", "wEdycji");
    Kolumny<QString>("poEnter");

    QTest::newRow("I minus tylko na poczatku") << "I" << 0 << "" << "-5-,3" << "-53" << "-53";
    QTest::newRow("I przecinek nigdy") << "I" << 0 << "" << "1,5" << "15" << "15";
    QTest::newRow("I litery") << "I" << 0 << "" << "a7b" << "7" << "7";
    QTest::newRow("F przecinek nie pierwszy") << "F" << 0 << "" << ",5" << "5" << "5";
    QTest::newRow("F jeden przecinek") << "F" << 0 << "" << "1,2,3" << "1,23" << "1,23";
    QTest::newRow("F 2,50") << "F" << 0 << "" << "2,50" << "2,50" << "2,5";
    QTest::newRow("F zero") << "F" << 0 << "" << "0" << "0" << "0";
    QTest::newRow("F ujemna") << "F" << 0 << "" << "-0,125" << "-0,125" << "-0,125";
    QTest::newRow("Z 12") << "Z" << 0 << "" << "12" << "12" << "12,00";
    QTest::newRow("Z tysiace") << "Z" << 0 << "" << "1234,5" << "1234,5" << "1.234,50";
    QTest::newRow("Z zero") << "Z" << 0 << "" << "0" << "0" << "0,00";
    QTest::newRow("J cztery miejsca") << "J" << 0 << "" << "1234,5678" << "1234,5678" << "1.234,5678";
    QTest::newRow("J trzy miejsca") << "J" << 0 << "" << "0,125" << "0,125" << "0,125";
    QTest::newRow("J grosze") << "J" << 0 << "" << "5,4" << "5,4" << "5,40";
    QTest::newRow("V liczba") << "V" << 0 << "" << "08" << "08" << "8";
    QTest::newRow("V zw") << "V" << 0 << "" << "ZW" << "ZW" << "zw";
    QTest::newRow("V inne litery") << "V" << 0 << "" << "a5" << "5" << "5";
    QTest::newRow("C limit 5") << "C" << 5 << "" << "abcdef" << "abcde" << "abcde";
    QTest::newRow("C polskie") << "C" << 0 << "" << "Łódź; żółw" << "Łódź; żółw" << "Łódź; żółw";
    QTest::newRow("C kreska zakazana") << "C" << 0 << "|" << "a|b" << "ab" << "ab";
    QTest::newRow("D maska") << "D" << 0 << "" << "05032018" << "05.03.2018" << "05.03.2018";
    QTest::newRow("D litery") << "D" << 0 << "" << "x0503y2018" << "05.03.2018" << "05.03.2018";
    QTest::newRow("F limit 3") << "F" << 3 << "" << "12345" << "123" << "123";
    // clang-format on
}

void TstJustGrid::klawisze()
{
    QFETCH(QString, rodzaj);
    QFETCH(int, limit);
    QFETCH(QString, zakazane);
    QFETCH(QString, wpis);
    QFETCH(QString, wEdycji);
    QFETCH(QString, poEnter);
    PrezenterTestowy p;
    JednaKolumna s(rodzaj, limit);
    s.g->UstawZakazaneZnaki(1, zakazane);
    QVERIFY(Aktywuj(s.okno));
    s.g->setFocus(Qt::TabFocusReason);
    QVERIFY(s.g->WybierzKomorke(1, 1));
    if (rodzaj == QLatin1String("D")) {
        Klawisz(Qt::Key_F2);
        s.g->InplaceEditor()->home(false);
    }
    Pisz(wpis);
    QVERIFY(s.g->EdytorOtwarty());
    QCOMPARE(s.g->InplaceEditor()->Tekst(), wEdycji);
    QCOMPARE(s.g->Cells(1, 1), wEdycji);   // every change reaches the cell
    QVERIFY(s.g->Edycja());
    Klawisz(Qt::Key_Return);
    QVERIFY(!s.g->EdytorOtwarty());
    QCOMPARE(s.g->Cells(1, 1), poEnter);
    QVERIFY(!s.g->Edycja());
    QVERIFY(p.pokazane.isEmpty());
}

void TstJustGrid::kreskaWPozycjach_data()
{
    // clang-format off
    QTest::addColumn<int>("kol");   // the text columns of the item grid
    QTest::newRow("towar") << 1;
    QTest::newRow("klasyfikacja") << 2;
    QTest::newRow("jednostka") << 3;
    // clang-format on
}

void TstJustGrid::kreskaWPozycjach()
{
    QFETCH(int, kol);
    Stanowisko s;
    QVERIFY(s.Start(kol, 1));
    Pisz(QStringLiteral("a|b"));
    Klawisz(Qt::Key_Return);
    QCOMPARE(s.g->Cells(kol, 1), QStringLiteral("ab"));
}

void TstJustGrid::kwotaBezSeparatorowWEdycji()
{
    PrezenterTestowy p;
    JednaKolumna s(QStringLiteral("Z"), 0);
    QString widziany;
    s.g->OnXtestujCelke = [&](int, int, const QString &cela, bool &) { widziany = cela; };
    s.g->setCells(1, 1, QStringLiteral("1.234,50"));
    QVERIFY(Aktywuj(s.okno));
    s.g->setFocus(Qt::TabFocusReason);
    QVERIFY(s.g->WybierzKomorke(1, 1));
    Klawisz(Qt::Key_F2);
    QCOMPARE(s.g->InplaceEditor()->Tekst(), QStringLiteral("1234,50"));
    Pisz(QStringLiteral("0"));
    QCOMPARE(s.g->Cells(1, 1), QStringLiteral("1234,500"));
    Klawisz(Qt::Key_Return);
    QCOMPARE(s.g->Cells(1, 1), QStringLiteral("1.234,50"));
    QCOMPARE(widziany, QStringLiteral("1.234,50"));
    // opening and closing without a change leaves the cell as it was
    Klawisz(Qt::Key_Return);
    QVERIFY(s.g->EdytorOtwarty());
    Klawisz(Qt::Key_Return);
    QCOMPARE(s.g->Cells(1, 1), QStringLiteral("1.234,50"));
}

void TstJustGrid::limitPrzyNastepnymSprawdzeniu()
{
    JednaKolumna s(QStringLiteral("C"), 5);
    s.g->setCells(1, 1, QStringLiteral("abcdefgh"));
    QCOMPARE(s.g->Cells(1, 1), QStringLiteral("abcdefgh"));   // written by program: kept for now
    QVERIFY(s.g->SprawdzCelke(1, 1));
    QCOMPARE(s.g->Cells(1, 1), QStringLiteral("abcde"));
    // a date column is never cut
    s.g->setXkolRodzaj(QStringLiteral("CD"));
    s.g->setCells(1, 1, QStringLiteral("05.03.2018"));
    QVERIFY(s.g->SprawdzCelke(1, 1));
    QCOMPARE(s.g->Cells(1, 1), QStringLiteral("05.03.2018"));
    s.g->setCells(1, 1, QStringLiteral("32.03.2018"));
    QVERIFY(!s.g->SprawdzCelke(1, 1));
}

void TstJustGrid::ladujIWydaj_data()
{
    // clang-format off
    Kolumny<int, int, int, QString, bool>("x", "y", "ile", "celki", "zeroTak");
    QTest::addColumn<QString>("wiersz1");   // WydajWiersz(1) afterwards

    QTest::newRow("zera znikaja") << 0 << 1 << 4 << "a;0;0,00;b" << false << "a;;;b";
    QTest::newRow("zera zostaja") << 0 << 1 << 4 << "a;0;0,00;b" << true << "a;0;0,00;b";
    QTest::newRow("brakujace pola puste") << 0 << 1 << 4 << "a" << true << "a;;;";
    QTest::newRow("od kolumny 2") << 2 << 1 << 9 << "x;y;z" << true << "p;q;x;y";
    QTest::newRow("ile ogranicza") << 1 << 1 << 1 << "x;y;z" << true << "p;x;r;s";
    QTest::newRow("ujemne x") << -1 << 1 << 4 << "x;y" << true << "p;q;r;s";
    QTest::newRow("wiersz poza") << 0 << 3 << 4 << "x;y" << true << "p;q;r;s";
    // clang-format on
}

void TstJustGrid::ladujIWydaj()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, ile);
    QFETCH(QString, celki);
    QFETCH(bool, zeroTak);
    QFETCH(QString, wiersz1);
    TjustGrid g;
    g.setColCount(4);
    g.setRowCount(3);
    g.LadujWiersz(1, QStringLiteral("p;q;r;s"), true);
    g.LadujCelki(x, y, ile, celki, zeroTak);
    QCOMPARE(g.WydajWiersz(1), wiersz1);
}

void TstJustGrid::celaPomocnicy()
{
    TjustGrid g;
    g.setColCount(2);
    g.setRowCount(3);
    // ";" inside a cell is dropped when the row is given out
    g.setCells(0, 1, QStringLiteral("x;y"));
    g.setCells(1, 1, QStringLiteral("z"));
    QCOMPARE(g.WydajWiersz(1), QStringLiteral("xy;z"));
    QCOMPARE(g.WydajCelki(1, 1, 5), QStringLiteral("z"));
    QCOMPARE(g.WydajCelki(-1, 1, 2), QString());
    QCOMPARE(g.WydajCelki(0, 3, 2), QString());

    g.setCells(1, 2, QStringLiteral("1.234,56"));
    QCOMPARE(g.CelaZlo(1, 2), 1234.56);
    QCOMPARE(g.Cells(1, 2), QStringLiteral("1.234,56"));   // the sentinel only reads
    QCOMPARE(g.CelaZlo(1, 2, 0), 0.0);
    QCOMPARE(g.Cells(1, 2), QString());
    g.CelaZlo(1, 2, 1234567.891);
    QCOMPARE(g.Cells(1, 2), QStringLiteral("1.234.567,89"));
    g.CelaFlo(1, 2, 2.5);
    QCOMPARE(g.Cells(1, 2), QStringLiteral("2,5"));
    g.CelaFlo(1, 2, 0);
    QCOMPARE(g.Cells(1, 2), QString());
    QCOMPARE(g.CelaInt(1, 2, 42), 42);
    QCOMPARE(g.Cells(1, 2), QStringLiteral("42"));
    g.CelaInt(1, 2, 0);
    QCOMPARE(g.Cells(1, 2), QString());
    g.CelaDat(1, 2, KodujDate(2018, 3, 5, 0));
    QCOMPARE(g.Cells(1, 2), QStringLiteral("05.03.2018"));
    QCOMPARE(g.CelaDat(1, 2), KodujDate(2018, 3, 5, 0));
    g.CelaDat(1, 2, 0);
    QCOMPARE(g.Cells(1, 2), QString());
    g.setCells(1, 2, QStringLiteral("abc"));
    QCOMPARE(g.CelaInt(1, 2), 0);
    QCOMPARE(g.CelaFlo(1, 2), 0.0);
}

void TstJustGrid::odrzuconaKomorkaTrzyma()
{
    PrezenterTestowy p;
    Stanowisko s;
    QVERIFY(s.Start(7, 1));
    Pisz(QStringLiteral("7"));
    Klawisz(Qt::Key_Return);
    // rejected: the message, the Enter consumed, the editor stays open
    QCOMPARE(p.teksty(), QStringList{QStringLiteral("%Vat, wiersz 1: niepoprawna wartość 7")});
    QVERIFY(s.g->EdytorOtwarty());
    QVERIFY(!s.g->CelkaOk());
    QCOMPARE(s.g->Cells(7, 1), QStringLiteral("7"));
    // the selection cannot move: keys, clicks, program
    Klawisz(Qt::Key_Down);
    QCOMPARE(s.g->Row(), 1);
    QCOMPARE(p.pokazane.size(), 2);
    s.Kliknij(4, 3);
    QCOMPARE(s.g->Col(), 7);
    QCOMPARE(s.g->Row(), 1);
    QCOMPARE(p.pokazane.size(), 3);
    QVERIFY(!s.g->setRow(5));
    // nor can the focus leave the grid
    s.inny->setFocus(Qt::TabFocusReason);
    Przetworz();
    QCOMPARE(p.pokazane.size(), 5);
    QVERIFY(s.g->MaFokus());
    QVERIFY(s.g->InplaceEditor()->hasFocus());
    // a correction releases it
    Klawisz(Qt::Key_Backspace);
    Pisz(QStringLiteral("8"));
    QVERIFY(s.g->CelkaOk());
    Klawisz(Qt::Key_Down);
    QCOMPARE(s.g->Row(), 2);
    QCOMPARE(s.g->Cells(7, 1), QStringLiteral("8"));
    QCOMPARE(p.pokazane.size(), 5);
    QVERIFY(s.wywolania.size() >= 2);
    QCOMPARE(s.wywolania.last().cela, QStringLiteral("8"));
    QCOMPARE(s.wywolania.last().c, 7);
    QCOMPARE(s.wywolania.last().r, 1);
}

void TstJustGrid::bezBlokadyIBezKomunikatu_data()
{
    // clang-format off
    Kolumny<bool, bool, bool, int>("blad", "komunikat", "ruch", "komunikatow");
    QTest::newRow("bez blokady") << false << true << true << 0;
    QTest::newRow("bez komunikatu") << true << false << false << 0;
    QTest::newRow("oba") << true << true << false << 2;
    // clang-format on
}

void TstJustGrid::bezBlokadyIBezKomunikatu()
{
    QFETCH(bool, blad);
    QFETCH(bool, komunikat);
    QFETCH(bool, ruch);
    QFETCH(int, komunikatow);
    PrezenterTestowy p;
    Stanowisko s;
    s.g->setXkolError(blad);
    s.g->setXkolErrMsg(komunikat);
    QVERIFY(s.Start(7, 1));
    Pisz(QStringLiteral("7"));
    Klawisz(Qt::Key_Down);
    QCOMPARE(s.g->Row(), ruch ? 2 : 1);
    QVERIFY(!s.g->CelkaOk());
    Klawisz(Qt::Key_Down);
    QCOMPARE(p.pokazane.size(), komunikatow);
}

void TstJustGrid::escape()
{
    PrezenterTestowy p;
    Stanowisko s;
    s.g->setCells(1, 2, QStringLiteral("Papier"));
    s.g->setCells(7, 2, QStringLiteral("23"));
    QVERIFY(s.Start(1, 2));
    Pisz(QStringLiteral("Toner"));
    QCOMPARE(s.g->Cells(1, 2), QStringLiteral("Toner"));
    Klawisz(Qt::Key_Escape);
    // the first Escape puts the text back and keeps editing
    QVERIFY(s.g->EdytorOtwarty());
    QCOMPARE(s.g->InplaceEditor()->Tekst(), QStringLiteral("Papier"));
    QCOMPARE(s.g->Cells(1, 2), QStringLiteral("Papier"));
    Klawisz(Qt::Key_Escape);
    QVERIFY(!s.g->EdytorOtwarty());
    QCOMPARE(s.g->Cells(1, 2), QStringLiteral("Papier"));

    // a rejected cell restored with Escape and finished again is released
    QVERIFY(s.g->WybierzKomorke(7, 2));
    Pisz(QStringLiteral("7"));
    Klawisz(Qt::Key_Return);
    QCOMPARE(p.pokazane.size(), 1);
    Klawisz(Qt::Key_Escape);
    QCOMPARE(s.g->InplaceEditor()->Tekst(), QStringLiteral("23"));
    Klawisz(Qt::Key_Return);
    QVERIFY(s.g->CelkaOk());
    QVERIFY(!s.g->EdytorOtwarty());
    QCOMPARE(s.g->Cells(7, 2), QStringLiteral("23"));
    Klawisz(Qt::Key_Up);
    QCOMPARE(s.g->Row(), 1);
    QCOMPARE(p.pokazane.size(), 1);
    // Escape outside editing does nothing to the cells
    Klawisz(Qt::Key_Escape);
    QCOMPARE(s.g->Cells(7, 2), QStringLiteral("23"));
}

void TstJustGrid::tylkoDoOdczytu()
{
    PrezenterTestowy p;
    Stanowisko s;
    s.g->setCells(6, 1, QStringLiteral("37,05"));
    QVERIFY(s.Start(6, 1));
    Klawisz(Qt::Key_Return);
    QVERIFY(!s.g->EdytorOtwarty());
    Pisz(QStringLiteral("5"));
    QVERIFY(!s.g->EdytorOtwarty());
    Klawisz(Qt::Key_F2);
    QVERIFY(!s.g->EdytorOtwarty());
    QCOMPARE(s.g->Cells(6, 1), QStringLiteral("37,05"));
    // the fixed column cannot be selected at all
    QVERIFY(s.g->WybierzKomorke(0, 1));
    QCOMPARE(s.g->Col(), 1);
}

void TstJustGrid::nawigacja()
{
    PrezenterTestowy p;
    Stanowisko s;
    QVERIFY(s.Start(5, 1));
    Klawisz(Qt::Key_Tab);   // the computed net is passed over
    QCOMPARE(s.g->Col(), 7);
    Klawisz(Qt::Key_Tab);   // past the last column that takes typing to the next row
    QCOMPARE(s.g->Col(), 1);
    QCOMPARE(s.g->Row(), 2);
    Klawisz(Qt::Key_Backtab);
    QCOMPARE(s.g->Col(), 7);
    QCOMPARE(s.g->Row(), 1);
    Klawisz(Qt::Key_Home);
    QCOMPARE(s.g->Col(), 1);
    Klawisz(Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(s.g->Col(), 9);
    QCOMPARE(s.g->Row(), 50);
    QVERIFY(s.g->TopRow() > 1);   // scrolled without scroll bars
    QVERIFY(!s.g->CellRect(9, 50).isEmpty());
    Klawisz(Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(s.g->Row(), 1);
    QCOMPARE(s.g->TopRow(), 1);
    // editing goes on from cell to cell with the arrows
    QVERIFY(s.g->WybierzKomorke(4, 1));
    Pisz(QStringLiteral("3"));
    Klawisz(Qt::Key_Down);
    QCOMPARE(s.g->Row(), 2);
    QCOMPARE(s.g->Cells(4, 1), QStringLiteral("3"));
    QVERIFY(s.g->EditorMode());
    QVERIFY(s.g->EdytorOtwarty());
    Pisz(QStringLiteral("4"));
    Klawisz(Qt::Key_Return);
    QVERIFY(!s.g->EditorMode());
    QCOMPARE(s.g->Cells(4, 2), QStringLiteral("4"));
    // the owner was asked for both cells, once each
    QCOMPARE(s.wywolania.size(), 2);
}

void TstJustGrid::wyjscieKonczyEdycje()
{
    PrezenterTestowy p;
    Stanowisko s;
    QVERIFY(s.Start(4, 1));
    Pisz(QStringLiteral("2,50"));
    s.inny->setFocus(Qt::TabFocusReason);
    Przetworz();
    QVERIFY(s.inny->hasFocus());
    QVERIFY(!s.g->EdytorOtwarty());
    QCOMPARE(s.g->Cells(4, 1), QStringLiteral("2,5"));
    QCOMPARE(s.wywolania.size(), 1);
    QVERIFY(p.pokazane.isEmpty());
}

void TstJustGrid::zatwierdzEdycje()
{
    PrezenterTestowy p;
    Stanowisko s;
    QVERIFY(s.Start(5, 1));
    QVERIFY(s.g->ZatwierdzEdycje());   // nothing open
    Pisz(QStringLiteral("12,3"));
    QVERIFY(s.g->ZatwierdzEdycje());
    QCOMPARE(s.g->Cells(5, 1), QStringLiteral("12,30"));
    QVERIFY(!s.g->EdytorOtwarty());
    QVERIFY(s.g->WybierzKomorke(7, 1));
    Pisz(QStringLiteral("5"));
    QVERIFY(!s.g->ZatwierdzEdycje());
    QVERIFY(s.g->EdytorOtwarty());
    QCOMPARE(p.pokazane.size(), 1);
    // a new document drops the edit and releases the cell
    s.g->PrzerwijEdycje();
    QVERIFY(!s.g->EdytorOtwarty());
    QVERIFY(s.g->CelkaOk());
    QCOMPARE(s.g->Cells(7, 1), QString());
    QVERIFY(s.g->setRow(3));
}

void TstJustGrid::wlascicielDostajeTekstZnormalizowany()
{
    PrezenterTestowy p;
    Stanowisko s;
    QVERIFY(s.Start(5, 1));
    Pisz(QStringLiteral("12"));
    Klawisz(Qt::Key_Return);
    QCOMPARE(s.wywolania.size(), 1);
    QCOMPARE(s.wywolania.first().cela, QStringLiteral("12,00"));
    QCOMPARE(s.wywolania.first().c, 5);
    QCOMPARE(s.wywolania.first().r, 1);
    // an invalid text never reaches the owner
    s.g->setXkolRodzaj(QStringLiteral("ICCCFZZIZZ"));
    s.g->setCells(4, 2, QStringLiteral("1,2,3"));
    QVERIFY(s.g->WybierzKomorke(4, 2));
    Klawisz(Qt::Key_F2);
    Pisz(QStringLiteral("4"));
    Klawisz(Qt::Key_Return);
    QCOMPARE(s.wywolania.size(), 1);
    QCOMPARE(p.pokazane.size(), 1);
}

void TstJustGrid::wklejanieDoKomorki()
{
    QClipboard *c = QGuiApplication::clipboard();
    PrezenterTestowy p;
    Stanowisko s;
    QVERIFY(s.Start(1, 1));
    c->setText(QStringLiteral("Toner|czarny\r\nduży\t2 szt."));
    if (!c->text().startsWith(QStringLiteral("Toner")))
        QSKIP("no clipboard on this platform");
    Klawisz(Qt::Key_F2);
    Klawisz(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(s.g->Cells(1, 1), QStringLiteral("Tonerczarny duży 2 szt."));
    // 10 000 characters stop at the column's limit
    c->setText(QString(10000, QLatin1Char('x')));
    Klawisz(Qt::Key_A, Qt::ControlModifier);
    Klawisz(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(s.g->Cells(1, 1).size(), 254);
    Klawisz(Qt::Key_Return);
    QCOMPARE(s.g->Cells(1, 1).size(), 254);
    // a numeric column takes the text as it is and refuses it at the end
    QVERIFY(s.g->WybierzKomorke(4, 1));
    c->setText(QStringLiteral("abc"));
    Klawisz(Qt::Key_F2);
    Klawisz(Qt::Key_V, Qt::ControlModifier);
    Klawisz(Qt::Key_Return);
    QCOMPARE(p.pokazane.size(), 1);
    QCOMPARE(s.g->Cells(4, 1), QStringLiteral("abc"));
    QVERIFY(s.g->EdytorOtwarty());
}

void TstJustGrid::ukryjPodswietlenie()
{
    Stanowisko s;
    QVERIFY(s.Start(3, 2));
    s.g->UkryjPodswietlenie();
    QCOMPARE(s.g->Col(), -1);
    QCOMPARE(s.g->Row(), -1);
    QCOMPARE(s.g->Selection(), (TGridRect{-1, -1, -1, -1}));
    Klawisz(Qt::Key_Return);
    QVERIFY(!s.g->EdytorOtwarty());
    Klawisz(Qt::Key_Down);
    QCOMPARE(s.g->Col(), 1);
    QCOMPARE(s.g->Row(), 2);
}

void TstJustGrid::mysz()
{
    PrezenterTestowy p;
    Stanowisko s;
    QVERIFY(s.Start(1, 1));
    s.Kliknij(3, 4);
    QCOMPARE(s.g->Col(), 3);
    QCOMPARE(s.g->Row(), 4);
    QVERIFY(!s.g->EdytorOtwarty());
    s.Kliknij(3, 4);   // a click on the current cell opens the editor
    QVERIFY(s.g->EdytorOtwarty());
    Pisz(QStringLiteral("szt."));
    s.Kliknij(1, 1);
    QCOMPARE(s.g->Cells(3, 4), QStringLiteral("szt."));
    QCOMPARE(s.g->Row(), 1);
    QVERIFY(s.g->EdytorOtwarty());   // still in editing mode on the new cell
    // dragging a column border in the header changes its width and refits the rows
    Klawisz(Qt::Key_Return);
    s.g->setCells(1, 5, QStringLiteral("bardzo długa nazwa towaru, która się zawija w kilku liniach"));
    s.g->viewport()->grab();
    Przetworz();
    s.g->viewport()->grab();
    const int wysokaPrzed = s.g->RowHeights(5);
    QVERIFY(wysokaPrzed > 22);
    const QRect h = s.g->CellRect(1, 0);
    const QPoint krawedz(h.right() + 1, h.center().y());
    QTest::mousePress(s.g->viewport(), Qt::LeftButton, Qt::NoModifier, krawedz);
    QTest::mouseMove(s.g->viewport(), krawedz + QPoint(150, 0));
    QTest::mouseRelease(s.g->viewport(), Qt::LeftButton, Qt::NoModifier, krawedz + QPoint(150, 0));
    QVERIFY(s.g->ColWidths(1) > 300);
    QCOMPARE(s.g->RowHeights(5), 22);   // back to the default, grows again when drawn
}

void TstJustGrid::kolory()
{
    Stanowisko s;
    TjustGrid &g = *s.g;
    QCOMPARE(g.KolorPapieru(6), KolorBGR(16776697));   // "H"
    QCOMPARE(g.KolorPapieru(1), g.Color());            // "=": the grid's colour
    QCOMPARE(g.KolorPapieru(0), KolorBGR(14808570));   // fixed column: the fixed colour
    QCOMPARE(g.KolorPisma(7), QColor(0, 25, 125));     // "1"
    QCOMPARE(g.KolorPisma(1), QColor(0, 0, 0));        // "0"
    QCOMPARE(g.KolorKodu(QLatin1Char('f')), QColor(255, 255, 255));
    QCOMPARE(g.KolorKodu(QLatin1Char('G')), QColor(192, 220, 192));
    QCOMPARE(g.KolorKodu(QLatin1Char('J')), QColor(160, 160, 164));
    QVERIFY(!g.KolorKodu(QLatin1Char('=')).isValid());
    g.setXautoFixKolor(1);
    QCOMPARE(g.KolorStalychEfektywny(), NaQColor(KolorStylu(24)));
    g.setXautoFixKolor(2);
    QCOMPARE(g.KolorStalychEfektywny(), NaQColor(KolorStylu(25)));
    g.setXautoFixKolor(0);
    QCOMPARE(g.KolorStalychEfektywny(), KolorBGR(14808570));
    g.setXautoKolory(true);
    QCOMPARE(g.KolorKodu(QLatin1Char('H')), NaQColor(KolorStylu(27)));
    g.setXkolor_H(QColor(1, 2, 3));
    QCOMPARE(g.KolorKodu(QLatin1Char('H')), NaQColor(KolorStylu(27)));
    g.setXautoKolory(false);
    QCOMPARE(g.KolorKodu(QLatin1Char('H')), QColor(1, 2, 3));
}

void TstJustGrid::wierszeRosna()
{
    PrezenterTestowy p;
    Stanowisko s;
    QVERIFY(Aktywuj(s.okno));
    s.g->setCells(1, 1, QStringLiteral("a|b"));
    s.g->setCells(1, 2, QString(10000, QLatin1Char('w')) + QStringLiteral(" ") + QString(10000, QLatin1Char('y')));
    s.g->setCells(2, 3, QStringLiteral("\x01\x02\t"));
    s.g->viewport()->grab();
    Przetworz();
    s.g->viewport()->grab();
    QVERIFY(s.g->RowHeights(1) > 22);
    QVERIFY(s.g->RowHeights(1) < 60);
    // a huge text never makes a row higher than the visible area
    QVERIFY(s.g->RowHeights(2) <= s.g->viewport()->height());
    QCOMPARE(s.g->RowHeights(3), 22);
    s.g->DopasujWysokoscCel();
    QCOMPARE(s.g->RowHeights(1), 22);
    // without wrapping nothing grows
    s.g->setXkolJustBL(false);
    s.g->viewport()->grab();
    Przetworz();
    QCOMPARE(s.g->RowHeights(1), 22);
}

void TstJustGrid::piszCelke()
{
    TjustGrid g;
    g.setColCount(2);
    g.setRowCount(2);
    g.setXkolJustuj(QStringLiteral("LP"));
    QImage obraz(60, 20, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    {
        QPainter p(&obraz);
        p.setPen(Qt::black);
        g.PiszCelke(p, QStringLiteral("X"), QRect(0, 0, 60, 20), 1, 1, QColor(Qt::red), QColor(Qt::blue));
    }
    // filled with the cell colour, the text at the right with the red font
    QCOMPARE(obraz.pixelColor(1, 1), QColor(Qt::blue));
    bool czerwonyPoPrawej = false, czerwonyPoLewej = false;
    for (int x = 0; x < 60; ++x)
        for (int y = 0; y < 20; ++y)
            if (obraz.pixelColor(x, y).red() > 200 && obraz.pixelColor(x, y).blue() < 100)
                (x >= 30 ? czerwonyPoPrawej : czerwonyPoLewej) = true;
    QVERIFY(czerwonyPoPrawej);
    QVERIFY(!czerwonyPoLewej);
    // invalid colours keep the painter's and do not fill
    obraz.fill(Qt::white);
    {
        QPainter p(&obraz);
        p.setPen(Qt::black);
        g.PiszCelke(p, QStringLiteral("X"), QRect(0, 0, 60, 20), 0, 1);
    }
    QCOMPARE(obraz.pixelColor(59, 1), QColor(Qt::white));
}

void TstJustGrid::liczbaBezUciecia_data()
{
    Kolumny<QString, int, bool>("tekst", "szerokosc", "cala");
    QTest::newRow("mieści się") << QStringLiteral("1.845.000,00") << 300 << true;
    QTest::newRow("za wąsko") << QStringLiteral("1.845.000,00") << 30 << false;
    QTest::newRow("bez miejsca") << QStringLiteral("1,00") << 0 << false;
}

void TstJustGrid::liczbaBezUciecia()
{
    // a number is shown whole or as question marks, never with its first digits cut off
    QFETCH(QString, tekst);
    QFETCH(int, szerokosc);
    QFETCH(bool, cala);
    const QFontMetrics fm{QFont()};
    const QString s = LiczbaWMiejscu(fm, tekst, szerokosc);
    if (cala) {
        QCOMPARE(s, tekst);
        return;
    }
    QVERIFY(!s.isEmpty());
    QCOMPARE(s, QString(s.size(), QLatin1Char('?')));
    QVERIFY(fm.horizontalAdvance(s) <= std::max(szerokosc, fm.horizontalAdvance(QLatin1Char('?'))));
}

void TstJustGrid::klawiszeWlasciciela()
{
    PrezenterTestowy p;
    Stanowisko s;
    QList<int> widziane;
    int wstawien = 0;
    // the way the invoice window takes Insert for itself while no cell is edited
    s.g->OnKeyDown = [&](int &k, Qt::KeyboardModifiers) {
        widziane.append(k);
        if (k == Qt::Key_Insert && !s.g->EdytorOtwarty()) {
            ++wstawien;
            k = 0;
        }
    };
    QVERIFY(s.Start(1, 1));
    Klawisz(Qt::Key_Insert);
    QCOMPARE(wstawien, 1);
    Pisz(QStringLiteral("a"));
    QCOMPARE(widziane.count(Qt::Key_A), 1);   // seen once, though the grid hands it on
    QCOMPARE(s.g->Cells(1, 1), QStringLiteral("a"));
    Klawisz(Qt::Key_Insert);
    QCOMPARE(wstawien, 1);
    QCOMPARE(widziane.count(Qt::Key_Insert), 2);
    // a consumed key never reaches the grid
    s.g->OnKeyDown = [](int &k, Qt::KeyboardModifiers) {
        if (k == Qt::Key_Down)
            k = 0;
    };
    Klawisz(Qt::Key_Return);
    Klawisz(Qt::Key_Down);
    QCOMPARE(s.g->Row(), 1);
}

QTEST_MAIN(TstJustGrid)
#include "tst_justgrid.moc"
