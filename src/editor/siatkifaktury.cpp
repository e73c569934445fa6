#include "siatkifaktury.h"

#include "controls/justgrid.h"
#include "controls/kolory.h"
#include "invoice/rekord.h"
#include "invoice/sumy.h"

#include <QFont>
#include <QFontMetrics>
#include <algorithm>

QFont DuzaCzcionkaTabel() { return QFont(QStringLiteral("Arial"), 10); }

QString KolumnyTylkoDoOdczytu() { return QStringLiteral("1000001011"); }

void UstawSiatkePozycji(TjustGrid &g)
{
    g.setColCount(10);
    g.setRowCount(kMaxPozycji + 1);
    g.setFixedCols(1);
    g.setFixedRows(1);
    g.setDefaultRowHeight(22);
    g.setOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goEditing | goColSizing | goRowSizing
                 | goTabs | goDrawFocusSelected);
    // 50 rows never fit: the bar tells that more are below
    g.setScrollBars(ssVertical);
    g.setDrawingStyle(gdsGradient);
    g.setXkolRodzaj(QStringLiteral("ICCCFJZVZZ"));
    g.setXkolSzerok(QStringLiteral("20;197;60;36;48;68;72;36;72;72"));
    g.setXkolJustuj(QStringLiteral("CLCCCPPCPP"));
    g.setXkolReOnly(KolumnyTylkoDoOdczytu());
    g.setXkolKolory(QStringLiteral("0000000100"));
    g.setXkolPapier(QStringLiteral("======H=HH"));
    g.setXkolor_H(KolorBGR(16776697));
    g.setXnagJustuj(QStringLiteral("CCCCCCCCCC"));
    g.setXnagKolory(QStringLiteral("0000000100"));
    g.setXnagHfontu(0);
    g.setXnagWysoko(20);
    g.setXautoFixKolor(0);
    g.setXautoFixLinie(false);
    g.setXkol0grad(true);
    g.setFixedColor(KolorBGR(14808570));
    g.setXkolJustBL(true);
    g.setXkolTytuly(QStringLiteral(";Nazwa towaru / usługi;Klasyfik.;Jedn.;Ilość;Cena;Netto;%Vat;VAT zł;Brutto"));
    // "|" separates the fields of a saved item row: it must not get into a cell
    for (int k = 1; k <= 9; ++k)
        g.UstawZakazaneZnaki(k, QStringLiteral("|"));
    for (int r = 1; r <= kMaxPozycji; ++r)
        g.setCells(0, r, QString::number(r));
    g.setXkolSzerZn(QStringLiteral("0;254"));
    g.setFont(DuzaCzcionkaTabel());
}

void UstawSiatkeSum(TjustGrid &g)
{
    g.setColCount(4);
    g.setRowCount(10);
    g.setFixedCols(0);
    g.setFixedRows(0);
    g.setDefaultColWidth(72);
    g.setDefaultRowHeight(20);
    g.setOptions(goVertLine | goHorzLine);
    g.setScrollBars(ssNone);
    g.setXkolRodzaj(QStringLiteral("ZCZZ"));
    g.setXkolSzerok(QStringLiteral("72;36;72;72"));
    g.setXkolJustuj(QStringLiteral("PCPP"));
    g.setXkolReOnly(QStringLiteral("1111"));
    g.setXkolKolory(QStringLiteral("=1"));
    g.setXkolPapier(QStringLiteral("K=KKK"));
    g.setXkolor_K(KolorBGR(16776697));
    g.setXnagHfontu(0);
    g.setXnagWysoko(20);
    g.UkryjPodswietlenie();
    g.setFont(DuzaCzcionkaTabel());
}

void DopasujKolumnyKwot(TjustGrid &pozycje, TjustGrid &sumy)
{
    // the cell margins either side, and a pixel of air
    constexpr int kMargines = 6;
    const auto potrzeba = [](const TjustGrid &g) {
        return g.fontMetrics().horizontalAdvance(QStringLiteral("9.999.999,99")) + kMargines;
    };
    // from the designed widths every time, so a smaller font gives the room back
    pozycje.setXkolSzerok(pozycje.XkolSzerok());
    sumy.setXkolSzerok(sumy.XkolSzerok());
    int przyrost = 0;
    for (int k : {kolCena, kolNetto, kolWarVat, kolBrutto}) {
        const int w = std::max(pozycje.ColWidths(k), potrzeba(pozycje));
        przyrost += w - pozycje.ColWidths(k);
        pozycje.setColWidths(k, w);
    }
    pozycje.setColWidths(kolTowar, std::max(100, pozycje.ColWidths(kolTowar) - przyrost));
    for (int k : {0, 2, 3})
        sumy.setColWidths(k, std::max(sumy.ColWidths(k), potrzeba(sumy)));
}
