#include "dlgdrukstop.h"

#include "common/program.h"
#include "controls/panele.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {
QLabel *Panel(QWidget *rodzic, int gora, int wysokosc)
{
    auto *p = new QLabel(rodzic);
    p->setGeometry(0, gora, 232, wysokosc);
    p->setAlignment(Qt::AlignCenter);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return p;
}

QFont Arial9()
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    return f;
}
}   // namespace

TDLgDrukStop::TDLgDrukStop(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("DLgDrukStop"));
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(11);
    setFont(f);
    setFixedSize(232, 203);
    setWindowTitle(TytulAplikacji());
    // the light dialog background of the program under the panels
    auto *tlo = new TMojPanel(this);
    tlo->setXkolorAuto(3);
    tlo->setGeometry(rect());

    Panel1 = Panel(this, 0, 19);
    Panel1->setText(QStringLiteral("Drukowany(a)"));
    Panel2 = Panel(this, 19, 38);
    LabelDokum = new QLabel(Panel2);
    LabelDokum->setGeometry(2, 2, 228, 34);
    LabelDokum->setAlignment(Qt::AlignCenter);
    LabelDokum->setWordWrap(true);
    LabelDokum->setFont(Arial9());
    LabelDokum->setTextFormat(Qt::PlainText);
    Panel3 = Panel(this, 57, 19);
    Panel3->setText(QStringLiteral("na :"));
    PanelDruk = Panel(this, 76, 19);
    PanelPort = Panel(this, 95, 19);
    PanelStrona = Panel(this, 114, 41);
    PanelStrona->setFont(Arial9());
    for (QLabel *l : {PanelDruk, PanelPort, PanelStrona})
        l->setTextFormat(Qt::PlainText);

    AnulujBtn = new QPushButton(QStringLiteral("Anuluj"), this);
    AnulujBtn->setObjectName(QStringLiteral("AnulujBtn"));
    AnulujBtn->setGeometry(79, 170, 75, 23);
    connect(AnulujBtn, &QPushButton::clicked, this, &TDLgDrukStop::AnulujBtnClick);

    if (QScreen *ekran = QGuiApplication::primaryScreen())
        move(ekran->availableGeometry().center() - rect().center());
    Inicjuj(0);
}

void TDLgDrukStop::Inicjuj(int TypAbort)
{
    PRZERWANO_DRUK = false;
    AnulujBtn->setEnabled(true);
    Rodzaj_Abortu = TypAbort;
    LadujTytul(QStringLiteral("Dokument"));
    LadujOpisy(QStringLiteral("Drukarka standardowa"), QString());
    PanelStrona->clear();
}

void TDLgDrukStop::LadujTytul(const QString &Dokument) { LabelDokum->setText(Dokument); }

namespace {
// A long printer name or file path keeps both of its ends; the whole text is in the tip.
void Tekst(QLabel *l, const QString &t)
{
    l->setText(l->fontMetrics().elidedText(t, Qt::ElideMiddle, l->width() - 8));
    l->setToolTip(t);
}
}   // namespace

void TDLgDrukStop::LadujOpisy(const QString &Drukarka, const QString &Port)
{
    Tekst(PanelDruk, Drukarka);
    Tekst(PanelPort, QStringLiteral("na:  ") + Port);
}

void TDLgDrukStop::LadujNrStr(int NrStrony)
{
    PanelStrona->setText(QStringLiteral("Strona:  ") + QString::number(NrStrony));
}

void TDLgDrukStop::PokazPostep()
{
    // While a document prints no other window takes commands; Cancel here still works.
    setWindowModality(Qt::ApplicationModal);
    show();
    repaint();
}

void TDLgDrukStop::AnulujBtnClick()
{
    AnulujBtn->setEnabled(false);
    PRZERWANO_DRUK = true;
    if (Rodzaj_Abortu != 1 && DrukarkaDrukuje())
        AktDrukarka->PrzerwijDokument();
    hide();
    QCoreApplication::processEvents();
}

void TDLgDrukStop::reject()
{
    if (AnulujBtn->isEnabled())
        AnulujBtnClick();
}

void TDLgDrukStop::closeEvent(QCloseEvent *e) { e->ignore(); }

void ZainstalujOknoDrukStop()
{
    UtworzOknoPostepu = []() -> TpostepDruku * {
        if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
            return nullptr;
        return new TDLgDrukStop();
    };
}
