// The main window with the program's own dialogs in the loop: the parameters dialog
// answered by the user (a timer here) and the city pick list under its field.

#include "oknotestowe.h"

#include "controls/justgrid.h"
#include "controls/tokienka.h"
#include "dialogs/dlgkontekst.h"
#include "editor/fakparam.h"
#include "editor/poleedycji.h"
#include "invoice/konfiguracja.h"
#include "pliktymczasowy.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace {

// Runs `co` once a widget of type T is the active modal or pick-list window; gives up (and
// closes what is open) after a while, so that a failing test cannot hang.
template <typename T> void GdyOtwarte(std::function<T *()> znajdz, std::function<void(T *)> co)
{
    auto *zegar = new QTimer;
    auto proby = std::make_shared<int>(0);
    zegar->setInterval(5);
    QObject::connect(zegar, &QTimer::timeout, [zegar, znajdz, co, proby] {
        if (T *w = znajdz(); w && w->isVisible()) {
            zegar->stop();
            zegar->deleteLater();
            co(w);
        } else if (++*proby > 600) {
            zegar->stop();
            zegar->deleteLater();
            if (QWidget *m = QApplication::activeModalWidget())
                m->close();
        }
    });
    zegar->start();
}

TFakParam *Parametry() { return qobject_cast<TFakParam *>(QApplication::activeModalWidget()); }

}   // namespace

class TstZOknami : public QObject {
    Q_OBJECT
private slots:
    void parametry();
};

void TstZOknami::parametry()
{
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    o.Dialogi.Parametry = &PokazParametry;
    const QByteArray przed = CzytajBajty(t.ini);
    int strona = -1;
    // the person's "..." button: the dialog on the bank and person page, confirmed
    GdyOtwarte<TFakParam>(&Parametry, [&strona](TFakParam *d) {
        strona = d->Strony->currentIndex();
        d->EdyOsoba->setText(QStringLiteral("Anna Nowak"));
        d->BtnOk->click();
    });
    QTest::mouseClick(Kontrolka(o, "BtnSprzedal"), Qt::LeftButton);
    QCOMPARE(strona, 3);
    QCOMPARE(Kontrolka<TokienkoTekst>(o, "EdySprzedal")->text(), QStringLiteral("Anna Nowak"));
    TiniZentora zapisane;
    CzytajParametry(t.ini, zapisane);
    QCOMPARE(zapisane.iniTabOsob, QStringLiteral("Anna Nowak"));
    // the command: the general page, cancelled
    const QByteArray po = CzytajBajty(t.ini);
    GdyOtwarte<TFakParam>(&Parametry, [&strona](TFakParam *d) {
        strona = d->Strony->currentIndex();
        d->EdyOsoba->setText(QStringLiteral("Nikt"));
        d->BtnAnuluj->click();
    });
    Kontrolka<QAction>(o, "AcParametry")->trigger();
    QCOMPARE(strona, 0);
    QCOMPARE(Kontrolka<TokienkoTekst>(o, "EdySprzedal")->text(), QStringLiteral("Anna Nowak"));
    QCOMPARE(CzytajBajty(t.ini), po);
    QVERIFY(po != przed);
    QVERIFY(t.prezenter.pokazane.isEmpty());
}

QTEST_MAIN(TstZOknami)
#include "tst_zoknami.moc"
