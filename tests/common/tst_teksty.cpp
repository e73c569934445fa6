#include "common/teksty.h"
#include "kolumny.h"
#include "prezentertestowy.h"

#include <QTemporaryDir>

#include <QTest>

class TstTeksty : public QObject {
    Q_OBJECT
private slots:
    void odetnijPole_data();
    void odetnijPole();
    void pobierzPole();
    void liczby();
    void napisy();
    void czytajPlik();
    void bladSystemu_data();
    void bladSystemu();
};

void TstTeksty::odetnijPole_data()
{
    // clang-format off
    Kolumny<QString, QString, QString, QString>("s", "sep", "pole", "reszta");
    QTest::newRow("a;b;c") << "a;b;c" << ";" << "a" << "b;c";
    QTest::newRow("bez separatora") << "abc" << ";" << "abc" << "";
    QTest::newRow("pusty pierwszy") << ";x" << ";" << "" << "x";
    QTest::newRow("nie przycina") << " a ; b" << ";" << " a " << " b";
    QTest::newRow("spacja przycina") << "  23 %  " << " " << "23" << "%";
    QTest::newRow("pusty") << "" << ";" << "" << "";
    // clang-format on
}

void TstTeksty::odetnijPole()
{
    QFETCH(QString, s);
    QFETCH(QString, sep);
    QFETCH(QString, pole);
    QFETCH(QString, reszta);
    QCOMPARE(OdetnijPole(s, sep.at(0)), pole);
    QCOMPARE(s, reszta);
}

void TstTeksty::pobierzPole()
{
    QString s = QStringLiteral("  a ; b ;");
    QString p;
    QVERIFY(PobierzPole(s, p, QLatin1Char(';')));
    QCOMPARE(p, QStringLiteral("a"));
    QCOMPARE(s, QStringLiteral("b ;"));
    QVERIFY(PobierzPole(s, p, QLatin1Char(';')));
    QCOMPARE(p, QStringLiteral("b"));
    QVERIFY(!PobierzPole(s, p, QLatin1Char(';')));
}

void TstTeksty::liczby()
{
    QCOMPARE(Ogranicz(9, 0, 5), 5);
    QCOMPARE(Ogranicz(-3, 0, 2), 0);
    QCOMPARE(Ogranicz(3, 5, 1), 1);   // lo > hi gives hi
    int r, m;
    RozbijNumerMiesiaca(24 * 12 + 12, r, m);
    QCOMPARE(r, 24);
    QCOMPARE(m, 12);
    QCOMPARE(NumerMiesiaca(r, m), 24 * 12 + 12);
    RozbijNumerMiesiaca(2018 * 12 + 3, r, m);
    QCOMPARE(r, 2018);
    QCOMPARE(m, 3);
}

void TstTeksty::napisy()
{
    QCOMPARE(DoPrawej(QStringLiteral("  7 "), 3), QStringLiteral("  7"));
    QCOMPARE(DoPrawej(QStringLiteral("12345"), 3), QStringLiteral("345"));
    QCOMPARE(Trim(QStringLiteral("\t a \x01")), QStringLiteral("a"));
    QVERIFY(Pusty(QStringLiteral(" \t\r\n")));
    QVERIFY(!Pusty(QStringLiteral(" x ")));
    QVERIFY(ZaczynaOd(QStringLiteral("Łódź"), QStringLiteral("łó")));
    QVERIFY(ZaczynaOd(QStringLiteral("abc"), QString()));
    QCOMPARE(ZamienZnak(QStringLiteral("a;b;c"), QLatin1Char(';'), QChar()), QStringLiteral("abc"));
    QCOMPARE(Zamien(QStringLiteral("Faktura VAT"), QStringLiteral(" vat"), QString(), false),
             QStringLiteral("Faktura"));
    QCOMPARE(Zamien(QStringLiteral("Faktura VAT"), QStringLiteral(" vat"), QString(), true),
             QStringLiteral("Faktura VAT"));
    QCOMPARE(KreskiNaCR(QStringLiteral("a||b")), QStringLiteral("a\r\rb"));
    QCOMPARE(DuzaPierwsza(QStringLiteral("  łódź")), QStringLiteral("Łódź"));
    QCOMPARE(Spacje(-2), QString());
    QVERIFY(JestMaskaDaty(QStringLiteral("!99/99/9999;1; ")));
    QCOMPARE(ZUkosnikiem(QString()), QString());
    QCOMPARE(BezUkosnika(ZUkosnikiem(QStringLiteral("/tmp"))), QStringLiteral("/tmp"));
}

void TstTeksty::czytajPlik()
{
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("a.txt"));
    QFile f(p);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("\xA3\xF3"
            "d\x9F");   // "Łódź" in Windows-1250
    f.close();
    QString t = QStringLiteral("stare");
    PrezenterTestowy prezenter;
    QVERIFY(CzytajPlik(p, t));
    QCOMPARE(t, QStringLiteral("Łódź"));
    QVERIFY(!CzytajPlik(dir.filePath(QStringLiteral("brak.txt")), t));
    QCOMPARE(t, QString());
    QCOMPARE(prezenter.pokazane.size(), 1);
    QCOMPARE(int(prezenter.pokazane.first().pIcoDlg), int(icError));
}

void TstTeksty::bladSystemu_data()
{
    Kolumny<QString, bool, QString>("tekst", "zapis", "polski");
    QTest::newRow("zapis bez uprawnień") << "Operation not permitted" << true << "brak uprawnień do zapisu";
    QTest::newRow("odczyt bez uprawnień") << "Permission denied" << false << "brak uprawnień do odczytu";
    QTest::newRow("pełny dysk") << "No space left on device" << true << "brak miejsca na dysku";
    QTest::newRow("nieznany zostaje") << "Something odd" << true << "Something odd";
    QTest::newRow("Windows: brak ścieżki")
        << "The system cannot find the path specified." << true << "nie ma takiego pliku ani folderu";
    QTest::newRow("Windows: odmowa dostępu") << "Access is denied." << true << "brak uprawnień do zapisu";
    QTest::newRow("Windows: plik zajęty")
        << "The process cannot access the file because it is being used by another process." << false
        << "plik jest zajęty przez inny program";
}

void TstTeksty::bladSystemu()
{
    QFETCH(QString, tekst);
    QFETCH(bool, zapis);
    QTEST(BladSystemu(tekst, zapis), "polski");
}

QTEST_APPLESS_MAIN(TstTeksty)
#include "tst_teksty.moc"
