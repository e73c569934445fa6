// The item grid of the main window: rows valued as they are typed, the default rate, the
// rate check against the sale date and the invoice kind, the totals and the amount due,
// the row commands and what an item cell refuses.

#include "kolumny.h"
#include "oknotestowe.h"

#include "common/daty.h"
#include "controls/justgrid.h"
#include "controls/tokienka.h"
#include "editor/poleedycji.h"
#include "fakturaprzykladowa.h"
#include "invoice/plikfaktury.h"
#include "invoice/sumy.h"
#include "pliktymczasowy.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

namespace {

QString KomunikatStawki(const QString &stawka, const QString &lista)
{
    return QStringLiteral("Niepoprawna wartość % Vat = ") + stawka
           + QStringLiteral(" %|Dla wpisanej daty sprzedaży, poprawne|stawki to:  ") + lista
           + QStringLiteral("zw||\"zw\" oznacza sprzedaż zwolnioną z VAT.");
}

// The nine texts of an item row, joined by "|".
QString Wiersz(const TjustGrid &g, int w)
{
    QStringList p;
    for (int k = 1; k <= 9; ++k)
        p.append(g.Cells(k, w));
    return p.join(QLatin1Char('|'));
}

void UstawWiersz(TjustGrid &g, int w, const QString &tekst)
{
    const QStringList p = tekst.split(QLatin1Char('|'));
    for (int k = 1; k <= 9; ++k)
        g.setCells(k, w, p.value(k - 1));
}

// The totals grid as "net|label|VAT|gross" lines of its filled rows.
QStringList Sumy(const TjustGrid &s)
{
    QStringList l;
    for (int w = 0; w < s.RowCount(); ++w) {
        const QString t = s.Cells(0, w) + QLatin1Char('|') + s.Cells(1, w) + QLatin1Char('|') + s.Cells(2, w)
                          + QLatin1Char('|') + s.Cells(3, w);
        if (t != QLatin1String("|||"))
            l.append(t);
    }
    return l;
}

}   // namespace

class TstPozycje : public QObject {
    Q_OBJECT
private slots:
    void wycenaWiersza_data();
    void wycenaWiersza();
    void stawkaDomyslna_data();
    void stawkaDomyslna();
    void pustaNazwaBezStawki_data();
    void pustaNazwaBezStawki();
    void sprawdzenieStawki_data();
    void sprawdzenieStawki();
    void wierszePomiedzy();
    void poczatekSiatki_data();
    void poczatekSiatki();
    void tabPomijaWyliczone_data();
    void tabPomijaWyliczone();
    void rachunekBezStawki();
    void zakresKwot_data();
    void zakresKwot();
    void stawkaPoZmianieDaty();
    void usuwanie_data();
    void usuwanie();
    void wstawianie_data();
    void wstawianie();
    void klawiszeIMenu();
    void kreskaNieWchodzi();
};

void TstPozycje::wycenaWiersza_data()
{
    // clang-format off
    Kolumny<QString, QString>("ilosc", "cena");
    QTest::addColumn<QString>("stawka");     // null: as the window fills it in (23)
    QTest::addColumn<QString>("wiersz");     // the row after the price, "|"-joined
    Kolumny<QStringList, QString>("sumy", "doZaplaty");
    QTest::newRow("3 x 0,10 po 23") << QStringLiteral("3") << QStringLiteral("0,10") << QString()
                                    << QStringLiteral("Towar|||3|0,10|0,30|23|0,07|0,37")
                                    << QStringList{QStringLiteral("0,30|-----|0,07|0,37"), QStringLiteral("0,30|23 %|0,07|0,37")}
                                    << QStringLiteral("0,37");
    QTest::newRow("pół grosza w górę") << QStringLiteral("1,5") << QStringLiteral("33,33") << QStringLiteral("8")
                                       << QStringLiteral("Towar|||1,5|33,33|50,00|8|4,00|54,00")
                                       << QStringList{QStringLiteral("50,00|-----|4,00|54,00"), QStringLiteral("50,00|8 %|4,00|54,00")}
                                       << QStringLiteral("54,00");
    QTest::newRow("bez stawki: zwolniony") << QStringLiteral("2") << QStringLiteral("1.234,5") << QStringLiteral("")
                                           << QStringLiteral("Towar|||2|1.234,50|2.469,00|||2.469,00")
                                           << QStringList{QStringLiteral("2.469,00|-----||2.469,00"), QStringLiteral("2.469,00|zwol.||2.469,00")}
                                           << QStringLiteral("2.469,00");
    // clang-format on
}

