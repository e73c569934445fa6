#include "formaty.h"

#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <utility>

QChar SeparatorTysiecy() { return QLatin1Char('.'); }
QChar SeparatorDziesietny() { return QLatin1Char(','); }

namespace {

// Powers of ten that fit a 64-bit integer.
constexpr quint64 Dziesiec(int n) { return n == 0 ? 1 : 10 * Dziesiec(n - 1); }
constexpr std::array<quint64, 20> kDziesiec = [] {
    std::array<quint64, 20> t{};
    for (int i = 0; i < 20; ++i)
        t[i] = Dziesiec(i);
    return t;
}();

using u128 = unsigned __int128;

// round(m * 2^e * 10^k) with ties to even, exactly; false when a step would not fit 128 bits.
bool SkalujDokladnie(quint64 m, int e, int k, u128 &r)
{
    if (k > 19 || k < -19)
        return false;
    if (k >= 0) {
        const u128 n = u128(m) * kDziesiec[k];
        if (e >= 0) {
            if (e >= 64 || (n >> (127 - e)) != 0)
                return false;
            r = n << e;
            return true;
        }
        const int s = -e;
        if (s >= 127)
            return false;
        const u128 reszta = n & ((u128(1) << s) - 1), polowa = u128(1) << (s - 1);
        r = n >> s;
        if (reszta > polowa || (reszta == polowa && (r & 1) != 0))
            ++r;
        return true;
    }
    u128 n = m, dzielnik = kDziesiec[-k];
    if (e >= 0) {
        if (e > 63)
            return false;
        n <<= e;
    } else {
        if (-e > 63)
            return false;
        dzielnik <<= -e;
    }
    r = n / dzielnik;
    const u128 reszta = n % dzielnik;
    if (2 * reszta > dzielnik || (2 * reszta == dzielnik && (r & 1) != 0))
        ++r;
    return true;
}

// x = m * 2^(e2 - 64) with the top bit of m set, for a positive finite x. The bits of the
// x87 format give both at once; frexp and ldexp are library calls.
bool Rozloz(long double x, quint64 &m, int &e2)
{
#if LDBL_MANT_DIG == 64 && (defined(__x86_64__) || defined(__i386__))
    unsigned char b[sizeof(long double)];
    std::memcpy(b, &x, sizeof x);
    quint16 wyk = 0;
    std::memcpy(&m, b, 8);
    std::memcpy(&wyk, b + 8, 2);
    wyk &= 0x7FFF;
    if (wyk != 0 && (m >> 63) != 0) {
        e2 = int(wyk) - 16383 + 1;
        return true;
    }
#endif
    const long double f = std::frexp(x, &e2);   // x = f * 2^e2, 0.5 <= f < 1
    m = quint64(std::ldexp(f, 64));
    return (m >> 63) != 0;
}

// The digits of a positive finite x rounded to p significant digits as printf gives them
// (exact value, ties to even), in integers: money is formatted for every cell, and
// printf's long double path costs several times more. False leaves the rare magnitudes
// outside 128-bit reach to printf.
bool CyfryDokladnie(long double x, int p, quint64 &cyfry, int &wykladnik)
{
    int e2 = 0;   // x = m * 2^(e2 - 64), 2^63 <= m < 2^64
    quint64 m = 0;
    if (!Rozloz(x, m, e2))
        return false;
    const int e = e2 - 64;
    // 2^(e2-1) <= x < 2^e2 puts the decimal exponent at this estimate or one above it;
    // (n * 78913) >> 18 is floor(n * log10 2) for every exponent the scaling can reach
    int E = (((e2 - 1) * 78913) >> 18) + 1;
    for (int proba = 0; proba < 4; ++proba) {
        u128 r = 0;
        if (!SkalujDokladnie(m, e, p - E, r))
            return false;
        if (r >= kDziesiec[p])
            ++E;
        else if (r < kDziesiec[p - 1])
            --E;
        else {
            cyfry = quint64(r);
            wykladnik = E;
            return true;
        }
    }
    return false;
}

}   // namespace

