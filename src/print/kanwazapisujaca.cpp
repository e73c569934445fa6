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

void TKanwaZapisujaca::PiszTekst(TPoint p, const QString &s, const TRect *klip)
{
    TZapisRysunku z;
    z.rodzaj = TZapisRysunku::Tekst;
    z.strona = strona;
    z.od = p;
    z.tekst = s;
    z.czcionka = Czcionka();
    z.przezroczyste = Przezroczyste();
    z.kolor = KolorTla();
    if (klip) {
        z.klip = true;
        z.prostokat = *klip;
    }
    zapisy.append(z);
}

bool TKanwaZapisujaca::KopiujObraz(const QImage &obraz, const QRect &zrodlo, const TRect &cel)
{
    if (obraz.isNull() || zrodlo.isEmpty())
        return false;
    TZapisRysunku z;
    z.rodzaj = TZapisRysunku::Obraz;
    z.strona = strona;
    z.prostokat = cel;
    z.zrodlo = zrodlo;
    z.rozmiarObrazu = obraz.size();
    zapisy.append(z);
    return true;
}

void TKanwaZapisujaca::RysujLinie(TPoint od, TPoint do_)
{
    TZapisRysunku z;
    z.rodzaj = TZapisRysunku::Linia;
    z.strona = strona;
    z.od = od;
    z.do_ = do_;
    z.pioro = Pioro();
    zapisy.append(z);
}

void TKanwaZapisujaca::Wypelnij(const TRect &r, TKolor kolor)
{
    TZapisRysunku z;
    z.rodzaj = TZapisRysunku::Wypelnienie;
    z.strona = strona;
    z.prostokat = r;
    z.kolor = kolor;
    zapisy.append(z);
}
