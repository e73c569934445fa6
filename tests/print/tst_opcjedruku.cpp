// The print options dialog: what it opens with, what "DRUKUJ" and the other ways out leave
// in the copy count and the print options, the signature and duplicate rules, the printer,
// preview and PDF buttons and the options step of the print command.

#include "kolumny.h"
#include "print/opcjedruku.h"

#include "common/daty.h"
#include "controls/tokienka.h"
#include "fakturaprzykladowa.h"
#include "pdftekst.h"
#include "prezentertestowy.h"
#include "print/dlgdrukstop.h"
#include "print/drukarka.h"
#include "print/wydrukfaktury.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Runs `co` on the first modal window of type T that shows up (checked every 10 ms).
template <class T> QTimer *GdyModalny(std::function<void(T *)> co)
{
    auto *t = new QTimer;
    t->setInterval(10);
    QObject::connect(t, &QTimer::timeout, [t, co] {
        if (auto *d = qobject_cast<T *>(QApplication::activeModalWidget())) {
            t->stop();
            t->deleteLater();
            co(d);
        }
    });
    t->start();
    return t;
}

// Steps on the dialog, separated by spaces: "k2" chooses 2 copies, "D" clicks the duplicate
// box, "P" the signature box, "L" the second line of its caption, "M" the margins box,
// "d<digits>" types a date; the last step closes: "OK", "Enter", "Anuluj" or "Esc".
void Wykonaj(TZentoraDialDruk *d, const QString &kroki)
{
    for (const QString &k : kroki.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (k.startsWith(QLatin1Char('k')))
            d->ComboKopie->setCurrentIndex(k.mid(1).toInt());
        else if (k == QLatin1String("D"))
            QTest::mouseClick(d->cbDuplikat, Qt::LeftButton, {}, QPoint(6, d->cbDuplikat->height() / 2));
        else if (k == QLatin1String("P"))
            QTest::mouseClick(d->cboRysujPodpis, Qt::LeftButton, {}, QPoint(6, d->cboRysujPodpis->height() / 2));
        else if (k == QLatin1String("L"))
            QTest::mouseClick(d->Label3, Qt::LeftButton, {}, QPoint(10, d->Label3->height() / 2));
        else if (k == QLatin1String("M"))
            QTest::mouseClick(d->cboMarginUser, Qt::LeftButton, {}, QPoint(6, d->cboMarginUser->height() / 2));
        else if (k.startsWith(QLatin1Char('d'))) {
            d->EdyDupData->setFocus();
            d->EdyDupData->setCursorPosition(0);
            QTest::keyClicks(d->EdyDupData, k.mid(1));
        } else if (k == QLatin1String("OK"))
            d->BtnOk->click();
        else if (k == QLatin1String("Enter"))
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : d, Qt::Key_Return);
        else if (k == QLatin1String("Anuluj"))
            d->BtnAnul->click();
        else if (k == QLatin1String("Esc"))
            QTest::keyClick(d, Qt::Key_Escape);
    }
}

QString Data(double d) { return DataNaTekst(QString(), d); }

// Answers the file dialogs as they open, in order and each dialog once: a path accepts it,
// "" cancels it. A dialog is answered only when it is open and is not the one answered
// last, so the answers never depend on how soon a dialog shows up.
class OdpowiedziPlikow {
public:
    explicit OdpowiedziPlikow(const QStringList &odpowiedzi) : m_odpowiedzi(odpowiedzi)
    {
        m_zegar.setInterval(5);
        QObject::connect(&m_zegar, &QTimer::timeout, [this] {
            auto *fd = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!fd || fd == m_ostatni || !fd->isVisible() || m_odpowiedzi.isEmpty())
                return;
            m_ostatni = fd;
            const QString o = m_odpowiedzi.takeFirst();
            if (o.isEmpty()) {
                fd->reject();
            } else {
                fd->selectFile(o);
                static_cast<QDialog *>(fd)->accept();
            }
        });
        m_zegar.start();
    }
    bool Wszystkie() const { return m_odpowiedzi.isEmpty(); }

private:
    QStringList m_odpowiedzi;
    QPointer<QFileDialog> m_ostatni;
    QTimer m_zegar;
};

}   // namespace

