#include "mojkalendarz.h"

#include "common/daty.h"
#include "common/teksty.h"

#include <QDate>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace {
QColor Q(TKolor c) { return QColor::fromRgb(Czerwony(c), Zielony(c), Niebieski(c)); }

TKolor Rzeczywisty(TKolor c) { return JestKoloremSystemowym(c) ? KolorNormalny(c) : c; }
}   // namespace

TmojKalendarz::TmojKalendarz(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    const QDate d = QDate::currentDate();
    FKrok = d.year();
    FKmsc = d.month();
    FKdni = d.day();
    // Settles the selection; Fstart keeps OnChange quiet for this first change.
    UstawDate(0, 0, 0);
}

double TmojKalendarz::DataKalen() const { return KodujDate(FKrok, FKmsc, FKdni, 0); }

void TmojKalendarz::setXHfontNagl(int n)
{
    FHfontNagl = qBound(4, n, 72);
    update();
}

void TmojKalendarz::setXHnagl(int n)
{
    FHnagl = qMax(0, n);
    update();
}

void TmojKalendarz::setXautoGradient(int n)
{
    FautoGradient = Ogranicz(n, 0, 50);
    update();
}

void TmojKalendarz::setXautoFixLinie(bool b)
{
    FautoFixLinie = b;
    update();
}

void TmojKalendarz::setXautoFixKolor(int n)
{
    FautoFixKolor = Ogranicz(n, 0, 3);
    update();
}

void TmojKalendarz::setColor(TKolor c)
{
    FKolor = c;
    update();
}

TKolor TmojKalendarz::FixedColor() const { return KolorNaglowkaKalendarza(FautoFixKolor); }

void TmojKalendarz::setKolorCzcionki(TKolor c)
{
    FKolorCzcionki = c;
    update();
}

void TmojKalendarz::setFlat(bool b)
{
    FFlat = b;
    update();
}

void TmojKalendarz::setGridLineWidth(int n)
{
    FLinia = qBound(0, n, 10);
    update();
}

TparaDaty TmojKalendarz::OpisDaty(int rok, int miesiac, int dzien) const
{
    return ::OpisDaty(rok == 0 ? FKrok : rok, miesiac == 0 ? FKmsc : miesiac, dzien == 0 ? FKdni : dzien);
}

void TmojKalendarz::DzienNaCele(int n, int &ACol, int &ARow) const { ::DzienNaCele(OpisDaty(0, 0, 0), n, ACol, ARow); }

int TmojKalendarz::CelaNaDzien(int ACol, int ARow) const { return ::CelaNaDzien(OpisDaty(0, 0, 0), ACol, ARow); }

void TmojKalendarz::ZmianaMiesiaca(int delta)
{
    const TparaDaty p = ::ZmianaMiesiaca(OpisDaty(0, 0, 0), delta);
    UstawDate(p.R, p.M, p.D);
}

void TmojKalendarz::UstawDate(double dzien)
{
    int r = 0, m = 0, d = 0;
    if (dzien != 0)
        RozkodujDate(dzien, r, m, d);
    UstawDate(r, m, d);
}

void TmojKalendarz::UstawDate(int rok, int miesiac, int dzien)
{
    const TparaDaty p = OpisDaty(rok, miesiac, dzien);
    bool akceptuj = true;
    if (OnAkceptuj)
        OnAkceptuj(p, akceptuj);
    if (akceptuj) {
        FKrok = p.R;
        FKmsc = p.M;
        FKdni = p.D;
    }
    update();
    if (akceptuj && !Fstart && OnChange)
        OnChange();
    Fstart = false;
}

int TmojKalendarz::Col() const
{
    int c = 0, r = 0;
    DzienNaCele(FKdni, c, r);
    return c;
}

int TmojKalendarz::Row() const
{
    int c = 0, r = 0;
    DzienNaCele(FKdni, c, r);
    return r;
}

TrozmiarKomorek TmojKalendarz::Komorki() const { return RozmiarKomorek(width(), height(), FLinia, FHnagl); }

QRect TmojKalendarz::ProstokatCeli(int ACol, int ARow) const
{
    const TrozmiarKomorek k = Komorki();
    const int x = ACol * (k.szerKolumny + FLinia);
    if (ARow == 0)
        return QRect(x, 0, k.szerKolumny, k.wysNaglowka);
    const int y = k.wysNaglowka + FLinia + (ARow - 1) * (k.wysWiersza + FLinia);
    return QRect(x, y, k.szerKolumny, k.wysWiersza);
}

bool TmojKalendarz::CelaWPunkcie(const QPoint &p, int &ACol, int &ARow) const
{
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 7; ++c)
            if (ProstokatCeli(c, r).contains(p)) {
                ACol = c;
                ARow = r;
                return true;
            }
    return false;
}

QSize TmojKalendarz::sizeHint() const { return QSize(7 * 23 + 6 * FLinia, 7 * 16 + 6 * FLinia); }
QSize TmojKalendarz::minimumSizeHint() const { return QSize(7 * 12 + 6 * FLinia, 7 * 10 + 6 * FLinia); }

void TmojKalendarz::KoloryCeli(const TparaDaty &p, bool wybrana, TKolor &tlo, TKolor &czcionka) const
{
    KoloryKomorki(p, wybrana, Rzeczywisty(FKolor), Rzeczywisty(FKolorCzcionki), tlo, czcionka);
    if (OnAkcKolor)
        OnAkcKolor(p, wybrana, tlo, czcionka);
}

