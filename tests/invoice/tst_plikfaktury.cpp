#include "common/bledy.h"
#include "common/cp1250.h"
#include "fakturaprzykladowa.h"
#include "invoice/plikfaktury.h"
#include "kolumny.h"
#include "pliktymczasowy.h"
#include "prezentertestowy.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TstPlikFaktury : public QObject {
    Q_OBJECT
private slots:
    void sekcjaKsef();
    void kluczeWarunkowIKorekty();
    void init() { QVERIFY(m_dir.isValid()); }
    void zapisPrzykladu();
    void tekstFakturyJakPlik();
    void odczytPrzykladu();
    void wierszZLuka();
    void przycinanieWartosci();
    void przepisanieZachowujeNieznane();
    void ograniczeniaPrzyOdczycie();
    void brakTresci();
    void zlaWersja_data();
    void zlaWersja();
    void zaDuzoPozycji();
    void fakturyRowne();
    void bladZapisuToBlad();
    void znakiSpozaStrony();
    void zlePliki_data();
    void zlePliki();
    void uszkodzenia_data();
    void uszkodzenia();

private:
    QString Plik(const QString &n) const { return m_dir.filePath(n); }
    // The bytes written as a file and read into `f`: the reader's message, empty when it took them.
    QString Odczyt(const QByteArray &tresc, TzentoraVat &f) const
    {
        const QString p = Plik(QStringLiteral("odczyt.FAK"));
        if (!PiszBajty(p, tresc))
            return QStringLiteral("nie zapisano %1").arg(p);
        try {
            CzytajFakture(p, f);
        } catch (const EMojeBledy &e) {
            return e.komunikat();
        }
        return QString();
    }
    QTemporaryDir m_dir;
};

void TstPlikFaktury::sekcjaKsef()
{
    // an exported invoice: the section stands before the rows and survives a rewrite byte for byte
    TzentoraVat f = FakturaPrzykladowa();
    f.KsefSkrot = QStringLiteral("rJ40qR9lkVKdErkcVgzlO3TSpqmtv8yyU4JW3O86N2I");
    f.KsefWytworzono = QStringLiteral("2026-01-15T10:20:30Z");
    f.KsefOdcisk = QStringLiteral("LhGnIhmWTB3vWJfymfj2CIl_vrZeFibrl3EjvBgLbbw");
    const QString p = Plik(QStringLiteral("k.FAK"));
    ZapiszFakture(p, f);
    const QByteArray bajty = CzytajBajty(p);
    QVERIFY(bajty.contains(Crlf("V3=|5||\n\n[KSeF]\nSkrot=rJ40qR9lkVKdErkcVgzlO3TSpqmtv8yyU4JW3O86N2I\n"
                                "Wytworzono=2026-01-15T10:20:30Z\nOdcisk=LhGnIhmWTB3vWJfymfj2CIl_vrZeFibrl3EjvBgLbbw\n"
                                "Numer=\n\n[Pozycje]\n")));
    TzentoraVat g;
    CzytajFakture(p, g);
    QCOMPARE(TekstFaktury(g), TekstFaktury(f));
    ZapiszFakture(p, g);
    QCOMPARE(CzytajBajty(p), bajty);
    // another invoice saved over it does not inherit the export
    ZapiszFakture(p, PrzykladZPliku());
    QCOMPARE(CzytajBajty(p), CzytajBajty(QStringLiteral(ZENTORA_EXAMPLES "/przyklad.FAK")));
}

