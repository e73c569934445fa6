#include "plikiwyjsciowe.h"

#include "common/bledy.h"
#include "common/komunikaty.h"
#include "invoice/plikfaktury.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

QString PlikiWKatalogu(const QStringList &pliki, const QString &katalog, const QString &rozszerzenie,
                       QStringList &wyjscia)
{
    QSet<QString> nazwy;
    for (const QString &p : pliki) {
        QString n = QFileInfo(p).completeBaseName() + rozszerzenie;
        if (nazwy.contains(n.toLower()))
            return n;
        nazwy.insert(n.toLower());
        wyjscia.append(QDir(katalog).filePath(n));
    }
    return QString();
}

void CzytajFaktureDoWydania(const QString &plik, TzentoraVat &f)
{
    const QStringList problemy = CzytajFaktureSprawdzajac(plik, f);
    if (problemy.isEmpty())
        return;
    for (const QString &p : problemy)
        Komunikat(QStringLiteral("X") + (p.startsWith(QLatin1String("Plik ")) ? p : plik + QStringLiteral(": ") + p));
    throw ECichyAbort();
}
