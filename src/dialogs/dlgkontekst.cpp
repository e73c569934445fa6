#include "dlgkontekst.h"

#include "controls/forma.h"
#include "controls/justgrid.h"
#include "controls/kolory.h"
#include "controls/platforma.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScreen>

namespace {

QPointer<TdlgKontekst> g_otwarty;

int DpiEkranu(const QWidget *w)
{
    const QScreen *ekran = w && w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return ekran ? qRound(ekran->logicalDotsPerInch()) : 96;
}

}   // namespace

TdlgKontekst::TdlgKontekst(QWidget *forma, Qt::WindowFlags flagi) : TMaleOkno(forma, flagi)
{
    g_otwarty = this;
    m_grid = new TjustGrid(this);
    m_grid->setFrameShape(QFrame::NoFrame);
    m_grid->setColCount(2);
    m_grid->setRowCount(2);
    m_grid->setFixedCols(0);
    m_grid->setFixedRows(0);
    m_grid->setOptions(goRowSelect | goDrawFocusSelected);
    m_grid->setScrollBars(ssNone);
    m_grid->setXkolJustBL(true);
    m_grid->setColor(Qt::white);
    m_grid->OnDblClick = [this] { GridDblClick(); };
    m_grid->OnDrawCell = [this](QPainter &p, int c, int r, const QRect &R, unsigned stan) {
        GridDrawCell(p, c, r, R, stan);
    };
    connect(m_grid, &TSiatka::komorkaWybrana, this, [this](int, int r) {
        if (!m_synchronizacja)
            m_lista.UstawWybrany(r);
    });
    // The list sees the keys before the grid: typed characters go to the search.
    m_grid->installEventFilter(this);

    PrzygotujForme(this);
    UstawRamke(true);
    m_grid->setFocus();
}

TdlgKontekst::~TdlgKontekst() = default;

TdlgKontekst *TdlgKontekst::Otwarty() { return g_otwarty.data(); }

void TdlgKontekst::Przypisz_ContextPopUpOknomEdycji() { PrzypiszPopupOknu(this); }

void TdlgKontekst::WypelnijListe(const QString &linie, int lenKodu, int kodCzcionki)
{
    m_klKoment = NaQColor(KolorKomentarzaListy(kodCzcionki));
    const TczcionkaListy cz = CzcionkaListy(kodCzcionki, JestConsolas(), JestLucidaConsole());
    QFont f(cz.nazwa);
    f.setPointSize(cz.punkty);
    m_grid->setFont(f);
    m_wysWiersza = SkalujDpi(cz.wysWiersza, DpiEkranu(this));

    m_lista.WypelnijListe(linie, lenKodu);
    const int n = m_lista.LiczbaWierszy();
    m_grid->setRowCount(n);
    m_grid->setDefaultRowHeight(m_wysWiersza);
    for (int r = 0; r < n; ++r) {
        m_grid->setCells(0, r, m_lista.Kod(r));
        m_grid->setCells(1, r, m_lista.Opis(r));
    }
    const QFontMetrics fm(m_grid->font());
    m_lista.Najszersze([&fm](const QString &s) { return fm.horizontalAdvance(s); }, m_Lkodu, m_Lopis);
    const QScopedValueRollback<bool> synchronizacja(m_synchronizacja, true);
    m_grid->WybierzKomorke(0, 0);
}

void TdlgKontekst::UstawRozmiar(int wiersze, int szerokosc, QWidget *pole)
{
    m_kontrol = pole;
    const int dpi = DpiEkranu(pole ? pole : this);
    auto sk = [dpi](int n) { return SkalujDpi(n, dpi); };
    m_rozmiar = RozmiarListy(m_Lkodu, m_Lopis, m_wysWiersza, m_lista.LiczbaWierszy(), wiersze, szerokosc,
                             pole ? pole->width() : 0, dpi);
    m_Lkodu = m_rozmiar.szerKodu;
    m_Lopis += sk(10);

    UstawStalyRozmiar(m_rozmiar.szerokosc, m_rozmiar.wysokosc);
    // Inside the frame of the window; the rows fill the height exactly.
    m_grid->setGeometry(sk(5), sk(5), std::max(1, width() - sk(11)), std::max(1, height() - sk(11)));
    m_grid->setScrollBars(m_rozmiar.pasek ? ssVertical : ssNone);
    m_grid->setColWidths(0, m_rozmiar.szerKodu);
    m_grid->setColWidths(1, m_rozmiar.szerOpisu);
    m_grid->DopasujWysokoscCel();
    m_lista.UstawWidoczne(m_rozmiar.widoczne);

    if (pole)
        UmiescPodPolem(pole);
    else
        UmiescNadOknem(nullptr);
}

