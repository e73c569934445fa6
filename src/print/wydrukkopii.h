#pragma once
// The copies of one invoice on one printer: each copy a print document of its own, with the
// title the spooler and the progress window show. The print command of the editor and
// zentora-cli print both go through here.

class QPrinter;
struct TzentoraVat;
struct TiniZentora;

// Prints Kopie copies (nothing for fewer than one) on `drukarka`, nullptr meaning the
// application's printer, with the print options as they are. A copy whose job cannot be
// created is skipped after its message, and so is a copy the print system did not take
// (its message shown); a cancelled copy stops every later one and leaves through the
// silent abort after its message. Returns the number of copies the printer took.
int DrukujKopie(const TzentoraVat &Fakt, const TiniZentora &iniFak, int Kopie, QPrinter *drukarka = nullptr);
