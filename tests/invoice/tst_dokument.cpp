#include "fakturaprzykladowa.h"
#include "invoice/dokument.h"
#include "invoice/stawki.h"
#include "invoice/sumy.h"
#include "kolumny.h"

#include "common/daty.h"

#include <QTest>

#include <functional>

namespace {

const QString kPodstawa = QStringLiteral("art. 113 ust. 1 ustawy o VAT");

void Korekta(TzentoraVat &f, int znak)
{
    f.RodzajFak = rFakKoryg;
    f.DoKorekty = QStringLiteral("10/FV/2018");
    for (int i = 1; i <= f.IlePozyc; ++i)
        f.Pozycja(i).Ilosc = QString::number(znak * f.Pozycja(i).Ilosc.toInt());
}

void Sekcja(TzentoraVat &f)
{
    f.DataKorygowanej = QStringLiteral("01.03.2018");
    f.PrzyczynaKorekty = QStringLiteral("zwrot towaru");
}

struct Przypadek {
    const char *nazwa;
    std::function<void(TzentoraVat &, TiniZentora &)> zmien;
    bool zwolniony;
    const char *podstawa;
    bool brakPodstawy, ujemna, bezSekcjiDodatnia;
    const char *braki;
};

const QList<Przypadek> &Przypadki()
{
    static const QList<Przypadek> p = {
        {"przykład bez podstawy", [](TzentoraVat &, TiniZentora &) {}, true, "", true, false, false, ""},
        {"podstawa z konfiguracji", [](TzentoraVat &, TiniZentora &i) { i.iniKsefPodstawa = kPodstawa; }, true,
         "art. 113 ust. 1 ustawy o VAT", false, false, false, ""},
        {"podstawa faktury wygrywa",
         [](TzentoraVat &f, TiniZentora &i) {
             i.iniKsefPodstawa = kPodstawa;
             f.PodstawaZwolnienia = QStringLiteral(" art. 43 ust. 1 pkt 29 ");
         },
         true, "art. 43 ust. 1 pkt 29", false, false, false, ""},
        {"wiersz opisowy nie jest zwolniony",
         [](TzentoraVat &f, TiniZentora &) { f.Pozycja(3) = Wiersz(QStringLiteral("Dostawa w marcu||||||||")); }, false,
         "", false, false, false, ""},
        {"korekta ujemna kompletna",
         [](TzentoraVat &f, TiniZentora &) {
             Korekta(f, -1);
             Sekcja(f);
         },
         true, "", true, true, false, ""},
        {"korekta ujemna bez sekcji", [](TzentoraVat &f, TiniZentora &) { Korekta(f, -1); }, true, "", true, true,
         false, "data korygowanej faktury, przyczyna korekty"},
        {"korekta dodatnia bez sekcji", [](TzentoraVat &f, TiniZentora &) { Korekta(f, 1); }, true, "", true, false,
         true, "data korygowanej faktury, przyczyna korekty"},
        {"korekta dodatnia z sekcją",
         [](TzentoraVat &f, TiniZentora &) {
             Korekta(f, 1);
             Sekcja(f);
         },
         true, "", true, false, false, ""},
        {"korekta bez niczego",
         [](TzentoraVat &f, TiniZentora &) {
             Korekta(f, -1);
             f.DoKorekty = QStringLiteral("  ");
         },
         true, "", true, true, false, "do faktury, data korygowanej faktury, przyczyna korekty"},
        {"korekta z niemożliwą datą",
         [](TzentoraVat &f, TiniZentora &) {
             Korekta(f, -1);
             Sekcja(f);
             f.DataKorygowanej = QStringLiteral("31.02.2018");
         },
         true, "", true, true, false, "data korygowanej faktury"},
        {"faktura VAT z ujemną sumą nie jest korektą",
         [](TzentoraVat &f, TiniZentora &) { Korekta(f, -1), f.RodzajFak = rZentora; }, true, "", true, false, false,
         ""},
    };
    return p;
}

}   // namespace

class TstDokument : public QObject {
    Q_OBJECT
private slots:
    void wiersze_data();
    void wiersze();
    void reguly_data();
    void reguly();
    void wystawKorekte();
};

void TstDokument::wiersze_data()
{
    // clang-format off
    // "stawka": the rate as a typed rate is kept
    Kolumny<QString, bool, bool, QString>("wiersz", "opisowy", "zwolniony", "stawka");
    QTest::newRow("opis") << "Dostawa w marcu||||||||" << true << false << "";
    QTest::newRow("opis z klasyfikacją i jednostką") << "Uwaga|PKWiU 1|szt.||||||" << true << false << "";
    QTest::newRow("zwolniony") << "Szkolenie||godz.|1|100,00|100,00|||100,00" << false << true << "";
    QTest::newRow("zw wpisane") << "Szkolenie|||1|100,00||zw||" << false << true << "";
    QTest::newRow("ZW wpisane ze spacjami") << "Szkolenie|||1|100,00|| ZW ||" << false << true << "";
    QTest::newRow("stawka 23") << "Papier|||3|12,35||23||" << false << false << "23";
    QTest::newRow("stawka 0") << "Eksport|||1|5,00||0||" << false << false << "0";
    QTest::newRow("zwrot to nie zw") << "Opłata|||1|5,00||zwrot||" << false << false << "zwrot";
    QTest::newRow("sama ilość") << "Próbka|||1|||||" << false << true << "";
    QTest::newRow("pusty") << "||||||||" << false << false << "";
    // clang-format on
}

