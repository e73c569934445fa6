#include "common/bledy.h"
#include "fakturaprzykladowa.h"
#include "invoice/ksef.h"
#include "invoice/ksefsrodowisko.h"
#include "invoice/sumy.h"
#include "kolumny.h"
#include "pliktymczasowy.h"

#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <functional>

namespace {

const QString kPodstawa = QStringLiteral("art. 113 ust. 1 ustawy o VAT");
const QDateTime kChwila(QDate(2026, 1, 15), QTime(10, 20, 30), Qt::UTC);

TiniZentora Ini()
{
    TiniZentora i;
    i.iniKsefPodstawa = kPodstawa;
    return i;
}

// The rows valued and the totals taken as the save command does.
TzentoraVat Przeliczona(TzentoraVat f)
{
    PrzeliczRekord(f);
    return f;
}

void Wiersze(TzentoraVat &f, const QStringList &w)
{
    for (int i = 1; i <= kMaxPozycji; ++i)
        f.Pozycja(i).czysc();
    for (int i = 0; i < w.size(); ++i)
        f.Pozycja(i + 1) = Wiersz(w.at(i));
    f.IlePozyc = int(w.size());
}

// A KSeF number of the example seller with its check characters.
QString NumerKsef(const QString &srodek)
{
    const QString n = QStringLiteral("9876543210-") + srodek;
    return n + QLatin1Char('-') + QStringLiteral("%1").arg(Crc8Ksef(n.toLatin1()), 2, 16, QLatin1Char('0')).toUpper();
}

struct Przypadek {
    const char *nazwa;
    std::function<void(TzentoraVat &)> zmien;
};

const QList<Przypadek> &Przypadki()
{
    static const QList<Przypadek> p = {
        {"przykład: 23, 8 i zw, przelew", [](TzentoraVat &) {}},
        {"korygująca spoza KSeF",
         [](TzentoraVat &f) {
             f.RodzajFak = rFakKoryg;
             f.DoKorekty = QStringLiteral("10/FV/2018");
             f.DataKorygowanej = QStringLiteral("01.03.2018");
             f.PrzyczynaKorekty = QStringLiteral("zwrot towaru");
             for (int i = 1; i <= f.IlePozyc; ++i)
                 f.Pozycja(i).Ilosc = QLatin1Char('-') + f.Pozycja(i).Ilosc;
         }},
        {"korygująca z numerem KSeF",
         [](TzentoraVat &f) {
             f.RodzajFak = rFakKoryg;
             f.DoKorekty = QStringLiteral("10/FV/2026");
             f.DataKorygowanej = QStringLiteral("02.01.2026");
             f.KsefKorygowanej = NumerKsef(QStringLiteral("20260102-0100001AF629"));
             f.PrzyczynaKorekty = QStringLiteral("podwyżka ceny");
         }},
        {"VAT - MP gotówką",
         [](TzentoraVat &f) {
             f.RodzajFak = rZentoraMP;
             f.RodzZaplaty = zGotowka;
         }},
        {"uproszczony kartą, nabywca bez NIP i adresu",
         [](TzentoraVat &f) {
             f.RodzajFak = rUprosz;
             f.RodzZaplaty = zKarta;
             f.KupNip.clear();
             f.KupUlica.clear();
             f.KupKod = QStringLiteral("  -   ");
             f.KupMiasto.clear();
         }},
        {"za zaliczeniem pocztowym, bez terminu",
         [](TzentoraVat &f) {
             f.RodzZaplaty = zZaliczPocz;
             f.DataZaplaty = QStringLiteral("  .  .    ");
         }},
        {"sprzedaż przed 2011: 22, 7, 3, 0 i zw",
         [](TzentoraVat &f) {
             f.DataSprzed = QStringLiteral("31.12.2010");
             f.DataWystaw = QStringLiteral("10.01.2011");
             f.DataZaplaty = QStringLiteral("  .  .    ");
             Wiersze(f, {QStringLiteral("A|||3|12,35||22"), QStringLiteral("B|||2|0,99||7"),
                         QStringLiteral("C|||1|10,00||3"), QStringLiteral("D|||1|5,00||0"),
                         QStringLiteral("E|||1|1,00||")});
         }},
        {"sprzedaż od 2011: 23, 8, 5 i 0, bez zw",
         [](TzentoraVat &f) {
             f.DataSprzed = QStringLiteral("01.01.2011");
             f.DataWystaw = QStringLiteral("15.01.2026");
             f.DataZaplaty = QStringLiteral("29.01.2026");
             Wiersze(f, {QStringLiteral("A|PKWiU 17.12|szt.|1,5|1.234,5678||23"), QStringLiteral("B|||-2|0,99||8"),
                         QStringLiteral("C|||1|10,00||5"), QStringLiteral("D|||1|5,00||0")});
         }},
        {"mechanizm podzielonej płatności, opis bez kwot i podstawa faktury",
         [](TzentoraVat &f) {
             f.MPP = true;
             f.PodstawaZwolnienia = QStringLiteral("art. 43 ust. 1 pkt 29");
             f.IlePozyc = 4;
             f.Pozycja(4) = Wiersz(QStringLiteral("Dostawa w marcu||||||||"));
         }},
        {"uproszczony do 450 zł z NIP nabywcy, gotówką",
         [](TzentoraVat &f) {
             f.RodzajFak = rUprosz;
             f.RodzZaplaty = zGotowka;
             f.DataZaplaty = QStringLiteral("  .  .    ");
         }},
        {"uproszczony ponad 450 zł",
         [](TzentoraVat &f) {
             f.RodzajFak = rUprosz;
             f.KupNip = QStringLiteral("526-587-76-35");
             f.Pozycja(3).Cena = QStringLiteral("500,00");
         }},
        {"cena z czterema miejscami",
         [](TzentoraVat &f) { Wiersze(f, {QStringLiteral("Śruby||szt.|10000|5,4321||23")}); }},
        {"znaki &, <, cudzysłowy i polskie litery",
         [](TzentoraVat &f) {
             f.KupFirma = QStringLiteral("Kowalski & Syn <\"Łódź\"> 'ŻÓŁW'");
             f.UwagiDodatk = QStringLiteral("Płatne <od razu> & \"bez\" zwłoki");
             f.Pozycja(1).Towar = QStringLiteral("Śruby 'M8' & <nakrętki> \"ĄĘ\"");
         }},
    };
    return p;
}

TeksportKsef Eksport(int przypadek, TzentoraVat *rekord = nullptr)
{
    TzentoraVat f = FakturaPrzykladowa();
    TopcjeKsef o;
    o.Wytworzono = kChwila;
    Przypadki().at(przypadek).zmien(f);
    f = Przeliczona(f);
    if (rekord)
        *rekord = f;
    return EksportujKsef(f, Ini(), o);
}

// Every text of the document by its path below the root ("Fa/FaWiersz/P_7"), "|" joining repeats.
QHash<QString, QString> Pola(const QByteArray &xml)
{
    QHash<QString, QString> p;
    QXmlStreamReader r(xml);
    QStringList sciezka;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            sciezka.append(r.name().toString());
        } else if (r.isEndElement()) {
            sciezka.removeLast();
        } else if (r.isCharacters() && !r.isWhitespace() && sciezka.size() > 1) {
            const QString k = sciezka.mid(1).join(QLatin1Char('/'));
            p[k] = p.contains(k) ? p[k] + QLatin1Char('|') + r.text().toString() : r.text().toString();
        }
    }
    return p;
}

}   // namespace

