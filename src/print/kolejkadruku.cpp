#include "kolejkadruku.h"

#include <QtGlobal>

#if defined(Q_OS_UNIX)
#include <dlfcn.h>
#endif

QString OdmowaKolejkiDruku()
{
#if defined(Q_OS_UNIX)
    // The library is already loaded by Qt's print support whenever a document went to CUPS;
    // its last status is kept per thread, and the submission is the last call Qt makes.
#if defined(Q_OS_MACOS)
    const char *const kBiblioteka = "libcups.2.dylib";
#else
    const char *const kBiblioteka = "libcups.so.2";
#endif
    void *cups = dlopen(kBiblioteka, RTLD_LAZY | RTLD_NOLOAD);
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
