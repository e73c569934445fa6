// The controls of the main window, their look and their places.

#include "zentoraedyt.h"

#include "ikony.h"
#include "poleedycji.h"
#include "siatkifaktury.h"

#include "common/paleta.h"
#include "common/program.h"
#include "controls/forma.h"
#include "controls/justgrid.h"
#include "controls/kolory.h"
#include "controls/panele.h"
#include "controls/tokienka.h"
#include "invoice/rekord.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

namespace {

QLabel *Etykieta(QWidget *rodzic, const QString &tekst, Qt::Alignment w = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *l = new QLabel(tekst, rodzic);
    l->setAlignment(w);
    return l;
}

// Bold over whatever font the control inherits.
QFont Pogrubiona()
{
    QFont f;
    f.setBold(true);
    return f;
}

QToolButton *PrzyciskKropki(QWidget *rodzic, const QString &podpowiedz)
{
    auto *b = new QToolButton(rodzic);
    b->setText(QStringLiteral("..."));
    b->setToolTip(podpowiedz);
    b->setAutoRaise(false);
    return b;
}

QToolButton *PrzyciskKalendarza(QWidget *rodzic)
{
    auto *b = new QToolButton(rodzic);
    b->setIcon(IkonaZentory(QStringLiteral("kalendarz")));
    b->setIconSize(QSize(16, 16));
    b->setToolTip(QStringLiteral(" Kalendarz "));
    // like the other speed buttons: a click does not take the focus from the fields
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRaise(true);
    return b;
}

TokienkoTekst *PoleSprzedawcy(QWidget *rodzic)
{
    auto *p = new TokienkoTekst(rodzic);
    p->setReadOnly(true);
    p->setXNkolor(39);
    // not a tab stop, yet its text can be selected and copied with the mouse
    p->setFocusPolicy(Qt::ClickFocus);
    return p;
}

}   // namespace

void TComboLista::hidePopup()
{
    QComboBox::hidePopup();
    // the choice made in the list is settled only after the list has gone
    QMetaObject::invokeMethod(this, &TComboLista::zamknietoListe, Qt::QueuedConnection);
}

// ---------------------------------------------------------------- creation

