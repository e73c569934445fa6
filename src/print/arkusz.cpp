#include "arkusz.h"

#include "common/bledy.h"

#include <cstdlib>

qint32 MulDiv(qint32 a, qint32 b, qint32 c)
{
    if (c == 0)
        return -1;
    const qint64 iloczyn = qint64(a) * b;
    const bool ujemny = (iloczyn < 0) != (c < 0);
    const qint64 m = iloczyn < 0 ? -iloczyn : iloczyn;
    const qint64 d = c < 0 ? -qint64(c) : c;
    const qint64 w = (m + d / 2) / d;
    return qint32(ujemny ? -w : w);
}

TPoziom JustPoziom(Tjustuj j)
{
    const int n = j;
    if (n <= 4)
        return pozLewo;
    if (n <= 8)
        return pozPrawo;
    return pozSrodek;
}

TPion JustPion(Tjustuj j)
{
    switch (j) {
    case just_G:
    case just_PG:
    case just_CG: return pionGora;
    case just_D:
    case just_PD:
    case just_CD: return pionDol;
    case just_B:
    case just_PB:
    case just_CB: return pionBlok;
    default: return pionSrodek;
    }
}

unsigned FormatWpisu(Tjustuj j)
{
    unsigned f = dtNOPREFIX;
    switch (JustPion(j)) {
    case pionBlok: f |= dtWORDBREAK; break;
    case pionSrodek: f |= dtSINGLELINE | dtVCENTER; break;
    case pionDol: f |= dtSINGLELINE | dtBOTTOM; break;
    case pionGora: f |= dtSINGLELINE; break;
    }
    switch (JustPoziom(j)) {
    case pozPrawo: f |= dtRIGHT; break;
    case pozSrodek: f |= dtCENTER; break;
    case pozLewo: break;
    }
    return f;
}

TARKUSZ::TARKUSZ() { BudujZestawCzcionek(); }

TARKUSZ::~TARKUSZ() = default;

void TARKUSZ::ZmienStrone()
{
    NowaStrona();
    if (PoNowejStronie)
        PoNowejStronie();
}

TKanwa &TARKUSZ::Plotno()
{
    TKanwa *k = DajPlotno();
    if (!k)
        throw EMojeBledy(QStringLiteral("Arkusz wydruku nie ma powierzchni do rysowania."));
    return *k;
}

void TARKUSZ::START_RYSUNKU(TKanwa *Cnv, TPoint LHcnv, int Dpi)
{
    FprivCanvas = Cnv;
    Fjednostka = jm_pixel;
    FjednosNaCal = Dpi;
    FpixeliNaCal = {Dpi, Dpi};
    FuzytkowaPix = FfizycznaPix = LHcnv;
    FofsetPix = TRect();
    AktSkala = 100;
    AktMarginesy = TRect();
    UstawOdwzorowanie();
    BudujZestawCzcionek();
    DOMYSLNE_PARAPETRY();
    Ydruk = 0;
}

void TARKUSZ::DOMYSLNE_PARAPETRY()
{
    TestujAbort();
    TKanwa &k = Plotno();
    TFontKanwy f = k.Czcionka();
    f.nazwa = QStringLiteral("Arial");
    k.UstawCzcionke(f);
    k.UstawPioro(TPioro{1, psSolid, kCzarny});
    k.UstawPedzel(TPedzel{bsSolid, kBialy});
    AktPrzesuwanie = false;
    UstawGrubosc(1);
    UstawBackGroundKolor(kBialy);
    UstawStylTransparent(true);
    UstawCzcionke(Ar10);
}

// ---- set-up and units ----

void TARKUSZ::UstawFormat(const TRect &Marginesy, int Skala)
{
    ZapiszFormat(Marginesy, Skala);
    UstawOdwzorowanie();
}

void TARKUSZ::UstawFormat(TjMiary, const TRect &Marginesy, int Skala) { UstawFormat(Marginesy, Skala); }

void TARKUSZ::ZapiszFormat(const TRect &Marginesy, int Skala)
{
    AktMarginesy = Marginesy;
    AktSkala = Ogranicz(Skala, 40, 100);
}

