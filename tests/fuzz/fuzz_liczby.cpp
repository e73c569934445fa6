// Number and date parsers and formatters. The first byte chooses the field width and
// flags; the rest is a text to parse (as UTF-8) and, when 8 bytes or more, also a double.

#include "wspolne.h"

#include "common/daty.h"
#include "common/formaty.h"

#include <cmath>
#include <cstring>

namespace {
QString Opis(const QString &t, double x) { return t + QStringLiteral(" / ") + QString::number(x, 'g', 17); }

void Formaty(int szer, bool zero, bool tysiace, double x)
{
    const QString k = FloatKrotko(zero, x);
    const QString p = FloatWPolu(szer, zero, x);
    const QString kw = KwotaNaTekst(szer, tysiace, zero, x);
    FloatKrotko(szer, zero, x);
    if (szer < 0) {
        WYMAGAJ(p.size() <= qBound(3, -szer, 15), Opis(p, x));
        WYMAGAJ(kw.size() <= -szer, Opis(kw, x));
    }
    if (!std::isfinite(x))
        return;
    // what is written reads back, and writes the same again
    if (!k.isEmpty()) {
        const double y = TekstNaFloat(k, qQNaN());
        WYMAGAJ(!std::isnan(y), Opis(k, x));
        WYMAGAJ(FloatKrotko(zero, y) == k, Opis(k, x));
    }
    if (std::fabs(x) < 1e15) {
        const QString kwota = KwotaNaTekst(0, tysiace, true, x);
        const double y = TekstNaFloat(kwota, qQNaN());
        WYMAGAJ(!std::isnan(y), Opis(kwota, x));
        WYMAGAJ(KwotaNaTekst(0, tysiace, true, y) == kwota, Opis(kwota, x));
    }
}
}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    if (rozmiar < 1)
        return 0;
    const int szer = int(dane[0] & 0x1F) - 16;
    const bool zero = dane[0] & 0x20, tysiace = dane[0] & 0x40;
    const QByteArray reszta(reinterpret_cast<const char *>(dane + 1), qsizetype(rozmiar - 1));
    const QString s = QString::fromUtf8(reszta);

    const int n = TekstNaInt(s, -7);
    if (n != -7 && n != 0)
        WYMAGAJ(TekstNaInt(IntNaTekst(n, 0, true), -7) == n, s);
    IntNaTekst(n, szer, zero);
    TekstNaInt64(s, 0);

    const double x = TekstNaFloat(s, qQNaN());
    if (!std::isnan(x))
        Formaty(szer, zero, tysiace, x);

    const double d = TekstNaDate(s, -1e9);
    if (d != -1e9 && d != 0) {
        WYMAGAJ(d >= kDataMin && d <= kDataMax, s);
        const QString t = DataNaTekst(QStringLiteral("?"), d);
        WYMAGAJ(TekstNaDate(t, -1e9) == d, s + QStringLiteral(" -> ") + t);
    }

    if (reszta.size() >= 8) {
        double y;
        std::memcpy(&y, reszta.constData(), sizeof y);
        Formaty(szer, zero, tysiace, y);
        DataNaTekst(QStringLiteral("?"), y);
        if (std::fabs(y) < 1e9)
            LiczbaNaDate(int(y));
    }
    return 0;
}
