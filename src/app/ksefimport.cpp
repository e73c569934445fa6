#include "ksefimport.h"

#include "common/bledy.h"
#include "common/komunikaty.h"
#include "invoice/plikfaktury.h"
#include "ksef/czytnikfa3.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

int PolecenieKsefImport(const Argumenty &a)
{
    if (a.pliki.size() != 1 || a.wyjscie.isEmpty())
        throw BladUzycia(QStringLiteral("Polecenie ksef-import wymaga pliku XML i opcji -o PLIK.FAK."));
    const QString &xml = a.pliki.first();
    // the invoice is saved only as a new file: an existing one is never overwritten by it
    if (QFileInfo::exists(a.wyjscie))
        throw EMojeBledy(QStringLiteral("Plik %1 już istnieje; podaj nową nazwę.").arg(a.wyjscie));
    QFile plik(xml);
    if (!plik.open(QIODevice::ReadOnly))
        throw EMojeBledy(QStringLiteral("Nie można odczytać pliku %1: %2").arg(xml, plik.errorString()));
    // a downloaded invoice is named after its KSeF number
    static const QRegularExpression numer(QStringLiteral("^\\d{10}-\\d{8}-[0-9A-F]{12}-[0-9A-F]{2}$"));
    const QString nazwa = QFileInfo(xml).completeBaseName();
    const TodczytFa3 w = CzytajFa3(plik.readAll(), numer.match(nazwa).hasMatch() ? nazwa : QString());
    for (const QString &u : w.Uwagi)
        Komunikat(QStringLiteral("!") + xml + QStringLiteral(": ") + u);
    ZapiszFakture(a.wyjscie, w.Faktura);
    return kOk;
}
