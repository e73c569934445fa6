#include "common/formaty.h"
#include "kolumny.h"

#include <QTest>
#include <cstdio>
#include <cstdlib>

class TstFormaty : public QObject {
    Q_OBJECT
private slots:
    void zaokraglijGr_data();
    void zaokraglijGr();
    void zaokraglijDo_data();
    void zaokraglijDo();
    void tekstNaFloat_data();
    void tekstNaFloat();
    void tekstNaInt_data();
    void tekstNaInt();
    void kwotaNaTekst_data();
    void kwotaNaTekst();
    void floatKrotko_data();
    void floatKrotko();
    void floatWPolu_data();
    void floatWPolu();
    void intNaTekst();
    void produktyRozszerzone();
    void postacLiczby_data();
    void postacLiczby();
};

void TstFormaty::zaokraglijGr_data()
{
    // clang-format off
    Kolumny<double, double>("x", "wynik");
    QTest::newRow("0.125") << 0.125 << 0.13;
    QTest::newRow("-0.125") << -0.125 << -0.13;
    QTest::newRow("1.005") << 1.005 << 1.01;
    QTest::newRow("2.675") << 2.675 << 2.68;
    QTest::newRow("-2.675") << -2.675 << -2.68;
    QTest::newRow("0.115") << 0.115 << 0.12;
    QTest::newRow("49.995") << 49.995 << 50.0;
    QTest::newRow("0.0049") << 0.0049 << 0.0;
    QTest::newRow("0.005") << 0.005 << 0.01;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("duza bez ulamka") << 1e17 << 1e17;
    // clang-format on
}

void TstFormaty::zaokraglijGr()
{
    QFETCH(double, x);
    QFETCH(double, wynik);
    QCOMPARE(ZaokraglijGr(x), wynik);
}

void TstFormaty::zaokraglijDo_data()
{
    // clang-format off
    Kolumny<int, double, double>("n", "x", "wynik");
    QTest::newRow("0.05 do calosci") << 0 << 0.05 << 0.0;
    QTest::newRow("0.5 do calosci") << 0 << 0.5 << 1.0;
    QTest::newRow("-0.5 do calosci") << 0 << -0.5 << -1.0;
    QTest::newRow("1.49 do calosci") << 0 << 1.49 << 1.0;
    QTest::newRow("n=10 bez zmian") << 10 << 1.23456 << 1.23456;
    QTest::newRow("n=-10 bez zmian") << -10 << 1.23456 << 1.23456;
    QTest::newRow("-2 z 1250") << -2 << 1250.0 << 1300.0;
    QTest::newRow("-1 z 1249") << -1 << 1249.0 << 1250.0;
    QTest::newRow("3 miejsca") << 3 << 1.0005 << 1.001;
    // clang-format on
}

void TstFormaty::zaokraglijDo()
{
    QFETCH(int, n);
    QFETCH(double, x);
    QFETCH(double, wynik);
    QCOMPARE(ZaokraglijDo(n, x), wynik);
}

void TstFormaty::tekstNaFloat_data()
{
    // clang-format off
    Kolumny<QString, double, double>("tekst", "domyslna", "wynik");
    QTest::newRow("tysiace") << "1.234,56" << 0.0 << 1234.56;
    QTest::newRow("spacja") << "1 234,50" << 0.0 << 1234.5;
    QTest::newRow("kropka to tysiace") << "12.5" << 0.0 << 125.0;
    QTest::newRow("12.50") << "12.50" << 0.0 << 1250.0;
    QTest::newRow("pusty") << "" << 7.0 << 0.0;
    QTest::newRow("same spacje") << "   " << 7.0 << 0.0;
    QTest::newRow("litery") << "x" << 7.0 << 7.0;
    QTest::newRow("abc") << "abc" << -1.0 << -1.0;
    QTest::newRow("minus") << "-2,5" << 0.0 << -2.5;
    QTest::newRow("wykladnik") << "1,5e3" << 0.0 << 1500.0;
    QTest::newRow("sam przecinek") << "," << 3.0 << 3.0;
    QTest::newRow("dwa przecinki") << "1,2,3" << 3.0 << 3.0;
    QTest::newRow("przepelnienie") << "1e999" << 3.0 << 3.0;
    QTest::newRow("inf") << "INF" << 3.0 << 3.0;
    QTest::newRow("tab wewnatrz") << "1\t2" << 3.0 << 3.0;
    // clang-format on
}

void TstFormaty::tekstNaFloat()
{
    QFETCH(QString, tekst);
    QFETCH(double, domyslna);
    QFETCH(double, wynik);
    QCOMPARE(TekstNaFloat(tekst, domyslna), wynik);
}

