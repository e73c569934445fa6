#include "dialogs/kalkulator.h"
#include "dialogs/polozenie.h"

#include "common/formaty.h"
#include "common/paleta.h"
#include "common/program.h"
#include "controls/platforma.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

namespace {

QString W(const QString &s) { return s.rightJustified(kSzerokoscWyswietlacza, QLatin1Char(' ')); }

// Types into the calculator as the keyboard would: "\n" is Enter, "\b" Backspace, "\x1b"
// Escape; everything else goes as its character.
void Pisz(QWidget *w, const QString &tekst)
{
    for (QChar c : tekst) {
        if (c == QLatin1Char('\n'))
            QTest::keyClick(w, Qt::Key_Return);
        else if (c == QLatin1Char('\b'))
            QTest::keyClick(w, Qt::Key_Backspace);
        else if (c == QLatin1Char('\x1b'))
            QTest::keyClick(w, Qt::Key_Escape);
        else if (c.unicode() < 128)
            QTest::keyClick(w, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QString BezAmp(QString s) { return s.remove(QLatin1Char('&')); }

// Runs `co` on the field calculator as soon as it is open (KalkulatorDlaPola waits in its
// own loop meanwhile). Should the steps leave it open, it is closed after a while so that a
// failing test cannot hang.
QList<QPointer<QTimer>> g_zegary;
bool g_zamknietoAwaryjnie = false;

void GdyOtwarty(std::function<void(TDlgKalkulat *)> co)
{
    auto *t = new QTimer;
    g_zegary.append(t);
    t->setInterval(5);
    auto proby = std::make_shared<int>(0);
    QObject::connect(t, &QTimer::timeout, [t, co, proby] {
        TDlgKalkulat *d = TDlgKalkulat::DlaPola();
        if (d && d->isVisible()) {
            t->stop();
            t->deleteLater();
            co(d);
            auto *zapas = new QTimer;
            g_zegary.append(zapas);
            zapas->setSingleShot(true);
            QObject::connect(zapas, &QTimer::timeout, [] {
                if (TDlgKalkulat *o = TDlgKalkulat::DlaPola()) {
                    g_zamknietoAwaryjnie = true;
                    o->close();
                }
            });
            zapas->start(3000);
        } else if (++*proby > 400) {
            t->stop();
            t->deleteLater();
        }
    });
    t->start();
}

// The window a field calculator is called from.
struct Forma {
    QWidget okno;
    QLineEdit *pole;
    Forma(QSize rozmiar = QSize(400, 300))
    {
        auto *l = new QVBoxLayout(&okno);
        pole = new QLineEdit(&okno);
        l->addWidget(pole);
        l->addStretch();
        okno.resize(rozmiar);
        okno.move(200, 150);
        okno.show();
        okno.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
    }
};

} // namespace

class TstKalkulator : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void klawiaturaDoWyswietlacza_data();
    void klawiaturaDoWyswietlacza();
    void przyciskiITasma();
    void menuPamieci();
    void menuPamieciZKlawiatury_data();
    void menuPamieciZKlawiatury();
    void schowek_data();
    void schowek();
    void importIPamieciZeSchowka_data();
    void importIPamieciZeSchowka();
    void tasmaPokazUkryj();
    void wyglad();

    void wolnyJedenRaz();
    void wolnyPolozenie();
    void stanMiedzyOknami();

    void polowyEnter();
    void polowyEscape();
    void polowyPrzyciskWstaw();
    void polowyNadmiarNieWstawia();
    void polowyDrugiZwracaFalse();
    void polowyPodPolem();
    void polowyBezPola_data();
    void polowyBezPola();
    void polowyWartoscPoczatkowa_data();
    void polowyWartoscPoczatkowa();
    void polowyInneOknoZamyka();
    void polowyFormaZamknietaWczasie();
    void hak();
};

void TstKalkulator::init()
{
    UstawStyl(sa_Win10nor);
    WyczyscStanKalkulatora();
    QGuiApplication::clipboard()->clear();
}

void TstKalkulator::cleanup()
{
    for (const QPointer<QTimer> &t : std::as_const(g_zegary))
        delete t.data();
    g_zegary.clear();
    const bool awaryjnie = g_zamknietoAwaryjnie;
    g_zamknietoAwaryjnie = false;
    delete TDlgKalkulat::Wolnostojacy();
    QVERIFY(!awaryjnie);
    QVERIFY(!TDlgKalkulat::DlaPola());
}

void TstKalkulator::klawiaturaDoWyswietlacza_data()
{
    QTest::addColumn<QString>("klawisze");
    QTest::addColumn<QString>("wyswietlacz");
    QTest::addColumn<int>("linieTasmy");
    QTest::newRow("1+2 Enter") << "1+2\n" << W("3") << 6;
    QTest::newRow("znak rownosci") << "1+2=" << W("3") << 6;
    QTest::newRow("przecinek i kropka") << "12,5" << "12,5" << 0;
    QTest::newRow("kropka jak przecinek") << "0.5" << "0,5" << 0;
    QTest::newRow("backspace") << "123\b" << "12" << 0;
    QTest::newRow("zmiana znaku z") << "7z" << W("-7") << 0;
    QTest::newRow("grosze g") << "1,005g" << W("1,01") << 2;
    QTest::newRow("dzielenie przez zero") << "1/0\n" << " Nadmiar ! " << 6;
    QTest::newRow("razy i procent") << "200*15%" << W("30") << 4;
    QTest::newRow("c kasuje") << "1+2\nc" << "" << 0;
    QTest::newRow("litery i znaki obce pominiete") << "1xąy\t2" << "12" << 0;
    QTest::newRow("s w wolnym nie zmienia") << "5s" << "5" << 0;
    QTest::newRow("escape w wolnym nie zamyka") << "5\x1b" "6" << "56" << 0;
}

void TstKalkulator::klawiaturaDoWyswietlacza()
{
    QFETCH(QString, klawisze);
    QFETCH(QString, wyswietlacz);
    QFETCH(int, linieTasmy);
    PokazKalkulator(-1, -1);
    TDlgKalkulat *k = TDlgKalkulat::Wolnostojacy();
    QVERIFY(k);
    QVERIFY(QTest::qWaitForWindowActive(k));
    QCOMPARE(QApplication::focusWidget(), k->Wyswietlacz());
    Pisz(QApplication::focusWidget(), klawisze);
    QVERIFY(k->isVisible());
    QCOMPARE(k->TekstWyswietlacza(), wyswietlacz);
    QCOMPARE(k->Tasma()->count(), linieTasmy);
}

void TstKalkulator::przyciskiITasma()
{
    TDlgKalkulat k;
    k.show();
    QVERIFY(QTest::qWaitForWindowExposed(&k));
    for (const char *n : {"Klawisz_1", "Klawisz_sep", "Klawisz_5", "Klawisz_Dod", "Klawisz_2", "Klawisz_Equ"})
        QTest::mouseClick(k.Klawisz(QLatin1String(n)), Qt::LeftButton);
    QCOMPARE(k.TekstWyswietlacza(), W("3,5"));
    QStringList linie;
    for (int i = 0; i < k.Tasma()->count(); ++i)
        linie.append(k.Tasma()->item(i)->text());
    QCOMPARE(linie, QStringList({"         1,5", "           +", "           2", "           =", "         3,5 ",
                                 "-------------"}));

    // Every key of the pad does what its code does.
    const QList<QPair<const char *, QString>> dalej = {
        {"Klawisz_9", "9"}, {"Klawisz_Sqrt", W("3")}, {"Klawisz_X2", W("9")}, {"Klawisz_Inv", W("0,111111111")},
        {"Klawisz_Clr", ""}, {"Klawisz_8", "8"}, {"Klawisz_Del", ""}, {"Klawisz_4", "4"}, {"Klawisz_Znk", W("-4")},
        {"Klawisz_raz", W("-4")}, {"Klawisz_3", "3"}, {"Klawisz_min", W("-12")}, {"Klawisz_6", "6"},
        {"Klawisz_div", W("-18")}, {"Klawisz_7", "7"}, {"Klawisz_Prc", "-0,02571429"}, {"Klawisz_Gr", W("-0,03")},
        {"Klawisz_0", W("-0,03")},
    };
    for (const auto &[nazwa, wynik] : dalej) {
        QTest::mouseClick(k.Klawisz(QLatin1String(nazwa)), Qt::LeftButton);
        QVERIFY2(k.TekstWyswietlacza() == wynik, nazwa);
    }

    // The tape scrolls so that its last line is in view.
    for (int i = 0; i < 10; ++i)
        k.WpiszTekst(QStringLiteral("1+2="));
    QCOMPARE(k.Tasma()->count(), kLiniiTasmy);
    QListWidget *t = k.Tasma();
    QVERIFY(t->viewport()->rect().contains(t->visualItemRect(t->item(t->count() - 1))));
}

void TstKalkulator::menuPamieci()
{
    TDlgKalkulat k;
    k.show();
    QVERIFY(QTest::qWaitForWindowExposed(&k));
    QCOMPARE(k.Znacznik()->text(), QStringLiteral(" "));
    k.WpiszTekst(QStringLiteral("5"));

    QAbstractButton *mpl = k.Klawisz(QStringLiteral("Klawisz_Mpl"));
    QTest::mouseClick(mpl, Qt::LeftButton);
    QTRY_VERIFY(k.MenuPamieci()->isVisible());
    QCOMPARE(k.MemOper(), QLatin1Char('A'));
    QCOMPARE(k.MenuPamieci()->pos(), mpl->mapToGlobal(QPoint(0, mpl->height())));
    QStringList napisy;
    for (QAction *a : k.MenuPamieci()->actions())
        napisy.append(BezAmp(a->text()));
    QCOMPARE(napisy, QStringList({"A=" + W("0"), "B=" + W("0"), "C=" + W("0"), "D=" + W("0"), "E=" + W("0")}));
    k.MenuPamieci()->actions().at(0)->trigger();
    k.MenuPamieci()->close();
    QCOMPARE(k.Znacznik()->text(), QStringLiteral("P"));

    // Recall from A after a new number.
    k.WpiszTekst(QStringLiteral("+1"));
    QTest::mouseClick(k.Klawisz(QStringLiteral("Klawisz_Mre")), Qt::LeftButton);
    QCOMPARE(k.MemOper(), QLatin1Char('R'));
    QCOMPARE(BezAmp(k.MenuPamieci()->actions().at(0)->text()), "A=" + W("5"));
    k.MenuPamieci()->actions().at(0)->trigger();
    k.MenuPamieci()->close();
    QCOMPARE(k.TekstWyswietlacza(), W("5"));
    k.WpiszTekst(QStringLiteral("="));
    QCOMPARE(k.TekstWyswietlacza(), W("10"));

    QTest::mouseClick(k.Klawisz(QStringLiteral("Klawisz_Mcl")), Qt::LeftButton);
    QCOMPARE(k.MemOper(), QLatin1Char('K'));
    k.MenuPamieci()->actions().at(0)->trigger();
    k.MenuPamieci()->close();
    QCOMPARE(k.Znacznik()->text(), QStringLiteral(" "));
}

void TstKalkulator::menuPamieciZKlawiatury_data()
{
    QTest::addColumn<QString>("klawisze");
    QTest::addColumn<bool>("menu");
    QTest::addColumn<QString>("oper");
    QTest::addColumn<QString>("wyswietlacz");
    QTest::newRow("M +") << "4m+" << true << "A" << "4";
    QTest::newRow("M C") << "4mc" << true << "K" << "4";
    QTest::newRow("M R") << "4Mr" << true << "R" << "4";
    QTest::newRow("M, cyfra, +") << "4m1+" << false << "A" << W("41");
    QTest::newRow("R bez M") << "4r" << false << "A" << "4";
}

void TstKalkulator::menuPamieciZKlawiatury()
{
    QFETCH(QString, klawisze);
    QFETCH(bool, menu);
    QFETCH(QString, oper);
    QFETCH(QString, wyswietlacz);
    TDlgKalkulat k;
    k.show();
    QVERIFY(QTest::qWaitForWindowExposed(&k));
    Pisz(k.Wyswietlacz(), klawisze);
    QCOMPARE(k.MenuPamieci()->isVisible(), menu);
    QCOMPARE(k.MemOper(), oper.at(0));
    QCOMPARE(k.TekstWyswietlacza(), wyswietlacz);
    k.MenuPamieci()->close();
}

void TstKalkulator::schowek_data()
{
    QTest::addColumn<QString>("klawisze");
    QTest::addColumn<QString>("sposob");   // button, S or Ctrl+C
    QTest::addColumn<QString>("schowek");
    QTest::newRow("przycisk") << "1/3=" << "przycisk" << "0,333333333";
    QTest::newRow("klawisz S") << "12,50" << "S" << "12,5";
    QTest::newRow("Ctrl+C") << "7z" << "Ctrl+C" << "-7";
    QTest::newRow("pusty to 0") << "" << "przycisk" << "0";
    QTest::newRow("wykladnik") << "1234567890*10=" << "przycisk" << "1,2346E+10";
    QTest::newRow("nadmiar nie trafia do schowka") << "1/0=" << "przycisk" << "bez zmian";
    QTest::newRow("nadmiar i S") << "1/0=" << "S" << "bez zmian";
}

void TstKalkulator::schowek()
{
    QFETCH(QString, klawisze);
    QFETCH(QString, sposob);
    QFETCH(QString, schowek);
    QGuiApplication::clipboard()->setText(QStringLiteral("bez zmian"));
    PokazKalkulator(-1, -1);
    TDlgKalkulat *k = TDlgKalkulat::Wolnostojacy();
    QVERIFY(QTest::qWaitForWindowActive(k));
    k->WpiszTekst(klawisze);
    const QString przed = k->TekstWyswietlacza();
    if (sposob == QLatin1String("przycisk"))
        QTest::mouseClick(k->Klawisz(QStringLiteral("Klawisz_Sch")), Qt::LeftButton);
    else if (sposob == QLatin1String("S"))
        QTest::keyClick(k->Wyswietlacz(), 's');
    else
        QTest::keyClick(k->Wyswietlacz(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), schowek);
    // The free-standing calculator stays, as it was.
    QVERIFY(k->isVisible());
    QCOMPARE(k->TekstWyswietlacza(), przed);
    QCOMPARE(k->Klawisz(QStringLiteral("Klawisz_Sch"))->text(), QStringLiteral("Do schowka"));
}

void TstKalkulator::importIPamieciZeSchowka_data()
{
    QTest::addColumn<QString>("klawisze");
    QTest::addColumn<QString>("schowek");
    QTest::addColumn<QString>("wyswietlacz");
    QTest::addColumn<bool>("liczba");
    QTest::addColumn<QString>("znacznik");   // after adding the clipboard to memory C
    QTest::newRow("kwota z separatorami") << "" << "1.234,50" << "1234,50" << true << "P";
    QTest::newRow("ujemna") << "" << "-12,5" << W("-12,5") << true << "P";
    QTest::newRow("tekst") << "9" << "kwota" << "9" << false << " ";
    QTest::newRow("pusty") << "9" << "" << "9" << false << " ";
    QTest::newRow("zero") << "" << "0" << "0" << true << " ";
    QTest::newRow("dlugi smiec") << "9" << QString(10000, QChar(0x01)) << "9" << false << " ";
}

void TstKalkulator::importIPamieciZeSchowka()
{
    QFETCH(QString, klawisze);
    QFETCH(QString, schowek);
    QFETCH(QString, wyswietlacz);
    QFETCH(bool, liczba);
    QFETCH(QString, znacznik);
    TDlgKalkulat k;
    k.WpiszTekst(klawisze);
    QGuiApplication::clipboard()->setText(schowek);
    QCOMPARE(k.PopMen_Import()->text(), QStringLiteral("Wklej ze schowka na wyświetlacz"));
    k.PopMen_Import()->trigger();
    QCOMPARE(k.TekstWyswietlacza(), wyswietlacz);
    QCOMPARE(k.Tasma()->count(), 0);

    QCOMPARE(k.PopMen_mem(3)->text(), QStringLiteral("Dodaj ze schowka do pamęci   C"));
    k.PopMen_mem(3)->trigger();
    QCOMPARE(k.Znacznik()->text(), znacznik);
    QCOMPARE(double(k.Logika().Pamiec(3)), liczba ? TekstNaFloat(schowek, 0) : 0.0);

    // Ctrl+V does the same as the menu.
    k.WpiszTekst(QStringLiteral("c"));
    QTest::keyClick(k.Wyswietlacz(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(k.TekstWyswietlacza(), liczba ? wyswietlacz : QString());
}

void TstKalkulator::tasmaPokazUkryj()
{
    TDlgKalkulat k;
    k.show();
    QVERIFY(QTest::qWaitForWindowExposed(&k));
    QVERIFY(k.TasmaWidoczna());
    QVERIFY(k.PopMen_Tasma()->isChecked());
    QCOMPARE(k.PopMen_Tasma()->text(), QStringLiteral("Pokazuj taśmę historii obliczeń"));
    QCOMPARE(k.width(), k.SzerokKlienta());
    QVERIFY(k.PanelTasmy()->isVisible());

    k.PopMen_Tasma()->trigger();
    QVERIFY(!k.TasmaWidoczna());
    QVERIFY(!k.PanelTasmy()->isVisible());
    QCOMPARE(k.width(), k.SzerokKlienta() - k.SzerGradTasmy() - SkalujDpi(2));
    QCOMPARE(k.windowTitle(), QStringLiteral("Kalkulator (używa schowka)"));
    // The keypad stays whole.
    const QAbstractButton *prawy = k.Klawisz(QStringLiteral("Klawisz_Sqrt"));
    QVERIFY(prawy->geometry().right() < k.width());

    k.PopMen_Tasma()->trigger();
    QVERIFY(k.TasmaWidoczna());
    QCOMPARE(k.width(), k.SzerokKlienta());
}

void TstKalkulator::wyglad()
{
    TDlgKalkulat k;
    k.show();
    QVERIFY(QTest::qWaitForWindowExposed(&k));
    QCOMPARE(k.windowTitle(), QStringLiteral("Kalkulator (używa schowka)"));
    QVERIFY(!(k.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(k.minimumSize(), k.maximumSize());

    // 30 keys in 5 columns and 6 rows, the clipboard key three columns wide.
    const QSize klawisz(SkalujDpi(27), SkalujDpi(23));
    QCOMPARE(k.Klawisz(QStringLiteral("Klawisz_7"))->size(), klawisz);
    QCOMPARE(k.Klawisz(QStringLiteral("Klawisz_Sch"))->width(), SkalujDpi(3 * 27 + 2 * 2));
    QCOMPARE(k.Klawisz(QStringLiteral("Klawisz_Mpl"))->y(), k.Klawisz(QStringLiteral("Klawisz_Del"))->y());
    QCOMPARE(k.Klawisz(QStringLiteral("Klawisz_Clr"))->x(), k.Klawisz(QStringLiteral("Klawisz_0"))->x());
    QVERIFY(k.Klawisz(QStringLiteral("Klawisz_Sqrt"))->x() > k.Klawisz(QStringLiteral("Klawisz_Sch"))->geometry().right());

    // Hints: the short part before "|"; the display's and tape's with line breaks.
    QCOMPARE(k.Klawisz(QStringLiteral("Klawisz_Mpl"))->toolTip(), QStringLiteral(" Dodaj do jednej z pamięci  A .. E "));
    QCOMPARE(k.Klawisz(QStringLiteral("Klawisz_Gr"))->toolTip(), QStringLiteral(" Zaokrąglić do groszy "));
    QCOMPARE(k.Klawisz(QStringLiteral("Klawisz_Del"))->toolTip(),
             QStringLiteral(" Usuń cyfrę z wyświetlacza.\n Na klawiaturze komputera \n szara strzałka nad  \"Enter\"."));
    QCOMPARE(k.Wyswietlacz()->toolTip().count(QLatin1Char('\n')), 3);
    QVERIFY(k.Tasma()->toolTip().startsWith(QStringLiteral("Prawy przycisk myszy rozwija menu.\nMożna")));

    // Nothing sticks out of the window, the display is painted in its palette colour.
    for (QWidget *w : k.findChildren<QWidget *>())
        if (!w->isWindow() && w->isVisible() && w->parentWidget() == &k)
            QVERIFY2(k.rect().contains(w->geometry()), qPrintable(w->objectName()));
    const QImage obraz = k.Wyswietlacz()->grab().toImage();
    QCOMPARE(obraz.pixelColor(3, 3), QColor(229, 243, 255));

    // The tape in a fixed-pitch font.
    QVERIFY(QFontInfo(k.Tasma()->font()).fixedPitch());
}

void TstKalkulator::wolnyJedenRaz()
{
    PokazKalkulator(-1, -1);
    QPointer<TDlgKalkulat> pierwszy = TDlgKalkulat::Wolnostojacy();
    QVERIFY(pierwszy);
    QVERIFY(!pierwszy->SesjaModalna());
    pierwszy->showMinimized();
    PokazKalkulator(-2, -2);
    QCOMPARE(TDlgKalkulat::Wolnostojacy(), pierwszy.data());
    QVERIFY(!(pierwszy->windowState() & Qt::WindowMinimized));
    QVERIFY(pierwszy->isVisible());
    const QWidgetList okna = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(okna.begin(), okna.end(), [](QWidget *w) { return qobject_cast<TDlgKalkulat *>(w); }), 1);

    // Closing destroys it; the next call creates a new one.
    pierwszy->close();
    QTRY_VERIFY(!pierwszy);
    QVERIFY(!TDlgKalkulat::Wolnostojacy());
    PokazKalkulator(-2, -2);
    QVERIFY(TDlgKalkulat::Wolnostojacy());
}

void TstKalkulator::wolnyPolozenie()
{
    const QRect ekran = QGuiApplication::primaryScreen()->availableGeometry();
    PokazKalkulator(-1, -1);
    TDlgKalkulat *k = TDlgKalkulat::Wolnostojacy();
    QVERIFY((k->geometry().center() - ekran.center()).manhattanLength() < 40);
    delete k;

    PokazKalkulator(120, 80);
    k = TDlgKalkulat::Wolnostojacy();
    QCOMPARE(k->pos(), QPoint(120, 80));
    k->move(150, 90);
    delete k;

    // -2: where it was last; a second call leaves an open one where it is.
    PokazKalkulator(-2, -2);
    k = TDlgKalkulat::Wolnostojacy();
    QCOMPARE(k->pos(), QPoint(150, 90));
    PokazKalkulator(300, 300);
    QCOMPARE(k->pos(), QPoint(150, 90));
    k->move(-5000, -5000);
    delete k;

    // A remembered place no screen shows any more: centred instead.
    PokazKalkulator(-2, -2);
    k = TDlgKalkulat::Wolnostojacy();
    QVERIFY(ekran.contains(k->geometry().center()));

    // -1 in either coordinate centres.
    delete k;
    PokazKalkulator(100, -1);
    k = TDlgKalkulat::Wolnostojacy();
    QVERIFY((k->geometry().center() - ekran.center()).manhattanLength() < 40);
}

void TstKalkulator::stanMiedzyOknami()
{
    PokazKalkulator(-1, -1);
    TDlgKalkulat *k = TDlgKalkulat::Wolnostojacy();
    k->WpiszTekst(QStringLiteral("4+5=7"));
    k->ObsluzKlawisz(QLatin1Char('A'), 2);
    k->close();
    QTRY_VERIFY(!TDlgKalkulat::Wolnostojacy());

    // The field calculator continues where the free-standing one stopped.
    Forma f;
    double wynik = 0;
    QStringList tasma;
    QString wyswietlacz, znacznik;
    GdyOtwarty([&](TDlgKalkulat *d) {
        wyswietlacz = d->TekstWyswietlacza();
        znacznik = d->Znacznik()->text();
        for (int i = 0; i < d->Tasma()->count(); ++i)
            tasma.append(d->Tasma()->item(i)->text());
        d->WpiszTekst(QStringLiteral("+1"));
        QTest::keyClick(d->Wyswietlacz(), Qt::Key_Escape);
    });
    QVERIFY(!KalkulatorDlaPola(&f.okno, nullptr, wynik));
    QCOMPARE(wyswietlacz, QStringLiteral("7"));
    QCOMPARE(znacznik, QStringLiteral("P"));
    QCOMPARE(tasma.size(), 6);
    QCOMPARE(tasma.at(4), QStringLiteral("           9 "));

    // ... and the next one where that one stopped.
    PokazKalkulator(-2, -2);
    QCOMPARE(TDlgKalkulat::Wolnostojacy()->TekstWyswietlacza(), QStringLiteral("1"));
    QCOMPARE(double(TDlgKalkulat::Wolnostojacy()->Logika().CalaSuma()), 7.0);
}

void TstKalkulator::polowyEnter()
{
    Forma f;
    double wynik = -1;
    QString przycisk;
    GdyOtwarty([&](TDlgKalkulat *d) {
        przycisk = d->Klawisz(QStringLiteral("Klawisz_Sch"))->text();
        QTRY_VERIFY(d->isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), d->Wyswietlacz());
        Pisz(QApplication::focusWidget(), QStringLiteral("12,5*2\n"));
    });
    QVERIFY(KalkulatorDlaPola(&f.okno, f.pole, wynik));
    QCOMPARE(wynik, 25.0);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("25"));
    QCOMPARE(przycisk, QStringLiteral("Wstaw w pole"));
    QVERIFY(!TDlgKalkulat::DlaPola());
}

void TstKalkulator::polowyEscape()
{
    Forma f;
    QGuiApplication::clipboard()->setText(QStringLiteral("poprzedni"));
    double wynik = -1;
    GdyOtwarty([](TDlgKalkulat *d) {
        Pisz(d->Wyswietlacz(), QStringLiteral("12+3"));
        QTest::keyClick(d->Wyswietlacz(), Qt::Key_Escape);
    });
    QVERIFY(!KalkulatorDlaPola(&f.okno, f.pole, wynik));
    QCOMPARE(wynik, -1.0);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("poprzedni"));

    // Closing any other way returns nothing either; "S" copies nothing in a field calculator.
    GdyOtwarty([](TDlgKalkulat *d) {
        Pisz(d->Wyswietlacz(), QStringLiteral("8s"));
        d->close();
    });
    QVERIFY(!KalkulatorDlaPola(&f.okno, nullptr, wynik));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("poprzedni"));
}

void TstKalkulator::polowyPrzyciskWstaw()
{
    Forma f;
    double wynik = 0;
    GdyOtwarty([](TDlgKalkulat *d) {
        // The button inserts what the display shows, without computing first.
        d->WpiszTekst(QStringLiteral("7+8"));
        QTest::mouseClick(d->Klawisz(QStringLiteral("Klawisz_Sch")), Qt::LeftButton);
    });
    QVERIFY(KalkulatorDlaPola(&f.okno, f.pole, wynik));
    QCOMPARE(wynik, 8.0);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("8"));
}

