#include "dialogs/kalendarzlogika.h"
#include "kolumny.h"

#include "common/daty.h"

#include <QTest>

class TstKalendarzLogika : public QObject {
    Q_OBJECT
private slots:
    void opisDaty_data();
    void opisDaty();
    void wszystkieDniMajaSwojeCele();
    void zmianaMiesiaca_data();
    void zmianaMiesiaca();
    void wielkanoc_data();
    void wielkanoc();
    void swieta_data();
    void swieta();
    void rozmiarKomorek_data();
    void rozmiarKomorek();
};

void TstKalendarzLogika::opisDaty_data()
{
    // clang-format off
    Kolumny<int, int, int>("r", "m", "d");
    QTest::addColumn<QString>("data");   // the date the description ends up with
    Kolumny<int, int, int>("dtyg", "dmax", "puste");
    QTest::newRow("1 lutego 2018, czwartek") << 2018 << 2 << 1 << "01.02.2018" << 4 << 28 << 3;
    QTest::newRow("luty przestepny") << 2016 << 2 << 30 << "29.02.2016" << 1 << 29 << 0;
    QTest::newRow("dzien zero i ujemny") << 2018 << 4 << -5 << "01.04.2018" << 7 << 30 << 6;
    QTest::newRow("miesiac 13") << 2018 << 13 << 5 << "05.12.2018" << 3 << 31 << 5;
    QTest::newRow("rok 0") << 0 << 1 << 1 << "01.01.0001" << 1 << 31 << 0;
    QTest::newRow("rok 10000") << 10000 << 12 << 31 << "31.12.9999" << 5 << 31 << 2;
    QTest::newRow("1900 nie jest przestepny") << 1900 << 2 << 29 << "28.02.1900" << 3 << 28 << 3;
    // clang-format on
}

void TstKalendarzLogika::opisDaty()
{
    QFETCH(int, r);
    QFETCH(int, m);
    QFETCH(int, d);
    QFETCH(QString, data);
    QFETCH(int, dtyg);
    QFETCH(int, dmax);
    QFETCH(int, puste);
    const TparaDaty p = OpisDaty(r, m, d);
    QCOMPARE(QStringLiteral("%1.%2.%3")
                 .arg(p.D, 2, 10, QLatin1Char('0'))
                 .arg(p.M, 2, 10, QLatin1Char('0'))
                 .arg(p.R, 4, 10, QLatin1Char('0')),
             data);
    QCOMPARE(p.Dtyg, dtyg);
    QCOMPARE(p.Dmax, dmax);
    QCOMPARE(p.puste, puste);
    QCOMPARE(p.Dtg1, puste + 1);
    QCOMPARE(p.T, KodujDate(p.R, p.M, p.D, -1));
    QCOMPARE(p.Tm1, KodujDate(p.R, p.M, 1, -1));
}

void TstKalendarzLogika::wszystkieDniMajaSwojeCele()
{
    const TparaDaty luty = OpisDaty(2018, 2, 1);
    // February 2018 starts on a Thursday: three empty cells.
    int c = 0, w = 0;
    DzienNaCele(luty, 1, c, w);
    QCOMPARE(c, 3);
    QCOMPARE(w, 1);
    QCOMPARE(CelaNaDzien(luty, 0, 1), 0);   // before the first day
    QCOMPARE(CelaNaDzien(luty, 2, 1), 0);
    QCOMPARE(CelaNaDzien(luty, 3, 5), 0);   // after the 28th
    QCOMPARE(CelaNaDzien(luty, 3, 0), 0);   // the header row
    QCOMPARE(CelaNaDzien(luty, 7, 2), 0);   // no eighth column

    DzienNaCele(luty, 40, c, w);   // limited to day 31
    QCOMPARE(c, 5);
    QCOMPARE(w, 5);
    DzienNaCele(luty, 0, c, w);   // limited to day 1
    QCOMPARE(c, 3);
    QCOMPARE(w, 1);

    // Every day of every month of some years round-trips through its cell.
    for (int r : {1900, 2018, 2020, 2023, 9999})
        for (int m = 1; m <= 12; ++m) {
            const TparaDaty p = OpisDaty(r, m, 1);
            int liczba = 0;
            for (int row = 1; row <= 6; ++row)
                for (int col = 0; col < 7; ++col)
                    if (const int d = CelaNaDzien(p, col, row)) {
                        ++liczba;
                        DzienNaCele(p, d, c, w);
                        QCOMPARE(c, col);
                        QCOMPARE(w, row);
                        QCOMPARE(OpisDaty(r, m, d).Dtyg, col + 1);
                    }
            QCOMPARE(liczba, p.Dmax);
        }
}