void TdlgKontekst::Szukaj(bool naPoczatek)
{
    // The user may have scrolled meanwhile: search from what is on the screen.
    m_lista.UstawGornyWiersz(m_grid->TopRow());
    m_lista.Szukaj(naPoczatek);
    PokazWybrany();
}

void TdlgKontekst::PokazWybrany()
{
    const int gorny = m_lista.GornyWiersz();
    {
        const QScopedValueRollback<bool> synchronizacja(m_synchronizacja, true);
        m_grid->WybierzKomorke(0, m_lista.Wybrany());
        // A row found below the visible ones comes to the top.
        if (gorny != m_grid->TopRow() && m_lista.Wybrany() == gorny)
            m_grid->setTopRow(gorny);
    }
    m_grid->viewport()->update();
}

void TdlgKontekst::Zatwierdz()
{
    if (Zamkniete())
        return;
    QString param, opis;
    if (!m_lista.Zatwierdz(param, opis))
        return;   // a comment row: the list stays open
    m_wynikParam = param;
    m_wynikOpis = opis;
    ZamknijZWynikiem();
}

void TdlgKontekst::GridDblClick() { Zatwierdz(); }

bool TdlgKontekst::FormKeyDown(QKeyEvent *e)
{
    m_lista.UstawGornyWiersz(m_grid->TopRow());
    switch (m_lista.Klawisz(e->key(), e->text())) {
    case TlistaWyboru::rkZamknij: close(); return true;
    case TlistaWyboru::rkZatwierdz: Zatwierdz(); return true;
    case TlistaWyboru::rkSzukano: PokazWybrany(); return true;
    case TlistaWyboru::rkBrak: break;
    }
    return false;
}

bool TdlgKontekst::eventFilter(QObject *o, QEvent *e)
{
    if (o == m_grid && e->type() == QEvent::KeyPress && FormKeyDown(static_cast<QKeyEvent *>(e)))
        return true;
    return QWidget::eventFilter(o, e);
}

void TdlgKontekst::keyPressEvent(QKeyEvent *e)
{
    if (!FormKeyDown(e))
        QWidget::keyPressEvent(e);
}

void TdlgKontekst::GridDrawCell(QPainter &p, int c, int r, const QRect &R, unsigned stan)
{
    if (!m_lista.JestKod())
        return;
    const QString S = m_grid->Cells(c, r).replace(QLatin1Char('|'), QChar(13));
    const bool wybrany = stan & gdSelected;
    if (m_lista.JestKomentarzem(r)) {
        m_grid->PiszCelke(p, S, R, c, r, QColor(Qt::black), m_klKoment);
        if (wybrany) {
            // Not choosable, but the user must still see where the selection is.
            p.setPen(m_grid->palette().color(QPalette::Highlight));
            p.drawLine(R.left(), R.top(), R.right(), R.top());
            p.drawLine(R.left(), R.bottom(), R.right(), R.bottom());
        }
    } else if (m_lista.JestDodajNowa(r) && !wybrany) {
        m_grid->PiszCelke(p, S, R, c, r, NaQColor(KolorStylu(45)), QColor(Qt::white));
    }
}

bool WybierzZListy(QWidget *forma, const QString &linie, int dlugoscKodu, int szerokosc, int wiersze, int kodCzcionki,
                   QWidget *pole, QString &opis, QString &param)
{
    if (g_otwarty)
        return false;
    opis.clear();
    if (!TlistaWyboru::SaLinie(linie))
        return false;

    QWidget *okno = OknoWlasciciela(forma, pole);
    auto *dlg = new TdlgKontekst(okno, FlagiMalegoOkna(okno, true, {}));
    dlg->WypelnijListe(linie, dlugoscKodu, kodCzcionki);
    dlg->UstawRozmiar(wiersze, szerokosc, pole);
    dlg->UstawSzukany(param);
    dlg->Szukaj(true);
    dlg->UstawSzukany(QString());
    return CzekajNaWynik(dlg, okno, [&param, &opis](TdlgKontekst &d) {
        param = d.FwynikParam();
        opis = d.FwynikOpis();
    });
}
