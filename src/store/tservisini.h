#pragma once
// The store with a two-way transfer: one IOk call per key either writes a variable into
// the store or reads the store into the variable, as the direction fixed at construction
// says, so a file's reader and writer share one list of keys.

#include "tvirini.h"

class TservisIni : public TvirIni {
public:
    using TonIOkey = std::function<void()>;

    // Type codes of a transfer.
    enum : quint16 { kTekst = 256, kCalkowita = 3, kRzeczywista = 5, kData = 7, kLogiczna = 11 };

    TservisIni(const QString &Plik, bool Zapis);
    TservisIni(ZTekstu, const QString &StrIni, bool Zapis);
    TservisIni(TpiszCzytIni PiszCzytIni, bool Zapis);

    void IOsk(const QString &Sekc, const QString &Key, QString &S, const QString &Sdef, int Tag = 0);
    void IOsk(const QString &Sekc, const QString &Key, int &I, int Idef, int Tag = 0);
    void IOsk(const QString &Sekc, const QString &Key, double &F, double Fdef, int Tag = 0);
    void IOsk(const QString &Sekc, const QString &Key, bool &L, bool Ldef, int Tag = 0);
    void IOskData(const QString &Sekc, const QString &Key, double &D, double Ddef, int Tag = 0);

    void IOk(const QString &Key, QString &S, const QString &Sdef, int Tag = 0) { IOsk(FdefSekc, Key, S, Sdef, Tag); }
    void IOk(const QString &Key, int &I, int Idef, int Tag = 0) { IOsk(FdefSekc, Key, I, Idef, Tag); }
    void IOk(const QString &Key, double &F, double Fdef, int Tag = 0) { IOsk(FdefSekc, Key, F, Fdef, Tag); }
    void IOk(const QString &Key, bool &L, bool Ldef, int Tag = 0) { IOsk(FdefSekc, Key, L, Ldef, Tag); }
    void IOkData(const QString &Key, double &D, double Ddef, int Tag = 0) { IOskData(FdefSekc, Key, D, Ddef, Tag); }

    // An enumeration through its ordinal; a value read is limited into 0..max.
    template <typename E> void IOkEnum(const QString &Key, E &X, int max, int Tag = 0)
    {
        int v = X;
        IOk(Key, v, 0, Tag);
        if (!Fzapis)
            X = static_cast<E>(v < 0 ? 0 : v > max ? max : v);
    }

    virtual void DoIOkey(quint16 TypWar, const QString &Sekc, const QString &Key, int Tag);

    QString XdefSekc() const { return FdefSekc; }
    void setXdefSekc(const QString &s) { FdefSekc = s; }
    bool Xzapis() const { return Fzapis; }
    void setXzapis(bool z) { Fzapis = z; }
    TonIOkey XonIOkey() const { return FonIOkey; }
    void setXonIOkey(TonIOkey f) { FonIOkey = std::move(f); }

    QString Xkey() const { return Fkey; }
    QString Xsekc() const { return Fsekc; }
    int Xtag() const { return Ftag; }
    quint16 XTypWar() const { return FTypWar; }
    QString XwarStr() const { return Fstr; }
    void setXwarStr(const QString &v) { Fstr = v; }
    int XwarInt() const { return FInt; }
    void setXwarInt(int v) { FInt = v; }
    double XwarFlo() const { return FFlo; }
    void setXwarFlo(double v) { FFlo = v; }
    double XwarDat() const { return FDat; }
    void setXwarDat(double v) { FDat = v; }
    bool XwarLog() const { return FLog; }
    void setXwarLog(bool v) { FLog = v; }

private:
    // One transfer of a value through its slot, which the key handler may read and change.
    template <typename T>
    void Przenies(quint16 TypWar, const QString &Sekc, const QString &Key, T &X, T Xdef, int Tag, T &Slot,
                  T (TvirIni::*Czytaj)(const QString &, const QString &, T) const,
                  void (TvirIni::*Pisz)(const QString &, const QString &, T));

    QString FdefSekc;
    bool Fzapis = false;
    TonIOkey FonIOkey;
    QString Fkey;
    QString Fsekc;
    int Ftag = 0;
    QString Fstr;
    int FInt = 0;
    double FFlo = 0;
    double FDat = 0;
    bool FLog = false;
    quint16 FTypWar = 0;
};
