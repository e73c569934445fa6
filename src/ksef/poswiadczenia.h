#pragma once
// What a user signs in to KSeF with: a KSeF certificate of the "Authentication" type (one
// PKCS#12 file, or a .crt with its .key) and its password, or, until the end of 2026, a KSeF
// token. None of it is ever written to Faktury.ini, a log or a message.

#include "klientksef.h"

#include <QByteArray>
#include <QString>

struct TposwiadczeniaKsef {
    QByteArray Token;
    QByteArray Certyfikat;      // PKCS#12, or the certificate (PEM or DER) when Klucz is given
    QByteArray Klucz;           // the private key (PEM) of a .crt + .key pair
    QByteArray Haslo;           // of the PKCS#12 file or of the key
    QString NazwaCertyfikatu;   // what messages call the certificate: its file
    bool Certyfikatem() const { return !Certyfikat.isEmpty(); }
    bool Puste() const { return Token.isEmpty() && Certyfikat.isEmpty(); }
};

// The secrets the user saved on the KSeF page of the parameters (the system keychain) for
// this environment; empty when there are none.
TposwiadczeniaKsef PoswiadczeniaZapisane(const TsrodowiskoKsef &srodowisko);

// Signs in with the certificate when there is one, otherwise with the token.
// EKsefNiedostepny when KSeF refuses; EMojeBledy when there is nothing to sign in with or the
// certificate cannot be used (wrong password, expired...).
void ZalogujKsef(KlientKsef &klient, const QString &nip, const TposwiadczeniaKsef &p);