class TstKsef : public QObject {
    Q_OBJECT
private slots:
    void schematPrzyjmuje_data();
    void schematPrzyjmuje();
    void polaJakRekord_data();
    void polaJakRekord();
    void tekstyPrzetrwaja();
    void odmowy_data();
    void odmowy();
    void ostrzezeniaNip();
    void sprzedawcaZKonfiguracji();
    void numerKsef_data();
    void numerKsef();
    void skrotJakSha256sum();
    void odciskPoZmianie_data();
    void odciskPoZmianie();
    void linkWeryfikacji();
    void srodowiska_data();
    void srodowiska();
};

void TstKsef::schematPrzyjmuje_data()
{
    // clang-format off
    QTest::addColumn<int>("przypadek");
    for (int i = 0; i < Przypadki().size(); ++i)
        QTest::newRow(Przypadki().at(i).nazwa) << i;
    // clang-format on
}

void TstKsef::schematPrzyjmuje()
{
#ifdef Q_OS_WIN
    QSKIP("xmllint is the build machine's: tests/windows/test-windows.sh validates the Windows build's XML");
#endif
    QFETCH(int, przypadek);
    QTemporaryDir dir;
    const QString plik = dir.filePath(QStringLiteral("f.xml"));
    ZapiszPlikKsef(plik, Eksport(przypadek).Xml);
    QProcess x;
    x.start(QStringLiteral("xmllint"),
            {QStringLiteral("--noout"), QStringLiteral("--schema"), QStringLiteral(ZENTORA_KSEF_SCHEMA), plik});
    QVERIFY2(x.waitForFinished(60000), "xmllint (libxml2-utils) is needed");
    QVERIFY2(x.exitCode() == 0, qPrintable(QString::fromUtf8(x.readAllStandardError() + "\n" + CzytajBajty(plik))));
}

