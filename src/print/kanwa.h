#pragma once
// The canvas the sheet draws on: a small device interface in the spirit of a GDI device
// context (logical units under an isotropic mapping, a current font, pen and brush, a pen
// position, text output at a point and into a rectangle). The sheet never talks to a
// device directly, so the same layout can go to a printer, a PDF, an image or a recorder.

#include <QRect>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class QImage;

struct TPoint {
    qint32 X = 0, Y = 0;
    bool operator==(const TPoint &) const = default;
};

// Left, Top, Right, Bottom; Right and Bottom lie just outside, as with device rectangles.
struct TRect {
    qint32 Left = 0, Top = 0, Right = 0, Bottom = 0;
    qint32 Szerokosc() const { return Right - Left; }
    qint32 Wysokosc() const { return Bottom - Top; }
    bool operator==(const TRect &) const = default;
};

// A colour as 0x00BBGGRR.
using TKolor = quint32;
inline constexpr TKolor kCzarny = 0x000000;
inline constexpr TKolor kBialy = 0xFFFFFF;
inline constexpr TKolor Rgb(int r, int g, int b)
{
    return TKolor(r & 0xFF) | TKolor(g & 0xFF) << 8 | TKolor(b & 0xFF) << 16;
}

// Font styles, a set of these bits.
enum TCecha : quint8 { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TCechy = quint8;

enum TStylPiora : quint8 { psSolid, psDash };
enum TStylPedzla : quint8 { bsSolid, bsClear };

// Central European character set of a font request.
inline constexpr int kEastEuropeCharset = 238;

// Flags of text drawn into a rectangle; the values are those of the classic DrawText call.
enum TFlagaTekstu : unsigned {
    dtLEFT = 0x0,
    dtTOP = 0x0,
    dtCENTER = 0x1,
    dtRIGHT = 0x2,
    dtVCENTER = 0x4,
    dtBOTTOM = 0x8,
    dtWORDBREAK = 0x10,
    dtSINGLELINE = 0x20,
    dtNOCLIP = 0x100,
    dtCALCRECT = 0x400,
    dtNOPREFIX = 0x800,
};

// A font as the device is asked for it. A negative height is the character height
// without internal leading (the em size), a positive one the whole character cell.
struct TFontKanwy {
    QString nazwa = QStringLiteral("Arial");
    int zestaw = kEastEuropeCharset;
    qint32 wysokosc = -35;
    TCechy cechy = 0;
    TKolor kolor = kCzarny;
    bool operator==(const TFontKanwy &) const = default;
};

struct TMetrykiTekstu {
    qint32 wysokosc = 0;           // ascent plus descent
    qint32 odstepZewnetrzny = 0;   // external leading, the extra space between lines
};

struct TPioro {
    qint32 grubosc = 1;
    TStylPiora styl = psSolid;
    TKolor kolor = kCzarny;
    bool operator==(const TPioro &) const = default;
};

struct TPedzel {
    TStylPedzla styl = bsSolid;
    TKolor kolor = kBialy;
};

class TKanwa {
public:
    virtual ~TKanwa() = default;

    // Isotropic mapping: `okno` logical units are `widok` device pixels on both axes, and
    // logical (0, 0) is the device point `poczatek`.
    virtual void UstawOdwzorowanie(int okno, int widok, TPoint poczatek);
    int OknoOdwzorowania() const { return m_okno; }
    int WidokOdwzorowania() const { return m_widok; }
    TPoint PoczatekOdwzorowania() const { return m_poczatek; }

    virtual void UstawCzcionke(const TFontKanwy &f) { m_czcionka = f; }
    const TFontKanwy &Czcionka() const { return m_czcionka; }
    virtual TMetrykiTekstu Metryki() = 0;
    virtual qint32 SzerokoscTekstu(const QString &s) = 0;

    void UstawKolorTla(TKolor k) { m_kolorTla = k; }
    TKolor KolorTla() const { return m_kolorTla; }
    void UstawPrzezroczystosc(bool tak) { m_przezroczyste = tak; }
    bool Przezroczyste() const { return m_przezroczyste; }

    void UstawPioro(const TPioro &p) { m_pioro = p; }
    const TPioro &Pioro() const { return m_pioro; }
    void UstawPedzel(const TPedzel &p) { m_pedzel = p; }
    const TPedzel &Pedzel() const { return m_pedzel; }

    TPoint PozycjaPiora() const { return m_pozycja; }
    void PrzesunDo(TPoint p) { m_pozycja = p; }
    // A line from the pen position to p with the current pen; the pen ends at p.
    void LiniaDo(TPoint p);
    // Fills r (Right and Bottom excluded) with the current brush.
    void WypelnijProstokat(const TRect &r);

    // One line of text with its top-left corner at p, in the current font; nothing
    // outside `klip` when given. With an opaque background the text cell is filled first.
    virtual void PiszTekst(TPoint p, const QString &s, const TRect *klip) = 0;

    // Text into a rectangle with dt* flags; returns the height of the text. With
    // dtCALCRECT nothing is drawn. Word-wrapped blocks break at spaces, at carriage
    // returns and line feeds, and inside words that are wider than the rectangle.
    qint32 RysujTekst(const TRect &r, unsigned flagi, const QString &s);

    // Copies the part `zrodlo` of the image (image pixels) stretched into `cel` (logical
    // units); false when the image has no pixels or the device refuses the copy.
    virtual bool KopiujObraz(const QImage &obraz, const QRect &zrodlo, const TRect &cel) = 0;

    // The lines a word-wrapped text takes in a given width, in the current font.
    QStringList ZawinTekst(const QString &s, qint32 szerokosc);

protected:
    virtual void RysujLinie(TPoint od, TPoint do_) = 0;
    virtual void Wypelnij(const TRect &r, TKolor kolor) = 0;

private:
    int m_okno = 1, m_widok = 1;
    TPoint m_poczatek;
    TFontKanwy m_czcionka;
    TKolor m_kolorTla = kBialy;
    bool m_przezroczyste = true;
    TPioro m_pioro;
    TPedzel m_pedzel;
    TPoint m_pozycja;
};

// Characters below U+0020 cannot be printed on one line; they become spaces.
QString SterujaceNaSpacje(const QString &s);
