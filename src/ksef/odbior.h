#pragma once
// Receiving: the purchase invoices (the business as the buyer) stored in KSeF within a date
// range, each saved as KSEF_NUMBER.xml in a folder; files already there are left alone.

#include "klientksef.h"

#include <QDate>
#include <QString>

#include <functional>

struct TodebranaKsef {
    QString Numer, Plik;
    bool Byla = false;   // the file was there already and was left as it was
    QString Blad;        // why it was not saved
};

// `zglos` hears of every invoice the query returned, in KSeF's order.
void OdbierzZKsef(KlientKsef &klient, const QDate &od, const QDate &doDnia, const QString &katalog,
                  const std::function<void(const TodebranaKsef &)> &zglos);
