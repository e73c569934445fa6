#include "siatka.h"

#include "fokus.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace {

// Clears a flag when the scope ends, also by an exception of the owner's handlers.
struct Flaga {
    explicit Flaga(bool &f) : m_f(f), m_stara(f) { m_f = true; }
    ~Flaga() { m_f = m_stara; }
    bool &m_f;
    bool m_stara;
};

const QColor kLiniaDanych(212, 212, 212);
const QColor kLiniaStalych(160, 160, 160);
constexpr int kStrefaKrawedzi = 3;

} // namespace

// ---------------------------------------------------------------- TEdytorSiatki

TEdytorSiatki::TEdytorSiatki(TSiatka *siatka) : TPoleFiltrowane(siatka->viewport()), m_siatka(siatka)
{
    setFrame(false);
    connect(this, &QLineEdit::textEdited, this, [this] { m_siatka->EdytorZmieniony(); });
}

bool TEdytorSiatki::PrzyjmijZnak(QChar &znak, int pozycja, const QString &tekstPrzed)
{
    return m_siatka->CanEditAcceptKey(znak, pozycja, tekstPrzed);
}

void TEdytorSiatki::WklejTekst(const QString &tekst) { insert(m_siatka->FiltrWklejania(tekst)); }

bool TEdytorSiatki::PrzecinekZKlawiatury() const { return m_siatka->PrzecinekWEdytorze(); }

void TEdytorSiatki::keyPressEvent(QKeyEvent *e)
{
    if (m_siatka->KlawiszEdytora(e)) {
        e->accept();
        return;
    }
    TPoleFiltrowane::keyPressEvent(e);
}

bool TEdytorSiatki::event(QEvent *e)
{
    // Tab would go to the focus chain before keyPressEvent; the grid may want it.
    if (e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) && m_siatka->KlawiszEdytora(k)) {
            k->accept();
            return true;
        }
    }
    return TPoleFiltrowane::event(e);
}

void TEdytorSiatki::focusOutEvent(QFocusEvent *e)
{
    TPoleFiltrowane::focusOutEvent(e);
    m_siatka->UtracilFokus(e);
}

// ---------------------------------------------------------------- TSiatka

TSiatka::TSiatka(QWidget *rodzic) : QAbstractScrollArea(rodzic)
{
    m_kolor = palette().color(QPalette::Base);
    m_kolorStalych = palette().color(QPalette::Button);
    m_gradStart = QColor(255, 255, 255);
    m_gradKoniec = QColor(220, 220, 220);
    m_szer = QList<int>(m_kolumn, m_domSzer);
    m_wys = QList<int>(m_wierszy, m_domWys);
    m_cele = QList<QStringList>(m_wierszy, QStringList(m_kolumn));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    UstawPaski();
}

TSiatka::~TSiatka() = default;

// ---- sizes

void TSiatka::setColCount(int n)
{
    n = std::max(1, n);
    if (n == m_kolumn)
        return;
    if (m_edKol >= n)
        HideEdit(false);
    m_kolumn = n;
    m_szer.resize(n, m_domSzer);
    for (QStringList &w : m_cele) {
        while (w.size() < n)
            w.append(QString());
        while (w.size() > n)
            w.removeLast();
    }
    if (m_stalychKol >= n)
        m_stalychKol = n - 1;
    OgraniczBiezaca();
    UstawPaski();
    viewport()->update();
}

void TSiatka::setRowCount(int n)
{
    n = std::max(1, n);
    if (n == m_wierszy)
        return;
    if (m_edWier >= n)
        HideEdit(false);
    m_wierszy = n;
    m_wys.resize(n, m_domWys);
    m_cele.resize(n, QStringList(m_kolumn));
    if (m_stalychWier >= n)
        m_stalychWier = n - 1;
    OgraniczBiezaca();
    UstawPaski();
    viewport()->update();
}

void TSiatka::setFixedCols(int n)
{
    n = std::clamp(n, 0, m_kolumn - 1);
    m_stalychKol = n;
    m_lewaKol = n;
    OgraniczBiezaca();
    UstawPaski();
    viewport()->update();
}

void TSiatka::setFixedRows(int n)
{
    n = std::clamp(n, 0, m_wierszy - 1);
    m_stalychWier = n;
    m_gornyWiersz = n;
    OgraniczBiezaca();
    UstawPaski();
    viewport()->update();
}

void TSiatka::OgraniczBiezaca()
{
    if (m_biezKol >= 0 || m_biezWier >= 0) {
        m_biezKol = std::clamp(m_biezKol, m_stalychKol, m_kolumn - 1);
        m_biezWier = std::clamp(m_biezWier, m_stalychWier, m_wierszy - 1);
        m_kotwKol = std::clamp(m_kotwKol, m_stalychKol, m_kolumn - 1);
        m_kotwWier = std::clamp(m_kotwWier, m_stalychWier, m_wierszy - 1);
        PoprawZaznaczenie();
    }
    m_gornyWiersz = std::clamp(m_gornyWiersz, m_stalychWier, std::max(m_stalychWier, m_wierszy - 1));
    m_lewaKol = std::clamp(m_lewaKol, m_stalychKol, std::max(m_stalychKol, m_kolumn - 1));
    if (m_edKol >= 0 && (m_edKol != m_biezKol || m_edWier != m_biezWier))
        HideEdit(false);
}

