#pragma once
// Secrets given as files (a KSeF token): read only from a file no one but its owner may read
// or change, and never repeated in a message.

#include <QByteArray>
#include <QString>

// The first line of the file, trimmed. EMojeBledy naming the file (never its content) when it
// cannot be read, is empty, or others may read or write it.
QByteArray CzytajPlikSekretu(const QString &plik, const QString &co);
