// The main window: its life, the invoice record, the file commands and the other commands
// of the action list.

#include "zentoraedyt.h"

#include "ikony.h"
#include "ksefokno.h"
#include "ksefonline.h"
#include "poleedycji.h"
#include "siatkifaktury.h"

#include "common/bledy.h"
#include "common/daty.h"
#include "common/komunikaty.h"
#include "common/paleta.h"
#include "common/program.h"
#include "common/teksty.h"
#include "controls/aplikacja.h"
#include "controls/forma.h"
#include "controls/ikonyapli.h"
#include "controls/justgrid.h"
#include "controls/kolory.h"
#include "controls/panele.h"
#include "controls/stylmenu.h"
#include "controls/tokienka.h"
#include "invoice/dokument.h"
#include "invoice/konfiguracja.h"
#include "invoice/kopiaodzysku.h"
#include "invoice/nip.h"
#include "invoice/plikfaktury.h"
#include "invoice/sumy.h"
#include "print/wydrukfaktury.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLockFile>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

std::function<void(int kontekst)> ProcPomocy;
int KontekstPomocyFaktury = 0;

namespace {

const QString kFiltrFaktur = QStringLiteral("Faktury ( *.FAK *.fak )");

// The folder of a file path, with a trailing separator.
QString FolderPliku(const QString &sciezka)
{
    return ZUkosnikiem(QDir::toNativeSeparators(QFileInfo(sciezka).absolutePath()));
}

}   // namespace

// The window's controls as the totals engine sees them.
class TabeleOkna : public TabeleFaktury {
public:
    explicit TabeleOkna(TZentoraForma &f) : F(f) {}
    QString Pozycja(int kol, int wiersz) const override { return F.Grid->Cells(kol, wiersz); }
    void UstawPozycje(int kol, int wiersz, const QString &tekst) override
    {
        if (F.Grid->Cells(kol, wiersz) != tekst)
            F.Grid->setCells(kol, wiersz, tekst);
    }
    QString Suma(int kol, int wiersz) const override { return F.SumGrid->Cells(kol, wiersz); }
    void UstawSume(int kol, int wiersz, const QString &tekst) override { F.SumGrid->setCells(kol, wiersz, tekst); }
    void UstawDoZaplaty(const QString &tekst) override { F.PanZaplata->setText(Trim(tekst)); }
    QString TekstDatySprzedazy() const override { return F.EdyDatSprz->Tekst(); }

private:
    TZentoraForma &F;
};

// ---------------------------------------------------------------- creation

TZentoraForma::TZentoraForma(QWidget *rodzic) : QMainWindow(rodzic)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QFont czcionka(QStringLiteral("Tahoma"));
    czcionka.setPointSize(8);
    setFont(czcionka);
    auto *srodek = new TMojPanel(this);
    srodek->setObjectName(QStringLiteral("Srodek"));
    setCentralWidget(srodek);
    srodek->installEventFilter(this);

    UtworzAkcje();
    UtworzMenu();
    UtworzPasek();
    UtworzNaglowek();
    UtworzSiatki();
    UtworzStopke();
    // the KSeF state: one line in the free right end of the menu bar
    LabKsef = new QLabel(MenuGlowne);
    LabKsef->setObjectName(QStringLiteral("LabKsef"));
    LabKsef->setContentsMargins(0, 0, 8, 0);
    LabKsef->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // wide enough for the longest state, a 35-character number, whatever the text now
    LabKsef->setMinimumWidth(
        LabKsef->fontMetrics().horizontalAdvance(QStringLiteral("KSeF 0000000000-00000000-000000000000-00")) + 16);
    MenuGlowne->setCornerWidget(LabKsef, Qt::TopRightCorner);
    m_tabele = std::make_unique<TabeleOkna>(*this);
    Dialogi.NazwaPliku = &TZentoraForma::NazwaPlikuZDialogu;
    Dialogi.Drukuj = [](const TzentoraVat &f, const TiniZentora &ini, QWidget *w, int &kopie) {
        return DrukujFakture(f, ini, w, kopie);
    };
    Dialogi.PrzyczynaKorekty = &PytajOPrzyczyneKorekty;
    Dialogi.PlikKsef = &NazwaPlikuKsefZDialogu;
    Dialogi.NumerKsef = &PytajONumerKsef;
    Dialogi.PlikXml = &NazwaPlikuXmlZDialogu;
    Dialogi.ZakresOdbioru = &PytajOZakresOdbioru;
    Dialogi.Pobrane = &PokazPobrane;
    UstawDialogiWspolpracownikow();

    setWindowIcon(IkonyApli16().Ikona(Ikona::Program));
    if (NrIkonyProgramu != 0)
        AcWizytowka->setIcon(IkonyApli().Ikona(NrIkonyProgramu));
    m_kontekstPomocy = KontekstPomocyFaktury;
    AcPomocFakt->setVisible(m_kontekstPomocy != 0);
    AcPomocFakt->setEnabled(m_kontekstPomocy != 0);
    ZamknijNiePytaj = false;
    LiczbaKopii = 2;
    m_pierwszaAktywacja = true;
    for (const QString &n : NazwyFaktur)
        cboZentora->addItem(n);
    for (const QString &n : NazwyZaplat)
        cboJakPlaci->addItem(n);
    cboZentora->setMaxVisibleItems(kLiczbaRodzajowFaktur);
    EdyUwagi->UstawLimit(254);

    PrzygotujForme(this);
    UstawWyglad();
    UstawCzcionkeTabel(AcFont->isChecked());
    UstawKolejnoscTab();
    PodlaczZdarzenia();

    setFixedSize(RozmiarOkna());
    if (const QScreen *ekran = QGuiApplication::primaryScreen()) {
        const QRect r = ekran->availableGeometry();
        move(r.center() - QPoint(width() / 2, height() / 2));
    }
}

