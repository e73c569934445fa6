// The KSeF command of the main window: the record as saving builds it, the questions it
// asks and the XML file it writes.
#include "common/program.h"
#include "controls/tokienka.h"
#include "editor/ksefokno.h"
#include "editor/poleedycji.h"
#include "fakturaprzykladowa.h"
#include "invoice/ksef.h"
#include "invoice/plikfaktury.h"
#include "oknotestowe.h"
#include "pliktymczasowy.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QTimer>

namespace {
// The test configuration with the exemption basis on the KSeF page of the parameters.
QByteArray KonfiguracjaZPodstawa()
{
    return KonfiguracjaTestowa()
           + TekstPliku(QStringLiteral("\n[KSeF]\nPodstawaZwolnienia=art. 113 ust. 1 ustawy o VAT\n"));
}
}   // namespace

class TstEksportKsef : public QObject {
    Q_OBJECT
private slots:
    void eksport_data();
    void eksport();
    void numerKsef();
    void oknoNumeru();
};

void TstEksportKsef::eksport_data()
{
    // clang-format off
    QTest::addColumn<QString>("przypadek");
    QTest::addColumn<QList<int>>("odpowiedzi");   // of the message boxes, in order
    QTest::addColumn<QString>("komunikat");       // the last message ("@" the XML file)
    QTest::addColumn<QString>("wXml");            // a text the XML holds; empty: no file
    QTest::newRow("zapisano") << "dobry NIP" << QList<int>{} << "Zapisano fakturę w formacie KSeF (FA(3)):|@"
                              << "<P_15>147.71</P_15>";
    QTest::newRow("zły NIP, Anuluj") << "" << QList<int>{idCancel}
                                     << "NIP nabywcy 1234567890 ma błędną cyfrę kontrolną.||Czy mimo to zapisać plik XML ?"
                                     << "";
    QTest::newRow("zły NIP, OK") << "" << QList<int>{idOK} << "Zapisano fakturę w formacie KSeF (FA(3)):|@"
                                 << "<NIP>1234567890</NIP>";
    QTest::newRow("korekta") << "korekta" << QList<int>{} << "Zapisano fakturę w formacie KSeF (FA(3)):|@"
                             << "<DataWystFaKorygowanej>2018-03-01</DataWystFaKorygowanej>";
    QTest::newRow("korekta bez daty i przyczyny")
        << "korekta bez danych" << QList<int>{}
        << "Faktura korygująca nie jest kompletna. Brakuje: data korygowanej faktury, przyczyna korekty.|Uzupełnij "
           "dane korygowanej faktury obok pola „do faktury” (data jako DD.MM.RRRR)." << "";
    // the checks of saving come first: a bill with VAT rates is refused before the kind is
    QTest::newRow("rachunek") << "rachunek" << QList<int>{}
                              << "Rachunek nie może zawierać podatku VAT.|Wiersz 1 ma stawkę 23 % - dozwolona jest "
                                 "tylko stawka 0 lub puste pole."
                              << "";
    QTest::newRow("bez podstawy zwolnienia") << "bez podstawy" << QList<int>{}
                                             << "Faktura ma pozycję zwolnioną z VAT, a nie podano podstawy zwolnienia.|"
                                                "Wpisz ją w fakturze albo na stronie „KSeF” parametrów, np. „art. 113 ust. 1 "
                                                "ustawy o VAT”."
                                             << "";
    QTest::newRow("bez kupującego") << "bez kupującego" << QList<int>{} << "Brak firmy kupującego" << "";
    // clang-format on
}

