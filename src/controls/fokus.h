#pragma once
// Focus moves that the program's controls react to.

class QFocusEvent;
class QWidget;

// Puts the focus back on a control that refused to be left. The control that loses the
// focus by it runs no check of its own: it was only passed through.
void PrzywrocFokus(QWidget *w);
bool TrwaPrzywracanieFokusu();

// Whether the focus really moved to another control of the window (not to a popup menu or
// another window, and not by the program taking it back).
bool PrawdziweWyjscie(const QFocusEvent *e);
bool PrawdziweWejscie(const QFocusEvent *e);

// Whether a control can be given the focus now.
bool MozeMiecFokus(const QWidget *w);
