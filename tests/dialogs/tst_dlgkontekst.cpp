#include "dialogs/dlgkontekst.h"
#include "dialogs/polozenie.h"
#include "kolumny.h"

#include "controls/justgrid.h"
#include "controls/kolory.h"
#include "controls/platforma.h"

#include "gdyotwarte.h"
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>

#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

namespace {

const QString kMiasta = QStringLiteral("Katowice\nKielce\nKraków");
const QString kKody = QStringLiteral("00123 Usługa\n      tylko na zamówienie\n00124 Towar\n00999 Dodaj nową pozycję");

void GdyOtwarta(std::function<void(TdlgKontekst *)> co)
{
    GdyOtwarte::Uruchom<TdlgKontekst>([] { return TdlgKontekst::Otwarty(); }, co);
}

// Keys of a script: "<" Backspace, "#" Delete, "v" and "^" the arrows, "!" Enter,
// anything else is typed as its character.
void Wpisz(QWidget *w, const QString &klawisze)
{
    for (QChar c : klawisze) {
        switch (c.unicode()) {
        case '<': QTest::keyClick(w, Qt::Key_Backspace); break;
        case '#': QTest::keyClick(w, Qt::Key_Delete); break;
        case 'v': QTest::keyClick(w, Qt::Key_Down); break;
        case '^': QTest::keyClick(w, Qt::Key_Up); break;
        case '!': QTest::keyClick(w, Qt::Key_Return); break;
        default: QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

struct Forma {
    QWidget okno;
    QLineEdit *pole;
    Forma()
    {
        auto *l = new QVBoxLayout(&okno);
        pole = new QLineEdit(&okno);
        pole->setFixedWidth(180);
        l->addWidget(pole);
        l->addStretch();
        okno.resize(400, 300);
        okno.move(200, 150);
        okno.show();
        okno.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
    }
};

QImage Obraz(TdlgKontekst *d)
{
    TjustGrid *g = d->Grid();
    g->grab();   // rows grow to their text on the first paint
    QCoreApplication::processEvents();
    return g->viewport()->grab().toImage();
}

QColor Piksel(TdlgKontekst *d, int c, int r)
{
    return Obraz(d).pixelColor(d->Grid()->CellRect(c, r).topLeft() + QPoint(2, 2));
}

// Pixels of exactly this colour in a row (the cores of the letters have the pen's colour).
int IlePikseli(TdlgKontekst *d, int r, const QColor &kolor)
{
    const QImage obraz = Obraz(d);
    const QRect R = d->Grid()->CellRect(0, r).united(d->Grid()->CellRect(1, r));
    int n = 0;
    for (int y = R.top(); y <= R.bottom(); ++y)
        for (int x = R.left(); x <= R.right(); ++x)
            n += obraz.pixelColor(x, y) == kolor;
    return n;
}

}   // namespace

class TstDlgKontekst : public QObject {
    Q_OBJECT
private slots:
    void init() { UstawStyl(sa_Win10nor); }
    void cleanup();

    void klawisze_data();
    void klawisze();
    void nicDoWyboru_data();
    void nicDoWyboru();
    void rozmiar_data();
    void rozmiar();
    void podwojnyKlik();
    void wiersze();
    void polozenie();
    void drugieWywolanie();
    void inneOknoZamyka();
    void formaZamknietaWczasie();
    void dziwneLinie();
};

void TstDlgKontekst::cleanup()
{
    const bool awaryjnie = GdyOtwarte::Sprzataj();
    QVERIFY(!awaryjnie);
    QVERIFY(!TdlgKontekst::Otwarty());
}

void TstDlgKontekst::klawisze_data()
{
    // clang-format off
    Kolumny<QString, int, QString, QString>("linie", "lenKodu", "param", "klawisze");
    QTest::addColumn<int>("wybrany");     // after the keys
    Kolumny<QString, bool>("szukany", "otwarta");
    QTest::addColumn<bool>("wynik");      // after the keys and, when still open, Enter
    Kolumny<QString, QString>("paramPo", "opisPo");

    QTest::newRow("K na starcie, potem pusty prefiks")
        << kMiasta << 0 << "K" << "" << 0 << "" << true << true << "Katowice" << "";
    QTest::newRow("K i r wybiera Kraków") << kMiasta << 0 << "K" << "Kr" << 2 << "Kr" << true << true << "Kraków" << "";
    QTest::newRow("samo i nic nie zmienia") << kMiasta << 0 << "Kra" << "i" << 2 << "i" << true << true << "Kraków" << "";
    QTest::newRow("strzalki") << kMiasta << 0 << "" << "vv^" << 1 << "" << true << true << "Kielce" << "";
    QTest::newRow("kod i opis") << kKody << 5 << "" << "" << 0 << "" << true << true << "00123" << QStringLiteral("Usługa");
    QTest::newRow("komentarz nie do wybrania") << kKody << 5 << "" << "v!" << 1 << "" << true << true << "00124"
                                               << "Towar";   // the final Enter comes after one more Down
    QTest::newRow("dodaj nowa pozycje") << kKody << 5 << "009" << "" << 3 << "" << true << true << "00999"
                                        << QStringLiteral("Dodaj nową pozycję");
    QTest::newRow("Enter w srodku zamyka") << kMiasta << 0 << "" << "Kie!" << 1 << "Kie" << false << true << "Kielce"
                                           << "";
    // clang-format on
}

void TstDlgKontekst::klawisze()
{
    QFETCH(QString, linie);
    QFETCH(int, lenKodu);
    QFETCH(QString, param);
    QFETCH(QString, klawisze);
    Forma f;
    int wybrany = -1;
    QString szukany;
    bool otwarta = false;
    GdyOtwarta([&](TdlgKontekst *d) {
        Wpisz(d->Grid(), klawisze);
        wybrany = d->Lista().Wybrany();
        szukany = d->Fszukany();
        otwarta = d->isVisible();
        if (otwarta) {
            if (d->Lista().JestKomentarzem(d->Lista().Wybrany()))
                Wpisz(d->Grid(), QStringLiteral("v"));
            Wpisz(d->Grid(), QStringLiteral("!"));
        }
    });
    QString opis = QStringLiteral("stary opis");
    const bool wynik = WybierzZListy(&f.okno, linie, lenKodu, 0, 8, 10, f.pole, opis, param);
    QTEST(wybrany, "wybrany");
    QTEST(szukany, "szukany");
    QTEST(otwarta, "otwarta");
    QTEST(wynik, "wynik");
    QTEST(param, "paramPo");
    QTEST(opis, "opisPo");
}

void TstDlgKontekst::nicDoWyboru_data()
{
    // clang-format off
    Kolumny<QString, QString, bool>("linie", "klawisze", "otwiera");

    QTest::newRow("Escape") << kMiasta << "Kr\x1b" << true;
    QTest::newRow("puste linie") << "" << "" << false;
    QTest::newRow("same odstepy") << " \n \t\n" << "" << false;
    // clang-format on
}

void TstDlgKontekst::nicDoWyboru()
{
    QFETCH(QString, linie);
    QFETCH(QString, klawisze);
    Forma f;
    bool otwarta = false;
    GdyOtwarta([&](TdlgKontekst *d) {
        otwarta = true;
        for (QChar c : klawisze) {
            if (c == QLatin1Char('\x1b'))
                QTest::keyClick(d->Grid(), Qt::Key_Escape);
            else
                Wpisz(d->Grid(), QString(c));
        }
    });
    QString param = QStringLiteral("Kat");
    QString opis = QStringLiteral("stary opis");
    QVERIFY(!WybierzZListy(&f.okno, linie, 0, 0, 8, 10, f.pole, opis, param));
    QCOMPARE(param, QStringLiteral("Kat"));
    QCOMPARE(opis, QString());
    QFETCH(bool, otwiera);
    QCOMPARE(otwarta, otwiera);
}

void TstDlgKontekst::rozmiar_data()
{
    // clang-format off
    Kolumny<QString, int, int, int, bool, int>("linie", "lenKodu", "szerokosc", "wiersze", "zPolem", "wierszySiatki");
    Kolumny<int, bool>("widoczne", "pasek");

    const QString dwanascie = QStringLiteral("a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl");
    QTest::newRow("jedna linia, 8 wierszy") << "Warszawa" << 0 << 0 << 8 << true << 2 << 2 << false;
    QTest::newRow("12 linii, 8 wierszy") << dwanascie << 0 << 0 << 8 << true << 12 << 8 << true;
    QTest::newRow("podana szerokosc") << kMiasta << 0 << 300 << 8 << true << 3 << 3 << false;
    QTest::newRow("bez pola") << kKody << 5 << 0 << 3 << false << 4 << 3 << true;
    // clang-format on
}

void TstDlgKontekst::rozmiar()
{
    QFETCH(QString, linie);
    QFETCH(int, lenKodu);
    QFETCH(int, szerokosc);
    QFETCH(int, wiersze);
    QFETCH(bool, zPolem);
    Forma f;
    int wierszySiatki = 0, widoczne = 0, wysSiatki = 0;
    bool pasek = false;
    QSize okno;
    int kol0 = 0, kol1 = 0, wysWiersza = 0, Lkodu = 0;
    GdyOtwarta([&](TdlgKontekst *d) {
        TjustGrid *g = d->Grid();
        wierszySiatki = g->RowCount();
        widoczne = d->Widoczne();
        pasek = d->MaPasek();
        okno = d->size();
        kol0 = g->ColWidths(0);
        kol1 = g->ColWidths(1);
        wysWiersza = g->DefaultRowHeight();
        wysSiatki = g->viewport()->height();
        Lkodu = d->Lkodu();
        QTest::keyClick(g, Qt::Key_Escape);
    });
    QString opis, param;
    WybierzZListy(&f.okno, linie, lenKodu, szerokosc, wiersze, 10, zPolem ? f.pole : nullptr, opis, param);
    QTEST(wierszySiatki, "wierszySiatki");
    QTEST(widoczne, "widoczne");
    QTEST(pasek, "pasek");
    QCOMPARE(wysWiersza, SkalujDpi(20));
    QCOMPARE(okno.height(), SkalujDpi(12) + widoczne * wysWiersza);
    // every visible row fits in the grid
    QVERIFY2(wysSiatki >= widoczne * wysWiersza, qPrintable(QString::number(wysSiatki)));
    QCOMPARE(kol0, Lkodu);
    const int h = SkalujDpi(pasek ? 35 : 15);
    if (szerokosc > 0)
        QCOMPARE(okno.width(), SkalujDpi(szerokosc));
    else
        QVERIFY(okno.width() >= (zPolem ? std::min(SkalujDpi(100), f.pole->width()) : SkalujDpi(100))
                && okno.width() <= SkalujDpi(500));
    QCOMPARE(kol1, std::max(0, okno.width() - kol0 - h));
}

void TstDlgKontekst::podwojnyKlik()
{
    Forma f;
    bool poKomentarzu = false;
    GdyOtwarta([&](TdlgKontekst *d) {
        TjustGrid *g = d->Grid();
        g->grab();
        QCoreApplication::processEvents();
        // a comment row is refused: the list stays open
        // (the test's double click brings no press of its own: click first, as the mouse does)
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->CellRect(1, 1).center());
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, g->CellRect(1, 1).center());
        poKomentarzu = d->isVisible() && !d->FSUKCES();
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->CellRect(1, 2).center());
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, g->CellRect(1, 2).center());
    });
    QString opis, param = QStringLiteral("00123");
    QVERIFY(WybierzZListy(&f.okno, kKody, 5, 0, 8, 10, f.pole, opis, param));
    QVERIFY(poKomentarzu);
    QCOMPARE(param, QStringLiteral("00124"));
    QCOMPARE(opis, QStringLiteral("Towar"));
}