void TstKsef::polaJakRekord_data()
{
    Kolumny<int, QString>("przypadek", "sciezka");
    QTest::addColumn<QString>("wartosc");   // "" when the element is absent
    const struct {
        int przypadek;
        const char *sciezka, *wartosc;
    } w[] = {
        {0, "Naglowek/KodFormularza", "FA"},
        {0, "Naglowek/DataWytworzeniaFa", "2026-01-15T10:20:30Z"},
        {0, "Naglowek/SystemInfo", "Zentora"},
        {0, "Podmiot1/DaneIdentyfikacyjne/NIP", "9876543210"},
        {0, "Podmiot1/DaneIdentyfikacyjne/Nazwa", "Sklep Przykładowy"},
        {0, "Podmiot1/Adres/AdresL1", "ul. Długa 1"},
        {0, "Podmiot1/Adres/AdresL2", "60-001 Poznań"},
        {0, "Podmiot2/DaneIdentyfikacyjne/NIP", "1234567890"},
        {0, "Podmiot2/DaneIdentyfikacyjne/Nazwa", "Hurtownia Przykładowa"},
        {0, "Podmiot2/Adres/AdresL1", "ul. Polna 7"},
        {0, "Podmiot2/Adres/AdresL2", "60-101 Poznań"},
        {0, "Fa/P_1", "2018-03-05"},
        {0, "Fa/P_2", "12/FV/2018"},
        {0, "Fa/P_6", ""},
        {0, "Fa/P_13_1", "37.05"},
        {0, "Fa/P_14_1", "8.52"},
        {0, "Fa/P_13_2", "1.98"},
        {0, "Fa/P_14_2", "0.16"},
        {0, "Fa/P_13_3", ""},
        {0, "Fa/P_13_6_1", ""},
        {0, "Fa/P_13_7", "100.00"},
        {0, "Fa/P_15", "147.71"},
        {0, "Fa/Adnotacje/P_16", "2"},
        {0, "Fa/Adnotacje/Zwolnienie/P_19", "1"},
        {0, "Fa/Adnotacje/Zwolnienie/P_19A", "art. 113 ust. 1 ustawy o VAT"},
        {0, "Fa/RodzajFaktury", "VAT"},
        {0, "Fa/DaneFaKorygowanej/NrFaKorygowanej", ""},
        {0, "Fa/FaWiersz/NrWierszaFa", "1|2|3"},
        {0, "Fa/FaWiersz/P_7", "Papier A4|Przewóz|Szkolenie"},
        {0, "Fa/FaWiersz/P_8A", "ryza|kurs|godz."},
        {0, "Fa/FaWiersz/P_8B", "3|2|1"},
        {0, "Fa/FaWiersz/P_9A", "12.35|0.99|100.00"},
        {0, "Fa/FaWiersz/P_11", "37.05|1.98|100.00"},
        {0, "Fa/FaWiersz/P_12", "23|8|zw"},
        {0, "Fa/Platnosc/TerminPlatnosci/Termin", "2018-03-19"},
        {0, "Fa/Platnosc/FormaPlatnosci", "6"},
        {0, "Fa/Platnosc/RachunekBankowy/NrRB", "11222233334444555566667777"},
        {0, "Fa/Platnosc/RachunekBankowy/NazwaBanku", "Bank Przykładowy"},
        {1, "Fa/RodzajFaktury", "KOR"},
        {1, "Fa/DaneFaKorygowanej/DataWystFaKorygowanej", "2018-03-01"},
        {1, "Fa/DaneFaKorygowanej/NrFaKorygowanej", "10/FV/2018"},
        {1, "Fa/DaneFaKorygowanej/NrKSeFN", "1"},
        {1, "Fa/PrzyczynaKorekty", "zwrot towaru"},
        {1, "Fa/P_13_1", "-37.05"},
        {1, "Fa/P_14_1", "-8.52"},
        {1, "Fa/P_13_7", "-100.00"},
        {1, "Fa/P_15", "-147.71"},
        {1, "Fa/FaWiersz/P_8B", "-3|-2|-1"},
        {2, "Fa/DaneFaKorygowanej/DataWystFaKorygowanej", "2026-01-02"},
        {2, "Fa/PrzyczynaKorekty", "podwyżka ceny"},
        {2, "Fa/P_15", "147.71"},
        {2, "Fa/DaneFaKorygowanej/NrKSeF", "1"},
        {2, "Fa/DaneFaKorygowanej/NrKSeFN", ""},
        {3, "Fa/Adnotacje/P_16", "1"},
        {3, "Fa/Platnosc/FormaPlatnosci", "1"},
        {3, "Fa/Platnosc/RachunekBankowy/NrRB", ""},
        {3, "Fa/Platnosc/Zaplacono", "1"},
        {3, "Fa/Platnosc/DataZaplaty", "2018-03-19"},
        {3, "Fa/Platnosc/TerminPlatnosci/Termin", ""},
        {0, "Fa/Adnotacje/P_18A", "2"},
        {0, "Fa/Platnosc/Zaplacono", ""},
        {8, "Fa/Adnotacje/P_18A", "1"},
        {8, "Fa/Adnotacje/Zwolnienie/P_19A", "art. 43 ust. 1 pkt 29"},
        {8, "Fa/FaWiersz/NrWierszaFa", "1|2|3"},
        {8, "Fa/FaWiersz/P_7", "Papier A4|Przewóz|Szkolenie"},
        {9, "Fa/RodzajFaktury", "UPR"},
        {9, "Fa/Platnosc/DataZaplaty", "2018-03-05"},
        {10, "Fa/RodzajFaktury", "VAT"},
        {10, "Fa/P_15", "547.71"},
        {11, "Fa/FaWiersz/P_9A", "5.4321"},
        {11, "Fa/FaWiersz/P_11", "54321.00"},
        {4, "Fa/RodzajFaktury", "VAT"},   // no buyer's NIP: not a simplified invoice
        {4, "Podmiot2/DaneIdentyfikacyjne/BrakID", "1"},
        {4, "Podmiot2/Adres/AdresL1", ""},
        {4, "Fa/Platnosc/FormaPlatnosci", "2"},
        {5, "Fa/Platnosc/PlatnoscInna", "1"},
        {5, "Fa/Platnosc/OpisPlatnosci", "za zaliczeniem pocztowym"},
        {5, "Fa/Platnosc/TerminPlatnosci/Termin", ""},
        {6, "Fa/P_6", "2010-12-31"},
        {6, "Fa/P_13_1", "37.05"},
        {6, "Fa/P_14_1", "8.15"},
        {6, "Fa/P_14_2", "0.14"},
        {6, "Fa/P_13_3", "10.00"},
        {6, "Fa/P_14_3", "0.30"},
        {6, "Fa/P_13_6_1", "5.00"},
        {6, "Fa/P_13_7", "1.00"},
        {6, "Fa/FaWiersz/P_12", "22|7|3|0 KR|zw"},
        {7, "Fa/P_6", "2011-01-01"},
        {7, "Fa/P_13_1", "1851.85"},
        {7, "Fa/P_14_1", "425.93"},
        {7, "Fa/P_13_2", "-1.98"},
        {7, "Fa/P_14_2", "-0.16"},
        {7, "Fa/P_14_3", "0.50"},
        {7, "Fa/P_13_7", ""},
        {7, "Fa/P_15", "2291.14"},
        {7, "Fa/Adnotacje/Zwolnienie/P_19N", "1"},
        {7, "Fa/Adnotacje/Zwolnienie/P_19A", ""},
        {7, "Fa/FaWiersz/PKWiU", "PKWiU 17.12"},
        {7, "Fa/FaWiersz/P_8B", "1.5|-2|1|1"},
        {7, "Fa/FaWiersz/P_9A", "1234.5678|0.99|10.00|5.00"},
        {7, "Fa/FaWiersz/P_12", "23|8|5|0 KR"},
    };
    for (const auto &x : w)
        QTest::addRow("%s: %s", Przypadki().at(x.przypadek).nazwa, x.sciezka)
            << x.przypadek << QString::fromUtf8(x.sciezka) << QString::fromUtf8(x.wartosc);
}

