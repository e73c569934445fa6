#include "common/bledy.h"
#include "common/cp1250.h"
#include "invoice/konfiguracja.h"
#include "kolumny.h"
#include "pliktymczasowy.h"

#include <QTemporaryDir>
#include <QTest>

class TstKonfiguracja : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.isValid()); }
    void odczytPrzykladu();
    void zapisPrzykladu();
    void sekcjaKsef();
    void numeracjaAutomatyczna();
    void brakPliku();
    void ograniczenia();
    void ramkaSprzedawcy_data();
    void ramkaSprzedawcy();
    void drugaRamkaZostaje();
    void bladZapisu();

private:
    static TiniZentora Przyklad();
    QString Plik(const QString &n) const { return m_dir.filePath(n); }
    QTemporaryDir m_dir;
};

TiniZentora TstKonfiguracja::Przyklad()
{
    TiniZentora i;
    i.iniNumerac = numerNSR;
    i.iniSymbol = QStringLiteral("FV");
    i.iniFolder = QStringLiteral("C:\\Dane");
    i.iniMojVat = vat22;
    i.iniZaplata = zPrzelew;
    i.iniDniZapl = 14;
    i.iniTabFirm = QStringLiteral("Sklep Przykładowy;ul. Długa 1;60-001 Poznań;NIP 987-654-32-10");
    i.iniTabBank = QStringLiteral("Bank Przykładowy;11 2222 3333 4444 5555 6666 7777");
    i.iniTabOsob = QStringLiteral("Przykładowy Jan");
    return i;
}

void TstKonfiguracja::odczytPrzykladu()
{
    TiniZentora i;
    CzytajParametry(QStringLiteral(ZENTORA_EXAMPLES "/Faktury.ini"), i);
    QVERIFY(i == Przyklad());
}

void TstKonfiguracja::zapisPrzykladu()
{
    const QString p = Plik(QStringLiteral("Faktury.ini"));
    ZapiszParametry(p, Przyklad());
    QCOMPARE(CzytajBajty(p), CzytajBajty(QStringLiteral(ZENTORA_EXAMPLES "/Faktury.ini")));
}

void TstKonfiguracja::sekcjaKsef()
{
    // written after the other sections once it holds something, read back key by key
    const QString p = Plik(QStringLiteral("k.ini"));
    TiniZentora i = Przyklad();
    i.iniKsefNip = QStringLiteral("526-587-76-35");
    i.iniKsefPodstawa = QStringLiteral("art. 113 ust. 1 ustawy o VAT");
    ZapiszParametry(p, i);
    QCOMPARE(CzytajBajty(p), CzytajBajty(QStringLiteral(ZENTORA_EXAMPLES "/Faktury.ini"))
                                 + Crlf("[KSeF]\nNIP=526-587-76-35\nNazwa=\nAdresL1=\nAdresL2=\n"
                                        "PodstawaZwolnienia=art. 113 ust. 1 ustawy o VAT\n\n"));
    TiniZentora r;
    CzytajParametry(p, r);
    QVERIFY(r == i);
    // emptied again, the section stays with empty keys rather than vanishing from a file the user may edit
    i.iniKsefNip.clear();
    i.iniKsefPodstawa.clear();
    ZapiszParametry(p, i);
    CzytajParametry(p, r);
    QVERIFY(r == i);
}

void TstKonfiguracja::numeracjaAutomatyczna()
{
    // a file without the keys means numbering on and bills numbered with "R"; once changed
    // they are written, and stay when set back
    const QString p = Plik(QStringLiteral("n.ini"));
    TiniZentora i = Przyklad();
    QVERIFY(i.iniAutoNum);
    QCOMPARE(i.iniSymbolRach, QStringLiteral("R"));
    i.iniAutoNum = false;
    i.iniSymbolRach = QStringLiteral("RU");
    ZapiszParametry(p, i);
    QVERIFY(CzytajBajty(p).contains(Crlf("AutoNum=0\nSymbolRach=RU\n")));
    TiniZentora r;
    CzytajParametry(p, r);
    QVERIFY(r == i);
    i.iniAutoNum = true;
    ZapiszParametry(p, i);
    QVERIFY(CzytajBajty(p).contains(Crlf("AutoNum=1\nSymbolRach=RU\n")));
}

void TstKonfiguracja::brakPliku()
{
    TiniZentora i = Przyklad();
    i.Czysc();
    CzytajParametry(Plik(QStringLiteral("nie-ma.ini")), i);
    QVERIFY(i == TiniZentora());
    QVERIFY(!QFile::exists(Plik(QStringLiteral("nie-ma.ini"))));   // reading never creates it
}

void TstKonfiguracja::ograniczenia()
{
    const QString p = Plik(QStringLiteral("o.ini"));
    QVERIFY(
        PiszBajty(p, Crlf("[Parametry]\nM\xF3jVat=9\nTypDatSprze=-3\nTypNum=7\nZaplac=4\nDniZap=abc\nSlowoVAT=1\n")));
    TiniZentora i;
    CzytajParametry(p, i);
    QCOMPARE(int(i.iniMojVat), int(vatA));
    QCOMPARE(int(i.IniTypDatSprz), int(typDsprzed));
    QCOMPARE(int(i.iniNumerac), int(numerNSMR));
    QCOMPARE(int(i.iniZaplata), int(zZaliczPocz));
    QCOMPARE(i.iniDniZapl, 0);
    QVERIFY(i.iniSlowoVAT);
}

void TstKonfiguracja::ramkaSprzedawcy_data()
{
    // clang-format off
    Kolumny<QString, QStringList>("tekst", "linie");
    QTest::newRow("pusta linia w srodku") << "A;;B" << QStringList{"A", "", "B"};
    QTest::newRow("pusty") << "" << QStringList{};
    QTest::newRow("jedna") << "Sklep" << QStringList{"Sklep"};
    QTest::newRow("pusta pierwsza") << ";x" << QStringList{"", "x"};
    // clang-format on
}

void TstKonfiguracja::ramkaSprzedawcy()
{
    QFETCH(QString, tekst);
    QFETCH(QStringList, linie);
    QCOMPARE(MemoZTekstu(tekst), linie);
    QCOMPARE(TekstZMemo(linie), tekst);
}

void TstKonfiguracja::drugaRamkaZostaje()
{
    const QString p = Plik(QStringLiteral("r.ini"));
    QVERIFY(PiszBajty(p, Crlf("[FirmyRamki]\nFirma0=Stara\nFirma1=Druga firma\n")));
    ZapiszParametry(p, Przyklad());
    const QString t = Cp1250::Dekoduj(CzytajBajty(p));
    QVERIFY(t.startsWith(QStringLiteral("[FirmyRamki]\r\nFirma0=Sklep Przykładowy;ul. Długa 1;60-001 Poznań;NIP "
                                        "987-654-32-10\r\nFirma1=Druga firma\r\n\r\n[Parametry]\r\n")));
}

void TstKonfiguracja::bladZapisu()
{
    QVERIFY_THROWS_EXCEPTION(EMojeBledy, ZapiszParametry(Plik(QStringLiteral("brak/Faktury.ini")), Przyklad()));
}

QTEST_APPLESS_MAIN(TstKonfiguracja)
#include "tst_konfiguracja.moc"
