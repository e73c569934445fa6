#pragma once
// Where a small window (calendar, pick list, field calculator) opens: under the field it
// serves, or centred over the window that asked for it. All rectangles are in screen
// coordinates; `ekran` is the usable area of the screen.

#include <QPoint>
#include <QRect>
#include <QSize>

// Under the field, at its lower left corner (2 pixels further left and up when `odsun`:
// edit fields and flat panels have their frame inside). When the window would pass the
// screen's right edge its right edge is aligned with the field's; when it would pass the
// bottom it opens above the field. It never leaves the screen on the left or at the top.
QPoint PolozeniePodPolem(const QRect &pole, const QSize &okno, const QRect &ekran, bool odsun);

// Centred over the given window, kept on the screen.
QPoint PolozenieNadOknem(const QRect &forma, const QSize &okno, const QRect &ekran);

// A size designed for 96 dots per inch on a screen of `dpi` dots per inch: unchanged at 96,
// otherwise n * dpi / 96 rounded half up.
int SkalujDoDpi(int n, int dpi);
