#pragma once
// The printed invoice. TdrukujFakture draws one copy on any sheet at fixed positions in
// tenths of a millimetre: title, seller's stamp, dates and bank box, buyer box, item
// table, summary by VAT kind, cash stamp, amount due, amount in words, remarks and the
// signature boxes. DrukujFakture prints the chosen number of copies, each as a print
// document of its own; RysujPodglad and DrukujDoPdf serve the preview and PDF buttons of
// the print options.

#include "arkusz.h"
#include "invoice/rekord.h"

#include <array>
#include <functional>

class QPrinter;
class QWidget;

// Options of the current print; the print options dialog sets them and they are kept for
// the whole run (the duplicate is asked for anew by every dialog).
extern bool DrukujPodpis;      // draw the signature picture; initially true
extern QString PlikPodpisu;    // the signature picture file
extern bool EkstraMarginesy;   // 7 mm margins on all sides; initially false
extern bool DrukujDuplikat;    // print as a duplicate
extern double DataDuplikatu;   // date of the duplicate, 0 for none

// The options step of DrukujFakture: asks for the options and the copy count, false when
// the user gives up; it gets the invoice for its preview and PDF buttons. Empty until the
// options dialog fills it (ZainstalujOpcjeDruku): then the print goes ahead with the
// options as they are.
extern std::function<bool(QWidget *wlasciciel, const TzentoraVat &Fakt, const TiniZentora &ini, int &kopie)>
    ProcOpcjeDruku;

using TlongKolFak = std::array<qint32, 9>;
using TstrgKolFak = std::array<QString, 9>;
using TjustKolFak = std::array<Tjustuj, 9>;

class TdrukujFakture {
public:
    explicit TdrukujFakture(TARKUSZ &arkusz) : A(arkusz) {}

    void RysujEgzemplarz(bool Oryg, const TzentoraVat &Fakt, const TiniZentora &iniFak);
    void RysujKolejno();
    void SprawdzWysStrony(qint32 V);
    void RysujTytulNumerOryginal();
    qint32 RysujStempel();
    qint32 RysujDatyBank();
    qint32 RysujKupujacy();
    void OpracujNaglowek(const TstrgKolFak &TytKolumn, TlongKolFak &SzerKolumn, TKolumny &kolumny);
    void RubrykiWartosci(const TlongKolFak &SzerKolumn, const TKolumny &kolumny);
    // The summary rows by VAT kind with the cash stamp; returns how many kinds qualified.
    int RysujPodsumowanie(const TlongKolFak &SzerKolumn, const TKolumny &kolumny);
    void WierszPodsumow(TrodzajVat rv, const TlongKolFak &SzerKolumn, const TKolumny &kolumny, const QString &Koment);
    static QString UsunSep(const QString &s);
    // The seller's frame as printed (";" become line breaks).
    QString TekstStempla() const;
    void RysujZaplataGotowka();
    // The legal basis of an exemption, under the summary, when a row is exempt.
    void RysujPodstaweZwolnienia();
    // The KSeF verification code with the KSeF number (or that it is awaited) under it, in the place
    // reserved between the seller's stamp and the dates box; returns its height, 0 for none.
    qint32 RysujKodKsef();
    void RysujDoZaplaty();
    void RysujSlownie();
    void RysujUwagi();
    void RysujPodpisy();

    TzentoraVat Fzentora;
    TiniZentora FiniFakt;
    Tczcionka FontNagl, FontWier, FontWierB;
    qint32 Fgwarant = 60;
    qint32 Flinia2 = 2;
    qint32 Flinia3 = 3;
    qint32 Fzapas = 10;
    qint32 Fszerok = 0;
    TRect Framka2{2, 2, 2, 2};
    TRect Framka3{3, 3, 3, 3};
    TPoint Fodstep{3, 10};
    bool Foryginal = false;
    bool FdruKlas = false;
    bool Fpusta = false;
    // Tenths of a millimetre between the seller's stamp and the dates box, at least, and the
    // room for the KSeF code with the 35 characters of its number under it.
    static constexpr qint32 kOdstepStempla = 50;
    static constexpr qint32 kSzerokoscKsef = 500;
    QString FlinkKsef;         // the verification link when the recorded export still matches
    qint32 FmiejsceKsef = 0;   // the width kept free for the code beside the dates box
    TlongKolFak FlenKolFakt{}, FlenKolUpro{}, FlenKolZwyk{};
    TstrgKolFak FtytKolFakt, FtytKolUpro, FtytKolZwyk;
    TjustKolFak FjustKolumn{};
    TKolumny FkolFakt, FkolUpro, FkolZwyk;

private:
    void ZaladujKolumny();
    QString NazwaBezVat(const QString &nazwa) const;
    // Whether the amount due is money going back to the buyer.
    bool JestZwrot() const;
    // A centred line of the title block, wrapped within the page when it is too long.
    void WierszTytulu(const QString &t);
    // What every new page carries: the page line and, inside the item table, its header.
    void NaNowejStronie();
    void RysujStopke();
    void RysujNaglowekTabeli();
    // Text drawn whole: the largest size of `f` down to 6 pt at which one line fits the
    // width; false (the 6 pt font left in `f`) when not even that fits.
    bool Zmiesc(Tczcionka &f, const QString &s, qint32 szerokosc);
    // Text in a box, whole: smaller when it does not fit, wrapped at 6 pt when even that is too long.
    void WpiszCaly(const Tczcionka &f, TPoint P, qint32 L, qint32 V, Tjustuj just, const QString &S);
    // The cells of one table row made to hold their texts whole: smaller type, a wrapped
    // text cell, and question marks for an amount that not even 6 pt can hold.
    void DopasujKomorki(TKolumny &k, QStringList &teksty, const QList<int> &kwoty);

