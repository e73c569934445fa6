#pragma once
// Numbers as the program writes and reads them: Polish formats fixed for the whole run
// ("," decimal separator, "." thousands separator), lenient parsing, width-limited
// formatting and rounding of money half away from zero on the decimal form.

#include <QByteArray>
#include <QChar>
#include <QString>
#include <cfloat>

static_assert(LDBL_MANT_DIG >= 64, "money arithmetic needs an extended-precision long double");

QChar SeparatorTysiecy();      // "."
QChar SeparatorDziesietny();   // ","

// The decimal form of a number: value = 0.cyfry × 10^wykladnik, sign apart.
struct PostacDziesietna {
    bool ujemna = false;
    bool skonczona = true;   // false for infinities and NaN
    QByteArray cyfry;        // significant digits, no trailing zeros; empty for zero
    int wykladnik = 0;
};

// The decimal form of x rounded to `precyzja` significant digits (1..18).
PostacDziesietna PostacLiczby(long double x, int precyzja = 15);

// Rounding half away from zero on the 15-significant-digit decimal form.
double Zaokraglij(long double x);
double ZaokraglijDo(int n, long double x);
double ZaokraglijGr(long double x);

// Lenient parsing: spaces and "." are removed first; nothing left gives 0,
// text that is not a number gives the default.
int TekstNaInt(const QString &s, int domyslna);
qint64 TekstNaInt64(const QString &s, qint64 domyslna);
double TekstNaFloat(const QString &s, double domyslna);

QString IntNaTekst(int n, int szerokosc, bool zero);
QString FloatKrotko(int cyfry, bool zero, double x);
QString FloatKrotko(bool zero, double x);
QString FloatWPolu(int szerokosc, bool zero, double x);
QString KwotaNaTekst(int szerokosc, bool tysiace, bool zero, double x);
// A unit price as KwotaNaTekst writes money, but with the third and fourth decimals kept
// when the price has them ("5,4321", "0,125"); a price of whole grosze looks as an amount.
QString CenaNaTekst(int szerokosc, bool tysiace, bool zero, double x);
// Whether KwotaNaTekst gives `tekst`, without building a new text: a recomputed amount is
// mostly the one the cell already shows.
bool TekstKwoty(const QString &tekst, int szerokosc, bool tysiace, bool zero, double x);

// Fixed notation with exactly `miejsca` decimals, the digits taken from the decimal
// form with `precyzja` significant digits, half away from zero.
QString FormatStaly(long double x, int miejsca, bool tysiace, int precyzja = 15);
