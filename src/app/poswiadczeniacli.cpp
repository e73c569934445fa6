#include "poswiadczeniacli.h"

#include "ksef/sekrety.h"

TposwiadczeniaKsef PoswiadczeniaCli(const Argumenty &a, const TsrodowiskoKsef &srodowisko)
{
    TposwiadczeniaKsef p;
    if (!a.plikTokena.isEmpty()) {
        p.Token = CzytajPlikSekretu(a.plikTokena, QStringLiteral("tokena KSeF"));
        return p;
    }
    p = PoswiadczeniaZapisane(srodowisko);
    if (p.Puste())
        throw BladUzycia(QStringLiteral("Podaj token KSeF: --token-file PLIK (plik czytelny tylko dla właściciela) "
                                        "albo zapisz go na stronie „KSeF” parametrów."));
    return p;
}
