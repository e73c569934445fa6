// The invoice as a legal document in the window: kind names, four-decimal prices and "zw",
// the exemption basis, split payment, the seller of an issued invoice, the fields of a
// correction, issuing a correction and the lock of a numbered invoice.
#include "common/daty.h"
#include "controls/justgrid.h"
#include "controls/tokienka.h"
#include "editor/poleedycji.h"
#include "fakturaprzykladowa.h"
#include "invoice/dokument.h"
#include "invoice/plikfaktury.h"
#include "invoice/sumy.h"
#include "kolumny.h"
#include "oknotestowe.h"
#include "pliktymczasowy.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QTest>

namespace {
// The example invoice saved as `nazwa` and opened in the window.
QString Otworz(OknoTestowe &t, const TzentoraVat &f, const QString &nazwa = QStringLiteral("f.FAK"))
{
    const QString plik = t.Plik(nazwa);
    ZapiszFakture(plik, f);
    t.okno->OtworzProFormeEx(plik);
    return plik;
}

TzentoraVat Korekta(const QString &brutto)
{
    TzentoraVat f = FakturaPrzykladowa();
    f.RodzajFak = rFakKoryg;
    f.DoKorekty = QStringLiteral("10/FV/2018");
    f.SumyFaktury[vatSum].Brutto = brutto;
    return f;
}
}   // namespace

class TstDokumentOkna : public QObject {
    Q_OBJECT
private slots:
    void nazwyRodzajow();
    void pozycja_data();
    void pozycja();
    void podstawaZwolnienia_data();
    void podstawaZwolnienia();
    void mpp_data();
    void mpp();
    void sprzedawcaWystawionej_data();
    void sprzedawcaWystawionej();
    void otwarcieKorekty_data();
    void otwarcieKorekty();
    void kompletnoscKorekty_data();
    void kompletnoscKorekty();
    void wystawKorekte();
    void numerowanaTylkoDoOdczytu();
};

void TstDokumentOkna::nazwyRodzajow()
{
    OknoTestowe t;
    auto *c = Kontrolka<TComboLista>(*t.okno, "cboZentora");
    QCOMPARE(c->itemText(rZentora), QStringLiteral("Faktura VAT"));
    QCOMPARE(c->itemText(rFakKoryg), QStringLiteral("Faktura korygująca VAT"));
    QCOMPARE(c->itemText(rProForma), QStringLiteral("Faktura Pro Forma"));
    QCOMPARE(t.okno->windowTitle(), QStringLiteral(" Zentora:  ( bez nazwy )"));
}

void TstDokumentOkna::pozycja_data()
{
    // clang-format off
    Kolumny<QString, QString, QString>("ilosc", "cena", "stawka");
    Kolumny<QString, QString, QString>("cenaWCeli", "stawkaWCeli", "netto");
    QTest::newRow("cena z 4 miejscami") << "10000" << "5,4321" << "23" << "5,4321" << "23" << "54.321,00";
    QTest::newRow("cena z 3 miejscami") << "8" << "0,125" << "23" << "0,125" << "23" << "1,00";
    QTest::newRow("cena z 2 miejscami") << "3" << "12,35" << "23" << "12,35" << "23" << "37,05";
    QTest::newRow("cena całkowita") << "1" << "5" << "8" << "5,00" << "8" << "5,00";
    QTest::newRow("zw") << "1" << "100" << "zw" << "100,00" << "" << "100,00";
    QTest::newRow("ZW") << "2" << "1,5" << "ZW" << "1,50" << "" << "3,00";
    // clang-format on
}

void TstDokumentOkna::pozycja()
{
    QFETCH(QString, ilosc);
    QFETCH(QString, cena);
    QFETCH(QString, stawka);
    OknoTestowe t;
    t.WpiszPozycje(1, QStringLiteral("Towar"), ilosc, cena, stawka);
    auto *g = Kontrolka<TjustGrid>(*t.okno, "Grid");
    QVERIFY2(t.prezenter.pokazane.isEmpty(), qPrintable(t.prezenter.teksty().join(QLatin1Char('\n'))));
    QTEST(g->Cells(kolCena, 1), "cenaWCeli");
    QTEST(g->Cells(kolPrcVat, 1), "stawkaWCeli");
    QTEST(g->Cells(kolNetto, 1), "netto");
    // the file keeps the price as typed
    QTEST(t.okno->FakturaZEkranu().Pozycja(1).Cena, "cenaWCeli");
}

