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

class TListaObrazow {
public:
    // Draws on a 20 × 20 design grid; the list scales it to its size.
    using Rysunek = std::function<void(QPainter &)>;

    explicit TListaObrazow(int bok) : m_bok(bok) {}

    int Bok() const { return m_bok; }
    // One more than the highest index that holds a picture.
    int Count() const { return m_rysunki.isEmpty() ? 0 : m_rysunki.lastKey() + 1; }
    bool Jest(int nr) const { return m_rysunki.contains(nr); }
    QList<int> Indeksy() const { return m_rysunki.keys(); }
    // The picture at the list's size; a null pixmap for an index without one.
    QPixmap Obraz(int nr) const;
    // The picture as an icon, also drawn at twice the size for dense screens; empty for an
    // index without one.
    QIcon Ikona(int nr) const;

    void Dodaj(int nr, const Rysunek &r) { m_rysunki.insert(nr, r); }

private:
    int m_bok;
    QMap<int, Rysunek> m_rysunki;
};

// The lists, drawn on first use (a QGuiApplication must exist).
const TListaObrazow &IkonyApli();
const TListaObrazow &IkonyApli16();
const TListaObrazow &IkonyApli32();
const TListaObrazow &IkonySys32();
