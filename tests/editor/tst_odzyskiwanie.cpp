// Nothing lost: the recovery copy (an editor killed with an unsaved invoice leaves it, the
// next start asks, and the invoice comes back under its file name, marked as changed, or the
// copy goes), and one editor per file (a second window shows the file read-only).

#include "oknotestowe.h"
#include "pliktymczasowy.h"

#include "invoice/kopiaodzysku.h"
#include "invoice/plikfaktury.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QProcess>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/types.h>

namespace {

const char *const kZmiennaDziecka = "ZENTORA_ODZYSK_DZIECKO";

// The child: an opened invoice with a new buyer typed and left unsaved; "gotowe" once the
// copy is on disk, then it waits to be killed.
int EdytujIczekaj(const QString &folder, const QString &plik)
{
    OknoTestowe o;
    o.okno->UstawKopieOdzysku(folder);
    o.okno->OtworzProFormeEx(plik);
    o.Wpisz("EdyFirma", QStringLiteral("Odzyskany Nabywca"));
    for (int i = 0; i < 500 && QDir(folder).entryList({QStringLiteral("odzysk-*.FAK")}).isEmpty(); ++i)
        QTest::qWait(10);
    std::fputs("gotowe\n", stdout);
    std::fflush(stdout);
    for (;;)
        QTest::qWait(1000);
}

}   // namespace

class TstOdzyskiwanie : public QObject {
    Q_OBJECT
private slots:
    void poZabiciu_data();
    void poZabiciu();
    void zwykleZamkniecieUsuwaKopie();
    void jedenEdytorNaPlik();
};

void TstOdzyskiwanie::poZabiciu_data()
{
    QTest::addColumn<bool>("przywroc");
    QTest::newRow("przywrócona") << true;
    QTest::newRow("odrzucona") << false;
}

void TstOdzyskiwanie::poZabiciu()
{
    QFETCH(bool, przywroc);
    QTemporaryDir katalog;
    const QString folder = katalog.filePath(QStringLiteral("stan"));
    const QString plik = katalog.filePath(QStringLiteral("f.FAK"));
    QVERIFY(PiszBajty(plik, CzytajBajty(QStringLiteral(ZENTORA_EXAMPLES "/przyklad.FAK"))));

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kZmiennaDziecka), folder + QLatin1Char(';') + plik);
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(p.waitForStarted());
    while (!p.canReadLine() && p.state() == QProcess::Running)
        p.waitForReadyRead(10000);
    QCOMPARE(p.readLine(), QByteArray("gotowe\n"));
    ::kill(pid_t(p.processId()), SIGKILL);
    QVERIFY(p.waitForFinished());
    QCOMPARE(TkopiaOdzysku::Porzucone(folder).size(), 1);

    // the next start
    OknoTestowe o;
    o.prezenter.odpowiedzi = {przywroc ? idYes : idNo};
    o.okno->UstawKopieOdzysku(folder);
    o.okno->START(0, &o.adres, o.ini);
    QCOMPARE(o.prezenter.pokazane.size(), 1);
    QVERIFY2(o.prezenter.ostatni().contains(QStringLiteral("\"f.FAK\"")), qPrintable(o.prezenter.ostatni()));
    QVERIFY(TkopiaOdzysku::Porzucone(folder).isEmpty());
    const TzentoraVat &f = o.okno->FakturaZEkranu();
    if (przywroc) {
        QCOMPARE(f.KupFirma, QStringLiteral("Odzyskany Nabywca"));
        QCOMPARE(o.okno->NazwaRobocza(), QStringLiteral("f.FAK"));
        QCOMPARE(o.okno->windowTitle(), QStringLiteral(" Zentora:  \"f.FAK\""));
        QVERIFY(!FakturyRowne(f, o.okno->FakturaWzorcowa()));   // marked as changed
    } else {
        QVERIFY(f.KupFirma.isEmpty());
        QVERIFY(o.okno->NazwaRobocza().isEmpty());
    }
    QCOMPARE(CzytajBajty(plik), CzytajBajty(QStringLiteral(ZENTORA_EXAMPLES "/przyklad.FAK")));
}

