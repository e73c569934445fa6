// The header fields of the main window: the city of a saved invoice, the calendar buttons, the
// paid pro forma, the invoice number, the post code, the discount field and the tab order.

#include "common/teksty.h"
#include "kolumny.h"
#include "oknotestowe.h"

#include "common/daty.h"
#include "controls/justgrid.h"
#include "controls/tokienka.h"
#include "editor/poleedycji.h"
#include "fakturaprzykladowa.h"
#include "invoice/plikfaktury.h"
#include "pliktymczasowy.h"

#include <QCheckBox>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

class TstNaglowek : public QObject {
    Q_OBJECT
private slots:
    void zapisDopisujeMiasto();
    void kalendarz_data();
    void kalendarz();
    void oplaconaProForma_data();
    void oplaconaProForma();
    void numerFaktury_data();
    void numerFaktury();
    void komunikatyPol_data();
    void komunikatyPol();
    void rabatIKolejnosc();
    void tabZSiatki_data();
    void tabZSiatki();
};

void TstNaglowek::zapisDopisujeMiasto()
{
    OknoTestowe t;
    t.Wpisz("EdyFirma", QStringLiteral("Firma"));
    t.Wpisz("EdyMiasto", QStringLiteral("Kraków"));
    t.nazwyPlikow = {t.Plik(QStringLiteral("K.FAK"))};
    t.Wykonaj("AcZapisz");
    // the city of the invoice just saved is proposed at once
    t.Wpisz("EdyMiasto", QStringLiteral("kr"), false);
    QCOMPARE(Kontrolka<TPoleEdycji>(*t.okno, "EdyMiasto")->text(), QStringLiteral("Kraków"));
}

void TstNaglowek::kalendarz_data()
{
    // clang-format off
    Kolumny<int, QString, QString>("przycisk", "wybrana", "tekst");
    QTest::newRow("sprzedaży") << 2 << QStringLiteral("28.02.2019") << QStringLiteral("28.02.2019");
    QTest::newRow("zapłaty, rezygnacja") << 3 << QString() << QStringLiteral("29.06.2018");
    // clang-format on
}

void TstNaglowek::kalendarz()
{
    QFETCH(int, przycisk);
    QFETCH(QString, wybrana);
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    QToolButton *przyciski[] = {Kontrolka<QToolButton>(o, "SpeedData1"), Kontrolka<QToolButton>(o, "SpeedData2"),
                                Kontrolka<QToolButton>(o, "SpeedData3")};
    TokienkoData *pola[] = {Kontrolka<TokienkoData>(o, "EdyDatWyst"), Kontrolka<TokienkoData>(o, "EdyDatSprz"),
                            Kontrolka<TokienkoData>(o, "EdyDatZapl")};
    TokienkoData *pole = pola[przycisk - 1];
    const QString przed = pole->Tekst();
    t.dataZKalendarza = wybrana;
    QTest::mouseClick(static_cast<QWidget *>(przyciski[przycisk - 1]), Qt::LeftButton);
    QCOMPARE(t.kalendarze, QStringList{przed});
    QTEST(pole->Tekst(), "tekst");
    QVERIFY(pole->hasFocus());
    for (TokienkoData *inne : pola)
        if (inne != pole)
            QVERIFY(inne->Tekst() != wybrana || wybrana.isEmpty());
}

void TstNaglowek::oplaconaProForma_data()
{
    // clang-format off
    QTest::addColumn<bool>("zapisana");    // the pro forma was saved and opened again
    Kolumny<int, bool>("nowyRodzaj", "zamiana");
    QTest::addColumn<int>("zaplacona");   // the answer to "has it been paid", 0: not asked
    QTest::newRow("zapisana, na VAT, zapłacona") << true << int(rZentora) << true << int(idYes);
    QTest::newRow("zapisana, na VAT, niezapłacona") << true << int(rZentora) << true << int(idNo);
    QTest::newRow("zapisana, na Rachunek") << true << int(rZwykly) << false << 0;
    QTest::newRow("nowa, na VAT") << false << int(rZentora) << false << 0;
    // clang-format on
}

