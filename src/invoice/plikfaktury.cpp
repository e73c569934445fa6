#include "plikfaktury.h"

#include "common/bledy.h"
#include "common/daty.h"
#include "common/formaty.h"
#include "common/teksty.h"
#include "store/tservisini.h"

#include <QDir>
#include <QFileInfo>
#include <array>
#include <initializer_list>
#include <memory>
#include <utility>

namespace {
enum CzescPozycji { kTowar, kTresc };

// "towar1" ... "tresc50": the keys of the rows, made once
const QString &KluczPozycji(CzescPozycji czesc, int i)
{
    static const auto kKlucze = [] {
        std::array<std::array<QString, kMaxPozycji>, 2> k;
        for (int j = 0; j < kMaxPozycji; ++j) {
            k[0][size_t(j)] = QStringLiteral("towar") + QString::number(j + 1);
            k[1][size_t(j)] = QStringLiteral("tresc") + QString::number(j + 1);
        }
        return k;
    }();
    return kKlucze[czesc].at(size_t(i - 1));
}
}   // namespace

void IOfaktury(const QString &plik, TzentoraVat &dok, bool zapis, QString &tresc, bool wTekscie, QList<int> *braki)
{
    std::unique_ptr<TservisIni> ini = wTekscie ? std::make_unique<TservisIni>(TvirIni::ZTekstu{}, QString(), zapis)
                                               : std::make_unique<TservisIni>(plik, zapis);
    const QString puste;
    // the text fields of a section, in the order of the file
    const auto teksty = [&](std::initializer_list<std::pair<QString, QString TzentoraVat::*>> pola) {
        for (const auto &[klucz, pole] : pola)
            ini->IOk(klucz, dok.*pole, puste);
    };

    if (!zapis && !ini->SectionExists(QStringLiteral("OpisFaktury")))
        throw EMojeBledy(
            plik.isEmpty()
                ? QStringLiteral("Tekst nie jest plikiem faktury.")
                : QStringLiteral("Plik \"%1\" nie jest plikiem faktury.").arg(QDir::toNativeSeparators(plik)));
    ini->setXdefSekc(QStringLiteral("OpisFaktury"));
    int wersja = 2;
    ini->IOk(QStringLiteral("Wersja"), wersja, 0);
    if (!zapis) {
        if (wersja != 2)
            throw EMojeBledy(QStringLiteral("Niepoprawna wersja faktury = %1").arg(wersja));
        dok.WersjaFak = wersja;
    }
    ini->IOkEnum(QStringLiteral("Rodzaj"), dok.RodzajFak, rProForma);
    ini->IOkEnum(QStringLiteral("TypNum"), dok.RodzajNum, numerNSMR);
    ini->IOk(QStringLiteral("NrFakt"), dok.NumerFak, 0);
    teksty({{QStringLiteral("Symbol"), &TzentoraVat::SymbolFak},
            {QStringLiteral("Wystaw"), &TzentoraVat::DataWystaw},
            {QStringLiteral("Sprzed"), &TzentoraVat::DataSprzed},
            {QStringLiteral("Zapłac"), &TzentoraVat::DataZaplaty}});
    ini->IOkEnum(QStringLiteral("TypZap"), dok.RodzZaplaty, zZaliczPocz);
    teksty({{QStringLiteral("Korekt"), &TzentoraVat::DoKorekty}, {QStringLiteral("Uwagi"), &TzentoraVat::UwagiDodatk}});

    ini->setXdefSekc(QStringLiteral("Kupujący"));
    teksty({{QStringLiteral("kFirma"), &TzentoraVat::KupFirma},
            {QStringLiteral("kUlica"), &TzentoraVat::KupUlica},
            {QStringLiteral("Kodpoc"), &TzentoraVat::KupKod},
            {QStringLiteral("Miejsc"), &TzentoraVat::KupMiasto},
            {QStringLiteral("NumNIP"), &TzentoraVat::KupNip},
            {QStringLiteral("Odbier"), &TzentoraVat::KupOsoba}});

    ini->setXdefSekc(QStringLiteral("Sprzedawca"));
    teksty({{QStringLiteral("Ramka"), &TzentoraVat::SprzedRamka},
            {QStringLiteral("sBank"), &TzentoraVat::SprzedBank},
            {QStringLiteral("Konto"), &TzentoraVat::SprzedKonto},
            {QStringLiteral("Osoba"), &TzentoraVat::SprzedOsoba}});

    ini->setXdefSekc(QStringLiteral("Warunki"));
    ini->IOk(QStringLiteral("Ratalnie"), dok.Ratalnie, false);
    ini->IOk(QStringLiteral("Przelano"), dok.Przelano, false);
    ini->IOk(QStringLiteral("Odeslano"), dok.Odeslano, puste);
    // Keys that came later are written only when set, so the files of invoices without
    // them stay as they were; one left from an earlier save of the file goes.
    const auto gdyUstawione = [&](const QString &klucz, bool ustawione, const auto &przenies) {
        if (!zapis || ustawione)
            przenies(klucz);
        else if (ini->ValueExists(ini->XdefSekc(), klucz))
            ini->DeleteKey(ini->XdefSekc(), klucz);
    };
    gdyUstawione(QStringLiteral("MPP"), dok.MPP, [&](const QString &k) { ini->IOk(k, dok.MPP, false); });
    gdyUstawione(QStringLiteral("PodstawaZwolnienia"), Niepusty(dok.PodstawaZwolnienia),
                 [&](const QString &k) { ini->IOk(k, dok.PodstawaZwolnienia, puste); });

    ini->setXdefSekc(QStringLiteral("Sumy"));
    for (int r = vatSum; r <= vatA; ++r) {
        QString s = zapis ? dok.SumyFaktury[r].WydajStr() : QString();
        ini->IOk(KluczeSum[r], s, puste);
        if (!zapis)
            dok.SumyFaktury[r].ladujStr(s);
    }

    // Before the rows: the rows are rebuilt at the end of the file on every save, so a
    // section after them would change places. Each is written only when it has something,
    // and one saved over another file's must not survive from it.
    const auto sekcja = [&](const QString &nazwa, bool jest,
                            std::initializer_list<std::pair<QString, QString TzentoraVat::*>> pola) {
        if (!zapis || jest) {
            ini->setXdefSekc(nazwa);
            teksty(pola);
        } else if (ini->SectionExists(nazwa)) {
            ini->EraseSection(nazwa);
        }
    };
    sekcja(QStringLiteral("Korekta"),
           Niepusty(dok.DataKorygowanej) || Niepusty(dok.KsefKorygowanej) || Niepusty(dok.PrzyczynaKorekty),
           {{QStringLiteral("DataKorygowanej"), &TzentoraVat::DataKorygowanej},
            {QStringLiteral("KsefKorygowanej"), &TzentoraVat::KsefKorygowanej},
            {QStringLiteral("Przyczyna"), &TzentoraVat::PrzyczynaKorekty}});
    const bool jestEksport = Niepusty(dok.KsefSkrot) || Niepusty(dok.KsefWytworzono) || Niepusty(dok.KsefOdcisk)
                             || Niepusty(dok.KsefNumer) || Niepusty(dok.KsefNip);
    sekcja(QStringLiteral("KSeF"), jestEksport,
           {{QStringLiteral("Skrot"), &TzentoraVat::KsefSkrot},
            {QStringLiteral("Wytworzono"), &TzentoraVat::KsefWytworzono},
            {QStringLiteral("Odcisk"), &TzentoraVat::KsefOdcisk},
            {QStringLiteral("Numer"), &TzentoraVat::KsefNumer}});
    if (!zapis || jestEksport)
        gdyUstawione(QStringLiteral("Nip"), Niepusty(dok.KsefNip),
                     [&](const QString &k) { ini->IOk(k, dok.KsefNip, puste); });
    // KSeF's refusal is kept with or without an export, alone in the section when alone
    ini->setXdefSekc(QStringLiteral("KSeF"));
    gdyUstawione(QStringLiteral("Status"), Niepusty(dok.KsefStatus),
                 [&](const QString &k) { ini->IOk(k, dok.KsefStatus, puste); });

    const QString pozycje = QStringLiteral("Pozycje");
    ini->setXdefSekc(pozycje);
    if (zapis)
        ini->EraseSection(pozycje);   // rows of a longer earlier version must not survive
    int ile = dok.IlePozyc;
    ini->IOk(QStringLiteral("Liczba"), ile, 0);
    if (!zapis) {
        // more rows than an invoice holds: refuse the file before anything is taken over
        if (ile > kMaxPozycji)
            throw EMojeBledy(
                QStringLiteral("Niepoprawna liczba pozycji faktury = %1|Faktura może mieć najwyżej %2 pozycji.")
                    .arg(ile)
                    .arg(kMaxPozycji));
        dok.IlePozyc = ile;
        if (braki && !ini->SectionExists(pozycje))
            braki->append(0);
    }
    for (int i = 1; i <= ile; ++i) {
        TpozFaktury &poz = dok.Pozycja(i);
        QString s, t;
        if (zapis) {
            poz.WydajDoPliku(t, s);
            ini->IOk(KluczPozycji(kTowar, i), t, puste);
            ini->IOk(KluczPozycji(kTresc, i), s, puste);
        } else {
            if (braki && !ini->ValueExists(pozycje, KluczPozycji(kTowar, i))
                && !ini->ValueExists(pozycje, KluczPozycji(kTresc, i)))
                braki->append(i);
            // the row's text is split straight from the store, not copied whole first
            ini->IOk(KluczPozycji(kTowar, i), t, puste);
            poz.LadujZPliku(t, ini->ReadView(pozycje, KluczPozycji(kTresc, i)));
        }
    }

    if (wTekscie)
        tresc = ini->XtrescIni();
    ini->Zwolnij();
}

