#include "tvirini.h"

#include "common/bledy.h"
#include "common/daty.h"
#include "common/formaty.h"
#include "common/komunikaty.h"
#include "common/teksty.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

const QString TvirIni::kBezNazwy = QStringLiteral("@_NIC_@");
const QString TvirIni::kKomentarz = QStringLiteral("@_KOM_@");

namespace {
// A pipe, a terminal or another device: written straight, never read first or replaced.
bool WPotokLubUrzadzenie(const QString &plik)
{
    const QFileInfo fi(plik);
    return fi.exists() && !fi.isFile() && !fi.isDir();
}
QString Wpis(QStringView klucz, QStringView wartosc)
{
    QString l(klucz.size() + 1 + wartosc.size(), Qt::Uninitialized);
    QChar *d = l.data();
    std::copy(klucz.begin(), klucz.end(), d);
    d[klucz.size()] = QLatin1Char('=');
    std::copy(wartosc.begin(), wartosc.end(), d + klucz.size() + 1);
    return l;
}

// QStringView::indexOf goes through the general substring search; keys and lines are short
qsizetype Pozycja(QStringView s, char16_t znak)
{
    for (qsizetype i = 0; i < s.size(); ++i)
        if (s[i].unicode() == znak)
            return i;
    return -1;
}

qsizetype PozycjaRownosci(QStringView s) { return Pozycja(s, u'='); }

// The text of a line that is a section's name ("[Name]"), the name.
QStringView NazwaSekcji(QStringView l)
{
    QStringView nazwa = l.sliced(1);
    const qsizetype z = Pozycja(nazwa, u']');
    if (z >= 0)
        nazwa.truncate(z);
    return nazwa;
}

// A line kept as it was read: pointing into the loaded text when it is kept (dziel).
QString Linia(QStringView l, bool dziel) { return dziel ? QString::fromRawData(l.data(), l.size()) : l.toString(); }

bool KoniecLinii(const QChar *c) { return *c == QLatin1Char('\r') || *c == QLatin1Char('\n'); }

// The first CR or LF from p on (koniec when none). Eight characters at a time are passed
// over when none of them is at or below CR: the text is scanned once per load.
const QChar *SzukajKoncaLinii(const QChar *p, const QChar *const koniec)
{
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi16(u'\r');
    const __m128i zero = _mm_setzero_si128();
    while (koniec - p >= 8) {
        const __m128i znaki = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        // unsigned c - CR saturates to 0 exactly for c <= CR
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_subs_epu16(znaki, cr), zero)) == 0) {
            p += 8;
            continue;
        }
        for (const QChar *const blok = p + 8; p < blok; ++p)
            if (KoniecLinii(p))
                return p;
    }
#endif
    while (p < koniec && !KoniecLinii(p))
        ++p;
    return p;
}

// The start of the line after the one ending at q (CR LF counts as one end).
const QChar *NastepnaLinia(const QChar *q, const QChar *const koniec)
{
    if (q == koniec)
        return koniec;
    return q + (q + 1 < koniec && *q == QLatin1Char('\r') && q[1] == QLatin1Char('\n') ? 2 : 1);
}

// Calls f with each line of tekst (without its end); lines end in CR, LF or CR LF.
template <typename F> void KazdaLinia(QStringView tekst, const F &f)
{
    for (const QChar *p = tekst.data(), *const koniec = p + tekst.size(); p < koniec;) {
        const QChar *q = SzukajKoncaLinii(p, koniec);
        f(QStringView(p, q));
        p = NastepnaLinia(q, koniec);
    }
}
}   // namespace

QStringView TvirIni::Sekcja::KluczLinii(int i) const
{
    const QString &l = linie[size_t(i)];
    return QStringView(l).left(PozycjaRownosci(l));
}

int TvirIni::Sekcja::Szukaj(QStringView klucz, quint32 skrot) const
{
    return klucze.Znajdz(klucz, skrot, [this](int i) { return KluczLinii(i); });
}

void TvirIni::Sekcja::Indeksuj(int i)
{
    const QString &l = linie[size_t(i)];
    const qsizetype eq = PozycjaRownosci(l);
    if (eq < 0)
        return;
    const QStringView k = QStringView(l).left(eq);
    const quint32 skrot = SkrotNazwy(k);
    if (Szukaj(k, skrot) < 0)
        klucze.Dodaj(skrot, i);
}

