// The main window's life and commands, driven the way a user drives them: a new invoice,
// typing, saving (file bytes), reopening, the unsaved-changes question, pro-forma
// numbering, the parameters, the host-only commands and closing.

#include "kolumny.h"
#include "oknotestowe.h"

#include "common/bledy.h"
#include "common/daty.h"
#include "common/program.h"
#include "common/teksty.h"
#include "controls/justgrid.h"
#include "controls/tokienka.h"
#include "editor/poleedycji.h"
#include "fakturaprzykladowa.h"
#include "invoice/konfiguracja.h"
#include "invoice/plikfaktury.h"
#include "invoice/sumy.h"
#include "pliktymczasowy.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

namespace {

const QString kPytanieBezNazwy =
    QStringLiteral("Zmiany w  \"( bez nazwy )\"  nie zostały zapisane.|             Czy kontynuować ?");
const QString kTylkoWSystemie = QStringLiteral(
    "Funkcja jest dostepna tylko wtedy gdy program  \"ZENTORA\"|stanowi moduł  systemu  \"TRAMOLIN\"  firmy  KORVEN");

// The invoice a user types in on 15.06.2018: a buyer with Polish letters and two rows.
void WpiszFakture(OknoTestowe &t)
{
    t.Wpisz("EdyNumRach", QStringLiteral("7"));
    t.Wpisz("EdyFirma", QStringLiteral("Hurtownia Żółw"));
    t.Wpisz("EdyUlica", QStringLiteral("ul. Polna 7"));
    t.Wpisz("EdyKod", QStringLiteral("60101"));
    Kontrolka<TPoleEdycji>(*t.okno, "EdyMiasto")->setText(QStringLiteral("Poznań"));
    t.WpiszPozycje(1, QStringLiteral("Papier A4"), QStringLiteral("3"), QStringLiteral("12,35"));
    t.WpiszPozycje(2, QStringLiteral("Usługa; transport"), QStringLiteral("1,5"), QStringLiteral("33,33"),
                   QStringLiteral("8"));
}

const QString kZapisanaFaktura = QStringLiteral(
    "[OpisFaktury]\nWersja=2\nRodzaj=0\nTypNum=2\nNrFakt=7\nSymbol=FV\nWystaw=15.06.2018\nSprzed=15.06.2018\n"
    "Zapłac=29.06.2018\nTypZap=1\nKorekt=\nUwagi=\n\n"
    "[Kupujący]\nkFirma=Hurtownia Żółw\nkUlica=ul. Polna 7\nKodpoc=60-101\nMiejsc=Poznań\nNumNIP=\nOdbier=\n\n"
    "[Sprzedawca]\nRamka=Sklep Przykładowy;ul. Długa 1;60-001 Poznań;NIP 987-654-32-10\nsBank=Bank Przykładowy\n"
    "Konto=11 2222 3333 4444 5555 6666 7777\nOsoba=Przykładowy Jan\n\n"
    "[Warunki]\nRatalnie=0\nPrzelano=0\nOdeslano=\n\n"
    "[Sumy]\nSU=87,05|0|12,52|99,57\nZW=|0||\nV0=|0||\nV1=50,00|8|4,00|54,00\nV2=37,05|23|8,52|45,57\nV3=|5||\n\n"
    "[Pozycje]\nLiczba=2\ntowar1=Papier A4\ntresc1=||3|12,35|37,05|23|8,52|45,57\n"
    "towar2=Usługa; transport\ntresc2=||1,5|33,33|50,00|8|4,00|54,00\n\n");

}   // namespace

class TstZentoraEdyt : public QObject {
    Q_OBJECT
private slots:
    void nowaFaktura_data();
    void nowaFaktura();
    void zamykanie_data();
    void zamykanie();
    void zapisIOtwarcie();
    void zapisBezKupujacego();
    void nieudanyZapis();
    void wadliwaDataSprzedazy_data();
    void wadliwaDataSprzedazy();
    void otwarcieWadliwegoPliku();
    void otwarcieUszkodzonego();
    void numeracjaProFormy();
    void formatNumeracji_data();
    void formatNumeracji();
    void parametry_data();
    void parametry();
    void folderRoboczy();
    void tylkoWSystemie();
    void drukowanie();
    void narzedziaIPomoc();
    void plikZLiniiPolecen();
    void dlugieTekstyZPliku();
};

