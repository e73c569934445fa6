#include "certyfikatksef.h"

#include "common/bledy.h"

#include <openssl/bio.h>
#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/pkcs12.h>
#include <openssl/provider.h>
#include <openssl/x509.h>

#include <cstring>
#include <memory>

namespace {

template <class T, void (*F)(T *)> struct Zwolnij {
    void operator()(T *p) const { F(p); }
};
using Bio = std::unique_ptr<BIO, Zwolnij<BIO, BIO_free_all>>;
using X509Ptr = std::unique_ptr<X509, Zwolnij<X509, X509_free>>;
using Klucz = std::unique_ptr<EVP_PKEY, Zwolnij<EVP_PKEY, EVP_PKEY_free>>;
using Pkcs12 = std::unique_ptr<PKCS12, Zwolnij<PKCS12, PKCS12_free>>;

void StosX509(STACK_OF(X509) * s) { sk_X509_pop_free(s, X509_free); }
using StosCa = std::unique_ptr<STACK_OF(X509), Zwolnij<STACK_OF(X509), StosX509>>;

Bio Pamiec(const QByteArray &b) { return Bio(BIO_new_mem_buf(b.constData(), int(b.size()))); }

int Haslo(char *bufor, int rozmiar, int, void *dane)
{
    const auto *h = static_cast<const QByteArray *>(dane);
    const int n = std::min(rozmiar, int(h->size()));
    std::memcpy(bufor, h->constData(), size_t(n));
    return n;
}

// Older PKCS#12 files are encrypted with RC2 or 3DES, which OpenSSL 3 keeps in its legacy provider.
void ZaladujStareAlgorytmy()
{
    static const bool zaladowane = [] {
        OSSL_PROVIDER_load(nullptr, "default");
        return OSSL_PROVIDER_load(nullptr, "legacy") != nullptr;
    }();
    (void)zaladowane;
}

QDateTime Czas(const ASN1_TIME *t)
{
    tm c{};
    if (!t || ASN1_TIME_to_tm(t, &c) != 1)
        return {};
    return QDateTime(QDate(c.tm_year + 1900, c.tm_mon + 1, c.tm_mday), QTime(c.tm_hour, c.tm_min, c.tm_sec), Qt::UTC);
}

QString Podmiot(X509 *cert)
{
    Bio b(BIO_new(BIO_s_mem()));
    X509_NAME_print_ex(b.get(), X509_get_subject_name(cert), 0, XN_FLAG_RFC2253 & ~ASN1_STRFLGS_ESC_MSB);
    char *dane = nullptr;
    const long n = BIO_get_mem_data(b.get(), &dane);
    return QString::fromUtf8(dane, qsizetype(n));
}

void Pkcs12Otworz(const QByteArray &plik, const QByteArray &h, X509Ptr &cert, Klucz &klucz)
{
    Bio b = Pamiec(plik);
    Pkcs12 p12(d2i_PKCS12_bio(b.get(), nullptr));
    if (!p12)
        throw EMojeBledy(QStringLiteral("Plik nie jest certyfikatem PKCS#12 (.p12, .pfx).|Wskaż plik .p12 albo "
                                        "certyfikat .crt z jego kluczem .key."));
    if (PKCS12_mac_present(p12.get()) && !PKCS12_verify_mac(p12.get(), h.constData(), int(h.size()))
        && !(h.isEmpty() && PKCS12_verify_mac(p12.get(), nullptr, 0)))
        throw EMojeBledy(QStringLiteral("Hasło nie otwiera certyfikatu KSeF.|Sprawdź hasło i spróbuj ponownie."));
    for (int proba = 0; proba < 2; ++proba) {
        EVP_PKEY *k = nullptr;
        X509 *c = nullptr;
        STACK_OF(X509) *ca = nullptr;
        if (PKCS12_parse(p12.get(), h.constData(), &k, &c, &ca) == 1) {
            StosCa zwolnijCa(ca);
            cert.reset(c);
            klucz.reset(k);
            return;
        }
        ERR_clear_error();
        ZaladujStareAlgorytmy();
    }
    throw EMojeBledy(QStringLiteral("Nie można odczytać certyfikatu KSeF z pliku PKCS#12 (nieobsługiwane "
                                    "szyfrowanie pliku)."));
}

}   // namespace

TopisCertyfikatu OpiszCertyfikatKsef(const TposwiadczeniaKsef &p)
{
    X509Ptr cert;
    Klucz klucz;
    if (p.Klucz.isEmpty()) {
        Pkcs12Otworz(p.Certyfikat, p.Haslo, cert, klucz);
    } else {
        Bio b = Pamiec(p.Certyfikat);
        cert.reset(PEM_read_bio_X509(b.get(), nullptr, nullptr, nullptr));
        if (!cert) {
            b = Pamiec(p.Certyfikat);
            cert.reset(d2i_X509_bio(b.get(), nullptr));
        }
        if (!cert)
            throw EMojeBledy(QStringLiteral("Plik certyfikatu nie zawiera certyfikatu X.509 (PEM ani DER)."));
        QByteArray haslo = p.Haslo;
        Bio k = Pamiec(p.Klucz);
        klucz.reset(PEM_read_bio_PrivateKey(k.get(), nullptr, Haslo, &haslo));
        if (!klucz) {
            k = Pamiec(p.Klucz);
            klucz.reset(d2i_PKCS8PrivateKey_bio(k.get(), nullptr, Haslo, &haslo));
        }
        if (!klucz) {
            ERR_clear_error();
            throw EMojeBledy(QStringLiteral("Nie można otworzyć klucza prywatnego certyfikatu KSeF.|Sprawdź "
                                            "hasło klucza i czy wskazano plik .key tego certyfikatu."));
        }
    }
    ERR_clear_error();
    if (!klucz)
        throw EMojeBledy(QStringLiteral("W pliku PKCS#12 nie ma klucza prywatnego certyfikatu KSeF."));
    if (X509_check_private_key(cert.get(), klucz.get()) != 1) {
        ERR_clear_error();
        throw EMojeBledy(QStringLiteral("Klucz prywatny nie należy do tego certyfikatu KSeF.|Wskaż plik .key "
                                        "wydany razem z certyfikatem."));
    }
    return {Podmiot(cert.get()), Czas(X509_get0_notBefore(cert.get())), Czas(X509_get0_notAfter(cert.get()))};
}

QString OpisCertyfikatuKsef(const TopisCertyfikatu &o, const QDateTime &teraz)
{
    const QString format = QStringLiteral("dd.MM.yyyy");
    QString s = QStringLiteral("%1, ważny od %2 do %3")
                    .arg(o.Podmiot, o.WaznyOd.toLocalTime().toString(format), o.WaznyDo.toLocalTime().toString(format));
    if (teraz > o.WaznyDo)
        s += QStringLiteral(" — wygasł");
    else if (teraz < o.WaznyOd)
        s += QStringLiteral(" — jeszcze nieważny");
    return s;
}
