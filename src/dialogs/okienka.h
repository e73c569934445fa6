#pragma once
// What the small windows of this layer (calendar, pick list, calculator) share: their
// preparation, their window flags, their frame, their closing rules and their own event loop.

#include <QPointer>
#include <QWidget>

class QWindow;
class TMojBevel;
class TMojPanel;

// Common font of the small windows, and the shared edit menus for every control in it.
void PrzygotujOkno(QWidget *okno);

// The window that owns a small window opened for a form or for a field of it.
QWidget *OknoWlasciciela(QWidget *forma, QWidget *pole);
// Flags of a small window: borderless under a field, `bezPola` otherwise; it stays on top
// when its owner does.
Qt::WindowFlags FlagiMalegoOkna(QWidget *wlasciciel, bool podPolem, Qt::WindowFlags bezPola);
// The usable area of the widget's screen (of the primary screen without a widget).
QRect ObszarEkranu(const QWidget *w);
// After a choice the owner comes back to the front.
void PrzywrocWlasciciela(QWidget *wlasciciel);

// A small window: painted in the window colour of the style and, borderless under a field,
// outlined with a one-pixel shadow at the bottom and right so that it stands apart from the
// window under it. It closes once (saying `zamknieto`), with or without a result, and it
// closes by itself when another window of the program takes over.
class TMaleOkno : public QWidget {
    Q_OBJECT
public:
    // `zamykaPoAktywacji` false: a window that stays open beside the others.
    TMaleOkno(QWidget *rodzic, Qt::WindowFlags flagi, bool zamykaPoAktywacji = true);
    ~TMaleOkno() override;

    bool Zamkniete() const { return m_zamkniete; }
    // Whether it closed with a result (a date, a row, a value).
    bool Przyjete() const { return m_przyjete; }

    // The outline and shadow of a borderless window.
    void UstawRamke(bool ramka);

    // Places the window under the field (on the frame of an edit field, which is drawn
    // inside), or centred over the form's window; without a form, centred on the screen.
    void UmiescPodPolem(QWidget *pole);
    void UmiescNadOknem(QWidget *forma);

    // Shows the window (not modally) and processes the application's events until it
    // closes or is destroyed.
    void Czekaj();

signals:
    void zamknieto();

protected:
    // Marks the result taken and closes.
    void ZamknijZWynikiem();
    // The window's one size; the frame follows it at once, shown or not.
    void UstawStalyRozmiar(int szerokosc, int wysokosc);

    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void UlozRamke();
    void InneOknoAktywne(QWindow *okno);

    TMojPanel *m_tlo = nullptr;
    TMojBevel *m_obrys = nullptr;
    TMojBevel *m_cienDolny = nullptr;
    TMojBevel *m_cienPrawy = nullptr;
    bool m_zamkniete = false;
    bool m_przyjete = false;
    bool m_bylAktywny = false;
};

// Waits for the small window (see TMaleOkno::Czekaj), then, when it closed with a result,
// hands the window to `wez` and brings the owner back to the front; the window is deleted
// either way. The owner (and the window with it) may be gone by then: nothing is taken.
template <typename Okno, typename Wez> bool CzekajNaWynik(Okno *okno, QWidget *wlasciciel, Wez wez)
{
    const QPointer<Okno> o(okno);
    const QPointer<QWidget> w(wlasciciel);
    o->Czekaj();
    const bool przyjete = o && o->Przyjete();
    if (przyjete) {
        wez(*o);
        PrzywrocWlasciciela(w);
    }
    delete o.data();
    return przyjete;
}
