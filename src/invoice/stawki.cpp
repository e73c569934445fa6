#include "stawki.h"

#include "common/daty.h"
#include "common/formaty.h"
#include "common/teksty.h"

#include <array>

const double TabelaStawek[2][kLiczbaRodzajowVat] = {
    {0, 0, 0, 7, 22, 3},
    {0, 0, 0, 8, 23, 5},
};

int OkresStawek(double data)
{
    static const double kNoweStawki = TekstNaDate(QStringLiteral("01.01.2011"), 0);
    return data < kNoweStawki ? 1 : 2;
}

double StawkaVat(TrodzajVat r, double data) { return TabelaStawek[OkresStawek(data) - 1][r]; }

const QString &StawkaVatTekst(TrodzajVat r, double data)
{
    // every row of every recomputation compares its rate with these texts
    static const auto kTeksty = [] {
        std::array<std::array<QString, kLiczbaRodzajowVat>, 2> t;
        for (int o = 0; o < 2; ++o)
            for (int i = 0; i < kLiczbaRodzajowVat; ++i)
                t[o][i] = FloatKrotko(true, TabelaStawek[o][i]);
        return t;
    }();
    return kTeksty.at(OkresStawek(data) - 1).at(r);
}

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

QString StawkaZWpisu(const QString &tekst)
{
    return Trim(tekst).compare(QLatin1String("zw"), Qt::CaseInsensitive) == 0 ? QString() : tekst;
}