void TstPlikFaktury::kluczeWarunkowIKorekty()
{
    // written only when set, each where a reader of the file looks for it, and read back
    TzentoraVat f = FakturaPrzykladowa();
    f.RodzajFak = rFakKoryg;
    f.MPP = true;
    f.PodstawaZwolnienia = QStringLiteral("art. 43 ust. 1 pkt 29 ustawy o VAT");
    f.DataKorygowanej = QStringLiteral("05.02.2018");
    f.PrzyczynaKorekty = QStringLiteral("Zwrot towaru");
    f.KsefSkrot = QStringLiteral("abc");
    f.KsefNip = QStringLiteral("9876543210");
    const QString p = Plik(QStringLiteral("w.FAK"));
    ZapiszFakture(p, f);
    const QByteArray bajty = CzytajBajty(p);
    QVERIFY(bajty.contains(Crlf("Odeslano=\nMPP=1\nPodstawaZwolnienia=art. 43 ust. 1 pkt 29 ustawy o VAT\n\n[Sumy]")));
    QVERIFY(bajty.contains(
        Crlf("[Korekta]\nDataKorygowanej=05.02.2018\nKsefKorygowanej=\nPrzyczyna=Zwrot towaru\n\n[KSeF]")));
    QVERIFY(bajty.contains(Crlf("Numer=\nNip=9876543210\n\n[Pozycje]")));
    TzentoraVat g;
    CzytajFakture(p, g);
    QCOMPARE(TekstFaktury(g), TekstFaktury(f));
    QVERIFY(g.MPP);
    QCOMPARE(g.PrzyczynaKorekty, f.PrzyczynaKorekty);
    QCOMPARE(g.KsefNip, f.KsefNip);
    // cleared again, none of them is left in the file
    ZapiszFakture(p, PrzykladZPliku());
    QCOMPARE(CzytajBajty(p), CzytajBajty(QStringLiteral(ZENTORA_EXAMPLES "/przyklad.FAK")));
}

void TstPlikFaktury::zapisPrzykladu()
{
    const QString p = Plik(QStringLiteral("nowa.FAK"));
    ZapiszFakture(p, PrzykladZPliku());
    QCOMPARE(CzytajBajty(p), CzytajBajty(QStringLiteral(ZENTORA_EXAMPLES "/przyklad.FAK")));
}

void TstPlikFaktury::tekstFakturyJakPlik()
{
    const QByteArray wzor = CzytajBajty(QStringLiteral(ZENTORA_EXAMPLES "/przyklad.FAK"));
    QCOMPARE(TekstFaktury(PrzykladZPliku()), Cp1250::Dekoduj(wzor));
}

void TstPlikFaktury::odczytPrzykladu()
{
    TzentoraVat f;
    f.IDfaktury = 5;
    CzytajFakture(QStringLiteral(ZENTORA_EXAMPLES "/przyklad.FAK"), f);
    QVERIFY(FakturyRowne(f, PrzykladZPliku()));
    QCOMPARE(f.IDfaktury, 0);
    QCOMPARE(f.KupMiasto, QStringLiteral("Poznań"));
    QCOMPARE(f.DataZaplaty, QStringLiteral("19.03.2018"));
    QCOMPARE(f.Pozycja(2).Towar, QStringLiteral("Przewóz"));
    QCOMPARE(f.Pozycja(3).Brutto, QStringLiteral("100,00"));
}

void TstPlikFaktury::wierszZLuka()
{
    TzentoraVat f = FakturaPrzykladowa();
    f.Pozycja(3) = f.Pozycja(1);
    f.Pozycja(1).czysc();
    f.Pozycja(2).czysc();
    f.IlePozyc = f.OstatniaPozycja();
    const QString t = TekstFaktury(f);
    QVERIFY(t.contains(
        QStringLiteral("Liczba=3\r\ntowar1=\r\ntresc1=|||||||\r\ntowar2=\r\ntresc2=|||||||\r\ntowar3=Papier A4\r\n")));
    const QString p = Plik(QStringLiteral("luka.FAK"));
    ZapiszFakture(p, f);
    TzentoraVat g;
    CzytajFakture(p, g);
    QVERIFY(g.Pozycja(1).PozJestPusta());
    QCOMPARE(g.Pozycja(3), f.Pozycja(3));
    QCOMPARE(g.IlePozyc, 3);
}

