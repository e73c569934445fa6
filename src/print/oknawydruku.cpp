#include "oknawydruku.h"

#include "drukarka.h"
#include "wydrukfaktury.h"

#include "common/bledy.h"
#include "common/teksty.h"
#include "controls/forma.h"
#include "controls/ikonyapli.h"
#include "controls/stylmenu.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QToolBar>

bool PokazPodglad(QWidget *wlasciciel, const TzentoraVat &Fakt, const TiniZentora &iniFak, int kopie)
{
    QPrintPreviewDialog dialog(DrukarkaAplikacji(), wlasciciel);
    dialog.setWindowTitle(QStringLiteral("Podgląd wydruku"));
    dialog.setWindowIcon(IkonyApli16().Ikona(Ikona::Drukuj));
    // the tool bar and its menus in the look of the program's other bars
    PrzygotujForme(&dialog);
    StylizujPaski(nullptr, dialog.findChildren<QToolBar *>(), dialog.findChildren<QMenu *>());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter *p) { RysujPodglad(p, Fakt, iniFak, kopie); });
    // The preview's own print button would send the pages as one document, without the
    // progress window: it hands the print to the print command instead.
    bool drukuj = false;
    const QString tekstDruku = QPrintPreviewDialog::tr("Print");
    for (QAction *a : dialog.findChildren<QAction *>()) {
        if (a->text() != tekstDruku)
            continue;
        a->disconnect();
        a->setToolTip(QStringLiteral("Drukuj"));
        QObject::connect(a, &QAction::triggered, &dialog, [&] {
            drukuj = true;
            dialog.accept();
        });
    }
    dialog.exec();
    return drukuj;
}

bool ZapiszPdfJako(QWidget *wlasciciel, const TzentoraVat &Fakt, const TiniZentora &iniFak, int kopie)
{
    QString folder = iniFak.iniFolder;
    if (Pusty(folder) || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString plik = QFileDialog::getSaveFileName(
        wlasciciel, QStringLiteral("Zapisz fakturę jako PDF"),
        QDir(folder).filePath(TytulDokumentu(Fakt) + QStringLiteral(".pdf")), QStringLiteral("Pliki PDF (*.pdf)"));
    if (plik.isEmpty())
        return false;
    try {
        return DrukujDoPdf(plik, Fakt, iniFak, qMax(1, kopie), true);
    } catch (const std::exception &e) {
        PokazBlad(e);   // nothing for a cancelled print: its message has been shown
        return false;
    }
}
