#include "controls/platforma.h"
#include "dialogs/dlgkalendarz.h"
#include "dialogs/mojkalendarz.h"
#include "dialogs/okienka.h"
#include "dialogs/polozenie.h"
#include "kolumny.h"

#include "common/daty.h"
#include "common/program.h"

#include "gdyotwarte.h"
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

Q_DECLARE_METATYPE(TKolor)

namespace {

double D(const QString &s) { return TekstNaDate(s, -1); }
QString T(double d) { return DataNaTekst(QStringLiteral("?"), d); }

QColor Q(TKolor c) { return QColor::fromRgb(Czerwony(c), Zielony(c), Niebieski(c)); }

void GdyOtwarty(std::function<void(TDlgKalenUstaw *)> co)
{
    GdyOtwarte::Uruchom<TDlgKalenUstaw>([] { return TDlgKalenUstaw::Otwarty(); }, co);
}

// The window the field calculator and the calendar are called from.
struct Forma {
    QWidget okno;
    QLineEdit *pole;
    Forma()
    {
        auto *l = new QVBoxLayout(&okno);
        pole = new QLineEdit(&okno);
        l->addWidget(pole);
        l->addStretch();
        okno.resize(400, 300);
        okno.move(200, 150);
        okno.show();
        okno.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
    }
};

}   // namespace

class TstKalendarz : public QObject {
    Q_OBJECT
private slots:
    void init() { UstawStyl(sa_Win10nor); }
    void cleanup();

    void siatkaZdarzenia();
    void siatkaKlikniecia();
    void siatkaKlawisze_data();
    void siatkaKlawisze();
    void koloryCeli_data();
    void koloryCeli();
    void rysowanieCeli();

    void oknoNawigacja_data();
    void oknoNawigacja();
    void oknoMenuMiesiecy();
    void oknoTekstPoczatkowy_data();
    void oknoTekstPoczatkowy();
    void oknoWyglad();

    void enterWstawiaDzisiaj();
    void podwojnyKlik();
    void podwojnyKlikNaPustejCeli();
    void spacjaWybiera();
    void escape();
    void drugieWywolanie();
    void polozeniePodPolem();
    void bezPolaNadForma();
    void inneOknoZamyka();
    void formaZamknietaWczasie();
    void hak();
};

void TstKalendarz::cleanup()
{
    // Steps not taken must not run in the next test; the steps themselves must have
    // closed the window.
    const bool awaryjnie = GdyOtwarte::Sprzataj();
    QVERIFY(!awaryjnie);
    // Nothing may stay open for the next test.
    QVERIFY(!TDlgKalenUstaw::Otwarty());
}

void TstKalendarz::siatkaZdarzenia()
{
    int zmiany = 0;
    TmojKalendarz k;
    QCOMPARE(k.DataKalen(), TDlgKalenUstaw::Dzisiaj());
    k.OnChange = [&] { ++zmiany; };
    k.setDataKalen(D("31.01.2018"));
    QCOMPARE(zmiany, 1);
    QCOMPARE(k.Year(), 2018);
    QCOMPARE(k.Month(), 1);
    QCOMPARE(k.Day(), 31);

    // A veto keeps the date and is no change.
    QList<QString> pytano;
    bool zgoda = false;
    k.OnAkceptuj = [&](const TparaDaty &p, bool &akceptuj) {
        pytano.append(T(p.T));
        akceptuj = zgoda;
    };
    k.setMonth(2);
    QCOMPARE(pytano, QList<QString>{"28.02.2018"});
    QCOMPARE(T(k.DataKalen()), QStringLiteral("31.01.2018"));
    QCOMPARE(zmiany, 1);
    zgoda = true;
    k.setDay(45);
    QCOMPARE(T(k.DataKalen()), QStringLiteral("31.01.2018"));
    k.setYear(2016);
    k.setMonth(2);
    QCOMPARE(T(k.DataKalen()), QStringLiteral("29.02.2016"));
    QCOMPARE(zmiany, 4);

    // A date value of 0 is no date: the selection stays.
    k.setDataKalen(0);
    QCOMPARE(T(k.DataKalen()), QStringLiteral("29.02.2016"));

    // The grid's own view of a cell.
    k.setDataKalen(D("14.02.2018"));
    QCOMPARE(k.CelaNaDzien(0, 1), 0);
    QCOMPARE(k.CelaNaDzien(3, 1), 1);
    QCOMPARE(k.Col(), 2);
    QCOMPARE(k.Row(), 3);
    QCOMPARE(k.OpisDaty(0, 0, 0).puste, 3);
    QCOMPARE(T(k.OpisDaty(0, 3, 0).T), QStringLiteral("14.03.2018"));
}

