#include "tvirini.h"

#include "common/bledy.h"
#include "common/daty.h"
#include "common/formaty.h"
#include "common/komunikaty.h"
#include "common/teksty.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

const QString TvirIni::kBezNazwy = QStringLiteral("@_NIC_@");
const QString TvirIni::kKomentarz = QStringLiteral("@_KOM_@");

namespace {
// Names are looked up for every entry read or written; ASCII names (nearly all of them)
// fold without Unicode tables, and those already in lower case are shared as they are.
QString Klucz(const QString &s)
{
    bool duze = false;
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (u >= 0x80)
            return s.toCaseFolded();
        duze = duze || (u >= 'A' && u <= 'Z');
    }
    if (!duze)
        return s;
    QString t = s;
    for (QChar &c : t)
        if (c.unicode() >= 'A' && c.unicode() <= 'Z')
            c = QChar(c.unicode() + ('a' - 'A'));
    return t;
}
}   // namespace

void TvirIni::Sekcja::Indeksuj(int i)
{
    const QString &l = linie.at(i);
    const int eq = l.indexOf(QLatin1Char('='));
    if (eq < 0)
        return;
    const QString k = Klucz(l.left(eq));
    if (!klucze.contains(k))
        klucze.insert(k, i);
}

void TvirIni::Sekcja::PrzebudujIndeks()
{
    klucze.clear();
    for (int i = 0; i < linie.size(); ++i)
        Indeksuj(i);
}

TvirIni::TvirIni(const QString &Plik) : FNcreate(1), Fplik(Plik)
{
    QStringList linie;
    if (QFileInfo::exists(Plik)) {
        QFile f(Plik);
        if (!f.open(QIODevice::ReadOnly))
            throw EMojeBledy(QStringLiteral("Nie można odczytać pliku \"%1\".|%2").arg(Plik, f.errorString()));
        const QByteArray bajty = f.readAll();
        if (f.error() != QFileDevice::NoError)
            throw EMojeBledy(QStringLiteral("Nie można odczytać pliku \"%1\".|%2").arg(Plik, f.errorString()));
        linie = PodzielLinie(DekodujPlik(bajty, &FKodowanie));
    }
    Parsuj(linie);
}

TvirIni::TvirIni(ZTekstu, const QString &StrIni) : FNcreate(2) { Parsuj(PodzielLinie(StrIni)); }

TvirIni::TvirIni(TpiszCzytIni PiszCzytIni) : FNcreate(3), FprocOutIn(std::move(PiszCzytIni))
{
    QStringList linie;
    if (FprocOutIn)
        FprocOutIn(false, linie);
    Parsuj(linie);
}

TvirIni::~TvirIni()
{
    if (Fzmieniono && !Fzapisano) {
        try {
            UpdateFile();
        } catch (const std::exception &e) {
            PokazBlad(e);
        } catch (...) {
        }
    }
}

void TvirIni::Zwolnij()
{
    const bool zapisz = Fzmieniono && !Fzapisano;
    // nothing is left for the destructor, even when saving fails
    Fzmieniono = false;
    if (zapisz)
        UpdateFile();
}

void TvirIni::Parsuj(const QStringList &linie)
{
    Sekcja *biezaca = ZnajdzLubUtworz(QString());
    for (const QString &surowa : linie) {
        const QString l = Trim(surowa);
        if (l.isEmpty())
            continue;
        if (l.at(0) == QLatin1Char(';')) {
            biezaca->linie.append(l);
            biezaca->Indeksuj(biezaca->linie.size() - 1);
        } else if (l.at(0) == QLatin1Char('[')) {
            QString nazwa = l.mid(1);
            const int z = nazwa.indexOf(QLatin1Char(']'));
            if (z >= 0)
                nazwa.truncate(z);
            biezaca = ZnajdzLubUtworz(Trim(nazwa));
        } else {
            const int eq = l.indexOf(QLatin1Char('='));
            if (eq < 0)
                continue;
            const QString klucz = Trim(l.left(eq));
            if (klucz.isEmpty())
                continue;
            UstawWpis(biezaca, klucz, l.mid(eq + 1), &l);
        }
    }
}

TvirIni::Sekcja *TvirIni::Znajdz(const QString &Section) const
{
    const QString n = Trim(Section);
    if (n.isEmpty())
        return nullptr;
    // entries come section by section: the same name again needs no folding and no lookup
    if (Fostatnia && Fostatnia->nazwa == n)
        return Fostatnia;
    Sekcja *s = FindeksSekcji.value(Klucz(n), nullptr);
    if (s)
        Fostatnia = s;
    return s;
}

