#include "dialogs/polozenie.h"
#include "kolumny.h"

#include <QTest>

class TstPolozenie : public QObject {
    Q_OBJECT
private slots:
    void podPolem_data();
    void podPolem();
    void nadOknem_data();
    void nadOknem();
    void skalowanie_data();
    void skalowanie();
};

namespace {
const QRect kEkran(0, 0, 1920, 1040);
const QSize kOkno(184, 195);
}   // namespace

void TstPolozenie::podPolem_data()
{
    // clang-format off
    Kolumny<QRect, QSize, QRect, bool, QPoint>("pole", "okno", "ekran", "odsun", "wynik");
    QTest::newRow("pod polem edycji") << QRect(100, 200, 150, 22) << kOkno << kEkran << true << QPoint(98, 220);
    QTest::newRow("pod przyciskiem") << QRect(100, 200, 150, 22) << kOkno << kEkran << false << QPoint(100, 222);
    QTest::newRow("przy prawej krawedzi") << QRect(1800, 200, 100, 22) << kOkno << kEkran << true << QPoint(1716, 220);
    QTest::newRow("dokladnie do prawej") << QRect(1738, 200, 100, 22) << kOkno << kEkran << true << QPoint(1736, 220);
    QTest::newRow("przy dole nad polem") << QRect(100, 900, 150, 22) << kOkno << kEkran << true << QPoint(98, 705);
    QTest::newRow("dokladnie do dolu") << QRect(100, 825, 150, 22) << kOkno << kEkran << true << QPoint(98, 845);
    QTest::newRow("prawy dolny rog") << QRect(1800, 900, 100, 22) << kOkno << kEkran << false << QPoint(1716, 705);
    QTest::newRow("przy lewej krawedzi") << QRect(0, 0, 150, 22) << kOkno << kEkran << true << QPoint(0, 20);
    QTest::newRow("pole czesciowo poza ekranem")
        << QRect(1900, 200, 100, 22) << kOkno << kEkran << true << QPoint(1736, 220);
    QTest::newRow("niski ekran, ani pod ani nad")
        << QRect(10, 150, 100, 22) << kOkno << QRect(0, 0, 800, 300) << true << QPoint(8, 0);
    QTest::newRow("okno szersze od ekranu")
        << QRect(10, 10, 100, 22) << QSize(500, 100) << QRect(0, 0, 300, 600) << false << QPoint(0, 32);
    QTest::newRow("ekran po lewej stronie glownego")
        << QRect(-1270, 100, 100, 20) << kOkno << QRect(-1280, 0, 1280, 1024) << true << QPoint(-1272, 118);
    QTest::newRow("ekran nad glownym, przy dole")
        << QRect(50, -40, 100, 20) << kOkno << QRect(0, -1080, 1920, 1080) << false << QPoint(50, -235);
    // clang-format on
}

void TstPolozenie::podPolem()
{
    QFETCH(QRect, pole);
    QFETCH(QSize, okno);
    QFETCH(QRect, ekran);
    QFETCH(bool, odsun);
    QFETCH(QPoint, wynik);
    QCOMPARE(PolozeniePodPolem(pole, okno, ekran, odsun), wynik);
}

void TstPolozenie::nadOknem_data()
{
    // clang-format off
    Kolumny<QRect, QPoint>("forma", "wynik");
    QTest::newRow("na srodku") << QRect(100, 100, 800, 600) << QPoint(408, 302);
    QTest::newRow("forma mniejsza od okna") << QRect(100, 100, 100, 100) << QPoint(58, 53);
    QTest::newRow("forma wysunieta w lewo") << QRect(-700, 100, 800, 600) << QPoint(0, 302);
    QTest::newRow("forma wysunieta w dol") << QRect(1500, 900, 800, 600) << QPoint(1736, 845);
    // clang-format on
}

void TstPolozenie::nadOknem()
{
    QFETCH(QRect, forma);
    QFETCH(QPoint, wynik);
    QCOMPARE(PolozenieNadOknem(forma, kOkno, kEkran), wynik);
}

void TstPolozenie::skalowanie_data()
{
    // clang-format off
    Kolumny<int, int, int>("n", "dpi", "wynik");
    QTest::newRow("96 bez zmian") << 184 << 96 << 184;
    QTest::newRow("120") << 184 << 120 << 230;
    QTest::newRow("144 polowa w gore") << 195 << 144 << 293;
    QTest::newRow("120 reszta 48") << 10 << 120 << 13;
    QTest::newRow("110 reszta mala") << 23 << 110 << 26;
    QTest::newRow("72") << 100 << 72 << 75;
    QTest::newRow("dpi nieznane") << 100 << 0 << 100;
    // clang-format on
}

void TstPolozenie::skalowanie()
{
    QFETCH(int, n);
    QFETCH(int, dpi);
    QFETCH(int, wynik);
    QCOMPARE(SkalujDoDpi(n, dpi), wynik);
}

QTEST_APPLESS_MAIN(TstPolozenie)
#include "tst_polozenie.moc"