void TstNaglowek::oplaconaProForma()
{
    QFETCH(bool, zapisana);
    QFETCH(int, nowyRodzaj);
    QFETCH(bool, zamiana);
    QFETCH(int, zaplacona);
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    const QString plik = t.Plik(QStringLiteral("PF.FAK"));
    // the invoices of the folder so far: the paid pro forma becomes the next of them
    TzentoraVat f4 = FakturaPrzykladowa();
    f4.NumerFak = 4;
    ZapiszFakture(t.Plik(QStringLiteral("4.FAK")), f4);
    if (zapisana) {
        TzentoraVat f = FakturaPrzykladowa();
        f.RodzajFak = rProForma;
        f.RodzajNum = numerNSMR;
        f.SymbolFak = QStringLiteral("PF");
        f.UwagiDodatk = QStringLiteral("zaliczka");
        ZapiszFakture(plik, f);
        o.OtworzProFormeEx(plik);
    } else {
        Kontrolka<TComboLista>(o, "cboZentora")->setCurrentIndex(rProForma);
        Kontrolka<TokienkoData>(o, "EdyDatWyst")->UstawTekst(QStringLiteral("01.06.2018"));
    }
    TokienkoData *const daty[] = {Kontrolka<TokienkoData>(o, "EdyDatWyst"), Kontrolka<TokienkoData>(o, "EdyDatSprz"),
                                  Kontrolka<TokienkoData>(o, "EdyDatZapl")};
    QStringList przed;
    for (TokienkoData *d : daty)
        przed.append(d->Tekst());
    const QString uwagiPrzed = Kontrolka<TPoleEdycji>(o, "EdyUwagi")->text();
    t.prezenter.odpowiedzi = {zaplacona};
    Kontrolka<TComboLista>(o, "cboZentora")->showPopup();
    Kontrolka<TComboLista>(o, "cboZentora")->setCurrentIndex(nowyRodzaj);
    Kontrolka<TComboLista>(o, "cboZentora")->hidePopup();
    Przetworz();
    // paid: due today with the note; unpaid: due after the configured term of a transfer
    const QStringList dzis{QStringLiteral("15.06.2018"), QStringLiteral("15.06.2018"),
                           zaplacona == idYes ? QStringLiteral("15.06.2018") : QStringLiteral("29.06.2018")};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(daty[i]->Tekst(), zamiana ? dzis.at(i) : przed.at(i));
    QCOMPARE(Kontrolka<TPoleEdycji>(o, "EdyUwagi")->text(),
             zaplacona == idYes ? QStringLiteral("Należność zapłacono.") : uwagiPrzed);
    QCOMPARE(t.prezenter.teksty(),
             zamiana ? QStringList{QStringLiteral("Czy należność z faktury pro forma została zapłacona ?")}
                     : QStringList());
    if (zamiana) {
        // the record takes the configured numbering again, and the next number of its series
        const TzentoraVat &z = o.FakturaZEkranu();
        QCOMPARE(z.RodzajNum, numerNSR);
        QCOMPARE(z.SymbolFak, QStringLiteral("FV"));
        QCOMPARE(z.DajOznaczenieFaktury(), QStringLiteral("5/FV/2018"));
    }
}

void TstNaglowek::komunikatyPol_data()
{
    // clang-format off
    Kolumny<QString, QString, QString>("pole", "wpisany", "komunikat");
    const QString zostaje = QStringLiteral("|Numer zostaje taki, jak wpisano.");
    QTest::newRow("data sprzedaży") << "EdyDatSprz" << "31022026" << "Data sprzedaży: niepoprawna wartość 31.02.2026";
    QTest::newRow("data wystawienia") << "EdyDatWyst" << "00002026" << "Data wystawienia: niepoprawna wartość 00.00.2026";
    QTest::newRow("NIP dobry") << "EdyNip" << "526-587-76-35" << "";
    QTest::newRow("NIP zła cyfra") << "EdyNip" << "526-587-76-36" << "NIP kupującego 526-587-76-36 ma błędną cyfrę kontrolną." + zostaje;
    QTest::newRow("NIP za krótki") << "EdyNip" << "52658776" << "NIP kupującego 52658776 ma 8 cyfr zamiast 10." + zostaje;
    QTest::newRow("NIP zagraniczny") << "EdyNip" << "DE123456789" << "";
    QTest::newRow("NIP pusty") << "EdyNip" << "" << "";
    // clang-format on
}

