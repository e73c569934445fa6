#include "controls/modulapli.h"
#include "kolumny.h"

#include "common/daty.h"
#include "common/program.h"
#include "controls/polefiltrowane.h"
#include "controls/tokienka.h"
#include "dialogs/dlgkalendarz.h"
#include "dialogs/gdyotwarte.h"
#include "dialogs/kalkulator.h"
#include "dialogs/mojkalendarz.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

// A window with one control of the kind a test names.
struct Okno {
    QWidget forma;
    QWidget *pole = nullptr;

    explicit Okno(const QString &rodzaj)
    {
        auto *l = new QVBoxLayout(&forma);
        if (rodzaj == QLatin1String("QTextEdit"))
            pole = new QTextEdit(&forma);
        else if (rodzaj == QLatin1String("QPlainTextEdit"))
            pole = new QPlainTextEdit(&forma);
        else if (rodzaj == QLatin1String("data"))
            pole = new TokienkoData(&forma);
        else if (rodzaj == QLatin1String("liczba"))
            pole = new TokienkoFloat(&forma);
        else if (rodzaj == QLatin1String("tekst"))
            pole = new TokienkoTekst(&forma);
        else if (rodzaj == QLatin1String("kod")) {
            auto *k = new TPoleFiltrowane(&forma);
            k->UstawMaske(QStringLiteral("99-999;1;_"));
            pole = k;
        } else if (rodzaj == QLatin1String("QComboBox"))
            pole = new QComboBox(&forma);
        else if (rodzaj == QLatin1String("QComboBox edytowalny")) {
            auto *c = new QComboBox(&forma);
            c->setEditable(true);
            pole = c;
        } else if (rodzaj == QLatin1String("QSpinBox"))
            pole = new QSpinBox(&forma);
        else if (rodzaj == QLatin1String("QPushButton"))
            pole = new QPushButton(&forma);
        else
            pole = new QLineEdit(&forma);
        l->addWidget(pole);
        l->addStretch();
        forma.resize(360, 240);
        forma.move(200, 150);
    }

    bool Pokaz()
    {
        forma.show();
        forma.activateWindow();
        return QTest::qWaitForWindowActive(&forma);
    }
};

// Right-clicks the control the way the platform reports it.
void PrawyKlik(QWidget *w)
{
    QWidget *cel = w;
    if (auto *s = qobject_cast<QAbstractScrollArea *>(w))
        cel = s->viewport();
    else if (auto *c = qobject_cast<QComboBox *>(w); c && c->lineEdit())
        cel = c->lineEdit();
    const QPoint p(6, 6);
    QContextMenuEvent e(QContextMenuEvent::Mouse, p, cel->mapToGlobal(p));
    QApplication::sendEvent(cel, &e);
}

// What the clipboard holds, every format, for comparing before and after.
QMap<QString, QByteArray> Schowek()
{
    QMap<QString, QByteArray> m;
    if (const QMimeData *d = QGuiApplication::clipboard()->mimeData())
        for (const QString &f : d->formats())
            m.insert(f, d->data(f));
    return m;
}

void UstawSchowek(const QString &co)
{
    QClipboard *s = QGuiApplication::clipboard();
    if (co == QLatin1String("#obraz")) {
        auto *d = new QMimeData;
        d->setData(QStringLiteral("image/png"), QByteArray("\x89PNG\r\n\x1a\n-obraz-", 16));
        s->setMimeData(d);
    } else if (co.isEmpty()) {
        s->clear();
    } else {
        s->setText(co);
    }
}

void Kliknij(QMenu *menu, QAction *a)
{
    QVERIFY(menu->isVisible());
    QVERIFY(a->isEnabled());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
}

}   // namespace

class TstModulApli : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void haki();
    void menuEdycji();
    void przypisanie_data();
    void przypisanie();
    void stanyPozycji_data();
    void stanyPozycji();
    void polecenieZwykle();
    void kombo_data();
    void kombo();
    void wstawKalkulator_data();
    void wstawKalkulator();
    void wstawKalendarz_data();
    void wstawKalendarz();
    void listyObrazow();

private:
    std::unique_ptr<TModulApli> m_modul;
};