void TstZentoraEdyt::nowaFaktura_data()
{
    // clang-format off
    Kolumny<QString, int, QString>("zaplata", "sposob", "dataZaplaty");
    QTest::newRow("przelewem po 14 dniach") << QStringLiteral("1") << 1 << QStringLiteral("29.06.2018");
    QTest::newRow("gotówką tego dnia") << QStringLiteral("0") << 0 << QStringLiteral("15.06.2018");
    // clang-format on
}

void TstZentoraEdyt::nowaFaktura()
{
    QFETCH(QString, zaplata);
    QString konf = QString::fromUtf8(KonfiguracjaTestowa());
    OknoTestowe t(KonfiguracjaTestowa().replace("Zaplac=1", "Zaplac=" + zaplata.toLatin1()));
    TZentoraForma &o = *t.okno;
    QCOMPARE(o.windowTitle(), QStringLiteral(" Zentora:  ( bez nazwy )"));
    QCOMPARE(Kontrolka<TComboLista>(o, "cboZentora")->currentText(), QStringLiteral("Faktura VAT"));
    QCOMPARE(Kontrolka<TokienkoLong>(o, "EdyNumRach")->text(), QStringLiteral("1"));
    QCOMPARE(Kontrolka<TokienkoData>(o, "EdyDatWyst")->Tekst(), QStringLiteral("15.06.2018"));
    QCOMPARE(Kontrolka<TokienkoData>(o, "EdyDatSprz")->Tekst(), QStringLiteral("15.06.2018"));
    QTEST(Kontrolka<TokienkoData>(o, "EdyDatZapl")->Tekst(), "dataZaplaty");
    QTEST(Kontrolka<TComboLista>(o, "cboJakPlaci")->currentIndex(), "sposob");
    QCOMPARE(Kontrolka<TPoleFiltrowane>(o, "EdyKod")->Tekst(), QStringLiteral("  -   "));
    QCOMPARE(Kontrolka<QTextEdit>(o, "MemSpFirma")->toPlainText(),
             QStringLiteral("Sklep Przykładowy\nul. Długa 1\n60-001 Poznań\nNIP 987-654-32-10"));
    QCOMPARE(Kontrolka<TokienkoTekst>(o, "EdySpKonto")->text(), QStringLiteral("11 2222 3333 4444 5555 6666 7777"));
    QCOMPARE(Kontrolka<TjustGrid>(o, "SumGrid")->Cells(1, 0), QStringLiteral("-----"));
    QCOMPARE(o.Faktura().RodzajNum, numerNSR);
    QCOMPARE(o.Faktura().SymbolFak, QStringLiteral("FV"));
    QCOMPARE(o.FolderRoboczy(), ZUkosnikiem(QDir::toNativeSeparators(t.katalog.path())));
    // database commands of the host stay as a stand-alone program has them
    QVERIFY(!Kontrolka<QAction>(o, "AcAkceptuj")->isEnabled());
    QVERIFY(!Kontrolka<QAction>(o, "AcAnuluj")->isEnabled());
    QVERIFY(!Kontrolka<QAction>(o, "AcEdytujZbazy")->isEnabled());
    QVERIFY(!Kontrolka<QAction>(o, "AcPomocFakt")->isVisible());
    // a new invoice counts as unchanged
    QVERIFY(o.MoznaZamknac());
    QVERIFY(t.prezenter.pokazane.isEmpty());
}

void TstZentoraEdyt::zamykanie_data()
{
    // clang-format off
    QTest::addColumn<QString>("zmiana");      // what the user types into the buyer field
    Kolumny<QList<int>, bool, bool>("odpowiedzi", "pytanie", "zamknieto");
    QTest::newRow("bez zmian") << QString() << QList<int>() << false << true;
    QTest::newRow("zmiana, Anuluj") << QStringLiteral("A") << QList<int>{idCancel} << true << false;
    QTest::newRow("zmiana, domyślnie Anuluj") << QStringLiteral("A") << QList<int>() << true << false;
    QTest::newRow("zmiana, OK") << QStringLiteral("A") << QList<int>{idOK} << true << true;
    QTest::newRow("znak wpisany i usunięty") << QStringLiteral("A\b") << QList<int>() << false << true;
    // clang-format on
}