void TvirIni::Sekcja::PrzebudujIndeks()
{
    klucze.Czysc();
    for (size_t i = 0; i < linie.size(); ++i)
        Indeksuj(int(i));
}

TvirIni::TvirIni(const QString &Plik) : FNcreate(1), Fplik(Plik)
{
    // Only a regular file has a content to keep: a pipe or a terminal (-o /dev/stdout) is
    // written to, and reading it first would wait for input that never comes.
    if (QFileInfo::exists(Plik) && !WPotokLubUrzadzenie(Plik)) {
        QFile f(Plik);
        if (!f.open(QIODevice::ReadOnly))
            throw EMojeBledy(
                QStringLiteral("Nie można odczytać pliku \"%1\".|%2").arg(Plik, BladSystemu(f.errorString(), false)));
        const QByteArray bajty = f.readAll();
        if (f.error() != QFileDevice::NoError)
            throw EMojeBledy(
                QStringLiteral("Nie można odczytać pliku \"%1\".|%2").arg(Plik, BladSystemu(f.errorString(), false)));
        Ftekst = DekodujPlik(bajty, &FKodowanie);
    }
    Wczytaj();
}

TvirIni::TvirIni(ZTekstu, const QString &StrIni) : FNcreate(2), Ftekst(StrIni) { Wczytaj(); }

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

// Loading divides the text into sections only; a section's lines are parsed when it is
// first used, so one replaced whole (the rows of an invoice being saved) is never parsed.
void TvirIni::Wczytaj()
{
    Sekcja *biezaca = ZnajdzLubUtworz(QStringView());
    const QChar *p = Ftekst.constData();
    const QChar *const koniec = p + Ftekst.size();
    const QChar *czesc = p;
    while (p < koniec) {
        const QChar *q = SzukajKoncaLinii(p, koniec);
        const QChar *nastepna = NastepnaLinia(q, koniec);
        const QStringView l = Trim(QStringView(p, q));
        if (!l.isEmpty() && l.front() == QLatin1Char('[')) {
            if (p > czesc)
                biezaca->zalegle.emplace_back(czesc, p);
            biezaca = ZnajdzLubUtworz(NazwaSekcji(l));
            czesc = nastepna;
        }
        p = nastepna;
    }
    if (czesc < koniec)
        biezaca->zalegle.emplace_back(czesc, koniec);
}

TvirIni::Sekcja *TvirIni::Rozwin(Sekcja *s) const
{
    if (!s || s->zalegle.empty())
        return s;
    const std::vector<QStringView> czesci = std::move(s->zalegle);
    s->zalegle.clear();
    for (const QStringView czesc : czesci)
        KazdaLinia(czesc, [s](QStringView surowa) {
            const QStringView l = Trim(surowa);
            if (!l.isEmpty())
                ParsujWpis(s, l, true);   // no section starts inside a part
        });
    return s;
}

void TvirIni::Parsuj(QStringView tekst)
{
    Sekcja *biezaca = Rozwin(ZnajdzLubUtworz(QStringView()));
    KazdaLinia(tekst, [this, &biezaca](QStringView l) { ParsujLinie(biezaca, l); });
}

void TvirIni::Parsuj(const QStringList &linie)
{
    Sekcja *biezaca = Rozwin(ZnajdzLubUtworz(QStringView()));
    for (const QString &l : linie)
        ParsujLinie(biezaca, l);
}

void TvirIni::ParsujLinie(Sekcja *&biezaca, QStringView surowa)
{
    const QStringView l = Trim(surowa);
    if (l.isEmpty())
        return;
    if (l.front() == QLatin1Char('['))
        biezaca = Rozwin(ZnajdzLubUtworz(NazwaSekcji(l)));
    else
        ParsujWpis(biezaca, l, false);
}

// A trimmed line that is not a section's name: a comment or an entry.
void TvirIni::ParsujWpis(Sekcja *s, QStringView l, bool dziel)
{
    if (l.front() == QLatin1Char(';')) {
        s->linie.push_back(Linia(l, dziel));
        s->Indeksuj(int(s->linie.size() - 1));
        return;
    }
    const qsizetype eq = PozycjaRownosci(l);
    if (eq >= 0)
        DodajWpis(s, l.left(eq), l.sliced(eq + 1), l, dziel);
}

