// The decorated controls drawn into images: gradient bands and presets, the panels' and
// bevels' limits, the information label's hyperlink states and the menu style's colours.

#include "controls/infolabel.h"
#include "controls/kolory.h"
#include "controls/panele.h"
#include "controls/przyciski.h"
#include "controls/stylmenu.h"
#include "kolumny.h"

#include <QAction>
#include <QEnterEvent>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <functional>

using Sprawdzenie = std::function<qint64()>;
Q_DECLARE_METATYPE(Sprawdzenie)
Q_DECLARE_METATYPE(TKolor)

namespace {

TKolor Piksel(const QImage &img, int x, int y) { return ZQColor(img.pixelColor(x, y)); }

QImage Obraz(QWidget &w, QSize s)
{
    w.resize(s);
    return w.grab().toImage();
}

// The largest channel difference between two colours.
int Roznica(TKolor a, TKolor b)
{
    return std::max({std::abs(Czerwony(a) - Czerwony(b)), std::abs(Zielony(a) - Zielony(b)),
                     std::abs(Niebieski(a) - Niebieski(b))});
}

}   // namespace

class TstWygladKontrolek : public QObject {
    Q_OBJECT
private slots:
    void init() { UstawStyl(sa_Win10nor); }
    void gradient_data();
    void gradient();
    void krawedzie_data();
    void krawedzie();
    void etykieta_data();
    void etykieta();
    void styleEtykiety_data();
    void styleEtykiety();
    void stylMenu();
    void glify();
};

void TstWygladKontrolek::gradient_data()
{
    // clang-format off
    Kolumny<int, int, bool, int, int>("styl", "tag", "poziomo", "proc1", "proc2");
    QTest::addColumn<int>("miejsce");   // line (column when across) of a 100-pixel long panel
    QTest::addColumn<TKolor>("kolor");
    // points: black, (200,100,40), (40,200,100), white
    QTest::newRow("jedno pasmo: start") << int(sa_Win10nor) << 0 << false << 100 << 100 << 0 << RGB(0, 0, 0);
    QTest::newRow("jedno pasmo: srodek") << int(sa_Win10nor) << 0 << false << 100 << 100 << 50 << RGB(100, 50, 20);
    QTest::newRow("jedno pasmo: koniec") << int(sa_Win10nor) << 0 << false << 100 << 100 << 99 << RGB(200, 100, 40);
    QTest::newRow("dwa pasma: koniec 1.") << int(sa_Win10nor) << 0 << false << 40 << 100 << 39 << RGB(200, 100, 40);
    QTest::newRow("dwa pasma: start 2.") << int(sa_Win10nor) << 0 << false << 40 << 100 << 40 << RGB(200, 100, 40);
    QTest::newRow("dwa pasma: srodek 2.") << int(sa_Win10nor) << 0 << false << 40 << 100 << 70 << RGB(120, 150, 70);
    QTest::newRow("dwa pasma: koniec 2.") << int(sa_Win10nor) << 0 << false << 40 << 100 << 99 << RGB(40, 200, 100);
    QTest::newRow("trzy pasma: koniec") << int(sa_Win10nor) << 0 << false << 20 << 60 << 99 << RGB(255, 255, 255);
    QTest::newRow("trzy pasma: koniec 2.") << int(sa_Win10nor) << 0 << false << 20 << 60 << 59 << RGB(40, 200, 100);
    QTest::newRow("w poprzek") << int(sa_Win10nor) << 0 << true << 100 << 100 << 99 << RGB(200, 100, 40);
    QTest::newRow("-1 start") << int(sa_Win10nor) << -1 << false << 30 << 60 << 0 << KolorStylu(51, true);
    QTest::newRow("-1 koniec") << int(sa_Win10nor) << -1 << false << 30 << 60 << 99 << KolorStylu(52, true);
    QTest::newRow("-2 start") << int(sa_Win10nor) << -2 << false << 30 << 60 << 0 << Pastel(KolorStylu(52, true), 220);
    QTest::newRow("-2 koniec") << int(sa_Win10nor) << -2 << false << 30 << 60 << 99
                               << Przesun(KolorStylu(52, true), -35, 200, 0);
    QTest::newRow("-3 lewa") << int(sa_Win10nor) << -3 << false << 30 << 60 << 0 << KolorStylu(57, true);
    QTest::newRow("-3 prawa") << int(sa_Win10nor) << -3 << false << 30 << 60 << 99 << KolorStylu(58, true);
    QTest::newRow("-3 bez motywu") << int(sa_OldBlue) << -3 << false << 30 << 60 << 99 << RGB(196, 215, 245);
    QTest::newRow("tag 3 wzgledny") << int(sa_Win10nor) << 3 << false << 100 << 100 << 0 << RGB(206, 232, 253);
    QTest::newRow("tag 3 wzgledny, koniec") << int(sa_Win10nor) << 3 << false << 100 << 100 << 99
                                            << KolorWzgledny(RGB(206, 232, 253), -30);
    // clang-format on
}

