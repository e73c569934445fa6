#include "ksefwyslij.h"

#include "common/bledy.h"
#include "common/komunikaty.h"
#include "common/program.h"
#include "common/teksty.h"
#include "invoice/konfiguracja.h"
#include "invoice/ksef.h"
#include "invoice/ksefsrodowisko.h"
#include "ksef/wysylka.h"
#include "ksefcli.h"
#include "poswiadczeniacli.h"

#include <QFileInfo>
#include <QSet>

#include <cstdio>

namespace {

// 3 also when KSeF cannot be reached or refuses the login
constexpr int kNiedostepny = 3;

void Linia(const QString &plik, const QString &tekst)
{
    std::fputs((plik + QStringLiteral(": ") + tekst + QLatin1Char('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
}

}   // namespace

int PolecenieKsefWyslij(const Argumenty &a)
{
    if (a.pliki.isEmpty())
        throw BladUzycia(QStringLiteral("Polecenie ksef-wyslij wymaga co najmniej jednego pliku faktury."));
    TiniZentora ini;
    CzytajParametry(a.konfiguracja.isEmpty() ? DomyslnaSciezkaKonfiguracji() : a.konfiguracja, ini);
    TsrodowiskoKsef srodowisko;
    TposwiadczeniaKsef poswiadczenia;
    try {
        srodowisko = SrodowiskoKsef(ini);
        poswiadczenia = PoswiadczeniaCli(a, srodowisko);
    } catch (const EMojeBledy &e) {
        Komunikat(QStringLiteral("X") + e.komunikat());
        return kNiedostepny;
    }

    int wynik = kOk;
    QList<TfakturaDoKsef> doWyslania;
    QString nip;
    QSet<QString> podane;
    for (const QString &plik : a.pliki) {
        // the same file named twice would go to KSeF twice
        const QString sciezka = QFileInfo(plik).absoluteFilePath();
        if (podane.contains(sciezka)) {
            Linia(plik, QStringLiteral("podany już wcześniej, pominięty"));
            continue;
        }
        podane.insert(sciezka);
        try {
            TfakturaDoKsef d;
            d.Plik = plik;
            try {
                d.Faktura = RekordJakPrzyZapisie(plik);
            } catch (const ECichyAbort &) {
                Linia(plik, QStringLiteral("nie wysłano: popraw fakturę"));
                wynik = qMax(wynik, int(kOdrzucono));
                continue;
            }
            if (Niepusty(d.Faktura.KsefNumer)) {
                Linia(plik, d.Faktura.KsefNumer + QStringLiteral(" (już w KSeF)"));
                continue;
            }
            if (Pusty(d.Faktura.KupFirma))
                throw EOdmowaKsef(QStringLiteral("Brak firmy kupującego"));
            d.Eksport = EksportujKsef(d.Faktura, ini, TopcjeKsef());
            if (!d.Eksport.Ostrzezenia.isEmpty())
                throw EOdmowaKsef(d.Eksport.Ostrzezenia.join(QStringLiteral("; ")));
            const QString jej = SprzedawcaKsef(d.Faktura, ini).Nip;
            if (nip.isEmpty())
                nip = jej;
            else if (jej != nip)
                throw EOdmowaKsef(QStringLiteral("sprzedawca o NIP %1, a pierwsza faktura ma NIP %2; wyślij ją osobno")
                                      .arg(jej, nip));
            doWyslania.append(d);
        } catch (const EOdmowaKsef &e) {
            Linia(plik, QStringLiteral("nie wysłano: ") + e.komunikat());
            wynik = qMax(wynik, int(kOdrzucono));
        } catch (const EMojeBledy &e) {
            Linia(plik, QStringLiteral("nie wysłano: ") + e.komunikat());
            wynik = qMax(wynik, int(kBladPliku));
        }
    }
    if (doWyslania.isEmpty())
        return wynik;

    QSet<QString> zgloszone;
    KlientKsef klient(srodowisko);
    bool wysylano = false;
    try {
        ZalogujKsef(klient, nip, poswiadczenia);
        wysylano = true;
        WyslijDoKsef(klient, doWyslania, ini, [&](const TwynikKsef &w) {
            zgloszone.insert(w.Plik);
            switch (w.Wynik) {
            case TwynikKsef::Przyjeta:
                Linia(w.Plik, w.Numer);
                if (!w.Ostrzezenie.isEmpty())
                    Komunikat(QStringLiteral("!") + w.Plik + QStringLiteral(": ") + w.Ostrzezenie);
                break;
            case TwynikKsef::Odrzucona:
                Linia(w.Plik, QStringLiteral("odrzucona: ") + w.Opis);
                wynik = qMax(wynik, int(kOdrzucono));
                break;
            case TwynikKsef::Nieznany:
                Linia(w.Plik, QStringLiteral("nie przyjęta: ") + w.Opis);
                wynik = kNiedostepny;
                break;
            }
        });
    } catch (const EKsefNiedostepny &e) {
        Komunikat(QStringLiteral("X") + e.komunikat());
        for (const TfakturaDoKsef &d : doWyslania)
            if (!zgloszone.contains(d.Plik))
                // the reason is the line above: unreachable, or the login refused
                Linia(d.Plik, wysylano ? QStringLiteral("bez potwierdzenia KSeF (niedostępny)")
                                       : QStringLiteral("nie wysłano: nie zalogowano do KSeF"));
        return kNiedostepny;
    }
    return wynik;
}
