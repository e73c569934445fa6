#pragma once
// Helpers for tests that touch files.

#include <QByteArray>
#include <QFile>
#include <QString>

inline QByteArray CzytajBajty(const QString &plik)
{
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<brak pliku>");
    return f.readAll();
}

inline bool PiszBajty(const QString &plik, const QByteArray &b)
{
    QFile f(plik);
    return f.open(QIODevice::WriteOnly) && f.write(b) == b.size();
}

// CR LF line ends for a test text written with "\n".
inline QByteArray Crlf(QByteArray b) { return b.replace("\n", "\r\n"); }
