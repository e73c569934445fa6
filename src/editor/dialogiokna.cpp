// The dialogs the main window opens, as the program provides them.

#include "zentoraedyt.h"

#include "dialogs/dlgkalendarz.h"

void TZentoraForma::UstawDialogiWspolpracownikow()
{
    Dialogi.Kalendarz = &KalendarzDlaPola;
}
