// The look of the main window: the fixed client area, every control inside it and clear of
// the others, the item grid as wide as its columns, the menus and the tool bar in their
// order with their captions, hints and keys. With ZENTORA_ZRZUT=file.png the window with
// the example invoice is saved as a picture.

#include "oknotestowe.h"

#include "controls/justgrid.h"
#include "controls/tokienka.h"
#include "editor/poleedycji.h"
#include "fakturaprzykladowa.h"
#include "invoice/plikfaktury.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

namespace {

// The entries of a menu or tool bar: action object names, "-" for separators, widget names.
QStringList Wpisy(QWidget *w)
{
    QStringList l;
    for (QAction *a : w->actions()) {
        if (a->isSeparator())
            l.append(QStringLiteral("-"));
        else if (auto *t = qobject_cast<QToolBar *>(w); t && !qobject_cast<QToolButton *>(t->widgetForAction(a)))
            l.append(t->widgetForAction(a)->objectName().isEmpty() ? qobject_cast<QLabel *>(t->widgetForAction(a))->text()
                                                                    : t->widgetForAction(a)->objectName());
        else
            l.append(a->objectName());
    }
    return l;
}

} // namespace

class TstWyglad : public QObject {
    Q_OBJECT
private slots:
    void uklad();
    void menu();
    void pasekNarzedzi();
    void akcje_data();
    void akcje();
    void siatki();
};

void TstWyglad::uklad()
{
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    const QString plik = t.Plik(QStringLiteral("przyklad.FAK"));
    ZapiszFakture(plik, FakturaPrzykladowa());
    o.OtworzPlik(plik);
    QCOMPARE(o.size(), QSize(730, 480));
    QCOMPARE(o.minimumSize(), o.maximumSize());
    QVERIFY(!(o.windowFlags() & Qt::WindowMaximizeButtonHint));
    // the controls lie inside the window and do not cover one another
    const QList<QWidget *> kontrolki = {
        o.EdyFirma,    o.EdyUlica,    o.EdyKod,      o.EdyMiasto,   o.EdyNip,     o.EdyOsoba,    o.cboJakPlaci,
        o.EdyDatWyst,  o.EdyDatSprz,  o.EdyDatZapl,  o.SpeedData1,  o.SpeedData2, o.SpeedData3,  o.EdyUwagi,
        o.CbRatalnie,  o.Grid,        o.MemSpFirma,  o.BtnSpFirma,  o.EdySpBank,  o.EdySpKonto,  o.EdySprzedal,
        o.BtnSprzedal, o.EdyFakKoryg, o.EdyRabat,    o.SumGrid,     o.PanZaplata};
    QList<QRect> miejsca;
    const QRect okno(QPoint(0, 0), o.size());
    for (QWidget *w : kontrolki) {
        QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
        const QRect r(w->mapTo(&o, QPoint(0, 0)), w->size());
        QVERIFY2(okno.contains(r), qPrintable(w->objectName()));
        for (int i = 0; i < miejsca.size(); ++i)
            QVERIFY2(!miejsca.at(i).intersects(r), qPrintable(kontrolki.at(i)->objectName() + QLatin1Char('/') + w->objectName()));
        miejsca.append(r);
    }
    // the labels are whole: every text fits its place
    for (QLabel *l : o.findChildren<QLabel *>()) {
        if (!l->isVisible() || l->wordWrap() || l == o.PanZaplata)
            continue;
        QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(), qPrintable(l->text()));
    }
    QVERIFY(o.CbRatalnie->sizeHint().width() <= o.CbRatalnie->width());
    QCOMPARE(o.CbRatalnie->text(), QStringLiteral("Gotówka na raty  -  NIE drukuj:   \"Zapłacono gotówką\""));
    // the tool bar holds everything without an overflow button
    const QList<QToolButton *> przyciski = o.ToolBar1->findChildren<QToolButton *>();
    for (QToolButton *b : przyciski)
        if (b->objectName() == QLatin1String("qt_toolbar_ext_button"))
            QVERIFY(!b->isVisible());
    const QByteArray cel = qgetenv("ZENTORA_ZRZUT");
    if (!cel.isEmpty())
        o.grab().save(QString::fromLocal8Bit(cel));
}

