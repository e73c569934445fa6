#include "common/daty.h"
#include "common/program.h"
#include "kolumny.h"

#include <QTest>

class TstDaty : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { UstawDateDzis(KodujDate(2026, 12, 9, 0)); }
    void kodowanie_data();
    void kodowanie();
    void tekstNaDate_data();
    void tekstNaDate();
    void dataNaTekst();
    void liczbaNaDate();
    void dniMiesiaca();
    void obiegWszystkichDni();
};

void TstDaty::kodowanie_data()
{
    // clang-format off
    Kolumny<int, int, int, double>("r", "m", "d", "wartosc");
    QTest::newRow("dzien zero") << 1899 << 12 << 30 << 0.0;
    QTest::newRow("ostatni") << 9999 << 12 << 31 << 2958465.0;
    QTest::newRow("pierwszy") << 1 << 1 << 1 << -693593.0;
    QTest::newRow("2011") << 2011 << 1 << 1 << 40544.0;
    QTest::newRow("2018") << 2018 << 3 << 5 << 43164.0;
    QTest::newRow("29 lutego 2000") << 2000 << 2 << 29 << 36585.0;
    // clang-format on
}

void TstDaty::kodowanie()
{
    QFETCH(int, r);
    QFETCH(int, m);
    QFETCH(int, d);
    QFETCH(double, wartosc);
    QCOMPARE(KodujDate(r, m, d, -1), wartosc);
    int rr, mm, dd;
    RozkodujDate(wartosc, rr, mm, dd);
    if (wartosc == 0) {
        QCOMPARE(rr + mm + dd, 0);   // date 0 means no date
    } else {
        QCOMPARE(rr, r);
        QCOMPARE(mm, m);
        QCOMPARE(dd, d);
    }
}

void TstDaty::tekstNaDate_data()
{
    // clang-format off
    Kolumny<QString, double>("tekst", "wynik");
    QTest::newRow("pusta maska") << "  .  .    " << 0.0;
    QTest::newRow("pusty") << "" << 0.0;
    QTest::newRow("poprawna") << "05.03.2018" << 43164.0;
    QTest::newRow("bez zer") << "5.3.2018" << 43164.0;
    QTest::newRow("32 stycznia") << "32.01.2018" << -7.0;
    QTest::newRow("31 lutego") << "31.02.2018" << -7.0;
    QTest::newRow("dwucyfrowy rok") << "05.03.18" << 43164.0;
    QTest::newRow("rok sprzed okna") << "01.01.80" << KodujDate(1980, 1, 1, 0);
    QTest::newRow("bez roku") << "05.03" << KodujDate(2026, 3, 5, 0);
    QTest::newRow("smieci") << "05.03.2018x" << -7.0;
    QTest::newRow("tekst") << "jutro" << -7.0;
    QTest::newRow("ukosniki") << "05/03/2018" << -7.0;
    QTest::newRow("czesciowa maska") << " 5. 3.2018" << 43164.0;
    QTest::newRow("rok 10000") << "01.01.10000" << -7.0;
    QTest::newRow("ogromne liczby") << "99999999999.1.1" << -7.0;
    // clang-format on
}

void TstDaty::tekstNaDate()
{
    QFETCH(QString, tekst);
    QFETCH(double, wynik);
    QCOMPARE(TekstNaDate(tekst, -7), wynik);
}

void TstDaty::dataNaTekst()
{
    QCOMPARE(DataNaTekst(QStringLiteral("?"), 0), QString());
    QCOMPARE(DataNaTekst(QStringLiteral("?"), 43164), QStringLiteral("05.03.2018"));
    QCOMPARE(DataNaTekst(QStringLiteral("?"), 43164.75), QStringLiteral("05.03.2018"));
    QCOMPARE(DataNaTekst(QStringLiteral("?"), 1e12), QStringLiteral("?"));
    QCOMPARE(DataNaTekst(QStringLiteral("?"), -1e12), QStringLiteral("?"));
    QCOMPARE(DataNaTekst(QStringLiteral("?"), qQNaN()), QStringLiteral("?"));
    QCOMPARE(DataNaTekst(QString(), 2958465), QStringLiteral("31.12.9999"));
}

void TstDaty::liczbaNaDate()
{
    QCOMPARE(LiczbaNaDate(25122018), KodujDate(2018, 12, 25, 0));
    QCOMPARE(LiczbaNaDate(-25122018), KodujDate(2018, 12, 25, 0));
    QCOMPARE(LiczbaNaDate(31022018), 0.0);
}

void TstDaty::dniMiesiaca()
{
    QCOMPARE(DniMiesiaca(2024, 2), 29);
    QCOMPARE(DniMiesiaca(1900, 2), 28);
    QCOMPARE(DniMiesiaca(2000, 2), 29);
    QCOMPARE(DniMiesiaca(2023, 13), 31);   // month limited to 12
    QCOMPARE(DniMiesiaca(2023, 0), 31);
}

void TstDaty::obiegWszystkichDni()
{
    // every day of the range survives text and back
    for (double d = kDataMin; d <= kDataMax; d += 97) {
        if (d == 0)
            continue;
        const QString t = DataNaTekst(QStringLiteral("?"), d);
        QCOMPARE(TekstNaDate(t, -1), d);
    }
}

QTEST_APPLESS_MAIN(TstDaty)
#include "tst_daty.moc"
