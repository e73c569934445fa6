// The look of the main window: the fixed client area, every control inside it and clear of
// the others, the item grid as wide as its columns, the menus and the tool bar in their
// order with their captions, hints and keys. With ZENTORA_ZRZUT=file.png the window of each
// layout row is saved as a picture, file-<row>.png.

#include "kolumny.h"
#include "oknotestowe.h"

#include "controls/justgrid.h"
#include "controls/panele.h"
#include "controls/tokienka.h"
#include "editor/fakparam.h"
#include "editor/poleedycji.h"
#include "fakturaprzykladowa.h"
#include "invoice/plikfaktury.h"
#include "invoice/sumy.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QtMath>

namespace {

// The entries of a menu or tool bar: action object names, "-" for separators, widget names.
QStringList Wpisy(QWidget *w)
{
    QStringList l;
    for (QAction *a : w->actions()) {
        if (a->isSeparator())
            l.append(QStringLiteral("-"));
        else if (auto *t = qobject_cast<QToolBar *>(w); t && !qobject_cast<QToolButton *>(t->widgetForAction(a)))
            l.append(t->widgetForAction(a)->objectName().isEmpty()
                         ? qobject_cast<QLabel *>(t->widgetForAction(a))->text()
                         : t->widgetForAction(a)->objectName());
        else
            l.append(a->objectName());
    }
    return l;
}

}   // namespace

class TstWyglad : public QObject {
    Q_OBJECT
private slots:
    void uklad_data();
    void uklad();
    void menuIPasek();
    void siatki();
    void kwotyCale_data();
    void kwotyCale();
    void ramkaSprzedawcy_data();
    void ramkaSprzedawcy();
    void ikonaParametrow();
};

void TstWyglad::uklad_data()
{
    // the rows under the header: the fields of a correction, the line of a numbered invoice
    Kolumny<bool, bool>("korekta", "numer");
    QTest::newRow("faktura") << false << false;
    QTest::newRow("korekta") << true << false;
    QTest::newRow("numerowana korekta") << true << true;
}