// Comment rows and the "add a new item" row have their own colours; the font and the
// comment colour follow the style code.
void TstDlgKontekst::wiersze()
{
    Forma f;
    QColor komentarz, dodaj, zwykly, oczekiwanyKomentarz;
    QString rodzina;
    int punkty = 0, pismoDodaj = 0, pismoZwykle = 0;
    const QColor kolor45 = NaQColor(KolorStylu(45));
    GdyOtwarta([&](TdlgKontekst *d) {
        komentarz = Piksel(d, 1, 1);
        dodaj = Piksel(d, 1, 3);
        zwykly = Piksel(d, 1, 2);
        pismoDodaj = IlePikseli(d, 3, kolor45);
        pismoZwykle = IlePikseli(d, 2, kolor45);
        oczekiwanyKomentarz = d->FclKoment();
        rodzina = d->Grid()->font().family();
        punkty = d->Grid()->font().pointSize();
        QTest::keyClick(d->Grid(), Qt::Key_Escape);
    });
    QString opis, param;
    WybierzZListy(&f.okno, kKody, 5, 0, 8, 108, f.pole, opis, param);
    QCOMPARE(oczekiwanyKomentarz, NaQColor(KolorStylu(39)));
    QCOMPARE(komentarz, oczekiwanyKomentarz);
    QCOMPARE(dodaj, QColor(Qt::white));
    QCOMPARE(zwykly, QColor(Qt::white));
    QVERIFY2(pismoDodaj > 0 && pismoZwykle == 0, qPrintable(QStringLiteral("%1 %2").arg(pismoDodaj).arg(pismoZwykle)));
    QCOMPARE(rodzina, QStringLiteral("Tahoma"));
    QCOMPARE(punkty, 8);

    // In a plain list a blank row is no comment.
    QColor pusty;
    GdyOtwarta([&](TdlgKontekst *d) {
        pusty = Piksel(d, 0, 1);
        oczekiwanyKomentarz = d->FclKoment();
        QTest::keyClick(d->Grid(), Qt::Key_Escape);
    });
    WybierzZListy(&f.okno, QStringLiteral("A\n\nB"), 0, 0, 8, 250, f.pole, opis, param);
    QCOMPARE(oczekiwanyKomentarz, QColor(246, 241, 211));
    QCOMPARE(pusty, QColor(Qt::white));
}

