// Saving onto a disk that refuses: a read-only folder, a full file system, a folder where
// the file should be. Every save must fail with a message that names the file, leave the
// previous file as it was byte for byte and leave no temporary files behind. Reading a file
// that has vanished or been cut short must say so and not pass for an invoice.
//
// Run as root, the test works in a mount namespace of its own on a small tmpfs (full or
// remounted read-only); otherwise it uses folder permissions and a file-size limit.

#include "fakturaprzykladowa.h"
#include "kolumny.h"
#include "pliktymczasowy.h"
#include "prezentertestowy.h"

#include "common/bledy.h"
#include "invoice/konfiguracja.h"
#include "invoice/plikfaktury.h"
#include "print/wydrukfaktury.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

enum Awaria { TylkoOdczyt, PelnyDysk, Katalog };
enum Zapis { ZapisFaktury, ZapisKonfiguracji, ZapisPdf };

// A folder on its own small file system when that can be had.
class Folder {
public:
    explicit Folder(bool montuj)
    {
        sciezka = katalog.filePath(QStringLiteral("dysk"));
        QDir().mkpath(sciezka);
        zamontowany = montuj && mount("zentora", qPrintable(sciezka), "tmpfs", 0, "size=512k") == 0;
    }
    ~Folder()
    {
        if (zamontowany)
            umount2(qPrintable(sciezka), MNT_DETACH);
        else
            QFile::setPermissions(sciezka, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    QString Plik(const QString &nazwa) const { return sciezka + QLatin1Char('/') + nazwa; }

    QTemporaryDir katalog;
    QString sciezka;
    bool zamontowany = false;
};

// Fills the rest of a file system; the filler goes with the folder.
void Zapelnij(const QString &plik)
{
    QFile f(plik);
    if (!f.open(QIODevice::WriteOnly))
        return;
    const QByteArray blok(4096, 'x');
    while (f.write(blok) == blok.size() && f.flush()) {
    }
}

}   // namespace

class TstAwarie : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void zapisOdmowiony_data();
    void zapisOdmowiony();
    void odczytUszkodzonego_data();
    void odczytUszkodzonego();

private:
    bool m_wlasnePrzestrzenie = false;
};

void TstAwarie::initTestCase()
{
    // Mounts made in a namespace of our own vanish with the process, whatever happens to it.
    m_wlasnePrzestrzenie =
        geteuid() == 0 && unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    std::signal(SIGXFSZ, SIG_IGN);   // a write over the size limit then fails with EFBIG
}

void TstAwarie::zapisOdmowiony_data()
{
    Kolumny<int, int>("zapis", "awaria");
    const char *zapisy[] = {"faktura", "konfiguracja", "pdf"};
    const char *awarie[] = {"tylko do odczytu", "pelny dysk", "katalog zamiast pliku"};
    for (int z : {ZapisFaktury, ZapisKonfiguracji, ZapisPdf})
        for (int a : {TylkoOdczyt, PelnyDysk, Katalog})
            QTest::addRow("%s, %s", zapisy[z], awarie[a]) << z << a;
}

