#pragma once
// What the small windows of this layer (calendar, pick list, calculator) share: their
// preparation, their window flags, their own event loop and their frame.

#include <QEventLoop>
#include <QWidget>

class QPainter;
class QWindow;

// Common font of the small windows, and the shared edit menus for every control in it.
void PrzygotujOkno(QWidget *okno);

// The window that owns a small window opened for a form or for a field of it.
QWidget *OknoWlasciciela(QWidget *forma, QWidget *pole);
// Flags of a small window: borderless under a field, `bezPola` otherwise; it stays on top
// when its owner does.
Qt::WindowFlags FlagiMalegoOkna(QWidget *wlasciciel, bool podPolem, Qt::WindowFlags bezPola);
// After a choice the owner comes back to the front.
void PrzywrocWlasciciela(QWidget *wlasciciel);
// The background, and for a borderless window an edge with a one-pixel shadow at the bottom
// and right, so that it stands apart from the window under it.
void RysujTloMalegoOkna(QPainter &g, const QRect &r, bool zRamka);

// Whether a small window that is open and visible must close now that `aktywne` became the
// active window: it closes when another window of the program takes over after it was
// active itself. Its own menus, tool tips, a switch to another program and a late activation
// of the caller before it was ever active do not count. Remembers its own activation.
bool ZamknacPoAktywacji(const QWidget *okno, const QWindow *aktywne, bool &bylAktywny);

// Shows a small window (not modally) and processes the application's events until it says
// `zamknieto` or is destroyed; nothing is waited for when `juzZamkniete` says so after
// showing.
template <typename Okno, typename Warunek> void CzekajNaZamkniecie(Okno *okno, Warunek juzZamkniete)
{
    QEventLoop petla;
    QObject::connect(okno, &Okno::zamknieto, &petla, &QEventLoop::quit);
    QObject::connect(okno, &QObject::destroyed, &petla, &QEventLoop::quit);
    okno->show();
    okno->raise();
    okno->activateWindow();
    if (okno->isVisible() && !juzZamkniete())
        petla.exec();
}
