// The grid's handling of keys, focus, mouse and painting; its model, geometry and editor are
// in siatka.cpp.
#include "siatka.h"

#include "fokus.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace {

const QColor kLiniaDanych(212, 212, 212);
const QColor kLiniaStalych(160, 160, 160);
constexpr int kStrefaKrawedzi = 3;

}   // namespace

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
    case Qt::Key_PageUp:
        r -= strona;
        UstawGorny(m_gornyWiersz - strona);
        break;
    case Qt::Key_PageDown:
        r += strona;
        UstawGorny(m_gornyWiersz + strona);
        break;
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
    case Qt::Key_Backtab: {
        int tc = c, tr = r;
        if (KrokTabem(e->key() == Qt::Key_Backtab || shift, tc, tr)) {
            c = tc;
            r = tr;
        }
        break;
    }
    default: return;
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
                const QScopedValueRollback<bool> f(m_przekazanieKlawisza, true);
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
    if (m_biezWier < m_stalychWier || m_biezKol < m_stalychKol)
        return wstecz;
    int c = m_biezKol, r = m_biezWier;
    return !KrokTabem(wstecz, c, r);
}

bool TSiatka::KrokTabem(bool wstecz, int &c, int &r) const
{
    bool saPrzystanki = false;
    for (int k = m_stalychKol; k < m_kolumn && !saPrzystanki; ++k)
        saPrzystanki = StopTabem(k);
    do {
        if (wstecz && --c < m_stalychKol) {
            c = m_kolumn - 1;
            --r;
        } else if (!wstecz && ++c >= m_kolumn) {
            c = m_stalychKol;
            ++r;
        }
        if (r < m_stalychWier || r >= m_wierszy)
            return false;
    } while (saPrzystanki && !StopTabem(c));
    return true;
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
    QMetaObject::invokeMethod(
        this, [this] { SprawdzWyjscie(); }, Qt::QueuedConnection);
}

void TSiatka::SprawdzWyjscie()
{
    m_wyjscieCzeka = false;
    if (!MaFokus() && isVisible())
        DoExit();
}

// ---- mouse

// A column's border is grabbed in the fixed rows only, a row's in the fixed columns.
int TSiatka::KrawedzKolumny(const QPoint &p) const
{
    if (!(m_opcje & goColSizing) || !OsWierszy().WStalych(p.y(), viewport()->height()))
        return -1;
    return OsKolumn().Krawedz(p.x(), viewport()->width(), kStrefaKrawedzi);
}

int TSiatka::KrawedzWiersza(const QPoint &p) const
{
    if (!(m_opcje & goRowSizing) || !OsKolumn().WStalych(p.x(), viewport()->width()))
        return -1;
    return OsWierszy().Krawedz(p.y(), viewport()->height(), kStrefaKrawedzi);
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
    const QScopedValueRollback<bool> f(m_wRysowaniu, true);
    QPainter p(viewport());
    const QRect obszar = viewport()->rect();
    p.fillRect(obszar, m_kolor);
    const QPalette pal = palette();
    const bool fokus = MaFokus();
    const int lk = LiniaKol(), lw = LiniaWier();

    const QList<int> wiersze = OsWierszy().DoRysowania(obszar.height());
    const QList<int> kolumny = OsKolumn().DoRysowania(obszar.width());
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
            } else if ((stan & gdSelected)
                       && (!(stan & gdFocused) || (m_opcje & (goDrawFocusSelected | goRowSelect)))) {
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
                p.fillRect(QRect(Rp.right() + 1, Rp.top(), lk, Rp.height() + lw),
                           rysuj ? (stala ? kLiniaStalych : kLiniaDanych) : m_kolor);
            }
            if (lw > 0) {
                const bool rysuj = stala ? (m_opcje & goFixedHorzLine) : (m_opcje & goHorzLine);
                p.fillRect(QRect(Rp.left(), Rp.bottom() + 1, Rp.width() + lk, lw),
                           rysuj ? (stala ? kLiniaStalych : kLiniaDanych) : m_kolor);
            }
        }
    }
}
