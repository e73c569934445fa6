#include "program.h"

#include "daty.h"
#include "teksty.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#ifdef Q_OS_WIN
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <shlobj.h>
#include <vector>
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>
#include <winnetwk.h>
#endif

namespace {
double g_dataDzis = 0;
bool g_dataUstawiona = false;
QString g_tytul = QStringLiteral("Zentora");
}   // namespace

int NrIkonyProgramu = 0;
std::function<void(QObject *)> ProcPrzypiszPopup;
std::function<bool(QObject *, QObject *, double &, double)> ProcKalkulator;
std::function<bool(QObject *, QObject *, QString &)> ProcKalendarz;

void InicjujProgram()
{
    if (!g_dataUstawiona) {
        const QDate d = QDate::currentDate();
        UstawDateDzis(KodujDate(d.year(), d.month(), d.day(), 0));
    }
}

void PrzygotujKonsole()
{
#ifdef Q_OS_WIN
    // text mode would turn every LF into CR LF: a CSV line would end in CR CR LF and a PDF sent
    // through a pipe would break
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
#endif
}

namespace {
QString g_katalogProgramu;
}   // namespace

void UstawKatalogProgramu(const QString &katalog)
{
    g_katalogProgramu = ZUkosnikiem(SciezkaSieciowa(QDir::toNativeSeparators(katalog)));
}

QStringList ArgumentyWierszaPolecen(int argc, char *argv[])
{
    QStringList a;
#ifdef Q_OS_WIN
    int n = 0;
    if (LPWSTR *w = CommandLineToArgvW(GetCommandLineW(), &n)) {
        for (int i = 0; i < n; ++i)
            a.append(QString::fromWCharArray(w[i]));
        LocalFree(w);
        return a;
    }
#endif
    for (int i = 0; i < argc; ++i)
        a.append(QString::fromLocal8Bit(argv[i]));
    return a;
}

QString KatalogProgramu()
{
    if (!g_katalogProgramu.isEmpty())
        return g_katalogProgramu;
    if (!QCoreApplication::instance())
        return ZUkosnikiem(QDir::toNativeSeparators(QDir::currentPath()));
    // Asked of the network once: the folder of a running program does not change.
    static const QString katalog =
        ZUkosnikiem(SciezkaSieciowa(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())));
    return katalog;
}

QString SciezkaSieciowa(const QString &sciezka)
{
#ifdef Q_OS_WIN
    const std::wstring w = QDir::toNativeSeparators(sciezka).toStdWString();
    // the answer holds a pointer into itself, so the buffer is aligned for it
    std::vector<quint64> bufor(128);
    DWORD rozmiar = DWORD(bufor.size() * sizeof(quint64));
    DWORD wynik = WNetGetUniversalNameW(w.c_str(), UNIVERSAL_NAME_INFO_LEVEL, bufor.data(), &rozmiar);
    if (wynik == ERROR_MORE_DATA) {
        bufor.resize(rozmiar / sizeof(quint64) + 1);
        rozmiar = DWORD(bufor.size() * sizeof(quint64));
        wynik = WNetGetUniversalNameW(w.c_str(), UNIVERSAL_NAME_INFO_LEVEL, bufor.data(), &rozmiar);
    }
    if (wynik == NO_ERROR) {
        const auto *info = reinterpret_cast<const UNIVERSAL_NAME_INFOW *>(bufor.data());
        if (info->lpUniversalName && *info->lpUniversalName)
            return QString::fromWCharArray(info->lpUniversalName);
    }
#endif
    return sciezka;
}

double DataDzis()
{
    if (!g_dataUstawiona)
        InicjujProgram();
    return g_dataDzis;
}

void UstawDateDzis(double data)
{
    g_dataDzis = data;
    g_dataUstawiona = true;
}

QString TytulAplikacji() { return g_tytul; }
void UstawTytulAplikacji(const QString &tytul) { g_tytul = tytul; }

QString DomyslnaSciezkaKonfiguracji() { return SciezkaKonfiguracji(KatalogProgramu(), KatalogUstawienUzytkownika()); }

QString SciezkaKonfiguracji(const QString &katalogProgramu, const QString &katalogUzytkownika)
{
    QString obok = katalogProgramu + QStringLiteral("Faktury.ini");
    if (QFileInfo::exists(obok))
        return obok;
    // Creating a file is the only reliable question: on Windows a folder under Program Files
    // reports itself writable (only the read-only attribute is looked at) yet refuses files.
    // A program installed into /usr by the package manager keeps settings per user even when
    // root, who may write there, runs it.
    QTemporaryFile proba(katalogProgramu + QStringLiteral("zentora-XXXXXX.tmp"));
    if (!katalogProgramu.startsWith(QLatin1String("/usr/")) && proba.open())
        return obok;
    // made here, or the first save of the settings would find no folder to write into
    QDir().mkpath(katalogUzytkownika);
    return katalogUzytkownika + QStringLiteral("Faktury.ini");
}

QString KatalogUstawienUzytkownika()
{
    QString katalog;
#ifdef Q_OS_WIN
    PWSTR appdata = nullptr;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &appdata)))
        katalog = QString::fromWCharArray(appdata) + QStringLiteral("\\Zentora");
    CoTaskMemFree(appdata);
#else
    // one folder for the editor and zentora-cli, whatever the executable is called
    katalog = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (!katalog.isEmpty())
        katalog += QStringLiteral("/zentora");
#endif
    if (katalog.isEmpty())
        katalog = QDir::homePath() + QStringLiteral("/.config/zentora");
    return ZUkosnikiem(QDir::toNativeSeparators(katalog));
}
