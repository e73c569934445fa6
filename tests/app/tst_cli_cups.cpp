// zentora-cli print and printers on a real print system: a CUPS scheduler of the test's own,
// reached through a private socket, with a cups-pdf queue that writes into the test's folder.
// The scheduler's page log names every finished job with its title; cups-pdf leaves one PDF
// a job.
#include "kolumny.h"
#include "print/pdftekst.h"
#include "uruchomcli.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <unistd.h>

namespace {

const QString kPrzyklad = QStringLiteral(ZENTORA_EXAMPLES "/przyklad.FAK");
const QString kKonfiguracja = QStringLiteral(ZENTORA_EXAMPLES "/Faktury.ini");
const QString kKolejka = QStringLiteral("zentora-test");
const QString kTytul = QStringLiteral("FakturaVAT12");
const QString kSterownik = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString kPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");

// In CI the print system is part of the machine: a scheduler that cannot run is a failure.
#define BEZ_CUPS(powod)                                                                                                \
    do {                                                                                                               \
        if (!qEnvironmentVariableIsEmpty("CI"))                                                                        \
            QFAIL(qPrintable(powod));                                                                                  \
        QSKIP(qPrintable(powod));                                                                                      \
    } while (0)

// The queue turns the PDF into PostScript and cups-pdf turns that back into PDF: the pages
// come out as drawn, but letters beyond Latin-1 lose their text on the way. Texts are
// therefore compared on what survives, without spaces, whose widths pdftotext guesses.
QString Litery(const QString &t)
{
    QString w;
    for (const QChar c : t)
        if (c.unicode() > 0x20 && c.unicode() <= 0xFF)
            w += c;
    return w;
}

bool Zapisz(const QString &plik, const QString &tekst)
{
    QFile f(plik);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(tekst.toUtf8()) >= 0;
}

}   // namespace

class TstCliCups : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void wydruk();
    void polecenia_data();
    void polecenia();

private:
    QString Sciezka(const QString &n) const { return m_dir.filePath(n); }
    // Runs a CUPS tool against the test's scheduler; its output, or "<błąd>" and the reason.
    QString Narzedzie(const QString &program, const QStringList &argumenty) const;
    // Titles of the jobs the scheduler has finished, in order.
    QStringList Ukonczone() const;
    bool Czekaj(const std::function<bool()> &warunek, int ms) const;
    QString Dziennik() const;

    // the scheduler's socket lives in here, and a socket's path may not be long
    QTemporaryDir m_dir{(QDir::tempPath().size() < 60 ? QDir::tempPath() : QStringLiteral("/tmp"))
                        + QStringLiteral("/zentora-cups-XXXXXX")};
    QProcessEnvironment m_env;
    QProcess m_cupsd;
    QString m_konfPdf;
};

QString TstCliCups::Narzedzie(const QString &program, const QStringList &argumenty) const
{
    QProcess p;
    p.setProcessEnvironment(m_env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, argumenty);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QStringLiteral("<błąd> %1 %2: %3").arg(program, argumenty.join(' '), QString::fromUtf8(p.readAll()));
    return QString::fromUtf8(p.readAll());
}

QStringList TstCliCups::Ukonczone() const
{
    QFile f(Sciezka(QStringLiteral("log/page_log")));
    QStringList t;
    if (!f.open(QIODevice::ReadOnly))
        return t;
    // "<job> total <title>": one line a finished job
    static const QRegularExpression re(QStringLiteral("^(\\d+) total (.*)$"), QRegularExpression::MultilineOption);
    for (auto it = re.globalMatch(QString::fromUtf8(f.readAll())); it.hasNext();)
        t.append(it.next().captured(2).trimmed());
    return t;
}

bool TstCliCups::Czekaj(const std::function<bool()> &warunek, int ms) const
{
    QElapsedTimer t;
    t.start();
    while (!warunek()) {
        if (t.elapsed() > ms)
            return false;
        QThread::msleep(200);
    }
    return true;
}

QString TstCliCups::Dziennik() const
{
    QFile f(Sciezka(QStringLiteral("log/error_log")));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll().right(3000)) : QString();
}

