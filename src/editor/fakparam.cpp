#include "fakparam.h"

#include "dostepksef.h"
#include "ikony.h"
#include "ksefokno.h"

#include "common/komunikaty.h"
#include "common/teksty.h"
#include "controls/forma.h"
#include "controls/kolory.h"
#include "controls/platforma.h"
#include "controls/tokienka.h"
#include "invoice/konfiguracja.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QVBoxLayout>

#include <climits>

namespace {

constexpr TKolor kOknoSystemowe = 0x80000005u;   // window (edit field) background
constexpr TKolor kTloInformacji = 0x80000018u;   // information (tool tip) background

// The dialog's fixed size, and the width its tab captions must fit in.
constexpr int kSzerokoscOkna = 558;
constexpr int kWysokoscOkna = 380;
constexpr int kSzerokoscZakladek = kSzerokoscOkna - 20;

constexpr int kLimitFirmy = 254;
constexpr int kWierszeFirmy = 8;

QString FolderStartowy(const QString &biezacy)
{
    if (Niepusty(biezacy) && QFileInfo(biezacy).isDir())
        return biezacy;
    return QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
}

// A text longer than the field's limit (a hand-edited Faktury.ini) is shown whole: cutting
// it here would lose its end on OK without the user having touched it.
void UstawTekstPola(QLineEdit *pole, const QString &tekst, int limit)
{
    pole->setMaxLength(std::max(limit, int(tekst.size())));
    pole->setText(tekst);
    pole->setCursorPosition(0);
}

QLabel *Etykieta(const QString &tekst, QWidget *rodzic, bool zawijaj = false)
{
    auto *l = new QLabel(tekst, rodzic);
    l->setWordWrap(zawijaj);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QLabel *Naglowek(const QString &tekst, QWidget *rodzic)
{
    QLabel *l = Etykieta(tekst, rodzic);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, NaQColor(KolorStylu(43)));
    l->setPalette(p);
    return l;
}

// A check box whose caption wraps: the caption is a label that toggles the box.
class TopisPola : public QLabel {
public:
    TopisPola(const QString &tekst, QCheckBox *pole, QWidget *rodzic) : QLabel(tekst, rodzic), m_pole(pole)
    {
        setWordWrap(true);
        setTextFormat(Qt::PlainText);
        setBuddy(pole);
    }

protected:
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        if (m_pole && m_pole->isEnabled() && rect().contains(e->position().toPoint())) {
            m_pole->toggle();
            m_pole->setFocus(Qt::MouseFocusReason);
        }
        QLabel::mouseReleaseEvent(e);
    }

private:
    QPointer<QCheckBox> m_pole;
};

// Adds a check box with a wrapping caption to a layout.
QCheckBox *PoleWyboru(const QString &tekst, QWidget *rodzic, QVBoxLayout *uklad)
{
    auto *cb = new QCheckBox(rodzic);
    cb->setAccessibleName(tekst);
    auto *wiersz = new QHBoxLayout;
    wiersz->setSpacing(4);
    wiersz->addWidget(cb, 0, Qt::AlignTop);
    wiersz->addWidget(new TopisPola(tekst, cb, rodzic), 1);
    uklad->addLayout(wiersz);
    return cb;
}

}   // namespace

namespace {

QString WybierzFolderSystemowo(QWidget *rodzic, const QString &poczatek)
{
    const QString f =
        QFileDialog::getExistingDirectory(rodzic, QString(), FolderStartowy(poczatek), QFileDialog::ShowDirsOnly);
    return f.isEmpty() ? f : QDir::toNativeSeparators(f);
}

QString WybierzPlikSystemowo(QWidget *rodzic, const QString &poczatek)
{
    QFileDialog dlg(rodzic, QString(), QString(), QStringLiteral("Pliki bitmap (*.BMP *.bmp)"));
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setDefaultSuffix(QStringLiteral("bmp"));
    const QFileInfo fi(Trim(poczatek));
    if (Niepusty(poczatek) && fi.absoluteDir().exists()) {
        dlg.setDirectory(fi.absolutePath());
        dlg.selectFile(fi.fileName());
    } else {
        dlg.setDirectory(FolderStartowy(QString()));
    }
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return QDir::toNativeSeparators(dlg.selectedFiles().constFirst());
}

}   // namespace

