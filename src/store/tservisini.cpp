#include "tservisini.h"

#include "common/teksty.h"

TservisIni::TservisIni(const QString &Plik, bool Zapis) : TvirIni(Plik), Fzapis(Zapis) {}
TservisIni::TservisIni(ZTekstu z, const QString &StrIni, bool Zapis) : TvirIni(z, StrIni), Fzapis(Zapis) {}
TservisIni::TservisIni(TpiszCzytIni PiszCzytIni, bool Zapis) : TvirIni(std::move(PiszCzytIni)), Fzapis(Zapis) {}

void TservisIni::DoIOkey(quint16 TypWar, const QString &Sekc, const QString &Key, int Tag)
{
    FTypWar = TypWar;
    Fsekc = Sekc;
    Fkey = Key;
    Ftag = Tag;
    if (FonIOkey)
        FonIOkey();
}

void TservisIni::IOsk(const QString &Sekc, const QString &Key, QString &S, const QString &Sdef, int Tag)
{
    Fstr = Fzapis ? Trim(S) : ReadString(Sekc, Key, Sdef);
    DoIOkey(kTekst, Sekc, Key, Tag);
    if (Fzapis)
        WriteString(Sekc, Key, Fstr);
    else
        S = Trim(Fstr);
}

template <typename T>
void TservisIni::Przenies(quint16 TypWar, const QString &Sekc, const QString &Key, T &X, T Xdef, int Tag, T &Slot,
                          T (TvirIni::*Czytaj)(const QString &, const QString &, T) const,
                          void (TvirIni::*Pisz)(const QString &, const QString &, T))
{
    Slot = Fzapis ? X : (this->*Czytaj)(Sekc, Key, Xdef);
    DoIOkey(TypWar, Sekc, Key, Tag);
    if (Fzapis)
        (this->*Pisz)(Sekc, Key, Slot);
    else
        X = Slot;
}

void TservisIni::IOsk(const QString &Sekc, const QString &Key, int &I, int Idef, int Tag)
{
    Przenies(kCalkowita, Sekc, Key, I, Idef, Tag, FInt, &TvirIni::ReadInteger, &TvirIni::WriteInteger);
}

void TservisIni::IOsk(const QString &Sekc, const QString &Key, double &F, double Fdef, int Tag)
{
    Przenies(kRzeczywista, Sekc, Key, F, Fdef, Tag, FFlo, &TvirIni::ReadFloat, &TvirIni::WriteFloat);
}

void TservisIni::IOsk(const QString &Sekc, const QString &Key, bool &L, bool Ldef, int Tag)
{
    Przenies(kLogiczna, Sekc, Key, L, Ldef, Tag, FLog, &TvirIni::ReadBool, &TvirIni::WriteBool);
}

void TservisIni::IOskData(const QString &Sekc, const QString &Key, double &D, double Ddef, int Tag)
{
    Przenies(kData, Sekc, Key, D, Ddef, Tag, FDat, &TvirIni::ReadDate, &TvirIni::WriteDate);
}
