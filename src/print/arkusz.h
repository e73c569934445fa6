#pragma once
// The sheet: a page drawn in logical units (tenths of a millimetre on printers) with
// margins and scale, a writing position that moves down the page, ready-made fonts, lines
// by relative moves, boxes, text at a point, on a line or fitted into a rectangle, and a
// column engine that lays out one framed table row and grows it with its contents.
//
// The sheet owns no device: a descendant hands it a canvas (DajPlotno), decides what a new
// page is (NowaStrona) and whether drawing may go on (TestujAbort). Every operation that
// touches the canvas asks TestujAbort first.

#include "common/teksty.h"
#include "kanwa.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

enum TjMiary : quint8 { jm_mm10, jm_pixel };

// a × b / c with a 64-bit intermediate, rounded half away from zero; -1 when c is 0.
qint32 MulDiv(qint32 a, qint32 b, qint32 c);

enum TPoziom : quint8 { pozLewo, pozPrawo, pozSrodek };
enum TPion : quint8 { pionSrodek, pionGora, pionDol, pionBlok };

TPoziom JustPoziom(Tjustuj j);
TPion JustPion(Tjustuj j);
// The dt* flags of a placement; always dtNOPREFIX, so "&" is printed as it stands.
unsigned FormatWpisu(Tjustuj j);

struct Tczcionka {
    QString nazwa;
    qint32 Rozmiar = 0;   // points
    TCechy Cechy = 0;
    TKolor Kolor = kCzarny;
    qint32 Hinter = 0;   // character cell height in sheet units, filled when selected
    qint32 Hexter = 0;   // Hinter plus the external leading: the distance between lines
};

// One cell of a table row.
struct Tkolumna {
    qint32 PozycX = 0;
    qint32 WysNomin = 0;   // nominal height; the minimum when LiczWysok
    TPoint Wymiary;        // width, height
    bool LiczWysok = false;
    TPoint OdRamki;   // distance of the text from the frame
    TRect GrubLin;    // edge line widths; negative: no line
    Tjustuj Justuj = just_L;
    Tczcionka Czcionka;
    TKolor RGBkolor = kBialy;   // white: no fill
    TRect RamaCeli;
    TRect DimTekst;
};

using TKolumny = QList<Tkolumna>;

class TARKUSZ {
public:
    TARKUSZ();
    virtual ~TARKUSZ();
    TARKUSZ(const TARKUSZ &) = delete;
    TARKUSZ &operator=(const TARKUSZ &) = delete;

    // Raises the silent abort when drawing must stop.
    virtual void TestujAbort() = 0;
    // Begins a new page and leaves Ydruk at the top of its writing area.
    virtual void NowaStrona() = 0;
    virtual TKanwa *DajPlotno() = 0;
    // Every page break of the sheet and of its callers: NowaStrona, then the caller's
    // drawer of what each new page carries (PoNowejStronie), when set.
    void ZmienStrone();
    // Prepares the sheet for a canvas measured in pixels (LHcnv: width and height).
    virtual void START_RYSUNKU(TKanwa *Cnv, TPoint LHcnv, int Dpi);
    virtual void DOMYSLNE_PARAPETRY();

    // Set-up and units
    void UstawFormat(const TRect &Marginesy, int Skala);
    // The unit stays the one of the sheet; it is fixed by the descendant.
    void UstawFormat(TjMiary Jm, const TRect &Marginesy, int Skala);
    void ZapiszFormat(const TRect &Marginesy, int Skala);
    qint32 JednX(qint32 n) const;
    qint32 JednY(qint32 n) const;
    qint32 PixeX(qint32 n) const;
    qint32 PixeY(qint32 n) const;
    qint32 FontSizeNaHeight(qint32 p) const;
    qint32 FontHeightNaSize(qint32 H) const;
    void ToPixele() { Fjednostka = jm_pixel; }
    void UstawOdwzorowanie();
    void BudujZestawCzcionek();

    // Drawing state
    void UstawBackGroundKolor(TKolor kolor);
    void UstawStylTransparent(bool tak);
    qint32 UstawGrubosc(qint32 Grubosc);
    void Przesun() { AktPrzesuwanie = true; }

    // Fonts
    static Tczcionka BudujCzcionke(const QString &Naz, qint32 Pkt, TCechy fs, TKolor rgb);
    Tczcionka UstawCzcionke(Tczcionka &Cz);
    Tczcionka UstawCzcionke(const Tczcionka &Cz);
    Tczcionka UstawCzcionke(const QString &Naz, qint32 Pkt, TCechy fs, TKolor rgb);
    Tczcionka WydajCzcionke();
    void UstawFontSize(qint32 Pkt);
    void UstawFontBold(bool TAK);

    // Points and rectangles
    TPoint PktHor(TPoint P, qint32 L) const;
    TPoint PktVer(TPoint P, qint32 V) const;
    TPoint PktDim(TPoint P, qint32 L, qint32 V) const;
    static TPoint PktMin(TPoint P, qint32 L, qint32 V);
    static TPoint PktMax(TPoint P, qint32 L, qint32 V);
    TRect Region(TPoint P, qint32 L, qint32 V) const;
    void Boczki(const TRect &R, qint32 &L, qint32 &V) const;