    TARKUSZ &A;
    bool m_proba = false;      // only measuring, on a sheet that draws nothing
    bool m_zeStopka = false;   // the pages carry the page line
    int m_stron = 1;
    int m_strona = 1;
    // the item table while it is being drawn, for its header on every page it reaches
    const TstrgKolFak *m_tytulyTabeli = nullptr;
    const TlongKolFak *m_szerTabeli = nullptr;
    int m_kolumnTabeli = 0;
    bool m_naStronie = false;
};

// Warns when the invoice changed after its recorded KSeF export (it then prints without
// the verification code); true when it warned.
bool OstrzezenieKsef(const TzentoraVat &Fakt);

// Before a print or a PDF: the warning for an old correction with a positive total, the
// refusal of an incomplete correction (the message, then the silent abort) and the KSeF
// warning.
void SprawdzDoWydruku(const TzentoraVat &Fakt);

// The title of the print document: the kind name without spaces, then the number.
QString TytulDokumentu(const TzentoraVat &Fakt);

// One copy on the current printer job, or on any sheet.
void DrukujEgzemplarz(bool Oryg, const TzentoraVat &Fakt, const TiniZentora &iniFak);
void DrukujEgzemplarz(TARKUSZ &arkusz, bool Oryg, const TzentoraVat &Fakt, const TiniZentora &iniFak);

// The print command: takes its own copies of the invoice, the configuration and the copy
// count at once, asks for the options when there is an owner window (the dialog may
// change the caller's count), then prints with DrukujKopie on the application's printer.
// Returns the number of copies sent to the printer. A cancelled print leaves through the
// silent abort after its message.
int DrukujFakture(const TzentoraVat &Fakt, const TiniZentora &iniFak, QWidget *Wlasciciel, int &Kopie);

// The one path of a print: Kopie copies of one invoice, each a print document of its own,
// on `drukarka` (nullptr: the application's printer), with the progress window when asked
// and a window system exists. The arguments are its own copies, so nothing the caller does
// meanwhile reaches the paper. Needs no window. The editor's print command and zentora-cli
// print both go through here. A copy whose job cannot be created, or that the print system
// did not take, is skipped after its message. Returns the number of copies the printer
// took; a cancelled print leaves through the silent abort after its message.
int DrukujKopie(TzentoraVat Fakt, TiniZentora iniFak, int Kopie, QPrinter *drukarka = nullptr, bool pokazPostep = true);

// A print of an invoice is running (its options, its copies or its PDF): windows that
// hold the invoice take no commands meanwhile.
bool WydrukTrwa();
// Marks a print of an invoice as running for as long as it lives.
struct TrwaWydruk {
    TrwaWydruk();
    ~TrwaWydruk();
    TrwaWydruk(const TrwaWydruk &) = delete;
    TrwaWydruk &operator=(const TrwaWydruk &) = delete;
};

// Told after each copy has gone to the printer (numbered from 1); empty unless a caller
// wants to report progress.
extern std::function<void(int kopia)> ProcPoKopii;

// Draws the copies, one after another, into a printer the caller has prepared, such as
// the one of a QPrintPreviewDialog (its paintRequested signal). At least one copy.
void RysujPodglad(QPrinter *drukarka, const TzentoraVat &Fakt, const TiniZentora &iniFak, int kopie);

// Writes the copies into one PDF file through the printer job, with the progress window
// when asked. Returns false and writes nothing for fewer than one copy. Throws EMojeBledy
// when the file cannot be written and the silent abort when the print was cancelled or
// refused (its message has been shown).
bool DrukujDoPdf(const QString &plik, const TzentoraVat &Fakt, const TiniZentora &iniFak, int kopie, bool pokazPostep);
