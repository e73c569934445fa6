#include "poswiadczeniacli.h"

#include "common/komunikaty.h"
#include "ksef/podpisxades.h"
#include "ksef/sekrety.h"

#include <QFile>

TposwiadczeniaKsef PoswiadczeniaCli(const Argumenty &a, const TsrodowiskoKsef &srodowisko)
{
    TposwiadczeniaKsef p;
    if (!a.plikCertyfikatu.isEmpty()) {
        // the certificate wins: tokens end with 2026
        if (a.plikKlucza.isEmpty()) {
            p.Certyfikat = CzytajPlikSekretuBinarnie(a.plikCertyfikatu, QStringLiteral("certyfikatu KSeF"));
        } else {
            // a certificate alone is public; its key is the secret
            QFile f(a.plikCertyfikatu);
            if (!f.open(QIODevice::ReadOnly))
                throw EMojeBledy(QStringLiteral("Nie można odczytać pliku certyfikatu KSeF \"%1\": %2")
                                     .arg(a.plikCertyfikatu, f.errorString()));
            p.Certyfikat = f.readAll();
            p.Klucz = CzytajPlikSekretuBinarnie(a.plikKlucza, QStringLiteral("klucza certyfikatu KSeF"));
        }
        if (!a.plikHasla.isEmpty())
            p.Haslo = CzytajHasloZPliku(a.plikHasla, QStringLiteral("hasła certyfikatu KSeF"));
        p.NazwaCertyfikatu = a.plikKlucza.isEmpty()
                                 ? a.plikCertyfikatu
                                 : QStringLiteral("%1” z kluczem „%2").arg(a.plikCertyfikatu, a.plikKlucza);
        // read now, so that a wrong password stops the command before any invoice is touched
        const CertyfikatKsef sprawdzony(p.Certyfikat, p.Klucz, p.Haslo, p.NazwaCertyfikatu);
        // a new one takes a while in the Ministry's application: a month's notice
        const QDateTime doKiedy = sprawdzony.WaznyDo();
        if (doKiedy.isValid() && doKiedy < QDateTime::currentDateTimeUtc().addDays(30))
            Komunikat(QStringLiteral("!Certyfikat KSeF „%1” wygasa %2 (UTC); wystąp o nowy w Aplikacji Podatnika KSeF.")
                          .arg(p.NazwaCertyfikatu, doKiedy.toString(QStringLiteral("dd.MM.yyyy HH:mm"))));
        return p;
    }
    if (!a.plikKlucza.isEmpty() || !a.plikHasla.isEmpty())
        throw BladUzycia(QStringLiteral("Opcje --key i --cert-password-file wymagają --cert PLIK."));
    if (!a.plikTokena.isEmpty()) {
        p.Token = CzytajPlikSekretu(a.plikTokena, QStringLiteral("tokena KSeF"));
        return p;
    }
    p = PoswiadczeniaZapisane(srodowisko);
    if (p.Puste())
        throw BladUzycia(QStringLiteral("Podaj certyfikat KSeF: --cert PLIK.p12 --cert-password-file PLIK, albo "
                                        "token KSeF: --token-file PLIK (pliki czytelne tylko dla właściciela), "
                                        "albo zapisz je na stronie „KSeF” parametrów."));
    return p;
}
