// The print system's part of the printer job: printers through Qt's print support. Only the
// programs that print on paper link it; writing a PDF file needs none of it.

#include "drukarka.h"
#include "wydrukfaktury.h"

#include "common/bledy.h"
#include "common/komunikaty.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

void Zdarzenia()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

bool DoPliku(const QPrinter &p) { return p.outputFormat() == QPrinter::PdfFormat; }

QString Obetnij(const QString &s) { return s.left(300); }

const TobslugaDrukarki kObsluga{
    [](QPrinter &p) -> QPagedPaintDevice * { return &p; },
    [](const QPrinter &p) { return DoPliku(p); },
    [](const QPrinter &p) { return p.outputFileName(); },
    [](QPrinter &p, const QString &plik) { p.setOutputFileName(plik); },
    [](QPrinter &p, const QString &tytul, const QString &tworca) {
        p.setDocName(tytul);
        p.setCreator(tworca);
    },
    CzytajMiaryDrukarki,
    [](QPrinter &p) { return p.abort(); },
};

}   // namespace

QPrinter *DrukarkaAplikacji()
{
    static QPrinter *drukarka = nullptr;
    if (!drukarka) {
        drukarka = new QPrinter(QPrinter::HighResolution);
        // without any printer installed Qt falls back to PDF output; make that A4
        if (DoPliku(*drukarka))
            drukarka->setPageSize(QPageSize(QPageSize::A4));
    }
    return drukarka;
}

void UstawWydrukPdf(QPrinter &drukarka, const QString &plik)
{
    drukarka.setOutputFormat(QPrinter::PdfFormat);
    drukarka.setOutputFileName(plik);
    drukarka.setFullPage(false);
    drukarka.setPageLayout(UkladStronyPdf());
}

bool CzytajOpisDrukarki(TopisDrukarki &opis, QPrinter *drukarka)
{
    QPrinter *p = drukarka ? drukarka : DrukarkaAplikacji();
    auto czytaj = [&]() {
        if (DoPliku(*p))
            return OpisPliku(opis, p->outputFileName());
        opis = TopisDrukarki();
        const QPrinterInfo info(*p);
        opis.NazwaDrukarki = Obetnij(p->printerName());
        opis.NazwaDrivera = Obetnij(info.makeAndModel());
        opis.NazwaPortu = Obetnij(info.location().isEmpty() ? p->printerName() : info.location());
        opis.UchwytDevMode = p->isValid() && !p->printerName().isEmpty();
        return opis.UchwytDevMode;
    };
    if (czytaj())
        return true;
    // Selecting the printer again makes the print system load its settings.
    Zdarzenia();
    if (!DoPliku(*p))
        p->setPrinterName(p->printerName());
    Zdarzenia();
    return czytaj();
}

void CzytajMiaryDrukarki(TPoint &dpi, TPoint &uzytkowa, TPoint &fizyczna, TRect &ofset, QPrinter *drukarka)
{
    QPrinter *p = drukarka ? drukarka : DrukarkaAplikacji();
    MiaryStrony(dpi, uzytkowa, fizyczna, ofset, {p->logicalDpiX(), p->logicalDpiY()},
                p->pageRect(QPrinter::DevicePixel), p->paperRect(QPrinter::DevicePixel));
}

bool UtworzDrukarke(QPrinter *drukarka)
{
    return UtworzZadanie([&](TopisDrukarki &opis) { return CzytajOpisDrukarki(opis, drukarka); },
                         [&]() { return new Tdrukarka(drukarka); });
}

Tdrukarka::Tdrukarka(QPrinter *drukarka, bool podglad)
    : Tdrukarka(drukarka ? drukarka : DrukarkaAplikacji(), podglad, QString())
{
    m_obsluga = &kObsluga;
}

int DrukujFakture(const TzentoraVat &Fakt, const TiniZentora &iniFak, QWidget *Wlasciciel, int &Kopie)
{
    // The print keeps to what it was given at its start: the caller's record, settings
    // and count may change while events are let through for the Cancel button.
    const TrwaWydruk trwa;
    SprawdzDoWydruku(Fakt);
    const TzentoraVat fakt = Fakt;    // NOLINT(performance-unnecessary-copy-initialization): the print's own copy
    const TiniZentora ini = iniFak;   // NOLINT(performance-unnecessary-copy-initialization): likewise
    int kopie = Kopie;
    if (Wlasciciel && ProcOpcjeDruku) {
        if (!ProcOpcjeDruku(Wlasciciel, fakt, ini, kopie))
            return 0;
        Kopie = kopie;
    }
    return DrukujKopie(fakt, ini, kopie);
}

// The invoice and the settings come by value on purpose: the print keeps its own copies.
// NOLINTNEXTLINE(performance-unnecessary-value-param)
int DrukujKopie(TzentoraVat Fakt, TiniZentora iniFak, int Kopie, QPrinter *drukarka, bool pokazPostep)
{
    const TrwaWydruk trwa;
    const QString tytul = TytulDokumentu(Fakt);
    bool dalej = true;
    int wyslane = 0;
    for (int i = 0; i < Kopie; ++i) {
        if (!dalej || !UtworzDrukarke(drukarka))
            continue;
        try {
            AktDrukarka->STARTDOKUMENTU(tytul, 12, QString(), 0, {}, {}, pokazPostep);
            DrukujEgzemplarz(false, Fakt, iniFak);
            dalej = !AktDrukarka->ABORT_DRUK();
        } catch (...) {
            ZakonczDrukarke();
            throw;
        }
        // Only a copy that the print system took counts as printed.
        if (ZakonczDrukarke() && dalej) {
            ++wyslane;
            if (ProcPoKopii)
                ProcPoKopii(wyslane);
        }
    }
    return wyslane;
}

void RysujPodglad(QPrinter *drukarka, const TzentoraVat &Fakt, const TiniZentora &iniFak, int kopie)
{
    try {
        Tdrukarka podglad(drukarka, true);
        podglad.STARTDOKUMENTU(TytulDokumentu(Fakt), 12, QString(), 0, {}, {}, false);
        for (int i = 0; i < qMax(1, kopie); ++i) {
            if (i > 0)
                podglad.NowaStrona();
            DrukujEgzemplarz(podglad, false, Fakt, iniFak);
        }
        podglad.ZakonczDokument();
    } catch (const std::exception &e) {
        // called from the preview's signal: nothing may leave it
        PokazBlad(e);
    }
}