void TstKsef::polaJakRekord()
{
    QFETCH(int, przypadek);
    QFETCH(QString, sciezka);
    QFETCH(QString, wartosc);
    QCOMPARE(Pola(Eksport(przypadek).Xml).value(sciezka), wartosc);
}

void TstKsef::tekstyPrzetrwaja()
{
    TzentoraVat f;
    const QHash<QString, QString> p = Pola(Eksport(int(Przypadki().size()) - 1, &f).Xml);
    QCOMPARE(p.value(QStringLiteral("Podmiot2/DaneIdentyfikacyjne/Nazwa")), f.KupFirma);
    QCOMPARE(p.value(QStringLiteral("Fa/FaWiersz/P_7")).section(QLatin1Char('|'), 0, 0), f.Pozycja(1).Towar);
    QCOMPARE(p.value(QStringLiteral("Stopka/Informacje/StopkaFaktury")), f.UwagiDodatk);
}

void TstKsef::odmowy_data()
{
    // clang-format off
    Kolumny<int, QString, QString>("rodzaj", "zmiana", "komunikat");
    QTest::newRow("rachunek") << int(rZwykly) << QString()
                              << QStringLiteral("Dokument „Rachunek” nie jest fakturą VAT i nie trafia do KSeF.|Eksportować "
                                                "można fakturę VAT, fakturę korygującą, fakturę VAT - MP i rachunek uproszczony.");
    QTest::newRow("pro forma") << int(rProForma) << QString()
                               << QStringLiteral("Dokument „Faktura Pro Forma” nie jest fakturą VAT i nie trafia do KSeF.|"
                                                 "Eksportować można fakturę VAT, fakturę korygującą, fakturę VAT - MP i "
                                                 "rachunek uproszczony.");
    QTest::newRow("sprzedawca bez NIP") << int(rZentora) << QStringLiteral("ramka bez NIP")
                                        << QStringLiteral("Brak NIP sprzedawcy.|Wpisz go na stronie „KSeF” parametrów albo "
                                                          "w ramce sprzedawcy (w wierszu ze słowem „NIP”).");
    QTest::newRow("zwolnienie bez podstawy") << int(rZentora) << QStringLiteral("bez podstawy")
                                             << QStringLiteral("Faktura ma pozycję zwolnioną z VAT, a nie podano podstawy "
                                                               "zwolnienia.|Wpisz ją w fakturze albo na stronie „KSeF” "
                                                               "parametrów, np. „art. 113 ust. 1 ustawy o VAT”.");
    QTest::newRow("korekta bez daty i przyczyny") << int(rFakKoryg) << QString()
                                      << QStringLiteral("Faktura korygująca nie jest kompletna. Brakuje: data korygowanej "
                                                        "faktury, przyczyna korekty.|Uzupełnij dane korygowanej faktury obok "
                                                        "pola „do faktury” (data jako DD.MM.RRRR).");
    QTest::newRow("korekta bez numeru") << int(rFakKoryg) << QStringLiteral("bez numeru korygowanej")
                                        << QStringLiteral("Faktura korygująca nie jest kompletna. Brakuje: do faktury, data "
                                                          "korygowanej faktury, przyczyna korekty.|Uzupełnij dane korygowanej "
                                                          "faktury obok pola „do faktury” (data jako DD.MM.RRRR).");
    QTest::newRow("ma numer KSeF") << int(rZentora) << QStringLiteral("z numerem KSeF")
                                   << QStringLiteral("Faktura 12/FV/2018 ma już numer KSeF %1.|Nie eksportuje się jej "
                                                     "ponownie; zmianę wprowadza faktura korygująca (Plik → Wystaw korektę…).")
                                          .arg(NumerKsef(QStringLiteral("20260102-0100001AF629")));
    QTest::newRow("korekta, zła suma KSeF")
        << int(rFakKoryg) << QStringLiteral("numer 9876543210-20260102-0100001AF629-00")
        << QStringLiteral("Numer KSeF faktury korygowanej: Numer KSeF „9876543210-20260102-0100001AF629-00” ma błędną sumę "
                          "kontrolną (powinna być %1).|Sprawdź, czy numer przepisano bez pomyłki.")
               .arg(NumerKsef(QStringLiteral("20260102-0100001AF629")).right(2));
    QTest::newRow("NIP nabywcy 9 cyfr") << int(rZentora) << QStringLiteral("NIP 123-456-78-9")
                                        << QStringLiteral("NIP nabywcy „123-456-78-9” nie jest 10-cyfrowym numerem NIP.|Popraw "
                                                          "go albo usuń, jeśli nabywca nie ma NIP.");
    QTest::newRow("brak pozycji") << int(rZentora) << QStringLiteral("bez pozycji")
                                  << QStringLiteral("Faktura nie ma żadnej pozycji.");
    QTest::newRow("termin przed 2016") << int(rZentora) << QStringLiteral("termin 19.03.2015")
                                       << QStringLiteral("Termin zapłaty 19.03.2015 jest poza zakresem dat przyjmowanym przez "
                                                         "KSeF (01.07.2016 – 01.01.2050).");
    // clang-format on
}

