// Builds a form with the item grid, the totals grid and the four field kinds, saves
// pictures of it for a look by eye (folder "zrzuty" in the working folder) and checks what
// can be checked in the pixels.

#include "common/daty.h"
#include "controls/forma.h"
#include "controls/justgrid.h"
#include "controls/kolory.h"
#include "controls/tokienka.h"
#include "editor/siatkifaktury.h"
#include "pomocnicy.h"
#include "prezentertestowy.h"

#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <QVBoxLayout>

class TstPokaz : public QObject {
    Q_OBJECT
private slots:
    void formularz();
    void listaWyboru();
};

static QString Katalog()
{
    QDir().mkpath(QStringLiteral("zrzuty"));
    return QDir(QStringLiteral("zrzuty")).absolutePath() + QLatin1Char('/');
}

void TstPokaz::formularz()
{
    PrezenterTestowy prezenter;
    QWidget okno;
    okno.setWindowTitle(QStringLiteral("Zentora"));
    auto *uklad = new QVBoxLayout(&okno);

    auto *pola = new QGroupBox(QStringLiteral("Pola"), &okno);
    auto *f = new QFormLayout(pola);
    auto *numer = new TokienkoLong(pola);
    numer->setMaxLength(5);
    numer->setXWarMin(1);
    numer->setXWarMax(99999);
    numer->setXWartosc(12);
    auto *data = new TokienkoData(pola);
    data->setXWartosc(KodujDate(2018, 3, 5, 0));
    auto *kwota = new TokienkoFloat(pola);
    kwota->setXWprawo(true);
    kwota->setXWartosc(1234.5);
    auto *tekst = new TokienkoTekst(pola);
    tekst->setXformat(QStringLiteral("xU"));
    tekst->setText(QStringLiteral("Hurtownia Przykładowa"));
    auto *tylko = new TokienkoTekst(pola);
    tylko->setReadOnly(true);
    tylko->setText(QStringLiteral("tylko do odczytu"));
    auto *pustaData = new TokienkoData(pola);
    f->addRow(QStringLiteral("Numer:"), numer);
    f->addRow(QStringLiteral("Data sprzedaży:"), data);
    f->addRow(QStringLiteral("Pusta data:"), pustaData);
    f->addRow(QStringLiteral("Kwota:"), kwota);
    f->addRow(QStringLiteral("Nabywca:"), tekst);
    f->addRow(QStringLiteral("Opis:"), tylko);
    uklad->addWidget(pola);

    auto *grid = new TjustGrid(&okno);
    UstawSiatkePozycji(*grid);
    grid->LadujCelki(1, 1, 9, QStringLiteral("Papier A4;;ryza;3;12,35;37,05;23;8,52;45,57"), false);
    grid->LadujCelki(1, 2, 9, QStringLiteral("Przewóz;;kurs;2;0,99;1,98;8;0,16;2,14"), false);
    grid->LadujCelki(1, 3, 9,
                     QStringLiteral("Szkolenie z obsługi programu do wystawiania faktur, dwa dni po osiem "
                                    "godzin;;godz.;16;100,00;1.600,00;;;1.600,00"),
                     false);
    grid->setCells(1, 4, QStringLiteral("Linia pierwsza|linia druga"));
    grid->setFixedSize(700, 230);
    uklad->addWidget(grid);

    auto *sumy = new TjustGrid(&okno);
    UstawSiatkeSum(*sumy);
    sumy->LadujWiersz(0, QStringLiteral("1.639,03;-----;8,68;1.647,71"), false);
    sumy->LadujWiersz(1, QStringLiteral("1.600,00;zwol.;0,00;1.600,00"), false);
    sumy->LadujWiersz(2, QStringLiteral("1,98;8;0,16;2,14"), false);
    sumy->LadujWiersz(3, QStringLiteral("37,05;23;8,52;45,57"), false);
    sumy->setFixedSize(4 * 73 + 6, 4 * 21 + 6);
    auto *dol = new QHBoxLayout;
    dol->addStretch();
    dol->addWidget(sumy);
    uklad->addLayout(dol);

    PrzygotujForme(&okno);
    okno.resize(740, 580);
    QVERIFY(Aktywuj(okno));
    grid->setFocus();
    grid->WybierzKomorke(4, 1);
    // the first paint lets the wrapped rows grow; the second shows them grown
    okno.grab();
    QCoreApplication::processEvents();
    QImage obraz = okno.grab().toImage();
    QVERIFY(obraz.save(Katalog() + QStringLiteral("formularz.png")));

    // row 3 wraps its long name and row 4 breaks at "|": both grew
    QVERIFY(grid->RowHeights(3) > 22);
    QVERIFY(grid->RowHeights(4) > 22);
    QCOMPARE(grid->RowHeights(2), 22);
    QCOMPARE(grid->RowHeights(0), 20);

    // the paper colour "H" of the net column and the "K" paper of the totals
    QImage g = grid->viewport()->grab().toImage();
    const QRect netto = grid->CellRect(6, 2);
    QCOMPARE(g.pixelColor(netto.left() + 3, netto.top() + 2), KolorBGR(16776697));
    QImage s = sumy->viewport()->grab().toImage();
    const QRect brutto = sumy->CellRect(3, 1);
    QCOMPARE(s.pixelColor(brutto.left() + 2, brutto.top() + 2), KolorBGR(16776697));
    // the focused current cell is highlighted
    const QRect biez = grid->CellRect(4, 1);
    QCOMPARE(g.pixelColor(biez.left() + 2, biez.top() + 2), grid->palette().color(QPalette::Highlight));

    // an edit in progress
    Pisz(QStringLiteral("12,5"));
    QVERIFY(grid->EdytorOtwarty());
    QVERIFY(okno.grab().save(Katalog() + QStringLiteral("edycja.png")));
    QTest::keyClick(grid->InplaceEditor(), Qt::Key_Return);
    QCOMPARE(grid->Cells(4, 1), QStringLiteral("12,5"));
    QVERIFY(prezenter.pokazane.isEmpty());
}

