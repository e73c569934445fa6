// The configuration reader from any bytes: never a crash, and what it read is written and
// read back unchanged.

#include "wspolne.h"

#include "common/bledy.h"
#include "invoice/konfiguracja.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    static const PlikRoboczy wejscie(".ini"), wyjscie("-2.ini");
    wejscie.Zapisz(QByteArray(reinterpret_cast<const char *>(dane), qsizetype(rozmiar)));
    QFile::remove(wyjscie.Sciezka());
    TiniZentora a;
    try {
        CzytajParametry(wejscie.Sciezka(), a);
    } catch (const EMojeBledy &) {
        return 0;
    }
    ZapiszParametry(wyjscie.Sciezka(), a);
    TiniZentora b;
    CzytajParametry(wyjscie.Sciezka(), b);
    WYMAGAJ(a == b, a.iniSymbol + QLatin1Char('|') + b.iniSymbol);
    return 0;
}