void TstDokumentOkna::podstawaZwolnienia_data()
{
    // clang-format off
    Kolumny<QString, QString, int>("stawka", "podstawa", "odpowiedz");   // 0: no question expected
    QTest::newRow("zw bez podstawy, Nie") << "zw" << "" << int(idNo);
    QTest::newRow("zw bez podstawy, domyślnie") << "zw" << "" << -1;
    QTest::newRow("zw bez podstawy, Tak") << "zw" << "" << int(idYes);
    QTest::newRow("zw z podstawą tej faktury") << "zw" << "art. 43 ust. 1 pkt 29 ustawy o VAT" << 0;
    QTest::newRow("bez pozycji zwolnionej") << "23" << "" << 0;
    // clang-format on
}

void TstDokumentOkna::podstawaZwolnienia()
{
    QFETCH(QString, stawka);
    QFETCH(QString, podstawa);
    QFETCH(int, odpowiedz);
    OknoTestowe t;
    t.WpiszPozycje(1, QStringLiteral("Szkolenie"), QStringLiteral("1"), QStringLiteral("100"), stawka);
    t.Wpisz("EdyPodstawa", podstawa);
    if (odpowiedz > 0)
        t.prezenter.odpowiedzi = {odpowiedz};
    t.Wykonaj("AcDrukuj");
    QCOMPARE(t.prezenter.pokazane.size(), odpowiedz != 0 ? 1 : 0);
    if (odpowiedz != 0)
        QVERIFY(t.prezenter.ostatni().endsWith(QStringLiteral("Czy mimo to drukować ?")));
    QCOMPARE(t.wydruki.size(), odpowiedz == 0 || odpowiedz == idYes ? 1 : 0);
    if (!t.wydruki.isEmpty())
        QCOMPARE(t.wydruki.constFirst().PodstawaZwolnienia, podstawa);
}

void TstDokumentOkna::mpp_data()
{
    // clang-format off
    Kolumny<QString, bool, int>("cena", "wlaczony", "odpowiedz");   // 0: no question expected
    Kolumny<bool>("mppWPliku");
    QTest::newRow("poniżej progu") << "14999,99" << false << 0 << false;
    QTest::newRow("próg, domyślnie Nie") << "15000" << false << -1 << false;
    QTest::newRow("próg, Tak") << "15000" << false << int(idYes) << true;
    QTest::newRow("próg, przełącznik włączony") << "20000" << true << 0 << true;
    // clang-format on
}

void TstDokumentOkna::mpp()
{
    QFETCH(QString, cena);
    QFETCH(bool, wlaczony);
    QFETCH(int, odpowiedz);
    QFETCH(bool, mppWPliku);
    OknoTestowe t;
    t.Wpisz("EdyFirma", QStringLiteral("Kupujący"));
    t.WpiszPozycje(1, QStringLiteral("Usługa"), QStringLiteral("1"), cena, QStringLiteral("zw"));
    Kontrolka<QCheckBox>(*t.okno, "CbMPP")->setChecked(wlaczony);
    if (odpowiedz > 0)
        t.prezenter.odpowiedzi = {odpowiedz};
    const QString plik = t.Plik(QStringLiteral("m.FAK"));
    t.nazwyPlikow = {plik};
    t.Wykonaj("AcZapisz");
    t.Wykonaj("AcZapisz");   // asked once for the invoice in the window
    QCOMPARE(t.prezenter.pokazane.size(), odpowiedz != 0 ? 1 : 0);
    TzentoraVat f;
    CzytajFakture(plik, f);
    QCOMPARE(f.MPP, mppWPliku);
    QCOMPARE(Kontrolka<QCheckBox>(*t.okno, "CbMPP")->isChecked(), mppWPliku);
}

