#include "ossiatki.h"

#include <algorithm>
#include <cstdlib>

int TOsSiatki::Stale() const
{
    int s = 0;
    for (int i = 0; i < stalych; ++i)
        s += rozmiary.at(i) + linia;
    return s;
}

int TOsSiatki::Calosc() const
{
    int s = 0;
    for (int r : rozmiary)
        s += r + linia;
    return s;
}

int TOsSiatki::MaksPierwsza(int zasieg) const
{
    if (rozmiary.isEmpty())
        return stalych;
    const int dostepne = zasieg - Stale();
    int t = Ile() - 1;
    int suma = rozmiary.at(t);
    while (t - 1 >= stalych && suma + linia + rozmiary.at(t - 1) <= dostepne) {
        --t;
        suma += linia + rozmiary.at(t);
    }
    return std::max(stalych, t);
}

int TOsSiatki::Widocznych(int zasieg) const
{
    const int dostepne = zasieg - Stale();
    int n = 0, poz = 0;
    for (int i = std::max(0, pierwsza); i < Ile(); ++i) {
        if (poz + rozmiary.at(i) > dostepne)
            break;
        ++n;
        poz += rozmiary.at(i) + linia;
    }
    return n;
}

int TOsSiatki::PierwszaDla(int i, int zasieg) const
{
    if (i < pierwsza)
        return i;
    const int dostepne = zasieg - Stale();
    int t = i;
    int suma = rozmiary.at(i);
    while (t - 1 >= pierwsza && suma + linia + rozmiary.at(t - 1) <= dostepne) {
        --t;
        suma += linia + rozmiary.at(t);
    }
    return t;
}

int TOsSiatki::Pozycja(int i) const
{
    if (i < 0 || i >= Ile())
        return -1;
    int poz = 0;
    if (i < stalych) {
        for (int j = 0; j < i; ++j)
            poz += rozmiary.at(j) + linia;
        return poz;
    }
    if (i < pierwsza)
        return -1;
    poz = Stale();
    for (int j = pierwsza; j < i; ++j)
        poz += rozmiary.at(j) + linia;
    return poz;
}

int TOsSiatki::Pod(int poz) const
{
    if (poz < 0)
        return -1;
    int x = 0;
    auto szukaj = [&](int od, int doo) {
        for (int i = od; i < doo; ++i) {
            if (poz < x + rozmiary.at(i) + linia)
                return i;
            x += rozmiary.at(i) + linia;
        }
        return -1;
    };
    const int i = szukaj(0, std::min(stalych, Ile()));
    return i >= 0 ? i : szukaj(std::max(0, pierwsza), Ile());
}

QList<int> TOsSiatki::DoRysowania(int zasieg) const
{
    QList<int> l;
    for (int i = 0; i < stalych && i < Ile(); ++i)
        l.append(i);
    for (int i = std::max(0, pierwsza), poz = Stale(); i < Ile() && poz < zasieg; ++i) {
        l.append(i);
        poz += rozmiary.at(i) + linia;
    }
    return l;
}

int TOsSiatki::Krawedz(int poz, int zasieg, int strefa) const
{
    for (int i = 0; i < Ile(); ++i) {
        const int p = Pozycja(i);
        if (p < 0 || p >= zasieg || rozmiary.at(i) <= 0)
            continue;
        if (std::abs(poz - (p + rozmiary.at(i))) <= strefa)
            return i;
    }
    return -1;
}

bool TOsSiatki::WStalych(int poz, int zasieg) const
{
    const int p = Pozycja(0);
    return poz < Stale() && p >= 0 && p < zasieg && rozmiary.at(0) > 0;
}