PostacDziesietna PostacLiczby(long double x, int precyzja)
{
    PostacDziesietna p;
    if (std::isnan(x) || std::isinf(x)) {
        p.skonczona = false;
        p.ujemna = std::signbit(x) && !std::isnan(x);
        return p;
    }
    if (x == 0)
        return p;
    precyzja = qBound(1, precyzja, 18);
    quint64 q = 0;
    int e = 0;
    if (CyfryDokladnie(std::fabs(x), precyzja, q, e)) {
        p.ujemna = x < 0;
        char buf[20];
        int n = precyzja;
        for (int i = n - 1; i >= 0; --i, q /= 10)
            buf[i] = char('0' + q % 10);
        while (n > 0 && buf[n - 1] == '0')
            --n;
        p.cyfry = QByteArray(buf, n);
        p.wykladnik = e;
        return p;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", precyzja - 1, x);
    const char *c = buf;
    if (*c == '-') {
        p.ujemna = true;
        ++c;
    }
    QByteArray cyfry;
    for (; *c && *c != 'e'; ++c)
        if (*c >= '0' && *c <= '9')
            cyfry.append(*c);
    const int wyk = (*c == 'e') ? std::atoi(c + 1) : 0;
    while (cyfry.endsWith('0'))
        cyfry.chop(1);
    p.cyfry = cyfry;
    p.wykladnik = cyfry.isEmpty() ? 0 : wyk + 1;
    return p;
}

namespace {

// Rounds the digits of p to `miejsca` places after the decimal point, half away from zero.
PostacDziesietna ZaokraglijPostac(PostacDziesietna p, int miejsca)
{
    const int zostaw = p.wykladnik + miejsca;   // digits that stay
    if (p.cyfry.isEmpty() || zostaw >= p.cyfry.size())
        return p;
    if (zostaw < 0) {
        p.cyfry.clear();
        p.wykladnik = 0;
        return p;
    }
    const bool wGore = p.cyfry.at(zostaw) >= '5';
    QByteArray c = std::move(p.cyfry);   // cut in place when not shared
    c.truncate(zostaw);
    if (wGore) {
        int i = c.size() - 1;
        while (i >= 0 && c.at(i) == '9') {
            c[i] = '0';
            --i;
        }
        if (i < 0) {
            c.prepend('1');
            ++p.wykladnik;
        } else {
            c[i] = char(c.at(i) + 1);
        }
    }
    while (c.endsWith('0'))
        c.chop(1);
    p.cyfry = c;
    if (c.isEmpty())
        p.wykladnik = 0;
    return p;
}

QString TekstNieskonczony(const PostacDziesietna &p)
{
    return p.ujemna ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// Builds the text of a rounded decimal form with exactly `miejsca` decimals
// (or at most that many when `obetnij` drops trailing zeros).
QString TekstPostaci(const PostacDziesietna &p, int miejsca, bool tysiace, bool obetnij)
{
    if (!p.skonczona)
        return TekstNieskonczony(p);
    const int n = p.cyfry.size();
    auto cyfra = [&](int i) { return (i >= 0 && i < n) ? p.cyfry.at(i) : '0'; };
    const int calk = qMax(1, p.wykladnik);
    QString t;
    t.reserve(2 + calk + calk / 3 + qMax(0, miejsca));
    if (p.ujemna && !p.cyfry.isEmpty())
        t.append(QLatin1Char('-'));
    for (int i = 0; i < calk; ++i) {
        if (tysiace && i > 0 && (calk - i) % 3 == 0)
            t.append(SeparatorTysiecy());
        t.append(QLatin1Char(p.wykladnik > 0 ? cyfra(i) : '0'));
    }
    int ulam = miejsca;
    if (obetnij)
        while (ulam > 0 && cyfra(p.wykladnik + ulam - 1) == '0')
            --ulam;
    if (ulam > 0) {
        t.append(SeparatorDziesietny());
        for (int i = 0; i < ulam; ++i)
            t.append(QLatin1Char(cyfra(p.wykladnik + i)));
    }
    return t;
}

QString Znaki(QChar c, int n) { return n > 0 ? QString(n, c) : QString(); }

}   // namespace

namespace {
// FormatStaly that also tells whether the text stands for zero.
// The fixed form of x from its `precyzja` digits as one integer of 10^-miejsca units,
// rounded half away from zero: amounts are formatted for every cell of every row.
// False leaves what does not fit 64 bits to the digits as text.
struct TekstStaly {
    char znaki[48];
    qsizetype poczatek = sizeof znaki;   // written from the end
    QLatin1StringView Tekst() const { return QLatin1StringView(znaki + poczatek, qsizetype(sizeof znaki) - poczatek); }
};

bool FormatStalyCalkowity(long double x, int miejsca, bool tysiace, int precyzja, TekstStaly &tekst, bool &zerowa)
{
    if (!std::isfinite(x) || miejsca < 0 || miejsca > 9 || precyzja < 1 || precyzja > 18)
        return false;
    quint64 n = 0;   // |x| in units of 10^-miejsca
    if (x != 0) {
        quint64 q = 0;   // exactly `precyzja` digits
        int e = 0;
        if (!CyfryDokladnie(std::fabs(x), precyzja, q, e))
            return false;
        const int zostaw = e + miejsca;   // digits that stay
        if (zostaw > 19 || (zostaw > precyzja && q > (quint64(-1) / kDziesiec[zostaw - precyzja])))
            return false;
        if (zostaw >= precyzja)
            n = q * kDziesiec[zostaw - precyzja];
        else if (zostaw >= 0)
            n = q / kDziesiec[precyzja - zostaw] + ((q / kDziesiec[precyzja - zostaw - 1]) % 10 >= 5 ? 1 : 0);
    }
    zerowa = n == 0;
    char *k = tekst.znaki + sizeof tekst.znaki;
    for (int i = 0; i < miejsca; ++i, n /= 10)
        *--k = char('0' + n % 10);
    if (miejsca > 0)
        *--k = char(SeparatorDziesietny().unicode());
    int grupa = 0;
    do {
        if (tysiace && grupa == 3) {
            *--k = char(SeparatorTysiecy().unicode());
            grupa = 0;
        }
        *--k = char('0' + n % 10);
        n /= 10;
        ++grupa;
    } while (n > 0);
    if (x < 0 && !zerowa)
        *--k = '-';
    tekst.poczatek = k - tekst.znaki;
    return true;
}

QString FormatStaly(long double x, int miejsca, bool tysiace, int precyzja, bool &zerowa)
{
    TekstStaly t;
    if (FormatStalyCalkowity(x, miejsca, tysiace, precyzja, t, zerowa))
        return t.Tekst();
    PostacDziesietna p = PostacLiczby(x, precyzja);
    zerowa = false;
    if (!p.skonczona)
        return std::isnan(x) ? QStringLiteral("NAN") : TekstNieskonczony(p);
    const PostacDziesietna r = ZaokraglijPostac(std::move(p), miejsca);
    zerowa = r.cyfry.isEmpty();
    return TekstPostaci(r, miejsca, tysiace, false);
}
}   // namespace

QString FormatStaly(long double x, int miejsca, bool tysiace, int precyzja)
{
    bool zerowa = false;
    return FormatStaly(x, miejsca, tysiace, precyzja, zerowa);
}

double Zaokraglij(long double x)
{
    const PostacDziesietna p = PostacLiczby(x, 15);
    if (!p.skonczona || p.cyfry.isEmpty())
        return double(x);
    if (p.wykladnik >= p.cyfry.size())
        return double(x);
    const long double t = std::trunc(x);
    if (p.wykladnik < 0)
        return double(t);
    if (p.cyfry.at(p.wykladnik) < '5')
        return double(t);
    return double(x > 0 ? t + 1 : t - 1);
}

namespace {
// Powers of ten as extended-precision constants; the rounding multiplies by a power
// and by its reciprocal, never divides.
const long double kPotegi[10] = {1.0L, 1e1L, 1e2L, 1e3L, 1e4L, 1e5L, 1e6L, 1e7L, 1e8L, 1e9L};
const long double kOdwrotnosci[10] = {1.0L, 1e-1L, 1e-2L, 1e-3L, 1e-4L, 1e-5L, 1e-6L, 1e-7L, 1e-8L, 1e-9L};

long double ZaokraglijDlugo(long double x)
{
    // the 15 digits as one integer q = 0.cyfry * 10^15, without building them as text
    quint64 q = 0;
    int e = 0;
    if (x != 0 && std::isfinite(x) && CyfryDokladnie(std::fabs(x), 15, q, e)) {
        if (e >= 15 || (e >= 0 && q % kDziesiec[15 - e] == 0))
            return x;   // no fraction among the digits
        const long double t = std::trunc(x);
        if (e < 0 || (q / kDziesiec[14 - e]) % 10 < 5)
            return t;
        return x > 0 ? t + 1 : t - 1;
    }
    const PostacDziesietna p = PostacLiczby(x, 15);
    if (!p.skonczona || p.cyfry.isEmpty() || p.wykladnik >= p.cyfry.size())
        return x;
    const long double t = std::trunc(x);
    if (p.wykladnik < 0 || p.cyfry.at(p.wykladnik) < '5')
        return t;
    return x > 0 ? t + 1 : t - 1;
}
}   // namespace

double ZaokraglijDo(int n, long double x)
{
    if (n == 0)
        return Zaokraglij(x);
    if (n >= 1 && n <= 9)
        return double(ZaokraglijDlugo(x * kPotegi[n]) * kOdwrotnosci[n]);
    if (n >= -9 && n <= -1)
        return double(ZaokraglijDlugo(x * kOdwrotnosci[-n]) * kPotegi[-n]);
    return double(x);
}

double ZaokraglijGr(long double x) { return ZaokraglijDo(2, x); }

namespace {
QString OczyscLiczbe(const QString &s)
{
    const auto zbedny = [](QChar c) { return c == QLatin1Char(' ') || c == SeparatorTysiecy(); };
    if (std::none_of(s.cbegin(), s.cend(), zbedny))
        return s;
    QString t;
    t.reserve(s.size());
    for (QChar c : s)
        if (c != QLatin1Char(' ') && c != SeparatorTysiecy())
            t.append(c);
    return t;
}
}   // namespace

qint64 TekstNaInt64(const QString &s, qint64 domyslna)
{
    const QString t = OczyscLiczbe(s);
    if (t.isEmpty())
        return 0;
    int i = 0;
    bool ujemna = false;
    if (t.at(0) == QLatin1Char('+') || t.at(0) == QLatin1Char('-')) {
        ujemna = t.at(0) == QLatin1Char('-');
        i = 1;
    }
    if (i >= t.size())
        return domyslna;
    quint64 v = 0;
    for (; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return domyslna;
        const quint64 cyfra = c.unicode() - '0';
        if (v > (quint64(std::numeric_limits<qint64>::max()) + 1 - cyfra) / 10)
            return domyslna;
        v = v * 10 + cyfra;
    }
    if (!ujemna && v > quint64(std::numeric_limits<qint64>::max()))
        return domyslna;
    return ujemna ? qint64(0 - v) : qint64(v);
}

int TekstNaInt(const QString &s, int domyslna)
{
    const qint64 v = TekstNaInt64(s, qint64(std::numeric_limits<int>::max()) + 1);
    if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min())
        return domyslna;
    return int(v);
}

namespace {
// A plain decimal of at most 15 digits (amounts, quantities, prices) is an exact integer
// divided by an exact power of ten: one correctly rounded division, the very value strtod
// gives, at a fraction of its cost. Empty for anything else.
std::optional<double> LiczbaZCyfr(QStringView t)
{
    static constexpr double kPotegi10[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                           1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    qsizetype i = 0;
    const bool ujemna = t.startsWith(QLatin1Char('-'));
    if (ujemna || t.startsWith(QLatin1Char('+')))
        ++i;
    quint64 m = 0;
    int cyfry = 0, ulamek = -1;
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c == SeparatorDziesietny() && ulamek < 0) {
            ulamek = 0;
            continue;
        }
        if (c < u'0' || c > u'9' || ++cyfry > 15)
            return std::nullopt;
        m = m * 10 + quint64(c - u'0');
        if (ulamek >= 0)
            ++ulamek;
    }
    if (cyfry == 0)
        return std::nullopt;
    const double v = double(m) / kPotegi10[qMax(0, ulamek)];
    return ujemna ? -v : v;
}
}   // namespace