class TstOpcjeDruku : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_ustawDrukarke = ProcUstawDrukarke;
        ZainstalujOknoDrukStop();
    }
    void init();
    void cleanup();

    void otwarcie_data();
    void otwarcie();
    void wybory_data();
    void wybory();
    void zlaDataDuplikatu();
    void drukarka();
    void drukarkaSystemowa();
    void podglad();
    void drukZPodgladu();
    void doPdf();
    void bezFaktury();
    void krokPolecenia();

private:
    QTemporaryDir m_dir;
    QWidget *m_okno = nullptr;
    std::function<bool(QWidget *, QPrinter *)> m_ustawDrukarke;   // the system's own set-up dialog
};

void TstOpcjeDruku::init()
{
    DrukujPodpis = true;
    PlikPodpisu = QStringLiteral("stary.bmp");
    EkstraMarginesy = false;
    // what a previous print may have left
    DrukujDuplikat = true;
    DataDuplikatu = KodujDate(2018, 1, 2, 0);
    ProcUstawDrukarke = nullptr;
    m_okno = new QWidget;
    m_okno->show();
}

void TstOpcjeDruku::cleanup()
{
    delete m_okno;
    m_okno = nullptr;
    ProcOpcjeDruku = nullptr;
    QVERIFY(!QApplication::activeModalWidget());
}

void TstOpcjeDruku::otwarcie_data()
{
    // clang-format off
    Kolumny<int, QString, bool, bool, int>("kopie", "plikPodpisu", "drukujPodpis", "marginesy", "pozycja");
    Kolumny<bool>("podpis");

    QTest::newRow("7 kopii to 3") << 7 << "podpis.bmp" << true << false << 3 << true;
    QTest::newRow("-1 to 0") << -1 << "podpis.bmp" << true << true << 0 << true;
    QTest::newRow("2 kopie") << 2 << "podpis.bmp" << true << false << 2 << true;
    QTest::newRow("bez pliku podpisu") << 1 << "" << true << false << 1 << false;
    QTest::newRow("plik z samych spacji") << 1 << "   " << true << false << 1 << false;
    QTest::newRow("podpis wylaczony wczesniej") << 1 << "podpis.bmp" << false << true << 1 << false;
    // clang-format on
}

void TstOpcjeDruku::otwarcie()
{
    QFETCH(int, kopie);
    QFETCH(QString, plikPodpisu);
    QFETCH(bool, drukujPodpis);
    QFETCH(bool, marginesy);
    DrukujPodpis = drukujPodpis;
    EkstraMarginesy = marginesy;
    TiniZentora ini;
    ini.IniPodpisBmp = plikPodpisu;
    int pozycja = -1;
    bool podpis = false, margines = false, duplikat = true, opcjaDuplikatu = true;
    QString data = QStringLiteral("?");
    QString tytul, plik;
    QWidget *wlasciciel = nullptr;
    bool fokus = false;
    GdyModalny<TZentoraDialDruk>([&](TZentoraDialDruk *d) {
        pozycja = d->ComboKopie->currentIndex();
        podpis = d->cboRysujPodpis->isChecked();
        margines = d->cboMarginUser->isChecked();
        duplikat = d->cbDuplikat->isChecked();
        opcjaDuplikatu = DrukujDuplikat || DataDuplikatu != 0;
        data = Data(d->EdyDupData->XWartosc());
        tytul = d->windowTitle();
        wlasciciel = d->parentWidget();
        plik = d->FplikPodpisuBmp;
        fokus = d->focusWidget() == d->BtnOk && d->BtnOk->isDefault();
        d->reject();
    });
    const int przed = kopie;
    QVERIFY(!PokazOpcjeDruku(m_okno, ini, kopie));
    QCOMPARE(kopie, przed);   // Cancel leaves the count as it was
    QTEST(pozycja, "pozycja");
    QTEST(podpis, "podpis");
    QCOMPARE(margines, marginesy);
    QVERIFY(!duplikat);
    QVERIFY(!opcjaDuplikatu);   // cleared as soon as the dialog opens
    QCOMPARE(data, QString());
    QCOMPARE(tytul, QStringLiteral("Drukowanie faktury"));
    QCOMPARE(wlasciciel, m_okno);
    QCOMPARE(plik, plikPodpisu);
    QVERIFY(fokus);   // Enter prints
}

