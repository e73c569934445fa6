// The header fields: the calendar buttons, the seller buttons and the
// paid pro-forma invoice.

#include "zentoraedyt.h"

#include "poleedycji.h"

#include "common/daty.h"
#include "common/komunikaty.h"
#include "common/program.h"
#include "common/teksty.h"
#include "controls/fokus.h"
#include "controls/tokienka.h"

#include <QAction>
#include <QToolButton>

void TZentoraForma::WybierzDate(TokienkoData *pole)
{
    if (!pole || !MozeMiecFokus(pole) || !Dialogi.Kalendarz)
        return;
    pole->setFocus(Qt::OtherFocusReason);
    pole->selectAll();
    QString tekst = pole->Tekst();
    if (Dialogi.Kalendarz(this, pole, tekst)) {
        pole->UstawTekst(tekst);
        if (pole == EdyDatSprz)
            PoZmianieDatySprzedazy();
    }
}

void TZentoraForma::BtnFirmaBankOsobaClick(QObject *nadawca)
{
    if (nadawca == BtnSpFirma)
        EdytujParametry(2);
    else if (nadawca == BtnSprzedal)
        EdytujParametry(3);
}

void TZentoraForma::cboZentoraCloseUp()
{
    if (cboZentora->currentIndex() != rZentora || FaktRobo.RodzajFak != rProForma)
        return;
    // the pro forma becomes the VAT invoice, issued and sold today; "paid" only when it was
    const bool zaplacona =
        PytanieTakNieOkna(this, QStringLiteral("Faktura pro forma"),
                          QStringLiteral("?Czy należność z faktury pro forma została zapłacona ?"), 2);
    const double dzis = DataDzis();
    EdyDatWyst->UstawTekst(DataNaTekst(QString(), dzis));
    EdyDatSprz->UstawTekst(DataNaTekst(QString(), dzis));
    const int dni = !zaplacona && cboJakPlaci->currentIndex() == zPrzelew ? IniZentora.iniDniZapl : 0;
    EdyDatZapl->UstawTekst(DataNaTekst(QString(), dzis + dni));
    // numbered in the invoices' series of today's year, hence after the dates
    AcAktNumer->trigger();
    if (zaplacona) {
        EdyUwagi->setText(QStringLiteral("Należność zapłacono."));
        EdyUwagi->setCursorPosition(0);
    }
    PoZmianieDatySprzedazy();
}
