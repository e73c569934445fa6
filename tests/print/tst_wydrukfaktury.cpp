// The invoice layout on the recording canvas: an A4 page at 600 dpi with a 4 mm strip, so
// the working area is 2021 units wide (Fszerok 2001, right edge of the boxes at 2011) and
// starts 71 pixels below the top strip. Recorder metrics: Ar10 text 39 high, line 40;
// Ar12b 47 / 48; Ar14 55 / 57; each character two fifths of an em wide (Ar10 14).
#include "arkusztestowy.h"
#include "common/daty.h"
#include "common/slownie.h"
#include "fakturaprzykladowa.h"
#include "invoice/ksef.h"
#include "kolumny.h"
#include "prezentertestowy.h"
#include "print/wydrukfaktury.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <climits>
#include <memory>

Q_DECLARE_METATYPE(TrodzajFaktury)

namespace {

TzentoraVat Rodzaju(TrodzajFaktury r)
{
    TzentoraVat f = FakturaPrzykladowa();
    f.RodzajFak = r;
    return f;
}

// Texts placed right-aligned in the label column of the dates box, top to bottom.
QStringList EtykietyDat(const TarkuszTestowy &a)
{
    QStringList e;
    for (const TZapisRysunku &z : a.kanwa.zapisy)
        if (z.rodzaj == TZapisRysunku::Tekst && z.klip && z.prostokat.Left == 1011 && z.prostokat.Right == 1461)
            e.append(z.tekst);
    return e;
}

// The number in the first column of an item row.
const TZapisRysunku *Lp(const TarkuszTestowy &a, int i)
{
    for (const TZapisRysunku &z : a.kanwa.zapisy)
        if (z.rodzaj == TZapisRysunku::Tekst && z.tekst == QString::number(i) && z.prostokat.Left == 10)
            return &z;
    return nullptr;
}

int Ile(const TarkuszTestowy &a, const QString &tekst) { return int(a.Teksty().count(tekst)); }

}   // namespace

class TstWydrukFaktury : public QObject {
    Q_OBJECT
private slots:
    void init();
    void przykladowaFaktura();
    void rodzajeDokumentow_data();
    void rodzajeDokumentow();
    void dataSprzedazy_data();
    void dataSprzedazy();
    void proFormaINip_data();
    void proFormaINip();
    void adnotacje_data();
    void adnotacje();
    void slowaWymagane_data();
    void slowaWymagane();
    void czcionkaTabeli_data();
    void czcionkaTabeli();
    void usunSep_data();
    void usunSep();
    void klasyfikacja_data();
    void klasyfikacja();
    void podsumowanieIGotowka_data();
    void podsumowanieIGotowka();
    void podzialNaStrony();
    void pustaFaktura();
    void duplikat_data();
    void duplikat();
    void podpis_data();
    void podpis();
    void ekstraMarginesy();
    void dlugieTeksty();
    void przerwanieWTrakcie();

private:
    QTemporaryDir m_dir;
};

void TstWydrukFaktury::init()
{
    DrukujPodpis = true;
    PlikPodpisu.clear();
    EkstraMarginesy = false;
    DrukujDuplikat = false;
    DataDuplikatu = 0;
}

