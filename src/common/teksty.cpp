#include "teksty.h"

#include "bledy.h"
#include "cp1250.h"

#include <QFile>

QStringView Trim(QStringView s)
{
    qsizetype a = 0, b = s.size();
    while (a < b && s[a].unicode() <= 0x20)
        ++a;
    while (b > a && s[b - 1].unicode() <= 0x20)
        --b;
    return s.sliced(a, b - a);
}

QString Trim(const QString &s)
{
    const QStringView t = Trim(QStringView(s));
    return t.size() == s.size() ? s : t.toString();
}

QString TrimLewy(const QString &s)
{
    int a = 0;
    while (a < s.size() && s.at(a).unicode() <= 0x20)
        ++a;
    return s.mid(a);
}

QString TrimPrawy(const QString &s)
{
    int b = s.size();
    while (b > 0 && s.at(b - 1).unicode() <= 0x20)
        --b;
    return s.left(b);
}

int Wybierz(bool warunek, int a, int b) { return warunek ? a : b; }
QString Wybierz(bool warunek, const QString &a, const QString &b) { return warunek ? a : b; }
int Wiekszy(int a, int b) { return a > b ? a : b; }
int Mniejszy(int a, int b) { return a < b ? a : b; }

int Ogranicz(int v, int lo, int hi)
{
    if (v < lo)
        v = lo;
    if (v > hi)
        v = hi;
    return v;
}

bool WZakresie(int v, int lo, int hi) { return lo <= v && v <= hi; }
void DodajDo(double &suma, double x) { suma += x; }
int NumerMiesiaca(int rok, int miesiac) { return rok * 12 + miesiac; }

void RozbijNumerMiesiaca(int n, int &rok, int &miesiac)
{
    rok = n / 12;
    miesiac = n % 12;
    if (miesiac == 0) {
        --rok;
        miesiac = 12;
    }
}

QChar ZnakLogiczny(bool b) { return b ? QLatin1Char('1') : QLatin1Char('0'); }