void TstCliCups::initTestCase()
{
    const QString cupsd = QStandardPaths::findExecutable(QStringLiteral("cupsd"), {"/usr/sbin", "/sbin"});
    if (cupsd.isEmpty() || !QFile::exists(kSterownik) || !QFile::exists(kPpd))
        BEZ_CUPS("CUPS z cups-pdf nie jest zainstalowany (pakiety cups, printer-driver-cups-pdf).");
    // cups-pdf runs only as root, so only a scheduler started by root can drive it, and it reads
    // its settings from /etc/cups alone.
    if (geteuid() != 0)
        BEZ_CUPS("Sterownik cups-pdf działa tylko pod serwerem CUPS uruchomionym przez roota.");
    // A confined cupsd may touch only the system's own folders, not those of this test.
    QFile profile(QStringLiteral("/sys/kernel/security/apparmor/profiles"));
    if (profile.open(QIODevice::ReadOnly) && profile.readAll().contains("cupsd (enforce)"))
        BEZ_CUPS("AppArmor zamyka cupsd w folderach systemu (aa-complain /usr/sbin/cupsd to zmienia).");
    QVERIFY(m_dir.isValid());
    // the scheduler's own user runs the filters and must reach the spool below this folder
    QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                            | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                            | QFileDevice::ExeOther);
    for (const char *d : {"spool/tmp", "cache", "state", "log", "out", "pdfspool"})
        QVERIFY(QDir(m_dir.path()).mkpath(QString::fromLatin1(d)));

    const QString gniazdo = Sciezka(QStringLiteral("cups.sock"));
    QVERIFY(Zapisz(Sciezka(QStringLiteral("cupsd.conf")),
                   QStringLiteral("Listen %1\n"
                                  "Browsing No\n"
                                  "BrowseLocalProtocols none\n"
                                  "DefaultAuthType None\n"
                                  "WebInterface No\n"
                                  "LogLevel info\n"
                                  "MaxLogSize 0\n"
                                  "PageLogFormat %j %P %{job-name}\n"
                                  "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                  "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                       .arg(gniazdo)));
    QVERIFY(Zapisz(Sciezka(QStringLiteral("cups-files.conf")), QStringLiteral("ServerRoot %1\n"
                                                                              "RequestRoot %1/spool\n"
                                                                              "TempDir %1/spool/tmp\n"
                                                                              "CacheDir %1/cache\n"
                                                                              "StateDir %1/state\n"
                                                                              "AccessLog %1/log/access_log\n"
                                                                              "ErrorLog %1/log/error_log\n"
                                                                              "PageLog %1/log/page_log\n"
                                                                              "Printcap %1/printcap\n"
                                                                              "User lp\n"
                                                                              "Group lp\n"
                                                                              "SystemGroup root\n")
                                                                   .arg(m_dir.path())));
    // cups-pdf takes the settings of a queue from /etc/cups/cups-pdf-<name>.conf, <name> being
    // the path of its device address; the name of this run keeps other runs' settings apart.
    const QString instancja = QStringLiteral("zentora%1").arg(QCoreApplication::applicationPid());
    m_konfPdf = QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(instancja);
    if (!Zapisz(m_konfPdf, QStringLiteral("Out %1/out\nAnonDirName %1/out\nSpool %1/pdfspool\nLabel 2\nTitlePref 1\n"
                                          "Grp lp\n")
                               .arg(m_dir.path())))
        BEZ_CUPS(QStringLiteral("Nie można zapisać %1.").arg(m_konfPdf));

    // Every client of this test talks to this scheduler only, with none of the machine's own
    // client settings or default printer.
    m_env = QProcessEnvironment::systemEnvironment();
    m_env.insert(QStringLiteral("CUPS_SERVER"), gniazdo);
    m_env.insert(QStringLiteral("CUPS_SERVERROOT"), m_dir.path());
    m_env.insert(QStringLiteral("HOME"), m_dir.path());
    for (const char *z : {"PRINTER", "LPDEST", "CUPS_USER", "CUPS_ENCRYPTION"})
        m_env.remove(QString::fromLatin1(z));

    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(
        cupsd, {"-f", "-c", Sciezka(QStringLiteral("cupsd.conf")), "-s", Sciezka(QStringLiteral("cups-files.conf"))});
    if (!m_cupsd.waitForStarted(10000))
        BEZ_CUPS(QStringLiteral("Nie można uruchomić %1: %2").arg(cupsd, m_cupsd.errorString()));
    const bool dziala = Czekaj(
        [&] {
            return m_cupsd.state() == QProcess::Running
                   && Narzedzie(QStringLiteral("lpstat"), {"-r"}).contains(QLatin1String("scheduler is running"));
        },
        30000);
    if (!dziala)
        BEZ_CUPS(
            QStringLiteral("Serwer CUPS nie ruszył: %1\n%2").arg(QString::fromUtf8(m_cupsd.readAll()), Dziennik()));

    // pdftocairo makes PostScript whose text Ghostscript can read back; the other renderers
    // leave glyphs without their letters
    const QString dodaj =
        Narzedzie(QStringLiteral("lpadmin"), {"-p", kKolejka, "-E", "-v", "cups-pdf:/" + instancja, "-P", kPpd, "-o",
                                              "pdftops-renderer-default=pdftocairo"});
    QVERIFY2(!dodaj.startsWith(QLatin1String("<błąd>")), qPrintable(dodaj + Dziennik()));
    const QString domyslna = Narzedzie(QStringLiteral("lpadmin"), {"-d", kKolejka});
    QVERIFY2(!domyslna.startsWith(QLatin1String("<błąd>")), qPrintable(domyslna));
}