TvirIni::Sekcja *TvirIni::Znajdz(const QString &Section) const { return Rozwin(ZnajdzSekcje(Section)); }

TvirIni::Sekcja *TvirIni::ZnajdzSekcje(const QString &Section) const
{
    const QStringView n = Trim(Section);
    if (n.isEmpty())
        return nullptr;
    // entries come section by section: the same name again needs no look-up
    if (Fostatnia && Fostatnia->nazwa == n)
        return Fostatnia;
    const int i =
        FindeksSekcji.Znajdz(n, SkrotNazwy(n), [this](int j) { return QStringView(Fsekcje[size_t(j)]->nazwa); });
    if (i < 0)
        return nullptr;
    return Fostatnia = Fsekcje[size_t(i)].get();
}

TvirIni::Sekcja *TvirIni::ZnajdzLubUtworz(QStringView Section)
{
    QStringView n = Trim(Section);
    if (n.isEmpty())
        n = kBezNazwy;
    if (Fostatnia && Fostatnia->nazwa == n)
        return Fostatnia;
    const quint32 skrot = SkrotNazwy(n);
    const int i = FindeksSekcji.Znajdz(n, skrot, [this](int j) { return QStringView(Fsekcje[size_t(j)]->nazwa); });
    if (i >= 0)
        return Fostatnia = Fsekcje[size_t(i)].get();
    auto s = std::make_unique<Sekcja>();
    s->nazwa = n.toString();
    FindeksSekcji.Dodaj(skrot, int(Fsekcje.size()));
    Fsekcje.push_back(std::move(s));
    return Fostatnia = Fsekcje.back().get();
}

void TvirIni::IndeksujSekcje()
{
    FindeksSekcji.Czysc();
    for (size_t i = 0; i < Fsekcje.size(); ++i)
        FindeksSekcji.Dodaj(SkrotNazwy(Fsekcje[i]->nazwa), int(i));
}

int TvirIni::ZnajdzLinie(const Sekcja *s, const QString &Ident) const
{
    if (!s)
        return -1;
    return s->Szukaj(Trim(Ident));
}

void TvirIni::UstawWpis(const QString &Section, const QString &Ident, const QString &Value)
{
    DodajWpis(Rozwin(ZnajdzLubUtworz(Section)), Ident, Value, {}, false);
}

void TvirIni::DodajWpis(Sekcja *s, QStringView Ident, QStringView Value, QStringView linia, bool dziel)
{
    const QStringView klucz = Trim(Ident);
    const QStringView wartosc = Trim(Value);
    if (klucz.isEmpty())
        return;
    const int ostatnia = int(s->linie.size());
    if (klucz.size() == kKomentarz.size() && klucz.front() == kKomentarz.front() && klucz == kKomentarz) {
        s->linie.push_back(wartosc.toString());
        s->Indeksuj(ostatnia);
        return;
    }
    const quint32 skrot = SkrotNazwy(klucz);
    const int i = s->Szukaj(klucz, skrot);
    if (i < 0) {
        // a line read just as it would be written is kept as it is, not built anew
        const bool gotowa = linia.size() == klucz.size() + 1 + wartosc.size();
        s->linie.push_back(gotowa ? Linia(linia, dziel) : Wpis(klucz, wartosc));
        if (linia.isEmpty() && PozycjaRownosci(klucz) >= 0)   // a key read is the text before "="
            s->Indeksuj(ostatnia);                            // indexed by the text before its first "="
        else
            s->klucze.Dodaj(skrot, ostatnia);
    } else {
        // the key keeps its spelling; a value written again unchanged leaves the line alone
        QString &stara = s->linie[size_t(i)];
        const qsizetype eq = PozycjaRownosci(stara);
        const QStringView k = Trim(QStringView(stara).left(eq));
        if (k.size() != eq || QStringView(stara).sliced(eq + 1) != wartosc)
            stara = Wpis(k, wartosc);
    }
}

QStringList TvirIni::Serializuj() const
{
    for (const auto &s : Fsekcje)
        Rozwin(s.get());
    QStringList wynik;
    for (const auto &s : Fsekcje) {
        if (s->nazwa == kBezNazwy) {
            if (s->linie.empty())
                continue;
        } else {
            wynik.append(QLatin1Char('[') + s->nazwa + QLatin1Char(']'));
        }
        for (const QString &l : s->linie)
            wynik.append(QString(l.constData(), l.size()));   // not the loaded text
        wynik.append(QString());
    }
    return wynik;
}

