#pragma once
// Valuing the item rows and building the totals per VAT kind. The computation works on
// a small interface of cell texts, so the editor's two grids and the headless tool run
// exactly the same code.

#include "rekord.h"

#include <QStringList>

inline constexpr int kKolumnyPozycji = 9;   // item table: columns 1..9, rows 1..50
inline constexpr int kWierszeSum = 10;      // totals table: columns 0..3, rows 0..9
inline constexpr int kKolumnySum = 4;

// Columns of the item table.
enum KolumnaPozycji { kolTowar = 1, kolKlasyf, kolJedn, kolIlosc, kolCena, kolNetto, kolPrcVat, kolWarVat, kolBrutto };

class TabeleFaktury {
public:
    virtual ~TabeleFaktury() = default;
    virtual QString Pozycja(int kol, int wiersz) const = 0;
    virtual void UstawPozycje(int kol, int wiersz, const QString &tekst) = 0;
    virtual QString Suma(int kol, int wiersz) const = 0;
    virtual void UstawSume(int kol, int wiersz, const QString &tekst) = 0;
    // The amount-due panel.
    virtual void UstawDoZaplaty(const QString &tekst) = 0;
    // The text of the sale-date field.
    virtual QString TekstDatySprzedazy() const = 0;
};

// The tables held in memory, for the headless tool and for tests.
class TabeleWPamieci : public TabeleFaktury {
public:
    TabeleWPamieci();
    QString Pozycja(int kol, int wiersz) const override;
    void UstawPozycje(int kol, int wiersz, const QString &tekst) override;
    QString Suma(int kol, int wiersz) const override;
    void UstawSume(int kol, int wiersz, const QString &tekst) override;
    void UstawDoZaplaty(const QString &tekst) override { doZaplaty = tekst; }
    QString TekstDatySprzedazy() const override { return dataSprzedazy; }

    QString doZaplaty;
    QString dataSprzedazy;

private:
    QStringList m_pozycje;   // (wiersz - 1) * 9 + (kol - 1)
    QStringList m_sumy;      // wiersz * 4 + kol
};

// The sale date of the tables as a day count, 0 when it cannot be read.
double DataSprzedazy(const TabeleFaktury &t);
// Whether the sale date can be read; when not, shows the message, and with
// `przerwij` ends the running command quietly after it.
bool SprawdzDateSprzedazy(const TabeleFaktury &t, bool przerwij);

// The VAT kind of a rate text at the sale date; a text that is not one of the four
// rates shows the rate message and sets ok false.
TrodzajVat IndeksStawki(double dataSprzedazy, const QString &tekst, bool &ok);
TrodzajVat IndeksZPozycji(double dataSprzedazy, const QString &tekst, bool &ok);
TrodzajVat IndeksZEtykiety(double dataSprzedazy, const QString &etykieta, bool &ok);
QString StawkaDoZapisu(TrodzajVat r, const QString &etykieta);

// Values every item row and rebuilds the totals table and the amount due.
void PrzeliczSumy(TabeleFaktury &t);
// Before an invoice is saved, printed or exported: the sale date must be readable, a bill
// ("Rachunek") carries no VAT rate, and every row and total is valued again. Ends the
// command quietly after the message of whatever does not fit.
void PrzeliczDoZapisu(TabeleFaktury &t, TrodzajFaktury rodzaj);
// The same for a record without a window (zentora-cli): its rows and totals are valued
// again exactly as the editor's save command values them. Returns the amount due as shown.
QString PrzeliczRekord(TzentoraVat &rekord);

// Takes the totals and the item rows of the tables into the record (the last steps of
// filling the record from the window).
void TabeleDoRekordu(TabeleFaktury &t, TzentoraVat &rekord, bool przerwij);
// Moves the filled rows up over the empty ones between them, in their order: a row left
// empty in the grid is not an item and must not become a numbered blank line.
void ScisnijPozycje(TzentoraVat &rekord);
// Shows the record's totals, amount due and item rows in the tables, as stored.
void RekordDoTabel(const TzentoraVat &rekord, TabeleFaktury &t);
