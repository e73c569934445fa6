#pragma once
// Sending invoices to KSeF in one online session, each outcome recorded in its .FAK at once:
// the number and the export on acceptance (the UPO beside the file as NAME.upo.xml), the status
// code and description on rejection, nothing else.

#include "invoice/ksef.h"
#include "klientksef.h"

#include <QList>
#include <QString>

#include <functional>

struct TfakturaDoKsef {
    QString Plik;
    TzentoraVat Faktura;    // as saving builds it
    TeksportKsef Eksport;   // its XML, sent byte for byte
};

struct TwynikKsef {
    enum Stan { Przyjeta, Odrzucona, Nieznany };
    QString Plik;
    Stan Wynik = Nieznany;
    QString Numer;         // on acceptance
    QString Opis;          // the reason, in Polish
    QString Ostrzezenie;   // accepted, but something after it failed (the UPO)
};

// The UPO's file beside the invoice: NAME.upo.xml.
QString PlikUpo(const QString &plikFaktury);

// `zglos` is told each outcome as soon as it is known and recorded.
void WyslijDoKsef(KlientKsef &klient, const QList<TfakturaDoKsef> &faktury, const TiniZentora &ini,
                  const std::function<void(const TwynikKsef &)> &zglos);
