#include "common/cp1250.h"
#include "kolumny.h"
#include "pliktymczasowy.h"
#include "uruchomcli.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kPrzyklad = QStringLiteral(ZENTORA_EXAMPLES "/przyklad.FAK");
}   // namespace

class TstCli : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.isValid()); }
    void przeliczenieOdtwarzaPrzyklad();
    void pokazJson();
    void jsonCalejFaktury_data();
    void jsonCalejFaktury();
    void pokazTekst();
    void przeliczenieZmienionejIlosci();
    void slownie();
    void nowaFaktura();
    void korekta();
    void kodyWyjscia_data();
    void kodyWyjscia();
    void pomoc_data();
    void pomoc();

private:
    QString Plik(const QString &n) const { return m_dir.filePath(n); }
    QTemporaryDir m_dir;
};

void TstCli::przeliczenieOdtwarzaPrzyklad()
{
    // a name that no ANSI code page of Windows holds whole
    const QString out = Plik(QStringLiteral("wynik-żółć-ñ.FAK"));
    const WynikCli w = UruchomCli({QStringLiteral("recompute"), kPrzyklad, QStringLiteral("-o"), out});
    QCOMPARE(w.kod, 0);
    QCOMPARE(w.bledy, QString());
    QCOMPARE(CzytajBajty(out), CzytajBajty(kPrzyklad));
#ifndef Q_OS_WIN   // Windows has no /dev/stdout
    // into a pipe: written straight through, nothing read from it first
    QProcess p;
    p.start(QStringLiteral(ZENTORA_CLI),
            {QStringLiteral("recompute"), kPrzyklad, QStringLiteral("-o"), QStringLiteral("/dev/stdout")});
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(p.readAllStandardOutput(), CzytajBajty(kPrzyklad));
#endif
}

void TstCli::pokazJson()
{
    const WynikCli w = UruchomCli({QStringLiteral("show"), kPrzyklad, QStringLiteral("--json")});
    QCOMPARE(w.kod, 0);
    const QJsonObject o = QJsonDocument::fromJson(w.wyjscie.toUtf8()).object();
    QCOMPARE(o.value(QStringLiteral("oznaczenie")).toString(), QStringLiteral("12/FV/2018"));
    QCOMPARE(o.value(QStringLiteral("rodzaj")).toInt(-1), 0);
    QCOMPARE(o.value(QStringLiteral("termin")).toString(), QStringLiteral("19.03.2018"));
    QCOMPARE(o.value(QStringLiteral("do_zaplaty")).toString(), QStringLiteral("147,71"));
    QCOMPARE(o.value(QStringLiteral("slownie")).toString(),
             QStringLiteral("sto czterdzieści siedem i siedemdziesiąt jeden groszy"));
    const QJsonArray poz = o.value(QStringLiteral("pozycje")).toArray();
    QCOMPARE(poz.size(), 3);
    QCOMPARE(poz.at(1).toObject().value(QStringLiteral("lp")).toInt(), 2);
    QCOMPARE(poz.at(1).toObject().value(QStringLiteral("towar")).toString(), QStringLiteral("Przewóz"));
    QCOMPARE(poz.at(2).toObject().value(QStringLiteral("stawka")).toString(), QString());
    const QJsonObject v3 = o.value(QStringLiteral("sumy")).toObject().value(QStringLiteral("V3")).toObject();
    QCOMPARE(v3.value(QStringLiteral("stawka")).toString(), QStringLiteral("5"));
    QCOMPARE(v3.value(QStringLiteral("brutto")).toString(), QString());
}

