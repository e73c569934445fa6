#include "siatka.h"

#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <algorithm>

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
        ZamknijEdytor(false);
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
        ZamknijEdytor(false);
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
        ZamknijEdytor(false);
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
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_paskiCzekaja = false;
                    UstawPaski();
                    UstawGeometrieEdytora();
                    viewport()->update();
                },
                Qt::QueuedConnection);
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
        const QScopedValueRollback<bool> f(m_zapisZEdytora, true);
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
        ZamknijEdytor(true);
    m_biezKol = c;
    m_biezWier = r;
    if (kotwica) {
        m_kotwKol = c;
        m_kotwWier = r;
    }
    PoprawZaznaczenie();
    PoprawWidocznosc(c, r);
    if (m_trybEdycji || (m_opcje & goAlwaysShowEditor))
        OtworzEdytor(true);
    viewport()->update();
    emit komorkaWybrana(c, r);
    return true;
}

void TSiatka::setSelection(const TGridRect &s)
{
    if (m_edKol >= 0)
        ZamknijEdytor(true);
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

int TSiatka::SzerStalych() const { return OsKolumn().Stale(); }
int TSiatka::WysStalych() const { return OsWierszy().Stale(); }
int TSiatka::MaksGorny() const { return OsWierszy().MaksPierwsza(viewport()->height()); }
int TSiatka::MaksLewa() const { return OsKolumn().MaksPierwsza(viewport()->width()); }
int TSiatka::VisibleRowCount() const { return OsWierszy().Widocznych(viewport()->height()); }
int TSiatka::VisibleColCount() const { return OsKolumn().Widocznych(viewport()->width()); }

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
    UstawPierwsza(m_gornyWiersz, verticalScrollBar(), std::clamp(r, m_stalychWier, MaksGorny()));
}

void TSiatka::UstawLewa(int c)
{
    UstawPierwsza(m_lewaKol, horizontalScrollBar(), std::clamp(c, m_stalychKol, MaksLewa()));
}

void TSiatka::UstawPierwsza(int &pierwsza, QScrollBar *pasek, int nowa)
{
    if (nowa == pierwsza)
        return;
    pierwsza = nowa;
    {
        const QSignalBlocker b(pasek);
        pasek->setValue(nowa);
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
    if (r >= m_stalychWier)
        UstawGorny(OsWierszy().PierwszaDla(r, viewport()->height()));
    if (c >= m_stalychKol && !(m_opcje & goRowSelect))
        UstawLewa(OsKolumn().PierwszaDla(c, viewport()->width()));
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
    const int x = OsKolumn().Pozycja(c);
    const int y = OsWierszy().Pozycja(r);
    if (x < 0 || y < 0 || x >= viewport()->width() || y >= viewport()->height())
        return QRect();
    return QRect(x, y, m_szer.at(c), m_wys.at(r));
}

bool TSiatka::MouseToCell(const QPoint &p, int &c, int &r) const
{
    c = OsKolumn().Pod(p.x());
    r = OsWierszy().Pod(p.y());
    if (c < 0 || r < 0) {
        c = r = -1;
        return false;
    }
    return true;
}

QSize TSiatka::sizeHint() const
{
    const int ramka = 2 * frameWidth();
    return QSize(std::min(OsKolumn().Calosc(), 800) + ramka, std::min(OsWierszy().Calosc(), 600) + ramka);
}

QSize TSiatka::minimumSizeHint() const { return QSize(40, 30); }

bool TSiatka::MaFokus() const { return hasFocus() || (m_edytor && m_edytor->hasFocus()); }

QColor TSiatka::KolorTekstu() const { return palette().color(QPalette::Text); }

// ---- options and colours

void TSiatka::setOptions(TGridOptions o)
{
    m_opcje = o;
    if (!(o & goEditing) && m_edKol >= 0)
        ZamknijEdytor(true);
    PoprawZaznaczenie();
    UstawPaski();
    viewport()->update();
}

void TSiatka::setScrollBars(TScrollStyle s)
{
    m_paski = s;
    UstawPaski();
}

void TSiatka::setColor(const QColor &c) { UstawIPrzerysuj(m_kolor, c); }

void TSiatka::setFixedColor(const QColor &c) { UstawIPrzerysuj(m_kolorStalych, c); }

void TSiatka::setDrawingStyle(TGridDrawingStyle s) { UstawIPrzerysuj(m_stylRys, s); }

void TSiatka::setGradientStartColor(const QColor &c) { UstawIPrzerysuj(m_gradStart, c); }

void TSiatka::setGradientEndColor(const QColor &c) { UstawIPrzerysuj(m_gradKoniec, c); }

void TSiatka::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::FontChange && m_edytor)
        m_edytor->setFont(font());
    QAbstractScrollArea::changeEvent(e);
}

