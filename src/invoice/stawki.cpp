#include "stawki.h"

#include "common/daty.h"
#include "common/formaty.h"
#include "common/teksty.h"

const double TabelaStawek[2][kLiczbaRodzajowVat] = {
    {0, 0, 0, 7, 22, 3},
    {0, 0, 0, 8, 23, 5},
};

int OkresStawek(double data) { return data < TekstNaDate(QStringLiteral("01.01.2011"), 0) ? 1 : 2; }

double StawkaVat(TrodzajVat r, double data) { return TabelaStawek[OkresStawek(data) - 1][r]; }

QString StawkaVatTekst(TrodzajVat r, double data) { return FloatKrotko(true, StawkaVat(r, data)); }

QString ListaStawek(double data)
{
    QString s;
    for (TrodzajVat r : {vat0, vat7, vat22, vatA})
        s += StawkaVatTekst(r, data) + QStringLiteral("%   ");
    return s;
}

QString OpisStawki(TrodzajVat r, const QString &stawki)
{
    if (r == vatSum)
        return QStringLiteral("-----");
    if (r == vatZw)
        return QStringLiteral("zwol.");
    return Trim(stawki) + QStringLiteral(" %");
}