void TstPozycje::wycenaWiersza()
{
    QFETCH(QString, ilosc);
    QFETCH(QString, cena);
    QFETCH(QString, stawka);
    OknoTestowe t;
    t.WpiszPozycje(1, QStringLiteral("Towar"), ilosc, cena, stawka);
    QTEST(Wiersz(*Kontrolka<TjustGrid>(*t.okno, "Grid"), 1), "wiersz");
    QTEST(Sumy(*Kontrolka<TjustGrid>(*t.okno, "SumGrid")), "sumy");
    QTEST(Kontrolka<QLabel>(*t.okno, "PanZaplata")->text().trimmed(), "doZaplaty");
    QVERIFY(t.prezenter.pokazane.isEmpty());
}

void TstPozycje::stawkaDomyslna_data()
{
    // clang-format off
    Kolumny<int, QString, QString>("mojVat", "dataSprzedazy", "stawka");
    QTest::newRow("nie wybrano") << 0 << QStringLiteral("15.06.2018") << QString();
    QTest::newRow("zwolniony") << 1 << QStringLiteral("15.06.2018") << QString();
    QTest::newRow("0 %") << 2 << QStringLiteral("15.06.2018") << QStringLiteral("0");
    QTest::newRow("8 %") << 3 << QStringLiteral("15.06.2018") << QStringLiteral("8");
    QTest::newRow("23 %") << 4 << QStringLiteral("15.06.2018") << QStringLiteral("23");
    QTest::newRow("5 %") << 5 << QStringLiteral("15.06.2018") << QStringLiteral("5");
    QTest::newRow("23 % przed 2011") << 4 << QStringLiteral("15.06.2010") << QStringLiteral("22");
    // clang-format on
}

void TstPozycje::stawkaDomyslna()
{
    QFETCH(int, mojVat);
    QFETCH(QString, dataSprzedazy);
    OknoTestowe t(KonfiguracjaTestowa().replace("M\xf3jVat=4", "M\xf3jVat=" + QByteArray::number(mojVat)));
    QCOMPARE(int(t.okno->Konfiguracja().iniMojVat), mojVat);
    t.Wpisz("EdyDatSprz", dataSprzedazy);
    t.WpiszKomorke(kolTowar, 1, QStringLiteral("Towar"));
    QTEST(Kontrolka<TjustGrid>(*t.okno, "Grid")->Cells(kolPrcVat, 1), "stawka");
    // a rate already there stays
    t.WpiszKomorke(kolPrcVat, 2, QStringLiteral("0"));
    t.WpiszKomorke(kolTowar, 2, QStringLiteral("Inny"));
    QCOMPARE(Kontrolka<TjustGrid>(*t.okno, "Grid")->Cells(kolPrcVat, 2), QStringLiteral("0"));
}

void TstPozycje::pustaNazwaBezStawki_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("komorki");   // "column:text" typed into row 1, in order
    QTest::addColumn<QString>("stawka");
    QTest::addColumn<bool>("zmieniona");        // the invoice counts as changed
    QTest::newRow("nazwa wpisana i usunięta") << QStringList{"1:Towar", "1:"} << QString() << false;
    QTest::newRow("nazwa usunięta, ilość została") << QStringList{"1:Towar", "4:2", "1:"} << QStringLiteral("23") << true;
    QTest::newRow("stawka wpisana ręcznie zostaje") << QStringList{"7:8", "1:Towar", "1:"} << QStringLiteral("8") << true;
    // clang-format on
}

void TstPozycje::pustaNazwaBezStawki()
{
    QFETCH(QStringList, komorki);
    QFETCH(bool, zmieniona);
    OknoTestowe t;
    for (const QString &k : komorki)
        t.WpiszKomorke(k.section(QLatin1Char(':'), 0, 0).toInt(), 1, k.section(QLatin1Char(':'), 1));
    QTEST(Kontrolka<TjustGrid>(*t.okno, "Grid")->Cells(kolPrcVat, 1), "stawka");
    t.prezenter.odpowiedzi = {idCancel};
    QCOMPARE(t.okno->MoznaZamknac(), !zmieniona);
    QCOMPARE(t.prezenter.pokazane.size(), zmieniona ? 1 : 0);
}

