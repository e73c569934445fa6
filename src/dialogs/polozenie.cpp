#include "polozenie.h"

#include <algorithm>

namespace {
// Keeps one coordinate of a window inside [lo, hi - size]; the start wins when it does not fit.
int WGranicach(int v, int rozmiar, int lo, int hi) { return std::max(lo, std::min(v, hi - rozmiar)); }
}   // namespace

QPoint PolozeniePodPolem(const QRect &pole, const QSize &okno, const QRect &ekran, bool odsun)
{
    const int d = odsun ? 2 : 0;
    const int prawaEkranu = ekran.x() + ekran.width();
    const int dolEkranu = ekran.y() + ekran.height();

    int x = pole.x() - d;
    int y = pole.y() + pole.height() - d;
    if (x + okno.width() > prawaEkranu)
        x = pole.x() + pole.width() - okno.width();
    if (y + okno.height() > dolEkranu)
        y = pole.y() - okno.height();
    // A field partly off the screen must not drag the window with it.
    x = WGranicach(x, okno.width(), ekran.x(), prawaEkranu);
    y = WGranicach(y, okno.height(), ekran.y(), dolEkranu);
    return QPoint(x, y);
}

QPoint PolozenieNadOknem(const QRect &forma, const QSize &okno, const QRect &ekran)
{
    const int x = forma.x() + (forma.width() - okno.width()) / 2;
    const int y = forma.y() + (forma.height() - okno.height()) / 2;
    return QPoint(WGranicach(x, okno.width(), ekran.x(), ekran.x() + ekran.width()),
                  WGranicach(y, okno.height(), ekran.y(), ekran.y() + ekran.height()));
}

int SkalujDoDpi(int n, int dpi)
{
    if (dpi == 96 || dpi <= 0)
        return n;
    const long long p = static_cast<long long>(n) * dpi;
    long long q = p / 96;
    if (p % 96 >= 48)
        ++q;
    return int(q);
}
