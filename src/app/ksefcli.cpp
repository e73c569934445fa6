#include "ksefcli.h"
#include "rejestrcli.h"

#include "common/bledy.h"
#include "common/daty.h"
#include "common/komunikaty.h"
#include "common/program.h"
#include "common/teksty.h"
#include "invoice/konfiguracja.h"
#include "invoice/ksef.h"
#include "invoice/plikfaktury.h"
#include "invoice/sumy.h"
#include "plikiwyjsciowe.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <cstdio>

namespace {

enum { kOk = 0, kUzycie = 1, kOdrzucono = 2, kBladPliku = 3 };

const char *const kPomocKsef =
    "Użycie:\n"
    "  zentora-cli ksef FILE.FAK -o OUT.xml [--config Faktury.ini] [--force] [--zapisz]\n"
    "  zentora-cli ksef FILE.FAK... -d OUTDIR [opcje jak wyżej]   (pliki XML, po jednym na fakturę)\n"
    "  zentora-cli ksef-numer FILE.FAK NUMER [--config Faktury.ini]\n"
    "\n"
    "--force zapisuje mimo ostrzeżeń (np. błędnej cyfry kontrolnej NIP).\n"
    "--zapisz zapamiętuje eksport w pliku .FAK (bez niej plik faktury zostaje nietknięty).\n"
    "Faktura z numerem KSeF nie jest eksportowana ponownie (odmowa, plik .FAK bez zmian).\n"
    "Kody wyjścia: 0 zapisano, 1 błędne wywołanie, 2 odmowa (powód na stderr),\n"
    "3 pliku nie można odczytać lub zapisać.\n";

struct BladWywolania {
    QString tekst;
};

struct ArgumentyKsef {
    QStringList pliki;
    QString wyjscie, katalog, konfiguracja;
    bool wymus = false, zapisz = false;
};

ArgumentyKsef CzytajArgumenty(const QStringList &a)
{
    ArgumentyKsef w;
    for (int i = 2; i < a.size(); ++i) {
        const QString &x = a.at(i);
        auto wartosc = [&]() -> QString {
            if (i + 1 >= a.size())
                throw BladWywolania{QStringLiteral("Opcja %1 wymaga wartości.").arg(x)};
            return a.at(++i);
        };
        if (x == QLatin1String("-o"))
            w.wyjscie = wartosc();
        else if (x == QLatin1String("-d"))
            w.katalog = wartosc();
        else if (x == QLatin1String("--config"))
            w.konfiguracja = wartosc();
        else if (x == QLatin1String("--force"))
            w.wymus = true;
        else if (x == QLatin1String("--zapisz"))
            w.zapisz = true;
        else if (x.startsWith(QLatin1Char('-')) && x.size() > 1)
            throw BladWywolania{QStringLiteral("Nieznana opcja %1.").arg(x)};
        else
            w.pliki.append(x);
    }
    if (a.value(1) == QLatin1String("ksef-numer")) {
        if (w.pliki.size() != 2)
            throw BladWywolania{QStringLiteral("Polecenie ksef-numer wymaga pliku faktury i numeru KSeF.")};
        return w;
    }
    if (w.pliki.isEmpty())
        throw BladWywolania{QStringLiteral("Polecenie ksef wymaga co najmniej jednego pliku faktury.")};
    if (w.wyjscie.isEmpty() == w.katalog.isEmpty())
        throw BladWywolania{QStringLiteral("Podaj -o PLIK.xml dla jednej faktury albo -d KATALOG dla wielu.")};
    if (!w.wyjscie.isEmpty() && w.pliki.size() != 1)
        throw BladWywolania{QStringLiteral("Opcja -o przyjmuje jedną fakturę; dla wielu podaj -d KATALOG.")};
    return w;
}

}   // namespace

TzentoraVat RekordJakPrzyZapisie(const QString &plik)
{
    TzentoraVat f;
    CzytajFaktureDoWydania(plik, f);
    TabeleWPamieci t;
    t.dataSprzedazy = f.DataSprzed;
    RekordDoTabel(f, t);
    SprawdzDateSprzedazy(t, true);
    PrzeliczSumy(t);
    TabeleDoRekordu(t, f, true);
    return f;
}

