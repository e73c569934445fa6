#include "ikonyapli.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

namespace {

using Rysunek = TListaObrazow::Rysunek;

Rysunek RysunekIkony(const QString &n);

const QColor kObrys(60, 72, 96);
const QColor kPapier(255, 255, 255);
const QColor kNiebieski(52, 112, 196);
const QColor kJasnyNiebieski(150, 190, 235);
const QColor kZloty(236, 184, 64);
const QColor kZielony(46, 150, 70);
const QColor kCzerwony(200, 50, 45);
const QColor kSzary(150, 156, 166);

QPen Pioro(const QColor &k, qreal w = 1.0)
{
    QPen p(k, w);
    p.setJoinStyle(Qt::RoundJoin);
    p.setCapStyle(Qt::RoundCap);
    return p;
}

// The outline pen of every picture with a fill.
void Obrys(QPainter &p, const QBrush &wypelnienie)
{
    p.setPen(Pioro(kObrys));
    p.setBrush(wypelnienie);
}

// A bold character or two centred in a box.
void Napis(QPainter &p, const char *rodzina, int wysokosc, const QColor &kolor, const QRectF &r, const QString &tekst)
{
    QFont f(QString::fromLatin1(rodzina));
    f.setPixelSize(wysokosc);
    f.setBold(true);
    p.setFont(f);
    p.setPen(kolor);
    p.drawText(r, Qt::AlignCenter, tekst);
}

void Kartka(QPainter &p, const QRectF &r)
{
    QPainterPath s;
    const qreal z = 4;
    s.moveTo(r.left(), r.top());
    s.lineTo(r.right() - z, r.top());
    s.lineTo(r.right(), r.top() + z);
    s.lineTo(r.right(), r.bottom());
    s.lineTo(r.left(), r.bottom());
    s.closeSubpath();
    Obrys(p, kPapier);
    p.drawPath(s);
    p.setBrush(QColor(225, 230, 238));
    QPainterPath rog;
    rog.moveTo(r.right() - z, r.top());
    rog.lineTo(r.right() - z, r.top() + z);
    rog.lineTo(r.right(), r.top() + z);
    p.drawPath(rog);
}

void Linie(QPainter &p, qreal x1, qreal x2, qreal y, int ile, qreal krok, const QColor &k = kSzary)
{
    p.setPen(Pioro(k));
    for (int i = 0; i < ile; ++i)
        p.drawLine(QPointF(x1, y + i * krok), QPointF(x2, y + i * krok));
}

// Keys or days: `kolumny` × `wiersze` small boxes, the first at `pierwsza`, `dx` and `dy` apart.
void Kratki(QPainter &p, const QColor &kolor, const QRectF &pierwsza, int kolumny, int wiersze, qreal dx, qreal dy)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kolor);
    for (int r = 0; r < wiersze; ++r)
        for (int c = 0; c < kolumny; ++c)
            p.drawRect(pierwsza.translated(c * dx, r * dy));
}

void Walec(QPainter &p, const QRectF &r, const QColor &k)
{
    const qreal e = 4;
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, k.lighter(150));
    g.setColorAt(1, k.darker(115));
    Obrys(p, g);
    QPainterPath s;
    s.moveTo(r.left(), r.top() + e / 2);
    s.lineTo(r.left(), r.bottom() - e / 2);
    s.arcTo(QRectF(r.left(), r.bottom() - e, r.width(), e), 180, 180);
    s.lineTo(r.right(), r.top() + e / 2);
    s.closeSubpath();
    p.drawPath(s);
    p.setBrush(k.lighter(170));
    p.drawEllipse(QRectF(r.left(), r.top(), r.width(), e));
}

// A small mark in the bottom-right corner over a database picture.
void Znaczek(QPainter &p, const QString &jaki)
{
    const QRectF k(10.5, 10.5, 9, 9);
    QColor kolor = jaki == QLatin1String("akceptuj") ? kZielony
                   : jaki == QLatin1String("anuluj") ? kCzerwony
                   : jaki == QLatin1String("dopisz") ? kZielony
                                                     : kNiebieski;
    p.setPen(Pioro(Qt::white, 1));
    p.setBrush(kolor);
    p.drawEllipse(k);
    p.setPen(Pioro(Qt::white, 1.6));
    const QPointF c = k.center();
    if (jaki == QLatin1String("akceptuj")) {
        p.drawPolyline(QPolygonF({c + QPointF(-2.5, 0), c + QPointF(-0.7, 2), c + QPointF(2.6, -2)}));
    } else if (jaki == QLatin1String("anuluj")) {
        p.drawLine(c + QPointF(-2, -2), c + QPointF(2, 2));
        p.drawLine(c + QPointF(-2, 2), c + QPointF(2, -2));
    } else if (jaki == QLatin1String("dopisz")) {
        p.drawLine(c + QPointF(-2.5, 0), c + QPointF(2.5, 0));
        p.drawLine(c + QPointF(0, -2.5), c + QPointF(0, 2.5));
    } else if (jaki == QLatin1String("edytuj")) {
        p.drawLine(c + QPointF(-2.5, 2.5), c + QPointF(2.5, -2.5));
    } else {   // open: an arrow out of the base
        p.drawLine(c + QPointF(-2.5, 0), c + QPointF(2.5, 0));
        p.drawPolyline(QPolygonF({c + QPointF(0.5, -2.5), c + QPointF(2.5, 0), c + QPointF(0.5, 2.5)}));
    }
}

