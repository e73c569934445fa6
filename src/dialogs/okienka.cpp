#include "okienka.h"

#include "polozenie.h"

#include "common/program.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

int SkalujOkno(int n)
{
    const QScreen *ekran = QGuiApplication::primaryScreen();
    const int dpi = ekran ? qRound(ekran->logicalDotsPerInch()) : 96;
    return SkalujDoDpi(n, dpi);
}

void PrzygotujOkno(QWidget *okno)
{
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSize(8);
    okno->setFont(f);
    PrzypiszMenuKontrolkom(okno);
}

void PrzypiszMenuKontrolkom(QWidget *okno)
{
    if (!ProcPrzypiszPopup)
        return;
    const auto kontrolki = okno->findChildren<QWidget *>();
    for (QWidget *w : kontrolki)
        ProcPrzypiszPopup(w);
}
