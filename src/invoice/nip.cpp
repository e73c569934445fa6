#include "nip.h"

QString UwagaDoNip(const QString &nip)
{
    const QString t = nip.trimmed();
    if (t.isEmpty() || (t.size() >= 2 && t.at(0).isLetter() && t.at(1).isLetter()))
        return QString();
    QString cyfry;
    for (QChar z : t) {
        if (z.isDigit())
            cyfry.append(z);
        else if (z != QLatin1Char('-') && z != QLatin1Char(' '))
            return QStringLiteral("NIP kupującego %1 zawiera niedozwolone znaki.").arg(t);
    }
    if (cyfry.size() != 10)
        return QStringLiteral("NIP kupującego %1 ma %2 cyfr zamiast 10.").arg(t).arg(cyfry.size());
    static const int kWagi[9] = {6, 5, 7, 2, 3, 4, 5, 6, 7};
    int suma = 0;
    for (int i = 0; i < 9; ++i)
        suma += kWagi[i] * cyfry.at(i).digitValue();
    if (suma % 11 != cyfry.at(9).digitValue())
        return QStringLiteral("NIP kupującego %1 ma błędną cyfrę kontrolną.").arg(t);
    return QString();
}
