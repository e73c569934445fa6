// Saves that survive a killed process: the editor and zentora-cli are killed with SIGKILL at
// random moments while they save, again and again; the file on disk must always be the old
// or the new invoice, byte for byte, never a mix or an empty file.

#include "oknotestowe.h"
#include "pliktymczasowy.h"

#include "common/daty.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/types.h>
#include <unistd.h>

namespace {

const char *const kZmiennaDziecka = "ZENTORA_ZAPIS_W_KOLKO";

// The child: the editor saves one invoice over and over, the buyer alternating between two
// names. The two versions are kept once as patterns, then "gotowe" tells the parent that
// any moment from now on is a moment of a save.
int ZapisujWKolko(const QString &plik)
{
    OknoTestowe o;
    o.okno->OtworzProFormeEx(plik);
    const QString wzory[] = {plik + QStringLiteral(".a"), plik + QStringLiteral(".b")};
    for (unsigned i = 0;; ++i) {
        o.Wpisz("EdyFirma", i % 2 ? QStringLiteral("Nabywca B") : QStringLiteral("Nabywca A"));
        o.Wykonaj("AcZapisz");
        if (i < 2 && !QFileInfo::exists(wzory[i]))
            PiszBajty(wzory[i], CzytajBajty(plik));
        if (i == 1) {
            std::fputs("gotowe\n", stdout);
            std::fflush(stdout);
        }
    }
}

// Kills the process after a random part of `najdluzej` milliseconds.
void ZabijWLosowejChwili(QProcess &p, int najdluzej)
{
    QThread::usleep(QRandomGenerator::global()->bounded(quint32(najdluzej) * 1000));
    ::kill(pid_t(p.processId()), SIGKILL);
    p.waitForFinished(10000);
}

}   // namespace

class TstPrzerwanyZapis : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_katalog.isValid()); }
    void narzedzieZabite();
    void edytorZabity();

private:
    QTemporaryDir m_katalog;
};

void TstPrzerwanyZapis::narzedzieZabite()
{
    const QString stary = m_katalog.filePath(QStringLiteral("stary.FAK"));
    const QString nowy = m_katalog.filePath(QStringLiteral("nowy.FAK"));
    const QString cel = m_katalog.filePath(QStringLiteral("cel.FAK"));
    const QByteArray przyklad = CzytajBajty(QStringLiteral(ZENTORA_EXAMPLES "/przyklad.FAK"));
    QVERIFY(PiszBajty(stary, przyklad));
    QVERIFY(PiszBajty(nowy, QByteArray(przyklad).replace("Hurtownia", "Magazyn")));
    // the two invoices share a number, and the folder's duplicate check is not what is tested here
    const QStringList argumenty{QStringLiteral("recompute"), nowy, QStringLiteral("-o"), cel,
                                QStringLiteral("--force")};
    QElapsedTimer zegar;
    zegar.start();
    QVERIFY(QProcess::execute(QStringLiteral(ZENTORA_CLI), argumenty) == 0);
    const int czas = int(zegar.elapsed()) + 5;
    const QByteArray poZapisie = CzytajBajty(cel);
    QVERIFY(poZapisie != przyklad && poZapisie.size() > 100);

    int stare = 0, nowe = 0;
    for (int i = 0; i < 1000; ++i) {
        QVERIFY(PiszBajty(cel, przyklad));
        QProcess p;
        p.start(QStringLiteral(ZENTORA_CLI), argumenty);
        QVERIFY(p.waitForStarted());
        ZabijWLosowejChwili(p, czas);
        const QByteArray teraz = CzytajBajty(cel);
        QVERIFY2(teraz == przyklad || teraz == poZapisie, qPrintable(QStringLiteral("próba %1").arg(i)));
        ++(teraz == przyklad ? stare : nowe);
    }
    // the kills fell before and after the moment of the save, not all on one side
    QVERIFY2(stare > 0 && nowe > 0, qPrintable(QStringLiteral("stare %1, nowe %2").arg(stare).arg(nowe)));
}

void TstPrzerwanyZapis::edytorZabity()
{
    const QString plik = m_katalog.filePath(QStringLiteral("edytor.FAK"));
    QVERIFY(PiszBajty(plik, CzytajBajty(QStringLiteral(ZENTORA_EXAMPLES "/przyklad.FAK"))));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kZmiennaDziecka), plik);
    QSet<QByteArray> wzory;
    for (int i = 0; i < 1000; ++i) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(p.waitForStarted());
        while (!p.canReadLine() && p.state() == QProcess::Running)
            p.waitForReadyRead(10000);
        QVERIFY2(p.readLine() == "gotowe\n", qPrintable(QString::fromLocal8Bit(p.readAllStandardError())));
        if (wzory.isEmpty())
            wzory = {CzytajBajty(plik + QStringLiteral(".a")), CzytajBajty(plik + QStringLiteral(".b"))};
        ZabijWLosowejChwili(p, 10);
        const QByteArray teraz = CzytajBajty(plik);
        QVERIFY2(wzory.contains(teraz), qPrintable(QStringLiteral("próba %1: %2 bajtów").arg(i).arg(teraz.size())));
    }
}

int main(int argc, char **argv)
{
    if (const char *plik = std::getenv(kZmiennaDziecka)) {
        QApplication app(argc, argv);
        return ZapisujWKolko(QString::fromLocal8Bit(plik));
    }
    QApplication app(argc, argv);
    TstPrzerwanyZapis t;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&t, argc, argv);
}

#include "tst_przerwanyzapis.moc"