void TstKalendarz::siatkaKlikniecia()
{
    TmojKalendarz k;
    k.resize(k.sizeHint());
    k.setDataKalen(D("01.02.2018"));
    k.show();
    QVERIFY(QTest::qWaitForWindowExposed(&k));

    QTest::mouseClick(&k, Qt::LeftButton, {}, k.ProstokatCeli(4, 3).center());
    QCOMPARE(T(k.DataKalen()), QStringLiteral("16.02.2018"));
    QTest::mouseClick(&k, Qt::LeftButton, {}, k.ProstokatCeli(0, 1).center());   // before the 1st
    QCOMPARE(T(k.DataKalen()), QStringLiteral("16.02.2018"));
    QTest::mouseClick(&k, Qt::LeftButton, {}, k.ProstokatCeli(2, 0).center());   // header
    QCOMPARE(T(k.DataKalen()), QStringLiteral("16.02.2018"));
    QTest::mouseClick(&k, Qt::LeftButton, {}, k.ProstokatCeli(6, 6).center());   // after the 28th
    QCOMPARE(T(k.DataKalen()), QStringLiteral("16.02.2018"));

    k.setReadOnly(true);
    QTest::mouseClick(&k, Qt::LeftButton, {}, k.ProstokatCeli(3, 1).center());
    QCOMPARE(T(k.DataKalen()), QStringLiteral("16.02.2018"));
    k.setReadOnly(false);
    QTest::mouseClick(&k, Qt::LeftButton, {}, k.ProstokatCeli(3, 1).center());
    QCOMPARE(T(k.DataKalen()), QStringLiteral("01.02.2018"));
}

void TstKalendarz::siatkaKlawisze_data()
{
    // clang-format off
    Kolumny<QString, int, int, QString>("od", "klawisz", "modyfikatory", "wynik");
    QTest::newRow("w prawo przez koniec miesiaca") << "31.01.2018" << int(Qt::Key_Right) << 0 << "01.02.2018";
    QTest::newRow("w lewo przez nowy rok") << "01.01.2018" << int(Qt::Key_Left) << 0 << "31.12.2017";
    QTest::newRow("w gore o tydzien") << "05.03.2018" << int(Qt::Key_Up) << 0 << "26.02.2018";
    QTest::newRow("w dol o tydzien") << "28.02.2018" << int(Qt::Key_Down) << 0 << "07.03.2018";
    QTest::newRow("End") << "17.04.2018" << int(Qt::Key_End) << 0 << "30.04.2018";
    QTest::newRow("PageDown") << "31.01.2020" << int(Qt::Key_PageDown) << 0 << "29.02.2020";
    QTest::newRow("Ctrl+PageDown") << "29.02.2016" << int(Qt::Key_PageDown) << int(Qt::ControlModifier) << "28.02.2017";
    QTest::newRow("koniec kalendarza") << "31.12.9999" << int(Qt::Key_Right) << 0 << "31.12.9999";
    QTest::newRow("Ctrl+PageUp o cztery lata") << "15.01.2026" << int(Qt::Key_PageUp) << int(Qt::ControlModifier) << "15.01.2025";
    QTest::newRow("PageUp przez nowy rok") << "15.01.2026" << int(Qt::Key_PageUp) << 0 << "15.12.2025";
    QTest::newRow("Home") << "17.04.2018" << int(Qt::Key_Home) << 0 << "01.04.2018";
    // the window's floor holds for every key
    QTest::newRow("w lewo przed 1900") << "01.01.1900" << int(Qt::Key_Left) << 0 << "01.01.1900";
    QTest::newRow("w gore przed 1900") << "03.01.1900" << int(Qt::Key_Up) << 0 << "03.01.1900";
    QTest::newRow("PageUp przed 1900") << "15.01.1900" << int(Qt::Key_PageUp) << 0 << "15.01.1900";
    QTest::newRow("Ctrl+PageUp przed 1900") << "15.06.1900" << int(Qt::Key_PageUp) << int(Qt::ControlModifier) << "15.06.1900";
    // clang-format on
}

