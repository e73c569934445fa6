// Zentora, the invoice editor: one window holding one invoice.
// Usage: zentora [FILE.FAK]

#include "common/program.h"
#include "controls/aplikacja.h"
#include "controls/modulapli.h"
#include "editor/startedytora.h"
#include "editor/zentoraedyt.h"
#include "invoice/kopiaodzysku.h"

namespace {
// The variable that holds the main window; the window clears it when it is destroyed.
TZentoraForma *ZentoraForma = nullptr;
}   // namespace

int main(int argc, char **argv)
{
    TAplikacja app(argc, argv);
    PrzygotujEdytor();

    const QStringList argumenty = QCoreApplication::arguments();
    const QString plik = argumenty.size() > 1 ? argumenty.at(1) : QString();

    // Shared by every window, so it lives longer than any of them.
    TModulApli ModulApli;

    ZentoraForma = new TZentoraForma;
    ZentoraForma->UstawAdresFormy(&ZentoraForma);
    ZentoraForma->UstawStart(DomyslnaSciezkaKonfiguracji(), plik);
    ZentoraForma->UstawKopieOdzysku(FolderOdzysku());
    ZentoraForma->show();
    ZentoraForma->activateWindow();
    const int wynik = app.exec();
    delete ZentoraForma;   // nullptr once the window has freed itself
    return wynik;
}