void TstWydrukFaktury::przykladowaFaktura()
{
    const auto a = Drukuj(FakturaPrzykladowa());

    // title: 28 characters of Ar14 (549) centred on 2021
    const TZapisRysunku *t = a->Tekst(QStringLiteral("Faktura   numer:  12/FV/2018"));
    QVERIFY(t);
    QCOMPARE(t->od, (TPoint{736, 0}));
    QCOMPARE(t->czcionka.wysokosc, -49);

    // seller's stamp: widest line 17 characters of Ar11b (265) + 100; four lines of 44
    QVERIFY(a->JestRama(TPoint{10, 107}, 365, 4 * 44 + 50));
    const TZapisRysunku *s = a->Tekst(QStringLiteral("NIP 987-654-32-10"));
    QCOMPARE(s->od, (TPoint{10 + (365 - 265) / 2, 132 + 3 * 44}));
    QVERIFY(s->czcionka.cechy & fsBold);

    // dates and bank box at the right edge
    QVERIFY(a->JestRama(TPoint{1011, 107}, 1000, 410));
    QCOMPARE(EtykietyDat(*a),
             (QStringList{"Data wystawienia:", "Termin zapłaty:", "Sposób zapłaty:", "Bank, rachunek:"}));
    QCOMPARE(a->Tekst(QStringLiteral("Termin zapłaty:"))->od.Y, 132 + 60 + 10);
    QCOMPARE(a->Tekst(QStringLiteral("19.03.2018"))->od, (TPoint{1511, 132 + 60 + 10}));
    QCOMPARE(a->Tekst(QStringLiteral("przelewem"))->od.Y, 132 + 120 + 10);
    QCOMPARE(a->Tekst(QStringLiteral("Bank Przykładowy"))->od.Y, 132 + 180 + 10);
    const TZapisRysunku *konto = a->Tekst(QStringLiteral("11 2222 3333 4444 5555 6666 7777"));
    QCOMPARE(konto->od.X, 1211);
    QCOMPARE(konto->prostokat.Right, 2061);   // reaches 5 mm beyond the box
    QCOMPARE(konto->czcionka.wysokosc, -39);

    // buyer box under the taller of the two, 5 mm lower
    QVERIFY(a->JestRama(TPoint{10, 567}, 2001, 140));
    QCOMPARE(a->Tekst(QStringLiteral("NABYWCA:"))->od, (TPoint{260 - 112, 587}));
    QCOMPARE(a->Tekst(QStringLiteral("Hurtownia Przykładowa"))->od, (TPoint{300, 587}));
    QCOMPARE(a->Tekst(QStringLiteral("ul. Polna 7  60-101 Poznań"))->od, (TPoint{300, 647}));
    QCOMPARE(a->Tekst(QStringLiteral("NIP:  123-456-78-90"))->od, (TPoint{1561, 647}));

    // table: header 60 high at 757, three rows of 60
    QVERIFY(a->JestRama(TPoint{10, 757}, 80, 60));
    QVERIFY(a->JestRama(TPoint{90, 757}, 821, 60));
    QVERIFY(a->JestRama(TPoint{1821, 757}, 190, 60));
    for (const char *tytul :
         {"Lp.", "Nazwa towaru / usługi", "jedn.", "ilość", "cena", "netto", "%Vat", "VAT zł", "brutto"})
        QCOMPARE(a->Tekst(QString::fromUtf8(tytul))->od.Y, 767);
    QCOMPARE(a->Tekst(QStringLiteral("Papier A4"))->od, (TPoint{93, 827}));
    QCOMPARE(a->Tekst(QStringLiteral("45,57"))->od, (TPoint{2011 - 3 - 70, 877 - 10 - 39}));
    QCOMPARE(a->Tekst(QStringLiteral("Przewóz"))->od.Y, 887);
    QCOMPARE(a->Tekst(QStringLiteral("godz."))->od.Y, 937 + 60 - 10 - 39);
    QVERIFY(a->JestRama(TPoint{10, 937}, 80, 60));

    // summary: total with 0.3 mm lines, comment cell without any
    const TZapisRysunku *razem = a->Tekst(QStringLiteral("Razem: "));
    QCOMPARE(razem->od.Y, 997 + 60 - 10 - 39);
    QCOMPARE(razem->prostokat.Right, 1331 - 3);
    QVERIFY(razem->czcionka.cechy & fsBold);
    QVERIFY(!a->JestRama(TPoint{1141, 997}, 190, 60));
    QVERIFY(a->JestRama(TPoint{1331, 997}, 190, 60));
    bool gruba = false;
    for (const TZapisRysunku &z : a->kanwa.zapisy)
        if (z.rodzaj == TZapisRysunku::Linia && z.od == TPoint{1331, 997} && z.do_ == TPoint{1521, 997})
            gruba = z.pioro.grubosc == 3;
    QVERIFY(gruba);
    QCOMPARE(Ile(*a, QStringLiteral("W tym: ")), 1);
    QCOMPARE(a->Tekst(QStringLiteral("zwol."))->od.Y, 1057 + 60 - 10 - 39);
    QCOMPARE(a->Tekst(QStringLiteral("23 %"))->od.Y, 1177 + 60 - 10 - 39);
    QVERIFY(!a->Jest(QStringLiteral("@")));
    QVERIFY(!a->Jest(QStringLiteral("ZAPŁACONO GOTÓWKĄ")));   // paid by transfer

    // amount due at the right edge, amount in words below
    QCOMPARE(a->Tekst(QStringLiteral("Do zapłaty:  147,71  "))->od, (TPoint{2021 - 353, 1247}));
    QCOMPARE(a->Tekst(QStringLiteral("SŁOWNIE ZŁOTYCH:  sto czterdzieści siedem i siedemdziesiąt jeden groszy"))->od,
             (TPoint{10, 1315}));

    // signature boxes, dashed, side by side
    QVERIFY(a->JestRama(TPoint{10, 1394}, 975, 500, psDash));
    QVERIFY(a->JestRama(TPoint{1035, 1394}, 975, 500, psDash));
    QCOMPARE(Ile(*a, QStringLiteral("Osoba upoważniona do odbioru")), 1);
    QCOMPARE(a->Tekst(QStringLiteral("Osoba upoważniona do wystawienia"))->od.Y, 1404);
    QCOMPARE(Ile(*a, QStringLiteral("faktury")), 2);
    const TZapisRysunku *osoba = a->Tekst(QStringLiteral("Przykładowy Jan"));
    QCOMPARE(osoba->od.Y, 1394 + 480 - 44);
    QCOMPARE(osoba->czcionka.wysokosc, -39);
    QCOMPARE(a->kanwa.strona, 1);
    QVERIFY(!a->Jest(QStringLiteral("strona "), false));   // one page needs no page line
}

void TstWydrukFaktury::rodzajeDokumentow_data()
{
    // clang-format off
    Kolumny<TrodzajFaktury, QString, QStringList, bool, QString>("rodzaj", "tytul", "etykiety", "odbiorca", "podpis");
    Kolumny<QString, QString, int>("doZaplaty", "slownie", "kolumny");
    const QStringList zwykle{"Data wystawienia:", "Data sprzedaży:", "Termin zapłaty:", "Sposób zapłaty:", "Bank, rachunek:"};
    QTest::newRow("VAT") << rZentora << "Faktura   numer:  12/FV/2018"
                         << QStringList{"Data wystawienia:", "Termin zapłaty:", "Sposób zapłaty:", "Bank, rachunek:"}
                         << true << "faktury" << "Do zapłaty:  147,71  " << "SŁOWNIE ZŁOTYCH:  " << 9;
    // a correction is a refund only by its sign
    QTest::newRow("korygujaca ujemna") << rFakKoryg << "Faktura korygująca   numer:  12/FV/2018"
                                << QStringList{"Data wystawienia:", "Towar zwrócono:", "Zapłatę zwrócono:", "Zwrot zapłaty:",
                                               "Bank, rachunek:"}
                                << true << "faktury" << "Do zwrotu:   147,71  " << "DO ZWROTU SŁOWNIE:  " << 9;
    QTest::newRow("korygujaca dodatnia") << rFakKoryg << "Faktura korygująca   numer:  12/FV/2018" << zwykle << true
                                         << "faktury" << "Do zapłaty:  147,71  " << "SŁOWNIE ZŁOTYCH:  " << 9;
    QTest::newRow("MP") << rZentoraMP << "Faktura - MP   numer:  12/FV/2018" << zwykle << true << "faktury - MP"
                        << "Do zapłaty:  147,71  " << "SŁOWNIE ZŁOTYCH:  " << 9;
    QTest::newRow("uproszczony") << rUprosz << "Rachunek Uproszczony   numer:  12/FV/2018" << zwykle << true
                                 << "rachunku uproszczonego" << "Do zapłaty:  147,71  " << "SŁOWNIE ZŁOTYCH:  " << 9;
    QTest::newRow("rachunek") << rZwykly << "Rachunek   numer:  12/FV/2018" << zwykle << true << "rachunku"
                              << "Do zapłaty:  147,71  " << "SŁOWNIE ZŁOTYCH:  " << 6;
    QTest::newRow("pro forma") << rProForma << "Faktura Pro Forma   numer:  12/FV/2018"
                               << QStringList{"Data wystawienia:", "Termin zapłaty:", "Sposób zapłaty:", "Bank, rachunek:"}
                               << false << "faktury Pro Forma" << "Do zapłaty:  147,71  " << "SŁOWNIE ZŁOTYCH:  " << 9;
    // clang-format on
}