TvirIni::Sekcja *TvirIni::ZnajdzLubUtworz(const QString &Section)
{
    QString n = Trim(Section);
    if (n.isEmpty())
        n = kBezNazwy;
    if (Fostatnia && Fostatnia->nazwa == n)
        return Fostatnia;
    if (Sekcja *s = FindeksSekcji.value(Klucz(n), nullptr))
        return Fostatnia = s;
    auto s = std::make_unique<Sekcja>();
    s->nazwa = n;
    Sekcja *p = s.get();
    Fsekcje.push_back(std::move(s));
    FindeksSekcji.insert(Klucz(n), p);
    return Fostatnia = p;
}

int TvirIni::ZnajdzLinie(const Sekcja *s, const QString &Ident) const
{
    if (!s)
        return -1;
    return s->klucze.value(Klucz(Trim(Ident)), -1);
}

void TvirIni::UstawWpis(const QString &Section, const QString &Ident, const QString &Value)
{
    UstawWpis(ZnajdzLubUtworz(Section), Ident, Value);
}

void TvirIni::UstawWpis(Sekcja *s, const QString &Ident, const QString &Value, const QString *linia)
{
    const QString klucz = Trim(Ident);
    const QString wartosc = Trim(Value);
    if (klucz.isEmpty())
        return;
    if (klucz == kKomentarz) {
        s->linie.append(wartosc);
        s->Indeksuj(s->linie.size() - 1);
        return;
    }
    const QString k = Klucz(klucz);
    const int i = s->klucze.value(k, -1);
    if (i < 0) {
        // a line read just as it would be written is kept as it is, not built anew
        const bool gotowa = linia && linia->size() == klucz.size() + 1 + wartosc.size();
        s->linie.append(gotowa ? *linia : klucz + QLatin1Char('=') + wartosc);
        if (klucz.contains(QLatin1Char('=')))
            s->Indeksuj(s->linie.size() - 1);   // indexed by the text before its first "="
        else
            s->klucze.insert(k, s->linie.size() - 1);
    } else {
        const QString &stara = s->linie.at(i);
        s->linie[i] = Trim(stara.left(stara.indexOf(QLatin1Char('=')))) + QLatin1Char('=') + wartosc;
    }
}

QStringList TvirIni::Serializuj() const
{
    QStringList wynik;
    for (const auto &s : Fsekcje) {
        if (s->nazwa == kBezNazwy) {
            if (s->linie.isEmpty())
                continue;
        } else {
            wynik.append(QLatin1Char('[') + s->nazwa + QLatin1Char(']'));
        }
        wynik.append(s->linie);
        wynik.append(QString());
    }
    return wynik;
}

QString TvirIni::XtrescIni() const
{
    const QStringList linie = Serializuj();
    qsizetype n = 0;
    for (const QString &l : linie)
        n += l.size() + 2;
    QString t;
    t.reserve(n);
    for (const QString &l : linie) {
        t += l;
        t += QLatin1String("\r\n");
    }
    return t;
}

void TvirIni::UpdateFile()
{
    if (FbezZapisu || FNcreate == 2)
        return;
    if (FNcreate == 1) {
        Kodowanie k = FKodowanie;
        const QByteArray bajty = KodujPlik(XtrescIni(), &k);
        QSaveFile f(Fplik);
        // the old file stays intact unless the new one was written completely
        // unbuffered: a write the disk refuses (full, size limit) fails here instead of
        // being dropped at commit, which would replace the file with an empty one
        if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || f.write(bajty) != bajty.size() || !f.commit())
            throw EMojeBledy(QStringLiteral("Nie można zapisać pliku \"%1\".|%2").arg(Fplik, f.errorString()));
        FKodowanie = k;
    } else if (FprocOutIn) {
        QStringList linie = Serializuj();
        FprocOutIn(true, linie);
    }
    Fzapisano = true;
}

void TvirIni::Zmiana()
{
    Fzmieniono = true;
    Fzapisano = false;
    if (FautoZapis)
        UpdateFile();
}

QString TvirIni::ReadString(const QString &Section, const QString &Ident, const QString &Default) const
{
    const Sekcja *s = Znajdz(Section);
    const int i = ZnajdzLinie(s, Ident);
    if (i < 0)
        return Default;
    const QString &l = s->linie.at(i);
    const QString v = Trim(l.mid(l.indexOf(QLatin1Char('=')) + 1));
    return v.isEmpty() ? Default : v;
}

