#pragma once
// VAT rates by the date of sale: one set before 1 January 2011, another from that day.

#include "rekord.h"

extern const double TabelaStawek[2][kLiczbaRodzajowVat];

int OkresStawek(double data);
double StawkaVat(TrodzajVat r, double data);
const QString &StawkaVatTekst(TrodzajVat r, double data);
QString ListaStawek(double data);
QString OpisStawki(TrodzajVat r, const QString &stawki);

// A rate as typed into a row, as the record keeps it: "zw" (any case, blanks around it)
// means exempt, which is the empty rate; any other text stays as it is.
QString StawkaZWpisu(const QString &tekst);