void TstZentoraEdyt::zamykanie()
{
    QFETCH(QString, zmiana);
    QFETCH(QList<int>, odpowiedzi);
    QFETCH(bool, pytanie);
    QFETCH(bool, zamknieto);
    OknoTestowe t;
    Kontrolka<TPoleEdycji>(*t.okno, "EdyFirma")->setFocus();
    for (QChar c : zmiana)
        c == QLatin1Char('\b') ? Klawisz(Qt::Key_Backspace) : Pisz(QString(c));
    t.prezenter.odpowiedzi = odpowiedzi;
    t.Wykonaj("AcZamknij");
    QCOMPARE(t.prezenter.pokazane.size(), pytanie ? 1 : 0);
    if (pytanie) {
        QCOMPARE(t.prezenter.ostatni(), kPytanieBezNazwy);
        QCOMPARE(t.prezenter.pokazane.first().pGrKlaw, grpKC);
        QCOMPARE(t.prezenter.pokazane.first().pNumBut, 2);
    }
    // a window whose holder is known frees itself and clears the holder
    QTRY_COMPARE(t.okno.isNull(), zamknieto);
    QCOMPARE(t.adres == nullptr, zamknieto);
    if (!zamknieto) {
        QVERIFY(t.okno->isVisible());
        QVERIFY(!t.okno->ZamknieBezPytania());
        // the host's question answered OK lets the next close go without asking again
        t.prezenter.odpowiedzi = {idOK};
        QVERIFY(t.okno->MoznaZamknac());
        t.Wykonaj("AcZamknij");
        QCOMPARE(t.prezenter.pokazane.size(), 2);
        QTRY_VERIFY(t.okno.isNull());
    }
}

void TstZentoraEdyt::zapisIOtwarcie()
{
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    WpiszFakture(t);
    QVERIFY(t.prezenter.pokazane.isEmpty());
    QCOMPARE(Kontrolka<QLabel>(o, "PanZaplata")->text().trimmed(), QStringLiteral("99,57"));
    const QString a = t.Plik(QStringLiteral("A.FAK"));
    t.nazwyPlikow = {a};
    t.Wykonaj("AcZapisz");
    QCOMPARE(t.pytaniaOPlik.size(), 1);
    QVERIFY(t.pytaniaOPlik.first().zapis);
    QCOMPARE(t.pytaniaOPlik.first().tytul, QStringLiteral(" Zapisywanie faktury "));
    QCOMPARE(t.pytaniaOPlik.first().folder, t.katalog.path());
    QCOMPARE(CzytajBajty(a), TekstPliku(kZapisanaFaktura));
    QCOMPARE(o.windowTitle(), QStringLiteral(" Zentora:  \"A.FAK\""));
    QVERIFY(o.MoznaZamknac());

    // a named invoice is saved again without asking for the name
    t.Wpisz("EdyOsoba", QStringLiteral("Kowalski"));
    t.Wykonaj("AcZapisz");
    QCOMPARE(t.pytaniaOPlik.size(), 1);
    QVERIFY(CzytajBajty(a).contains("Odbier=Kowalski\r\n"));

    // new invoice, then open A.FAK again: what was saved is back on the screen
    t.Wykonaj("AcNowa");
    QCOMPARE(Kontrolka<TPoleEdycji>(o, "EdyFirma")->text(), QString());
    QCOMPARE(o.windowTitle(), QStringLiteral(" Zentora:  ( bez nazwy )"));
    t.nazwyPlikow = {a};
    t.Wykonaj("AcOtworz");
    QCOMPARE(t.pytaniaOPlik.last().tytul, QStringLiteral("Otwieranie faktury "));
    QVERIFY(!t.pytaniaOPlik.last().zapis);
    QCOMPARE(Kontrolka<TPoleEdycji>(o, "EdyFirma")->text(), QStringLiteral("Hurtownia Żółw"));
    QCOMPARE(Kontrolka<TjustGrid>(o, "Grid")->Cells(1, 2), QStringLiteral("Usługa; transport"));
    QCOMPARE(Kontrolka<TjustGrid>(o, "SumGrid")->Cells(1, 1), QStringLiteral("8 %"));
    QCOMPARE(Kontrolka<TokienkoLong>(o, "EdyNumRach")->text(), QStringLiteral("7"));
    QCOMPARE(o.windowTitle(), QStringLiteral(" Zentora:  \"A.FAK\""));
    QVERIFY(o.MoznaZamknac());
    QVERIFY(t.prezenter.pokazane.isEmpty());

    // a change asks with the quoted name inside the quotes of the question
    t.Wpisz("EdyUwagi", QStringLiteral("x"));
    t.prezenter.odpowiedzi = {idCancel};
    t.Wykonaj("AcNowa");
    QCOMPARE(t.prezenter.ostatni(),
             QStringLiteral("Zmiany w  \"\"A.FAK\"\"  nie zostały zapisane.|             Czy kontynuować ?"));
    QCOMPARE(Kontrolka<TPoleEdycji>(o, "EdyUwagi")->text(), QStringLiteral("x"));
    // Save as under another name; a dialog given up saves nothing
    t.nazwyPlikow = {QString()};
    t.Wykonaj("AcZapiszJako");
    QCOMPARE(t.pytaniaOPlik.last().nazwa, QStringLiteral("A.FAK"));
    QVERIFY(!QFile::exists(t.Plik(QStringLiteral("B.FAK"))));
    t.nazwyPlikow = {t.Plik(QStringLiteral("B.FAK"))};
    t.prezenter.odpowiedzi = {idYes};   // the copy has A.FAK's number: kept on purpose
    t.Wykonaj("AcZapiszJako");
    QVERIFY(CzytajBajty(t.Plik(QStringLiteral("B.FAK"))).contains("Uwagi=x\r\n"));
    QCOMPARE(o.NazwaRobocza(), QStringLiteral("B.FAK"));
}