std::function<QString(QWidget *, const QString &)> ProcWybierzFolder = WybierzFolderSystemowo;
std::function<QString(QWidget *, const QString &)> ProcWybierzPlikPodpisu = WybierzPlikSystemowo;

// ---------------------------------------------------------------- TmemoLimit

TmemoLimit::TmemoLimit(QWidget *rodzic) : QTextEdit(rodzic)
{
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::NoWrap);
    setTabChangesFocus(true);
    QTextOption o = document()->defaultTextOption();
    o.setAlignment(Qt::AlignHCenter);
    document()->setDefaultTextOption(o);
    connect(this, &QTextEdit::textChanged, this, &TmemoLimit::PilnujLimitu);
}

void TmemoLimit::setMaxLength(int n)
{
    m_limit = std::max(0, n);
    PilnujLimitu();
}

QStringList TmemoLimit::Linie() const
{
    QStringList l = toPlainText().split(QLatin1Char('\n'));
    if (!l.isEmpty() && l.constLast().isEmpty())
        l.removeLast();
    return l;
}

int TmemoLimit::Wolne() const
{
    if (m_limit <= 0)
        return INT_MAX;
    return m_limit - int(toPlainText().size()) + int(textCursor().selectedText().size());
}

void TmemoLimit::insertFromMimeData(const QMimeData *zrodlo)
{
    if (!zrodlo || !zrodlo->hasText())
        return;
    QString t = zrodlo->text();
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const int wolne = Wolne();
    if (t.size() > wolne)
        t.truncate(std::max(0, wolne));
    if (!t.isEmpty() || textCursor().hasSelection())
        insertPlainText(t);
}

void TmemoLimit::keyPressEvent(QKeyEvent *e)
{
    const QString t = e->text();
    const bool nowaLinia = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    const bool znak = !t.isEmpty() && (t.at(0).unicode() >= 32 || nowaLinia) && t.at(0).unicode() != 127;
    if (znak && !(e->modifiers() & Qt::ControlModifier) && Wolne() < std::max<int>(1, int(t.size()))) {
        e->accept();   // full: the key is refused
        return;
    }
    QTextEdit::keyPressEvent(e);
}

void TmemoLimit::PilnujLimitu()
{
    // Anything that got past the typing and pasting rules (a drop, an input method).
    if (m_wPilnowaniu || m_limit <= 0 || toPlainText().size() <= m_limit)
        return;
    m_wPilnowaniu = true;
    QTextCursor c(document());
    c.setPosition(m_limit);
    c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    c.removeSelectedText();
    m_wPilnowaniu = false;
}

// ---------------------------------------------------------------- TFakParam