void TstPozycje::sprawdzenieStawki_data()
{
    // clang-format off
    Kolumny<int, QString, QString, QStringList>("rodzaj", "dataSprzedazy", "stawka", "komunikaty");
    const auto zla = [](const char *stawka) { return QStringLiteral("%Vat, wiersz 1: niepoprawna wartość ") + QLatin1String(stawka); };
    const QString lista2018 = QStringLiteral("0%   8%   23%   5%   ");
    QTest::newRow("7 w 2018") << int(rZentora) << QStringLiteral("15.06.2018") << QStringLiteral("7")
                              << QStringList{KomunikatStawki(QStringLiteral("7"), lista2018), zla("7")};
    QTest::newRow("7 w 2010") << int(rZentora) << QStringLiteral("15.06.2010") << QStringLiteral("7") << QStringList();
    QTest::newRow("22 w 2018") << int(rZentora) << QStringLiteral("15.06.2018") << QStringLiteral("22")
                               << QStringList{KomunikatStawki(QStringLiteral("22"), lista2018), zla("22")};
    QTest::newRow("-1") << int(rZentora) << QStringLiteral("15.06.2018") << QStringLiteral("-1") << QStringList{zla("-1")};
    QTest::newRow("Rachunek: 23") << int(rZwykly) << QStringLiteral("15.06.2018") << QStringLiteral("23") << QStringList{zla("23")};
    QTest::newRow("Rachunek: 0") << int(rZwykly) << QStringLiteral("15.06.2018") << QStringLiteral("0") << QStringList();
    QTest::newRow("Rachunek: puste") << int(rZwykly) << QStringLiteral("15.06.2018") << QString() << QStringList();
    QTest::newRow("wadliwa data: stawki sprzed 2011")
        << int(rZentora) << QString() << QStringLiteral("22")
        << QStringList{QStringLiteral("Wadliwa data sprzedaży - nie można sprawdzić stawek VAT")};
    // clang-format on
}

void TstPozycje::sprawdzenieStawki()
{
    QFETCH(int, rodzaj);
    QFETCH(QString, dataSprzedazy);
    QFETCH(QString, stawka);
    QFETCH(QStringList, komunikaty);
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    Kontrolka<TComboLista>(o, "cboZentora")->setCurrentIndex(rodzaj);
    Kontrolka<TokienkoData>(o, "EdyDatSprz")->UstawTekst(dataSprzedazy.isEmpty() ? kPustaData : dataSprzedazy);
    Kontrolka<TjustGrid>(o, "Grid")->setCells(kolIlosc, 1, QStringLiteral("1"));
    Kontrolka<TjustGrid>(o, "Grid")->setCells(kolCena, 1, QStringLiteral("100,00"));
    Kontrolka<TjustGrid>(o, "Grid")->setCells(kolPrcVat, 1, QStringLiteral("5"));
    t.WpiszKomorke(kolPrcVat, 1, stawka);
    QCOMPARE(t.prezenter.teksty(), komunikaty);
    const bool odrzucona = !komunikaty.filter(QStringLiteral("niepoprawna wartość")).isEmpty();
    // a refused rate holds the cell and does not recompute
    QCOMPARE(Kontrolka<TjustGrid>(o, "Grid")->EdytorOtwarty(), odrzucona);
    QCOMPARE(Kontrolka<TjustGrid>(o, "Grid")->Cells(kolNetto, 1), odrzucona ? QString() : QStringLiteral("100,00"));
}

void TstPozycje::wierszePomiedzy()
{
    // rows 1 and 3 used: two items, in their order, and no blank numbered line between them
    OknoTestowe t;
    t.WpiszPozycje(1, QStringLiteral("Pierwszy"), QStringLiteral("1"), QStringLiteral("1"));
    t.WpiszPozycje(3, QStringLiteral("Trzeci"), QStringLiteral("1"), QStringLiteral("2"));
    const TzentoraVat &z = t.okno->FakturaZEkranu();
    QCOMPARE(z.IlePozyc, 2);
    QCOMPARE(z.Pozycja(2).Towar, QStringLiteral("Trzeci"));
    QCOMPARE(z.SumyFaktury[vatSum].Brutto, QStringLiteral("3,69"));
}