void TstKalendarz::siatkaKlawisze()
{
    QFETCH(QString, od);
    QFETCH(int, klawisz);
    QFETCH(int, modyfikatory);
    QFETCH(QString, wynik);
    TDlgKalenUstaw okno;
    okno.UstawTekst(od);
    QTest::keyClick(okno.Siatka(), Qt::Key(klawisz), Qt::KeyboardModifiers(modyfikatory));
    QCOMPARE(T(okno.Siatka()->DataKalen()), wynik);
    // the header shows the month and year the grid shows
    QCOMPARE(okno.LabelRok()->text(), wynik.right(4));
    QCOMPARE(okno.SpeedMiesiac()->text(), kNazwyMiesiecyKalendarza[wynik.mid(3, 2).toInt() - 1]);
}

void TstKalendarz::koloryCeli_data()
{
    // clang-format off
    Kolumny<QString, bool, TKolor, TKolor>("data", "wybrana", "tlo", "czcionka");
    QTest::addColumn<TKolor>("tloSiatki");   // the plain grid, without the window's rule
    const TKolor bialy = RGB(255, 255, 255), czarny = RGB(0, 0, 0), czerwony = RGB(225, 35, 0),
                 rozowy = RGB(255, 224, 225), wybrany = RGB(255, 238, 194);
    QTest::newRow("Boze Cialo 2018") << "31.05.2018" << false << rozowy << czerwony << bialy;
    QTest::newRow("Boze Cialo wybrane") << "31.05.2018" << true << wybrany << czerwony << wybrany;
    QTest::newRow("niedziela") << "03.06.2018" << false << bialy << czerwony << bialy;
    QTest::newRow("6 stycznia 2010") << "06.01.2010" << false << bialy << czarny << bialy;
    QTest::newRow("6 stycznia 2011") << "06.01.2011" << false << rozowy << czerwony << bialy;
    QTest::newRow("25 grudnia 2021") << "25.12.2021" << false << rozowy << czerwony << bialy;
    QTest::newRow("24 grudnia 2024") << "24.12.2024" << false << bialy << czarny << bialy;
    QTest::newRow("24 grudnia 2025") << "24.12.2025" << false << rozowy << czerwony << bialy;
    // clang-format on
}

void TstKalendarz::koloryCeli()
{
    QFETCH(QString, data);
    QFETCH(bool, wybrana);
    QFETCH(TKolor, tlo);
    QFETCH(TKolor, czcionka);
    QFETCH(TKolor, tloSiatki);
    int r = 0, m = 0, d = 0;
    RozkodujDate(D(data), r, m, d);
    const TparaDaty p = OpisDaty(r, m, d);

    TDlgKalenUstaw okno;
    TKolor t = 0, c = 0;
    okno.Siatka()->KoloryCeli(p, wybrana, t, c);
    QCOMPARE(t, tlo);
    QCOMPARE(c, czcionka);

    TmojKalendarz goly;
    goly.KoloryCeli(p, wybrana, t, c);
    QCOMPARE(t, tloSiatki);
}