void TstCli::jsonCalejFaktury_data()
{
    // clang-format off
    QTest::addColumn<QString>("klucz");
    QTest::addColumn<QString>("wartosc");   // compact JSON
    const auto wiersz = [](const char *k, const char *w) {
        QTest::newRow(k) << QString::fromUtf8(k) << QString::fromUtf8(w);
    };
    wiersz("numer", "12");
    wiersz("symbol", "\"FV\"");
    wiersz("typ_numeracji", "2");
    wiersz("zaplata", "1");
    wiersz("korekta", "\"KOR/1\"");
    wiersz("korygowana", "{\"data\":\"01.03.2018\",\"numer_ksef\":\"\",\"przyczyna\":\"Rabat\"}");
    wiersz("mpp", "true");
    wiersz("podstawa_zwolnienia", "\"art. 43 ust. 1 pkt 29 ustawy o VAT\"");
    wiersz("uwagi", "\"Dostawa; rano\"");
    wiersz("ratalnie", "true");
    wiersz("przelano", "false");
    wiersz("kupujacy", "{\"firma\":\"Hurtownia Przykładowa\",\"kod\":\"60-101\",\"miasto\":\"Poznań\","
                       "\"nip\":\"123-456-78-90\",\"osoba\":\"\",\"ulica\":\"ul. Polna 7\"}");
    wiersz("sprzedawca", "{\"bank\":\"Bank Przykładowy\",\"konto\":\"11 2222 3333 4444 5555 6666 7777\","
                         "\"osoba\":\"Przykładowy Jan\",\"ramka\":[\"Sklep Przykładowy\",\"ul. Długa 1\","
                         "\"60-001 Poznań\",\"NIP 987-654-32-10\"]}");
    // clang-format on
}

void TstCli::jsonCalejFaktury()
{
    QFETCH(QString, klucz);
    QFETCH(QString, wartosc);
    QByteArray b = CzytajBajty(kPrzyklad);
    b.replace("Korekt=\r\n", "Korekt=KOR/1\r\n").replace("Uwagi=\r\n", "Uwagi=Dostawa; rano\r\n");
    b.replace("Ratalnie=0", "Ratalnie=1").replace("Odeslano=\r\n", "Odeslano=\r\nMPP=1\r\n");
    b.replace("[Pozycje]", "[Korekta]\r\nDataKorygowanej=01.03.2018\r\nPrzyczyna=Rabat\r\n\r\n[Pozycje]");
    const QString p = Plik(QStringLiteral("cala.FAK"));
    QVERIFY(PiszBajty(p, b));
    const auto json = [](const QStringList &argumenty) {
        return QJsonDocument::fromJson(UruchomCli(argumenty).wyjscie.toUtf8()).object();
    };
    // the value as compact JSON text (wrapped in an array, so plain values serialise too)
    const auto tekst = [&](const QJsonObject &o) {
        return QString::fromUtf8(QJsonDocument(QJsonArray{o.value(klucz)}).toJson(QJsonDocument::Compact))
            .mid(1)
            .chopped(1);
    };
    const QJsonObject pokaz = json({QStringLiteral("show"), p, QStringLiteral("--json")});
    QCOMPARE(tekst(pokaz), wartosc);
    // recomputing and a new invoice describe the invoice with the same keys
    QCOMPARE(tekst(json({QStringLiteral("recompute"), p, QStringLiteral("--json")})), wartosc);
    const QJsonObject nowa =
        json({QStringLiteral("new"), QStringLiteral("-o"), Plik(QStringLiteral("n.FAK")), QStringLiteral("--config"),
              QStringLiteral(ZENTORA_EXAMPLES "/Faktury.ini"), QStringLiteral("--json")});
    QCOMPARE(nowa.keys(), pokaz.keys());
    QCOMPARE(nowa.value(klucz).type(), pokaz.value(klucz).type());
}

