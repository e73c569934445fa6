// The main window's life and commands, driven the way a user drives them: a new invoice,
// typing, saving (file bytes), reopening, the unsaved-changes question, pro-forma
// numbering, the parameters, the host-only commands and closing.

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
    t.Wpisz(t.okno->EdyNumRach, QStringLiteral("7"));
    t.Wpisz(t.okno->EdyFirma, QStringLiteral("Hurtownia Żółw"));
    t.Wpisz(t.okno->EdyUlica, QStringLiteral("ul. Polna 7"));
    t.Wpisz(t.okno->EdyKod, QStringLiteral("60101"));
    t.okno->EdyMiasto->setText(QStringLiteral("Poznań"));
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
    QTest::addColumn<QString>("zaplata");
    QTest::addColumn<int>("sposob");
    QTest::addColumn<QString>("dataZaplaty");
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
    QCOMPARE(o.cboZentora->currentText(), QStringLiteral("Zentora VAT"));
    QCOMPARE(o.EdyNumRach->text(), QStringLiteral("1"));
    QCOMPARE(o.EdyDatWyst->Tekst(), QStringLiteral("15.06.2018"));
    QCOMPARE(o.EdyDatSprz->Tekst(), QStringLiteral("15.06.2018"));
    QTEST(o.EdyDatZapl->Tekst(), "dataZaplaty");
    QTEST(o.cboJakPlaci->currentIndex(), "sposob");
    QCOMPARE(o.EdyKod->Tekst(), QStringLiteral("  -   "));
    QCOMPARE(o.MemSpFirma->toPlainText(),
             QStringLiteral("Sklep Przykładowy\nul. Długa 1\n60-001 Poznań\nNIP 987-654-32-10"));
    QCOMPARE(o.EdySpKonto->text(), QStringLiteral("11 2222 3333 4444 5555 6666 7777"));
    QCOMPARE(o.SumGrid->Cells(1, 0), QStringLiteral("-----"));
    QCOMPARE(o.Zentora.RodzajNum, numerNSR);
    QCOMPARE(o.Zentora.SymbolFak, QStringLiteral("FV"));
    QCOMPARE(o.FolderRobo, ZUkosnikiem(QDir::toNativeSeparators(t.katalog.path())));
    // database commands of the host stay as a stand-alone program has them
    QVERIFY(!o.AcAkceptuj->isEnabled());
    QVERIFY(!o.AcAnuluj->isEnabled());
    QVERIFY(!o.AcEdytujZbazy->isEnabled());
    QVERIFY(!o.AcPomocFakt->isVisible());
    // a new invoice counts as unchanged
    QVERIFY(o.CzyPorzucicZmiany());
    QVERIFY(t.prezenter.pokazane.isEmpty());
}