void TSiatka::setDefaultColWidth(int w)
{
    m_domSzer = std::max(0, w);
    m_szer.fill(m_domSzer);
    UstawPaski();
    UstawGeometrieEdytora();
    viewport()->update();
    ColWidthsChanged();
}

void TSiatka::setDefaultRowHeight(int h)
{
    m_domWys = std::max(0, h);
    m_wys.fill(m_domWys);
    PoZmianieDomyslnejWysokosci();
    UstawPaski();
    UstawGeometrieEdytora();
    viewport()->update();
}

int TSiatka::ColWidths(int c) const { return (c >= 0 && c < m_kolumn) ? m_szer.at(c) : 0; }

void TSiatka::setColWidths(int c, int w)
{
    if (c < 0 || c >= m_kolumn)
        return;
    w = std::max(0, w);
    if (m_szer.at(c) == w)
        return;
    m_szer[c] = w;
    UstawPaski();
    UstawGeometrieEdytora();
    viewport()->update();
    ColWidthsChanged();
}

int TSiatka::RowHeights(int r) const { return (r >= 0 && r < m_wierszy) ? m_wys.at(r) : 0; }

void TSiatka::setRowHeights(int r, int h)
{
    if (r < 0 || r >= m_wierszy)
        return;
    h = std::max(0, h);
    if (m_wys.at(r) == h)
        return;
    m_wys[r] = h;
    if (m_wRysowaniu) {
        // sizes change while painting: the scroll bars and the editor follow afterwards
        if (!m_paskiCzekaja) {
            m_paskiCzekaja = true;
            QMetaObject::invokeMethod(this, [this] {
                m_paskiCzekaja = false;
                UstawPaski();
                UstawGeometrieEdytora();
                viewport()->update();
            }, Qt::QueuedConnection);
        }
        return;
    }
    UstawPaski();
    UstawGeometrieEdytora();
    viewport()->update();
}

void TSiatka::setGridLineWidth(int w)
{
    m_grubLinii = std::max(0, w);
    UstawPaski();
    UstawGeometrieEdytora();
    viewport()->update();
}

// ---- cells

QString TSiatka::Cells(int c, int r) const
{
    if (c < 0 || r < 0 || c >= m_kolumn || r >= m_wierszy)
        return QString();
    return m_cele.at(r).at(c);
}

void TSiatka::setCells(int c, int r, const QString &s)
{
    if (c < 0 || r < 0 || c >= m_kolumn || r >= m_wierszy)
        return;
    if (m_cele.at(r).at(c) == s)
        return;
    m_cele[r][c] = s;
    if (c == m_edKol && r == m_edWier && m_edytor && !m_zapisZEdytora) {
        // the program wrote into the cell being edited: the editor shows it, and a cancelled
        // edit goes back to it
        m_tekstKomorki = s;
        const Flaga f(m_zapisZEdytora);
        m_edytor->UstawTekst(GetEditText(c, r));
    }
    const QRect R = CellRect(c, r);
    if (!R.isEmpty())
        viewport()->update(R);
}

// ---- current cell and selection

void TSiatka::PoprawZaznaczenie()
{
    if (m_biezKol < 0 || m_biezWier < 0) {
        m_zazn = TGridRect();
        return;
    }
    m_zazn.Left = std::min(m_kotwKol, m_biezKol);
    m_zazn.Right = std::max(m_kotwKol, m_biezKol);
    m_zazn.Top = std::min(m_kotwWier, m_biezWier);
    m_zazn.Bottom = std::max(m_kotwWier, m_biezWier);
    if (m_opcje & goRowSelect) {
        m_zazn.Left = m_stalychKol;
        m_zazn.Right = m_kolumn - 1;
    }
}

bool TSiatka::WybierzKomorke(int c, int r) { return PrzesunBiezaca(c, r, true); }

bool TSiatka::PrzesunBiezaca(int c, int r, bool kotwica)
{
    c = std::clamp(c, m_stalychKol, m_kolumn - 1);
    r = std::clamp(r, m_stalychWier, m_wierszy - 1);
    if (c == m_biezKol && r == m_biezWier && (!kotwica || (m_kotwKol == c && m_kotwWier == r))) {
        PoprawWidocznosc(c, r);
        return true;
    }
    if (!SelectCell(c, r))
        return false;
    // the editor leaves its cell first; it may hand a text over that the owner refuses
    if (m_edKol >= 0 && (m_edKol != c || m_edWier != r))
        HideEdit(true);
    m_biezKol = c;
    m_biezWier = r;
    if (kotwica) {
        m_kotwKol = c;
        m_kotwWier = r;
    }
    PoprawZaznaczenie();
    PoprawWidocznosc(c, r);
    if (m_trybEdycji || (m_opcje & goAlwaysShowEditor))
        UpdateEdit(true);
    viewport()->update();
    emit komorkaWybrana(c, r);
    return true;
}

void TSiatka::setSelection(const TGridRect &s)
{
    if (m_edKol >= 0)
        HideEdit(true);
    m_kotwKol = s.Left;
    m_kotwWier = s.Top;
    m_biezKol = s.Right;
    m_biezWier = s.Bottom;
    if (s.Left < 0 || s.Top < 0 || s.Right < 0 || s.Bottom < 0) {
        m_biezKol = m_biezWier = m_kotwKol = m_kotwWier = -1;
        m_zazn = TGridRect();
    } else {
        m_zazn = s;
        PoprawWidocznosc(m_biezKol, m_biezWier);
    }
    viewport()->update();
}

