#include "sumy.h"

#include "stawki.h"

#include "common/daty.h"
#include "common/formaty.h"
#include "common/komunikaty.h"
#include "common/teksty.h"

#include <stdexcept>
#include <utility>
#include <vector>

TabeleWPamieci::TabeleWPamieci()
{
    m_pozycje.resize(kMaxPozycji * kKolumnyPozycji);
    m_sumy.resize(kWierszeSum * kKolumnySum);
}

namespace {
int IndeksPozycji(int kol, int wiersz)
{
    if (kol < 1 || kol > kKolumnyPozycji || wiersz < 1 || wiersz > kMaxPozycji)
        throw std::out_of_range("TabeleWPamieci::Pozycja");
    return (wiersz - 1) * kKolumnyPozycji + (kol - 1);
}

int IndeksSumy(int kol, int wiersz)
{
    if (kol < 0 || kol >= kKolumnySum || wiersz < 0 || wiersz >= kWierszeSum)
        throw std::out_of_range("TabeleWPamieci::Suma");
    return wiersz * kKolumnySum + kol;
}

QString Kwota(double x) { return KwotaNaTekst(0, true, false, x); }

// A cell whose text already is the recomputed amount keeps it.
void UstawKwote(TabeleFaktury &t, int kol, int wiersz, double x)
{
    if (!TekstKwoty(t.Pozycja(kol, wiersz), 0, true, false, x))
        t.UstawPozycje(kol, wiersz, Kwota(x));
}
}   // namespace

QString TabeleWPamieci::Pozycja(int kol, int wiersz) const { return m_pozycje.at(IndeksPozycji(kol, wiersz)); }
void TabeleWPamieci::UstawPozycje(int kol, int wiersz, const QString &tekst)
{
    m_pozycje[IndeksPozycji(kol, wiersz)] = tekst;
}
QString TabeleWPamieci::Suma(int kol, int wiersz) const { return m_sumy.at(IndeksSumy(kol, wiersz)); }
void TabeleWPamieci::UstawSume(int kol, int wiersz, const QString &tekst) { m_sumy[IndeksSumy(kol, wiersz)] = tekst; }

double DataSprzedazy(const TabeleFaktury &t) { return TekstNaDate(t.TekstDatySprzedazy(), 0); }

bool SprawdzDateSprzedazy(const TabeleFaktury &t, bool przerwij)
{
    const bool ok = DataSprzedazy(t) > 0;
    const QString tekst = QStringLiteral("XWadliwa data sprzedaży - nie można sprawdzić stawek VAT");
    if (przerwij)
        Wymagaj(ok, tekst);
    else if (!ok)
        Komunikat(tekst);
    return ok;
}

TrodzajVat IndeksStawki(double d, const QString &tekst, bool &ok)
{
    ok = true;
    const QString t = Trim(tekst);
    for (TrodzajVat r : {vat0, vat7, vat22, vatA})
        if (t == StawkaVatTekst(r, d))
            return r;
    ok = false;
    Komunikat(QStringLiteral("XNiepoprawna wartość % Vat = ") + t + QStringLiteral(" %|")
              + QStringLiteral("Dla wpisanej daty sprzedaży, poprawne|") + QStringLiteral("stawki to:  ")
              + ListaStawek(d) + QStringLiteral("zw||\"zw\" oznacza sprzedaż zwolnioną z VAT."));
    return vatSum;
}

TrodzajVat IndeksZPozycji(double d, const QString &tekst, bool &ok)
{
    if (Pusty(StawkaZWpisu(tekst))) {
        ok = true;
        return vatZw;
    }
    return IndeksStawki(d, tekst, ok);
}

TrodzajVat IndeksZEtykiety(double d, const QString &etykieta, bool &ok)
{
    if (etykieta == QLatin1String("-----")) {
        ok = true;
        return vatSum;
    }
    if (etykieta == QLatin1String("zwol.")) {
        ok = true;
        return vatZw;
    }
    QString e = etykieta;
    return IndeksStawki(d, OdetnijPole(e, QLatin1Char(' ')), ok);
}

QString StawkaDoZapisu(TrodzajVat r, const QString &etykieta)
{
    if (r == vatSum || r == vatZw)
        return QStringLiteral("0");
    QString e = etykieta;
    return OdetnijPole(e, QLatin1Char(' '));
}

void PrzeliczSumy(TabeleFaktury &t)
{
    const double d = DataSprzedazy(t);
    TsumyKwotVat S;
    // the text of each rate made once, not for each row and total it is added to
    std::vector<std::pair<double, QString>> teksty;
    const auto tekstStawki = [&teksty](double prc) {
        for (const auto &[stawka, tekst] : teksty)
            if (stawka == prc)
                return tekst;
        teksty.emplace_back(prc, FloatKrotko(true, prc));
        return teksty.back().second;
    };
    for (int w = 1; w <= kMaxPozycji; ++w) {
        const long double q = TekstNaFloat(t.Pozycja(kolIlosc, w), 0);
        const long double c = TekstNaFloat(t.Pozycja(kolCena, w), 0);
        const long double p = TekstNaFloat(t.Pozycja(kolPrcVat, w), 0);
        const double net = ZaokraglijGr(q * c);
        const double vat = ZaokraglijGr(0.01L * p * static_cast<long double>(net));
        const double gross = ZaokraglijGr(static_cast<long double>(net) + static_cast<long double>(vat));
        UstawKwote(t, kolNetto, w, net);
        UstawKwote(t, kolWarVat, w, vat);
        UstawKwote(t, kolBrutto, w, gross);
        bool ok = false;
        const TrodzajVat r = IndeksZPozycji(d, t.Pozycja(kolPrcVat, w), ok);
        Wymagaj(ok, QString());
        TkwotyVat K;
        K.dNet = net;
        K.dPrc = double(p);
        K.dVat = vat;
        K.dBru = gross;
        const QString tekst = tekstStawki(K.dPrc);
        S.aSum[r].dodaj(K, tekst);
        S.aSum[vatSum].dodaj(K, tekst);
    }
    int wiersz = 0;
    for (int i = vatSum; i <= vatA; ++i) {
        const TrodzajVat r = static_cast<TrodzajVat>(i);
        const TkwotyVat &k = S.aSum[r];
        if (r != vatSum && !k.NorVorB())
            continue;
        t.UstawSume(1, wiersz, OpisStawki(r, k.sPrc));
        t.UstawSume(0, wiersz, Kwota(k.dNet));
        t.UstawSume(2, wiersz, Kwota(k.dVat));
        t.UstawSume(3, wiersz, Kwota(k.dBru));
        ++wiersz;
    }
    for (; wiersz < kWierszeSum; ++wiersz)
        for (int k = 0; k < kKolumnySum; ++k)
            t.UstawSume(k, wiersz, QString());
    t.UstawDoZaplaty(KwotaNaTekst(15, true, false, S.aSum[vatSum].dBru));
}