void TZentoraForma::UtworzAkcje()
{
    struct Opis {
        QAction **akcja;
        const char *nazwa;
        QString tekst;
        QString podpowiedz;
        const char *ikona;
    };
    const Opis opisy[] = {
        {&AcNowa, "AcNowa", QStringLiteral("&Nowy"), QStringLiteral(" Nowa zentora "), "nowa"},
        {&AcOtworz, "AcOtworz", QStringLiteral("&Otwórz z dysku"), QStringLiteral(" Otwórz fakturę z dysku   "),
         "otworz"},
        {&AcZapisz, "AcZapisz", QStringLiteral("&Zapisz na dysk"), QStringLiteral(" Zapisz fakturę na dysk "),
         "zapisz"},
        {&AcZapiszJako, "AcZapiszJako", QStringLiteral("Zapisz &jako ..."), QStringLiteral(" Zapisz pod nową nazwą "),
         nullptr},
        {&AcDrukuj, "AcDrukuj", QStringLiteral("&Drukuj fakturę"), QStringLiteral(" Drukuj fakturę "), "drukuj"},
        {&AcEksportKsef, "AcEksportKsef", QStringLiteral("&Eksport do KSeF (XML)…"),
         QStringLiteral(" Zapisz fakturę jako plik XML dla KSeF "), nullptr},
        {&AcNumerKsef, "AcNumerKsef", QStringLiteral("N&umer KSeF…"), QStringLiteral(" Numer nadany fakturze w KSeF "),
         nullptr},
        {&AcOtworzXml, "AcOtworzXml", QStringLiteral("Otwórz fakturę KSeF (&XML)…"),
         QStringLiteral(" Otwórz fakturę z pliku FA(3) tylko do odczytu "), nullptr},
        {&AcWyslijKsef, "AcWyslijKsef", QStringLiteral("Wyś&lij do KSeF"),
         QStringLiteral(" Zapisz fakturę i wyślij ją do KSeF "), nullptr},
        {&AcOdbierzKsef, "AcOdbierzKsef", QStringLiteral("Od&bierz faktury z KSeF…"),
         QStringLiteral(" Pobierz faktury zakupu z KSeF "), nullptr},
        {&AcWystawKorekte, "AcWystawKorekte", QStringLiteral("&Wystaw korektę…"),
         QStringLiteral(" Nowa faktura korygująca do otwartej faktury "), nullptr},
        {&AcZamknij, "AcZamknij", QStringLiteral("&Koniec"), QStringLiteral(" Koniec "), "koniec"},
        {&AcCzytajBaze, "AcCzytajBaze", QStringLiteral("&Otwórz z bazy faktur"),
         QStringLiteral(" Otwórz z bazy faktur "), "baza"},
        {&AcEdytujZbazy, "AcEdytujZbazy", QStringLiteral("&Edytuj fakturę z bazy"), QString(), "edytuj"},
        {&AcAkceptuj, "AcAkceptuj", QStringLiteral("&Akceptuj poprawki"),
         QStringLiteral(" Akceptuj poprawki zapisz do bazy faktur "), "akceptuj"},
        {&AcAnuluj, "AcAnuluj", QStringLiteral("An&uluj poprawki"),
         QStringLiteral(" Anuluj poprawki - nie zapisuj do bazy faktur "), "anuluj"},
        {&AcDopisz, "AcDopisz", QStringLiteral("&Dopisz fakturę do bazy"),
         QStringLiteral(" Dopisz jako nową do bazy faktur "), "dopisz"},
        {&AcBazaFaktur, "AcBazaFaktur", QStringLiteral("Baza &faktur - plansza"),
         QStringLiteral(" Przejdż do bazy faktur "), "plansza"},
        {&AcBazaProdukt, "AcBazaProdukt", QStringLiteral("Baza &produktów - plansza"),
         QStringLiteral(" Pokaż bazę produktów "), "produkty"},
        {&AcParametry, "AcParametry", QStringLiteral("&Parametry"), QStringLiteral(" Parametry "), "parametry"},
        {&AcFormatNum, "AcFormatNum", QStringLiteral("&Format numeracji"), QStringLiteral(" Format numeracji "),
         "format"},
        {&AcFont, "AcFont", QStringLiteral("&Duża czcionka tabel "), QStringLiteral(" Rozmiar czcionki tabel "),
         "czcionka"},
        {&AcKalkulator, "AcKalkulator", QStringLiteral("&Kalkulator"), QStringLiteral(" Kalkulator "), "kalkulator"},
        {&AcAktNumer, "AcAktNumer", QStringLiteral("Aktualizuj numer"), QStringLiteral(" Aktualizuj numer faktury"),
         "numer"},
        {&AcPomocTematy, "AcPomocTematy", QStringLiteral("&Tematy pomocy"), QStringLiteral(" Tematy pomocy "), nullptr},
        {&AcPomocFakt, "AcPomocFakt", QStringLiteral("&Pomoc  zentora"), QStringLiteral(" Pomoc  zentora "), "pomoc"},
        {&AcWizytowka, "AcWizytowka", QStringLiteral("&Wizytówka"), QStringLiteral(" Wizytówka "), nullptr},
    };
    for (const Opis &o : opisy) {
        auto *a = new QAction(o.tekst, this);
        a->setObjectName(QLatin1String(o.nazwa));
        a->setToolTip(o.podpowiedz);
        a->setStatusTip(o.podpowiedz.trimmed());
        if (o.ikona)
            a->setIcon(IkonaZentory(QLatin1String(o.ikona)));
        *o.akcja = a;
        ActionList1.append(a);
    }
    // the tool bar's hint of a command without one of its own
    AcEdytujZbazy->setToolTip(QStringLiteral("Edytuj fakturę z bazy"));
    AcZamknij->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    AcPomocFakt->setShortcut(QKeySequence(Qt::Key_F1));
    AcNowa->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    AcOtworz->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    AcZapisz->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    AcDrukuj->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    for (QAction *a : {AcZamknij, AcPomocFakt, AcNowa, AcOtworz, AcZapisz, AcDrukuj})
        a->setShortcutContext(Qt::WindowShortcut);
    AcFont->setCheckable(true);
    AcFont->setChecked(true);
}