void TstDokumentOkna::sprzedawcaWystawionej_data()
{
    // clang-format off
    Kolumny<bool, QString, QString>("otwarta", "ramka", "osoba");
    QTest::newRow("nowa faktura bierze nowe dane") << false << "Nowa Firma;ul. Nowa 2" << "Nowak Anna";
    QTest::newRow("otwarta zostaje przy swoich")
        << true << "Sklep Przykładowy;ul. Długa 1;60-001 Poznań;NIP 987-654-32-10" << "Przykładowy Jan";
    // clang-format on
}

void TstDokumentOkna::sprzedawcaWystawionej()
{
    QFETCH(bool, otwarta);
    OknoTestowe t;
    if (otwarta)
        Otworz(t, FakturaPrzykladowa());
    t.parametry = [](TiniZentora &ini, int) {
        ini.iniTabFirm = QStringLiteral("Nowa Firma;ul. Nowa 2");
        ini.iniTabOsob = QStringLiteral("Nowak Anna");
        return true;
    };
    t.Wykonaj("AcParametry");
    const TzentoraVat &z = t.okno->FakturaZEkranu();
    QTEST(z.SprzedRamka, "ramka");
    QTEST(z.SprzedOsoba, "osoba");
    QCOMPARE(t.okno->Konfiguracja().iniTabFirm, QStringLiteral("Nowa Firma;ul. Nowa 2"));
    // an opened invoice says why its seller stays
    QCOMPARE(t.prezenter.pokazane.size(), otwarta ? 1 : 0);
    if (otwarta)
        QVERIFY(FakturyRowne(z, t.okno->FakturaWzorcowa()));
}

void TstDokumentOkna::otwarcieKorekty_data()
{
    // clang-format off
    Kolumny<int, QString, QString, bool>("rodzaj", "brutto", "przyczyna", "ostrzezenie");
    QTest::newRow("stara korekta, dodatnia") << int(rFakKoryg) << "147,71" << "" << true;
    QTest::newRow("stara korekta, ujemna") << int(rFakKoryg) << "-147,71" << "" << false;
    QTest::newRow("korekta z przyczyną, dodatnia") << int(rFakKoryg) << "147,71" << "dopłata" << false;
    QTest::newRow("faktura VAT") << int(rZentora) << "147,71" << "" << false;
    // clang-format on
}

void TstDokumentOkna::otwarcieKorekty()
{
    QFETCH(int, rodzaj);
    QFETCH(QString, brutto);
    QFETCH(QString, przyczyna);
    QFETCH(bool, ostrzezenie);
    OknoTestowe t;
    TzentoraVat f = Korekta(brutto);
    f.RodzajFak = static_cast<TrodzajFaktury>(rodzaj);
    f.PrzyczynaKorekty = przyczyna;
    Otworz(t, f);
    QCOMPARE(t.prezenter.teksty(), ostrzezenie ? QStringList{OstrzezenieKorektyDodatniej().mid(1)} : QStringList());
    // the fields of a correction are there for a correction only
    QCOMPARE(Kontrolka(*t.okno, "EdyPrzyczyna")->isVisible(), rodzaj == rFakKoryg);
    QCOMPARE(Kontrolka(*t.okno, "EdyDataKoryg")->isVisible(), rodzaj == rFakKoryg);
}

void TstDokumentOkna::kompletnoscKorekty_data()
{
    // clang-format off
    Kolumny<QString, QString, QString, QString>("doFaktury", "data", "ksef", "przyczyna");
    QTest::addColumn<QString>("brakuje");   // empty: saved and printed
    QTest::newRow("kompletna") << "10/FV/2018" << "01.03.2018" << "" << "zwrot towaru" << "";
    QTest::newRow("z numerem KSeF")
        << "10/FV/2018" << "01.03.2018" << "9876543210-20260102-0100001AF629-46" << "rabat" << "";
    QTest::newRow("bez przyczyny") << "10/FV/2018" << "01.03.2018" << "" << "" << "przyczyna korekty";
    QTest::newRow("bez daty") << "10/FV/2018" << "" << "" << "zwrot" << "data korygowanej faktury";
    QTest::newRow("bez niczego") << "" << "" << "" << ""
                                 << "do faktury, data korygowanej faktury, przyczyna korekty";
    // clang-format on
}