void TstKalendarzLogika::zmianaMiesiaca_data()
{
    // clang-format off
    Kolumny<QString, int, QString>("od", "delta", "wynik");
    QTest::newRow("31 stycznia + 1") << "31.01.2018" << 1 << "28.02.2018";
    QTest::newRow("31 stycznia przestepny + 1") << "31.01.2016" << 1 << "29.02.2016";
    QTest::newRow("29 lutego 2016 + rok") << "29.02.2016" << 12 << "28.02.2017";
    QTest::newRow("grudzien + 1") << "15.12.2018" << 1 << "15.01.2019";
    QTest::newRow("styczen - 1") << "15.01.2018" << -1 << "15.12.2017";
    QTest::newRow("wstecz do 1899") << "20.01.1900" << -1 << "20.12.1899";
    QTest::newRow("za koniec kalendarza") << "31.12.9999" << 1 << "31.12.9999";
    QTest::newRow("przed poczatek") << "05.03.0001" << -12 << "05.01.0001";
    QTest::newRow("ogromna zmiana") << "05.03.2018" << 2000000000 << "05.12.9999";
    // clang-format on
}

void TstKalendarzLogika::zmianaMiesiaca()
{
    QFETCH(QString, od);
    QFETCH(int, delta);
    QFETCH(QString, wynik);
    int r = 0, m = 0, d = 0;
    RozkodujDate(TekstNaDate(od, 0), r, m, d);
    const TparaDaty p = ZmianaMiesiaca(OpisDaty(r, m, d), delta);
    QCOMPARE(DataNaTekst(QStringLiteral("?"), p.T), wynik);
}

void TstKalendarzLogika::wielkanoc_data()
{
    // clang-format off
    Kolumny<int, int, int>("rok", "miesiac", "dzien");
    QTest::newRow("1818 najwczesniej") << 1818 << 3 << 22;
    QTest::newRow("1900") << 1900 << 4 << 15;
    QTest::newRow("1943 najpozniej") << 1943 << 4 << 25;
    QTest::newRow("2000") << 2000 << 4 << 23;
    QTest::newRow("2008") << 2008 << 3 << 23;
    QTest::newRow("2011") << 2011 << 4 << 24;
    QTest::newRow("2018") << 2018 << 4 << 1;
    QTest::newRow("2019") << 2019 << 4 << 21;
    QTest::newRow("2024") << 2024 << 3 << 31;
    QTest::newRow("2025") << 2025 << 4 << 20;
    QTest::newRow("2038") << 2038 << 4 << 25;
    QTest::newRow("2100") << 2100 << 3 << 28;
    QTest::newRow("2285") << 2285 << 3 << 22;
    // clang-format on
}

void TstKalendarzLogika::wielkanoc()
{
    QFETCH(int, rok);
    QFETCH(int, miesiac);
    QFETCH(int, dzien);
    int m = 0, d = 0;
    DataWielkanocy(rok, m, d);
    QCOMPARE(m, miesiac);
    QCOMPARE(d, dzien);
    QCOMPARE(OpisDaty(rok, m, d).Dtyg, 7);
    QCOMPARE(JestSwietem(rok, m, d), rok >= 1990);
}