void TstKalkulator::polowyNadmiarNieWstawia()
{
    Forma f;
    double wynik = -1;
    bool otwarty = false;
    GdyOtwarty([&](TDlgKalkulat *d) {
        Pisz(d->Wyswietlacz(), QStringLiteral("1/0\n"));
        otwarty = d->isVisible() && d->TekstWyswietlacza() == TekstNadmiaru();
        // C and a real value: now Enter inserts.
        Pisz(d->Wyswietlacz(), QStringLiteral("c2\n"));
    });
    QVERIFY(KalkulatorDlaPola(&f.okno, f.pole, wynik));
    QVERIFY(otwarty);
    QCOMPARE(wynik, 2.0);
}

void TstKalkulator::polowyDrugiZwracaFalse()
{
    Forma f;
    double wynik = 0, drugiWynik = -1;
    bool drugi = true, obaOtwarte = false;
    // The free-standing one may be open beside it.
    PokazKalkulator(-1, -1);
    f.okno.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.okno));
    GdyOtwarty([&](TDlgKalkulat *d) {
        drugi = KalkulatorDlaPola(&f.okno, nullptr, drugiWynik, 5);
        QCOMPARE(TDlgKalkulat::DlaPola(), d);
        obaOtwarte = TDlgKalkulat::Wolnostojacy() && TDlgKalkulat::Wolnostojacy()->isVisible();
        d->WpiszTekst(QStringLiteral("3\r"));
    });
    QVERIFY(KalkulatorDlaPola(&f.okno, f.pole, wynik));
    QVERIFY(!drugi);
    QVERIFY(obaOtwarte);
    QCOMPARE(drugiWynik, -1.0);
    QCOMPARE(wynik, 3.0);
}