void TstWygladKontrolek::gradient()
{
    QFETCH(int, styl);
    QFETCH(int, tag);
    QFETCH(bool, poziomo);
    QFETCH(int, proc1);
    QFETCH(int, proc2);
    QFETCH(int, miejsce);
    QFETCH(TKolor, kolor);
    UstawStyl(static_cast<TstylAplikacji>(styl));
    // drawn by the panel itself, so the properties, the tag and the drawing are tested together
    TGradPanel panel;
    panel.setXgradient(true);
    panel.setXpoziomo(poziomo);
    panel.setXgradProc(proc1);
    panel.setXgradProc2(proc2);
    const TKolor punkty[4] = {RGB(0, 0, 0), RGB(200, 100, 40), RGB(40, 200, 100), RGB(255, 255, 255)};
    for (int i = 0; i < 4; ++i)
        panel.setGradient(i + 1, punkty[i]);
    if (tag > 0) {
        panel.setXrelatywnie(true);
        panel.setXwarGrad(2, -30);
    }
    panel.setTag(tag);
    const QImage img = Obraz(panel, poziomo || tag == -3 ? QSize(100, 8) : QSize(8, 100));
    const bool wPoprzek = poziomo || tag == -3;
    QCOMPARE(Piksel(img, wPoprzek ? miejsce : 3, wPoprzek ? 3 : miejsce), kolor);
}