void TstDokumentOkna::kompletnoscKorekty()
{
    QFETCH(QString, doFaktury);
    QFETCH(QString, data);
    QFETCH(QString, ksef);
    QFETCH(QString, przyczyna);
    QFETCH(QString, brakuje);
    OknoTestowe t;
    t.Wpisz("EdyFirma", QStringLiteral("Kupujący"));
    t.WpiszPozycje(1, QStringLiteral("Towar"), QStringLiteral("-1"), QStringLiteral("10"));
    Kontrolka<TComboLista>(*t.okno, "cboZentora")->setCurrentIndex(rFakKoryg);
    t.Wpisz("EdyFakKoryg", doFaktury);
    t.Wpisz("EdyDataKoryg", data);
    t.Wpisz("EdyKsefKoryg", ksef);
    t.Wpisz("EdyPrzyczyna", przyczyna);
    const QString plik = t.Plik(QStringLiteral("k.FAK"));
    t.nazwyPlikow = {plik};
    t.Wykonaj("AcDrukuj");
    t.Wykonaj("AcZapisz");
    QCOMPARE(QFileInfo::exists(plik), brakuje.isEmpty());
    QCOMPARE(t.wydruki.size(), brakuje.isEmpty() ? 1 : 0);
    if (!brakuje.isEmpty()) {
        QCOMPARE(t.prezenter.pokazane.size(), 2);
        QVERIFY2(t.prezenter.ostatni().contains(QStringLiteral("Brakuje: ") + brakuje + QLatin1Char('.')),
                 qPrintable(t.prezenter.ostatni()));
        QVERIFY(t.pytaniaOPlik.isEmpty());
        return;
    }
    TzentoraVat f;
    CzytajFakture(plik, f);
    QCOMPARE(f.DataKorygowanej, data);
    QCOMPARE(f.KsefKorygowanej, ksef);
    QCOMPARE(f.PrzyczynaKorekty, przyczyna);
    // switched to a VAT invoice it carries nothing of a correction
    Kontrolka<TComboLista>(*t.okno, "cboZentora")->setCurrentIndex(rZentora);
    const TzentoraVat &v = t.okno->FakturaZEkranu();
    QVERIFY(v.DataKorygowanej.isEmpty() && v.KsefKorygowanej.isEmpty() && v.PrzyczynaKorekty.isEmpty());
}

