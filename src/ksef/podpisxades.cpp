#include "podpisxades.h"

#include "common/bledy.h"
#include "zwolnij.h"

#include <QCryptographicHash>
#include <QUuid>

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/valid.h>
#include <openssl/bio.h>
#include <openssl/bn.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/pkcs12.h>
#include <openssl/x509.h>
// xmlsec.h first: the others use what it defines
#include <xmlsec/xmlsec.h>
// clang-format off
#include <xmlsec/errors.h>
#include <xmlsec/openssl/app.h>
#include <xmlsec/openssl/crypto.h>
#include <xmlsec/openssl/evp.h>
#include <xmlsec/xmldsig.h>
#include <xmlsec/xmltree.h>
// clang-format on

#include <mutex>

namespace {

using X509Ptr = std::unique_ptr<X509, Zwolnij<X509, X509_free>>;
using KluczPtr = std::unique_ptr<EVP_PKEY, Zwolnij<EVP_PKEY, EVP_PKEY_free>>;
using BioPtr = std::unique_ptr<BIO, Zwolnij<BIO, BIO_free_all>>;
using Pkcs12Ptr = std::unique_ptr<PKCS12, Zwolnij<PKCS12, PKCS12_free>>;
using DokumentPtr = std::unique_ptr<xmlDoc, Zwolnij<xmlDoc, xmlFreeDoc>>;
using PodpisPtr = std::unique_ptr<xmlSecDSigCtx, Zwolnij<xmlSecDSigCtx, xmlSecDSigCtxDestroy>>;

constexpr char kXades[] = "http://uri.etsi.org/01903/v1.3.2#";

void BezKomunikatow(const char *, int, const char *, const char *, const char *, int, const char *) {}

void Uruchom()
{
    static std::once_flag raz;
    std::call_once(raz, [] {
        xmlInitParser();
        // xmlsec would print its errors; the messages of this program say what went wrong
        xmlSecErrorsSetCallback(BezKomunikatow);
        if (xmlSecInit() < 0 || xmlSecCheckVersion() != 1 || xmlSecOpenSSLAppInit(nullptr) < 0
            || xmlSecOpenSSLInit() < 0)
            throw EMojeBledy(QStringLiteral("Nie można uruchomić biblioteki podpisu XML (xmlsec)."));
    });
}

BioPtr Pamiec(const QByteArray &b) { return BioPtr(BIO_new_mem_buf(b.constData(), int(b.size()))); }

X509Ptr CzytajCertyfikat(const QByteArray &b)
{
    X509Ptr c(PEM_read_bio_X509(Pamiec(b).get(), nullptr, nullptr, nullptr));
    if (!c) {
        const auto *p = reinterpret_cast<const unsigned char *>(b.constData());
        c.reset(d2i_X509(nullptr, &p, long(b.size())));
    }
    ERR_clear_error();
    return c;
}

int Haslo(char *bufor, int rozmiar, int, void *dane)
{
    const auto *h = static_cast<const QByteArray *>(dane);
    if (h->size() > rozmiar)
        return -1;
    memcpy(bufor, h->constData(), size_t(h->size()));
    return int(h->size());
}

QByteArray Der(X509 *c)
{
    QByteArray der(i2d_X509(c, nullptr), Qt::Uninitialized);
    auto *p = reinterpret_cast<unsigned char *>(der.data());
    i2d_X509(c, &p);
    return der;
}

QDateTime Czas(const ASN1_TIME *t)
{
    struct tm tm {};
    if (!ASN1_TIME_to_tm(t, &tm))
        return {};
    return QDateTime(QDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday), QTime(tm.tm_hour, tm.tm_min, tm.tm_sec),
                     Qt::UTC);
}

QString Wystawca(X509 *c)
{
    BioPtr b(BIO_new(BIO_s_mem()));
    X509_NAME_print_ex(b.get(), X509_get_issuer_name(c), 0, XN_FLAG_RFC2253 & ~ASN1_STRFLGS_ESC_MSB);
    char *dane = nullptr;
    const long n = BIO_get_mem_data(b.get(), &dane);
    return QString::fromUtf8(dane, n);
}

QString NumerSeryjny(X509 *c)
{
    std::unique_ptr<BIGNUM, Zwolnij<BIGNUM, BN_free>> bn(ASN1_INTEGER_to_BN(X509_get0_serialNumber(c), nullptr));
    char *dziesietnie = bn ? BN_bn2dec(bn.get()) : nullptr;
    QString s = QString::fromLatin1(dziesietnie);
    OPENSSL_free(dziesietnie);
    return s;
}

