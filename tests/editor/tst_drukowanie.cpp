// The print command of the main window on a real printer job: every copy is the invoice
// of the moment the print began, and while the copies print the window takes no commands
// and is not closed; a close asked for meanwhile is carried out when the print has ended.

#include "oknotestowe.h"

#include "common/komunikaty.h"
#include "editor/poleedycji.h"
#include "print/dlgdrukstop.h"
#include "print/drukarka.h"
#include "print/pdftekst.h"
#include "print/wydrukfaktury.h"

#include <QAction>
#include <QTest>

class TstDrukowanie : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ZainstalujOknoDrukStop(); }
    void cleanup();
    void oknoCzekaNaKoniecWydruku();
};

void TstDrukowanie::cleanup()
{
    ProcPoKopii = nullptr;
    ProcOpcjeDruku = nullptr;
}

void TstDrukowanie::oknoCzekaNaKoniecWydruku()
{
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    // no options dialog: the count the print is given, 3
    o.Dialogi.Drukuj = [](const TzentoraVat &f, const TiniZentora &ini, QWidget *w, int &kopie) {
        kopie = 3;
        return DrukujFakture(f, ini, w, kopie);
    };
    ProcOpcjeDruku = nullptr;
    t.Wpisz("EdyFirma", QStringLiteral("Hurtownia Żółw"));
    t.WpiszPozycje(1, QStringLiteral("Papier A4"), QStringLiteral("3"), QStringLiteral("12,35"));
    const QString plik = t.Plik(QStringLiteral("druk.pdf"));
    UstawWydrukPdf(*DrukarkaAplikacji(), plik);
    // every copy is its own document: each is read as soon as it has gone to the file
    QStringList kopie;
    ProcPoKopii = [&](int) { kopie.append(PdfTekst(plik)); };

    // "Nowa" and a close, as a user clicks them while the first copy prints: the job lets
    // events through for the Cancel button of its progress window.
    int strona = 0;
    bool widocznePodczas = false;
    QString firmaPoNowej;
    QMetaObject::invokeMethod(
        &o,
        [&] {
            strona = AktDrukarka ? AktDrukarka->FnumerStrony : 0;
            Kontrolka<QAction>(o, "AcNowa")->trigger();
            firmaPoNowej = Kontrolka<TPoleEdycji>(o, "EdyFirma")->text();
            o.close();
            widocznePodczas = o.isVisible();
        },
        Qt::QueuedConnection);
    t.prezenter.odpowiedzi = {idOK};   // the unsaved-changes question when the window closes
    t.Wykonaj("AcDrukuj");

    QCOMPARE(strona, 1);   // the clicks came during the first copy
    QVERIFY(widocznePodczas);
    QCOMPARE(kopie.size(), 3);
    QVERIFY2(kopie.at(0).contains(QStringLiteral("Hurtownia Żółw"))
                 && kopie.at(0).contains(QStringLiteral("Papier A4")),
             qPrintable(kopie.at(0).left(300)));
    QCOMPARE(kopie.at(1), kopie.at(0));
    QCOMPARE(kopie.at(2), kopie.at(0));
    // "Nowa" was not taken; the close was, once the print had ended (with its question)
    QCOMPARE(firmaPoNowej, QStringLiteral("Hurtownia Żółw"));
    QTRY_VERIFY(!t.okno || !t.okno->isVisible());
    QCOMPARE(t.prezenter.pokazane.size(), 1);
    QVERIFY(t.prezenter.ostatni().startsWith(QStringLiteral("Zmiany w")));
    QVERIFY(!AktDrukarka);
}

QTEST_MAIN(TstDrukowanie)
#include "tst_drukowanie.moc"
