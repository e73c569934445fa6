#include "paleta.h"

#include <QOperatingSystemVersion>
#include <algorithm>
#include <cmath>

namespace {

TstylAplikacji g_styl = sa_Win10nor;
TKolor g_twarz = RGB(240, 240, 240);

struct Wpis {
    int nr;
    TKolor win10;
    TKolor oldBlue;
};

// Entries with their sa_Win10nor (also sa_VclCore) and sa_OldBlue colours; the XP blue, Windows 7
// and Windows 8 styles share the Windows 10 tints, XP olive and silver recolour them (Przebarw).
const Wpis kWpisy[] = {
    {1, RGB(206, 232, 253), RGB(196, 215, 245)},
    {2, RGB(255, 228, 161), RGB(255, 228, 161)},
    {3, RGB(206, 232, 253), RGB(196, 215, 245)},
    {17, RGB(200, 228, 250), RGB(200, 220, 250)},
    {19, RGB(63, 150, 220), RGB(80, 120, 180)},
    {20, RGB(63, 150, 220), RGB(80, 120, 180)},
    {23, RGB(130, 200, 255), RGB(135, 180, 225)},
    {24, RGB(255, 250, 225), RGB(255, 248, 215)},
    {25, RGB(230, 243, 254), RGB(231, 239, 255)},
    {39, RGB(255, 250, 225), RGB(255, 250, 225)},
    {43, RGB(0, 71, 158), RGB(0, 45, 153)},
    {44, RGB(0, 95, 212), RGB(0, 65, 204)},
    {45, RGB(175, 35, 0), RGB(175, 35, 0)},
    {46, RGB(0, 51, 120), RGB(0, 30, 100)},
    {47, RGB(0, 96, 0), RGB(0, 96, 0)},
    {48, RGB(80, 80, 80), RGB(80, 80, 80)},
    {51, RGB(246, 251, 255), RGB(245, 249, 255)},
    {52, RGB(125, 173, 211), RGB(150, 177, 220)},
    {53, RGB(255, 218, 128), RGB(255, 218, 128)},
    {54, RGB(255, 255, 255), RGB(255, 255, 255)},
    {55, RGB(200, 200, 200), RGB(201, 198, 181)},
    {56, RGB(187, 221, 250), RGB(194, 216, 255)},
    {57, RGB(192, 223, 248), RGB(196, 215, 245)},
    {58, RGB(232, 242, 250), RGB(196, 215, 245)},
    {61, RGB(30, 120, 195), RGB(48, 105, 198)},
    {62, RGB(235, 246, 255), RGB(236, 240, 255)},
    {63, RGB(144, 162, 178), RGB(150, 160, 180)},
    {64, RGB(7, 87, 157), RGB(15, 60, 150)},
    {65, RGB(7, 87, 157), RGB(15, 60, 150)},
    {66, RGB(91, 129, 162), RGB(100, 120, 160)},
    {70, RGB(221, 221, 221), RGB(163, 160, 155)},
    {76, RGB(0, 71, 158), RGB(0, 71, 158)},
    {77, RGB(0, 51, 255), RGB(0, 51, 255)},
    {78, RGB(225, 102, 0), RGB(225, 102, 0)},
    {79, RGB(0, 51, 120), RGB(0, 51, 120)},
    {80, RGB(0, 96, 0), RGB(0, 96, 0)},
    {81, RGB(51, 153, 0), RGB(51, 153, 0)},
    {82, RGB(225, 102, 0), RGB(225, 102, 0)},
    {83, RGB(0, 96, 0), RGB(0, 96, 0)},
    {102, RGB(229, 243, 255), RGB(235, 243, 255)},
    {104, RGB(255, 255, 255), RGB(255, 255, 255)},
    {105, RGB(255, 248, 215), RGB(245, 240, 210)},
    {106, RGB(255, 238, 194), RGB(255, 238, 194)},
};

// The grids' five column colours (26..30): light tints that tell the columns apart.
const TKolor kKolumny[5] = {RGB(232, 243, 253), RGB(255, 250, 228), RGB(234, 248, 234), RGB(252, 236, 236),
                            RGB(240, 236, 252)};

// Division rounded to the nearest integer, halves rounded down.
int Dziel(long long a, long long b) { return int(std::ceil(double(a) / double(b) - 0.5)); }

int Ogr(int v) { return std::clamp(v, 0, 255); }

// The channels sorted in descending order (ties keep R, G, B) with their positions.
struct Analiza {
    int kanal[3];
    int poz[3];   // poz[0] holds max, poz[1] mid, poz[2] min

