// zentora-cli and the working folder: the register, the number of a new invoice and the
// refusal of a designation already used, on a generated folder over a year boundary.

#include "fakturaprzykladowa.h"
#include "invoice/konfiguracja.h"
#include "invoice/plikfaktury.h"
#include "kolumny.h"
#include "pliktymczasowy.h"
#include "uruchomcli.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TstCliRejestr : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void polecenia_data();
    void polecenia();

private:
    QString Plik(const QString &n) const { return m_dir.filePath(QStringLiteral("faktury/") + n); }
    QTemporaryDir m_dir;
};

void TstCliRejestr::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("faktury")));
    TiniZentora ini;
    ini.iniNumerac = numerNSR;
    ini.iniSymbol = QStringLiteral("FV");
    ZapiszParametry(m_dir.filePath(QStringLiteral("Faktury.ini")), ini);
    // 2025: 1..100 in December, 2026: 1..50 in January
    for (int i = 1; i <= 150; ++i) {
        TzentoraVat f = FakturaPrzykladowa();
        const bool nowy = i > 100;
        f.NumerFak = nowy ? i - 100 : i;
        f.DataWystaw = f.DataSprzed =
            QStringLiteral("%1.%2").arg(f.NumerFak % 28 + 1, 2, 10, QLatin1Char('0')).arg(nowy ? "01.2026" : "12.2025");
        ZapiszFakture(Plik(QStringLiteral("f%1.FAK").arg(i)), f);
    }
    QVERIFY(PiszBajty(Plik(QStringLiteral("zla.FAK")), "[OpisFaktury]\r\nWersja=3\r\n"));
}

void TstCliRejestr::polecenia_data()
{
    // "@" stands for the folder, "@/" for a file in it; the texts expected on stdout and stderr
    Kolumny<QStringList, int, QString, QString>("argumenty", "kod", "wyjscie", "bledy");
    const TzentoraVat p = FakturaPrzykladowa();
    const auto kwota = [](QString t) { return t.remove(QLatin1Char('.')); };
    const QString razem = QStringLiteral("Razem;%1;%2;%3\r\n")
                              .arg(kwota(p.SumyFaktury[vatSum].Netto), kwota(p.SumyFaktury[vatSum].WarVat),
                                   kwota(p.SumyFaktury[vatSum].Brutto));
    QTest::newRow("csv, jeden dzien")
        << QStringList{"rejestr", "@", "--od", "25.01.2026", "--do", "25.01.2026", "--csv"} << 0
        << QStringLiteral("Data;Numer;Rodzaj;Nabywca;NIP;Netto;VAT;Brutto;KSeF;Plik\r\n25.01.2026;24/FV/2026;")
        << QString();
    QTest::newRow("csv, sumy na koncu") << QStringList{"rejestr", "@",          "--od", "25.01.2026",
                                                       "--do",    "25.01.2026", "--csv"}
                                        << 0 << razem << QString();
    QTest::newRow("uszkodzony plik") << QStringList{"rejestr", "@", "--csv"} << 0
                                     << QStringLiteral("uszkodzony: Niepoprawna wersja faktury = 3;zla.FAK")
                                     << QString();
    QTest::newRow("json od daty") << QStringList{"rejestr", "@", "--od", "28.01.2026", "--json"} << 0
                                  << QStringLiteral("\"numer\": \"27/FV/2026\"") << QString();
    QTest::newRow("zla data") << QStringList{"rejestr", "@", "--od", "31.02.2026"} << 1 << QString()
                              << QStringLiteral("Niepoprawna data opcji --od: 31.02.2026");
    QTest::newRow("json i csv") << QStringList{"rejestr", "@", "--json", "--csv"} << 1 << QString()
                                << QStringLiteral("Podaj --json albo --csv, nie oba.");
    QTest::newRow("brak folderu") << QStringList{"rejestr", "/nie/ma/folderu"} << 3 << QString()
                                  << "Nie znaleziono folderu " + QDir::toNativeSeparators("/nie/ma/folderu");
    QTest::newRow("nowa: kolejny numer") << QStringList{"new", "-o", "@/nowa.FAK", "--today", "03.01.2026", "--json"}
                                         << 0 << QStringLiteral("\"oznaczenie\": \"51/FV/2026\"") << QString();
    QTest::newRow("nowa: nowy rok") << QStringList{"new", "-o", "@/nowa2027.FAK", "--today", "03.01.2027", "--json"}
                                    << 0 << QStringLiteral("\"oznaczenie\": \"1/FV/2027\"") << QString();
    QTest::newRow("duplikat") << QStringList{"recompute", "@/f3.FAK", "-o", "@/kopia.FAK"} << 2 << QString()
                              << QStringLiteral("Faktura o numerze 3/FV/2025 już istnieje (plik f3.FAK)");
    QTest::newRow("duplikat --force") << QStringList{"recompute", "@/f3.FAK", "-o", "@/kopia.FAK", "--force"} << 0
                                      << QString() << QString();
    QTest::newRow("ten sam plik") << QStringList{"recompute", "@/f4.FAK", "-o", "@/f4.FAK"} << 0 << QString()
                                  << QString();
    QTest::newRow("ksef duplikatu") << QStringList{"ksef", "@/kopia.FAK", "-o", "@/kopia.xml"} << 2 << QString()
                                    << QStringLiteral("już istnieje (plik f3.FAK)");
}

void TstCliRejestr::polecenia()
{
    QFETCH(QStringList, argumenty);
    const QString folder = m_dir.filePath(QStringLiteral("faktury"));
    for (QString &a : argumenty)
        a.replace(QLatin1Char('@'), folder);
    argumenty << QStringLiteral("--config") << m_dir.filePath(QStringLiteral("Faktury.ini"));
    if (argumenty.first() == QLatin1String("recompute"))
        argumenty.removeLast(), argumenty.removeLast();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CACHE_HOME"), m_dir.filePath(QStringLiteral("pamiec")));
    const WynikCli w = UruchomCli(argumenty, env);
    QFETCH(int, kod);
    QFETCH(QString, wyjscie);
    QFETCH(QString, bledy);
    QVERIFY2(w.wyjscie.contains(wyjscie), qPrintable(w.wyjscie.left(600)));
    QVERIFY2(w.bledy.contains(bledy), qPrintable(w.bledy));
    QCOMPARE(w.kod, kod);
    if (kod == 0 && argumenty.contains(QStringLiteral("--csv"))) {
        // a spreadsheet reads it as UTF-8 only with the byte order mark (which the text above lost)
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ZENTORA_CLI), argumenty);
        QVERIFY(p.waitForFinished(60000));
        QVERIFY(p.readAllStandardOutput().startsWith("\xEF\xBB\xBF"
                                                     "Data;"));
    }
}

QTEST_GUILESS_MAIN(TstCliRejestr)
#include "tst_cli_rejestr.moc"
