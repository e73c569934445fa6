#pragma once
// The Windows-1250 (Central European) single-byte code page, as a fixed table.

#include <QByteArray>
#include <QString>

namespace Cp1250 {
QString Dekoduj(const QByteArray &bajty);
// Encodes s; returns false in *ok (when given) if any character has no byte
// in the code page (such characters are written as "?").
QByteArray Koduj(const QString &s, bool *ok = nullptr);
bool Miesci(const QString &s);
unsigned char Bajt(QChar c, bool *ok);
}   // namespace Cp1250

// The text in the single-byte code page.
QByteArray NaAnsi(const QString &s);