void TstKalkulator::polowyPodPolem()
{
    Forma f;
    double wynik = 0;
    QPoint gdzie, oczekiwane;
    bool bezRamki = false, tasma = true, natywna = false;
    int szerokosc = 0, oczekiwanaSzerokosc = 0;
    GdyOtwarty([&](TDlgKalkulat *d) {
        gdzie = d->pos();
        bezRamki = d->windowFlags() & Qt::FramelessWindowHint;
        tasma = d->TasmaWidoczna();
        natywna = d->SesjaNatywna() && d->SesjaModalna();
        szerokosc = d->width();
        oczekiwanaSzerokosc = d->SzerokKlienta() - d->SzerGradTasmy() - SkalujDpi(2);
        const QRect pole(f.pole->mapToGlobal(QPoint(0, 0)), f.pole->size());
        oczekiwane = PolozeniePodPolem(pole, d->size(), f.pole->screen()->availableGeometry(), true);
        d->close();
    });
    QVERIFY(!KalkulatorDlaPola(&f.okno, f.pole, wynik));
    QVERIFY(bezRamki);
    QVERIFY(!tasma);
    QVERIFY(natywna);
    QCOMPARE(szerokosc, oczekiwanaSzerokosc);
    QCOMPARE(gdzie, oczekiwane);
    QCOMPARE(gdzie, f.pole->mapToGlobal(QPoint(0, f.pole->height())) - QPoint(2, 2));
}

