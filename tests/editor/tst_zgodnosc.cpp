// What leaves the window matches the rows: after any edits the saved file is what
// zentora-cli recompute makes of it and the printout carries the same amount due; a save
// or print that cannot be trusted (a field that fails its check, a rate that does not fit,
// a bill with VAT) writes and prints nothing; a named invoice is saved into its own file.

#include "oknotestowe.h"

#include "app/uruchomcli.h"
#include "controls/justgrid.h"
#include "controls/tokienka.h"
#include "editor/poleedycji.h"
#include "invoice/sumy.h"
#include "pliktymczasowy.h"
#include "print/pdftekst.h"
#include "print/wydrukfaktury.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

namespace {

const QString kPrzyklad = QStringLiteral(ZENTORA_EXAMPLES "/przyklad.FAK");

// The example invoice with some of its lines replaced ("old=>new", joined by "&").
QByteArray Przyklad(const QString &zmiany)
{
    QByteArray b = CzytajBajty(kPrzyklad);
    for (const QString &z : zmiany.split(QLatin1Char('&'), Qt::SkipEmptyParts))
        b.replace(z.section(QStringLiteral("=>"), 0, 0).toUtf8(), z.section(QStringLiteral("=>"), 1).toUtf8());
    return b;
}

// The amount due a PDF shows, or "<brak>".
QString DoZaplatyWPdf(const QString &plik)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Do zapłaty:\\s+([-0-9.,]+)")).match(PdfTekst(plik));
    return m.hasMatch() ? m.captured(1) : QStringLiteral("<brak>");
}

}   // namespace

class TstZgodnosc : public QObject {
    Q_OBJECT
private slots:
    void zapisZgodnyZWierszami_data();
    void zapisZgodnyZWierszami();
    void odmowaZapisuIWydruku_data();
    void odmowaZapisuIWydruku();
    void zapisDoWlasnegoPliku();

private:
    // Runs the steps of a test row through the window:
    //   "firma TEXT", "data DD.MM.YYYY" (sale date, left with Tab),
    //   "poz ROW NAME QTY PRICE [RATE|-]" (an item row; "-" a blank rate),
    //   "usun ROW", "menu-usun ROW", "wstaw ROW" (row commands, answered OK),
    //   "rodzaj N" (the kind chosen with the keyboard), "kalendarz DATE" (the sale date
    //   picked with its calendar button), "otworz FILE" (opened as the user does),
    //   "pisz FIELD TEXT" (typed into a field that keeps the focus).
    void Kroki(OknoTestowe &t, const QStringList &kroki);
};

void TstZgodnosc::Kroki(OknoTestowe &t, const QStringList &kroki)
{
    TZentoraForma &o = *t.okno;
    for (const QString &k : kroki) {
        const QStringList a = k.split(QLatin1Char(' '));
        const QString &co = a.at(0);
        if (co == QLatin1String("firma")) {
            t.Wpisz("EdyFirma", a.mid(1).join(QLatin1Char(' ')));
        } else if (co == QLatin1String("data")) {
            t.Wpisz("EdyDatSprz", a.at(1));
        } else if (co == QLatin1String("poz")) {
            const QString stawka =
                a.size() > 5 ? (a.at(5) == QLatin1String("-") ? QStringLiteral("") : a.at(5)) : QString();
            t.WpiszPozycje(a.at(1).toInt(), a.at(2), a.at(3), a.at(4), stawka);
        } else if (co == QLatin1String("usun") || co == QLatin1String("menu-usun") || co == QLatin1String("wstaw")) {
            Kontrolka<TjustGrid>(o, "Grid")->setFocus();
            QVERIFY(Kontrolka<TjustGrid>(o, "Grid")->WybierzKomorke(1, a.at(1).toInt()));
            t.prezenter.odpowiedzi = {idOK};
            if (co == QLatin1String("menu-usun")) {
                t.MenuSiatki([&o](QMenu &menu) {
                    QTest::mouseClick(&menu, Qt::LeftButton, {},
                                      menu.actionGeometry(Kontrolka<QAction>(o, "UsuWiersz")).center());
                });
            } else {
                Klawisz(co == QLatin1String("usun") ? Qt::Key_Delete : Qt::Key_Insert,
                        co == QLatin1String("usun") ? Qt::ControlModifier : Qt::NoModifier);
            }
            Przetworz();
            t.prezenter.pokazane.removeLast();   // the question itself
        } else if (co == QLatin1String("rodzaj")) {
            Kontrolka<TComboLista>(o, "cboZentora")->setFocus();
            Klawisz(Qt::Key_Home);
            for (int i = 0; i < a.at(1).toInt(); ++i)
                Klawisz(Qt::Key_Down);
            Przetworz();
        } else if (co == QLatin1String("kalendarz")) {
            t.dataZKalendarza = a.at(1);
            QTest::mouseClick(Kontrolka<QToolButton>(o, "SpeedData2"), Qt::LeftButton);
            Przetworz();
        } else if (co == QLatin1String("otworz")) {
            t.nazwyPlikow = {t.Plik(a.at(1))};
            t.Wykonaj("AcOtworz");
        } else if (co == QLatin1String("pisz")) {
            t.Wpisz(o.findChild<QWidget *>(a.at(1)), a.mid(2).join(QLatin1Char(' ')), false);
        } else {
            QFAIL(qPrintable(k));
        }
    }
}