void TstWydrukFaktury::rodzajeDokumentow()
{
    QFETCH(TrodzajFaktury, rodzaj);
    QFETCH(QString, tytul);
    QFETCH(QStringList, etykiety);
    QFETCH(bool, odbiorca);
    QFETCH(QString, podpis);
    QFETCH(QString, doZaplaty);
    QFETCH(QString, slownie);
    QFETCH(int, kolumny);
    TzentoraVat f = Rodzaju(rodzaj);
    const bool zwrot = QByteArray(QTest::currentDataTag()).endsWith("ujemna");
    if (zwrot)
        f.SumyFaktury[vatSum].Brutto = QStringLiteral("-147,71");
    f.DataSprzed = QStringLiteral("06.03.2018");
    f.DoKorekty = QStringLiteral("7/FV/2018");
    f.KupOsoba = QStringLiteral("Odbiorca Anna");
    const auto a = Drukuj(f);
    QCOMPARE(a->Teksty().first(), tytul);
    QCOMPARE(Ile(*a, QStringLiteral("do faktury: 7/FV/2018")), rodzaj == rFakKoryg ? 1 : 0);
    if (rodzaj == rZentora)
        etykiety.insert(1, QStringLiteral("Data sprzedaży:"));   // the dates differ here
    QCOMPARE(EtykietyDat(*a), etykiety);
    // on a refund the sale date stands beside "Towar zwrócono:"
    if (zwrot)
        QCOMPARE(a->Tekst(QStringLiteral("06.03.2018"))->od.Y, a->Tekst(QStringLiteral("Towar zwrócono:"))->od.Y);
    QCOMPARE(Ile(*a, QStringLiteral("Osoba upoważniona do odbioru")), odbiorca ? 1 : 0);
    QCOMPARE(Ile(*a, QStringLiteral("Odbiorca Anna")), odbiorca ? 1 : 0);
    QCOMPARE(Ile(*a, QStringLiteral("Osoba upoważniona do wystawienia")), 1);
    QCOMPARE(Ile(*a, podpis), odbiorca ? 2 : 1);
    QVERIFY(a->JestRama(TPoint{10, a->Tekst(QStringLiteral("Osoba upoważniona do wystawienia"))->od.Y - 10}, 975, 500,
                        psDash));
    QVERIFY(a->Jest(doZaplaty));
    QVERIFY(a->Jest(slownie + QStringLiteral("sto czterdzieści siedem i siedemdziesiąt jeden groszy")));
    // the header row has one title per cell of the layout
    QCOMPARE(Ile(*a, QStringLiteral("Lp.")), 1);
    QCOMPARE(Ile(*a, QStringLiteral("wartość,")), kolumny == 6 ? 1 : 0);
    QCOMPARE(Ile(*a, QStringLiteral("brutto")), kolumny == 9 ? 1 : 0);
    // a plain bill sums up in one row only
    QCOMPARE(Ile(*a, QStringLiteral("W tym: ")), kolumny == 6 ? 0 : 1);
    QCOMPARE(Ile(*a, QStringLiteral("Niniejszy dokument nie jest fakturą w rozumieniu Ustawy o podatku od towarów i "
                                    "usług.")),
             rodzaj == rProForma ? 1 : 0);
}

void TstWydrukFaktury::dataSprzedazy_data()
{
    // clang-format off
    Kolumny<TrodzajFaktury, bool, bool, bool>("rodzaj", "zawsze", "inna", "drukowana");
    QTest::newRow("VAT, ta sama") << rZentora << false << false << false;
    QTest::newRow("VAT, ta sama, zawsze") << rZentora << true << false << true;
    QTest::newRow("VAT, inna") << rZentora << false << true << true;
    QTest::newRow("MP, ta sama") << rZentoraMP << false << false << true;
    QTest::newRow("uproszczony, ta sama") << rUprosz << false << false << true;
    QTest::newRow("rachunek, ta sama") << rZwykly << false << false << true;
    QTest::newRow("korygujaca, ta sama") << rFakKoryg << false << false << true;
    QTest::newRow("pro forma, inna, zawsze") << rProForma << true << true << false;
    // clang-format on
}

