#pragma once
// What the print system said about the last document this thread handed to it. Qt passes a
// finished document on to CUPS without telling whether CUPS took it, so a queue that
// refuses jobs or a scheduler that has gone away would otherwise look like a print that
// worked.

#include <QString>

// The print system's reason for refusing the last document handed to it from this thread,
// empty when it took it or when the print system cannot tell.
QString OdmowaKolejkiDruku();
