#include "dialogs/kalkulatorlogika.h"
#include "kolumny.h"

#include <QTest>
#include <cmath>
#include <limits>

namespace {

// Keys written as in a user's notes: tokens separated by spaces; "A1", "K3", "R2" are the
// memory commands with their memory number, anything else is one key code.
void Nacisnij(TlogikaKalkulatora &k, const QString &klawisze)
{
    const QStringList tokeny = klawisze.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &t : tokeny) {
        if (t.size() == 2 && QStringLiteral("AKR").contains(t.at(0)) && t.at(1).isDigit())
            k.ObsluzKlawisz(t.at(0), t.at(1).digitValue());
        else
            k.ObsluzKlawisz(t.at(0));
    }
}

// A value right-aligned in the display's 11 characters.
QString W(const QString &s) { return s.rightJustified(kSzerokoscWyswietlacza, QLatin1Char(' ')); }
// Tape lines: numbers and operation signs after one space, a result with a space after it.
QString Liczba(const QString &s) { return QLatin1Char(' ') + W(s); }
QString Znak(char c) { return QString(kSzerokoscWyswietlacza, QLatin1Char(' ')) + QLatin1Char(c); }
QString Wynik(const QString &s) { return QLatin1Char(' ') + W(s) + QLatin1Char(' '); }

}   // namespace

class TstKalkulatorLogika : public QObject {
    Q_OBJECT
private slots:
    void init() { WyczyscStanKalkulatora(); }

    void klawisze_data();
    void klawisze();
    void tasmaDzialan_data();
    void tasmaDzialan();
    void tasmaNajwyzej39Linii();
    void formatWyswietlacza_data();
    void formatWyswietlacza();
    void przepelnienie();
    void pamieci();
    void klawiatura_data();
    void klawiatura();
    void wpiszLiczbe_data();
    void wpiszLiczbe();
    void stanNaCzasProgramu();
};

void TstKalkulatorLogika::klawisze_data()
{
    // clang-format off
    Kolumny<QString, QString>("klawisze", "wyswietlacz");
    QTest::newRow("1 + 2 =") << "1 + 2 =" << W("3");
    QTest::newRow("dzielenie przez zero") << "1 / 0 =" << " Nadmiar ! ";
    QTest::newRow("11 cyfr: tylko 10") << "1 2 3 4 5 6 7 8 9 0 1" << "1234567890";
    QTest::newRow("0 i przecinek") << "0 ." << "0,";
    QTest::newRow("przecinek po 8 znakach") << "1 2 3 4 5 6 7 8 ." << "12345678,";
    QTest::newRow("pierwiastek z 9") << "9 v" << W("3");
    QTest::newRow("cyfra po jednoargumentowej") << "9 v 5" << W("3");
    QTest::newRow("sumowanie maszynowe 5+3*2") << "5 + 3 * 2 =" << W("16");
    QTest::newRow("200 x 15 %") << "2 0 0 * 1 5 %" << W("30");
    QTest::newRow("grosze 1,235") << "1 . 2 3 5 G" << W("1,24");
    QTest::newRow("grosze 1,005") << "1 . 0 0 5 G" << W("1,01");
    QTest::newRow("grosze -1,234") << "1 . 2 3 4 Z G" << W("-1,23");
    QTest::newRow("ponad 10 cyfr: wykladnik") << "1 2 3 4 5 6 7 8 9 0 * 1 0 =" << W("1,2346E+10");
    QTest::newRow("bardzo male") << "1 / 1 0 0 0 0 0 0 0 0 0 / 1 0 0 =" << W("1,0000E-11");
    QTest::newRow("nadmiar ponad 10^30")
        << "1 0 0 0 0 0 0 0 0 0 * 1 0 0 0 0 0 0 0 0 0 * 1 0 0 0 0 0 0 0 0 0 * 1 0 0 0 0 =" << " Nadmiar ! ";
    QTest::newRow("-1/3") << "1 Z / 3 =" << "-0,33333333";
    QTest::newRow("kasowanie po wyniku zaczyna od nowa") << "1 + 2 = <" << "";
    QTest::newRow("zmiana znaku wyniku") << "1 + 2 = Z" << W("-3");
    QTest::newRow("pierwiastek z ujemnej") << "4 Z v" << " Nadmiar ! ";
    QTest::newRow("powtorzone dodawanie") << "5 + + =" << W("15");
    QTest::newRow("procent od sumy") << "5 0 + 5 0 %" << W("1");
    // clang-format on
}

