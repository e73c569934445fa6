#pragma once
// A canvas that draws nothing and records every drawing call, with metrics that follow a
// simple rule instead of a real font, so a layout can be checked to the unit.
//
// For a font whose em size is e logical units (the absolute height of a negative font
// height; 8/9 of a positive cell height): the text height is (9e + 4) / 8, the external
// leading (e + 16) / 32 and every character two fifths of an em wide (about the average
// of a proportional font), a text of n characters (2 n e + 2) / 5 in all.

#include "kanwa.h"

#include <QList>
#include <QRect>

struct TZapisRysunku {
    enum Rodzaj { Tekst, Linia, Wypelnienie, Obraz };
    Rodzaj rodzaj = Tekst;
    int strona = 1;
    TPoint od, do_;    // Tekst: the top-left corner in `od`; Linia: its ends
    TRect prostokat;   // Tekst: the clip (when `klip`); Wypelnienie: the area; Obraz: the target
    bool klip = false;
    QString tekst;
    TFontKanwy czcionka;   // Tekst
    bool przezroczyste = true;
    TKolor kolor = kCzarny;   // Wypelnienie: the fill; Tekst: the background
    TPioro pioro;             // Linia
    QRect zrodlo;             // Obraz: the part of the image
    QSize rozmiarObrazu;
};

class TKanwaZapisujaca : public TKanwa {
public:
    TMetrykiTekstu Metryki() override;
    qint32 SzerokoscTekstu(const QString &s) override;
    void PiszTekst(TPoint p, const QString &s, const TRect *klip) override;
    bool KopiujObraz(const QImage &obraz, const QRect &zrodlo, const TRect &cel) override;

    static qint32 Em(const TFontKanwy &f);

    QList<TZapisRysunku> zapisy;
    int strona = 1;   // the page the next records belong to; the sheet's owner counts pages

protected:
    void RysujLinie(TPoint od, TPoint do_) override;
    void Wypelnij(const TRect &r, TKolor kolor) override;
};