void TstCliCups::cleanupTestCase()
{
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(15000)) {
            m_cupsd.kill();
            m_cupsd.waitForFinished(5000);
        }
    }
    if (!m_konfPdf.isEmpty())
        QFile::remove(m_konfPdf);
}

void TstCliCups::wydruk()
{
    const int przed = Ukonczone().size();
    const QStringList poprzednie = QDir(Sciezka(QStringLiteral("out"))).entryList({"*.pdf"}, QDir::Files);
    // Held in the queue, the two copies show as the spooler lists them: two jobs, each titled.
    QVERIFY(!Narzedzie(QStringLiteral("cupsdisable"), {kKolejka}).startsWith(QLatin1String("<błąd>")));
    const WynikCli w = UruchomCli(
        {"print", kPrzyklad, "--config", kKonfiguracja, "--copies", "2", "--duplicate", "10.04.2018"}, m_env);
    const QString czekajace = Narzedzie(QStringLiteral("lpstat"), {"-o", kKolejka});
    QVERIFY(!Narzedzie(QStringLiteral("cupsenable"), {kKolejka}).startsWith(QLatin1String("<błąd>")));
    QVERIFY2(w.kod == 0, qPrintable(w.bledy));
    QCOMPARE(w.bledy, QString());
    QCOMPARE(w.wyjscie, kPrzyklad + QStringLiteral(": 2 z 2 egz. na drukarce ") + kKolejka + QLatin1Char('\n'));
    QCOMPARE(czekajace.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), 2);

    QVERIFY2(Czekaj([&] { return Ukonczone().size() >= przed + 2; }, 120000),
             qPrintable(Narzedzie(QStringLiteral("lpstat"), {"-l", "-o"}) + Dziennik()));
    QCOMPARE(Ukonczone().mid(przed), (QStringList{kTytul, kTytul}));

    QStringList pdfy = QDir(Sciezka(QStringLiteral("out"))).entryList({"*.pdf"}, QDir::Files, QDir::Name);
    for (const QString &p : poprzednie)
        pdfy.removeAll(p);
    QCOMPARE(pdfy.size(), 2);
    for (const QString &n : pdfy) {
        const QString plik = Sciezka(QStringLiteral("out/") + n);
        QCOMPARE(PdfStrony(plik), 1);
        const QString t = PdfTekst(plik);
        // the duplicate block right below the title, then the invoice's own texts in order
        const QString oczekiwane = Litery(QString::fromUtf8(
            "Faktura numer: 12/FV/2018 ( Duplikat ) Data wystawienia duplikatu: 10.04.2018 Sklep Przykładowy "
            "Data wystawienia: 05.03.2018"));
        QVERIFY2(Litery(t).startsWith(oczekiwane), qPrintable(t));
        for (const char *s :
             {"NABYWCA: Hurtownia Przykładowa", "ul. Polna 7 60-101 Poznań", "NIP: 123-456-78-90",
              "1 Papier A4 ryza 3 12,35 37,05 23 8,52 45,57", "Razem: 139,03 ----- 8,68 147,71", "Do zapłaty: 147,71",
              "SŁOWNIE ZŁOTYCH: sto czterdzieści siedem i siedemdziesiąt jeden groszy"})
            QVERIFY2(Litery(t).contains(Litery(QString::fromUtf8(s))), qPrintable(QString::fromUtf8(s) + " w:\n" + t));
    }
}