TFakParam::TFakParam(QWidget *wlasciciel)
    : QDialog(wlasciciel, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Parametry i powiązane bazy danych"));
    setWindowIcon(IkonaZentory(QStringLiteral("parametry")));
    // The window's font first, so that the pages are measured in it.
    PrzygotujForme(this);

    Strony = new QTabWidget(this);
    StrOgolne = StronaOgolna();
    StrNumerac = StronaNumeracji();
    StrRamaFir = StronaFirmy();
    StrBankPan = StronaBanku();
    Strony->addTab(StrOgolne, QStringLiteral("Parametry ogólne"));
    Strony->addTab(StrNumerac, QStringLiteral("Numeracja faktur"));
    Strony->addTab(StrRamaFir, QStringLiteral("Parametry firmy"));
    Strony->addTab(StrBankPan, QStringLiteral("Rachunek, Osoba"));
    StrKsef = new TStronaKsef;
    Strony->addTab(StrKsef, QStringLiteral("KSeF"));
    // Five captions in the dialog's fixed width: the tab captions take a slightly smaller
    // font rather than hide the last page behind scroll buttons.
    QFont fontZakladek = Strony->tabBar()->font();
    while (Strony->tabBar()->sizeHint().width() > SkalujDpi(kSzerokoscZakladek) && fontZakladek.pointSizeF() > 6.5) {
        fontZakladek.setPointSizeF(fontZakladek.pointSizeF() - 0.5);
        Strony->tabBar()->setFont(fontZakladek);
    }

    BtnOk = new QPushButton(QStringLiteral("OK"), this);
    BtnOk->setDefault(true);
    BtnAnuluj = new QPushButton(QStringLiteral("Anuluj"), this);
    connect(BtnOk, &QPushButton::clicked, this, &TFakParam::accept);
    connect(BtnAnuluj, &QPushButton::clicked, this, &TFakParam::reject);

    auto *przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(BtnOk);
    przyciski->addWidget(BtnAnuluj);
    auto *uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(SkalujDpi(8), SkalujDpi(8), SkalujDpi(8), SkalujDpi(8));
    uklad->addWidget(Strony, 1);
    uklad->addLayout(przyciski);

    FormCreate();
}

void TFakParam::FormCreate()
{
    Strony->setCurrentIndex(kStrOgolne);
    QPalette p = palette();
    p.setColor(QPalette::Window, NaQColor(KolorStylu(3)));
    setPalette(p);
    for (QWidget *s : {StrOgolne, StrNumerac, StrRamaFir, StrBankPan, static_cast<QWidget *>(StrKsef)}) {
        QPalette ps = s->palette();
        ps.setColor(QPalette::Window, NaQColor(Pastel(KolorStylu(3), 244)));
        s->setPalette(ps);
        s->setAutoFillBackground(true);
    }
    PrzypiszPopupOknu(this);
    setFixedSize(SkalujDpi(kSzerokoscOkna), SkalujDpi(kWysokoscOkna));
}

