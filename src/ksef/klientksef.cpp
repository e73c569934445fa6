#include "klientksef.h"

#include "kryptografia.h"
#include "podpisxades.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace {

QByteArray Json(const QJsonObject &o) { return QJsonDocument(o).toJson(QJsonDocument::Compact); }

bool Final(int kod) { return kod != 100 && kod != 150; }

}   // namespace

QJsonObject OdpowiedzKsef::Json() const { return QJsonDocument::fromJson(tresc).object(); }

int OdpowiedzKsef::KodBledu() const
{
    const QJsonArray lista =
        Json().value(QStringLiteral("exception")).toObject().value(QStringLiteral("exceptionDetailList")).toArray();
    return lista.isEmpty() ? 0 : lista.first().toObject().value(QStringLiteral("exceptionCode")).toInt();
}

QString OdpowiedzKsef::OpisBledu() const
{
    if (http == 0)
        return QStringLiteral("brak połączenia: %1").arg(bladSieci);
    QStringList czesci;
    const QJsonObject o = Json();
    const QJsonArray lista =
        o.value(QStringLiteral("exception")).toObject().value(QStringLiteral("exceptionDetailList")).toArray();
    for (const auto &v : lista) {
        const QJsonObject e = v.toObject();
        QString t = QStringLiteral("%1 %2")
                        .arg(e.value(QStringLiteral("exceptionCode")).toInt())
                        .arg(e.value(QStringLiteral("exceptionDescription")).toString());
        for (const auto &d : e.value(QStringLiteral("details")).toArray())
            t += QLatin1Char(' ') + d.toString();
        czesci.append(t.trimmed());
    }
    const QJsonObject status = o.value(QStringLiteral("status")).toObject();
    if (czesci.isEmpty() && !status.isEmpty())
        czesci.append(status.value(QStringLiteral("description")).toString());
    if (czesci.isEmpty() && o.contains(QStringLiteral("title")))   // problem details
        czesci.append(o.value(QStringLiteral("title")).toString() + QLatin1Char(' ')
                      + o.value(QStringLiteral("detail")).toString());
    return QStringLiteral("HTTP %1%2")
        .arg(http)
        .arg(czesci.isEmpty() ? QString() : QStringLiteral(": ") + czesci.join(u"; "));
}

