#include "modulapli.h"
#include "stylmenu.h"

#include "kolory.h"
#include "polefiltrowane.h"
#include "siatka.h"
#include "tokienka.h"

#include "common/internet.h"
#include "common/program.h"
#include "common/teksty.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <memory>

namespace {

TModulApli *g_modul = nullptr;

bool Wielowierszowe(const QWidget *w)
{
    return qobject_cast<const QTextEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w);
}
bool PoleEdycji(const QWidget *w) { return qobject_cast<const QLineEdit *>(w) || Wielowierszowe(w); }

// A single-line field that is neither masked nor a number field nor the grid's in-place
// editor: a date may be typed into it as text.
bool ZwyklePole(const QWidget *w)
{
    const auto *e = qobject_cast<const QLineEdit *>(w);
    if (!e || qobject_cast<const TokienkoFloat *>(w) || qobject_cast<const TokienkoLong *>(w)
        || qobject_cast<const TEdytorSiatki *>(w))
        return false;
    if (const auto *f = qobject_cast<const TPoleFiltrowane *>(w))
        return f->Maska().isEmpty();
    return e->inputMask().isEmpty();
}

bool TylkoDoOdczytu(const QWidget *w)
{
    if (const auto *e = qobject_cast<const QLineEdit *>(w))
        return e->isReadOnly();
    if (const auto *t = qobject_cast<const QTextEdit *>(w))
        return t->isReadOnly();
    if (const auto *t = qobject_cast<const QPlainTextEdit *>(w))
        return t->isReadOnly();
    return true;
}

// The standard edit commands on a single-line or multi-line field.
template <typename Polecenie> void NaPolu(QWidget *w, Polecenie p)
{
    if (auto *e = qobject_cast<QLineEdit *>(w))
        p(e);
    else if (auto *t = qobject_cast<QTextEdit *>(w))
        p(t);
    else if (auto *z = qobject_cast<QPlainTextEdit *>(w))
        p(z);
}

void ZaznaczCalosc(QWidget *w)
{
    NaPolu(w, [](auto *e) { e->selectAll(); });
}
void Kopiuj(QWidget *w)
{
    NaPolu(w, [](auto *e) { e->copy(); });
}
void Wytnij(QWidget *w)
{
    NaPolu(w, [](auto *e) { e->cut(); });
}
void Cofnij(QWidget *w)
{
    NaPolu(w, [](auto *e) { e->undo(); });
}

void Wklej(QWidget *w)
{
    if (!w || TylkoDoOdczytu(w))
        return;
    if (qobject_cast<TPoleFiltrowane *>(w)) {
        WklejDoPola(w);   // through the field's own rules
    } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
        // a line break must not get into a single line
        const QString t = BezZnakowSterujacych(QGuiApplication::clipboard()->text());
        if (!t.isEmpty() || e->hasSelectedText())
            e->insert(t);
    } else {
        NaPolu(w, [](auto *pole) { pole->paste(); });
    }
}

// A copy of what the clipboard holds, in every format, so it can be put back.
std::unique_ptr<QMimeData> KopiaSchowka()
{
    const QMimeData *d = QGuiApplication::clipboard()->mimeData();
    if (!d || d->formats().isEmpty())
        return nullptr;
    auto kopia = std::make_unique<QMimeData>();
    for (const QString &f : d->formats())
        kopia->setData(f, d->data(f));
    return kopia;
}

}   // namespace

bool JestPoleDaty(const QWidget *pole)
{
    const auto *f = qobject_cast<const TPoleFiltrowane *>(pole);
    return f && JestMaskaDaty(f->Maska());
}

TModulApli::TModulApli(QObject *rodzic) : QObject(rodzic)
{
    UtworzAkcje();
    UtworzMenu();
    g_modul = this;
    ProcPrzypiszPopup = [this](QObject *kontrolka) { PrzypiszPopup(kontrolka); };
}

TModulApli::~TModulApli()
{
    ProcPrzypiszPopup = nullptr;
    if (g_modul == this)
        g_modul = nullptr;
    delete APopupOkienEdit;
    delete APopupDlaCombo;
}

TModulApli *TModulApli::Modul() { return g_modul; }