void TstZentoraEdyt::zapisBezKupujacego()
{
    OknoTestowe t;
    t.Wpisz("EdyFirma", QStringLiteral("   "));
    t.nazwyPlikow = {t.Plik(QStringLiteral("A.FAK"))};
    for (const char *a : {"AcZapisz", "AcZapiszJako"})
        t.Wykonaj(a);
    QCOMPARE(t.prezenter.teksty(), QStringList(2, QStringLiteral("Brak firmy kupującego")));
    QCOMPARE(t.prezenter.pokazane.first().pIcoDlg, icError);
    QVERIFY(t.pytaniaOPlik.isEmpty());
}

void TstZentoraEdyt::nieudanyZapis()
{
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    t.Wpisz("EdyFirma", QStringLiteral("Firma"));
    // the folder chosen does not exist: nothing can be written there
    const QString zly = t.Plik(QStringLiteral("brak/A.FAK"));
    t.nazwyPlikow = {zly};
    t.Wykonaj("AcZapisz");
    QCOMPARE(t.prezenter.pokazane.size(), 1);
    QCOMPARE(t.prezenter.pokazane.first().pIcoDlg, icError);
    QVERIFY(t.prezenter.ostatni().startsWith(QStringLiteral("Nie można zapisać pliku")));
    QVERIFY(!QFile::exists(zly));
    QCOMPARE(o.NazwaRobocza(), QString());
    QCOMPARE(o.windowTitle(), QStringLiteral(" Zentora:  ( bez nazwy )"));
    QCOMPARE(o.FolderRoboczy(), ZUkosnikiem(QDir::toNativeSeparators(t.katalog.path())));
    // still unsaved: closing asks
    t.prezenter.odpowiedzi = {idCancel};
    QVERIFY(!o.MoznaZamknac());
    QCOMPARE(t.prezenter.ostatni(), kPytanieBezNazwy);
}

void TstZentoraEdyt::wadliwaDataSprzedazy_data()
{
    // clang-format off
    QTest::addColumn<bool>("drukuj");
    QTest::newRow("zapis") << false;
    QTest::newRow("wydruk") << true;
    // clang-format on
}