void TstPozycje::poczatekSiatki_data()
{
    QTest::addColumn<QString>("polecenie");   // after a 50-row invoice scrolled to its end
    QTest::newRow("nowa") << QStringLiteral("AcNowa");
    QTest::newRow("otwarcie 3 wierszy") << QStringLiteral("trzy.FAK");
}

void TstPozycje::poczatekSiatki()
{
    QFETCH(QString, polecenie);
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    TzentoraVat f = FakturaPrzykladowa();
    ZapiszFakture(t.Plik(QStringLiteral("trzy.FAK")), f);
    for (int i = 1; i <= kMaxPozycji; ++i)
        f.Pozycja(i) = Wiersz(QStringLiteral("Towar %1||szt|1|1,00|1,00|23|0,23|1,23").arg(i));
    f.IlePozyc = kMaxPozycji;
    ZapiszFakture(t.Plik(QStringLiteral("50.FAK")), f);
    o.OtworzProFormeEx(t.Plik(QStringLiteral("50.FAK")));
    TjustGrid &g = *Kontrolka<TjustGrid>(o, "Grid");
    QVERIFY(g.verticalScrollBar()->isVisible());   // the rows below are not hidden without a sign
    g.setFocus();
    g.WybierzKomorke(kolTowar, kMaxPozycji);
    QVERIFY(g.TopRow() > 1);
    if (polecenie.startsWith(QLatin1String("Ac")))
        t.Wykonaj(polecenie.toLatin1().constData());
    else
        o.OtworzProFormeEx(t.Plik(polecenie));
    QCOMPARE(g.TopRow(), 1);
    QCOMPARE(QPoint(g.Col(), g.Row()), QPoint(kolTowar, 1));
}

void TstPozycje::tabPomijaWyliczone_data()
{
    // clang-format off
    Kolumny<int, int, bool>("kol", "wiersz", "wstecz");
    Kolumny<int, int>("doKol", "doWiersza");
    QTest::newRow("cena -> %Vat") << int(kolCena) << 1 << false << int(kolPrcVat) << 1;
    QTest::newRow("%Vat -> nazwa w następnym") << int(kolPrcVat) << 1 << false << int(kolTowar) << 2;
    QTest::newRow("wstecz: %Vat -> cena") << int(kolPrcVat) << 1 << true << int(kolCena) << 1;
    QTest::newRow("wstecz: nazwa -> %Vat wyżej") << int(kolTowar) << 2 << true << int(kolPrcVat) << 1;
    // clang-format on
}

void TstPozycje::tabPomijaWyliczone()
{
    QFETCH(int, kol);
    QFETCH(int, wiersz);
    QFETCH(bool, wstecz);
    OknoTestowe t;
    TjustGrid &g = *Kontrolka<TjustGrid>(*t.okno, "Grid");
    g.setFocus();
    g.WybierzKomorke(kol, wiersz);
    QTest::keyClick(&g, wstecz ? Qt::Key_Backtab : Qt::Key_Tab, wstecz ? Qt::ShiftModifier : Qt::NoModifier);
    QFETCH(int, doKol);
    QFETCH(int, doWiersza);
    QCOMPARE(QPoint(g.Col(), g.Row()), QPoint(doKol, doWiersza));
}

void TstPozycje::rachunekBezStawki()
{
    // a bill carries no VAT: a new row gets no rate, whatever rate the seller usually charges
    OknoTestowe t;
    Kontrolka<QComboBox>(*t.okno, "cboZentora")->setCurrentIndex(rZwykly);
    t.WpiszKomorke(kolTowar, 1, QStringLiteral("Usługa"));
    QCOMPARE(Kontrolka<TjustGrid>(*t.okno, "Grid")->Cells(kolPrcVat, 1), QString());
}

void TstPozycje::zakresKwot_data()
{
    // clang-format off
    Kolumny<QString, QString, QString, QString>("ilosc", "cena", "stawka", "komunikat");
    const QString za = QStringLiteral("Pozycja 1: wartość brutto przekroczyłaby 99.999.999.999,99 zł.|Zmniejsz ilość lub cenę.");
    QTest::newRow("12 x 125.000") << "12" << "125.000" << "23" << "";
    QTest::newRow("w granicy") << "1" << "81.300.813.000" << "23" << "";
    QTest::newRow("brutto za duże") << "1" << "81.300.813.009" << "23" << za;
    QTest::newRow("ilość za duża") << "1.000.000" << "100.000" << "0" << za;
    // clang-format on
}

