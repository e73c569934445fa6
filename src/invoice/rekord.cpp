#include "rekord.h"

#include "common/daty.h"
#include "common/formaty.h"
#include "common/teksty.h"

#include <algorithm>
#include <stdexcept>

const std::array<QString, kLiczbaRodzajowFaktur> NazwyFaktur = {
    QStringLiteral("Faktura VAT"),      QStringLiteral("Faktura korygująca VAT"),
    QStringLiteral("Faktura VAT - MP"), QStringLiteral("Rachunek Uproszczony"),
    QStringLiteral("Rachunek"),         QStringLiteral("Faktura Pro Forma")};
const std::array<QString, kLiczbaRodzajowFaktur> NazwyFakturDop = {
    QStringLiteral("faktury VAT"),      QStringLiteral("faktury VAT"),
    QStringLiteral("faktury VAT - MP"), QStringLiteral("rachunku uproszczonego"),
    QStringLiteral("rachunku"),         QStringLiteral("faktury Pro Forma")};
const std::array<QString, kLiczbaZaplat> NazwyZaplat = {QStringLiteral("gotówką"), QStringLiteral("przelewem"),
                                                        QStringLiteral("kartą kredytową"),
                                                        QStringLiteral("za zaliczeniem pocztowym")};
const std::array<QString, kLiczbaTypowDat> NazwyDatSprzedazy = {QStringLiteral("Data sprzedaży"),
                                                                QStringLiteral("Data wykonania usługi"),
                                                                QStringLiteral("Data dokonania dostawy")};
const std::array<QString, kLiczbaRodzajowVat> KluczeSum = {QStringLiteral("SU"), QStringLiteral("ZW"),
                                                           QStringLiteral("V0"), QStringLiteral("V1"),
                                                           QStringLiteral("V2"), QStringLiteral("V3")};
const std::array<QString, kLiczbaRodzajowVat> NazwyStatusowVat = {
    QStringLiteral(" nie wybrano"), QStringLiteral(" zwolniony"),    QStringLiteral(" stawka  0 %"),
    QStringLiteral(" stawka  8 %"), QStringLiteral(" stawka  23 %"), QStringLiteral(" stawka  5 %")};
const std::array<QString, kLiczbaNumeracji> NazwyNumeracji = {
    QStringLiteral("N / R"), QStringLiteral("N / M / R"), QStringLiteral("N / S / R"), QStringLiteral("N / S / M / R")};

void TpozFaktury::czysc() { *this = TpozFaktury(); }

QString TpozFaktury::Polacz(int od) const
{
    qsizetype n = kPola - 1 - od;
    for (int i = od; i < kPola; ++i)
        n += Pole(i).size();
    QString s(n, Qt::Uninitialized);
    QChar *d = s.data();
    for (int i = od; i < kPola; ++i) {
        if (i > od)
            *d++ = QLatin1Char('|');
        d = std::copy(Pole(i).cbegin(), Pole(i).cend(), d);
    }
    return s;
}

QString TpozFaktury::WydajStr() const { return Polacz(0); }

void TpozFaktury::WydajDoPliku(QString &towar, QString &reszta) const
{
    if (Towar.contains(QLatin1Char('|'))) {
        reszta = WydajStr();
        towar = OdetnijPole(reszta, QLatin1Char('|'));
    } else {
        towar = Towar;
        reszta = Polacz(1);
    }
}

void TpozFaktury::LadujPola(QStringView S, int od)
{
    // field by field up to the next "|"; what follows the last field is dropped
    qsizetype poczatek = 0;
    for (int i = od; i < kPola; ++i) {
        if (poczatek > S.size()) {
            Pole(i).clear();
            continue;
        }
        qsizetype koniec = poczatek;
        while (koniec < S.size() && S[koniec] != QLatin1Char('|'))
            ++koniec;
        Pole(i) = S.sliced(poczatek, koniec - poczatek).toString();
        poczatek = koniec + 1;
    }
}

void TpozFaktury::LadujStr(QString &S)
{
    LadujPola(S, 0);
    S.clear();
}

void TpozFaktury::LadujZPliku(const QString &towar, QStringView reszta)
{
    if (towar.contains(QLatin1Char('|'))) {
        QString s = towar + QLatin1Char('|') + reszta.toString();
        LadujStr(s);
    } else {
        Towar = towar;
        LadujPola(reszta, 1);
    }
}

bool TpozFaktury::PozJestPusta() const
{
    // empty when nothing but blanks and the field separators is in the row's text
    for (int i = 0; i < kPola; ++i)
        for (QChar c : Pole(i))
            if (c.unicode() > 0x20 && c != QLatin1Char('|'))
                return false;
    return true;
}

void TrekordVat::czysc() { *this = TrekordVat(); }

QString TrekordVat::WydajStr() const
{
    return Netto + QLatin1Char('|') + PrcVat + QLatin1Char('|') + WarVat + QLatin1Char('|') + Brutto;
}

void TrekordVat::ladujStr(QString S)
{
    Netto = OdetnijPole(S, QLatin1Char('|'));
    PrcVat = OdetnijPole(S, QLatin1Char('|'));
    WarVat = OdetnijPole(S, QLatin1Char('|'));
    Brutto = OdetnijPole(S, QLatin1Char('|'));
}

void TkwotyVat::czysc() { *this = TkwotyVat(); }

