#pragma once
// The printer job: a sheet in tenths of a millimetre whose canvas is a printer (a real one
// through the print system, or a PDF file), whose pages are the printer's pages and whose
// abort test asks whether the document is still being printed. One job exists at a time,
// in AktDrukarka; UtworzDrukarke creates it, ZakonczDrukarke ends the document and frees it.
//
// A PDF printer writes to a temporary file beside the target, which replaces the target
// only when the document ends normally; an aborted document leaves the old file as it was.

#include "arkusz.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QBuffer;
class QObject;
class QPageLayout;
class QPagedPaintDevice;
class QPainter;
class QPdfWriter;
class QPrinter;
class QRectF;
class TKanwaQPainter;
struct TobslugaDrukarki;

struct TopisDrukarki {
    QString NazwaDrukarki;   // at most 300 characters each
    QString NazwaDrivera;
    QString NazwaPortu;           // for a PDF printer: the output file
    bool UchwytDevMode = false;   // the printer can be described and used
};

// A caller's page-header drawer.
using TmetodaDruNag = std::function<void()>;

// The progress window of a job: the document, the printer and port, the page being printed
// and a Cancel button that aborts the document (Tdrukarka::PrzerwijDokument). The job has
// no window of its own; the widget part of the print layer supplies one.
class TpostepDruku {
public:
    virtual ~TpostepDruku() = default;
    virtual void LadujTytul(const QString &Dokument) = 0;
    virtual void LadujOpisy(const QString &Drukarka, const QString &Port) = 0;
    virtual void LadujNrStr(int NrStrony) = 0;
    // Shown over every other window of the program, which take no commands meanwhile.
    virtual void PokazPostep() = 0;
    virtual void UkryjPostep() = 0;
    // The window as an object: the job deletes it later and notices when it is gone.
    virtual QObject *ObiektPostepu() = 0;
};

// Creates the progress window of a job that asks for one; nullptr, or empty, for none
// (as without a window system). ZainstalujOknoDrukStop fills it.
extern std::function<TpostepDruku *()> UtworzOknoPostepu;

class Tdrukarka : public TARKUSZ {
public:
    // `drukarka` is not owned; nullptr means the application's printer. A preview printer
    // (podglad) only shows the pages and never writes the file it may name.
    explicit Tdrukarka(QPrinter *drukarka = nullptr, bool podglad = false);
    // A job that writes the PDF file `plikPdf` by itself, on the page UstawWydrukPdf gives a
    // printer. It never asks the print system, which may be slow or unreachable.
    explicit Tdrukarka(const QString &plikPdf);
    ~Tdrukarka() override;

    void TestujAbort() override;
    void NowaStrona() override;
    TKanwa *DajPlotno() override;

    // Opens the print document and prepares its first page. NrStrony > 0 numbers the pages
    // in the default header starting from that number. Throws EMojeBledy when the printer
    // refuses the document.
    void STARTDOKUMENTU(const QString &TytulDok, int PktyNagl, const QString &Naglowek, int NrStrony,
                        const std::function<void()> &AdrProcNagl, const TmetodaDruNag &MetodaNagl, bool PokazOknoAbort);
    bool ABORT_DRUK() const { return !Drukuje(); }
    // Aborts the document on the caller's request; "-" shows no message.
    [[noreturn]] void PRZERWIJ(const QString &komunikat);
    void CzyscStrone();
    bool PozycjaTop() const { return Ydruk == FYpoNaglowku; }
    // Margins and scale for the next page.
    void FormatUzytkowy(const TRect &Marginesy, int Skala) { ZapiszFormat(Marginesy, Skala); }

    // The document on the printer.
    bool Drukuje() const { return m_otwarty && !m_przerwany; }
    bool Przerwany() const { return m_przerwany; }
    int StronaDrukarki() const { return m_strona; }
    // nullptr for a job that writes its PDF by itself
    QPrinter *Drukarka() const { return m_drukarka; }
    // Aborts the printer's document (the Cancel button); the next sheet operation stops.
    void PrzerwijDokument();
    // Ends the document; for a PDF the file takes its place now. Throws EMojeBledy when
    // the file cannot be written.
    void ZakonczDokument();