bool TSiatka::SelectCell(int c, int r)
{
    bool mozna = true;
    if (OnSelectCell)
        OnSelectCell(c, r, mozna);
    return mozna;
}

// ---- scrolling

int TSiatka::LiniaKol() const { return (m_opcje & (goVertLine | goFixedVertLine)) ? m_grubLinii : 0; }
int TSiatka::LiniaWier() const { return (m_opcje & (goHorzLine | goFixedHorzLine)) ? m_grubLinii : 0; }

int TSiatka::SzerStalych() const
{
    int w = 0;
    for (int c = 0; c < m_stalychKol; ++c)
        w += m_szer.at(c) + LiniaKol();
    return w;
}

int TSiatka::WysStalych() const
{
    int h = 0;
    for (int r = 0; r < m_stalychWier; ++r)
        h += m_wys.at(r) + LiniaWier();
    return h;
}

int TSiatka::MaksGorny() const
{
    const int dostepne = viewport()->height() - WysStalych();
    int t = m_wierszy - 1;
    int suma = m_wys.at(t);
    while (t - 1 >= m_stalychWier && suma + LiniaWier() + m_wys.at(t - 1) <= dostepne) {
        --t;
        suma += LiniaWier() + m_wys.at(t);
    }
    return std::max(m_stalychWier, t);
}

int TSiatka::MaksLewa() const
{
    const int dostepne = viewport()->width() - SzerStalych();
    int l = m_kolumn - 1;
    int suma = m_szer.at(l);
    while (l - 1 >= m_stalychKol && suma + LiniaKol() + m_szer.at(l - 1) <= dostepne) {
        --l;
        suma += LiniaKol() + m_szer.at(l);
    }
    return std::max(m_stalychKol, l);
}

int TSiatka::VisibleRowCount() const
{
    const int dostepne = viewport()->height() - WysStalych();
    int n = 0, y = 0;
    for (int r = m_gornyWiersz; r < m_wierszy; ++r) {
        if (y + m_wys.at(r) > dostepne)
            break;
        ++n;
        y += m_wys.at(r) + LiniaWier();
    }
    return n;
}

int TSiatka::VisibleColCount() const
{
    const int dostepne = viewport()->width() - SzerStalych();
    int n = 0, x = 0;
    for (int c = m_lewaKol; c < m_kolumn; ++c) {
        if (x + m_szer.at(c) > dostepne)
            break;
        ++n;
        x += m_szer.at(c) + LiniaKol();
    }
    return n;
}

void TSiatka::UstawPaski()
{
    auto polityka = [](bool tak) { return tak ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff; };
    setVerticalScrollBarPolicy(polityka(m_paski == ssVertical || m_paski == ssBoth));
    setHorizontalScrollBarPolicy(polityka(m_paski == ssHorizontal || m_paski == ssBoth));
    m_gornyWiersz = std::clamp(m_gornyWiersz, m_stalychWier, MaksGorny());
    m_lewaKol = std::clamp(m_lewaKol, m_stalychKol, MaksLewa());
    {
        const QSignalBlocker b1(verticalScrollBar());
        const QSignalBlocker b2(horizontalScrollBar());
        verticalScrollBar()->setRange(m_stalychWier, MaksGorny());
        verticalScrollBar()->setPageStep(std::max(1, VisibleRowCount()));
        verticalScrollBar()->setValue(m_gornyWiersz);
        horizontalScrollBar()->setRange(m_stalychKol, MaksLewa());
        horizontalScrollBar()->setPageStep(std::max(1, VisibleColCount()));
        horizontalScrollBar()->setValue(m_lewaKol);
    }
}

void TSiatka::UstawGorny(int r)
{
    r = std::clamp(r, m_stalychWier, MaksGorny());
    if (r == m_gornyWiersz)
        return;
    m_gornyWiersz = r;
    {
        const QSignalBlocker b(verticalScrollBar());
        verticalScrollBar()->setValue(r);
    }
    UstawGeometrieEdytora();
    viewport()->update();
}

void TSiatka::UstawLewa(int c)
{
    c = std::clamp(c, m_stalychKol, MaksLewa());
    if (c == m_lewaKol)
        return;
    m_lewaKol = c;
    {
        const QSignalBlocker b(horizontalScrollBar());
        horizontalScrollBar()->setValue(c);
    }
    UstawGeometrieEdytora();
    viewport()->update();
}

void TSiatka::setTopRow(int r) { UstawGorny(r); }
void TSiatka::setLeftCol(int c) { UstawLewa(c); }

void TSiatka::PoprawWidocznosc(int c, int r)
{
    if (c < 0 || r < 0)
        return;
    if (r >= m_stalychWier) {
        if (r < m_gornyWiersz) {
            UstawGorny(r);
        } else {
            // the highest top row from which row r is still fully visible
            const int dostepne = viewport()->height() - WysStalych();
            int t = r;
            int suma = m_wys.at(r);
            while (t - 1 >= m_gornyWiersz && suma + LiniaWier() + m_wys.at(t - 1) <= dostepne) {
                --t;
                suma += LiniaWier() + m_wys.at(t);
            }
            UstawGorny(t);
        }
    }
    if (c >= m_stalychKol && !(m_opcje & goRowSelect)) {
        if (c < m_lewaKol) {
            UstawLewa(c);
        } else {
            const int dostepne = viewport()->width() - SzerStalych();
            int l = c;
            int suma = m_szer.at(c);
            while (l - 1 >= m_lewaKol && suma + LiniaKol() + m_szer.at(l - 1) <= dostepne) {
                --l;
                suma += LiniaKol() + m_szer.at(l);
            }
            UstawLewa(l);
        }
    }
}