void TstZentoraEdyt::zamykanie_data()
{
    // clang-format off
    QTest::addColumn<QString>("zmiana");      // what the user types into the buyer field
    QTest::addColumn<QList<int>>("odpowiedzi");
    QTest::addColumn<bool>("pytanie");
    QTest::addColumn<bool>("zamknieto");
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
    t.okno->EdyFirma->setFocus();
    for (QChar c : zmiana)
        c == QLatin1Char('\b') ? Klawisz(Qt::Key_Backspace) : Pisz(QString(c));
    t.prezenter.odpowiedzi = odpowiedzi;
    t.Wykonaj(t.okno->AcZamknij);
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
        QVERIFY(!t.okno->ZamknijNiePytaj);
        // the host's question answered OK lets the next close go without asking again
        t.prezenter.odpowiedzi = {idOK};
        QVERIFY(t.okno->MoznaZamknac());
        t.Wykonaj(t.okno->AcZamknij);
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
    QCOMPARE(o.PanZaplata->text().trimmed(), QStringLiteral("99,57"));
    const QString a = t.Plik(QStringLiteral("A.FAK"));
    t.nazwyPlikow = {a};
    t.Wykonaj(o.AcZapisz);
    QCOMPARE(t.pytaniaOPlik.size(), 1);
    QVERIFY(t.pytaniaOPlik.first().zapis);
    QCOMPARE(t.pytaniaOPlik.first().tytul, QStringLiteral(" Zapisywanie faktury "));
    QCOMPARE(t.pytaniaOPlik.first().folder, t.katalog.path());
    QCOMPARE(CzytajBajty(a), TekstPliku(kZapisanaFaktura));
    QCOMPARE(o.windowTitle(), QStringLiteral(" Zentora:  \"A.FAK\""));
    QVERIFY(o.CzyPorzucicZmiany());

    // a named invoice is saved again without asking for the name
    t.Wpisz(o.EdyOsoba, QStringLiteral("Kowalski"));
    t.Wykonaj(o.AcZapisz);
    QCOMPARE(t.pytaniaOPlik.size(), 1);
    QVERIFY(CzytajBajty(a).contains("Odbier=Kowalski\r\n"));

    // new invoice, then open A.FAK again: what was saved is back on the screen
    t.Wykonaj(o.AcNowa);
    QCOMPARE(o.EdyFirma->text(), QString());
    QCOMPARE(o.windowTitle(), QStringLiteral(" Zentora:  ( bez nazwy )"));
    t.nazwyPlikow = {a};
    t.Wykonaj(o.AcOtworz);
    QCOMPARE(t.pytaniaOPlik.last().tytul, QStringLiteral("Otwieranie faktury "));
    QVERIFY(!t.pytaniaOPlik.last().zapis);
    QCOMPARE(o.EdyFirma->text(), QStringLiteral("Hurtownia Żółw"));
    QCOMPARE(o.Grid->Cells(1, 2), QStringLiteral("Usługa; transport"));
    QCOMPARE(o.SumGrid->Cells(1, 1), QStringLiteral("8 %"));
    QCOMPARE(o.EdyNumRach->text(), QStringLiteral("7"));
    QCOMPARE(o.windowTitle(), QStringLiteral(" Zentora:  \"A.FAK\""));
    QVERIFY(o.CzyPorzucicZmiany());
    QVERIFY(t.prezenter.pokazane.isEmpty());

    // a change asks with the quoted name inside the quotes of the question
    t.Wpisz(o.EdyUwagi, QStringLiteral("x"));
    t.prezenter.odpowiedzi = {idCancel};
    t.Wykonaj(o.AcNowa);
    QCOMPARE(t.prezenter.ostatni(),
             QStringLiteral("Zmiany w  \"\"A.FAK\"\"  nie zostały zapisane.|             Czy kontynuować ?"));
    QCOMPARE(o.EdyUwagi->text(), QStringLiteral("x"));
    // Save as under another name; a dialog given up saves nothing
    t.nazwyPlikow = {QString()};
    t.Wykonaj(o.AcZapiszJako);
    QCOMPARE(t.pytaniaOPlik.last().nazwa, QStringLiteral("A.FAK"));
    QVERIFY(!QFile::exists(t.Plik(QStringLiteral("B.FAK"))));
    t.nazwyPlikow = {t.Plik(QStringLiteral("B.FAK"))};
    t.Wykonaj(o.AcZapiszJako);
    QVERIFY(CzytajBajty(t.Plik(QStringLiteral("B.FAK"))).contains("Uwagi=x\r\n"));
    QCOMPARE(o.NazwaRobo, QStringLiteral("B.FAK"));
}

void TstZentoraEdyt::zapisBezKupujacego()
{
    OknoTestowe t;
    t.Wpisz(t.okno->EdyFirma, QStringLiteral("   "));
    t.nazwyPlikow = {t.Plik(QStringLiteral("A.FAK"))};
    for (QAction *a : {t.okno->AcZapisz, t.okno->AcZapiszJako})
        t.Wykonaj(a);
    QCOMPARE(t.prezenter.teksty(), QStringList(2, QStringLiteral("Brak firmy kupującego")));
    QCOMPARE(t.prezenter.pokazane.first().pIcoDlg, icError);
    QVERIFY(t.pytaniaOPlik.isEmpty());
}

