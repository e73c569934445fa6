#pragma once
// The KSeF commands of zentora-cli: "ksef" (FA(3) XML of invoices) and "ksef-numer".

#include <QStringList>

// Runs the command named by argumenty[1] with the rest of the arguments; returns the exit
// status (0 written, 1 wrong call, 2 refused, 3 a file that cannot be read or written).
int PolecenieKsef(const QStringList &argumenty);