void CzytajFakture(const QString &plik, TzentoraVat &dok)
{
    // A file gone since it was chosen (or a folder) would read as an empty store and be
    // refused as a wrong version; say what happened, and leave the record as it was.
    if (!QFileInfo(plik).isFile())
        throw EMojeBledy(QStringLiteral("Nie znaleziono pliku faktury \"%1\".").arg(QDir::toNativeSeparators(plik)));
    dok.Czysc();
    QString tresc;
    IOfaktury(plik, dok, false, tresc, false);
}

namespace {
// "4", "4–5" or "2, 4–5": the row numbers in runs
QString Zakresy(const QList<int> &n)
{
    QStringList czesci;
    for (int i = 0; i < n.size();) {
        int j = i;
        while (j + 1 < n.size() && n.at(j + 1) == n.at(j) + 1)
            ++j;
        czesci.append(j == i ? QString::number(n.at(i)) : QStringLiteral("%1–%2").arg(n.at(i)).arg(n.at(j)));
        i = j + 1;
    }
    return czesci.join(QStringLiteral(", "));
}

// An amount or quantity that is not a number: blank is allowed, anything else must read.
bool JestLiczba(const QString &s) { return Pusty(s) || TekstNaFloat(s, -1) == TekstNaFloat(s, -2); }

// A blank date is allowed (the window shows an empty field); one that is written must exist.
bool JestData(const QString &s) { return Pusty(s) || s == kPustaData || TekstNaDate(s, -1) != -1; }
}   // namespace

