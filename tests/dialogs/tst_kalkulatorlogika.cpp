#include "dialogs/kalkulatorlogika.h"

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

} // namespace

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
    void dzialanie_data();
    void dzialanie();
    void przepelnienie();
    void pamieci();
    void klawiatura_data();
    void klawiatura();
    void wpiszLiczbe_data();
    void wpiszLiczbe();
    void dodajDoPamieciZTekstu_data();
    void dodajDoPamieciZTekstu();
    void wartoscWyswietlacza();
    void stanNaCzasProgramu();
};

void TstKalkulatorLogika::klawisze_data()
{
    QTest::addColumn<QString>("klawisze");
    QTest::addColumn<QString>("wyswietlacz");
    QTest::newRow("1 + 2 =") << "1 + 2 =" << W("3");
    QTest::newRow("dzielenie przez zero") << "1 / 0 =" << " Nadmiar ! ";
    QTest::newRow("zero przez zero") << "0 / 0 =" << " Nadmiar ! ";
    QTest::newRow("11 cyfr: tylko 10") << "1 2 3 4 5 6 7 8 9 0 1" << "1234567890";
    QTest::newRow("przecinek na pustym") << "." << "";
    QTest::newRow("0 i przecinek") << "0 ." << "0,";
    QTest::newRow("drugi przecinek") << "1 . . 5" << "1,5";
    QTest::newRow("przecinek po 8 znakach") << "1 2 3 4 5 6 7 8 ." << "12345678,";
    QTest::newRow("przecinek po 9 znakach") << "1 2 3 4 5 6 7 8 9 ." << "123456789";
    QTest::newRow("pierwiastek z 9") << "9 v" << W("3");
    QTest::newRow("cyfra po jednoargumentowej") << "9 v 5" << W("3");
    QTest::newRow("sumowanie maszynowe 5+3*2") << "5 + 3 * 2 =" << W("16");
    QTest::newRow("200 x 15 %") << "2 0 0 * 1 5 %" << W("30");
    QTest::newRow("grosze 1,234") << "1 . 2 3 4 G" << W("1,23");
    QTest::newRow("grosze 1,235") << "1 . 2 3 5 G" << W("1,24");
    QTest::newRow("grosze 1,005") << "1 . 0 0 5 G" << W("1,01");
    QTest::newRow("grosze -1,234") << "1 . 2 3 4 Z G" << W("-1,23");
    QTest::newRow("grosze -1,236") << "1 . 2 3 6 Z G" << W("-1,24");
    QTest::newRow("grosze -1,235") << "1 . 2 3 5 Z G" << W("-1,24");
    QTest::newRow("ponad 10 cyfr: wykladnik") << "1 2 3 4 5 6 7 8 9 0 * 1 0 =" << W("1,2346E+10");
    QTest::newRow("ujemny wykladnik") << "1 2 3 4 5 6 7 8 9 0 * 1 0 0 Z =" << "-1,2346E+11";
    QTest::newRow("bardzo male") << "1 / 1 0 0 0 0 0 0 0 0 0 / 1 0 0 =" << W("1,0000E-11");
    QTest::newRow("nadmiar ponad 10^30")
        << "1 0 0 0 0 0 0 0 0 0 * 1 0 0 0 0 0 0 0 0 0 * 1 0 0 0 0 0 0 0 0 0 * 1 0 0 0 0 =" << " Nadmiar ! ";
    QTest::newRow("1/3") << "1 / 3 =" << "0,333333333";
    QTest::newRow("-1/3") << "1 Z / 3 =" << "-0,33333333";
    QTest::newRow("kasowanie cyfry") << "1 2 3 <" << "12";
    QTest::newRow("kasowanie na pustym") << "<" << "";
    QTest::newRow("kasowanie po wyniku zaczyna od nowa") << "1 + 2 = <" << "";
    QTest::newRow("zmiana znaku") << "2 Z" << W("-2");
    QTest::newRow("zmiana znaku wyniku") << "1 + 2 = Z" << W("-3");
    QTest::newRow("pierwiastek z ujemnej") << "4 Z v" << " Nadmiar ! ";
    QTest::newRow("odwrotnosc zera") << "0 i" << " Nadmiar ! ";
    QTest::newRow("odwrotnosc") << "4 i" << W("0,25");
    QTest::newRow("kwadrat") << "1 2 ^" << W("144");
    QTest::newRow("po nadmiarze C") << "1 / 0 = C" << "";
    QTest::newRow("nowa liczba po dzialaniu") << "5 + 7" << "7";
    QTest::newRow("powtorzone dodawanie") << "5 + + =" << W("15");
    QTest::newRow("wynik dalej w rachunku") << "1 + 2 = + 4 =" << W("7");
    QTest::newRow("jednoargumentowa i dalej") << "9 v + 1 =" << W("4");
    QTest::newRow("zera z przodu") << "0 0 5 + 1 =" << W("6");
    QTest::newRow("pamiec do rachunku") << "7 A2 + R2 =" << W("14");
    QTest::newRow("procent od sumy") << "5 0 + 5 0 %" << W("1");
    QTest::newRow("kod nieznany") << "1 x @" << "1";
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
    QTest::addColumn<QString>("klawisze");
    QTest::addColumn<QStringList>("tasma");
    QTest::newRow("1 + 2 =") << "1 + 2 ="
                             << QStringList{Liczba("1"), Znak('+'), Liczba("2"), Znak('='), Wynik("3"), "-------------"};
    QTest::newRow("dzielenie przez zero")
        << "1 / 0 =" << QStringList{Liczba("1"), Znak('/'), Liczba("0"), Znak('='), "  Nadmiar !  ", "-------------"};
    QTest::newRow("jednoargumentowe") << "9 v ^ i G"
                                      << QStringList{Liczba("9"), "    pierw(x)", "         x^2", "         1/x",
                                                     "zaokrągl.gr."};
    QTest::newRow("procent") << "2 0 0 * 1 5 % ="
                             << QStringList{Liczba("200"), Znak('*'), Liczba("15"), Znak('%'), Znak('='), Wynik("30"),
                                            "-------------"};
    QTest::newRow("wpis i pamiec bez tasmy") << "1 2 < Z 5 A1 K1" << QStringList{};
    QTest::newRow("C czysci tasme") << "1 + 2 = C" << QStringList{};
    QTest::newRow("liczba w wykladniku w tej samej kolumnie")
        << "1 2 3 4 5 6 7 8 9 0 * 1 0 + 1 ="
        << QStringList{Liczba("1234567890"), Znak('*'), Liczba("10"), Znak('+'), Liczba("1"), Znak('='),
                       Wynik("1,2346E+10"), "-------------"};
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

    // Long sums run on: the tape keeps the last lines.
    for (int i = 0; i < 20; ++i)
        Nacisnij(k, QStringLiteral("1 + 2 ="));
    QCOMPARE(k.Tasma().size(), 39);
    QCOMPARE(k.Tasma().last(), QStringLiteral("-------------"));

    TlogikaKalkulatora krotka;
    krotka.DopiszDoTasmy(QStringLiteral("x"));
    QCOMPARE(krotka.PierwszaWidocznaLinia(), 0);
}

