#include "kalkulatorlogika.h"

#include "common/formaty.h"
#include "common/teksty.h"

#include <cmath>
#include <limits>

namespace {

// What the program remembers between calculator windows.
TstanKalkulatora g_stan;

constexpr int kZnakowStanu = 20;
constexpr int kLiniiStanu = 40;

bool JestNadmiarem(long double x) { return std::isnan(x) || std::fabs(x) > 1e30L; }

// Exponent form with five significant digits and at least two exponent digits: 1,2346E+10.
QString FormatWykladniczy(long double x)
{
    const PostacDziesietna p = PostacLiczby(x, 5);
    QByteArray cyfry = p.cyfry;
    while (cyfry.size() < 5)
        cyfry.append('0');
    const int wykladnik = p.wykladnik - 1;
    QString t;
    if (p.ujemna)
        t += QLatin1Char('-');
    t += QLatin1Char(cyfry.at(0));
    t += SeparatorDziesietny();
    t += QString::fromLatin1(cyfry.mid(1));
    t += QLatin1Char('E');
    t += wykladnik < 0 ? QLatin1Char('-') : QLatin1Char('+');
    t += QStringLiteral("%1").arg(std::abs(wykladnik), 2, 10, QLatin1Char('0'));
    return t;
}

// The tape line of an operation key.
QString LiniaDzialania(QChar kod)
{
    switch (kod.unicode()) {
    case 'G': return QStringLiteral("zaokrągl.gr.");
    case '^': return QStringLiteral("         x^2");
    case 'i': return QStringLiteral("         1/x");
    case 'v': return QStringLiteral("    pierw(x)");
    default: return Spacje(kSzerokoscWyswietlacza) + kod;
    }
}

// Digits and at most one decimal comma: text the keypad can type as it stands.
bool DaSieWpisac(const QString &t)
{
    if (t.isEmpty())
        return false;
    int przecinki = 0;
    for (QChar c : t) {
        if (c == SeparatorDziesietny())
            ++przecinki;
        else if (!JestCyfra(c))
            return false;
    }
    return przecinki <= 1;
}

// A number from outside: trimmed, without thousands separators. NaN for no number.
double LiczbaZTekstu(const QString &tekst, QString &oczyszczony)
{
    oczyszczony = ZamienZnak(Trim(tekst), SeparatorTysiecy(), QChar());
    if (Pusty(oczyszczony))
        return std::numeric_limits<double>::quiet_NaN();
    return TekstNaFloat(oczyszczony, std::numeric_limits<double>::quiet_NaN());
}

}   // namespace

QString TekstNadmiaru() { return QStringLiteral(" Nadmiar ! "); }
QString KreskaSumy() { return QStringLiteral("-------------"); }

TstanKalkulatora OdtworzStanKalkulatora() { return g_stan; }

void ZapiszStanKalkulatora(const TstanKalkulatora &stan)
{
    g_stan = stan;
    g_stan.Wyswietlacz = stan.Wyswietlacz.left(kZnakowStanu);
    while (g_stan.Tasma.size() > kLiniiStanu)
        g_stan.Tasma.removeFirst();
    for (QString &linia : g_stan.Tasma)
        linia = linia.left(kZnakowStanu);
}

void WyczyscStanKalkulatora() { g_stan = TstanKalkulatora(); }

QString FormatWyswietlacza(long double x)
{
    if (JestNadmiarem(x))
        return TekstNadmiaru();
    const long double a = std::fabs(x);
    // The exponent form is padded too, so that the tape keeps its column.
    if (a > 9999999999.0L || (a > 0 && a < 1e-8L))
        return DoPrawej(FormatWykladniczy(x), kSzerokoscWyswietlacza);
    return DoPrawej(FloatWPolu(kSzerokoscWyswietlacza, true, double(x)), kSzerokoscWyswietlacza);
}

void Dzialanie(QChar kod, long double &suma, long double argument)
{
    long double w;
    switch (kod.unicode()) {
    case '+': w = suma + argument; break;
    case '-': w = suma - argument; break;
    case '*': w = suma * argument; break;
    case '/': w = argument == 0 ? std::numeric_limits<long double>::infinity() : suma / argument; break;
    case '%': w = suma * 0.01L; break;
    // Half away from zero on the decimal form, as money is rounded everywhere else: adding
    // 0,5 and truncating would turn 1,005 into 1,00 and -1,234 into -1,22.
    case 'G': w = ZaokraglijGr(suma); break;
    case '^': w = suma * suma; break;
    case 'i': w = suma == 0 ? std::numeric_limits<long double>::infinity() : 1.0L / suma; break;
    case 'v': w = suma < 0 ? std::numeric_limits<long double>::quiet_NaN() : std::sqrt(suma); break;
    default: return;
    }
    suma = std::isfinite(w) ? w : kNadmiar;
}