void TstKalkulator::polowyBezPola_data()
{
    QTest::addColumn<int>("szerokoscFormy");
    QTest::addColumn<bool>("tasma");
    QTest::addColumn<QString>("tytul");
    QTest::newRow("szeroka forma") << 700 << true << "Wstaw lub anuluj - kliknij obok";
    QTest::newRow("waska forma") << 200 << false << "Wstaw / Anuluj-kliknij obok";
}

void TstKalkulator::polowyBezPola()
{
    QFETCH(int, szerokoscFormy);
    QFETCH(bool, tasma);
    QFETCH(QString, tytul);
    Forma f(QSize(szerokoscFormy, 400));
    double wynik = 0;
    QPoint srodek;
    bool bezRamki = true, bezZamykania = false, widac = !tasma;
    QString napis;
    GdyOtwarty([&](TDlgKalkulat *d) {
        srodek = d->geometry().center();
        bezRamki = d->windowFlags() & Qt::FramelessWindowHint;
        bezZamykania = !(d->windowFlags() & Qt::WindowCloseButtonHint);
        widac = d->TasmaWidoczna();
        napis = d->windowTitle();
        d->close();
    });
    QVERIFY(!KalkulatorDlaPola(&f.okno, nullptr, wynik));
    QVERIFY(!bezRamki);
    QVERIFY(bezZamykania);
    QCOMPARE(widac, tasma);
    QCOMPARE(napis, tytul);
    QVERIFY2((srodek - f.okno.geometry().center()).manhattanLength() < 40,
             qPrintable(QStringLiteral("%1,%2").arg(srodek.x()).arg(srodek.y())));
}

