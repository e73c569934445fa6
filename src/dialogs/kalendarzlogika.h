#pragma once
// Arithmetic of the month calendar: where a day lies in the 7 x 7 grid (Monday first,
// row 0 holds the day names), moving by months, Polish public holidays and the colour
// rules of the day cells. No widgets here, so all of it is testable on its own.

#include "common/paleta.h"

#include <QString>

// One date described within its month.
struct TparaDaty {
    int R = 0, M = 0, D = 0;   // year, month, day
    double T = 0;              // the date
    int Dtyg = 0;              // day of the week, 1 = Monday ... 7 = Sunday
    int Dmax = 0;              // days of the month
    double Tm1 = 0;            // first day of the month
    int Dtg1 = 0;              // day of the week of the first day
    int puste = 0;             // empty cells before the first day
};

// Day names of the header, Monday first, and month names of the month menu.
extern const QString kNazwyDniKalendarza[7];
extern const QString kNazwyMiesiecyKalendarza[12];

inline constexpr int kRokMinKalendarza = 1;
inline constexpr int kRokMaxKalendarza = 9999;
// The window does not go before this year.
inline constexpr int kRokMinOkna = 1900;

// Text colour of Sundays and holidays, background of holidays.
inline constexpr TKolor kKolorNiedzieli = RGB(225, 35, 0);
inline constexpr TKolor kTloSwieta = RGB(255, 224, 225);

// Day of the week of a date, 1 = Monday ... 7 = Sunday.
int DzienTygodnia(double data);

// The description of a date; year limited to 1..9999, month to 1..12, day to the month.
TparaDaty OpisDaty(int rok, int miesiac, int dzien);

// The grid cell of day n (limited to 1..31) of the month described by p.
void DzienNaCele(const TparaDaty &p, int n, int &ACol, int &ARow);
// The day in a cell, 0 when the cell holds none (the header row, cells before the first
// or after the last day).
int CelaNaDzien(const TparaDaty &p, int ACol, int ARow);

// The date delta months away, keeping the day where the new month has it (else its last
// day). Stays within January 0001 .. December 9999.
TparaDaty ZmianaMiesiaca(const TparaDaty &p, int delta);

// Gregorian Easter Sunday of a year (1..9999).
void DataWielkanocy(int rok, int &miesiac, int &dzien);
// The present set of Polish public holidays holds from 1990 (3 May and 11 November came
// back in 1989-1990, holidays of the years before differ); earlier years show none.
inline constexpr int kPierwszyRokSwiat = 1990;
// The name of the Polish public holiday on that day, empty when there is none.
QString NazwaSwieta(int rok, int miesiac, int dzien);
bool JestSwietem(int rok, int miesiac, int dzien);
inline bool JestSwietem(const TparaDaty &p) { return JestSwietem(p.R, p.M, p.D); }

// Colours of a day cell before the owner's rule: the selected or focused cell on palette
// entry 106, others on the grid colour; Sundays in red, other days in the font colour.
void KoloryKomorki(const TparaDaty &p, bool wybrana, TKolor kolorSiatki, TKolor kolorCzcionki, TKolor &tlo,
                   TKolor &czcionka);
// The date window's rule on top of that: holidays red on pink (the focused cell keeps its
// background), Sundays red.
void KoloryDniWolnych(const TparaDaty &p, bool fokus, TKolor &tlo, TKolor &czcionka);

// Header colour chosen by its code: 0 the face colour, 1, 2, 3 palette entries 105, 24, 25.
TKolor KolorNaglowkaKalendarza(int kod);

// Cell sizes of a grid of the given size: 7 columns, a header row of hNagl pixels (or
// of the day rows' height when hNagl <= 0) and 6 week rows, with lines of linia pixels.
struct TrozmiarKomorek {
    int szerKolumny = 0;
    int wysNaglowka = 0;
    int wysWiersza = 0;
};
TrozmiarKomorek RozmiarKomorek(int szerokosc, int wysokosc, int linia, int hNagl);
