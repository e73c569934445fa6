// The amount in words for any amount: a text a person can read, never a crash. Input: a
// decimal text, or 8 raw bytes of a double.

#include "wspolne.h"

#include "common/formaty.h"
#include "common/slownie.h"

#include <cmath>
#include <cstring>

namespace {
void Sprawdz(long double x)
{
    const QString t = KwotaSlownie(x);
    // from 10^12 zł upwards (after rounding to grosze) the leading digits are not spoken
    if (std::isfinite(double(x)) && std::fabs(double(x)) < 999999999999.99) {
        if (std::fabs(double(x)) >= 0.01)
            WYMAGAJ(!t.trimmed().isEmpty(), QString::number(double(x), 'g', 17));
        for (QChar c : t)
            WYMAGAJ(c.isLetterOrNumber() || c.isSpace() || QStringLiteral("/-.,").contains(c),
                    t + QStringLiteral(" / ") + QString::number(double(x), 'g', 17));
    }
}
}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    const QByteArray b(reinterpret_cast<const char *>(dane), qsizetype(rozmiar));
    const double x = TekstNaFloat(QString::fromUtf8(b), qQNaN());
    if (!std::isnan(x))
        Sprawdz(x);
    if (rozmiar == 8) {
        double y;
        std::memcpy(&y, dane, sizeof y);
        Sprawdz(y);
    }
    return 0;
}