void TstZentoraEdyt::nieudanyZapis()
{
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    t.Wpisz(o.EdyFirma, QStringLiteral("Firma"));
    // the folder chosen does not exist: nothing can be written there
    const QString zly = t.Plik(QStringLiteral("brak/A.FAK"));
    t.nazwyPlikow = {zly};
    t.Wykonaj(o.AcZapisz);
    QCOMPARE(t.prezenter.pokazane.size(), 1);
    QCOMPARE(t.prezenter.pokazane.first().pIcoDlg, icError);
    QVERIFY(t.prezenter.ostatni().startsWith(QStringLiteral("Nie można zapisać pliku")));
    QVERIFY(!QFile::exists(zly));
    QCOMPARE(o.NazwaRobo, QString());
    QCOMPARE(o.windowTitle(), QStringLiteral(" Zentora:  ( bez nazwy )"));
    QCOMPARE(o.FolderRobo, ZUkosnikiem(QDir::toNativeSeparators(t.katalog.path())));
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
    t.Wpisz(o.EdyFirma, QStringLiteral("Firma"));
    o.EdyDatSprz->UstawTekst(kPustaData);
    const QString plik = t.Plik(QStringLiteral("A.FAK"));
    t.nazwyPlikow = {plik};
    t.Wykonaj(drukuj ? o.AcDrukuj : o.AcZapisz);
    QCOMPARE(t.prezenter.teksty(),
             QStringList{QStringLiteral("Wadliwa data sprzedaży - nie można sprawdzić stawek VAT")});
    QVERIFY(!QFile::exists(plik));
    QVERIFY(t.wydruki.isEmpty());
    // the unsaved-changes test only reports it and goes on
    t.prezenter.odpowiedzi = {idCancel};
    QVERIFY(!o.CzyPorzucicZmiany());
    QCOMPARE(t.prezenter.pokazane.size(), 3);
}

void TstZentoraEdyt::otwarcieWadliwegoPliku()
{
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    const QString plik = t.Plik(QStringLiteral("zly.FAK"));
    PiszBajty(plik, TekstPliku(QStringLiteral("[OpisFaktury]\nWersja=3\n")));
    t.Wpisz(o.EdyFirma, QStringLiteral("Moja"));
    t.prezenter.odpowiedzi = {idOK};
    t.nazwyPlikow = {plik};
    t.Wykonaj(o.AcOtworz);
    QCOMPARE(t.prezenter.ostatni(), QStringLiteral("Niepoprawna wersja faktury = 3"));
    QCOMPARE(t.prezenter.pokazane.last().pIcoDlg, icError);
    QCOMPARE(o.EdyFirma->text(), QStringLiteral("Moja"));
    QCOMPARE(o.NazwaRobo, QString());
    // a file that is not there
    t.prezenter.odpowiedzi = {idOK};
    o.Dialogi.NazwaPliku = nullptr;   // no dialog may open for a given name
    const QString brak = t.Plik(QStringLiteral("brak.FAK"));
    QVERIFY_THROWS_EXCEPTION(EMojeBledy, o.OtworzProFormeEx(brak));
    QCOMPARE(o.EdyFirma->text(), QStringLiteral("Moja"));
    // an opened invoice with an unreadable sale date says so once
    TzentoraVat f = FakturaPrzykladowa();
    f.DataSprzed = kPustaData;
    ZapiszFakture(plik, f);
    t.prezenter.pokazane.clear();
    t.prezenter.odpowiedzi = {idOK};
    o.OtworzProFormeEx(plik);
    QCOMPARE(t.prezenter.teksty().last(), QStringLiteral("Wadliwa data sprzedaży - nie można sprawdzić stawek VAT"));
    QCOMPARE(o.NazwaRobo, QStringLiteral("zly.FAK"));
}

