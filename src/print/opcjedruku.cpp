#include "opcjedruku.h"

#include "drukarka.h"
#include "oknawydruku.h"
#include "wydrukfaktury.h"

#include "common/daty.h"
#include "common/komunikaty.h"
#include "common/teksty.h"
#include "controls/forma.h"
#include "controls/ikonyapli.h"
#include "controls/kolory.h"
#include "controls/panele.h"
#include "controls/platforma.h"
#include "controls/tokienka.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const QString kZapamietajDrukarke = QStringLiteral("&Zapamiętaj ustawienia");

bool UstawDrukarkeSystemowo(QWidget *rodzic, QPrinter *drukarka)
{
    if (!drukarka)
        return false;
    QPrintDialog dlg(drukarka, rodzic);
    dlg.setWindowTitle(QStringLiteral("Drukarka"));
    dlg.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // Nothing is printed here: the dialog only chooses the printer and its settings.
    if (auto *przyciski = dlg.findChild<QDialogButtonBox *>())
        if (QPushButton *ok = przyciski->button(QDialogButtonBox::Ok))
            ok->setText(kZapamietajDrukarke);
    const bool ok = dlg.exec() == QDialog::Accepted;
    // The copies are counted by the print command, one document each: a count kept by the
    // printer would multiply them.
    drukarka->setCopyCount(1);
    return ok;
}

// The print options as they are, put back when the preview or the PDF is done: only
// "DRUKUJ" changes them for good.
struct ZachowaneOpcje {
    bool podpis = DrukujPodpis;
    QString plik = PlikPodpisu;
    bool marginesy = EkstraMarginesy;
    bool duplikat = DrukujDuplikat;
    double data = DataDuplikatu;
    ~ZachowaneOpcje()
    {
        DrukujPodpis = podpis;
        PlikPodpisu = plik;
        EkstraMarginesy = marginesy;
        DrukujDuplikat = duplikat;
        DataDuplikatu = data;
    }
};

// The second line of a check box's caption: clicking it is clicking the box.
class DrugaLinia : public QLabel {
public:
    DrugaLinia(const QString &tekst, QCheckBox *pole, QWidget *rodzic) : QLabel(tekst, rodzic), m_pole(pole) {}

protected:
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        if (m_pole && m_pole->isEnabled() && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
            m_pole->click();
        QLabel::mouseReleaseEvent(e);
    }

private:
    QPointer<QCheckBox> m_pole;
};

// `obrazek`: the glyph's index in the application's image list, -1 for none.
TExBitBtn *Przycisk(const QString &tekst, QWidget *rodzic, int obrazek = -1)
{
    auto *b = new TExBitBtn(tekst, rodzic);
    b->setMinimumSize(SkalujDpi(85), SkalujDpi(25));
    b->setAutoDefault(false);
    if (obrazek >= 0) {
        b->setXimageList(&IkonyApli());
        b->setXnrObrazka(obrazek);
    }
    return b;
}

QFont Arial13()
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(SkalujDpi(13));
    return f;
}

}   // namespace

std::function<bool(QWidget *, QPrinter *)> ProcUstawDrukarke = UstawDrukarkeSystemowo;

