#include "prezenterokien.h"

#include "common/program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {

const char *const kWlasnosc = "idPrzycisku";

QMessageBox::Icon Ikona(TicoDlg ikona)
{
    switch (ikona) {
    case icInfo: return QMessageBox::Information;
    case icUwaga: return QMessageBox::Warning;
    case icError: return QMessageBox::Critical;
    case icPytaj: return QMessageBox::Question;
    case icBrak: return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

struct OpisPrzycisku {
    QString tekst;
    QMessageBox::ButtonRole rola;
};

OpisPrzycisku Opis(int id)
{
    // The "&" letters work in the box without Alt, as the system boxes do.
    switch (id) {
    case idOK: return {QStringLiteral("OK"), QMessageBox::AcceptRole};
    case idCancel: return {QStringLiteral("Anuluj"), QMessageBox::RejectRole};
    case idAbort: return {QStringLiteral("P&rzerwij"), QMessageBox::RejectRole};
    case idRetry: return {QStringLiteral("&Ponów"), QMessageBox::AcceptRole};
    case idIgnore: return {QStringLiteral("&Ignoruj"), QMessageBox::AcceptRole};
    case idYes: return {QStringLiteral("&Tak"), QMessageBox::YesRole};
    case idNo: return {QStringLiteral("&Nie"), QMessageBox::NoRole};
    }
    return {QStringLiteral("OK"), QMessageBox::AcceptRole};
}

// The button that Escape presses: Cancel where there is one, "No" on a yes/no question.
int PrzyciskEscape(TGrKlaw grupa)
{
    switch (grupa) {
    case grpOK: return idOK;
    case grpYN: return idNo;
    case grpKC:
    case grpRC:
    case grpYNC: return idCancel;
    case grpARI: return idAbort;
    }
    return idOK;
}

}   // namespace

QMessageBox *PrezenterOkien::ZbudujOkno(const TparDlg &par, QWidget *wlasciciel)
{
    auto *okno = new QMessageBox(wlasciciel);
    okno->setIcon(Ikona(par.pIcoDlg));
    okno->setWindowTitle(par.pNagl.isEmpty() ? TytulAplikacji() : par.pNagl);
    okno->setTextFormat(Qt::PlainText);
    QString tekst = par.pInfo;
    tekst.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QChar(13), QChar(10));
    okno->setText(tekst);
    const int domyslny = DomyslnyPrzycisk(par);
    const int escape = PrzyciskEscape(par.pGrKlaw);
    for (int id : PrzyciskiGrupy(par.pGrKlaw)) {
        const OpisPrzycisku o = Opis(id);
        QPushButton *b = okno->addButton(o.tekst, o.rola);
        b->setProperty(kWlasnosc, id);
        if (id == domyslny)
            okno->setDefaultButton(b);
        if (id == escape)
            okno->setEscapeButton(b);
    }
    return okno;
}

int PrezenterOkien::WynikOkna(const QMessageBox &okno)
{
    // a box closed by its title bar counts as its Escape button
    const QAbstractButton *b = okno.clickedButton() ? okno.clickedButton() : okno.escapeButton();
    return b ? b->property(kWlasnosc).toInt() : int(idCancel);
}

int PrezenterOkien::Pokaz(const TparDlg &par)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return DomyslnyPrzycisk(par);
    QPointer<QMessageBox> okno = ZbudujOkno(par, QApplication::activeWindow());
    okno->setWindowModality(Qt::ApplicationModal);
    okno->exec();
    if (!okno)
        return DomyslnyPrzycisk(par);
    const int wynik = WynikOkna(*okno);
    delete okno;
    return wynik;
}

void ZainstalujPrezenterOkien()
{
    static PrezenterOkien prezenter;
    UstawPrezenter(&prezenter);
}
