#include "slownie.h"

#include "formaty.h"
#include "teksty.h"

namespace {

// Scale words: genitive plural (0, 5 and more), nominative plural (2..4), singular (1).
const char16_t *const kSkale[5][3] = {
    {u" miliardów", u" miliardy", u" miliard"}, {u" milionów", u" miliony", u" milion"},
    {u" tysięcy", u" tysiące", u" tysiąc"},     {u"", u"", u""},
    {u" groszy", u" grosze", u" grosz"},
};

const char16_t *const kJednosci[20] = {u"",
                                       u" jeden",
                                       u" dwa",
                                       u" trzy",
                                       u" cztery",
                                       u" pięć",
                                       u" sześć",
                                       u" siedem",
                                       u" osiem",
                                       u" dziewięć",
                                       u" dziesięć",
                                       u" jedenaście",
                                       u" dwanaście",
                                       u" trzynaście",
                                       u" czternaście",
                                       u" piętnaście",
                                       u" szesnaście",
                                       u" siedemnaście",
                                       u" osiemnaście",
                                       u" dziewiętnaście"};

const char16_t *const kDziesiatki[10] = {u"",
                                         u"",
                                         u" dwadzieścia",
                                         u" trzydzieści",
                                         u" czterdzieści",
                                         u" pięćdziesiąt",
                                         u" sześćdziesiąt",
                                         u" siedemdziesiąt",
                                         u" osiemdziesiąt",
                                         u" dziewięćdziesiąt"};

const char16_t *const kSetki[10] = {u"",         u" sto",      u" dwieście",  u" trzysta",  u" czterysta",
                                    u" pięćset", u" sześćset", u" siedemset", u" osiemset", u" dziewięćset"};

enum { kMiliardy, kMiliony, kTysiace, kJednostki, kGrosze };

QString GrupaSlownie(const QString &grupa, int wiersz)
{
    // a blank or a minus sign in a digit position reads as 0
    const int h = TekstNaInt(grupa.mid(0, 1), 0);
    const int t = TekstNaInt(grupa.mid(1, 1), 0);
    int u = TekstNaInt(grupa.mid(2, 1), 0);
    if (t == 1)
        u += 10;
    const QString slowa = QString::fromUtf16(kSetki[qBound(0, h, 9)]) + QString::fromUtf16(kDziesiatki[qBound(0, t, 9)])
                          + QString::fromUtf16(kJednosci[qBound(0, u, 19)]);
    int forma = 0;
    if (u >= 2 && u <= 4)
        forma = 1;
    else if (h + t == 0 && u == 1)
        forma = 2;
    return slowa + QString::fromUtf16(kSkale[wiersz][forma]);
}

}   // namespace

QString KwotaSlownie(long double kwota)
{
    const QString s = DoPrawej(FormatStaly(kwota, 2, false), 15);
    const QString calosc = s.mid(0, 12);
    const QString grosze = QLatin1Char(' ') + s.mid(13, 2);
    // the whole part may exceed 32 bits (up to 999 999 999 999)
    const qint64 zl = TekstNaInt64(calosc, 0);
    const int gr = TekstNaInt(grosze, 0);
    QString w;
    if (zl != 0) {
        for (int g = 0; g < 4; ++g) {
            const QString grupa = calosc.mid(g * 3, 3);
            if (TekstNaInt(grupa, 0) != 0)
                w += GrupaSlownie(grupa, kMiliardy + g);
        }
    }
    if (gr != 0) {
        if (zl != 0)
            w += QStringLiteral(" i");
        w += GrupaSlownie(grosze, kGrosze);
    }
    return Trim(w);
}