void TModulApli::UtworzAkcje()
{
    struct Opis {
        QAction **akcja;
        const char *nazwa;
        QString tekst;
        QString podpowiedz;
        QKeySequence skrot;
        int ikona;
    };
    const Opis opisy[] = {
        {&A_Kalkul, "A_Kalkul", QStringLiteral("Wstaw wynik z kalkulatora"), QString(), {}, Ikona::Kalkulator},
        {&A_Kalend, "A_Kalend", QStringLiteral("Wstaw datę z kalendarza"), QString(), {}, Ikona::Kalendarz},
        {&A_calosc, "A_calosc", QStringLiteral("Zaznacz całość"), QStringLiteral(" Zaznacz całość "),
         QKeySequence(Qt::CTRL | Qt::Key_A), Ikona::ZaznaczCalosc},
        {&A_kopiuj, "A_kopiuj", QStringLiteral("Kopiuj"), QStringLiteral(" Kopiuj do schowka "),
         QKeySequence(Qt::CTRL | Qt::Key_C), Ikona::Kopiuj},
        {&A_wklej, "A_wklej", QStringLiteral("Wklej"), QStringLiteral(" Wklej ze schowka "),
         QKeySequence(Qt::CTRL | Qt::Key_V), Ikona::Wklej},
        {&A_Wytnij, "A_Wytnij", QStringLiteral("Wytnij"), QStringLiteral(" Wytnij do schowka "),
         QKeySequence(Qt::CTRL | Qt::Key_X), Ikona::Wytnij},
        {&A_Cofnij, "A_Cofnij", QStringLiteral("Cofnij"), QStringLiteral(" Cofnij "),
         QKeySequence(Qt::CTRL | Qt::Key_Z), Ikona::Cofnij},
        {&A_Edycja,
         "A_Edycja",
         QStringLiteral("Ustaw tryb edycji bazy"),
         QStringLiteral(" Ustaw tryb edycji bazy "),
         {},
         Ikona::EdycjaBazy},
    };
    for (const Opis &o : opisy) {
        auto *a = new QAction(o.tekst, this);
        a->setObjectName(QLatin1String(o.nazwa));
        a->setToolTip(o.podpowiedz.isEmpty() ? o.tekst : o.podpowiedz);
        a->setStatusTip(o.podpowiedz.trimmed());
        a->setIcon(::IkonyApli().Ikona(o.ikona));
        a->setIconVisibleInMenu(true);
        // The fields handle these keys themselves; in the menu they are only shown.
        a->setShortcut(o.skrot);
        a->setShortcutContext(Qt::WidgetShortcut);
        *o.akcja = a;
        AkcjeOkienEdit.append(a);
    }
    connect(A_Kalkul, &QAction::triggered, this, &TModulApli::A_KalkulExecute);
    connect(A_Kalend, &QAction::triggered, this, &TModulApli::A_KalendExecute);
    connect(A_calosc, &QAction::triggered, this, [this] { ZaznaczCalosc(Cel()); });
    connect(A_kopiuj, &QAction::triggered, this, [this] { Kopiuj(Cel()); });
    connect(A_wklej, &QAction::triggered, this, [this] { Wklej(Cel()); });
    connect(A_Wytnij, &QAction::triggered, this, [this] { Wytnij(Cel()); });
    connect(A_Cofnij, &QAction::triggered, this, [this] { Cofnij(Cel()); });
    // Fields bound to a database record have it; the editor has none, so it stays off.
    A_Edycja->setEnabled(false);

    A_WyslijMail = new QAction(QStringLiteral("Wyślij e-mail do Korven"), this);
    A_WyslijMail->setObjectName(QStringLiteral("A_WyslijMail"));
    connect(A_WyslijMail, &QAction::triggered, this, &TModulApli::MailZprogramu);
    A_stronaWww = new QAction(QStringLiteral("Ustaw stronę www"), this);
    A_stronaWww->setObjectName(QStringLiteral("A_stronaWww"));
    connect(A_stronaWww, &QAction::triggered, this, &TModulApli::WWWdomowa);
    A_PobierzInfo = new QAction(QStringLiteral("Pobierz info o aktualizacjach"), this);
    A_PobierzInfo->setObjectName(QStringLiteral("A_PobierzInfo"));
    connect(A_PobierzInfo, &QAction::triggered, this, &TModulApli::WwwPobierzInfo);
    AkcjeInternet = {A_WyslijMail, A_stronaWww, A_PobierzInfo};
}