void TstKalkulatorLogika::klawisze()
{
    QFETCH(QString, klawisze);
    QFETCH(QString, wyswietlacz);
    TlogikaKalkulatora k;
    Nacisnij(k, klawisze);
    QCOMPARE(k.Wyswietlacz(), wyswietlacz);
}

void TstKalkulatorLogika::tasmaDzialan_data()
{
    // clang-format off
    Kolumny<QString, QStringList>("klawisze", "tasma");
    QTest::newRow("1 + 2 =") << "1 + 2 ="
                             << QStringList{Liczba("1"), Znak('+'), Liczba("2"), Znak('='), Wynik("3"), "-------------"};
    QTest::newRow("jednoargumentowe") << "9 v ^ i G"
                                      << QStringList{Liczba("9"), "    pierw(x)", "         x^2", "         1/x",
                                                     "zaokrągl.gr."};
    QTest::newRow("procent") << "2 0 0 * 1 5 % ="
                             << QStringList{Liczba("200"), Znak('*'), Liczba("15"), Znak('%'), Znak('='), Wynik("30"),
                                            "-------------"};
    QTest::newRow("C czysci tasme") << "1 + 2 = C" << QStringList{};
    QTest::newRow("liczba w wykladniku w tej samej kolumnie")
        << "1 2 3 4 5 6 7 8 9 0 * 1 0 + 1 ="
        << QStringList{Liczba("1234567890"), Znak('*'), Liczba("10"), Znak('+'), Liczba("1"), Znak('='),
                       Wynik("1,2346E+10"), "-------------"};
    // clang-format on
}

void TstKalkulatorLogika::tasmaDzialan()
{
    QFETCH(QString, klawisze);
    QFETCH(QStringList, tasma);
    TlogikaKalkulatora k;
    Nacisnij(k, klawisze);
    QCOMPARE(k.Tasma(), tasma);
}

void TstKalkulatorLogika::tasmaNajwyzej39Linii()
{
    TlogikaKalkulatora k;
    for (int i = 1; i <= 39; ++i)
        k.DopiszDoTasmy(QString::number(i));
    QCOMPARE(k.Tasma().size(), 39);
    QCOMPARE(k.PierwszaWidocznaLinia(), 33);
    k.DopiszDoTasmy(QStringLiteral("40"));
    QCOMPARE(k.Tasma().size(), 39);
    QCOMPARE(k.Tasma().first(), QStringLiteral("2"));
    QCOMPARE(k.Tasma().last(), QStringLiteral("40"));
}

void TstKalkulatorLogika::formatWyswietlacza_data()
{
    // clang-format off
    Kolumny<double, QString>("x", "tekst");
    QTest::newRow("zero") << 0.0 << W("0");
    QTest::newRow("10 cyfr") << 9999999999.0 << W("9999999999");
    QTest::newRow("10 cyfr i ulamek") << 9999999999.4 << W("1,0000E+10");
    QTest::newRow("ponad 10 cyfr") << 12345678901.0 << W("1,2346E+10");
    QTest::newRow("ujemne ponad 10 cyfr") << -12345678901.0 << "-1,2346E+10";
    QTest::newRow("ponad 10^30") << 1.0000001e30 << " Nadmiar ! ";
    QTest::newRow("ponizej 10^-8") << 9.9e-9 << W("9,9000E-09");
    QTest::newRow("trzycyfrowy wykladnik") << 1e-100 << "1,0000E-100";
    QTest::newRow("zaokraglenie mantysy") << 99999.5e10 << W("1,0000E+15");
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << " Nadmiar ! ";
    // clang-format on
}

void TstKalkulatorLogika::formatWyswietlacza()
{
    QFETCH(double, x);
    QFETCH(QString, tekst);
    QCOMPARE(FormatWyswietlacza(x), tekst);
    QCOMPARE(FormatWyswietlacza(x).size(), kSzerokoscWyswietlacza);
}