TZentoraForma::~TZentoraForma()
{
    // The fields die after this part of the window: a focus change among them (a field left
    // by its destruction) must not reach handlers of a window that is no longer whole.
    for (QObject *o : findChildren<QObject *>())
        disconnect(o, nullptr, this, nullptr);
    if (AdrZentoraForma && *AdrZentoraForma == this)
        *AdrZentoraForma = nullptr;
}

void TZentoraForma::UstawWyglad()
{
    // The program's bar style: a gradient tool bar with a warm hot-track colour, the menu bar
    // shaded across on its panel, light panels.
    StylizujPaski(MenuGlowne, {ToolBar1});
    PanNaglowek->setXkolorAuto(3);
    static_cast<TMojPanel *>(centralWidget())->setColor(Pastel(KolorStylu(3), 160));
}

void TZentoraForma::UstawKolejnoscTab()
{
    // the symbol of the corrected invoice moves with its place (PokazPolaKorekty)
    QWidget *kolejnosc[] = {cboZentora, EdyNumRach,  EdyFirma,     EdyUlica,     EdyKod,       EdyMiasto,
                            EdyNip,     EdyOsoba,    cboJakPlaci,  EdyDatWyst,   EdyDatSprz,   EdyDatZapl,
                            EdyUwagi,   EdyPodstawa, EdyDataKoryg, EdyKsefKoryg, EdyPrzyczyna, Grid,
                            BtnSpFirma, BtnSprzedal, SumGrid,      EdyFakKoryg,  CbRatalnie,   CbMPP};
    for (QWidget *w : {static_cast<QWidget *>(BtnSpFirma), static_cast<QWidget *>(BtnSprzedal)})
        w->setFocusPolicy(Qt::TabFocus);
    SumGrid->setFocusPolicy(Qt::StrongFocus);
    for (size_t i = 0; i + 1 < std::size(kolejnosc); ++i)
        setTabOrder(kolejnosc[i], kolejnosc[i + 1]);
}