// ---- editing

bool TSiatka::CanEditShow() const
{
    return (m_opcje & goEditing) && !(m_opcje & goRowSelect) && m_biezKol >= m_stalychKol && m_biezWier >= m_stalychWier
           && m_biezKol < m_kolumn && m_biezWier < m_wierszy;
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
    OtworzEdytor(zaznaczWszystko);
}

void TSiatka::UkryjEdytor()
{
    m_trybEdycji = false;
    ZamknijEdytor(true);
}

void TSiatka::OtworzEdytor(bool zaznaczWszystko)
{
    if (!CanEditShow()) {
        if (m_edKol >= 0)
            ZamknijEdytor(true);
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
        ZamknijEdytor(true);
        const int c = m_biezKol, r = m_biezWier;
        m_edytor->UstawMaske(GetEditMask(c, r));
        const int limit = GetEditLimit(c, r);
        if (m_edytor->Maska().isEmpty())
            m_edytor->setMaxLength(limit > 0 ? limit : 32767);
        m_tekstKomorki = Cells(c, r);
        m_tekstPoczatkowy = GetEditText(c, r);
        {
            const QScopedValueRollback<bool> f(m_zapisZEdytora, true);
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

void TSiatka::ZamknijEdytor(bool zapisz)
{
    if (!m_edytor || m_edKol < 0)
        return;
    const int c = m_edKol, r = m_edWier;
    if (zapisz && m_zmieniony) {
        const QScopedValueRollback<bool> f1(m_zamykanie, true);
        const QScopedValueRollback<bool> f2(m_zapisZEdytora, true);
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
    ZamknijEdytor(false);
    setCells(c, r, m_tekstKomorki);
}

void TSiatka::ZsynchronizujEdytor()
{
    if (!m_edytor || m_edKol < 0)
        return;
    {
        const QScopedValueRollback<bool> f(m_zapisZEdytora, true);
        m_edytor->UstawTekst(GetEditText(m_edKol, m_edWier));
    }
    m_zmieniony = false;
}

void TSiatka::ZmienTekstEdytora(const QString &t)
{
    if (!m_edytor || m_edKol < 0)
        return;
    {
        const QScopedValueRollback<bool> f(m_zapisZEdytora, true);
        m_edytor->UstawTekst(t);
    }
    EdytorZmieniony();
}

void TSiatka::EdytorZmieniony()
{
    if (m_edKol < 0)
        return;
    m_zmieniony = true;
    const QScopedValueRollback<bool> f(m_zapisZEdytora, true);
    SetEditText(m_edKol, m_edWier, m_edytor->Tekst());
}

void TSiatka::UstawGeometrieEdytora()
{
    if (!m_edytor || m_edKol < 0)
        return;
    const QRect R = CellRect(m_edKol, m_edWier);
    const bool widoczna = !R.isEmpty() && m_edKol >= m_stalychKol && m_edWier >= m_stalychWier;
    // A cell scrolled out of sight keeps its editor (and the focus) off screen.
    m_edytor->setGeometry(
        widoczna ? R : QRect(-10000, -10000, std::max(1, m_szer.at(m_edKol)), std::max(1, m_wys.at(m_edWier))));
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
    case Qt::Key_PageDown: Nawiguj(e); return true;
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
            const QScopedValueRollback<bool> f(m_zapisZEdytora, true);
            m_edytor->UstawTekst(m_tekstPoczatkowy);
            setCells(m_edKol, m_edWier, m_tekstKomorki);
            m_zmieniony = false;
        }
        return true;
    default: return false;
    }
}
