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

void TservisIni::IOsk(const QString &Sekc, const QString &Key, int &I, int Idef, int Tag)
{
    FInt = Fzapis ? I : ReadInteger(Sekc, Key, Idef);
    DoIOkey(kCalkowita, Sekc, Key, Tag);
    if (Fzapis)
        WriteInteger(Sekc, Key, FInt);
    else
        I = FInt;
}

void TservisIni::IOsk(const QString &Sekc, const QString &Key, double &F, double Fdef, int Tag)
{
    FFlo = Fzapis ? F : ReadFloat(Sekc, Key, Fdef);
    DoIOkey(kRzeczywista, Sekc, Key, Tag);
    if (Fzapis)
        WriteFloat(Sekc, Key, FFlo);
    else
        F = FFlo;
}

void TservisIni::IOsk(const QString &Sekc, const QString &Key, bool &L, bool Ldef, int Tag)
{
    FLog = Fzapis ? L : ReadBool(Sekc, Key, Ldef);
    DoIOkey(kLogiczna, Sekc, Key, Tag);
    if (Fzapis)
        WriteBool(Sekc, Key, FLog);
    else
        L = FLog;
}

void TservisIni::IOskData(const QString &Sekc, const QString &Key, double &D, double Ddef, int Tag)
{
    FDat = Fzapis ? D : ReadDate(Sekc, Key, Ddef);
    DoIOkey(kData, Sekc, Key, Tag);
    if (Fzapis)
        WriteDate(Sekc, Key, FDat);
    else
        D = FDat;
}