void TZentoraForma::PodlaczZdarzenia()
{
    auto podlacz = [this](QAction *a, void (TZentoraForma::*f)()) {
        connect(a, &QAction::triggered, this, [this, f] { Polecenie([this, f] { (this->*f)(); }); });
    };
    podlacz(AcNowa, &TZentoraForma::AcNowaExecute);
    podlacz(AcOtworz, &TZentoraForma::AcOtworzExecute);
    podlacz(AcZapisz, &TZentoraForma::AcZapiszExecute);
    podlacz(AcZapiszJako, &TZentoraForma::AcZapiszJakoExecute);
    podlacz(AcDrukuj, &TZentoraForma::AcDrukujExecute);
    podlacz(AcEksportKsef, &TZentoraForma::AcEksportKsefExecute);
    podlacz(AcNumerKsef, &TZentoraForma::AcNumerKsefExecute);
    podlacz(AcOtworzXml, &TZentoraForma::AcOtworzXmlExecute);
    podlacz(AcWyslijKsef, &TZentoraForma::AcWyslijKsefExecute);
    podlacz(AcOdbierzKsef, &TZentoraForma::AcOdbierzKsefExecute);
    podlacz(AcWystawKorekte, &TZentoraForma::AcWystawKorekteExecute);
    podlacz(AcParametry, &TZentoraForma::AcParametryExecute);
    podlacz(AcFormatNum, &TZentoraForma::AcFormatNumExecute);
    podlacz(AcPomocFakt, &TZentoraForma::AcPomocFaktExecute);
    podlacz(AcWizytowka, &TZentoraForma::AcWizytowkaExecute);
    podlacz(AcKalkulator, &TZentoraForma::AcKalkulatorExecute);
    podlacz(AcAktNumer, &TZentoraForma::AcAktNumerExecute);
    for (QAction *a :
         {AcCzytajBaze, AcEdytujZbazy, AcAkceptuj, AcAnuluj, AcDopisz, AcBazaFaktur, AcBazaProdukt, AcPomocTematy})
        podlacz(a, &TZentoraForma::PokazTylkoWSystemie);
    connect(AcZamknij, &QAction::triggered, this, &QWidget::close);
    connect(AcFont, &QAction::toggled, this, [this](bool w) { AcFontExecute(w); });

    Grid->OnXtestujCelke = [this](int c, int r, const QString &cela, bool &ok) { GridXtestujCelke(c, r, cela, ok); };
    Grid->OnKeyDown = [this](int &k, Qt::KeyboardModifiers m) { GridKeyDown(k, m); };
    connect(Grid, &QWidget::customContextMenuRequested, this, [this](const QPoint &p) {
        PopupGridPopup();
        PopupGrid->exec(Grid->viewport()->mapToGlobal(p));
    });
    connect(UsuWiersz, &QAction::triggered, this, [this] { Polecenie([this] { UsunWiersz(); }); });
    connect(WsawWiersz, &QAction::triggered, this, [this] { Polecenie([this] { WstawWiersz(); }); });

    UstawUzupelnianie();
    const std::pair<QToolButton *, TokienkoData *> daty[] = {
        {SpeedData1, EdyDatWyst}, {SpeedData2, EdyDatSprz}, {SpeedData3, EdyDatZapl}, {SpeedData4, EdyDataKoryg}};
    for (const auto &[b, pole] : daty)
        connect(b, &QToolButton::clicked, this,
                [this, pole = pole] { Polecenie([this, pole] { WybierzDate(pole); }); });
    for (QToolButton *b : {BtnSpFirma, BtnSprzedal})
        connect(b, &QToolButton::clicked, this, [this, b] { Polecenie([this, b] { BtnFirmaBankOsobaClick(b); }); });
    connect(cboZentora, &TComboLista::zamknietoListe, this, [this] { Polecenie([this] { cboZentoraCloseUp(); }); });
    connect(cboZentora, &QComboBox::activated, this, [this] { Polecenie([this] { PrzeliczPoZmianie(); }); });
    // a wrong NIP is only pointed out, once for each value: the user may know better
    connect(EdyNip, &QLineEdit::editingFinished, this, [this] {
        if (EdyNip->text() == m_nipSprawdzony)
            return;
        m_nipSprawdzony = EdyNip->text();
        const QString uwaga = UwagaDoNip(m_nipSprawdzony);
        if (!uwaga.isEmpty())
            QMetaObject::invokeMethod(
                this,
                [this, uwaga] {
                    KomunikatOkna(this,
                                  QStringLiteral("!") + uwaga + QStringLiteral("|Numer zostaje taki, jak wpisano."));
                },
                Qt::QueuedConnection);
    });
    connect(cboZentora, &QComboBox::currentIndexChanged, this, [this] { PokazPolaKorekty(); });
    // a message box in the middle of a focus change would leave the focus half moved
    connect(EdyDatSprz, &QLineEdit::editingFinished, this, [this] {
        if (EdyDatSprz->XTestOK())
            QMetaObject::invokeMethod(
                this, [this] { Polecenie([this] { PoZmianieDatySprzedazy(); }); }, Qt::QueuedConnection);
    });
}

