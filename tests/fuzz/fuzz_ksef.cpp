// The KSeF exporter from any invoice bytes: a record the reader accepts is either exported
// as well-formed XML or refused cleanly (EOdmowaKsef), never a crash or broken XML.

#include "wspolne.h"

#include "common/bledy.h"
#include "invoice/ksef.h"
#include "invoice/plikfaktury.h"

#include <QXmlStreamReader>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar)
{
    static const PlikRoboczy wejscie(".FAK");
    TzentoraVat f;
    if (!CzytajZBajtow(wejscie, dane, rozmiar, f))
        return 0;
    TiniZentora ini;
    ini.iniKsefNip = QStringLiteral("9876543210");
    ini.iniKsefNazwa = QStringLiteral("Sklep <Przykładowy> & Syn");
    ini.iniKsefAdresL1 = QStringLiteral("ul. Długa 1");
    ini.iniKsefAdresL2 = QStringLiteral("60-001 Poznań");
    ini.iniKsefPodstawa = QStringLiteral("art. 113 ust. 1");
    TopcjeKsef opcje;
    opcje.Wytworzono = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC);
    TeksportKsef e;
    try {
        e = EksportujKsef(f, ini, opcje);
    } catch (const EOdmowaKsef &) {
        return 0;
    }
    QXmlStreamReader r(e.Xml);
    while (!r.atEnd())
        r.readNext();
    WYMAGAJ(!r.hasError(), r.errorString() + QLatin1Char('\n') + QString::fromUtf8(e.Xml));
    return 0;
}