void TstModulApli::init()
{
    ZainstalujKalkulator();
    ZainstalujKalendarz();
    m_modul = std::make_unique<TModulApli>();
    QGuiApplication::clipboard()->clear();
}

void TstModulApli::cleanup()
{
    if (m_modul) {
        m_modul->APopupOkienEdit->hide();
        m_modul->APopupDlaCombo->hide();
    }
    m_modul.reset();
    QVERIFY(!GdyOtwarte::Sprzataj());
    QVERIFY(!TDlgKalkulat::DlaPola());
    QVERIFY(!TDlgKalenUstaw::Otwarty());
}

void TstModulApli::haki()
{
    QCOMPARE(TModulApli::Modul(), m_modul.get());
    QVERIFY(bool(ProcPrzypiszPopup));
    m_modul.reset();
    QVERIFY(!ProcPrzypiszPopup);
    QCOMPARE(TModulApli::Modul(), nullptr);
}

void TstModulApli::menuEdycji()
{
    struct Pozycja {
        const char *tekst, *podpowiedz, *skrot;
        int ikona;
    };
    const Pozycja oczekiwane[] = {
        {"Wstaw wynik z kalkulatora", "Wstaw wynik z kalkulatora", "", 51},
        {"Wstaw datę z kalendarza", "Wstaw datę z kalendarza", "", 54},
        {nullptr, nullptr, nullptr, 0},
        {"Zaznacz całość", " Zaznacz całość ", "Ctrl+A", 73},
        {"Kopiuj", " Kopiuj do schowka ", "Ctrl+C", 71},
        {"Wklej", " Wklej ze schowka ", "Ctrl+V", 72},
        {"Wytnij", " Wytnij do schowka ", "Ctrl+X", 70},
        {"Cofnij", " Cofnij ", "Ctrl+Z", 76},
        {nullptr, nullptr, nullptr, 0},
        {"Ustaw tryb edycji bazy", " Ustaw tryb edycji bazy ", "", 4},
    };
    const QList<QAction *> akcje = m_modul->APopupOkienEdit->actions();
    QCOMPARE(akcje.size(), int(std::size(oczekiwane)));
    for (int i = 0; i < akcje.size(); ++i) {
        const Pozycja &o = oczekiwane[i];
        QCOMPARE(akcje[i]->isSeparator(), o.tekst == nullptr);
        if (!o.tekst)
            continue;
        QCOMPARE(akcje[i]->text(), QString::fromUtf8(o.tekst));
        QCOMPARE(akcje[i]->toolTip(), QString::fromUtf8(o.podpowiedz));
        QCOMPARE(akcje[i]->shortcut().toString(), QString::fromUtf8(o.skrot));
        QVERIFY(IkonyApli().Jest(o.ikona));
        QVERIFY(!akcje[i]->icon().isNull());
        QCOMPARE(akcje[i], m_modul->AkcjeOkienEdit.at(i - (i > 2) - (i > 8)));
    }
    // the database command exists but has nothing to act on
    QVERIFY(!m_modul->A_Edycja->isEnabled());

    QStringList combo;
    for (QAction *a : m_modul->APopupDlaCombo->actions())
        combo << (a->isSeparator() ? QStringLiteral("-") : a->text() + QLatin1Char('/') + a->toolTip());
    QCOMPARE(combo, (QStringList{"Kopiuj do schowka/ Kopiuj do schowka ", "Wklej ze schowka/ Wklej ze schowka ", "-",
                                 "Wyczyść treść/ Wyczyść treść "}));
    QStringList internet;
    for (QAction *a : m_modul->AkcjeInternet)
        internet << a->text();
    QCOMPARE(internet, (QStringList{"Wyślij e-mail do Korven", "Ustaw stronę www", "Pobierz info o aktualizacjach"}));
}

