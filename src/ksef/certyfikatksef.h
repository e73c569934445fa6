#pragma once
// A KSeF certificate checked when it is imported, by the same code that signs in with it: the
// password opens it, the key is the certificate's own and it is valid now, so a mistake shows
// at once rather than at the first sending.

#include "poswiadczenia.h"

#include <QDateTime>
#include <QString>

struct TopisCertyfikatu {
    QString Podmiot;              // the subject, RFC 2253
    QDateTime WaznyOd, WaznyDo;   // UTC
};

// Opens `p` as signing in does (`p.NazwaCertyfikatu` names it in messages). EMojeBledy in
// Polish naming what is wrong: not a certificate, a wrong password, a key of another
// certificate, expired.
TopisCertyfikatu OpiszCertyfikatKsef(const TposwiadczeniaKsef &p);

// "CN=…, ważny od 01.01.2026 do 31.12.2027", as the parameters show it.
QString OpisCertyfikatuKsef(const TopisCertyfikatu &o);