Rysunek RysunekIkony(const QString &n)
{
    if (n == QLatin1String("nowa"))
        return [](QPainter &p) {
            Kartka(p, QRectF(3.5, 1.5, 13, 17));
            Linie(p, 6, 14, 8, 4, 2.5);
            p.setPen(Pioro(kZloty, 1.6));
            const QPointF c(15.5, 4.5);
            p.drawLine(c + QPointF(-3, 0), c + QPointF(3, 0));
            p.drawLine(c + QPointF(0, -3), c + QPointF(0, 3));
        };
    if (n == QLatin1String("otworz"))
        return [](QPainter &p) {
            Obrys(p, kZloty.darker(110));
            p.drawPolygon(QPolygonF({{1.5, 4.5}, {7.5, 4.5}, {9.5, 6.5}, {16.5, 6.5}, {16.5, 16.5}, {1.5, 16.5}}));
            p.setBrush(kZloty.lighter(120));
            p.drawPolygon(QPolygonF({{4.5, 9.5}, {19.5, 9.5}, {16.5, 16.5}, {1.5, 16.5}}));
        };
    if (n == QLatin1String("zapisz"))
        return [](QPainter &p) {
            Obrys(p, kNiebieski);
            p.drawRoundedRect(QRectF(2.5, 2.5, 15, 15), 1.5, 1.5);
            p.setBrush(kPapier);
            p.drawRect(QRectF(5.5, 2.5, 9, 6));
            p.setBrush(QColor(220, 226, 236));
            p.drawRect(QRectF(5.5, 11.5, 9, 6));
            p.setPen(Pioro(kObrys));
            p.drawLine(QPointF(12, 4), QPointF(12, 7));
        };
    if (n == QLatin1String("drukuj"))
        return [](QPainter &p) {
            Obrys(p, kPapier);
            p.drawRect(QRectF(5.5, 1.5, 9, 6));
            QLinearGradient g(0, 7, 0, 15);
            g.setColorAt(0, QColor(214, 219, 228));
            g.setColorAt(1, QColor(160, 168, 182));
            p.setBrush(g);
            p.drawRoundedRect(QRectF(1.5, 7.5, 17, 8), 1.5, 1.5);
            p.setBrush(kPapier);
            p.drawRect(QRectF(5.5, 12.5, 9, 6));
            Linie(p, 7, 13, 15, 2, 2);
            p.setPen(Qt::NoPen);
            p.setBrush(kZielony);
            p.drawEllipse(QRectF(15, 9.3, 2, 2));
        };
    if (n == QLatin1String("baza") || n == QLatin1String("edytuj") || n == QLatin1String("akceptuj")
        || n == QLatin1String("anuluj") || n == QLatin1String("dopisz"))
        return [n](QPainter &p) {
            Walec(p, QRectF(2.5, 2.5, 12, 14), kNiebieski);
            Znaczek(p, n);
        };
    if (n == QLatin1String("plansza"))
        return [](QPainter &p) {
            Obrys(p, kPapier);
            p.drawRect(QRectF(1.5, 2.5, 17, 15));
            p.setPen(Qt::NoPen);
            p.setBrush(kJasnyNiebieski);
            p.drawRect(QRectF(2, 3, 16, 3.5));
            Linie(p, 2, 18, 10, 2, 3.5, kSzary);
            p.setPen(Pioro(kSzary));
            p.drawLine(QPointF(7.5, 6.5), QPointF(7.5, 17));
            p.drawLine(QPointF(12.5, 6.5), QPointF(12.5, 17));
        };
    if (n == QLatin1String("produkty"))
        return [](QPainter &p) {
            Obrys(p, QColor(214, 168, 104));
            p.drawPolygon(QPolygonF({{2.5, 6.5}, {10, 3}, {17.5, 6.5}, {17.5, 15.5}, {10, 18.5}, {2.5, 15.5}}));
            p.setBrush(QColor(236, 200, 140));
            p.drawPolygon(QPolygonF({{2.5, 6.5}, {10, 3}, {17.5, 6.5}, {10, 10}}));
            p.drawLine(QPointF(10, 10), QPointF(10, 18.5));
        };
    if (n == QLatin1String("numer"))
        return [](QPainter &p) {
            Napis(p, "DejaVu Sans", 12, kNiebieski, QRectF(0, 0, 14, 14), QStringLiteral("#"));
            p.setPen(Pioro(kZielony, 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(9, 9, 9, 9), 90 * 16, 270 * 16);
            p.drawPolyline(QPolygonF({{11.5, 8}, {13.5, 9.5}, {11.5, 11}}));
        };
    if (n == QLatin1String("format"))
        return [](QPainter &p) {
            Kartka(p, QRectF(2.5, 1.5, 15, 17));
            Napis(p, "DejaVu Sans", 6, kNiebieski, QRectF(3, 4, 14, 6), QStringLiteral("1/FV"));
            Linie(p, 5, 15, 12, 3, 2);
        };
    if (n == QLatin1String("parametry"))
        return [](QPainter &p) {
            Obrys(p, kSzary.lighter(120));
            QPainterPath k;
            const QPointF c(10, 10);
            for (int i = 0; i < 8; ++i) {
                QTransform t;
                t.translate(c.x(), c.y());
                t.rotate(i * 45);
                k.addPolygon(t.map(QPolygonF({{-1.8, -8.5}, {1.8, -8.5}, {2.2, -5}, {-2.2, -5}})));
            }
            k.addEllipse(c, 6.2, 6.2);
            k.setFillRule(Qt::WindingFill);
            p.drawPath(k.simplified());
            p.setBrush(kPapier);
            p.drawEllipse(c, 2.5, 2.5);
        };
    if (n == QLatin1String("czcionka"))
        return [](QPainter &p) {
            Napis(p, "Liberation Serif", 17, kObrys, QRectF(0, 0, 14, 19), QStringLiteral("A"));
            Napis(p, "Liberation Serif", 9, kNiebieski, QRectF(11, 7, 9, 12), QStringLiteral("a"));
        };
    if (n == QLatin1String("kalkulator"))
        return [](QPainter &p) {
            Obrys(p, QColor(90, 100, 118));
            p.drawRoundedRect(QRectF(3.5, 1.5, 13, 17), 1.5, 1.5);
            p.setBrush(QColor(200, 230, 200));
            p.drawRect(QRectF(5.5, 3.5, 9, 4));
            Kratki(p, kPapier, QRectF(5.5, 9.5, 2.2, 1.9), 3, 3, 3.2, 2.9);
        };
    if (n == QLatin1String("koniec"))
        return [](QPainter &p) {
            Obrys(p, QColor(160, 110, 70));
            p.drawRect(QRectF(3.5, 1.5, 10, 17));
            p.setBrush(QColor(205, 160, 110));
            p.drawPolygon(QPolygonF({{3.5, 1.5}, {10.5, 3.5}, {10.5, 19}, {3.5, 18.5}}));
            p.setPen(Pioro(kCzerwony, 1.8));
            p.drawLine(QPointF(13, 10), QPointF(19, 10));
            p.drawPolyline(QPolygonF({{16.5, 7.5}, {19, 10}, {16.5, 12.5}}));
        };
    if (n == QLatin1String("pomoc"))
        return [](QPainter &p) {
            Obrys(p, kNiebieski);
            p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
            Napis(p, "DejaVu Sans", 13, Qt::white, QRectF(1.5, 1.5, 17, 17), QStringLiteral("?"));
        };
    if (n == QLatin1String("wizytowka"))
        return [](QPainter &p) {
            Obrys(p, kPapier);
            p.drawRoundedRect(QRectF(1.5, 4.5, 17, 11), 1.5, 1.5);
            p.setBrush(kJasnyNiebieski);
            p.drawEllipse(QRectF(3.5, 7, 5, 5));
            Linie(p, 10.5, 16, 8, 3, 2.2);
        };
    if (n == QLatin1String("kalendarz"))
        return [](QPainter &p) {
            Obrys(p, kPapier);
            p.drawRect(QRectF(2.5, 3.5, 15, 14));
            p.setBrush(kCzerwony);
            p.drawRect(QRectF(2.5, 3.5, 15, 4));
            Kratki(p, kSzary, QRectF(4.5, 9.2, 2, 1.7), 4, 3, 3.2, 2.7);
            p.setPen(Pioro(kObrys));
            p.drawLine(QPointF(6, 2), QPointF(6, 5));
            p.drawLine(QPointF(14, 2), QPointF(14, 5));
        };
    if (n == QLatin1String("program"))
        return [](QPainter &p) {
            Kartka(p, QRectF(2.5, 1.5, 15, 17));
            p.setPen(Qt::NoPen);
            p.setBrush(kNiebieski);
            p.drawRect(QRectF(3, 4, 10, 3));
            Linie(p, 5, 15, 10, 3, 2.2);
            Napis(p, "DejaVu Sans", 7, kCzerwony, QRectF(9, 13, 9, 6), QStringLiteral("zł"));
        };
    if (n == QLatin1String("wytnij"))
        return [](QPainter &p) {
            p.setPen(Pioro(kObrys, 1.4));
            p.drawLine(QPointF(6, 2), QPointF(13, 13));
            p.drawLine(QPointF(14, 2), QPointF(7, 13));
            p.setPen(Pioro(kCzerwony, 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(2.5, 12.5, 5, 5));
            p.drawEllipse(QRectF(12.5, 12.5, 5, 5));
        };
    if (n == QLatin1String("kopiuj"))
        return [](QPainter &p) {
            Kartka(p, QRectF(2.5, 1.5, 10, 12));
            Linie(p, 4.5, 10, 5, 3, 2.2);
            Kartka(p, QRectF(7.5, 6.5, 10, 12));
            Linie(p, 9.5, 15.5, 10, 3, 2.2, kNiebieski);
        };
    if (n == QLatin1String("wklej"))
        return [](QPainter &p) {
            Obrys(p, QColor(196, 150, 90));
            p.drawRoundedRect(QRectF(2.5, 3.5, 12, 15), 1.5, 1.5);
            p.setBrush(kSzary.lighter(130));
            p.drawRoundedRect(QRectF(5.5, 1.5, 6, 4), 1, 1);
            Kartka(p, QRectF(8.5, 7.5, 9, 11));
            Linie(p, 10.5, 15.5, 11, 3, 2.2, kNiebieski);
        };
    if (n == QLatin1String("zaznacz"))
        return [](QPainter &p) {
            p.setPen(Qt::NoPen);
            p.setBrush(kJasnyNiebieski);
            p.drawRect(QRectF(3, 4, 14, 12));
            Linie(p, 5, 15, 7, 3, 3, kObrys);
            QPen kreski = Pioro(kNiebieski);
            kreski.setDashPattern({2, 2});
            p.setPen(kreski);
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(1.5, 2.5, 17, 15));
        };
    if (n == QLatin1String("cofnij"))
        return [](QPainter &p) {
            p.setPen(Pioro(kNiebieski, 2));
            p.setBrush(Qt::NoBrush);
            QPainterPath s;
            s.moveTo(5, 8);
            s.lineTo(12, 8);
            s.cubicTo(19, 8, 19, 17, 12, 17);
            s.lineTo(8, 17);
            p.drawPath(s);
            p.setPen(Pioro(kNiebieski, 1));
            p.setBrush(kNiebieski);
            p.drawPolygon(QPolygonF({{1.5, 8}, {6.5, 4}, {6.5, 12}}));
        };
    if (n == QLatin1String("drukarka"))
        return [](QPainter &p) {
            RysunekIkony(QStringLiteral("drukuj"))(p);
            p.setPen(Pioro(Qt::white, 1));
            p.setBrush(kNiebieski);
            p.drawEllipse(QRectF(11.5, 11.5, 8, 8));
            p.setPen(Pioro(Qt::white, 1.4));
            p.drawLine(QPointF(13.5, 14), QPointF(17.5, 14));
            p.drawLine(QPointF(13.5, 17), QPointF(17.5, 17));
        };
    if (n == QLatin1String("wstecz") || n == QLatin1String("dalej") || n == QLatin1String("wgore")
        || n == QLatin1String("wdol"))
        return [n](QPainter &p) {
            QPolygonF t({{6, 4}, {15, 10}, {6, 16}});   // pointing right
            QTransform obrot;
            obrot.translate(10, 10);
            obrot.rotate(n == QLatin1String("wstecz")  ? 180
                         : n == QLatin1String("wgore") ? -90
                         : n == QLatin1String("wdol")  ? 90
                                                       : 0);
            obrot.translate(-10, -10);
            Obrys(p, kNiebieski);
            p.drawPolygon(obrot.map(t));
        };
    return {};
}

QPixmap Rysuj(const Rysunek &r, int bok)
{
    QPixmap px(bok, bok);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(bok / 20.0, bok / 20.0);
    r(p);
    return px;
}

// Index and picture of every entry of the shared lists.
const std::pair<int, const char *> kObrazy[] = {
    {Ikona::Nowa, "nowa"},
    {Ikona::Otworz, "otworz"},
    {Ikona::Zapisz, "zapisz"},
    {Ikona::Baza, "baza"},
    {Ikona::EdycjaBazy, "edytuj"},
    {Ikona::Akceptuj, "akceptuj"},
    {Ikona::Kalkulator16, "kalkulator"},
    {Ikona::Anuluj, "anuluj"},
    {Ikona::Dopisz, "dopisz"},
    {Ikona::Plansza, "plansza"},
    {Ikona::Produkty, "produkty"},
    {Ikona::Numer, "numer"},
    {Ikona::Format, "format"},
    {Ikona::Czcionka, "czcionka"},
    {Ikona::Koniec, "koniec"},
    {Ikona::Pomoc, "pomoc"},
    {Ikona::Wstecz, "wstecz"},
    {Ikona::Dalej, "dalej"},
    {Ikona::WDol, "wdol"},
    {Ikona::WGore, "wgore"},
    {Ikona::Drukuj, "drukuj"},
    {Ikona::Drukarka, "drukarka"},
    {Ikona::Parametry, "parametry"},
    {Ikona::Program, "program"},
    {Ikona::Kalkulator, "kalkulator"},
    {Ikona::Kalendarz, "kalendarz"},
    {Ikona::Wytnij, "wytnij"},
    {Ikona::Kopiuj, "kopiuj"},
    {Ikona::Wklej, "wklej"},
    {Ikona::ZaznaczCalosc, "zaznacz"},
    {Ikona::Cofnij, "cofnij"},
    {Ikona::Wizytowka, "wizytowka"},
};

// The shared lists live for the whole run (they are never destroyed, so no button outlives
// its list, whatever the order of the static destructors).
TListaObrazow *Lista(int bok)
{
    auto *l = new TListaObrazow(bok);
    for (const auto &[nr, nazwa] : kObrazy)
        l->Dodaj(nr, RysunekIkony(QLatin1String(nazwa)));
    return l;
}

}   // namespace