bool JestJednoargumentowa(QChar kod)
{
    return kod == QLatin1Char('%') || kod == QLatin1Char('G') || kod == QLatin1Char('^') || kod == QLatin1Char('i')
           || kod == QLatin1Char('v');
}

bool JestKodemWpisu(QChar kod)
{
    return JestCyfra(kod) || kod == QLatin1Char('.') || kod == QLatin1Char('<') || kod == QLatin1Char('R')
           || kod == QLatin1Char('Z');
}

bool JestKodemDzialania(QChar kod)
{
    return kod == QLatin1Char('+') || kod == QLatin1Char('-') || kod == QLatin1Char('*') || kod == QLatin1Char('/')
           || kod == QLatin1Char('=') || JestJednoargumentowa(kod);
}

TklawiszKalk KlawiszKalkulatora(QChar znak, QChar poprzedni, bool polowy)
{
    const QChar z = znak.toUpper();
    const bool poM = poprzedni.toUpper() == QLatin1Char('M');
    switch (z.unicode()) {
    case kZnakBackspace: return {QLatin1Char('<'), TakcjaKlawisza::Nic};
    case kZnakEnter: return {QLatin1Char('='), polowy ? TakcjaKlawisza::Wstaw : TakcjaKlawisza::Nic};
    case kZnakEscape: return {QChar(), polowy ? TakcjaKlawisza::Zamknij : TakcjaKlawisza::Fokus};
    case kZnakCtrlC: return {QChar(), TakcjaKlawisza::Kopiuj};
    case kZnakCtrlV: return {QChar(), TakcjaKlawisza::Wklej};
    case '%':
    case '*':
    case '-':
    case '.':
    case '/':
    case '=':
    case 'G':
    case 'Z': return {z, TakcjaKlawisza::Nic};
    case ',': return {QLatin1Char('.'), TakcjaKlawisza::Nic};
    case '+': return poM ? TklawiszKalk{QChar(), TakcjaKlawisza::MenuDodaj} : TklawiszKalk{z, TakcjaKlawisza::Nic};
    case 'C': return poM ? TklawiszKalk{QChar(), TakcjaKlawisza::MenuKasuj} : TklawiszKalk{z, TakcjaKlawisza::Nic};
    case 'R': return {QChar(), poM ? TakcjaKlawisza::MenuCzytaj : TakcjaKlawisza::Nic};
    case 'S': return {QChar(), polowy ? TakcjaKlawisza::Nic : TakcjaKlawisza::Wstaw};
    default:
        // Digits of other scripts are no keys of this keypad.
        if (z >= QLatin1Char('0') && z <= QLatin1Char('9'))
            return {z, TakcjaKlawisza::Nic};
        return {};
    }
}

void TlogikaKalkulatora::ObsluzKlawisz(QChar kod, int n)
{
    if (JestKodemWpisu(kod)) {
        Wpis(kod, n);
    } else if (JestKodemDzialania(kod)) {
        Operacja(kod);
    } else if (kod == QLatin1Char('A')) {
        if (WZakresiePamieci(n))
            s.Pamieci[n - 1] += TekstNaFloat(s.Wyswietlacz, 0);
    } else if (kod == QLatin1Char('K')) {
        if (WZakresiePamieci(n))
            s.Pamieci[n - 1] = 0;
    } else if (kod == QLatin1Char('C')) {
        s.Pamieci.fill(0);
        s.Wyswietlacz.clear();
        s.Tasma.clear();
        s.Argument = 0;
        s.CalaSuma = 0;
        s.LastFunkc = QLatin1Char('+');
        s.DajArgum = true;
    }
    UstawZnacznik();
}