void TstWyglad::menu()
{
    OknoTestowe t;
    QMenuBar *m = t.okno->menuBar();
    QStringList tytuly;
    QList<QStringList> wpisy;
    for (QAction *a : m->actions()) {
        tytuly.append(a->text());
        wpisy.append(Wpisy(a->menu()));
    }
    QCOMPARE(tytuly, (QStringList{QStringLiteral("&Plik"), QStringLiteral("&Bazy danych"), QStringLiteral("&Ustawienia"),
                                  QStringLiteral("P&omoc")}));
    QCOMPARE(wpisy.at(0), QStringLiteral("AcNowa AcOtworz AcZapisz AcZapiszJako - AcDrukuj - AcZamknij").split(' '));
    QCOMPARE(wpisy.at(1),
             QStringLiteral("AcCzytajBaze AcEdytujZbazy AcAkceptuj AcAnuluj AcDopisz AcBazaFaktur - AcBazaProdukt").split(' '));
    QCOMPARE(wpisy.at(2), QStringLiteral("AcParametry AcFormatNum AcFont AcKalkulator").split(' '));
    QCOMPARE(wpisy.at(3), QStringLiteral("AcPomocTematy AcPomocFakt - AcWizytowka").split(' '));
}

void TstWyglad::pasekNarzedzi()
{
    OknoTestowe t;
    QStringList w = Wpisy(t.okno->ToolBar1);
    w.removeAll(QStringLiteral("-"));
    QStringList oczekiwane = QStringLiteral("AcNowa AcOtworz AcZapisz AcDrukuj AcCzytajBaze AcEdytujZbazy AcAkceptuj "
                                            "AcDopisz AcAnuluj AcBazaFaktur AcBazaProdukt cboZentora")
                                 .split(QLatin1Char(' '));
    oczekiwane << QStringLiteral("  nr: ")
               << QStringLiteral("EdyNumRach AcAktNumer AcFormatNum AcParametry AcFont AcKalkulator AcZamknij").split(QLatin1Char(' '));
    QCOMPARE(w, oczekiwane);
    QCOMPARE(t.okno->cboZentora->count(), 6);
    QCOMPARE(t.okno->cboZentora->itemText(1), QStringLiteral("Zentora korygująca VAT"));
    QCOMPARE(t.okno->cboJakPlaci->itemText(3), QStringLiteral("za zaliczeniem pocztowym"));
    QCOMPARE(t.okno->EdyNumRach->maxLength(), 5);
    QVERIFY(t.okno->EdyNumRach->font().bold());
}

