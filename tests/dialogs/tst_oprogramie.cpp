// The about box: its texts and looks, the links (mouse, double click, keyboard, hover) and
// the modal run.

#include "dialogs/oprogramie.h"
#include "kolumny.h"

#include "common/paleta.h"
#include "controls/kolory.h"
#include "controls/platforma.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

class TstOProgramie : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { ProcOtworzAdres = nullptr; }

    void napisy();
    void linki_data();
    void linki();
    void najechanie();
    void pokaz();

private:
    QList<QUrl> m_otwarte;
};

void TstOProgramie::init()
{
    UstawStyl(sa_Win10nor);
    m_otwarte.clear();
    ProcOtworzAdres = [this](const QUrl &u) {
        m_otwarte.append(u);
        return true;
    };
}

// Every text fits in the box, the links look like links.
void TstOProgramie::napisy()
{
    THelpLodrin d;
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QVERIFY(d.width() >= SkalujDpi(242) && d.height() >= SkalujDpi(323));
    for (QLabel *l : d.findChildren<QLabel *>())
        QVERIFY2(l->sizeHint().width() <= l->width() && l->geometry().bottom() < d.Panel1->height(),
                 qPrintable(l->text()));
    for (TetykietaLinku *l : {d.LabelMail, d.LabelWww}) {
        QCOMPARE(l->palette().color(QPalette::WindowText), QColor(0, 102, 204));
        QVERIFY(l->font().underline() && l->font().bold());
        QCOMPARE(l->cursor().shape(), Qt::PointingHandCursor);
    }
}

void TstOProgramie::linki_data()
{
    // clang-format off
    Kolumny<QString, bool, QStringList>("jak", "poczta", "adresy");

    const QString mail = QStringLiteral("mailto:biuro@zentora.pl?subject=&Body=");
    const QString www = QStringLiteral("http://www.zentora.pl");
    QTest::newRow("klik w poczte") << "klik" << true << QStringList{mail};
    QTest::newRow("klik w strone") << "klik" << false << QStringList{www};
    QTest::newRow("podwojny klik otwiera raz") << "podwojny" << true << QStringList{mail};
    QTest::newRow("Enter na stronie") << "enter" << false << QStringList{www};
    QTest::newRow("spacja na poczcie") << "spacja" << true << QStringList{mail};
    QTest::newRow("wcisniety i puszczony obok") << "obok" << true << QStringList{};
    // clang-format on
}

void TstOProgramie::linki()
{
    QFETCH(QString, jak);
    QFETCH(bool, poczta);
    THelpLodrin d;
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    TetykietaLinku *l = poczta ? d.LabelMail : d.LabelWww;
    const QPoint srodek = l->rect().center();
    if (jak == QLatin1String("klik")) {
        QTest::mouseClick(l, Qt::LeftButton, {}, srodek);
    } else if (jak == QLatin1String("podwojny")) {
        QTest::mouseClick(l, Qt::LeftButton, {}, srodek);
        QTest::mouseDClick(l, Qt::LeftButton, {}, srodek);
    } else if (jak == QLatin1String("enter")) {
        QTest::keyClick(l, Qt::Key_Return);
    } else if (jak == QLatin1String("spacja")) {
        QTest::keyClick(l, Qt::Key_Space);
    } else {
        QTest::mousePress(l, Qt::LeftButton, {}, srodek);
        QTest::mouseRelease(l, Qt::LeftButton, {}, QPoint(-20, -20));
    }
    QStringList adresy;
    for (const QUrl &u : std::as_const(m_otwarte))
        adresy << u.toString();
    QTEST(adresy, "adresy");
    QVERIFY(d.isVisible());   // the box stays open
}

// Under the mouse a link turns orange without underline; leaving it restores both.
void TstOProgramie::najechanie()
{
    THelpLodrin d;
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    TetykietaLinku *l = d.LabelWww;
    QCOMPARE(l->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(l->font().underline());
    QEnterEvent wejscie(QPointF(5, 5), QPointF(5, 5), l->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(l, &wejscie);
    QVERIFY(l->Wskazany());
    QCOMPARE(l->palette().color(QPalette::WindowText), QColor(255, 120, 0));
    QVERIFY(!l->font().underline());
    QEvent wyjscie(QEvent::Leave);
    QApplication::sendEvent(l, &wyjscie);
    QCOMPARE(l->palette().color(QPalette::WindowText), QColor(0, 102, 204));
    QVERIFY(l->font().underline());
    // the keyboard focus shows the same as the mouse
    l->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(l->Wskazany());
    d.ButnOk->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(!l->Wskazany());
}

void TstOProgramie::pokaz()
{
    QWidget okno;
    okno.show();
    QColor tlo;
    QString tytul;
    bool fokusOk = false;
    QTimer::singleShot(20, [&] {
        auto *d = qobject_cast<THelpLodrin *>(QApplication::activeModalWidget());
        if (!d)
            return;
        tlo = d->palette().color(QPalette::Window);
        tytul = d->windowTitle();
        fokusOk = d->focusWidget() == d->ButnOk && d->ButnOk->isDefault();
        QTest::keyClick(d->ButnOk, Qt::Key_Return);
    });
    PokazOProgramie(&okno);
    QCOMPARE(tlo, NaQColor(KolorStylu(3)));
    QCOMPARE(tytul, QStringLiteral(" O programie ..."));
    QVERIFY(fokusOk);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TstOProgramie)
#include "tst_oprogramie.moc"