QString TvirIni::XtrescIni() const
{
    qsizetype n = 0;
    for (const auto &s : Fsekcje) {
        Rozwin(s.get());
        n += s->nazwa.size() + 6;
        for (const QString &l : s->linie)
            n += l.size() + 2;
    }
    QString t(n, Qt::Uninitialized);
    QChar *d = t.data();
    const auto linia = [&d](QStringView l) {
        d = std::copy(l.begin(), l.end(), d);
        *d++ = QLatin1Char('\r');
        *d++ = QLatin1Char('\n');
    };
    for (const auto &s : Fsekcje) {
        if (s->nazwa == kBezNazwy) {
            if (s->linie.empty())
                continue;
        } else {
            *d++ = QLatin1Char('[');
            d = std::copy(s->nazwa.cbegin(), s->nazwa.cend(), d);
            *d++ = QLatin1Char(']');
            linia({});
        }
        for (const QString &l : s->linie)
            linia(l);
        linia({});
    }
    t.truncate(d - t.constData());
    return t;
}

void TvirIni::UpdateFile()
{
    if (FbezZapisu || FNcreate == 2)
        return;
    if (FNcreate == 1) {
        Kodowanie k = FKodowanie;
        const QByteArray bajty = KodujPlik(XtrescIni(), &k);
        if (WPotokLubUrzadzenie(Fplik)) {
            // nothing to replace: the bytes go straight through
            QFile f(Fplik);
            if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || f.write(bajty) != bajty.size())
                throw EMojeBledy(QStringLiteral("Nie można zapisać pliku \"%1\".|%2")
                                     .arg(Fplik, BladSystemu(f.errorString(), true)));
        } else {
            QSaveFile f(Fplik);
            // the old file stays intact unless the new one was written completely
            // unbuffered: a write the disk refuses (full, size limit) fails here instead of
            // being dropped at commit, which would replace the file with an empty one
            if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || f.write(bajty) != bajty.size() || !f.commit())
                throw EMojeBledy(QStringLiteral("Nie można zapisać pliku \"%1\".|%2")
                                     .arg(Fplik, BladSystemu(f.errorString(), true)));
        }
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

QStringView TvirIni::ReadView(const QString &Section, const QString &Ident) const
{
    const Sekcja *s = Znajdz(Section);
    const int i = ZnajdzLinie(s, Ident);
    if (i < 0)
        return {};
    const QString &l = s->linie[size_t(i)];
    return Trim(QStringView(l).sliced(PozycjaRownosci(l) + 1));
}

QString TvirIni::ReadString(const QString &Section, const QString &Ident, const QString &Default) const
{
    const QStringView v = ReadView(Section, Ident);
    return v.isEmpty() ? Default : v.toString();
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

bool TvirIni::SectionExists(const QString &Section) const { return ZnajdzSekcje(Section) != nullptr; }

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
                Strings.append(QString(l.constData(), l.size()));   // not the loaded text
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
    FindeksSekcji.Czysc();
    Ftekst.clear();
    Parsuj(StrIni);
    Zmiana();
}

void TvirIni::Czysc()
{
    Fostatnia = nullptr;
    Fsekcje.clear();
    FindeksSekcji.Czysc();
    Ftekst.clear();
    Zmiana();
}

void TvirIni::EraseSection(const QString &Section)
{
    if (Sekcja *s = ZnajdzSekcje(Section)) {
        Fostatnia = nullptr;
        for (auto it = Fsekcje.begin(); it != Fsekcje.end(); ++it)
            if (it->get() == s) {
                Fsekcje.erase(it);
                break;
            }
        IndeksujSekcje();   // the sections after it moved up
    }
    Zmiana();
}

void TvirIni::DeleteKey(const QString &Section, const QString &Ident)
{
    Sekcja *s = Znajdz(Section);
    const int i = ZnajdzLinie(s, Ident);
    if (i >= 0) {
        s->linie.erase(s->linie.begin() + i);
        s->PrzebudujIndeks();
    }
    Zmiana();
}