int TvirIni::ReadInteger(const QString &Section, const QString &Ident, int Default) const
{
    return TekstNaInt(ReadString(Section, Ident, QStringLiteral("?")), Default);
}

double TvirIni::ReadFloat(const QString &Section, const QString &Ident, double Default) const
{
    return TekstNaFloat(ReadString(Section, Ident, QStringLiteral("?")), Default);
}

double TvirIni::ReadDate(const QString &Section, const QString &Ident, double Default) const
{
    return TekstNaDate(ReadString(Section, Ident, QStringLiteral("?")), Default);
}

bool TvirIni::ReadBool(const QString &Section, const QString &Ident, bool Default) const
{
    const QString v = ReadString(Section, Ident, QStringLiteral("?"));
    if (v == QLatin1String("1"))
        return true;
    if (v == QLatin1String("0"))
        return false;
    return Default;
}

void TvirIni::WriteString(const QString &Section, const QString &Ident, const QString &Value)
{
    UstawWpis(Section, Ident, Value);
    Zmiana();
}

void TvirIni::WriteInteger(const QString &Section, const QString &Ident, int Value)
{
    WriteString(Section, Ident, QString::number(Value));
}

void TvirIni::WriteFloat(const QString &Section, const QString &Ident, double Value)
{
    WriteString(Section, Ident, FloatKrotko(15, true, Value));
}

void TvirIni::WriteDate(const QString &Section, const QString &Ident, double Value)
{
    WriteString(Section, Ident, DataNaTekst(QString(), Value));
}

void TvirIni::WriteBool(const QString &Section, const QString &Ident, bool Value)
{
    WriteString(Section, Ident, QString(ZnakLogiczny(Value)));
}

bool TvirIni::SectionExists(const QString &Section) const { return Znajdz(Section) != nullptr; }

bool TvirIni::ValueExists(const QString &Section, const QString &Ident) const
{
    return ZnajdzLinie(Znajdz(Section), Ident) >= 0;
}

void TvirIni::ReadSections(QStringList &Strings) const
{
    Strings.clear();
    for (const auto &s : Fsekcje)
        if (s->nazwa != kBezNazwy)
            Strings.append(s->nazwa);
}

namespace {
bool JestWpisem(const QString &l) { return !l.startsWith(QLatin1Char(';')) && l.contains(QLatin1Char('=')); }
}   // namespace

void TvirIni::ReadSection(const QString &Section, QStringList &Strings) const
{
    Strings.clear();
    if (const Sekcja *s = Znajdz(Section))
        for (const QString &l : s->linie)
            if (JestWpisem(l))
                Strings.append(Trim(l.left(l.indexOf(QLatin1Char('=')))));
}

void TvirIni::ReadSectionValues(const QString &Section, QStringList &Strings) const
{
    Strings.clear();
    if (const Sekcja *s = Znajdz(Section))
        for (const QString &l : s->linie)
            if (JestWpisem(l))
                Strings.append(l);
}

void TvirIni::NowaSekcja(const QString &Section, const QStringList &strings)
{
    if (SectionExists(Section))
        return;
    QStringList linie;
    linie.append(QLatin1Char('[') + Section + QLatin1Char(']'));
    linie.append(strings);
    Parsuj(linie);
    Zmiana();
}

void TvirIni::MowaTrescIni(const QString &StrIni)
{
    Fostatnia = nullptr;
    Fsekcje.clear();
    FindeksSekcji.clear();
    Parsuj(PodzielLinie(StrIni));
    Zmiana();
}

void TvirIni::Czysc()
{
    Fostatnia = nullptr;
    Fsekcje.clear();
    FindeksSekcji.clear();
    Zmiana();
}

void TvirIni::EraseSection(const QString &Section)
{
    if (Sekcja *s = Znajdz(Section)) {
        Fostatnia = nullptr;
        FindeksSekcji.remove(Klucz(s->nazwa));
        for (auto it = Fsekcje.begin(); it != Fsekcje.end(); ++it)
            if (it->get() == s) {
                Fsekcje.erase(it);
                break;
            }
    }
    Zmiana();
}

void TvirIni::DeleteKey(const QString &Section, const QString &Ident)
{
    Sekcja *s = Znajdz(Section);
    const int i = ZnajdzLinie(s, Ident);
    if (i >= 0) {
        s->linie.removeAt(i);
        s->PrzebudujIndeks();
    }
    Zmiana();
}
