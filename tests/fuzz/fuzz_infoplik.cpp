// The update list from any text: never a crash, the counters agree with the lines kept, and
// only newer versions of the program's own symbol are kept.

#include "wspolne.h"

#include "common/internet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    TdaneInternet d;
    d.sTresc_Info = QString::fromUtf8(reinterpret_cast<const char *>(dane), qsizetype(rozmiar));
    TdaneProgramu p;
    p.prg_Symbol = QStringLiteral("ZEN");
    p.prg_Liczbowo = 2180;
    DekodujPlikInfo(d, p);
    int pobr = 0, darm = 0;
    for (const TinfoInternet &i : d.aOpisy_Info) {
        WYMAGAJ(i.inf_nver > p.prg_Liczbowo, i.inf_znak);
        pobr += i.inf_pobr;
        darm += i.inf_darm;
    }
    WYMAGAJ(pobr == d.Licz_DoPobr && darm == d.Licz_Darmow && d.aOpisy_Info.size() == darm + d.Licz_Platna,
            QStringLiteral("%1/%2 %3/%4").arg(pobr).arg(d.Licz_DoPobr).arg(darm).arg(d.Licz_Darmow));
    return 0;
}