void TstWydrukFaktury::dataSprzedazy()
{
    QFETCH(TrodzajFaktury, rodzaj);
    QFETCH(bool, zawsze);
    QFETCH(bool, inna);
    QFETCH(bool, drukowana);
    TzentoraVat f = Rodzaju(rodzaj);
    if (inna)
        f.DataSprzed = QStringLiteral("01.03.2018");
    TiniZentora ini;
    ini.IniDatSprzTak = zawsze;
    ini.IniTypDatSprz = typDzlecen;
    const auto a = Drukuj(f, ini);
    QCOMPARE(Ile(*a, f.DataSprzed), drukowana ? (inna ? 1 : 2) : (inna ? 0 : 1));
    if (rodzaj != rFakKoryg)
        QCOMPARE(Ile(*a, QStringLiteral("Data wykonania usługi:")), drukowana ? 1 : 0);
    // the rows below move down when the sale date is printed (and with the line under the title)
    const int podTytulem = (rodzaj == rZentoraMP || rodzaj == rFakKoryg) ? 48 : 0;
    QCOMPARE(a->Tekst(QStringLiteral("19.03.2018"))->od.Y, 132 + 10 + podTytulem + (drukowana ? 120 : 60));
}

void TstWydrukFaktury::proFormaINip_data()
{
    // clang-format off
    Kolumny<TrodzajFaktury, bool, bool>("rodzaj", "nipProForma", "nipy");
    QTest::newRow("pro forma bez NIP") << rProForma << false << false;
    QTest::newRow("pro forma z NIP") << rProForma << true << true;
    QTest::newRow("VAT zawsze z NIP") << rZentora << false << true;
    // clang-format on
}

void TstWydrukFaktury::proFormaINip()
{
    QFETCH(TrodzajFaktury, rodzaj);
    QFETCH(bool, nipProForma);
    QFETCH(bool, nipy);
    TzentoraVat f = Rodzaju(rodzaj);
    f.SprzedRamka = QStringLiteral("Sklep;nip 987-654-32-10;ul. Długa 1");
    f.UwagiDodatk = QStringLiteral("Płatne z góry.");
    TiniZentora ini;
    ini.IniProForNip = nipProForma;
    const auto a = Drukuj(f, ini);
    QCOMPARE(Ile(*a, QStringLiteral("NIP:  123-456-78-90")), nipy ? 1 : 0);
    // the seller's own NIP is printed on every kind
    QCOMPARE(Ile(*a, QStringLiteral("nip 987-654-32-10")), 1);
    QVERIFY(a->JestRama(TPoint{10, 107}, (78 * 17 + 2) / 5 + 100, 3 * 44 + 50));
    QCOMPARE(a->Tekst(QStringLiteral("ul. Długa 1"))->od.Y, 132 + 2 * 44);
    if (rodzaj == rProForma) {
        const QStringList t = a->Teksty();
        const int i =
            int(t.indexOf(QStringLiteral("Niniejszy dokument nie jest fakturą w rozumieniu Ustawy o podatku od "
                                         "towarów i usług.")));
        QVERIFY(i > 0);
        QCOMPARE(t.at(i + 1), QStringLiteral("Płatne z góry."));
        QCOMPARE(a->Tekst(QStringLiteral("Płatne z góry."))->od.Y, a->Tekst(t.at(i))->od.Y + 39);
    }
}

void TstWydrukFaktury::adnotacje_data()
{
    // clang-format off
    Kolumny<QString, QStringList, QStringList>("zmiana", "sa", "nie");
    const QString mpp = QStringLiteral("mechanizm podzielonej płatności");
    QTest::newRow("zwykła") << "" << QStringList{"zw"} << QStringList{mpp, "Podstawa zwolnienia: art. 113 ust. 1", "z dnia 01.03.2018"};
    QTest::newRow("podzielona płatność") << "mpp" << QStringList{mpp} << QStringList{};
    QTest::newRow("podstawa z konfiguracji") << "ini" << QStringList{"Podstawa zwolnienia: art. 113 ust. 1"} << QStringList{};
    QTest::newRow("podstawa faktury wygrywa") << "ini podstawa" << QStringList{"Podstawa zwolnienia: art. 43 ust. 1 pkt 29"}
                                              << QStringList{"Podstawa zwolnienia: art. 113 ust. 1"};
    QTest::newRow("korekta") << "korekta" << QStringList{"do faktury: 7/FV/2018", "z dnia 01.03.2018",
                                                         "Nr KSeF: 9876543210-20260102-0100001AF629-12",
                                                         "Przyczyna korekty: zwrot towaru"} << QStringList{};
    QTest::newRow("opis bez kwot, cena z czterema miejscami") << "opis ini" << QStringList{"Dostawa w marcu", "5,4321"}
                                                            << QStringList{"zw", "Podstawa zwolnienia: art. 113 ust. 1"};
    // clang-format on
}

// The words an invoice must carry: split payment, the basis of an exemption, what a
// correction corrects; a description line has no rate and no basis.
void TstWydrukFaktury::adnotacje()
{
    QFETCH(QString, zmiana);
    QFETCH(QStringList, sa);
    QFETCH(QStringList, nie);
    TzentoraVat f = Rodzaju(rZentora);
    TiniZentora ini;
    f.MPP = zmiana.contains(QLatin1String("mpp"));
    if (zmiana.contains(QLatin1String("ini")))
        ini.iniKsefPodstawa = QStringLiteral("art. 113 ust. 1");
    if (zmiana.contains(QLatin1String("podstawa")))
        f.PodstawaZwolnienia = QStringLiteral("art. 43 ust. 1 pkt 29");
    if (zmiana == QLatin1String("korekta")) {
        f.RodzajFak = rFakKoryg;
        f.DoKorekty = QStringLiteral("7/FV/2018");
        f.DataKorygowanej = QStringLiteral("01.03.2018");
        f.KsefKorygowanej = QStringLiteral("9876543210-20260102-0100001AF629-12");
        f.PrzyczynaKorekty = QStringLiteral("zwrot towaru");
    }
    if (zmiana.startsWith(QLatin1String("opis"))) {
        f.Pozycja(2) = Wiersz(QStringLiteral("Śruby||szt.|10000|5,4321|54.321,00|23|12.493,83|66.814,83"));
        f.Pozycja(3) = Wiersz(QStringLiteral("Dostawa w marcu||||||||"));
    }
    const auto a = Drukuj(f, ini);
    for (const QString &t : sa)
        QVERIFY2(a->Jest(t), qPrintable(t));
    for (const QString &t : nie)
        QVERIFY2(!a->Jest(t), qPrintable(t));
}