void TstKsef::odmowy()
{
    QFETCH(int, rodzaj);
    QFETCH(QString, zmiana);
    QFETCH(QString, komunikat);
    TzentoraVat f = Przeliczona(FakturaPrzykladowa());
    f.RodzajFak = TrodzajFaktury(rodzaj);
    f.DoKorekty = QStringLiteral("10/FV/2026");
    TiniZentora ini = Ini();
    TopcjeKsef o;
    if (zmiana == QLatin1String("ramka bez NIP"))
        f.SprzedRamka = QStringLiteral("Sklep Przykładowy;ul. Długa 1");
    else if (zmiana == QLatin1String("bez podstawy"))
        ini.iniKsefPodstawa.clear();
    else if (zmiana == QLatin1String("bez numeru korygowanej"))
        f.DoKorekty.clear();
    else if (zmiana.startsWith(QLatin1String("numer ")))
        f.KsefKorygowanej = zmiana.mid(6);
    else if (zmiana == QLatin1String("z numerem KSeF"))
        f.KsefNumer = NumerKsef(QStringLiteral("20260102-0100001AF629"));
    else if (zmiana.startsWith(QLatin1String("NIP ")))
        f.KupNip = zmiana.mid(4);
    else if (zmiana == QLatin1String("bez pozycji"))
        Wiersze(f, {});
    else if (zmiana.startsWith(QLatin1String("termin ")))
        f.DataZaplaty = zmiana.mid(7);
    if (zmiana.startsWith(QLatin1String("numer "))) {
        f.DataKorygowanej = QStringLiteral("02.01.2026");
        f.PrzyczynaKorekty = QStringLiteral("rabat");
    }
    try {
        EksportujKsef(f, ini, o);
        QFAIL("exported");
    } catch (const EOdmowaKsef &e) {
        QCOMPARE(e.komunikat(), komunikat);
    }
}