void TZentoraForma::Polecenie(const std::function<void()> &f)
{
    // While the invoice prints the window takes no commands; the print keeps to what the
    // window held when it began.
    if (WydrukTrwa())
        return;
    try {
        f();
    } catch (const EMojeBledy &e) {
        KomunikatOkna(this, QStringLiteral("X") + e.komunikat());
    } catch (...) {
        TAplikacja::PokazBiezacyWyjatek();
    }
    ZaplanujKopie();   // whatever the command changed is in the recovery copy at once
    if (m_zamknijPoWydruku && !WydrukTrwa()) {
        // the close asked for during the print, now that it has ended
        m_zamknijPoWydruku = false;
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

bool TZentoraForma::eventFilter(QObject *o, QEvent *e)
{
    if (o == centralWidget() && e->type() == QEvent::Resize)
        UlozKontrolki();
    return QMainWindow::eventFilter(o, e);
}

// ---------------------------------------------------------------- life

void TZentoraForma::UstawStart(const QString &sciezkaIni, const QString &plikFaktury)
{
    m_sciezkaStartowa = sciezkaIni;
    m_plikStartowy = plikFaktury;
}

void TZentoraForma::changeEvent(QEvent *e)
{
    QMainWindow::changeEvent(e);
    if (e->type() != QEvent::ActivationChange || !isActiveWindow() || !m_pierwszaAktywacja)
        return;
    m_pierwszaAktywacja = false;
    const QString ini =
        m_sciezkaStartowa.isEmpty() ? KatalogProgramu() + QStringLiteral("Faktury.ini") : m_sciezkaStartowa;
    Polecenie([this, ini] { START(0, m_adresStartowy, ini); });
    if (!m_plikStartowy.isEmpty())
        QTimer::singleShot(0, this, [this] { Polecenie([this] { OtworzProFormeEx(m_plikStartowy); }); });
}

void TZentoraForma::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    if (isVisible())
        raise();
}

void TZentoraForma::closeEvent(QCloseEvent *e)
{
    if (WydrukTrwa()) {
        m_zamknijPoWydruku = true;
        e->ignore();
        return;
    }
    if (!ZamknijNiePytaj) {
        bool mozna = false;
        Polecenie([this, &mozna] { mozna = MoznaZamknac(); });
        if (!mozna) {
            e->ignore();
            return;
        }
    }
    if (AdrZentoraForma)
        setAttribute(Qt::WA_DeleteOnClose, true);
    if (m_kopia)
        m_kopia->Usun();   // a normal close: nothing to recover
    e->accept();
}

void TZentoraForma::START(int Rok, TZentoraForma **AdresFormy, const QString &SciezkaIni)
{
    // a window started by its host must not be started again by its first activation
    m_pierwszaAktywacja = false;
    FrokFaktur = Rok;
    AdrZentoraForma = AdresFormy;
    sPlik_FakturyIni = SciezkaIni;
    IniZentora.Czysc();
    TiniZentora ini;
    try {
        CzytajParametry(SciezkaIni, ini);
    } catch (const EMojeBledy &e) {
        // an unreadable configuration leaves the defaults, after saying why
        KomunikatOkna(this, QStringLiteral("X") + e.komunikat());
        ini.Czysc();
    }
    IniZentora = ini;
    UstawFolderRobo(Pusty(IniZentora.iniFolder) ? FolderPliku(SciezkaIni) : IniZentora.iniFolder);
    UstawAkcjeBazy(false);
    NowyDokument();
    PrzywrocKopie();
}

bool TZentoraForma::MoznaZamknac()
{
    ZatwierdzKomorke();
    ZamknijNiePytaj = CzyPorzucicZmiany();
    return ZamknijNiePytaj;
}

void TZentoraForma::OtworzProFormeEx(const QString &PlikFak)
{
    ZatwierdzKomorke();
    if (CzyPorzucicZmiany())
        OtworzPlik(PlikFak);
    UstawAkcjeBazy(false);
}

void TZentoraForma::ImportujZbazyFaktur()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    AcCzytajBaze->trigger();
    show();
}

void TZentoraForma::Przypisz_ContextPopUpOknomEdycji() { PrzypiszPopupOknu(this); }

// ---------------------------------------------------------------- record and screen

QString TZentoraForma::NazwaPliku() const
{
    if (NazwaRobo.isEmpty() && !m_plikXml.isEmpty())
        return QLatin1Char('"') + QFileInfo(m_plikXml).fileName() + QLatin1Char('"');
    return NazwaRobo.isEmpty() ? QStringLiteral("( bez nazwy )") : QLatin1Char('"') + NazwaRobo + QLatin1Char('"');
}

void TZentoraForma::UstawPodpis() { setWindowTitle(QStringLiteral(" Zentora:  ") + NazwaPliku()); }

void TZentoraForma::UstawFolderRobo(const QString &folder)
{
    FolderRobo = folder;
    SpisMiast.UstawFolder(folder);
}

bool TZentoraForma::ZatwierdzKomorke() { return Grid->ZatwierdzEdycje(); }

void TZentoraForma::NowyDokument()
{
    Grid->PrzerwijEdycje();
    NazwaRobo.clear();
    SciezkaRobo.clear();
    m_plikXml.clear();
    UstawPodpis();
    Zentora = NowaFaktura(IniZentora, DataDzis());
    m_blokadaPliku.reset();
    m_plikZajety = false;
    m_mppZapytano = false;
    m_sprzedawcaZKonfiguracji = true;
    if (IniZentora.iniAutoNum)
        Zentora.NumerFak = NastepnyNumer(Indeks().Wpisy(), Zentora);
    RekordNaEkran();
    EkranNaRekord(false);
    FaktRobo = Zentora;
}

void TZentoraForma::UstawSprzedawce(const QString &ramka, const QString &bank, const QString &konto,
                                    const QString &osoba)
{
    // The memo only shows the frame; the text itself is kept as it came, so a frame that
    // does not survive splitting into lines (a trailing ";") is saved unchanged.
    m_ramka = ramka;
    MemSpFirma->setPlainText(MemoZTekstu(ramka).join(QLatin1Char('\n')));
    QTextCursor k(MemSpFirma->document());
    k.select(QTextCursor::Document);
    QTextBlockFormat fb;
    fb.setAlignment(Qt::AlignHCenter);
    k.mergeBlockFormat(fb);
    MemSpFirma->moveCursor(QTextCursor::Start);
    for (auto [pole, tekst] :
         {std::pair{EdySpBank, bank}, std::pair{EdySpKonto, konto}, std::pair{EdySprzedal, osoba}}) {
        pole->setText(tekst);
        pole->setCursorPosition(0);
    }
}