    // The progress window while the document prints, null when there is none.
    QPointer<QObject> FoknoDrukStop;
    TpostepDruku *OknoPostepu() const { return FoknoDrukStop ? m_postep : nullptr; }
    QString FnazwaDrukarki;
    QString FnazwaPortu;
    std::function<void()> FprocNaglowka;
    TmetodaDruNag FmetodaDruNag;
    bool FnumeracStron = false;
    qint32 FnumerStrony = 0;
    qint32 FroznicaStron = 0;
    qint32 FYpoNaglowku = 0;
    QString NaglowekStand;
    Tczcionka FontNaglowka;

private:
    void DrukujNaglowek();
    void PrzetworzZdarzenia();
    Tdrukarka(QPrinter *drukarka, bool podglad, const QString &plikPdf);
    void UsunTymczasowy();
    QPagedPaintDevice *Urzadzenie() const;
    bool DoPliku() const;
    void ZapiszPdf(const QByteArray &dane);

    QPrinter *m_drukarka;
    const TobslugaDrukarki *m_obsluga = nullptr;   // what is asked of m_drukarka
    std::unique_ptr<QBuffer> m_bufor;              // the PDF of a job without a printer, until it ends
    std::unique_ptr<QPdfWriter> m_pdf;
    bool m_podglad;
    TpostepDruku *m_postep = nullptr;
    std::unique_ptr<QPainter> m_painter;
    std::unique_ptr<TKanwaQPainter> m_kanwa;
    bool m_otwarty = false;
    bool m_przerwany = false;
    int m_strona = 0;
    QString m_plikDocelowy, m_plikTymczasowy;
    QElapsedTimer m_odZdarzen;
};

// What a job asks of a printer of the print system. The print system's part of the layer
// (drukarkasystemu.cpp, with Qt's print support) fills it when it makes a job for a printer;
// a program that only writes PDF files never loads the print support.
struct TobslugaDrukarki {
    QPagedPaintDevice *(*urzadzenie)(QPrinter &);
    bool (*doPliku)(const QPrinter &);
    QString (*plik)(const QPrinter &);
    void (*ustawPlik)(QPrinter &, const QString &);
    void (*opiszDokument)(QPrinter &, const QString &tytul, const QString &tworca);
    void (*miary)(TPoint &dpi, TPoint &uzytkowa, TPoint &fizyczna, TRect &ofset, QPrinter *drukarka);
    bool (*przerwij)(QPrinter &);
};

// The one printer job, nullptr when there is none.
extern Tdrukarka *AktDrukarka;

// The printer the print command uses, chosen by the printer set-up dialog; created on
// first use, A4 unless the printer says otherwise.
QPrinter *DrukarkaAplikacji();
// Prepares a printer to write a PDF file: A4 portrait, with the unprintable strip of a
// common office printer, so that a PDF page looks as it does on paper.
void UstawWydrukPdf(QPrinter &drukarka, const QString &plik);
QPageLayout UkladStronyPdf();
inline constexpr double kMarginesPdfMm = 5.0;

// The current job has an open document that has not been aborted.
bool DrukarkaDrukuje();
// Creates the job in AktDrukarka with `nowa` once no other job prints and `opisz` has
// described the printer; shows why when it cannot.
bool UtworzZadanie(const std::function<bool(TopisDrukarki &)> &opisz, const std::function<Tdrukarka *()> &nowa);
// The description of the PDF "printer" writing `plik`.
bool OpisPliku(TopisDrukarki &opis, const QString &plik);
// The measures of a page of `strona` printable on paper `papier`, in device pixels.
void MiaryStrony(TPoint &dpi, TPoint &uzytkowa, TPoint &fizyczna, TRect &ofset, TPoint rozdzielczosc,
                 const QRectF &strona, const QRectF &papier);
// The printer functions below belong to the print system's part (drukarkasystemu.cpp).
bool CzytajOpisDrukarki(TopisDrukarki &opis, QPrinter *drukarka = nullptr);
void CzytajMiaryDrukarki(TPoint &dpi, TPoint &uzytkowa, TPoint &fizyczna, TRect &ofset, QPrinter *drukarka = nullptr);
// Checks the printer and creates the job in AktDrukarka; shows why when it cannot.
bool UtworzDrukarke(QPrinter *drukarka = nullptr);
// The same for a job that writes the PDF file `plik` by itself (Tdrukarka(const QString &)).
bool UtworzDrukarkePdf(const QString &plik);
// Ends the open document and frees the job; errors are shown, not passed on. True when a
// document was open and the printer took it.
bool ZakonczDrukarke();
