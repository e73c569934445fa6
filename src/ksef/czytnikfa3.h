#pragma once
// Any FA(3) invoice read into an invoice record: one this program exported or a supplier's.
// What the record cannot hold is named in the messages, never dropped silently.

#include "invoice/rekord.h"

#include <QByteArray>
#include <QStringList>

struct TodczytFa3 {
    TzentoraVat Faktura;   // rows valued and totals taken as saving does
    QStringList Uwagi;     // what the record could not take, one message each, in Polish
};

// `numerKsef`: the number KSeF gave the invoice (it is not part of the XML), empty when not
// known. EMojeBledy when the text is not an FA(3) invoice.
TodczytFa3 CzytajFa3(const QByteArray &xml, const QString &numerKsef = QString());
