#include "kolumny.h"
#include "pliktymczasowy.h"
#include "uruchomcli.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kPrzyklad = QStringLiteral(ZENTORA_EXAMPLES "/przyklad.FAK");

bool Waliduje(const QString &plik, QString &bledy)
{
    QProcess x;
    x.start(QStringLiteral("xmllint"),
            {QStringLiteral("--noout"), QStringLiteral("--schema"), QStringLiteral(ZENTORA_KSEF_SCHEMA), plik});
    const bool ok = x.waitForFinished(60000) && x.exitStatus() == QProcess::NormalExit && x.exitCode() == 0;
    bledy = QString::fromUtf8(x.readAllStandardError());
    return ok;
}
}   // namespace

class TstCliKsef : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void kodyWyjscia_data();
    void kodyWyjscia();

private:
    QTemporaryDir m_dir;
};

void TstCliKsef::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QByteArray przyklad = CzytajBajty(kPrzyklad);
    // the example with a buyer NIP whose check digit is right
    QByteArray dobry = przyklad;
    dobry.replace("NumNIP=123-456-78-90", "NumNIP=526-587-76-35");
    QByteArray rachunek = dobry;
    rachunek.replace("Rodzaj=0", "Rodzaj=4");
    QByteArray korekta = dobry;
    korekta.replace("Rodzaj=0", "Rodzaj=1").replace("Korekt=", "Korekt=10/FV/2018");
    QByteArray zlaStawka = dobry;
    zlaStawka.replace("tresc2=|kurs|2|0,99|1,98|8|", "tresc2=|kurs|2|0,99|1,98|7|");
    const std::pair<const char *, QByteArray> pliki[] = {
        {"dobry.FAK", dobry},
        {"rachunek.FAK", rachunek},
        {"korekta.FAK", korekta},
        {"stawka.FAK", zlaStawka},
        {"obciety.FAK", dobry.left(dobry.indexOf("towar2="))},
        {"F.ini", Crlf("[KSeF]\nPodstawaZwolnienia=art. 113 ust. 1 ustawy o VAT\n\n")}};
    QDir().mkpath(m_dir.filePath(QStringLiteral("inny")));
    QVERIFY(PiszBajty(m_dir.filePath(QStringLiteral("inny/dobry2.FAK")), dobry));
    for (const auto &[n, b] : pliki)
        QVERIFY(PiszBajty(m_dir.filePath(QLatin1String(n)), b));
}

