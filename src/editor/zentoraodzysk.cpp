// The recovery copy of the window's invoice: kept while the invoice has unsaved changes,
// offered again when an editor that did not end normally left one behind.

#include "zentoraedyt.h"

#include "common/bledy.h"
#include "common/komunikaty.h"
#include "common/teksty.h"
#include "controls/justgrid.h"
#include "invoice/kopiaodzysku.h"
#include "invoice/plikfaktury.h"
#include "invoice/sumy.h"
#include "print/wydrukfaktury.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace {

// Answers every box with its default button and shows nothing: the copy is made in the
// background, and a doubt about the invoice is told when the user acts, not by the copy.
class PrezenterCichy : public PrezenterKomunikatow {
public:
    int Pokaz(const TparDlg &par) override { return DomyslnyPrzycisk(par); }
};

}   // namespace

void TZentoraForma::UstawKopieOdzysku(const QString &folder)
{
    m_kopia = std::make_unique<TkopiaOdzysku>(folder);
    m_folderKopii = folder;
    if (!m_zegarKopii) {
        // at most half a minute of typing is ever lost, even inside one field
        m_zegarKopii = new QTimer(this);
        m_zegarKopii->setInterval(30000);
        connect(m_zegarKopii, &QTimer::timeout, this, [this] { ZapiszKopieOdzysku(); });
        m_zegarKopii->start();
        // a field left or a cell accepted: the copy follows at once
        connect(qApp, &QApplication::focusChanged, this, [this] { ZaplanujKopie(); });
    }
}

void TZentoraForma::ZaplanujKopie()
{
    if (!m_kopia || m_kopiaZaplanowana)
        return;
    m_kopiaZaplanowana = true;
    QTimer::singleShot(0, this, [this] {
        m_kopiaZaplanowana = false;
        ZapiszKopieOdzysku();
    });
}

TzentoraVat TZentoraForma::FakturaDoKopii()
{
    {
        PrezenterCichy cichy;
        PrezenterKomunikatow *poprzedni = UstawPrezenter(&cichy);
        try {
            EkranNaRekord(false);
        } catch (...) {
            UstawPrezenter(poprzedni);
            throw;
        }
        UstawPrezenter(poprzedni);
    }
    // The rows as they stand, also when the sale date or a rate would keep them out of the
    // record: a copy holds what was typed.
    TzentoraVat f = Zentora;
    for (int w = 1; w <= kMaxPozycji; ++w)
        for (int k = kolTowar; k <= kolBrutto; ++k)
            f.Pozycja(w).Pole(k - 1) = Tabele().Pozycja(k, w);
    f.IlePozyc = f.OstatniaPozycja();
    return f;
}

void TZentoraForma::ZapiszKopieOdzysku()
{
    if (!m_kopia || WydrukTrwa() || QApplication::activeModalWidget())
        return;
    try {
        const TzentoraVat f = FakturaDoKopii();
        if (FakturyRowne(f, FaktRobo))
            m_kopia->Usun();
        else
            m_kopia->Zapisz(f, SciezkaRobo);
    } catch (const std::exception &) {
        // A copy that cannot be written must not disturb the work; the invoice itself is
        // saved, with its messages, by the save command.
    }
}

void TZentoraForma::PrzywrocKopie()
{
    if (!m_kopia)
        return;
    for (const TkopiaOdzysku::Porzucona &p : TkopiaOdzysku::Porzucone(m_folderKopii)) {
        const QString nazwa = p.plik.isEmpty() ? QStringLiteral("( bez nazwy )")
                                               : QLatin1Char('"') + QFileInfo(p.plik).fileName() + QLatin1Char('"');
        const QString pytanie =
            QStringLiteral("?Zentora nie została poprawnie zamknięta.|Znaleziono niezapisaną fakturę  %1|"
                           "z %2.||Czy ją przywrócić ?  (Nie - kopia zostanie usunięta)")
                .arg(nazwa, p.zapisano.toString(QStringLiteral("dd.MM.yyyy hh:mm")));
        if (!PytanieTakNieOkna(this, QStringLiteral("Odzyskiwanie faktury"), pytanie, 1)) {
            TkopiaOdzysku::Odrzuc(p);
            continue;
        }
        TzentoraVat f;
        try {
            f = TkopiaOdzysku::Wczytaj(p);
        } catch (const EMojeBledy &e) {
            KomunikatOkna(this, QStringLiteral("X") + e.komunikat());
            TkopiaOdzysku::Odrzuc(p);
            continue;
        }
        // The invoice comes back under its own name and counts as changed against what its
        // file holds (or against an empty invoice when it never had a file).
        TzentoraVat wzor;
        if (!p.plik.isEmpty() && QFileInfo(p.plik).isFile()) {
            try {
                CzytajFakture(p.plik, wzor);
            } catch (const EMojeBledy &) {
                wzor.Czysc();
            }
        }
        Grid->PrzerwijEdycje();
        Zentora = f;
        RekordNaEkran();
        FaktRobo = wzor;
        SciezkaRobo = p.plik.isEmpty() ? QString() : QFileInfo(p.plik).absoluteFilePath();
        NazwaRobo = p.plik.isEmpty() ? QString() : QFileInfo(p.plik).fileName();
        if (!p.plik.isEmpty())
            UstawFolderRobo(ZUkosnikiem(QDir::toNativeSeparators(QFileInfo(p.plik).absolutePath())));
        UstawPodpis();
        TkopiaOdzysku::Odrzuc(p);
        ZapiszKopieOdzysku();
        break;   // one window holds one invoice; other copies wait for the next start
    }
}
