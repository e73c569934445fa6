#include "kanwaqpainter.h"

#include <QColor>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTextLayout>
#include <cmath>

namespace {
QColor Kolor(TKolor k) { return QColor(int(k & 0xFF), int(k >> 8 & 0xFF), int(k >> 16 & 0xFF)); }

// Length of the dashes and gaps of a dashed line, in millimetres.
constexpr qreal kKreskaMm = 1.5;
constexpr qreal kPrzerwaMm = 0.8;

// Widths kept per font; past that the font forgets them and starts again, so a long batch
// of different invoices does not grow without bound.
constexpr qsizetype kSzerokosciNaCzcionke = 20000;
constexpr qsizetype kKsztaltyNaCzcionke = 4000;   // shaped glyphs weigh more than a width
}   // namespace

const QString &KrojDruku()
{
    static const QString rodzina = [] {
        QString r;
#ifdef ZENTORA_KROJE_DRUKU
        for (const QString &plik :
             {QStringLiteral(":/kroje/ZentoraSans-Regular.ttf"), QStringLiteral(":/kroje/ZentoraSans-Bold.ttf")}) {
            const int id = QFontDatabase::addApplicationFont(plik);
            if (id < 0)
                return QString();
            r = QFontDatabase::applicationFontFamilies(id).value(0);
        }
#endif
        return r;
    }();
    return rodzina;
}

namespace {
// Whether a font request is drawn in the printout's copy: where the system would give
// Liberation Sans anyway (a machine with the real Arial keeps it); italics, which the copy
// lacks, stay with the system.
bool WKopiiDruku(const QString &nazwa, bool kursywa)
{
    static QHash<QString, bool> liberation;
    if (kursywa || KrojDruku().isEmpty())
        return false;
    auto it = liberation.constFind(nazwa);
    if (it == liberation.constEnd())
        it = liberation.insert(nazwa, QFontInfo(QFont(nazwa)).family() == QLatin1String("Liberation Sans"));
    return *it;
}
}   // namespace

void ZarejestrujZamienniki()
{
    static bool zrobione = false;
    if (zrobione)
        return;
    zrobione = true;
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine")});
}

TKanwaQPainter::TKanwaQPainter(QPainter *painter) : m_painter(painter) { ZarejestrujZamienniki(); }

TKanwaQPainter::~TKanwaQPainter() { Oproznij(); }

void TKanwaQPainter::Oproznij()
{
    if (m_linie.isEmpty())
        return;
    if (m_painter->isActive()) {
        if (m_painter->pen() != m_pioroLinii)
            m_painter->setPen(m_pioroLinii);
        m_painter->drawLines(m_linie);
    }
    m_linie.clear();
}

void TKanwaQPainter::UstawOdwzorowanie(int okno, int widok, TPoint poczatek)
{
    TKanwa::UstawOdwzorowanie(okno, widok, poczatek);
    m_biezaca = nullptr;
}