QString X(const QString &s) { return s.toHtmlEscaped(); }

}   // namespace

struct CertyfikatKsef::Dane {
    X509Ptr certyfikat;
    KluczPtr klucz;
};

CertyfikatKsef::CertyfikatKsef(const QByteArray &certyfikat, const QByteArray &klucz, const QByteArray &haslo,
                               const QString &nazwa, const QDateTime &teraz)
    : d(new Dane)
{
    Uruchom();
    const QString plik = QStringLiteral("„%1”").arg(nazwa);
    QByteArray pem = klucz;
    if (pem.isEmpty() && certyfikat.contains("PRIVATE KEY-----"))
        pem = certyfikat;   // one PEM file with the certificate and its key
    if (pem.isEmpty()) {
        const auto *p = reinterpret_cast<const unsigned char *>(certyfikat.constData());
        Pkcs12Ptr p12(d2i_PKCS12(nullptr, &p, long(certyfikat.size())));
        ERR_clear_error();
        if (!p12) {
            if (CzytajCertyfikat(certyfikat))
                throw EMojeBledy(QStringLiteral("Plik certyfikatu KSeF %1 nie zawiera klucza prywatnego.|"
                                                "Podaj też plik klucza (.key) albo plik PKCS#12 (.p12, .pfx).")
                                     .arg(plik));
            throw EMojeBledy(
                QStringLiteral("Plik %1 nie jest certyfikatem KSeF (PKCS#12 ani certyfikatem X.509).").arg(plik));
        }
        // a PKCS#12 file without a password is also read with an empty one
        const char *h = haslo.isEmpty() ? nullptr : haslo.constData();
        if (PKCS12_mac_present(p12.get()) && !PKCS12_verify_mac(p12.get(), h, int(haslo.size()))
            && !(haslo.isEmpty() && PKCS12_verify_mac(p12.get(), "", 0))) {
            ERR_clear_error();
            if (haslo.isEmpty())
                throw EMojeBledy(QStringLiteral("Plik certyfikatu KSeF %1 jest chroniony hasłem.|"
                                                "Podaj jego hasło (w zentora-cli: --cert-password-file PLIK).")
                                     .arg(plik));
            throw EMojeBledy(QStringLiteral("Hasło nie otwiera pliku certyfikatu KSeF %1.|Sprawdź hasło.").arg(plik));
        }
        EVP_PKEY *k = nullptr;
        X509 *c = nullptr;
        STACK_OF(X509) *ca = nullptr;
        const bool ok = PKCS12_parse(p12.get(), h, &k, &c, &ca) || PKCS12_parse(p12.get(), "", &k, &c, &ca);
        sk_X509_pop_free(ca, X509_free);
        d->klucz.reset(k);
        d->certyfikat.reset(c);
        ERR_clear_error();
        if (!ok)
            throw EMojeBledy(QStringLiteral("Nie można odczytać pliku certyfikatu KSeF %1.").arg(plik));
        if (!d->klucz)
            throw EMojeBledy(QStringLiteral("Plik certyfikatu KSeF %1 nie zawiera klucza prywatnego.|"
                                            "Wyeksportuj certyfikat razem z kluczem.")
                                 .arg(plik));
        if (!d->certyfikat)
            throw EMojeBledy(QStringLiteral("Plik %1 nie zawiera certyfikatu, tylko klucz.").arg(plik));
    } else {
        d->certyfikat = CzytajCertyfikat(certyfikat);
        if (!d->certyfikat)
            throw EMojeBledy(QStringLiteral("Plik %1 nie jest certyfikatem X.509 (PEM ani DER).").arg(plik));
        QByteArray h = haslo;
        d->klucz.reset(PEM_read_bio_PrivateKey(Pamiec(pem).get(), nullptr, Haslo, &h));
        ERR_clear_error();
        if (!d->klucz) {
            if (pem.contains("ENCRYPTED") && haslo.isEmpty())
                throw EMojeBledy(QStringLiteral("Klucz prywatny certyfikatu KSeF %1 jest chroniony hasłem.|"
                                                "Podaj jego hasło (w zentora-cli: --cert-password-file PLIK).")
                                     .arg(plik));
            if (pem.contains("ENCRYPTED"))
                throw EMojeBledy(
                    QStringLiteral("Hasło nie otwiera klucza prywatnego certyfikatu KSeF %1.|Sprawdź hasło.")
                        .arg(plik));
            throw EMojeBledy(
                QStringLiteral("Plik klucza certyfikatu KSeF %1 nie zawiera klucza prywatnego PEM.").arg(plik));
        }
    }
    if (X509_check_private_key(d->certyfikat.get(), d->klucz.get()) != 1) {
        ERR_clear_error();
        throw EMojeBledy(
            QStringLiteral("Klucz prywatny nie pasuje do certyfikatu KSeF %1.|Podaj klucz wydany z tym certyfikatem.")
                .arg(plik));
    }
    const int typ = EVP_PKEY_get_base_id(d->klucz.get());
    if (typ != EVP_PKEY_RSA && typ != EVP_PKEY_EC)
        throw EMojeBledy(QStringLiteral("Certyfikat KSeF %1 ma klucz innego rodzaju niż RSA i EC.").arg(plik));
    const QDateTime od = Czas(X509_get0_notBefore(d->certyfikat.get()));
    const QDateTime doK = Czas(X509_get0_notAfter(d->certyfikat.get()));
    const QString format = QStringLiteral("dd.MM.yyyy HH:mm");
    if (doK.isValid() && doK < teraz)
        throw EMojeBledy(QStringLiteral("Certyfikat KSeF %1 wygasł %2 (UTC).|Wystąp o nowy w Aplikacji Podatnika KSeF.")
                             .arg(plik, doK.toString(format)));
    if (od.isValid() && od > teraz)
        throw EMojeBledy(
            QStringLiteral("Certyfikat KSeF %1 jest ważny dopiero od %2 (UTC).").arg(plik, od.toString(format)));
}