// Which controls get which of the module's menus when a window is prepared.
void TstModulApli::przypisanie_data()
{
    // clang-format off
    Kolumny<QString, int>("rodzaj", "politykaPrzed");
    QTest::addColumn<QString>("menu");   // the menu a right click opens, empty for none of the module's

    const int dom = Qt::DefaultContextMenu;
    QTest::newRow("line edit") << "QLineEdit" << dom << "APopupOkienEdit";
    QTest::newRow("date field") << "data" << dom << "APopupOkienEdit";
    QTest::newRow("multi-line") << "QTextEdit" << dom << "APopupOkienEdit";
    QTest::newRow("plain multi-line") << "QPlainTextEdit" << dom << "APopupOkienEdit";
    QTest::newRow("editable combo") << "QComboBox edytowalny" << dom << "APopupDlaCombo";
    QTest::newRow("drop-down list") << "QComboBox" << dom << "";
    QTest::newRow("field with its own handler") << "QLineEdit" << int(Qt::CustomContextMenu) << "";
    QTest::newRow("field with its own menu") << "QLineEdit" << int(Qt::ActionsContextMenu) << "";
    QTest::newRow("field without a menu") << "QLineEdit" << int(Qt::PreventContextMenu) << "";
    QTest::newRow("combo with its own handler") << "QComboBox edytowalny" << int(Qt::CustomContextMenu) << "";
    QTest::newRow("spin box") << "QSpinBox" << dom << "";
    QTest::newRow("button") << "QPushButton" << dom << "";
    // clang-format on
}

void TstModulApli::przypisanie()
{
    QFETCH(QString, rodzaj);
    QFETCH(int, politykaPrzed);
    QFETCH(QString, menu);
    const int dom = Qt::DefaultContextMenu;

    Okno o(rodzaj);
    o.pole->setContextMenuPolicy(Qt::ContextMenuPolicy(politykaPrzed));
    ProcPrzypiszPopup(o.pole);
    ProcPrzypiszPopup(o.pole);   // a second preparation changes nothing
    QVERIFY(o.Pokaz());
    // a control left with Qt's own menu would open it modally: only its policy is compared
    if (!menu.isEmpty() || politykaPrzed != dom)
        PrawyKlik(o.pole);
    const bool edycji = m_modul->APopupOkienEdit->isVisible();
    const bool combo = m_modul->APopupDlaCombo->isVisible();
    QCOMPARE(edycji ? QStringLiteral("APopupOkienEdit") : combo ? QStringLiteral("APopupDlaCombo") : QString(), menu);
    if (edycji)
        QCOMPARE(m_modul->FPPcusEdy.data(), o.pole);
    if (combo)
        QCOMPARE(m_modul->FPPcombob.data(), o.pole);
    if (menu.isEmpty())
        QCOMPARE(int(o.pole->contextMenuPolicy()), politykaPrzed);
}

void TstModulApli::stanyPozycji_data()
{
    // clang-format off
    Kolumny<QString, bool, QString, bool>("rodzaj", "tylkoOdczyt", "schowek", "haki");
    QTest::addColumn<QString>("wlaczone");   // W Wklej, K calculator, D calendar

    QTest::newRow("read-only field, text on the clipboard") << "QLineEdit" << true << "12" << true << "";
    QTest::newRow("read-only date field") << "data" << true << "12" << true << "";
    QTest::newRow("read-only multi-line") << "QTextEdit" << true << "12" << true << "";
    QTest::newRow("date field") << "data" << false << "12" << true << "WD";
    QTest::newRow("plain field") << "QLineEdit" << false << "12" << true << "WKD";
    QTest::newRow("plain field, empty clipboard") << "QLineEdit" << false << "" << true << "WKD";
    QTest::newRow("read-only, empty clipboard") << "QLineEdit" << true << "" << true << "";
    QTest::newRow("plain field, picture on the clipboard") << "QLineEdit" << false << "#obraz" << true << "WKD";
    QTest::newRow("date field, empty clipboard") << "data" << false << "" << true << "WD";
    QTest::newRow("text field") << "tekst" << false << "12" << true << "WKD";
    QTest::newRow("number field") << "liczba" << false << "12" << true << "WK";
    QTest::newRow("postcode field") << "kod" << false << "12" << true << "WK";
    QTest::newRow("multi-line") << "QTextEdit" << false << "12" << true << "WKD";
    QTest::newRow("plain multi-line") << "QPlainTextEdit" << false << "" << true << "WKD";
    QTest::newRow("no calculator, no calendar") << "QLineEdit" << false << "12" << false << "W";
    // clang-format on
}

