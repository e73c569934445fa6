#pragma once
// Where the commands that write one file per input put their outputs.

#include <QString>
#include <QStringList>

// The output file of every input in a folder: the input's base name with `rozszerzenie` (".pdf").
// Returns the name two inputs would share (letter case aside), which would overwrite one
// output with another; empty when every output is its own.
QString PlikiWKatalogu(const QStringList &pliki, const QString &katalog, const QString &rozszerzenie,
                       QStringList &wyjscia);

struct TzentoraVat;

// Reads an invoice for a command that shows or writes it. A damaged file (rows lost, a date
// or number that is none) is named line by line on stderr and the command stops quietly
// (exit 2) before anything is written; a file that cannot be read at all throws as usual.
void CzytajFaktureDoWydania(const QString &plik, TzentoraVat &f);