qint32 TARKUSZ::JednX(qint32 n) const { return MulDiv(n, FjednosNaCal, FpixeliNaCal.X); }
qint32 TARKUSZ::JednY(qint32 n) const { return MulDiv(n, FjednosNaCal, FpixeliNaCal.Y); }
qint32 TARKUSZ::PixeX(qint32 n) const { return MulDiv(n, FpixeliNaCal.X, FjednosNaCal); }
qint32 TARKUSZ::PixeY(qint32 n) const { return MulDiv(n, FpixeliNaCal.Y, FjednosNaCal); }
qint32 TARKUSZ::FontSizeNaHeight(qint32 p) const { return -MulDiv(p, FjednosNaCal, 72); }
qint32 TARKUSZ::FontHeightNaSize(qint32 H) const { return MulDiv(72, std::abs(H), FjednosNaCal); }

void TARKUSZ::UstawOdwzorowanie()
{
    // Margins count from the paper edge; the unprintable strip is already part of them.
    const qint32 x = qMax(0, PixeX(AktMarginesy.Left) - FofsetPix.Left);
    const qint32 c = qMax(0, PixeX(AktMarginesy.Right) - FofsetPix.Right);
    const qint32 y = qMax(0, PixeY(AktMarginesy.Top) - FofsetPix.Top);
    const qint32 f = qMax(0, PixeY(AktMarginesy.Bottom) - FofsetPix.Bottom);
    AktRobocza = {JednX(FuzytkowaPix.X - x - c), JednY(FuzytkowaPix.Y - y - f)};
    qint32 e = FjednosNaCal;
    if (AktSkala != 100) {
        AktRobocza = {MulDiv(AktRobocza.X, 100, AktSkala), MulDiv(AktRobocza.Y, 100, AktSkala)};
        e = MulDiv(FjednosNaCal, 100, AktSkala);
    }
    const qint32 m = qMax(FpixeliNaCal.X, FpixeliNaCal.Y);
    if (TKanwa *k = DajPlotno())
        k->UstawOdwzorowanie(e, m, {x, y});
}

void TARKUSZ::BudujZestawCzcionek()
{
    const QString cr = QStringLiteral("Courier New"), ar = QStringLiteral("Arial"),
                  tm = QStringLiteral("Times New Roman");
    Cr8 = BudujCzcionke(cr, 8, 0, kCzarny);
    Cr9 = BudujCzcionke(cr, 9, 0, kCzarny);
    Cr10 = BudujCzcionke(cr, 10, 0, kCzarny);
    Cr12 = BudujCzcionke(cr, 12, 0, kCzarny);
    Cr8B = BudujCzcionke(cr, 8, fsBold, kCzarny);
    Cr9b = BudujCzcionke(cr, 9, fsBold, kCzarny);
    Cr10b = BudujCzcionke(cr, 10, fsBold, kCzarny);
    Cr12b = BudujCzcionke(cr, 12, fsBold, kCzarny);
    Tczcionka *arial[] = {&Ar7, &Ar8, &Ar9, &Ar10, &Ar11, &Ar12, &Ar14, &Ar16, &Ar18};
    Tczcionka *arialB[] = {&Ar7b, &Ar8b, &Ar9b, &Ar10b, &Ar11b, &Ar12b, &Ar14b, &Ar16b, &Ar18b};
    const int rozmiaryAr[] = {7, 8, 9, 10, 11, 12, 14, 16, 18};
    for (int i = 0; i < 9; ++i) {
        *arial[i] = BudujCzcionke(ar, rozmiaryAr[i], 0, kCzarny);
        *arialB[i] = BudujCzcionke(ar, rozmiaryAr[i], fsBold, kCzarny);
    }
    Tczcionka *times[] = {&Tm8, &Tm9, &Tm10, &Tm11, &Tm12, &Tm14, &Tm16, &Tm18};
    Tczcionka *timesB[] = {&Tm8b, &Tm9b, &Tm10b, &Tm11b, &Tm12b, &Tm14b, &Tm16b, &Tm18b};
    const int rozmiaryTm[] = {8, 9, 10, 11, 12, 14, 16, 18};
    for (int i = 0; i < 8; ++i) {
        *times[i] = BudujCzcionke(tm, rozmiaryTm[i], 0, kCzarny);
        *timesB[i] = BudujCzcionke(tm, rozmiaryTm[i], fsBold, kCzarny);
    }
}

