#include "kryptografia.h"

#include "common/bledy.h"
#include "zwolnij.h"

#include <QCryptographicHash>

#include <openssl/evp.h>
#include <openssl/rand.h>
#include <openssl/rsa.h>
#include <openssl/x509.h>

#include <memory>

namespace {

using X509Ptr = std::unique_ptr<X509, Zwolnij<X509, X509_free>>;
using KluczPtr = std::unique_ptr<EVP_PKEY, Zwolnij<EVP_PKEY, EVP_PKEY_free>>;
using KontekstPtr = std::unique_ptr<EVP_PKEY_CTX, Zwolnij<EVP_PKEY_CTX, EVP_PKEY_CTX_free>>;
using SzyfrPtr = std::unique_ptr<EVP_CIPHER_CTX, Zwolnij<EVP_CIPHER_CTX, EVP_CIPHER_CTX_free>>;

[[noreturn]] void Blad(const char *co)
{
    throw EMojeBledy(QStringLiteral("Błąd szyfrowania danych dla KSeF (%1).").arg(QLatin1String(co)));
}

auto Bajty(const QByteArray &b) { return reinterpret_cast<const unsigned char *>(b.constData()); }
auto Bajty(QByteArray &b) { return reinterpret_cast<unsigned char *>(b.data()); }

}   // namespace

QByteArray SzyfrujRsaOaep(const QByteArray &certyfikat, const QByteArray &dane)
{
    const unsigned char *p = Bajty(certyfikat);
    X509Ptr x(d2i_X509(nullptr, &p, certyfikat.size()));
    if (!x)
        Blad("certyfikat klucza publicznego KSeF jest nieczytelny");
    KluczPtr klucz(X509_get_pubkey(x.get()));
    if (!klucz || EVP_PKEY_get_base_id(klucz.get()) != EVP_PKEY_RSA)
        Blad("certyfikat KSeF nie zawiera klucza RSA");
    KontekstPtr k(EVP_PKEY_CTX_new(klucz.get(), nullptr));
    if (!k || EVP_PKEY_encrypt_init(k.get()) <= 0 || EVP_PKEY_CTX_set_rsa_padding(k.get(), RSA_PKCS1_OAEP_PADDING) <= 0
        || EVP_PKEY_CTX_set_rsa_oaep_md(k.get(), EVP_sha256()) <= 0
        || EVP_PKEY_CTX_set_rsa_mgf1_md(k.get(), EVP_sha256()) <= 0)
        Blad("RSA-OAEP");
    size_t n = 0;
    if (EVP_PKEY_encrypt(k.get(), nullptr, &n, Bajty(dane), size_t(dane.size())) <= 0)
        Blad("RSA-OAEP");
    QByteArray wynik(qsizetype(n), '\0');
    if (EVP_PKEY_encrypt(k.get(), Bajty(wynik), &n, Bajty(dane), size_t(dane.size())) <= 0)
        Blad("RSA-OAEP");
    wynik.resize(qsizetype(n));
    return wynik;
}

QByteArray SzyfrujAes256Cbc(const QByteArray &klucz, const QByteArray &iv, const QByteArray &dane)
{
    if (klucz.size() != 32 || iv.size() != 16)
        Blad("AES-256: klucz 32 bajty, wektor 16 bajtów");
    SzyfrPtr k(EVP_CIPHER_CTX_new());
    QByteArray wynik(dane.size() + 16, '\0');
    int n = 0, reszta = 0;
    if (!k || EVP_EncryptInit_ex(k.get(), EVP_aes_256_cbc(), nullptr, Bajty(klucz), Bajty(iv)) != 1
        || EVP_EncryptUpdate(k.get(), Bajty(wynik), &n, Bajty(dane), int(dane.size())) != 1
        || EVP_EncryptFinal_ex(k.get(), Bajty(wynik) + n, &reszta) != 1)
        Blad("AES-256-CBC");
    wynik.resize(n + reszta);
    return wynik;
}

QByteArray LosoweBajty(int ile)
{
    QByteArray b(ile, '\0');
    if (RAND_bytes(Bajty(b), ile) != 1)
        Blad("generator liczb losowych");
    return b;
}

QByteArray Sha256Base64(const QByteArray &dane)
{
    return QCryptographicHash::hash(dane, QCryptographicHash::Sha256).toBase64();
}