void TstWygladKontrolek::krawedzie_data()
{
    // clang-format off
    Kolumny<Sprawdzenie, qint64>("sprawdz", "oczekiwane");
    auto panel = [](std::function<void(TMojPanel &)> f, std::function<qint64(TMojPanel &)> g) {
        return Sprawdzenie([f, g] {
            TMojPanel p;
            f(p);
            return g(p);
        });
    };
    auto bevel = [](int elementy, int x) {
        return Sprawdzenie([elementy, x] {
            TMojBevel b;
            b.setXelementy(elementy);
            const QImage img = Obraz(b, QSize(10, 10));
            return qint64(b.Xelementy() * 1000 + (Piksel(img, x, 5) == KolorStylu(20) ? 1 : 0));
        });
    };
    auto podklad = [](std::function<void(TMojPodklad &)> f, int x, int y) {
        return Sprawdzenie([f, x, y] {
            TMojPodklad p;
            f(p);
            return qint64(Piksel(Obraz(p, QSize(20, 12)), x, y));
        });
    };
    QTest::newRow("KolorStylu(0)") << Sprawdzenie([] { return qint64(KolorStylu(0)); }) << qint64(RGB(240, 240, 240));
    QTest::newRow("KolorStylu(123)") << Sprawdzenie([] { return qint64(KolorStylu(123)); }) << qint64(RGB(240, 240, 240));
    QTest::newRow("KolorWzgledny 0") << Sprawdzenie([] { return qint64(KolorWzgledny(kKolorTwarzy, 0)); })
                                     << qint64(KolorTwarzy());
    QTest::newRow("XkolorAuto 200") << panel([](TMojPanel &p) { p.setXkolorAuto(200); },
                                             [](TMojPanel &p) { return qint64(p.XkolorAuto()); })
                                    << qint64(0);
    QTest::newRow("XkolorAuto zeruje wzgledny")
        << panel([](TMojPanel &p) { p.setXrelatywnie(true); p.setXwarTlo(-20); p.setXkolorAuto(3); },
                 [](TMojPanel &p) { return qint64(p.Xrelatywnie() * 10 + p.XwarTlo() + p.KolorTla()); })
        << qint64(KolorStylu(3));
    QTest::newRow("wzgledny zeruje XkolorAuto")
        << panel([](TMojPanel &p) { p.setXkolorAuto(3); p.setXrelatywnie(true); p.setXwarTlo(-20); },
                 [](TMojPanel &p) { return qint64(p.KolorTla()); })
        << qint64(KolorWzgledny(kKolorTwarzy, -20));
    QTest::newRow("XliniaAuto: tylko gora")
        << panel([](TMojPanel &p) { p.setXliniaElem(2); p.setXliniaAuto(true); p.setXkolorAuto(17); },
                 [](TMojPanel &p) {
                     const QImage i = Obraz(p, QSize(20, 10));
                     return qint64(Piksel(i, 10, 0) == KolorStylu(19)) * 10 + (Piksel(i, 0, 5) == KolorStylu(17));
                 })
        << qint64(11);
    QTest::newRow("Xelementy 0") << bevel(0, 0) << qint64(1001);
    QTest::newRow("Xelementy 0: bez prawej") << bevel(0, 9) << qint64(1000);
    QTest::newRow("Xelementy 16") << bevel(16, 9) << qint64(15001);
    QTest::newRow("XKolor szary przy auto") << Sprawdzenie([] {
        TMojBevel b;
        b.setXKolor(RGB(1, 2, 3));
        return qint64(b.XKolor());
    }) << qint64(RGB(128, 128, 128));
    QTest::newRow("podklad: tlo 17") << podklad([](TMojPodklad &) {}, 10, 6) << qint64(KolorStylu(17));
    QTest::newRow("podklad: obrys 19") << podklad([](TMojPodklad &) {}, 0, 6) << qint64(KolorStylu(19));
    QTest::newRow("podklad: obrys 23") << podklad([](TMojPodklad &p) { p.setxObrysStyl(23); }, 0, 6)
                                       << qint64(KolorStylu(23));
    QTest::newRow("podklad: obrys 200 odrzucony") << Sprawdzenie([] {
        TMojPodklad p;
        p.setxObrysStyl(200);
        return qint64(p.xObrysStyl() * 10 + p.xObrysTak());
    }) << qint64(1);
    QTest::newRow("podklad: do druku na bialym")
        << podklad([](TMojPodklad &p) { p.PrzedDrukiem(); p.PrzedDrukiem(); }, 10, 6)
        << qint64(ZQColor(NaQColor(0x80000005u)));
    QTest::newRow("podklad: po wydruku") << podklad([](TMojPodklad &p) { p.PrzedDrukiem(); p.PoWydruku(); }, 10, 6)
                                         << qint64(KolorStylu(17));
    QTest::newRow("podklad: inny styl nie do druku")
        << podklad([](TMojPodklad &p) { p.setXstylInny(true); p.setXstylInnyNr(24); p.PrzedDrukiem(); }, 10, 6)
        << qint64(KolorStylu(24));
    QTest::newRow("Xrama ustawia ramke") << Sprawdzenie([] {
        TGradPanel g;
        g.setXrama(true);
        const int w = g.BorderWidth();
        g.setXrama(false);
        return qint64(w * 10 + g.BorderWidth());
    }) << qint64(10);
    QTest::newRow("bez gradientu: kolor bazowy") << Sprawdzenie([] {
        TGradPanel g;
        g.setColor(RGB(10, 20, 30));
        return qint64(Piksel(Obraz(g, QSize(10, 10)), 5, 5));
    }) << qint64(RGB(10, 20, 30));
    QTest::newRow("XgradOldNie bez motywu") << Sprawdzenie([] {
        UstawStyl(sa_OldBlue);
        TGradPanel g;
        g.setColor(RGB(10, 20, 30));
        g.setXgradient(true);
        g.setXgradOldNie(true);
        g.setGradient(1, RGB(255, 0, 0));
        return qint64(Piksel(Obraz(g, QSize(10, 10)), 5, 0));
    }) << qint64(RGB(10, 20, 30));
    // clang-format on
}

