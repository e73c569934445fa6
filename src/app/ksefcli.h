#pragma once
// The KSeF commands of zentora-cli: "ksef" (FA(3) XML of invoices) and "ksef-numer".

#include "invoice/rekord.h"

#include <QStringList>

// The record as the editor's save command builds it: rows valued again, rates checked
// against the sale date, totals taken; a wrong rate ends it (ECichyAbort) after its message.
TzentoraVat RekordJakPrzyZapisie(const QString &plik);

// Runs the command named by argumenty[1] with the rest of the arguments; returns the exit
// status (0 written, 1 wrong call, 2 refused, 3 a file that cannot be read or written).
int PolecenieKsef(const QStringList &argumenty);
