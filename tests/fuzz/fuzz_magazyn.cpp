// The sectioned store from any bytes: decoding never fails, and once loaded the store's
// text is stable (load, serialise, load again gives the same text) and survives its codec.

#include "wspolne.h"

#include "store/tvirini.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    const QByteArray bajty(reinterpret_cast<const char *>(dane), qsizetype(rozmiar));
    Kodowanie k = Kodowanie::Ansi;
    const QString tekst = DekodujPlik(bajty, &k);
    TvirIni a(TvirIni::ZTekstu{}, tekst);
    const QString t1 = a.XtrescIni();
    TvirIni b(TvirIni::ZTekstu{}, t1);
    const QString t2 = b.XtrescIni();
    WYMAGAJ(t1 == t2, t1 + QStringLiteral("\n----\n") + t2);

    // every section and key read back is found again under its own name
    QStringList sekcje;
    b.ReadSections(sekcje);
    for (const QString &s : sekcje) {
        WYMAGAJ(b.SectionExists(s), s);
        QStringList klucze;
        b.ReadSection(s, klucze);
        for (const QString &kl : klucze)
            WYMAGAJ(b.ValueExists(s, kl), s + QLatin1Char('/') + kl);
    }

    Kodowanie k2 = k;
    const QByteArray zapis = KodujPlik(t1, &k2);
    WYMAGAJ(DekodujPlik(zapis) == t1, t1);
    return 0;
}