double TekstNaFloat(const QString &s, double domyslna)
{
    const QString t = OczyscLiczbe(s);
    if (t.isEmpty())
        return 0;
    if (const auto szybko = LiczbaZCyfr(t))
        return *szybko;
    // sign, digits, optional "," and digits, optional exponent
    QVarLengthArray<char, 64> c;
    int i = 0;
    const int n = t.size();
    if (t.at(0) == QLatin1Char('+') || t.at(0) == QLatin1Char('-'))
        c.append(char(t.at(i++).unicode()));
    int cyfry = 0;
    while (i < n && t.at(i).isDigit() && t.at(i).unicode() < 128) {
        c.append(char(t.at(i++).unicode()));
        ++cyfry;
    }
    if (i < n && t.at(i) == SeparatorDziesietny()) {
        c.append('.');
        ++i;
        while (i < n && t.at(i).isDigit() && t.at(i).unicode() < 128) {
            c.append(char(t.at(i++).unicode()));
            ++cyfry;
        }
    }
    if (cyfry == 0)
        return domyslna;
    if (i < n && (t.at(i) == QLatin1Char('e') || t.at(i) == QLatin1Char('E'))) {
        c.append('e');
        ++i;
        if (i < n && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-')))
            c.append(char(t.at(i++).unicode()));
        int wyk = 0;
        while (i < n && t.at(i).isDigit() && t.at(i).unicode() < 128) {
            c.append(char(t.at(i++).unicode()));
            ++wyk;
        }
        if (wyk == 0)
            return domyslna;
    }
    if (i != n)
        return domyslna;
    c.append('\0');
    errno = 0;
    char *koniec = nullptr;
    const double v = std::strtod(c.constData(), &koniec);
    if (std::isinf(v) || (errno == ERANGE && v != 0))
        return domyslna;
    return v;
}

QString IntNaTekst(int n, int szerokosc, bool zero)
{
    if (n == 0 && !zero)
        return QString();
    QString t = QString::number(n);
    if (szerokosc > 0 && t.size() > szerokosc)
        return Znaki(QLatin1Char('?'), szerokosc);
    return t;
}

QString FloatKrotko(int cyfry, bool zero, double x)
{
    const int p = qBound(2, std::abs(cyfry), 15);
    // whole numbers that fit the digits (rates, counts) are their own text
    if (x == std::trunc(x) && std::fabs(x) < double(kDziesiec[p])) {
        if (!zero && x == 0)
            return QString();
        return QString::number(qint64(x));
    }
    const PostacDziesietna d = PostacLiczby(x, p);
    QString t;
    if (!d.skonczona) {
        t = std::isnan(x) ? QStringLiteral("NAN") : TekstNieskonczony(d);
    } else if (d.cyfry.isEmpty()) {
        t = QStringLiteral("0");
    } else if (d.wykladnik < -3) {
        // would be exponent notation: up to 15 decimals instead
        const PostacDziesietna r = ZaokraglijPostac(PostacLiczby(x, 15), 15);
        t = r.cyfry.isEmpty() ? QStringLiteral("0") : TekstPostaci(r, 15, false, true);
    } else if (d.wykladnik > p) {
        // would be exponent notation: whole number with up to 18 digits
        t = TekstPostaci(ZaokraglijPostac(PostacLiczby(x, 18), 0), 0, false, false);
    } else {
        t = TekstPostaci(d, qMax(0, int(d.cyfry.size()) - d.wykladnik), false, true);
    }
    if (!zero && t == QLatin1String("0"))
        return QString();
    return t;
}

QString FloatKrotko(bool zero, double x) { return FloatKrotko(15, zero, x); }

QString FloatWPolu(int szerokosc, bool zero, double x)
{
    const int d = szerokosc == 0 ? 15 : qBound(3, std::abs(szerokosc), 15);
    const PostacDziesietna p = PostacLiczby(x, 15);
    QString t;
    if (!p.skonczona) {
        t = std::isnan(x) ? QStringLiteral("NAN") : TekstNieskonczony(p);
    } else {
        const int b = x < 0 ? d - 1 : d;
        const int c = p.wykladnik > 0 ? b - p.wykladnik : b - 1;
        const int miejsca = qMax(0, c - 1);
        const PostacDziesietna r = ZaokraglijPostac(p, miejsca);
        t = r.cyfry.isEmpty() ? QStringLiteral("0") : TekstPostaci(r, miejsca, false, true);
    }
    if (!zero && t == QLatin1String("0"))
        return QString();
    if (szerokosc < 0 && t.size() > d)
        return Znaki(QLatin1Char('?'), d);
    return t;
}

bool TekstKwoty(const QString &tekst, int szerokosc, bool tysiace, bool zero, double x)
{
    TekstStaly t;
    bool zerowa = false;
    if (szerokosc == 0 && FormatStalyCalkowity(x, 2, tysiace, 15, t, zerowa))
        return !zero && zerowa ? tekst.isEmpty() : tekst == t.Tekst();
    return tekst == KwotaNaTekst(szerokosc, tysiace, zero, x);
}

QString CenaNaTekst(int szerokosc, bool tysiace, bool zero, double x)
{
    bool zerowa = false;
    QString t = FormatStaly(x, 4, tysiace, 15, zerowa);
    if (!zero && zerowa)
        return QString();
    // the decimals beyond the grosze only when they are not zeros
    for (int i = 0; i < 2 && t.endsWith(QLatin1Char('0')); ++i)
        t.chop(1);
    const int w = std::abs(szerokosc);
    if (w > 0 && t.size() > w) {
        if (tysiace)
            t = CenaNaTekst(0, false, true, x);
        if (szerokosc < 0 && t.size() > w)
            return Znaki(QLatin1Char('?'), w);
    }
    return t;
}

QString KwotaNaTekst(int szerokosc, bool tysiace, bool zero, double x)
{
    const int w = std::abs(szerokosc);
    bool zerowa = false;
    QString t = FormatStaly(x, 2, tysiace, 15, zerowa);
    if (!zero && zerowa)
        return QString();
    if (w > 0 && t.size() > w) {
        if (tysiace)
            t = FormatStaly(x, 2, false);
        if (szerokosc < 0 && t.size() > w)
            return Znaki(QLatin1Char('?'), w);
    }
    return t;
}