void TstEksportKsef::eksport()
{
    QFETCH(QString, przypadek);
    QFETCH(QList<int>, odpowiedzi);
    QFETCH(QString, komunikat);
    QFETCH(QString, wXml);
    OknoTestowe t(przypadek == QLatin1String("bez podstawy") ? KonfiguracjaTestowa() : KonfiguracjaZPodstawa());
    TZentoraForma *okno = t.okno;
    TzentoraVat f = FakturaPrzykladowa();
    if (przypadek == QLatin1String("dobry NIP") || przypadek.startsWith(QLatin1String("korekta")))
        f.KupNip = QStringLiteral("526-587-76-35");
    const QString fak = t.Plik(QStringLiteral("przyklad.FAK"));
    ZapiszFakture(fak, f);
    okno->OtworzProFormeEx(fak);
    if (przypadek.startsWith(QLatin1String("korekta"))) {
        Kontrolka<TComboLista>(*okno, "cboZentora")->setCurrentIndex(rFakKoryg);
        Kontrolka<TPoleEdycji>(*okno, "EdyFakKoryg")->setText(QStringLiteral("10/FV/2018"));
        if (przypadek == QLatin1String("korekta")) {
            t.Wpisz("EdyDataKoryg", QStringLiteral("01.03.2018"));
            t.Wpisz("EdyPrzyczyna", QStringLiteral("zwrot towaru"));
        }
    } else if (przypadek == QLatin1String("rachunek")) {
        Kontrolka<TComboLista>(*okno, "cboZentora")->setCurrentIndex(rZwykly);
    } else if (przypadek == QStringLiteral("bez kupującego")) {
        t.Wpisz(Kontrolka<TPoleEdycji>(*okno, "EdyFirma"), QStringLiteral("   "));
    }
    QStringList propozycje;
    const QString xml = t.Plik(QStringLiteral("wynik.xml"));
    okno->Dialogi.PlikKsef = [&](QWidget *, const QString &p) {
        propozycje.append(p);
        return xml;
    };
    t.prezenter.odpowiedzi = odpowiedzi;
    t.Wykonaj(Kontrolka<QAction>(*okno, "AcEksportKsef"));

    QCOMPARE(t.prezenter.ostatni(), QString(komunikat).replace(QLatin1Char('@'), xml));
    QCOMPARE(QFileInfo::exists(xml), !wXml.isEmpty());
    if (wXml.isEmpty()) {
        QVERIFY(okno->Faktura().KsefSkrot.isEmpty());
        QCOMPARE(Kontrolka<QLabel>(*okno, "LabKsef")->text(), QStringLiteral("KSeF: nie eksportowano"));
        return;
    }
    // the export's record is in the invoice file at once (a changed invoice saved first)
    QCOMPARE(okno->Faktura().KsefSkrot, SkrotKsef(CzytajBajty(xml)));
    QVERIFY(EksportAktualny(okno->Faktura()));
    QVERIFY(FakturyRowne(okno->Faktura(), okno->FakturaWzorcowa()));
    TzentoraVat zPliku;
    CzytajFakture(fak, zPliku);
    QVERIFY(FakturyRowne(zPliku, okno->Faktura()));
    QCOMPARE(Kontrolka<QLabel>(*okno, "LabKsef")->text(), QStringLiteral("KSeF: eksportowano, bez numeru"));
    QCOMPARE(propozycje, QStringList{t.Plik(QStringLiteral("przyklad.xml"))});
    QVERIFY(CzytajBajty(xml).contains(wXml.toUtf8()));
    QProcess x;
    x.start(QStringLiteral("xmllint"),
            {QStringLiteral("--noout"), QStringLiteral("--schema"), QStringLiteral(ZENTORA_KSEF_SCHEMA), xml});
    QVERIFY(x.waitForFinished(60000));
    QVERIFY2(x.exitCode() == 0, x.readAllStandardError().constData());
}

