#include "invoice/ksef.h"
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
#ifdef Q_OS_WIN
    // xmllint is the build machine's: tests/windows/test-windows.sh validates the Windows build's XML
    Q_UNUSED(plik);
    bledy.clear();
    return true;
#endif
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
    void zapisanyNumerZamyka();

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
    // a full one: what it corrects, and the rows as signed differences
    QByteArray pelna = korekta;
    pelna.replace("|ryza|3|", "|ryza|-3|").replace("|kurs|2|", "|kurs|-2|").replace("|godz.|1|", "|godz.|-1|");
    pelna.replace("[Pozycje]", "[Korekta]\r\nDataKorygowanej=01.03.2018\r\nPrzyczyna=Zwrot towaru\r\n\r\n[Pozycje]");
    QByteArray zlyNumer = pelna;
    zlyNumer.replace("Przyczyna=", "KsefKorygowanej=9876543210-20260301-0100001AF629-00\r\nPrzyczyna=");
    QByteArray bezPodstawy = dobry;
    bezPodstawy.replace("PodstawaZwolnienia=art. 43 ust. 1 pkt 29 ustawy o VAT\r\n", "");
    QByteArray zlaStawka = dobry;
    zlaStawka.replace("tresc2=|kurs|2|0,99|1,98|8|", "tresc2=|kurs|2|0,99|1,98|7|");
    const std::pair<const char *, QByteArray> pliki[] = {
        {"dobry.FAK", dobry},
        {"rachunek.FAK", rachunek},
        {"korekta.FAK", korekta},
        {"pelna.FAK", pelna},
        {"zlynumer.FAK", zlyNumer},
        {"stawka.FAK", zlaStawka},
        {"obciety.FAK", dobry.left(dobry.indexOf("towar2="))},
        {"bezpodstawy.FAK", bezPodstawy},
        {"F.ini", Crlf("[KSeF]\nPodstawaZwolnienia=art. 113 ust. 1 ustawy o VAT\n\n")}};
    QDir().mkpath(m_dir.filePath(QStringLiteral("inny")));
    QVERIFY(PiszBajty(m_dir.filePath(QStringLiteral("inny/dobry2.FAK")), dobry));
    // each invoice with a number of its own: one folder holds them all
    int numer = 20;
    for (const auto &[n, b] : pliki)
        QVERIFY(PiszBajty(m_dir.filePath(QLatin1String(n)),
                          QByteArray(b).replace("NrFakt=12", "NrFakt=" + QByteArray::number(numer++))));
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
    QTest::newRow("korekta bez daty i przyczyny") << QStringList{"ksef", "@/korekta.FAK", "-o", "@/k.xml", "--config", "@/F.ini"} << 2
                                      << "Brakuje: data korygowanej faktury, przyczyna korekty." << QStringList{};
    QTest::newRow("korekta pełna") << QStringList{"ksef", "@/pelna.FAK", "-o", "@/out.xml", "--config", "@/F.ini"}
                                   << 0 << QString() << wynik;
    QTest::newRow("korekta, zły numer KSeF") << QStringList{"ksef",  "@/zlynumer.FAK", "-o", "@/k.xml", "--config", "@/F.ini"}
                                             << 2 << "ma błędną sumę kontrolną" << QStringList{};
    QTest::newRow("bez podstawy zwolnienia") << QStringList{"ksef", "@/bezpodstawy.FAK", "-o", "@/p.xml", "--config",
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
    QTest::newRow("dawna opcja daty korygowanej") << QStringList{"ksef", "@/pelna.FAK", "-o", "@/x.xml", "--korygowana-data", "01.03.2018"}
                                                  << 1 << "Nieznana opcja --korygowana-data." << QStringList{};
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

// The export and the number are in the invoice file at once; a numbered invoice is final.
void TstCliKsef::zapisanyNumerZamyka()
{
    const QString fak = m_dir.filePath(QStringLiteral("zapis.FAK"));
    const QString xml = m_dir.filePath(QStringLiteral("zapis.xml"));
    const QString ini = m_dir.filePath(QStringLiteral("F.ini"));
    // a copy of dobry.FAK under a number of its own
    QVERIFY(PiszBajty(fak, CzytajBajty(m_dir.filePath(QStringLiteral("dobry.FAK"))).replace("NrFakt=20", "NrFakt=99")));
    QCOMPARE(UruchomCli({QStringLiteral("ksef"), fak, QStringLiteral("-o"), xml, QStringLiteral("--config"), ini,
                         QStringLiteral("--zapisz")})
                 .kod,
             0);
    QByteArray zapisany = CzytajBajty(fak);
    QVERIFY(zapisany.contains("\r\nSkrot=" + SkrotKsef(CzytajBajty(xml)).toLatin1() + "\r\n"));
    QVERIFY(zapisany.contains("\r\nNip=9876543210\r\n"));

    QString numer = QStringLiteral("9876543210-20260115-0100001AF629");
    numer += QStringLiteral("-%1").arg(Crc8Ksef(numer.toLatin1()), 2, 16, QLatin1Char('0')).toUpper();
    QCOMPARE(UruchomCli({QStringLiteral("ksef-numer"), fak, numer, QStringLiteral("--config"), ini}).kod, 0);
    zapisany = CzytajBajty(fak);
    QVERIFY(zapisany.contains("\r\nNumer=" + numer.toLatin1() + "\r\n"));

    QVERIFY(QFile::remove(xml));
    const WynikCli w = UruchomCli({QStringLiteral("ksef"), fak, QStringLiteral("-o"), xml, QStringLiteral("--config"),
                                   ini, QStringLiteral("--zapisz")});
    QCOMPARE(w.kod, 2);
    QVERIFY2(w.bledy.contains(QStringLiteral("ma już numer KSeF")), qPrintable(w.bledy));
    QVERIFY(!QFileInfo::exists(xml));
    QCOMPARE(CzytajBajty(fak), zapisany);
}

QTEST_GUILESS_MAIN(TstCliKsef)
#include "tst_cli_ksef.moc"