void TKanwaQPainter::UstawCzcionke(const TFontKanwy &f)
{
    if (f == Czcionka() && m_biezaca)
        return;
    TKanwa::UstawCzcionke(f);
    m_biezaca = nullptr;
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

QFont TKanwaQPainter::NowyFont() const
{
    const TFontKanwy &c = Czcionka();
    QFont f(c.nazwa);
    // The copy maps Latin text only; any other character comes from the face it was made of.
    if (WKopiiDruku(c.nazwa, c.cechy & fsItalic))
        f.setFamilies({KrojDruku(), QStringLiteral("Liberation Sans")});
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
    return f;
}

QHash<TKanwaQPainter::KluczCzcionki, std::shared_ptr<TKanwaQPainter::CzcionkaUrzadzenia>> &TKanwaQPainter::Czcionki()
{
    static QHash<KluczCzcionki, std::shared_ptr<CzcionkaUrzadzenia>> czcionki;
    return czcionki;
}

TKanwaQPainter::CzcionkaUrzadzenia &TKanwaQPainter::Biezaca()
{
    if (m_biezaca)
        return *m_biezaca;
    const TFontKanwy &c = Czcionka();
    std::shared_ptr<CzcionkaUrzadzenia> &w =
        Czcionki()[KluczCzcionki{c.nazwa, c.wysokosc, c.cechy, OknoOdwzorowania(), WidokOdwzorowania()}];
    if (!w) {
        const QFont f = NowyFont();
        // A pixel-sized font measures the same on every device, also once the painter has
        // ended, so what is measured on one device holds on the next.
        const QFontMetricsF m = m_painter->device() ? QFontMetricsF(f, m_painter->device()) : QFontMetricsF(f);
        w = std::make_shared<CzcionkaUrzadzenia>(
            CzcionkaUrzadzenia{f, m, m.ascent(), m.descent(), m.leading(), {}, {}});
    }
    m_biezaca = w;
    return *m_biezaca;
}

qreal TKanwaQPainter::Szerokosc(const QString &s)
{
    CzcionkaUrzadzenia &c = Biezaca();
    const auto it = c.szerokosci.constFind(s);
    if (it != c.szerokosci.constEnd())
        return *it;
    const qreal w = c.miary.horizontalAdvance(s);
    if (c.szerokosci.size() >= kSzerokosciNaCzcionke)
        c.szerokosci.clear();
    c.szerokosci.insert(s, w);
    return w;
}

const TKanwaQPainter::CzcionkaUrzadzenia::Ksztalt &TKanwaQPainter::Ksztalt(const QString &s)
{
    CzcionkaUrzadzenia &c = Biezaca();
    const auto it = c.ksztalty.constFind(s);
    if (it != c.ksztalty.constEnd())
        return *it;
    QTextLayout uklad(s, c.font, m_painter->device());
    uklad.beginLayout();
    const QTextLine linia = uklad.createLine();
    uklad.endLayout();
    CzcionkaUrzadzenia::Ksztalt k;
    k.przebiegi = uklad.glyphRuns();
    k.linia = linia.isValid() ? linia.ascent() : c.ascent;
    if (c.ksztalty.size() >= kKsztaltyNaCzcionke)
        c.ksztalty.clear();
    return *c.ksztalty.insert(s, k);
}

TMetrykiTekstu TKanwaQPainter::Metryki()
{
    const CzcionkaUrzadzenia &c = Biezaca();
    return {ZUrzadzenia(std::round(c.ascent) + std::round(c.descent)), ZUrzadzenia(std::round(c.leading))};
}

qint32 TKanwaQPainter::SzerokoscTekstu(const QString &s)
{
    if (s.isEmpty())
        return 0;
    return ZUrzadzenia(Szerokosc(s));
}

void TKanwaQPainter::PiszTekst(TPoint p, const QString &s, const TRect *klip)
{
    if (s.isEmpty())
        return;
    const QColor kolor = Kolor(Czcionka().kolor);
    // Text in the colour of the waiting lines, without a background, looks the same drawn
    // before them or after; anything else keeps the order of the calls.
    if (!Przezroczyste() || kolor != m_pioroLinii.color())
        Oproznij();
    const CzcionkaUrzadzenia &c = Biezaca();
    const QPointF lewyGorny(DoX(p.X), DoY(p.Y));
    const QRectF komorka(lewyGorny, QSizeF(Szerokosc(s), c.ascent + c.descent));
    // Clip only what sticks out; most texts fit and need no clip path in the output.
    const bool przytnij = klip && !DoUrzadzenia(*klip).contains(komorka.adjusted(0.5, 0.5, -0.5, -0.5));
    if (przytnij) {
        m_painter->save();
        m_painter->setClipRect(DoUrzadzenia(*klip));
    }
    if (!Przezroczyste())
        m_painter->fillRect(komorka, Kolor(KolorTla()));
    // The painter's state changes only where it differs: every change is written into a
    // PDF page, and a page holds hundreds of texts and lines.
    if (m_painter->font() != c.font)
        m_painter->setFont(c.font);
    // text takes only the colour of the pen
    if (m_painter->pen().color() != kolor || m_painter->pen().style() != Qt::SolidLine)
        m_painter->setPen(kolor);
    // the same labels and amounts come again on every row and every invoice of a batch:
    // their glyphs are shaped once
    const CzcionkaUrzadzenia::Ksztalt &k = Ksztalt(s);
    const QPointF poczatek(lewyGorny.x(), lewyGorny.y() + c.ascent - k.linia);
    for (const QGlyphRun &przebieg : k.przebiegi)
        m_painter->drawGlyphRun(poczatek, przebieg);
    if (przytnij)
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
    const QLineF linia(QPointF(DoX(od.X), DoY(od.Y)), QPointF(DoX(do_.X), DoY(do_.Y)));
    if (!m_linie.isEmpty() && pen != m_pioroLinii)
        Oproznij();
    if (p.styl == psDash) {
        // a dash pattern starts anew on every line, so dashed lines are drawn one by one
        if (m_painter->pen() != pen)
            m_painter->setPen(pen);
        m_painter->drawLine(linia);
        return;
    }
    m_pioroLinii = pen;
    m_linie.append(linia);
}

void TKanwaQPainter::Wypelnij(const TRect &r, TKolor kolor)
{
    Oproznij();
    m_painter->fillRect(DoUrzadzenia(r), Kolor(kolor));
}

bool TKanwaQPainter::KopiujObraz(const QImage &obraz, const QRect &zrodlo, const TRect &cel)
{
    if (obraz.isNull() || zrodlo.isEmpty() || !m_painter->isActive())
        return false;
    Oproznij();
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
