// The invoice reader from any bytes: either a record or a clean refusal (EMojeBledy), and
// a record read, written and read again writes the same text.

#include "wspolne.h"

#include "common/bledy.h"
#include "invoice/plikfaktury.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    static const PlikRoboczy wejscie(".FAK"), wyjscie("-2.FAK");
    TzentoraVat f;
    if (!CzytajZBajtow(wejscie, dane, rozmiar, f))
        return 0;
    // the damage check reads the same record and never fails where the plain reader took it
    TzentoraVat h;
    CzytajFaktureSprawdzajac(wejscie.Sciezka(), h);
    WYMAGAJ(FakturyRowne(f, h), QStringLiteral("the checking reader read another record"));
    const QString t1 = TekstFaktury(f);
    ZapiszFakture(wyjscie.Sciezka(), f);
    TzentoraVat g;
    CzytajFakture(wyjscie.Sciezka(), g);   // what was written must read without refusal
    const QString t2 = TekstFaktury(g);
    WYMAGAJ(t1 == t2, t1 + QStringLiteral("\n----\n") + t2);
    return 0;
}