void TZentoraForma::RekordNaEkran()
{
    const TzentoraVat &z = Zentora;
    cboZentora->setCurrentIndex(z.RodzajFak);
    EdyNumRach->setXWartosc(z.NumerFak);
    const std::pair<TPoleEdycji *, QString> teksty[] = {
        {EdyFakKoryg, z.DoKorekty}, {EdyFirma, z.KupFirma}, {EdyUlica, z.KupUlica},   {EdyMiasto, z.KupMiasto},
        {EdyNip, z.KupNip},         {EdyOsoba, z.KupOsoba}, {EdyUwagi, z.UwagiDodatk}};
    for (const auto &[pole, tekst] : teksty) {
        pole->setText(tekst);
        pole->setCursorPosition(0);
    }
    EdyKod->UstawTekst(z.KupKod);
    m_nipSprawdzony = z.KupNip;
    UstawSprzedawce(z.SprzedRamka, z.SprzedBank, z.SprzedKonto, z.SprzedOsoba);
    EdyDatWyst->UstawTekst(z.DataWystaw);
    EdyDatSprz->UstawTekst(z.DataSprzed);
    EdyDatZapl->UstawTekst(z.DataZaplaty);
    cboJakPlaci->setCurrentIndex(z.RodzZaplaty);
    CbRatalnie->setChecked(z.Ratalnie);
    CbMPP->setChecked(z.MPP);
    for (const auto &[pole, tekst] :
         {std::pair{EdyPodstawa, z.PodstawaZwolnienia}, std::pair{EdyKsefKoryg, z.KsefKorygowanej},
          std::pair{EdyPrzyczyna, z.PrzyczynaKorekty}}) {
        pole->setText(tekst);
        pole->setCursorPosition(0);
    }
    EdyDataKoryg->UstawTekst(z.DataKorygowanej);
    RekordDoTabel(z, *m_tabele);
    m_dataSumy = EdyDatSprz->Tekst();
    Grid->DopasujWysokoscCel();
    // a new or opened invoice starts at its first row, whatever the last one scrolled to
    Grid->setTopRow(1);
    Grid->WybierzKomorke(1, 1);
    PokazStanKsef();
    PokazPolaKorekty();
    UstawTylkoDoOdczytu(FakturaOstateczna(z) || m_plikZajety || !m_plikXml.isEmpty());
}

void TZentoraForma::EkranNaRekord(bool przerwij)
{
    TzentoraVat &z = Zentora;
    UstawRodzajFaktury(z, static_cast<TrodzajFaktury>(Ogranicz(cboZentora->currentIndex(), 0, rProForma)), IniZentora);
    z.NumerFak = EdyNumRach->XWartosc();
    z.DoKorekty = EdyFakKoryg->text();
    z.KupFirma = EdyFirma->text();
    z.KupUlica = EdyUlica->text();
    z.KupKod = EdyKod->Tekst();
    z.KupMiasto = EdyMiasto->text();
    z.KupNip = EdyNip->text();
    z.KupOsoba = EdyOsoba->text();
    z.SprzedRamka = m_ramka;
    z.SprzedBank = EdySpBank->text();
    z.SprzedKonto = EdySpKonto->text();
    z.SprzedOsoba = EdySprzedal->text();
    z.DataWystaw = EdyDatWyst->Tekst();
    z.DataSprzed = EdyDatSprz->Tekst();
    z.DataZaplaty = EdyDatZapl->Tekst();
    z.RodzZaplaty = static_cast<TrodzajZaplaty>(Ogranicz(cboJakPlaci->currentIndex(), 0, zZaliczPocz));
    z.UwagiDodatk = EdyUwagi->text();
    z.Ratalnie = CbRatalnie->isChecked();
    z.MPP = CbMPP->isChecked();
    z.PodstawaZwolnienia = EdyPodstawa->text();
    // What a correction corrects belongs to a correction only; the hidden fields keep their
    // text for a kind switched back. An empty date field is no date.
    const bool korekta = z.RodzajFak == rFakKoryg;
    z.DataKorygowanej = korekta && TekstNaDate(EdyDataKoryg->Tekst(), 0) > 0 ? EdyDataKoryg->Tekst() : QString();
    z.KsefKorygowanej = korekta ? EdyKsefKoryg->text() : QString();
    z.PrzyczynaKorekty = korekta ? EdyPrzyczyna->text() : QString();
    TabeleDoRekordu(*m_tabele, z, przerwij);
}

const TzentoraVat &TZentoraForma::FakturaZEkranu()
{
    EkranNaRekord(false);
    return Zentora;
}

bool TZentoraForma::SprawdzDateSprzedazy(bool przerwij) { return ::SprawdzDateSprzedazy(*m_tabele, przerwij); }

