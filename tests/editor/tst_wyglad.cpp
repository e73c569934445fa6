// The look of the main window: its size, its controls inside it and apart, the item grid
// as wide as its columns, the tool bar and the menus in their order.

#include "oknotestowe.h"

#include "controls/justgrid.h"
#include "fakturaprzykladowa.h"
#include "invoice/plikfaktury.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QToolBar>
#include <QTest>
#include <QDebug>

class TstWyglad : public QObject {
    Q_OBJECT
private slots:
    void zrzut();
};

void TstWyglad::zrzut()
{
    OknoTestowe t;
    const QString plik = t.Plik(QStringLiteral("przyklad.FAK"));
    ZapiszFakture(plik, FakturaPrzykladowa());
    t.okno->OtworzPlik(plik);
    const QByteArray cel = qgetenv("ZENTORA_ZRZUT");
    qDebug() << t.okno->menuBar()->geometry() << t.okno->ToolBar1->geometry() << t.okno->centralWidget()->geometry();
    if (!cel.isEmpty())
        t.okno->grab().save(QString::fromLocal8Bit(cel));
}

QTEST_MAIN(TstWyglad)
#include "tst_wyglad.moc"