void TstKsef::ostrzezeniaNip()
{
    // the example buyer's NIP 123-456-78-90 has a wrong check digit; the seller's is right
    QCOMPARE(Eksport(0).Ostrzezenia, QStringList{QStringLiteral("NIP nabywcy 1234567890 ma błędną cyfrę kontrolną.")});
    QVERIFY(NipPoprawny(QStringLiteral("9876543210")));
    QVERIFY(NipPoprawny(QStringLiteral("5265877635")));
    QVERIFY(!NipPoprawny(QStringLiteral("5265877636")));
}

void TstKsef::sprzedawcaZKonfiguracji()
{
    TzentoraVat f = FakturaPrzykladowa();
    f.SprzedRamka = QStringLiteral("Sklep Przykładowy;ul. Długa 1;60-001 Poznań;tel. 61 000 00 00;NIP: 987-654-32-10");
    TiniZentora ini;
    TsprzedawcaKsef s = SprzedawcaKsef(f, ini);
    QCOMPARE(QStringList({s.Nip, s.Nazwa, s.AdresL1, s.AdresL2}),
             QStringList({QStringLiteral("9876543210"), QStringLiteral("Sklep Przykładowy"),
                          QStringLiteral("ul. Długa 1"), QStringLiteral("60-001 Poznań, tel. 61 000 00 00")}));
    ini.iniKsefNip = QStringLiteral("PL 526-587-76-35");
    ini.iniKsefNazwa = QStringLiteral("Przykład Sp. z o.o.");
    ini.iniKsefAdresL2 = QStringLiteral("60-002 Poznań");
    s = SprzedawcaKsef(f, ini);
    QCOMPARE(QStringList({s.Nip, s.Nazwa, s.AdresL1, s.AdresL2}),
             QStringList({QStringLiteral("5265877635"), QStringLiteral("Przykład Sp. z o.o."),
                          QStringLiteral("ul. Długa 1"), QStringLiteral("60-002 Poznań")}));
}