void TZentoraForma::UtworzMenu()
{
    auto *panelMenu = new TGradPanel(this);
    panelMenu->setObjectName(QStringLiteral("PanMenu"));
    MenuGlowne = new QMenuBar(panelMenu);
    auto *ulozenie = new QHBoxLayout(panelMenu);
    ulozenie->setContentsMargins(0, 0, 0, 0);
    ulozenie->addWidget(MenuGlowne);
    setMenuWidget(panelMenu);
    MenuGlowne->setObjectName(QStringLiteral("MenuGlowne"));
    QMenu *plik = MenuGlowne->addMenu(QStringLiteral("&Plik"));
    plik->addActions({AcNowa, AcOtworz, AcOtworzXml, AcZapisz, AcZapiszJako});
    plik->addSeparator();
    plik->addActions({AcDrukuj, AcEksportKsef, AcNumerKsef, AcWyslijKsef, AcOdbierzKsef});
    plik->addAction(AkcjaRejestru());
    plik->addSeparator();
    plik->addAction(AcWystawKorekte);
    plik->addSeparator();
    plik->addAction(AcZamknij);
    QMenu *bazy = MenuGlowne->addMenu(QStringLiteral("&Bazy danych"));
    bazy->addActions({AcCzytajBaze, AcEdytujZbazy, AcAkceptuj, AcAnuluj, AcDopisz, AcBazaFaktur});
    bazy->addSeparator();
    bazy->addAction(AcBazaProdukt);
    QMenu *ustawienia = MenuGlowne->addMenu(QStringLiteral("&Ustawienia"));
    ustawienia->addActions({AcParametry, AcFormatNum, AcFont, AcKalkulator});
    QMenu *pomoc = MenuGlowne->addMenu(QStringLiteral("P&omoc"));
    pomoc->addActions({AcPomocTematy, AcPomocFakt});
    pomoc->addSeparator();
    pomoc->addAction(AcWizytowka);
    for (QMenu *m : {plik, bazy, ustawienia, pomoc})
        m->setToolTipsVisible(false);
}

void TZentoraForma::UtworzPasek()
{
    ToolBar1 = new QToolBar(QStringLiteral("ToolBar1"), this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(18, 18));
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    cboZentora = new TComboLista(ToolBar1);
    cboZentora->setObjectName(QStringLiteral("cboZentora"));
    LabNumer = new QLabel(QStringLiteral("  nr: "), ToolBar1);
    EdyNumRach = new TokienkoLong(ToolBar1);
    EdyNumRach->setObjectName(QStringLiteral("EdyNumRach"));
    EdyNumRach->setXWarMin(1);
    EdyNumRach->setXWarMax(99999);
    EdyNumRach->setMaxLength(5);
    EdyNumRach->setXJawne0(false);
    EdyNumRach->setXWprawo(false);
    EdyNumRach->setFont(Pogrubiona());
    EdyNumRach->setFixedWidth(52);

    ToolBar1->addActions({AcNowa, AcOtworz, AcZapisz, AcDrukuj});
    ToolBar1->addSeparator();
    ToolBar1->addActions({AcCzytajBaze, AcEdytujZbazy, AcAkceptuj, AcDopisz, AcAnuluj, AcBazaFaktur, AcBazaProdukt});
    ToolBar1->addSeparator();
    ToolBar1->addWidget(cboZentora);
    ToolBar1->addWidget(LabNumer);
    ToolBar1->addWidget(EdyNumRach);
    ToolBar1->addActions({AcAktNumer, AcFormatNum, AcParametry, AcFont, AcKalkulator});
    ToolBar1->addSeparator();
    ToolBar1->addAction(AcZamknij);
    for (QAction *a : ToolBar1->actions())
        if (QWidget *w = ToolBar1->widgetForAction(a))
            if (auto *b = qobject_cast<QToolButton *>(w))
                b->setFocusPolicy(Qt::NoFocus);
}