void TstKalkulatorLogika::przepelnienie()
{
    // The total runs in extended precision: past 10^30 it is shown as the overflow text but
    // can come back; past the extended range it becomes the error value, never infinity.
    TlogikaKalkulatora k;
    Nacisnij(k, QStringLiteral("1 0 0 0 0 0 0 0 0 0 ^ ^ /"));
    QCOMPARE(k.Wyswietlacz(), " Nadmiar ! ");
    Nacisnij(k, QStringLiteral("1 0 0 0 0 0 0 0 0 0 / 1 0 0 0 0 0 0 0 0 0 ="));
    QCOMPARE(k.Wyswietlacz(), W("1,0000E+18"));
    long double s = 1e4000L;
    Dzialanie(QLatin1Char('*'), s, 1e4000L);
    QCOMPARE(double(s), double(kNadmiar));
    s = -1e4932L;
    Dzialanie(QLatin1Char('-'), s, 1e4932L);
    QCOMPARE(double(s), double(kNadmiar));
}

void TstKalkulatorLogika::pamieci()
{
    TlogikaKalkulatora k;
    QCOMPARE(k.ZnacznikPamieci(), QLatin1Char(' '));
    Nacisnij(k, QStringLiteral("5 A1 A1 A5"));
    QCOMPARE(k.ZnacznikPamieci(), QLatin1Char('P'));
    QCOMPARE(double(k.Pamiec(1)), 10.0);
    Nacisnij(k, QStringLiteral("K1"));
    QCOMPARE(k.ZnacznikPamieci(), QLatin1Char('P'));
    Nacisnij(k, QStringLiteral("K5"));
    QCOMPARE(k.ZnacznikPamieci(), QLatin1Char(' '));

    // Recall shows the memory as a computed value: the display is full. C clears memories too.
    Nacisnij(k, QStringLiteral("C 1 2 . 5 A3 + 1 R3 7"));
    QCOMPARE(k.Wyswietlacz(), W("12,5"));
    QCOMPARE(double(k.Argument()), 12.5);
    Nacisnij(k, QStringLiteral("C"));
    QCOMPARE(k.ZnacznikPamieci(), QLatin1Char(' '));

    // From the clipboard: a number (trimmed, thousands separators ignored) or nothing.
    QVERIFY(k.DodajDoPamieci(3, QStringLiteral("1.234,5\n")));
    QVERIFY(!k.DodajDoPamieci(3, QStringLiteral("abc")));
    QVERIFY(!k.DodajDoPamieci(6, QStringLiteral("5")));
    QCOMPARE(double(k.Pamiec(3)), 1234.5);

    // The overflow text adds nothing; memories out of range are ignored.
    Nacisnij(k, QStringLiteral("C 1 / 0 = A2"));
    k.ObsluzKlawisz(QLatin1Char('A'), 0);
    k.ObsluzKlawisz(QLatin1Char('R'), 9);
    QCOMPARE(k.ZnacznikPamieci(), QLatin1Char(' '));
    QCOMPARE(k.Wyswietlacz(), W("0"));
}

void TstKalkulatorLogika::klawiatura_data()
{
    // clang-format off
    Kolumny<QString, QString, bool>("znak", "poprzedni", "polowy");
    QTest::addColumn<QString>("kod");   // empty: none
    QTest::addColumn<int>("akcja");
    const int nic = int(TakcjaKlawisza::Nic);
    QTest::newRow("cyfra") << "7" << "" << false << "7" << nic;
    QTest::newRow("enter w polu") << QString(QChar(kZnakEnter)) << "" << true << "=" << int(TakcjaKlawisza::Wstaw);
    QTest::newRow("escape w polu") << QString(QChar(kZnakEscape)) << "" << true << "" << int(TakcjaKlawisza::Zamknij);
    QTest::newRow("g male") << "g" << "" << false << "G" << nic;
    QTest::newRow("M plus") << "+" << "m" << false << "" << int(TakcjaKlawisza::MenuDodaj);
    QTest::newRow("s") << "s" << "" << false << "" << int(TakcjaKlawisza::Wstaw);
    QTest::newRow("s w polu") << "s" << "" << true << "" << nic;
    QTest::newRow("litera polska") << "ą" << "" << false << "" << nic;
    QTest::newRow("Ctrl+C") << QString(QChar(kZnakCtrlC)) << "" << true << "" << int(TakcjaKlawisza::Kopiuj);
    // clang-format on
}