void TstWygladKontrolek::krawedzie()
{
    QFETCH(Sprawdzenie, sprawdz);
    QFETCH(qint64, oczekiwane);
    QCOMPARE(sprawdz(), oczekiwane);
}

void TstWygladKontrolek::etykieta_data()
{
    // clang-format off
    Kolumny<int, bool>("styl", "grupa");
    QTest::addColumn<QString>("zdarzenia");   // W enter, Z leave, N press, P release, S Space
    Kolumny<int, int>("koniec", "klikniecia");
    using R = TrekordInfoFont;
    QTest::newRow("wskazany") << int(R::styl_H_normal) << false << "W" << int(R::styl_H_wskaz) << 0;
    QTest::newRow("opuszczony") << int(R::styl_H_normal) << false << "WZ" << int(R::styl_H_normal) << 0;
    QTest::newRow("nacisniety") << int(R::styl_H_normal) << false << "WN" << int(R::styl_H_nacisk) << 0;
    QTest::newRow("klik") << int(R::styl_H_normal) << false << "WNP" << int(R::styl_H_normal) << 1;
    QTest::newRow("klik w grupie") << int(R::styl_H_normal) << true << "WNP" << int(R::styl_H_poklik) << 1;
    QTest::newRow("wybrany w grupie stoi") << int(R::styl_H_poklik) << true << "WNPZ" << int(R::styl_H_poklik) << 0;
    QTest::newRow("wybrany poza grupa") << int(R::styl_H_poklik) << false << "W" << int(R::styl_H_wskaz) << 0;
    QTest::newRow("zakazany") << int(R::styl_H_zakaz) << false << "WNPS" << int(R::styl_H_zakaz) << 0;
    QTest::newRow("zwykla etykieta") << int(R::styl_info1) << false << "WNPS" << int(R::styl_info1) << 0;
    QTest::newRow("spacja") << int(R::styl_H_normal) << true << "S" << int(R::styl_H_poklik) << 1;
    // clang-format on
}

void TstWygladKontrolek::etykieta()
{
    QFETCH(int, styl);
    QFETCH(bool, grupa);
    QFETCH(QString, zdarzenia);
    QFETCH(int, koniec);
    QFETCH(int, klikniecia);
    TInfoLabel l(QStringLiteral("poczta"));
    l.resize(60, 20);
    l.setXgrupaTak(grupa);
    l.setXstylInfo(static_cast<TstylInfoFont>(styl));
    int kliki = 0;
    connect(&l, &TInfoLabel::XnaKlik, this, [&kliki] { ++kliki; });
    for (QChar z : zdarzenia) {
        if (z == u'W') {
            QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QCoreApplication::sendEvent(&l, &e);
        } else if (z == u'Z') {
            QEvent e(QEvent::Leave);
            QCoreApplication::sendEvent(&l, &e);
        } else if (z == u'N') {
            QTest::mousePress(&l, Qt::LeftButton, {}, QPoint(5, 5));
        } else if (z == u'P') {
            QTest::mouseRelease(&l, Qt::LeftButton, {}, QPoint(5, 5));
        } else if (z == u'S') {
            QTest::keyClick(&l, Qt::Key_Space);
        }
    }
    QCOMPARE(int(l.XstylInfo()), koniec);
    QCOMPARE(kliki, klikniecia);
    QCOMPARE(l.cursor().shape() == Qt::PointingHandCursor,
             StylHiperlacza(l.XstylInfo()) && !l.XstanZakaz() && !l.XstanAktyw());
}

