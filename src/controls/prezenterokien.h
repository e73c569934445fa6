#pragma once
// The message presenter of the window program: a modal QMessageBox owned by the active
// window, with the icon, the button group and the default button of the record and Polish
// button texts.

#include "common/komunikaty.h"

class QMessageBox;
class QWidget;

class PrezenterOkien : public PrezenterKomunikatow {
public:
    int Pokaz(const TparDlg &par) override;

    // The box for a record, not yet shown. Each button carries its result identifier in
    // the property "idPrzycisku".
    static QMessageBox *ZbudujOkno(const TparDlg &par, QWidget *wlasciciel);
    // The result identifier of the pressed button of a box built by ZbudujOkno.
    static int WynikOkna(const QMessageBox &okno);
};

// Installs one PrezenterOkien for the whole run (the window program calls it at start-up).
void ZainstalujPrezenterOkien();
