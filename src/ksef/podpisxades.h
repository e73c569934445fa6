#pragma once
// The KSeF certificate of the "Authentication" type and the XAdES-BES signature of the login
// request made with it: libxmlsec1 (OpenSSL) signs, the XAdES properties are written here.

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <memory>

class CertyfikatKsef {
public:
    // `certyfikat`: a PKCS#12 file or one PEM file with both when `klucz` is empty, otherwise the
    // certificate (PEM or DER) whose private key (PEM, maybe encrypted) `klucz` is; `haslo` opens whichever is
    // encrypted. `nazwa` names the file in messages. EMojeBledy, naming the file but never the
    // password, for a wrong password, a certificate without its private key or with another
    // one, a certificate expired or not valid yet at `teraz`.
    CertyfikatKsef(const QByteArray &certyfikat, const QByteArray &klucz, const QByteArray &haslo, const QString &nazwa,
                   const QDateTime &teraz = QDateTime::currentDateTimeUtc());
    ~CertyfikatKsef();
    CertyfikatKsef(const CertyfikatKsef &) = delete;
    CertyfikatKsef &operator=(const CertyfikatKsef &) = delete;

    // `xml` with an enveloped XAdES-BES signature appended to its root element: exclusive
    // C14N, SHA-256, RSA or ECDSA as the key is, SigningTime `czas` and the certificate's
    // digest and issuer/serial among the signed properties.
    QByteArray Podpisz(const QByteArray &xml, const QDateTime &czas = QDateTime::currentDateTimeUtc()) const;

    QByteArray Der() const;
    QDateTime WaznyDo() const;

private:
    struct Dane;
    std::unique_ptr<Dane> d;
};

// The AuthTokenRequest of a login to the context of `nip` in answer to `wyzwanie`, unsigned; the
// authenticating subject is read from the certificate that will sign it.
QByteArray WniosekUwierzytelnienia(const QString &wyzwanie, const QString &nip);