void TstNaglowek::komunikatyPol()
{
    QFETCH(QString, pole);
    QFETCH(QString, wpisany);
    QFETCH(QString, komunikat);
    OknoTestowe t;
    t.Wpisz(pole.toLatin1().constData(), wpisany);
    QTRY_COMPARE(t.prezenter.teksty().join(QLatin1Char('/')), komunikat);
    // the value stays as typed, for the user to mend or keep
    QCOMPARE(Kontrolka<QLineEdit>(*t.okno, pole.toLatin1().constData())->text().remove(QLatin1Char('.')), wpisany);
    // leaving the field again with the same value says nothing more
    t.Wpisz(pole.toLatin1().constData(), wpisany);
    QTest::qWait(20);
    QVERIFY(t.prezenter.pokazane.size() <= 1 || !pole.startsWith(QLatin1String("EdyNip")));
}

void TstNaglowek::numerFaktury_data()
{
    // clang-format off
    Kolumny<QString, QString, bool>("wpisany", "tekst", "przyjety");
    QTest::newRow("99999") << QStringLiteral("99999") << QStringLiteral("99999") << true;
    QTest::newRow("szósta cyfra") << QStringLiteral("123456") << QStringLiteral("12345") << true;
    QTest::newRow("0") << QStringLiteral("0") << QStringLiteral("0") << false;
    QTest::newRow("puste") << QString() << QString() << false;
    // clang-format on
}

void TstNaglowek::numerFaktury()
{
    QFETCH(QString, wpisany);
    QFETCH(QString, tekst);
    QFETCH(bool, przyjety);
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    t.Wpisz("EdyNumRach", wpisany);
    QCOMPARE(Kontrolka<TokienkoLong>(o, "EdyNumRach")->text(), tekst);
    QCOMPARE(t.prezenter.teksty(),
             przyjety ? QStringList()
                      : QStringList{Trim(QStringLiteral("Numer faktury: niepoprawna wartość ") + tekst)});
    QTRY_COMPARE(Kontrolka<TokienkoLong>(o, "EdyNumRach")->hasFocus(), !przyjety);
    if (przyjety) {
        const TzentoraVat &z = o.FakturaZEkranu();
        QCOMPARE(z.NumerFak, tekst.toInt());
    }
}

void TstNaglowek::rabatIKolejnosc()
{
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    QVERIFY(!Kontrolka<TokienkoFloat>(o, "EdyRabat")->isEnabled());
    QCOMPARE(Kontrolka<TokienkoFloat>(o, "EdyRabat")->focusPolicy(), Qt::NoFocus);
    const QList<QWidget *> kolejnosc = {
        Kontrolka(o, "cboZentora"),  Kontrolka(o, "EdyNumRach"),  Kontrolka(o, "EdyFirma"),
        Kontrolka(o, "EdyUlica"),    Kontrolka(o, "EdyKod"),      Kontrolka(o, "EdyMiasto"),
        Kontrolka(o, "EdyNip"),      Kontrolka(o, "EdyOsoba"),    Kontrolka(o, "cboJakPlaci"),
        Kontrolka(o, "EdyDatWyst"),  Kontrolka(o, "EdyDatSprz"),  Kontrolka(o, "EdyDatZapl"),
        Kontrolka(o, "EdyUwagi"),    Kontrolka(o, "EdyPodstawa"), Kontrolka(o, "Grid"),
        Kontrolka(o, "BtnSpFirma"),  Kontrolka(o, "BtnSprzedal"), Kontrolka(o, "SumGrid"),
        Kontrolka(o, "EdyFakKoryg"), Kontrolka(o, "CbRatalnie"),  Kontrolka(o, "CbMPP")};
    // the tab chain of the window, from the kind combo, over the controls that take Tab
    QList<QWidget *> lancuch;
    QWidget *w = Kontrolka<TComboLista>(o, "cboZentora");
    do {
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && w->window() == &o
            && !lancuch.contains(w))
            lancuch.append(w);
        w = w->nextInFocusChain();
    } while (w != Kontrolka<TComboLista>(o, "cboZentora"));
    QList<QWidget *> wybrane;
    for (QWidget *x : lancuch)
        if (kolejnosc.contains(x))
            wybrane.append(x);
    QCOMPARE(wybrane, kolejnosc);
    // nothing else of the window is a tab stop: the seller fields and the discount are not
    for (QWidget *x : lancuch)
        QVERIFY2(kolejnosc.contains(x) || x->parentWidget() == Kontrolka(o, "ToolBar1"), qPrintable(x->objectName()));
}

