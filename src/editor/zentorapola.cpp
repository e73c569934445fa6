// The header fields: the city pick list, the calendar buttons, the seller buttons and the
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

QString TZentoraForma::ListaMiast(QChar litera)
{
    QStringList lista;
    for (const QString &m : SpisMiast.Miasta())
        if (ZaczynaOd(m, QString(litera))
            && (lista.isEmpty() || lista.constLast().compare(m, Qt::CaseInsensitive) != 0))
            lista.append(m);
    return lista.join(QLatin1Char('\n'));
}

void TZentoraForma::EdyMiastoChange(const QString &tekst)
{
    if (tekst.size() != 1 || !Dialogi.Lista)
        return;
    QString linie = ListaMiast(tekst.at(0));
    // with no city to offer, the one line only says so and is never taken as a city
    const bool brak = linie.isEmpty();
    if (brak)
        linie = QStringLiteral("Brak miast na literę: \"%1\"").arg(tekst);
    QString opis, param;
    if (Dialogi.Lista(this, linie, 0, EdyMiasto->width(), 8, 10, EdyMiasto, opis, param) && !brak && Niepusty(param))
        EdyMiasto->setText(param);
    // typing goes on in the field, after the letter or the chosen city
    if (isVisible()) {
        activateWindow();
        EdyMiasto->setFocus(Qt::OtherFocusReason);
        EdyMiasto->deselect();
        EdyMiasto->end(false);
    }
}

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
    AcAktNumer->trigger();
    const bool zaplacona =
        PytanieTakNieOkna(this, QStringLiteral("Faktura pro forma"),
                          QStringLiteral("?Czy należność z faktury pro forma została zapłacona ?"), 2);
    const double dzis = DataDzis();
    EdyDatWyst->UstawTekst(DataNaTekst(QString(), dzis));
    EdyDatSprz->UstawTekst(DataNaTekst(QString(), dzis));
    const int dni = !zaplacona && cboJakPlaci->currentIndex() == zPrzelew ? IniZentora.iniDniZapl : 0;
    EdyDatZapl->UstawTekst(DataNaTekst(QString(), dzis + dni));
    if (zaplacona) {
        EdyUwagi->setText(QStringLiteral("Należność zapłacono."));
        EdyUwagi->setCursorPosition(0);
    }
    PoZmianieDatySprzedazy();
}
