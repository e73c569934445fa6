#include "program.h"

#include "daty.h"
#include "teksty.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
double g_dataDzis = 0;
bool g_dataUstawiona = false;
QString g_tytul = QStringLiteral("Zentora");
}   // namespace

int NrIkonyProgramu = 0;
std::function<void(QObject *)> ProcPrzypiszPopup;
std::function<bool(QObject *, QObject *, double &, double)> ProcKalkulator;
std::function<bool(QObject *, QObject *, QString &)> ProcKalendarz;

void InicjujProgram()
{
    if (!g_dataUstawiona) {
        const QDate d = QDate::currentDate();
        UstawDateDzis(KodujDate(d.year(), d.month(), d.day(), 0));
    }
}

QString KatalogProgramu()
{
    QString k = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return ZUkosnikiem(QDir::toNativeSeparators(k));
}

double DataDzis()
{
    if (!g_dataUstawiona)
        InicjujProgram();
    return g_dataDzis;
}

void UstawDateDzis(double data)
{
    g_dataDzis = data;
    g_dataUstawiona = true;
}

QString TytulAplikacji() { return g_tytul; }
void UstawTytulAplikacji(const QString &tytul) { g_tytul = tytul; }

QString DomyslnaSciezkaKonfiguracji()
{
    QString obok = KatalogProgramu() + QStringLiteral("Faktury.ini");
    if (QFileInfo::exists(obok) || QFileInfo(KatalogProgramu()).isWritable())
        return obok;
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (dir.isEmpty())
        dir = QDir::homePath() + QStringLiteral("/.config/Zentora");
    return ZUkosnikiem(QDir::toNativeSeparators(dir)) + QStringLiteral("Faktury.ini");
}