void TstKsef::numerKsef_data()
{
    // clang-format off
    Kolumny<QString, QString>("numer", "nip");
    QTest::addColumn<QString>("blad");   // the start of the reason; empty for a good number
    QTest::newRow("przykład") << QStringLiteral("5265877635-20250826-0100001AF629-AF") << QString() << QString();
    QTest::newRow("przykład, ten NIP") << QStringLiteral("5265877635-20250826-0100001AF629-AF")
                                       << QStringLiteral("5265877635") << QString();
    QTest::newRow("spacje wokół") << QStringLiteral(" 5265877635-20250826-0100001AF629-AF ") << QString() << QString();
    QTest::newRow("inny NIP") << QStringLiteral("5265877635-20250826-0100001AF629-AF") << QStringLiteral("9876543210")
                              << QStringLiteral("Numer KSeF „5265877635-20250826-0100001AF629-AF” należy do NIP 5265877635");
    QTest::newRow("zła suma") << QStringLiteral("5265877635-20250826-0100001AF629-AE") << QString()
                              << QStringLiteral("Numer KSeF „5265877635-20250826-0100001AF629-AE” ma błędną sumę kontrolną "
                                                "(powinna być AF)");
    QTest::newRow("zmieniona cyfra") << QStringLiteral("5265877635-20250827-0100001AF629-AF") << QString()
                                     << QStringLiteral("Numer KSeF „5265877635-20250827-0100001AF629-AF” ma błędną sumę");
    QTest::newRow("małe litery") << QStringLiteral("5265877635-20250826-0100001af629-af") << QString()
                                 << QStringLiteral("Numer KSeF „5265877635-20250826-0100001af629-af” ma niepoprawną postać");
    QTest::newRow("za krótki") << QStringLiteral("5265877635-20250826-0100001AF62-AF") << QString()
                               << QStringLiteral("Numer KSeF „5265877635-20250826-0100001AF62-AF” ma niepoprawną postać");
    QTest::newRow("NIP od zera") << QStringLiteral("0265877635-20250826-0100001AF629-AF") << QString()
                                 << QStringLiteral("Numer KSeF „0265877635-20250826-0100001AF629-AF” nie zaczyna się od "
                                                   "poprawnego NIP.");
    QTest::newRow("sprzed 2020") << NumerKsef(QStringLiteral("20191231-0100001AF629")) << QString()
                                 << QStringLiteral("Numer KSeF „%1” zawiera niepoprawną datę")
                                        .arg(NumerKsef(QStringLiteral("20191231-0100001AF629")));
    QTest::newRow("zła data") << NumerKsef(QStringLiteral("20251301-0100001AF629")) << QString()
                              << QStringLiteral("Numer KSeF „%1” zawiera niepoprawną datę")
                                     .arg(NumerKsef(QStringLiteral("20251301-0100001AF629")));
    // clang-format on
}

void TstKsef::numerKsef()
{
    QFETCH(QString, numer);
    QFETCH(QString, nip);
    QFETCH(QString, blad);
    const QString b = BladNumeruKsef(numer, nip);
    QVERIFY2(blad.isEmpty() ? b.isEmpty() : b.startsWith(blad), qPrintable(b));
}

void TstKsef::skrotJakSha256sum()
{
#ifdef Q_OS_WIN
    QSKIP("sha256sum is the build machine's tool");
#endif
    QTemporaryDir dir;
    const QString plik = dir.filePath(QStringLiteral("f.xml"));
    TzentoraVat f;
    const TeksportKsef e = Eksport(0, &f);
    ZapiszPlikKsef(plik, e.Xml);
    QProcess p;
    p.start(QStringLiteral("sha256sum"), {plik});
    QVERIFY(p.waitForFinished(30000));
    const QByteArray b64 = QByteArray::fromHex(p.readAllStandardOutput().left(64)).toBase64();
    QString oczekiwany = QString::fromLatin1(b64);
    oczekiwany.replace(QLatin1Char('+'), QLatin1Char('-'))
        .replace(QLatin1Char('/'), QLatin1Char('_'))
        .remove(QLatin1Char('='));
    QCOMPARE(oczekiwany.size(), 43);
    ZapamietajEksport(f, e);
    QCOMPARE(f.KsefSkrot, oczekiwany);
    QCOMPARE(f.KsefWytworzono, QStringLiteral("2026-01-15T10:20:30Z"));
    QVERIFY(f.KsefNumer.isEmpty());
}

void TstKsef::odciskPoZmianie_data()
{
    // clang-format off
    Kolumny<QString, bool>("zmiana", "aktualny");
    QTest::newRow("bez zmian") << "" << true;
    QTest::newRow("numer KSeF") << "numer" << true;
    QTest::newRow("uwagi") << "uwagi" << false;
    QTest::newRow("ilość") << "ilość" << false;
    QTest::newRow("wielkość litery nabywcy") << "nabywca" << false;
    // clang-format on
}

void TstKsef::odciskPoZmianie()
{
    QFETCH(QString, zmiana);
    TzentoraVat f;
    const TeksportKsef e = Eksport(0, &f);
    QVERIFY(!EksportAktualny(f));   // nothing recorded yet
    ZapamietajEksport(f, e);
    if (zmiana == QLatin1String("numer"))
        UstawNumerKsef(f, Ini(), NumerKsef(QStringLiteral("20260115-0100001AF629")));
    else if (zmiana == QLatin1String("uwagi"))
        f.UwagiDodatk = QStringLiteral("x");
    else if (zmiana == QLatin1String("nabywca"))
        f.KupFirma = f.KupFirma.toUpper();
    else if (!zmiana.isEmpty())
        f.Pozycja(1).Ilosc = QStringLiteral("4");
    QFETCH(bool, aktualny);
    QCOMPARE(EksportAktualny(f), aktualny);
    if (aktualny)
        return;
    // the changed invoice, exported again, replaces the record of the first export
    const QString pierwszy = f.KsefSkrot;
    TopcjeKsef o;
    o.Wytworzono = kChwila;
    ZapamietajEksport(f, EksportujKsef(Przeliczona(f), Ini(), o));
    QVERIFY(f.KsefSkrot != pierwszy);
    QVERIFY(EksportAktualny(f));
}