void TstCli::pokazTekst()
{
    const WynikCli w = UruchomCli({QStringLiteral("show"), kPrzyklad});
    QCOMPARE(w.kod, 0);
    QVERIFY(w.wyjscie.contains(QStringLiteral("Faktura VAT  nr 12/FV/2018")));
    QVERIFY(w.wyjscie.contains(QStringLiteral("Hurtownia Przykładowa")));
    QVERIFY(w.wyjscie.contains(QStringLiteral("Do zapłaty: 147,71 zł")));
    // a refund says so, with what the correction corrects
    QByteArray b = CzytajBajty(kPrzyklad);
    b.replace("Rodzaj=0", "Rodzaj=1").replace("SU=139,03|0|8,68|147,71", "SU=-139,03|0|-8,68|-147,71");
    b.replace("[Pozycje]", "[Korekta]\r\nDataKorygowanej=01.03.2018\r\nPrzyczyna=Zwrot\r\n\r\n[Pozycje]");
    const QString p = Plik(QStringLiteral("zwrot.FAK"));
    QVERIFY(PiszBajty(p, b));
    const QString t = UruchomCli({QStringLiteral("show"), p}).wyjscie;
    for (const char *s : {"z dnia 01.03.2018\n", "Przyczyna korekty: Zwrot\n", "Do zwrotu:  147,71 zł\n",
                          "Słownie:    sto czterdzieści siedem i siedemdziesiąt jeden groszy\n"})
        QVERIFY2(t.contains(QString::fromUtf8(s)), qPrintable(t));
}

void TstCli::przeliczenieZmienionejIlosci()
{
    const QString p = Plik(QStringLiteral("zmiana.FAK"));
    QByteArray b = CzytajBajty(kPrzyklad);
    b.replace("tresc1=|ryza|3|12,35", "tresc1=|ryza|10|12,35");
    QVERIFY(PiszBajty(p, b));
    const WynikCli stary = UruchomCli({QStringLiteral("show"), p, QStringLiteral("--json")});
    QCOMPARE(QJsonDocument::fromJson(stary.wyjscie.toUtf8()).object().value(QStringLiteral("do_zaplaty")).toString(),
             QStringLiteral("147,71"));
    const WynikCli w = UruchomCli({QStringLiteral("recompute"), p, QStringLiteral("--json")});
    QCOMPARE(w.kod, 0);
    const QJsonObject o = QJsonDocument::fromJson(w.wyjscie.toUtf8()).object();
    // 10 × 12,35 = 123,50 net, 28,41 VAT, 151,91 gross
    QCOMPARE(o.value(QStringLiteral("pozycje")).toArray().at(0).toObject().value(QStringLiteral("brutto")).toString(),
             QStringLiteral("151,91"));
    QCOMPARE(o.value(QStringLiteral("do_zaplaty")).toString(), QStringLiteral("254,05"));
    QCOMPARE(o.value(QStringLiteral("sumy"))
                 .toObject()
                 .value(QStringLiteral("SU"))
                 .toObject()
                 .value(QStringLiteral("vat"))
                 .toString(),
             QStringLiteral("28,57"));
}

void TstCli::slownie()
{
    const WynikCli w = UruchomCli({QStringLiteral("words"), QStringLiteral("1.234,56"), QStringLiteral("1234,56"),
                                   QStringLiteral("0,01"), QStringLiteral("-12,34")});
    QCOMPARE(w.kod, 0);
    QCOMPARE(w.wyjscie, QStringLiteral("jeden tysiąc dwieście trzydzieści cztery i pięćdziesiąt sześć groszy\n"
                                       "jeden tysiąc dwieście trzydzieści cztery i pięćdziesiąt sześć groszy\n"
                                       "jeden grosz\n"
                                       "dwanaście i trzydzieści cztery grosze\n"));
    const WynikCli z = UruchomCli({QStringLiteral("words"), QStringLiteral("sto")});
    QCOMPARE(z.kod, 2);
    QVERIFY(z.bledy.contains(QStringLiteral("Niepoprawna kwota: sto")));
}