namespace {
// The first rate's text is the first one listed (NaN never equals itself and goes on).
bool PierwszaStawka(const TkwotyVat &suma, const TkwotyVat &V) { return suma.Licz > 0 && V.dPrc == suma.dPrc; }
}   // namespace

void TkwotyVat::dodaj(const TkwotyVat &V)
{
    dodaj(V, PierwszaStawka(*this, V) ? QString() : FloatKrotko(true, V.dPrc));
}

void TkwotyVat::dodaj(const TkwotyVat &V, const QString &t)
{
    dNet += V.dNet;
    dVat += V.dVat;
    dBru += V.dBru;
    if (PierwszaStawka(*this, V))
        return;
    if (Licz == 0) {
        Licz = 1;
        dPrc = V.dPrc;
        sPrc = t;
        return;
    }
    // a rate's text holds no "/": it is listed when it is none of the texts between them
    for (const QStringView s : QStringView(sPrc).tokenize(QLatin1Char('/')))
        if (s == t)
            return;
    ++Licz;
    sPrc += QLatin1Char('/');
    sPrc += t;
}

bool TkwotyVat::NorVorB() const { return dNet != 0 || dVat != 0 || dBru != 0; }

void TsumyKwotVat::czysc()
{
    for (auto &k : aSum)
        k.czysc();
}

TkwotyVat TsumyKwotVat::wydaj(TrodzajVat r) const { return aSum.at(r); }
void TsumyKwotVat::dodaj(TrodzajVat r, const TkwotyVat &Kv) { aSum.at(r).dodaj(Kv); }

void TzentoraVat::Czysc() { *this = TzentoraVat(); }

TpozFaktury &TzentoraVat::Pozycja(int i)
{
    if (i < 1 || i > kMaxPozycji)
        throw std::out_of_range("TzentoraVat::Pozycja");
    return PozycFaktury[i - 1];
}

const TpozFaktury &TzentoraVat::Pozycja(int i) const { return const_cast<TzentoraVat *>(this)->Pozycja(i); }

int TzentoraVat::OstatniaPozycja() const
{
    for (int i = kMaxPozycji; i >= 1; --i)
        if (!Pozycja(i).PozJestPusta())
            return i;
    return 0;
}

QString TzentoraVat::DajOznaczenieFaktury() const
{
    int r = 0, m = 0, d = 0;
    RozkodujDate(TekstNaDate(DataWystaw, 0), r, m, d);
    const QString n = QString::number(NumerFak);
    const QString rok = QString::number(r);
    const QString msc = QString::number(m);
    switch (RodzajNum) {
    case numerNR: return n + QLatin1Char('/') + rok;
    case numerNMR: return n + QLatin1Char('/') + msc + QLatin1Char('/') + rok;
    case numerNSR: return n + QLatin1Char('/') + SymbolFak + QLatin1Char('/') + rok;
    case numerNSMR: return n + QLatin1Char('/') + SymbolFak + QLatin1Char('/') + msc + QLatin1Char('/') + rok;
    }
    return QString();
}

void TiniZentora::Czysc() { *this = TiniZentora(); }

int GrupaSerii(TrodzajFaktury r)
{
    // Invoices of every VAT kind (a correction and a simplified invoice included) share their
    // symbol's numbers, so no two documents carry the same designation; a pro forma and a bill
    // are numbered apart.
    switch (r) {
    case rProForma: return 2;
    case rZwykly: return 1;
    default: return 0;
    }
}

void UstawRodzajFaktury(TzentoraVat &f, TrodzajFaktury nowy, const TiniZentora &ini)
{
    const TrodzajFaktury stary = f.RodzajFak;
    f.RodzajFak = nowy;
    if (nowy == rProForma) {
        f.RodzajNum = numerNSMR;
        f.SymbolFak = QStringLiteral("PF");
    } else if (const bool rachunek = GrupaSerii(nowy) == GrupaSerii(rZwykly);
               stary == rProForma || rachunek != (GrupaSerii(stary) == GrupaSerii(rZwykly))) {
        // a bill is numbered in its own series, with its own symbol
        f.RodzajNum = ini.iniNumerac;
        f.SymbolFak = rachunek ? ini.iniSymbolRach : ini.iniSymbol;
    }
}

TzentoraVat NowaFaktura(const TiniZentora &ini, double dzis)
{
    TzentoraVat f;
    f.WersjaFak = 2;
    f.RodzajFak = rZentora;
    f.RodzajNum = ini.iniNumerac;
    f.NumerFak = 1;
    f.SymbolFak = ini.iniSymbol;
    f.KupKod = QStringLiteral("  -   ");
    f.SprzedRamka = ini.iniTabFirm;
    QString bank = ini.iniTabBank;
    f.SprzedBank = OdetnijPole(bank, QLatin1Char(';'));
    f.SprzedKonto = bank;
    f.SprzedOsoba = ini.iniTabOsob;
    f.RodzZaplaty = ini.iniZaplata;
    f.DataWystaw = f.DataSprzed = DataNaTekst(QString(), dzis);
    const int dni = f.RodzZaplaty == zPrzelew ? ini.iniDniZapl : 0;
    f.DataZaplaty = DataNaTekst(QString(), TekstNaDate(f.DataWystaw, 0) + dni);
    return f;
}
