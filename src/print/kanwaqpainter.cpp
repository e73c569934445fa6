#include "kanwaqpainter.h"

#include <QColor>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <cmath>

namespace {
QColor Kolor(TKolor k) { return QColor(int(k & 0xFF), int(k >> 8 & 0xFF), int(k >> 16 & 0xFF)); }

// Length of the dashes and gaps of a dashed line, in millimetres.
constexpr qreal kKreskaMm = 1.5;
constexpr qreal kPrzerwaMm = 0.8;
} // namespace

void ZarejestrujZamienniki()
{
    static bool zrobione = false;
    if (zrobione)
        return;
    zrobione = true;
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine")});
}

TKanwaQPainter::TKanwaQPainter(QPainter *painter) : m_painter(painter) { ZarejestrujZamienniki(); }

void TKanwaQPainter::UstawOdwzorowanie(int okno, int widok, TPoint poczatek)
{
    TKanwa::UstawOdwzorowanie(okno, widok, poczatek);
    m_font.reset();
    m_miary.reset();
}

void TKanwaQPainter::UstawCzcionke(const TFontKanwy &f)
{
    if (f == Czcionka() && m_font)
        return;
    TKanwa::UstawCzcionke(f);
    m_font.reset();
    m_miary.reset();
}

qreal TKanwaQPainter::DoX(qint32 x) const
{
    return PoczatekOdwzorowania().X + qreal(x) * WidokOdwzorowania() / OknoOdwzorowania();
}

qreal TKanwaQPainter::DoY(qint32 y) const
{
    return PoczatekOdwzorowania().Y + qreal(y) * WidokOdwzorowania() / OknoOdwzorowania();
}

qreal TKanwaQPainter::Dlugosc(qint32 d) const { return qreal(d) * WidokOdwzorowania() / OknoOdwzorowania(); }

qint32 TKanwaQPainter::ZUrzadzenia(qreal d) const
{
    return qint32(std::lround(d * OknoOdwzorowania() / WidokOdwzorowania()));
}

QRectF TKanwaQPainter::DoUrzadzenia(const TRect &r) const
{
    return QRectF(QPointF(DoX(r.Left), DoY(r.Top)), QPointF(DoX(r.Right), DoY(r.Bottom)));
}

const QFont &TKanwaQPainter::Font()
{
    if (m_font)
        return *m_font;
    const TFontKanwy &c = Czcionka();
    QFont f(c.nazwa);
    // Unhinted outlines scale linearly, so a line measures the same on every device.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setBold(c.cechy & fsBold);
    f.setItalic(c.cechy & fsItalic);
    f.setUnderline(c.cechy & fsUnderline);
    f.setStrikeOut(c.cechy & fsStrikeOut);
    qreal piksele = Dlugosc(std::abs(c.wysokosc));
    f.setPixelSize(qMax(1, qRound(piksele)));
    if (c.wysokosc > 0) {
        // A positive height asks for the whole character cell, not the em square.
        const QFontMetricsF m = m_painter->device() ? QFontMetricsF(f, m_painter->device()) : QFontMetricsF(f);
        const qreal komorka = m.ascent() + m.descent();
        if (komorka > 0)
            f.setPixelSize(qMax(1, qRound(piksele * f.pixelSize() / komorka)));
    }
    m_font = f;
    return *m_font;
}

const QFontMetricsF &TKanwaQPainter::Miary()
{
    // a pixel-sized font measures the same on every device, also once the painter has ended
    if (!m_miary && m_painter->device())
        m_miary.emplace(Font(), m_painter->device());
    else if (!m_miary)
        m_miary.emplace(Font());
    return *m_miary;
}

TMetrykiTekstu TKanwaQPainter::Metryki()
{
    const QFontMetricsF &m = Miary();
    return {ZUrzadzenia(std::round(m.ascent()) + std::round(m.descent())), ZUrzadzenia(std::round(m.leading()))};
}

qint32 TKanwaQPainter::SzerokoscTekstu(const QString &s)
{
    if (s.isEmpty())
        return 0;
    return ZUrzadzenia(Miary().horizontalAdvance(s));
}

void TKanwaQPainter::PiszTekst(TPoint p, const QString &s, const TRect *klip)
{
    if (s.isEmpty())
        return;
    const QFontMetricsF &m = Miary();
    const QPointF lewyGorny(DoX(p.X), DoY(p.Y));
    const QRectF komorka(lewyGorny, QSizeF(m.horizontalAdvance(s), m.ascent() + m.descent()));
    m_painter->save();
    // Clip only what sticks out; most texts fit and need no clip path in the output.
    if (klip) {
        const QRectF k = DoUrzadzenia(*klip);
        if (!k.contains(komorka.adjusted(0.5, 0.5, -0.5, -0.5)))
            m_painter->setClipRect(k);
    }
    if (!Przezroczyste())
        m_painter->fillRect(komorka, Kolor(KolorTla()));
    m_painter->setFont(Font());
    m_painter->setPen(Kolor(Czcionka().kolor));
    m_painter->drawText(QPointF(lewyGorny.x(), lewyGorny.y() + m.ascent()), s);
    m_painter->restore();
}

void TKanwaQPainter::RysujLinie(TPoint od, TPoint do_)
{
    const TPioro &p = Pioro();
    QPen pen(Kolor(p.kolor));
    const qreal w = Dlugosc(p.grubosc);
    pen.setWidthF(w);   // 0 draws the thinnest line of the device
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (p.styl == psDash) {
        const qreal dpi = m_painter->device() ? m_painter->device()->logicalDpiX() : 96;
        const qreal jedn = w > 0 ? w : 1;
        pen.setDashPattern({kKreskaMm * dpi / 25.4 / jedn, kPrzerwaMm * dpi / 25.4 / jedn});
    }
    m_painter->save();
    m_painter->setPen(pen);
    m_painter->drawLine(QPointF(DoX(od.X), DoY(od.Y)), QPointF(DoX(do_.X), DoY(do_.Y)));
    m_painter->restore();
}

void TKanwaQPainter::Wypelnij(const TRect &r, TKolor kolor) { m_painter->fillRect(DoUrzadzenia(r), Kolor(kolor)); }

bool TKanwaQPainter::KopiujObraz(const QImage &obraz, const QRect &zrodlo, const TRect &cel)
{
    if (obraz.isNull() || zrodlo.isEmpty() || !m_painter->isActive())
        return false;
    // The part of the source outside the image stays blank: keep the scale, shrink the target.
    const QRect czesc = zrodlo.intersected(obraz.rect());
    if (czesc.isEmpty())
        return false;
    const QRectF c = DoUrzadzenia(cel);
    const qreal sx = c.width() / zrodlo.width(), sy = c.height() / zrodlo.height();
    const QRectF docel(c.left() + (czesc.left() - zrodlo.left()) * sx, c.top() + (czesc.top() - zrodlo.top()) * sy,
                       czesc.width() * sx, czesc.height() * sy);
    m_painter->drawImage(docel, obraz, czesc);
    return true;
}