void TmojKalendarz::paintEvent(QPaintEvent *)
{
    QPainter g(this);
    const TKolor tloSiatki = Rzeczywisty(FKolor);
    // The lines between cells: a light tint of the header lines.
    g.fillRect(rect(), Q(Srednia(tloSiatki, Srednia(tloSiatki, KolorStylu(23)))));

    // Header: the day names on a gradient derived from the header colour.
    TKolor start = 0, koniec = 0;
    ParaGradientu(FixedColor(), FautoGradient, start, koniec);
    QFont fn = font();
    fn.setPointSize(FHfontNagl);
    g.setFont(fn);
    for (int c = 0; c < 7; ++c) {
        const QRect r = ProstokatCeli(c, 0);
        QLinearGradient gr(r.topLeft(), r.bottomLeft());
        gr.setColorAt(0, Q(start));
        gr.setColorAt(1, Q(koniec));
        g.fillRect(r, gr);
        g.setPen(Q(FKolorCzcionki));
        g.drawText(r, Qt::AlignCenter, kNazwyDniKalendarza[c]);
        if (FFlat && FautoFixLinie && FLinia > 0) {
            g.setPen(Qt::NoPen);
            g.setBrush(Q(KolorStylu(23)));
            g.drawRect(QRect(r.left(), r.bottom() + 1, r.width() + FLinia, FLinia));
            if (c < 6)
                g.drawRect(QRect(r.right() + 1, r.top(), FLinia, r.height()));
            g.setBrush(Qt::NoBrush);
        }
    }

    const TparaDaty wybrany = OpisDaty(0, 0, 0);
    const int wCol = Col(), wRow = Row();
    QFont fd = font();
    for (int r = 1; r < 7; ++r) {
        for (int c = 0; c < 7; ++c) {
            const QRect rc = ProstokatCeli(c, r);
            const int dzien = ::CelaNaDzien(wybrany, c, r);
            if (dzien == 0) {
                g.fillRect(rc, Q(tloSiatki));
                continue;
            }
            const bool jestWybrana = c == wCol && r == wRow;
            const TparaDaty p = ::OpisDaty(FKrok, FKmsc, dzien);
            TKolor tlo = 0, czc = 0;
            KoloryCeli(p, jestWybrana, tlo, czc);
            g.fillRect(rc, Q(tlo));
            if (OnRysCela) {
                g.save();
                OnRysCela(c, r, g, rc, jestWybrana, p);
                g.restore();
                continue;
            }
            if (jestWybrana) {
                // A clear mark of the selected day, stronger while the grid has the focus.
                g.setPen(QPen(Q(KolorWzgledny(KolorStylu(106), hasFocus() ? -110 : -60)), 1));
                g.drawRect(rc.adjusted(0, 0, -1, -1));
            }
            fd.setBold(jestWybrana);
            g.setFont(fd);
            g.setPen(Q(czc));
            g.drawText(rc, Qt::AlignCenter, QString::number(dzien));
        }
    }
}

bool TmojKalendarz::WybierzCele(const QPoint &p)
{
    int c = 0, r = 0;
    if (FReadOnly || !CelaWPunkcie(p, c, r))
        return false;
    const int dzien = CelaNaDzien(c, r);
    if (dzien == 0)
        return false;
    UstawDate(0, 0, dzien);
    return true;
}

void TmojKalendarz::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        WybierzCele(e->position().toPoint());
    QWidget::mousePressEvent(e);
}

void TmojKalendarz::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    int c = 0, r = 0;
    // Only a day cell chooses: a double click on the header or an empty cell is a slip.
    if (CelaWPunkcie(e->position().toPoint(), c, r) && CelaNaDzien(c, r) != 0) {
        WybierzCele(e->position().toPoint());
        emit wybranoDzien();
    }
}

void TmojKalendarz::PrzesunODni(int dni)
{
    if (FReadOnly)
        return;
    const double t = DataKalen() + dni;
    if (t < std::max(kDataMin, KodujDate(FrokMin, 1, 1, 0)) || t > kDataMax)
        return;
    UstawDate(t);
}

void TmojKalendarz::PrzesunOMiesiace(int delta)
{
    // a key stops at the earliest year rather than jumping back into it
    if (FReadOnly || ::ZmianaMiesiaca(OpisDaty(0, 0, 0), delta).R < FrokMin)
        return;
    ZmianaMiesiaca(delta);
}

void TmojKalendarz::keyPressEvent(QKeyEvent *e)
{
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    switch (e->key()) {
    case Qt::Key_Left: PrzesunODni(-1); break;
    case Qt::Key_Right: PrzesunODni(1); break;
    case Qt::Key_Up: PrzesunODni(-7); break;
    case Qt::Key_Down: PrzesunODni(7); break;
    case Qt::Key_Home:
        if (!FReadOnly)
            UstawDate(0, 0, 1);
        break;
    case Qt::Key_End:
        if (!FReadOnly)
            UstawDate(0, 0, 31);
        break;
    case Qt::Key_PageUp: PrzesunOMiesiace(ctrl ? -12 : -1); break;
    case Qt::Key_PageDown: PrzesunOMiesiace(ctrl ? 12 : 1); break;
    case Qt::Key_Space: emit wybranoDzien(); break;
    default:
        // Enter, Escape and the rest belong to the window.
        e->ignore();
        return;
    }
    e->accept();
}

bool TmojKalendarz::event(QEvent *e)
{
    if (e->type() == QEvent::ToolTip) {
        auto *he = static_cast<QHelpEvent *>(e);
        int c = 0, r = 0;
        QString tekst;
        if (OnPodpowiedz && CelaWPunkcie(he->pos(), c, r)) {
            const int dzien = CelaNaDzien(c, r);
            if (dzien != 0)
                tekst = OnPodpowiedz(::OpisDaty(FKrok, FKmsc, dzien));
        }
        if (tekst.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(he->globalPos(), tekst, this, ProstokatCeli(c, r));
        return true;
    }
    if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)
        update();
    return QWidget::event(e);
}