void TstWyglad::uklad()
{
    QFETCH(bool, korekta);
    QFETCH(bool, numer);
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    const QString plik = t.Plik(QStringLiteral("przyklad.FAK"));
    TzentoraVat f = FakturaPrzykladowa();
    if (korekta) {
        f.RodzajFak = rFakKoryg;
        f.DoKorekty = QStringLiteral("10/FV/2018");
        f.DataKorygowanej = QStringLiteral("01.03.2018");
        f.PrzyczynaKorekty = QStringLiteral("zwrot towaru");
    }
    if (numer)
        f.KsefNumer = QStringLiteral("9876543210-20260102-0100001AF629-46");
    ZapiszFakture(plik, f);
    o.OtworzProFormeEx(plik);
    QCOMPARE(o.size(), QSize(730, 480));
    QCOMPARE(o.minimumSize(), o.maximumSize());
    QVERIFY(!(o.windowFlags() & Qt::WindowMaximizeButtonHint));
    // the controls lie inside the window and do not cover one another
    QList<QWidget *> kontrolki;
    for (const char *n :
         {"EdyFirma",    "EdyUlica",    "EdyKod",     "EdyMiasto",  "EdyNip",     "EdyOsoba",   "cboJakPlaci",
          "EdyDatWyst",  "EdyDatSprz",  "EdyDatZapl", "SpeedData1", "SpeedData2", "SpeedData3", "EdyUwagi",
          "CbRatalnie",  "Grid",        "MemSpFirma", "BtnSpFirma", "EdySpBank",  "EdySpKonto", "EdySprzedal",
          "BtnSprzedal", "EdyFakKoryg", "EdyRabat",   "SumGrid",    "PanZaplata", "CbMPP",      "EdyPodstawa"})
        kontrolki.append(Kontrolka(o, n));
    if (korekta)
        for (const char *n : {"EdyDataKoryg", "SpeedData4", "EdyKsefKoryg", "EdyPrzyczyna"})
            kontrolki.append(Kontrolka(o, n));
    if (numer)
        kontrolki.append(Kontrolka(o, "LabTylkoOdczyt"));
    // the item grid keeps at least four whole rows
    QVERIFY(Kontrolka(o, "Grid")->height() >= 4 * 23);
    QList<QRect> miejsca;
    const QRect okno(QPoint(0, 0), o.size());
    for (QWidget *w : kontrolki) {
        QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
        const QRect r(w->mapTo(&o, QPoint(0, 0)), w->size());
        QVERIFY2(okno.contains(r), qPrintable(w->objectName()));
        for (int i = 0; i < miejsca.size(); ++i)
            QVERIFY2(!miejsca.at(i).intersects(r),
                     qPrintable(kontrolki.at(i)->objectName() + QLatin1Char('/') + w->objectName()));
        miejsca.append(r);
    }
    // the labels are whole: every text fits its place
    for (QLabel *l : o.findChildren<QLabel *>()) {
        if (!l->isVisible() || l->wordWrap() || l == Kontrolka<QLabel>(o, "PanZaplata"))
            continue;
        QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(), qPrintable(l->text()));
    }
    for (const char *n : {"CbRatalnie", "CbMPP"}) {
        auto *c = Kontrolka<QCheckBox>(o, n);
        QVERIFY2(c->sizeHint().width() <= c->width(),
                 qPrintable(QStringLiteral("%1: %2 > %3").arg(n).arg(c->sizeHint().width()).arg(c->width())));
    }
    auto *ratalnie = Kontrolka<QCheckBox>(o, "CbRatalnie");
    QCOMPARE(ratalnie->text(), QStringLiteral("Gotówka na raty  -  NIE drukuj:   \"Zapłacono gotówką\""));
    // the tool bar holds everything without an overflow button
    const QList<QToolButton *> przyciski = Kontrolka<QToolBar>(o, "ToolBar1")->findChildren<QToolButton *>();
    for (QToolButton *b : przyciski)
        if (b->objectName() == QLatin1String("qt_toolbar_ext_button"))
            QVERIFY(!b->isVisible());
    const QByteArray cel = qgetenv("ZENTORA_ZRZUT");
    if (!cel.isEmpty())
        o.grab().save(QString::fromLocal8Bit(cel).replace(
            QStringLiteral(".png"), QStringLiteral("-%1.png").arg(QString::fromUtf8(QTest::currentDataTag()))));
}