void TstCli::nowaFaktura()
{
    // a folder of its own: the first invoice of its series there
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("nowa.FAK"));
    const WynikCli w = UruchomCli({QStringLiteral("new"), QStringLiteral("-o"), out, QStringLiteral("--config"),
                                   QStringLiteral(ZENTORA_EXAMPLES "/Faktury.ini"), QStringLiteral("--today"),
                                   QStringLiteral("05.03.2018")});
    QCOMPARE(w.kod, 0);
    const QString t = Cp1250::Dekoduj(CzytajBajty(out));
    QVERIFY(
        t.startsWith(QStringLiteral("[OpisFaktury]\r\nWersja=2\r\nRodzaj=0\r\nTypNum=2\r\nNrFakt=1\r\nSymbol=FV\r\n"
                                    "Wystaw=05.03.2018\r\nSprzed=05.03.2018\r\nZapłac=19.03.2018\r\nTypZap=1\r\n")));
    QVERIFY(t.contains(QStringLiteral("Kodpoc=-\r\n")));
    QVERIFY(t.contains(QStringLiteral("sBank=Bank Przykładowy\r\nKonto=11 2222 3333 4444 5555 6666 7777\r\n")));
    QVERIFY(
        t.contains(QStringLiteral("[Sumy]\r\nSU=|0||\r\nZW=|0||\r\nV0=|0||\r\nV1=|8||\r\nV2=|23||\r\nV3=|5||\r\n")));
    QVERIFY(t.endsWith(QStringLiteral("[Pozycje]\r\nLiczba=0\r\n\r\n")));

    // no configuration file: numbering N / R, cash, due on the day of issue
    const QString out2 = folder.filePath(QStringLiteral("nowa2.FAK"));
    QCOMPARE(UruchomCli({QStringLiteral("new"), QStringLiteral("-o"), out2, QStringLiteral("--config"),
                         Plik(QStringLiteral("brak.ini")), QStringLiteral("--today"), QStringLiteral("31.12.2010")})
                 .kod,
             0);
    const QString t2 = Cp1250::Dekoduj(CzytajBajty(out2));
    QVERIFY(t2.contains(QStringLiteral("TypNum=0\r\n")));
    QVERIFY(t2.contains(QStringLiteral("Zapłac=31.12.2010\r\nTypZap=0\r\n")));
    QVERIFY(t2.contains(QStringLiteral("V1=|7||\r\nV2=|22||\r\nV3=|3||\r\n")));
}

// The correction of an invoice, made as a new file; the invoice itself stays as it was.
void TstCli::korekta()
{
    const QString zrodlo = Plik(QStringLiteral("faktura.FAK"));
    QVERIFY(PiszBajty(zrodlo, CzytajBajty(kPrzyklad)));
    const QString out = Plik(QStringLiteral("korekta.FAK"));
    const WynikCli w = UruchomCli({QStringLiteral("korekta"), zrodlo, QStringLiteral("-o"), out,
                                   QStringLiteral("--przyczyna"), QStringLiteral("Zwrot towaru"),
                                   QStringLiteral("--config"), QStringLiteral(ZENTORA_EXAMPLES "/Faktury.ini"),
                                   QStringLiteral("--today"), QStringLiteral("10.04.2018")});
    QVERIFY2(w.kod == 0, qPrintable(w.bledy));
    QCOMPARE(w.bledy, QString());
    QCOMPARE(CzytajBajty(zrodlo), CzytajBajty(kPrzyklad));
    const QString t = Cp1250::Dekoduj(CzytajBajty(out));
    for (const char *s : {"Rodzaj=1\r\n", "Wystaw=10.04.2018\r\nSprzed=10.04.2018\r\nZapłac=24.04.2018\r\n",
                          "Korekt=12/FV/2018\r\n", "PodstawaZwolnienia=art. 43 ust. 1 pkt 29 ustawy o VAT\r\n",
                          "[Korekta]\r\nDataKorygowanej=05.03.2018\r\nKsefKorygowanej=\r\nPrzyczyna=Zwrot towaru\r\n",
                          "SU=-139,03|0|-8,68|-147,71\r\n", "tresc1=|ryza|-3|12,35|-37,05|23|-8,52|-45,57\r\n"})
        QVERIFY2(t.contains(QString::fromUtf8(s)), s);
    QVERIFY(!t.contains(QStringLiteral("[KSeF]")));
}

