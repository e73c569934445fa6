#include "kanwazapisujaca.h"

#include <QImage>
#include <cstdlib>

qint32 TKanwaZapisujaca::Em(const TFontKanwy &f) { return f.wysokosc < 0 ? -f.wysokosc : f.wysokosc * 8 / 9; }

TMetrykiTekstu TKanwaZapisujaca::Metryki()
{
    const qint32 e = Em(Czcionka());
    return {(9 * e + 4) / 8, (e + 16) / 32};
}

qint32 TKanwaZapisujaca::SzerokoscTekstu(const QString &s)
{
    return qint32((2 * qint64(s.size()) * Em(Czcionka()) + 2) / 5);
}

TZapisRysunku &TKanwaZapisujaca::Nowy(TZapisRysunku::Rodzaj rodzaj)
{
    zapisy.append(TZapisRysunku{});
    TZapisRysunku &z = zapisy.last();
    z.rodzaj = rodzaj;
    z.strona = strona;
    return z;
}

void TKanwaZapisujaca::PiszTekst(TPoint p, const QString &s, const TRect *klip)
{
    TZapisRysunku &z = Nowy(TZapisRysunku::Tekst);
    z.od = p;
    z.tekst = s;
    z.czcionka = Czcionka();
    z.przezroczyste = Przezroczyste();
    z.kolor = KolorTla();
    if (klip) {
        z.klip = true;
        z.prostokat = *klip;
    }
}

bool TKanwaZapisujaca::KopiujObraz(const QImage &obraz, const QRect &zrodlo, const TRect &cel)
{
    if (obraz.isNull() || zrodlo.isEmpty())
        return false;
    TZapisRysunku &z = Nowy(TZapisRysunku::Obraz);
    z.prostokat = cel;
    z.zrodlo = zrodlo;
    z.rozmiarObrazu = obraz.size();
    return true;
}

void TKanwaZapisujaca::RysujLinie(TPoint od, TPoint do_)
{
    TZapisRysunku &z = Nowy(TZapisRysunku::Linia);
    z.od = od;
    z.do_ = do_;
    z.pioro = Pioro();
}

void TKanwaZapisujaca::Wypelnij(const TRect &r, TKolor kolor)
{
    TZapisRysunku &z = Nowy(TZapisRysunku::Wypelnienie);
    z.prostokat = r;
    z.kolor = kolor;
}