void TstOpcjeDruku::wybory_data()
{
    // clang-format off
    Kolumny<QString, QString, int, bool, int>("plikPodpisu", "kroki", "pozycjaPrzedZamknieciem", "wynik", "kopie");
    Kolumny<bool, QString, bool, bool, QString>("podpis", "plik", "marginesy", "duplikat", "data");

    const QString bmp = QStringLiteral("podpis.bmp");
    QTest::newRow("0 egzemplarzy") << bmp << "k0 OK" << 0 << true << 0 << true << bmp << false << false << "";
    QTest::newRow("Enter drukuje") << bmp << "Enter" << 2 << true << 2 << true << bmp << false << false << "";
    QTest::newRow("duplikat: 2 na 1") << bmp << "D OK" << 1 << true << 1 << true << bmp << false << true << "";
    QTest::newRow("duplikat, potem znow 2") << bmp << "D k2 OK" << 2 << true << 2 << true << bmp << false << true << "";
    QTest::newRow("odznaczenie duplikatu nic nie zmienia") << bmp << "D k3 D OK" << 3 << true << 3 << true << bmp
                                                           << false << false << "";
    QTest::newRow("duplikat z data") << bmp << "D d05042018 OK" << 1 << true << 1 << true << bmp << false << true
                                     << "05.04.2018";
    QTest::newRow("data bez duplikatu") << bmp << "d05042018 OK" << 2 << true << 2 << true << bmp << false << false
                                        << "05.04.2018";
    QTest::newRow("bez podpisu") << bmp << "P OK" << 2 << true << 2 << false << bmp << false << false << "";
    QTest::newRow("podpis przez druga linie") << bmp << "L OK" << 2 << true << 2 << false << bmp << false << false
                                              << "";
    QTest::newRow("bez pliku nie da sie zaznaczyc") << "" << "P L OK" << 2 << true << 2 << false << "" << false
                                                    << false << "";
    QTest::newRow("marginesy") << bmp << "M OK" << 2 << true << 2 << true << bmp << true << false << "";
    // Cancel leaves everything as it was, except the duplicate, cleared at the opening.
    QTest::newRow("Anuluj") << bmp << "k0 D P M d05042018 Anuluj" << 1 << false << 2 << true << "stary.bmp" << false
                            << false << "";
    QTest::newRow("Escape") << bmp << "k3 M Esc" << 3 << false << 2 << true << "stary.bmp" << false << false << "";
    // clang-format on
}

void TstOpcjeDruku::wybory()
{
    QFETCH(QString, plikPodpisu);
    QFETCH(QString, kroki);
    TiniZentora ini;
    ini.IniPodpisBmp = plikPodpisu;
    int pozycja = -1;
    GdyModalny<TZentoraDialDruk>([&](TZentoraDialDruk *d) {
        const int ostatni = kroki.lastIndexOf(QLatin1Char(' '));
        Wykonaj(d, kroki.left(std::max(0, ostatni)));
        pozycja = d->ComboKopie->currentIndex();
        Wykonaj(d, kroki.mid(ostatni + 1));
    });
    int kopie = 2;
    PrezenterTestowy prezenter;
    QTEST(PokazOpcjeDruku(m_okno, ini, kopie), "wynik");
    QTEST(pozycja, "pozycjaPrzedZamknieciem");
    QTEST(kopie, "kopie");
    QTEST(DrukujPodpis, "podpis");
    QTEST(PlikPodpisu, "plik");
    QTEST(EkstraMarginesy, "marginesy");
    QTEST(DrukujDuplikat, "duplikat");
    QTEST(Data(DataDuplikatu), "data");
    QVERIFY(prezenter.pokazane.isEmpty());
}