void TstZentoraEdyt::wadliwaDataSprzedazy()
{
    QFETCH(bool, drukuj);
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    t.Wpisz("EdyFirma", QStringLiteral("Firma"));
    Kontrolka<TokienkoData>(o, "EdyDatSprz")->UstawTekst(kPustaData);
    const QString plik = t.Plik(QStringLiteral("A.FAK"));
    t.nazwyPlikow = {plik};
    t.Wykonaj(drukuj ? "AcDrukuj" : "AcZapisz");
    QCOMPARE(t.prezenter.teksty(),
             QStringList{QStringLiteral("Wadliwa data sprzedaży - nie można sprawdzić stawek VAT")});
    QVERIFY(!QFile::exists(plik));
    QVERIFY(t.wydruki.isEmpty());
    // the unsaved-changes test only reports it and goes on
    t.prezenter.odpowiedzi = {idCancel};
    QVERIFY(!o.MoznaZamknac());
    QCOMPARE(t.prezenter.pokazane.size(), 3);
}

void TstZentoraEdyt::otwarcieUszkodzonego()
{
    // a file cut after its first row: the damage is named, then the file is open to be mended
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    const QString plik = t.Plik(QStringLiteral("cut.FAK"));
    ZapiszFakture(plik, FakturaPrzykladowa());
    QByteArray b = CzytajBajty(plik);
    PiszBajty(plik, b.left(b.indexOf("towar2=")));
    t.prezenter.odpowiedzi = {idOK};
    o.OtworzProFormeEx(plik);
    QCOMPARE(t.prezenter.teksty(), QStringList{QStringLiteral("Plik \"%1\" jest uszkodzony: brak wierszy pozycji 2–3.")
                                                   .arg(QDir::toNativeSeparators(plik))});
    QCOMPARE(t.prezenter.pokazane.last().pIcoDlg, icUwaga);
    QCOMPARE(o.NazwaRobocza(), QStringLiteral("cut.FAK"));
    QCOMPARE(Kontrolka<TjustGrid>(o, "Grid")->Cells(kolTowar, 1), FakturaPrzykladowa().Pozycja(1).Towar);
    // the amount due is that of the rows there are, not the stored one of the whole invoice
    QCOMPARE(Kontrolka<QLabel>(o, "PanZaplata")->text(), FakturaPrzykladowa().Pozycja(1).Brutto);
}

void TstZentoraEdyt::otwarcieWadliwegoPliku()
{
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    const QString plik = t.Plik(QStringLiteral("zly.FAK"));
    PiszBajty(plik, TekstPliku(QStringLiteral("[OpisFaktury]\nWersja=3\n")));
    t.Wpisz("EdyFirma", QStringLiteral("Moja"));
    t.prezenter.odpowiedzi = {idOK};
    t.nazwyPlikow = {plik};
    t.Wykonaj("AcOtworz");
    QCOMPARE(t.prezenter.ostatni(), QStringLiteral("Niepoprawna wersja faktury = 3"));
    QCOMPARE(t.prezenter.pokazane.last().pIcoDlg, icError);
    QCOMPARE(Kontrolka<TPoleEdycji>(o, "EdyFirma")->text(), QStringLiteral("Moja"));
    QCOMPARE(o.NazwaRobocza(), QString());
    // a file that is not there
    t.prezenter.odpowiedzi = {idOK};
    o.Dialogi.NazwaPliku = nullptr;   // no dialog may open for a given name
    const QString brak = t.Plik(QStringLiteral("brak.FAK"));
    QVERIFY_THROWS_EXCEPTION(EMojeBledy, o.OtworzProFormeEx(brak));
    QCOMPARE(Kontrolka<TPoleEdycji>(o, "EdyFirma")->text(), QStringLiteral("Moja"));
    // an opened invoice with an unreadable sale date says so once
    TzentoraVat f = FakturaPrzykladowa();
    f.DataSprzed = kPustaData;
    ZapiszFakture(plik, f);
    t.prezenter.pokazane.clear();
    t.prezenter.odpowiedzi = {idOK};
    o.OtworzProFormeEx(plik);
    QCOMPARE(t.prezenter.teksty().last(), QStringLiteral("Wadliwa data sprzedaży - nie można sprawdzić stawek VAT"));
    QCOMPARE(o.NazwaRobocza(), QStringLiteral("zly.FAK"));
}

