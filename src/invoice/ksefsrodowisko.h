#pragma once
// The KSeF environments: where the API answers and which host the verification code of a
// printout points at. Configured in [KSeF] Srodowisko (test, demo, prod; empty is test) and
// [KSeF] Adres, the address of an API of one's own that replaces the environment's.

#include "rekord.h"

#include <QString>
#include <QUrl>

struct TsrodowiskoKsef {
    QString Nazwa;    // test, demo, prod
    QString Api;      // the API base, without a trailing slash
    QString HostQr;   // the host of the verification links
};

// The environment of the configuration. EOdmowaKsef when the name is not one of the three or
// the address is not one KSeF may be reached at (plain http only on this computer).
TsrodowiskoKsef SrodowiskoKsef(const TiniZentora &ini);

// The same, for the printout: an environment it does not know gives the test host, which no
// production invoice is checked against, rather than stopping the print.
QString HostQrKsef(const TiniZentora &ini);

// Empty when `adres` may serve as the API base, otherwise the reason in Polish: https, or
// http to a loopback address.
QString BladAdresuKsef(const QUrl &adres);