void TstModulApli::stanyPozycji()
{
    QFETCH(QString, rodzaj);
    QFETCH(bool, tylkoOdczyt);
    QFETCH(QString, schowek);
    QFETCH(bool, haki);
    QFETCH(QString, wlaczone);

    if (!haki) {
        ProcKalkulator = nullptr;
        ProcKalendarz = nullptr;
    }
    Okno o(rodzaj);
    if (auto *e = qobject_cast<QLineEdit *>(o.pole))
        e->setReadOnly(tylkoOdczyt);
    else if (auto *t = qobject_cast<QTextEdit *>(o.pole))
        t->setReadOnly(tylkoOdczyt);
    else if (auto *z = qobject_cast<QPlainTextEdit *>(o.pole))
        z->setReadOnly(tylkoOdczyt);
    ProcPrzypiszPopup(o.pole);
    QVERIFY(o.Pokaz());
    UstawSchowek(schowek);
    const auto przed = Schowek();

    PrawyKlik(o.pole);
    QVERIFY(m_modul->APopupOkienEdit->isVisible());
    QString jest;
    if (m_modul->A_wklej->isEnabled())
        jest += QLatin1Char('W');
    if (m_modul->A_Kalkul->isEnabled())
        jest += QLatin1Char('K');
    if (m_modul->A_Kalend->isEnabled())
        jest += QLatin1Char('D');
    QCOMPARE(jest, wlaczone);
    // opening the menu leaves the clipboard as it was
    QCOMPARE(Schowek(), przed);
    QCOMPARE(QGuiApplication::clipboard()->text(), schowek.startsWith(QLatin1Char('#')) ? QString() : schowek);
}

// The standard commands act on the field the menu was opened for.
void TstModulApli::polecenieZwykle()
{
    Okno o(QStringLiteral("QLineEdit"));
    auto *e = static_cast<QLineEdit *>(o.pole);
    e->setText(QStringLiteral("Faktura 7"));
    ProcPrzypiszPopup(e);
    QVERIFY(o.Pokaz());
    e->setFocus();
    QMenu *menu = m_modul->APopupOkienEdit;

    PrawyKlik(e);
    QVERIFY(!m_modul->A_kopiuj->isEnabled());
    QVERIFY(!m_modul->A_Wytnij->isEnabled());
    Kliknij(menu, m_modul->A_calosc);
    QCOMPARE(e->selectedText(), QStringLiteral("Faktura 7"));
    PrawyKlik(e);
    Kliknij(menu, m_modul->A_Wytnij);
    QCOMPARE(e->text(), QString());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Faktura 7"));
    PrawyKlik(e);
    Kliknij(menu, m_modul->A_Cofnij);
    QCOMPARE(e->text(), QStringLiteral("Faktura 7"));
    e->setCursorPosition(0);
    QGuiApplication::clipboard()->setText(QStringLiteral("Nr\r\n"));
    PrawyKlik(e);
    Kliknij(menu, m_modul->A_wklej);
    QCOMPARE(e->text(), QStringLiteral("NrFaktura 7"));   // pasted through the field's rules: no line break
}

void TstModulApli::kombo_data()
{
    // clang-format off
    Kolumny<QString, QString>("zaznaczone", "schowek");
    QTest::addColumn<QString>("wlaczone");   // K copy, W paste, C clear

    QTest::newRow("selection and clipboard") << "Przelew" << "Gotówka" << "KWC";
    QTest::newRow("blank selection") << "  " << "Gotówka" << "WC";
    QTest::newRow("blank clipboard") << "Przelew" << " " << "KC";
    QTest::newRow("nothing") << "" << "" << "C";
    // clang-format on
}