void TstKalendarz::rysowanieCeli()
{
    // What reaches the screen: Corpus Christi 2018 pink, an ordinary day white, the
    // selected day in the selection colour.
    TDlgKalenUstaw okno;
    okno.UstawTekst(QStringLiteral("14.05.2018"));
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    TmojKalendarz *k = okno.Siatka();
    const QImage obraz = k->grab().toImage();
    auto piksel = [&](int dzien) {
        int c = 0, r = 0;
        k->DzienNaCele(dzien, c, r);
        return obraz.pixelColor(k->ProstokatCeli(c, r).topLeft() + QPoint(2, 2));
    };
    QCOMPARE(piksel(31), Q(RGB(255, 224, 225)));
    QCOMPARE(piksel(30), Q(RGB(255, 255, 255)));
    QCOMPARE(piksel(14), Q(RGB(255, 238, 194)));

    // A cell drawn by the owner.
    QList<int> narysowane;
    k->OnRysCela = [&](int, int, QPainter &, const QRect &, bool, const TparaDaty &p) { narysowane.append(p.D); };
    k->grab();
    QCOMPARE(narysowane.size(), 31);
    QCOMPARE(narysowane.first(), 1);
}

void TstKalendarz::oknoNawigacja_data()
{
    // clang-format off
    QTest::addColumn<QString>("od");
    QTest::addColumn<QString>("przyciski");   // < > month, v ^ year
    Kolumny<QString, QString>("wynik", "miesiac");
    QTest::newRow("31 stycznia dalej") << "31.01.2018" << ">" << "28.02.2018" << "Luty";
    QTest::newRow("31 stycznia dalej, przestepny") << "31.01.2016" << ">" << "29.02.2016" << "Luty";
    QTest::newRow("29 lutego rok dalej") << "29.02.2016" << "^" << "28.02.2017" << "Luty";
    QTest::newRow("rok wstecz") << "10.10.2018" << "v" << "10.10.2017" << "Paździer.";
    QTest::newRow("1899 podniesiony do 1900") << "15.01.1900" << "<" << "15.12.1900" << "Grudzień";
    QTest::newRow("rok wstecz z 1900") << "15.06.1900" << "v" << "15.06.1900" << "Czerwiec";
    QTest::newRow("koniec kalendarza") << "20.12.9999" << ">^" << "20.12.9999" << "Grudzień";
    // clang-format on
}

void TstKalendarz::oknoNawigacja()
{
    QFETCH(QString, od);
    QFETCH(QString, przyciski);
    QFETCH(QString, wynik);
    QFETCH(QString, miesiac);
    TDlgKalenUstaw okno;
    okno.UstawTekst(od);
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    for (QChar c : przyciski) {
        QToolButton *b = c == QLatin1Char('<')   ? okno.SpeedPredMsc()
                         : c == QLatin1Char('>') ? okno.SpeedNextMsc()
                         : c == QLatin1Char('^') ? okno.SpeedNextRok()
                                                 : okno.SpeedPredRok();
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QCOMPARE(T(okno.Siatka()->DataKalen()), wynik);
    QCOMPARE(okno.SpeedMiesiac()->text(), miesiac);
    QCOMPARE(okno.LabelRok()->text(), wynik.right(4));
}

void TstKalendarz::oknoMenuMiesiecy()
{
    TDlgKalenUstaw okno;
    okno.UstawTekst(QStringLiteral("31.01.2019"));
    const QList<QAction *> akcje = okno.PopupMiesiace()->actions();
    QStringList nazwy;
    for (QAction *a : akcje)
        nazwy.append(a->text());
    QCOMPARE(nazwy, QStringList({"Styczeń", "Luty", "Marzec", "Kwiecień", "Maj", "Czerwiec", "Lipiec", "Sierpień",
                                 "Wrzesień", "Paździer.", "Listopad", "Grudzień"}));
    QVERIFY(akcje.at(0)->isChecked());

    akcje.at(1)->trigger();
    QCOMPARE(T(okno.Siatka()->DataKalen()), QStringLiteral("28.02.2019"));
    QCOMPARE(okno.SpeedMiesiac()->text(), QStringLiteral("Luty"));
    QVERIFY(akcje.at(1)->isChecked());
    QVERIFY(!akcje.at(0)->isChecked());
    akcje.at(9)->trigger();
    QCOMPARE(T(okno.Siatka()->DataKalen()), QStringLiteral("28.10.2019"));
    QCOMPARE(okno.SpeedMiesiac()->text(), QStringLiteral("Paździer."));

    // The month button opens the menu under itself.
    okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&okno));
    QTest::mouseClick(okno.SpeedMiesiac(), Qt::LeftButton);
    QTRY_VERIFY(okno.PopupMiesiace()->isVisible());
    QCOMPARE(okno.PopupMiesiace()->pos().y(),
             okno.SpeedMiesiac()->mapToGlobal(QPoint(0, okno.SpeedMiesiac()->height())).y());
    okno.PopupMiesiace()->close();
}