// ---- drawing state ----

void TARKUSZ::UstawBackGroundKolor(TKolor kolor)
{
    AktKolorTla = kolor;
    if (TKanwa *k = DajPlotno())
        k->UstawKolorTla(kolor);
}

void TARKUSZ::UstawStylTransparent(bool tak)
{
    AktTransparent = tak;
    if (TKanwa *k = DajPlotno())
        k->UstawPrzezroczystosc(tak);
}

qint32 TARKUSZ::UstawGrubosc(qint32 Grubosc)
{
    const qint32 stara = AktGrubosc;
    AktGrubosc = Grubosc;
    return stara;
}

void TARKUSZ::StosujTlo()
{
    TKanwa &k = Plotno();
    k.UstawKolorTla(AktKolorTla);
    k.UstawPrzezroczystosc(AktTransparent);
}

// ---- fonts ----

Tczcionka TARKUSZ::BudujCzcionke(const QString &Naz, qint32 Pkt, TCechy fs, TKolor rgb)
{
    Tczcionka c;
    c.nazwa = Naz;
    c.Rozmiar = Pkt;
    c.Cechy = fs;
    c.Kolor = rgb;
    return c;
}

Tczcionka TARKUSZ::UstawCzcionke(Tczcionka &Cz)
{
    TestujAbort();
    Tczcionka stara = WydajCzcionke();
    TKanwa &k = Plotno();
    TFontKanwy f;
    f.nazwa = Cz.nazwa;
    f.zestaw = kEastEuropeCharset;
    f.wysokosc = FontSizeNaHeight(Cz.Rozmiar);
    f.cechy = Cz.Cechy;
    f.kolor = Cz.Kolor;
    k.UstawCzcionke(f);
    const TMetrykiTekstu m = k.Metryki();
    Cz.Hinter = m.wysokosc;
    Cz.Hexter = m.wysokosc + m.odstepZewnetrzny;
    return stara;
}

Tczcionka TARKUSZ::UstawCzcionke(const Tczcionka &Cz)
{
    Tczcionka kopia = Cz;
    return UstawCzcionke(kopia);
}

Tczcionka TARKUSZ::UstawCzcionke(const QString &Naz, qint32 Pkt, TCechy fs, TKolor rgb)
{
    Tczcionka c = BudujCzcionke(Naz, Pkt, fs, rgb);
    return UstawCzcionke(c);
}

Tczcionka TARKUSZ::WydajCzcionke()
{
    TKanwa &k = Plotno();
    const TFontKanwy &f = k.Czcionka();
    const TMetrykiTekstu m = k.Metryki();
    Tczcionka c;
    c.nazwa = f.nazwa;
    c.Rozmiar = FontHeightNaSize(f.wysokosc);
    c.Cechy = f.cechy;
    c.Kolor = f.kolor;
    c.Hinter = m.wysokosc;
    c.Hexter = m.wysokosc + m.odstepZewnetrzny;
    return c;
}

void TARKUSZ::UstawFontSize(qint32 Pkt)
{
    TestujAbort();
    TKanwa &k = Plotno();
    TFontKanwy f = k.Czcionka();
    f.wysokosc = FontSizeNaHeight(Pkt);
    k.UstawCzcionke(f);
}

void TARKUSZ::UstawFontBold(bool TAK)
{
    TestujAbort();
    TKanwa &k = Plotno();
    TFontKanwy f = k.Czcionka();
    f.cechy = TAK ? TCechy(f.cechy | fsBold) : TCechy(f.cechy & ~fsBold);
    k.UstawCzcionke(f);
}

// ---- points and rectangles ----

// A length as a relative move: in pixels a line of n covers n pixels with its first one.
qint32 TARKUSZ::Dlug(qint32 d) const
{
    if (Fjednostka != jm_pixel)
        return d;
    return d > 0 ? d - 1 : d < 0 ? d + 1 : 0;
}

