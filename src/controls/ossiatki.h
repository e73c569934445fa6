#pragma once
// One axis of a grid: the sizes of its columns (or rows), how many of them stay fixed at the
// start, the first scrolled one on screen and the width of the grid line after each. The
// grid asks the same questions of both axes; positions count from the start of the viewport.

#include <QList>

struct TOsSiatki {
    QList<int> rozmiary;
    int stalych = 0;
    int pierwsza = 0;   // the first scrolled one on screen
    int linia = 0;

    int Ile() const { return int(rozmiary.size()); }
    // The extent of the fixed ones, their lines included.
    int Stale() const;
    // The extent of all of them, as if nothing were scrolled.
    int Calosc() const;
    // The largest first one that still fills `zasieg` (the viewport's extent) to the end.
    int MaksPierwsza(int zasieg) const;
    // How many from the first one on are fully visible within `zasieg`.
    int Widocznych(int zasieg) const;
    // The first one to show so that `i` is fully visible: `i` itself when it lies before the
    // current first one, otherwise the highest not before the current first one.
    int PierwszaDla(int i, int zasieg) const;
    // Where `i` starts; -1 when it is scrolled off before the first one or out of range.
    int Pozycja(int i) const;
    // The one at position `poz` (its line counted to it); -1 when there is none.
    int Pod(int poz) const;
    // The ones to draw within `zasieg`: the fixed ones, then the scrolled ones from the first.
    QList<int> DoRysowania(int zasieg) const;
    // The one whose far border lies within `strefa` of `poz`, skipping those not on screen
    // or of no size; -1 when none.
    int Krawedz(int poz, int zasieg, int strefa) const;
    // `poz` lies before the end of the fixed ones and the first one shows within `zasieg`
    // (where the borders of the other axis can be grabbed).
    bool WStalych(int poz, int zasieg) const;
};
