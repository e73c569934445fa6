// The internet operations of the application module: mail and web pages of the maker, the
// connection test and the update list.

#include "modulapli.h"

#include "common/internet.h"
#include "common/komunikaty.h"
#include "common/teksty.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>

namespace {

// The update list is a few lines; anything much larger is not one.
constexpr qint64 kMaksRozmiarInfo = 1024 * 1024;

QUrl AdresWww(const QString &url) { return QUrl::fromUserInput(url.trimmed()); }

// Waits for the reply, at most `limit` milliseconds (then the request is aborted), without
// letting the user act on the windows meanwhile.
void Czekaj(QNetworkReply *odp, int limit)
{
    QEventLoop petla;
    QTimer zegar;
    zegar.setSingleShot(true);
    QObject::connect(&zegar, &QTimer::timeout, odp, &QNetworkReply::abort);
    QObject::connect(odp, &QNetworkReply::finished, &petla, &QEventLoop::quit);
    if (!odp->isFinished()) {
        zegar.start(limit);
        petla.exec(QEventLoop::ExcludeUserInputEvents);
    }
}

QNetworkRequest Zadanie(const QUrl &url, int limit)
{
    QNetworkRequest z(url);
    z.setTransferTimeout(limit);
    z.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    z.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    return z;
}

bool AdresSieciowy(const QUrl &url)
{
    return url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

}   // namespace

void TModulApli::Mailuniwersal(const QString &adres, const QString &temat, const QString &tresc)
{
    QByteArray url = "mailto:" + QUrl::toPercentEncoding(adres.trimmed(), "@");
    QByteArrayList pola;
    if (!temat.isEmpty())
        pola << "subject=" + QUrl::toPercentEncoding(temat);
    if (!tresc.isEmpty())
        pola << "body=" + QUrl::toPercentEncoding(tresc);
    if (!pola.isEmpty())
        url += '?' + pola.join('&');
    if (!QDesktopServices::openUrl(QUrl::fromEncoded(url, QUrl::StrictMode)))
        Komunikat(QStringLiteral("!Nie udało się otworzyć programu pocztowego.|Adres: ") + adres.trimmed());
}

void TModulApli::MailZprogramu()
{
    if (PytanieTakNie(QStringLiteral("Rodzaj wiadomości e-mal"),
                      QStringLiteral("Czy wiadomość dotyczy zamówienia nowej wersji programu ?||"
                                     "( jeśli tak, to zostanie użyty specjalny adres dla zamówień )"),
                      1))
        MailZamowienie();
    else
        MailTematOgoln();
}

void TModulApli::MailZamowienie()
{
    Komunikat(QStringLiteral("Przy wysyłaniu wiadomości z zamówieniem zaznacz pole|żądające automatycznego "
                             "potwierdzenia przeczytania.||Ta cecha jest ustawiana z menu programu pocztowego."));
    Mailuniwersal(DaneInternet.mail_zamawiam, DaneInternet.mail_zamTemat, DaneInternet.mail_zamTresc);
}

void TModulApli::MailTematOgoln()
{
    Mailuniwersal(DaneInternet.mail_programu, DaneInternet.mail_prgTemat, DaneInternet.mail_prgTresc);
}

void TModulApli::WwwUniwersal(const QString &url)
{
    if (Pusty(url))
        return;   // no address given: nothing to open
    if (!QDesktopServices::openUrl(AdresWww(url)))
        Komunikat(QStringLiteral("!Nie udało się otworzyć przeglądarki.|Adres: ") + url.trimmed());
}

void TModulApli::WWWdomowa() { WwwUniwersal(DaneInternet.http_programu); }
void TModulApli::WWWusersInfo() { WwwUniwersal(DaneInternet.http_wsparcie); }

bool TModulApli::JestPolaczenie()
{
    const QUrl url = AdresWww(DaneInternet.http_programu);
    if (!AdresSieciowy(url))
        return false;
    QNetworkAccessManager siec;
    QNetworkReply *odp = siec.head(Zadanie(url, CzasPolaczenia));
    Czekaj(odp, CzasPolaczenia);
    const bool jest = odp->isFinished() && odp->error() == QNetworkReply::NoError;
    delete odp;
    return jest;
}

void TModulApli::WwwPobierzInfo()
{
    TdaneInternet &d = DaneInternet;
    d.odczyt_InfoOk = false;
    d.sTresc_Info.clear();
    d.Licz_Platna = d.Licz_DoPobr = d.Licz_Darmow = 0;
    d.aOpisy_Info.clear();
    if (!JestPolaczenie())
        return;

    if (QFile::exists(d.sPlik_Info))
        QFile::remove(d.sPlik_Info);
    bool pobrano = false;
    const QUrl url = AdresWww(d.http_plikInfo);
    if (AdresSieciowy(url) && Niepusty(d.sPlik_Info)) {
        QNetworkAccessManager siec;
        QNetworkReply *odp = siec.get(Zadanie(url, CzasPobierania));
        // The list is written to a temporary file and put in place only when complete.
        QSaveFile plik(d.sPlik_Info);
        bool dobrze = true;
        qint64 zapisano = 0;
        auto zapisz = [&] {
            const QByteArray porcja = odp->readAll();
            zapisano += porcja.size();
            if (zapisano > kMaksRozmiarInfo || plik.write(porcja) != porcja.size()) {
                dobrze = false;
                odp->abort();
            }
        };
        if (plik.open(QIODevice::WriteOnly)) {
            QObject::connect(odp, &QNetworkReply::readyRead, odp, zapisz);
            Czekaj(odp, CzasPobierania);
            if (dobrze && odp->isFinished() && odp->error() == QNetworkReply::NoError)
                zapisz();
            if (dobrze && odp->isFinished() && odp->error() == QNetworkReply::NoError) {
                pobrano = plik.commit();
            } else {
                plik.cancelWriting();
            }
        }
        odp->disconnect();
        delete odp;
    }
    if (!pobrano) {
        Komunikat(QStringLiteral("!Błąd podczas sprawdzania dostępnych aktualizacji programu.|"
                                 "Prawdopodobna przyczyna to brak połączenia z internetem."));
        return;
    }
    QString tresc;
    if (QFile::exists(d.sPlik_Info) && CzytajPlik(d.sPlik_Info, tresc)) {
        d.odczyt_InfoOk = true;
        d.sTresc_Info = tresc;
        QFile::remove(d.sPlik_Info);
        DekodujPlikInfo();
    }
}
