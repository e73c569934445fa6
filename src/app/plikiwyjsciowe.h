#pragma once
// Where the commands that write one file per input put their outputs.

#include <QString>
#include <QStringList>

// The output file of every input in a folder: the input's base name with `rozszerzenie` (".pdf").
// Returns the name two inputs would share (letter case aside), which would overwrite one
// output with another; empty when every output is its own.
QString PlikiWKatalogu(const QStringList &pliki, const QString &katalog, const QString &rozszerzenie,
                       QStringList &wyjscia);