void TstPlikFaktury::przycinanieWartosci()
{
    TzentoraVat f = FakturaPrzykladowa();
    f.KupKod = QStringLiteral("  -   ");
    f.DataWystaw = QStringLiteral("  .  .    ");
    f.UwagiDodatk = QStringLiteral("   uwaga   ");
    const QString t = TekstFaktury(f);
    QVERIFY(t.contains(QStringLiteral("\r\nKodpoc=-\r\n")));
    QVERIFY(t.contains(QStringLiteral("\r\nWystaw=.  .\r\n")));
    QVERIFY(t.contains(QStringLiteral("\r\nUwagi=uwaga\r\n")));
    const QString p = Plik(QStringLiteral("trim.FAK"));
    ZapiszFakture(p, f);
    TzentoraVat g;
    CzytajFakture(p, g);
    QCOMPARE(g.KupKod, QStringLiteral("-"));
    QCOMPARE(g.DataWystaw, QStringLiteral(".  ."));
}

void TstPlikFaktury::przepisanieZachowujeNieznane()
{
    const QString p = Plik(QStringLiteral("stara.FAK"));
    TzentoraVat f = FakturaPrzykladowa();
    ZapiszFakture(p, f);
    QByteArray b = CzytajBajty(p);
    b.replace("Wersja=2\r\n", "Wersja=2\r\nNotatka=zostaje\r\n");
    b += "[Bank]\r\nNr=1\r\n\r\n";
    QVERIFY(PiszBajty(p, b));

    f.IlePozyc = 1;
    f.Pozycja(2).czysc();
    f.Pozycja(3).czysc();
    ZapiszFakture(p, f);
    const QString t = Cp1250::Dekoduj(CzytajBajty(p));
    QVERIFY(t.contains(QStringLiteral("[OpisFaktury]\r\nWersja=2\r\nNotatka=zostaje\r\nRodzaj=0\r\n")));
    QVERIFY(t.contains(QStringLiteral("[Bank]\r\nNr=1\r\n\r\n[Pozycje]\r\nLiczba=1\r\n")));
    QVERIFY(!t.contains(QStringLiteral("towar2")));
    QVERIFY(!t.contains(QStringLiteral("tresc3")));
    QVERIFY(t.endsWith(QStringLiteral("tresc1=|ryza|3|12,35|37,05|23|8,52|45,57\r\n\r\n")));
}

void TstPlikFaktury::ograniczeniaPrzyOdczycie()
{
    const QString p = Plik(QStringLiteral("zakres.FAK"));
    QVERIFY(PiszBajty(
        p, Crlf("[opisfaktury]\nwersja=2\nRodzaj=9\nTypNum=-4\nTypZap=-1\n[Warunki]\nRatalnie=tak\nPrzelano=1\n")));
    TzentoraVat f;
    CzytajFakture(p, f);
    QCOMPARE(int(f.RodzajFak), int(rProForma));
    QCOMPARE(int(f.RodzajNum), int(numerNR));
    QCOMPARE(int(f.RodzZaplaty), int(zGotowka));
    QVERIFY(!f.Ratalnie);
    QVERIFY(f.Przelano);
    QCOMPARE(f.IlePozyc, 0);
}

void TstPlikFaktury::brakTresci()
{
    const QString p = Plik(QStringLiteral("brak.FAK"));
    QVERIFY(PiszBajty(p, Crlf("[OpisFaktury]\nWersja=2\n[Pozycje]\nLiczba=1\ntowar1=Papier\n")));
    TzentoraVat f;
    CzytajFakture(p, f);
    QCOMPARE(f.Pozycja(1).Towar, QStringLiteral("Papier"));
    QCOMPARE(f.Pozycja(1).WydajStr(), QStringLiteral("Papier||||||||"));
}

void TstPlikFaktury::zlaWersja_data()
{
    // clang-format off
    Kolumny<QByteArray, QString>("tresc", "komunikat");
    QTest::newRow("wersja 3") << QByteArray("[OpisFaktury]\r\nWersja=3\r\nNrFakt=5\r\n") << "Niepoprawna wersja faktury = 3";
    QTest::newRow("brak wersji") << QByteArray("[OpisFaktury]\r\nNrFakt=5\r\n") << "Niepoprawna wersja faktury = 0";
    QTest::newRow("pusty plik") << QByteArray() << "Plik \"@\" nie jest plikiem faktury.";
    QTest::newRow("inny plik") << QByteArray("[Sekcja]\r\nWersja=2\r\n") << "Plik \"@\" nie jest plikiem faktury.";
    QTest::newRow("tekst") << QByteArray("[OpisFaktury]\r\nWersja=dwa\r\n") << "Niepoprawna wersja faktury = 0";
    // clang-format on
}