void TstZgodnosc::zapisZgodnyZWierszami_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("kroki");
    QTest::addColumn<QString>("naEkranie");   // the amount due once the steps are done
    QTest::addColumn<QString>("doZaplaty");   // in the saved file and on paper
    const QStringList trzy = {QStringLiteral("firma Nabywca"), QStringLiteral("poz 1 Monitor 2 1.000"),
                              QStringLiteral("poz 2 Kabel 2 25 8"), QStringLiteral("poz 3 Usługa 1 577,24 -")};
    const auto wiersz = [](const char *nazwa, const QStringList &kroki, const QString &ekran, const QString &zapis) {
        QTest::newRow(nazwa) << kroki << ekran << zapis;
    };
    wiersz("trzy wiersze", trzy, QStringLiteral("3.091,24"), QStringLiteral("3.091,24"));
    wiersz("środkowy usunięty", trzy + QStringList{QStringLiteral("usun 2")}, QStringLiteral("3.037,24"),
           QStringLiteral("3.037,24"));
    wiersz("usunięty z menu", trzy + QStringList{QStringLiteral("menu-usun 1")}, QStringLiteral("631,24"),
           QStringLiteral("631,24"));
    wiersz("wstawiony, potem usunięty przesunięty", trzy + QStringList{QStringLiteral("wstaw 1"), QStringLiteral("usun 4")},
           QStringLiteral("2.514,00"), QStringLiteral("2.514,00"));
    wiersz("wszystkie usunięte",
           trzy + QStringList{QStringLiteral("usun 1"), QStringLiteral("usun 1"), QStringLiteral("usun 1")}, QString(),
           QString());
    // an opened file whose amounts lag behind its rows (10 reams where 3 were valued)
    wiersz("otwarta, zmiana rodzaju", {QStringLiteral("otworz stara.FAK"), QStringLiteral("rodzaj 2")},
           QStringLiteral("254,05"), QStringLiteral("254,05"));
    wiersz("otwarta, nowa data sprzedaży", {QStringLiteral("otworz stara.FAK"), QStringLiteral("data 06.03.2018")},
           QStringLiteral("254,05"), QStringLiteral("254,05"));
    wiersz("otwarta, data sprzedaży z kalendarza", {QStringLiteral("otworz stara.FAK"), QStringLiteral("kalendarz 07.03.2018")},
           QStringLiteral("254,05"), QStringLiteral("254,05"));
    wiersz("otwarta, od razu zapisana", {QStringLiteral("otworz stara.FAK")}, QStringLiteral("147,71"),
           QStringLiteral("254,05"));
    // clang-format on
}

