// The editor's start up to its first shown window, then an orderly exit: the start-up cost
// of zentora as a whole process, for ./bench. Usage: zentora_start Faktury.ini
// The program and the window are set up exactly as zentora's main sets them up.

#include "controls/aplikacja.h"
#include "controls/modulapli.h"
#include "editor/startedytora.h"
#include "editor/zentoraedyt.h"

#include <QTimer>

int main(int argc, char **argv)
{
    TAplikacja app(argc, argv);
    PrzygotujEdytor();
    TModulApli modul;
    TZentoraForma *forma = new TZentoraForma;
    forma->UstawAdresFormy(&forma);
    forma->UstawStart(QCoreApplication::arguments().value(1), QString());
    forma->show();
    // the first pass of the event loop paints the shown window
    QTimer::singleShot(0, &app, [&] { QCoreApplication::exit(forma && forma->isVisible() ? 0 : 1); });
    const int wynik = app.exec();
    delete forma;
    return wynik;
}