// A two-column list as the pick-list dialog shows it: whole rows selected, wrapped text,
// comment rows painted by the owner.
void TstPokaz::listaWyboru()
{
    TjustGrid g;
    g.setFont(QFont(QStringLiteral("Arial"), 10));
    g.setColCount(2);
    g.setRowCount(5);
    g.setFixedCols(0);
    g.setFixedRows(0);
    g.setDefaultRowHeight(20);
    g.setOptions(goRowSelect | goDrawFocusSelected);
    g.setScrollBars(ssNone);
    g.setXkolJustBL(true);
    g.setColWidths(0, 60);
    g.setColWidths(1, 180);
    const QStringList wiersze{QStringLiteral("00123;Usługa transportowa"), QStringLiteral(";komentarz do pozycji"),
                              QStringLiteral("00124;Usługa montażowa z dojazdem do klienta na terenie miasta"),
                              QStringLiteral("00125;Dodaj nową pozycję"), QStringLiteral("00126;Serwis")};
    for (int r = 0; r < wiersze.size(); ++r)
        g.LadujWiersz(r, wiersze.at(r), true);
    const QColor koment(250, 243, 210);
    g.OnDrawCell = [&](QPainter &p, int c, int r, const QRect &R, unsigned) {
        if (r > 0 && g.Cells(0, r).trimmed().isEmpty())
            g.PiszCelke(p, g.Cells(c, r), R, c, r, QColor(Qt::black), koment);
    };
    g.resize(246, 150);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    QVERIFY(g.WybierzKomorke(0, 2));
    g.grab();
    QCoreApplication::processEvents();
    const QImage obraz = g.viewport()->grab().toImage();
    QVERIFY(g.grab().save(Katalog() + QStringLiteral("lista.png")));
    QVERIFY(g.RowHeights(2) > 20);
    // the whole selected row is highlighted, the comment row has its own background
    const QColor podswietlenie = g.palette().color(QPalette::Highlight);
    QCOMPARE(obraz.pixelColor(g.CellRect(0, 2).topLeft() + QPoint(2, 2)), podswietlenie);
    QCOMPARE(obraz.pixelColor(g.CellRect(1, 2).topLeft() + QPoint(2, 2)), podswietlenie);
    QCOMPARE(obraz.pixelColor(g.CellRect(1, 1).topLeft() + QPoint(2, 2)), koment);
    QCOMPARE(obraz.pixelColor(g.CellRect(1, 0).topLeft() + QPoint(2, 2)), g.Color());
}

QTEST_MAIN(TstPokaz)
#include "tst_pokaz.moc"
