#pragma once
// The main window of the editor. It holds exactly one invoice in its controls: the record
// is built from the controls when a command needs it (EkranNaRekord) and the controls are
// filled from a record when an invoice is started or opened (RekordNaEkran). Whether the
// invoice has unsaved changes is never tracked while editing; it is decided by comparing
// the file text the invoice would be saved as with the text of the reference copy.
//
// A host program may create the window and call START, MoznaZamknac, OtworzProFormeEx and
// ImportujZbazyFaktur; the stand-alone program lets the first activation call START.

#include "invoice/indeksfolderu.h"
#include "invoice/miasta.h"
#include "invoice/rekord.h"

#include <QComboBox>
#include <QDate>
#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QMenuBar;
class QTextEdit;
class QToolBar;
class QToolButton;
class QLockFile;
class QTimer;
class TabeleFaktury;
class TkopiaOdzysku;
class TjustGrid;
class TMojPanel;
class TokienkoData;
class TokienkoFloat;
class TokienkoLong;
class TokienkoTekst;
class TPoleEdycji;
class TPoleFiltrowane;
struct TpobranaFaktura;

// The program-wide help: the procedure that shows a help topic (set by a host), and the
// topic of the invoice window (0: no help, the help command is hidden).
extern std::function<void(int kontekst)> ProcPomocy;
extern int KontekstPomocyFaktury;

// A fixed-list combo that tells when its drop-down list has closed, with the item the
// list left selected.
class TComboLista : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void hidePopup() override;

signals:
    void zamknietoListe();
};

class TZentoraForma : public QMainWindow {
    Q_OBJECT
public:
    explicit TZentoraForma(QWidget *rodzic = nullptr);
    ~TZentoraForma() override;

    // ---- operations a host may call
    void START(int Rok, TZentoraForma **AdresFormy, const QString &SciezkaIni);
    bool MoznaZamknac();
    void OtworzProFormeEx(const QString &PlikFak);
    void ImportujZbazyFaktur();
    void Przypisz_ContextPopUpOknomEdycji();

    // What the first activation starts with: the configuration file and, optionally, an
    // invoice file to open right after the start.
    void UstawStart(const QString &sciezkaIni, const QString &plikFaktury = QString());
    // The holder of the window that the first activation passes to START.
    void UstawAdresFormy(TZentoraForma **adres) { m_adresStartowy = adres; }
    // Keeps a recovery copy of the invoice in `folder` while it has unsaved changes, and
    // offers the copies that an editor which did not end normally left there when the
    // window starts.
    void UstawKopieOdzysku(const QString &folder);

    // ---- the dialogs the window opens; replaceable, so tests can answer them
    struct TDialogi {
        // The file name for opening (zapis false) or saving; empty when the user gave up.
        std::function<QString(QWidget *okno, bool zapis, const QString &tytul, const QString &folder,
                              const QString &nazwa)>
            NazwaPliku;
        std::function<bool(QWidget *wlasciciel, TiniZentora &ini, int strona)> Parametry;
        std::function<bool(QWidget *forma, const QString &linie, int dlugoscKodu, int szerokosc, int wiersze,
                           int kodCzcionki, QWidget *pole, QString &opis, QString &param)>
            Lista;
        std::function<bool(QWidget *forma, QWidget *pole, QString &tekst)> Kalendarz;
        std::function<int(const TzentoraVat &Fakt, const TiniZentora &ini, QWidget *wlasciciel, int &kopie)> Drukuj;
        std::function<void(QWidget *wlasciciel)> OProgramie;
        // the free-standing calculator at a place (-2, -2: where it was last)
        std::function<void(int left, int top)> Kalkulator;
        // KSeF export: the XML file name
        std::function<QString(QWidget *wlasciciel, const QString &proponowana)> PlikKsef;
        // the reason of a correction being issued (may be left empty); false when given up
        std::function<bool(QWidget *wlasciciel, QString &przyczyna)> PrzyczynaKorekty;
        // the KSeF number, shown as it is and changed by the user; false when given up
        std::function<bool(QWidget *wlasciciel, QString &numer)> NumerKsef;
        // the register of the working folder; the file chosen to open, empty for none
        std::function<QString(QWidget *wlasciciel, const IndeksFolderu &indeks)> Rejestr;
        // an FA(3) file to open, starting in the folder; empty when given up
        std::function<QString(QWidget *wlasciciel, const QString &folder)> PlikXml;
        // the date range and folder of receiving from KSeF; false when given up
        std::function<bool(QWidget *wlasciciel, QDate &od, QDate &doDnia, QString &katalog)> ZakresOdbioru;
        // what receiving brought; the file chosen to open, empty for none
        std::function<QString(QWidget *wlasciciel, const QList<TpobranaFaktura> &lista, const QString &naglowek)>
            Pobrane;
    };
    TDialogi Dialogi;
    // The Qt file dialog with the window's filter, asking before overwriting and before
    // creating a new file.
    static QString NazwaPlikuZDialogu(QWidget *okno, bool zapis, const QString &tytul, const QString &folder,
                                      const QString &nazwa);

