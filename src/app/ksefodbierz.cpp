#include "ksefodbierz.h"

#include "common/bledy.h"
#include "common/daty.h"
#include "common/komunikaty.h"
#include "common/program.h"
#include "invoice/konfiguracja.h"
#include "invoice/ksef.h"
#include "invoice/ksefsrodowisko.h"
#include "ksef/odbior.h"
#include "ksef/poswiadczenia.h"
#include "poswiadczeniacli.h"

#include <QDir>

#include <cstdio>

namespace {

constexpr int kNiedostepny = 3;

QDate Dzien(const QString &opcja, const QString &tekst)
{
    int r = 0, m = 0, d = 0;
    const double dzien = TekstNaDate(tekst, 0);
    if (dzien <= 0)
        throw BladUzycia(QStringLiteral("Niepoprawna data %1: „%2” (oczekiwano DD.MM.RRRR).").arg(opcja, tekst));
    RozkodujDate(dzien, r, m, d);
    return QDate(r, m, d);
}

}   // namespace

int PolecenieKsefOdbierz(const Argumenty &a)
{
    if (!a.pliki.isEmpty())
        throw BladUzycia(QStringLiteral("Polecenie ksef-odbierz nie przyjmuje plików."));
    if (a.dataOd.isEmpty() || a.dataDo.isEmpty() || a.katalog.isEmpty())
        throw BladUzycia(QStringLiteral("Polecenie ksef-odbierz wymaga opcji --od, --do i -d KATALOG."));
    const QDate od = Dzien(QStringLiteral("--od"), a.dataOd), doDnia = Dzien(QStringLiteral("--do"), a.dataDo);
    if (doDnia < od)
        throw BladUzycia(QStringLiteral("Data --do jest wcześniejsza niż --od."));
    TiniZentora ini;
    CzytajParametry(a.konfiguracja.isEmpty() ? DomyslnaSciezkaKonfiguracji() : a.konfiguracja, ini);
    if (!QDir().mkpath(a.katalog))
        throw EMojeBledy(QStringLiteral("Nie można utworzyć katalogu %1").arg(a.katalog));
    int wynik = kOk;
    try {
        const TsrodowiskoKsef srodowisko = SrodowiskoKsef(ini);
        const TposwiadczeniaKsef poswiadczenia = PoswiadczeniaCli(a, srodowisko);
        // the business whose purchases these are: the seller of the program's own invoices
        const QString nip = SprzedawcaKsef(NowaFaktura(ini, 0), ini).Nip;
        if (nip.isEmpty())
            throw EOdmowaKsef(QStringLiteral("Brak NIP firmy.|Wpisz go na stronie „KSeF” parametrów albo w ramce "
                                             "sprzedawcy."));
        KlientKsef klient(srodowisko);
        ZalogujKsef(klient, nip, poswiadczenia);
        OdbierzZKsef(klient, od, doDnia, a.katalog, [&](const TodebranaKsef &o) {
            QString linia = o.Numer;
            if (!o.Blad.isEmpty()) {
                linia += QStringLiteral(": nie zapisano: ") + o.Blad;
                wynik = kNiedostepny;
            } else {
                linia = o.Plik + (o.Byla ? QStringLiteral(" (już był)") : QString());
            }
            std::fputs((linia + QLatin1Char('\n')).toUtf8().constData(), stdout);
            std::fflush(stdout);
        });
    } catch (const EMojeBledy &e) {
        Komunikat(QStringLiteral("X") + e.komunikat());
        return kNiedostepny;
    }
    return wynik;
}