void TstKalendarz::oknoTekstPoczatkowy_data()
{
    // clang-format off
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("wynik");   // empty: today
    QTest::newRow("data") << "29.02.2016" << "29.02.2016";
    QTest::newRow("pusty") << "" << "";
    QTest::newRow("niepoprawna") << "31.02.2018" << "";
    QTest::newRow("smieci") << "abc\t\x01" << "";
    QTest::newRow("bardzo dlugi tekst") << QString(10000, QLatin1Char('7')) << "";
    QTest::newRow("przed 1900") << "10.05.1850" << "10.05.1900";
    // clang-format on
}

void TstKalendarz::oknoTekstPoczatkowy()
{
    QFETCH(QString, tekst);
    QFETCH(QString, wynik);
    TDlgKalenUstaw okno;
    okno.UstawTekst(tekst);
    QCOMPARE(T(okno.Siatka()->DataKalen()), wynik.isEmpty() ? T(TDlgKalenUstaw::Dzisiaj()) : wynik);
}

void TstKalendarz::oknoWyglad()
{
    TDlgKalenUstaw okno;
    QCOMPARE(okno.windowTitle(), QStringLiteral("Wstaw datę - podwójny klik"));
    QCOMPARE(okno.size(), QSize(SkalujDpi(184), SkalujDpi(195)));
    QCOMPARE(okno.DzisiajBtn()->text(), T(TDlgKalenUstaw::Dzisiaj()));
    QCOMPARE(okno.Fdzisiaj(), TDlgKalenUstaw::Dzisiaj());
    QCOMPARE(okno.SpeedMiesiac()->toolTip(), QStringLiteral(" Lista miesięcy ( kliknij ) "));
    // Seven columns of 23 and seven rows of 16 pixels with lines between them.
    TmojKalendarz *k = okno.Siatka();
    QCOMPARE(k->ProstokatCeli(0, 1).size(), QSize(SkalujDpi(23), SkalujDpi(16)));
    QCOMPARE(k->ProstokatCeli(6, 6).bottomRight(), QPoint(k->width() - 1, k->height() - 1));
    // Every control lies inside the window.
    for (QWidget *w : okno.findChildren<QWidget *>())
        if (!w->isWindow())
            QVERIFY2(QRect(QPoint(0, 0), okno.size()).contains(QRect(w->mapTo(&okno, QPoint(0, 0)), w->size())),
                     qPrintable(w->metaObject()->className()));
}

void TstKalendarz::enterWstawiaDzisiaj()
{
    Forma f;
    QString tekst = QStringLiteral("15.03.2018");
    QString widziany;
    GdyOtwarty([&](TDlgKalenUstaw *d) {
        widziany = T(d->Siatka()->DataKalen());
        d->Siatka()->setDay(20);
        QTest::keyClick(d->Siatka(), Qt::Key_Return);
    });
    QVERIFY(KalendarzDlaPola(&f.okno, f.pole, tekst));
    QCOMPARE(widziany, QStringLiteral("15.03.2018"));
    QCOMPARE(tekst, T(TDlgKalenUstaw::Dzisiaj()));

    // Enter on the keypad and the today button do the same.
    tekst = QStringLiteral("01.01.2000");
    GdyOtwarty([&](TDlgKalenUstaw *d) { QTest::keyClick(d->Siatka(), Qt::Key_Enter, Qt::KeypadModifier); });
    QVERIFY(KalendarzDlaPola(&f.okno, f.pole, tekst));
    QCOMPARE(tekst, T(TDlgKalenUstaw::Dzisiaj()));
    tekst = QStringLiteral("01.01.2000");
    GdyOtwarty([](TDlgKalenUstaw *d) { QTest::mouseClick(d->DzisiajBtn(), Qt::LeftButton); });
    QVERIFY(KalendarzDlaPola(&f.okno, f.pole, tekst));
    QCOMPARE(tekst, T(TDlgKalenUstaw::Dzisiaj()));
}