void TstWygladKontrolek::styleEtykiety_data()
{
    // clang-format off
    Kolumny<int, bool, bool, TKolor>("styl", "green", "pure", "kolor");
    QTest::addColumn<QString>("czcionka");   // b bold, u underline
    using R = TrekordInfoFont;
    QTest::newRow("brak") << int(R::styl_Brak) << false << false << RGB(0, 0, 0) << "";
    QTest::newRow("info0") << int(R::styl_info0) << false << false << RGB(0, 51, 120) << "i";
    QTest::newRow("info1") << int(R::styl_info1) << false << false << RGB(0, 71, 158) << "i";
    QTest::newRow("uwaga") << int(R::styl_Uwaga) << false << false << RGB(175, 35, 0) << "i";
    QTest::newRow("tytul") << int(R::styl_Tytul) << false << false << RGB(80, 80, 80) << "bi";
    QTest::newRow("green") << int(R::styl_Green) << false << false << RGB(0, 96, 0) << "i";
    QTest::newRow("normal") << int(R::styl_H_normal) << false << false << RGB(0, 71, 158) << "iu";
    QTest::newRow("wskaz") << int(R::styl_H_wskaz) << false << false << RGB(0, 51, 255) << "iu";
    QTest::newRow("nacisk zielony") << int(R::styl_H_nacisk) << true << false << RGB(225, 102, 0) << "iu";
    QTest::newRow("poklik zielony") << int(R::styl_H_poklik) << true << false << RGB(0, 96, 0) << "bi";
    QTest::newRow("wskaz czysty") << int(R::styl_H_wskaz) << false << true << RGB(0, 0, 0) << "i";
    QTest::newRow("poklik czysty") << int(R::styl_H_poklik) << false << true << RGB(0, 51, 120) << "bi";
    QTest::newRow("inny") << int(R::styl_Inny) << false << false << RGB(1, 2, 3) << "i";
    // clang-format on
}

void TstWygladKontrolek::styleEtykiety()
{
    QFETCH(int, styl);
    QFETCH(bool, green);
    QFETCH(bool, pure);
    QFETCH(TKolor, kolor);
    QFETCH(QString, czcionka);
    const auto s = static_cast<TstylInfoFont>(styl);
    QCOMPARE(KolorInfo(s, green, pure, RGB(1, 2, 3)), kolor);
    QFont wlasna;
    wlasna.setItalic(true);   // kept by every style but styl_Brak
    const QFont f = CzcionkaInfo(s, pure, false, wlasna);
    QString opis;
    if (f.bold())
        opis += u'b';
    if (f.italic())
        opis += u'i';
    if (f.underline())
        opis += u'u';
    QCOMPARE(opis, czcionka);
}

void TstWygladKontrolek::stylMenu()
{
    TPopupActionBarEx menu;
    menu.addAction(QStringLiteral("Pierwsza pozycja"));
    QAction *wybrana = menu.addAction(QStringLiteral("Wybrana"));
    menu.addAction(QStringLiteral("WWWWWWWW"))->setEnabled(false);
    menu.ensurePolished();
    menu.adjustSize();
    menu.setActiveAction(wybrana);
    const QImage img = menu.grab().toImage();
    const int w = img.width(), h = img.height();
    const QRect r1 = menu.actionGeometry(menu.actions().at(0));
    const QRect r2 = menu.actionGeometry(wybrana);
    const QRect r3 = menu.actionGeometry(menu.actions().at(2));
    QCOMPARE(Piksel(img, 0, 0), KolorStylu(65));
    QCOMPARE(Piksel(img, w - 1, h - 1), KolorStylu(64));
    QCOMPARE(Piksel(img, w - 2, h / 2), KolorStylu(66));
    QCOMPARE(Piksel(img, r1.right() - 3, r1.top() + 1), KolorStylu(1));
    QCOMPARE(Piksel(img, r2.right() - 3, r2.center().y()), KolorStylu(2));
    QCOMPARE(Piksel(img, r2.left() + 1, r2.center().y()), KolorStylu(61));
    // the disabled text: its darkest pixels are the disabled colour, the others blend into the
    // background
    int najblizej = 255;
    for (int x = r3.left(); x <= r3.right(); ++x)
        for (int y = r3.top(); y <= r3.bottom(); ++y)
            najblizej = std::min(najblizej, Roznica(Piksel(img, x, y), KolorStylu(63)));
    QVERIFY2(najblizej <= 12, qPrintable(QString::number(najblizej)));

    // a menu bar on a plain window has the menu background; on a gradient panel the panel shows
    QWidget okno;
    auto *pasek = new QMenuBar(&okno);
    pasek->addMenu(QStringLiteral("&Plik"));
    auto *panel = new TGradPanel(&okno);
    auto *pasekNaPanelu = new QMenuBar(panel);
    pasekNaPanelu->addMenu(QStringLiteral("&Plik"));
    StylizujPaski(pasek, {});
    StylizujPaski(pasekNaPanelu, {});
    pasek->resize(200, 22);
    panel->resize(200, 22);
    pasekNaPanelu->resize(200, 22);
    QCOMPARE(Piksel(pasek->grab().toImage(), 190, 10), KolorStylu(1));
    const QImage naPanelu = panel->grab().toImage();
    QCOMPARE(Piksel(naPanelu, 0, 10), KolorStylu(57));
    QCOMPARE(Piksel(naPanelu, 199, 10), KolorStylu(58));

    // tool bars: gradient 51..52, tag 1 the grey 54..55
    for (int tag : {0, 1}) {
        QWidget rodzic;
        auto *tb = new QToolBar(&rodzic);
        tb->setProperty("tag", tag);
        tb->addAction(QStringLiteral("A"));
        StylizujPaski(nullptr, {tb});
        tb->resize(100, 30);
        const QImage t = tb->grab().toImage();
        QCOMPARE(Piksel(t, 90, 0), KolorStylu(tag ? 54 : 51));
        QCOMPARE(Piksel(t, 90, 29), KolorStylu(tag ? 55 : 52));
    }
}

