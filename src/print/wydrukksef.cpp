// The KSeF parts of the printout: the verification code beside the dates box, and the
// warning when the invoice changed after its export.
#include "wydrukfaktury.h"

#include "common/komunikaty.h"
#include "common/teksty.h"
#include "invoice/ksef.h"
#include "kodqr.h"

qint32 TdrukujFakture::RysujKodKsef()
{
    if (FlinkKsef.isEmpty())
        return 0;
    const TkodQr kod = KodujQr(FlinkKsef);
    if (kod.Rozmiar == 0)
        return 0;
    // whole tenths of a millimetre per module, at least 22 mm for the code without its margin
    const qint32 modul = (220 + kod.Rozmiar - 1) / kod.Rozmiar;
    const qint32 bok = modul * kod.Rozmiar;
    const qint32 prawa = Fzapas + Fszerok - 1000 - kOdstepStempla;   // left edge of the dates box, less the gap
    const qint32 srodek = prawa - kSzerokoscKsef / 2;
    const qint32 x0 = srodek - bok / 2, y0 = A.Ydruk + 4 * modul;   // the quiet zone above stays white
    for (int y = 0; y < kod.Rozmiar; ++y)
        for (int x = 0; x < kod.Rozmiar; ++x) {
            if (!kod.Ciemny(x, y))
                continue;
            int k = x;
            while (k + 1 < kod.Rozmiar && kod.Ciemny(k + 1, y))
                ++k;
            A.ZamalujProstokat(
                TRect{x0 + x * modul, y0 + y * modul, x0 + (k + 1) * modul - 1, y0 + (y + 1) * modul - 1}, kCzarny);
            x = k;
        }
    const QString podpis = Niepusty(Fzentora.KsefNumer) ? Fzentora.KsefNumer : QStringLiteral("OFFLINE");
    const Tczcionka stara = A.UstawCzcionke(A.Ar7);
    const qint32 yTekstu = y0 + bok + 2 * modul;
    const qint32 h = A.WysAfisza(kSzerokoscKsef, 100, just_CG, podpis);
    A.Wpisz(TPoint{prawa - kSzerokoscKsef, yTekstu}, kSzerokoscKsef, h, just_CG, podpis);
    A.UstawCzcionke(stara);
    return yTekstu + h - A.Ydruk;
}

bool OstrzezenieKsef(const TzentoraVat &Fakt)
{
    if (Pusty(Fakt.KsefSkrot) || EksportAktualny(Fakt))
        return false;
    Komunikat(QStringLiteral("!Faktura różni się od faktury wysłanej do KSeF.|Kod weryfikacyjny KSeF nie zostanie "
                             "wydrukowany; wyeksportuj fakturę ponownie."));
    return true;
}
