// The dialogs the main window opens, as the program provides them.

#include "zentoraedyt.h"

#include "fakparam.h"
#include "rejestrokno.h"

#include "dialogs/dlgkalendarz.h"
#include "dialogs/dlgkontekst.h"
#include "dialogs/kalkulator.h"
#include "dialogs/oprogramie.h"

void TZentoraForma::UstawDialogiWspolpracownikow()
{
    Dialogi.Kalendarz = &KalendarzDlaPola;
    Dialogi.Lista = &WybierzZListy;
    Dialogi.Parametry = &PokazParametry;
    Dialogi.Kalkulator = &PokazKalkulator;
    Dialogi.OProgramie = &PokazOProgramie;
    Dialogi.Rejestr = &PokazRejestr;
}
