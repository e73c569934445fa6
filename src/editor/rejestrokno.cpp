#include "rejestrokno.h"

#include "common/daty.h"
#include "common/formaty.h"
#include "common/komunikaty.h"
#include "common/teksty.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
QString Kwota(const QString &t) { return KwotaNaTekst(0, true, true, TekstNaFloat(t, 0)); }
QString Kwota(double x) { return KwotaNaTekst(0, true, true, x); }
}   // namespace

TRejestrFaktur::TRejestrFaktur(const IndeksFolderu &indeks, QWidget *rodzic) : QDialog(rodzic), m_indeks(indeks)
{
    setObjectName(QStringLiteral("RejestrFaktur"));
    setWindowTitle(QStringLiteral(" Rejestr faktur:  ") + QDir::toNativeSeparators(indeks.Folder()));
    m_wpisy = NajnowszeNajpierw(indeks.Wpisy());
    for (const WpisIndeksu &w : indeks.Wpisy())
        if (w.Uszkodzony())
            m_wpisy.append(&w);

    m_miesiac = new QComboBox(this);
    m_miesiac->setObjectName(QStringLiteral("cbMiesiac"));
    m_miesiac->addItem(QStringLiteral("Wszystkie miesiące"), 0);
    for (const WpisIndeksu *w : m_wpisy) {
        int r = 0, m = 0, d = 0;
        if (w->Uszkodzony() || DataWpisu(*w) <= 0)
            continue;
        RozkodujDate(DataWpisu(*w), r, m, d);
        const int klucz = r * 100 + m;
        if (m_miesiac->findData(klucz) < 0)
            m_miesiac->addItem(QStringLiteral("%1.%2").arg(m, 2, 10, QLatin1Char('0')).arg(r), klucz);
    }
    m_rodzaj = new QComboBox(this);
    m_rodzaj->setObjectName(QStringLiteral("cbRodzaj"));
    m_rodzaj->addItem(QStringLiteral("Wszystkie rodzaje"), -1);
    for (int r = 0; r < kLiczbaRodzajowFaktur; ++r)
        m_rodzaj->addItem(NazwyFaktur[r], r);
    m_szukaj = new QLineEdit(this);
    m_szukaj->setObjectName(QStringLiteral("EdySzukaj"));
    m_szukaj->setPlaceholderText(QStringLiteral("Szukaj: nabywca, NIP, numer, miasto"));
    m_szukaj->setClearButtonEnabled(true);

    auto *filtry = new QHBoxLayout;
    const auto etykieta = [&](const QString &t, QWidget *pole) {
        auto *l = new QLabel(t, this);
        l->setBuddy(pole);
        filtry->addWidget(l);
        filtry->addWidget(pole);
    };
    etykieta(QStringLiteral("&Miesiąc"), m_miesiac);
    etykieta(QStringLiteral("&Rodzaj"), m_rodzaj);
    etykieta(QStringLiteral("&Szukaj"), m_szukaj);

    m_tabela = new QTableWidget(this);
    m_tabela->setObjectName(QStringLiteral("Tabela"));
    m_tabela->setColumnCount(9);
    m_tabela->setHorizontalHeaderLabels({QStringLiteral("Data"), QStringLiteral("Numer"), QStringLiteral("Rodzaj"),
                                         QStringLiteral("Nabywca"), QStringLiteral("NIP"), QStringLiteral("Netto"),
                                         QStringLiteral("VAT"), QStringLiteral("Brutto"), QStringLiteral("KSeF")});
    m_tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabela->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabela->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabela->verticalHeader()->hide();
    m_tabela->setWordWrap(false);
    m_tabela->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    m_tabela->installEventFilter(this);
    connect(m_tabela, &QTableWidget::cellDoubleClicked, this, &TRejestrFaktur::Otworz);

    m_sumy = new QLabel(this);
    m_sumy->setObjectName(QStringLiteral("Sumy"));
    m_sumy->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *przyciski = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Close, this);
    przyciski->button(QDialogButtonBox::Open)->setText(QStringLiteral("&Otwórz"));
    przyciski->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Zamknij"));
    przyciski->button(QDialogButtonBox::Open)->setAutoDefault(false);
    connect(przyciski, &QDialogButtonBox::accepted, this, &TRejestrFaktur::Otworz);
    connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *u = new QVBoxLayout(this);
    u->addLayout(filtry);
    u->addWidget(m_tabela, 1);
    u->addWidget(m_sumy);
    u->addWidget(przyciski);

    connect(m_miesiac, &QComboBox::currentIndexChanged, this, &TRejestrFaktur::Filtruj);
    connect(m_rodzaj, &QComboBox::currentIndexChanged, this, &TRejestrFaktur::Filtruj);
    connect(m_szukaj, &QLineEdit::textChanged, this, &TRejestrFaktur::Filtruj);
    resize(900, 520);
    Filtruj();
    m_tabela->setFocus();
}

