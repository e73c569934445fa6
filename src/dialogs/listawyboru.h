#pragma once
// What the drop-down pick list knows without a window: the rows made of the given lines
// (plain lines, or a code of fixed length and a description), comment rows, the typed
// search prefix and the selection it moves, the keys, the fonts and the window's size.
// The dialog holds one TlistaWyboru, shows its rows and passes it the keys.

#include "common/paleta.h"

#include <QString>
#include <QStringList>
#include <QtCore/qnamespace.h>
#include <functional>

inline const QString kDodajNowaPozycje = QStringLiteral("Dodaj nową pozycję");

// Font of the list by the last two digits of its style code; the row height is in
// 96-dpi pixels. The fallbacks depend on which fixed-pitch fonts are installed.
struct TczcionkaListy {
    QString nazwa;
    int punkty = 9;
    int wysWiersza = 19;
};
TczcionkaListy CzcionkaListy(int kod, bool jestConsolas, bool jestLucidaConsole);

// Background of comment rows by the hundreds of the style code.
TKolor KolorKomentarzaListy(int kod);

// The window's size and the columns' widths.
struct TrozmiarListy {
    int szerokosc = 0;
    int wysokosc = 0;
    int widoczne = 0;     // rows shown at once
    bool pasek = false;   // a vertical scroll bar is needed
    int margines = 0;     // room for the frame (and the scroll bar)
    int szerKodu = 0;
    int szerOpisu = 0;
};

// Lkodu and Lopis: widest texts of the two columns in screen pixels; wysWiersza: row
// height in screen pixels; wiersze: rows wanted (negative: exactly that many even for
// fewer rows); szerokosc: wanted width in 96-dpi pixels, 0 for automatic; szerPola: width
// of the field under which the list opens, 0 without a field. The other sizes are 96-dpi
// designs scaled to `dpi`.
TrozmiarListy RozmiarListy(int Lkodu, int Lopis, int wysWiersza, int liczbaWierszy, int wiersze, int szerokosc,
                           int szerPola, int dpi);

class TlistaWyboru {
public:
    enum Reakcja { rkBrak, rkZamknij, rkZatwierdz, rkSzukano };

    // False when the lines hold nothing but blanks: there is nothing to offer.
    static bool SaLinie(const QString &linie);

    // Splits the lines into rows (at least two). With lenKodu > 0 each line is a code of
    // that many characters (trailing blanks dropped) and a description (trimmed); else the
    // whole trimmed line is the row's text.
    void WypelnijListe(const QString &linie, int lenKodu);

    int LiczbaWierszy() const { return int(m_kody.size()); }
    int LenKodu() const { return m_lenKodu; }
    bool JestKod() const { return m_lenKodu > 0; }
    QString Kod(int wiersz) const { return m_kody.value(wiersz); }
    QString Opis(int wiersz) const { return m_opisy.value(wiersz); }
    // A row after the first whose code is blank, in a code list: drawn apart, never chosen.
    bool JestKomentarzem(int wiersz) const;
    bool JestDodajNowa(int wiersz) const;
    // Widest non-blank code and description by the given measure.
    void Najszersze(const std::function<int(const QString &)> &miara, int &Lkodu, int &Lopis) const;

    int Wybrany() const { return m_wybrany; }
    void UstawWybrany(int wiersz);
    // First row shown; the list scrolls a found row into view.
    int GornyWiersz() const { return m_gorny; }
    void UstawGornyWiersz(int wiersz);
    void UstawWidoczne(int n);
    int Widoczne() const { return m_widoczne; }

    QString Szukany() const { return m_szukany; }
    void UstawSzukany(const QString &s);
    // Selects the first row whose code (or text) starts with the prefix, case aside. When
    // the prefix is blank or nothing matches, row 0 is selected if naPoczatek, else the
    // selection stays. Returns whether a row matched.
    bool Szukaj(bool naPoczatek);

    // A key pressed in the list: Escape closes, Enter confirms, Backspace and Delete shorten
    // the prefix, printable characters and letters extend it (both search again).
    Reakcja Klawisz(int klawisz, const QString &tekst);

    // The selected row's code and description; false (nothing taken) on a comment row.
    bool Zatwierdz(QString &param, QString &opis) const;

private:
    QStringList m_kody;
    QStringList m_opisy;
    int m_lenKodu = 0;
    int m_wybrany = 0;
    int m_gorny = 0;
    int m_widoczne = 1;
    QString m_szukany;
};
