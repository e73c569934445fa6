#include "drukarka.h"

#include "common/bledy.h"
#include "common/komunikaty.h"
#include "common/program.h"
#include "common/teksty.h"
#include "kanwaqpainter.h"
#include "kolejkadruku.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryFile>

Tdrukarka *AktDrukarka = nullptr;
std::function<TpostepDruku *()> UtworzOknoPostepu;

namespace {

// How often drawing lets the progress dialog breathe, in milliseconds.
constexpr int kCoIleZdarzenia = 25;
// A PDF made without a printer has the resolution of a high-resolution printer's PDF.
constexpr int kRozdzielczoscPdf = 1200;

void Zdarzenia()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

QString Obetnij(const QString &s) { return s.left(300); }

}   // namespace

// A PDF "printer": its name, and the file as its port; without a file there is nowhere to print.
bool OpisPliku(TopisDrukarki &opis, const QString &plik)
{
    opis = TopisDrukarki();
    opis.NazwaDrukarki = QStringLiteral("Plik PDF");
    opis.NazwaDrivera = QStringLiteral("PDF");
    opis.NazwaPortu = Obetnij(QDir::toNativeSeparators(plik));
    opis.UchwytDevMode = !plik.isEmpty();
    return opis.UchwytDevMode;
}

// The printer's job: one check after another, each with its message.
bool UtworzZadanie(const std::function<bool(TopisDrukarki &)> &opisz, const std::function<Tdrukarka *()> &nowa)
{
    if (!Sprawdz(!DrukarkaDrukuje(), QStringLiteral("!Drukarka drukuje inny dokument !")))
        return false;
    TopisDrukarki opis;
    if (!Sprawdz(opisz(opis), QStringLiteral("XBrak dostępu do opisu drukarki !")))
        return false;
    if (!Sprawdz(AktDrukarka == nullptr, QStringLiteral("XBrak dostępu do obiektu drukarki !")))
        return false;
    AktDrukarka = nowa();
    AktDrukarka->FnazwaDrukarki = opis.NazwaDrukarki;
    AktDrukarka->FnazwaPortu = opis.NazwaPortu;
    return true;
}

QPageLayout UkladStronyPdf()
{
    const qreal m = kMarginesPdfMm;
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(m, m, m, m), QPageLayout::Millimeter);
}

bool DrukarkaDrukuje() { return AktDrukarka && AktDrukarka->Drukuje(); }

void MiaryStrony(TPoint &dpi, TPoint &uzytkowa, TPoint &fizyczna, TRect &ofset, TPoint rozdzielczosc,
                 const QRectF &strona, const QRectF &papier)
{
    dpi = rozdzielczosc;
    uzytkowa = {qRound(strona.width()), qRound(strona.height())};
    fizyczna = {qRound(papier.width()), qRound(papier.height())};
    ofset.Left = qRound(strona.left() - papier.left());
    ofset.Top = qRound(strona.top() - papier.top());
    ofset.Right = fizyczna.X - ofset.Left - uzytkowa.X;
    ofset.Bottom = fizyczna.Y - ofset.Top - uzytkowa.Y;
}

bool UtworzDrukarkePdf(const QString &plik)
{
    return UtworzZadanie([&](TopisDrukarki &opis) { return OpisPliku(opis, plik); },
                         [&]() { return new Tdrukarka(plik); });
}

bool ZakonczDrukarke()
{
    bool zakonczony = false;
    if (DrukarkaDrukuje()) {
        try {
            AktDrukarka->ZakonczDokument();
            zakonczony = true;
        } catch (const std::exception &e) {
            PokazBlad(e);
        }
    }
    Zdarzenia();
    delete AktDrukarka;   // the destructor clears AktDrukarka
    AktDrukarka = nullptr;
    return zakonczony;
}

// ---- Tdrukarka ----

Tdrukarka::Tdrukarka(const QString &plikPdf) : Tdrukarka(nullptr, false, plikPdf) {}

Tdrukarka::Tdrukarka(QPrinter *drukarka, bool podglad, const QString &plikPdf)
    : m_drukarka(drukarka), m_podglad(podglad), m_plikDocelowy(plikPdf)
{
    Fjednostka = jm_mm10;
    FjednosNaCal = 254;
    AktSkala = 100;
    AktMarginesy = TRect();
}

Tdrukarka::~Tdrukarka()
{
    if (TpostepDruku *okno = OknoPostepu()) {
        okno->UkryjPostep();
        FoknoDrukStop->deleteLater();
    }
    if (m_painter && m_painter->isActive())
        m_painter->end();
    UsunTymczasowy();
    if (AktDrukarka == this)
        AktDrukarka = nullptr;
}

TKanwa *Tdrukarka::DajPlotno() { return m_kanwa.get(); }

void Tdrukarka::PrzetworzZdarzenia()
{
    if (!FoknoDrukStop)
        return;
    Zdarzenia();
    m_odZdarzen.restart();
}

