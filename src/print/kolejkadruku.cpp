#include "kolejkadruku.h"

#include <QtGlobal>

// Only where Qt's own CUPS print engine hands the document over; elsewhere the platform's
// print engine does, and the library's last status says nothing about it.
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#define ZENTORA_CUPS_QT
#include <dlfcn.h>
#endif

QString OdmowaKolejkiDruku()
{
#ifdef ZENTORA_CUPS_QT
    // The library is already loaded by Qt's print support whenever a document went to CUPS;
    // its last status is kept per thread, and the submission is the last call Qt makes.
    void *cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!cups)
        return QString();
    using StatusFn = int (*)();
    using OpisFn = const char *(*)();
    const auto status = reinterpret_cast<StatusFn>(dlsym(cups, "cupsLastError"));
    const auto opis = reinterpret_cast<OpisFn>(dlsym(cups, "cupsLastErrorString"));
    QString wynik;
    // IPP status codes from 0x0400 up are errors of the client or of the server.
    if (status && status() >= 0x0400) {
        wynik = opis && opis() ? QString::fromUtf8(opis()) : QString();
        if (wynik.isEmpty())
            wynik = QStringLiteral("błąd IPP 0x%1").arg(status(), 4, 16, QLatin1Char('0'));
    }
    dlclose(cups);
    return wynik;
#else
    return QString();
#endif
}