bool TZentoraForma::CzyPorzucicZmiany()
{
    EkranNaRekord(false);
    if (FakturyRowne(Zentora, FaktRobo))
        return true;
    return PytanieOkAnuluj(
        this,
        QStringLiteral("Zmiany w  \"%1\"  nie zostały zapisane.|             Czy kontynuować ?").arg(NazwaPliku()), 2);
}

// ---------------------------------------------------------------- files

QString TZentoraForma::NazwaPlikuZDialogu(QWidget *okno, bool zapis, const QString &tytul, const QString &folder,
                                          const QString &nazwa)
{
    QFileDialog d(okno, tytul, folder, kFiltrFaktur);
    d.setDefaultSuffix(QStringLiteral("FAK"));
    d.setAcceptMode(zapis ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(zapis ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!nazwa.isEmpty())
        d.selectFile(nazwa);
    for (;;) {
        if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
            return QString();
        QString plik = d.selectedFiles().constFirst();
        if (!zapis || QFileInfo::exists(plik))
            return plik;
        // a new file is created only when the user says so
        if (PytanieOkAnuluj(
                okno,
                QStringLiteral("?Plik  \"%1\"  nie istnieje.|Czy utworzyć nowy plik ?").arg(QFileInfo(plik).fileName()),
                1))
            return plik;
    }
}

void TZentoraForma::OtworzPlik(const QString &plik)
{
    QString sciezka = plik;
    if (Pusty(plik)) {
        sciezka =
            Dialogi.NazwaPliku(this, false, QStringLiteral("Otwieranie faktury "), BezUkosnika(FolderRobo), QString());
        if (sciezka.isEmpty())
            return;
    }
    // a file that is not there is said so plainly (reading it would report a wrong version)
    if (!QFileInfo(sciezka).isFile())
        throw EMojeBledy(QStringLiteral("Nie znaleziono pliku faktury \"%1\".").arg(QDir::toNativeSeparators(sciezka)));
    TzentoraVat f;
    const QStringList problemy = CzytajFaktureSprawdzajac(sciezka, f);
    // a damaged file is named, then shown as far as it could be read, so it can be mended
    if (!problemy.isEmpty())
        KomunikatOkna(this, QStringLiteral("!") + problemy.join(QLatin1Char('|')));
    // rows saved with gaps are shown as the window would save them now
    ScisnijPozycje(f);
    QString kto;
    // the window's own file opened again keeps its lock
    if (!m_blokadaPliku || m_plikZajety || QFileInfo(sciezka).absoluteFilePath() != SciezkaRobo)
        m_blokadaPliku = BlokadaPliku(sciezka, kto);
    Grid->PrzerwijEdycje();
    Zentora = f;
    m_plikZajety = !kto.isEmpty();
    m_plikXml.clear();
    RekordNaEkran();
    FaktRobo = Zentora;
    SciezkaRobo = QFileInfo(sciezka).absoluteFilePath();
    NazwaRobo = QFileInfo(sciezka).fileName();
    UstawFolderRobo(FolderPliku(sciezka));
    UstawPodpis();
    m_mppZapytano = false;
    m_sprzedawcaZKonfiguracji = false;
    if (m_plikZajety)
        KomunikatOkna(this, QStringLiteral("!Plik  \"%1\"  jest otwarty w innym oknie programu Zentora (%2).|"
                                           "Faktura zostanie pokazana tylko do odczytu.")
                                .arg(NazwaRobo, kto));
    SprawdzDateSprzedazy(false);
    // the stored totals of a damaged file may count rows that are lost: show what the rows give
    if (!problemy.isEmpty())
        PrzeliczPoZmianie();
    if (KorektaBezSekcjiDodatnia(Zentora))
        KomunikatOkna(this, OstrzezenieKorektyDodatniej());
}

bool TZentoraForma::ZapiszPlik(bool jako)
{
    QString sciezka;
    if (NazwaRobo.isEmpty() || jako) {
        // an invoice read from KSeF XML becomes a .FAK of its own, named after the XML
        const QString nazwa = NazwaRobo.isEmpty() && !m_plikXml.isEmpty()
                                  ? QFileInfo(m_plikXml).completeBaseName() + QStringLiteral(".FAK")
                                  : NazwaRobo;
        sciezka =
            Dialogi.NazwaPliku(this, true, QStringLiteral(" Zapisywanie faktury "), BezUkosnika(FolderRobo), nazwa);
        if (sciezka.isEmpty())
            return false;
        if (!m_plikXml.isEmpty() && QFileInfo(sciezka) == QFileInfo(m_plikXml)) {
            KomunikatOkna(this, QStringLiteral("XFaktury nie zapisuje się w miejsce pliku KSeF (XML), z którego ją "
                                               "odczytano.|Podaj nazwę nowego pliku .FAK."));
            return false;
        }
    } else {
        // the very file it came from, wherever the working folder points now
        sciezka = SciezkaRobo;
    }
    QString kto;
    const bool nowyPlik = QFileInfo(sciezka).absoluteFilePath() != SciezkaRobo;
    std::unique_ptr<QLockFile> blokada = nowyPlik ? BlokadaPliku(sciezka, kto) : nullptr;
    if ((m_plikZajety && !nowyPlik) || !kto.isEmpty()) {
        KomunikatOkna(this, QStringLiteral("XPlik  \"%1\"  jest otwarty w innym oknie programu Zentora%2.|"
                                           "Zapisz fakturę pod inną nazwą ( Zapisz jako ... ).")
                                .arg(QFileInfo(sciezka).fileName(), kto.isEmpty() ? QString() : " (" + kto + ")"));
        return false;
    }
    EkranNaRekord(true);
    if (!ZgodaNaNumer(sciezka))
        return false;
    try {
        ZapiszFakture(sciezka, Zentora);
    } catch (const EMojeBledy &e) {
        // Nothing was saved: the invoice stays unsaved under its old name.
        KomunikatOkna(this, QStringLiteral("X") + e.komunikat());
        return false;
    }
    FaktRobo = Zentora;
    SciezkaRobo = QFileInfo(sciezka).absoluteFilePath();
    NazwaRobo = QFileInfo(sciezka).fileName();
    if (nowyPlik)
        m_blokadaPliku = std::move(blokada);
    if (m_plikZajety || !m_plikXml.isEmpty()) {
        // saved under a name of its own: the invoice is this window's again
        m_plikZajety = false;
        m_plikXml.clear();
        UstawTylkoDoOdczytu(FakturaOstateczna(Zentora));
    }
    // a saved invoice is issued: its seller no longer follows the parameters
    m_sprzedawcaZKonfiguracji = false;
    UstawFolderRobo(FolderPliku(sciezka));
    UstawPodpis();
    SpisMiast.Dodaj(Zentora.KupMiasto);
    ZapisanoWFolderze(sciezka);
    return true;
}

void TZentoraForma::SprawdzKupujacego()
{
    WymagajOkna(this, Niepusty(EdyFirma->text()), QStringLiteral("XBrak firmy kupującego"));
}

std::unique_ptr<QLockFile> TZentoraForma::BlokadaPliku(const QString &sciezka, QString &kto)
{
    const QFileInfo fi(sciezka);
    auto blokada =
        std::make_unique<QLockFile>(fi.absolutePath() + QStringLiteral("/.") + fi.fileName() + QStringLiteral(".lock"));
    // only a holder that is no longer running gives the lock up, however long it is open
    blokada->setStaleLockTime(0);
    if (blokada->tryLock(0))
        return blokada;
    qint64 pid = 0;
    QString komputer, program;
    if (blokada->error() == QLockFile::LockFailedError && blokada->getLockInfo(&pid, &komputer, &program))
        kto = QStringLiteral("proces %1 na komputerze %2").arg(pid).arg(komputer);
    // else a folder where no lock can be made (read-only, a CD): nobody can save there anyway
    return nullptr;
}

// ---------------------------------------------------------------- commands

void TZentoraForma::AcNowaExecute()
{
    ZatwierdzKomorke();
    if (CzyPorzucicZmiany())
        NowyDokument();
    UstawAkcjeBazy(false);
}

void TZentoraForma::AcOtworzExecute()
{
    ZatwierdzKomorke();
    if (CzyPorzucicZmiany())
        OtworzPlik(QString());
    UstawAkcjeBazy(false);
}

void TZentoraForma::SprawdzPola()
{
    // in the order of the window, the header first; then any other validated field
    QList<TokienkoBaza *> pola{EdyNumRach, EdyDatWyst, EdyDatSprz, EdyDatZapl};
    for (TokienkoBaza *p : findChildren<TokienkoBaza *>())
        if (!pola.contains(p))
            pola.append(p);
    for (TokienkoBaza *p : pola)
        Wymagaj(p->SprawdzJakPrzyWyjsciu(), QString());
}

void TZentoraForma::PrzygotujDoWydania(bool zKupujacym)
{
    if (m_tylkoDoOdczytu) {
        // a numbered invoice leaves as it was issued: nothing is valued again
        EkranNaRekord(true);
        return;
    }
    Wymagaj(ZatwierdzKomorke(), QString());
    SprawdzPola();
    if (zKupujacym)
        SprawdzKupujacego();
    PrzeliczDoZapisu(Tabele(), static_cast<TrodzajFaktury>(Ogranicz(cboZentora->currentIndex(), 0, rProForma)));
    m_dataSumy = EdyDatSprz->Tekst();
    EkranNaRekord(true);
}

void TZentoraForma::AcZapiszExecute()
{
    PrzygotujDoWydania(true);
    SprawdzKorekte();
    PytajOMpp();
    ZapiszPlik(false);
}

void TZentoraForma::AcZapiszJakoExecute()
{
    PrzygotujDoWydania(true);
    SprawdzKorekte();
    PytajOMpp();
    ZapiszPlik(true);
}

void TZentoraForma::AcDrukujExecute()
{
    PrzygotujDoWydania(false);
    SprawdzKorekte();
    PytajOPodstaweZwolnienia();
    if (Dialogi.Drukuj)
        Dialogi.Drukuj(Zentora, IniZentora, this, LiczbaKopii);
}

void TZentoraForma::AcParametryExecute() { EdytujParametry(0); }

void TZentoraForma::EdytujParametry(int strona)
{
    if (!Dialogi.Parametry)
        return;
    const TiniZentora poprzednie = IniZentora;
    TiniZentora ini = IniZentora;
    if (!Dialogi.Parametry(this, ini, strona))
        return;
    IniZentora = ini;
    UstawFolderRobo(IniZentora.iniFolder);
    try {
        ZapiszParametry(sPlik_FakturyIni, IniZentora);
    } catch (const EMojeBledy &e) {
        // the new settings stay in force for this run even when the file cannot take them
        KomunikatOkna(this, QStringLiteral("X") + e.komunikat());
    }
    // An issued invoice keeps the seller it was issued by; only a new one takes the new data.
    if (!m_sprzedawcaZKonfiguracji) {
        if (ini.iniTabFirm != poprzednie.iniTabFirm || ini.iniTabBank != poprzednie.iniTabBank
            || ini.iniTabOsob != poprzednie.iniTabOsob)
            KomunikatOkna(this, QStringLiteral("Nowe dane sprzedawcy obowiązują od następnej nowej faktury.|Otwarta "
                                               "faktura %1 zachowuje sprzedawcę, z którym ją wystawiono.")
                                    .arg(NazwaPliku()));
        return;
    }
    QString bank = IniZentora.iniTabBank;
    const QString nazwaBanku = OdetnijPole(bank, QLatin1Char(';'));
    UstawSprzedawce(IniZentora.iniTabFirm, nazwaBanku, bank, IniZentora.iniTabOsob);
}

void TZentoraForma::AcFormatNumExecute()
{
    if (Zentora.RodzajNum == IniZentora.iniNumerac && Zentora.SymbolFak == IniZentora.iniSymbol) {
        KomunikatOkna(
            this, QStringLiteral("Format numeracji tej faktury jest zgodny|z formatem zapisanym w pliku konfiguracji"));
        return;
    }
    if (m_tylkoDoOdczytu) {
        // a numbered invoice keeps its designation
        KomunikatOkna(this, QStringLiteral("Format numeracji tej faktury jest inny|niż format zapisany w pliku "
                                           "konfiguracji||Faktura ma numer KSeF, więc jej numeracja zostaje."));
        return;
    }
    if (PytanieOkAnuluj(
            this,
            QStringLiteral("Format numeracji tej faktury jest inny|niż format zapisany w pliku konfiguracji||"
                           "Czy przyjąć format z pliku konfiguracji ?"),
            1)) {
        Zentora.RodzajNum = IniZentora.iniNumerac;
        Zentora.SymbolFak = IniZentora.iniSymbol;
    }
}

void TZentoraForma::AcFontExecute(bool wlaczona) { UstawCzcionkeTabel(wlaczona); }

void TZentoraForma::UstawCzcionkeTabel(bool duza)
{
    QFont f = duza ? DuzaCzcionkaTabel() : font();
    Grid->setFont(f);
    SumGrid->setFont(f);
    f.setBold(true);
    PanZaplata->setFont(f);
    DopasujKolumnyKwot(*Grid, *SumGrid);
    UlozKontrolki();
    Grid->DopasujWysokoscCel();
}

void TZentoraForma::AcPomocFaktExecute()
{
    if (ProcPomocy)
        ProcPomocy(m_kontekstPomocy);
}

void TZentoraForma::AcWizytowkaExecute()
{
    if (Dialogi.OProgramie)
        Dialogi.OProgramie(this);
}

void TZentoraForma::AcKalkulatorExecute()
{
    if (Dialogi.Kalkulator)
        Dialogi.Kalkulator(-2, -2);
}

void TZentoraForma::UstawAkcjeBazy(bool edycjaZBazy)
{
    AcNowa->setEnabled(!edycjaZBazy);
    AcOtworz->setEnabled(!edycjaZBazy);
    AcCzytajBaze->setEnabled(!edycjaZBazy);
    AcAkceptuj->setEnabled(edycjaZBazy);
    AcAnuluj->setEnabled(edycjaZBazy);
    AcDopisz->setEnabled(!edycjaZBazy);
    AcBazaFaktur->setEnabled(!edycjaZBazy);
    AcEdytujZbazy->setEnabled(false);
}

void TZentoraForma::PokazTylkoWSystemie()
{
    KomunikatNagl(this, TytulAplikacji(),
                  QStringLiteral("Funkcja jest dostepna tylko wtedy gdy program  \"ZENTORA\"|"
                                 "stanowi moduł  systemu  \"TRAMOLIN\"  firmy  KORVEN"));
}