TPoint TARKUSZ::PktHor(TPoint P, qint32 L) const { return {P.X + Dlug(L), P.Y}; }
TPoint TARKUSZ::PktVer(TPoint P, qint32 V) const { return {P.X, P.Y + Dlug(V)}; }
TPoint TARKUSZ::PktDim(TPoint P, qint32 L, qint32 V) const { return PktVer(PktHor(P, L), V); }
TPoint TARKUSZ::PktMin(TPoint P, qint32 L, qint32 V) { return {qMin(P.X, L), qMin(P.Y, V)}; }
TPoint TARKUSZ::PktMax(TPoint P, qint32 L, qint32 V) { return {qMax(P.X, L), qMax(P.Y, V)}; }

TRect TARKUSZ::Region(TPoint P, qint32 L, qint32 V) const
{
    const TPoint k = PktDim(P, L, V);
    return {P.X, P.Y, k.X, k.Y};
}

void TARKUSZ::Boczki(const TRect &R, qint32 &L, qint32 &V) const
{
    L = R.Right - R.Left;
    V = R.Bottom - R.Top;
    if (Fjednostka == jm_pixel) {
        L += L > 0 ? 1 : L < 0 ? -1 : 0;
        V += V > 0 ? 1 : V < 0 ? -1 : 0;
    }
}

// ---- lines and boxes ----

void TARKUSZ::Odcinek(bool absolutny, qint32 x, qint32 y, qint32 grub, TKolor c, TStylPiora s)
{
    TestujAbort();
    TKanwa &k = Plotno();
    const TPoint cel = absolutny ? TPoint{x, y} : PktDim(k.PozycjaPiora(), x, y);
    if (AktPrzesuwanie || grub < 0) {
        k.PrzesunDo(cel);
    } else {
        k.UstawPioro(TPioro{grub, s, c});
        k.LiniaDo(cel);
    }
    AktPrzesuwanie = false;
}

void TARKUSZ::Wprawo(qint32 d, TKolor c, TStylPiora s) { Odcinek(false, d, 0, AktGrubosc, c, s); }
void TARKUSZ::Wlewo(qint32 d, TKolor c, TStylPiora s) { Odcinek(false, -d, 0, AktGrubosc, c, s); }
void TARKUSZ::DoDolu(qint32 d, TKolor c, TStylPiora s) { Odcinek(false, 0, d, AktGrubosc, c, s); }
void TARKUSZ::DoGory(qint32 d, TKolor c, TStylPiora s) { Odcinek(false, 0, -d, AktGrubosc, c, s); }
void TARKUSZ::DoPktu(TPoint P, TKolor c, TStylPiora s) { Odcinek(true, P.X, P.Y, AktGrubosc, c, s); }
void TARKUSZ::RysujP(qint32 d, qint32 grub, TKolor c, TStylPiora s) { Odcinek(false, d, 0, grub, c, s); }
void TARKUSZ::RysujL(qint32 d, qint32 grub, TKolor c, TStylPiora s) { Odcinek(false, -d, 0, grub, c, s); }
void TARKUSZ::RysujD(qint32 d, qint32 grub, TKolor c, TStylPiora s) { Odcinek(false, 0, d, grub, c, s); }
void TARKUSZ::RysujG(qint32 d, qint32 grub, TKolor c, TStylPiora s) { Odcinek(false, 0, -d, grub, c, s); }
void TARKUSZ::RysPkt(TPoint P, qint32 grub, TKolor c, TStylPiora s) { Odcinek(true, P.X, P.Y, grub, c, s); }

void TARKUSZ::Rama(TPoint P, qint32 L, qint32 V, TKolor c, TStylPiora s) { RysRama(P, L, V, AktGrubosc, c, s); }

void TARKUSZ::Rama(const TRect &R, TKolor c, TStylPiora s)
{
    qint32 L = 0, V = 0;
    Boczki(R, L, V);
    Rama(TPoint{R.Left, R.Top}, L, V, c, s);
}

void TARKUSZ::RysRama(TPoint P, qint32 L, qint32 V, qint32 Grub, TKolor c, TStylPiora s)
{
    Przesun();
    RysPkt(P, Grub, c, s);
    RysujP(L, Grub, c, s);
    RysujD(V, Grub, c, s);
    RysujL(L, Grub, c, s);
    RysujG(V, Grub, c, s);
}

