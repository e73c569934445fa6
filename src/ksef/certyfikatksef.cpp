#include "certyfikatksef.h"

#include "common/bledy.h"
#include "podpisxades.h"
#include "zwolnij.h"

#include <openssl/bio.h>
#include <openssl/x509.h>

#include <memory>

namespace {

QDateTime Czas(const ASN1_TIME *t)
{
    tm c{};
    if (!t || ASN1_TIME_to_tm(t, &c) != 1)
        return {};
    return QDateTime(QDate(c.tm_year + 1900, c.tm_mon + 1, c.tm_mday), QTime(c.tm_hour, c.tm_min, c.tm_sec), Qt::UTC);
}

}   // namespace

TopisCertyfikatu OpiszCertyfikatKsef(const TposwiadczeniaKsef &p)
{
    const CertyfikatKsef c(p.Certyfikat, p.Klucz, p.Haslo,
                           p.NazwaCertyfikatu.isEmpty() ? QStringLiteral("certyfikat KSeF") : p.NazwaCertyfikatu);
    const QByteArray der = c.Der();
    const auto *dane = reinterpret_cast<const unsigned char *>(der.constData());
    std::unique_ptr<X509, Zwolnij<X509, X509_free>> cert(d2i_X509(nullptr, &dane, long(der.size())));
    if (!cert)
        throw EMojeBledy(QStringLiteral("Nie można odczytać certyfikatu KSeF."));
    std::unique_ptr<BIO, Zwolnij<BIO, BIO_free_all>> b(BIO_new(BIO_s_mem()));
    X509_NAME_print_ex(b.get(), X509_get_subject_name(cert.get()), 0, XN_FLAG_RFC2253 & ~ASN1_STRFLGS_ESC_MSB);
    char *tekst = nullptr;
    const long n = BIO_get_mem_data(b.get(), &tekst);
    return {QString::fromUtf8(tekst, qsizetype(n)), Czas(X509_get0_notBefore(cert.get())),
            Czas(X509_get0_notAfter(cert.get()))};
}

QString OpisCertyfikatuKsef(const TopisCertyfikatu &o)
{
    const QString format = QStringLiteral("dd.MM.yyyy");
    return QStringLiteral("%1, ważny od %2 do %3")
        .arg(o.Podmiot, o.WaznyOd.toLocalTime().toString(format), o.WaznyDo.toLocalTime().toString(format));
}