void TstAwarie::zapisOdmowiony()
{
    QFETCH(int, zapis);
    QFETCH(int, awaria);
    Folder folder(m_wlasnePrzestrzenie && awaria != Katalog);
    const QString nazwa = zapis == ZapisFaktury        ? QStringLiteral("f.FAK")
                          : zapis == ZapisKonfiguracji ? QStringLiteral("Faktury.ini")
                                                       : QStringLiteral("f.pdf");
    const QString plik = folder.Plik(nazwa);

    // what was there before
    TzentoraVat f = FakturaPrzykladowa();
    TiniZentora ini;
    ini.iniSymbol = QStringLiteral("FV");
    if (awaria == Katalog) {
        QVERIFY(QDir().mkpath(plik));
        QVERIFY(PiszBajty(plik + QStringLiteral("/w-srodku.txt"), "zostaje"));
    } else if (zapis == ZapisFaktury) {
        ZapiszFakture(plik, f);
    } else if (zapis == ZapisKonfiguracji) {
        ZapiszParametry(plik, ini);
    } else {
        QVERIFY(PiszBajty(plik, "%PDF-1.4 poprzedni wydruk\n%%EOF\n"));
    }
    const QByteArray przed = awaria == Katalog ? QByteArray() : CzytajBajty(plik);
    const QStringList plikiPrzed =
        QDir(folder.sciezka).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    rlimit staryLimit{};
    getrlimit(RLIMIT_FSIZE, &staryLimit);
    if (awaria == TylkoOdczyt) {
        if (folder.zamontowany)
            QCOMPARE(mount(nullptr, qPrintable(folder.sciezka), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
        else
            QFile::setPermissions(folder.sciezka, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFileInfo(folder.sciezka).isWritable())
            QSKIP("Ten użytkownik pisze i w folderze tylko do odczytu, a montowanie jest niedostępne.");
    } else if (awaria == PelnyDysk) {
        if (folder.zamontowany) {
            Zapelnij(folder.Plik(QStringLiteral(".wypelnienie")));
        } else {
            rlimit limit = staryLimit;
            limit.rlim_cur = 64;   // less than any of the three files
            setrlimit(RLIMIT_FSIZE, &limit);
        }
    }

    f.KupFirma = QStringLiteral("Zupełnie inny nabywca, którego nie ma gdzie zapisać");
    ini.iniSymbol = QStringLiteral("ZMIANA");
    PrezenterTestowy prezenter;
    QString komunikat;
    try {
        if (zapis == ZapisFaktury)
            ZapiszFakture(plik, f);
        else if (zapis == ZapisKonfiguracji)
            ZapiszParametry(plik, ini);
        else
            DrukujDoPdf(plik, f, ini, 1, false);
        komunikat = QStringLiteral("<zapis się udał>");
    } catch (const EMojeBledy &e) {
        komunikat = e.komunikat();
    } catch (const ECichyAbort &) {
        komunikat = prezenter.ostatni();
    }
    setrlimit(RLIMIT_FSIZE, &staryLimit);
    if (folder.zamontowany && awaria == TylkoOdczyt)
        QCOMPARE(mount(nullptr, qPrintable(folder.sciezka), nullptr, MS_REMOUNT, nullptr), 0);
    QFile::remove(folder.Plik(QStringLiteral(".wypelnienie")));

    QVERIFY2(komunikat.startsWith(QStringLiteral("Nie można zapisać pliku"))
                 || komunikat.startsWith(QStringLiteral("Nie można odczytać pliku")),
             qPrintable(komunikat));
    QVERIFY2(komunikat.contains(QDir::toNativeSeparators(plik)), qPrintable(komunikat));
    if (awaria == Katalog) {
        QVERIFY(QFileInfo(plik).isDir());
        QCOMPARE(CzytajBajty(plik + QStringLiteral("/w-srodku.txt")), QByteArray("zostaje"));
    } else {
        QCOMPARE(CzytajBajty(plik), przed);
    }
    QFile::setPermissions(folder.sciezka, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(QDir(folder.sciezka).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), plikiPrzed);
}

void TstAwarie::odczytUszkodzonego_data()
{
    // clang-format off
    // bytes of the example kept; -1: the file is gone, -2: a folder took its place
    Kolumny<int, QString>("dlugosc", "poczatek");
    QTest::newRow("plik zniknął") << -1 << QStringLiteral("Nie znaleziono pliku faktury \"");
    QTest::newRow("folder zamiast pliku") << -2 << QStringLiteral("Nie znaleziono pliku faktury \"");
    QTest::newRow("pusty") << 0 << QStringLiteral("Plik \"");
    QTest::newRow("urwany w pierwszym wierszu") << 9 << QStringLiteral("Plik \"");
    // clang-format on
}

void TstAwarie::odczytUszkodzonego()
{
    QFETCH(int, dlugosc);
    QFETCH(QString, poczatek);
    QTemporaryDir katalog;
    const QString plik = katalog.filePath(QStringLiteral("f.FAK"));
    if (dlugosc >= 0)
        QVERIFY(PiszBajty(plik, CzytajBajty(QStringLiteral(ZENTORA_EXAMPLES "/przyklad.FAK")).left(dlugosc)));
    else if (dlugosc == -2)
        QVERIFY(QDir().mkpath(plik));
    TzentoraVat f = FakturaPrzykladowa();
    try {
        CzytajFakture(plik, f);
        QFAIL("uszkodzony plik przeczytany jak faktura");
    } catch (const EMojeBledy &e) {
        QVERIFY2(e.komunikat().startsWith(poczatek), qPrintable(e.komunikat()));
    }
    if (dlugosc < 0)
        QVERIFY(FakturyRowne(f, FakturaPrzykladowa()));   // nothing was taken from a file that is not there
}

QTEST_MAIN(TstAwarie)
#include "tst_awarie.moc"
