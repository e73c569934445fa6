#include "dialogs/kalkulator.h"
#include "dialogs/polozenie.h"
#include "kolumny.h"

#include "common/paleta.h"
#include "common/program.h"
#include "controls/platforma.h"

#include "gdyotwarte.h"
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
QPoint Srodek() { return QGuiApplication::primaryScreen()->availableGeometry().center(); }
bool Blisko(QPoint a, QPoint b) { return (a - b).manhattanLength() < 40; }
QStringList Linie(const QListWidget *t)
{
    QStringList l;
    for (int i = 0; i < t->count(); ++i)
        l.append(t->item(i)->text());
    return l;
}

// Types as the keyboard would: "\n" is Enter, "\b" Backspace, "\x1b" Escape.
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

void GdyOtwarty(std::function<void(TDlgKalkulat *)> co)
{
    GdyOtwarte::Uruchom<TDlgKalkulat>([] { return TDlgKalkulat::DlaPola(); }, co);
}

// The window a field calculator is called from.
struct Forma {
    QWidget okno;
    QLineEdit *pole;
    explicit Forma(QSize rozmiar = QSize(400, 300))
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

}   // namespace

class TstKalkulator : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void klawiaturaDoWyswietlacza_data();
    void klawiaturaDoWyswietlacza();
    void przyciskiITasma();
    void menuPamieci_data();
    void menuPamieci();
    void schowek_data();
    void schowek();
    void importZeSchowka();
    void tasmaIWyglad();
    void wolnyJedenRaz();
    void wolnyZostajeObokInnychOkien();
    void stanMiedzyOknami();

    void polowyWynik_data();
    void polowyWynik();
    void polowyDrugiZwracaFalse();
    void polowyPolozenie_data();
    void polowyPolozenie();
    void polowyInneOknoZamyka();
    void polowyFormaZamknietaWczasie();
    void hak();
};

void TstKalkulator::init()
{
    UstawStyl(sa_Win10nor);
    WyczyscStanKalkulatora();
    QGuiApplication::clipboard()->setText(QStringLiteral("poprzedni"));
}

void TstKalkulator::cleanup()
{
    const bool awaryjnie = GdyOtwarte::Sprzataj();
    delete TDlgKalkulat::Wolnostojacy();
    QVERIFY(!awaryjnie);
    QVERIFY(!TDlgKalkulat::DlaPola());
}

void TstKalkulator::klawiaturaDoWyswietlacza_data()
{
    // clang-format off
    Kolumny<QString, QString, int>("klawisze", "wyswietlacz", "linieTasmy");
    QTest::newRow("1+2 Enter") << "1+2\n" << W("3") << 6;
    QTest::newRow("przecinek, kropka, backspace, z") << "12,5\b.7z" << W("-12,7") << 0;
    QTest::newRow("*, %, g; cyfra po jednoargumentowej") << "200*15%7g" << W("30") << 5;
    QTest::newRow("dzielenie przez zero") << "1/0\n" << " Nadmiar ! " << 6;
    QTest::newRow("c kasuje") << "1+2\nc" << "" << 0;
    QTest::newRow("litery i znaki obce pominiete") << "1xąy\t2" << "12" << 0;
    QTest::newRow("s i escape w wolnym zostawiaja okno") << "5s\x1b" "6" << "56" << 0;
    // clang-format on
}