void TstCliCups::polecenia_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("przed");   // a CUPS tool and its arguments, run first
    Kolumny<QStringList, int>("argumenty", "kod");
    QTest::addColumn<QString>("wyjscie");     // a line of stdout
    QTest::addColumn<QStringList>("bledy");   // lines of stderr
    QTest::addColumn<QStringList>("po");      // a CUPS tool run afterwards

    const QStringList druk{"print", kPrzyklad, "--config", kKonfiguracja};
    QTest::newRow("printers") << QStringList() << QStringList{"printers"} << 0 << kKolejka + "  (domyślna)"
                              << QStringList() << QStringList();
    QTest::newRow("printers --json") << QStringList() << QStringList{"printers", "--json"} << 0
                                     << QStringLiteral("        \"nazwa\": \"%1\",").arg(kKolejka) << QStringList()
                                     << QStringList();
    QTest::newRow("nieznana drukarka")
        << QStringList() << druk + QStringList{"--printer", "nie-ma-takiej"} << 3 << QString()
        << QStringList{"Nie ma drukarki \"nie-ma-takiej\".", "Dostępne drukarki:", "  " + kKolejka + "  (domyślna)"}
        << QStringList();
    // an empty name is a mistake, not a request for the default printer
    QTest::newRow("pusta nazwa drukarki") << QStringList() << druk + QStringList{"--printer", ""} << 1 << QString()
                                          << QStringList{"Opcja --printer wymaga nazwy drukarki."} << QStringList();
    QTest::newRow("brak pliku") << QStringList() << QStringList{"print", "nie-ma.FAK", "--printer", kKolejka} << 3
                                << QString() << QStringList{"nie-ma.FAK: Nie znaleziono pliku faktury \"nie-ma.FAK\"."} << QStringList();
    // CUPS takes the document over from Qt without Qt asking whether it was accepted
    QTest::newRow("kolejka odrzuca zadania")
        << QStringList{"cupsreject", kKolejka} << druk + QStringList{"--printer", kKolejka} << 3
        << kPrzyklad + ": 0 z 1 egz. na drukarce " + kKolejka
        << QStringList{"Drukarka \"" + kKolejka + "\" nie przyjęła dokumentu:"} << QStringList{"cupsaccept", kKolejka};
    // clang-format on
}

void TstCliCups::polecenia()
{
    QFETCH(QStringList, przed);
    QFETCH(QStringList, argumenty);
    QFETCH(int, kod);
    QFETCH(QString, wyjscie);
    QFETCH(QStringList, bledy);
    QFETCH(QStringList, po);
    if (!przed.isEmpty())
        QVERIFY(!Narzedzie(przed.first(), przed.mid(1)).startsWith(QLatin1String("<błąd>")));
    const WynikCli w = UruchomCli(argumenty, m_env);
    if (!po.isEmpty())
        QVERIFY(!Narzedzie(po.first(), po.mid(1)).startsWith(QLatin1String("<błąd>")));
    QVERIFY2(w.kod == kod, qPrintable(w.wyjscie + w.bledy));
    const QStringList linie = w.wyjscie.split(QLatin1Char('\n'));
    QVERIFY2(wyjscie.isEmpty() ? w.wyjscie.isEmpty() : linie.contains(wyjscie), qPrintable(w.wyjscie));
    const QStringList linieBledow = w.bledy.split(QLatin1Char('\n'));
    for (const QString &b : bledy)
        QVERIFY2(linieBledow.contains(b), qPrintable(w.bledy));
    if (bledy.isEmpty())
        QCOMPARE(w.bledy, QString());
    // nothing of a refused print reaches the queue
    QCOMPARE(Narzedzie(QStringLiteral("lpstat"), {"-o"}), QString());
}

QTEST_GUILESS_MAIN(TstCliCups)
#include "tst_cli_cups.moc"