int TListaObrazow::Dodaj(const QPixmap &obraz)
{
    const int nr = Count();
    m_obrazy.insert(nr, {{}, obraz});
    return nr;
}

QPixmap TListaObrazow::Obraz(int nr, qreal skala) const
{
    const auto it = m_obrazy.constFind(nr);
    if (it == m_obrazy.cend())
        return QPixmap();
    if (it->rysunek) {
        // a list without a size draws at the design grid's
        QPixmap px = Rysuj(it->rysunek, qRound((m_bok > 0 ? m_bok : 20) * skala));
        px.setDevicePixelRatio(skala);
        return px;
    }
    if (m_bok <= 0 || it->obraz.isNull() || it->obraz.size() == QSize(m_bok, m_bok))
        return it->obraz;
    return it->obraz.scaled(m_bok, m_bok, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QIcon TListaObrazow::Ikona(int nr) const
{
    if (!Jest(nr))
        return QIcon();
    QIcon ikona;
    for (qreal skala : {1.0, 2.0}) {
        QPixmap px = Obraz(nr, skala);
        px.setDevicePixelRatio(1);   // the icon picks its pixmap by size
        ikona.addPixmap(px);
    }
    return ikona;
}

const TListaObrazow &IkonyApli()
{
    static const TListaObrazow *l = Lista(19);
    return *l;
}

const TListaObrazow &IkonyApli16()
{
    static const TListaObrazow *l = Lista(16);
    return *l;
}

const TListaObrazow &IkonyApli32()
{
    static const TListaObrazow *l = Lista(32);
    return *l;
}

const TListaObrazow &IkonySys32()
{
    static const TListaObrazow *l = [] {
        auto *s = new TListaObrazow(32);
        const QStyle::StandardPixmap obrazy[] = {QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxWarning,
                                                 QStyle::SP_MessageBoxCritical, QStyle::SP_MessageBoxQuestion};
        for (int i = 0; i < 4; ++i) {
            const QStyle::StandardPixmap sp = obrazy[i];
            s->Dodaj(i, [sp](QPainter &p) {
                const QIcon ikona = QApplication::style()->standardIcon(sp);
                ikona.paint(&p, QRect(0, 0, 20, 20));
            });
        }
        return s;
    }();
    return *l;
}