CertyfikatKsef::~CertyfikatKsef() = default;

QByteArray CertyfikatKsef::Der() const { return ::Der(d->certyfikat.get()); }

QDateTime CertyfikatKsef::WaznyDo() const { return Czas(X509_get0_notAfter(d->certyfikat.get())); }

QByteArray CertyfikatKsef::Podpisz(const QByteArray &xml, const QDateTime &czas) const
{
    Uruchom();
    const QByteArray der = Der();
    const bool rsa = EVP_PKEY_get_base_id(d->klucz.get()) == EVP_PKEY_RSA;
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    // everything but the digests and the signature value, which xmlsec computes
    const QString podpis =
        QStringLiteral(
            "<ds:Signature xmlns:ds=\"http://www.w3.org/2000/09/xmldsig#\" Id=\"Signature-%1\">"
            "<ds:SignedInfo>"
            "<ds:CanonicalizationMethod Algorithm=\"http://www.w3.org/2001/10/xml-exc-c14n#\"/>"
            "<ds:SignatureMethod Algorithm=\"http://www.w3.org/2001/04/xmldsig-more#%2\"/>"
            "<ds:Reference URI=\"\"><ds:Transforms>"
            "<ds:Transform Algorithm=\"http://www.w3.org/2000/09/xmldsig#enveloped-signature\"/>"
            "<ds:Transform Algorithm=\"http://www.w3.org/2001/10/xml-exc-c14n#\"/></ds:Transforms>"
            "<ds:DigestMethod Algorithm=\"http://www.w3.org/2001/04/xmlenc#sha256\"/><ds:DigestValue/>"
            "</ds:Reference>"
            "<ds:Reference Type=\"http://uri.etsi.org/01903#SignedProperties\" URI=\"#SignedProperties-%1\">"
            "<ds:Transforms><ds:Transform Algorithm=\"http://www.w3.org/2001/10/xml-exc-c14n#\"/></ds:Transforms>"
            "<ds:DigestMethod Algorithm=\"http://www.w3.org/2001/04/xmlenc#sha256\"/><ds:DigestValue/>"
            "</ds:Reference>"
            "</ds:SignedInfo>"
            "<ds:SignatureValue/>"
            "<ds:KeyInfo><ds:X509Data><ds:X509Certificate>%3</ds:X509Certificate></ds:X509Data></ds:KeyInfo>"
            "<ds:Object><xades:QualifyingProperties xmlns:xades=\"%4\" Target=\"#Signature-%1\">"
            "<xades:SignedProperties Id=\"SignedProperties-%1\"><xades:SignedSignatureProperties>"
            "<xades:SigningTime>%5</xades:SigningTime>"
            "<xades:SigningCertificate><xades:Cert><xades:CertDigest>"
            "<ds:DigestMethod Algorithm=\"http://www.w3.org/2001/04/xmlenc#sha256\"/>"
            "<ds:DigestValue>%6</ds:DigestValue></xades:CertDigest>"
            "<xades:IssuerSerial><ds:X509IssuerName>%7</ds:X509IssuerName>"
            "<ds:X509SerialNumber>%8</ds:X509SerialNumber></xades:IssuerSerial>"
            "</xades:Cert></xades:SigningCertificate>"
            "</xades:SignedSignatureProperties></xades:SignedProperties>"
            "</xades:QualifyingProperties></ds:Object>"
            "</ds:Signature>")
            .arg(id, rsa ? QStringLiteral("rsa-sha256") : QStringLiteral("ecdsa-sha256"),
                 QString::fromLatin1(der.toBase64()), QLatin1String(kXades),
                 czas.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ")),
                 QString::fromLatin1(QCryptographicHash::hash(der, QCryptographicHash::Sha256).toBase64()),
                 X(Wystawca(d->certyfikat.get())), NumerSeryjny(d->certyfikat.get()));

    const qsizetype koniec = xml.lastIndexOf("</");
    if (koniec < 0)
        throw EMojeBledy(QStringLiteral("Wniosek logowania do KSeF nie jest dokumentem XML."));
    QByteArray szablon = xml;
    szablon.insert(koniec, podpis.toUtf8());

    const auto blad = [] {
        return EMojeBledy(QStringLiteral("Nie można podpisać wniosku logowania do KSeF certyfikatem."));
    };
    DokumentPtr dok(xmlReadMemory(szablon.constData(), int(szablon.size()), nullptr, nullptr, XML_PARSE_NONET));
    if (!dok)
        throw blad();
    xmlNodePtr korzen = xmlDocGetRootElement(dok.get());
    xmlNodePtr wezel = xmlSecFindNode(korzen, xmlSecNodeSignature, xmlSecDSigNs);
    xmlNodePtr wlasciwosci = xmlSecFindNode(korzen, BAD_CAST "SignedProperties", BAD_CAST kXades);
    if (!wezel || !wlasciwosci)
        throw blad();
    // without a schema nothing says that Id is an ID; the reference to the properties needs it
    xmlAttrPtr atrybut = xmlHasProp(wlasciwosci, BAD_CAST "Id");
    xmlChar *wartosc = xmlNodeListGetString(dok.get(), atrybut->children, 1);
    xmlAddID(nullptr, dok.get(), wartosc, atrybut);
    xmlFree(wartosc);

    PodpisPtr kontekst(xmlSecDSigCtxCreate(nullptr));
    if (!kontekst)
        throw blad();
    EVP_PKEY_up_ref(d->klucz.get());
    xmlSecKeyDataPtr dane = xmlSecOpenSSLEvpKeyAdopt(d->klucz.get());
    if (!dane) {
        EVP_PKEY_free(d->klucz.get());
        throw blad();
    }
    kontekst->signKey = xmlSecKeyCreate();
    if (!kontekst->signKey || xmlSecKeySetValue(kontekst->signKey, dane) < 0) {
        xmlSecKeyDataDestroy(dane);
        throw blad();
    }
    if (xmlSecDSigCtxSign(kontekst.get(), wezel) < 0) {
        ERR_clear_error();
        throw blad();
    }
    xmlChar *wynik = nullptr;
    int rozmiar = 0;
    xmlDocDumpMemoryEnc(dok.get(), &wynik, &rozmiar, "UTF-8");
    QByteArray podpisany(reinterpret_cast<const char *>(wynik), rozmiar);
    xmlFree(wynik);
    return podpisany;
}

QByteArray WniosekUwierzytelnienia(const QString &wyzwanie, const QString &nip)
{
    // a KSeF certificate names its holder in its subject (NIP or PESEL): certificateSubject
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                          "<AuthTokenRequest xmlns=\"http://ksef.mf.gov.pl/auth/token/2.0\">"
                          "<Challenge>%1</Challenge>"
                          "<ContextIdentifier><Nip>%2</Nip></ContextIdentifier>"
                          "<SubjectIdentifierType>certificateSubject</SubjectIdentifierType>"
                          "</AuthTokenRequest>")
        .arg(X(wyzwanie), X(nip))
        .toUtf8();
}