void TstWyglad::menuIPasek()
{
    OknoTestowe t;
    QStringList menu;
    // the menu bar lies on its gradient panel, so QMainWindow::menuBar() is not it
    QVERIFY(qobject_cast<TGradPanel *>(t.okno->menuWidget()));
    QCOMPARE(Kontrolka<QMenuBar>(*t.okno, "MenuGlowne")->parentWidget(), t.okno->menuWidget());
    for (QAction *a : Kontrolka<QMenuBar>(*t.okno, "MenuGlowne")->actions())
        menu.append(a->text() + QLatin1Char(':') + Wpisy(a->menu()).join(QLatin1Char(' ')));
    QCOMPARE(
        menu,
        (QStringList{
            QStringLiteral("&Plik:AcNowa AcOtworz AcOtworzXml AcZapisz AcZapiszJako - AcDrukuj AcEksportKsef "
                           "AcNumerKsef AcWyslijKsef AcOdbierzKsef AcRejestr - AcWystawKorekte - "
                           "AcZamknij"),
            QStringLiteral(
                "&Bazy danych:AcCzytajBaze AcEdytujZbazy AcAkceptuj AcAnuluj AcDopisz AcBazaFaktur - AcBazaProdukt"),
            QStringLiteral("&Ustawienia:AcParametry AcFormatNum AcFont AcKalkulator"),
            QStringLiteral("P&omoc:AcPomocTematy AcPomocFakt - AcWizytowka")}));
    // every command of a menu has a letter of its own
    for (QAction *m : Kontrolka<QMenuBar>(*t.okno, "MenuGlowne")->actions()) {
        QSet<QChar> litery;
        int zLitera = 0;
        for (QAction *a : m->menu()->actions()) {
            const qsizetype i = a->text().indexOf(QLatin1Char('&'));
            if (a->isSeparator() || i < 0)
                continue;
            ++zLitera;
            litery.insert(a->text().at(i + 1).toLower());
        }
        QVERIFY2(litery.size() == zLitera, qPrintable(m->text()));
    }
    QStringList pasek = Wpisy(Kontrolka<QToolBar>(*t.okno, "ToolBar1"));
    pasek.removeAll(QStringLiteral("-"));
    QCOMPARE(
        pasek.join(QLatin1Char(',')),
        QStringLiteral("AcNowa,AcOtworz,AcZapisz,AcDrukuj,AcCzytajBaze,AcEdytujZbazy,AcAkceptuj,AcDopisz,AcAnuluj,"
                       "AcBazaFaktur,AcBazaProdukt,cboZentora,  nr: ,EdyNumRach,AcAktNumer,AcFormatNum,AcParametry,"
                       "AcFont,AcKalkulator,AcZamknij"));
    QVERIFY(Kontrolka<TokienkoLong>(*t.okno, "EdyNumRach")->font().bold());
    // the keys of the everyday commands, shown in the menu beside them, and working
    const std::pair<const char *, const char *> skroty[] = {
        {"AcNowa", "Ctrl+N"}, {"AcOtworz", "Ctrl+O"}, {"AcZapisz", "Ctrl+S"}, {"AcDrukuj", "Ctrl+P"}};
    for (const auto &[akcja, klawisz] : skroty)
        QCOMPARE(Kontrolka<QAction>(*t.okno, akcja)->shortcut().toString(), QLatin1String(klawisz));
    t.okno->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(t.okno));
    QTest::keyClick(t.okno, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(t.pytaniaOPlik.size(), 1);
}

void TstWyglad::siatki()
{
    OknoTestowe t;
    TjustGrid &g = *Kontrolka<TjustGrid>(*t.okno, "Grid");
    QCOMPARE(g.ColCount(), 10);
    QCOMPARE(g.RowCount(), 51);
    QCOMPARE(g.Cells(0, 50), QStringLiteral("50"));
    QCOMPARE(g.Cells(7, 0), QStringLiteral("%Vat"));
    QCOMPARE(g.XkolSzerZn(), QStringLiteral("0;254"));
    int szer = 2 * g.frameWidth();
    for (int k = 0; k < g.ColCount(); ++k)
        szer += g.ColWidths(k) + g.GridLineWidth();
    // the columns and the vertical scroll bar fill the grid exactly
    QVERIFY(g.verticalScrollBar()->isVisible());
    QCOMPARE(g.width(), szer + g.verticalScrollBar()->width());
    QCOMPARE(g.viewport()->width(), szer - 2 * g.frameWidth());
    QCOMPARE(g.VisibleColCount(), 9);
    TjustGrid &s = *Kontrolka<TjustGrid>(*t.okno, "SumGrid");
    QCOMPARE(s.ColCount(), 4);
    QCOMPARE(s.RowCount(), 10);
    QCOMPARE(s.Row(), -1);   // no highlight
    QVERIFY(s.VisibleRowCount() >= 5);
}

void TstWyglad::kwotyCale_data()
{
    QTest::addColumn<bool>("duza");   // the large font of the tables
    QTest::newRow("duża czcionka") << true;
    QTest::newRow("czcionka okna") << false;
}

