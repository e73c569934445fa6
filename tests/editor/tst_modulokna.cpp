// The application module on the program's own windows: every edit field gets the shared edit
// menu when a window is prepared, the grid's in-place editor included.

#include "oknotestowe.h"

#include "controls/justgrid.h"
#include "controls/modulapli.h"
#include "controls/tokienka.h"
#include "dialogs/dlgkalendarz.h"
#include "dialogs/kalkulator.h"
#include "editor/fakparam.h"
#include "editor/poleedycji.h"
#include "invoice/sumy.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTextEdit>

namespace {

// The edit fields of a window that are the window's own controls (not the parts of a
// combo box or a spin box).
QStringList PolaBezMenu(QWidget *okno)
{
    QStringList bez;
    const auto pola = okno->findChildren<QWidget *>();
    for (QWidget *w : pola) {
        if (!qobject_cast<QLineEdit *>(w) && !qobject_cast<QTextEdit *>(w))
            continue;
        if (qobject_cast<QComboBox *>(w->parentWidget()) || qobject_cast<QAbstractSpinBox *>(w->parentWidget()))
            continue;
        if (w->contextMenuPolicy() != Qt::CustomContextMenu)
            bez << (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName());
    }
    return bez;
}

QString Wlaczone(TModulApli &m, QWidget *pole)
{
    QWidget *cel = pole;
    if (auto *s = qobject_cast<QAbstractScrollArea *>(pole))
        cel = s->viewport();
    QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(4, 4), cel->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(cel, &e);
    if (!m.APopupOkienEdit->isVisible() || m.FPPcusEdy != pole)
        return QStringLiteral("<brak menu>");
    m.APopupOkienEdit->hide();
    QString w;
    for (auto [a, z] : {std::pair{m.A_wklej, 'W'}, {m.A_Kalkul, 'K'}, {m.A_Kalend, 'D'}})
        if (a->isEnabled())
            w += QLatin1Char(z);
    return w;
}

}   // namespace

class TstModulOkna : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void oknoGlowne();
    void parametry();

private:
    std::unique_ptr<TModulApli> m_modul;
};

void TstModulOkna::initTestCase()
{
    ZainstalujKalkulator();
    ZainstalujKalendarz();
    // as at start-up: the module first, the windows after it
    m_modul = std::make_unique<TModulApli>();
}

void TstModulOkna::cleanupTestCase() { m_modul.reset(); }

void TstModulOkna::oknoGlowne()
{
    OknoTestowe t;
    TZentoraForma *o = t.okno;
    QCOMPARE(PolaBezMenu(o), QStringList());
    const std::pair<QWidget *, const char *> pola[] = {
        {Kontrolka(*o, "EdyDatWyst"), "WD"}, {Kontrolka(*o, "EdyFirma"), "WKD"},
        {Kontrolka(*o, "EdyUwagi"), "WKD"},  {Kontrolka(*o, "EdyKod"), "WK"},
        {Kontrolka(*o, "EdyNumRach"), "WK"}, {Kontrolka(*o, "MemSpFirma"), ""},   // read-only
    };
    for (const auto &[pole, oczekiwane] : pola)
        QCOMPARE(Wlaczone(*m_modul, pole), QString::fromLatin1(oczekiwane));

    // the grid's in-place editor, made when a cell is first edited
    TjustGrid *g = Kontrolka<TjustGrid>(*o, "Grid");
    g->setFocus(Qt::TabFocusReason);
    g->WybierzKomorke(kolIlosc, 1);
    Klawisz(Qt::Key_F2);
    QVERIFY(g->InplaceEditor());
    QCOMPARE(Wlaczone(*m_modul, g->InplaceEditor()), QStringLiteral("WK"));
}

void TstModulOkna::parametry()
{
    TFakParam dlg;
    QCOMPARE(PolaBezMenu(&dlg), QStringList());
}

QTEST_MAIN(TstModulOkna)
#include "tst_modulokna.moc"
