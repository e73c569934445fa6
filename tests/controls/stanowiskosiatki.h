#pragma once
// The test benches of the justified grid's widget tests.

#include "controls/justgrid.h"
#include "editor/siatkifaktury.h"
#include "pomocnicy.h"

#include <QLineEdit>
#include <QVBoxLayout>

struct Wywolanie {
    int c, r;
    QString cela;
};

// A window with the grid set up as the invoice's item grid and a line edit beside it.
// The owner's check rejects any %VAT other than blank, 0, 8 and 23.
struct Stanowisko {
    QWidget okno;
    TjustGrid *g = nullptr;
    QLineEdit *inny = nullptr;
    QList<Wywolanie> wywolania;

    Stanowisko()
    {
        auto *u = new QVBoxLayout(&okno);
        g = new TjustGrid(&okno);
        UstawSiatkePozycji(*g);
        g->setMinimumSize(720, 300);
        inny = new QLineEdit(&okno);
        u->addWidget(g);
        u->addWidget(inny);
        g->OnXtestujCelke = [this](int c, int r, const QString &cela, bool &ok) {
            wywolania.append({c, r, cela});
            if (c == 7)
                ok = QStringList{QString(), QStringLiteral("0"), QStringLiteral("8"), QStringLiteral("23")}.contains(
                    cela);
        };
    }
    bool Start(int c = 1, int r = 1)
    {
        if (!Aktywuj(okno))
            return false;
        g->setFocus(Qt::TabFocusReason);
        return g->WybierzKomorke(c, r) && g->hasFocus();
    }
    void Kliknij(int c, int r)
    {
        const QRect R = g->CellRect(c, r);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, R.center());
    }
};

// A grid of one fixed column and one data column of the given kind and limit.
struct JednaKolumna {
    QWidget okno;
    TjustGrid *g = nullptr;
    JednaKolumna(const QString &rodzaj, int limit)
    {
        auto *u = new QVBoxLayout(&okno);
        g = new TjustGrid(&okno);
        g->setColCount(2);
        g->setRowCount(3);
        g->setOptions(g->Options() | goEditing);
        g->setOptions(g->Options() & ~goRangeSelect);
        g->setColWidths(1, 150);
        g->setXkolRodzaj(QStringLiteral("C") + rodzaj);
        g->setXkolSzerZn(QStringLiteral("0;") + QString::number(limit));
        u->addWidget(g);
    }
};