void TstFormaty::tekstNaInt_data()
{
    // clang-format off
    Kolumny<QString, int>("tekst", "wynik");
    QTest::newRow("spacje wokol") << " 12 " << 12;
    QTest::newRow("tysiace") << "1.500" << 1500;
    QTest::newRow("pusty daje zero") << "" << 0;
    QTest::newRow("niepoprawny") << "?" << -9;
    QTest::newRow("ulamek") << "1,5" << -9;
    QTest::newRow("ujemna") << "-42" << -42;
    QTest::newRow("sam minus") << "-" << -9;
    QTest::newRow("za duza") << "2147483648" << -9;
    QTest::newRow("najmniejsza") << "-2147483648" << -2147483647 - 1;
    // clang-format on
}

void TstFormaty::tekstNaInt()
{
    QFETCH(QString, tekst);
    QFETCH(int, wynik);
    QCOMPARE(TekstNaInt(tekst, -9), wynik);
}

void TstFormaty::kwotaNaTekst_data()
{
    // clang-format off
    // "cena": the same number as a unit price, which keeps up to four decimals
    Kolumny<int, bool, bool, double, QString, QString>("szer", "tysiace", "zero", "x", "wynik", "cena");
    QTest::newRow("zero puste") << 0 << true << false << 0.0 << "" << "";
    QTest::newRow("zero pokazane") << 0 << true << true << 0.0 << "0,00" << "0,00";
    QTest::newRow("tysiace") << 0 << true << false << 1234.5 << "1.234,50" << "1.234,50";
    QTest::newRow("bez tysiecy") << 0 << false << false << 1234.5 << "1234,50" << "1234,50";
    QTest::newRow("znaki zapytania") << -8 << true << true << 1234567.891 << "????????" << "????????";
    QTest::newRow("dodatnia szerokosc nie tnie") << 8 << true << true << 1234567.891 << "1234567,89" << "1234567,891";
    QTest::newRow("bez separatorow gdy sie nie miesci") << 9 << true << true << 1234567.891 << "1234567,89" << "1234567,891";
    QTest::newRow("miliony") << 0 << true << true << 1234567.891 << "1.234.567,89" << "1.234.567,891";
    QTest::newRow("ujemna") << 0 << true << false << -0.5 << "-0,50" << "-0,50";
    QTest::newRow("ujemna zaokraglona do zera") << 0 << true << true << -0.001 << "0,00" << "-0,001";
    QTest::newRow("polowa grosza") << 0 << true << true << 0.125 << "0,13" << "0,125";
    QTest::newRow("2.675") << 0 << true << true << 2.675 << "2,68" << "2,675";
    QTest::newRow("przeniesienie") << 0 << true << true << 999.999 << "1.000,00" << "999,999";
    QTest::newRow("cztery miejsca") << 15 << true << true << 5.4321 << "5,43" << "5,4321";
    QTest::newRow("piate miejsce zaokraglone") << 0 << true << false << 0.00005 << "" << "0,0001";
    QTest::newRow("ponizej dziesiatej czesci grosza") << 0 << true << false << 0.00004 << "" << "";
    // clang-format on
}

void TstFormaty::kwotaNaTekst()
{
    QFETCH(int, szer);
    QFETCH(bool, tysiace);
    QFETCH(bool, zero);
    QFETCH(double, x);
    QFETCH(QString, wynik);
    QFETCH(QString, cena);
    QCOMPARE(KwotaNaTekst(szer, tysiace, zero, x), wynik);
    QCOMPARE(CenaNaTekst(szer, tysiace, zero, x), cena);
}

void TstFormaty::floatKrotko_data()
{
    // clang-format off
    Kolumny<int, bool, double, QString>("cyfry", "zero", "x", "wynik");
    QTest::newRow("mala bez wykladnika") << 15 << true << 0.000001 << "0,000001";
    QTest::newRow("zero puste") << 15 << false << 0.0 << "";
    QTest::newRow("zero pokazane") << 15 << true << 0.0 << "0";
    QTest::newRow("stawka") << 15 << true << 23.0 << "23";
    QTest::newRow("ulamek") << 15 << true << 12.5 << "12,5";
    QTest::newRow("0.0001") << 15 << true << 0.0001 << "0,0001";
    QTest::newRow("duza") << 15 << true << 1e15 << "1000000000000000";
    QTest::newRow("15 cyfr") << 15 << true << 123456789012345.0 << "123456789012345";
    QTest::newRow("mniej cyfr") << 3 << true << 3.14159 << "3,14";
    QTest::newRow("ujemna") << 15 << true << -1.5 << "-1,5";
    QTest::newRow("0.1+0.2") << 15 << true << 0.1 + 0.2 << "0,3";
    // clang-format on
}