void TstKalkulator::klawiaturaDoWyswietlacza()
{
    QFETCH(QString, klawisze);
    QFETCH(QString, wyswietlacz);
    QFETCH(int, linieTasmy);
    PokazKalkulator(-1, -1);
    TDlgKalkulat *k = TDlgKalkulat::Wolnostojacy();
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
    // Every key of the pad gives its own code.
    const QList<QPair<const char *, QString>> klawisze = {
        {"Klawisz_1", "1"},         {"Klawisz_sep", "1,"},
        {"Klawisz_5", "1,5"},       {"Klawisz_Dod", W("1,5")},
        {"Klawisz_2", "2"},         {"Klawisz_Equ", W("3,5")},
        {"Klawisz_9", "9"},         {"Klawisz_Sqrt", W("3")},
        {"Klawisz_X2", W("9")},     {"Klawisz_Inv", W("0,111111111")},
        {"Klawisz_Clr", ""},        {"Klawisz_8", "8"},
        {"Klawisz_Del", ""},        {"Klawisz_4", "4"},
        {"Klawisz_Znk", W("-4")},   {"Klawisz_raz", W("-4")},
        {"Klawisz_3", "3"},         {"Klawisz_min", W("-12")},
        {"Klawisz_6", "6"},         {"Klawisz_div", W("-18")},
        {"Klawisz_7", "7"},         {"Klawisz_Prc", "-0,02571429"},
        {"Klawisz_Gr", W("-0,03")}, {"Klawisz_0", W("-0,03")},
    };
    for (const auto &[nazwa, wynik] : klawisze) {
        QTest::mouseClick(k.Klawisz(QLatin1String(nazwa)), Qt::LeftButton);
        QVERIFY2(k.TekstWyswietlacza() == wynik, nazwa);
    }
    QCOMPARE(Linie(k.Tasma()).first(), QStringLiteral("          -4"));   // C emptied the tape

    // A long tape scrolls so that its last line is in view.
    for (int i = 0; i < 10; ++i)
        k.WpiszTekst(QStringLiteral("1+2="));
    QListWidget *t = k.Tasma();
    QCOMPARE(t->count(), kLiniiTasmy);
    QVERIFY(t->viewport()->rect().contains(t->visualItemRect(t->item(t->count() - 1))));
}

void TstKalkulator::menuPamieci_data()
{
    // clang-format off
    QTest::addColumn<QString>("klawisze");   // "!" clicks the button instead
    Kolumny<QString, bool, QString>("przycisk", "menu", "oper");
    QTest::newRow("przycisk M+") << "5!" << "Klawisz_Mpl" << true << "A";
    QTest::newRow("przycisk MR") << "5!" << "Klawisz_Mre" << true << "R";
    QTest::newRow("przycisk MC") << "5!" << "Klawisz_Mcl" << true << "K";
    QTest::newRow("M +") << "5m+" << "Klawisz_Mpl" << true << "A";
    QTest::newRow("M C") << "5mc" << "Klawisz_Mcl" << true << "K";
    QTest::newRow("M R") << "5Mr" << "Klawisz_Mre" << true << "R";
    QTest::newRow("M, cyfra, + to dodawanie") << "5m1+" << "" << false << "A";
    // clang-format on
}

void TstKalkulator::menuPamieci()
{
    QFETCH(QString, klawisze);
    QFETCH(QString, przycisk);
    QFETCH(bool, menu);
    QFETCH(QString, oper);
    TDlgKalkulat k;
    k.show();
    QVERIFY(QTest::qWaitForWindowExposed(&k));
    QCOMPARE(k.Znacznik()->text(), QStringLiteral(" "));
    k.WpiszTekst(QStringLiteral("5"));
    k.ObsluzKlawisz(QLatin1Char('A'), 2);   // B = 5
    k.WpiszTekst(QStringLiteral("+"));
    QCOMPARE(k.Znacznik()->text(), QStringLiteral("P"));
    for (QChar c : klawisze) {
        if (c == QLatin1Char('!'))
            QTest::mouseClick(k.Klawisz(przycisk), Qt::LeftButton);
        else
            Pisz(k.Wyswietlacz(), QString(c));
    }
    QCOMPARE(k.MenuPamieci()->isVisible(), menu);
    QCOMPARE(k.MemOper(), oper.at(0));
    if (!menu)
        return;
    const QAbstractButton *b = k.Klawisz(przycisk);
    QCOMPARE(k.MenuPamieci()->pos(), b->mapToGlobal(QPoint(0, b->height())));
    QStringList napisy;
    for (QAction *a : k.MenuPamieci()->actions())
        napisy.append(a->text().remove(QLatin1Char('&')));
    QCOMPARE(napisy, QStringList({"A=" + W("0"), "B=" + W("5"), "C=" + W("0"), "D=" + W("0"), "E=" + W("0")}));

    // Item B: add 5 to B, recall it, or clear it.
    k.MenuPamieci()->actions().at(1)->trigger();
    k.MenuPamieci()->close();
    const double b2 = double(k.Logika().Pamiec(2));
    QCOMPARE(b2, oper == "A" ? 10.0 : oper == "R" ? 5.0 : 0.0);
    QCOMPARE(k.Znacznik()->text(), oper == "K" ? QStringLiteral(" ") : QStringLiteral("P"));
    QCOMPARE(k.TekstWyswietlacza(), oper == "R" ? W("5") : QStringLiteral("5"));
}