void TstKalkulatorLogika::formatWyswietlacza_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("zero") << 0.0 << W("0");
    QTest::newRow("ujemne") << -2.5 << W("-2,5");
    QTest::newRow("10 cyfr") << 9999999999.0 << W("9999999999");
    QTest::newRow("10 cyfr i ulamek") << 9999999999.4 << W("1,0000E+10");
    QTest::newRow("9 cyfr i ulamek") << 999999999.94 << W("999999999,9");
    QTest::newRow("ponad 10 cyfr") << 12345678901.0 << W("1,2346E+10");
    QTest::newRow("ujemne ponad 10 cyfr") << -12345678901.0 << "-1,2346E+10";
    QTest::newRow("tuz pod 10^30") << 9.99999e29 << W("1,0000E+30");
    QTest::newRow("ponad 10^30") << 1.0000001e30 << " Nadmiar ! ";
    QTest::newRow("ujemne ponad 10^30") << -2e30 << " Nadmiar ! ";
    QTest::newRow("10^-8") << 1e-8 << W("0,00000001");
    QTest::newRow("ponizej 10^-8") << 9.9e-9 << W("9,9000E-09");
    QTest::newRow("trzycyfrowy wykladnik") << 1e-100 << "1,0000E-100";
    QTest::newRow("zaokraglenie mantysy") << 99999.5e10 << W("1,0000E+15");
    QTest::newRow("ulamek") << 123456.789 << W("123456,789");
    QTest::newRow("ulamek przyciety") << 2.0 / 3.0 << "0,666666667";
    QTest::newRow("nieskonczonosc") << std::numeric_limits<double>::infinity() << " Nadmiar ! ";
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << " Nadmiar ! ";
}