// A duplicate whose date is half typed, impossible or before the invoice was issued is not
// printed: the dialog names the field and stays open.
void TstOpcjeDruku::zlaDataDuplikatu()
{
    PrezenterTestowy prezenter;
    TiniZentora ini;
    TzentoraVat fakt;
    fakt.DataWystaw = QStringLiteral("01.03.2018");
    int kopie = 2;
    QList<bool> otwarty;
    GdyModalny<TZentoraDialDruk>([&](TZentoraDialDruk *d) {
        Wykonaj(d, QStringLiteral("D d31022018"));
        for (double data : {KodujDate(2018, 2, 28, 0), KodujDate(2018, 3, 5, 0)}) {
            QTest::keyClick(d->EdyDupData, Qt::Key_Return);
            otwarty.append(d->isVisible());
            [&] { QTRY_VERIFY(d->EdyDupData->hasFocus()); }();   // the dialog may become active only now
            d->EdyDupData->setXWartosc(data);
        }
        QTest::keyClick(d->EdyDupData, Qt::Key_Return);
    });
    QVERIFY(PokazOpcjeDruku(m_okno, ini, kopie, &fakt));
    QCOMPARE(otwarty, (QList<bool>{true, true}));
    QCOMPARE(prezenter.teksty(),
             (QStringList{QStringLiteral("Data duplikatu: niepoprawna wartość 31.02.2018"),
                          QStringLiteral("Data duplikatu 28.02.2018 jest wcześniejsza niż data wystawienia faktury "
                                         "01.03.2018.")}));
    QCOMPARE(Data(DataDuplikatu), QStringLiteral("05.03.2018"));
}

void TstOpcjeDruku::drukarka()
{
    QList<QPrinter *> pytano;
    ProcUstawDrukarke = [&](QWidget *, QPrinter *p) {
        pytano.append(p);
        return true;
    };
    TiniZentora ini;
    int kopie = 2;
    GdyModalny<TZentoraDialDruk>([](TZentoraDialDruk *d) {
        d->BtnDrukarka->click();
        d->reject();
    });
    QVERIFY(!PokazOpcjeDruku(m_okno, ini, kopie));
    QCOMPARE(pytano, QList<QPrinter *>{DrukarkaAplikacji()});
}

// The system's set-up dialog only chooses: its button says so, not "print".
void TstOpcjeDruku::drukarkaSystemowa()
{
    QPrinter p(QPrinter::HighResolution);
    QString przycisk;
    GdyModalny<QPrintDialog>([&](QPrintDialog *d) {
        if (auto *b = d->findChild<QDialogButtonBox *>())
            przycisk = b->button(QDialogButtonBox::Ok)->text();
        d->reject();
    });
    QVERIFY(!m_ustawDrukarke(m_okno, &p));
    QCOMPARE(przycisk, QStringLiteral("&Zapamiętaj ustawienia"));
}

// The preview shows the current choices; the options themselves change only with "DRUKUJ".
void TstOpcjeDruku::podglad()
{
    const TzentoraVat f = FakturaPrzykladowa();
    TiniZentora ini;
    ini.IniPodpisBmp = QStringLiteral("podpis.bmp");
    bool duplikatWPodgladzie = false, marginesyWPodgladzie = false, podpisWPodgladzie = true;
    QString plikWPodgladzie;
    bool podgladBylo = false, otwartyPo = false;
    GdyModalny<TZentoraDialDruk>([&](TZentoraDialDruk *d) {
        Wykonaj(d, QStringLiteral("D d03042018 M P"));
        GdyModalny<QPrintPreviewDialog>([&](QPrintPreviewDialog *p) {
            podgladBylo = true;
            duplikatWPodgladzie = DrukujDuplikat && Data(DataDuplikatu) == QLatin1String("03.04.2018");
            marginesyWPodgladzie = EkstraMarginesy;
            podpisWPodgladzie = DrukujPodpis;
            plikWPodgladzie = PlikPodpisu;
            p->reject();
        });
        d->BtnPodglad->click();
        otwartyPo = d->isVisible();
        d->reject();
    });
    int kopie = 2;
    QVERIFY(!PokazOpcjeDruku(m_okno, ini, kopie, &f));
    QVERIFY(podgladBylo);
    QVERIFY(duplikatWPodgladzie);
    QVERIFY(marginesyWPodgladzie);
    QVERIFY(!podpisWPodgladzie);
    QCOMPARE(plikWPodgladzie, QStringLiteral("podpis.bmp"));
    QVERIFY(otwartyPo);
    QVERIFY(!DrukujDuplikat && !EkstraMarginesy && DrukujPodpis);
    QCOMPARE(PlikPodpisu, QStringLiteral("stary.bmp"));
}