    explicit Analiza(TKolor c)
    {
        kanal[0] = Czerwony(c);
        kanal[1] = Zielony(c);
        kanal[2] = Niebieski(c);
        poz[0] = 0;
        poz[1] = 1;
        poz[2] = 2;
        std::stable_sort(poz, poz + 3, [this](int a, int b) { return kanal[a] > kanal[b]; });
    }
    int max() const { return kanal[poz[0]]; }
    int mid() const { return kanal[poz[1]]; }
    int min() const { return kanal[poz[2]]; }

    // New max and min; the middle channel follows so the hue stays.
    TKolor Zmien(int nMax, int nMin) const
    {
        nMax = Ogr(nMax);
        nMin = Ogr(nMin);
        int nMid;
        if (max() == mid() || max() == min())
            nMid = nMax;
        else if (nMax == nMin || min() == mid())
            nMid = nMin;
        else
            nMid = std::clamp(Dziel(qint64(nMax) * (mid() - min()) + qint64(nMin) * (max() - mid()), max() - min()),
                              std::min(nMin, nMax), std::max(nMin, nMax));
        int k[3];
        k[poz[0]] = nMax;
        k[poz[1]] = Ogr(nMid);
        k[poz[2]] = nMin;
        return RGB(k[0], k[1], k[2]);
    }
};

TKolor SkalujNasycenie(TKolor c, int p)
{
    const Analiza a(c);
    if (p == 0 || p == 100 || a.max() == 0 || a.max() == a.min())
        return c;
    const int nMin = std::min(a.max(), a.max() - Dziel(qint64(p) * (a.max() - a.min()), 100));
    return a.Zmien(a.max(), nMin);
}

TKolor PrzesunJasnosc(TKolor c, int d)
{
    const Analiza a(c);
    return a.Zmien(a.max() + d, a.min() + d);
}

int Suma(TKolor c) { return Czerwony(c) + Zielony(c) + Niebieski(c); }

// Hue (0..359, -1 for greys), saturation and value (0..255), as in the usual HSV model.
void DoHsv(TKolor c, int &h, int &s, int &v)
{
    const Analiza a(c);
    v = a.max();
    const int d = a.max() - a.min();
    s = v == 0 ? 0 : Dziel(qint64(d) * 255, v);
    if (d == 0) {
        h = -1;
        return;
    }
    const int r = Czerwony(c), g = Zielony(c), b = Niebieski(c);
    double hh;
    if (a.poz[0] == 0)
        hh = 60.0 * double(g - b) / d;
    else if (a.poz[0] == 1)
        hh = 120.0 + 60.0 * double(b - r) / d;
    else
        hh = 240.0 + 60.0 * double(r - g) / d;
    h = (int(std::lround(hh)) % 360 + 360) % 360;
}

TKolor ZHsv(int h, int s, int v)
{
    s = std::clamp(s, 0, 255);
    v = std::clamp(v, 0, 255);
    if (h < 0 || s == 0)
        return RGB(v, v, v);
    const double hh = (h % 360) / 60.0;
    const int i = int(hh);
    const double f = hh - i, vs = v * (s / 255.0);
    const int p = int(std::lround(v - vs)), q = int(std::lround(v - vs * f)), t = int(std::lround(v - vs * (1 - f)));
    switch (i) {
    case 0: return RGB(v, t, p);
    case 1: return RGB(q, v, p);
    case 2: return RGB(p, v, t);
    case 3: return RGB(p, q, v);
    case 4: return RGB(t, p, v);
    default: return RGB(v, p, q);
    }
}

// The olive and silver styles recolour the blue family of the palette (hues from cyan to
// blue) into their own: olive greens and grey-violets; warm accents and greys stay as they are.
TKolor Przebarw(TKolor c, TstylAplikacji styl)
{
    int h, s, v;
    DoHsv(c, h, s, v);
    if (h < 180 || h > 250)
        return c;
    if (styl == sa_XPolive)
        return ZHsv(75 + (h - 205) / 4, s * 3 / 4, v * 94 / 100);
    return ZHsv(245 + (h - 205) / 4, s * 3 / 10, v);
}

// The entries nobody names: light tints spread over the hue circle, one per entry, so that no
// two neighbouring entries look alike.
TKolor WpisWolny(int wpis)
{
    if (wpis >= 26 && wpis <= 30)
        return kKolumny[wpis - 26];
    return ZHsv(wpis * 47 % 360, 22, 250);
}

}   // namespace