void TstOdzyskiwanie::zwykleZamkniecieUsuwaKopie()
{
    // a copy follows the unsaved changes, goes with a save, and a closed window leaves none
    QTemporaryDir katalog;
    const QString folder = katalog.filePath(QStringLiteral("stan"));
    OknoTestowe o;
    o.okno->UstawKopieOdzysku(folder);
    const auto kopie = [&] { return QDir(folder).entryList({QStringLiteral("odzysk-*.FAK")}); };
    o.Wpisz("EdyFirma", QStringLiteral("Nabywca"));
    QTRY_COMPARE(kopie().size(), 1);
    o.nazwyPlikow = {o.Plik(QStringLiteral("z.FAK"))};
    o.Wykonaj("AcZapisz");
    QTRY_VERIFY(kopie().isEmpty());
    o.Wpisz("EdyFirma", QStringLiteral("Inny nabywca"));
    QTRY_COMPARE(kopie().size(), 1);
    o.prezenter.odpowiedzi = {idOK};   // discard the changes
    o.okno->close();
    QVERIFY(kopie().isEmpty());
}

void TstOdzyskiwanie::jedenEdytorNaPlik()
{
    OknoTestowe a, b;
    const QString plik = a.Plik(QStringLiteral("f.FAK"));
    const QString blokada = a.Plik(QStringLiteral(".f.FAK.lock"));
    QVERIFY(PiszBajty(plik, CzytajBajty(QStringLiteral(ZENTORA_EXAMPLES "/przyklad.FAK"))));
    // a lock left by an editor that no longer runs is taken over: one of this process's
    // locks with the number of a process that has ended
    QByteArray martwa;
    {
        QLockFile l(blokada);
        QVERIFY(l.tryLock(0));
        martwa = CzytajBajty(blokada);
    }
    QProcess zakonczony;
    zakonczony.start(QStringLiteral("true"), {});
    const qint64 pid = zakonczony.processId();
    QVERIFY(zakonczony.waitForFinished());
    martwa.replace(0, martwa.indexOf('\n'), QByteArray::number(pid));
    QVERIFY(PiszBajty(blokada, martwa));
    a.okno->OtworzProFormeEx(plik);
    QVERIFY2(b.prezenter.pokazane.isEmpty(), qPrintable(b.prezenter.ostatni()));   // b's presenter is the active one
    QVERIFY(!Kontrolka<QLineEdit>(*a.okno, "EdyFirma")->isReadOnly());

    // the second window says who holds it and shows it read-only; saving over it is refused
    b.okno->OtworzProFormeEx(plik);
    QVERIFY2(b.prezenter.ostatni().contains(QStringLiteral("jest otwarty w innym oknie programu Zentora (proces %1")
                                                .arg(QCoreApplication::applicationPid())),
             qPrintable(b.prezenter.ostatni()));
    QVERIFY(Kontrolka<QLineEdit>(*b.okno, "EdyFirma")->isReadOnly());
    QVERIFY(Kontrolka<QLabel>(*b.okno, "LabTylkoOdczyt")->text().contains(QStringLiteral("innym oknie")));
    b.Wykonaj("AcZapisz");
    QVERIFY(b.prezenter.ostatni().startsWith(QStringLiteral("Plik  \"f.FAK\"  jest otwarty w innym oknie")));
    // under a name of its own it is a copy that this window holds
    b.nazwyPlikow = {b.Plik(QStringLiteral("kopia.FAK"))};
    b.Wykonaj("AcZapiszJako");
    QCOMPARE(b.okno->NazwaRobocza(), QStringLiteral("kopia.FAK"));
    QVERIFY(!Kontrolka<QLineEdit>(*b.okno, "EdyFirma")->isReadOnly());
    // once the first window lets the file go, it opens for editing
    a.Wykonaj("AcNowa");
    b.okno->OtworzProFormeEx(plik);
    QVERIFY(!Kontrolka<QLineEdit>(*b.okno, "EdyFirma")->isReadOnly());
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (const char *dziecko = std::getenv(kZmiennaDziecka)) {
        const QStringList czesci = QString::fromLocal8Bit(dziecko).split(QLatin1Char(';'));
        return EdytujIczekaj(czesci.value(0), czesci.value(1));
    }
    TstOdzyskiwanie t;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&t, argc, argv);
}

#include "tst_odzyskiwanie.moc"
