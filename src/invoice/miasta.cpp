#include "miasta.h"

#include "common/teksty.h"
#include "store/kodowanie.h"

#include <QCollator>
#include <QDir>
#include <QFile>

namespace {
// Invoice files are small; anything far bigger is not an invoice and is skipped.
constexpr qint64 kNajwiekszyPlik = 1024 * 1024;

// Polish alphabetical order, letters of either case equal.
int Porownaj(const QString &a, const QString &b)
{
    static const QCollator kolator = [] {
        QCollator k(QLocale(QLocale::Polish, QLocale::Poland));
        k.setCaseSensitivity(Qt::CaseInsensitive);
        return k;
    }();
    return kolator.compare(a, b);
}
}   // namespace

void SpisMiast::UstawFolder(const QString &folder)
{
    if (folder == m_folder)
        return;
    m_folder = folder;
    m_miasta.clear();
    m_wczytany = false;
}

const QStringList &SpisMiast::Miasta()
{
    if (!m_wczytany)
        Wczytaj();
    return m_miasta;
}

void SpisMiast::Dodaj(const QString &miasto)
{
    const QString m = Trim(miasto);
    if (m.isEmpty())
        return;
    const auto it = std::lower_bound(m_miasta.begin(), m_miasta.end(), m,
                                     [](const QString &a, const QString &b) { return Porownaj(a, b) < 0; });
    if (it == m_miasta.end() || Porownaj(*it, m) != 0)
        m_miasta.insert(it, m);
}

void SpisMiast::Wczytaj()
{
    m_wczytany = true;
    if (m_folder.isEmpty())
        return;
    const QDir dir(m_folder);
    const QStringList pliki =
        dir.entryList({QStringLiteral("*.FAK"), QStringLiteral("*.fak")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString &p : pliki)
        Dodaj(MiastoZPliku(dir.filePath(p)));
}

QString SpisMiast::MiastoZPliku(const QString &plik)
{
    QFile f(plik);
    if (f.size() > kNajwiekszyPlik || !f.open(QIODevice::ReadOnly))
        return QString();
    const QStringList linie = PodzielLinie(DekodujPlik(f.readAll()));
    bool wSekcji = false;
    for (const QString &surowa : linie) {
        const QString l = Trim(surowa);
        if (l.startsWith(QLatin1Char('['))) {
            QString nazwa = l.mid(1);
            const int z = nazwa.indexOf(QLatin1Char(']'));
            if (z >= 0)
                nazwa.truncate(z);
            wSekcji = Trim(nazwa).compare(QStringLiteral("Kupujący"), Qt::CaseInsensitive) == 0;
        } else if (wSekcji) {
            const int eq = l.indexOf(QLatin1Char('='));
            if (eq > 0 && Trim(l.left(eq)).compare(QStringLiteral("Miejsc"), Qt::CaseInsensitive) == 0)
                return Trim(l.mid(eq + 1));
        }
    }
    return QString();
}