void TstZentoraEdyt::numeracjaProFormy()
{
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    t.Wpisz(o.EdyFirma, QStringLiteral("Firma"));
    o.cboZentora->setCurrentIndex(rProForma);
    const QString a = t.Plik(QStringLiteral("PF.FAK"));
    t.nazwyPlikow = {a};
    t.Wykonaj(o.AcZapisz);
    QByteArray b = CzytajBajty(a);
    QVERIFY(b.contains("Rodzaj=5\r\nTypNum=3\r\nNrFakt=1\r\nSymbol=PF\r\n"));
    o.cboZentora->setCurrentIndex(rZentora);
    t.Wykonaj(o.AcZapisz);
    b = CzytajBajty(a);
    QVERIFY(b.contains("Rodzaj=0\r\nTypNum=2\r\nNrFakt=1\r\nSymbol=FV\r\n"));
}

void TstZentoraEdyt::formatNumeracji_data()
{
    // clang-format off
    QTest::addColumn<QString>("symbol");   // of the opened invoice; null: a new invoice
    QTest::addColumn<int>("odpowiedz");
    QTest::addColumn<QString>("komunikat");
    QTest::addColumn<QString>("symbolPo");
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
    t.Wykonaj(o.AcFormatNum);
    QCOMPARE(t.prezenter.pokazane.size(), 1);
    QTEST(t.prezenter.ostatni(), "komunikat");
    QTEST(o.Zentora.SymbolFak, "symbolPo");
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
    if (zlyPlik)
        o.sPlik_FakturyIni = t.Plik(QStringLiteral("brak/Faktury.ini"));
    const QByteArray przed = CzytajBajty(t.ini);
    t.parametry = [ok](TiniZentora &p, int) {
        p.iniTabFirm = QStringLiteral("Nowa Firma;Rynek 1");
        p.iniTabBank = QStringLiteral("Bank Nowy;22 3333");
        p.iniTabOsob = QStringLiteral("Anna Nowak");
        return ok;
    };
    if (przez == 0)
        t.Wykonaj(o.AcParametry);
    else
        QTest::mouseClick(static_cast<QWidget *>(przez == 2 ? o.BtnSpFirma : o.BtnSprzedal), Qt::LeftButton);
    QCOMPARE(t.stronyParametrow, QList<int>{przez});
    QCOMPARE(o.EdySprzedal->text(), ok ? QStringLiteral("Anna Nowak") : QStringLiteral("Przykładowy Jan"));
    QCOMPARE(o.EdySpBank->text(), ok ? QStringLiteral("Bank Nowy") : QStringLiteral("Bank Przykładowy"));
    QCOMPARE(o.EdySpKonto->text(), ok ? QStringLiteral("22 3333") : QStringLiteral("11 2222 3333 4444 5555 6666 7777"));
    QCOMPARE(o.MemSpFirma->toPlainText(), ok ? QStringLiteral("Nowa Firma\nRynek 1") : o.MemSpFirma->toPlainText());
    TiniZentora zapisane;
    CzytajParametry(t.ini, zapisane);
    QCOMPARE(zapisane.iniTabOsob, ok && !zlyPlik ? QStringLiteral("Anna Nowak") : QStringLiteral("Przykładowy Jan"));
    if (!ok || zlyPlik)
        QCOMPARE(CzytajBajty(t.ini), przed);
    QCOMPARE(t.prezenter.pokazane.size(), zlyPlik ? 1 : 0);
    // the new seller makes the invoice differ from what was started
    t.prezenter.odpowiedzi = {idCancel};
    QCOMPARE(o.CzyPorzucicZmiany(), !ok);
}

