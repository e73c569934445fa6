#include "daty.h"

#include "program.h"
#include "teksty.h"

#include <cmath>

namespace {
bool Przestepny(int r) { return r % 4 == 0 && (r % 100 != 0 || r % 400 == 0); }

// Days from 01.01.0001 to 30.12.1899.
constexpr int kPrzesuniecie = 693594;

int DzienRoku(int rok, int miesiac, int dzien)
{
    static const int kPrzed[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    int d = kPrzed[miesiac - 1] + dzien;
    if (miesiac > 2 && Przestepny(rok))
        ++d;
    return d;
}

// Reads digits at i (after blanks); returns false when there are none.
bool CzytajLiczbe(const QString &s, int &i, int &wartosc, int &cyfry)
{
    while (i < s.size() && s.at(i) == QLatin1Char(' '))
        ++i;
    wartosc = 0;
    cyfry = 0;
    while (i < s.size() && s.at(i) >= QLatin1Char('0') && s.at(i) <= QLatin1Char('9')) {
        if (cyfry < 9)
            wartosc = wartosc * 10 + (s.at(i).unicode() - '0');
        ++cyfry;
        ++i;
    }
    return cyfry > 0 && cyfry <= 4;
}

bool CzytajKropke(const QString &s, int &i)
{
    while (i < s.size() && s.at(i) == QLatin1Char(' '))
        ++i;
    if (i < s.size() && s.at(i) == QLatin1Char('.')) {
        ++i;
        return true;
    }
    return false;
}
}   // namespace

int DniMiesiaca(int rok, int miesiac)
{
    static const int kDni[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    miesiac = Ogranicz(miesiac, 1, 12);
    rok = Ogranicz(rok, 1, 9999);
    return (miesiac == 2 && Przestepny(rok)) ? 29 : kDni[miesiac - 1];
}

double KodujDate(int rok, int miesiac, int dzien, double domyslna)
{
    if (rok < 1 || rok > 9999 || miesiac < 1 || miesiac > 12 || dzien < 1 || dzien > DniMiesiaca(rok, miesiac))
        return domyslna;
    const int i = rok - 1;
    const int dni = i * 365 + i / 4 - i / 100 + i / 400 + DzienRoku(rok, miesiac, dzien) - kPrzesuniecie;
    return double(dni);
}

void RozkodujDate(double data, int &rok, int &miesiac, int &dzien)
{
    rok = miesiac = dzien = 0;
    if (!(data >= kDataMin && data < kDataMax + 1) || std::trunc(data) == 0)
        return;
    // civil date from the day count, counted from 01.01.1970 (25569)
    const long long z = static_cast<long long>(std::trunc(data)) - 25569 + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    dzien = int(doy - (153 * mp + 2) / 5 + 1);
    miesiac = int(mp < 10 ? mp + 3 : mp - 9);
    rok = int(yoe + era * 400 + (miesiac <= 2 ? 1 : 0));
    rok = Ogranicz(rok, 0, 9999);
}

double LiczbaNaDate(int n)
{
    const long long a = n < 0 ? -static_cast<long long>(n) : n;
    return KodujDate(int(a % 10000), int((a / 10000) % 100), int(a / 1000000), 0);
}

double TekstNaDate(const QString &s, double domyslna)
{
    bool tylkoKropki = true;
    for (QChar c : s)
        if (c != QLatin1Char('.') && c.unicode() > 0x20) {
            tylkoKropki = false;
            break;
        }
    if (tylkoKropki)
        return 0;

    int i = 0, d = 0, m = 0, r = 0, cd = 0, cm = 0, cr = 0;
    if (!CzytajLiczbe(s, i, d, cd) || !CzytajKropke(s, i) || !CzytajLiczbe(s, i, m, cm))
        return domyslna;
    int rokDzis = 0, mDzis = 0, dDzis = 0;
    RozkodujDate(DataDzis(), rokDzis, mDzis, dDzis);
    if (CzytajKropke(s, i)) {
        if (!CzytajLiczbe(s, i, r, cr))
            return domyslna;
        if (cr <= 2) {
            // two-digit years fall into the 100 years that start 50 years ago
            const int poczatek = rokDzis - 50;
            r += (poczatek / 100) * 100;
            if (r < poczatek)
                r += 100;
        }
    } else {
        r = rokDzis;
    }
    while (i < s.size() && s.at(i).unicode() <= 0x20)
        ++i;
    if (i != s.size())
        return domyslna;
    return KodujDate(r, m, d, domyslna);
}

QString DataNaTekst(const QString &tekstBledu, double data)
{
    if (data == 0)
        return QString();
    int r, m, d;
    if (!(data >= kDataMin && data < kDataMax + 1))
        return tekstBledu;
    RozkodujDate(data, r, m, d);
    if (r < 1)
        return tekstBledu;
    return QStringLiteral("%1.%2.%3")
        .arg(d, 2, 10, QLatin1Char('0'))
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(r, 4, 10, QLatin1Char('0'));
}
