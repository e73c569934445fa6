#pragma once
// The item grid and the totals grid of the invoice window, set up in one place: the window
// builds its grids with these, and the tests of the grid control use the very same grids.

class QFont;
class QString;
class TjustGrid;

// The large font of both grids, the one the window starts with.
QFont DuzaCzcionkaTabel();

// A numbered column, then the nine fields of an item row, one row per item the invoice
// can hold; "|" (the field separator of a saved row) cannot be typed into any field.
void UstawSiatkePozycji(TjustGrid &g);
// The read-only flags of the item grid's columns: the computed ones.
QString KolumnyTylkoDoOdczytu();

// Four read-only columns (net, rate, VAT, gross) with nothing highlighted.
void UstawSiatkeSum(TjustGrid &g);

// Widens the price and amount columns of both grids so that 9.999.999,99 is shown whole in
// the grids' present font; the item name column gives up the room, so the grid stays in
// the window.
void DopasujKolumnyKwot(TjustGrid &pozycje, TjustGrid &sumy);