void TstZgodnosc::zapisZgodnyZWierszami()
{
    QFETCH(QStringList, kroki);
    QFETCH(QString, naEkranie);
    QFETCH(QString, doZaplaty);
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    QVERIFY(
        PiszBajty(t.Plik(QStringLiteral("stara.FAK")), Przyklad(QStringLiteral("tresc1=|ryza|3|=>tresc1=|ryza|10|"))));
    Kroki(t, kroki);
    QCOMPARE(Kontrolka<QLabel>(o, "PanZaplata")->text(), naEkranie);
    QCOMPARE(t.prezenter.teksty(), QStringList());

    t.nazwyPlikow = {t.Plik(QStringLiteral("zapis.FAK"))};
    t.Wykonaj("AcZapisz");
    QCOMPARE(t.prezenter.teksty(), QStringList());
    const QString plik = QDir(o.FolderRoboczy()).filePath(o.NazwaRobocza());
    const WynikCli w = UruchomCli({QStringLiteral("recompute"), plik, QStringLiteral("-o"),
                                   t.Plik(QStringLiteral("cli.FAK")), QStringLiteral("--force")});
    QCOMPARE(w.kod, 0);
    QCOMPARE(CzytajBajty(plik), CzytajBajty(t.Plik(QStringLiteral("cli.FAK"))));
    QCOMPARE(Kontrolka<QLabel>(o, "PanZaplata")->text(), doZaplaty);

    // the printout carries the amount the rows give
    const QString pdf = t.Plik(QStringLiteral("wydruk.pdf"));
    o.Dialogi.Drukuj = [&](const TzentoraVat &f, const TiniZentora &ini, QWidget *, int &) {
        return DrukujDoPdf(pdf, f, ini, 1, false) ? 1 : 0;
    };
    t.prezenter.odpowiedzi = {idYes};   // printed even when an exempt row lacks its basis
    t.Wykonaj("AcDrukuj");
    QCOMPARE(DoZaplatyWPdf(pdf), doZaplaty.isEmpty() ? QStringLiteral("<brak>") : doZaplaty);
}

void TstZgodnosc::odmowaZapisuIWydruku_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("kroki");
    QTest::addColumn<QStringList>("komunikaty");   // shown by each of save, save as and print
    QTest::addColumn<bool>("odRazu");              // shown by the steps already
    QTest::addColumn<QString>("pole");             // the field that has the focus afterwards
    const QString zlyNumer = QStringLiteral("Numer faktury: niepoprawna wartość");
    const QString zlaData = QStringLiteral("Data wystawienia: niepoprawna wartość 31.02.2018");
    const QString stawka22 = QStringLiteral(
        "Niepoprawna wartość % Vat = 22 %|Dla wpisanej daty sprzedaży, poprawne|stawki to:  0%   8%   23%   5%   "
        "zw||\"zw\" oznacza sprzedaż zwolnioną z VAT.");
    const QStringList wiersz = {QStringLiteral("firma Nabywca"), QStringLiteral("poz 1 Papier 1 10")};
    QTest::newRow("numer 0, pole nieopuszczone")
        << wiersz + QStringList{QStringLiteral("pisz EdyNumRach 0")} << QStringList{zlyNumer + QStringLiteral(" 0")} << false << QStringLiteral("EdyNumRach");
    QTest::newRow("numer pusty") << wiersz + QStringList{QStringLiteral("pisz EdyNumRach ")} << QStringList{zlyNumer} << false
                                 << QStringLiteral("EdyNumRach");
    QTest::newRow("31.02.2018 w dacie wystawienia")
        << wiersz + QStringList{QStringLiteral("pisz EdyDatWyst 31.02.2018")} << QStringList{zlaData} << false
        << QStringLiteral("EdyDatWyst");
    QTest::newRow("zła data z pliku, fokus gdzie indziej")
        << QStringList{QStringLiteral("otworz zladata.FAK"), QStringLiteral("pisz EdyUwagi x")} << QStringList{zlaData} << false
        << QStringLiteral("EdyDatWyst");
    QTest::newRow("rachunek ze stawką 23")
        << wiersz + QStringList{QStringLiteral("poz 2 Kurs 1 5 0"), QStringLiteral("rodzaj 4")}
        << QStringList{QStringLiteral("Rachunek nie może zawierać podatku VAT.|Wiersz 1 ma stawkę 23 % - "
                                      "dozwolona jest tylko stawka 0 lub puste pole.")}
        << false << QString();
    // the sale date moved past the rates of its rows: said at once, and by save and print
    QTest::newRow("stawka sprzed 2011")
        << QStringList{QStringLiteral("firma Nabywca"), QStringLiteral("data 15.06.2010"), QStringLiteral("poz 1 Stary 1 100 22"),
                       QStringLiteral("data 15.06.2018")}
        << QStringList{stawka22} << true << QString();
    // clang-format on
}