void TSiatka::scrollContentsBy(int, int)
{
    m_gornyWiersz = verticalScrollBar()->value();
    m_lewaKol = horizontalScrollBar()->value();
    UstawGeometrieEdytora();
    viewport()->update();
}

// ---- geometry

QRect TSiatka::CellRect(int c, int r) const
{
    if (c < 0 || r < 0 || c >= m_kolumn || r >= m_wierszy)
        return QRect();
    int x = 0;
    if (c < m_stalychKol) {
        for (int i = 0; i < c; ++i)
            x += m_szer.at(i) + LiniaKol();
    } else {
        if (c < m_lewaKol)
            return QRect();
        x = SzerStalych();
        for (int i = m_lewaKol; i < c; ++i)
            x += m_szer.at(i) + LiniaKol();
    }
    int y = 0;
    if (r < m_stalychWier) {
        for (int i = 0; i < r; ++i)
            y += m_wys.at(i) + LiniaWier();
    } else {
        if (r < m_gornyWiersz)
            return QRect();
        y = WysStalych();
        for (int i = m_gornyWiersz; i < r; ++i)
            y += m_wys.at(i) + LiniaWier();
    }
    if (x >= viewport()->width() || y >= viewport()->height())
        return QRect();
    return QRect(x, y, m_szer.at(c), m_wys.at(r));
}

bool TSiatka::MouseToCell(const QPoint &p, int &c, int &r) const
{
    c = r = -1;
    auto szukaj = [](int poz, int stalych, int od, int ile, const QList<int> &rozm, int linia) {
        int x = 0;
        for (int i = 0; i < stalych; ++i) {
            if (poz < x + rozm.at(i) + linia)
                return i;
            x += rozm.at(i) + linia;
        }
        for (int i = od; i < ile; ++i) {
            if (poz < x + rozm.at(i) + linia)
                return i;
            x += rozm.at(i) + linia;
        }
        return -1;
    };
    if (p.x() < 0 || p.y() < 0)
        return false;
    c = szukaj(p.x(), m_stalychKol, m_lewaKol, m_kolumn, m_szer, LiniaKol());
    r = szukaj(p.y(), m_stalychWier, m_gornyWiersz, m_wierszy, m_wys, LiniaWier());
    if (c < 0 || r < 0) {
        c = r = -1;
        return false;
    }
    return true;
}

QSize TSiatka::sizeHint() const
{
    int w = 0, h = 0;
    for (int c = 0; c < m_kolumn; ++c)
        w += m_szer.at(c) + LiniaKol();
    for (int r = 0; r < m_wierszy; ++r)
        h += m_wys.at(r) + LiniaWier();
    const int ramka = 2 * frameWidth();
    return QSize(std::min(w, 800) + ramka, std::min(h, 600) + ramka);
}

QSize TSiatka::minimumSizeHint() const { return QSize(40, 30); }

bool TSiatka::MaFokus() const { return hasFocus() || (m_edytor && m_edytor->hasFocus()); }

QColor TSiatka::KolorTekstu() const { return palette().color(QPalette::Text); }

// ---- options and colours

void TSiatka::setOptions(unsigned o)
{
    m_opcje = o;
    if (!(o & goEditing) && m_edKol >= 0)
        HideEdit(true);
    PoprawZaznaczenie();
    UstawPaski();
    viewport()->update();
}

void TSiatka::setScrollBars(TScrollStyle s)
{
    m_paski = s;
    UstawPaski();
}

void TSiatka::setColor(const QColor &c)
{
    m_kolor = c;
    viewport()->update();
}

void TSiatka::setFixedColor(const QColor &c)
{
    m_kolorStalych = c;
    viewport()->update();
}

void TSiatka::setDrawingStyle(TGridDrawingStyle s)
{
    m_stylRys = s;
    viewport()->update();
}

void TSiatka::setGradientStartColor(const QColor &c)
{
    m_gradStart = c;
    viewport()->update();
}

void TSiatka::setGradientEndColor(const QColor &c)
{
    m_gradKoniec = c;
    viewport()->update();
}

void TSiatka::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::FontChange && m_edytor)
        m_edytor->setFont(font());
    QAbstractScrollArea::changeEvent(e);
}

// ---- editing

bool TSiatka::CanEditShow() const
{
    return (m_opcje & goEditing) && !(m_opcje & goRowSelect) && m_biezKol >= m_stalychKol
           && m_biezWier >= m_stalychWier && m_biezKol < m_kolumn && m_biezWier < m_wierszy;
}

bool TSiatka::CanEditAcceptKey(QChar &, int, const QString &) { return true; }

QString TSiatka::GetEditMask(int c, int r)
{
    QString m;
    if (OnGetEditMask)
        OnGetEditMask(c, r, m);
    return m;
}