void TstZentoraEdyt::numeracjaProFormy()
{
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    t.Wpisz("EdyFirma", QStringLiteral("Firma"));
    Kontrolka<TComboLista>(o, "cboZentora")->setCurrentIndex(rProForma);
    const QString a = t.Plik(QStringLiteral("PF.FAK"));
    t.nazwyPlikow = {a};
    t.Wykonaj("AcZapisz");
    QByteArray b = CzytajBajty(a);
    QVERIFY(b.contains("Rodzaj=5\r\nTypNum=3\r\nNrFakt=1\r\nSymbol=PF\r\n"));
    Kontrolka<TComboLista>(o, "cboZentora")->setCurrentIndex(rZentora);
    t.Wykonaj("AcZapisz");
    b = CzytajBajty(a);
    QVERIFY(b.contains("Rodzaj=0\r\nTypNum=2\r\nNrFakt=1\r\nSymbol=FV\r\n"));
}

void TstZentoraEdyt::formatNumeracji_data()
{
    // clang-format off
    QTest::addColumn<QString>("symbol");   // of the opened invoice; null: a new invoice
    Kolumny<int, QString, QString>("odpowiedz", "komunikat", "symbolPo");
    const QString zgodny = QStringLiteral("Format numeracji tej faktury jest zgodny|z formatem zapisanym w pliku konfiguracji");
    const QString inny = QStringLiteral(
        "Format numeracji tej faktury jest inny|niż format zapisany w pliku konfiguracji||Czy przyjąć format z pliku konfiguracji ?");
    QTest::newRow("nowa") << QString() << int(idOK) << zgodny << QStringLiteral("FV");
    QTest::newRow("inny symbol, Anuluj") << QStringLiteral("ZZ") << int(idCancel) << inny << QStringLiteral("ZZ");
    QTest::newRow("inny symbol, OK") << QStringLiteral("ZZ") << int(idOK) << inny << QStringLiteral("FV");
    // clang-format on
}

void TstZentoraEdyt::formatNumeracji()
{
    QFETCH(QString, symbol);
    QFETCH(int, odpowiedz);
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    if (!symbol.isNull()) {
        TzentoraVat f = FakturaPrzykladowa();
        f.SymbolFak = symbol;
        const QString plik = t.Plik(QStringLiteral("Z.FAK"));
        ZapiszFakture(plik, f);
        o.OtworzProFormeEx(plik);
    }
    t.prezenter.odpowiedzi = {odpowiedz};
    t.Wykonaj("AcFormatNum");
    QCOMPARE(t.prezenter.pokazane.size(), 1);
    QTEST(t.prezenter.ostatni(), "komunikat");
    QTEST(o.Faktura().SymbolFak, "symbolPo");
    QCOMPARE(t.prezenter.pokazane.first().pNumBut, 1);
}

void TstZentoraEdyt::parametry_data()
{
    // clang-format off
    QTest::addColumn<int>("przez");        // 0 the command, 2 and 3 the two "..." buttons
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("zlyPlik");     // the configuration file cannot be written
    QTest::newRow("polecenie, OK") << 0 << true << false;
    QTest::newRow("polecenie, Anuluj") << 0 << false << false;
    QTest::newRow("ramka firmy, OK") << 2 << true << false;
    QTest::newRow("osoba, Anuluj") << 3 << false << false;
    QTest::newRow("OK, plik nie do zapisu") << 0 << true << true;
    // clang-format on
}