void TstEksportKsef::numerKsef()
{
    OknoTestowe t(KonfiguracjaZPodstawa());
    TZentoraForma *okno = t.okno;
    QStringList pokazane;
    QStringList odpowiedzi{QStringLiteral("9876543210-20260102-0100001AF629-00"),
                           QStringLiteral("9876543210-20260102-0100001AF629-46")};
    okno->Dialogi.NumerKsef = [&](QWidget *, QString &numer) {
        pokazane.append(numer);
        if (odpowiedzi.isEmpty())
            return false;
        numer = odpowiedzi.takeFirst();
        return true;
    };
    t.Wykonaj(Kontrolka<QAction>(*okno, "AcNumerKsef"));   // no export yet: nothing to number
    QVERIFY(t.prezenter.ostatni().startsWith(QStringLiteral("Faktury nie eksportowano do KSeF.")));
    QVERIFY(pokazane.isEmpty());

    okno->Dialogi.PlikKsef = [&](QWidget *, const QString &) { return t.Plik(QStringLiteral("a.xml")); };
    t.Wpisz(Kontrolka<TPoleEdycji>(*okno, "EdyFirma"), QStringLiteral("Firma"));
    t.Wpisz(Kontrolka<TPoleEdycji>(*okno, "EdyNip"), QStringLiteral("526-587-76-35"));
    t.WpiszPozycje(1, QStringLiteral("Usługa"), QStringLiteral("1"), QStringLiteral("10"));
    // an invoice never saved is saved first (asked, OK by default)
    const QString fak = t.Plik(QStringLiteral("a.FAK"));
    t.nazwyPlikow = {fak};
    t.Wykonaj(Kontrolka<QAction>(*okno, "AcEksportKsef"));
    QVERIFY(t.prezenter.teksty().contains(QStringLiteral(
        "Faktura ( bez nazwy ) ma niezapisane zmiany.|Zapis KSeF trafia do pliku faktury, więc najpierw trzeba ją "
        "zapisać.||Czy zapisać fakturę teraz ?")));
    QVERIFY2(QFileInfo::exists(t.Plik(QStringLiteral("a.xml"))),
             qPrintable(t.prezenter.teksty().join(QLatin1Char('\n'))));
    // a number is for the invoice that was exported, not for one changed since
    t.Wpisz(Kontrolka<TPoleEdycji>(*okno, "EdyFirma"), QStringLiteral("Firma X"));
    t.Wykonaj(Kontrolka<QAction>(*okno, "AcNumerKsef"));
    QVERIFY(t.prezenter.ostatni().startsWith(QStringLiteral("Faktura zmieniła się po eksporcie do KSeF.")));
    QVERIFY(pokazane.isEmpty());
    t.Wpisz(Kontrolka<TPoleEdycji>(*okno, "EdyFirma"), QStringLiteral("Firma"));
    t.Wykonaj(Kontrolka<QAction>(*okno, "AcNumerKsef"));   // a wrong check first, then the right number
    QCOMPARE(pokazane, (QStringList{QString(), QStringLiteral("9876543210-20260102-0100001AF629-00")}));
    QVERIFY(t.prezenter.ostatni().contains(QStringLiteral("ma błędną sumę kontrolną (powinna być 46)")));
    QCOMPARE(okno->Faktura().KsefNumer, QStringLiteral("9876543210-20260102-0100001AF629-46"));
    QCOMPARE(Kontrolka<QLabel>(*okno, "LabKsef")->text(), QStringLiteral("KSeF 9876543210-20260102-0100001AF629-46"));
    // the number is in the file at once, and the invoice is final: locked, never exported again
    TzentoraVat zPliku;
    CzytajFakture(fak, zPliku);
    QCOMPARE(zPliku.KsefNumer, okno->Faktura().KsefNumer);
    QVERIFY(FakturyRowne(okno->Faktura(), okno->FakturaWzorcowa()));
    QVERIFY(Kontrolka<TPoleEdycji>(*okno, "EdyFirma")->isReadOnly());
    QVERIFY(Kontrolka<QLabel>(*okno, "LabTylkoOdczyt")->isVisible());
    const QByteArray xmlPrzed = CzytajBajty(t.Plik(QStringLiteral("a.xml")));
    t.Wykonaj(Kontrolka<QAction>(*okno, "AcEksportKsef"));
    QVERIFY2(t.prezenter.ostatni().contains(QStringLiteral("ma już numer KSeF")), qPrintable(t.prezenter.ostatni()));
    QCOMPARE(CzytajBajty(t.Plik(QStringLiteral("a.xml"))), xmlPrzed);
    QCOMPARE(okno->Faktura().KsefNumer, zPliku.KsefNumer);
}

void TstEksportKsef::oknoNumeru()
{
    // the question about the number is one of the program's forms: its font, the edit menu of
    // its field, and the keyboard is enough to answer it
    QWidget wlasciciel;
    wlasciciel.show();
    QList<QObject *> przypisane;
    ProcPrzypiszPopup = [&](QObject *o) { przypisane.append(o); };
    QString rodzina;
    QLineEdit *pole = nullptr;
    QTimer::singleShot(0, [&] {
        QWidget *d = QApplication::activeModalWidget();
        QVERIFY(d);
        rodzina = d->font().family();
        pole = d->findChild<QLineEdit *>(QStringLiteral("EdyNumerKsef"));
        QVERIFY(pole);
        QCOMPARE(pole->text(), QStringLiteral("stary"));
        pole->selectAll();
        QTest::keyClicks(pole, QStringLiteral("9876543210-20260102-0100001AF629-46"));
        QTest::keyClick(pole, Qt::Key_Return);
    });
    QString numer = QStringLiteral("stary");
    const bool ok = PytajONumerKsef(&wlasciciel, numer);
    ProcPrzypiszPopup = nullptr;
    QVERIFY(ok);
    QCOMPARE(numer, QStringLiteral("9876543210-20260102-0100001AF629-46"));
    QCOMPARE(rodzina, QStringLiteral("Tahoma"));
    QVERIFY(pole && przypisane.contains(pole));
}

QTEST_MAIN(TstEksportKsef)
#include "tst_eksportksef.moc"
