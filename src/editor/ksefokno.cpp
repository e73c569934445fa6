#include "ksefokno.h"

#include "common/bledy.h"
#include "common/daty.h"
#include "common/komunikaty.h"
#include "common/teksty.h"
#include "controls/forma.h"
#include "controls/platforma.h"
#include "dostepksef.h"
#include "invoice/dokument.h"
#include "invoice/ksef.h"
#include "invoice/plikfaktury.h"
#include "zentoraedyt.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QLineEdit *Pole(QWidget *rodzic, const char *nazwa, int limit)
{
    auto *e = new QLineEdit(rodzic);
    e->setObjectName(QLatin1String(nazwa));
    e->setMaxLength(limit);
    return e;
}

QLabel *Opis(const QString &tekst, QWidget *rodzic)
{
    auto *l = new QLabel(tekst, rodzic);
    l->setWordWrap(true);
    return l;
}

void Ustaw(QLineEdit *e, const QString &t)
{
    e->setMaxLength(std::max(e->maxLength(), int(t.size())));
    e->setText(t);
    e->setCursorPosition(0);
}

}   // namespace

TStronaKsef::TStronaKsef(QWidget *rodzic) : QWidget(rodzic)
{
    // three groups do not fit the dialog's fixed height: the page scrolls, and a field
    // reached with Tab scrolls into view
    auto *przewijanie = new QScrollArea(this);
    przewijanie->setFrameShape(QFrame::NoFrame);
    przewijanie->setWidgetResizable(true);
    przewijanie->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    przewijanie->setFocusPolicy(Qt::NoFocus);
    // a field reached by its Alt letter comes into view as well, not only one reached by Tab
    connect(qApp, &QApplication::focusChanged, przewijanie, [przewijanie](QWidget *, QWidget *teraz) {
        if (teraz && przewijanie->widget() && przewijanie->widget()->isAncestorOf(teraz))
            przewijanie->ensureWidgetVisible(teraz);
    });
    auto *tresc = new QWidget(przewijanie);
    przewijanie->setWidget(tresc);
    // the page's own background shows through
    przewijanie->viewport()->setAutoFillBackground(false);
    tresc->setAutoFillBackground(false);
    auto *zewn = new QVBoxLayout(this);
    zewn->setContentsMargins(0, 0, 0, 0);
    zewn->addWidget(przewijanie);
    auto *u = new QVBoxLayout(tresc);
    DostepKsef = new TdostepKsef(tresc);
    u->addWidget(DostepKsef);
    auto *gS = new QGroupBox(QStringLiteral(" Sprzedawca w KSeF "), tresc);
    auto *f = new QFormLayout(gS);
    EdyKsefNip = Pole(gS, "EdyKsefNip", 20);
    EdyKsefNazwa = Pole(gS, "EdyKsefNazwa", 512);
    EdyKsefAdresL1 = Pole(gS, "EdyKsefAdresL1", 512);
    EdyKsefAdresL2 = Pole(gS, "EdyKsefAdresL2", 512);
    f->addRow(QStringLiteral("&NIP"), EdyKsefNip);
    f->addRow(QStringLiteral("N&azwa"), EdyKsefNazwa);
    f->addRow(QStringLiteral("Adres, linia &1"), EdyKsefAdresL1);
    f->addRow(QStringLiteral("Adres, linia &2"), EdyKsefAdresL2);
    f->addRow(Opis(QStringLiteral("Puste pole jest brane z ramki sprzedawcy na fakturze: NIP z wiersza ze słowem "
                                  "„NIP”, nazwa z pierwszego wiersza, adres z pozostałych."),
                   gS));
    u->addWidget(gS);
    auto *gZ = new QGroupBox(QStringLiteral(" Sprzedaż zwolniona z VAT "), tresc);
    auto *fz = new QFormLayout(gZ);
    EdyKsefPodstawa = Pole(gZ, "EdyKsefPodstawa", 256);
    fz->addRow(QStringLiteral("&Podstawa zwolnienia"), EdyKsefPodstawa);
    fz->addRow(Opis(QStringLiteral("Przepis, na podstawie którego pozycje bez stawki VAT są zwolnione, np. „art. 113 "
                                   "ust. 1 ustawy o VAT”. Trafia do KSeF i na wydruk faktury."),
                    gZ));
    u->addWidget(gZ);
    u->addStretch();
}