void TstKalendarzLogika::swieta_data()
{
    // clang-format off
    Kolumny<QString, QString>("data", "swieto");
    QTest::newRow("Nowy Rok 1989 nie") << "01.01.1989" << "";
    QTest::newRow("3 maja 1989 nie") << "03.05.1989" << "";
    QTest::newRow("Nowy Rok 1990") << "01.01.1990" << "Nowy Rok";
    QTest::newRow("Boze Cialo 1990") << "14.06.1990" << "Boże Ciało";
    QTest::newRow("Trzech Kroli 2010 nie") << "06.01.2010" << "";
    QTest::newRow("Trzech Kroli 2011") << "06.01.2011" << "Święto Trzech Króli";
    QTest::newRow("1 maja 2030") << "01.05.2030" << "Święto Pracy";
    QTest::newRow("3 maja 2002") << "03.05.2002" << "Święto Konstytucji 3 Maja";
    QTest::newRow("Wigilia 2024 nie") << "24.12.2024" << "";
    QTest::newRow("Wigilia 2025") << "24.12.2025" << "Wigilia Bożego Narodzenia";
    QTest::newRow("Boze Narodzenie 2021") << "25.12.2021" << "Boże Narodzenie";
    QTest::newRow("27 grudnia nie") << "27.12.2018" << "";
    QTest::newRow("Poniedzialek Wielkanocny 2018") << "02.04.2018" << "Poniedziałek Wielkanocny";
    QTest::newRow("Boze Cialo 2018") << "31.05.2018" << "Boże Ciało";
    QTest::newRow("Boze Cialo 2025") << "19.06.2025" << "Boże Ciało";
    QTest::newRow("Wielkanoc 2038") << "25.04.2038" << "Wielkanoc";
    QTest::newRow("Poniedzialek Wielkanocny 2100") << "29.03.2100" << "Poniedziałek Wielkanocny";
    QTest::newRow("Wielki Piatek nie") << "29.03.2024" << "";
    QTest::newRow("dzien przed Bozym Cialem") << "30.05.2018" << "";
    // clang-format on
}

void TstKalendarzLogika::swieta()
{
    QFETCH(QString, data);
    QFETCH(QString, swieto);
    int r = 0, m = 0, d = 0;
    RozkodujDate(TekstNaDate(data, 0), r, m, d);
    QCOMPARE(NazwaSwieta(r, m, d), swieto);
    QCOMPARE(JestSwietem(OpisDaty(r, m, d)), !swieto.isEmpty());
}

void TstKalendarzLogika::rozmiarKomorek_data()
{
    // clang-format off
    Kolumny<int, int, int, int, int, int, int>("szer", "wys", "linia", "hNagl", "kolumna", "naglowek", "wiersz");
    QTest::newRow("okno 23 x 16") << 167 << 118 << 1 << 0 << 23 << 16 << 16;
    QTest::newRow("wlasny naglowek") << 167 << 118 << 1 << 22 << 23 << 22 << 15;
    QTest::newRow("grube linie") << 200 << 200 << 3 << 20 << 26 << 20 << 27;
    // clang-format on
}

void TstKalendarzLogika::rozmiarKomorek()
{
    QFETCH(int, szer);
    QFETCH(int, wys);
    QFETCH(int, linia);
    QFETCH(int, hNagl);
    QFETCH(int, kolumna);
    QFETCH(int, naglowek);
    QFETCH(int, wiersz);
    const TrozmiarKomorek k = RozmiarKomorek(szer, wys, linia, hNagl);
    QCOMPARE(k.szerKolumny, kolumna);
    QCOMPARE(k.wysNaglowka, naglowek);
    QCOMPARE(k.wysWiersza, wiersz);
}

QTEST_APPLESS_MAIN(TstKalendarzLogika)
#include "tst_kalendarzlogika.moc"