void TstPlikFaktury::zlaWersja()
{
    QFETCH(QByteArray, tresc);
    QFETCH(QString, komunikat);
    TzentoraVat f;
    QCOMPARE(Odczyt(tresc, f),
             komunikat.replace(QLatin1Char('@'), QDir::toNativeSeparators(Plik(QStringLiteral("odczyt.FAK")))));
    // a file that does not exist fails the same way
    QVERIFY_THROWS_EXCEPTION(EMojeBledy, CzytajFakture(Plik(QStringLiteral("nie-ma.FAK")), f));
}

void TstPlikFaktury::zaDuzoPozycji()
{
    const QString p = Plik(QStringLiteral("51.FAK"));
    QVERIFY(PiszBajty(p, Crlf("[OpisFaktury]\nWersja=2\nNrFakt=7\n[Pozycje]\nLiczba=51\ntowar1=A\n")));
    TzentoraVat f;
    QVERIFY_THROWS_EXCEPTION(EMojeBledy, CzytajFakture(p, f));
}

void TstPlikFaktury::fakturyRowne()
{
    TzentoraVat a = FakturaPrzykladowa(), b = FakturaPrzykladowa();
    a.UwagiDodatk = QStringLiteral("uwaga");
    b.UwagiDodatk = QStringLiteral("Uwaga");
    QVERIFY(!FakturyRowne(a, b));
    b = a;
    b.IDfaktury = 99;
    b.KluczPoz = QStringLiteral("k");
    QVERIFY(FakturyRowne(a, b));
    b.Pozycja(40).Jedn = QStringLiteral("szt");   // beyond IlePozyc: not in the file
    QVERIFY(FakturyRowne(a, b));
}

void TstPlikFaktury::bladZapisuToBlad()
{
    // a read-only folder: the save fails loudly and the old file is intact
    const QString folder = Plik(QStringLiteral("tylko-odczyt"));
    QVERIFY(QDir().mkpath(folder));
    const QString p = folder + QStringLiteral("/f.FAK");
    ZapiszFakture(p, FakturaPrzykladowa());
    const QByteArray przed = CzytajBajty(p);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    TzentoraVat zmieniona = FakturaPrzykladowa();
    zmieniona.KupFirma = QStringLiteral("Inna");
    const bool rootMozeWszystko = QFileInfo(folder).isWritable();
    if (!rootMozeWszystko)
        QVERIFY_THROWS_EXCEPTION(EMojeBledy, ZapiszFakture(p, zmieniona));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!rootMozeWszystko)
        QCOMPARE(CzytajBajty(p), przed);
    // a folder that does not exist
    QVERIFY_THROWS_EXCEPTION(EMojeBledy, ZapiszFakture(Plik(QStringLiteral("brak/f.FAK")), zmieniona));
}

void TstPlikFaktury::znakiSpozaStrony()
{
    const QString p = Plik(QStringLiteral("utf.FAK"));
    TzentoraVat f = FakturaPrzykladowa();
    f.KupFirma = QStringLiteral("ООО «Ромашка» 😀");
    ZapiszFakture(p, f);
    QVERIFY(CzytajBajty(p).startsWith("\xEF\xBB\xBF[OpisFaktury]\r\n"));
    TzentoraVat g;
    CzytajFakture(p, g);
    QVERIFY(FakturyRowne(f, g));
    QCOMPARE(g.KupFirma, f.KupFirma);
}