void TstZentoraEdyt::parametry()
{
    QFETCH(int, przez);
    QFETCH(bool, ok);
    QFETCH(bool, zlyPlik);
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    if (zlyPlik) {
        // started by a host on a configuration in a folder that is not there
        o.START(0, &t.adres, t.Plik(QStringLiteral("brak/Faktury.ini")));
        QCOMPARE(t.prezenter.pokazane.size(), 0);
    }
    const QByteArray przed = CzytajBajty(t.ini);
    t.parametry = [ok](TiniZentora &p, int) {
        p.iniTabFirm = QStringLiteral("Nowa Firma;Rynek 1");
        p.iniTabBank = QStringLiteral("Bank Nowy;22 3333");
        p.iniTabOsob = QStringLiteral("Anna Nowak");
        return ok;
    };
    if (przez == 0)
        t.Wykonaj("AcParametry");
    else
        QTest::mouseClick(Kontrolka(o, przez == 2 ? "BtnSpFirma" : "BtnSprzedal"), Qt::LeftButton);
    QCOMPARE(t.stronyParametrow, QList<int>{przez});
    QCOMPARE(Kontrolka<TokienkoTekst>(o, "EdySprzedal")->text(),
             ok ? QStringLiteral("Anna Nowak") : QStringLiteral("Przykładowy Jan"));
    QCOMPARE(Kontrolka<TokienkoTekst>(o, "EdySpBank")->text(),
             ok ? QStringLiteral("Bank Nowy") : QStringLiteral("Bank Przykładowy"));
    QCOMPARE(Kontrolka<TokienkoTekst>(o, "EdySpKonto")->text(),
             ok ? QStringLiteral("22 3333") : QStringLiteral("11 2222 3333 4444 5555 6666 7777"));
    QCOMPARE(Kontrolka<QTextEdit>(o, "MemSpFirma")->toPlainText(),
             ok ? QStringLiteral("Nowa Firma\nRynek 1") : Kontrolka<QTextEdit>(o, "MemSpFirma")->toPlainText());
    TiniZentora zapisane;
    CzytajParametry(t.ini, zapisane);
    QCOMPARE(zapisane.iniTabOsob, ok && !zlyPlik ? QStringLiteral("Anna Nowak") : QStringLiteral("Przykładowy Jan"));
    if (!ok || zlyPlik)
        QCOMPARE(CzytajBajty(t.ini), przed);
    QCOMPARE(t.prezenter.pokazane.size(), zlyPlik ? 1 : 0);
    // the new seller makes the invoice differ from what was started
    t.prezenter.odpowiedzi = {idCancel};
    QCOMPARE(o.MoznaZamknac(), !ok);
}

void TstZentoraEdyt::folderRoboczy()
{
    OknoTestowe t;
    // iniFolder blank: the folder of the configuration file
    t.Wykonaj("AcOtworz");
    QCOMPARE(t.pytaniaOPlik.last().folder, t.katalog.path());
    // confirmed parameters with the folder still blank: the process's current folder
    t.parametry = [](TiniZentora &, int) { return true; };
    t.Wykonaj("AcParametry");
    t.Wykonaj("AcOtworz");
    QCOMPARE(t.pytaniaOPlik.last().folder, QString());
    // a folder set in the parameters is where the dialogs start
    const QString inny = t.Plik(QStringLiteral("faktury"));
    QDir().mkpath(inny);
    t.parametry = [inny](TiniZentora &p, int) {
        p.iniFolder = inny;
        return true;
    };
    t.Wykonaj("AcParametry");
    t.Wykonaj("AcOtworz");
    QCOMPARE(t.pytaniaOPlik.last().folder, inny);
}

void TstZentoraEdyt::tylkoWSystemie()
{
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    const QString przed = TekstFaktury(o.Faktura());
    QList<QAction *> akcje;
    for (const char *n : {"AcCzytajBaze", "AcEdytujZbazy", "AcAkceptuj", "AcAnuluj", "AcDopisz", "AcBazaFaktur",
                          "AcBazaProdukt", "AcPomocTematy"})
        akcje.append(Kontrolka<QAction>(o, n));
    int wlaczone = 0;
    for (QAction *a : akcje) {
        wlaczone += a->isEnabled();
        a->trigger();   // a disabled command does nothing
    }
    QCOMPARE(wlaczone, 5);
    QCOMPARE(t.prezenter.teksty(), QStringList(wlaczone, kTylkoWSystemie));
    QCOMPARE(t.prezenter.pokazane.first().pNagl, TytulAplikacji());
    const TzentoraVat &z = o.FakturaZEkranu();
    QCOMPARE(TekstFaktury(z), przed);
    // the host's entry opens the invoice database: the same message here
    o.ImportujZbazyFaktur();
    QCOMPARE(t.prezenter.ostatni(), kTylkoWSystemie);
}