void TstWydrukFaktury::slowaWymagane_data()
{
    // clang-format off
    Kolumny<TrodzajFaktury, QString>("rodzaj", "brutto");
    QTest::addColumn<QString>("podTytulem");   // the text right under the title
    Kolumny<QString, QString, double>("doZaplaty", "slownie", "kwota");
    const QString zaplata = QStringLiteral("SŁOWNIE ZŁOTYCH:  "), zwrot = QStringLiteral("DO ZWROTU SŁOWNIE:  ");
    QTest::newRow("VAT") << rZentora << "147,71" << "Sklep Przykładowy" << "Do zapłaty:  147,71  " << zaplata << 147.71;
    QTest::newRow("metoda kasowa") << rZentoraMP << "147,71" << "metoda kasowa" << "Do zapłaty:  147,71  " << zaplata
                                   << 147.71;
    QTest::newRow("korekta dodatnia") << rFakKoryg << "147,71" << "KOREKTA" << "Do zapłaty:  147,71  " << zaplata
                                      << 147.71;
    QTest::newRow("korekta ujemna") << rFakKoryg << "-147,71" << "KOREKTA" << "Do zwrotu:   147,71  " << zwrot
                                    << 147.71;
    QTest::newRow("VAT ujemna") << rZentora << "-184.500,00" << "Sklep Przykładowy" << "Do zwrotu:   184.500,00  "
                                << zwrot << 184500.0;
    // clang-format on
}

// The words of the kind under the title, "zw" for an exempt row, and the amount due whose
// figure and words agree: money going back is its size under "Do zwrotu".
void TstWydrukFaktury::slowaWymagane()
{
    QFETCH(TrodzajFaktury, rodzaj);
    QFETCH(QString, brutto);
    QFETCH(QString, podTytulem);
    QFETCH(QString, doZaplaty);
    QFETCH(QString, slownie);
    QFETCH(double, kwota);
    TzentoraVat f = Rodzaju(rodzaj);
    f.SumyFaktury[vatSum].Brutto = brutto;
    const auto a = Drukuj(f);
    QCOMPARE(a->Teksty().value(1), podTytulem);
    QCOMPARE(Ile(*a, QStringLiteral("zw")), 1);   // the training row has no rate
    QVERIFY2(a->Jest(doZaplaty), qPrintable(a->Tekst(QStringLiteral("Do z"), false)->tekst));
    QVERIFY(a->Jest(slownie + KwotaSlownie(kwota)));
}

void TstWydrukFaktury::czcionkaTabeli_data()
{
    // clang-format off
    Kolumny<QString, int>("brutto", "wysokosc");
    QTest::newRow("99.999,99 zostaje przy 10 pkt") << "99.999,99" << -35;
    QTest::newRow("100.000,00 przechodzi na 9 pkt") << "100.000,00" << -32;
    QTest::newRow("korekta -100.000,00 tez") << "-100.000,00" << -32;
    // clang-format on
}

void TstWydrukFaktury::czcionkaTabeli()
{
    QFETCH(QString, brutto);
    QFETCH(int, wysokosc);
    TzentoraVat f = FakturaPrzykladowa();
    f.SumyFaktury[vatSum].Brutto = brutto;
    const auto a = Drukuj(f);
    QCOMPARE(a->Tekst(QStringLiteral("Lp."))->czcionka.wysokosc, wysokosc);
    QCOMPARE(a->Tekst(QStringLiteral("Papier A4"))->czcionka.wysokosc, wysokosc);
    const TZapisRysunku *suma = a->Tekst(brutto);
    QVERIFY(suma);
    QCOMPARE(suma->czcionka.wysokosc, wysokosc);
    QCOMPARE(a->Tekst(QStringLiteral("Razem: "))->czcionka.wysokosc, -35);   // the comment keeps 10 pt
}

void TstWydrukFaktury::usunSep_data()
{
    // clang-format off
    Kolumny<QString, QString>("we", "wy");
    QTest::newRow("milion") << "1.234.567,89" << "1234567,89";
    QTest::newRow("999.999,00 zostaje") << "999.999,00" << "999.999,00";
    QTest::newRow("tuz ponad") << "999.999,01" << "999999,01";
    QTest::newRow("ujemny milion") << "-1.234.567,00" << "-1234567,00";
    QTest::newRow("maly") << "1.234,50" << "1.234,50";
    QTest::newRow("pusty") << "" << "";
    QTest::newRow("tekst") << "abc" << "abc";
    // clang-format on
}

void TstWydrukFaktury::usunSep()
{
    QFETCH(QString, we);
    QFETCH(QString, wy);
    QCOMPARE(TdrukujFakture::UsunSep(we), wy);
}

void TstWydrukFaktury::klasyfikacja_data()
{
    // clang-format off
    Kolumny<TrodzajFaktury, QString, bool>("rodzaj", "symbol", "drukowana");
    QTest::newRow("VAT") << rZentora << "PKWiU 17.12" << true;
    QTest::newRow("sama spacja tez") << rZentora << " " << true;
    QTest::newRow("brak") << rZentora << "" << false;
    QTest::newRow("rachunek nigdy") << rZwykly << "PKWiU 17.12" << false;
    // clang-format on
}

