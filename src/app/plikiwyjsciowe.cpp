#include "plikiwyjsciowe.h"

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