void TstNaglowek::tabZSiatki_data()
{
    // clang-format off
    Kolumny<int, int>("kol", "wiersz");
    QTest::addColumn<bool>("edycja");    // the cell's editor is open, with "abc" typed
    Kolumny<int, int>("klawisz", "mod");
    QTest::addColumn<QString>("fokus");   // empty: the grid keeps it
    const int tab = Qt::Key_Tab, wstecz = Qt::Key_Backtab, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
    QTest::newRow("Tab za ostatnią komórką") << 9 << 50 << false << tab << 0 << QStringLiteral("BtnSpFirma");
    QTest::newRow("Shift+Tab przed pierwszą") << 1 << 1 << false << wstecz << shift << QStringLiteral("EdyPodstawa");
    QTest::newRow("Shift+Tab z edycji pierwszej") << 1 << 1 << true << wstecz << shift << QStringLiteral("EdyPodstawa");
    QTest::newRow("Tab w środku zostaje") << 3 << 2 << false << tab << 0 << QString();
    QTest::newRow("Shift+Tab w środku zostaje") << 1 << 2 << false << wstecz << shift << QString();
    QTest::newRow("Ctrl+Tab") << 3 << 2 << false << tab << ctrl << QStringLiteral("BtnSpFirma");
    QTest::newRow("Ctrl+Tab z edycji") << 3 << 2 << true << tab << ctrl << QStringLiteral("BtnSpFirma");
    QTest::newRow("Ctrl+Shift+Tab") << 3 << 2 << false << wstecz << (ctrl | shift) << QStringLiteral("EdyPodstawa");
    // clang-format on
}

void TstNaglowek::tabZSiatki()
{
    QFETCH(int, kol);
    QFETCH(int, wiersz);
    QFETCH(bool, edycja);
    QFETCH(int, klawisz);
    QFETCH(int, mod);
    QFETCH(QString, fokus);
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    Kontrolka<TjustGrid>(o, "Grid")->setFocus();
    QVERIFY(Kontrolka<TjustGrid>(o, "Grid")->WybierzKomorke(kol, wiersz));
    if (edycja) {
        Klawisz(Qt::Key_F2);
        Pisz(QStringLiteral("abc"));
    }
    Klawisz(Qt::Key(klawisz), Qt::KeyboardModifiers(mod));
    Przetworz();
    QWidget *w = QApplication::focusWidget();
    if (fokus.isEmpty()) {
        QVERIFY(Kontrolka<TjustGrid>(o, "Grid")->MaFokus());
        return;
    }
    QCOMPARE(w ? w->objectName() : QString(), fokus);
    // what was typed is in its cell, and the rest of the window follows in order
    QCOMPARE(Kontrolka<TjustGrid>(o, "Grid")->Cells(kol, wiersz), edycja ? QStringLiteral("abc") : QString());
    QVERIFY(!Kontrolka<TjustGrid>(o, "Grid")->EdytorOtwarty());
    if (fokus != QLatin1String("BtnSpFirma"))
        return;
    QStringList dalej;
    for (int i = 0; i < 4; ++i) {
        Klawisz(Qt::Key_Tab);
        dalej.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(dalej, (QStringList{"BtnSprzedal", "SumGrid", "EdyFakKoryg", "CbRatalnie"}));
}

QTEST_MAIN(TstNaglowek)
#include "tst_naglowek.moc"