void TstWyglad::akcje_data()
{
    QTest::addColumn<QString>("akcja");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("podpowiedz");
    QTest::addColumn<QString>("klawisz");
    auto wiersz = [](const char *a, const QString &tekst, const QString &podp, const QString &klawisz = QString()) {
        QTest::newRow(a) << QString::fromLatin1(a) << tekst << podp << klawisz;
    };
    wiersz("AcNowa", QStringLiteral("&Nowy"), QStringLiteral(" Nowa zentora "));
    wiersz("AcOtworz", QStringLiteral("&Otwórz z dysku"), QStringLiteral(" Otwórz fakturę z dysku   "));
    wiersz("AcZapisz", QStringLiteral("&Zapisz na dysk"), QStringLiteral(" Zapisz fakturę na dysk "));
    wiersz("AcZapiszJako", QStringLiteral("Zapisz &jako ..."), QStringLiteral(" Zapisz pod nową nazwą "));
    wiersz("AcDrukuj", QStringLiteral("&Drukuj fakturę"), QStringLiteral(" Drukuj fakturę "));
    wiersz("AcZamknij", QStringLiteral("&Koniec"), QStringLiteral(" Koniec "), QStringLiteral("Alt+X"));
    wiersz("AcCzytajBaze", QStringLiteral("&Otwórz z bazy faktur"), QStringLiteral(" Otwórz z bazy faktur "));
    wiersz("AcAkceptuj", QStringLiteral("&Akceptuj poprawki"), QStringLiteral(" Akceptuj poprawki zapisz do bazy faktur "));
    wiersz("AcAnuluj", QStringLiteral("An&uluj poprawki"), QStringLiteral(" Anuluj poprawki - nie zapisuj do bazy faktur "));
    wiersz("AcDopisz", QStringLiteral("&Dopisz fakturę do bazy"), QStringLiteral(" Dopisz jako nową do bazy faktur "));
    wiersz("AcBazaFaktur", QStringLiteral("Baza &faktur - plansza"), QStringLiteral(" Przejdż do bazy faktur "));
    wiersz("AcBazaProdukt", QStringLiteral("Baza &produktów - plansza"), QStringLiteral(" Pokaż bazę produktów "));
    wiersz("AcParametry", QStringLiteral("&Parametry"), QStringLiteral(" Parametry "));
    wiersz("AcFormatNum", QStringLiteral("&Format numeracji"), QStringLiteral(" Format numeracji "));
    wiersz("AcFont", QStringLiteral("&Duża czcionka tabel "), QStringLiteral(" Rozmiar czcionki tabel "));
    wiersz("AcKalkulator", QStringLiteral("&Kalkulator"), QStringLiteral(" Kalkulator "));
    wiersz("AcAktNumer", QStringLiteral("Aktualizuj numer"), QStringLiteral(" Aktualizuj numer faktury"));
    wiersz("AcPomocTematy", QStringLiteral("&Tematy pomocy"), QStringLiteral(" Tematy pomocy "));
    wiersz("AcPomocFakt", QStringLiteral("&Pomoc  zentora"), QStringLiteral(" Pomoc  zentora "), QStringLiteral("F1"));
    wiersz("AcWizytowka", QStringLiteral("&Wizytówka"), QStringLiteral(" Wizytówka "));
}

void TstWyglad::akcje()
{
    QFETCH(QString, akcja);
    OknoTestowe t;
    QAction *a = nullptr;
    for (QAction *x : t.okno->ActionList1)
        if (x->objectName() == akcja)
            a = x;
    QVERIFY(a);
    QTEST(a->text(), "tekst");
    QTEST(a->toolTip(), "podpowiedz");
    QTEST(a->shortcut().toString(), "klawisz");
}

void TstWyglad::siatki()
{
    OknoTestowe t;
    TjustGrid &g = *t.okno->Grid;
    QCOMPARE(g.ColCount(), 10);
    QCOMPARE(g.RowCount(), 51);
    QCOMPARE(g.Cells(0, 50), QStringLiteral("50"));
    QCOMPARE(g.Cells(7, 0), QStringLiteral("%Vat"));
    QCOMPARE(g.XkolSzerZn(), QStringLiteral("0;254"));
    int szer = 2 * g.frameWidth();
    for (int k = 0; k < g.ColCount(); ++k)
        szer += g.ColWidths(k) + g.GridLineWidth();
    QCOMPARE(g.width(), szer);
    QCOMPARE(g.viewport()->width(), szer - 2 * g.frameWidth());
    // no scroll bars: the columns fill the grid exactly
    QCOMPARE(g.VisibleColCount(), 9);
    TjustGrid &s = *t.okno->SumGrid;
    QCOMPARE(s.ColCount(), 4);
    QCOMPARE(s.RowCount(), 10);
    QCOMPARE(s.Row(), -1);   // no highlight
    QVERIFY(s.VisibleRowCount() >= 5);
}

QTEST_MAIN(TstWyglad)
#include "tst_wyglad.moc"
