#pragma once
// The client of the KSeF API 2.0: one connection to one environment, the login with a KSeF
// certificate or a KSeF token and an online session that sends invoices encrypted for KSeF.
//
// Every call waits for its answer (the event loop runs meanwhile, so a window stays alive).
// A 429 is waited out as Retry-After asks; a 5xx or a broken connection is tried again, a few
// times with growing pauses, only for requests that may safely arrive twice: sending an
// invoice is never repeated, its fate is asked of the session instead.

#include "common/bledy.h"
#include "invoice/ksefsrodowisko.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QNetworkAccessManager>
#include <QString>

#include <functional>

class CertyfikatKsef;

// KSeF cannot be reached, refused the login or answered what a client cannot go on with.
class EKsefNiedostepny : public EMojeBledy {
public:
    using EMojeBledy::EMojeBledy;
};

struct OdpowiedzKsef {
    int http = 0;        // 0: no answer (the connection failed)
    QString bladSieci;   // why there was no answer
    QByteArray tresc;
    QByteArray retryAfter;   // the Retry-After header
    QJsonObject Json() const;
    // The error of the answer in one line: the API's code, description and details.
    QString OpisBledu() const;
    int KodBledu() const;   // exceptionCode of the first error, 0 without one
};

// How long the client waits: tests shorten the pauses, the window's Cancel stops a wait.
struct ZasadyKsef {
    int probyPo5xx = 4;            // repeats of a request that may arrive twice
    int pierwszaPrzerwaMs = 500;   // doubled after each 5xx
    int maxRetryAfterS = 120;      // a longer wait asked for ends the command instead
    int odpytywanieMs = 250;       // the first pause between status queries, doubled up to 4 s
    int maxOdpytywanieS = 300;     // a status still not final after this is given up
    int limitCzasuMs = 60000;      // one request
};

class KlientKsef {
public:
    explicit KlientKsef(TsrodowiskoKsef srodowisko, ZasadyKsef zasady = {});

    // Set by a window: returns true when the user cancelled; the client then ends with
    // ECichyAbort at the next wait, or at once when it waits for an answer (the request is
    // dropped, so a request cancelled in flight may or may not have reached KSeF).
    std::function<bool()> Przerwano;

    // Challenge, the token encrypted for KSeF, status until final, the access tokens.
    // EKsefNiedostepny when KSeF refuses. The token is never part of a message.
    void ZalogujTokenem(const QString &nip, const QString &token);
    // Challenge, the AuthTokenRequest signed with the KSeF certificate (XAdES), then as above.
    void ZalogujCertyfikatem(const QString &nip, const CertyfikatKsef &certyfikat);

    // A session for FA(3) invoices with a fresh AES key, wrapped with KSeF's public key.
    void OtworzSesje();
    QString NumerSesji() const { return m_sesja; }
    // Sends one invoice exactly as given. The answer as it came: 202 with the invoice's
    // reference number, or what went wrong (http 0 or 5xx: unknown whether KSeF took it).
    OdpowiedzKsef WyslijFakture(const QByteArray &xml);
    // The reference number of the invoice of this session with that SHA-256 (Base64), empty
    // when KSeF has none: how an invoice whose sending got no answer is found.
    QString ZnajdzWSesji(const QByteArray &skrot);
    // The invoice's status once final (not 100 or 150): the whole SessionInvoiceStatusResponse.
    QJsonObject StanFaktury(const QString &referencja);
    QByteArray Upo(const QString &referencja);
    void ZamknijSesje();

    // One page of the metadata of invoices matching `filtr` (InvoiceQueryFilters).
    QJsonObject ZapytajOFaktury(const QJsonObject &filtr, int strona, int rozmiar);
    // The invoice's XML as KSeF keeps it.
    QByteArray PobierzFakture(const QString &numerKsef);

private:
    OdpowiedzKsef Polacz(const QByteArray &metoda, const QString &sciezka, const QByteArray &json,
                         const QByteArray &bearer, bool ponawialne, const QByteArray &naglowek = {},
                         const QByteArray &wartosc = {});
    // With the access token; a 401 refreshes it once and repeats.
    OdpowiedzKsef Zadanie(const QByteArray &metoda, const QString &sciezka, const QByteArray &json, bool ponawialne);
    void PobierzKlucze();
    QString Wyzwanie();
    // The status of the login `start` began until final, then the access tokens.
    void DokonczLogowanie(const OdpowiedzKsef &start, const QString &co);
    void Czekaj(int ms);
    [[noreturn]] void Niedostepny(const QString &co, const OdpowiedzKsef &o) const;

    TsrodowiskoKsef m_srodowisko;
    ZasadyKsef m_zasady;
    QNetworkAccessManager m_siec;
    QByteArray m_certyfikatTokena, m_certyfikatSesji;   // DER
    QString m_idTokena, m_idSesji;
    QByteArray m_dostep, m_odswiezenie;
    QString m_sesja;
    QByteArray m_klucz, m_iv;
};