void TstPozycje::zakresKwot()
{
    QFETCH(QString, ilosc);
    QFETCH(QString, cena);
    QFETCH(QString, stawka);
    QFETCH(QString, komunikat);
    OknoTestowe t;
    TjustGrid &g = *Kontrolka<TjustGrid>(*t.okno, "Grid");
    t.WpiszKomorke(kolTowar, 1, QStringLiteral("Drogi"));
    t.WpiszKomorke(kolPrcVat, 1, stawka);
    t.WpiszKomorke(kolIlosc, 1, ilosc);
    t.WpiszKomorke(kolCena, 1, cena);
    QCOMPARE(t.prezenter.teksty().join(QLatin1Char('/')), komunikat);
    if (komunikat.isEmpty()) {
        // what is accepted is valued exactly: gross is net plus VAT
        const double netto = g.CelaZlo(kolNetto, 1), vat = g.CelaZlo(kolWarVat, 1), brutto = g.CelaZlo(kolBrutto, 1);
        QCOMPARE(qRound64((netto + vat) * 100), qRound64(brutto * 100));
    } else {
        QVERIFY(g.EdytorOtwarty());   // the cell stays open to be corrected
        QCOMPARE(g.Cells(kolBrutto, 1), QString());
    }
}

void TstPozycje::stawkaPoZmianieDaty()
{
    // a row valued at the rates before 2011 no longer fits once the sale date moves on
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    t.Wpisz("EdyFirma", QStringLiteral("Firma"));
    t.Wpisz("EdyDatSprz", QStringLiteral("15.06.2010"));
    t.WpiszPozycje(1, QStringLiteral("Stary"), QStringLiteral("1"), QStringLiteral("100"), QStringLiteral("22"));
    QCOMPARE(Kontrolka<QLabel>(o, "PanZaplata")->text().trimmed(), QStringLiteral("122,00"));
    QVERIFY(t.prezenter.pokazane.isEmpty());
    t.Wpisz("EdyDatSprz", QStringLiteral("15.06.2018"));
    const QString komunikat = KomunikatStawki(QStringLiteral("22"), QStringLiteral("0%   8%   23%   5%   "));
    // the new date is valued at once: the rate message, and the totals stay
    QCOMPARE(t.prezenter.teksty(), QStringList{komunikat});
    QCOMPARE(Kontrolka<QLabel>(o, "PanZaplata")->text().trimmed(), QStringLiteral("122,00"));
    // leaving the same date again says nothing new; the next accepted cell says it again
    t.Wpisz("EdyDatSprz", QStringLiteral("15.06.2018"));
    QCOMPARE(t.prezenter.pokazane.size(), 1);
    t.prezenter.pokazane.clear();
    t.WpiszPozycje(2, QStringLiteral("Nowy"), QStringLiteral("1"), QStringLiteral("10"));
    QVERIFY(t.prezenter.teksty().contains(komunikat));
    QVERIFY(t.prezenter.teksty().filter(QStringLiteral("niepoprawna wartość")).isEmpty());
    QCOMPARE(Kontrolka<TjustGrid>(o, "Grid")->Cells(kolTowar, 2), QStringLiteral("Nowy"));
    QCOMPARE(Kontrolka<QLabel>(o, "PanZaplata")->text().trimmed(), QStringLiteral("122,00"));
    QVERIFY(!Kontrolka<TjustGrid>(o, "Grid")->EdytorOtwarty());
    // saving stops at the totals label "22 %" with the same message, and writes nothing
    t.prezenter.pokazane.clear();
    t.nazwyPlikow = {t.Plik(QStringLiteral("S.FAK"))};
    t.Wykonaj("AcZapisz");
    QCOMPARE(t.prezenter.teksty(), QStringList{komunikat});
    QVERIFY(!QFile::exists(t.Plik(QStringLiteral("S.FAK"))));
}

