#include "wydrukkopii.h"

#include "drukarka.h"
#include "wydrukfaktury.h"

int DrukujKopie(const TzentoraVat &Fakt, const TiniZentora &iniFak, int Kopie, QPrinter *drukarka)
{
    const QString tytul = TytulDokumentu(Fakt);
    bool dalej = true;
    int wyslane = 0;
    for (int i = 0; i < Kopie; ++i) {
        if (!dalej || !UtworzDrukarke(drukarka))
            continue;
        try {
            AktDrukarka->STARTDOKUMENTU(tytul, 12, QString(), 0, {}, {}, true);
            DrukujEgzemplarz(false, Fakt, iniFak);
            dalej = !AktDrukarka->ABORT_DRUK();
        } catch (...) {
            ZakonczDrukarke();
            throw;
        }
        if (ZakonczDrukarke() && dalej)
            ++wyslane;
    }
    return wyslane;
}