QString TSiatka::GetEditText(int c, int r)
{
    QString t = Cells(c, r);
    if (OnGetEditText)
        OnGetEditText(c, r, t);
    return t;
}

void TSiatka::SetEditText(int c, int r, const QString &v) { setCells(c, r, v); }

int TSiatka::GetEditLimit(int, int) const { return 0; }

void TSiatka::PrzygotujEdytor(TEdytorSiatki *, int, int) {}

void TSiatka::EdytorUtworzony(TEdytorSiatki *) {}

bool TSiatka::KlawiszWEdycji(QKeyEvent *) { return false; }

void TSiatka::setEditorMode(bool v)
{
    if (v)
        PokazEdytor(true);
    else
        UkryjEdytor();
}

void TSiatka::PokazEdytor(bool zaznaczWszystko)
{
    if (!CanEditShow())
        return;
    m_trybEdycji = true;
    UpdateEdit(zaznaczWszystko);
}

void TSiatka::UkryjEdytor()
{
    m_trybEdycji = false;
    HideEdit(true);
}

void TSiatka::UpdateEdit(bool zaznaczWszystko)
{
    if (!CanEditShow()) {
        if (m_edKol >= 0)
            HideEdit(true);
        return;
    }
    if (!m_edytor) {
        m_edytor = new TEdytorSiatki(this);
        m_edytor->setFont(font());
        m_edytor->hide();
        EdytorUtworzony(m_edytor);
    }
    const bool zFokusem = MaFokus();
    if (m_edKol != m_biezKol || m_edWier != m_biezWier) {
        HideEdit(true);
        const int c = m_biezKol, r = m_biezWier;
        m_edytor->UstawMaske(GetEditMask(c, r));
        const int limit = GetEditLimit(c, r);
        if (m_edytor->Maska().isEmpty())
            m_edytor->setMaxLength(limit > 0 ? limit : 32767);
        m_tekstKomorki = Cells(c, r);
        m_tekstPoczatkowy = GetEditText(c, r);
        {
            const Flaga f(m_zapisZEdytora);
            m_edytor->UstawTekst(m_tekstPoczatkowy);
        }
        PrzygotujEdytor(m_edytor, c, r);
        m_edKol = c;
        m_edWier = r;
        m_zmieniony = false;
        if (zaznaczWszystko)
            m_edytor->selectAll();
        else
            m_edytor->end(false);
    }
    UstawGeometrieEdytora();
    m_edytor->show();
    if (zFokusem)
        m_edytor->setFocus(Qt::OtherFocusReason);
}

void TSiatka::HideEdit(bool zapisz)
{
    if (!m_edytor || m_edKol < 0)
        return;
    const int c = m_edKol, r = m_edWier;
    if (zapisz && m_zmieniony) {
        const Flaga f1(m_zamykanie);
        const Flaga f2(m_zapisZEdytora);
        m_zmieniony = false;
        SetEditText(c, r, m_edytor->Tekst());
    }
    m_edKol = m_edWier = -1;
    const bool mialFokus = m_edytor->hasFocus();
    m_edytor->hide();
    if (mialFokus)
        setFocus(Qt::OtherFocusReason);
    viewport()->update();
}

void TSiatka::AnulujEdytor()
{
    if (!m_edytor || m_edKol < 0)
        return;
    const int c = m_edKol, r = m_edWier;
    m_zmieniony = false;
    m_trybEdycji = false;
    HideEdit(false);
    setCells(c, r, m_tekstKomorki);
}

void TSiatka::ZsynchronizujEdytor()
{
    if (!m_edytor || m_edKol < 0)
        return;
    {
        const Flaga f(m_zapisZEdytora);
        m_edytor->UstawTekst(GetEditText(m_edKol, m_edWier));
    }
    m_zmieniony = false;
}

void TSiatka::ZmienTekstEdytora(const QString &t)
{
    if (!m_edytor || m_edKol < 0)
        return;
    {
        const Flaga f(m_zapisZEdytora);
        m_edytor->UstawTekst(t);
    }
    EdytorZmieniony();
}

void TSiatka::EdytorZmieniony()
{
    if (m_edKol < 0)
        return;
    m_zmieniony = true;
    const Flaga f(m_zapisZEdytora);
    SetEditText(m_edKol, m_edWier, m_edytor->Tekst());
}

void TSiatka::UstawGeometrieEdytora()
{
    if (!m_edytor || m_edKol < 0)
        return;
    const QRect R = CellRect(m_edKol, m_edWier);
    const bool widoczna = !R.isEmpty() && m_edKol >= m_stalychKol && m_edWier >= m_stalychWier;
    // A cell scrolled out of sight keeps its editor (and the focus) off screen.
    m_edytor->setGeometry(widoczna ? R : QRect(-10000, -10000, std::max(1, m_szer.at(m_edKol)), std::max(1, m_wys.at(m_edWier))));
}