void TARKUSZ::RysRama(const TRect &R, qint32 grub, TKolor c, TStylPiora s)
{
    qint32 L = 0, V = 0;
    Boczki(R, L, V);
    RysRama(TPoint{R.Left, R.Top}, L, V, grub, c, s);
}

void TARKUSZ::ZamalujProstokat(const TRect &R, TKolor C, TStylPedzla styl)
{
    TestujAbort();
    TKanwa &k = Plotno();
    const TPedzel byl = k.Pedzel();
    k.UstawPedzel(TPedzel{styl, C});
    k.WypelnijProstokat(TRect{R.Left, R.Top, R.Right + 1, R.Bottom + 1});
    k.UstawPedzel(byl);
}

bool TARKUSZ::RysujSkalujBMP(const QImage &Bitmapa, qint32 Xb, qint32 Yb, qint32 Wb, qint32 Hb, qint32 Xc, qint32 Yc,
                             qint32 Wc, qint32 Hc)
{
    TestujAbort();
    if (Bitmapa.isNull())
        return false;
    return Plotno().KopiujObraz(Bitmapa, QRect(Xb, Yb, Wb, Hb), TRect{Xc, Yc, Xc + Wc, Yc + Hc});
}

// ---- text ----

qint32 TARKUSZ::Lnapisu(const QString &S)
{
    TestujAbort();
    return Plotno().SzerokoscTekstu(SterujaceNaSpacje(S));
}

void TARKUSZ::Pisz(TPoint P, const QString &s)
{
    TestujAbort();
    if (Pusty(s))
        return;
    StosujTlo();
    Plotno().PiszTekst(P, SterujaceNaSpacje(s), nullptr);
}

void TARKUSZ::Wiersz(Tjustuj just, const QString &s, qint32 Odsun)
{
    TestujAbort();
    if (Ydruk + WydajCzcionke().Hexter > AktRobocza.Y)
        ZmienStrone();
    const QString t = SterujaceNaSpacje(s);
    qint32 x = Odsun;
    switch (JustPoziom(just)) {
    case pozPrawo: x = AktRobocza.X - Odsun - Lnapisu(t); break;
    case pozSrodek: x = Odsun + (AktRobocza.X - Odsun - Lnapisu(t)) / 2; break;
    case pozLewo: break;
    }
    StosujTlo();
    Plotno().PiszTekst({x, Ydruk}, t, nullptr);
    Ydruk += WydajCzcionke().Hexter;
}

qint32 TARKUSZ::WpiszWProstokat(const TRect &R, unsigned flagi, const QString &S)
{
    if (Pusty(S))
        return 0;
    StosujTlo();
    return Plotno().RysujTekst(R, flagi, S);
}

qint32 TARKUSZ::Wpisz(const TRect &R, Tjustuj Just, const QString &S)
{
    TestujAbort();
    return WpiszWProstokat(R, FormatWpisu(Just), S);
}

qint32 TARKUSZ::Wpisz(TPoint P, qint32 L, qint32 V, Tjustuj Just, const QString &S)
{
    return Wpisz(Region(P, L, V), Just, S);
}

qint32 TARKUSZ::WysAfisza(qint32 L, qint32 V, Tjustuj Just, const QString &S)
{
    TestujAbort();
    return WpiszWProstokat(TRect{0, 0, L, V}, FormatWpisu(Just) | dtCALCRECT, S);
}

// ---- columns ----

namespace {
template <typename T> const T &Element(const QList<T> &tab, int i) { return tab.at(qMin(i, int(tab.size()) - 1)); }
}   // namespace