void TRejestrFaktur::Filtruj()
{
    const int okres = m_miesiac->currentData().toInt();
    const int rodzaj = m_rodzaj->currentData().toInt();
    const QString szukany = TekstDoPorownania(Trim(m_szukaj->text()));
    m_pokazane.clear();
    for (const WpisIndeksu *w : m_wpisy)
        if (WpisPasuje(*w, okres / 100, okres % 100, rodzaj, szukany))
            m_pokazane.append(w);

    m_tabela->setUpdatesEnabled(false);
    m_tabela->clearContents();
    m_tabela->setRowCount(int(m_pokazane.size()));
    for (int i = 0; i < m_pokazane.size(); ++i) {
        const WpisIndeksu &w = *m_pokazane.at(i);
        const auto komorka = [&](int k, const QString &t, bool liczba = false) {
            auto *c = new QTableWidgetItem(t);
            if (liczba)
                c->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (w.Uszkodzony())
                c->setForeground(Qt::darkRed);
            m_tabela->setItem(i, k, c);
        };
        if (w.Uszkodzony()) {
            komorka(1, w.plik);
            komorka(3,
                    QStringLiteral("Plik uszkodzony: ") + BezKodow(w.blad).replace(QLatin1Char('|'), QLatin1Char(' ')));
            continue;
        }
        const TrekordVat &s = w.suma;
        komorka(0, w.wystawiono);
        komorka(1, w.Oznaczenie());
        komorka(2, NazwyFaktur[w.rodzaj]);
        komorka(3, w.firma);
        komorka(4, w.nip);
        komorka(5, Kwota(s.Netto), true);
        komorka(6, Kwota(s.WarVat), true);
        komorka(7, Kwota(s.Brutto), true);
        komorka(8, StanKsefWpisu(w));
    }
    // one line a row; the buyer takes the room the others leave, a long KSeF number is cut
    m_tabela->resizeColumnsToContents();
    m_tabela->setColumnWidth(
        8, std::min(m_tabela->columnWidth(8), fontMetrics().horizontalAdvance(QLatin1Char('0')) * 18));
    m_tabela->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    m_tabela->resizeRowsToContents();
    m_tabela->setUpdatesEnabled(true);
    if (!m_pokazane.isEmpty())
        m_tabela->selectRow(0);

    QStringList linie;
    for (const SumaStawki &s : SumyWgStawek(m_pokazane))
        linie.append(QStringLiteral("%1:  netto %2   VAT %3   brutto %4")
                         .arg(s.stawka, Kwota(s.netto), Kwota(s.vat), Kwota(s.brutto)));
    // a damaged file is listed but is not an invoice the sums took in
    const auto uszkodzone =
        std::count_if(m_pokazane.cbegin(), m_pokazane.cend(), [](const WpisIndeksu *w) { return w->Uszkodzony(); });
    QString liczba = QStringLiteral("Faktur: %1").arg(m_pokazane.size() - uszkodzone);
    if (uszkodzone > 0)
        liczba += QStringLiteral(" (pliki uszkodzone: %1)").arg(uszkodzone);
    m_sumy->setText(liczba + QStringLiteral(".   ") + linie.join(QStringLiteral("\n")));
}

void TRejestrFaktur::Otworz()
{
    const int r = m_tabela->currentRow();
    if (r < 0 || r >= m_pokazane.size())
        return;
    const WpisIndeksu &w = *m_pokazane.at(r);
    if (w.Uszkodzony()) {
        KomunikatOkna(this, QStringLiteral("XPlik %1 jest uszkodzony:|").arg(w.plik) + BezKodow(w.blad));
        return;
    }
    m_wybrany = QDir(m_indeks.Folder()).filePath(w.plik);
    accept();
}

bool TRejestrFaktur::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_tabela && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            Otworz();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

QString PokazRejestr(QWidget *wlasciciel, const IndeksFolderu &indeks)
{
    TRejestrFaktur d(indeks, wlasciciel);
    return d.exec() == QDialog::Accepted ? d.Wybrany() : QString();
}