void TstCliKsef::kodyWyjscia_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("argumenty");   // "@" the test's folder
    Kolumny<int, QString>("kod", "komunikat");
    QTest::addColumn<QStringList>("wyniki");      // files that must exist and validate
    const QStringList wynik{QStringLiteral("@/out.xml")};
    QTest::newRow("zapisano") << QStringList{"ksef", "@/dobry.FAK", "-o", "@/out.xml", "--config", "@/F.ini"} << 0 << QString() << wynik;
    QTest::newRow("zły NIP: odmowa") << QStringList{"ksef", kPrzyklad, "-o", "@/zly.xml", "--config", "@/F.ini"} << 2
                                     << "NIP nabywcy 1234567890 ma błędną cyfrę kontrolną.\n" << QStringList{};
    QTest::newRow("zły NIP z --force") << QStringList{"ksef", kPrzyklad, "-o", "@/out.xml", "--config", "@/F.ini", "--force"} << 0
                                       << "NIP nabywcy 1234567890 ma błędną cyfrę kontrolną." << wynik;
    QTest::newRow("rachunek") << QStringList{"ksef", "@/rachunek.FAK", "-o", "@/r.xml", "--config", "@/F.ini"} << 2
                              << "Dokument „Rachunek” nie jest fakturą VAT i nie trafia do KSeF." << QStringList{};
    QTest::newRow("korekta bez daty") << QStringList{"ksef", "@/korekta.FAK", "-o", "@/k.xml", "--config", "@/F.ini"} << 2
                                      << "podaj datę wystawienia faktury korygowanej." << QStringList{};
    QTest::newRow("korekta z datą") << QStringList{"ksef", "@/korekta.FAK", "-o", "@/out.xml", "--config", "@/F.ini", "--korygowana-data",
                                                   "01.03.2018"}
                                    << 0 << QString() << wynik;
    QTest::newRow("korekta, zły numer KSeF")
        << QStringList{"ksef",  "@/korekta.FAK", "-o", "@/k.xml", "--config", "@/F.ini", "--korygowana-data", "01.03.2018", "--korygowana-ksef",
                       "9876543210-20260301-0100001AF629-00"}
        << 2 << "ma błędną sumę kontrolną" << QStringList{};
    QTest::newRow("bez podstawy zwolnienia") << QStringList{"ksef", "@/dobry.FAK", "-o", "@/p.xml", "--config",
                                                            ZENTORA_EXAMPLES "/Faktury.ini"}
                                             << 2 << "a nie podano podstawy zwolnienia." << QStringList{};
    QTest::newRow("zła stawka") << QStringList{"ksef", "@/stawka.FAK", "-o", "@/s.xml", "--config", "@/F.ini"} << 2
                                << "Niepoprawna wartość % Vat = 7 %" << QStringList{};
    QTest::newRow("uszkodzony") << QStringList{"ksef", "@/obciety.FAK", "-o", "@/k.xml", "--config", "@/F.ini"} << 2
                                << "jest uszkodzony: brak wierszy pozycji 2–3." << QStringList{};
    QTest::newRow("bez -o i -d") << QStringList{"ksef", "@/dobry.FAK"} << 1 << "Podaj -o PLIK.xml" << QStringList{};
    QTest::newRow("-o dla dwóch") << QStringList{"ksef", "@/dobry.FAK", "@/korekta.FAK", "-o", "@/x.xml"} << 1
                                  << "Opcja -o przyjmuje jedną fakturę" << QStringList{};
    QTest::newRow("opcja innego polecenia") << QStringList{"ksef", "@/dobry.FAK", "-o", "@/x.xml", "--json"} << 1
                                            << "Polecenie ksef nie przyjmuje opcji --json." << QStringList{};
    QTest::newRow("nieznana opcja") << QStringList{"ksef", "@/dobry.FAK", "-o", "@/x.xml", "--xml"} << 1
                                    << "Nieznana opcja --xml." << QStringList{};
    QTest::newRow("zła data korygowanej") << QStringList{"ksef", "@/korekta.FAK", "-o", "@/x.xml", "--korygowana-data", "32.01.2018"}
                                          << 1 << "Niepoprawna data faktury korygowanej: 32.01.2018" << QStringList{};
    QTest::newRow("brak pliku") << QStringList{"ksef", "@/nie-ma.FAK", "-o", "@/x.xml", "--config", "@/F.ini"} << 3 << "Nie znaleziono pliku faktury"
                                << QStringList{};
    QTest::newRow("brak folderu wyniku") << QStringList{"ksef", "@/dobry.FAK", "-o", "@/nie/ma/x.xml", "--config", "@/F.ini"} << 3
                                         << "Nie można zapisać pliku" << QStringList{};
    QTest::newRow("-d dla wielu") << QStringList{"ksef", "@/dobry.FAK", "@/inny/dobry2.FAK", "-d", "@/xml", "--config", "@/F.ini"} << 0
                                  << QString() << QStringList{"@/xml/dobry.xml", "@/xml/dobry2.xml"};
    QTest::newRow("-d: jedna odmowa, reszta zapisana")
        << QStringList{"ksef", "@/rachunek.FAK", "@/dobry.FAK", "-d", "@/xml2", "--config", "@/F.ini"} << 2 << "nie jest fakturą VAT"
        << QStringList{"@/xml2/dobry.xml"};
    // clang-format on
}

void TstCliKsef::kodyWyjscia()
{
    QFETCH(QStringList, argumenty);
    QFETCH(int, kod);
    QFETCH(QString, komunikat);
    QFETCH(QStringList, wyniki);
    QFile::remove(m_dir.filePath(QStringLiteral("out.xml")));
    argumenty.replaceInStrings(QStringLiteral("@"), m_dir.path());
    const WynikCli w = UruchomCli(argumenty);
    QVERIFY2(w.kod == kod, qPrintable(QString::number(w.kod) + QLatin1Char(' ') + w.bledy));
    QVERIFY2(w.bledy.contains(komunikat), qPrintable(w.bledy));
    if (kod == 2)   // a refusal writes nothing
        for (const QString &n : {QStringLiteral("zly.xml"), QStringLiteral("r.xml"), QStringLiteral("k.xml")})
            QVERIFY(!QFileInfo::exists(m_dir.filePath(n)));
    for (QString p : wyniki) {
        p.replace(QLatin1Char('@'), m_dir.path());
        QString bledy;
        QVERIFY2(Waliduje(p, bledy), qPrintable(p + QLatin1Char(' ') + bledy));
    }
}

QTEST_GUILESS_MAIN(TstCliKsef)
#include "tst_cli_ksef.moc"