void PrzeliczDoZapisu(TabeleFaktury &t, TrodzajFaktury rodzaj)
{
    SprawdzDateSprzedazy(t, true);
    if (rodzaj == rZwykly) {
        for (int w = 1; w <= kMaxPozycji; ++w) {
            const QString stawka = Trim(t.Pozycja(kolPrcVat, w));
            Wymagaj(stawka.isEmpty() || TekstNaFloat(stawka, -1) == 0,
                    QStringLiteral("XRachunek nie może zawierać podatku VAT.|Wiersz %1 ma stawkę %2 % - "
                                   "dozwolona jest tylko stawka 0 lub puste pole.")
                        .arg(QString::number(w), stawka));
        }
    }
    PrzeliczSumy(t);
}

QString PrzeliczRekord(TzentoraVat &rekord)
{
    TabeleWPamieci t;
    t.dataSprzedazy = rekord.DataSprzed;
    RekordDoTabel(rekord, t);
    PrzeliczDoZapisu(t, rekord.RodzajFak);
    TabeleDoRekordu(t, rekord, true);
    return t.doZaplaty;
}

void TabeleDoRekordu(TabeleFaktury &t, TzentoraVat &rekord, bool przerwij)
{
    const double d = DataSprzedazy(t);
    for (int i = vatSum; i <= vatA; ++i) {
        const TrodzajVat r = static_cast<TrodzajVat>(i);
        rekord.SumyFaktury[r].czysc();
        rekord.SumyFaktury[r].PrcVat = StawkaVatTekst(r, d);
    }
    if (!SprawdzDateSprzedazy(t, przerwij))
        return;
    for (int w = 0; w < kWierszeSum; ++w) {
        const QString etykieta = t.Suma(1, w);
        if (Pusty(etykieta))
            continue;
        bool ok = false;
        const TrodzajVat r = IndeksZEtykiety(d, etykieta, ok);
        if (!ok) {
            if (przerwij)
                Wymagaj(false, QString());
            return;
        }
        TrekordVat &s = rekord.SumyFaktury[r];
        s.Netto = t.Suma(0, w);
        s.PrcVat = StawkaDoZapisu(r, etykieta);
        s.WarVat = t.Suma(2, w);
        s.Brutto = t.Suma(3, w);
    }
    rekord.IlePozyc = 0;
    for (int w = 1; w <= kMaxPozycji; ++w) {
        TpozFaktury &p = rekord.Pozycja(w);
        for (int k = 0; k < TpozFaktury::kPola; ++k)
            p.Pole(k) = t.Pozycja(k + 1, w);
        if (!p.PozJestPusta())
            rekord.IlePozyc = w;
    }
    ScisnijPozycje(rekord);
}

void ScisnijPozycje(TzentoraVat &rekord)
{
    const int ile = Ogranicz(rekord.IlePozyc, 0, kMaxPozycji);
    int n = 0;
    for (int w = 1; w <= ile; ++w) {
        if (rekord.Pozycja(w).PozJestPusta())
            continue;
        if (++n != w)
            rekord.Pozycja(n) = rekord.Pozycja(w);
    }
    for (int w = n + 1; w <= ile; ++w)
        rekord.Pozycja(w) = TpozFaktury();
    rekord.IlePozyc = n;
}

void RekordDoTabel(const TzentoraVat &rekord, TabeleFaktury &t)
{
    int wiersz = 0;
    for (int i = vatSum; i <= vatA; ++i) {
        const TrodzajVat r = static_cast<TrodzajVat>(i);
        const TrekordVat &s = rekord.SumyFaktury[r];
        if (r != vatSum && TekstNaFloat(s.Brutto, 0) == 0)
            continue;
        t.UstawSume(0, wiersz, s.Netto);
        t.UstawSume(1, wiersz, OpisStawki(r, s.PrcVat));
        t.UstawSume(2, wiersz, s.WarVat);
        t.UstawSume(3, wiersz, s.Brutto);
        ++wiersz;
    }
    for (; wiersz < kWierszeSum; ++wiersz)
        for (int k = 0; k < kKolumnySum; ++k)
            t.UstawSume(k, wiersz, QString());
    t.UstawDoZaplaty(rekord.SumyFaktury[vatSum].Brutto);
    for (int w = 1; w <= kMaxPozycji; ++w) {
        const TpozFaktury &p = rekord.Pozycja(w);
        for (int k = 0; k < TpozFaktury::kPola; ++k)
            t.UstawPozycje(k + 1, w, p.Pole(k));
    }
}
