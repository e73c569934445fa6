#pragma once
// Palette colours (TKolor) on widgets, and the colour codes of the grids' property strings.

#include "common/paleta.h"

#include <QChar>
#include <QColor>

// A palette colour as a QColor; system colour identifiers (0x80000000 + index of the
// classic system colour table) are taken from the application's palette.
QColor NaQColor(TKolor k);
// A classic 0x00BBGGRR colour value, as the forms of the program write them.
QColor KolorBGR(quint32 bgr);
TKolor ZQColor(const QColor &c);

// The sixteen fixed colours of the codes "0".."F"; an invalid colour for any other code.
QColor KolorKoduStalego(QChar kod);