void TARKUSZ::InicjujKolumny(qint32 Lewo, qint32 Wysok, const QList<qint32> &TabSzer, TPoint Odstepy,
                             const TRect &LinieCelki, qint32 LinieSkrajne, const QList<Tjustuj> &TabJust,
                             const Tczcionka &Kroj, TKolumny &Kolumny, TKolor RGBpap)
{
    qint32 x = Lewo, w = 50;
    Tjustuj j = just_L;
    for (int i = 0; i < Kolumny.size(); ++i) {
        if (i < TabSzer.size())
            w = TabSzer.at(i);
        if (i < TabJust.size())
            j = TabJust.at(i);
        Tkolumna &k = Kolumny[i];
        k.PozycX = x;
        k.LiczWysok = Wysok < 0;
        k.WysNomin = std::abs(Wysok);
        k.Wymiary = {w, k.WysNomin};
        k.OdRamki = Odstepy;
        k.GrubLin = LinieCelki;
        k.Czcionka = Kroj;
        k.Justuj = j;
        k.RGBkolor = RGBpap;
        x += w;
    }
    if (!Kolumny.isEmpty()) {
        Kolumny.first().GrubLin.Left = LinieSkrajne;
        Kolumny.last().GrubLin.Right = LinieSkrajne;
    }
}

void TARKUSZ::IniMiaryKolumn(const QList<qint32> &Szerok, TKolumny &Kolumny)
{
    if (Szerok.isEmpty() || Kolumny.isEmpty())
        return;
    qint32 x = Kolumny.first().PozycX;
    for (int i = 0; i < Kolumny.size(); ++i) {
        Kolumny[i].PozycX = x;
        Kolumny[i].Wymiary.X = Element(Szerok, i);
        x += Kolumny[i].Wymiary.X;
    }
}

void TARKUSZ::IniJustyKolumn(const QList<Tjustuj> &Justy, TKolumny &Kolumny)
{
    if (!Justy.isEmpty())
        for (int i = 0; i < Kolumny.size(); ++i)
            Kolumny[i].Justuj = Element(Justy, i);
}

void TARKUSZ::IniKolorKolumn(const QList<TKolor> &Kolor, TKolumny &Kolumny)
{
    if (!Kolor.isEmpty())
        for (int i = 0; i < Kolumny.size(); ++i)
            Kolumny[i].RGBkolor = Element(Kolor, i);
}

void TARKUSZ::IniFontSKolumn(const QList<qint32> &Fsize, TKolumny &Kolumny)
{
    if (!Fsize.isEmpty())
        for (int i = 0; i < Kolumny.size(); ++i)
            Kolumny[i].Czcionka.Rozmiar = Element(Fsize, i);
}

void TARKUSZ::IniFontCKolumn(const QList<TKolor> &Fcolor, TKolumny &Kolumny)
{
    if (!Fcolor.isEmpty())
        for (int i = 0; i < Kolumny.size(); ++i)
            Kolumny[i].Czcionka.Kolor = Element(Fcolor, i);
}

void TARKUSZ::IniFontBKolumn(const QList<bool> &Fbold, TKolumny &Kolumny)
{
    if (Fbold.isEmpty())
        return;
    for (int i = 0; i < Kolumny.size(); ++i) {
        TCechy &c = Kolumny[i].Czcionka.Cechy;
        c = Element(Fbold, i) ? TCechy(c | fsBold) : TCechy(c & ~fsBold);
    }
}

void TARKUSZ::IniLinieKolumn(const QList<TRect> &Linie, TKolumny &Kolumny)
{
    if (Linie.isEmpty() || Kolumny.isEmpty())
        return;
    const qint32 lewa = Kolumny.first().GrubLin.Left, prawa = Kolumny.last().GrubLin.Right;
    for (int i = 0; i < Kolumny.size(); ++i)
        Kolumny[i].GrubLin = Element(Linie, i);
    Kolumny.first().GrubLin.Left = lewa;
    Kolumny.last().GrubLin.Right = prawa;
}

void TARKUSZ::UlozKomorkePoziomo(Tkolumna &k)
{
    k.RamaCeli.Left = k.DimTekst.Left = k.PozycX;
    k.RamaCeli.Right = k.DimTekst.Right = k.PozycX + k.Wymiary.X;
    const qint32 ox = k.OdRamki.X;
    if (JustPion(k.Justuj) == pionBlok) {
        k.DimTekst.Left += ox;
        k.DimTekst.Right -= ox;
    } else if (JustPoziom(k.Justuj) == pozLewo) {
        k.DimTekst.Left += ox;
    } else if (JustPoziom(k.Justuj) == pozPrawo) {
        k.DimTekst.Right -= ox;
    }
}