QWidget *TFakParam::StronaOgolna()
{
    auto *s = new QWidget;
    auto *u = new QVBoxLayout(s);
    u->setSpacing(SkalujDpi(3));

    auto plikZPrzyciskiem = [s, u](const QString &opis, TokienkoTekst *&pole, QPushButton *&przycisk) {
        u->addWidget(Etykieta(opis, s));
        pole = new TokienkoTekst(s);
        pole->setReadOnly(true);
        pole->setXNkolor(39);
        przycisk = new QPushButton(QStringLiteral("..."), s);
        przycisk->setFixedWidth(SkalujDpi(30));
        auto *w = new QHBoxLayout;
        w->addWidget(pole, 1);
        w->addWidget(przycisk);
        u->addLayout(w);
    };
    plikZPrzyciskiem(QStringLiteral("Katalog, do przechowywania plików faktur."), EdyFoldFaktur, BtnFoldFaktur);
    plikZPrzyciskiem(QStringLiteral("Plik *.BMP  rysunku podpisu - używany przy wydruku faktur"), EdyPlikPodpis,
                     BtnPlikPodpis);
    connect(BtnFoldFaktur, &QPushButton::clicked, this, &TFakParam::BtnFoldFakturClick);
    connect(BtnPlikPodpis, &QPushButton::clicked, this, &TFakParam::BtnPlikPodpisClick);

    u->addSpacing(SkalujDpi(4));
    u->addWidget(Naglowek(QStringLiteral("Parametry związane ze zmianą przepisów w styczniu 2013"), s));
    cbSlowoVat =
        PoleWyboru(QStringLiteral("Na wydruku słowo \"Zentora\" uzupełnić słowem \"VAT\" ( stary styl )"), s, u);
    cbProForNip = PoleWyboru(
        QStringLiteral("Na fakturze \"Pro-Forma\" umieszczaj numery NIP kontrahentów  (domyślnie nieumieszczane )"), s,
        u);
    cbDatSprzedTak = PoleWyboru(
        QStringLiteral("Umieszczaj na wydruku daty \"sprzedaży\" jeśli jest identyczna z datą wystawienia"), s, u);
    cbTypDatSprzed = new QComboBox(s);
    auto *typDaty = new QHBoxLayout;
    QLabel *lTypDaty = Etykieta(QStringLiteral("Preferowane określenie daty \"sprzedaży\":"), s);
    lTypDaty->setBuddy(cbTypDatSprzed);
    typDaty->addWidget(lTypDaty);
    typDaty->addWidget(cbTypDatSprzed, 1);
    u->addLayout(typDaty);

    u->addSpacing(SkalujDpi(4));
    u->addWidget(Naglowek(QStringLiteral("Preferowane wartości"), s));
    cbStawka = new QComboBox(s);
    cbZaplata = new QComboBox(s);
    EdyDniZapl = new TokienkoLong(s);
    EdyDniZapl->setAccessibleName(QStringLiteral("Okres zapłaty przelewem"));
    EdyDniZapl->setXWarMin(0);
    EdyDniZapl->setXWarMax(999);
    EdyDniZapl->setMaxLength(3);
    EdyDniZapl->setXJawne0(true);
    EdyDniZapl->setXWprawo(true);
    EdyDniZapl->setFixedWidth(SkalujDpi(48));
    auto *wartosci = new QGridLayout;
    wartosci->setHorizontalSpacing(SkalujDpi(8));
    auto dodaj = [&](int w, const QString &opis, QWidget *pole) {
        QLabel *l = Etykieta(opis, s);
        l->setBuddy(pole);
        wartosci->addWidget(l, w, 0);
        wartosci->addWidget(pole, w, 1, Qt::AlignLeft);
    };
    dodaj(0, QStringLiteral("Stawka VAT dla pozycji"), cbStawka);
    dodaj(1, QStringLiteral("Sposób zapłaty dla nowej faktury "), cbZaplata);
    dodaj(2, QStringLiteral("Okres zapłaty przelewem  [dni]"), EdyDniZapl);
    wartosci->setColumnStretch(2, 1);
    u->addLayout(wartosci);
    u->addStretch();
    return s;
}

