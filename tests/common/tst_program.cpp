#include "common/program.h"
#include "kolumny.h"
#include "pliktymczasowy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TstProgram : public QObject {
    Q_OBJECT
private slots:
    void sciezkaKonfiguracji_data();
    void sciezkaKonfiguracji();
    void katalogProgramu();
    void katalogUzytkownika();
};

namespace {
QString ZSeparatorem(const QString &k) { return QDir::toNativeSeparators(k) + QDir::separator(); }
}   // namespace

void TstProgram::sciezkaKonfiguracji_data()
{
    // the program folder: "" writable and empty, "ini" holds Faktury.ini, "brak" does not
    // exist, or a folder of the system's
    Kolumny<QString, bool>("katalog", "obok");
    QTest::newRow("katalog zapisywalny") << QString() << true;
    QTest::newRow("plik obok") << QStringLiteral("ini") << true;
    QTest::newRow("katalog niezapisywalny") << QStringLiteral("brak") << false;
#ifndef Q_OS_WIN
    QTest::newRow("program z pakietu") << QStringLiteral("/usr/bin/") << false;
#endif
}

void TstProgram::sciezkaKonfiguracji()
{
    QFETCH(QString, katalog);
    QFETCH(bool, obok);
    QTemporaryDir tmp;
    QString program = ZSeparatorem(tmp.path());
    if (katalog == QLatin1String("ini"))
        QVERIFY(PiszBajty(program + QStringLiteral("Faktury.ini"), "[x]\r\n"));
    if (katalog == QLatin1String("brak"))
        program = ZSeparatorem(tmp.path() + QStringLiteral("/brak"));
    if (katalog.startsWith(QLatin1Char('/')))
        program = katalog;
    const QString uzytkownik = ZSeparatorem(tmp.path() + QStringLiteral("/ustawienia/Zentora"));

    const QString sciezka = SciezkaKonfiguracji(program, uzytkownik);
    QCOMPARE(sciezka, (obok ? program : uzytkownik) + QStringLiteral("Faktury.ini"));
    // the settings can be saved there at once, and the probe left nothing behind
    QVERIFY(PiszBajty(sciezka, "[x]\r\n"));
    QCOMPARE(QDir(tmp.path()).entryList({QStringLiteral("*.tmp")}, QDir::Files), QStringList());
}

void TstProgram::katalogProgramu()
{
    const QString k = KatalogProgramu();
    QVERIFY2(k.endsWith(QDir::separator()), qPrintable(k));
    // a local folder has no network form of its own
    QCOMPARE(k, ZSeparatorem(QCoreApplication::applicationDirPath()));
    QCOMPARE(SciezkaSieciowa(QDir::toNativeSeparators(QDir::tempPath())), QDir::toNativeSeparators(QDir::tempPath()));
}

void TstProgram::katalogUzytkownika()
{
    // the editor and zentora-cli share one folder, not one named after each executable
    const QString k = KatalogUstawienUzytkownika();
#ifdef Q_OS_WIN
    QCOMPARE(k, ZSeparatorem(qEnvironmentVariable("APPDATA") + QStringLiteral("\\Zentora")));
#else
    QTemporaryDir tmp;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(tmp.path()));
    QCOMPARE(KatalogUstawienUzytkownika(), ZSeparatorem(tmp.path() + QStringLiteral("/zentora")));
    QVERIFY(k.endsWith(QStringLiteral("/zentora/")));
#endif
}

QTEST_GUILESS_MAIN(TstProgram)
#include "tst_program.moc"
