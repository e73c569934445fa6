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
    // offline issuing needs a second code and a certificate: until the number is recorded
    // the code only says that it is awaited
    const QString podpis =
        Niepusty(Fzentora.KsefNumer) ? Fzentora.KsefNumer : QStringLiteral("Nr KSeF: oczekuje na nadanie");
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
    if (Niepusty(Fakt.KsefNumer)) {
        Komunikat(
            QStringLiteral("!Faktura różni się od faktury, której KSeF nadał numer %1.|Faktury z numerem KSeF nie "
                           "zmienia się: zmianę wprowadza faktura korygująca (Plik → Wystaw korektę…).|Kod "
                           "weryfikacyjny KSeF nie zostanie wydrukowany.")
                .arg(Trim(Fakt.KsefNumer)));
        return true;
    }
    Komunikat(QStringLiteral("!Faktura różni się od faktury wysłanej do KSeF.|Kod weryfikacyjny KSeF nie zostanie "
                             "wydrukowany; wyeksportuj fakturę ponownie."));
    return true;
}
