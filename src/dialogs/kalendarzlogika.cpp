#include "kalendarzlogika.h"

#include "common/daty.h"
#include "common/teksty.h"

#include <algorithm>
#include <cmath>

const QString kNazwyDniKalendarza[7] = {
    QStringLiteral("Pn"), QStringLiteral("Wt"), QStringLiteral("Śr"), QStringLiteral("Cz"),
    QStringLiteral("Pt"), QStringLiteral("So"), QStringLiteral("N"),
};

const QString kNazwyMiesiecyKalendarza[12] = {
    QStringLiteral("Styczeń"),  QStringLiteral("Luty"),      QStringLiteral("Marzec"),   QStringLiteral("Kwiecień"),
    QStringLiteral("Maj"),      QStringLiteral("Czerwiec"),  QStringLiteral("Lipiec"),   QStringLiteral("Sierpień"),
    QStringLiteral("Wrzesień"), QStringLiteral("Paździer."), QStringLiteral("Listopad"), QStringLiteral("Grudzień"),
};

int DzienTygodnia(double data)
{
    // day 0 (30.12.1899) was a Saturday, day 2 a Monday
    const long long n = static_cast<long long>(std::floor(data)) - 2;
    return int(((n % 7) + 7) % 7) + 1;
}

TparaDaty OpisDaty(int rok, int miesiac, int dzien)
{
    TparaDaty p;
    p.R = Ogranicz(rok, kRokMinKalendarza, kRokMaxKalendarza);
    p.M = Ogranicz(miesiac, 1, 12);
    p.Dmax = DniMiesiaca(p.R, p.M);
    p.D = Ogranicz(dzien, 1, p.Dmax);
    p.T = KodujDate(p.R, p.M, p.D, 0);
    p.Dtyg = DzienTygodnia(p.T);
    p.Tm1 = KodujDate(p.R, p.M, 1, 0);
    p.Dtg1 = DzienTygodnia(p.Tm1);
    p.puste = p.Dtg1 - 1;
    return p;
}

void DzienNaCele(const TparaDaty &p, int n, int &ACol, int &ARow)
{
    const int k = Ogranicz(n, 1, 31) + p.puste;
    ARow = (k - 1) / 7 + 1;
    ACol = (k - 1) % 7;
}

int CelaNaDzien(const TparaDaty &p, int ACol, int ARow)
{
    if (ACol < 0 || ACol > 6 || ARow < 1)
        return 0;
    const int d = ACol + (ARow - 1) * 7 - p.puste + 1;
    return (d >= 1 && d <= p.Dmax) ? d : 0;
}

TparaDaty ZmianaMiesiaca(const TparaDaty &p, int delta)
{
    // Beyond the ends of the calendar the month number would wrap into a year that
    // OpisDaty reads as "keep the current one"; stop at the ends instead.
    const long long n =
        std::clamp<long long>(static_cast<long long>(NumerMiesiaca(p.R, p.M)) + delta,
                              NumerMiesiaca(kRokMinKalendarza, 1), NumerMiesiaca(kRokMaxKalendarza, 12));
    int r = 0, m = 0;
    RozbijNumerMiesiaca(int(n), r, m);
    return OpisDaty(r, m, p.D);
}

void DataWielkanocy(int rok, int &miesiac, int &dzien)
{
    // the anonymous Gregorian computus (Meeus/Jones/Butcher)
    const int a = rok % 19;
    const int b = rok / 100;
    const int c = rok % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int x = h + l - 7 * m + 114;
    miesiac = x / 31;
    dzien = x % 31 + 1;
}

QString NazwaSwieta(int rok, int miesiac, int dzien)
{
    if (rok < kPierwszyRokSwiat || rok > kRokMaxKalendarza || miesiac < 1 || miesiac > 12 || dzien < 1
        || dzien > DniMiesiaca(rok, miesiac))
        return QString();

    struct Stale {
        int m, d, od;
        const char16_t *nazwa;
    };
    static const Stale kStale[] = {
        {1, 1, 0, u"Nowy Rok"},
        {1, 6, 2011, u"Święto Trzech Króli"},
        {5, 1, 0, u"Święto Pracy"},
        {5, 3, 0, u"Święto Konstytucji 3 Maja"},
        {8, 15, 0, u"Wniebowzięcie NMP"},
        {11, 1, 0, u"Wszystkich Świętych"},
        {11, 11, 0, u"Święto Niepodległości"},
        {12, 24, 2025, u"Wigilia Bożego Narodzenia"},
        {12, 25, 0, u"Boże Narodzenie"},
        {12, 26, 0, u"Drugi dzień Bożego Narodzenia"},
    };
    for (const Stale &s : kStale)
        if (s.m == miesiac && s.d == dzien && rok >= s.od)
            return QString::fromUtf16(s.nazwa);

    int wm = 0, wd = 0;
    DataWielkanocy(rok, wm, wd);
    const double wielkanoc = KodujDate(rok, wm, wd, 0);
    const double dzis = KodujDate(rok, miesiac, dzien, 0);
    switch (static_cast<int>(dzis - wielkanoc)) {
    case 0: return QStringLiteral("Wielkanoc");
    case 1: return QStringLiteral("Poniedziałek Wielkanocny");
    case 49: return QStringLiteral("Zielone Świątki");
    case 60: return QStringLiteral("Boże Ciało");
    default: return QString();
    }
}

bool JestSwietem(int rok, int miesiac, int dzien) { return !NazwaSwieta(rok, miesiac, dzien).isEmpty(); }

void KoloryKomorki(const TparaDaty &p, bool wybrana, TKolor kolorSiatki, TKolor kolorCzcionki, TKolor &tlo,
                   TKolor &czcionka)
{
    tlo = wybrana ? KolorStylu(106) : kolorSiatki;
    czcionka = p.Dtyg == 7 ? kKolorNiedzieli : kolorCzcionki;
}

void KoloryDniWolnych(const TparaDaty &p, bool fokus, TKolor &tlo, TKolor &czcionka)
{
    if (JestSwietem(p)) {
        czcionka = kKolorNiedzieli;
        if (!fokus)
            tlo = kTloSwieta;
    } else if (p.Dtyg == 7) {
        czcionka = kKolorNiedzieli;
    }
}

TKolor KolorNaglowkaKalendarza(int kod)
{
    switch (kod) {
    case 1: return KolorStylu(105);
    case 2: return KolorStylu(24);
    case 3: return KolorStylu(25);
    default: return KolorTwarzy();
    }
}

TrozmiarKomorek RozmiarKomorek(int szerokosc, int wysokosc, int linia, int hNagl)
{
    TrozmiarKomorek r;
    r.szerKolumny = std::max(0, (szerokosc - 6 * linia) / 7);
    if (hNagl > 0) {
        r.wysNaglowka = hNagl;
        r.wysWiersza = std::max(0, (wysokosc - 6 * linia - hNagl) / 6);
    } else {
        r.wysWiersza = std::max(0, (wysokosc - 6 * linia) / 7);
        r.wysNaglowka = r.wysWiersza;
    }
    return r;
}
