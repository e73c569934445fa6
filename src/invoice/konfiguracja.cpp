#include "konfiguracja.h"

#include "common/teksty.h"
#include "store/tservisini.h"

#include <algorithm>

void IOparametrow(const QString &plik, TiniZentora &ini, bool zapis)
{
    TservisIni s(plik, zapis);
    const QString puste;
    s.setXdefSekc(QStringLiteral("Parametry"));
    s.IOkEnum(QStringLiteral("TypNum"), ini.iniNumerac, numerNSMR);
    s.IOk(QStringLiteral("Symbol"), ini.iniSymbol, puste);
    s.IOk(QStringLiteral("Folder"), ini.iniFolder, puste);
    s.IOk(QStringLiteral("Podpis"), ini.IniPodpisBmp, puste);
    s.IOkEnum(QStringLiteral("MójVat"), ini.iniMojVat, vatA);
    s.IOkEnum(QStringLiteral("Zaplac"), ini.iniZaplata, zZaliczPocz);
    s.IOk(QStringLiteral("DniZap"), ini.iniDniZapl, 0);
    s.IOk(QStringLiteral("SlowoVAT"), ini.iniSlowoVAT, false);
    s.IOk(QStringLiteral("DataSprzTak"), ini.IniDatSprzTak, false);
    s.IOk(QStringLiteral("ProFormaNip"), ini.IniProForNip, false);
    s.IOkEnum(QStringLiteral("TypDatSprze"), ini.IniTypDatSprz, typDdostaw);
    // Written only when they differ from what a file without them means, so that older
    // files stay as they were.
    const TiniZentora domyslne;
    const auto gdyInne = [&](const QString &klucz, bool inny, const auto &przenies) {
        if (!zapis || inny || s.ValueExists(s.XdefSekc(), klucz))
            przenies(klucz);
    };
    gdyInne(QStringLiteral("AutoNum"), ini.iniAutoNum != domyslne.iniAutoNum,
            [&](const QString &k) { s.IOk(k, ini.iniAutoNum, domyslne.iniAutoNum); });
    gdyInne(QStringLiteral("SymbolRach"), ini.iniSymbolRach != domyslne.iniSymbolRach,
            [&](const QString &k) { s.IOk(k, ini.iniSymbolRach, domyslne.iniSymbolRach); });
    s.setXdefSekc(QStringLiteral("FirmyRamki"));
    s.IOk(QStringLiteral("Firma0"), ini.iniTabFirm, puste);
    s.setXdefSekc(QStringLiteral("BankiKonta"));
    s.IOk(QStringLiteral("Bank0"), ini.iniTabBank, puste);
    s.setXdefSekc(QStringLiteral("Sprzedawcy"));
    s.IOk(QStringLiteral("Osoba0"), ini.iniTabOsob, puste);
    // Written only once it holds something, so files without KSeF settings stay as they were.
    const QString ksef = QStringLiteral("KSeF");
    QString *klucze[] = {&ini.iniKsefNip, &ini.iniKsefNazwa, &ini.iniKsefAdresL1, &ini.iniKsefAdresL2,
                         &ini.iniKsefPodstawa};
    const bool cos = std::any_of(std::begin(klucze), std::end(klucze), [](const QString *k) { return Niepusty(*k); });
    if (!zapis || cos || s.SectionExists(ksef)) {
        s.setXdefSekc(ksef);
        s.IOk(QStringLiteral("NIP"), ini.iniKsefNip, puste);
        s.IOk(QStringLiteral("Nazwa"), ini.iniKsefNazwa, puste);
        s.IOk(QStringLiteral("AdresL1"), ini.iniKsefAdresL1, puste);
        s.IOk(QStringLiteral("AdresL2"), ini.iniKsefAdresL2, puste);
        s.IOk(QStringLiteral("PodstawaZwolnienia"), ini.iniKsefPodstawa, puste);
    }
    s.Zwolnij();
}

void CzytajParametry(const QString &plik, TiniZentora &ini) { IOparametrow(plik, ini, false); }
void ZapiszParametry(const QString &plik, TiniZentora ini) { IOparametrow(plik, ini, true); }

QStringList MemoZTekstu(const QString &tekst)
{
    QStringList linie;
    QString t = tekst;
    while (!t.isEmpty())
        linie.append(OdetnijPole(t, QLatin1Char(';')));
    return linie;
}

QString TekstZMemo(const QStringList &linie) { return linie.join(QLatin1Char(';')); }
