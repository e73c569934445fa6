#pragma once
// Text files of the program: Windows-1250 unless the file starts with a byte-order mark
// (UTF-8, UTF-16 LE or BE); lines end in CR LF when written, CR, LF or CR LF when read.

#include <QByteArray>
#include <QString>
#include <QStringList>

enum class Kodowanie { Ansi, Utf8, Utf16LE, Utf16BE };

// Decodes a whole file and reports the encoding it was in.
QString DekodujPlik(const QByteArray &bajty, Kodowanie *kodowanie = nullptr);
// Encodes a text; Windows-1250 that cannot hold a character becomes UTF-8 with a
// byte-order mark (*kodowanie is updated), so nothing typed is lost.
QByteArray KodujPlik(const QString &tekst, Kodowanie *kodowanie);

QStringList PodzielLinie(const QString &tekst);
