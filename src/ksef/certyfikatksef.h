#pragma once
// A KSeF certificate checked when it is imported: the password opens it and the key is the
// certificate's own, so a mistake shows at once rather than at the first sending.

#include "poswiadczenia.h"

#include <QDateTime>
#include <QString>

struct TopisCertyfikatu {
    QString Podmiot;              // the subject, RFC 2253
    QDateTime WaznyOd, WaznyDo;   // UTC
};

// Opens `p.Certyfikat` (PKCS#12 with `p.Haslo`, or a certificate, PEM or DER, with the key
// `p.Klucz` and its password). EMojeBledy in Polish naming what is wrong: not a certificate,
// a wrong password, a key of another certificate.
TopisCertyfikatu OpiszCertyfikatKsef(const TposwiadczeniaKsef &p);

// "CN=…, ważny od 01.01.2026 do 31.12.2027" (with "— wygasł" or "— jeszcze nieważny" against
// `teraz`), as the parameters show it.
QString OpisCertyfikatuKsef(const TopisCertyfikatu &o, const QDateTime &teraz);