void TstDokumentOkna::wystawKorekte()
{
    OknoTestowe t;
    TzentoraVat f = FakturaPrzykladowa();
    f.KsefNumer = QStringLiteral("9876543210-20260102-0100001AF629-46");
    const QString plik = Otworz(t, f);
    const QByteArray oryginal = CzytajBajty(plik);
    QStringList pytania;
    t.okno->Dialogi.PrzyczynaKorekty = [&](QWidget *, QString &p) {
        pytania.append(p);
        p = QStringLiteral("zwrot towaru");
        return true;
    };
    t.Wykonaj("AcWystawKorekte");
    QCOMPARE(pytania, QStringList{QString()});
    TZentoraForma &o = *t.okno;
    QCOMPARE(Kontrolka<TComboLista>(o, "cboZentora")->currentIndex(), int(rFakKoryg));
    QCOMPARE(Kontrolka<TPoleEdycji>(o, "EdyFakKoryg")->text(), QStringLiteral("12/FV/2018"));
    QCOMPARE(Kontrolka<TokienkoData>(o, "EdyDataKoryg")->Tekst(), QStringLiteral("05.03.2018"));
    QCOMPARE(Kontrolka<TPoleEdycji>(o, "EdyKsefKoryg")->text(), f.KsefNumer);
    QCOMPARE(Kontrolka<TPoleEdycji>(o, "EdyPrzyczyna")->text(), QStringLiteral("zwrot towaru"));
    QCOMPARE(Kontrolka<TokienkoData>(o, "EdyDatWyst")->Tekst(), QStringLiteral("15.06.2018"));
    QCOMPARE(Kontrolka<TjustGrid>(o, "Grid")->Cells(kolIlosc, 1), QStringLiteral("-3"));
    // a new, editable document without a name, with unsaved changes
    QVERIFY(!Kontrolka<TPoleEdycji>(o, "EdyFirma")->isReadOnly());
    QCOMPARE(o.windowTitle(), QStringLiteral(" Zentora:  ( bez nazwy )"));
    QVERIFY(o.NazwaRobocza().isEmpty());
    QVERIFY(!FakturyRowne(o.FakturaZEkranu(), o.FakturaWzorcowa()));
    // saving asks for a new file; the original stays as it was
    const QString nowy = t.Plik(QStringLiteral("korekta.FAK"));
    t.nazwyPlikow = {nowy};
    t.Wykonaj("AcZapisz");
    QCOMPARE(t.pytaniaOPlik.size(), 1);
    QVERIFY(t.pytaniaOPlik.constFirst().zapis);
    QCOMPARE(CzytajBajty(plik), oryginal);
    TzentoraVat k;
    CzytajFakture(nowy, k);
    QCOMPARE(k.RodzajFak, rFakKoryg);
    QVERIFY(k.KsefNumer.isEmpty());
}

void TstDokumentOkna::numerowanaTylkoDoOdczytu()
{
    OknoTestowe t;
    TzentoraVat f = FakturaPrzykladowa();
    f.KsefNumer = QStringLiteral("9876543210-20260102-0100001AF629-46");
    f.PodstawaZwolnienia = QStringLiteral("art. 43 ust. 1 pkt 29 ustawy o VAT");
    // amounts behind the rows and above the split-payment threshold: a save values nothing
    // again and asks nothing
    f.Pozycja(1).Ilosc = QStringLiteral("1000");
    f.SumyFaktury[vatSum].Brutto = QStringLiteral("15.147,71");
    const QString plik = Otworz(t, f);
    const QByteArray przed = CzytajBajty(plik);
    TZentoraForma &o = *t.okno;
    QVERIFY(Kontrolka<QLabel>(o, "LabTylkoOdczyt")->isVisible());
    QVERIFY(Kontrolka<QLabel>(o, "LabTylkoOdczyt")->text().contains(QStringLiteral("Wystaw korektę")));
    QVERIFY(!Kontrolka(o, "cboZentora")->isEnabled());
    QVERIFY(!Kontrolka(o, "CbMPP")->isEnabled());
    // typing changes nothing: neither a field nor a cell
    for (const char *pole : {"EdyFirma", "EdyNip", "EdyDatWyst", "EdyUwagi", "EdyPodstawa", "EdyNumRach"})
        t.Wpisz(pole, QStringLiteral("1"));
    t.WpiszKomorke(kolIlosc, 1, QStringLiteral("7"));
    t.WpiszKomorke(kolTowar, 4, QStringLiteral("Nowy"));
    QVERIFY(FakturyRowne(o.FakturaZEkranu(), o.FakturaWzorcowa()));
    // saving and printing work and change nothing
    t.prezenter.odpowiedzi = {idYes};
    t.Wykonaj("AcZapisz");
    QCOMPARE(t.prezenter.teksty(), QStringList());
    t.Wykonaj("AcDrukuj");
    QCOMPARE(CzytajBajty(plik), przed);
    QCOMPARE(t.wydruki.size(), 1);
    // a new invoice is editable again
    t.Wykonaj("AcNowa");
    QVERIFY(!Kontrolka<TPoleEdycji>(o, "EdyFirma")->isReadOnly());
    QVERIFY(Kontrolka<QLabel>(o, "LabTylkoOdczyt")->isHidden());
}

QTEST_MAIN(TstDokumentOkna)
#include "tst_dokumentokna.moc"