void TstDokument::wiersze()
{
    QFETCH(QString, wiersz);
    QFETCH(bool, opisowy);
    QFETCH(bool, zwolniony);
    QFETCH(QString, stawka);
    const TpozFaktury p = Wiersz(wiersz);
    QCOMPARE(WierszOpisowy(p), opisowy);
    QCOMPARE(WierszZwolniony(p), zwolniony);
    QCOMPARE(StawkaZWpisu(p.PrcVat).trimmed(), stawka);
}

void TstDokument::reguly_data()
{
    QTest::addColumn<int>("przypadek");
    for (int i = 0; i < Przypadki().size(); ++i)
        QTest::newRow(Przypadki().at(i).nazwa) << i;
}

void TstDokument::reguly()
{
    QFETCH(int, przypadek);
    const Przypadek &p = Przypadki().at(przypadek);
    TzentoraVat f = FakturaPrzykladowa();
    TiniZentora ini;
    p.zmien(f, ini);
    PrzeliczRekord(f);
    QCOMPARE(MaWierszZwolniony(f), p.zwolniony);
    QCOMPARE(PodstawaZwolnieniaFaktury(f, ini), QString::fromUtf8(p.podstawa));
    QCOMPARE(BrakPodstawyZwolnienia(f, ini), p.brakPodstawy);
    QCOMPARE(KorektaUjemna(f), p.ujemna);
    QCOMPARE(KorektaBezSekcjiDodatnia(f), p.bezSekcjiDodatnia);
    QCOMPARE(BrakiKorekty(f).join(QStringLiteral(", ")), QString::fromUtf8(p.braki));
    QCOMPARE(OdmowaKorekty(f).isEmpty(), BrakiKorekty(f).isEmpty());
}

void TstDokument::wystawKorekte()
{
    TzentoraVat f = FakturaPrzykladowa();
    f.IlePozyc = 4;
    f.Pozycja(4) = Wiersz(QStringLiteral("Dostawa w marcu||||||||"));
    f.MPP = true;
    f.KsefNumer = QStringLiteral("9876543210-20180305-0100001AF629-12");
    f.KsefSkrot = QStringLiteral("skrot");
    f.UwagiDodatk = QStringLiteral("uwagi faktury");
    PrzeliczRekord(f);
    QVERIFY(FakturaOstateczna(f));
    TiniZentora ini;
    ini.iniSymbol = QStringLiteral("KOR");
    ini.iniNumerac = numerNSR;
    ini.iniDniZapl = 14;
    ini.iniTabFirm = QStringLiteral("Inna firma;NIP 111-111-11-11");
    const double dzis = KodujDate(2018, 4, 10, 0);

    const TzentoraVat k = WystawKorekte(f, ini, dzis, QStringLiteral("  zwrot towaru "));
    QCOMPARE(k.RodzajFak, rFakKoryg);
    QCOMPARE(k.DoKorekty, QStringLiteral("12/FV/2018"));
    QCOMPARE(k.DataKorygowanej, QStringLiteral("05.03.2018"));
    QCOMPARE(k.KsefKorygowanej, f.KsefNumer);
    QCOMPARE(k.PrzyczynaKorekty, QStringLiteral("zwrot towaru"));
    QCOMPARE(k.SymbolFak, QStringLiteral("KOR"));
    QCOMPARE(k.DataWystaw, QStringLiteral("10.04.2018"));
    QCOMPARE(k.DataZaplaty, QStringLiteral("24.04.2018"));   // by transfer, the configured term
    // the parties as they were on the corrected invoice, not the configured seller
    QCOMPARE(k.SprzedRamka, f.SprzedRamka);
    QCOMPARE(k.SprzedKonto, f.SprzedKonto);
    QCOMPARE(k.KupNip, f.KupNip);
    QVERIFY(k.MPP);
    QVERIFY(k.UwagiDodatk.isEmpty());
    QVERIFY(!FakturaOstateczna(k));
    QVERIFY(k.KsefSkrot.isEmpty());
    QCOMPARE(k.IlePozyc, 4);
    QCOMPARE(k.Pozycja(1).Ilosc, QStringLiteral("-3"));
    QCOMPARE(k.Pozycja(1).Netto, QStringLiteral("-37,05"));
    QCOMPARE(k.Pozycja(4), f.Pozycja(4));
    QCOMPARE(k.SumyFaktury[vatSum].Brutto, QStringLiteral("-147,71"));
    QVERIFY(KorektaUjemna(k));
    QVERIFY(BrakiKorekty(k).isEmpty());

    // an invoice of the rates before 2011 is corrected with those rates
    TzentoraVat stara = FakturaPrzykladowa();
    stara.DataWystaw = stara.DataSprzed = QStringLiteral("30.12.2010");
    stara.Pozycja(1).PrcVat = QStringLiteral("22");
    stara.Pozycja(2).PrcVat = QStringLiteral("7");
    PrzeliczRekord(stara);
    const TzentoraVat ks = WystawKorekte(stara, ini, dzis, QString());
    QCOMPARE(ks.DataSprzed, QStringLiteral("30.12.2010"));
    QCOMPARE(ks.Pozycja(1).WarVat, QStringLiteral("-8,15"));
}

QTEST_GUILESS_MAIN(TstDokument)
#include "tst_dokument.moc"