QWidget *TFakParam::StronaNumeracji()
{
    auto *s = new QWidget;
    auto *u = new QHBoxLayout(s);

    auto *grupa = new QGroupBox(QStringLiteral(" Format numeracji "), s);
    auto *ug = new QVBoxLayout(grupa);
    RadioNR = new QRadioButton(NazwyNumeracji[numerNR], grupa);
    RadioNMR = new QRadioButton(NazwyNumeracji[numerNMR], grupa);
    RadioNSR = new QRadioButton(NazwyNumeracji[numerNSR], grupa);
    RadioNSMR = new QRadioButton(NazwyNumeracji[numerNSMR], grupa);
    for (QRadioButton *r : {RadioNR, RadioNMR, RadioNSR, RadioNSMR}) {
        ug->addWidget(r);
        connect(r, &QRadioButton::toggled, this, [this](bool tak) {
            if (tak)
                RadioNumerClick();
        });
    }
    ug->addSpacing(SkalujDpi(10));
    QLabel *lSymbol = Etykieta(QStringLiteral("Symbol  dla:   N/S/R   N/S/M/R"), grupa);
    ug->addWidget(lSymbol);
    EdySymbol = new QLineEdit(grupa);
    EdySymbol->setMaxLength(10);
    lSymbol->setBuddy(EdySymbol);
    ug->addWidget(EdySymbol);
    QLabel *lSymbolRach = Etykieta(QStringLiteral("Symbol rachunku"), grupa);
    ug->addWidget(lSymbolRach);
    EdySymbolRach = new QLineEdit(grupa);
    EdySymbolRach->setMaxLength(10);
    lSymbolRach->setBuddy(EdySymbolRach);
    ug->addWidget(EdySymbolRach);
    RadioNR->setChecked(true);
    ug->addStretch();
    u->addWidget(grupa);

    auto *opisy = new QVBoxLayout;
    opisy->setSpacing(SkalujDpi(4));
    opisy->addWidget(Etykieta(
        QStringLiteral("Wybierz jeden z możlwych formatów numeracji  -   litery   N S M R oznaczają:"), s, true));
    for (const char *t : {"N - numer faktury w roku do 5 cyfr", "S - dodatkowy symbol do 10 znaków",
                          "M - miesiąc wystawienia 2 cyfry ", "R - rok wystawienia  4 cyfry"}) {
        QLabel *l = Etykieta(QString::fromUtf8(t), s);
        l->setIndent(SkalujDpi(16));
        opisy->addWidget(l);
    }
    opisy->addSpacing(SkalujDpi(8));
    opisy->addWidget(Etykieta(
        QStringLiteral("Dla faktury Pro-Forma zawsze nadawany symbol   PF   i   numeracja:  N/ PF/M/R"), s, true));
    opisy->addWidget(Etykieta(
        QStringLiteral("Dla formatów z symbolem \"M\" numeracja dotyczy miesiąca, a dla pozostałych roku"), s, true));
    opisy->addSpacing(SkalujDpi(8));
    cboAutoNum = new QCheckBox(s);
    auto *auto_ = new QHBoxLayout;
    auto_->addWidget(cboAutoNum, 0, Qt::AlignTop);
    auto *lAuto =
        new TopisPola(QStringLiteral("Stosuj automatyczną numerację wg aktualnego stanu bazy faktur"), cboAutoNum, s);
    auto_->addWidget(lAuto, 1);
    cboAutoNum->setChecked(true);
    opisy->addLayout(auto_);
    opisy->addStretch();
    u->addLayout(opisy, 1);
    return s;
}

QWidget *TFakParam::StronaFirmy()
{
    auto *s = new QWidget;
    auto *u = new QGridLayout(s);
    u->setHorizontalSpacing(SkalujDpi(12));

    QLabel *lFirma = Etykieta(QStringLiteral("Parametry firmy  są wypisywane w ramce na fakturze. "), s, true);
    MemoFirma = new TmemoLimit(s);
    MemoFirma->setMaxLength(kLimitFirmy);
    lFirma->setBuddy(MemoFirma);
    u->addWidget(lFirma, 0, 0, Qt::AlignBottom);
    u->addWidget(MemoFirma, 1, 0);

    u->addWidget(Etykieta(QStringLiteral("Przykład zapisu firmy"), s), 0, 1, Qt::AlignBottom);
    PanelPrzyklad = new QLabel(QStringLiteral("Przedsiębiorstwo Handlowe\n\"ZENTORA\"\nSpółka z o.o.\n60-001 Poznań\n"
                                              "ul. Długa 1\ntel. 61 000 00 01\nNIP 987-654-32-10"),
                               s);
    auto *przyklad = static_cast<QLabel *>(PanelPrzyklad);
    przyklad->setAlignment(Qt::AlignCenter);
    przyklad->setFrameShape(QFrame::Box);
    przyklad->setMargin(SkalujDpi(6));
    QPalette p = przyklad->palette();
    p.setColor(QPalette::Window, NaQColor(kTloInformacji));
    p.setColor(QPalette::WindowText, NaQColor(KolorStylu(46)));
    przyklad->setPalette(p);
    przyklad->setAutoFillBackground(true);
    u->addWidget(przyklad, 1, 1, Qt::AlignTop);

    QLabel *limit = Etykieta(QStringLiteral("Limit:  8 wierszy,  254 znaki.  Znaki średnika  \";\"  są niedozwolone i "
                                            "zostaną usunięte z tekstu."),
                             s, true);
    QPalette pl = limit->palette();
    pl.setColor(QPalette::WindowText, NaQColor(KolorStylu(45)));
    limit->setPalette(pl);
    u->addWidget(limit, 2, 0, 1, 2);
    u->setColumnStretch(0, 3);
    u->setColumnStretch(1, 2);
    u->setRowStretch(1, 1);
    return s;
}