TZentoraDialDruk::TZentoraDialDruk(QWidget *wlasciciel, const TzentoraVat *Fakt, const TiniZentora *iniFak)
    : QDialog(wlasciciel, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowCloseButtonHint),
      m_fakt(Fakt), m_ini(iniFak)
{
    setWindowTitle(QStringLiteral("Drukowanie faktury"));
    PrzygotujForme(this);   // the font first, so that the controls are measured in it
    // the form's background: darker at both edges and lighter in the middle
    auto *GradPanel1 = new TGradPanel(this);
    GradPanel1->setObjectName(QStringLiteral("GradPanel1"));
    GradPanel1->setColor(KolorStylu(3));
    GradPanel1->setXgradient(true);
    GradPanel1->setXgradProc(50);
    GradPanel1->setXpoziomo(true);
    GradPanel1->setXrelatywnie(true);
    GradPanel1->setXwarGrad(1, -5);
    GradPanel1->setXwarGrad(2, 35);
    GradPanel1->setXwarGrad(3, -5);

    Label2 = new QLabel(QStringLiteral("Liczba egzemplarzy"), this);
    ComboKopie = new QComboBox(this);
    ComboKopie->setFont(Arial13());
    for (int i = 0; i <= 3; ++i)
        ComboKopie->addItem(QStringLiteral("%1  egzemp.").arg(i));
    ComboKopie->setMinimumWidth(SkalujDpi(101));
    Label2->setBuddy(ComboKopie);

    cbDuplikat = new QCheckBox(QStringLiteral("Drukuj jako \"Duplikat\""), this);
    Label1 = new QLabel(QStringLiteral("Data duplikatu"), this);
    EdyDupData = new TokienkoData(this);
    EdyDupData->setAccessibleName(QStringLiteral("Data duplikatu"));
    EdyDupData->setFont(Arial13());
    EdyDupData->setFixedWidth(std::max(
        SkalujDpi(71), EdyDupData->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + SkalujDpi(8)));
    Label1->setBuddy(EdyDupData);

    cboRysujPodpis = new QCheckBox(QStringLiteral("Stosuj rysunek podpisu  ( rysunek musi być"), this);
    Label3 = new DrugaLinia(QStringLiteral("wcześniej wybrany na planszy parametrów faktury"), cboRysujPodpis, this);
    cboMarginUser = new QCheckBox(QStringLiteral("Ekstra marginesy - Zaznacz dla wydruku do PDF"), this);

    BtnPodglad = Przycisk(QStringLiteral("Podgląd"), this);
    BtnPdf = Przycisk(QStringLiteral("Do PDF…"), this);
    BtnDrukarka = Przycisk(QStringLiteral("Drukarka"), this, Ikona::Drukarka);
    BtnOk = Przycisk(QStringLiteral("DRUKUJ"), this, Ikona::Drukuj);
    BtnOk->setDefault(true);
    BtnAnul = Przycisk(QStringLiteral("Anuluj"), this);
    BtnPodglad->setToolTip(QStringLiteral(" Podgląd wydruku z wybranymi opcjami "));
    BtnPdf->setToolTip(QStringLiteral(" Zapisz fakturę z wybranymi opcjami do pliku PDF "));
    BtnPodglad->setEnabled(m_fakt && m_ini);
    BtnPdf->setEnabled(m_fakt && m_ini);

    auto *u = new QVBoxLayout(this);
    u->setContentsMargins(SkalujDpi(20), SkalujDpi(12), SkalujDpi(20), SkalujDpi(14));
    u->setSpacing(SkalujDpi(6));

    auto *wKopie = new QHBoxLayout;
    wKopie->addWidget(Label2);
    wKopie->addWidget(ComboKopie);
    wKopie->addStretch();
    u->addLayout(wKopie);

    auto *wDuplikat = new QHBoxLayout;
    wDuplikat->addWidget(cbDuplikat);
    wDuplikat->addStretch();
    wDuplikat->addWidget(Label1);
    wDuplikat->addWidget(EdyDupData);
    u->addLayout(wDuplikat);
    u->addSpacing(SkalujDpi(8));

    u->addWidget(cboRysujPodpis);
    auto *wLinia3 = new QHBoxLayout;
    wLinia3->addSpacing(SkalujDpi(18));
    wLinia3->addWidget(Label3);
    wLinia3->addStretch();
    wLinia3->setContentsMargins(0, 0, 0, 0);
    u->addLayout(wLinia3);
    u->addSpacing(SkalujDpi(8));
    u->addWidget(cboMarginUser);

    auto *wDodatkowe = new QHBoxLayout;
    wDodatkowe->addStretch();
    wDodatkowe->addWidget(BtnPodglad);
    wDodatkowe->addWidget(BtnPdf);
    u->addSpacing(SkalujDpi(4));
    u->addLayout(wDodatkowe);

    auto *linia = new QFrame(this);
    linia->setFrameShape(QFrame::HLine);
    linia->setFrameShadow(QFrame::Sunken);
    u->addWidget(linia);

    auto *wPrzyciski = new QHBoxLayout;
    wPrzyciski->addWidget(BtnDrukarka);
    wPrzyciski->addStretch();
    wPrzyciski->addWidget(BtnOk);
    wPrzyciski->addWidget(BtnAnul);
    u->addLayout(wPrzyciski);

    connect(cbDuplikat, &QCheckBox::toggled, this, &TZentoraDialDruk::cbDuplikatClick);
    connect(cboRysujPodpis, &QCheckBox::toggled, this, &TZentoraDialDruk::cboRysujPodpisClick);
    connect(BtnDrukarka, &QPushButton::clicked, this, &TZentoraDialDruk::BtnDrukarkaClick);
    connect(BtnPodglad, &QPushButton::clicked, this, &TZentoraDialDruk::BtnPodgladClick);
    connect(BtnPdf, &QPushButton::clicked, this, &TZentoraDialDruk::BtnPdfClick);
    connect(BtnOk, &QPushButton::clicked, this, &TZentoraDialDruk::accept);
    connect(BtnAnul, &QPushButton::clicked, this, &TZentoraDialDruk::reject);

    // The order of the keyboard: the buttons first, then the options.
    setTabOrder(BtnDrukarka, BtnOk);
    setTabOrder(BtnOk, BtnAnul);
    setTabOrder(BtnAnul, cbDuplikat);
    setTabOrder(cbDuplikat, cboMarginUser);
    setTabOrder(cboMarginUser, cboRysujPodpis);
    setTabOrder(cboRysujPodpis, ComboKopie);
    setTabOrder(ComboKopie, EdyDupData);
    setTabOrder(EdyDupData, BtnPodglad);
    setTabOrder(BtnPodglad, BtnPdf);

    FormCreate();
}