void TstKalkulator::polowyWartoscPoczatkowa_data()
{
    QTest::addColumn<QString>("przed");   // left by an earlier calculator
    QTest::addColumn<double>("poczatek");
    QTest::addColumn<QString>("wyswietlacz");
    QTest::addColumn<int>("tasma");
    QTest::newRow("brak") << "12" << 0.0 << "12" << 0;
    QTest::newRow("ulamek po wpisie") << "12" << 1234.5 << "1234,5" << 0;
    QTest::newRow("po wyniku") << "1+2=" << 7.0 << "7" << 6;
    QTest::newRow("ujemna") << "" << -3.25 << W("-3,25") << 0;
    QTest::newRow("za duza do wpisania") << "" << 123456789012.0 << W("1,2346E+11") << 0;
}

void TstKalkulator::polowyWartoscPoczatkowa()
{
    QFETCH(QString, przed);
    QFETCH(double, poczatek);
    QFETCH(QString, wyswietlacz);
    QFETCH(int, tasma);
    {
        TDlgKalkulat wczesniejszy;
        wczesniejszy.WpiszTekst(przed);
    }
    Forma f;
    double wynik = 0;
    QString widziany;
    int linie = -1;
    GdyOtwarty([&](TDlgKalkulat *d) {
        widziany = d->TekstWyswietlacza();
        linie = d->Tasma()->count();
        QTest::keyClick(d->Wyswietlacz(), Qt::Key_Return);
    });
    QVERIFY(KalkulatorDlaPola(&f.okno, f.pole, wynik, poczatek));
    QCOMPARE(widziany, wyswietlacz);
    QCOMPARE(linie, tasma);
    if (poczatek != 0)
        QCOMPARE(wynik, TekstNaFloat(FormatWyswietlacza(poczatek), 0));
}