QWidget *TFakParam::StronaBanku()
{
    auto *s = new QWidget;
    auto *u = new QVBoxLayout(s);

    auto *gRach = new QGroupBox(QStringLiteral(" Rachunek "), s);
    auto *fr = new QFormLayout(gRach);
    EdyBank = new QLineEdit(gRach);
    EdyBank->setMaxLength(60);
    EdyKonto = new QLineEdit(gRach);
    EdyKonto->setMaxLength(50);
    QLabel *lBank = Etykieta(QStringLiteral("Bank"), gRach);
    QLabel *lKonto = Etykieta(QStringLiteral("Rachunek"), gRach);
    QLabel *lOsoba = Etykieta(QStringLiteral("Nazwisko  Imię"), s);
    // One column of labels across both groups.
    const int szerEtykiet =
        std::max({lBank->sizeHint().width(), lKonto->sizeHint().width(), lOsoba->sizeHint().width()});
    for (QLabel *l : {lBank, lKonto, lOsoba})
        l->setMinimumWidth(szerEtykiet);
    fr->addRow(lBank, EdyBank);
    fr->addRow(lKonto, EdyKonto);
    fr->addRow(Etykieta(QStringLiteral("Bank, rachunek, Nazwisko i Imię  sprzedawcy są wypisywane na fakturze. "),
                        gRach, true));
    QLabel *rada =
        Etykieta(QStringLiteral("Znaki średnika  \";\"  są niedozwolone i zostaną usunięte z tekstu.  Należy "
                                "wypełnić oba pola."),
                 gRach, true);
    QPalette pr = rada->palette();
    pr.setColor(QPalette::WindowText, NaQColor(KolorStylu(45)));
    rada->setPalette(pr);
    fr->addRow(rada);
    u->addWidget(gRach);

    auto *gOsoba = new QGroupBox(QStringLiteral(" Sprzedawca "), s);
    auto *fo = new QFormLayout(gOsoba);
    EdyOsoba = new QLineEdit(gOsoba);
    EdyOsoba->setMaxLength(30);
    lOsoba->setParent(gOsoba);
    fo->addRow(lOsoba, EdyOsoba);
    QLabel *radaOsoba = Etykieta(QStringLiteral("Pole \"Nazwisko imię\" musi być wypełnione."), gOsoba, true);
    radaOsoba->setPalette(pr);
    fo->addRow(radaOsoba);
    fo->addRow(Etykieta(QStringLiteral("Osoba reprezentująca na fakturze sprzedawcę."), gOsoba, true));
    u->addWidget(gOsoba);
    u->addStretch();
    return s;
}

