// Zentora, the invoice editor: one window holding one invoice.
// Usage: zentora [FILE.FAK]

#include "common/paleta.h"
#include "common/program.h"
#include "controls/aplikacja.h"
#include "controls/modulapli.h"
#include "controls/platforma.h"
#include "controls/prezenterokien.h"
#include "dialogs/dlgkalendarz.h"
#include "dialogs/kalkulator.h"
#include "editor/zentoraedyt.h"
#include "print/dlgdrukstop.h"
#include "print/opcjedruku.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
// The variable that holds the main window; the window clears it when it is destroyed.
TZentoraForma *ZentoraForma = nullptr;
}   // namespace

int main(int argc, char **argv)
{
    TAplikacja app(argc, argv);
    InicjujProgram();
    UstawTytulAplikacji(QStringLiteral("Zentora"));
    NrIkonyProgramu = 146;
    UstawCzcionkiZastepcze();
    UstawStylAplikacji();
    ZainstalujPrezenterOkien();
    ZainstalujKalkulator();
    ZainstalujKalendarz();
    ZainstalujOpcjeDruku();
    ZainstalujOknoDrukStop();

    // Qt's own dialogs (file dialogs, print dialogs) speak Polish too.
    QTranslator tlumaczQt;
    if (tlumaczQt.load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&tlumaczQt);

    const QStringList argumenty = QCoreApplication::arguments();
    const QString plik = argumenty.size() > 1 ? argumenty.at(1) : QString();

    // Shared by every window, so it lives longer than any of them.
    TModulApli ModulApli;

    ZentoraForma = new TZentoraForma;
    ZentoraForma->UstawAdresFormy(&ZentoraForma);
    ZentoraForma->UstawStart(DomyslnaSciezkaKonfiguracji(), plik);
    ZentoraForma->show();
    ZentoraForma->activateWindow();
    const int wynik = app.exec();
    delete ZentoraForma;   // nullptr once the window has freed itself
    return wynik;
}
