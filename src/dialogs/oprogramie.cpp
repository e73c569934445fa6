#include "oprogramie.h"

#include "controls/forma.h"
#include "controls/kolory.h"
#include "controls/panele.h"
#include "controls/platforma.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

std::function<bool(const QUrl &)> ProcOtworzAdres = [](const QUrl &adres) { return QDesktopServices::openUrl(adres); };

const QString THelpLodrin::kProducent = QStringLiteral("KORVEN");
const QString THelpLodrin::kTelefon1 = QStringLiteral("tel. 61 000 00 01");
const QString THelpLodrin::kTelefon2 = QStringLiteral("tel. 61 000 00 02");
const QString THelpLodrin::kMail = QStringLiteral("biuro@zentora.pl");
const QString THelpLodrin::kWww = QStringLiteral("www.zentora.pl");
const QString THelpLodrin::kAutor = QStringLiteral("Zespół Zentora");

namespace {

QFont Czcionka(const QString &rodzina, int piksele, bool gruba = false)
{
    QFont f(rodzina);
    f.setPixelSize(SkalujDpi(piksele));
    f.setBold(gruba);
    return f;
}

QLabel *Napis(const QString &tekst, const QFont &f, QWidget *rodzic)
{
    auto *l = new QLabel(tekst, rodzic);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    l->setTextFormat(Qt::PlainText);
    return l;
}

void KolorTla(QWidget *w, const QColor &k)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, k);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

}   // namespace

// ---------------------------------------------------------------- TetykietaLinku

TetykietaLinku::TetykietaLinku(const QString &tekst, QWidget *rodzic) : TInfoLabel(tekst, rodzic)
{
    setAlignment(Qt::AlignCenter);
    setMouseTracking(true);
    setFont(Czcionka(QStringLiteral("Verdana"), 13, true));
    setXstylInfo(TrekordInfoFont::styl_H_normal);
    connect(this, &TInfoLabel::XnaKlik, this, &TetykietaLinku::klik);
}

bool TetykietaLinku::Wskazany() const
{
    return XstylInfo() == TrekordInfoFont::styl_H_wskaz || XstylInfo() == TrekordInfoFont::styl_H_nacisk;
}

TKolor TetykietaLinku::KolorTekstu() const { return ZQColor(Wskazany() ? KolorWskazany() : m_normalny); }

QFont TetykietaLinku::CzcionkaStylu() const
{
    QFont f = CzcionkaWlasna();
    f.setUnderline(!Wskazany());
    return f;
}

void TetykietaLinku::UstawKolorNormalny(const QColor &k)
{
    m_normalny = k;
    Zastosuj();
}

void TetykietaLinku::Pokaz(bool wskazany)
{
    if (Reaguje())
        setXstylInfo(wskazany ? TrekordInfoFont::styl_H_wskaz : TrekordInfoFont::styl_H_normal);
}

void TetykietaLinku::leaveEvent(QEvent *e)
{
    TInfoLabel::leaveEvent(e);
    if (hasFocus())
        Pokaz(true);
}

void TetykietaLinku::mouseMoveEvent(QMouseEvent *e)
{
    if (XstylInfo() == TrekordInfoFont::styl_H_normal)
        Pokaz(true);
    TInfoLabel::mouseMoveEvent(e);
}

void TetykietaLinku::mouseDoubleClickEvent(QMouseEvent *e)
{
    // The first click of a double click has opened the address already: a second mail
    // window or browser tab is not wanted.
    e->accept();
}

void TetykietaLinku::focusInEvent(QFocusEvent *e)
{
    Pokaz(true);
    TInfoLabel::focusInEvent(e);
}

void TetykietaLinku::focusOutEvent(QFocusEvent *e)
{
    Pokaz(underMouse());
    TInfoLabel::focusOutEvent(e);
}

// ---------------------------------------------------------------- THelpLodrin