void TFakParam::IniNaEkran()
{
    cbStawka->clear();
    for (const QString &n : NazwyStatusowVat)
        cbStawka->addItem(n);
    cbStawka->setCurrentIndex(Ogranicz(Param.iniMojVat, 0, cbStawka->count() - 1));
    cbZaplata->clear();
    for (const QString &n : NazwyZaplat)
        cbZaplata->addItem(n);
    cbZaplata->setCurrentIndex(Ogranicz(Param.iniZaplata, 0, cbZaplata->count() - 1));
    EdyDniZapl->setXWartosc(Param.iniDniZapl);

    cbSlowoVat->setChecked(Param.iniSlowoVAT);
    cbProForNip->setChecked(Param.IniProForNip);
    cbDatSprzedTak->setChecked(Param.IniDatSprzTak);
    cbTypDatSprzed->clear();
    for (const QString &n : NazwyDatSprzedazy)
        cbTypDatSprzed->addItem(n);
    cbTypDatSprzed->setCurrentIndex(Ogranicz(Param.IniTypDatSprz, 0, cbTypDatSprzed->count() - 1));

    switch (Param.iniNumerac) {
    case numerNR: RadioNR->setChecked(true); break;
    case numerNMR: RadioNMR->setChecked(true); break;
    case numerNSR: RadioNSR->setChecked(true); break;
    case numerNSMR: RadioNSMR->setChecked(true); break;
    }

    UstawTekstPola(EdySymbol, Param.iniSymbol, 10);
    UstawTekstPola(EdySymbolRach, Param.iniSymbolRach, 10);
    cboAutoNum->setChecked(Param.iniAutoNum);
    RadioNumerClick();

    EdyFoldFaktur->setText(Param.iniFolder);
    EdyFoldFaktur->setCursorPosition(0);
    EdyPlikPodpis->setText(Param.IniPodpisBmp);
    EdyPlikPodpis->setCursorPosition(0);

    const QString firma = MemoZTekstu(Param.iniTabFirm).join(QLatin1Char('\n'));
    MemoFirma->setMaxLength(std::max(kLimitFirmy, int(firma.size())));
    MemoFirma->setPlainText(firma);
    MemoFirma->moveCursor(QTextCursor::Start);
    UstawTekstPola(EdyOsoba, Param.iniTabOsob, 30);

    QString bank = Param.iniTabBank;
    const QString nazwaBanku = OdetnijPole(bank, QLatin1Char(';'));
    UstawTekstPola(EdyBank, nazwaBanku, 60);
    UstawTekstPola(EdyKonto, bank, 50);
    StrKsef->IniNaEkran(Param);
}

void TFakParam::EkranNaIni()
{
    Param.iniMojVat = TrodzajVat(Ogranicz(cbStawka->currentIndex(), 0, kLiczbaRodzajowVat - 1));
    Param.iniZaplata = TrodzajZaplaty(Ogranicz(cbZaplata->currentIndex(), 0, kLiczbaZaplat - 1));
    Param.IniTypDatSprz = TtypDatySprzed(Ogranicz(cbTypDatSprzed->currentIndex(), 0, kLiczbaTypowDat - 1));
    Param.iniDniZapl = EdyDniZapl->XWartosc();
    Param.iniSlowoVAT = cbSlowoVat->isChecked();
    Param.IniProForNip = cbProForNip->isChecked();
    Param.IniDatSprzTak = cbDatSprzedTak->isChecked();

    if (RadioNR->isChecked())
        Param.iniNumerac = numerNR;
    else if (RadioNMR->isChecked())
        Param.iniNumerac = numerNMR;
    else if (RadioNSR->isChecked())
        Param.iniNumerac = numerNSR;
    else if (RadioNSMR->isChecked())
        Param.iniNumerac = numerNSMR;

    // As typed, also when the field is disabled: switching back keeps the symbol.
    Param.iniSymbol = EdySymbol->text();
    Param.iniSymbolRach = EdySymbolRach->text();
    Param.iniAutoNum = cboAutoNum->isChecked();

    Param.iniFolder = EdyFoldFaktur->text();
    Param.IniPodpisBmp = EdyPlikPodpis->text();

    // In the file a ";" separates the lines, so none may stay inside one.
    QString firma = MemoFirma->toPlainText();
    firma.remove(QLatin1Char(';'));
    MemoFirma->setPlainText(firma);
    QStringList linie = MemoFirma->Linie();
    if (linie.size() > kWierszeFirmy) {
        linie = linie.mid(0, kWierszeFirmy);
        MemoFirma->setPlainText(linie.join(QLatin1Char('\n')));
    }
    Param.iniTabFirm = TekstZMemo(linie);

    Param.iniTabOsob = Trim(EdyOsoba->text());
    QString bank = EdyBank->text(), konto = EdyKonto->text();
    bank.remove(QLatin1Char(';'));
    konto.remove(QLatin1Char(';'));
    Param.iniTabBank = Trim(bank) + QLatin1Char(';') + Trim(konto);
    StrKsef->EkranNaIni(Param);
}