void TstKalendarz::podwojnyKlik()
{
    Forma f;
    QString tekst = QStringLiteral("01.02.2018");
    GdyOtwarty([](TDlgKalenUstaw *d) {
        TmojKalendarz *k = d->Siatka();
        QTest::mouseClick(d->SpeedNextMsc(), Qt::LeftButton);
        int c = 0, r = 0;
        k->DzienNaCele(14, c, r);
        QTest::mouseDClick(k, Qt::LeftButton, {}, k->ProstokatCeli(c, r).center());
    });
    QVERIFY(KalendarzDlaPola(&f.okno, f.pole, tekst));
    QCOMPARE(tekst, QStringLiteral("14.03.2018"));
}

void TstKalendarz::podwojnyKlikNaPustejCeli()
{
    Forma f;
    QString tekst = QStringLiteral("01.02.2018");
    bool otwarty = false;
    GdyOtwarty([&](TDlgKalenUstaw *d) {
        TmojKalendarz *k = d->Siatka();
        QTest::mouseDClick(k, Qt::LeftButton, {}, k->ProstokatCeli(0, 1).center());
        QTest::mouseDClick(k, Qt::LeftButton, {}, k->ProstokatCeli(0, 0).center());
        otwarty = d->isVisible();
        QTest::keyClick(k, Qt::Key_Escape);
    });
    QVERIFY(!KalendarzDlaPola(&f.okno, f.pole, tekst));
    QVERIFY(otwarty);
    QCOMPARE(tekst, QStringLiteral("01.02.2018"));
}

void TstKalendarz::spacjaWybiera()
{
    Forma f;
    QString tekst = QStringLiteral("27.02.2018");
    GdyOtwarty([](TDlgKalenUstaw *d) {
        QTest::keyClick(d->Siatka(), Qt::Key_Right);
        QTest::keyClick(d->Siatka(), Qt::Key_Right);
        QTest::keyClick(d->Siatka(), Qt::Key_Space);
    });
    QVERIFY(KalendarzDlaPola(&f.okno, f.pole, tekst));
    QCOMPARE(tekst, QStringLiteral("01.03.2018"));
}

void TstKalendarz::escape()
{
    Forma f;
    QString tekst = QStringLiteral("15.03.2018");
    GdyOtwarty([](TDlgKalenUstaw *d) {
        d->Siatka()->setDay(20);
        QTest::keyClick(d->Siatka(), Qt::Key_Escape);
    });
    QVERIFY(!KalendarzDlaPola(&f.okno, f.pole, tekst));
    QCOMPARE(tekst, QStringLiteral("15.03.2018"));

    // Closing the window any other way chooses nothing either.
    GdyOtwarty([](TDlgKalenUstaw *d) { d->close(); });
    QVERIFY(!KalendarzDlaPola(&f.okno, nullptr, tekst));
    QCOMPARE(tekst, QStringLiteral("15.03.2018"));
}

void TstKalendarz::drugieWywolanie()
{
    Forma f;
    QString tekst = QStringLiteral("15.03.2018");
    bool drugi = true;
    QString drugiTekst = QStringLiteral("01.01.2001");
    TDlgKalenUstaw *pierwszy = nullptr;
    GdyOtwarty([&](TDlgKalenUstaw *d) {
        pierwszy = d;
        drugi = KalendarzDlaPola(&f.okno, nullptr, drugiTekst);
        QVERIFY(TDlgKalenUstaw::Otwarty() == d);
        d->SiatkaDblClick();
    });
    QVERIFY(KalendarzDlaPola(&f.okno, f.pole, tekst));
    QVERIFY(pierwszy);
    QVERIFY(!drugi);
    QCOMPARE(drugiTekst, QStringLiteral("01.01.2001"));
    QCOMPARE(tekst, QStringLiteral("15.03.2018"));
    QVERIFY(!TDlgKalenUstaw::Otwarty());
}