void TstDlgKontekst::polozenie()
{
    Forma f;
    QPoint gdzie, oczekiwane;
    bool bezRamki = false;
    GdyOtwarta([&](TdlgKontekst *d) {
        gdzie = d->pos();
        bezRamki = d->windowFlags() & Qt::FramelessWindowHint;
        const QRect pole(f.pole->mapToGlobal(QPoint(0, 0)), f.pole->size());
        oczekiwane = PolozeniePodPolem(pole, d->size(), f.pole->screen()->availableGeometry(), true);
        d->close();
    });
    QString opis, param;
    QVERIFY(!WybierzZListy(&f.okno, kMiasta, 0, 0, 8, 10, f.pole, opis, param));
    QVERIFY(bezRamki);
    QCOMPARE(gdzie, oczekiwane);
    QCOMPARE(gdzie, f.pole->mapToGlobal(QPoint(0, f.pole->height())) - QPoint(2, 2));

    // Without a field: centred on the screen.
    QPoint srodek;
    GdyOtwarta([&](TdlgKontekst *d) {
        srodek = d->geometry().center();
        d->close();
    });
    QVERIFY(!WybierzZListy(&f.okno, kMiasta, 0, 0, 8, 10, nullptr, opis, param));
    const QPoint ekran = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY((srodek - ekran).manhattanLength() <= 2);
}