bool JestCyfra(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool JestLitera(QChar c) { return c.isLetter(); }

bool ZnakWZbiorze(QChar c, const unsigned char zbior[32])
{
    bool ok = false;
    const unsigned char b = Cp1250::Bajt(c, &ok);
    if (!ok)
        return false;
    return (zbior[b >> 3] >> (b & 7)) & 1;
}

QString OdetnijZnaki(QString &s, int n)
{
    if (n <= 0)
        return QString();
    QString w = s.left(n);
    s.remove(0, w.size());
    return w;
}

QString OdetnijPole(QString &s, QChar sep)
{
    const bool spacja = sep == QLatin1Char(' ');
    if (spacja)
        s = Trim(s);
    QString pole;
    const int i = s.indexOf(sep);
    if (i < 0) {
        pole = s;
        s.clear();
    } else {
        pole = s.left(i);
        s.remove(0, i + 1);
    }
    if (spacja)
        s = Trim(s);
    return pole;
}

bool PobierzPole(QString &s, QString &pole, QChar sep)
{
    const bool byl = Niepusty(s);
    s = Trim(s);
    pole = Trim(OdetnijPole(s, sep));
    s = Trim(s);
    return byl;
}

bool Pusty(const QString &s) { return Trim(s).isEmpty(); }
bool Niepusty(const QString &s) { return !Pusty(s); }

bool ZaczynaOd(const QString &s, const QString &poczatek)
{
    if (poczatek.isEmpty())
        return true;
    return s.left(poczatek.size()).compare(poczatek, Qt::CaseInsensitive) == 0;
}

QString Spacje(int n) { return Powiel(QLatin1Char(' '), n); }
QString Powiel(QChar c, int n) { return n > 0 ? QString(n, c) : QString(); }

QString DoPrawej(const QString &s, int n)
{
    if (n <= 0)
        return QString();
    return (Spacje(n) + Trim(s)).right(n);
}

QString Zamien(const QString &s, const QString &co, const QString &naCo, bool wielkoscLiter)
{
    if (co.isEmpty())
        return s;
    QString t = s;
    return t.replace(co, naCo, wielkoscLiter ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

QString ZamienZnak(const QString &s, QChar c, QChar nowy)
{
    QString t = s;
    if (nowy.isNull())
        return t.remove(c);
    return t.replace(c, nowy);
}

QString BezSpacji(const QString &s) { return ZamienZnak(s, QLatin1Char(' '), QChar()); }
QString KreskiNaCR(const QString &s) { return ZamienZnak(s, QLatin1Char('|'), QChar(13)); }

QString DuzaPierwsza(const QString &s)
{
    QString t = TrimLewy(s);
    if (!t.isEmpty())
        t.replace(0, 1, t.left(1).toUpper());
    return t;
}

namespace {
#ifdef Q_OS_WIN
const QChar kUkosnik = QLatin1Char('\\');
#else
const QChar kUkosnik = QLatin1Char('/');
#endif
}   // namespace

QString BezUkosnika(const QString &s)
{
    if (s.endsWith(kUkosnik) || s.endsWith(QLatin1Char('\\')))
        return s.left(s.size() - 1);
    return s;
}

QString ZUkosnikiem(const QString &s)
{
    if (s.isEmpty() || s.endsWith(kUkosnik))
        return s;
    return s + kUkosnik;
}

bool JestMaskaDaty(const QString &maska) { return maska.contains(QLatin1String("99/99/9999")); }

bool CzytajPlik(const QString &nazwa, QString &tresc)
{
    tresc.clear();
    QFile f(nazwa);
    if (!f.open(QIODevice::ReadOnly)) {
        PokazBlad(EMojeBledy(
            QStringLiteral("Nie można odczytać pliku \"%1\".\r%2").arg(nazwa, BladSystemu(f.errorString(), false))));
        return false;
    }
    tresc = Cp1250::Dekoduj(f.readAll());
    return true;
}

QString BladSystemu(const QString &tekst, bool zapis)
{
    struct Para {
        const char *angielski;
        const char *polski;
    };
    static const Para kPary[] = {
        {"Permission denied", nullptr},
        {"Operation not permitted", nullptr},
        {"No such file or directory", "nie ma takiego pliku ani folderu"},
        {"No space left on device", "brak miejsca na dysku"},
        {"Disk quota exceeded", "przekroczony przydział miejsca na dysku"},
        {"Read-only file system", "dysk jest tylko do odczytu"},
        {"Is a directory", "to jest folder, nie plik"},
        {"Not a directory", "część ścieżki nie jest folderem"},
        {"File name too long", "za długa nazwa pliku"},
        {"Too many open files", "za dużo otwartych plików"},
        {"Input/output error", "błąd odczytu lub zapisu urządzenia"},
        {"File too large", "plik jest za duży"},
        {"Device or resource busy", "plik jest zajęty przez inny program"},
        {"Text file busy", "plik jest zajęty przez inny program"},
        {"Unknown error", "nieznany błąd systemu"},
        // an English Windows says it in its own words (a Polish one already in Polish)
        {"Access is denied", nullptr},
        {"Access denied", nullptr},
        {"cannot find the path specified", "nie ma takiego pliku ani folderu"},
        {"cannot find the file specified", "nie ma takiego pliku ani folderu"},
        {"Path not found", "nie ma takiego pliku ani folderu"},
        {"File not found", "nie ma takiego pliku ani folderu"},
        {"not enough space on the disk", "brak miejsca na dysku"},
        {"Disk full", "brak miejsca na dysku"},
        {"write protected", "dysk jest tylko do odczytu"},
        {"being used by another process", "plik jest zajęty przez inny program"},
        {"Sharing violation", "plik jest zajęty przez inny program"},
    };
    for (const Para &p : kPary) {
        if (!tekst.contains(QLatin1String(p.angielski), Qt::CaseInsensitive))
            continue;
        if (!p.polski)   // the two ways of saying "not allowed" depend on what was done
            return zapis ? QStringLiteral("brak uprawnień do zapisu") : QStringLiteral("brak uprawnień do odczytu");
        return QString::fromUtf8(p.polski);
    }
    return tekst;
}