void TstZentoraEdyt::folderRoboczy()
{
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    // iniFolder blank: the folder of the configuration file
    t.Wykonaj(o.AcOtworz);
    QCOMPARE(t.pytaniaOPlik.last().folder, t.katalog.path());
    // confirmed parameters with the folder still blank: the process's current folder
    t.parametry = [](TiniZentora &, int) { return true; };
    t.Wykonaj(o.AcParametry);
    t.Wykonaj(o.AcOtworz);
    QCOMPARE(t.pytaniaOPlik.last().folder, QString());
    // a folder set in the parameters is where the dialogs start
    const QString inny = t.Plik(QStringLiteral("faktury"));
    QDir().mkpath(inny);
    t.parametry = [inny](TiniZentora &p, int) {
        p.iniFolder = inny;
        return true;
    };
    t.Wykonaj(o.AcParametry);
    t.Wykonaj(o.AcOtworz);
    QCOMPARE(t.pytaniaOPlik.last().folder, inny);
}

void TstZentoraEdyt::tylkoWSystemie()
{
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    const QString przed = TekstFaktury(o.Zentora);
    const QList<QAction *> akcje = {o.AcCzytajBaze, o.AcEdytujZbazy, o.AcAkceptuj,    o.AcAnuluj,
                                    o.AcDopisz,     o.AcBazaFaktur,  o.AcBazaProdukt, o.AcPomocTematy};
    int wlaczone = 0;
    for (QAction *a : akcje) {
        wlaczone += a->isEnabled();
        a->trigger();   // a disabled command does nothing
    }
    QCOMPARE(wlaczone, 5);
    QCOMPARE(t.prezenter.teksty(), QStringList(wlaczone, kTylkoWSystemie));
    QCOMPARE(t.prezenter.pokazane.first().pNagl, TytulAplikacji());
    o.EkranNaRekord(false);
    QCOMPARE(TekstFaktury(o.Zentora), przed);
    // the host's entry opens the invoice database: the same message here
    o.ImportujZbazyFaktur();
    QCOMPARE(t.prezenter.ostatni(), kTylkoWSystemie);
}

void TstZentoraEdyt::drukowanie()
{
    OknoTestowe t;
    TZentoraForma &o = *t.okno;
    t.WpiszPozycje(1, QStringLiteral("Papier"), QStringLiteral("2"), QStringLiteral("10"));
    // the cell being edited is taken in before printing
    t.okno->Grid->WybierzKomorke(kolIlosc, 1);
    Klawisz(Qt::Key_F2);
    Pisz(QStringLiteral("0"));
    t.Wykonaj(o.AcDrukuj);
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
        t.okno->AcKalkulator->trigger();
        t.okno->AcWizytowka->trigger();
        t.okno->AcPomocFakt->trigger();   // hidden and disabled without a help topic
        QCOMPARE(t.okienka, (QStringList{QStringLiteral("kalkulator -2,-2"), QStringLiteral("oprogramie")}));
        QCOMPARE(kontekst, -1);
    }
    // a host that has help topics: F1 asks for the window's topic
    KontekstPomocyFaktury = 77;
    OknoTestowe t;
    KontekstPomocyFaktury = 0;
    QVERIFY(t.okno->AcPomocFakt->isVisible());
    t.okno->EdyFirma->setFocus();
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
    QVERIFY(okno->sPlik_FakturyIni.isEmpty());
    QVERIFY(Aktywuj(*okno));
    QTRY_COMPARE(okno->NazwaRobo, QStringLiteral("przyklad.FAK"));
    QCOMPARE(okno->sPlik_FakturyIni, ini);
    QCOMPARE(okno->EdyFirma->text(), QStringLiteral("Hurtownia Przykładowa"));
    QVERIFY(prezenter.pokazane.isEmpty());
    okno->ZamknijNiePytaj = true;
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
    QCOMPARE(o.EdyFirma->text().size(), 150);
    QVERIFY(o.CzyPorzucicZmiany());
    t.Wykonaj(o.AcZapisz);
    QCOMPARE(CzytajBajty(plik), przed);
    // typing stops at the limit
    t.Wpisz(o.EdyUlica, QString(40, QLatin1Char('u')));
    QCOMPARE(o.EdyUlica->text().size(), 30);
    QVERIFY(t.prezenter.pokazane.isEmpty());
}

QTEST_MAIN(TstZentoraEdyt)
#include "tst_zentoraedyt.moc"