TKolor ZKoloruBGR(quint32 bgr) { return RGB(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)); }

void UstawStylAplikacji()
{
    if (ProcKolorPrzyciskuSystemu)
        g_twarz = ProcKolorPrzyciskuSystemu();
    TstylAplikacji s = sa_Win10nor;
    const QOperatingSystemVersion v = QOperatingSystemVersion::current();
    if (v.type() == QOperatingSystemVersion::Windows) {
        if (v >= QOperatingSystemVersion::Windows10)
            s = sa_Win10nor;
        else if (v >= QOperatingSystemVersion::Windows8)
            s = sa_Win8norm;
        else if (v >= QOperatingSystemVersion::Windows7)
            s = sa_Sys7norm;
    }
    g_styl = s;
}

void UstawStyl(TstylAplikacji styl) { g_styl = styl; }
TstylAplikacji StylAplikacji() { return g_styl; }
TKolor KolorTwarzy() { return g_twarz; }
void UstawKolorTwarzy(TKolor c) { g_twarz = c; }

TKolor KolorStylu(int wpis, bool projekt)
{
    if (wpis < 1 || wpis > kWpisyPalety)
        return RGB(240, 240, 240);
    const TstylAplikacji styl = projekt ? sa_Win10nor : g_styl;
    TKolor c = 0;
    for (const Wpis &w : kWpisy)
        if (w.nr == wpis)
            c = styl == sa_OldBlue ? w.oldBlue : w.win10;
    if (c == 0)
        c = styl == sa_OldBlue ? Przesun(WpisWolny(wpis), -6, 0, 0) : WpisWolny(wpis);
    if (styl == sa_XPolive || styl == sa_XPsilver)
        c = Przebarw(c, styl);
    return KolorNormalny(c);
}

TKolor KolorNormalny(TKolor c) { return c == kKolorTwarzy ? g_twarz : c; }

int NasycenieProc(TKolor c)
{
    const Analiza a(c);
    return a.max() == 0 ? 0 : Dziel(qint64(a.max() - a.min()) * 100, a.max());
}

TKolor Pastel(TKolor c, int m)
{
    c = KolorNormalny(c);
    const Analiza a(c);
    return a.Zmien(255, a.max() == a.min() ? 255 : m);
}

TKolor Przesun(TKolor c, int delta, int procCiemniej, int procJasniej)
{
    c = KolorNormalny(c);
    if (delta == 0)
        return c;
    return SkalujNasycenie(PrzesunJasnosc(c, delta), delta < 0 ? procCiemniej : procJasniej);
}

TKolor KolorWzgledny(TKolor c, int delta)
{
    const bool twarz = c == kKolorTwarzy;
    c = KolorNormalny(c);
    if (delta == 0)
        return c;
    const int s = NasycenieProc(c);
    const int S = Suma(c);
    if (delta < 0 && !twarz && c != g_twarz && s > 0 && s < 50 && S > 600) {
        const int o = std::min({S - 600, Dziel(5000, s) - 100, -6 * delta});
        const TKolor n = SkalujNasycenie(c, 100 + o);
        int w = Dziel(S - Suma(n), 3);
        if (S > 690)
            w = Dziel(qint64(w) * (765 - S), 75);
        return Przesun(n, delta + std::max(w, 0), 0, 0);
    }
    return Przesun(c, delta, 0, 0);
}

TKolor Srednia(TKolor c1, TKolor c2)
{
    c1 = KolorNormalny(c1);
    c2 = KolorNormalny(c2);
    return RGB(Dziel(Czerwony(c1) + Czerwony(c2), 2), Dziel(Zielony(c1) + Zielony(c2), 2),
               Dziel(Niebieski(c1) + Niebieski(c2), 2));
}

void ParaGradientu(TKolor c, int sila, TKolor &start, TKolor &koniec)
{
    start = Pastel(c, 252);
    koniec = KolorWzgledny(c, -sila);
}
