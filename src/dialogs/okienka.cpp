#include "okienka.h"

#include "polozenie.h"

#include "common/paleta.h"
#include "controls/forma.h"
#include "controls/panele.h"

#include <QAbstractSpinBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFont>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QWindow>

namespace {

constexpr int kTloOkna = 3;      // palette entry of the background
constexpr int kObrysOkna = 19;   // and of the outline

TMojBevel *Linia(QWidget *rodzic)
{
    auto *b = new TMojBevel(rodzic);
    b->hide();
    return b;
}

// Whether a small window that is open and visible must close now that `aktywne` became the
// active window: it closes when another window of the program takes over after it was
// active itself. Its own menus, tool tips, a switch to another program and a late activation
// of the caller before it was ever active do not count. Remembers its own activation.
bool ZamknacPoAktywacji(const QWidget *okno, const QWindow *aktywne, bool &bylAktywny)
{
    if (!okno->isVisible() || !aktywne)
        return false;
    if (aktywne == okno->windowHandle()) {
        bylAktywny = true;
        return false;
    }
    return bylAktywny && aktywne->type() != Qt::Popup && aktywne->type() != Qt::ToolTip;
}

}   // namespace

void PrzygotujOkno(QWidget *okno)
{
    if (!okno)
        return;
    // The small windows are designed for Tahoma 8: the size first, the family and the
    // shared edit menus from the common window preparation.
    QFont f = okno->font();
    f.setPointSize(8);
    okno->setFont(f);
    PrzygotujForme(okno);
}

QWidget *OknoWlasciciela(QWidget *forma, QWidget *pole)
{
    return forma ? forma->window() : (pole ? pole->window() : nullptr);
}

Qt::WindowFlags FlagiMalegoOkna(QWidget *wlasciciel, bool podPolem, Qt::WindowFlags bezPola)
{
    Qt::WindowFlags flagi = podPolem ? (Qt::Tool | Qt::FramelessWindowHint) : bezPola;
    if (wlasciciel && (wlasciciel->windowFlags() & Qt::WindowStaysOnTopHint))
        flagi |= Qt::WindowStaysOnTopHint;
    return flagi;
}

QRect ObszarEkranu(const QWidget *w)
{
    const QScreen *ekran = w && w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return ekran ? ekran->availableGeometry() : QRect(0, 0, 1024, 768);
}

void PrzywrocWlasciciela(QWidget *wlasciciel)
{
    if (wlasciciel) {
        wlasciciel->raise();
        wlasciciel->activateWindow();
    }
}

// ---------------------------------------------------------------------------------------------

TMaleOkno::TMaleOkno(QWidget *rodzic, Qt::WindowFlags flagi, bool zamykaPoAktywacji) : QWidget(rodzic, flagi)
{
    // The background panel covers the whole window.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_tlo = new TMojPanel(this);
    m_tlo->setXkolorAuto(kTloOkna);
    m_tlo->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_obrys = Linia(this);
    m_obrys->setXstylInny(true);
    m_obrys->setXstylInnyNr(kObrysOkna);
    m_cienDolny = Linia(this);
    m_cienDolny->setXkolorAuto(false);
    m_cienPrawy = Linia(this);
    m_cienPrawy->setXkolorAuto(false);
    UlozRamke();
    if (zamykaPoAktywacji)
        connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &TMaleOkno::InneOknoAktywne);
}

TMaleOkno::~TMaleOkno() = default;

void TMaleOkno::UstawRamke(bool ramka)
{
    // The shadow is a darker shade of the outline, so it follows the style.
    const TKolor cien = KolorWzgledny(KolorStylu(kObrysOkna), -60);
    for (TMojBevel *b : {m_obrys, m_cienDolny, m_cienPrawy}) {
        if (b != m_obrys)
            b->setXKolor(cien);
        b->setVisible(ramka);
        b->raise();
    }
    UlozRamke();
}

void TMaleOkno::UlozRamke()
{
    const int w = width(), h = height();
    m_tlo->setGeometry(0, 0, w, h);
    // The outline leaves the last column and row to the shadow, which starts a pixel in.
    m_obrys->setGeometry(0, 0, w - 1, h - 1);
    m_cienDolny->setGeometry(1, h - 1, w - 1, 1);
    m_cienPrawy->setGeometry(w - 1, 1, 1, h - 1);
}

void TMaleOkno::UmiescPodPolem(QWidget *pole)
{
    const QRect rPola(pole->mapToGlobal(QPoint(0, 0)), pole->size());
    const bool odsun = qobject_cast<QLineEdit *>(pole) || qobject_cast<QAbstractSpinBox *>(pole);
    move(PolozeniePodPolem(rPola, size(), ObszarEkranu(pole), odsun));
}

void TMaleOkno::UmiescNadOknem(QWidget *forma)
{
    const QRect obszar = ObszarEkranu(forma);
    move(PolozenieNadOknem(forma ? forma->window()->frameGeometry() : obszar, size(), obszar));
}

void TMaleOkno::Czekaj()
{
    QEventLoop petla;
    connect(this, &TMaleOkno::zamknieto, &petla, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &petla, &QEventLoop::quit);
    const QPointer<TMaleOkno> ja(this);
    show();
    raise();
    activateWindow();
    // Showing may already have closed or destroyed it: then there is nothing to wait for.
    if (ja && isVisible() && !m_zamkniete)
        petla.exec();
}

void TMaleOkno::ZamknijZWynikiem()
{
    m_przyjete = true;
    close();
}

void TMaleOkno::UstawStalyRozmiar(int szerokosc, int wysokosc)
{
    setFixedSize(szerokosc, wysokosc);
    // A hidden window gets its resize event only when shown.
    UlozRamke();
}

void TMaleOkno::closeEvent(QCloseEvent *e)
{
    m_zamkniete = true;
    e->accept();
    hide();
    emit zamknieto();
}

void TMaleOkno::resizeEvent(QResizeEvent *e)
{
    UlozRamke();
    QWidget::resizeEvent(e);
}

void TMaleOkno::InneOknoAktywne(QWindow *okno)
{
    // Another window of the program became active after this one: leave without a result.
    if (!m_zamkniete && ZamknacPoAktywacji(this, okno, m_bylAktywny))
        close();
}
