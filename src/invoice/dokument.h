#pragma once
// What makes an invoice a legal document beyond its arithmetic: the rows that are only
// descriptions, the basis of an exemption, what a correction corrects and in which
// direction, the correction issued from an invoice, and the lock of an invoice that has
// a KSeF number. The editor, the printout, the KSeF export and zentora-cli all ask here,
// so they cannot disagree.

#include "rekord.h"

#include <QStringList>

// A row with a name and nothing else (no quantity, price, net or rate): a description
// line, printed without amounts, never an exempt row, never a row of the KSeF export.
bool WierszOpisowy(const TpozFaktury &p);
// A row with amounts and an empty rate: exempt from VAT.
bool WierszZwolniony(const TpozFaktury &p);
bool MaWierszZwolniony(const TzentoraVat &f);

// The legal basis of the invoice's exemption: the one typed for it, else the configured one.
QString PodstawaZwolnieniaFaktury(const TzentoraVat &f, const TiniZentora &ini);
// An invoice with an exempt row and no basis at all.
bool BrakPodstawyZwolnienia(const TzentoraVat &f, const TiniZentora &ini);

// The amount due from which the split-payment question is asked when the switch is off.
inline constexpr double kProgMpp = 15000.0;

// A correction's total difference (the gross of all rows) is below zero: a refund.
bool KorektaUjemna(const TzentoraVat &f);
// A correction file from before the section [Korekta] (no date, KSeF number or reason)
// whose total is positive: it may be an old refund typed with positive amounts.
bool KorektaBezSekcjiDodatnia(const TzentoraVat &f);
// What a correction lacks before it may be saved, printed or exported: the names of the
// missing fields ("do faktury", "data korygowanej faktury", "przyczyna korekty"); empty
// for a complete correction and for every other kind.
QStringList BrakiKorekty(const TzentoraVat &f);
// The warning for such a correction (KorektaBezSekcjiDodatnia), with the "!" of a warning.
QString OstrzezenieKorektyDodatniej();
// The refusal for a correction that lacks what BrakiKorekty names (empty when nothing is
// missing): what it lacks and where to fill it in, with the "X" of an error.
QString OdmowaKorekty(const TzentoraVat &f);

// The correction of `f`, to be edited and saved as a new file: its parties and seller,
// "do faktury" = its designation, the corrected invoice's date = its issue date, its KSeF
// number, its rows with the quantities negated (a full reversal), issued and sold on
// `dzis` (due the same day, or after the configured term for a transfer), number 1 and the
// configured numbering, the reason given (may be empty), no KSeF record. An invoice sold
// while other VAT rates were in force keeps its sale date, so its rows keep their rates.
TzentoraVat WystawKorekte(const TzentoraVat &f, const TiniZentora &ini, double dzis, const QString &przyczyna);

// An invoice with a KSeF number is final: it is never changed or exported again; a
// correction is issued instead.
bool FakturaOstateczna(const TzentoraVat &f);
