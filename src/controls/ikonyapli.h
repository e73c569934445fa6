#pragma once
// The application's shared pictures, kept in image lists and named by index, so that every
// window, menu and button takes the same picture for the same command. They are drawn in
// code: the program needs no image files.
//
//   IkonyApli    19 × 19, menus, actions and the tool bar
//   IkonyApli16  16 × 16, window icons and small buttons
//   IkonyApli32  32 × 32
//   IkonySys32   32 × 32 system pictures: 0 information, 1 warning, 2 error, 3 question
//
// The first three lists share one index space; the indexes the windows use are below.

#include <QIcon>
#include <QMap>
#include <QObject>
#include <QPixmap>
#include <functional>

class QPainter;

namespace Ikona {
enum : int {
    Nowa = 0,
    Otworz = 1,
    Zapisz = 2,
    Baza = 3,
    EdycjaBazy = 4,
    Akceptuj = 5,
    Kalkulator16 = 6,
    Anuluj = 7,
    Dopisz = 8,
    Plansza = 9,
    Produkty = 10,
    Numer = 11,
    Format = 12,
    Czcionka = 13,
    Koniec = 14,
    Pomoc = 15,
    Wstecz = 16,
    Dalej = 17,
    WDol = 22,
    WGore = 23,
    Drukuj = 30,
    Drukarka = 31,
    Parametry = 35,
    Program = 40,
    Kalkulator = 51,
    Kalendarz = 54,
    Wytnij = 70,
    Kopiuj = 71,
    Wklej = 72,
    ZaznaczCalosc = 73,
    Cofnij = 76,
    Wizytowka = 146,
};
}

// A list of same-sized pictures addressed by index: the application's lists below, and any
// list a window fills with pictures of its own for its image buttons (przyciski.h). An entry
// is either a drawing (on a 20 × 20 design grid, drawn at the list's size) or a ready picture.
// Buttons follow the list: when it is destroyed they lose their glyphs.
class TListaObrazow : public QObject {
    Q_OBJECT
public:
    using Rysunek = std::function<void(QPainter &)>;

    // `bok` 0: the pictures keep their own size.
    explicit TListaObrazow(int bok = 0, QObject *rodzic = nullptr) : QObject(rodzic), m_bok(bok) {}

    int Bok() const { return m_bok; }
    // One more than the highest index that holds a picture.
    int Count() const { return m_obrazy.isEmpty() ? 0 : m_obrazy.lastKey() + 1; }
    bool Jest(int nr) const { return m_obrazy.contains(nr); }
    QList<int> Indeksy() const { return m_obrazy.keys(); }
    // The picture at the list's size (times `skala` for dense screens, with that pixel
    // ratio); a null pixmap for an index without one.
    QPixmap Obraz(int nr, qreal skala = 1) const;
    // The picture as an icon, also at twice the size for dense screens; empty for an index
    // without one.
    QIcon Ikona(int nr) const;
    // The drawing of an entry on the design grid (to paint it on other devices, such as the
    // program's icon files); empty for a ready picture or an index without one.
    Rysunek RysunekObrazu(int nr) const { return m_obrazy.value(nr).rysunek; }

    void Dodaj(int nr, const Rysunek &r) { m_obrazy.insert(nr, {r, {}}); }
    // A ready picture at the first free index after the last one; returns that index.
    int Dodaj(const QPixmap &obraz);

private:
    struct Wpis {
        Rysunek rysunek;
        QPixmap obraz;
    };
    int m_bok;
    QMap<int, Wpis> m_obrazy;
};

// The lists, drawn on first use (a QGuiApplication must exist).
const TListaObrazow &IkonyApli();
const TListaObrazow &IkonyApli16();
const TListaObrazow &IkonyApli32();
const TListaObrazow &IkonySys32();