void TstDlgKontekst::drugieWywolanie()
{
    Forma f;
    bool drugi = true;
    GdyOtwarta([&](TdlgKontekst *d) {
        QString o, p = QStringLiteral("x");
        drugi = WybierzZListy(&f.okno, kMiasta, 0, 0, 8, 10, f.pole, o, p);
        QVERIFY(TdlgKontekst::Otwarty() == d);
        QCOMPARE(p, QStringLiteral("x"));
        Wpisz(d->Grid(), QStringLiteral("Kie!"));
    });
    QString opis, param;
    QVERIFY(WybierzZListy(&f.okno, kMiasta, 0, 0, 8, 10, f.pole, opis, param));
    QVERIFY(!drugi);
    QCOMPARE(param, QStringLiteral("Kielce"));
}

void TstDlgKontekst::inneOknoZamyka()
{
    Forma f;
    QWidget inne;
    inne.resize(100, 100);
    inne.move(700, 500);
    bool bylAktywny = false;
    GdyOtwarta([&](TdlgKontekst *d) {
        QTRY_VERIFY(d->isActiveWindow());
        bylAktywny = true;
        Wpisz(d->Grid(), QStringLiteral("Kr"));
        inne.show();
        inne.activateWindow();
    });
    QString opis, param = QStringLiteral("K");
    QVERIFY(!WybierzZListy(&f.okno, kMiasta, 0, 0, 8, 10, f.pole, opis, param));
    QVERIFY(bylAktywny);
    QCOMPARE(param, QStringLiteral("K"));
}

void TstDlgKontekst::formaZamknietaWczasie()
{
    auto *f = new Forma;
    GdyOtwarta([&](TdlgKontekst *) { delete f; });
    QString opis, param = QStringLiteral("K");
    QVERIFY(!WybierzZListy(&f->okno, kMiasta, 0, 0, 8, 10, f->pole, opis, param));
    QCOMPARE(param, QStringLiteral("K"));
}

// Pasted rubbish: a very long line, control characters, a lone line break.
void TstDlgKontekst::dziwneLinie()
{
    Forma f;
    const QString dluga = QString(10000, QLatin1Char('x'));
    int szer = 0;
    GdyOtwarta([&](TdlgKontekst *d) {
        szer = d->width();
        Wpisz(d->Grid(), QStringLiteral("v!"));
    });
    QString opis, param;
    QVERIFY(WybierzZListy(&f.okno,
                          dluga
                              + QStringLiteral("\r\nA\x01\x7f"
                                               "B\r\n"),
                          0, 0, 8, 10, nullptr, opis, param));
    QCOMPARE(szer, SkalujDpi(500));
    QCOMPARE(param, QStringLiteral("A  B"));
}

QTEST_MAIN(TstDlgKontekst)
#include "tst_dlgkontekst.moc"