void TARKUSZ::UlozKomorkePionowo(qint32 Y, const QString &tekst, Tkolumna &k)
{
    const qint32 oy = k.OdRamki.Y;
    const TPion pion = JustPion(k.Justuj);
    if (k.LiczWysok) {
        UstawCzcionke(k.Czcionka);
        qint32 tresc = k.Czcionka.Hinter;
        if (pion == pionBlok)
            // an empty cell is one line high
            tresc = WysAfisza(k.DimTekst.Szerokosc(), 10, k.Justuj, Pusty(tekst) ? QStringLiteral("Ś") : tekst);
        k.Wymiary.Y = qMax(tresc + 2 * oy, k.WysNomin);
    }
    k.RamaCeli.Top = Y;
    k.RamaCeli.Bottom = Y + k.Wymiary.Y;
    qint32 t = 0, b = 0;
    switch (pion) {
    case pionSrodek: break;
    case pionGora: t = oy; break;
    case pionDol: b = oy; break;
    case pionBlok: t = b = oy; break;
    }
    k.DimTekst.Top = Y + t;
    k.DimTekst.Bottom = k.RamaCeli.Bottom - b;
}

void TARKUSZ::UlozKomorke(qint32 Y, const QString &tekst, Tkolumna &k)
{
    UlozKomorkePoziomo(k);
    UlozKomorkePionowo(Y, tekst, k);
}

void TARKUSZ::RysujKomorke(qint32, const QString &tekst, Tkolumna &k)
{
    // "@" leaves the cell out altogether: no fill, no edges, no text
    if (tekst == QLatin1String("@"))
        return;
    if (k.RGBkolor != kBialy)
        ZamalujProstokat(k.RamaCeli, k.RGBkolor, bsSolid);
    qint32 L = 0, V = 0;
    Boczki(k.RamaCeli, L, V);
    Przesun();
    DoPktu({k.RamaCeli.Left, k.RamaCeli.Top});
    RysujP(L, k.GrubLin.Top);
    RysujD(V, k.GrubLin.Right);
    RysujL(L, k.GrubLin.Bottom);
    RysujG(V, k.GrubLin.Left);
    UstawCzcionke(k.Czcionka);
    Wpisz(k.DimTekst, k.Justuj, tekst);
}

qint32 TARKUSZ::PiszKolumny(TKolumny &Kolumny, const QStringList &Tresci, bool ToSeria, bool ToProba)
{
    if (Kolumny.isEmpty())
        return 0;
    QStringList teksty;
    QString seria = ToSeria ? Tresci.value(0) : QString();
    for (int i = 0; i < Kolumny.size(); ++i) {
        QString t;
        if (ToSeria)
            t = OdetnijPole(seria, QLatin1Char(';'));
        else
            t = i < Tresci.size() ? Tresci.at(i) : QStringLiteral("@");
        teksty.append(KreskiNaCR(t));
    }

    const Tczcionka stara = WydajCzcionke();
    const bool liczy = Kolumny.first().LiczWysok;
    qint32 H = Kolumny.first().WysNomin;
    if (liczy) {
        for (int i = 0; i < Kolumny.size(); ++i) {
            UlozKomorke(Ydruk, teksty.at(i), Kolumny[i]);
            H = qMax(H, Kolumny[i].Wymiary.Y);
        }
    }
    if (ToProba) {
        UstawCzcionke(stara);
        return H;
    }
    if (Ydruk + H > AktRobocza.Y)
        ZmienStrone();
    for (int i = 0; i < Kolumny.size(); ++i) {
        Tkolumna &k = Kolumny[i];
        const bool bylo = k.LiczWysok;
        if (liczy) {
            k.LiczWysok = false;
            k.Wymiary.Y = H;
        }
        UlozKomorke(Ydruk, teksty.at(i), k);
        RysujKomorke(Ydruk, teksty.at(i), k);
        k.LiczWysok = bylo;
    }
    UstawCzcionke(stara);
    Ydruk += H;
    return H;
}