void TstPozycje::usuwanie_data()
{
    // clang-format off
    QTest::addColumn<int>("odpowiedz");
    QTest::addColumn<QStringList>("wiersze");   // rows 1..3 afterwards
    QTest::addColumn<QString>("doZaplaty");
    QTest::newRow("OK") << int(idOK) << QStringList{QStringLiteral("A;1||||||||"), QStringLiteral("C; trzeci||||||||"), QString()}
                        << QString();
    QTest::newRow("Anuluj") << int(idCancel)
                            << QStringList{QStringLiteral("A;1||||||||"), QStringLiteral("B|||1|2,00|2,00|23|0,46|2,46"),
                                           QStringLiteral("C; trzeci||||||||")}
                            << QStringLiteral("2,46");
    // clang-format on
}

void TstPozycje::usuwanie()
{
    QFETCH(int, odpowiedz);
    QFETCH(QStringList, wiersze);
    OknoTestowe t;
    TjustGrid &g = *Kontrolka<TjustGrid>(*t.okno, "Grid");
    UstawWiersz(g, 1, QStringLiteral("A;1"));
    UstawWiersz(g, 2, QStringLiteral("B|||1|2,00|2,00|23|0,46|2,46"));
    UstawWiersz(g, 3, QStringLiteral("C; trzeci"));
    UstawWiersz(g, 50, QStringLiteral("ostatni"));
    PrzeliczSumy(t.okno->Tabele());
    QCOMPARE(Kontrolka<QLabel>(*t.okno, "PanZaplata")->text(), QStringLiteral("2,46"));
    g.setFocus();
    QVERIFY(g.WybierzKomorke(3, 2));
    t.prezenter.odpowiedzi = {odpowiedz};
    Klawisz(Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(t.prezenter.teksty(), QStringList{QStringLiteral("Czy na pewno usunąć wskazany wiersz ?")});
    QCOMPARE(t.prezenter.pokazane.first().pIcoDlg, icUwaga);
    QCOMPARE(t.prezenter.pokazane.first().pNumBut, 1);
    for (int w = 1; w <= 3; ++w)
        QCOMPARE(Wiersz(g, w), wiersze.at(w - 1).isEmpty() ? QStringLiteral("||||||||") : wiersze.at(w - 1));
    QCOMPARE(Wiersz(g, 49) == QStringLiteral("ostatni||||||||"), odpowiedz == idOK);
    QCOMPARE(Wiersz(g, 50) == QStringLiteral("||||||||"), odpowiedz == idOK);
    QCOMPARE(g.Cells(0, 2), QStringLiteral("2"));
    // the totals follow the rows at once
    QTEST(Kontrolka<QLabel>(*t.okno, "PanZaplata")->text(), "doZaplaty");
    QCOMPARE(Sumy(*Kontrolka<TjustGrid>(*t.okno, "SumGrid")).size(), odpowiedz == idOK ? 1 : 2);
}

void TstPozycje::wstawianie_data()
{
    // clang-format off
    Kolumny<bool, int, QString, int, bool>("ostatniZajety", "odpowiedz", "pytanie", "domyslny", "wstawiono");
    const QString zwykle = QStringLiteral("Czy wstawić wiersz ?");
    const QString strata = QStringLiteral("Wiersz 50 nie jest pusty - jego treść zostanie usunięta.|Czy wstawić wiersz ?");
    QTest::newRow("OK") << false << int(idOK) << zwykle << 1 << true;
    QTest::newRow("Anuluj") << false << int(idCancel) << zwykle << 1 << false;
    QTest::newRow("wiersz 50 zajęty, domyślnie Anuluj") << true << 0 << strata << 2 << false;
    QTest::newRow("wiersz 50 zajęty, OK") << true << int(idOK) << strata << 2 << true;
    // clang-format on
}

void TstPozycje::wstawianie()
{
    QFETCH(bool, ostatniZajety);
    QFETCH(int, odpowiedz);
    QFETCH(bool, wstawiono);
    OknoTestowe t;
    TjustGrid &g = *Kontrolka<TjustGrid>(*t.okno, "Grid");
    UstawWiersz(g, 1, QStringLiteral("A;1|x"));
    UstawWiersz(g, 2, QStringLiteral("B"));
    UstawWiersz(g, 49, QStringLiteral("przedostatni"));
    // blanks only count as an empty row
    UstawWiersz(g, 50, ostatniZajety ? QStringLiteral("ostatni") : QStringLiteral("  |||| "));
    g.setFocus();
    QVERIFY(g.WybierzKomorke(1, 1));
    if (odpowiedz)
        t.prezenter.odpowiedzi = {odpowiedz};
    Klawisz(Qt::Key_Insert);
    QCOMPARE(t.prezenter.pokazane.size(), 1);
    QTEST(t.prezenter.ostatni(), "pytanie");
    QTEST(t.prezenter.pokazane.first().pNumBut, "domyslny");
    QCOMPARE(t.prezenter.pokazane.first().pIcoDlg, ostatniZajety ? icUwaga : icPytaj);
    QCOMPARE(Wiersz(g, 1), wstawiono ? QStringLiteral("||||||||") : QStringLiteral("A;1|x|||||||"));
    QCOMPARE(Wiersz(g, 2), wstawiono ? QStringLiteral("A;1|x|||||||") : QStringLiteral("B||||||||"));
    QCOMPARE(Wiersz(g, 50), wstawiono       ? QStringLiteral("przedostatni||||||||")
                            : ostatniZajety ? QStringLiteral("ostatni||||||||")
                                            : QStringLiteral("  |||| ||||"));
}

void TstPozycje::klawiszeIMenu()
{
    OknoTestowe t;
    TjustGrid &g = *Kontrolka<TjustGrid>(*t.okno, "Grid");
    UstawWiersz(g, 1, QStringLiteral("A"));
    g.setFocus();
    QVERIFY(g.WybierzKomorke(1, 1));
    // while a cell is edited the keys belong to the editor and the row commands are off
    Klawisz(Qt::Key_F2);
    QVERIFY(g.EdytorOtwarty());
    Klawisz(Qt::Key_Insert);
    Klawisz(Qt::Key_Delete, Qt::ControlModifier);
    QVERIFY(t.prezenter.pokazane.isEmpty());
    auto *usun = Kontrolka<QAction>(*t.okno, "UsuWiersz");
    auto *wstaw = Kontrolka<QAction>(*t.okno, "WsawWiersz");
    t.MenuSiatki([&](QMenu &) {
        QVERIFY(!usun->isEnabled());
        QVERIFY(!wstaw->isEnabled());
    });
    Klawisz(Qt::Key_Return);
    QVERIFY(!g.EdytorOtwarty());
    t.prezenter.odpowiedzi = {idOK};
    t.MenuSiatki([&](QMenu &menu) {
        QVERIFY(usun->isEnabled());
        QVERIFY(wstaw->isEnabled());
        QCOMPARE(usun->text(), QStringLiteral("Usuń wiersz "));
        QCOMPARE(wstaw->text(), QStringLiteral("Wstaw wiersz"));
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(wstaw).center());
    });
    QCOMPARE(Wiersz(g, 2), QStringLiteral("A||||||||"));
    // Delete without Ctrl is no row command
    Klawisz(Qt::Key_Delete);
    QCOMPARE(t.prezenter.pokazane.size(), 1);
}

void TstPozycje::kreskaNieWchodzi()
{
    OknoTestowe t;
    TjustGrid &g = *Kontrolka<TjustGrid>(*t.okno, "Grid");
    t.WpiszKomorke(kolTowar, 1, QStringLiteral("a|b"));
    t.WpiszKomorke(kolJedn, 1, QStringLiteral("|szt|"));
    QCOMPARE(g.Cells(kolTowar, 1), QStringLiteral("ab"));
    QCOMPARE(g.Cells(kolJedn, 1), QStringLiteral("szt"));
    QClipboard *c = QGuiApplication::clipboard();
    c->setText(QStringLiteral("x|y"));
    if (c->text() != QLatin1String("x|y"))
        QSKIP("no clipboard on this platform");
    g.setFocus();
    QVERIFY(g.WybierzKomorke(kolKlasyf, 1));
    Klawisz(Qt::Key_F2);
    Klawisz(Qt::Key_V, Qt::ControlModifier);
    Klawisz(Qt::Key_Return);
    QCOMPARE(g.Cells(kolKlasyf, 1), QStringLiteral("xy"));
}

QTEST_MAIN(TstPozycje)
#include "tst_pozycje.moc"