void TstKsef::linkWeryfikacji()
{
    TzentoraVat f;
    ZapamietajEksport(f, Eksport(0, &f));
    QCOMPARE(LinkWeryfikacjiKsef(f, Ini()),
             QStringLiteral("https://qr-test.ksef.mf.gov.pl/invoice/9876543210/05-03-2018/") + f.KsefSkrot);
    // a number of another seller is refused and leaves the invoice as it was
    try {
        UstawNumerKsef(f, Ini(), QStringLiteral("5265877635-20250826-0100001AF629-AF"));
        QFAIL("accepted");
    } catch (const EOdmowaKsef &e) {
        QVERIFY(e.komunikat().contains(QStringLiteral("a NIP sprzedawcy to 9876543210")));
    }
    QVERIFY(f.KsefNumer.isEmpty());
    // the link keeps the NIP of the exported XML when the configured seller changes later;
    // a file recorded before that NIP was kept falls back to the configured one
    QCOMPARE(f.KsefNip, QStringLiteral("9876543210"));
    TiniZentora inna = Ini();
    inna.iniKsefNip = QStringLiteral("5265877635");
    QVERIFY(LinkWeryfikacjiKsef(f, inna).contains(QStringLiteral("/9876543210/")));
    f.KsefNip.clear();
    QVERIFY(LinkWeryfikacjiKsef(f, inna).contains(QStringLiteral("/5265877635/")));
}

QTEST_GUILESS_MAIN(TstKsef)
// The environment gives the API and the host of the printout's code; an address of one's own
// replaces the API, plain http only on this computer.
void TstKsef::srodowiska_data()
{
    Kolumny<QString, QString, QString, QString>("srodowisko", "adres", "api", "qr");
    const QString test = QStringLiteral("qr-test.ksef.mf.gov.pl");
    const auto w = [](const char *n, const char *s, const char *a, const char *api, const QString &qr) {
        QTest::newRow(n) << QString::fromUtf8(s) << QString::fromUtf8(a) << QString::fromUtf8(api) << qr;
    };
    w("domyślne", "", "", "https://api-test.ksef.mf.gov.pl/v2", test);
    w("demo", "demo", "", "https://api-demo.ksef.mf.gov.pl/v2", QStringLiteral("qr-demo.ksef.mf.gov.pl"));
    w("prod", " Prod ", "", "https://api.ksef.mf.gov.pl/v2", QStringLiteral("qr.ksef.mf.gov.pl"));
    w("własny https", "prod", "https://ksef.example/v2/", "https://ksef.example/v2",
      QStringLiteral("qr.ksef.mf.gov.pl"));
    w("http lokalny", "", "http://127.0.0.1:8080/v2", "http://127.0.0.1:8080/v2", test);
    w("http localhost", "", "http://localhost:1/v2", "http://localhost:1/v2", test);
    w("http ipv6", "", "http://[::1]:1/", "http://[::1]:1", test);
    w("http obcy", "", "http://10.0.0.1/v2", "!musi zaczynać się od https://", test);
    w("http udający", "", "http://127.0.0.1.example/v2", "!musi zaczynać się od https://", test);
    w("ftp", "", "ftp://127.0.0.1/", "!musi zaczynać się od https://", test);
    w("nie adres", "", "::", "!nie jest poprawnym adresem URL", test);
    w("nieznane", "produkcja", "", "!Nieznane środowisko KSeF \"produkcja\"", test);
}

void TstKsef::srodowiska()
{
    QFETCH(QString, srodowisko);
    QFETCH(QString, adres);
    QFETCH(QString, api);
    QFETCH(QString, qr);
    TiniZentora ini;
    ini.iniKsefSrodowisko = srodowisko;
    ini.iniKsefAdres = adres;
    QCOMPARE(HostQrKsef(ini), qr);
    try {
        QCOMPARE(SrodowiskoKsef(ini).Api, api);
    } catch (const EOdmowaKsef &e) {
        QVERIFY2(api.startsWith(QLatin1Char('!')) && e.komunikat().contains(api.mid(1)), qPrintable(e.komunikat()));
    }
}

#include "tst_ksef.moc"
