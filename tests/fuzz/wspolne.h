#pragma once
// What the fuzz targets share: the entry point libFuzzer calls, a failed property that
// stops the run with the offending texts, a scratch file in memory-backed storage, and the
// invoice read from it.

#include "common/bledy.h"
#include "invoice/plikfaktury.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dane, size_t rozmiar);

// A property that must hold for every input; a violation is a finding like a crash.
#define WYMAGAJ(warunek, opis)                                                                                         \
    do {                                                                                                               \
        if (!(warunek)) {                                                                                              \
            std::fprintf(stderr, "Naruszona wlasnosc: %s\n%s\n", #warunek, qPrintable(QString(opis)));                 \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

// A file of this process for the readers that work on files; removed at exit.
class PlikRoboczy {
public:
    explicit PlikRoboczy(const char *rozszerzenie)
    {
        const QString katalog =
            QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        m_sciezka = QStringLiteral("%1/zentora-fuzz-%2%3").arg(katalog).arg(getpid()).arg(QLatin1String(rozszerzenie));
    }
    ~PlikRoboczy() { QFile::remove(m_sciezka); }
    const QString &Sciezka() const { return m_sciezka; }
    void Zapisz(const QByteArray &b) const
    {
        QFile f(m_sciezka);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(b) != b.size())
            std::abort();
    }

private:
    QString m_sciezka;
};

// The bytes as an invoice file, read into `f`; false when the reader refuses them cleanly.
inline bool CzytajZBajtow(const PlikRoboczy &plik, const uint8_t *dane, size_t rozmiar, TzentoraVat &f)
{
    plik.Zapisz(QByteArray(reinterpret_cast<const char *>(dane), qsizetype(rozmiar)));
    try {
        CzytajFakture(plik.Sciezka(), f);
    } catch (const EMojeBledy &) {
        return false;
    }
    return true;
}