void TZentoraDialDruk::FormCreate()
{
    PrzypiszPopupOknu(this);
    const QSize s = sizeHint();
    setFixedSize(std::max(SkalujDpi(350), s.width()), std::max(SkalujDpi(220), s.height()));
    if (auto *tlo = findChild<TGradPanel *>(QStringLiteral("GradPanel1")))
        tlo->setGeometry(rect());
    // Enter prints: the focus starts on the default button.
    BtnOk->setFocus();
}

void TZentoraDialDruk::Przypisz_ContextPopUpOknomEdycji() { PrzypiszPopupOknu(this); }

void TZentoraDialDruk::cbDuplikatClick()
{
    if (cbDuplikat->isChecked())
        ComboKopie->setCurrentIndex(1);
}

void TZentoraDialDruk::cboRysujPodpisClick()
{
    if (cboRysujPodpis->isChecked() && Pusty(FplikPodpisuBmp)) {
        const QSignalBlocker b(cboRysujPodpis);
        cboRysujPodpis->setChecked(false);
    }
}

void TZentoraDialDruk::BtnDrukarkaClick()
{
    if (ProcUstawDrukarke)
        ProcUstawDrukarke(this, DrukarkaAplikacji());
}

void TZentoraDialDruk::WyboryDoOpcji() const
{
    DrukujPodpis = cboRysujPodpis->isChecked();
    PlikPodpisu = FplikPodpisuBmp;
    EkstraMarginesy = cboMarginUser->isChecked();
    DrukujDuplikat = cbDuplikat->isChecked();
    DataDuplikatu = EdyDupData->XWartosc();
}

