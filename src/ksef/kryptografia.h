#pragma once
// The cryptography KSeF asks of a client: the public key of its certificate wraps a secret
// with RSA-OAEP (SHA-256), the invoices of a session are AES-256-CBC with PKCS#7 padding.

#include <QByteArray>

// `certyfikat`: an X.509 certificate, DER. EMojeBledy when it holds no RSA key or OpenSSL fails.
QByteArray SzyfrujRsaOaep(const QByteArray &certyfikat, const QByteArray &dane);
QByteArray SzyfrujAes256Cbc(const QByteArray &klucz, const QByteArray &iv, const QByteArray &dane);
// Bytes from the system's cryptographic random source.
QByteArray LosoweBajty(int ile);
// SHA-256, standard Base64 (the API's form of a hash).
QByteArray Sha256Base64(const QByteArray &dane);
