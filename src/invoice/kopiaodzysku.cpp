#include "kopiaodzysku.h"

#include "common/bledy.h"
#include "plikfaktury.h"
#include "store/kodowanie.h"
#include "store/tservisini.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace {

const QString kSekcja = QStringLiteral("Odzyskiwanie");
const QString kKluczPliku = QStringLiteral("Plik");

// "odzysk-PID.FAK" and its lock "odzysk-PID.lock"
QString Blokada(const QString &kopia) { return kopia.chopped(4) + QStringLiteral(".lock"); }

}   // namespace

QString FolderOdzysku()
{
#ifdef Q_OS_WIN
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/odzysk");
#else
    QString stan = qEnvironmentVariable("XDG_STATE_HOME");
    if (stan.isEmpty())
        stan = QDir::homePath() + QStringLiteral("/.local/state");
    return stan + QStringLiteral("/zentora");
#endif
}

TkopiaOdzysku::TkopiaOdzysku(const QString &folder)
{
    QDir().mkpath(folder);
    m_kopia = QDir(folder).filePath(QStringLiteral("odzysk-%1.FAK").arg(QCoreApplication::applicationPid()));
    m_blokada = std::make_unique<QLockFile>(Blokada(m_kopia));
    // only a dead holder makes a lock stale, however long an editor stays open
    m_blokada->setStaleLockTime(0);
    m_blokada->tryLock(0);
}

TkopiaOdzysku::~TkopiaOdzysku() { Usun(); }

void TkopiaOdzysku::Zapisz(const TzentoraVat &f, const QString &plik)
{
    TservisIni s(TvirIni::ZTekstu{}, TekstFaktury(f), true);
    s.setXdefSekc(kSekcja);
    QString p = plik;
    s.IOk(kKluczPliku, p, QString());
    const QString tekst = s.XtrescIni();
    if (tekst == m_zapisany && QFileInfo::exists(m_kopia))
        return;
    Kodowanie k = Kodowanie::Ansi;
    const QByteArray bajty = KodujPlik(tekst, &k);
    QSaveFile z(m_kopia);
    if (!z.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || z.write(bajty) != bajty.size() || !z.commit())
        throw EMojeBledy(QStringLiteral("Nie można zapisać kopii odzyskiwania \"%1\".|%2")
                             .arg(QDir::toNativeSeparators(m_kopia), z.errorString()));
    m_zapisany = tekst;
}

void TkopiaOdzysku::Usun()
{
    QFile::remove(m_kopia);
    m_zapisany.clear();
}

bool TkopiaOdzysku::Istnieje() const { return QFileInfo::exists(m_kopia); }

QList<TkopiaOdzysku::Porzucona> TkopiaOdzysku::Porzucone(const QString &folder)
{
    QList<Porzucona> wynik;
    const QFileInfoList kopie = QDir(folder).entryInfoList({QStringLiteral("odzysk-*.FAK")}, QDir::Files, QDir::Time);
    for (const QFileInfo &fi : kopie) {
        QLockFile blokada(Blokada(fi.absoluteFilePath()));
        blokada.setStaleLockTime(0);
        if (!blokada.tryLock(0))
            continue;   // its editor is still running
        blokada.unlock();
        QString plik;
        try {
            TservisIni s(fi.absoluteFilePath(), false);
            s.IOsk(kSekcja, kKluczPliku, plik, QString());
        } catch (const EMojeBledy &) {
            // unreadable: still offered, the reading will say what is wrong
        }
        wynik.append({fi.absoluteFilePath(), plik, fi.lastModified()});
    }
    return wynik;
}

TzentoraVat TkopiaOdzysku::Wczytaj(const Porzucona &p)
{
    TzentoraVat f;
    CzytajFakture(p.kopia, f);
    return f;
}

void TkopiaOdzysku::Odrzuc(const Porzucona &p)
{
    QFile::remove(p.kopia);
    QFile::remove(Blokada(p.kopia));
}