void TZentoraDialDruk::BtnPodgladClick()
{
    if (!m_fakt || !m_ini || !DataDuplikatuPoprawna())
        return;
    bool drukuj = false;
    {
        ZachowaneOpcje zachowane;
        WyboryDoOpcji();
        drukuj = PokazPodglad(this, *m_fakt, *m_ini, ComboKopie->currentIndex());
    }
    // printing from the preview is "DRUKUJ" with the choices shown
    if (drukuj)
        accept();
}

void TZentoraDialDruk::BtnPdfClick()
{
    if (!m_fakt || !m_ini || !DataDuplikatuPoprawna())
        return;
    ZachowaneOpcje zachowane;
    WyboryDoOpcji();
    ZapiszPdfJako(this, *m_fakt, *m_ini, std::max(1, ComboKopie->currentIndex()));
}

bool TZentoraDialDruk::DataDuplikatuPoprawna()
{
    // The date is left as typed when the field is left by a button's shortcut or Enter:
    // a half-typed date must not silently become a duplicate without a date.
    if (!cbDuplikat->isChecked())
        return true;
    const bool poprawna = EdyDupData->TestPolaOK();
    // a duplicate is made of an invoice already issued, never before it
    const QString dataWystawienia = m_fakt ? Trim(m_fakt->DataWystaw) : QString();
    const double wystawiona = TekstNaDate(dataWystawienia, 0);
    const bool przedWystawieniem = poprawna && wystawiona > 0 && EdyDupData->XWartosc() < wystawiona;
    if (poprawna && !przedWystawieniem)
        return true;
    EdyDupData->setFocus(Qt::OtherFocusReason);
    EdyDupData->selectAll();
    if (przedWystawieniem)
        KomunikatOkna(this, QStringLiteral("XData duplikatu %1 jest wcześniejsza niż data wystawienia faktury %2.")
                                .arg(EdyDupData->text(), dataWystawienia));
    else
        KomunikatNiepoprawnejWartosci(EdyDupData, EdyDupData->accessibleName(), EdyDupData->text());
    return false;
}

void TZentoraDialDruk::accept()
{
    if (DataDuplikatuPoprawna())
        QDialog::accept();
}

bool PokazOpcjeDruku(QWidget *Wlasciciel, const TiniZentora &iniFak, int &Kopie, const TzentoraVat *Fakt)
{
    QPointer<TZentoraDialDruk> d = new TZentoraDialDruk(Wlasciciel, Fakt, &iniFak);
    d->ComboKopie->setCurrentIndex(Ogranicz(Kopie, 0, 3));
    d->FplikPodpisuBmp = iniFak.IniPodpisBmp;
    d->cboRysujPodpis->setChecked(Niepusty(d->FplikPodpisuBmp) && DrukujPodpis);
    d->cboMarginUser->setChecked(EkstraMarginesy);
    // A duplicate holds for one print only.
    DrukujDuplikat = false;
    DataDuplikatu = 0;
    d->cbDuplikat->setChecked(false);
    d->EdyDupData->setXWartosc(0);

    // The owner (and the dialog with it) may be gone when exec() returns.
    const bool ok = d->exec() == QDialog::Accepted && d;
    if (ok) {
        Kopie = d->ComboKopie->currentIndex();
        DrukujPodpis = d->cboRysujPodpis->isChecked();
        PlikPodpisu = d->FplikPodpisuBmp;
        EkstraMarginesy = d->cboMarginUser->isChecked();
        DrukujDuplikat = d->cbDuplikat->isChecked();
        DataDuplikatu = d->EdyDupData->XWartosc();
    }
    delete d.data();
    return ok;
}

void ZainstalujOpcjeDruku()
{
    ProcOpcjeDruku = [](QWidget *wlasciciel, const TzentoraVat &Fakt, const TiniZentora &ini, int &kopie) {
        return PokazOpcjeDruku(wlasciciel, ini, kopie, &Fakt);
    };
}
