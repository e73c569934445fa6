#pragma once
// The KSeF test server (tests/ksef/serwerksef.py) on 127.0.0.1 with a free port, for one test.

#include "pliktymczasowy.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>

class SerwerKsef {
public:
    static constexpr const char *kNip = "9876543210";
    static constexpr const char *kToken = "20260101-EC-0123456789-ABCDEF0123-45|nip-9876543210|tajny";

    // Empty when it started; otherwise why not.
    QString Uruchom(const QStringList &opcje = {})
    {
        m_p.setProgram(QStringLiteral("python3"));
        m_p.setArguments(QStringList{QStringLiteral(ZENTORA_KSEF_SERWER), QStringLiteral("--schema"),
                                     QStringLiteral(ZENTORA_KSEF_SCHEMA), QStringLiteral("--nip"), QLatin1String(kNip),
                                     QStringLiteral("--token"), QLatin1String(kToken)}
                         + opcje);
        m_p.start();
        if (!m_p.waitForStarted(10000))
            return m_p.errorString();
        while (!m_p.canReadLine())
            if (!m_p.waitForReadyRead(30000))
                return QStringLiteral("no port: ") + QString::fromUtf8(m_p.readAllStandardError());
        const QString linia = QString::fromLatin1(m_p.readLine()).trimmed();
        if (!linia.startsWith(QLatin1String("PORT ")))
            return linia;
        m_port = linia.mid(5).toInt();
        return QString();
    }
    QString Adres() const { return QStringLiteral("http://127.0.0.1:%1/v2").arg(m_port); }
    // What it reported so far ("ZDARZENIE 429", ...), one line each after the port.
    QString Zdarzenia()
    {
        while (m_p.waitForReadyRead(300))
            ;
        m_zdarzenia += QString::fromUtf8(m_p.readAllStandardOutput());
        return m_zdarzenia;
    }
    ~SerwerKsef()
    {
        m_p.closeWriteChannel();
        if (!m_p.waitForFinished(5000))
            m_p.kill();
        m_p.waitForFinished(5000);
    }

private:
    QProcess m_p;
    int m_port = 0;
    QString m_zdarzenia;
};

// A key of the section [KSeF] of an invoice file as stored.
inline QString KluczKsef(const QString &plik, const QByteArray &klucz)
{
    bool ksef = false;
    for (const QByteArray &l : CzytajBajty(plik).split('\n')) {
        if (l.startsWith('['))
            ksef = l.trimmed() == "[KSeF]";
        else if (ksef && l.startsWith(klucz + '='))
            return QStringDecoder("windows-1250").decode(l.mid(klucz.size() + 1).trimmed());
    }
    return QString();
}