void TstKalkulatorLogika::formatWyswietlacza()
{
    QFETCH(double, x);
    QFETCH(QString, tekst);
    QCOMPARE(FormatWyswietlacza(x), tekst);
    QCOMPARE(FormatWyswietlacza(x).size(), kSzerokoscWyswietlacza);
}

void TstKalkulatorLogika::dzialanie_data()
{
    QTest::addColumn<QString>("kod");
    QTest::addColumn<double>("suma");
    QTest::addColumn<double>("argument");
    QTest::addColumn<double>("wynik");
    const double N = double(kNadmiar);
    QTest::newRow("+") << "+" << 2.0 << 3.0 << 5.0;
    QTest::newRow("-") << "-" << 2.0 << 3.0 << -1.0;
    QTest::newRow("*") << "*" << 2.0 << 3.0 << 6.0;
    QTest::newRow("/") << "/" << 3.0 << 2.0 << 1.5;
    QTest::newRow("/ 0") << "/" << 3.0 << 0.0 << N;
    QTest::newRow("% bez argumentu") << "%" << 250.0 << 7.0 << 2.5;
    QTest::newRow("G") << "G" << 2.675 << 0.0 << 2.68;
    QTest::newRow("^") << "^" << -3.0 << 0.0 << 9.0;
    QTest::newRow("i") << "i" << 8.0 << 0.0 << 0.125;
    QTest::newRow("i zera") << "i" << 0.0 << 0.0 << N;
    QTest::newRow("v") << "v" << 2.25 << 0.0 << 1.5;
    QTest::newRow("v ujemnej") << "v" << -1.0 << 0.0 << N;
    QTest::newRow("nieznany kod") << "=" << 4.0 << 1.0 << 4.0;
}

void TstKalkulatorLogika::dzialanie()
{
    QFETCH(QString, kod);
    QFETCH(double, suma);
    QFETCH(double, argument);
    QFETCH(double, wynik);
    long double s = suma;
    Dzialanie(kod.at(0), s, argument);
    QCOMPARE(double(s), wynik);
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
    Nacisnij(k, QStringLiteral("5 A1"));
    QCOMPARE(k.ZnacznikPamieci(), QLatin1Char('P'));
    QCOMPARE(double(k.Pamiec(1)), 5.0);
    Nacisnij(k, QStringLiteral("A1 A5"));
    QCOMPARE(double(k.Pamiec(1)), 10.0);
    QCOMPARE(double(k.Pamiec(5)), 5.0);
    Nacisnij(k, QStringLiteral("K1"));
    QCOMPARE(k.ZnacznikPamieci(), QLatin1Char('P'));
    Nacisnij(k, QStringLiteral("K5"));
    QCOMPARE(k.ZnacznikPamieci(), QLatin1Char(' '));

    // Recall shows the memory as a computed value: the display is full.
    Nacisnij(k, QStringLiteral("1 2 , 5 A3 C"));
    QCOMPARE(k.ZnacznikPamieci(), QLatin1Char(' '));   // C clears the memories too
    Nacisnij(k, QStringLiteral("1 2 . 5 A3 + 1 R3 7"));
    QCOMPARE(k.Wyswietlacz(), W("12,5"));
    QCOMPARE(double(k.Argument()), 12.5);

    // The overflow text adds nothing; memories out of range are ignored.
    Nacisnij(k, QStringLiteral("C 1 / 0 = A2"));
    QCOMPARE(double(k.Pamiec(2)), 0.0);
    k.ObsluzKlawisz(QLatin1Char('A'), 0);
    k.ObsluzKlawisz(QLatin1Char('A'), 6);
    k.ObsluzKlawisz(QLatin1Char('R'), 9);
    QCOMPARE(k.ZnacznikPamieci(), QLatin1Char(' '));
    QCOMPARE(k.Wyswietlacz(), W("0"));
}