void Tdrukarka::TestujAbort()
{
    // Printing yields nowhere else: this is where the Cancel button gets its chance.
    if (FoknoDrukStop && (!m_odZdarzen.isValid() || m_odZdarzen.elapsed() >= kCoIleZdarzenia))
        PrzetworzZdarzenia();
    if (Drukuje())
        return;
    Komunikat(QStringLiteral("Przerwano proces druku !"));
    Zdarzenia();
    throw ECichyAbort();
}

void Tdrukarka::UsunTymczasowy()
{
    if (m_plikTymczasowy.isEmpty())
        return;
    QFile::remove(m_plikTymczasowy);
    m_plikTymczasowy.clear();
    m_obsluga->ustawPlik(*m_drukarka, m_plikDocelowy);
}

QPagedPaintDevice *Tdrukarka::Urzadzenie() const
{
    if (m_drukarka)
        return m_obsluga->urzadzenie(*m_drukarka);
    return m_pdf.get();
}

bool Tdrukarka::DoPliku() const { return !m_drukarka || m_obsluga->doPliku(*m_drukarka); }

void Tdrukarka::STARTDOKUMENTU(const QString &TytulDok, int PktyNagl, const QString &Naglowek, int NrStrony,
                               const std::function<void()> &AdrProcNagl, const TmetodaDruNag &MetodaNagl,
                               bool PokazOknoAbort)
{
    if (m_otwarty)
        throw EMojeBledy(QStringLiteral("Drukarka drukuje już dokument."));
    FprocNaglowka = AdrProcNagl;
    FmetodaDruNag = MetodaNagl;
    NaglowekStand = Naglowek;
    FnumeracStron = NrStrony > 0;
    FnumerStrony = qMax(1, NrStrony);
    FroznicaStron = FnumerStrony - 1;

    if (m_drukarka) {
        m_obsluga->opiszDokument(*m_drukarka, TytulDok, TytulAplikacji());
    } else {
        // The document is made in memory and replaces the file only when it ends normally.
        m_bufor = std::make_unique<QBuffer>();
        m_bufor->open(QIODevice::WriteOnly);
        m_pdf = std::make_unique<QPdfWriter>(m_bufor.get());
        m_pdf->setResolution(kRozdzielczoscPdf);
        m_pdf->setPageLayout(UkladStronyPdf());
        m_pdf->setTitle(TytulDok);
        m_pdf->setCreator(TytulAplikacji());
    }
    if (m_drukarka && !m_podglad && DoPliku()) {
        // The PDF goes to a temporary file beside the target first.
        m_plikDocelowy = m_obsluga->plik(*m_drukarka);
        const QFileInfo cel(m_plikDocelowy);
        QTemporaryFile tmp(cel.absolutePath() + QStringLiteral("/.") + cel.fileName() + QStringLiteral(".XXXXXX"));
        tmp.setAutoRemove(false);
        if (!tmp.open())
            throw EMojeBledy(QStringLiteral("Nie można zapisać pliku \"%1\".\r%2")
                                 .arg(QDir::toNativeSeparators(m_plikDocelowy), BladSystemu(tmp.errorString(), true)));
        m_plikTymczasowy = tmp.fileName();
        tmp.close();
        m_obsluga->ustawPlik(*m_drukarka, m_plikTymczasowy);
    }
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(Urzadzenie())) {
        m_painter.reset();
        UsunTymczasowy();
        throw EMojeBledy(QStringLiteral("Drukarka \"%1\" nie przyjęła dokumentu.").arg(FnazwaDrukarki));
    }
    m_painter->setRenderHint(QPainter::Antialiasing);
    m_kanwa = std::make_unique<TKanwaQPainter>(m_painter.get());
    m_otwarty = true;
    m_przerwany = false;
    m_strona = 1;

    if (PokazOknoAbort && UtworzOknoPostepu && (m_postep = UtworzOknoPostepu())) {
        FoknoDrukStop = m_postep->ObiektPostepu();
        m_postep->LadujOpisy(FnazwaDrukarki, FnazwaPortu);
        m_postep->LadujTytul(TytulDok);
        m_postep->LadujNrStr(FnumerStrony);
        m_postep->PokazPostep();
        PrzetworzZdarzenia();
    }

    if (m_drukarka) {
        m_obsluga->miary(FpixeliNaCal, FuzytkowaPix, FfizycznaPix, FofsetPix, m_drukarka);
    } else {
        const QPageLayout uklad = m_pdf->pageLayout();
        const int dpi = m_pdf->resolution();
        MiaryStrony(FpixeliNaCal, FuzytkowaPix, FfizycznaPix, FofsetPix, {dpi, dpi}, uklad.paintRectPixels(dpi),
                    uklad.fullRectPixels(dpi));
    }
    UstawOdwzorowanie();
    BudujZestawCzcionek();
    FontNaglowka = BudujCzcionke(QStringLiteral("Arial"), PktyNagl, 0, kCzarny);
    DOMYSLNE_PARAPETRY();
    CzyscStrone();
    Ydruk = 0;
    DrukujNaglowek();
}