void TstZgodnosc::odmowaZapisuIWydruku()
{
    QFETCH(QStringList, kroki);
    QFETCH(QStringList, komunikaty);
    QFETCH(bool, odRazu);
    QFETCH(QString, pole);
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    QVERIFY(PiszBajty(t.Plik(QStringLiteral("zladata.FAK")),
                      Przyklad(QStringLiteral("Wystaw=05.03.2018=>Wystaw=31.02.2018"))));
    Kroki(t, kroki);
    QStringList przyKrokach = t.prezenter.teksty();
    // a file with an impossible date says so as it is opened
    przyKrokach.removeIf([](const QString &k) { return k.endsWith(QStringLiteral(" jest błędna.")); });
    QVERIFY2(przyKrokach == (odRazu ? komunikaty : QStringList()), qPrintable(przyKrokach.join(QLatin1Char('/'))));
    const QString plik = t.Plik(QStringLiteral("nowa.FAK"));
    const QByteArray przed = CzytajBajty(t.Plik(QStringLiteral("zladata.FAK")));
    for (QAction *a : {Kontrolka<QAction>(o, "AcZapisz"), Kontrolka<QAction>(o, "AcZapiszJako"),
                       Kontrolka<QAction>(o, "AcDrukuj")}) {
        t.prezenter.pokazane.clear();
        t.nazwyPlikow = {plik};
        t.Wykonaj(a);
        QCOMPARE(t.prezenter.teksty(), komunikaty);
        if (!pole.isEmpty()) {
            QCOMPARE(QApplication::focusWidget(), o.findChild<QWidget *>(pole));
            QVERIFY(!static_cast<TokienkoBaza *>(QApplication::focusWidget())->XTestOK());
        }
        QVERIFY(!QFile::exists(plik));
        QCOMPARE(CzytajBajty(t.Plik(QStringLiteral("zladata.FAK"))), przed);
        QVERIFY(t.wydruki.isEmpty());
    }
}

void TstZgodnosc::zapisDoWlasnegoPliku()
{
    // other/C.FAK opened, the working folder set to work/ in the parameters: saving again
    // rewrites other/C.FAK and leaves the invoice of the same name in work/ alone
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    QDir(t.katalog.path()).mkpath(QStringLiteral("other"));
    QDir(t.katalog.path()).mkpath(QStringLiteral("work"));
    const QString inny = t.Plik(QStringLiteral("other/C.FAK")), roboczy = t.Plik(QStringLiteral("work/C.FAK"));
    QVERIFY(PiszBajty(inny, CzytajBajty(kPrzyklad)));
    const QByteArray cudza = Przyklad(QStringLiteral("NrFakt=12=>NrFakt=99"));
    QVERIFY(PiszBajty(roboczy, cudza));
    t.nazwyPlikow = {inny};
    t.Wykonaj("AcOtworz");
    t.parametry = [&](TiniZentora &ini, int) {
        ini.iniFolder = QDir::toNativeSeparators(t.Plik(QStringLiteral("work")));
        return true;
    };
    t.Wykonaj("AcParametry");
    t.Wpisz("EdyFirma", QStringLiteral("Nowy Nabywca"));
    // the working folder still decides where the dialogs start
    t.pytaniaOPlik.clear();
    t.Wykonaj("AcZapiszJako");
    QCOMPARE(t.pytaniaOPlik.size(), 1);
    QCOMPARE(QDir::fromNativeSeparators(t.pytaniaOPlik.first().folder), t.Plik(QStringLiteral("work")));
    t.pytaniaOPlik.clear();
    t.Wykonaj("AcZapisz");
    QVERIFY(t.pytaniaOPlik.isEmpty());
    QCOMPARE(CzytajBajty(roboczy), cudza);
    QVERIFY(CzytajBajty(inny).contains("kFirma=Nowy Nabywca\r\n"));
    QCOMPARE(o.windowTitle(), QStringLiteral(" Zentora:  \"C.FAK\""));
}

QTEST_MAIN(TstZgodnosc)
#include "tst_zgodnosc.moc"