THelpLodrin::THelpLodrin(QWidget *wlasciciel)
    : QDialog(wlasciciel, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral(" O programie ..."));
    PrzygotujForme(this);
    KolorTla(this, QColor(206, 232, 253));

    auto *tlo = new TMojPanel(this);
    tlo->setColor(RGB(255, 255, 255));
    Panel1 = tlo;
    auto *u = new QVBoxLayout(Panel1);
    u->setContentsMargins(SkalujDpi(8), SkalujDpi(14), SkalujDpi(8), SkalujDpi(10));
    u->setSpacing(SkalujDpi(2));

    Label4 = Napis(QStringLiteral("ZENTORA"), Czcionka(QStringLiteral("Arial"), 19, true), Panel1);
    QPalette p = Label4->palette();
    p.setColor(QPalette::WindowText, QColor(20, 120, 220));
    Label4->setPalette(p);
    Label5 = Napis(QStringLiteral("( część systemu  TRAMOLIN )"), Czcionka(QStringLiteral("Tahoma"), 11, true), Panel1);
    LabelFirma = Napis(kProducent, Czcionka(QStringLiteral("Tahoma"), 15, true), Panel1);
    LabelTelefon1 = Napis(kTelefon1, Czcionka(QStringLiteral("Tahoma"), 13), Panel1);
    LabelTelefon2 = Napis(kTelefon2, Czcionka(QStringLiteral("Tahoma"), 13), Panel1);
    LabelMail = new TetykietaLinku(kMail, Panel1);
    LabelWww = new TetykietaLinku(kWww, Panel1);
    LabelMail->setToolTip(QStringLiteral(" Napisz do nas "));
    LabelWww->setToolTip(QStringLiteral(" Otwórz stronę w przeglądarce "));
    LabelAutor1 = Napis(QStringLiteral("Autor projektu:"), Czcionka(QStringLiteral("Tahoma"), 13), Panel1);
    LabelAutor2 = Napis(kAutor, Czcionka(QStringLiteral("Tahoma"), 13), Panel1);

    u->addWidget(Label4);
    u->addWidget(Label5);
    u->addStretch(2);
    u->addWidget(LabelFirma);
    u->addSpacing(SkalujDpi(6));
    u->addWidget(LabelTelefon1);
    u->addWidget(LabelTelefon2);
    u->addSpacing(SkalujDpi(10));
    u->addWidget(LabelMail);
    u->addSpacing(SkalujDpi(4));
    u->addWidget(LabelWww);
    u->addStretch(2);
    u->addWidget(LabelAutor1);
    u->addWidget(LabelAutor2);
    u->addStretch(1);

    auto *dolny = new TMojPanel(this);
    dolny->setXliniaElem(2);
    dolny->setXliniaAuto(true);
    dolny->setXkolorAuto(3);
    MojPanel1 = dolny;
    ButnOk = new QPushButton(QStringLiteral("OK"), MojPanel1);
    ButnOk->setDefault(true);
    ButnOk->setMinimumWidth(SkalujDpi(75));
    auto *dol = new QHBoxLayout(MojPanel1);
    dol->setContentsMargins(0, SkalujDpi(4), 0, SkalujDpi(4));
    dol->addStretch();
    dol->addWidget(ButnOk);
    dol->addStretch();

    auto *calosc = new QVBoxLayout(this);
    calosc->setContentsMargins(0, 0, 0, 0);
    calosc->setSpacing(0);
    calosc->addWidget(Panel1, 1);
    calosc->addWidget(MojPanel1);

    connect(ButnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(LabelMail, &TetykietaLinku::klik, this, &THelpLodrin::LabelMailClick);
    connect(LabelWww, &TetykietaLinku::klik, this, &THelpLodrin::LabelWwwClick);

    PrzypiszPopupOknu(this);
    setFixedSize(std::max(SkalujDpi(242), sizeHint().width()), std::max(SkalujDpi(323), sizeHint().height()));
    ButnOk->setFocus();
}

void THelpLodrin::LabelMailClick()
{
    // An empty subject and body: the mail program starts a new message to the address.
    const QUrl adres(QStringLiteral("mailto:") + LabelMail->text() + QStringLiteral("?subject=&Body="));
    if (ProcOtworzAdres)
        ProcOtworzAdres(adres);
}

void THelpLodrin::LabelWwwClick()
{
    const QUrl adres = QUrl::fromUserInput(LabelWww->text());
    if (ProcOtworzAdres)
        ProcOtworzAdres(adres);
}

void PokazOProgramie(QWidget *wlasciciel)
{
    QPointer<THelpLodrin> d = new THelpLodrin(wlasciciel);
    KolorTla(d, NaQColor(KolorStylu(3)));
    d->LabelMail->UstawKolorNormalny(d->LabelMail->palette().color(QPalette::WindowText));
    d->LabelWww->UstawKolorNormalny(d->LabelMail->KolorNormalny());
    QScreen *ekran = wlasciciel && wlasciciel->screen() ? wlasciciel->screen() : QGuiApplication::primaryScreen();
    if (ekran) {
        const QRect obszar = ekran->availableGeometry();
        d->move(obszar.center() - QPoint(d->width() / 2, d->height() / 2));
    }
    d->exec();
    delete d.data();
}
