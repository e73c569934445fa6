#pragma once
// Exceptions of the program.
//
// EMojeBledy carries an expected, user-facing error: the operation that raised it is
// abandoned and the application's default handler shows the message.
// ECichyAbort stops a command quietly after its message has already been shown; the
// default handler ignores it.

#include <QByteArray>
#include <QString>
#include <exception>

class EMojeBledy : public std::exception {
public:
    explicit EMojeBledy(QString komunikat) : m_komunikat(std::move(komunikat)), m_utf8(m_komunikat.toUtf8()) {}
    const QString &komunikat() const noexcept { return m_komunikat; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_komunikat;
    QByteArray m_utf8;
};

class ECichyAbort : public std::exception {
public:
    const char *what() const noexcept override { return "ECichyAbort"; }
};

// The message of any exception as the user should read it.
QString TekstBledu(const std::exception &e);

// Shows an error text in an error box ("|" breaks lines).
void PokazTekstBledu(const QString &tekst);

// Shows an exception through the message presenter, unless it is the silent abort.
void PokazBlad(const std::exception &e);