void TstKalkulatorLogika::klawiatura_data()
{
    QTest::addColumn<QString>("znak");
    QTest::addColumn<QString>("poprzedni");
    QTest::addColumn<bool>("polowy");
    QTest::addColumn<QString>("kod");   // empty: none
    QTest::addColumn<int>("akcja");
    const int nic = int(TakcjaKlawisza::Nic);
    QTest::newRow("cyfra") << "7" << "" << false << "7" << nic;
    QTest::newRow("backspace") << QString(QChar(kZnakBackspace)) << "" << false << "<" << nic;
    QTest::newRow("enter") << QString(QChar(kZnakEnter)) << "" << false << "=" << nic;
    QTest::newRow("enter w polu") << QString(QChar(kZnakEnter)) << "" << true << "=" << int(TakcjaKlawisza::Wstaw);
    QTest::newRow("escape") << QString(QChar(kZnakEscape)) << "" << false << "" << int(TakcjaKlawisza::Fokus);
    QTest::newRow("escape w polu") << QString(QChar(kZnakEscape)) << "" << true << "" << int(TakcjaKlawisza::Zamknij);
    QTest::newRow("przecinek") << "," << "" << false << "." << nic;
    QTest::newRow("kropka") << "." << "" << false << "." << nic;
    QTest::newRow("g male") << "g" << "" << false << "G" << nic;
    QTest::newRow("z male") << "z" << "" << false << "Z" << nic;
    QTest::newRow("razy") << "*" << "" << false << "*" << nic;
    QTest::newRow("plus") << "+" << "" << false << "+" << nic;
    QTest::newRow("M plus") << "+" << "m" << false << "" << int(TakcjaKlawisza::MenuDodaj);
    QTest::newRow("c") << "c" << "" << false << "C" << nic;
    QTest::newRow("M c") << "c" << "M" << false << "" << int(TakcjaKlawisza::MenuKasuj);
    QTest::newRow("M r") << "r" << "M" << false << "" << int(TakcjaKlawisza::MenuCzytaj);
    QTest::newRow("r sam") << "r" << "" << false << "" << nic;
    QTest::newRow("s") << "s" << "" << false << "" << int(TakcjaKlawisza::Wstaw);
    QTest::newRow("s w polu") << "s" << "" << true << "" << nic;
    QTest::newRow("M") << "m" << "" << false << "" << nic;
    QTest::newRow("v nie jest klawiszem") << "v" << "" << false << "" << nic;
    QTest::newRow("litera polska") << "ą" << "" << false << "" << nic;
    QTest::newRow("cyfra arabska") << QString(QChar(0x0663)) << "" << false << "" << nic;
    QTest::newRow("Ctrl+C") << QString(QChar(kZnakCtrlC)) << "" << true << "" << int(TakcjaKlawisza::Kopiuj);
    QTest::newRow("Ctrl+V") << QString(QChar(kZnakCtrlV)) << "" << false << "" << int(TakcjaKlawisza::Wklej);
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
    QTest::addColumn<QString>("przed");   // keys before
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<bool>("liczba");
    QTest::addColumn<QString>("wyswietlacz");
    QTest::addColumn<double>("argument");
    QTest::newRow("jak wpisana") << "" << "12,50" << true << "12,50" << 12.5;
    QTest::newRow("separatory tysiecy i spacje") << "" << " 1.234,5\r\n" << true << "1234,5" << 1234.5;
    QTest::newRow("dopisana do wpisu") << "1 2" << "5" << true << "125" << 125.0;
    QTest::newRow("po wyniku nowa") << "1 + 2 =" << "5" << true << "5" << 5.0;
    QTest::newRow("ujemna") << "" << "-5" << true << W("-5") << -5.0;
    QTest::newRow("ze znakiem plus") << "" << "+5" << true << W("5") << 5.0;
    QTest::newRow("wykladnik") << "" << "1e5" << true << W("100000") << 100000.0;
    QTest::newRow("za dluga do wpisania") << "" << "12345678901" << true << W("1,2346E+10") << 12345678901.0;
    QTest::newRow("za dluga z wpisem") << "9 9" << "123456789" << true << W("123456789") << 123456789.0;
    QTest::newRow("po jednoargumentowej") << "9 v" << "7" << true << W("7") << 7.0;
    QTest::newRow("tekst") << "4" << "abc" << false << "4" << 4.0;
    QTest::newRow("pusty") << "4" << "" << false << "4" << 4.0;
    QTest::newRow("same spacje i znaki sterujace") << "4" << " \t\r\n" << false << "4" << 4.0;
    QTest::newRow("znak minus sam") << "4" << "-" << false << "4" << 4.0;
    QTest::newRow("10000 znakow") << "4" << QString(10000, QLatin1Char('x')) << false << "4" << 4.0;
    QTest::newRow("10000 cyfr") << "4" << QString(10000, QLatin1Char('7')) << false << "4" << 4.0;
    QTest::newRow("dawny znacznik nie-liczby") << "" << "-2147483647" << true << "-2147483647" << -2147483647.0;
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

void TstKalkulatorLogika::dodajDoPamieciZTekstu_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("dodano");
    QTest::addColumn<double>("pamiec");
    QTest::newRow("liczba") << "1.234,5" << 3 << true << 1234.5;
    QTest::newRow("z koncem linii") << "12,5\n" << 3 << true << 12.5;
    QTest::newRow("ujemna") << "-2" << 3 << true << -2.0;
    QTest::newRow("tekst") << "abc" << 3 << false << 0.0;
    QTest::newRow("pusty") << "" << 3 << false << 0.0;
    QTest::newRow("zla pamiec") << "5" << 6 << false << 0.0;
}