KlientKsef::KlientKsef(TsrodowiskoKsef srodowisko, ZasadyKsef zasady)
    : m_srodowisko(std::move(srodowisko)), m_zasady(zasady)
{
    // an answer that points elsewhere is not followed: the access token must not go with it
    m_siec.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

void KlientKsef::Czekaj(int ms)
{
    if (Przerwano && Przerwano())
        throw ECichyAbort();
    QEventLoop petla;
    QTimer::singleShot(ms, &petla, &QEventLoop::quit);
    petla.exec();
    if (Przerwano && Przerwano())
        throw ECichyAbort();
}

void KlientKsef::Niedostepny(const QString &co, const OdpowiedzKsef &o) const
{
    throw EKsefNiedostepny(QStringLiteral("KSeF (%1): %2 – %3").arg(m_srodowisko.Api, co, o.OpisBledu()));
}

OdpowiedzKsef KlientKsef::Polacz(const QByteArray &metoda, const QString &sciezka, const QByteArray &json,
                                 const QByteArray &bearer, bool ponawialne, const QByteArray &naglowek,
                                 const QByteArray &wartosc)
{
    int przerwa = m_zasady.pierwszaPrzerwaMs;
    int proby5xx = 0;
    for (;;) {
        QNetworkRequest z(QUrl(m_srodowisko.Api + sciezka));
        if (!json.isEmpty())
            z.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
        if (!bearer.isEmpty())
            z.setRawHeader("Authorization", "Bearer " + bearer);
        if (!naglowek.isEmpty())
            z.setRawHeader(naglowek, wartosc);
        z.setTransferTimeout(m_zasady.limitCzasuMs);
        QNetworkReply *r = m_siec.sendCustomRequest(z, metoda, json);
        QEventLoop petla;
        QObject::connect(r, &QNetworkReply::finished, &petla, &QEventLoop::quit);
        // a cancel does not wait for a slow answer: the request is dropped at once
        QTimer czuwanie;
        if (Przerwano) {
            QObject::connect(&czuwanie, &QTimer::timeout, r, [this, r] {
                if (Przerwano())
                    r->abort();
            });
            czuwanie.start(100);
        }
        if (!r->isFinished())
            petla.exec();
        czuwanie.stop();
        if (Przerwano && Przerwano()) {
            delete r;
            throw ECichyAbort();
        }
        OdpowiedzKsef o;
        o.http = r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        o.tresc = r->readAll();
        o.retryAfter = r->rawHeader("Retry-After");
        if (o.http == 0)
            o.bladSieci = r->errorString();
        delete r;   // finished: nothing of it is used later

        if (o.http == 429) {
            // KSeF did not take the request: waiting as asked and asking again is always safe
            bool ok = false;
            int s = o.retryAfter.trimmed().toInt(&ok);
            if (!ok) {
                const QDateTime kiedy = QDateTime::fromString(QString::fromLatin1(o.retryAfter), Qt::RFC2822Date);
                s = kiedy.isValid() ? int(QDateTime::currentDateTimeUtc().secsTo(kiedy)) : 1;
            }
            s = qMax(s, 1);
            if (s > m_zasady.maxRetryAfterS)
                throw EKsefNiedostepny(
                    QStringLiteral("KSeF przyjmuje chwilowo za dużo żądań; spróbuj ponownie za %1 s.").arg(s));
            Czekaj(s * 1000);
            continue;
        }
        if (ponawialne && (o.http == 0 || o.http >= 500) && proby5xx < m_zasady.probyPo5xx) {
            ++proby5xx;
            Czekaj(przerwa);
            przerwa *= 2;
            continue;
        }
        return o;
    }
}

OdpowiedzKsef KlientKsef::Zadanie(const QByteArray &metoda, const QString &sciezka, const QByteArray &json,
                                  bool ponawialne)
{
    OdpowiedzKsef o = Polacz(metoda, sciezka, json, m_dostep, ponawialne);
    if (o.http != 401 || m_odswiezenie.isEmpty())
        return o;
    // the access token has expired; the request was refused unread, so it is sent again
    const OdpowiedzKsef n = Polacz("POST", QStringLiteral("/auth/token/refresh"), {}, m_odswiezenie, true);
    const QByteArray token =
        n.Json().value(QStringLiteral("accessToken")).toObject().value(QStringLiteral("token")).toString().toUtf8();
    if (n.http != 200 || token.isEmpty())
        Niedostepny(QStringLiteral("odnowienie dostępu odrzucone"), n);
    m_dostep = token;
    return Polacz(metoda, sciezka, json, m_dostep, ponawialne);
}

void KlientKsef::PobierzKlucze()
{
    const OdpowiedzKsef o = Polacz("GET", QStringLiteral("/security/public-key-certificates"), {}, {}, true);
    if (o.http != 200)
        Niedostepny(QStringLiteral("pobranie kluczy publicznych"), o);
    m_certyfikatTokena.clear();
    m_certyfikatSesji.clear();
    const QDateTime teraz = QDateTime::currentDateTimeUtc();
    for (const auto &v : QJsonDocument::fromJson(o.tresc).array()) {
        const QJsonObject c = v.toObject();
        const QDateTime od = QDateTime::fromString(c.value(QStringLiteral("validFrom")).toString(), Qt::ISODateWithMs);
        const QDateTime doK = QDateTime::fromString(c.value(QStringLiteral("validTo")).toString(), Qt::ISODateWithMs);
        if ((od.isValid() && od > teraz) || (doK.isValid() && doK < teraz))
            continue;
        const QByteArray der = QByteArray::fromBase64(c.value(QStringLiteral("certificate")).toString().toLatin1());
        const QString id = c.value(QStringLiteral("publicKeyId")).toString();
        const QJsonArray uzycie = c.value(QStringLiteral("usage")).toArray();
        if (uzycie.contains(QStringLiteral("KsefTokenEncryption")) && m_certyfikatTokena.isEmpty()) {
            m_certyfikatTokena = der;
            m_idTokena = id;
        }
        if (uzycie.contains(QStringLiteral("SymmetricKeyEncryption")) && m_certyfikatSesji.isEmpty()) {
            m_certyfikatSesji = der;
            m_idSesji = id;
        }
    }
    if (m_certyfikatTokena.isEmpty() || m_certyfikatSesji.isEmpty())
        throw EKsefNiedostepny(QStringLiteral("KSeF (%1) nie podał ważnych kluczy publicznych.").arg(m_srodowisko.Api));
}

void KlientKsef::ZalogujTokenem(const QString &nip, const QString &token)
{
    if (m_certyfikatTokena.isEmpty())
        PobierzKlucze();
    OdpowiedzKsef start;
    for (int proba = 0;; ++proba) {
        const OdpowiedzKsef w = Polacz("POST", QStringLiteral("/auth/challenge"), "{}", {}, true);
        const QJsonObject wyzwanie = w.Json();
        if (w.http != 200 || !wyzwanie.contains(QStringLiteral("challenge")))
            Niedostepny(QStringLiteral("wyzwanie logowania"), w);
        const QByteArray jawny = token.trimmed().toUtf8() + '|'
                                 + QByteArray::number(wyzwanie.value(QStringLiteral("timestampMs")).toInteger());
        QJsonObject z{{QStringLiteral("challenge"), wyzwanie.value(QStringLiteral("challenge"))},
                      {QStringLiteral("contextIdentifier"),
                       QJsonObject{{QStringLiteral("type"), QStringLiteral("Nip")}, {QStringLiteral("value"), nip}}},
                      {QStringLiteral("encryptedToken"),
                       QString::fromLatin1(SzyfrujRsaOaep(m_certyfikatTokena, jawny).toBase64())},
                      {QStringLiteral("publicKeyId"), m_idTokena}};
        start = Polacz("POST", QStringLiteral("/auth/ksef-token"), Json(z), {}, false);
        // the key was withdrawn since it was fetched: fetch the current ones, once
        if (start.http == 400 && start.KodBledu() == 21470 && proba == 0) {
            PobierzKlucze();
            continue;
        }
        break;
    }
    DokonczLogowanie(start, QStringLiteral("logowanie tokenem odrzucone"));
}

QString KlientKsef::Wyzwanie()
{
    const OdpowiedzKsef w = Polacz("POST", QStringLiteral("/auth/challenge"), "{}", {}, true);
    QString wyzwanie = w.Json().value(QStringLiteral("challenge")).toString();
    if (w.http != 200 || wyzwanie.isEmpty())
        Niedostepny(QStringLiteral("wyzwanie logowania"), w);
    return wyzwanie;
}

void KlientKsef::ZalogujCertyfikatem(const QString &nip, const CertyfikatKsef &certyfikat)
{
    const QByteArray podpisany = certyfikat.Podpisz(WniosekUwierzytelnienia(Wyzwanie(), nip));
    // a challenge serves one login: a request lost on the way is not sent again
    const OdpowiedzKsef start = Polacz("POST", QStringLiteral("/auth/xades-signature"), podpisany, {}, false,
                                       "Content-Type", "application/xml");
    DokonczLogowanie(start, QStringLiteral("logowanie certyfikatem odrzucone"));
}

void KlientKsef::DokonczLogowanie(const OdpowiedzKsef &start, const QString &co)
{
    const QJsonObject s = start.Json();
    const QString referencja = s.value(QStringLiteral("referenceNumber")).toString();
    const QByteArray tokenLogowania =
        s.value(QStringLiteral("authenticationToken")).toObject().value(QStringLiteral("token")).toString().toUtf8();
    if (start.http != 202 || referencja.isEmpty() || tokenLogowania.isEmpty())
        Niedostepny(co, start);

    int przerwa = m_zasady.odpytywanieMs;
    QElapsedTimer zegar;
    zegar.start();
    for (;;) {
        const OdpowiedzKsef o = Polacz("GET", QStringLiteral("/auth/") + referencja, {}, tokenLogowania, true);
        const QJsonObject st = o.Json().value(QStringLiteral("status")).toObject();
        const int kod = st.value(QStringLiteral("code")).toInt();
        if (o.http != 200 || kod == 0)
            Niedostepny(QStringLiteral("stan logowania"), o);
        if (kod == 200)
            break;
        if (kod != 100) {
            QStringList szczegoly;
            for (const auto &d : st.value(QStringLiteral("details")).toArray())
                szczegoly.append(d.toString());
            throw EKsefNiedostepny(
                QStringLiteral("KSeF odmówił logowania: %1 %2%3")
                    .arg(kod)
                    .arg(st.value(QStringLiteral("description")).toString(),
                         szczegoly.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(szczegoly.join(u' '))));
        }
        if (zegar.elapsed() > m_zasady.maxOdpytywanieS * 1000LL)
            throw EKsefNiedostepny(
                QStringLiteral("KSeF nie zakończył logowania w %1 s.").arg(m_zasady.maxOdpytywanieS));
        Czekaj(przerwa);
        przerwa = qMin(przerwa * 2, 4000);
    }
    const OdpowiedzKsef t = Polacz("POST", QStringLiteral("/auth/token/redeem"), {}, tokenLogowania, false);
    const QJsonObject j = t.Json();
    m_dostep = j.value(QStringLiteral("accessToken")).toObject().value(QStringLiteral("token")).toString().toUtf8();
    m_odswiezenie =
        j.value(QStringLiteral("refreshToken")).toObject().value(QStringLiteral("token")).toString().toUtf8();
    if (t.http != 200 || m_dostep.isEmpty())
        Niedostepny(QStringLiteral("odbiór tokenów dostępu"), t);
}

void KlientKsef::OtworzSesje()
{
    if (m_certyfikatSesji.isEmpty())   // a certificate login needs no key of KSeF
        PobierzKlucze();
    for (int proba = 0;; ++proba) {
        m_klucz = LosoweBajty(32);
        m_iv = LosoweBajty(16);
        const QJsonObject z{
            {QStringLiteral("formCode"), QJsonObject{{QStringLiteral("systemCode"), QStringLiteral("FA (3)")},
                                                     {QStringLiteral("schemaVersion"), QStringLiteral("1-0E")},
                                                     {QStringLiteral("value"), QStringLiteral("FA")}}},
            {QStringLiteral("encryption"),
             QJsonObject{{QStringLiteral("encryptedSymmetricKey"),
                          QString::fromLatin1(SzyfrujRsaOaep(m_certyfikatSesji, m_klucz).toBase64())},
                         {QStringLiteral("initializationVector"), QString::fromLatin1(m_iv.toBase64())},
                         {QStringLiteral("publicKeyId"), m_idSesji}}}};
        // a session nobody uses harms nothing, so opening one may be tried again
        const OdpowiedzKsef o = Zadanie("POST", QStringLiteral("/sessions/online"), Json(z), true);
        if (o.http == 400 && o.KodBledu() == 21470 && proba == 0) {
            PobierzKlucze();
            continue;
        }
        m_sesja = o.Json().value(QStringLiteral("referenceNumber")).toString();
        if (o.http != 201 || m_sesja.isEmpty())
            Niedostepny(QStringLiteral("otwarcie sesji"), o);
        return;
    }
}

OdpowiedzKsef KlientKsef::WyslijFakture(const QByteArray &xml)
{
    const QByteArray szyfr = SzyfrujAes256Cbc(m_klucz, m_iv, xml);
    const QJsonObject z{{QStringLiteral("invoiceHash"), QString::fromLatin1(Sha256Base64(xml))},
                        {QStringLiteral("invoiceSize"), xml.size()},
                        {QStringLiteral("encryptedInvoiceHash"), QString::fromLatin1(Sha256Base64(szyfr))},
                        {QStringLiteral("encryptedInvoiceSize"), szyfr.size()},
                        {QStringLiteral("encryptedInvoiceContent"), QString::fromLatin1(szyfr.toBase64())}};
    return Zadanie("POST", QStringLiteral("/sessions/online/%1/invoices").arg(m_sesja), Json(z), false);
}

QString KlientKsef::ZnajdzWSesji(const QByteArray &skrot)
{
    QByteArray kontynuacja;
    for (;;) {
        const OdpowiedzKsef o =
            kontynuacja.isEmpty()
                ? Zadanie("GET", QStringLiteral("/sessions/%1/invoices?pageSize=1000").arg(m_sesja), {}, true)
                : Polacz("GET", QStringLiteral("/sessions/%1/invoices?pageSize=1000").arg(m_sesja), {}, m_dostep, true,
                         "x-continuation-token", kontynuacja);
        if (o.http != 200)
            Niedostepny(QStringLiteral("lista faktur sesji"), o);
        const QJsonObject j = o.Json();
        for (const auto &v : j.value(QStringLiteral("invoices")).toArray())
            if (v.toObject().value(QStringLiteral("invoiceHash")).toString().toLatin1() == skrot)
                return v.toObject().value(QStringLiteral("referenceNumber")).toString();
        kontynuacja = j.value(QStringLiteral("continuationToken")).toString().toUtf8();
        if (kontynuacja.isEmpty())
            return QString();
    }
}

QJsonObject KlientKsef::StanFaktury(const QString &referencja)
{
    int przerwa = m_zasady.odpytywanieMs;
    QElapsedTimer zegar;
    zegar.start();
    for (;;) {
        const OdpowiedzKsef o =
            Zadanie("GET", QStringLiteral("/sessions/%1/invoices/%2").arg(m_sesja, referencja), {}, true);
        QJsonObject j = o.Json();
        const int kod = j.value(QStringLiteral("status")).toObject().value(QStringLiteral("code")).toInt();
        if (o.http != 200 || kod == 0)
            Niedostepny(QStringLiteral("stan faktury %1").arg(referencja), o);
        if (Final(kod))
            return j;
        if (zegar.elapsed() > m_zasady.maxOdpytywanieS * 1000LL)
            throw EKsefNiedostepny(QStringLiteral("KSeF nie rozpatrzył faktury %1 w %2 s; sprawdź jej stan później.")
                                       .arg(referencja)
                                       .arg(m_zasady.maxOdpytywanieS));
        Czekaj(przerwa);
        przerwa = qMin(przerwa * 2, 4000);
    }
}

QByteArray KlientKsef::Upo(const QString &referencja)
{
    const OdpowiedzKsef o =
        Zadanie("GET", QStringLiteral("/sessions/%1/invoices/%2/upo").arg(m_sesja, referencja), {}, true);
    if (o.http != 200 || o.tresc.isEmpty())
        Niedostepny(QStringLiteral("UPO faktury %1").arg(referencja), o);
    return o.tresc;
}

QJsonObject KlientKsef::ZapytajOFaktury(const QJsonObject &filtr, int strona, int rozmiar)
{
    const OdpowiedzKsef o = Zadanie(
        "POST",
        QStringLiteral("/invoices/query/metadata?sortOrder=Asc&pageOffset=%1&pageSize=%2").arg(strona).arg(rozmiar),
        Json(filtr), true);
    if (o.http != 200)
        Niedostepny(QStringLiteral("lista faktur"), o);
    return o.Json();
}

QByteArray KlientKsef::PobierzFakture(const QString &numerKsef)
{
    const OdpowiedzKsef o = Zadanie(
        "GET", QStringLiteral("/invoices/ksef/") + QString::fromLatin1(QUrl::toPercentEncoding(numerKsef)), {}, true);
    if (o.http != 200 || o.tresc.isEmpty())
        Niedostepny(QStringLiteral("faktura %1").arg(numerKsef), o);
    return o.tresc;
}

void KlientKsef::ZamknijSesje()
{
    if (m_sesja.isEmpty())
        return;
    const OdpowiedzKsef o = Zadanie("POST", QStringLiteral("/sessions/online/%1/close").arg(m_sesja), {}, true);
    if (o.http != 204 && o.http != 200)
        Niedostepny(QStringLiteral("zamknięcie sesji"), o);
}