// The preview's print button is the dialog's "DRUKUJ": the print then goes through the print
// command (one document per copy, the progress window), never straight from the preview.
void TstOpcjeDruku::drukZPodgladu()
{
    const TzentoraVat f = FakturaPrzykladowa();
    TiniZentora ini;
    bool podgladZamkniety = false;
    GdyModalny<TZentoraDialDruk>([&](TZentoraDialDruk *d) {
        Wykonaj(d, QStringLiteral("k3 M"));
        GdyModalny<QPrintPreviewDialog>([&](QPrintPreviewDialog *p) {
            QPointer<QPrintPreviewDialog> podglad = p;
            for (QAction *a : p->findChildren<QAction *>())
                if (a->toolTip() == QLatin1String("Drukuj"))
                    a->trigger();
            podgladZamkniety = !podglad || !podglad->isVisible();
            if (podglad && podglad->isVisible())
                podglad->reject();
        });
        d->BtnPodglad->click();
        if (d->isVisible())
            d->reject();
    });
    int kopie = 2;
    QVERIFY(PokazOpcjeDruku(m_okno, ini, kopie, &f));
    QVERIFY(podgladZamkniety);
    QCOMPARE(kopie, 3);
    QVERIFY(EkstraMarginesy);
}

void TstOpcjeDruku::doPdf()
{
    QVERIFY(m_dir.isValid());
    PrezenterTestowy prezenter;
    const TzentoraVat f = FakturaPrzykladowa();
    TiniZentora ini;
    ini.iniFolder = m_dir.path();
    const QString plik = m_dir.filePath(QStringLiteral("duplikat.pdf"));
    // the second dialog is cancelled: it writes nothing
    OdpowiedziPlikow pliki({plik, QString()});
    GdyModalny<TZentoraDialDruk>([&](TZentoraDialDruk *d) {
        Wykonaj(d, QStringLiteral("k0 D d03042018"));
        d->BtnPdf->click();
        d->BtnPdf->click();
        d->reject();
    });
    int kopie = 2;
    QVERIFY(!PokazOpcjeDruku(m_okno, ini, kopie, &f));
    QVERIFY(pliki.Wszystkie());
    QCOMPARE(PdfStrony(plik), 1);
    const QString tekst = PdfTekst(plik);
    QVERIFY2(tekst.contains(QStringLiteral("( Duplikat )")) && tekst.contains(QStringLiteral("03.04.2018")),
             qPrintable(tekst.left(400)));
    QVERIFY(!DrukujDuplikat);
    QCOMPARE(kopie, 2);
    QVERIFY(prezenter.pokazane.isEmpty());
    QVERIFY(!AktDrukarka);
}

void TstOpcjeDruku::bezFaktury()
{
    TZentoraDialDruk d(m_okno);
    QVERIFY(!d.BtnPodglad->isEnabled());
    QVERIFY(!d.BtnPdf->isEnabled());
    const TzentoraVat f = FakturaPrzykladowa();
    const TiniZentora ini;
    TZentoraDialDruk z(m_okno, &f, &ini);
    QVERIFY(z.BtnPodglad->isEnabled() && z.BtnPdf->isEnabled());
    QVERIFY(z.width() >= 350 && z.height() >= 220);
}

// The dialog as the options step of the print command: 0 copies prints nothing.
void TstOpcjeDruku::krokPolecenia()
{
    ProcOpcjeDruku = nullptr;
    ZainstalujOpcjeDruku();
    QVERIFY(bool(ProcOpcjeDruku));
    const TzentoraVat f = FakturaPrzykladowa();
    TiniZentora ini;
    int kopie = 2;
    bool zPrzyciskami = false;
    GdyModalny<TZentoraDialDruk>([&](TZentoraDialDruk *d) {
        zPrzyciskami = d->BtnPodglad->isEnabled();
        Wykonaj(d, QStringLiteral("k0 OK"));
    });
    QCOMPARE(DrukujFakture(f, ini, m_okno, kopie), 0);
    QVERIFY(zPrzyciskami);
    QCOMPARE(kopie, 0);
    GdyModalny<TZentoraDialDruk>([](TZentoraDialDruk *d) { Wykonaj(d, QStringLiteral("k3 Anuluj")); });
    QCOMPARE(DrukujFakture(f, ini, m_okno, kopie), 0);
    QCOMPARE(kopie, 0);
}

QTEST_MAIN(TstOpcjeDruku)
#include "tst_opcjedruku.moc"