void TStronaKsef::IniNaEkran(const TiniZentora &ini)
{
    Ustaw(EdyKsefNip, ini.iniKsefNip);
    Ustaw(EdyKsefNazwa, ini.iniKsefNazwa);
    Ustaw(EdyKsefAdresL1, ini.iniKsefAdresL1);
    Ustaw(EdyKsefAdresL2, ini.iniKsefAdresL2);
    Ustaw(EdyKsefPodstawa, ini.iniKsefPodstawa);
    DostepKsef->IniNaEkran(ini);
}

void TStronaKsef::EkranNaIni(TiniZentora &ini) const
{
    ini.iniKsefNip = Trim(EdyKsefNip->text());
    ini.iniKsefNazwa = Trim(EdyKsefNazwa->text());
    ini.iniKsefAdresL1 = Trim(EdyKsefAdresL1->text());
    ini.iniKsefAdresL2 = Trim(EdyKsefAdresL2->text());
    ini.iniKsefPodstawa = Trim(EdyKsefPodstawa->text());
    DostepKsef->EkranNaIni(ini);
}

namespace {

// A small form that asks for one text: the program's own font and the edit menu of every
// field, like the rest, and Enter to confirm. False when given up.
bool PytajOTekst(QWidget *wlasciciel, const QString &nazwa, const QString &tytul, const QString &opis,
                 const char *nazwaPola, int limit, QString &tekst)
{
    QPointer<QDialog> d =
        new QDialog(wlasciciel, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    d->setObjectName(nazwa);
    d->setWindowTitle(tytul);
    auto *u = new QVBoxLayout(d);
    QLabel *etykieta = Opis(opis, d);
    u->addWidget(etykieta);
    QLineEdit *edy = Pole(d, nazwaPola, limit);
    Ustaw(edy, tekst);
    etykieta->setBuddy(edy);
    u->addWidget(edy);
    auto *przyciski = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, d);
    przyciski->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    u->addWidget(przyciski);
    QObject::connect(przyciski, &QDialogButtonBox::rejected, d, &QDialog::reject);
    QObject::connect(przyciski, &QDialogButtonBox::accepted, d, &QDialog::accept);
    PrzygotujForme(d);
    d->setMinimumWidth(d->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 30);
    edy->setFocus();
    const bool ok = d->exec() == QDialog::Accepted && d;
    if (ok)
        tekst = edy->text();
    delete d.data();
    return ok;
}

}   // namespace

bool PytajOPrzyczyneKorekty(QWidget *wlasciciel, QString &przyczyna)
{
    QString t = przyczyna;
    if (!PytajOTekst(wlasciciel, QStringLiteral("DlgPrzyczynaKorekty"), QStringLiteral("Wystaw korektę"),
                     QStringLiteral("Przyczyna korekty (można ją wpisać później, przed zapisaniem korekty):"),
                     "EdyPrzyczynaKorekty", 254, t))
        return false;
    przyczyna = Trim(t);
    return true;
}

QString NazwaPlikuKsefZDialogu(QWidget *wlasciciel, const QString &proponowana)
{
    QFileDialog d(wlasciciel, QStringLiteral(" Eksport do KSeF (XML) "), QFileInfo(proponowana).absolutePath(),
                  QStringLiteral("Faktury KSeF ( *.xml )"));
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setDefaultSuffix(QStringLiteral("xml"));
    d.selectFile(QFileInfo(proponowana).fileName());
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return QString();
    return d.selectedFiles().constFirst();
}

bool PytajONumerKsef(QWidget *wlasciciel, QString &numer)
{
    return PytajOTekst(wlasciciel, QStringLiteral("DlgNumerKsef"), QStringLiteral("Numer KSeF"),
                       QStringLiteral("Numer nadany fakturze w KSeF (35 znaków):"), "EdyNumerKsef", 64, numer);
}

// ---------------------------------------------------------------- the commands of the main window