void TstKalkulatorLogika::klawiatura()
{
    QFETCH(QString, znak);
    QFETCH(QString, poprzedni);
    QFETCH(bool, polowy);
    QFETCH(QString, kod);
    QFETCH(int, akcja);
    const TklawiszKalk k = KlawiszKalkulatora(znak.at(0), poprzedni.isEmpty() ? QChar() : poprzedni.at(0), polowy);
    QCOMPARE(k.kod.isNull() ? QString() : QString(k.kod), kod);
    QCOMPARE(int(k.akcja), akcja);
}

void TstKalkulatorLogika::wpiszLiczbe_data()
{
    // clang-format off
    QTest::addColumn<QString>("przed");   // keys before
    Kolumny<QString, bool, QString, double>("tekst", "liczba", "wyswietlacz", "argument");
    QTest::newRow("jak wpisana") << "" << "12,50" << true << "12,50" << 12.5;
    QTest::newRow("dopisana do wpisu") << "1 2" << "5" << true << "125" << 125.0;
    QTest::newRow("ujemna") << "" << "-5" << true << W("-5") << -5.0;
    QTest::newRow("wykladnik") << "" << "1e5" << true << W("100000") << 100000.0;
    QTest::newRow("za dluga do wpisania") << "" << "12345678901" << true << W("1,2346E+10") << 12345678901.0;
    QTest::newRow("po jednoargumentowej") << "9 v" << "7" << true << W("7") << 7.0;
    QTest::newRow("tekst") << "4" << "abc" << false << "4" << 4.0;
    QTest::newRow("10000 cyfr") << "4" << QString(10000, QLatin1Char('7')) << false << "4" << 4.0;
    QTest::newRow("dawny znacznik nie-liczby") << "" << "-2147483647" << true << "-2147483647" << -2147483647.0;
    // clang-format on
}

void TstKalkulatorLogika::wpiszLiczbe()
{
    QFETCH(QString, przed);
    QFETCH(QString, tekst);
    QFETCH(bool, liczba);
    QFETCH(QString, wyswietlacz);
    QFETCH(double, argument);
    TlogikaKalkulatora k;
    Nacisnij(k, przed);
    const QStringList tasma = k.Tasma();
    QCOMPARE(k.WpiszLiczbe(tekst), liczba);
    QCOMPARE(k.Wyswietlacz(), wyswietlacz);
    QCOMPARE(double(k.Argument()), argument);
    // Putting a number on the display is no operation.
    QCOMPARE(k.Tasma(), tasma);
    if (liczba)
        QVERIFY(!k.DajArgum());
}

void TstKalkulatorLogika::stanNaCzasProgramu()
{
    TlogikaKalkulatora pusty(OdtworzStanKalkulatora());
    QVERIFY(pusty.Wyswietlacz().isEmpty() && pusty.DajArgum() && pusty.LastFunkc() == QLatin1Char('+'));

    TlogikaKalkulatora k;
    Nacisnij(k, QStringLiteral("7 A4 + 5"));
    TstanKalkulatora s = k.Stan();
    s.Wyswietlacz = QString(30, QLatin1Char('9'));
    s.Tasma = QStringList(50, QString(25, QLatin1Char('-')));
    s.Tasma.last() = QStringLiteral("ostatnia");
    ZapiszStanKalkulatora(s);

    TlogikaKalkulatora nowy(OdtworzStanKalkulatora());
    QCOMPARE(nowy.Wyswietlacz(), QString(20, QLatin1Char('9')));
    QCOMPARE(nowy.Tasma().size(), 40);
    QCOMPARE(nowy.Tasma().first(), QString(20, QLatin1Char('-')));
    QCOMPARE(nowy.Tasma().last(), QStringLiteral("ostatnia"));
    QCOMPARE(double(nowy.Pamiec(4)), 7.0);
    QCOMPARE(double(nowy.CalaSuma()), 7.0);
    QCOMPARE(double(nowy.Argument()), 5.0);
    QVERIFY(!nowy.DajArgum());
    QCOMPARE(nowy.ZnacznikPamieci(), QLatin1Char('P'));
}

QTEST_APPLESS_MAIN(TstKalkulatorLogika)
#include "tst_kalkulatorlogika.moc"