void TstWyglad::kwotyCale()
{
    // 9.999.999,99 fits every amount column; a 1.845.000,00 invoice is shown whole
    QFETCH(bool, duza);
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    auto *czcionka = Kontrolka<QAction>(o, "AcFont");
    if (czcionka->isChecked() != duza)
        t.Wykonaj(czcionka);
    TzentoraVat f = FakturaPrzykladowa();
    f.Pozycja(1) = Wiersz(QStringLiteral("Maszyna||szt|12|125.000,00|1.500.000,00|23|345.000,00|1.845.000,00"));
    ZapiszFakture(t.Plik(QStringLiteral("duza.FAK")), f);
    o.OtworzProFormeEx(t.Plik(QStringLiteral("duza.FAK")));
    t.Wykonaj("AcDrukuj");   // values the rows and totals again
    QVERIFY2(Kontrolka<QLabel>(o, "PanZaplata")->text() == QStringLiteral("1.845.102,14"),
             qPrintable(Kontrolka<QLabel>(o, "PanZaplata")->text() + t.prezenter.teksty().join(QLatin1Char('/'))));
    const QString najdluzsza = QStringLiteral("9.999.999,99");
    const std::pair<const char *, QList<int>> siatki[] = {{"Grid", {kolCena, kolNetto, kolWarVat, kolBrutto}},
                                                          {"SumGrid", {0, 2, 3}}};
    for (const auto &[nazwa, kolumny] : siatki) {
        const TjustGrid &g = *Kontrolka<TjustGrid>(o, nazwa);
        for (int k : kolumny)
            QVERIFY2(g.fontMetrics().horizontalAdvance(najdluzsza) + 4 <= g.ColWidths(k),
                     qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(nazwa)).arg(k)));
    }
    const QLabel &zaplata = *Kontrolka<QLabel>(o, "PanZaplata");
    QVERIFY(zaplata.fontMetrics().horizontalAdvance(zaplata.text()) + 2 * zaplata.indent()
            <= zaplata.contentsRect().width());
    const QByteArray cel = qgetenv("ZENTORA_ZRZUT_KWOT");
    if (!cel.isEmpty())
        o.grab().save(QString::fromLocal8Bit(cel));
}

void TstWyglad::ramkaSprzedawcy_data()
{
    // clang-format off
    QTest::addColumn<QString>("ramka");   // empty: the frame the window started with
    QTest::newRow("na starcie") << QString();
    QTest::newRow("wiersze różnej długości") << QStringLiteral("Sklep Przykładowy Spółka;ul. Długa 1;NIP");
    // clang-format on
}

void TstWyglad::ramkaSprzedawcy()
{
    // every line of the seller frame stands in the middle of the memo
    QFETCH(QString, ramka);
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    t.parametry = [&](TiniZentora &ini, int) {
        ini.iniTabFirm = ramka;
        return true;
    };
    if (ramka.isEmpty())
        ramka = o.Konfiguracja().iniTabFirm;
    else
        t.Wykonaj("AcParametry");
    QTextEdit &memo = *Kontrolka<QTextEdit>(o, "MemSpFirma");
    const QImage obraz = memo.viewport()->grab().toImage();
    const QColor tlo = obraz.pixelColor(1, obraz.height() - 2);
    const QStringList linie = ramka.split(QLatin1Char(';'));
    QTextBlock blok = memo.document()->begin();
    for (int i = 0; i < linie.size(); ++i, blok = blok.next()) {
        // the band of the line as the memo lays it out
        const QRectF pas = memo.document()->documentLayout()->blockBoundingRect(blok);
        int lewa = obraz.width(), prawa = -1;
        for (int y = qCeil(pas.top()); y < qMin(obraz.height(), qFloor(pas.bottom())); ++y)
            for (int x = 0; x < obraz.width(); ++x)
                if (qGray(obraz.pixel(x, y)) < qGray(tlo.rgb()) - 80) {
                    lewa = qMin(lewa, x);
                    prawa = qMax(prawa, x);
                }
        QVERIFY2(prawa > lewa, qPrintable(linie.at(i)));
        QVERIFY2(
            qAbs((lewa + prawa) / 2 - obraz.width() / 2) <= 3,
            qPrintable(QStringLiteral("%1: %2..%3 of %4").arg(linie.at(i)).arg(lewa).arg(prawa).arg(obraz.width())));
    }
}

void TstWyglad::ikonaParametrow()
{
    OknoTestowe t;
    TFakParam d(t.okno);
    QVERIFY(!d.windowIcon().isNull());
    QVERIFY(d.windowIcon().cacheKey() != t.okno->windowIcon().cacheKey());
}

QTEST_MAIN(TstWyglad)
#include "tst_wyglad.moc"
