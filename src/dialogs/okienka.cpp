#include "okienka.h"

#include "controls/forma.h"
#include "controls/platforma.h"

#include <QFont>
#include <QWidget>

int SkalujOkno(int n) { return SkalujDpi(n); }

void PrzygotujOkno(QWidget *okno)
{
    if (!okno)
        return;
    // The small windows are designed for Tahoma 8: the size first, the family and the
    // shared edit menus from the common window preparation.
    QFont f = okno->font();
    f.setPointSize(8);
    okno->setFont(f);
    PrzygotujForme(okno);
}

void PrzypiszMenuKontrolkom(QWidget *okno) { PrzypiszPopupOknu(okno); }