void TstKalkulator::schowek_data()
{
    // clang-format off
    QTest::addColumn<QString>("klawisze");
    QTest::addColumn<QString>("sposob");   // button, S or Ctrl+C
    QTest::addColumn<QString>("schowek");
    QTest::newRow("przycisk") << "1/3=" << "przycisk" << "0,333333333";
    QTest::newRow("klawisz S") << "12,50" << "S" << "12,5";
    QTest::newRow("Ctrl+C, wykladnik") << "1234567890*10=" << "Ctrl+C" << "1,2346E+10";
    QTest::newRow("pusty to 0") << "" << "przycisk" << "0";
    QTest::newRow("nadmiar nie trafia do schowka") << "1/0=" << "przycisk" << "poprzedni";
    // clang-format on
}

void TstKalkulator::schowek()
{
    QFETCH(QString, klawisze);
    QFETCH(QString, sposob);
    QFETCH(QString, schowek);
    TDlgKalkulat k;
    k.WpiszTekst(klawisze);
    const QString przed = k.TekstWyswietlacza();
    if (sposob == QLatin1String("przycisk"))
        QTest::mouseClick(k.Klawisz(QStringLiteral("Klawisz_Sch")), Qt::LeftButton);
    else if (sposob == QLatin1String("S"))
        QTest::keyClick(k.Wyswietlacz(), 's');
    else
        QTest::keyClick(k.Wyswietlacz(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), schowek);
    QCOMPARE(k.TekstWyswietlacza(), przed);
    QCOMPARE(k.Klawisz(QStringLiteral("Klawisz_Sch"))->text(), QStringLiteral("Do schowka"));
}