void TZentoraForma::UtworzNaglowek()
{
    PanNaglowek = new TMojPanel(centralWidget());
    PanNaglowek->setObjectName(QStringLiteral("PanNaglowek"));
    QWidget *p = PanNaglowek;
    EdyFirma = new TPoleEdycji(100, p);
    EdyUlica = new TPoleEdycji(30, p);
    EdyKod = new TPoleFiltrowane(p);
    EdyKod->UstawMaske(QStringLiteral("99-999;1;_"));
    EdyMiasto = new TPoleEdycji(30, p);
    EdyNip = new TPoleEdycji(13, p);
    EdyNip->setFont(Pogrubiona());
    EdyOsoba = new TPoleEdycji(30, p);
    cboJakPlaci = new TComboLista(p);
    cboJakPlaci->setFont(Pogrubiona());
    EdyDatWyst = new TokienkoData(p);
    EdyDatSprz = new TokienkoData(p);
    EdyDatZapl = new TokienkoData(p);
    SpeedData1 = PrzyciskKalendarza(p);
    SpeedData2 = PrzyciskKalendarza(p);
    SpeedData3 = PrzyciskKalendarza(p);
    EdyUwagi = new TPoleEdycji(254, p);
    CbMPP = new QCheckBox(QStringLiteral("Mechanizm podzielonej płatności"), p);
    EdyPodstawa = new TPoleEdycji(256, p);
    EdyPodstawa->setPlaceholderText(QStringLiteral("Podstawa zwolnienia"));
    EdyPodstawa->setAccessibleName(QStringLiteral("Podstawa zwolnienia"));
    EdyPodstawa->setToolTip(QStringLiteral(" Przepis, na podstawie którego pozycje ze stawką „zw” są zwolnione z VAT; "
                                           "puste: podstawa z parametrów (strona KSeF) "));
    // what a correction corrects: shown for a correction only
    EdyDataKoryg = new TokienkoData(p);
    SpeedData4 = PrzyciskKalendarza(p);
    EdyKsefKoryg = new TPoleEdycji(35, p);
    EdyKsefKoryg->setToolTip(QStringLiteral(" Numer KSeF korygowanej faktury; pusty, gdy wystawiono ją poza KSeF "));
    EdyPrzyczyna = new TPoleEdycji(254, p);
    // why a numbered invoice takes no edits
    LabTylkoOdczyt = new QLabel(p);   // its text says why: UstawTylkoDoOdczytu
    LabTylkoOdczyt->setAutoFillBackground(true);
    QPalette pt = LabTylkoOdczyt->palette();
    pt.setColor(QPalette::Window, QColor(255, 236, 160));
    LabTylkoOdczyt->setPalette(pt);
    LabTylkoOdczyt->setFont(Pogrubiona());
    LabTylkoOdczyt->hide();
    const std::pair<QWidget *, const char *> nazwy[] = {
        {EdyFirma, "EdyFirma"},
        {EdyUlica, "EdyUlica"},
        {EdyKod, "EdyKod"},
        {EdyMiasto, "EdyMiasto"},
        {EdyNip, "EdyNip"},
        {EdyOsoba, "EdyOsoba"},
        {cboJakPlaci, "cboJakPlaci"},
        {EdyDatWyst, "EdyDatWyst"},
        {EdyDatSprz, "EdyDatSprz"},
        {EdyDatZapl, "EdyDatZapl"},
        {SpeedData1, "SpeedData1"},
        {SpeedData2, "SpeedData2"},
        {SpeedData3, "SpeedData3"},
        {EdyUwagi, "EdyUwagi"},
        {CbMPP, "CbMPP"},
        {EdyPodstawa, "EdyPodstawa"},
        {EdyDataKoryg, "EdyDataKoryg"},
        {SpeedData4, "SpeedData4"},
        {EdyKsefKoryg, "EdyKsefKoryg"},
        {EdyPrzyczyna, "EdyPrzyczyna"},
        {LabTylkoOdczyt, "LabTylkoOdczyt"},
    };
    for (const auto &[w, n] : nazwy)
        w->setObjectName(QLatin1String(n));
    // the names a message about a wrong value calls the fields by
    const std::pair<QWidget *, QString> opisy[] = {
        {EdyNumRach, QStringLiteral("Numer faktury")},  {EdyDatWyst, QStringLiteral("Data wystawienia")},
        {EdyDatSprz, QStringLiteral("Data sprzedaży")}, {EdyDatZapl, QStringLiteral("Data zapłaty")},
        {EdyNip, QStringLiteral("NIP kupującego")},     {EdyKod, QStringLiteral("Kod pocztowy")},
    };
    for (const auto &[w, opis] : opisy)
        w->setAccessibleName(opis);
    const Qt::Alignment prawo = Qt::AlignRight | Qt::AlignVCenter;
    const std::pair<QString, Qt::Alignment> etykiety[] = {
        {QStringLiteral("Firma"), Qt::AlignLeft | Qt::AlignVCenter},
        {QStringLiteral("Ulica miasto"), Qt::AlignLeft | Qt::AlignVCenter},
        {QStringLiteral("NIP"), Qt::AlignLeft | Qt::AlignVCenter},
        {QStringLiteral("Osoba"), prawo},
        {QStringLiteral("Zapłata"), Qt::AlignLeft | Qt::AlignVCenter},
        {QStringLiteral("Uwagi"), Qt::AlignLeft | Qt::AlignVCenter},
        {QStringLiteral("daty"), Qt::AlignLeft | Qt::AlignVCenter},
        {QStringLiteral("wystaw"), prawo},
        {QStringLiteral("sprzedaży"), prawo},
        {QStringLiteral("zapłaty"), prawo},
        {QStringLiteral("Do faktury"), Qt::AlignLeft | Qt::AlignVCenter},
        {QStringLiteral("z dnia"), prawo},
        {QStringLiteral("Nr KSeF"), prawo},
        {QStringLiteral("Przyczyna"), Qt::AlignLeft | Qt::AlignVCenter},
    };
    for (const auto &[t, a] : etykiety)
        m_etykiety.insert(t, Etykieta(p, t, a));
    m_etykiety.value(QStringLiteral("daty"))->setFont(Pogrubiona());
    for (const char *t : {"Do faktury", "z dnia", "Nr KSeF", "Przyczyna"})
        m_etykiety.value(QLatin1String(t))->hide();
    for (QWidget *w : {static_cast<QWidget *>(EdyDataKoryg), static_cast<QWidget *>(SpeedData4),
                       static_cast<QWidget *>(EdyKsefKoryg), static_cast<QWidget *>(EdyPrzyczyna)})
        w->hide();
}