void TstWydrukFaktury::klasyfikacja()
{
    QFETCH(TrodzajFaktury, rodzaj);
    QFETCH(QString, symbol);
    QFETCH(bool, drukowana);
    TzentoraVat f = Rodzaju(rodzaj);
    f.Pozycja(2).Klasyf = symbol;
    const auto a = Drukuj(f);
    QCOMPARE(Ile(*a, QStringLiteral("Klasyfikacja  -  Nazwa towaru / usługi")), drukowana ? 1 : 0);
    QCOMPARE(Ile(*a, QStringLiteral("Nazwa towaru / usługi")), drukowana ? 0 : 1);
    QCOMPARE(Ile(*a, symbol + QStringLiteral(" - Przewóz")), drukowana ? 1 : 0);
    QCOMPARE(Ile(*a, QStringLiteral("Papier A4")), 1);   // a row without a symbol keeps its name
    // the next copy starts from the plain tables again
    DrukujEgzemplarz(*a, false, f, TiniZentora());
    QCOMPARE(Ile(*a, QStringLiteral("Klasyfikacja  -  Klasyfikacja  -  Nazwa towaru / usługi")), 0);
}

void TstWydrukFaktury::podsumowanieIGotowka_data()
{
    // clang-format off
    Kolumny<TrodzajFaktury, bool, bool, bool, QString>("rodzaj", "gotowka", "raty", "tylkoSuma", "pieczatka");
    QTest::newRow("gotowka") << rZentora << true << false << false << "ZAPŁACONO GOTÓWKĄ";
    QTest::newRow("gotowka korekta ujemna") << rFakKoryg << true << false << false << "ZWRÓCONO GOTÓWKĘ";
    QTest::newRow("gotowka korekta dodatnia") << rFakKoryg << true << false << false << "ZAPŁACONO GOTÓWKĄ";
    QTest::newRow("gotowka na raty") << rZentora << true << true << false << "";
    QTest::newRow("przelew") << rZentora << false << false << false << "";
    QTest::newRow("tylko suma") << rZentora << true << false << true << "";
    // clang-format on
}

void TstWydrukFaktury::podsumowanieIGotowka()
{
    QFETCH(TrodzajFaktury, rodzaj);
    QFETCH(bool, gotowka);
    QFETCH(bool, raty);
    QFETCH(bool, tylkoSuma);
    QFETCH(QString, pieczatka);
    TzentoraVat f = Rodzaju(rodzaj);
    f.IlePozyc = 1;
    f.RodzZaplaty = gotowka ? zGotowka : zPrzelew;
    f.Ratalnie = raty;
    for (TrodzajVat r : {vatZw, vat7})
        f.SumyFaktury[r].Brutto.clear();
    if (tylkoSuma)
        f.SumyFaktury[vat22].Brutto = QStringLiteral("  ");
    if (QByteArray(QTest::currentDataTag()).endsWith("ujemna"))
        f.SumyFaktury[vatSum].Brutto = QStringLiteral("-147,71");
    const auto a = Drukuj(f);
    // one row of 60 at 817 (a correction: one line lower for "KOREKTA"), then "Razem: " and maybe "W tym: "
    const int d = rodzaj == rFakKoryg ? 48 : 0;
    QCOMPARE(a->Tekst(QStringLiteral("Razem: "))->od.Y, 877 + 11 + d);
    QCOMPARE(Ile(*a, QStringLiteral("W tym: ")), tylkoSuma ? 0 : 1);
    if (pieczatka.isEmpty()) {
        QVERIFY(!a->Jest(QStringLiteral("ZAPŁACONO"), false));
        QVERIFY(!a->Jest(QStringLiteral("ZWRÓCONO"), false));
    } else {
        const TZapisRysunku *p = a->Tekst(pieczatka);
        QVERIFY(p);
        QCOMPARE(p->od, (TPoint{80, 937 + d}));   // on the line of the "W tym: " row
        QCOMPARE(p->czcionka.cechy, TCechy(fsBold | fsUnderline));
        QCOMPARE(p->czcionka.wysokosc, -42);
    }
    // fewer than three kinds: 6 mm more before the amount in words
    const int doZaplaty = tylkoSuma ? 947 : 1007;
    QCOMPARE(a->Tekst(QStringLiteral("Do z"), false)->od.Y, doZaplaty + d);
    QCOMPARE(a->Tekst(QStringLiteral("SŁOWNIE"), false)->od.Y, doZaplaty + d + 48 + 60 + 20);
}

void TstWydrukFaktury::podzialNaStrony()
{
    TzentoraVat f = FakturaDluga(QStringLiteral("Towar numer %1 o bardzo długiej nazwie, która nie mieści się w "
                                                "jednym wierszu kolumny nazwy i zawija się na kolejne"));
    const auto a = Drukuj(f);
    a->UstawCzcionke(a->Ar10);   // for measuring the names below
    const int stron = a->kanwa.strona;
    QVERIFY(stron >= 3);
    // every page names its invoice and its place, below the working area
    for (int s = 1; s <= stron; ++s) {
        int linie = 0;
        for (const TZapisRysunku &z : a->kanwa.zapisy)
            if (z.rodzaj == TZapisRysunku::Tekst && z.strona == s
                && z.tekst == QStringLiteral("Faktura   numer:  12/FV/2018   -   strona %1 z %2").arg(s).arg(stron)) {
                ++linie;
                QVERIFY(z.od.Y >= a->AktRobocza.Y);
            }
        QCOMPARE(linie, 1);
    }
    int poprzedniaStrona = 1;
    for (int i = 1; i <= kMaxPozycji; ++i) {
        const TZapisRysunku *nr = Lp(*a, i);
        const TZapisRysunku *nazwa = a->Tekst(QStringLiteral("Towar numer %1 o").arg(i), false);
        QVERIFY(nr && nazwa);
        QCOMPARE(nr->strona, nazwa->strona);   // a row is never split between pages
        QVERIFY(nr->prostokat.Bottom <= a->AktRobocza.Y);
        if (nr->strona != poprzedniaStrona) {
            // a page where the table continues begins with its header row
            QCOMPARE(nr->prostokat.Top, 60);
            int naglowki = 0;
            for (const TZapisRysunku &z : a->kanwa.zapisy)
                if (z.rodzaj == TZapisRysunku::Tekst && z.strona == nr->strona && z.tekst == QLatin1String("Lp."))
                    ++naglowki;
            QCOMPARE(naglowki, 1);
            poprzedniaStrona = nr->strona;
        }
        // each row is as high as its wrapped name
        const int linie = int(a->kanwa.ZawinTekst(f.Pozycja(i).Towar, 821 - 6).size());
        QVERIFY(linie >= 2);
        QCOMPARE(nr->prostokat.Bottom - nr->prostokat.Top, linie * 39 + 20);
    }
    QVERIFY(a->Tekst(QStringLiteral("Do zapłaty:"), false)->strona >= 2);
}

