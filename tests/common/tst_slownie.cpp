#include "common/slownie.h"
#include "kolumny.h"

#include <QTest>

class TstSlownie : public QObject {
    Q_OBJECT
private slots:
    void kwoty_data();
    void kwoty();
};

void TstSlownie::kwoty_data()
{
    // clang-format off
    Kolumny<double, QString>("kwota", "slowa");
    QTest::newRow("zero") << 0.0 << "";
    QTest::newRow("prawie zero") << 0.004 << "";
    QTest::newRow("1") << 1.0 << "jeden";
    QTest::newRow("7") << 7.0 << "siedem";
    QTest::newRow("1000") << 1000.0 << "jeden tysiąc";
    QTest::newRow("2000") << 2000.0 << "dwa tysiące";
    QTest::newRow("5000") << 5000.0 << "pięć tysięcy";
    QTest::newRow("12000") << 12000.0 << "dwanaście tysięcy";
    QTest::newRow("22000") << 22000.0 << "dwadzieścia dwa tysiące";
    QTest::newRow("21000") << 21000.0 << "dwadzieścia jeden tysięcy";
    QTest::newRow("101000") << 101000.0 << "sto jeden tysięcy";
    QTest::newRow("0,01") << 0.01 << "jeden grosz";
    QTest::newRow("0,22") << 0.22 << "dwadzieścia dwa grosze";
    QTest::newRow("0,21") << 0.21 << "dwadzieścia jeden groszy";
    QTest::newRow("0,50") << 0.5 << "pięćdziesiąt groszy";
    QTest::newRow("0,12") << 0.12 << "dwanaście groszy";
    QTest::newRow("1234,56") << 1234.56 << "jeden tysiąc dwieście trzydzieści cztery i pięćdziesiąt sześć groszy";
    QTest::newRow("147,71") << 147.71 << "sto czterdzieści siedem i siedemdziesiąt jeden groszy";
    QTest::newRow("miliard") << 1002003004.05 << "jeden miliard dwa miliony trzy tysiące cztery i pięć groszy";
    QTest::newRow("2,5 mld") << 2500000000.0 << "dwa miliardy pięćset milionów";
    QTest::newRow("najwieksza")
        << 999999999999.99
        << "dziewięćset dziewięćdziesiąt dziewięć miliardów dziewięćset dziewięćdziesiąt dziewięć milionów "
           "dziewięćset dziewięćdziesiąt dziewięć tysięcy dziewięćset dziewięćdziesiąt dziewięć i "
           "dziewięćdziesiąt dziewięć groszy";
    QTest::newRow("bilion") << 1e12 << "";
    QTest::newRow("bilion i grosze") << 1000000000000.50 << "pięćdziesiąt groszy";
    QTest::newRow("ujemna") << -1234.56 << "jeden tysiąc dwieście trzydzieści cztery i pięćdziesiąt sześć groszy";
    QTest::newRow("-12,34") << -12.34 << "dwanaście i trzydzieści cztery grosze";
    QTest::newRow("-0,50") << -0.5 << "pięćdziesiąt groszy";
    QTest::newRow("0,125") << 0.125 << "trzynaście groszy";
    QTest::newRow("nastki") << 14.0 << "czternaście";
    QTest::newRow("112") << 112.0 << "sto dwanaście";
    QTest::newRow("1001") << 1001.0 << "jeden tysiąc jeden";
    QTest::newRow("milion") << 1000000.0 << "jeden milion";
    QTest::newRow("3 miliony") << 3000000.0 << "trzy miliony";
    // clang-format on
}

void TstSlownie::kwoty()
{
    QFETCH(double, kwota);
    QFETCH(QString, slowa);
    QCOMPARE(KwotaSlownie(kwota), slowa);
}

QTEST_APPLESS_MAIN(TstSlownie)
#include "tst_slownie.moc"
