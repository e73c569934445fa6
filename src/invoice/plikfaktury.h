#pragma once
// The invoice file (.FAK): one invoice as a text of sections and keys, format version 2.
// One routine both writes and reads it, key by key, so the two cannot drift apart.

#include "rekord.h"

// Writes (zapis true) or reads the invoice. With wTekscie the store lives in memory and
// its text is returned in `tresc`; otherwise it works on the file `plik`.
// Errors: EMojeBledy for a wrong version, too many rows, an unreadable or unwritable file.
// A text without the invoice's description section is no invoice at all: "... nie jest plikiem
// faktury". When reading, `braki` (when given) gets the numbers of the rows that the row
// count promises but the file does not hold, and 0 when the rows' section is missing.
void IOfaktury(const QString &plik, TzentoraVat &dok, bool zapis, QString &tresc, bool wTekscie,
               QList<int> *braki = nullptr);

void CzytajFakture(const QString &plik, TzentoraVat &dok);
// Reads the invoice as CzytajFakture does and tells, one sentence each, what in the file is
// damaged: rows lost from a cut file, dates that are no dates, quantities and prices that
// are no numbers. The record holds whatever could be read, so the user can mend it.
QStringList CzytajFaktureSprawdzajac(const QString &plik, TzentoraVat &dok);
void ZapiszFakture(const QString &plik, const TzentoraVat &dok);
QString TekstFaktury(const TzentoraVat &dok);
bool FakturyRowne(const TzentoraVat &a, const TzentoraVat &b);