void TstFormaty::floatKrotko()
{
    QFETCH(int, cyfry);
    QFETCH(bool, zero);
    QFETCH(double, x);
    QFETCH(QString, wynik);
    QCOMPARE(FloatKrotko(cyfry, zero, x), wynik);
}

void TstFormaty::floatWPolu_data()
{
    // clang-format off
    Kolumny<int, bool, double, QString>("szer", "zero", "x", "wynik");
    QTest::newRow("pi w 10") << 10 << true << 3.14159265 << "3,14159265";
    QTest::newRow("-2.5 w 5") << 5 << true << -2.5 << "-2,5";
    QTest::newRow("zero puste") << 10 << false << 0.0 << "";
    QTest::newRow("zero") << 10 << true << 0.0 << "0";
    QTest::newRow("ulamek sie skraca") << 5 << true << 3.14159 << "3,142";
    QTest::newRow("calkowita za dluga") << -5 << true << 1234567.0 << "?????";
    QTest::newRow("calkowita za dluga dodatnia") << 5 << true << 1234567.0 << "1234567";
    QTest::newRow("mala") << 6 << true << 0.000001 << "0";
    QTest::newRow("szerokosc 0 to 15") << 0 << true << 1.0 / 3 << "0,3333333333333";
    // clang-format on
}

void TstFormaty::floatWPolu()
{
    QFETCH(int, szer);
    QFETCH(bool, zero);
    QFETCH(double, x);
    QFETCH(QString, wynik);
    QCOMPARE(FloatWPolu(szer, zero, x), wynik);
}

void TstFormaty::intNaTekst()
{
    QCOMPARE(IntNaTekst(12345, 3, true), QStringLiteral("???"));
    QCOMPARE(IntNaTekst(0, 0, false), QString());
    QCOMPARE(IntNaTekst(0, 0, true), QStringLiteral("0"));
    QCOMPARE(IntNaTekst(-12, 3, true), QStringLiteral("-12"));
}

void TstFormaty::produktyRozszerzone()
{
    // Products are rounded from extended precision: 1,5 × 33,33 = 49,995 exactly in
    // decimal, which a double product would turn into 49,99499999...
    const long double q = 1.5, c = 33.33;
    QCOMPARE(ZaokraglijGr(q * c), 50.0);
    const long double p = 23, net = 0.5;
    QCOMPARE(ZaokraglijGr(0.01L * p * net), 0.12);
    QCOMPARE(ZaokraglijGr(0.01L * p * -net), -0.12);
}

QTEST_APPLESS_MAIN(TstFormaty)
// The digits of a number are those printf gives for its exact binary value, ties to even,
// at the edges of the integer path too (carries, ties, the largest scales, tiny and huge
// numbers that go to printf itself).
void TstFormaty::postacLiczby_data()
{
    Kolumny<QByteArray, int>("x", "precyzja");
    // clang-format off
    QTest::newRow("remis do parzystej w dol") << QByteArray("0.125")                 << 2;
    QTest::newRow("remis do parzystej w gore") << QByteArray("0.375")                << 2;
    QTest::newRow("remis calkowity")          << QByteArray("2.5")                   << 1;
    QTest::newRow("przeniesienie do 10")      << QByteArray("9.9999999999999999")    << 15;
    QTest::newRow("kwota")                    << QByteArray("49.995")                << 15;
    QTest::newRow("ujemna kwota")             << QByteArray("-1234567.89")           << 15;
    QTest::newRow("18 cyfr")                  << QByteArray("123456789012345678.5")  << 18;
    QTest::newRow("ponad 2^64")               << QByteArray("98765432109876543210") << 15;
    QTest::newRow("mala")                     << QByteArray("0.000123456789")        << 15;
    QTest::newRow("bardzo mala")              << QByteArray("1.5e-30")               << 15;
    QTest::newRow("bardzo duza")              << QByteArray("-7.25e300")             << 18;
    QTest::newRow("podnormalna")              << QByteArray("5e-4940")               << 3;
    // clang-format on
}

void TstFormaty::postacLiczby()
{
    QFETCH(QByteArray, x);
    QFETCH(int, precyzja);
    const long double v = std::strtold(x.constData(), nullptr);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", precyzja - 1, v);
    QByteArray cyfry, tekst(buf);
    const qsizetype e = tekst.indexOf('e');
    for (char c : tekst.left(e))
        if (c >= '0' && c <= '9')
            cyfry.append(c);
    while (cyfry.endsWith('0'))
        cyfry.chop(1);
    const PostacDziesietna p = PostacLiczby(v, precyzja);
    QCOMPARE(p.cyfry, cyfry);
    QCOMPARE(p.wykladnik, tekst.mid(e + 1).toInt() + 1);
    QCOMPARE(p.ujemna, v < 0);
}

#include "tst_formaty.moc"