bool TSiatka::KlawiszEdytora(QKeyEvent *e)
{
    if (e->type() != QEvent::KeyPress || m_przekazanieKlawisza)
        return false;
    if (OnKeyDown) {
        int k = e->key();
        OnKeyDown(k, e->modifiers());
        if (k == 0)
            return true;
    }
    if (KlawiszWEdycji(e))
        return true;
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        Nawiguj(e);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (TabWychodzi(e)) {
            WyjdzTabem(e);
            return true;
        }
        if (m_opcje & goTabs) {
            Nawiguj(e);
            return true;
        }
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!(m_opcje & goAlwaysShowEditor))
            UkryjEdytor();
        return true;
    case Qt::Key_Escape:
        if (!(m_opcje & goAlwaysShowEditor)) {
            AnulujEdytor();
        } else {
            const Flaga f(m_zapisZEdytora);
            m_edytor->UstawTekst(m_tekstPoczatkowy);
            setCells(m_edKol, m_edWier, m_tekstKomorki);
            m_zmieniony = false;
        }
        return true;
    default:
        return false;
    }
}

// ---- keys

void TSiatka::Nawiguj(QKeyEvent *e)
{
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    int c = m_biezKol, r = m_biezWier;
    if (c < m_stalychKol || r < m_stalychWier) {
        c = m_stalychKol;
        r = m_stalychWier;
    }
    const int ostK = m_kolumn - 1, ostW = m_wierszy - 1;
    const int strona = std::max(1, VisibleRowCount());
    bool kotwica = true;
    switch (e->key()) {
    case Qt::Key_Up: --r; break;
    case Qt::Key_Down: ++r; break;
    case Qt::Key_PageUp: r -= strona; UstawGorny(m_gornyWiersz - strona); break;
    case Qt::Key_PageDown: r += strona; UstawGorny(m_gornyWiersz + strona); break;
    case Qt::Key_Left:
        if (m_opcje & goRowSelect) {
            UstawLewa(m_lewaKol - 1);
            return;
        }
        --c;
        break;
    case Qt::Key_Right:
        if (m_opcje & goRowSelect) {
            UstawLewa(m_lewaKol + 1);
            return;
        }
        ++c;
        break;
    case Qt::Key_Home:
        c = m_stalychKol;
        if (ctrl)
            r = m_stalychWier;
        break;
    case Qt::Key_End:
        c = ostK;
        if (ctrl)
            r = ostW;
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (e->key() == Qt::Key_Backtab || shift) {
            if (--c < m_stalychKol) {
                if (r > m_stalychWier) {
                    c = ostK;
                    --r;
                } else {
                    c = m_stalychKol;
                }
            }
        } else if (++c > ostK) {
            if (r < ostW) {
                c = m_stalychKol;
                ++r;
            } else {
                c = ostK;
            }
        }
        break;
    default:
        return;
    }
    const bool strzalka = e->key() == Qt::Key_Up || e->key() == Qt::Key_Down || e->key() == Qt::Key_Left
                          || e->key() == Qt::Key_Right || e->key() == Qt::Key_Home || e->key() == Qt::Key_End
                          || e->key() == Qt::Key_PageUp || e->key() == Qt::Key_PageDown;
    if (shift && strzalka && (m_opcje & goRangeSelect) && !EdytorOtwarty())
        kotwica = false;
    PrzesunBiezaca(std::clamp(c, m_stalychKol, ostK), std::clamp(r, m_stalychWier, ostW), kotwica);
}

void TSiatka::keyPressEvent(QKeyEvent *e)
{
    // A key the editor did not use comes up here; the owner and the grid have seen it in
    // the editor already, so it goes on to the window.
    if (m_edytor && m_edytor->hasFocus()) {
        e->ignore();
        return;
    }
    if (OnKeyDown) {
        int k = e->key();
        OnKeyDown(k, e->modifiers());
        if (k == 0) {
            e->accept();
            return;
        }
    }
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        Nawiguj(e);
        e->accept();
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (TabWychodzi(e)) {
            WyjdzTabem(e);
            e->accept();
            return;
        }
        if (m_opcje & goTabs) {
            Nawiguj(e);
            e->accept();
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if ((m_opcje & goEditing) && !(m_opcje & goAlwaysShowEditor) && CanEditShow()) {
            if (EdytorOtwarty())
                UkryjEdytor();
            else
                PokazEdytor(true);
            e->accept();
            return;
        }
        break;
    case Qt::Key_F2:
        if (CanEditShow()) {
            PokazEdytor(false);
            e->accept();
            return;
        }
        break;
    default: {
        const QString t = e->text();
        const bool drukowalny = !t.isEmpty() && t.at(0).unicode() >= 32 && t.at(0).unicode() != 127;
        if (drukowalny && CanEditShow()) {
            PokazEdytor(true);
            if (m_edytor && EdytorOtwarty()) {
                // the editor gets the character through its own rules
                // the owner has seen this key already
                const Flaga f(m_przekazanieKlawisza);
                QKeyEvent kopia(e->type(), e->key(), e->modifiers(), t, e->isAutoRepeat(), quint16(e->count()));
                QCoreApplication::sendEvent(m_edytor, &kopia);
            }
            e->accept();
            return;
        }
        break;
    }
    }
    QAbstractScrollArea::keyPressEvent(e);
}

bool TSiatka::TabWychodzi(const QKeyEvent *e) const
{
    if (e->key() != Qt::Key_Tab && e->key() != Qt::Key_Backtab)
        return false;
    if (e->modifiers() & Qt::ControlModifier)
        return true;
    if (!(m_opcje & goTabs))
        return false;   // the focus chain takes Tab as for any control
    const bool wstecz = e->key() == Qt::Key_Backtab || (e->modifiers() & Qt::ShiftModifier);
    if (wstecz)
        return m_biezWier < m_stalychWier || (m_biezWier == m_stalychWier && m_biezKol <= m_stalychKol);
    return m_biezWier >= m_wierszy - 1 && m_biezKol >= m_kolumn - 1;
}