void TstKalkulator::polowyInneOknoZamyka()
{
    Forma f;
    QWidget inne;
    inne.resize(100, 100);
    inne.move(700, 500);
    double wynik = -1;
    bool bylAktywny = false;
    GdyOtwarty([&](TDlgKalkulat *d) {
        QTRY_VERIFY(d->isActiveWindow());
        bylAktywny = true;
        // Its own menus are part of it: they do not count as another window.
        d->PopMenu()->popup(QPoint(10, 10));
        QTRY_VERIFY(d->PopMenu()->isVisible());
        d->PopMenu()->close();
        QTest::mouseClick(d->Klawisz(QStringLiteral("Klawisz_Mpl")), Qt::LeftButton);
        QTRY_VERIFY(d->MenuPamieci()->isVisible());
        d->MenuPamieci()->close();
        QVERIFY(d->isVisible());
        d->WpiszTekst(QStringLiteral("5"));
        inne.show();
        inne.activateWindow();
    });
    QVERIFY(!KalkulatorDlaPola(&f.okno, f.pole, wynik));
    QVERIFY(bylAktywny);
    QCOMPARE(wynik, -1.0);
}

void TstKalkulator::polowyFormaZamknietaWczasie()
{
    auto *f = new Forma;
    double wynik = -1;
    GdyOtwarty([&](TDlgKalkulat *) { delete f; });
    QVERIFY(!KalkulatorDlaPola(&f->okno, f->pole, wynik));
    QCOMPARE(wynik, -1.0);
    QVERIFY(!TDlgKalkulat::DlaPola());
}

void TstKalkulator::hak()
{
    ProcKalkulator = nullptr;
    ZainstalujKalkulator();
    QVERIFY(bool(ProcKalkulator));
    Forma f;
    double wynik = 0;
    GdyOtwarty([](TDlgKalkulat *d) {
        QCOMPARE(d->TekstWyswietlacza(), QStringLiteral("2,5"));
        QTest::keyClicks(d->Wyswietlacz(), QStringLiteral("*4"));
        QTest::keyClick(d->Wyswietlacz(), Qt::Key_Enter, Qt::KeypadModifier);
    });
    QVERIFY(ProcKalkulator(&f.okno, f.pole, wynik, 2.5));
    QCOMPARE(wynik, 10.0);
    ProcKalkulator = nullptr;
}

QTEST_MAIN(TstKalkulator)
#include "tst_kalkulator.moc"