void TFakParam::RadioNumerClick()
{
    const bool zSymbolem = RadioNSR->isChecked() || RadioNSMR->isChecked();
    for (QLineEdit *e : {EdySymbol, EdySymbolRach}) {
        e->setEnabled(zSymbolem);
        QPalette p = e->palette();
        const QColor tlo = NaQColor(zSymbolem ? kOknoSystemowe : kTloInformacji);
        for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            p.setColor(g, QPalette::Base, tlo);
        e->setPalette(p);
    }
}

void TFakParam::BtnFoldFakturClick()
{
    const QString folder = ProcWybierzFolder ? ProcWybierzFolder(this, EdyFoldFaktur->text()) : QString();
    if (folder.isEmpty())
        return;
    EdyFoldFaktur->setText(folder);
    EdyFoldFaktur->setCursorPosition(0);
    Param.iniFolder = folder;
}

void TFakParam::BtnPlikPodpisClick()
{
    const QString plik = ProcWybierzPlikPodpisu ? ProcWybierzPlikPodpisu(this, EdyPlikPodpis->text()) : QString();
    if (plik.isEmpty())
        return;
    EdyPlikPodpis->setText(plik);
    EdyPlikPodpis->setCursorPosition(0);
}

void TFakParam::Przypisz_ContextPopUpOknomEdycji() { PrzypiszPopupOknu(this); }

void TFakParam::accept()
{
    // The payment term is checked when its field is left; OK by Enter leaves nothing, and
    // a value read from the file may never have been in the field's range.
    if (!EdyDniZapl->TestPolaOK()) {
        Strony->setCurrentWidget(StrOgolne);
        EdyDniZapl->setFocus(Qt::OtherFocusReason);
        EdyDniZapl->selectAll();
        KomunikatNiepoprawnejWartosci(EdyDniZapl, EdyDniZapl->accessibleName(), EdyDniZapl->text());
        return;
    }
    // the secrets go to the keychain now; when they cannot, the dialog stays open with
    // what was typed, rather than close as if they were kept
    if (!StrKsef->DostepKsef->ZapiszSejf(this)) {
        Strony->setCurrentWidget(StrKsef);
        StrKsef->DostepKsef->EdyToken->setFocus(Qt::OtherFocusReason);
        return;
    }
    QDialog::accept();
}

bool PokazParametry(QWidget *wlasciciel, TiniZentora &ini, int strona)
{
    QPointer<TFakParam> dlg = new TFakParam(wlasciciel);
    dlg->Param = ini;
    dlg->IniNaEkran();
    dlg->Strony->setCurrentIndex(Ogranicz(strona, TFakParam::kStrOgolne, TFakParam::kStrKsef));
    switch (dlg->Strony->currentIndex()) {
    case TFakParam::kStrOgolne: dlg->cbStawka->setFocus(); break;
    case TFakParam::kStrNumerac:
        dlg->EdySymbol->isEnabled() ? dlg->EdySymbol->setFocus() : dlg->RadioNR->setFocus();
        break;
    case TFakParam::kStrRamaFir: dlg->MemoFirma->setFocus(); break;
    case TFakParam::kStrKsef: dlg->StrKsef->DostepKsef->CbSrodowisko->setFocus(); break;
    default: dlg->EdyBank->setFocus(); break;
    }
    // The owner (and the dialog with it) may be gone when exec() returns.
    const bool ok = dlg->exec() == QDialog::Accepted && dlg;
    if (ok) {
        dlg->EkranNaIni();
        ini = dlg->Param;
    }
    delete dlg.data();
    return ok;
}