void TModulApli::UtworzMenu()
{
    APopupOkienEdit = new QMenu;
    APopupOkienEdit->setObjectName(QStringLiteral("APopupOkienEdit"));
    const std::pair<QAction *, const char *> pozycje[] = {
        {A_Kalkul, "M_Kalkul"}, {A_Kalend, "M_Kalend"}, {nullptr, "N1"},        {A_calosc, "M_Calosc"},
        {A_kopiuj, "M_Kopiuj"}, {A_wklej, "M_Wklej"},   {A_Wytnij, "M_Wytnij"}, {A_Cofnij, "M_Cofnij"},
        {nullptr, "N2"},        {A_Edycja, "M_Edycja"},
    };
    for (const auto &[akcja, nazwa] : pozycje) {
        if (akcja)
            APopupOkienEdit->addAction(akcja);
        else
            APopupOkienEdit->addSeparator()->setObjectName(QLatin1String(nazwa));
    }

    APopupDlaCombo = new QMenu;
    APopupDlaCombo->setObjectName(QStringLiteral("APopupDlaCombo"));
    auto dodaj = [this](const char *nazwa, const QString &tekst, int ikona) {
        QAction *a = APopupDlaCombo->addAction(::IkonyApli().Ikona(ikona), tekst);
        a->setObjectName(QLatin1String(nazwa));
        a->setToolTip(QLatin1Char(' ') + tekst + QLatin1Char(' '));
        a->setStatusTip(tekst);
        return a;
    };
    Mcb_Kopiuj = dodaj("Mcb_Kopiuj", QStringLiteral("Kopiuj do schowka"), Ikona::Kopiuj);
    Mcb_Wklej = dodaj("Mcb_Wklej", QStringLiteral("Wklej ze schowka"), Ikona::Wklej);
    APopupDlaCombo->addSeparator()->setObjectName(QStringLiteral("N3"));
    Mcb_Czysc = dodaj("Mcb_Czysc", QStringLiteral("Wyczyść treść"), Ikona::Wytnij);
    connect(Mcb_Kopiuj, &QAction::triggered, this, &TModulApli::Mcb_KopiujClick);
    connect(Mcb_Wklej, &QAction::triggered, this, &TModulApli::Mcb_WklejClick);
    connect(Mcb_Czysc, &QAction::triggered, this, &TModulApli::Mcb_CzyscClick);
    StylizujPaski(nullptr, {}, {APopupOkienEdit, APopupDlaCombo});
}

void TModulApli::PrzypiszPopup(QObject *kontrolka)
{
    auto *w = qobject_cast<QWidget *>(kontrolka);
    // A control with a context menu of its own (or none on purpose) keeps it.
    if (!w || w->contextMenuPolicy() != Qt::DefaultContextMenu)
        return;
    if (PoleEdycji(w)) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this, [this, w](const QPoint &p) { MenuEdycji(w, p); });
        return;
    }
    auto *combo = qobject_cast<QComboBox *>(w);
    // Only a combo box with an edit part; a drop-down list has nothing to copy into.
    if (!combo || !combo->isEditable() || !combo->lineEdit())
        return;
    combo->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);   // the box answers for it
    combo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(combo, &QWidget::customContextMenuRequested, this, [this, combo](const QPoint &p) { MenuCombo(combo, p); });
}

void TModulApli::NaUpdateAkcji(QWidget *pole, bool wklejanie)
{
    bool tekst = false, zaznaczenie = false, cofanie = false, jawne = true;
    const bool zapis = !TylkoDoOdczytu(pole) && pole->isEnabled();
    if (auto *e = qobject_cast<QLineEdit *>(pole)) {
        tekst = !e->text().isEmpty();
        zaznaczenie = e->hasSelectedText();
        cofanie = e->isUndoAvailable();
        jawne = e->echoMode() == QLineEdit::Normal;
    } else if (auto *t = qobject_cast<QTextEdit *>(pole)) {
        tekst = !t->document()->isEmpty();
        zaznaczenie = t->textCursor().hasSelection();
        cofanie = t->document()->isUndoAvailable();
    } else if (auto *z = qobject_cast<QPlainTextEdit *>(pole)) {
        tekst = !z->document()->isEmpty();
        zaznaczenie = z->textCursor().hasSelection();
        cofanie = z->document()->isUndoAvailable();
    }
    A_calosc->setEnabled(tekst);
    A_kopiuj->setEnabled(zaznaczenie && jawne);
    A_wklej->setEnabled(zapis && wklejanie);
    A_Wytnij->setEnabled(zapis && zaznaczenie && jawne);
    A_Cofnij->setEnabled(zapis && cofanie);
}