void Tdrukarka::NowaStrona()
{
    TestujAbort();
    const Tczcionka stara = WydajCzcionke();
    m_kanwa->Oproznij();   // what was drawn belongs to the page that ends
    if (!Urzadzenie()->newPage()) {
        PrzerwijDokument();
        throw EMojeBledy(QStringLiteral("Drukarka \"%1\" nie przyjęła kolejnej strony.").arg(FnazwaDrukarki));
    }
    ++m_strona;
    FnumerStrony = m_strona + FroznicaStron;
    if (TpostepDruku *okno = OknoPostepu()) {
        okno->LadujNrStr(FnumerStrony);
        PrzetworzZdarzenia();
    }
    UstawOdwzorowanie();
    TKanwa &k = Plotno();
    k.UstawPioro(TPioro{1, psSolid, kCzarny});
    k.UstawPedzel(TPedzel{bsSolid, kBialy});
    UstawBackGroundKolor(AktKolorTla);
    UstawStylTransparent(AktTransparent);
    CzyscStrone();
    UstawCzcionke(stara);
    Ydruk = 0;
    DrukujNaglowek();
}

void Tdrukarka::CzyscStrone()
{
    TestujAbort();
    Plotno().WypelnijProstokat(TRect{0, 0, JednX(FuzytkowaPix.X), JednY(FuzytkowaPix.Y)});
}

void Tdrukarka::DrukujNaglowek()
{
    TestujAbort();
    const Tczcionka stara = WydajCzcionke();
    UstawCzcionke(FontNaglowka);
    if (FprocNaglowka) {
        FprocNaglowka();
    } else if (FmetodaDruNag) {
        FmetodaDruNag();
    } else {
        if (FnumeracStron)
            WierszC(QStringLiteral("- ") + QString::number(FnumerStrony) + QStringLiteral(" -"), 0);
        if (!NaglowekStand.isEmpty())
            WierszC(NaglowekStand, 0);
        if (Niepusty(NaglowekStand))
            WierszC(QString(), 0);
    }
    UstawCzcionke(stara);
    FYpoNaglowku = Ydruk;
}

void Tdrukarka::PrzerwijDokument()
{
    if (!Drukuje())
        return;
    m_przerwany = true;
    // Not every print system can take a document back (a spooled PDF cannot); what was
    // drawn then ends where the abort came, and a PDF file is simply not kept.
    if (m_drukarka)
        m_obsluga->przerwij(*m_drukarka);
    if (m_painter && m_painter->isActive())
        m_painter->end();
    UsunTymczasowy();
}

void Tdrukarka::ZakonczDokument()
{
    if (!m_otwarty)
        return;
    m_otwarty = false;
    if (m_przerwany)
        return;
    if (m_kanwa)
        m_kanwa->Oproznij();
    const bool udane = m_painter && m_painter->end();
    if (m_pdf) {
        ZapiszPdf(udane ? m_bufor->data() : QByteArray());
        return;
    }
    if (m_plikTymczasowy.isEmpty()) {
        if (!udane)
            throw EMojeBledy(QStringLiteral("Drukarka \"%1\" nie zakończyła dokumentu.").arg(FnazwaDrukarki));
        const QString odmowa = DoPliku() || m_podglad ? QString() : OdmowaKolejkiDruku();
        if (!odmowa.isEmpty())
            throw EMojeBledy(QStringLiteral("Drukarka \"%1\" nie przyjęła dokumentu:|%2").arg(FnazwaDrukarki, odmowa));
        return;
    }
    QFile zrodlo(m_plikTymczasowy);
    QByteArray dane;
    if (udane && zrodlo.open(QIODevice::ReadOnly))
        dane = zrodlo.readAll();
    zrodlo.close();
    UsunTymczasowy();
    ZapiszPdf(dane);
}

void Tdrukarka::ZapiszPdf(const QByteArray &dane)
{
    // Replace the target in one step, so a failure never leaves half a file behind.
    QSaveFile cel(m_plikDocelowy);
    // The PDF engine does not report a write that failed (a full disk, a size limit): a
    // document cut short lacks its end-of-file marker and must not replace the old file.
    const bool caly = dane.trimmed().endsWith("%%EOF");
    // Unbuffered, so a write refused by the disk is seen here and not lost at commit.
    const bool zapisane = caly && cel.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
                          && cel.write(dane) == dane.size() && cel.commit();
    const QString blad = !caly ? QStringLiteral("Dokument nie został zapisany w całości (brak miejsca na dysku?).")
                               : BladSystemu(cel.errorString(), true);
    if (!zapisane)
        throw EMojeBledy(
            QStringLiteral("Nie można zapisać pliku \"%1\".\r%2").arg(QDir::toNativeSeparators(m_plikDocelowy), blad));
}

void Tdrukarka::PRZERWIJ(const QString &komunikat)
{
    if (TpostepDruku *okno = OknoPostepu())
        okno->UkryjPostep();
    Zdarzenia();
    if (Drukuje()) {
        PrzerwijDokument();
        Zdarzenia();
    }
    if (komunikat != QLatin1String("-"))
        Komunikat(QStringLiteral("X") + komunikat + QStringLiteral("|Przerwano proces druku !"));
    Zdarzenia();
    throw ECichyAbort();
}
