#include "sekrety.h"

#include "common/bledy.h"

#include <QFile>
#include <QFileInfo>

QByteArray CzytajPlikSekretuBinarnie(const QString &plik, const QString &co)
{
    const QFileInfo i(plik);
    if (!i.isFile())
        throw EMojeBledy(QStringLiteral("Nie ma pliku %1 \"%2\".").arg(co, plik));
#ifndef Q_OS_WIN
    // on Windows the folder's ACL decides and Qt does not report it; here the mode bits do
    const auto obcy =
        QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    if (i.permissions() & obcy)
        throw EMojeBledy(QStringLiteral("Plik %1 \"%2\" mogą czytać lub zmieniać inni użytkownicy.|"
                                        "Ustaw prawa tylko dla właściciela: chmod 600 \"%2\".")
                             .arg(co, plik));
#endif
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly))
        throw EMojeBledy(QStringLiteral("Nie można odczytać pliku %1 \"%2\": %3").arg(co, plik, f.errorString()));
    QByteArray sekret = f.readAll();
    if (sekret.isEmpty())
        throw EMojeBledy(QStringLiteral("Plik %1 \"%2\" jest pusty.").arg(co, plik));
    return sekret;
}

QByteArray CzytajPlikSekretu(const QString &plik, const QString &co)
{
    QByteArray sekret = CzytajPlikSekretuBinarnie(plik, co);
    sekret.truncate(sekret.indexOf('\n') < 0 ? sekret.size() : sekret.indexOf('\n'));
    sekret = sekret.trimmed();
    if (sekret.isEmpty())
        throw EMojeBledy(QStringLiteral("Plik %1 \"%2\" jest pusty.").arg(co, plik));
    return sekret;
}

QByteArray CzytajHasloZPliku(const QString &plik, const QString &co)
{
    QByteArray haslo = CzytajPlikSekretuBinarnie(plik, co);
    // only the line's end goes: spaces may belong to the password
    haslo.truncate(haslo.indexOf('\n') < 0 ? haslo.size() : haslo.indexOf('\n'));
    if (haslo.endsWith('\r'))
        haslo.chop(1);
    return haslo;
}
