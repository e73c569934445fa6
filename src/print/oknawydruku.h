#pragma once
// The windows around printing an invoice: the print preview and the file dialog of
// "save as PDF". The drawing itself is in wydrukfaktury.h and needs no window.

#include "invoice/rekord.h"

class QWidget;

// Shows the print preview of the invoice on the application's printer. Its print button
// does not print by itself: it closes the preview and returns true, so that the caller
// prints through the print command.
bool PokazPodglad(QWidget *wlasciciel, const TzentoraVat &Fakt, const TiniZentora &iniFak, int kopie);
// Asks for the name of a PDF file (starting in the invoice folder of the configuration)
// and writes the copies into it with the progress window; errors are shown. True when
// the file was written.
bool ZapiszPdfJako(QWidget *wlasciciel, const TzentoraVat &Fakt, const TiniZentora &iniFak, int kopie);