    // ---- what the window holds, for its host and its tests to read
    // The invoice as last built from the controls or read from a file.
    const TzentoraVat &Faktura() const { return Zentora; }
    // The invoice built from the controls as they are now.
    const TzentoraVat &FakturaZEkranu();
    // The reference copy the unsaved-changes question compares with.
    const TzentoraVat &FakturaWzorcowa() const { return FaktRobo; }
    const QString &NazwaRobocza() const { return NazwaRobo; }
    const QString &FolderRoboczy() const { return FolderRobo; }
    const QString &PlikKonfiguracji() const { return sPlik_FakturyIni; }
    const TiniZentora &Konfiguracja() const { return IniZentora; }
    const ::SpisMiast &ZnaneMiasta() const { return SpisMiast; }
    // The index of the working folder, brought up to date with the files on disk.
    IndeksFolderu &Indeks();
    // True once the user has agreed to close: the close event asks no more.
    bool ZamknieBezPytania() const { return ZamknijNiePytaj; }
    // The two grids, the amount due and the sale date as the totals engine sees them.
    TabeleFaktury &Tabele() { return *m_tabele; }

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void changeEvent(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    // sees the grids and the sale date for the totals engine
    friend class TabeleOkna;

    // ---- the invoice and the state of the window
    TzentoraVat Zentora;    // as last built from the controls or read from a file
    TzentoraVat FaktRobo;   // the reference copy: as after the last new, open or save
    QString NazwaRobo;      // file name without folder; empty for an untitled invoice
    QString SciezkaRobo;    // the full path of a named invoice: where it is saved again
    QString FolderRobo;     // the working folder, with a trailing separator: where the
                            // file dialogs start and the known cities come from
    int LiczbaKopii = 2;
    int FrokFaktur = 0;
    TiniZentora IniZentora;
    TZentoraForma **AdrZentoraForma = nullptr;
    QString sPlik_FakturyIni;
    bool ZamknijNiePytaj = false;
    ::SpisMiast SpisMiast;   // known buyer cities, read from the working folder when first needed

    // ---- record and screen
    void NowyDokument();
    void RekordNaEkran();
    void EkranNaRekord(bool przerwij);
    bool CzyPorzucicZmiany();
    QString NazwaPliku() const;
    void OtworzPlik(const QString &plik);
    bool ZapiszPlik(bool jako);
    void SprawdzKupujacego();
    bool SprawdzDateSprzedazy(bool przerwij);
    void EdytujParametry(int strona);
    void UstawAkcjeBazy(bool edycjaZBazy);
    void PokazTylkoWSystemie();
    // Every validated field of the window checked as on leaving it; the first that fails
    // keeps the focus after its message and ends the command quietly.
    void SprawdzPola();
    // Before the invoice leaves the window (save, print, any export): the open cell
    // finished, the fields (and, when asked, the buyer) checked, the rows and totals
    // valued again exactly as zentora-cli recompute does, and the record built. Ends the
    // command quietly after the message of whatever does not fit.
    void PrzygotujDoWydania(bool zKupujacym);

    // ---- item grid and totals
    void GridXtestujCelke(int Acol, int Arow, const QString &cela, bool &OK);
    // Whether the row's gross stays within what is held exactly, with `cela` in column Acol.
    bool KwotyWZakresie(int Acol, int Arow, const QString &cela) const;
    void GridKeyDown(int &klawisz, Qt::KeyboardModifiers mod);
    void UsunWiersz();
    void WstawWiersz();
    // Moves the rows from the current one down by one and puts the nine "|"-joined texts
    // of `wiersz` into the current row.
    void RozsunWiersze(const QString &wiersz);
    void PopupGridPopup();
    // The amounts follow a change of the rows, the kind or the sale date at once.
    void PrzeliczPoZmianie();
    void PoZmianieDatySprzedazy();

    // ---- header fields
    void WybierzDate(TokienkoData *pole);
    void BtnFirmaBankOsobaClick(QObject *nadawca);
    void cboZentoraCloseUp();

    // ---- what makes the invoice a legal document (zentoradokument.cpp)
    // The correction fields shown for a correction only; the header grows by their row.
    void PokazPolaKorekty();
    // A numbered invoice is final: every field refuses edits and a line says why.
    void UstawTylkoDoOdczytu(bool tak);
    bool TylkoDoOdczytu() const { return m_tylkoDoOdczytu; }
    // Refuses (and ends the command) a correction that lacks what it corrects.
    void SprawdzKorekte();
    // Before saving: a large amount without the split-payment switch asks once whether
    // the invoice is one of annex 15.
    void PytajOMpp();
    // Before printing: an exempt row without the basis of the exemption asks (default No).
    void PytajOPodstaweZwolnienia();
    // The invoice's KSeF record goes into its file at once; unsaved changes are saved first
    // (asked). False when the invoice is not saved.
    bool ZapisanaPrzedKsef();
    void ZapiszRekordKsef();
    void AcWystawKorekteExecute();
    // The optional rows under the header (the correction, the read-only line).
    int WierszeDodatkowe() const;

    // ---- controls; each has its member's name as objectName, so tests find it
    QMenuBar *MenuGlowne = nullptr;
    QToolBar *ToolBar1 = nullptr;
    TComboLista *cboZentora = nullptr;
    QLabel *LabNumer = nullptr;
    TokienkoLong *EdyNumRach = nullptr;
    TMojPanel *PanNaglowek = nullptr;
    TPoleEdycji *EdyFirma = nullptr;
    TPoleEdycji *EdyUlica = nullptr;
    TPoleFiltrowane *EdyKod = nullptr;
    TPoleEdycji *EdyMiasto = nullptr;
    TPoleEdycji *EdyNip = nullptr;
    TPoleEdycji *EdyOsoba = nullptr;
    TComboLista *cboJakPlaci = nullptr;
    TokienkoData *EdyDatWyst = nullptr;
    TokienkoData *EdyDatSprz = nullptr;
    TokienkoData *EdyDatZapl = nullptr;
    QToolButton *SpeedData1 = nullptr;
    QToolButton *SpeedData2 = nullptr;
    QToolButton *SpeedData3 = nullptr;
    TPoleEdycji *EdyUwagi = nullptr;
    TjustGrid *Grid = nullptr;
    QMenu *PopupGrid = nullptr;
    QAction *UsuWiersz = nullptr;
    QAction *WsawWiersz = nullptr;
    QTextEdit *MemSpFirma = nullptr;
    QToolButton *BtnSpFirma = nullptr;
    TokienkoTekst *EdySpBank = nullptr;
    TokienkoTekst *EdySpKonto = nullptr;
    TokienkoTekst *EdySprzedal = nullptr;
    QToolButton *BtnSprzedal = nullptr;
    TPoleEdycji *EdyFakKoryg = nullptr;
    TjustGrid *SumGrid = nullptr;
    QLabel *PanZaplata = nullptr;
    TokienkoFloat *EdyRabat = nullptr;
    QCheckBox *CbRatalnie = nullptr;
    QCheckBox *CbMPP = nullptr;
    TPoleEdycji *EdyPodstawa = nullptr;
    TokienkoData *EdyDataKoryg = nullptr;
    QToolButton *SpeedData4 = nullptr;
    TPoleEdycji *EdyKsefKoryg = nullptr;
    TPoleEdycji *EdyPrzyczyna = nullptr;
    QLabel *LabTylkoOdczyt = nullptr;
    QLabel *LabKsef = nullptr;

    // ---- actions of ActionList1, named as their members too
    QAction *AcNowa = nullptr, *AcOtworz = nullptr, *AcZapisz = nullptr, *AcZapiszJako = nullptr;
    QAction *AcDrukuj = nullptr, *AcZamknij = nullptr, *AcEksportKsef = nullptr, *AcNumerKsef = nullptr;
    QAction *AcWystawKorekte = nullptr;
    QAction *AcOtworzXml = nullptr, *AcWyslijKsef = nullptr, *AcOdbierzKsef = nullptr;
    QAction *AcCzytajBaze = nullptr, *AcEdytujZbazy = nullptr, *AcAkceptuj = nullptr, *AcAnuluj = nullptr;
    QAction *AcDopisz = nullptr, *AcBazaFaktur = nullptr, *AcBazaProdukt = nullptr;
    QAction *AcParametry = nullptr, *AcFormatNum = nullptr, *AcFont = nullptr, *AcKalkulator = nullptr;
    QAction *AcAktNumer = nullptr;
    QAction *AcPomocTematy = nullptr, *AcPomocFakt = nullptr, *AcWizytowka = nullptr;
    QList<QAction *> ActionList1;

    // ---- command handlers
    void AcNowaExecute();
    void AcOtworzExecute();
    void AcZapiszExecute();
    void AcZapiszJakoExecute();
    void AcDrukujExecute();
    void AcEksportKsefExecute();
    void AcNumerKsefExecute();
    // The one line that tells the invoice's KSeF state.
    void PokazStanKsef();
    // ---- KSeF online (ksefonline.cpp)
    void AcOtworzXmlExecute();
    void AcWyslijKsefExecute();
    void AcOdbierzKsefExecute();
    // An FA(3) invoice shown read-only; saved only as a new .FAK, never over the XML.
    void OtworzXml(const QString &plik);
    QString m_plikXml;      // the FA(3) file the shown invoice was read from (full path)
    QString m_folderKsef;   // where invoices were last received to
    void AcParametryExecute();
    void AcFormatNumExecute();
    void AcFontExecute(bool wlaczona);
    void AcPomocFaktExecute();
    void AcWizytowkaExecute();
    void AcKalkulatorExecute();
    void AcAktNumerExecute();

    // ---- building the window
    // The fixed size of the window's client area.
    static QSize RozmiarOkna() { return QSize(730, 480); }
    void UtworzAkcje();
    void UtworzMenu();
    void UtworzPasek();
    void UtworzNaglowek();
    void UtworzSiatki();
    void UtworzStopke();
    void UlozKontrolki();
    void UstawWyglad();
    // The dialogs of the other parts of the program.
    void UstawDialogiWspolpracownikow();
    void UstawKolejnoscTab();
    void PodlaczZdarzenia();
    void UstawCzcionkeTabel(bool duza);
    void UstawSprzedawce(const QString &ramka, const QString &bank, const QString &konto, const QString &osoba);
    void UstawPodpis();
    void UstawFolderRobo(const QString &folder);
    // Runs a command; whatever it throws is shown (the silent abort shows nothing), so no
    // exception leaves an event handler.
    void Polecenie(const std::function<void()> &f);
    // Finishes an open cell edit; false when the cell is refused and stays open.
    bool ZatwierdzKomorke();

    // ---- the recovery copy
    void ZaplanujKopie();
    void ZapiszKopieOdzysku();
    void PrzywrocKopie();
    // The invoice as typed, read without any message, for the copy.
    TzentoraVat FakturaDoKopii();
    std::unique_ptr<TkopiaOdzysku> m_kopia;
    QString m_folderKopii;
    QTimer *m_zegarKopii = nullptr;
    bool m_kopiaZaplanowana = false;

    std::unique_ptr<TabeleFaktury> m_tabele;
    QHash<QString, QLabel *> m_etykiety;
    QString m_ramka;      // the seller frame as stored, the memo only shows it
    QString m_dataSumy;   // the sale date the shown amounts were valued at
    int m_kontekstPomocy = 0;
    bool m_pierwszaAktywacja = true;
    bool m_zamknijPoWydruku = false;   // a close asked for while the invoice printed
    QString m_sciezkaStartowa;
    QString m_plikStartowy;
    TZentoraForma **m_adresStartowy = nullptr;
    QString m_dataKorygowanej, m_numerKorygowanej;   // as last given for a KSeF export

    // ---- the working folder as the invoice database
    std::shared_ptr<IndeksFolderu> m_indeks;   // made when first needed
    // The next free number of the invoice's series into the number field (automatic
    // numbering on); nothing otherwise.
    void ProponujNumer();
    // No other file of the folder of `sciezka` has this designation, or the user wants
    // it saved anyway.
    bool ZgodaNaNumer(const QString &sciezka);
    // After a save: the index learns the file at once.
    void ZapisanoWFolderze(const QString &sciezka);
    // The register of sales (Ctrl+R), made for the menu Plik.
    QAction *AkcjaRejestru();
    void AcRejestrExecute();
    // Buyers and cities completed from the folder's invoices.
    void UstawUzupelnianie();
    QList<WpisIndeksu> m_nabywcy;   // as the buyer completion offers them
    QList<TowarIndeksu> m_towary;   // as the goods completion offers them
    // A name typed into an empty item row that was sold before: its classification, unit,
    // last price and rate come with it.
    void UzupelnijTowar(int wiersz, const QString &nazwa);
    bool m_mppZapytano = false;               // the split-payment question asked for this invoice
    bool m_sprzedawcaZKonfiguracji = false;   // a new invoice: the seller follows the parameters
    bool m_tylkoDoOdczytu = false;
    QString m_nipSprawdzony;   // the buyer's NIP last checked or shown
    // ---- one editor per file: the lock beside the opened file; an invoice whose file
    // another editor holds is shown read-only and never saved over that file
    std::unique_ptr<QLockFile> m_blokadaPliku;
    bool m_plikZajety = false;
    // The lock of `sciezka` taken for this window (null where no lock can be made there);
    // null, with who holds it in `kto`, when another running editor has it.
    std::unique_ptr<QLockFile> BlokadaPliku(const QString &sciezka, QString &kto);
};