void TZentoraForma::UtworzSiatki()
{
    Grid = new TjustGrid(centralWidget());
    Grid->setObjectName(QStringLiteral("Grid"));
    UstawSiatkePozycji(*Grid);
    Grid->setContextMenuPolicy(Qt::CustomContextMenu);

    PopupGrid = new QMenu(Grid);
    PopupGrid->setObjectName(QStringLiteral("PopupGrid"));
    UsuWiersz = PopupGrid->addAction(QStringLiteral("Usuń wiersz "));
    UsuWiersz->setObjectName(QStringLiteral("UsuWiersz"));
    UsuWiersz->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    WsawWiersz = PopupGrid->addAction(QStringLiteral("Wstaw wiersz"));
    WsawWiersz->setObjectName(QStringLiteral("WsawWiersz"));
    WsawWiersz->setShortcut(QKeySequence(Qt::Key_Insert));
    // the keys act through the grid (GridKeyDown), only while no cell is being edited
    for (QAction *a : {UsuWiersz, WsawWiersz})
        a->setShortcutContext(Qt::WidgetShortcut);

    SumGrid = new TjustGrid(centralWidget());
    SumGrid->setObjectName(QStringLiteral("SumGrid"));
    UstawSiatkeSum(*SumGrid);

    PanZaplata = new TEtykietaLiczby(centralWidget());
    PanZaplata->setObjectName(QStringLiteral("PanZaplata"));
    PanZaplata->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PanZaplata->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    PanZaplata->setAutoFillBackground(true);
    PanZaplata->setIndent(4);
    QPalette pz = PanZaplata->palette();
    pz.setColor(QPalette::Window, KolorBGR(16776697));
    PanZaplata->setPalette(pz);
}

