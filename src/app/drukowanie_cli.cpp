#include "drukowanie_cli.h"

#include "common/bledy.h"
#include "common/daty.h"
#include "common/komunikaty.h"
#include "common/program.h"
#include "common/teksty.h"
#include "invoice/dokument.h"
#include "invoice/konfiguracja.h"
#include "invoice/plikfaktury.h"
#include "invoice/sumy.h"
#include "plikiwyjsciowe.h"
#include "print/wydrukfaktury.h"

OpcjeWydruku CzytajOpcjeWydruku(const Argumenty &a)
{
    OpcjeWydruku o;
    if (!a.kopie.isEmpty()) {
        bool ok = false;
        o.kopie = a.kopie.toInt(&ok);
        if (!ok || o.kopie < 1 || o.kopie > 99)
            throw BladUzycia(QStringLiteral("Niepoprawna liczba egzemplarzy: %1 (oczekiwano 1..99).").arg(a.kopie));
    }
    if (!a.duplikat.isEmpty()) {
        o.dataDuplikatu = TekstNaDate(a.duplikat, 0);
        if (o.dataDuplikatu <= 0)
            throw BladUzycia(QStringLiteral("Niepoprawna data duplikatu: %1 (oczekiwano DD.MM.RRRR).").arg(a.duplikat));
    }
    return o;
}

void UstawWydruk(const Argumenty &a, const OpcjeWydruku &o, TiniZentora &ini)
{
    CzytajParametry(a.konfiguracja.isEmpty() ? DomyslnaSciezkaKonfiguracji() : a.konfiguracja, ini);
    DrukujPodpis = a.podpis;
    PlikPodpisu = ini.IniPodpisBmp;
    EkstraMarginesy = a.marginesy;
    DrukujDuplikat = o.dataDuplikatu > 0;
    DataDuplikatu = o.dataDuplikatu;
    if (a.podpis && Pusty(ini.IniPodpisBmp))
        Komunikat(
            QStringLiteral("!W konfiguracji nie wskazano pliku rysunku podpisu.|Podpis nie zostanie wydrukowany"));
}

bool PodstawaZwolnieniaPozwala(const QString &plik, const TzentoraVat &f, const TiniZentora &ini, bool wymus)
{
    if (!BrakPodstawyZwolnienia(f, ini))
        return true;
    Komunikat((wymus ? QStringLiteral("!") : QStringLiteral("X")) + plik
              + QStringLiteral(": faktura ma pozycję zwolnioną z VAT, a nie podano podstawy zwolnienia.|Wpisz ją w "
                               "fakturze albo na stronie „KSeF” parametrów, np. „art. 113 ust. 1 ustawy o VAT”")
              + (wymus ? QStringLiteral(".") : QStringLiteral(", albo użyj --force.")));
    return wymus;
}
