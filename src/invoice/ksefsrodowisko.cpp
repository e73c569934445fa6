#include "ksefsrodowisko.h"

#include "common/teksty.h"
#include "ksef.h"

#include <QRegularExpression>

namespace {

struct Wpis {
    const char *nazwa, *api, *qr;
};
constexpr Wpis kSrodowiska[] = {
    {"test", "https://api-test.ksef.mf.gov.pl/v2", "qr-test.ksef.mf.gov.pl"},
    {"demo", "https://api-demo.ksef.mf.gov.pl/v2", "qr-demo.ksef.mf.gov.pl"},
    {"prod", "https://api.ksef.mf.gov.pl/v2", "qr.ksef.mf.gov.pl"},
};

const Wpis *Znajdz(const TiniZentora &ini)
{
    const QString n = Trim(ini.iniKsefSrodowisko).toLower();
    if (n.isEmpty())
        return &kSrodowiska[0];
    for (const Wpis &w : kSrodowiska)
        if (n == QLatin1String(w.nazwa))
            return &w;
    return nullptr;
}

}   // namespace

QString BladAdresuKsef(const QUrl &adres)
{
    if (!adres.isValid() || adres.host().isEmpty())
        return QStringLiteral("Adres KSeF \"%1\" nie jest poprawnym adresem URL.").arg(adres.toString());
    if (adres.scheme() == QLatin1String("https"))
        return QString();
    // the loopback addresses only: nothing on the way can read or change the traffic
    static const QRegularExpression ipv4(QStringLiteral("^127\\.\\d{1,3}\\.\\d{1,3}\\.\\d{1,3}$"));
    const QString host = adres.host().toLower();
    const bool lokalny =
        host == QLatin1String("localhost") || host == QLatin1String("::1") || ipv4.match(host).hasMatch();
    if (adres.scheme() == QLatin1String("http") && lokalny)
        return QString();
    return QStringLiteral("Adres KSeF \"%1\" musi zaczynać się od https:// (http tylko dla tego komputera, np. "
                          "http://127.0.0.1).")
        .arg(adres.toString());
}

TsrodowiskoKsef SrodowiskoKsef(const TiniZentora &ini)
{
    const Wpis *w = Znajdz(ini);
    if (!w)
        throw EOdmowaKsef(QStringLiteral("Nieznane środowisko KSeF \"%1\" (parametr Srodowisko w sekcji [KSeF]).|"
                                         "Dozwolone: test, demo, prod.")
                              .arg(ini.iniKsefSrodowisko));
    TsrodowiskoKsef s{QLatin1String(w->nazwa), QLatin1String(w->api), QLatin1String(w->qr)};
    const QString adres = Trim(ini.iniKsefAdres);
    if (!adres.isEmpty()) {
        const QString blad = BladAdresuKsef(QUrl(adres));
        if (!blad.isEmpty())
            throw EOdmowaKsef(blad);
        s.Api = adres;
        while (s.Api.endsWith(QLatin1Char('/')))
            s.Api.chop(1);
    }
    return s;
}

QString HostQrKsef(const TiniZentora &ini)
{
    const Wpis *w = Znajdz(ini);
    return QLatin1String(w ? w->qr : kSrodowiska[0].qr);
}