void TstWygladKontrolek::glify()
{
    auto *lista = new TListaObrazow;
    QPixmap obrazek(16, 16);
    obrazek.fill(NaQColor(RGB(212, 208, 200)));
    {
        QPainter p(&obrazek);
        p.fillRect(4, 4, 8, 8, Qt::red);
    }
    lista->Dodaj(obrazek);
    TExBitBtn b;
    b.setXimageList(lista);
    b.setXnrObrazka(5);
    QVERIFY(b.icon().isNull());   // no such picture
    b.setXnrObrazka(0);
    b.setNumGlyphs(2);
    QVERIFY(!b.icon().isNull());
    const QImage normalny = b.icon().pixmap(16, 16).toImage();
    QCOMPARE(normalny.pixelColor(0, 0).alpha(), 0);   // the mask colour is transparent
    QCOMPARE(normalny.pixelColor(8, 8), QColor(Qt::red));
    const QImage zakazany = b.icon().pixmap(QSize(16, 16), QIcon::Disabled).toImage();
    QVERIFY(std::abs(zakazany.pixelColor(8, 8).alpha() - 128) <= 2);
    QAction akcja(QStringLiteral("Akcja"));
    QAction druga(QStringLiteral("Druga"));
    QSignalSpy pierwszaKlik(&akcja, &QAction::triggered);
    b.setAction(&akcja);
    QVERIFY(b.icon().isNull());   // a button with an action shows the action's picture
    b.setAction(&druga);
    b.click();
    QCOMPARE(pierwszaKlik.count(), 0);   // the action given before is no longer triggered
    b.setAction(nullptr);
    QVERIFY(!b.icon().isNull());
    // the application's lists serve the buttons as well
    TExBitBtn d;
    d.setXimageList(&IkonyApli());
    d.setXnrObrazka(Ikona::Drukuj);
    QCOMPARE(d.iconSize(), QSize(19, 19));
    QCOMPARE(d.icon().pixmap(19, 19).toImage().pixelColor(9, 11).alpha(), 255);
    TExSpeedButton s;
    s.setXimageList(lista);
    s.setXnrObrazka(0);
    QVERIFY(!s.icon().isNull());
    delete lista;   // removing the list clears the glyphs
    QVERIFY(b.icon().isNull());
    QVERIFY(s.icon().isNull());
}

QTEST_MAIN(TstWygladKontrolek)
#include "tst_wygladkontrolek.moc"
