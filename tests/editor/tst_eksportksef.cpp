// The KSeF command of the main window: the record as saving builds it, the questions it
// asks and the XML file it writes.
#include "controls/tokienka.h"
#include "editor/poleedycji.h"
#include "fakturaprzykladowa.h"
#include "invoice/plikfaktury.h"
#include "oknotestowe.h"
#include "pliktymczasowy.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

class TstEksportKsef : public QObject {
    Q_OBJECT
private slots:
    void eksport_data();
    void eksport();
};

void TstEksportKsef::eksport_data()
{
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
    QTest::newRow("korekta, rezygnacja") << "korekta bez danych" << QList<int>{} << "" << "";
    QTest::newRow("rachunek") << "rachunek" << QList<int>{}
                              << "Dokument „Rachunek” nie jest fakturą VAT i nie trafia do KSeF.|Eksportować można "
                                 "fakturę VAT, fakturę korygującą, fakturę VAT - MP i rachunek uproszczony."
                              << "";
    QTest::newRow("bez podstawy zwolnienia") << "bez podstawy" << QList<int>{}
                                             << "Faktura ma pozycję zwolnioną z VAT, a nie podano podstawy zwolnienia.|"
                                                "Wpisz ją na stronie „KSeF” parametrów, np. „art. 113 ust. 1 ustawy o VAT”."
                                             << "";
    QTest::newRow("bez kupującego") << "bez kupującego" << QList<int>{} << "Brak firmy kupującego" << "";
}

void TstEksportKsef::eksport()
{
    QFETCH(QString, przypadek);
    QFETCH(QList<int>, odpowiedzi);
    QFETCH(QString, komunikat);
    QFETCH(QString, wXml);
    OknoTestowe t;
    TZentoraForma *okno = t.okno;
    if (przypadek != QLatin1String("bez podstawy"))
        okno->IniZentora.iniKsefPodstawa = QStringLiteral("art. 113 ust. 1 ustawy o VAT");
    TzentoraVat f = FakturaPrzykladowa();
    if (przypadek == QLatin1String("dobry NIP") || przypadek.startsWith(QLatin1String("korekta")))
        f.KupNip = QStringLiteral("526-587-76-35");
    const QString fak = t.Plik(QStringLiteral("przyklad.FAK"));
    ZapiszFakture(fak, f);
    okno->OtworzPlik(fak);
    if (przypadek.startsWith(QLatin1String("korekta"))) {
        okno->cboZentora->setCurrentIndex(rFakKoryg);
        okno->EdyFakKoryg->setText(QStringLiteral("10/FV/2018"));
    } else if (przypadek == QLatin1String("rachunek")) {
        okno->cboZentora->setCurrentIndex(rZwykly);
    } else if (przypadek == QStringLiteral("bez kupującego")) {
        t.Wpisz(okno->EdyFirma, QStringLiteral("   "));
    }
    QStringList propozycje;
    const QString xml = t.Plik(QStringLiteral("wynik.xml"));
    okno->Dialogi.PlikKsef = [&](QWidget *, const QString &p) {
        propozycje.append(p);
        return xml;
    };
    int pytania = 0;
    okno->Dialogi.DaneKorygowanej = [&](QWidget *, QString &data, QString &numer) {
        ++pytania;
        data = QStringLiteral("01.03.2018");
        numer.clear();
        return przypadek != QLatin1String("korekta bez danych");
    };
    t.prezenter.odpowiedzi = odpowiedzi;
    t.Wykonaj(okno->AcEksportKsef);

    QCOMPARE(t.prezenter.ostatni(), QString(komunikat).replace(QLatin1Char('@'), xml));
    QCOMPARE(pytania, przypadek.startsWith(QLatin1String("korekta")) ? 1 : 0);
    QCOMPARE(QFileInfo::exists(xml), !wXml.isEmpty());
    if (wXml.isEmpty())
        return;
    QCOMPARE(propozycje, QStringList{t.Plik(QStringLiteral("przyklad.xml"))});
    QVERIFY(CzytajBajty(xml).contains(wXml.toUtf8()));
    QProcess x;
    x.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), QStringLiteral("--schema"),
                                        QStringLiteral(ZENTORA_KSEF_SCHEMA), xml});
    QVERIFY(x.waitForFinished(60000));
    QVERIFY2(x.exitCode() == 0, x.readAllStandardError().constData());
}

QTEST_MAIN(TstEksportKsef)
#include "tst_eksportksef.moc"