void TstWydrukFaktury::pustaFaktura()
{
    TzentoraVat f;
    f.RodzajFak = rZentora;
    f.DataWystaw = f.DataSprzed = QStringLiteral("05.03.2018");
    const auto a = Drukuj(f);
    // one empty framed row 40 mm high under the header
    QVERIFY(a->JestRama(TPoint{10, 817}, 80, 400));
    QCOMPARE(Ile(*a, QStringLiteral("1")), 0);
    // all six kinds in the summary
    QCOMPARE(Ile(*a, QStringLiteral("-----")), 1);
    QCOMPARE(Ile(*a, QStringLiteral("zwol.")), 1);
    QCOMPARE(Ile(*a, QStringLiteral(" %")), 4);
    QVERIFY(a->Jest(QStringLiteral("Do zapłaty:  ") + Spacje(25)));
    QVERIFY(a->Jest(QStringLiteral("SŁOWNIE ZŁOTYCH:")));   // nothing to say in words
}

void TstWydrukFaktury::duplikat_data()
{
    // clang-format off
    Kolumny<bool, QString, QStringList>("duplikat", "data", "tytuly");
    QTest::newRow("zwykly") << false << "10.04.2018" << QStringList{"Faktura   numer:  12/FV/2018", "Sklep Przykładowy"};
    QTest::newRow("z data") << true << "10.04.2018"
                            << QStringList{"Faktura   numer:  12/FV/2018", "( Duplikat )",
                                           "Data wystawienia duplikatu: 10.04.2018", "Sklep Przykładowy"};
    QTest::newRow("bez daty") << true << ""
                              << QStringList{"Faktura   numer:  12/FV/2018", "( Duplikat )", "Sklep Przykładowy"};
    // clang-format on
}

void TstWydrukFaktury::duplikat()
{
    QFETCH(bool, duplikat);
    QFETCH(QString, data);
    QFETCH(QStringList, tytuly);
    DrukujDuplikat = duplikat;
    DataDuplikatu = TekstNaDate(data, 0);
    const auto a = Drukuj(FakturaPrzykladowa());
    QCOMPARE(a->Teksty().mid(0, tytuly.size()), tytuly);
    if (duplikat) {
        QCOMPARE(a->Tekst(QStringLiteral("( Duplikat )"))->od.Y, 57);
        QCOMPARE(a->Tekst(QStringLiteral("( Duplikat )"))->czcionka.wysokosc, -49);
    }
    if (!data.isEmpty() && duplikat)
        QCOMPARE(a->Tekst(QStringLiteral("Data wystawienia duplikatu: 10.04.2018"))->czcionka.wysokosc, -35);
}

void TstWydrukFaktury::podpis_data()
{
    // clang-format off
    QTest::addColumn<bool>("drukuj");
    QTest::addColumn<QString>("plik");   // "dobry", "zly", a missing path or ""
    QTest::addColumn<QSize>("rozmiar");  // of the good picture
    QTest::addColumn<QString>("komunikat");
    QTest::addColumn<QRect>("zrodlo");   // the part of the picture drawn, empty: no picture
    QTest::addColumn<TRect>("cel");
    // the box of the picture: 63.5 x 30.5 mm centred in the right box 1 cm down
    const TRect pole{1035 + 170, 1394 + 100, 1035 + 170 + 635, 1394 + 100 + 305};
    QTest::newRow("maly: 750 x 360 od lewego gornego rogu")
        << true << "dobry" << QSize(700, 300) << "" << QRect(0, 0, 750, 360) << pole;
    QTest::newRow("wiekszy: caly, w proporcji") << true << "dobry" << QSize(800, 400) << "" << QRect(0, 0, 800, 400)
                                                << TRect{pole.Left + 12, pole.Top, pole.Left + 12 + 610, pole.Bottom};
    QTest::newRow("skan 300 dpi: caly") << true << "dobry" << QSize(3000, 1440) << "" << QRect(0, 0, 3000, 1440) << pole;
    QTest::newRow("szeroki: caly, wysrodkowany") << true << "dobry" << QSize(1500, 360) << "" << QRect(0, 0, 1500, 360)
                                                 << TRect{pole.Left, pole.Top + 76, pole.Right, pole.Top + 76 + 152};
    QTest::newRow("wylaczony") << false << "dobry" << QSize(800, 400) << "" << QRect() << TRect();
    QTest::newRow("brak pliku") << true << "/nie/ma/podpis.bmp" << QSize()
                                << "Nie znaleziono pliku rysunku podpisu:|/nie/ma/podpis.bmp|Podpis nie zostanie wydrukowany"
                                << QRect() << TRect();
    QTest::newRow("nieczytelny") << true << "zly" << QSize()
                                 << "Nie można odczytać rysunku podpisu:|@|Podpis nie zostanie wydrukowany" << QRect()
                                 << TRect();
    QTest::newRow("nie wybrany") << true << "" << QSize() << "" << QRect() << TRect();
    // clang-format on
}