void TZentoraForma::AcEksportKsefExecute()
{
    // the record exactly as saving builds it, with the same checks and the rows valued again
    PrzygotujDoWydania(true);
    SprawdzKorekte();
    if (FakturaOstateczna(Zentora)) {
        KomunikatOkna(this, QStringLiteral("XFaktura ma już numer KSeF %1 i nie może być eksportowana ponownie.|"
                                           "Zmiany wprowadza się fakturą korygującą (Plik → Wystaw korektę…).")
                                .arg(Zentora.KsefNumer));
        return;
    }
    // KSeF refuses a designation the seller has already sent for the same kind
    if (!ZgodaNaNumer(SciezkaRobo.isEmpty() ? ZUkosnikiem(FolderRobo) : SciezkaRobo))
        return;
    // what a correction corrects comes from the invoice itself
    const TopcjeKsef opcje;
    TeksportKsef e;
    try {
        e = EksportujKsef(Zentora, IniZentora, opcje);
    } catch (const EOdmowaKsef &b) {
        KomunikatOkna(this, QStringLiteral("X") + b.komunikat());
        return;
    }
    if (!e.Ostrzezenia.isEmpty()
        && !PytanieOkAnuluj(this,
                            QStringLiteral("!") + e.Ostrzezenia.join(QLatin1Char('|'))
                                + QStringLiteral("||Czy mimo to zapisać plik XML ?"),
                            2))
        return;
    // the XML must match the file: the invoice is saved first, its record goes in at once
    if (!ZapisanaPrzedKsef())
        return;
    QString nazwa = NazwaRobo.isEmpty() ? Zentora.DajOznaczenieFaktury().replace(QLatin1Char('/'), QLatin1Char('_'))
                                        : QFileInfo(NazwaRobo).completeBaseName();
    const QString plik =
        Dialogi.PlikKsef ? Dialogi.PlikKsef(this, ZUkosnikiem(FolderRobo) + nazwa + QStringLiteral(".xml")) : QString();
    if (plik.isEmpty())
        return;
    try {
        ZapiszPlikKsef(plik, e.Xml);
    } catch (const EMojeBledy &b) {
        KomunikatOkna(this, QStringLiteral("X") + b.komunikat());
        return;
    }
    ZapamietajEksport(Zentora, e);
    ZapiszRekordKsef();
    KomunikatOkna(this, QStringLiteral("Zapisano fakturę w formacie KSeF (FA(3)):|") + QDir::toNativeSeparators(plik));
}

void TZentoraForma::AcNumerKsefExecute()
{
    if (!ZatwierdzKomorke())
        return;
    EkranNaRekord(false);
    if (Pusty(Zentora.KsefSkrot)) {
        KomunikatOkna(this,
                      QStringLiteral("!Faktury nie eksportowano do KSeF.|Najpierw zapisz ją poleceniem „Eksport do "
                                     "KSeF (XML)…”, wyślij plik, a potem wpisz nadany numer."));
        return;
    }
    if (!EksportAktualny(Zentora)) {
        // the number belongs to the XML that was sent, which no longer is this invoice
        KomunikatOkna(this, QStringLiteral("XFaktura zmieniła się po eksporcie do KSeF.|Numer KSeF można wpisać "
                                           "dopiero po ponownym eksporcie i wysłaniu faktury."));
        return;
    }
    // the number goes into the file at once: the file must hold this very invoice
    if (!ZapisanaPrzedKsef())
        return;
    QString numer = Zentora.KsefNumer;
    for (;;) {
        if (!Dialogi.NumerKsef || !Dialogi.NumerKsef(this, numer))
            return;
        try {
            UstawNumerKsef(Zentora, IniZentora, numer);
            break;
        } catch (const EOdmowaKsef &b) {
            KomunikatOkna(this, QStringLiteral("X") + b.komunikat());
        }
    }
    ZapiszRekordKsef();
}

void TZentoraForma::PokazStanKsef()
{
    // a refusal is told by its code; the tool tip holds KSeF's description
    const bool odrzucona = Pusty(Zentora.KsefNumer) && Niepusty(Zentora.KsefStatus);
    const QString stan = odrzucona ? QStringLiteral("KSeF: odrzucona (%1)").arg(Zentora.KsefStatus.section(u' ', 0, 0))
                                   : StanKsef(Zentora);
    LabKsef->setText(stan);
    LabKsef->setToolTip(odrzucona ? stan + QLatin1Char('\n') + Zentora.KsefStatus
                        : Pusty(Zentora.KsefWytworzono)
                            ? stan
                            : stan + QStringLiteral("\nwytworzono ") + Zentora.KsefWytworzono);
    LabKsef->setAccessibleName(stan);
}
