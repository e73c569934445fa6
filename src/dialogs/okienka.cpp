#include "okienka.h"

#include "common/paleta.h"
#include "controls/forma.h"
#include "controls/kolory.h"

#include <QFont>
#include <QPainter>
#include <QWindow>

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

void PrzywrocWlasciciela(QWidget *wlasciciel)
{
    if (wlasciciel) {
        wlasciciel->raise();
        wlasciciel->activateWindow();
    }
}

void RysujTloMalegoOkna(QPainter &g, const QRect &r, bool zRamka)
{
    g.fillRect(r, NaQColor(KolorStylu(3)));
    if (!zRamka)
        return;
    g.setPen(NaQColor(KolorStylu(19)));
    g.drawRect(r.adjusted(0, 0, -2, -2));
    g.setPen(NaQColor(KolorWzgledny(KolorStylu(19), -60)));
    g.drawLine(r.left() + 1, r.bottom(), r.right(), r.bottom());
    g.drawLine(r.right(), r.top() + 1, r.right(), r.bottom());
}

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
