// The working folder as the invoice database: the next number of a series, the question
// about a designation already used, and the index kept up to date by the saves.

#include "zentoraedyt.h"

#include "poleedycji.h"
#include "uzupelnianie.h"

#include "common/komunikaty.h"
#include "common/teksty.h"
#include "controls/tokienka.h"

#include "controls/justgrid.h"
#include "invoice/sumy.h"

#include <QAction>
#include <QChildEvent>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {
// Runs `f` once on the grid's cell editor, which the grid makes on its first edit.
class TPrzyEdytorze : public QObject {
public:
    TPrzyEdytorze(QAbstractScrollArea *siatka, std::function<void(QLineEdit *)> f) : QObject(siatka), m_f(std::move(f))
    {
        siatka->viewport()->installEventFilter(this);
    }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::ChildPolished && m_f)
            if (auto *edytor = qobject_cast<QLineEdit *>(static_cast<QChildEvent *>(e)->child())) {
                const auto f = std::move(m_f);
                m_f = nullptr;
                f(edytor);
            }
        return QObject::eventFilter(o, e);
    }

private:
    std::function<void(QLineEdit *)> m_f;
};
}   // namespace

IndeksFolderu &TZentoraForma::Indeks()
{
    const QString folder = QFileInfo(Pusty(FolderRobo) ? QDir::currentPath() : FolderRobo).absoluteFilePath();
    if (!m_indeks || QFileInfo(m_indeks->Folder()) != QFileInfo(folder)) {
        m_indeks = std::make_shared<IndeksFolderu>(folder);
        m_towary.clear();
    } else
        m_indeks->Odswiez();
    return *m_indeks;
}

void TZentoraForma::ProponujNumer()
{
    if (!IniZentora.iniAutoNum)
        return;
    EkranNaRekord(false);
    // the invoice's own file does not count against its number
    const QString wlasny = PlikWFolderze(SciezkaRobo, FolderRobo) ? NazwaRobo : QString();
    Zentora.NumerFak = NastepnyNumer(Indeks().Wpisy(), Zentora, wlasny);
    EdyNumRach->setXWartosc(Zentora.NumerFak);
}

void TZentoraForma::AcAktNumerExecute() { ProponujNumer(); }

bool TZentoraForma::ZgodaNaNumer(const QString &sciezka)
{
    const QFileInfo plik(sciezka);
    const QString folder = plik.absolutePath();
    std::shared_ptr<IndeksFolderu> indeks;
    if (QFileInfo(folder) == QFileInfo(FolderRobo))
        indeks = std::shared_ptr<IndeksFolderu>(&Indeks(), [](IndeksFolderu *) {});
    else
        indeks = std::make_shared<IndeksFolderu>(folder);
    const WpisIndeksu *inny = TenSamNumer(indeks->Wpisy(), Zentora, plik.fileName());
    return !inny
           || PytanieTakNieOkna(this, QString(),
                                QStringLiteral("?Faktura o numerze %1 już istnieje (plik %2). Zapisać mimo to?")
                                    .arg(Zentora.DajOznaczenieFaktury(), inny->plik),
                                2);
}

void TZentoraForma::ZapisanoWFolderze(const QString &sciezka)
{
    m_towary.clear();
    if (m_indeks)
        m_indeks->Aktualizuj(sciezka);
}

QAction *TZentoraForma::AkcjaRejestru()
{
    auto *a = new QAction(QStringLiteral("&Rejestr faktur…"), this);
    a->setObjectName(QStringLiteral("AcRejestr"));
    a->setToolTip(QStringLiteral(" Rejestr faktur folderu roboczego "));
    a->setStatusTip(a->toolTip().trimmed());
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    a->setShortcutContext(Qt::WindowShortcut);
    addAction(a);
    connect(a, &QAction::triggered, this, [this] { Polecenie([this] { AcRejestrExecute(); }); });
    return a;
}

void TZentoraForma::AcRejestrExecute()
{
    if (!Dialogi.Rejestr)
        return;
    ZatwierdzKomorke();
    const QString plik = Dialogi.Rejestr(this, Indeks());
    if (!plik.isEmpty() && CzyPorzucicZmiany())
        OtworzPlik(plik);
}

void TZentoraForma::UstawUzupelnianie()
{
    auto *firma = new TUzupelnianie(
        EdyFirma,
        [this] {
            m_nabywcy.clear();
            QStringList nazwy;
            for (const WpisIndeksu *w : Nabywcy(Indeks().Wpisy())) {
                m_nabywcy.append(*w);
                nazwy.append(Trim(w->firma));
            }
            return nazwy;
        },
        this);
    // the whole buyer comes with the name chosen
    connect(firma, &TUzupelnianie::Wybrano, this, [this](int i) {
        const WpisIndeksu &w = m_nabywcy.at(i);
        EdyFirma->setText(Trim(w.firma));
        for (auto [pole, tekst] :
             {std::pair{EdyUlica, w.ulica}, std::pair{EdyMiasto, w.miasto}, std::pair{EdyNip, w.nip}}) {
            pole->setText(tekst);
            pole->setCursorPosition(0);
        }
        EdyKod->UstawTekst(w.kod);
    });
    // Goods sold before, offered while a name is typed into an empty row.
    const auto towary = [this](QLineEdit *edytor) {
        new TUzupelnianie(
            edytor,
            [this] {
                QStringList nazwy;
                if (Grid->Col() != kolTowar)
                    return nazwy;
                // the name cell already holds what is being typed
                for (int k = kolKlasyf; k <= kolBrutto; ++k)
                    if (Niepusty(Grid->Cells(k, Grid->Row())))
                        return nazwy;
                if (m_towary.isEmpty())
                    m_towary = Towary(Indeks().Wpisy());
                for (const TowarIndeksu &t : m_towary)
                    nazwy.append(t.nazwa);
                return nazwy;
            },
            this, true);
    };
    if (Grid->InplaceEditor())
        towary(Grid->InplaceEditor());
    else
        new TPrzyEdytorze(Grid, towary);
    // Cities as they are typed, not a list that opens on the first letter and takes the
    // keys typed after it.
    new TUzupelnianie(
        EdyMiasto,
        [this] {
            QStringList miasta;
            QSet<QString> byly;
            for (const WpisIndeksu *w : NajnowszeNajpierw(Indeks().Wpisy()))
                if (Niepusty(w->miasto) && !byly.contains(TekstDoPorownania(Trim(w->miasto)))) {
                    byly.insert(TekstDoPorownania(Trim(w->miasto)));
                    miasta.append(Trim(w->miasto));
                }
            return miasta;
        },
        this);
}

void TZentoraForma::UzupelnijTowar(int wiersz, const QString &nazwa)
{
    const QString szukana = TekstDoPorownania(Trim(nazwa));
    for (int k = kolKlasyf; k <= kolBrutto; ++k)
        if (Niepusty(Grid->Cells(k, wiersz)))
            return;   // a row already begun keeps what was typed
    if (m_towary.isEmpty())
        m_towary = Towary(Indeks().Wpisy());
    for (const TowarIndeksu &t : m_towary)
        if (TekstDoPorownania(t.nazwa) == szukana) {
            Grid->setCells(kolKlasyf, wiersz, t.klasyf);
            Grid->setCells(kolJedn, wiersz, t.jedn);
            Grid->setCells(kolCena, wiersz, t.cena);
            Grid->setCells(kolPrcVat, wiersz, t.stawka);
            return;
        }
}