void TZentoraForma::UtworzStopke()
{
    QWidget *c = centralWidget();
    MemSpFirma = new QTextEdit(c);
    MemSpFirma->setObjectName(QStringLiteral("MemSpFirma"));
    MemSpFirma->setReadOnly(true);
    MemSpFirma->setLineWrapMode(QTextEdit::NoWrap);
    MemSpFirma->setAcceptRichText(false);
    MemSpFirma->setTabChangesFocus(true);
    MemSpFirma->setFocusPolicy(Qt::ClickFocus);
    MemSpFirma->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemSpFirma->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemSpFirma->document()->setDocumentMargin(1);
    QPalette pm = MemSpFirma->palette();
    pm.setColor(QPalette::Base, NaQColor(KolorStylu(39)));
    MemSpFirma->setPalette(pm);
    BtnSpFirma = PrzyciskKropki(c, QStringLiteral(" Dane sprzedawcy "));
    BtnSpFirma->setObjectName(QStringLiteral("BtnSpFirma"));
    EdySpBank = PoleSprzedawcy(c);
    EdySpBank->setObjectName(QStringLiteral("EdySpBank"));
    EdySpKonto = PoleSprzedawcy(c);
    EdySpKonto->setObjectName(QStringLiteral("EdySpKonto"));
    EdySprzedal = PoleSprzedawcy(c);
    EdySprzedal->setObjectName(QStringLiteral("EdySprzedal"));
    BtnSprzedal = PrzyciskKropki(c, QStringLiteral(" Rachunek bankowy i osoba wystawiająca "));
    BtnSprzedal->setObjectName(QStringLiteral("BtnSprzedal"));
    EdyFakKoryg = new TPoleEdycji(0, c);
    EdyFakKoryg->setObjectName(QStringLiteral("EdyFakKoryg"));
    EdyRabat = new TokienkoFloat(c);
    EdyRabat->setObjectName(QStringLiteral("EdyRabat"));
    EdyRabat->setAccessibleName(QStringLiteral("Rabat"));
    EdySpBank->setAccessibleName(QStringLiteral("Bank"));
    EdySpKonto->setAccessibleName(QStringLiteral("Rachunek bankowy"));
    EdySprzedal->setAccessibleName(QStringLiteral("Osoba wystawiająca"));
    // the invoice has no discount
    EdyRabat->setEnabled(false);
    EdyRabat->setFocusPolicy(Qt::NoFocus);
    CbRatalnie = new QCheckBox(QStringLiteral("Gotówka na raty  -  NIE drukuj:   \"Zapłacono gotówką\""), c);
    CbRatalnie->setObjectName(QStringLiteral("CbRatalnie"));

    const Qt::Alignment prawo = Qt::AlignRight | Qt::AlignVCenter;
    m_etykiety.insert(QStringLiteral("Razem"), Etykieta(c, QStringLiteral("Razem"), prawo));
    m_etykiety.insert(QStringLiteral("W tym"), Etykieta(c, QStringLiteral("W tym"), prawo));
    m_etykiety.insert(QStringLiteral("Do zapłaty"), Etykieta(c, QStringLiteral("Do zapłaty"), prawo));
    QLabel *korekta = Etykieta(c, QStringLiteral("Dla faktury korygującej - symbol faktury korygowanej"));
    korekta->setWordWrap(true);
    m_etykiety.insert(korekta->text(), korekta);
    m_etykiety.insert(QStringLiteral("Rabat [ % ]"), Etykieta(c, QStringLiteral("Rabat [ % ]")));
    for (const QString &t : {QStringLiteral("Razem"), QStringLiteral("Do zapłaty")})
        m_etykiety.value(t)->setFont(Pogrubiona());
}

// ---------------------------------------------------------------- places

