#pragma once
// Secrets given as files (a KSeF token, a certificate's key and its password): read only from a
// file no one but its owner may read or change, and never repeated in a message.

#include <QByteArray>
#include <QString>

// Each: EMojeBledy naming the file (never its content) when it cannot be read, is empty, or
// others may read or write it.
// The whole file (a PKCS#12 file, a private key).
QByteArray CzytajPlikSekretuBinarnie(const QString &plik, const QString &co);
// The first line of the file, trimmed (a token).
QByteArray CzytajPlikSekretu(const QString &plik, const QString &co);
// The first line of the file without its line end, which may leave it empty (a password).
QByteArray CzytajHasloZPliku(const QString &plik, const QString &co);
