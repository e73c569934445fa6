#pragma once
// The style palette and the colour arithmetic of the look and feel. Windows never hard-wire
// colours: they name a palette entry, and the palette gives the colour for the application
// style chosen at start-up.

#include <QtGlobal>

// A colour: 0xFFRRGGBB for a real colour, or a system colour identifier (0x80000000 + index).
using TKolor = quint32;

inline constexpr TKolor RGB(int r, int g, int b)
{
    return 0xFF000000u | (quint32(r & 0xFF) << 16) | (quint32(g & 0xFF) << 8) | quint32(b & 0xFF);
}
inline constexpr int Czerwony(TKolor c) { return int((c >> 16) & 0xFF); }
inline constexpr int Zielony(TKolor c) { return int((c >> 8) & 0xFF); }
inline constexpr int Niebieski(TKolor c) { return int(c & 0xFF); }

// The "face" marker: the button-face colour of the current style.
inline constexpr TKolor kKolorTwarzy = 0x8000000Fu;
inline constexpr bool JestKoloremSystemowym(TKolor c) { return (c & 0xFF000000u) == 0x80000000u; }

// A colour written as a classic 0x00BBGGRR value (as the grids' colour properties give them).
TKolor ZKoloruBGR(quint32 bgr);

enum TstylAplikacji {
    sa_OldBlue,
    sa_XPblue,
    sa_XPolive,
    sa_XPsilver,
    sa_Sys7norm,
    sa_Win8norm,
    sa_Win10nor,
    sa_VclCore
};

inline constexpr int kWpisyPalety = 122;

// The platform's button-face colour, set by the windowing layer; UstawStylAplikacji takes the
// face colour from it.
inline TKolor (*ProcKolorPrzyciskuSystemu)() = nullptr;

// Chooses the style from the system (on Linux and macOS: sa_Win10nor).
void UstawStylAplikacji();
void UstawStyl(TstylAplikacji styl);
TstylAplikacji StylAplikacji();
// The current face colour (button face of the style); RGB(240, 240, 240) until set.
TKolor KolorTwarzy();
void UstawKolorTwarzy(TKolor c);

// The colour of a palette entry (1..122) for the current style, or for sa_Win10nor when
// `projekt` is true; other entries give RGB(240, 240, 240).
TKolor KolorStylu(int wpis, bool projekt = false);

TKolor KolorNormalny(TKolor c);
TKolor Pastel(TKolor c, int m);
TKolor Przesun(TKolor c, int delta, int procCiemniej, int procJasniej);
TKolor KolorWzgledny(TKolor c, int delta);
TKolor Srednia(TKolor c1, TKolor c2);
void ParaGradientu(TKolor c, int sila, TKolor &start, TKolor &koniec);
int NasycenieProc(TKolor c);
