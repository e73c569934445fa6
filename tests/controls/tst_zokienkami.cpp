// The fields and the grid with the real message box in the loop: the box is modal, it is
// answered by the user (a timer here), and afterwards the focus and the selection are where
// they should be.

#include "controls/justgrid.h"
#include "controls/prezenterokien.h"
#include "controls/tokienka.h"
#include "editor/siatkifaktury.h"
#include "pomocnicy.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

namespace {

// Closes every message box that appears, counting them and noting their texts, and gives
// the activation back to the owner window (the offscreen platform has no window manager).
struct Zamykacz : QObject {
    QStringList teksty;
    QList<QWidget *> wlasciciele;
    QTimer t;
    Zamykacz()
    {
        t.setInterval(5);
        connect(&t, &QTimer::timeout, this, [this] {
            if (auto *m = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                teksty.append(m->text());
                wlasciciele.append(m->parentWidget());
                QWidget *okno = m->parentWidget() ? m->parentWidget()->window() : nullptr;
                QTest::keyClick(m, Qt::Key_Return);
                // what the window manager does when a modal box closes
                if (okno)
                    QTimer::singleShot(0, okno, [okno] { QApplication::setActiveWindow(okno); });
            }
        });
        t.start();
    }
};

}   // namespace

class TstZOkienkami : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ZainstalujPrezenterOkien(); }
    void poleWracaPoKomunikacie();
    void siatkaTrzymaPrzyKlikniecu();
};

void TstZOkienkami::poleWracaPoKomunikacie()
{
    Zamykacz z;
    QWidget okno;
    auto *u = new QHBoxLayout(&okno);
    auto *data = new TokienkoData;
    auto *inny = new QLineEdit;
    u->addWidget(data);
    u->addWidget(inny);
    QVERIFY(Aktywuj(okno));
    data->setFocus(Qt::TabFocusReason);
    data->home(false);
    Pisz(QStringLiteral("31022018"));
    inny->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(z.teksty.size(), 1);
    QCOMPARE(z.teksty.first(), QStringLiteral("Niepoprawna wartość"));
    QCOMPARE(z.wlasciciele.first(), &okno);
    QTRY_VERIFY(data->hasFocus());
    QTest::qWait(50);
    QCOMPARE(z.teksty.size(), 1);   // the box itself taking the focus is no leaving
    QCOMPARE(data->Tekst(), QStringLiteral("31.02.2018"));
}

void TstZOkienkami::siatkaTrzymaPrzyKlikniecu()
{
    Zamykacz z;
    QWidget okno;
    auto *u = new QHBoxLayout(&okno);
    auto *g = new TjustGrid;
    UstawSiatkePozycji(*g);
    g->setMinimumSize(720, 300);
    g->OnXtestujCelke = [](int c, int, const QString &cela, bool &ok) {
        if (c == 7)
            ok = cela.isEmpty() || cela == QLatin1String("23");
    };
    auto *inny = new QLineEdit;
    u->addWidget(g);
    u->addWidget(inny);
    QVERIFY(Aktywuj(okno));
    g->setFocus(Qt::TabFocusReason);
    QVERIFY(g->WybierzKomorke(7, 1));
    Pisz(QStringLiteral("7"));
    Klawisz(Qt::Key_Return);
    QCOMPARE(z.teksty.size(), 1);
    const QRect R = g->CellRect(2, 4);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, R.center());
    QCOMPARE(z.teksty.size(), 2);
    QCOMPARE(g->Row(), 1);
    QCOMPARE(g->Col(), 7);
    inny->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(z.teksty.size(), 3);
    QTRY_VERIFY(g->InplaceEditor()->hasFocus());
    Klawisz(Qt::Key_Backspace);
    Pisz(QStringLiteral("23"));
    Klawisz(Qt::Key_Return);
    QVERIFY(!g->EdytorOtwarty());
    QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, R.center());
    QCOMPARE(g->Row(), 4);
    QCOMPARE(z.teksty.size(), 3);
}

QTEST_MAIN(TstZOkienkami)
#include "tst_zokienkami.moc"