void TstKalkulatorLogika::dodajDoPamieciZTekstu()
{
    QFETCH(QString, tekst);
    QFETCH(int, n);
    QFETCH(bool, dodano);
    QFETCH(double, pamiec);
    TlogikaKalkulatora k;
    QCOMPARE(k.DodajDoPamieci(n, tekst), dodano);
    QCOMPARE(double(k.Pamiec(3)), pamiec);
    QCOMPARE(k.ZnacznikPamieci(), pamiec != 0 ? QLatin1Char('P') : QLatin1Char(' '));
}

void TstKalkulatorLogika::wartoscWyswietlacza()
{
    TlogikaKalkulatora k;
    double v = -1;
    QVERIFY(k.WartoscWyswietlacza(v));   // empty: 0
    QCOMPARE(v, 0.0);
    Nacisnij(k, QStringLiteral("1 2 3 4 5 6 7 8 9 0 * 1 0 ="));
    QVERIFY(k.WartoscWyswietlacza(v));
    QCOMPARE(v, 12346000000.0);   // the value shown, not the total behind it
    Nacisnij(k, QStringLiteral("1 / 0 ="));
    v = -1;
    QVERIFY(!k.WartoscWyswietlacza(v));
    QCOMPARE(v, -1.0);
}

void TstKalkulatorLogika::stanNaCzasProgramu()
{
    TlogikaKalkulatora pusty(OdtworzStanKalkulatora());
    QCOMPARE(pusty.Wyswietlacz(), QString());
    QCOMPARE(pusty.LastFunkc(), QLatin1Char('+'));
    QVERIFY(pusty.DajArgum());
    QCOMPARE(pusty.ZnacznikPamieci(), QLatin1Char(' '));

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
    QCOMPARE(nowy.LastFunkc(), QLatin1Char('+'));
    QVERIFY(!nowy.DajArgum());
    QCOMPARE(nowy.ZnacznikPamieci(), QLatin1Char('P'));

    WyczyscStanKalkulatora();
    QCOMPARE(TlogikaKalkulatora(OdtworzStanKalkulatora()).Tasma(), QStringList());
}

QTEST_APPLESS_MAIN(TstKalkulatorLogika)
#include "tst_kalkulatorlogika.moc"
