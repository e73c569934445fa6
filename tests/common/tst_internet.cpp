#include "common/internet.h"
#include "kolumny.h"

#include <QTest>

class TstInternet : public QObject {
    Q_OBJECT
private slots:
    void dekoduj_data();
    void dekoduj();
};

// Kept entries are written "symbol|version|number|downloadable|free|description".
void TstInternet::dekoduj_data()
{
    // clang-format off
    Kolumny<QString, QStringList>("tresc", "wpisy");
    QTest::addColumn<QList<int>>("liczniki");   // paid, downloadable, free

    QTest::newRow("paid version, not downloadable") << "ABC;2.18.1;1;0;Nowe stawki VAT\r\n"
                                                    << QStringList{"ABC|2.18.1|2181|0|0|Nowe stawki VAT"}
                                                    << QList<int>{1, 0, 0};
    QTest::newRow("free and downloadable") << "ABC;2.18.1;1;1;Poprawki\r\n" << QStringList{"ABC|2.18.1|2181|1|1|Poprawki"}
                                           << QList<int>{0, 1, 1};
    QTest::newRow("free, not downloadable") << "ABC;2.18.1;0;1;x" << QStringList{"ABC|2.18.1|2181|0|1|x"}
                                            << QList<int>{0, 0, 1};
    QTest::newRow("another symbol") << "ABD;2.18.1;1;1;x\r\n" << QStringList{} << QList<int>{0, 0, 0};
    QTest::newRow("symbol compared exactly") << "abc;2.18.1;1;1;x\r\n ABC;2.18.1;1;1;y\r\n"
                                             << QStringList{"ABC|2.18.1|2181|1|1|y"} << QList<int>{0, 1, 1};
    QTest::newRow("same version") << "ABC;2.1.7.0;1;1;x\r\n" << QStringList{} << QList<int>{0, 0, 0};
    QTest::newRow("older version") << "ABC;2.16;1;1;x\r\n" << QStringList{} << QList<int>{0, 0, 0};
    QTest::newRow("flags compared exactly") << "ABC;3.0.0.0;1 ;yes;x\r\n" << QStringList{"ABC|3.0.0.0|3000|0|0|x"}
                                            << QList<int>{1, 0, 0};
    QTest::newRow("description keeps its semicolons") << "ABC;2.19.0;1;1;a;b; c \r\n"
                                                      << QStringList{"ABC|2.19.0|2190|1|1|a;b; c"} << QList<int>{0, 1, 1};
    QTest::newRow("line feeds only do not end lines") << "ABC;2.19.0;1;1;a\nABC;2.20.0;1;1;b\n"
                                                      << QStringList{"ABC|2.19.0|2190|1|1|aABC;2.20.0;1;1;b"}
                                                      << QList<int>{0, 1, 1};
    QTest::newRow("several lines, file order") << "ABC;2.19.0;0;0;a\r\nXYZ;9.9;1;1;z\r\nABC;2.20.0;1;1;b\r\n\r\n"
                                               << QStringList{"ABC|2.19.0|2190|0|0|a", "ABC|2.20.0|2200|1|1|b"}
                                               << QList<int>{1, 1, 1};
    QTest::newRow("blank lines between") << "\r\n  \r\nABC;2.19.0;1;1;a\r\n \r\n" << QStringList{"ABC|2.19.0|2190|1|1|a"}
                                         << QList<int>{0, 1, 1};
    QTest::newRow("short line: symbol only") << "ABC\r\n" << QStringList{} << QList<int>{0, 0, 0};
    QTest::newRow("short line: three fields") << "ABC;2.18.5;1\r\n" << QStringList{"ABC|2.18.5|2185|0|0|"}
                                              << QList<int>{1, 0, 0};
    QTest::newRow("version that is no number") << "ABC;beta;1;1;x\r\n" << QStringList{} << QList<int>{0, 0, 0};
    QTest::newRow("empty text") << "" << QStringList{} << QList<int>{0, 0, 0};
    // clang-format on
}

void TstInternet::dekoduj()
{
    QFETCH(QString, tresc);
    QFETCH(QStringList, wpisy);
    QFETCH(QList<int>, liczniki);

    TdaneProgramu program;
    program.prg_Symbol = QStringLiteral("ABC");
    program.prg_Liczbowo = 2170;
    TdaneInternet dane;
    // what an earlier reading left must go
    dane.aOpisy_Info.append(TinfoInternet{});
    dane.Licz_Platna = dane.Licz_DoPobr = dane.Licz_Darmow = 9;
    dane.sTresc_Info = tresc;
    DekodujPlikInfo(dane, program);

    QStringList jest;
    for (const TinfoInternet &i : dane.aOpisy_Info) {
        jest << QStringList{i.inf_symb,
                            i.inf_sver,
                            QString::number(i.inf_nver),
                            QString::number(i.inf_pobr),
                            QString::number(i.inf_darm),
                            i.inf_opis}
                    .join(QLatin1Char('|'));
        QCOMPARE(i.inf_znak, i.inf_symb + QStringLiteral("  ") + i.inf_sver);
    }
    QCOMPARE(jest, wpisy);
    QCOMPARE((QList<int>{dane.Licz_Platna, dane.Licz_DoPobr, dane.Licz_Darmow}), liczniki);
    QCOMPARE(dane.sTresc_Info, tresc);
}

QTEST_APPLESS_MAIN(TstInternet)
#include "tst_internet.moc"
