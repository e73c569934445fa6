#pragma once
// Look-up of names compared without regard to case (as QString::toCaseFolded compares
// them), for the sections of a store and the keys of a section. Every entry read or
// written looks a name up: ASCII names are folded on the fly, nothing is allocated, and
// only names with other characters are folded into a copy.

#include <QStringView>
#include <vector>

// The hash of the folded name.
quint32 SkrotNazwy(QStringView nazwa);
bool TeSameNazwy(QStringView a, QStringView b);

// Positions (0, 1, ...) by name, by open addressing on the name's hash; the names stay
// where the owner keeps them and are asked for by position.
class IndeksNazw {
public:
    void Czysc()
    {
        m_miejsca.clear();
        m_ile = 0;
    }

    // The position of `nazwa` (skrot: its SkrotNazwy), -1 when absent; nazwaNa(pozycja)
    // gives the name held at a position.
    template <typename F> int Znajdz(QStringView nazwa, quint32 skrot, const F &nazwaNa) const
    {
        if (m_miejsca.empty())
            return -1;
        const size_t maska = m_miejsca.size() - 1;
        for (size_t i = skrot & maska;; i = (i + 1) & maska) {
            const Miejsce &m = m_miejsca[i];
            if (m.pozycja < 0)
                return -1;
            if (m.skrot == skrot && TeSameNazwy(nazwaNa(m.pozycja), nazwa))
                return m.pozycja;
        }
    }

    // Adds a name known to be absent.
    void Dodaj(quint32 skrot, int pozycja);

private:
    struct Miejsce {
        quint32 skrot = 0;
        int pozycja = -1;   // -1: free
    };
    void Wstaw(quint32 skrot, int pozycja);

    std::vector<Miejsce> m_miejsca;   // a power of two, at most half full
    size_t m_ile = 0;
};
