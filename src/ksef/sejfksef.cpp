#include "sejfksef.h"

#include "common/bledy.h"

#include <QCoreApplication>
#include <QEventLoop>

#ifndef ZENTORA_BEZ_SEJFU
#include <qt6keychain/keychain.h>
#endif

namespace {

QString Czego(TsekretKsef co)
{
    switch (co) {
    case TsekretKsef::Token: return QStringLiteral("tokena KSeF");
    case TsekretKsef::Certyfikat: return QStringLiteral("certyfikatu KSeF");
    case TsekretKsef::Klucz: return QStringLiteral("klucza certyfikatu KSeF");
    case TsekretKsef::Haslo: break;
    }
    return QStringLiteral("hasła certyfikatu KSeF");
}

[[noreturn]] void Blad(const QString &czynnosc, TsekretKsef co, const QString &przyczyna)
{
    throw EMojeBledy(QStringLiteral("Nie można %1 %2: systemowy sejf haseł jest niedostępny (%3).|"
                                    "Uruchom lub odblokuj sejf systemu (np. GNOME Keyring albo KWallet w Linuksie) "
                                    "i spróbuj ponownie. Zentora nie przechowuje tych danych w innym miejscu.")
                         .arg(czynnosc, Czego(co), przyczyna));
}

#ifndef ZENTORA_BEZ_SEJFU

const QString kUsluga = QStringLiteral("Zentora KSeF");

QString Klucz(const QString &srodowisko, TsekretKsef co)
{
    static const char *const nazwy[] = {"token", "certyfikat", "klucz", "haslo"};
    return srodowisko + QLatin1Char('/') + QLatin1String(nazwy[int(co)]);
}

// Runs the job to its end: the keychain answers asynchronously, the callers want the answer.
void Wykonaj(QKeychain::Job &job)
{
    job.setAutoDelete(false);
    // never a plain file beside the configuration when the keychain is missing
    job.setInsecureFallback(false);
    bool koniec = false;
    QEventLoop petla;
    QObject::connect(&job, &QKeychain::Job::finished, &petla, [&] {
        koniec = true;
        petla.quit();
    });
    job.start();
    if (!koniec)
        petla.exec(QEventLoop::ExcludeUserInputEvents);
}

#endif

}   // namespace

QByteArray CzytajSekretKsef(const QString &srodowisko, TsekretKsef co)
{
#ifdef ZENTORA_BEZ_SEJFU
    Q_UNUSED(srodowisko);
    Blad(QStringLiteral("odczytać"), co, QStringLiteral("ta kompilacja Zentory go nie obsługuje"));
#else
    QKeychain::ReadPasswordJob job(kUsluga);
    job.setKey(Klucz(srodowisko, co));
    Wykonaj(job);
    if (job.error() == QKeychain::EntryNotFound)
        return {};
    if (job.error() != QKeychain::NoError)
        Blad(QStringLiteral("odczytać"), co, job.errorString());
    return job.binaryData();
#endif
}

void ZapiszSekretKsef(const QString &srodowisko, TsekretKsef co, const QByteArray &wartosc)
{
#ifdef ZENTORA_BEZ_SEJFU
    Q_UNUSED(srodowisko);
    Q_UNUSED(wartosc);
    Blad(wartosc.isEmpty() ? QStringLiteral("usunąć") : QStringLiteral("zapisać"), co,
         QStringLiteral("ta kompilacja Zentory go nie obsługuje"));
#else
    if (wartosc.isEmpty()) {
        QKeychain::DeletePasswordJob job(kUsluga);
        job.setKey(Klucz(srodowisko, co));
        Wykonaj(job);
        if (job.error() != QKeychain::NoError && job.error() != QKeychain::EntryNotFound)
            Blad(QStringLiteral("usunąć"), co, job.errorString());
        return;
    }
    QKeychain::WritePasswordJob job(kUsluga);
    job.setKey(Klucz(srodowisko, co));
    job.setBinaryData(wartosc);
    Wykonaj(job);
    if (job.error() != QKeychain::NoError)
        Blad(QStringLiteral("zapisać"), co, job.errorString());
#endif
}

TposwiadczeniaKsef CzytajSejfKsef(const QString &srodowisko)
{
    TposwiadczeniaKsef p;
    p.Token = CzytajSekretKsef(srodowisko, TsekretKsef::Token);
    p.Certyfikat = CzytajSekretKsef(srodowisko, TsekretKsef::Certyfikat);
    if (!p.Certyfikat.isEmpty()) {
        p.Klucz = CzytajSekretKsef(srodowisko, TsekretKsef::Klucz);
        p.Haslo = CzytajSekretKsef(srodowisko, TsekretKsef::Haslo);
        p.NazwaCertyfikatu = QStringLiteral("z sejfu systemowego, środowisko %1").arg(srodowisko);
    }
    return p;
}

TposwiadczeniaKsef PoswiadczeniaZapisane(const TsrodowiskoKsef &srodowisko) { return CzytajSejfKsef(srodowisko.Nazwa); }
