// The item grid and the totals: the invoice's own check of a finished cell, the
// recomputation through the totals engine, and the row commands.

#include "zentoraedyt.h"

#include "common/bledy.h"
#include "common/formaty.h"
#include "common/komunikaty.h"
#include "common/teksty.h"
#include "controls/justgrid.h"
#include "controls/tokienka.h"
#include "invoice/stawki.h"
#include "invoice/sumy.h"

#include <QAction>
#include <cmath>

namespace {

TpozFaktury WierszSiatki(const TjustGrid &g, int wiersz)
{
    TpozFaktury p;
    for (int k = 0; k < TpozFaktury::kPola; ++k)
        p.Pole(k) = g.Cells(k + 1, wiersz);
    return p;
}

void UstawWierszSiatki(TjustGrid &g, int wiersz, const TpozFaktury &p)
{
    for (int k = 0; k < TpozFaktury::kPola; ++k)
        g.setCells(k + 1, wiersz, p.Pole(k));
}

}   // namespace

bool TZentoraForma::KwotyWZakresie(int Acol, int Arow, const QString &cela) const
{
    // Beyond this an amount is no longer held exactly to the grosz, and the row's gross would
    // disagree with its own net plus VAT.
    constexpr long double kMaksimum = 99999999999.99L;
    const auto liczba = [&](int kol) {
        return static_cast<long double>(TekstNaFloat(kol == Acol ? cela : Grid->Cells(kol, Arow), 0));
    };
    const long double netto = std::fabs(liczba(kolIlosc) * liczba(kolCena));
    return netto * (1 + std::fabs(liczba(kolPrcVat)) / 100) <= kMaksimum;
}

void TZentoraForma::GridXtestujCelke(int Acol, int Arow, const QString &cela, bool &OK)
{
    try {
        SprawdzDateSprzedazy(false);
        const double sprzedano = DataSprzedazy(Tabele());
        // a bill carries no VAT: its rows get no rate
        if (Acol == kolTowar && IniZentora.iniMojVat >= vat0 && cboZentora->currentIndex() != rZwykly) {
            const QString domyslna = StawkaVatTekst(IniZentora.iniMojVat, sprzedano);
            if (Niepusty(cela)) {
                UzupelnijTowar(Arow, cela);
                // a new item gets the seller's usual rate
                if (Pusty(Grid->Cells(kolPrcVat, Arow)))
                    Grid->setCells(kolPrcVat, Arow, domyslna);
            } else if (Grid->Cells(kolPrcVat, Arow) == domyslna) {
                // a row whose name is gone holds nothing but the usual rate: it is empty again
                TpozFaktury p = WierszSiatki(*Grid, Arow);
                p.Towar.clear();
                p.PrcVat.clear();
                if (p.PozJestPusta())
                    Grid->setCells(kolPrcVat, Arow, QString());
            }
        } else if (Acol == kolPrcVat) {
            // "zw" is the exempt rate, which the row keeps as an empty cell
            const QString stawka = StawkaZWpisu(cela);
            if (stawka != cela)
                Grid->setCells(kolPrcVat, Arow, stawka);
            OK = false;
            const double v = TekstNaFloat(stawka, -1);
            if (v == -1)
                return;
            if (cboZentora->currentIndex() == rZwykly)
                OK = v == 0;   // a bill carries no VAT
            else
                IndeksZPozycji(sprzedano, stawka, OK);
        }
        if (OK && (Acol == kolIlosc || Acol == kolCena || Acol == kolPrcVat) && !KwotyWZakresie(Acol, Arow, cela)) {
            OK = false;
            Grid->UstawOpisBledu(QStringLiteral("Pozycja %1: wartość brutto przekroczyłaby 99.999.999.999,99 zł.|"
                                                "Zmniejsz ilość lub cenę.")
                                     .arg(Arow));
        }
        if (OK) {
            PrzeliczSumy(Tabele());
            ZaplanujKopie();
        }
    } catch (const ECichyAbort &) {
        // A row whose rate does not fit the sale date stopped the recomputation after its
        // message; the cell itself stays as judged above.
    } catch (const std::exception &e) {
        OK = false;
        PokazBlad(e);
    }
}

void TZentoraForma::GridKeyDown(int &klawisz, Qt::KeyboardModifiers mod)
{
    if (Grid->EdytorOtwarty())
        return;
    if (klawisz == Qt::Key_Delete && (mod & Qt::ControlModifier)) {
        klawisz = 0;
        Polecenie([this] { UsunWiersz(); });
    } else if (klawisz == Qt::Key_Insert) {
        klawisz = 0;
        Polecenie([this] { WstawWiersz(); });
    }
}

void TZentoraForma::PopupGridPopup()
{
    const bool mozna = !Grid->EdytorOtwarty();
    UsuWiersz->setEnabled(mozna);
    WsawWiersz->setEnabled(mozna);
}

void TZentoraForma::UsunWiersz()
{
    const int biezacy = Grid->Row();
    if (biezacy < 1 || biezacy > kMaxPozycji)
        return;
    if (!PytanieOkAnuluj(this, QStringLiteral("!Czy na pewno usunąć wskazany wiersz ?"), 1))
        return;
    // the cell texts move as they are, whatever they hold
    for (int w = biezacy; w < kMaxPozycji; ++w)
        UstawWierszSiatki(*Grid, w, WierszSiatki(*Grid, w + 1));
    UstawWierszSiatki(*Grid, kMaxPozycji, TpozFaktury());
    Grid->DopasujWysokoscCel();
    PrzeliczPoZmianie();
}

void TZentoraForma::WstawWiersz()
{
    const int biezacy = Grid->Row();
    if (biezacy < 1 || biezacy > kMaxPozycji)
        return;
    // the last row has nowhere to go: its content is lost only when the user agrees
    const bool ostatniZajety = !WierszSiatki(*Grid, kMaxPozycji).PozJestPusta();
    const bool tak =
        ostatniZajety ? PytanieOkAnuluj(
            this, QStringLiteral("!Wiersz 50 nie jest pusty - jego treść zostanie usunięta.|Czy wstawić wiersz ?"), 2)
                      : PytanieOkAnuluj(this, QStringLiteral("Czy wstawić wiersz ?"), 1);
    if (!tak)
        return;
    RozsunWiersze(QString());
    PrzeliczPoZmianie();
}

void TZentoraForma::PrzeliczPoZmianie()
{
    // With an unreadable sale date the rates cannot be told; saving and printing say so.
    m_dataSumy = EdyDatSprz->Tekst();
    if (DataSprzedazy(Tabele()) > 0)
        PrzeliczSumy(Tabele());
}

void TZentoraForma::PoZmianieDatySprzedazy()
{
    if (EdyDatSprz->Tekst() != m_dataSumy)
        PrzeliczPoZmianie();
}

void TZentoraForma::RozsunWiersze(const QString &wiersz)
{
    const int biezacy = Grid->Row();
    if (biezacy < 1 || biezacy > kMaxPozycji)
        return;
    for (int w = kMaxPozycji; w > biezacy; --w)
        UstawWierszSiatki(*Grid, w, WierszSiatki(*Grid, w - 1));
    QString s = wiersz;
    TpozFaktury nowy;
    nowy.LadujStr(s);
    UstawWierszSiatki(*Grid, biezacy, nowy);
    Grid->DopasujWysokoscCel();
}