void TstModulApli::kombo()
{
    QFETCH(QString, zaznaczone);
    QFETCH(QString, schowek);
    QFETCH(QString, wlaczone);

    Okno o(QStringLiteral("QComboBox edytowalny"));
    auto *c = static_cast<QComboBox *>(o.pole);
    c->setEditText(QStringLiteral("Zapłata: ") + zaznaczone);
    c->lineEdit()->setSelection(9, zaznaczone.size());
    ProcPrzypiszPopup(c);
    QVERIFY(o.Pokaz());
    UstawSchowek(schowek);
    QMenu *menu = m_modul->APopupDlaCombo;
    PrawyKlik(c);
    QVERIFY(menu->isVisible());
    QString jest;
    for (auto [a, z] : {std::pair{m_modul->Mcb_Kopiuj, 'K'}, {m_modul->Mcb_Wklej, 'W'}, {m_modul->Mcb_Czysc, 'C'}})
        if (a->isEnabled())
            jest += QLatin1Char(z);
    QCOMPARE(jest, wlaczone);

    if (m_modul->Mcb_Kopiuj->isEnabled()) {
        Kliknij(menu, m_modul->Mcb_Kopiuj);
        QCOMPARE(QGuiApplication::clipboard()->text(), zaznaczone);
        QGuiApplication::clipboard()->setText(schowek);
        PrawyKlik(c);
    }
    if (m_modul->Mcb_Wklej->isEnabled()) {
        Kliknij(menu, m_modul->Mcb_Wklej);
        QCOMPARE(c->currentText(), QStringLiteral("Zapłata: ") + schowek);
        PrawyKlik(c);
    }
    Kliknij(menu, m_modul->Mcb_Czysc);
    QCOMPARE(c->currentText(), QString());
}

void TstModulApli::wstawKalkulator_data()
{
    // clang-format off
    QTest::addColumn<QString>("rodzaj");
    QTest::addColumn<QString>("klawisze");   // "\n" Enter, "\x1b" Escape
    QTest::addColumn<QString>("wynik");

    // "Suma: 99 zł" with 99 selected
    QTest::newRow("replaces the selection") << "QLineEdit" << "12+3\n" << "Suma: 15 zł";
    QTest::newRow("text field") << "tekst" << "12+3\n" << "Suma: 15 zł";
    QTest::newRow("multi-line") << "QTextEdit" << "2*4,5\n" << "Suma: 9 zł";
    QTest::newRow("cancelled") << "QLineEdit" << "12+3\x1b" << "Suma: 99 zł";
    // clang-format on
}

void TstModulApli::wstawKalkulator()
{
    QFETCH(QString, rodzaj);
    QFETCH(QString, klawisze);
    QFETCH(QString, wynik);

    Okno o(rodzaj);
    const QString tekst = QStringLiteral("Suma: 99 zł");
    auto tresc = [&] {
        if (auto *t = qobject_cast<QTextEdit *>(o.pole))
            return t->toPlainText();
        return static_cast<QLineEdit *>(o.pole)->text();
    };
    if (auto *t = qobject_cast<QTextEdit *>(o.pole)) {
        t->setPlainText(tekst);
        QTextCursor k = t->textCursor();
        k.setPosition(6);
        k.setPosition(8, QTextCursor::KeepAnchor);
        t->setTextCursor(k);
    } else {
        auto *e = static_cast<QLineEdit *>(o.pole);
        e->setText(tekst);
        e->setSelection(6, 2);
    }
    ProcPrzypiszPopup(o.pole);
    QVERIFY(o.Pokaz());
    o.pole->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("schowek"));

    bool podPolem = false;
    GdyOtwarte::Uruchom<TDlgKalkulat>([] { return TDlgKalkulat::DlaPola(); },
                                      [&](TDlgKalkulat *d) {
                                          podPolem = d->SesjaNatywna();
                                          for (QChar c : klawisze) {
                                              if (c == QLatin1Char('\n'))
                                                  QTest::keyClick(d->Wyswietlacz(), Qt::Key_Return);
                                              else if (c == QLatin1Char('\x1b'))
                                                  QTest::keyClick(d->Wyswietlacz(), Qt::Key_Escape);
                                              else
                                                  QTest::keyClick(d->Wyswietlacz(), char(c.unicode()));
                                          }
                                      });
    PrawyKlik(o.pole);
    Kliknij(m_modul->APopupOkienEdit, m_modul->A_Kalkul);
    QCOMPARE(tresc(), wynik);
    // a multi-line field gets the free-standing calculator
    QCOMPARE(podPolem, rodzaj != QLatin1String("QTextEdit"));
}