void TstZentoraEdyt::drukowanie()
{
    OknoTestowe t;
    t.WpiszPozycje(1, QStringLiteral("Papier"), QStringLiteral("2"), QStringLiteral("10"));
    // the cell being edited is taken in before printing
    Kontrolka<TjustGrid>(*t.okno, "Grid")->WybierzKomorke(kolIlosc, 1);
    Klawisz(Qt::Key_F2);
    Pisz(QStringLiteral("0"));
    t.Wykonaj("AcDrukuj");
    QCOMPARE(t.wydruki.size(), 1);
    QCOMPARE(t.kopieWydrukow, QList<int>{2});
    QCOMPARE(t.wydruki.first().Pozycja(1).Ilosc, QStringLiteral("20"));
    QCOMPARE(t.wydruki.first().SumyFaktury[vatSum].Brutto, QStringLiteral("246,00"));
    QVERIFY(t.prezenter.pokazane.isEmpty());
}

void TstZentoraEdyt::narzedziaIPomoc()
{
    int kontekst = -1;
    ProcPomocy = [&kontekst](int k) { kontekst = k; };
    KontekstPomocyFaktury = 0;
    {
        OknoTestowe t;
        Kontrolka<QAction>(*t.okno, "AcKalkulator")->trigger();
        Kontrolka<QAction>(*t.okno, "AcWizytowka")->trigger();
        Kontrolka<QAction>(*t.okno, "AcPomocFakt")->trigger();   // hidden and disabled without a help topic
        QCOMPARE(t.okienka, (QStringList{QStringLiteral("kalkulator -2,-2"), QStringLiteral("oprogramie")}));
        QCOMPARE(kontekst, -1);
    }
    // a host that has help topics: F1 asks for the window's topic
    KontekstPomocyFaktury = 77;
    OknoTestowe t;
    KontekstPomocyFaktury = 0;
    QVERIFY(Kontrolka<QAction>(*t.okno, "AcPomocFakt")->isVisible());
    Kontrolka<TPoleEdycji>(*t.okno, "EdyFirma")->setFocus();
    Klawisz(Qt::Key_F1);
    QCOMPARE(kontekst, 77);
    ProcPomocy = nullptr;
}

void TstZentoraEdyt::plikZLiniiPolecen()
{
    // the stand-alone start: START at the first activation, then the file of the command line
    UstawDateDzis(DzisTestowe());
    PrezenterTestowy prezenter;
    QTemporaryDir katalog;
    const QString ini = katalog.filePath(QStringLiteral("Faktury.ini"));
    PiszBajty(ini, KonfiguracjaTestowa());
    const QString plik = katalog.filePath(QStringLiteral("przyklad.FAK"));
    ZapiszFakture(plik, FakturaPrzykladowa());
    auto *okno = new TZentoraForma;
    okno->UstawStart(ini, plik);
    QVERIFY(okno->PlikKonfiguracji().isEmpty());
    QVERIFY(Aktywuj(*okno));
    QTRY_COMPARE(okno->NazwaRobocza(), QStringLiteral("przyklad.FAK"));
    QCOMPARE(okno->PlikKonfiguracji(), ini);
    QCOMPARE(Kontrolka<TPoleEdycji>(*okno, "EdyFirma")->text(), QStringLiteral("Hurtownia Przykładowa"));
    QVERIFY(prezenter.pokazane.isEmpty());
    delete okno;
}

void TstZentoraEdyt::dlugieTekstyZPliku()
{
    // what a file holds is shown whole and saved back unchanged, even past a field's limit
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    TzentoraVat f = FakturaPrzykladowa();
    f.KupFirma = QString(150, QLatin1Char('F'));
    f.SprzedRamka = QStringLiteral("Firma;Ulica;");
    const QString plik = t.Plik(QStringLiteral("D.FAK"));
    ZapiszFakture(plik, f);
    const QByteArray przed = CzytajBajty(plik);
    o.OtworzProFormeEx(plik);
    QCOMPARE(Kontrolka<TPoleEdycji>(o, "EdyFirma")->text().size(), 150);
    QVERIFY(o.MoznaZamknac());
    t.Wykonaj("AcZapisz");
    QCOMPARE(CzytajBajty(plik), przed);
    // typing stops at the limit
    t.Wpisz("EdyUlica", QString(40, QLatin1Char('u')));
    QCOMPARE(Kontrolka<TPoleEdycji>(o, "EdyUlica")->text().size(), 30);
    QVERIFY(t.prezenter.pokazane.isEmpty());
}

QTEST_MAIN(TstZentoraEdyt)
#include "tst_zentoraedyt.moc"