void TstCli::kodyWyjscia_data()
{
    // clang-format off
    Kolumny<QStringList, QByteArray, int, QString>("argumenty", "plik", "kod", "komunikat");
    const QByteArray przyklad = CzytajBajty(kPrzyklad);
    QByteArray zlaStawka = przyklad;
    zlaStawka.replace("tresc2=|kurs|2|0,99|1,98|8|", "tresc2=|kurs|2|0,99|1,98|7|");
    QByteArray zlaData = przyklad;
    zlaData.replace("Sprzed=05.03.2018", "Sprzed=35.03.2018");
    QByteArray staraData = przyklad;
    staraData.replace("Sprzed=05.03.2018", "Sprzed=05.03.2010");
    QByteArray rachunek = przyklad;
    rachunek.replace("Rodzaj=0", "Rodzaj=4");
    QByteArray proForma = przyklad;
    proForma.replace("Rodzaj=0", "Rodzaj=5");
    QByteArray wersja = przyklad;
    wersja.replace("Wersja=2", "Wersja=1");
    const QByteArray obciety = przyklad.left(przyklad.indexOf("towar2="));
    QByteArray zlaIlosc = przyklad;
    zlaIlosc.replace("tresc2=|kurs|2|", "tresc2=|kurs|abc|");

    QTest::newRow("bez polecenia") << QStringList{} << QByteArray() << 1 << "Brak polecenia.";
    QTest::newRow("nieznane") << QStringList{"drukuj"} << QByteArray() << 1 << "Nieznane polecenie drukuj.";
    QTest::newRow("show bez pliku") << QStringList{"show"} << QByteArray() << 1 << "wymaga jednego pliku";
    QTest::newRow("new bez -o") << QStringList{"new"} << QByteArray() << 1 << "wymaga opcji -o";
    QTest::newRow("korekta bez -o") << QStringList{"korekta", "@"} << przyklad << 1 << "wymaga opcji -o NOWY.FAK";
    QTest::newRow("korekta na miejscu faktury") << QStringList{"korekta", "@", "-o", "@"} << przyklad << 1
                                                << "Korekta nie może zastąpić faktury, którą koryguje";
    QTest::newRow("korekta pro formy") << QStringList{"korekta", "@", "-o", "/tmp/nie-powstanie.FAK"} << proForma << 2
                                       << "dokument „Faktura Pro Forma” nie jest fakturą VAT";
    QTest::newRow("zla opcja") << QStringList{"show", "@", "--xml"} << przyklad << 1 << "Nieznana opcja --xml.";
    QTest::newRow("zla stawka") << QStringList{"recompute", "@"} << zlaStawka << 2
                                << "Niepoprawna wartość % Vat = 7 %\nDla wpisanej daty sprzedaży, poprawne\n";
    QTest::newRow("zla data") << QStringList{"recompute", "@", "-o", "%"} << zlaData << 2
                              << "wejscie.FAK: Data sprzedaży 35.03.2018 jest błędna.\n";
    QTest::newRow("obciety") << QStringList{"recompute", "@", "-o", "%"} << obciety << 2
                             << "wejscie.FAK\" jest uszkodzony: brak wierszy pozycji 2–3.\n";
    QTest::newRow("obciety show") << QStringList{"show", "@"} << obciety << 2 << "brak wierszy pozycji 2–3";
    QTest::newRow("ilosc abc") << QStringList{"show", "@"} << zlaIlosc << 2 << "Pozycja 2: ilość «abc» nie jest liczbą.";
    QTest::newRow("nie faktura") << QStringList{"recompute", "@", "-o", "%"} << QByteArray("[Sekcja]\r\nklucz=1\r\n") << 3
                                 << "wejscie.FAK\" nie jest plikiem faktury.";
    QTest::newRow("stawki sprzed 2011") << QStringList{"recompute", "@"} << staraData << 2 << "stawki to:  0%   7%   22%   3%";
    QTest::newRow("rachunek ze stawka") << QStringList{"recompute", "@"} << rachunek << 2
                                        << "Rachunek nie może zawierać podatku VAT.\nWiersz 1 ma stawkę 23 %";
    QTest::newRow("wersja") << QStringList{"show", "@"} << wersja << 3 << "Niepoprawna wersja faktury = 1";
    QTest::newRow("brak pliku") << QStringList{"show", "/nie/ma/takiego.FAK"} << QByteArray() << 3
                                << "Nie znaleziono pliku faktury \"" + QDir::toNativeSeparators("/nie/ma/takiego.FAK") + "\".";
    QTest::newRow("show pokazuje zla stawke") << QStringList{"show", "@"} << zlaStawka << 0 << "";
    QTest::newRow("opcja innego polecenia") << QStringList{"show", "@", "-o", "x.FAK"} << przyklad << 1
                                            << "Polecenie show nie przyjmuje opcji -o.";
    QTest::newRow("words bez opcji") << QStringList{"words", "5", "--json"} << QByteArray() << 1
                                     << "Polecenie words nie przyjmuje opcji --json.";
    QTest::newRow("brak wartosci") << QStringList{"recompute", "@", "-o"} << przyklad << 1 << "Opcja -o wymaga wartości.";
    QTest::newRow("przelacznik z wartoscia") << QStringList{"show", "@", "--json=tak"} << przyklad << 1
                                             << "Opcja --json nie przyjmuje wartości.";
    QTest::newRow("pomoc nieznanego") << QStringList{"help", "drukuj"} << QByteArray() << 1 << "Nieznane polecenie drukuj.";
    QTest::newRow("zapis do brakujacego folderu") << QStringList{"recompute", "@", "-o", "/nie/ma/out.FAK"} << przyklad << 3
                                                  << "Nie można zapisać pliku \"/nie/ma/out.FAK\".\nnie ma takiego pliku ani folderu";
    // clang-format on
}