void TstModulApli::wstawKalendarz_data()
{
    // clang-format off
    Kolumny<QString, QString, int, bool, QString>("rodzaj", "tekst", "kursor", "wybierz", "wynik");

    QTest::newRow("date field replaced whole") << "data" << "01.02.2023" << 3 << true << "15.03.2024";
    QTest::newRow("empty date field") << "data" << "" << 0 << true << "15.03.2024";
    QTest::newRow("plain field, at the caret") << "QLineEdit" << "Termin  r." << 7 << true << "Termin 15.03.2024 r.";
    QTest::newRow("multi-line") << "QTextEdit" << "Do " << 3 << true << "Do 15.03.2024";
    QTest::newRow("cancelled") << "data" << "01.02.2023" << 3 << false << "01.02.2023";
    // clang-format on
}

void TstModulApli::wstawKalendarz()
{
    QFETCH(QString, rodzaj);
    QFETCH(QString, tekst);
    QFETCH(int, kursor);
    QFETCH(bool, wybierz);
    QFETCH(QString, wynik);

    Okno o(rodzaj);
    auto tresc = [&] {
        if (auto *t = qobject_cast<QTextEdit *>(o.pole))
            return t->toPlainText();
        if (auto *d = qobject_cast<TokienkoData *>(o.pole))
            return d->Tekst();
        return static_cast<QLineEdit *>(o.pole)->text();
    };
    if (auto *t = qobject_cast<QTextEdit *>(o.pole)) {
        t->setPlainText(tekst);
        QTextCursor k = t->textCursor();
        k.setPosition(kursor);
        t->setTextCursor(k);
    } else if (auto *d = qobject_cast<TokienkoData *>(o.pole)) {
        d->UstawTekst(tekst);
        d->setCursorPosition(kursor);
    } else {
        static_cast<QLineEdit *>(o.pole)->setText(tekst);
        static_cast<QLineEdit *>(o.pole)->setCursorPosition(kursor);
    }
    ProcPrzypiszPopup(o.pole);
    QVERIFY(o.Pokaz());
    o.pole->setFocus();
    UstawSchowek(QStringLiteral("#obraz"));
    const auto schowek = Schowek();

    GdyOtwarte::Uruchom<TDlgKalenUstaw>([] { return TDlgKalenUstaw::Otwarty(); },
                                        [&](TDlgKalenUstaw *d) {
                                            if (!wybierz) {
                                                QTest::keyClick(d, Qt::Key_Escape);
                                                return;
                                            }
                                            d->Siatka()->setDataKalen(KodujDate(2024, 3, 15, 0));
                                            d->SiatkaDblClick();
                                        });
    PrawyKlik(o.pole);
    Kliknij(m_modul->APopupOkienEdit, m_modul->A_Kalend);
    QCOMPARE(tresc(), wynik);
    // the date went in without taking what the user had on the clipboard
    QCOMPARE(Schowek(), schowek);
}

// Every index a window or menu names holds a picture, in every list of the shared index space.
void TstModulApli::listyObrazow()
{
    const int nazwane[] = {4, 51, 54, 70, 71, 72, 73, 76, 146, 30, 31, 35, 40, 6, 16, 17, 22, 23};
    for (const TListaObrazow *l : {&m_modul->IkonyApli(), &m_modul->IkonyApli16(), &m_modul->IkonyApli32()})
        for (int nr : nazwane) {
            QVERIFY2(l->Jest(nr), qPrintable(QString::number(nr)));
            const QImage obraz = l->Obraz(nr).toImage();
            QCOMPARE(obraz.size(), QSize(l->Bok(), l->Bok()));
            // something is drawn, not an empty square
            int kryjace = 0;
            for (int y = 0; y < obraz.height(); ++y)
                for (int x = 0; x < obraz.width(); ++x)
                    kryjace += qAlpha(obraz.pixel(x, y)) > 128;
            QVERIFY2(kryjace > l->Bok(), qPrintable(QString::number(nr)));
        }
    QCOMPARE(IkonyApli().Bok(), 19);
    QVERIFY(IkonyApli().Obraz(999).isNull());
    for (int nr = 0; nr < 4; ++nr)
        QVERIFY(!m_modul->IkonySys32().Obraz(nr).isNull());
}

QTEST_MAIN(TstModulApli)
#include "tst_modulapli.moc"