void TstKalkulator::importZeSchowka()
{
    TDlgKalkulat k;
    QCOMPARE(k.PopMen_Import()->text(), QStringLiteral("Wklej ze schowka na wyświetlacz"));
    QCOMPARE(k.PopMen_mem(3)->text(), QStringLiteral("Dodaj ze schowka do pamęci   C"));
    QGuiApplication::clipboard()->setText(QStringLiteral("1.234,50"));
    k.PopMen_Import()->trigger();
    QCOMPARE(k.TekstWyswietlacza(), QStringLiteral("1234,50"));
    QGuiApplication::clipboard()->setText(QStringLiteral("-2"));
    k.PopMen_mem(3)->trigger();
    QCOMPARE(k.Znacznik()->text(), QStringLiteral("P"));
    // Ctrl+V does what the menu does.
    QTest::keyClick(k.Wyswietlacz(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(k.TekstWyswietlacza(), W("-2"));
}

void TstKalkulator::tasmaIWyglad()
{
    TDlgKalkulat k;
    k.show();
    QVERIFY(QTest::qWaitForWindowExposed(&k));
    QCOMPARE(k.windowTitle(), QStringLiteral("Kalkulator (używa schowka)"));
    QVERIFY(!(k.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(k.PopMen_Tasma()->text(), QStringLiteral("Pokazuj taśmę historii obliczeń"));
    QVERIFY(k.TasmaWidoczna() && k.PopMen_Tasma()->isChecked() && k.PanelTasmy()->isVisible());
    QCOMPARE(k.size(), QSize(k.SzerokKlienta(), k.minimumHeight()));
    QCOMPARE(k.minimumSize(), k.maximumSize());
    QVERIFY(QFontInfo(k.Tasma()->font()).fixedPitch());

    // Keys 27 × 23 in 5 columns and 6 rows, the clipboard key three columns wide.
    QCOMPARE(k.Klawisz(QStringLiteral("Klawisz_7"))->size(), QSize(SkalujDpi(27), SkalujDpi(23)));
    QCOMPARE(k.Klawisz(QStringLiteral("Klawisz_Sch"))->width(), SkalujDpi(3 * 27 + 2 * 2));
    QCOMPARE(k.Klawisz(QStringLiteral("Klawisz_Mpl"))->y(), k.Klawisz(QStringLiteral("Klawisz_Del"))->y());
    QCOMPARE(k.Klawisz(QStringLiteral("Klawisz_Clr"))->x(), k.Klawisz(QStringLiteral("Klawisz_0"))->x());
    for (QWidget *w : k.findChildren<QWidget *>())
        if (w->parentWidget() == &k && w->isVisible())
            QVERIFY2(k.rect().contains(w->geometry()), qPrintable(w->objectName()));
    QCOMPARE(k.Wyswietlacz()->grab().toImage().pixelColor(3, 3), QColor(229, 243, 255));

    // Hints: the part before "|"; the display's and the tape's lines broken.
    QCOMPARE(k.Klawisz(QStringLiteral("Klawisz_Mpl"))->toolTip(),
             QStringLiteral(" Dodaj do jednej z pamięci  A .. E "));
    QCOMPARE(
        k.Klawisz(QStringLiteral("Klawisz_Del"))->toolTip(),
        QStringLiteral(" Usuń cyfrę z wyświetlacza.\n Na klawiaturze komputera \n szara strzałka nad  \"Enter\"."));
    QCOMPARE(k.Wyswietlacz()->toolTip().count(QLatin1Char('\n')), 3);

    // Without the tape the window narrows; the keypad stays whole.
    k.PopMen_Tasma()->trigger();
    QVERIFY(!k.TasmaWidoczna() && !k.PanelTasmy()->isVisible());
    QCOMPARE(k.width(), k.SzerokKlienta() - k.SzerGradTasmy() - SkalujDpi(2));
    QVERIFY(k.Klawisz(QStringLiteral("Klawisz_Sqrt"))->geometry().right() < k.width() - SkalujDpi(4));
    k.PopMen_Tasma()->trigger();
    QCOMPARE(k.width(), k.SzerokKlienta());
}

void TstKalkulator::wolnyJedenRaz()
{
    PokazKalkulator(-1, -1);
    QPointer<TDlgKalkulat> pierwszy = TDlgKalkulat::Wolnostojacy();
    QVERIFY(pierwszy && !pierwszy->SesjaModalna());
    QVERIFY(Blisko(pierwszy->geometry().center(), Srodek()));
    pierwszy->showMinimized();
    PokazKalkulator(300, 300);
    QCOMPARE(TDlgKalkulat::Wolnostojacy(), pierwszy.data());
    QVERIFY(!(pierwszy->windowState() & Qt::WindowMinimized) && pierwszy->isVisible());
    QVERIFY(pierwszy->pos() != QPoint(300, 300));
    const QWidgetList okna = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(okna.begin(), okna.end(), [](QWidget *w) { return qobject_cast<TDlgKalkulat *>(w); }), 1);

    // Closing destroys it; the next one opens where it was (-2), where it is told, or
    // centred (-1 in either coordinate, or a remembered place no screen shows any more).
    pierwszy->move(150, 90);
    pierwszy->close();
    QTRY_VERIFY(!pierwszy);
    PokazKalkulator(-2, -2);
    QCOMPARE(TDlgKalkulat::Wolnostojacy()->pos(), QPoint(150, 90));
    delete TDlgKalkulat::Wolnostojacy();
    PokazKalkulator(120, 80);
    QCOMPARE(TDlgKalkulat::Wolnostojacy()->pos(), QPoint(120, 80));
    TDlgKalkulat::Wolnostojacy()->move(-5000, -5000);
    delete TDlgKalkulat::Wolnostojacy();
    PokazKalkulator(-2, -2);
    QVERIFY(Blisko(TDlgKalkulat::Wolnostojacy()->geometry().center(), Srodek()));
    delete TDlgKalkulat::Wolnostojacy();
    PokazKalkulator(100, -1);
    QVERIFY(Blisko(TDlgKalkulat::Wolnostojacy()->geometry().center(), Srodek()));
}

void TstKalkulator::wolnyZostajeObokInnychOkien()
{
    PokazKalkulator(-1, -1);
    const QPointer<TDlgKalkulat> k = TDlgKalkulat::Wolnostojacy();
    QVERIFY(QTest::qWaitForWindowActive(k));
    // Unlike the field calculator it stays open while the user works in another window.
    Forma f;
    QCoreApplication::processEvents();
    QVERIFY(k && k->isVisible());
}

void TstKalkulator::stanMiedzyOknami()
{
    PokazKalkulator(-1, -1);
    TDlgKalkulat *k = TDlgKalkulat::Wolnostojacy();
    k->WpiszTekst(QStringLiteral("4+5=7"));
    k->ObsluzKlawisz(QLatin1Char('A'), 2);
    k->close();
    QTRY_VERIFY(!TDlgKalkulat::Wolnostojacy());

    // The field calculator goes on where the free-standing one stopped, and the next
    // free-standing one where the field calculator stopped.
    Forma f;
    double wynik = 0;
    QStringList tasma;
    QString wyswietlacz, znacznik;
    GdyOtwarty([&](TDlgKalkulat *d) {
        wyswietlacz = d->TekstWyswietlacza();
        znacznik = d->Znacznik()->text();
        tasma = Linie(d->Tasma());
        d->WpiszTekst(QStringLiteral("+1\x1b"));
    });
    QVERIFY(!KalkulatorDlaPola(&f.okno, nullptr, wynik));
    QCOMPARE(wyswietlacz, QStringLiteral("7"));
    QCOMPARE(znacznik, QStringLiteral("P"));
    QCOMPARE(tasma.size(), 6);
    QCOMPARE(tasma.at(4), QStringLiteral("           9 "));
    PokazKalkulator(-2, -2);
    QCOMPARE(TDlgKalkulat::Wolnostojacy()->TekstWyswietlacza(), QStringLiteral("1"));
    QCOMPARE(double(TDlgKalkulat::Wolnostojacy()->Logika().CalaSuma()), 7.0);
}

void TstKalkulator::polowyWynik_data()
{
    // clang-format off
    QTest::addColumn<double>("poczatek");
    QTest::addColumn<QString>("klawisze");   // "\n" Enter, "\x1b" Escape
    QTest::addColumn<QString>("koniec");     // after the keys: nothing, the button, closing
    QTest::addColumn<QString>("widziany");   // the display when it opened
    Kolumny<bool, double, QString>("wstawiono", "wynik", "schowek");
    QTest::newRow("Enter liczy i wstawia") << 0.0 << "12,5*2\n" << "" << "" << true << 25.0 << "25";
    QTest::newRow("Escape") << 0.0 << "12+3\x1b" << "" << "" << false << -1.0 << "poprzedni";
    QTest::newRow("zamkniety, S nic nie kopiuje") << 0.0 << "8s" << "zamknij" << "" << false << -1.0 << "poprzedni";
    QTest::newRow("przycisk wstawia wyswietlacz") << 0.0 << "7+8" << "przycisk" << "" << true << 8.0 << "8";
    QTest::newRow("nadmiar nie jest wstawiany") << 0.0 << "1/0\nc2\n" << "" << "" << true << 2.0 << "2";
    QTest::newRow("wartosc poczatkowa") << 1234.5 << "\n" << "" << "1234,5" << true << 1234.5 << "1234,5";
    QTest::newRow("ujemna poczatkowa") << -3.25 << "*2\n" << "" << W("-3,25") << true << -6.5 << "-6,5";
    QTest::newRow("poczatkowa za dluga do wpisania")
        << 123456789012.0 << "\n" << "" << W("1,2346E+11") << true << 123460000000.0 << "1,2346E+11";
    // clang-format on
}

void TstKalkulator::polowyWynik()
{
    QFETCH(double, poczatek);
    QFETCH(QString, klawisze);
    QFETCH(QString, koniec);
    QFETCH(QString, widziany);
    QFETCH(bool, wstawiono);
    QFETCH(double, wynik);
    QFETCH(QString, schowek);
    if (poczatek != 0) {
        // Left by an earlier calculator: a starting value replaces it.
        TDlgKalkulat wczesniejszy;
        wczesniejszy.WpiszTekst(QStringLiteral("99"));
    }
    Forma f;
    double w = -1;
    QString naPoczatku, przycisk;
    GdyOtwarty([&](TDlgKalkulat *d) {
        naPoczatku = d->TekstWyswietlacza();
        przycisk = d->Klawisz(QStringLiteral("Klawisz_Sch"))->text();
        QTRY_VERIFY(d->isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), d->Wyswietlacz());
        Pisz(QApplication::focusWidget(), klawisze);
        if (koniec == QLatin1String("przycisk"))
            QTest::mouseClick(d->Klawisz(QStringLiteral("Klawisz_Sch")), Qt::LeftButton);
        else if (koniec == QLatin1String("zamknij"))
            d->close();
    });
    QCOMPARE(KalkulatorDlaPola(&f.okno, f.pole, w, poczatek), wstawiono);
    QCOMPARE(naPoczatku, widziany);
    QCOMPARE(przycisk, QStringLiteral("Wstaw w pole"));
    QCOMPARE(w, wynik);
    QCOMPARE(QGuiApplication::clipboard()->text(), schowek);
}

void TstKalkulator::polowyDrugiZwracaFalse()
{
    // The free-standing calculator may be open beside it.
    PokazKalkulator(-1, -1);
    Forma f;
    double wynik = 0, drugiWynik = -1;
    bool drugi = true, obaOtwarte = false;
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

void TstKalkulator::polowyPolozenie_data()
{
    // clang-format off
    Kolumny<bool, int, bool, QString>("zPolem", "szerokoscFormy", "tasma", "tytul");
    QTest::newRow("pod polem") << true << 700 << false << "Kalkulator (używa schowka)";
    QTest::newRow("bez pola, szeroka forma") << false << 700 << true << "Wstaw lub anuluj - kliknij obok";
    QTest::newRow("bez pola, waska forma") << false << 200 << false << "Wstaw / Anuluj-kliknij obok";
    // clang-format on
}

void TstKalkulator::polowyPolozenie()
{
    QFETCH(bool, zPolem);
    QFETCH(int, szerokoscFormy);
    QFETCH(bool, tasma);
    QFETCH(QString, tytul);
    Forma f(QSize(szerokoscFormy, 400));
    double wynik = 0;
    QRect gdzie;
    QPoint oczekiwane;
    Qt::WindowFlags flagi;
    bool widac = !tasma, natywna = !zPolem;
    int szerokoscBezTasmy = 0;
    QString napis;
    GdyOtwarty([&](TDlgKalkulat *d) {
        gdzie = d->geometry();
        flagi = d->windowFlags();
        widac = d->TasmaWidoczna();
        natywna = d->SesjaNatywna();
        napis = d->windowTitle();
        szerokoscBezTasmy = d->SzerokKlienta() - d->SzerGradTasmy() - SkalujDpi(2);
        const QRect pole(f.pole->mapToGlobal(QPoint(0, 0)), f.pole->size());
        oczekiwane = PolozeniePodPolem(pole, d->size(), f.pole->screen()->availableGeometry(), true);
        d->close();
    });
    QVERIFY(!KalkulatorDlaPola(&f.okno, zPolem ? f.pole : nullptr, wynik));
    QCOMPARE(widac, tasma);
    QCOMPARE(natywna, zPolem);
    QCOMPARE(napis, tytul);
    QCOMPARE(bool(flagi & Qt::FramelessWindowHint), zPolem);
    QVERIFY(!(flagi & Qt::WindowCloseButtonHint));
    if (!tasma)
        QCOMPARE(gdzie.width(), szerokoscBezTasmy);
    if (zPolem) {
        QCOMPARE(gdzie.topLeft(), oczekiwane);
        QCOMPARE(gdzie.topLeft(), f.pole->mapToGlobal(QPoint(0, f.pole->height())) - QPoint(2, 2));
    } else {
        QVERIFY(Blisko(gdzie.center(), f.okno.geometry().center()));
    }
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