namespace {
// Rows of the header panel.
constexpr int kWysPola = 21;
constexpr int kKrok = 23;
constexpr int kWierszeNaglowka = 5;
// The block under the item grid.
constexpr int kWysStopki = 132;

int SzerokoscSiatki(const TjustGrid &g)
{
    int szer = 2 * g.frameWidth();
    for (int k = 0; k < g.ColCount(); ++k)
        szer += g.ColWidths(k) + g.GridLineWidth();
    if (g.verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        szer += g.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &g);
    return szer;
}
}   // namespace

void TZentoraForma::UlozKontrolki()
{
    QWidget *c = centralWidget();
    const int W = c->width();
    const int H = c->height();
    auto etykieta = [this](const QString &t, int x, int y, int w, int h = kWysPola) {
        m_etykiety.value(t)->setGeometry(x, y, w, h);
    };

    // ---- header panel: the buyer on the left, the three dates on the right; payment
    // and remarks across the whole width; then the rows of a correction and of a locked invoice
    const int kWysNaglowka = 6 + (kWierszeNaglowka + WierszeDodatkowe()) * kKrok;
    PanNaglowek->setGeometry(0, 0, W, kWysNaglowka);
    auto wiersz = [](int i) { return 4 + i * kKrok; };
    const int xe = 76;           // fields after the labels
    const int xd = 518;          // the date column
    const int prawy = xd - 12;   // the buyer block ends here
    const int koniec = W - 6;
    etykieta(QStringLiteral("Firma"), 6, wiersz(0), xe - 8);
    EdyFirma->setGeometry(xe, wiersz(0), prawy - xe, kWysPola);
    etykieta(QStringLiteral("Ulica miasto"), 6, wiersz(1), xe - 8);
    EdyUlica->setGeometry(xe, wiersz(1), 190, kWysPola);
    EdyKod->setGeometry(xe + 194, wiersz(1), 56, kWysPola);
    EdyMiasto->setGeometry(xe + 254, wiersz(1), prawy - xe - 254, kWysPola);
    etykieta(QStringLiteral("NIP"), 6, wiersz(2), xe - 8);
    EdyNip->setGeometry(xe, wiersz(2), 130, kWysPola);
    etykieta(QStringLiteral("Osoba"), xe + 136, wiersz(2), 44);
    EdyOsoba->setGeometry(xe + 184, wiersz(2), prawy - xe - 184, kWysPola);
    etykieta(QStringLiteral("Zapłata"), 6, wiersz(3), xe - 8);
    cboJakPlaci->setGeometry(xe, wiersz(3), 170, kWysPola);
    const int xr = xe + 180;
    const int wr = CbRatalnie->sizeHint().width() + 4;
    CbRatalnie->setGeometry(xr, wiersz(3), wr, kWysPola);
    // the exemption basis of this invoice: its caption is the field's placeholder
    EdyPodstawa->setGeometry(xr + wr + 8, wiersz(3), koniec - xr - wr - 8, kWysPola);
    etykieta(QStringLiteral("Uwagi"), 6, wiersz(4), xe - 8);
    EdyUwagi->setGeometry(xe, wiersz(4), xd - 18 - xe, kWysPola);
    CbMPP->setGeometry(xd - 8, wiersz(4), koniec - xd + 8, kWysPola);
    int dodatkowy = kWierszeNaglowka;
    if (EdyDataKoryg->isVisibleTo(this)) {
        const int y = wiersz(dodatkowy++);
        // the corrected invoice's symbol comes up from under the grid, beside its date
        etykieta(QStringLiteral("Do faktury"), 6, y, xe - 8);
        EdyFakKoryg->setGeometry(xe, y, 190, kWysPola);
        etykieta(QStringLiteral("z dnia"), xe + 196, y, 40);
        EdyDataKoryg->setGeometry(xe + 240, y, 84, kWysPola);
        SpeedData4->setGeometry(xe + 326, y, 22, kWysPola);
        etykieta(QStringLiteral("Nr KSeF"), xe + 354, y, 48);
        EdyKsefKoryg->setGeometry(xe + 406, y, koniec - xe - 406, kWysPola);
        const int y2 = wiersz(dodatkowy++);
        etykieta(QStringLiteral("Przyczyna"), 6, y2, xe - 8);
        EdyPrzyczyna->setGeometry(xe, y2, koniec - xe, kWysPola);
    }
    if (m_tylkoDoOdczytu)
        LabTylkoOdczyt->setGeometry(6, wiersz(dodatkowy++), koniec - 6, kWysPola);

    const int xp = koniec - 22 - 2 - 84;
    etykieta(QStringLiteral("daty"), xd, wiersz(0), 34);
    etykieta(QStringLiteral("wystaw"), xd + 36, wiersz(0), xp - xd - 40);
    etykieta(QStringLiteral("sprzedaży"), xd + 36, wiersz(1), xp - xd - 40);
    etykieta(QStringLiteral("zapłaty"), xd + 36, wiersz(2), xp - xd - 40);
    TokienkoData *pola[] = {EdyDatWyst, EdyDatSprz, EdyDatZapl};
    QToolButton *przyciski[] = {SpeedData1, SpeedData2, SpeedData3};
    for (int i = 0; i < 3; ++i) {
        pola[i]->setGeometry(xp, wiersz(i), 84, kWysPola);
        przyciski[i]->setGeometry(xp + 86, wiersz(i), 22, kWysPola);
    }

    // ---- the item grid: as wide as its columns, as high as whole rows allow
    const int szer = SzerokoscSiatki(*Grid);
    const int xs = (W - szer) / 2;
    const int wolne = H - kWysNaglowka - kWysStopki - 10;
    const int wiersz0 = Grid->RowHeights(0) + Grid->GridLineWidth();
    const int krokWiersza = Grid->DefaultRowHeight() + Grid->GridLineWidth();
    const int ile = std::max(1, (wolne - wiersz0 - 2 * Grid->frameWidth()) / krokWiersza);
    const int hg = wiersz0 + ile * krokWiersza + 2 * Grid->frameWidth();
    const int yg = kWysNaglowka + (wolne - hg) / 2 + 3;
    Grid->setGeometry(xs, yg, szer, hg);

    // ---- below the grid: seller | correction and discount | totals and amount due
    const int y0 = H - kWysStopki - 5;
    MemSpFirma->setGeometry(xs, y0, 214, 61);
    BtnSpFirma->setGeometry(xs + 216, y0, 22, 21);
    EdySpBank->setGeometry(xs, y0 + 65, 214, kWysPola);
    EdySpKonto->setGeometry(xs, y0 + 65 + 23, 214, kWysPola);
    EdySprzedal->setGeometry(xs, y0 + 65 + 46, 214, kWysPola);
    BtnSprzedal->setGeometry(xs + 216, y0 + 65 + 46, 22, kWysPola);

    const int szerSum = SzerokoscSiatki(*SumGrid);
    const int xsum = xs + szer - szerSum;
    const int hsum = 5 * (SumGrid->DefaultRowHeight() + SumGrid->GridLineWidth()) + 2 * SumGrid->frameWidth();
    SumGrid->setGeometry(xsum, y0, szerSum, hsum);
    etykieta(QStringLiteral("Razem"), xsum - 52, y0 + 1, 48, 20);
    etykieta(QStringLiteral("W tym"), xsum - 52, y0 + 22, 48, 20);
    const int ydz = y0 + hsum + 3;
    PanZaplata->setGeometry(xsum + szerSum - 150, ydz, 150, kWysStopki - hsum - 4);
    etykieta(QStringLiteral("Do zapłaty"), xsum, ydz, szerSum - 150 - 6, kWysStopki - hsum - 4);

    const int xm = xs + 248;
    const int wm = xsum - 56 - xm;
    etykieta(QStringLiteral("Dla faktury korygującej - symbol faktury korygowanej"), xm, y0, wm, 42);
    if (!EdyDataKoryg->isVisibleTo(this))
        EdyFakKoryg->setGeometry(xm, y0 + 44, wm, kWysPola);
    etykieta(QStringLiteral("Rabat [ % ]"), xm, y0 + 72, 70, kWysPola);
    EdyRabat->setGeometry(xm + 74, y0 + 72, wm - 74, kWysPola);
}
