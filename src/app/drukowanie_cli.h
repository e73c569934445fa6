#pragma once
// zentora-cli print and zentora-cli printers: invoices on the system's printers; and the
// print options the pdf command shares with print.

#include "wierszpolecen.h"

struct TiniZentora;
struct TzentoraVat;

// --copies and --duplicate, checked; throws BladUzycia.
struct OpcjeWydruku {
    int kopie = 1;
    double dataDuplikatu = 0;   // 0: not a duplicate
};
OpcjeWydruku CzytajOpcjeWydruku(const Argumenty &a);

// Reads the configuration named by --config (or the default one) into `ini` and sets the
// print switches from the options; warns when a signature is asked for but none is set up.
void UstawWydruk(const Argumenty &a, const OpcjeWydruku &o, TiniZentora &ini);

// Whether the invoice read from `plik` may be printed as to the basis of an exemption: an
// exempt row needs one, else the file is refused after its message (false); --force prints
// it after a warning.
bool PodstawaZwolnieniaPozwala(const QString &plik, const TzentoraVat &f, const TiniZentora &ini, bool wymus);

// Exit status as for the whole tool: 0 done, 2 print cancelled, 3 a file or the printer failed;
// a wrong call throws BladUzycia.
int PolecenieDrukuj(const Argumenty &a);
int PolecenieDrukarki(const Argumenty &a);