void TstPlikFaktury::zlePliki_data()
{
    // clang-format off
    Kolumny<QByteArray, bool>("tresc", "czytelny");
    QByteArray binarny;
    for (int i = 0; i < 4096; ++i)
        binarny.append(char((i * 7919) & 0xFF));
    QTest::newRow("binarny") << binarny << false;
    QTest::newRow("obciety") << QByteArray("[OpisFaktury]\r\nWersja=2\r\n[Pozycje]\r\nLiczba=3\r\ntowar1=Pa") << true;
    QTest::newRow("ujemna liczba") << QByteArray("[OpisFaktury]\r\nWersja=2\r\n[Pozycje]\r\nLiczba=-5\r\n") << true;
    QTest::newRow("ogromna liczba") << QByteArray("[OpisFaktury]\r\nWersja=2\r\n[Pozycje]\r\nLiczba=99999999999\r\n") << true;
    QTest::newRow("utf16 bez sensu") << QByteArray("\xFF\xFE\x00\xD8\x00\xD8", 6) << false;
    // clang-format on
}

void TstPlikFaktury::zlePliki()
{
    QFETCH(QByteArray, tresc);
    QFETCH(bool, czytelny);
    TzentoraVat f;
    QCOMPARE(Odczyt(tresc, f).isEmpty(), czytelny);
    if (czytelny)
        QVERIFY(f.IlePozyc <= 3);
}

void TstPlikFaktury::uszkodzenia_data()
{
    // clang-format off
    Kolumny<QByteArray, QString, int>("tresc", "problemy", "pozycji");   // "@" the file's path
    const QByteArray poczatek("[OpisFaktury]\nWersja=2\nWystaw=05.03.2018\nSprzed=05.03.2018\n");
    const QByteArray wiersz1("towar1=Papier\ntresc1=|ryza|3|12,35|37,05|23|8,52|45,57\n");
    QTest::newRow("cała") << Crlf(poczatek + "[Pozycje]\nLiczba=1\n" + wiersz1) << "" << 1;
    QTest::newRow("obcięta") << Crlf(poczatek + "[Pozycje]\nLiczba=5\n" + wiersz1 + "towar2=A\ntowar3=B\n") << "Plik \"@\" jest uszkodzony: brak wierszy pozycji 4–5." << 5;
    QTest::newRow("jeden brak") << Crlf(poczatek + "[Pozycje]\nLiczba=3\n" + wiersz1 + "towar3=B\n") << "Plik \"@\" jest uszkodzony: brak wiersza pozycji 2." << 3;
    QTest::newRow("bez pozycji") << Crlf(poczatek + "[Sumy]\nSU=100|0|23|123\n") << "Plik \"@\" jest uszkodzony: brak sekcji pozycji faktury." << 0;
    QTest::newRow("zła data") << Crlf("[OpisFaktury]\nWersja=2\nWystaw=31.02.2026\nSprzed=05.03.2018\nZapłac=  .  .    \n[Pozycje]\nLiczba=0\n")
                             << "Data wystawienia 31.02.2026 jest błędna." << 0;
    QTest::newRow("ilość abc") << Crlf(poczatek + "[Pozycje]\nLiczba=2\n" + wiersz1 + "towar2=B\ntresc2=|szt|abc|1,00x|||||\n")
                               << "Pozycja 2: ilość «abc» nie jest liczbą.|Pozycja 2: cena «1,00x» nie jest liczbą." << 2;
    // clang-format on
}

void TstPlikFaktury::uszkodzenia()
{
    QFETCH(QByteArray, tresc);
    QFETCH(QString, problemy);
    QFETCH(int, pozycji);
    const QString p = Plik(QStringLiteral("uszkodzona.FAK"));
    QVERIFY(PiszBajty(p, tresc));
    TzentoraVat f;
    QCOMPARE(CzytajFaktureSprawdzajac(p, f).join(QLatin1Char('|')),
             problemy.replace(QLatin1Char('@'), QDir::toNativeSeparators(p)));
    QCOMPARE(f.IlePozyc, pozycji);   // what was read is kept, to be mended
    // the plain reader takes such a file as before
    TzentoraVat g;
    CzytajFakture(p, g);
    QVERIFY(FakturyRowne(f, g));
}

QTEST_APPLESS_MAIN(TstPlikFaktury)
#include "tst_plikfaktury.moc"