void TlogikaKalkulatora::Wpis(QChar kod, int n)
{
    if (s.DajArgum)
        s.Wyswietlacz.clear();
    const int L = s.Wyswietlacz.size();
    if (JestCyfra(kod)) {
        if (L < 10)
            s.Wyswietlacz += kod;
    } else if (kod == QLatin1Char('.')) {
        if (!s.Wyswietlacz.contains(SeparatorDziesietny()) && L >= 1 && L <= 8)
            s.Wyswietlacz += SeparatorDziesietny();
    } else if (kod == QLatin1Char('<')) {
        if (L > 0)
            s.Wyswietlacz.chop(1);
    } else if (kod == QLatin1Char('R')) {
        s.Argument = WZakresiePamieci(n) ? s.Pamieci[n - 1] : 0;
    } else if (kod == QLatin1Char('Z')) {
        s.Argument = -s.Argument;
    }
    if (kod == QLatin1Char('R') || kod == QLatin1Char('Z'))
        s.Wyswietlacz = FormatWyswietlacza(s.Argument);
    else
        s.Argument = TekstNaFloat(s.Wyswietlacz, 0);
    s.DajArgum = false;
}

void TlogikaKalkulatora::Operacja(QChar kod)
{
    const bool unarna = JestJednoargumentowa(kod);
    const bool oczekujaca = !JestJednoargumentowa(s.LastFunkc);
    if (oczekujaca)
        DopiszDoTasmy(QLatin1Char(' ') + FormatWyswietlacza(s.Argument));
    DopiszDoTasmy(LiniaDzialania(kod));
    if (oczekujaca)
        Dzialanie(s.LastFunkc, s.CalaSuma, s.Argument);
    if (unarna) {
        Dzialanie(kod, s.CalaSuma, s.Argument);
        s.Argument = s.CalaSuma;
    }
    s.DajArgum = !unarna;
    s.LastFunkc = kod;
    s.Wyswietlacz = FormatWyswietlacza(s.CalaSuma);
    if (kod == QLatin1Char('=')) {
        DopiszDoTasmy(QLatin1Char(' ') + s.Wyswietlacz + QLatin1Char(' '));
        DopiszDoTasmy(KreskaSumy());
        s.Argument = s.CalaSuma;
        s.CalaSuma = 0;
        s.LastFunkc = QLatin1Char('+');
    }
}

void TlogikaKalkulatora::UstawZnacznik()
{
    bool jest = false;
    for (long double m : s.Pamieci)
        jest = jest || m != 0;
    s.ZnacznikPamieci = jest ? QLatin1Char('P') : QLatin1Char(' ');
}

bool TlogikaKalkulatora::WpiszLiczbe(const QString &tekst)
{
    QString t;
    const double v = LiczbaZTekstu(tekst, t);
    if (std::isnan(v))
        return false;
    t = BezSpacji(t);
    if (DaSieWpisac(t)) {
        // Typed on a copy first: a key the display refuses would change the number.
        TlogikaKalkulatora proba(*this);
        const QString przed = s.DajArgum ? QString() : s.Wyswietlacz;
        for (QChar c : t)
            proba.ObsluzKlawisz(c == SeparatorDziesietny() ? QLatin1Char('.') : c);
        if (proba.s.Wyswietlacz == przed + t) {
            *this = proba;
            return true;
        }
    }
    // As a recalled memory would come: a new operand, the display full.
    s.Argument = v;
    s.Wyswietlacz = FormatWyswietlacza(s.Argument);
    s.DajArgum = false;
    UstawZnacznik();
    return true;
}

bool TlogikaKalkulatora::DodajDoPamieci(int n, const QString &tekst)
{
    QString t;
    const double v = LiczbaZTekstu(tekst, t);
    if (std::isnan(v) || !WZakresiePamieci(n))
        return false;
    s.Pamieci[n - 1] += v;
    UstawZnacznik();
    return true;
}

void TlogikaKalkulatora::DopiszDoTasmy(const QString &linia)
{
    s.Tasma.append(linia);
    while (s.Tasma.size() > kLiniiTasmy)
        s.Tasma.removeFirst();
}

bool TlogikaKalkulatora::WartoscWyswietlacza(double &wartosc) const
{
    const double v = TekstNaFloat(s.Wyswietlacz, std::numeric_limits<double>::quiet_NaN());
    if (std::isnan(v))
        return false;
    wartosc = v;
    return true;
}

int TlogikaKalkulatora::PierwszaWidocznaLinia() const { return qMax(0, int(s.Tasma.size()) - kWidoczneLinieTasmy); }
