#pragma once
// The configuration file Faktury.ini.

#include "rekord.h"

#include <QStringList>

// Writes (zapis true) or reads the configuration; a write error reaches the caller (EMojeBledy).
void IOparametrow(const QString &plik, TiniZentora &ini, bool zapis);
void CzytajParametry(const QString &plik, TiniZentora &ini);
void ZapiszParametry(const QString &plik, TiniZentora ini);

// The seller's frame: lines joined by ";" in the file, lines of a multi-line text on screen.
QStringList MemoZTekstu(const QString &tekst);
QString TekstZMemo(const QStringList &linie);
