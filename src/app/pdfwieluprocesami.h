#pragma once
// A pdf batch of zentora-cli rendered by several processes of the same program at once.

#include <QStringList>

// Splits `pliki` into up to `zadania` runs of consecutive files and renders each run in a
// child process with the options `opcje` (the pdf options but the files and -j). The
// children's messages are passed on run by run, so they come in the order of the input.
// Returns the worst exit status of the children.
int PdfWieluProcesami(const QStringList &opcje, const QStringList &pliki, int zadania);

// How many processes a batch of `pliki` files is worth with at most `zadania`: a process
// costs about as much to start as a few invoices take to render.
int ZadaniaDlaPartii(int zadania, int pliki);
