#include "indeksnazw.h"

#include <QString>
#include <utility>

namespace {
char16_t Mala(char16_t u) { return (u >= u'A' && u <= u'Z') ? char16_t(u + (u'a' - u'A')) : u; }

bool Ascii(QStringView s)
{
    for (QChar c : s)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

// FNV-1a over the characters with the bit of ASCII case set: a name and its folded
// text hash alike, the few names that also meet ("@" and "`") are told apart by comparing.
quint32 Skrot(QStringView s, char16_t &wszystkie)
{
    quint32 h = 2166136261U;
    wszystkie = 0;
    for (QChar c : s) {
        const char16_t u = c.unicode();
        wszystkie |= u;
        h = (h ^ char16_t(u | 0x20)) * 16777619U;
    }
    return h ^ (h >> 16);   // the table takes the low bits
}

QString Zlozona(QStringView s) { return s.toString().toCaseFolded(); }
}   // namespace

quint32 SkrotNazwy(QStringView nazwa)
{
    char16_t wszystkie = 0;
    const quint32 h = Skrot(nazwa, wszystkie);
    if (wszystkie < 0x80)
        return h;
    return Skrot(Zlozona(nazwa), wszystkie);
}

bool TeSameNazwy(QStringView a, QStringView b)
{
    if (a == b)
        return true;   // mostly written as in the file
    if (a.size() == b.size()) {
        qsizetype i = 0;
        for (; i < a.size(); ++i) {
            const char16_t x = a[i].unicode(), y = b[i].unicode();
            if (x >= 0x80 || y >= 0x80)
                break;
            if (Mala(x) != Mala(y))
                return false;
        }
        if (i == a.size())
            return true;
    } else if (Ascii(a) && Ascii(b)) {
        return false;
    }
    return Zlozona(a) == Zlozona(b);
}

void IndeksNazw::Dodaj(quint32 skrot, int pozycja)
{
    if ((m_ile + 1) * 2 > m_miejsca.size()) {
        std::vector<Miejsce> stare = std::move(m_miejsca);
        m_miejsca.assign(stare.empty() ? 64 : stare.size() * 4, Miejsce());
        for (const Miejsce &m : stare)
            if (m.pozycja >= 0)
                Wstaw(m.skrot, m.pozycja);
    }
    Wstaw(skrot, pozycja);
    ++m_ile;
}

void IndeksNazw::Wstaw(quint32 skrot, int pozycja)
{
    const size_t maska = m_miejsca.size() - 1;
    size_t i = skrot & maska;
    while (m_miejsca[i].pozycja >= 0)
        i = (i + 1) & maska;
    m_miejsca[i] = {skrot, pozycja};
}