void TSiatka::WyjdzTabem(const QKeyEvent *e)
{
    const bool wstecz = e->key() == Qt::Key_Backtab || (e->modifiers() & Qt::ShiftModifier);
    // The neighbour in the window's chain, the grid's own editor passed over; an open
    // cell is finished by the grid's leaving, as for a click elsewhere.
    for (QWidget *w = wstecz ? previousInFocusChain() : nextInFocusChain(); w && w != this;
         w = wstecz ? w->previousInFocusChain() : w->nextInFocusChain()) {
        if (isAncestorOf(w) || w->window() != window() || !w->isVisible() || !w->isEnabled()
            || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        w->setFocus(wstecz ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        return;
    }
}

bool TSiatka::focusNextPrevChild(bool next)
{
    if ((m_opcje & goTabs) && MaFokus())
        return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

// ---- focus

void TSiatka::focusInEvent(QFocusEvent *e)
{
    QAbstractScrollArea::focusInEvent(e);
    if (EdytorOtwarty() && m_edytor && m_edytor->isVisible() && e->reason() != Qt::OtherFocusReason)
        m_edytor->setFocus(Qt::OtherFocusReason);
    viewport()->update();
}

void TSiatka::focusOutEvent(QFocusEvent *e)
{
    QAbstractScrollArea::focusOutEvent(e);
    UtracilFokus(e);
    viewport()->update();
}

void TSiatka::UtracilFokus(QFocusEvent *e)
{
    if (!PrawdziweWyjscie(e) || m_wyjscieCzeka)
        return;
    // Whether the focus left the grid for good is known once the change is complete
    // (the editor hands the focus to the grid and back all the time).
    m_wyjscieCzeka = true;
    QMetaObject::invokeMethod(this, [this] { SprawdzWyjscie(); }, Qt::QueuedConnection);
}

void TSiatka::SprawdzWyjscie()
{
    m_wyjscieCzeka = false;
    if (!MaFokus() && isVisible())
        DoExit();
}

// ---- mouse

int TSiatka::KrawedzKolumny(const QPoint &p) const
{
    if (!(m_opcje & goColSizing) || p.y() >= WysStalych())
        return -1;
    for (int c = 0; c < m_kolumn; ++c) {
        const QRect R = CellRect(c, 0);
        if (R.isEmpty())
            continue;
        const int prawa = R.right() + 1;
        if (std::abs(p.x() - prawa) <= kStrefaKrawedzi)
            return c;
    }
    return -1;
}

int TSiatka::KrawedzWiersza(const QPoint &p) const
{
    if (!(m_opcje & goRowSizing) || p.x() >= SzerStalych())
        return -1;
    for (int r = 0; r < m_wierszy; ++r) {
        const QRect R = CellRect(0, r);
        if (R.isEmpty())
            continue;
        const int dol = R.bottom() + 1;
        if (std::abs(p.y() - dol) <= kStrefaKrawedzi)
            return r;
    }
    return -1;
}

void TSiatka::mousePressEvent(QMouseEvent *e)
{
    m_klikNaBiezacej = false;
    if (e->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(e);
        return;
    }
    const QPoint p = e->position().toPoint();
    if ((m_rozmiarKol = KrawedzKolumny(p)) >= 0) {
        m_poczatekRozmiaru = p.x();
        m_rozmiarPoczatkowy = m_szer.at(m_rozmiarKol);
        return;
    }
    if ((m_rozmiarWier = KrawedzWiersza(p)) >= 0) {
        m_poczatekRozmiaru = p.y();
        m_rozmiarPoczatkowy = m_wys.at(m_rozmiarWier);
        return;
    }
    int c, r;
    if (!MouseToCell(p, c, r) || c < m_stalychKol || r < m_stalychWier)
        return;
    const bool naBiezacej = c == m_biezKol && r == m_biezWier;
    const bool rozszerz = (e->modifiers() & Qt::ShiftModifier) && (m_opcje & goRangeSelect);
    if (!PrzesunBiezaca(c, r, !rozszerz)) {
        if (EdytorOtwarty() && m_edytor)
            m_edytor->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_przeciaganie = (m_opcje & goRangeSelect) != 0;
    m_klikNaBiezacej = naBiezacej;
}

void TSiatka::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint p = e->position().toPoint();
    if (m_rozmiarKol >= 0) {
        setColWidths(m_rozmiarKol, std::max(0, m_rozmiarPoczatkowy + p.x() - m_poczatekRozmiaru));
        return;
    }
    if (m_rozmiarWier >= 0) {
        setRowHeights(m_rozmiarWier, std::max(0, m_rozmiarPoczatkowy + p.y() - m_poczatekRozmiaru));
        return;
    }
    if (!(e->buttons() & Qt::LeftButton)) {
        if (KrawedzKolumny(p) >= 0)
            viewport()->setCursor(Qt::SplitHCursor);
        else if (KrawedzWiersza(p) >= 0)
            viewport()->setCursor(Qt::SplitVCursor);
        else
            viewport()->unsetCursor();
        return;
    }
    int c, r;
    if (m_przeciaganie && MouseToCell(p, c, r) && c >= m_stalychKol && r >= m_stalychWier)
        PrzesunBiezaca(c, r, false);
}

void TSiatka::mouseReleaseEvent(QMouseEvent *e)
{
    if (m_rozmiarKol >= 0) {
        const int c = m_rozmiarKol;
        m_rozmiarKol = -1;
        emit szerokoscZmieniona(c);
        return;
    }
    if (m_rozmiarWier >= 0) {
        m_rozmiarWier = -1;
        return;
    }
    m_przeciaganie = false;
    if (e->button() == Qt::LeftButton && m_klikNaBiezacej && !EdytorOtwarty() && CanEditShow())
        PokazEdytor(true);
    m_klikNaBiezacej = false;
}

void TSiatka::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    int c, r;
    if (!MouseToCell(e->position().toPoint(), c, r) || c < m_stalychKol || r < m_stalychWier)
        return;
    if (OnDblClick)
        OnDblClick();
    if (!EdytorOtwarty() && CanEditShow() && c == m_biezKol && r == m_biezWier)
        PokazEdytor(true);
}

void TSiatka::wheelEvent(QWheelEvent *e)
{
    const int kroki = e->angleDelta().y() / 120;
    if (kroki != 0)
        UstawGorny(m_gornyWiersz - 3 * kroki);
    e->accept();
}

void TSiatka::resizeEvent(QResizeEvent *e)
{
    QAbstractScrollArea::resizeEvent(e);
    UstawPaski();
    UstawGeometrieEdytora();
}

// ---- painting

void TSiatka::DrawCell(QPainter &p, int c, int r, const QRect &R, unsigned stan)
{
    p.drawText(R.adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, Cells(c, r));
    if (OnDrawCell)
        OnDrawCell(p, c, r, R, stan);
}

void TSiatka::paintEvent(QPaintEvent *)
{
    const Flaga f(m_wRysowaniu);
    QPainter p(viewport());
    const QRect obszar = viewport()->rect();
    p.fillRect(obszar, m_kolor);
    const QPalette pal = palette();
    const bool fokus = MaFokus();
    const int lk = LiniaKol(), lw = LiniaWier();

    QList<int> wiersze, kolumny;
    for (int r = 0; r < m_stalychWier; ++r)
        wiersze.append(r);
    for (int r = m_gornyWiersz, y = WysStalych(); r < m_wierszy && y < obszar.height(); ++r) {
        wiersze.append(r);
        y += m_wys.at(r) + lw;
    }
    for (int c = 0; c < m_stalychKol; ++c)
        kolumny.append(c);
    for (int c = m_lewaKol, x = SzerStalych(); c < m_kolumn && x < obszar.width(); ++c) {
        kolumny.append(c);
        x += m_szer.at(c) + lk;
    }

    for (int r : wiersze) {
        for (int c : kolumny) {
            const QRect R = CellRect(c, r);
            if (R.isEmpty() && (m_szer.at(c) > 0 && m_wys.at(r) > 0))
                continue;
            const bool stala = c < m_stalychKol || r < m_stalychWier;
            unsigned stan = 0;
            if (stala) {
                stan |= gdFixed;
            } else {
                if (fokus && c == m_biezKol && r == m_biezWier)
                    stan |= gdFocused;
                if (m_zazn.Zawiera(c, r))
                    stan |= gdSelected;
            }
            QColor tlo, pismo;
            if (stala) {
                tlo = KolorStalych();
                pismo = KolorTekstu();
            } else if ((stan & gdSelected) && (!(stan & gdFocused) || (m_opcje & (goDrawFocusSelected | goRowSelect)))) {
                tlo = pal.color(QPalette::Highlight);
                pismo = pal.color(QPalette::HighlightedText);
            } else {
                tlo = m_kolor;
                pismo = KolorTekstu();
            }
            if (R.width() > 0 && R.height() > 0) {
                p.save();
                p.setClipRect(R);
                p.fillRect(R, tlo);
                p.setBrush(tlo);
                p.setPen(pismo);
                p.setFont(font());
                DrawCell(p, c, r, R, stan);
                p.restore();
                if ((stan & gdFocused) && !(m_opcje & (goRowSelect | goDrawFocusSelected))
                    && !(EdytorOtwarty() && c == m_edKol && r == m_edWier)) {
                    QStyleOptionFocusRect o;
                    o.initFrom(viewport());
                    o.rect = R.adjusted(1, 1, -1, -1);
                    o.backgroundColor = tlo;
                    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, viewport());
                }
            }
            // lines on the right and bottom edge
            const QRect Rp = QRect(R.x(), R.y(), m_szer.at(c), m_wys.at(r));
            if (lk > 0) {
                const bool rysuj = stala ? (m_opcje & goFixedVertLine) : (m_opcje & goVertLine);
                p.fillRect(QRect(Rp.right() + 1, Rp.top(), lk, Rp.height() + lw), rysuj ? (stala ? kLiniaStalych : kLiniaDanych) : m_kolor);
            }
            if (lw > 0) {
                const bool rysuj = stala ? (m_opcje & goFixedHorzLine) : (m_opcje & goHorzLine);
                p.fillRect(QRect(Rp.left(), Rp.bottom() + 1, Rp.width() + lk, lw), rysuj ? (stala ? kLiniaStalych : kLiniaDanych) : m_kolor);
            }
        }
    }
}