void TstKalendarz::polozeniePodPolem()
{
    Forma f;
    QString tekst;
    QPoint gdzie, oczekiwane;
    bool bezRamki = false;
    GdyOtwarty([&](TDlgKalenUstaw *d) {
        gdzie = d->pos();
        bezRamki = d->windowFlags() & Qt::FramelessWindowHint;
        const QRect pole(f.pole->mapToGlobal(QPoint(0, 0)), f.pole->size());
        oczekiwane = PolozeniePodPolem(pole, d->size(), f.pole->screen()->availableGeometry(), true);
        d->close();
    });
    QVERIFY(!KalendarzDlaPola(&f.okno, f.pole, tekst));
    QVERIFY(bezRamki);
    QCOMPARE(gdzie, oczekiwane);
    const QPoint lewyDolny = f.pole->mapToGlobal(QPoint(0, f.pole->height()));
    QCOMPARE(gdzie, lewyDolny - QPoint(2, 2));
}

void TstKalendarz::bezPolaNadForma()
{
    Forma f;
    QString tekst;
    QPoint srodek;
    bool bezRamki = true;
    GdyOtwarty([&](TDlgKalenUstaw *d) {
        srodek = d->geometry().center();
        bezRamki = d->windowFlags() & Qt::FramelessWindowHint;
        d->close();
    });
    QVERIFY(!KalendarzDlaPola(&f.okno, nullptr, tekst));
    QVERIFY(!bezRamki);
    QVERIFY2((srodek - f.okno.geometry().center()).manhattanLength() < 40,
             qPrintable(QStringLiteral("%1,%2").arg(srodek.x()).arg(srodek.y())));
}

void TstKalendarz::inneOknoZamyka()
{
    Forma f;
    QWidget inne;
    inne.resize(100, 100);
    inne.move(700, 500);
    QString tekst = QStringLiteral("15.03.2018");
    bool bylAktywny = false;
    GdyOtwarty([&](TDlgKalenUstaw *d) {
        QTRY_VERIFY(d->isActiveWindow());
        bylAktywny = true;
        // The month menu is part of the window: it does not count as another one.
        d->PopupMiesiace()->popup(QPoint(10, 10));
        QTRY_VERIFY(d->PopupMiesiace()->isVisible());
        QVERIFY(d->isVisible());
        d->PopupMiesiace()->close();
        inne.show();
        inne.activateWindow();
    });
    QVERIFY(!KalendarzDlaPola(&f.okno, f.pole, tekst));
    QVERIFY(bylAktywny);
    QCOMPARE(tekst, QStringLiteral("15.03.2018"));
}

void TstKalendarz::formaZamknietaWczasie()
{
    auto *f = new Forma;
    QString tekst = QStringLiteral("15.03.2018");
    GdyOtwarty([&](TDlgKalenUstaw *) { delete f; });
    QVERIFY(!KalendarzDlaPola(&f->okno, f->pole, tekst));
    QCOMPARE(tekst, QStringLiteral("15.03.2018"));
    QVERIFY(!TDlgKalenUstaw::Otwarty());
}

void TstKalendarz::hak()
{
    ProcKalendarz = nullptr;
    ZainstalujKalendarz();
    QVERIFY(bool(ProcKalendarz));
    Forma f;
    QString tekst = QStringLiteral("02.04.2018");
    GdyOtwarty([](TDlgKalenUstaw *d) {
        QCOMPARE(T(d->Siatka()->DataKalen()), QStringLiteral("02.04.2018"));
        d->SiatkaDblClick();
    });
    QVERIFY(ProcKalendarz(&f.okno, f.pole, tekst));
    QCOMPARE(tekst, QStringLiteral("02.04.2018"));
    ProcKalendarz = nullptr;
}

QTEST_MAIN(TstKalendarz)
#include "tst_kalendarz.moc"