QStringList CzytajFaktureSprawdzajac(const QString &plik, TzentoraVat &dok)
{
    if (!QFileInfo(plik).isFile())
        throw EMojeBledy(QStringLiteral("Nie znaleziono pliku faktury \"%1\".").arg(QDir::toNativeSeparators(plik)));
    dok.Czysc();
    QString tresc;
    QList<int> braki;
    IOfaktury(plik, dok, false, tresc, false, &braki);
    QStringList problemy;
    const QString nazwa = QDir::toNativeSeparators(plik);
    if (braki.value(0, -1) == 0)
        problemy.append(QStringLiteral("Plik \"%1\" jest uszkodzony: brak sekcji pozycji faktury.").arg(nazwa));
    else if (!braki.isEmpty())
        problemy.append((braki.size() == 1 ? QStringLiteral("Plik \"%1\" jest uszkodzony: brak wiersza pozycji %2.")
                                           : QStringLiteral("Plik \"%1\" jest uszkodzony: brak wierszy pozycji %2."))
                            .arg(nazwa, Zakresy(braki)));
    const std::pair<QString, const QString *> daty[] = {{QStringLiteral("Data wystawienia"), &dok.DataWystaw},
                                                        {QStringLiteral("Data sprzedaży"), &dok.DataSprzed},
                                                        {QStringLiteral("Data zapłaty"), &dok.DataZaplaty}};
    for (const auto &[pole, wartosc] : daty)
        if (!JestData(*wartosc))
            problemy.append(QStringLiteral("%1 %2 jest błędna.").arg(pole, Trim(*wartosc)));
    for (int i = 1; i <= Ogranicz(dok.IlePozyc, 0, kMaxPozycji); ++i) {
        const TpozFaktury &p = dok.Pozycja(i);
        const std::pair<QString, const QString *> liczby[] = {{QStringLiteral("ilość"), &p.Ilosc},
                                                              {QStringLiteral("cena"), &p.Cena}};
        for (const auto &[pole, wartosc] : liczby)
            if (!JestLiczba(*wartosc))
                problemy.append(
                    QStringLiteral("Pozycja %1: %2 «%3» nie jest liczbą.").arg(QString::number(i), pole, *wartosc));
    }
    return problemy;
}

// Writing only reads the record (the one routine takes a changeable one for both ways):
// no copy of fifty rows for every save and every unsaved-changes check.
void ZapiszFakture(const QString &plik, const TzentoraVat &dok)
{
    QString tresc;
    IOfaktury(plik, const_cast<TzentoraVat &>(dok), true, tresc, false);
}

QString TekstFaktury(const TzentoraVat &dok)
{
    QString tresc;
    IOfaktury(QString(), const_cast<TzentoraVat &>(dok), true, tresc, true);
    return tresc;
}

bool FakturyRowne(const TzentoraVat &a, const TzentoraVat &b) { return TekstFaktury(a) == TekstFaktury(b); }