namespace {

int Eksport(const ArgumentyKsef &a)
{
    QStringList wyjscia;
    if (!a.katalog.isEmpty()) {
        const QString wspolna = PlikiWKatalogu(a.pliki, a.katalog, QStringLiteral(".xml"), wyjscia);
        if (!wspolna.isEmpty())
            throw BladWywolania{QStringLiteral("Dwie faktury dałyby ten sam plik %1.").arg(wspolna)};
        if (!QDir().mkpath(a.katalog)) {
            Komunikat(QStringLiteral("XNie można utworzyć katalogu %1").arg(a.katalog));
            return kBladPliku;
        }
    } else {
        wyjscia.append(a.wyjscie);
    }
    TiniZentora ini;
    CzytajParametry(a.konfiguracja.isEmpty() ? DomyslnaSciezkaKonfiguracji() : a.konfiguracja, ini);
    const TopcjeKsef opcje;

    int wynik = kOk;
    for (int i = 0; i < a.pliki.size(); ++i) {
        const QString &plik = a.pliki.at(i);
        try {
            TzentoraVat f;
            try {
                f = RekordJakPrzyZapisie(plik);
            } catch (const ECichyAbort &) {
                wynik = qMax(wynik, int(kOdrzucono));
                continue;
            }
            // KSeF refuses a designation the seller has already sent for the same kind
            if (!a.wymus && NumerZajety(f, plik)) {
                wynik = qMax(wynik, int(kOdrzucono));
                continue;
            }
            if (Pusty(f.KupFirma))
                throw EOdmowaKsef(QStringLiteral("Brak firmy kupującego"));
            const TeksportKsef e = EksportujKsef(f, ini, opcje);
            for (const QString &o : e.Ostrzezenia)
                Komunikat(QStringLiteral("!") + plik + QStringLiteral(": ") + o);
            if (!e.Ostrzezenia.isEmpty() && !a.wymus) {
                Komunikat(QStringLiteral("X") + plik
                          + QStringLiteral(": nie zapisano; popraw dane albo użyj --force."));
                wynik = qMax(wynik, int(kOdrzucono));
                continue;
            }
            ZapiszPlikKsef(wyjscia.at(i), e.Xml);
            if (a.zapisz) {
                ZapamietajEksport(f, e);
                ZapiszFakture(plik, f);
            }
        } catch (const EOdmowaKsef &e) {
            Komunikat(QStringLiteral("X") + plik + QStringLiteral(": ") + e.komunikat());
            wynik = qMax(wynik, int(kOdrzucono));
        } catch (const EMojeBledy &e) {
            Komunikat(QStringLiteral("X") + plik + QStringLiteral(": ") + e.komunikat());
            wynik = qMax(wynik, int(kBladPliku));
        }
    }
    return wynik;
}

int Numer(const ArgumentyKsef &a)
{
    const QString &plik = a.pliki.at(0);
    TiniZentora ini;
    CzytajParametry(a.konfiguracja.isEmpty() ? DomyslnaSciezkaKonfiguracji() : a.konfiguracja, ini);
    TzentoraVat f;
    try {
        CzytajFaktureDoWydania(plik, f);   // a damaged file is not rewritten as if whole
        UstawNumerKsef(f, ini, a.pliki.at(1));
        ZapiszFakture(plik, f);
    } catch (const EOdmowaKsef &e) {
        Komunikat(QStringLiteral("X") + plik + QStringLiteral(": ") + e.komunikat());
        return kOdrzucono;
    }
    return kOk;
}

}   // namespace

int PolecenieKsef(const QStringList &argumenty)
{
    try {
        if (argumenty.value(1) == QLatin1String("ksef-numer"))
            return Numer(CzytajArgumenty(argumenty));
        if (argumenty.value(1) != QLatin1String("ksef"))
            throw BladWywolania{QStringLiteral("Nieznane polecenie %1.").arg(argumenty.value(1))};
        return Eksport(CzytajArgumenty(argumenty));
    } catch (const BladWywolania &e) {
        std::fprintf(stderr, "%s\n\n%s", e.tekst.toUtf8().constData(), kPomocKsef);
        return kUzycie;
    } catch (const EMojeBledy &e) {
        Komunikat(QStringLiteral("X") + e.komunikat());
        return kBladPliku;
    }
}
