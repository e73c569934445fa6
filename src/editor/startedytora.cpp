#include "startedytora.h"

#include "common/paleta.h"
#include "common/program.h"
#include "controls/platforma.h"
#include "controls/prezenterokien.h"
#include "dialogs/dlgkalendarz.h"
#include "dialogs/kalkulator.h"
#include "print/dlgdrukstop.h"
#include "print/opcjedruku.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void PrzygotujEdytor()
{
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

    // Qt's own dialogs (file dialogs, print dialogs) speak Polish too; the translator is the
    // application's for the rest of the process.
    auto *tlumaczQt = new QTranslator(QCoreApplication::instance());
    if (tlumaczQt->load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(tlumaczQt);
}