void TstCli::kodyWyjscia()
{
    QFETCH(QStringList, argumenty);
    QFETCH(QByteArray, plik);
    QFETCH(int, kod);
    QFETCH(QString, komunikat);
    const QString p = Plik(QStringLiteral("wejscie.FAK"));
    if (!plik.isEmpty())
        QVERIFY(PiszBajty(p, plik));
    argumenty.replaceInStrings(QStringLiteral("@"), p);
    const QString wyjscie = Plik(QStringLiteral("wyjscie.FAK"));
    QFile::remove(wyjscie);
    argumenty.replaceInStrings(QStringLiteral("%"), wyjscie);
    const WynikCli w = UruchomCli(argumenty);
    QCOMPARE(w.kod, kod);
    QVERIFY(kod == 0 || !QFile::exists(wyjscie));   // a refused file writes nothing
    QVERIFY2(w.bledy.contains(komunikat), qPrintable(w.bledy));
    if (kod != 1)
        QVERIFY(!w.bledy.startsWith(QLatin1Char('X')));   // the icon code is not printed
}

// Help of the tool and of each command, and the version, go to stdout with status 0.
void TstCli::pomoc_data()
{
    // clang-format off
    Kolumny<QStringList, QStringList>("argumenty", "fragmenty");
    QTest::newRow("--help") << QStringList{"--help"}
                            << QStringList{"zentora-cli show FILE.FAK [--json]", "zentora-cli words AMOUNT...", "Kody wyjścia"};
    QTest::newRow("help") << QStringList{"help"} << QStringList{"zentora-cli recompute FILE.FAK [-o OUT.FAK [--force]] [--json]"};
    QTest::newRow("show --help") << QStringList{"show", "--help"} << QStringList{"show FILE.FAK", "--json", "-h, --help"};
    QTest::newRow("new -h") << QStringList{"new", "x", "-h"} << QStringList{"--today DD.MM.RRRR", "--config Faktury.ini"};
    QTest::newRow("help new") << QStringList{"help", "new"} << QStringList{"-o PLIK"};
    QTest::newRow("--version") << QStringList{"--version"} << QStringList{"zentora-cli 1."};
    // clang-format on
}

void TstCli::pomoc()
{
    QFETCH(QStringList, argumenty);
    QFETCH(QStringList, fragmenty);
    const WynikCli w = UruchomCli(argumenty);
    QCOMPARE(w.kod, 0);
    for (const QString &f : fragmenty)
        QVERIFY2(w.wyjscie.contains(f), qPrintable(w.wyjscie));
    if (argumenty.first() == QLatin1String("show"))   // a command's help leaves the other commands out
        QVERIFY(!w.wyjscie.contains(QStringLiteral("recompute")));
}

QTEST_GUILESS_MAIN(TstCli)
#include "tst_cli.moc"