void TstWydrukFaktury::podpis()
{
    QFETCH(bool, drukuj);
    QFETCH(QString, plik);
    QFETCH(QSize, rozmiar);
    QFETCH(QString, komunikat);
    QFETCH(QRect, zrodlo);
    QFETCH(TRect, cel);
    QVERIFY(m_dir.isValid());
    if (plik == QLatin1String("dobry")) {
        plik = m_dir.filePath(QStringLiteral("podpis.bmp"));
        QImage img(rozmiar, QImage::Format_RGB32);
        img.fill(Qt::white);
        QVERIFY(img.save(plik, "BMP"));
    } else if (plik == QLatin1String("zly")) {
        plik = m_dir.filePath(QStringLiteral("zly.bmp"));
        QFile f(plik);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("BM to nie jest obraz");
    }
    komunikat.replace(QLatin1Char('@'), plik);
    DrukujPodpis = drukuj;
    PlikPodpisu = plik;
    PrezenterTestowy prezenter;
    const auto a = Drukuj(FakturaPrzykladowa());
    QCOMPARE(prezenter.teksty(), komunikat.isEmpty() ? QStringList() : QStringList{komunikat});
    if (!komunikat.isEmpty())
        QCOMPARE(prezenter.pokazane.at(0).pIcoDlg, icUwaga);
    const TZapisRysunku *o = nullptr;
    for (const TZapisRysunku &z : a->kanwa.zapisy)
        if (z.rodzaj == TZapisRysunku::Obraz)
            o = &z;
    QCOMPARE(o != nullptr, !zrodlo.isEmpty());
    if (o) {
        QCOMPARE(o->zrodlo, zrodlo);
        QCOMPARE(o->prostokat, cel);
    }
    // the copy is complete either way
    QVERIFY(a->Jest(QStringLiteral("Przykładowy Jan")));
}

void TstWydrukFaktury::ekstraMarginesy()
{
    EkstraMarginesy = true;
    const auto a = Drukuj(FakturaPrzykladowa());
    QCOMPARE(a->kanwa.PoczatekOdwzorowania(), (TPoint{71, 71}));
    QCOMPARE(a->AktRobocza.X, 1960);
    QVERIFY(a->JestRama(TPoint{10, 567}, 1940, 140));
    QVERIFY(a->JestRama(TPoint{1950 - 1000, 107}, 1000, 410));
}

void TstWydrukFaktury::dlugieTeksty()
{
    TzentoraVat f = FakturaPrzykladowa();
    f.KupFirma = QString(300, QLatin1Char('F'));
    f.KupUlica = QString(200, QLatin1Char('U'));
    f.SprzedRamka =
        QStringLiteral("Firma o nazwie tak długiej, że nie zmieści się obok ramki dat po prawej stronie;NIP 1");
    f.Pozycja(1).Towar = QString(10000, QLatin1Char('x'));
    f.UwagiDodatk = QStringLiteral("Uwagi\r\nw dwóch wierszach");
    const auto a = Drukuj(f);
    // the buyer's name wraps and the box grows with it
    const qint32 wv = 2001 - 290;
    a->UstawCzcionke(a->Ar10);
    const int linie = int(a->kanwa.ZawinTekst(f.KupFirma, wv).size());
    QVERIFY(linie > 1);
    QVERIFY(a->JestRama(TPoint{10, 567}, 2001, linie * 39 + 20 + 80));
    // the address stops short of the tax number
    for (const TZapisRysunku &z : a->kanwa.zapisy)
        if (z.rodzaj == TZapisRysunku::Tekst && z.tekst.startsWith(QLatin1String("UUU")))
            QCOMPARE(z.prostokat.Right, 1561 - 20);
    // the stamp wraps left of the dates box
    for (const TZapisRysunku &z : a->kanwa.zapisy)
        if (z.rodzaj == TZapisRysunku::Linia && z.strona == 1 && z.od.Y == 107 && z.od.X == 10)
            QVERIFY(z.do_.X <= 2011 - 1000 - 50);
    // the remarks box holds both lines
    const TZapisRysunku *uwagi = a->Tekst(QStringLiteral("w dwóch wierszach"));
    QVERIFY(uwagi);
    QCOMPARE(uwagi->od.X, 30);
    QCOMPARE(uwagi->od.Y, a->Tekst(QStringLiteral("Uwagi"))->od.Y + 39);
    QVERIFY(a->JestRama(TPoint{10, a->Tekst(QStringLiteral("Uwagi"))->od.Y - 15}, 2001, 2 * 39 + 2 + 30));
}

void TstWydrukFaktury::przerwanieWTrakcie()
{
    TzentoraVat f = FakturaPrzykladowa();
    f.IlePozyc = kMaxPozycji;
    for (int i = 1; i <= kMaxPozycji; ++i)
        f.Pozycja(i) = f.Pozycja(1);
    TarkuszTestowy a;
    a.przerwijNaStronie = 2;
    QVERIFY_THROWS_EXCEPTION(ECichyAbort, DrukujEgzemplarz(a, false, f, TiniZentora()));
    QCOMPARE(a.kanwa.strona, 2);
    for (const TZapisRysunku &z : a.kanwa.zapisy)
        QCOMPARE(z.strona, 1);   // nothing reached the page after the abort
}

QTEST_GUILESS_MAIN(TstWydrukFaktury)
#include "tst_wydrukfaktury.moc"
