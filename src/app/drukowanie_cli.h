#pragma once
// zentora-cli print and zentora-cli printers: invoices on the system's printers.

#include <QStringList>

// The usage lines of both commands, for the tool's help.
#define ZENTORA_POMOC_DRUKOWANIA                                                                                       \
    "  zentora-cli print FILE.FAK... [--printer NAME] [--copies N] [--duplicate DD.MM.YYYY]\n"                         \
    "              [--signature] [--extra-margins] [--config Faktury.ini]\n"                                           \
    "  zentora-cli printers [--json]\n"

// `argumenty` are those after the command's name. Exit status as for the whole tool:
// 0 done, 1 wrong call, 2 print cancelled, 3 a file or the printer failed.
int PolecenieDrukuj(const QStringList &argumenty);
int PolecenieDrukarki(const QStringList &argumenty);
