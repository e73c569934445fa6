#pragma once
// The invoice file (.FAK): one invoice as a text of sections and keys, format version 2.
// One routine both writes and reads it, key by key, so the two cannot drift apart.

#include "rekord.h"

// Writes (zapis true) or reads the invoice. With wTekscie the store lives in memory and
// its text is returned in `tresc`; otherwise it works on the file `plik`.
// Errors: EMojeBledy for a wrong version, too many rows, an unreadable or unwritable file.
void IOfaktury(const QString &plik, TzentoraVat &dok, bool zapis, QString &tresc, bool wTekscie);

void CzytajFakture(const QString &plik, TzentoraVat &dok);
void ZapiszFakture(const QString &plik, const TzentoraVat &dok);
QString TekstFaktury(const TzentoraVat &dok);
bool FakturyRowne(const TzentoraVat &a, const TzentoraVat &b);