    // Lines and boxes
    void Wprawo(qint32 d, TKolor c = kCzarny, TStylPiora s = psSolid);
    void Wlewo(qint32 d, TKolor c = kCzarny, TStylPiora s = psSolid);
    void DoDolu(qint32 d, TKolor c = kCzarny, TStylPiora s = psSolid);
    void DoGory(qint32 d, TKolor c = kCzarny, TStylPiora s = psSolid);
    void DoPktu(TPoint P, TKolor c = kCzarny, TStylPiora s = psSolid);
    void RysujP(qint32 d, qint32 grub, TKolor c = kCzarny, TStylPiora s = psSolid);
    void RysujL(qint32 d, qint32 grub, TKolor c = kCzarny, TStylPiora s = psSolid);
    void RysujD(qint32 d, qint32 grub, TKolor c = kCzarny, TStylPiora s = psSolid);
    void RysujG(qint32 d, qint32 grub, TKolor c = kCzarny, TStylPiora s = psSolid);
    void RysPkt(TPoint P, qint32 grub, TKolor c = kCzarny, TStylPiora s = psSolid);
    void Rama(TPoint P, qint32 L, qint32 V, TKolor c = kCzarny, TStylPiora s = psSolid);
    void Rama(const TRect &R, TKolor c = kCzarny, TStylPiora s = psSolid);
    void RysRama(TPoint P, qint32 L, qint32 V, qint32 Grub, TKolor c = kCzarny, TStylPiora s = psSolid);
    void RysRama(const TRect &R, qint32 grub, TKolor c = kCzarny, TStylPiora s = psSolid);
    void ZamalujProstokat(const TRect &R, TKolor C, TStylPedzla styl = bsSolid);
    bool RysujSkalujBMP(const QImage &Bitmapa, qint32 Xb, qint32 Yb, qint32 Wb, qint32 Hb, qint32 Xc, qint32 Yc,
                        qint32 Wc, qint32 Hc);

    // Text
    qint32 Lnapisu(const QString &S);
    void Pisz(TPoint P, const QString &s);
    void Wiersz(Tjustuj just, const QString &s, qint32 Odsun);
    void WierszL(const QString &s, qint32 OdsunWprawo) { Wiersz(just_L, s, OdsunWprawo); }
    void WierszP(const QString &s, qint32 OdsunWlewo) { Wiersz(just_P, s, OdsunWlewo); }
    void WierszC(const QString &s, qint32 OdsunWprawo) { Wiersz(just_C, s, OdsunWprawo); }
    qint32 Wpisz(const TRect &R, Tjustuj Just, const QString &S);
    qint32 Wpisz(TPoint P, qint32 L, qint32 V, Tjustuj Just, const QString &S);
    qint32 WysAfisza(qint32 L, qint32 V, Tjustuj Just, const QString &S);

    // Columns
    void InicjujKolumny(qint32 Lewo, qint32 Wysok, const QList<qint32> &TabSzer, TPoint Odstepy,
                        const TRect &LinieCelki, qint32 LinieSkrajne, const QList<Tjustuj> &TabJust,
                        const Tczcionka &Kroj, TKolumny &Kolumny, TKolor RGBpap);
    static void IniMiaryKolumn(const QList<qint32> &Szerok, TKolumny &Kolumny);
    static void IniJustyKolumn(const QList<Tjustuj> &Justy, TKolumny &Kolumny);
    static void IniKolorKolumn(const QList<TKolor> &Kolor, TKolumny &Kolumny);
    static void IniFontSKolumn(const QList<qint32> &Fsize, TKolumny &Kolumny);
    static void IniFontCKolumn(const QList<TKolor> &Fcolor, TKolumny &Kolumny);
    static void IniFontBKolumn(const QList<bool> &Fbold, TKolumny &Kolumny);
    static void IniLinieKolumn(const QList<TRect> &Linie, TKolumny &Kolumny);
    // Lays out and draws one row at Ydruk and returns its height; with ToProba it only
    // measures. With ToSeria the cell texts come from Tresci[0], ";"-separated.
    qint32 PiszKolumny(TKolumny &Kolumny, const QStringList &Tresci, bool ToSeria, bool ToProba);

    // Fields
    TKanwa *FprivCanvas = nullptr;
    TjMiary Fjednostka = jm_mm10;
    qint32 FjednosNaCal = 254;
    TPoint FpixeliNaCal{254, 254};
    TPoint FfizycznaPix;
    TRect FofsetPix;
    TPoint FuzytkowaPix;
    qint32 AktSkala = 100;
    TRect AktMarginesy;
    TPoint AktRobocza;
    qint32 AktGrubosc = 1;
    TKolor AktKolorTla = kBialy;
    bool AktTransparent = true;
    bool AktPrzesuwanie = false;
    qint32 Ydruk = 0;
    std::function<void()> PoNowejStronie;

    Tczcionka Cr8, Cr9, Cr10, Cr12, Cr8B, Cr9b, Cr10b, Cr12b;
    Tczcionka Ar7, Ar8, Ar9, Ar10, Ar11, Ar12, Ar14, Ar16, Ar18;
    Tczcionka Ar7b, Ar8b, Ar9b, Ar10b, Ar11b, Ar12b, Ar14b, Ar16b, Ar18b;
    Tczcionka Tm8, Tm9, Tm10, Tm11, Tm12, Tm14, Tm16, Tm18;
    Tczcionka Tm8b, Tm9b, Tm10b, Tm11b, Tm12b, Tm14b, Tm16b, Tm18b;

protected:
    TKanwa &Plotno();

private:
    qint32 Dlug(qint32 d) const;
    void Odcinek(bool absolutny, qint32 x, qint32 y, qint32 grub, TKolor c, TStylPiora s);
    void StosujTlo();
    qint32 WpiszWProstokat(const TRect &R, unsigned flagi, const QString &S);
    void UlozKomorkePoziomo(Tkolumna &k);
    void UlozKomorkePionowo(qint32 Y, const QString &tekst, Tkolumna &k);
    void UlozKomorke(qint32 Y, const QString &tekst, Tkolumna &k);
    void RysujKomorke(qint32 Y, const QString &tekst, Tkolumna &k);
};