void TModulApli::MenuEdycji(QWidget *pole, const QPoint &gdzie)
{
    FPPcusEdy = nullptr;
    if (!pole || !PoleEdycji(pole))
        return;
    FPPcusEdy = pole;
    // Whether the field takes pasted text at all, whatever the clipboard holds now: the
    // insertion commands paste their result. Decided from the field alone, so the clipboard
    // is never touched by opening the menu.
    NaUpdateAkcji(pole, true);
    const bool wklejanie = A_wklej->isEnabled();
    const bool data = JestPoleDaty(pole);
    A_Kalkul->setEnabled(wklejanie && bool(ProcKalkulator) && !data);
    A_Kalend->setEnabled(wklejanie && bool(ProcKalendarz) && (data || ZwyklePole(pole) || Wielowierszowe(pole)));
    QWidget *uklad = pole;
    if (auto *s = qobject_cast<QAbstractScrollArea *>(pole))
        uklad = s->viewport();   // the position comes in the viewport's coordinates
    APopupOkienEdit->popup(uklad->mapToGlobal(gdzie));
}

void TModulApli::MenuCombo(QComboBox *combo, const QPoint &gdzie)
{
    FPPcombob = nullptr;
    if (!combo)
        return;
    FPPcombob = combo;
    Mcb_Czysc->setEnabled(true);
    Mcb_Kopiuj->setEnabled(combo->lineEdit() && Niepusty(combo->lineEdit()->selectedText()));
    Mcb_Wklej->setEnabled(Niepusty(QGuiApplication::clipboard()->text()));
    APopupDlaCombo->popup(combo->mapToGlobal(gdzie));
}

QWidget *TModulApli::Cel() const
{
    if (FPPcusEdy)
        return FPPcusEdy.data();
    QWidget *f = QApplication::focusWidget();
    return PoleEdycji(f) ? f : nullptr;
}

QWidget *TModulApli::FormaCelu() const
{
    if (!FPPcusEdy)
        return nullptr;
    QWidget *forma = FPPcusEdy->window();
    return forma ? forma : QApplication::activeWindow();
}

void TModulApli::A_KalkulExecute()
{
    QPointer<QWidget> pole = FPPcusEdy;
    QWidget *forma = FormaCelu();
    if (!pole || !forma || !ProcKalkulator)
        return;
    // A multi-line field gets a free-standing calculator; its result is still pasted there.
    QWidget *cel = Wielowierszowe(pole) ? nullptr : pole.data();
    double wynik = 0;
    if (!ProcKalkulator(forma, cel, wynik, 0) || !pole)
        return;
    FPPcusEdy = pole;   // the calculator's own fields may have opened the menu meanwhile
    Wklej(pole);        // the calculator leaves its result on the clipboard
}

void TModulApli::A_KalendExecute()
{
    QPointer<QWidget> pole = FPPcusEdy;
    QWidget *forma = FormaCelu();
    if (!pole || !forma || !ProcKalendarz)
        return;
    QWidget *cel = Wielowierszowe(pole) ? nullptr : pole.data();
    QString data;
    if (!ProcKalendarz(forma, cel, data) || !pole)
        return;
    FPPcusEdy = pole;
    // The date goes in the way pasted text does; what the user had on the clipboard is
    // put back afterwards.
    QClipboard *schowek = QGuiApplication::clipboard();
    std::unique_ptr<QMimeData> bylo = KopiaSchowka();
    schowek->setText(data);
    if (JestPoleDaty(pole))
        ZaznaczCalosc(pole);   // a date field takes the date whole
    Wklej(pole);
    if (bylo)
        schowek->setMimeData(bylo.release());
    else
        schowek->clear();
}

void TModulApli::Mcb_KopiujClick()
{
    if (FPPcombob && FPPcombob->lineEdit())
        QGuiApplication::clipboard()->setText(FPPcombob->lineEdit()->selectedText());
}

void TModulApli::Mcb_WklejClick()
{
    if (FPPcombob && FPPcombob->lineEdit())
        FPPcombob->lineEdit()->insert(QGuiApplication::clipboard()->text());
}

void TModulApli::Mcb_CzyscClick()
{
    if (FPPcombob)
        FPPcombob->setEditText(QString());
}

void TModulApli::DekodujPlikInfo() { ::DekodujPlikInfo(DaneInternet, DaneProgramu); }
