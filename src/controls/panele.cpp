#include "panele.h"

#include "kolory.h"

#include <QPainter>

namespace {

constexpr TKolor kKolorOkna = 0x80000005u;   // the window colour

bool WpisPalety(int wpis) { return wpis >= 1 && wpis <= kWpisyPalety; }

// One channel between a and b at step i of n (i = 0 gives a, i = n gives b), rounded.
int Kanal(int a, int b, int i, int n) { return a + ((b - a) * 2 * i + (b >= a ? n : -n)) / (2 * n); }

TKolor Miedzy(TKolor a, TKolor b, int i, int n)
{
    if (n <= 0)
        return b;
    return RGB(Kanal(Czerwony(a), Czerwony(b), i, n), Kanal(Zielony(a), Zielony(b), i, n),
               Kanal(Niebieski(a), Niebieski(b), i, n));
}

// One-pixel lines along the sides of `r`, in the order left, top, right, bottom (so the
// bottom and right lines own the corners they share); an invalid colour leaves its side out.
// Every bevel, outline and line of the panels is drawn through here.
void Krawedzie(QPainter &p, const QRect &r, const std::array<QColor, 4> &k)
{
    if (r.isEmpty())
        return;
    if (k[0].isValid())
        p.fillRect(QRect(r.left(), r.top(), 1, r.height()), k[0]);
    if (k[1].isValid())
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), k[1]);
    if (k[2].isValid())
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), k[2]);
    if (k[3].isValid())
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), k[3]);
}

// The sides chosen by `elementy` (1 left, 2 top, 4 right, 8 bottom) in one colour.
std::array<QColor, 4> NaBokach(int elementy, const QColor &k)
{
    std::array<QColor, 4> wynik;
    for (int i = 0; i < 4; ++i)
        if (elementy & (1 << i))
            wynik[i] = k;
    return wynik;
}

}   // namespace

bool MotywAktywny() { return StylAplikacji() != sa_OldBlue; }

void ZastosujPresetGradientu(TopisGradientu &o)
{
    auto kol = [&o](int wpis) { return int(KolorStylu(wpis, o.FazaProj)); };
    switch (o.NrTAG) {
    case -1:
    case -2: {
        o.relatyw = false;
        const int k52 = kol(52);
        if (o.NrTAG == -1) {
            o.kolGrad = {kol(51), k52, k52, k52};
        } else {
            const int inny = int(Przesun(TKolor(k52), -35, 200, 0));
            o.kolGrad = {int(Pastel(TKolor(k52), 220)), inny, inny, inny};
        }
        o.gradProc = o.gradProc2 = 100;
        o.KolorRel = Srednia(o.kolGrad[0], o.kolGrad[1]);
        break;
    }
    case -3:
        o.relatyw = false;
        o.Gradient = MotywAktywny();
        o.poziomo = true;
        o.kolGrad = {kol(57), kol(58), kol(58), kol(58)};
        o.gradProc = o.gradProc2 = 100;
        o.KolorRel = kol(1);
        break;
    default:
        if (o.NrTAG > 0 && o.relatyw)
            o.KolorRel = kol(o.NrTAG);
        break;
    }
}

void RysujGradient(TopisGradientu &o, QPainter &p, const QRect &r)
{
    if (r.isEmpty())
        return;
    o.Zakazano = o.GradOldNie && !MotywAktywny();
    const TKolor baza = KolorNormalny(o.KolorRel);
    if (!o.Gradient || o.Zakazano) {
        p.fillRect(r, NaQColor(baza));
        return;
    }
    const int dl = o.poziomo ? r.width() : r.height();
    o.punkty[0] = 0;
    o.punkty[1] = std::clamp(dl * std::clamp(o.gradProc, 1, 100) / 100, 0, dl);
    o.punkty[2] = std::clamp(dl * std::clamp(o.gradProc2, 1, 100) / 100, o.punkty[1], dl);
    o.punkty[3] = dl;
    auto kolor = [&o, baza](int k) {
        return o.relatyw ? KolorWzgledny(baza, o.warGrad[k]) : KolorNormalny(o.kolGrad[k]);
    };
    o.kolory[0] = qint32(kolor(0));
    for (int k = 1; k < 4; ++k) {
        o.kolory[k] = o.punkty[k] == o.punkty[k - 1] ? o.kolory[k - 1] : qint32(kolor(k));
        const int od = o.punkty[k - 1], n = o.punkty[k] - od;
        if (n <= 0)
            continue;
        const TKolor a = TKolor(o.kolory[k - 1]), b = TKolor(o.kolory[k]);
        for (int i = 0; i < n; ++i) {
            // the band's last line carries the end colour itself
            const QColor c = NaQColor(i == n - 1 ? b : Miedzy(a, b, i, n));
            if (o.poziomo)
                p.fillRect(QRect(r.left() + od + i, r.top(), 1, r.height()), c);
            else
                p.fillRect(QRect(r.left(), r.top() + od + i, r.width(), 1), c);
        }
    }
}

// ---------------------------------------------------------------------------------------------

TPanelBazowy::TPanelBazowy(QWidget *rodzic) : QWidget(rodzic) {}

void TPanelBazowy::setCaption(const QString &t) { Ustaw(m_caption, t); }
void TPanelBazowy::setColor(TKolor c) { Ustaw(m_kolor, c); }
void TPanelBazowy::setTag(int t) { Ustaw(m_tag, t); }
void TPanelBazowy::setBevelOuter(TBevelPanelu b) { Ustaw(m_bevelZew, b); }
void TPanelBazowy::setBevelInner(TBevelPanelu b) { Ustaw(m_bevelWew, b); }
void TPanelBazowy::setBorderWidth(int w) { Ustaw(m_ramka, std::max(0, w)); }
void TPanelBazowy::setAlignment(Qt::Alignment a) { Ustaw(m_wyrownanie, a); }

void TPanelBazowy::RysujBevel(QPainter &p, QRect &r, TBevelPanelu b)
{
    if (b == bvNone || r.isEmpty())
        return;
    const QColor jasny = NaQColor(0x80000014u), ciemny = NaQColor(0x80000010u);   // highlight, shadow
    const QColor gl = b == bvRaised ? jasny : ciemny, dp = b == bvRaised ? ciemny : jasny;
    Krawedzie(p, r, {gl, gl, dp, dp});
    r.adjust(1, 1, -1, -1);
}

void TPanelBazowy::RysujLinie(QPainter &p, const QRect &r, int e, const QColor &k) { Krawedzie(p, r, NaBokach(e, k)); }

void TPanelBazowy::RysujNapis(QPainter &p, const QRect &r, bool wieleLinii)
{
    if (m_caption.isEmpty())
        return;
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.setFont(font());
    if (wieleLinii) {
        QString t = m_caption;
        t.replace(QLatin1Char('|'), QLatin1Char('\n'));
        p.drawText(r, int((m_wyrownanie & Qt::AlignHorizontal_Mask) | Qt::AlignTop) | Qt::TextWordWrap, t);
    } else {
        p.drawText(r, int((m_wyrownanie & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter) | Qt::TextSingleLine,
                   m_caption);
    }
}

// ---------------------------------------------------------------------------------------------

TMojPanel::TMojPanel(QWidget *rodzic) : TPanelBazowy(rodzic) {}

void TMojPanel::setXkolorAuto(int wpis)
{
    m_kolorAuto = WpisPalety(wpis) ? wpis : 0;
    if (m_kolorAuto > 0) {
        m_relatywnie = false;
        m_warTlo = 0;
    }
    Zmieniono();
}

void TMojPanel::setXrelatywnie(bool v)
{
    m_relatywnie = v;
    if (v)
        m_kolorAuto = 0;
    Zmieniono();
}

void TMojPanel::setXwarTlo(int v)
{
    m_warTlo = v;
    if (v != 0)
        m_kolorAuto = 0;
    Zmieniono();
}

void TMojPanel::setXobrysTak(bool v) { Ustaw(m_obrysTak, v); }
void TMojPanel::setXobrys(int nr, TKolor c)
{
    m_obrys[std::clamp(nr, 1, 4) - 1] = c;
    Zmieniono();
}
void TMojPanel::setXramkaTak(bool v) { Ustaw(m_ramkaTak, v); }
void TMojPanel::setXramka(int nr, TKolor c)
{
    m_ramkaKol[std::clamp(nr, 1, 4) - 1] = c;
    Zmieniono();
}

void TMojPanel::setXliniaAuto(bool v)
{
    m_liniaAuto = v;
    if (v) {
        m_bevelZew = bvRaised;
        m_obrysTak = true;
        m_obrys.fill(kKolorTwarzy);
        m_ramkaKol.fill(kKolorTwarzy);
    }
    Zmieniono();
}

void TMojPanel::setXliniaStyl(int wpis) { Ustaw(m_liniaStyl, WpisPalety(wpis) ? wpis : 19); }
void TMojPanel::setXliniaElem(int e) { Ustaw(m_liniaElem, std::clamp(e, 0, 15)); }
void TMojPanel::setXmargines(bool v) { Ustaw(m_margines, v); }
void TMojPanel::setXblokTekstu(bool v) { Ustaw(m_blokTekstu, v); }

TKolor TMojPanel::KolorTla() const
{
    if (m_kolorAuto > 0)
        return KolorStylu(m_kolorAuto);
    if (m_relatywnie)
        return KolorWzgledny(kKolorTwarzy, m_warTlo);
    return KolorNormalny(m_kolor);
}

void TMojPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QRect r = rect();
    p.fillRect(r, NaQColor(KolorTla()));
    // the colours are numbered 1 bottom, 2 right, 3 top, 4 left
    auto linie = [&p](QRect &w, const std::array<TKolor, 4> &k) {
        if (w.isEmpty())
            return;
        Krawedzie(p, w, {NaQColor(k[3]), NaQColor(k[2]), NaQColor(k[1]), NaQColor(k[0])});
        w.adjust(1, 1, -1, -1);
    };
    if (m_liniaAuto) {
        RysujLinie(p, r, m_liniaElem, NaQColor(KolorStylu(m_liniaStyl)));
        r.adjust(1, 1, -1, -1);
    } else if (m_obrysTak && m_bevelZew != bvNone) {
        linie(r, m_obrys);
    } else {
        RysujBevel(p, r, m_bevelZew);
    }
    r.adjust(m_ramka, m_ramka, -m_ramka, -m_ramka);
    if (m_ramkaTak && m_bevelWew != bvNone)
        linie(r, m_ramkaKol);
    else
        RysujBevel(p, r, m_bevelWew);
    if (m_margines)
        r.adjust(4, 3, -5, -3);
    RysujNapis(p, r, m_blokTekstu);
}

// ---------------------------------------------------------------------------------------------

TMojPodklad::TMojPodklad(QWidget *rodzic) : TPanelBazowy(rodzic) {}

void TMojPodklad::setXstylInny(bool v)
{
    m_stylInny = v;
    if (v)
        m_tylkoRama = false;
    Zmieniono();
}

void TMojPodklad::setXstylInnyNr(int wpis) { Ustaw(m_stylInnyNr, WpisPalety(wpis) ? wpis : 17); }

void TMojPodklad::setXtylkoRama(bool v)
{
    m_tylkoRama = v;
    if (v)
        m_stylInny = false;
    Zmieniono();
}

void TMojPodklad::setxObrysStyl(int wpis)
{
    m_obrysStyl = WpisPalety(wpis) ? wpis : 0;
    if (m_obrysStyl > 0)
        m_obrysTak = false;
    Zmieniono();
}

void TMojPodklad::setxObrysTak(bool v) { Ustaw(m_obrysTak, v); }
void TMojPodklad::setXmodernDrk(bool v) { Ustaw(m_modernDrk, v); }

void TMojPodklad::PrzedDrukiem()
{
    if (m_wDruku || !m_modernDrk || m_obrysStyl > 0 || m_stylInny || m_tylkoRama)
        return;
    m_wDruku = true;
    m_kolorPrzedDrukiem = m_kolor;
    m_kolor = kKolorOkna;
    m_tylkoRama = true;
    Zmieniono();
}

void TMojPodklad::PoWydruku()
{
    if (!m_wDruku)
        return;
    m_wDruku = false;
    m_kolor = m_kolorPrzedDrukiem;
    m_tylkoRama = false;
    Zmieniono();
}

TKolor TMojPodklad::KolorTla() const
{
    if (m_tylkoRama)
        return ZQColor(NaQColor(m_kolor));
    return KolorStylu(m_stylInny ? m_stylInnyNr : 17);
}

void TMojPodklad::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QRect r = rect();
    p.fillRect(r, NaQColor(KolorTla()));
    if (MotywAktywny() || !m_obrysTak)
        RysujLinie(p, r, 15, NaQColor(KolorStylu(m_obrysStyl > 0 ? m_obrysStyl : 19)));
    else
        RysujLinie(p, r, 15, NaQColor(0x80000010u));
    RysujNapis(p, r.adjusted(2, 1, -2, -1), false);
}

// ---------------------------------------------------------------------------------------------

TGradPanel::TGradPanel(QWidget *rodzic) : TPanelBazowy(rodzic) { Zmieniono(); }

void TGradPanel::setXgradient(bool v)
{
    m_opis.Gradient = v;
    Zmieniono();
}
void TGradPanel::setXrelatywnie(bool v) { Ustaw(m_relatywnie, v); }
void TGradPanel::setXgradProc(int p)
{
    m_opis.gradProc = std::clamp(p, 1, 100);
    Zmieniono();
}
void TGradPanel::setXgradProc2(int p)
{
    m_opis.gradProc2 = std::clamp(p, 1, 100);
    Zmieniono();
}
void TGradPanel::setXpoziomo(bool v)
{
    m_opis.poziomo = v;
    Zmieniono();
}
void TGradPanel::setXgradOldNie(bool v)
{
    m_opis.GradOldNie = v;
    Zmieniono();
}
void TGradPanel::setXwarGrad(int nr, int v)
{
    m_war[std::clamp(nr, 1, 4) - 1] = v;
    Zmieniono();
}
void TGradPanel::setGradient(int nr, TKolor c)
{
    m_kol[std::clamp(nr, 1, 4) - 1] = c;
    Zmieniono();
}
void TGradPanel::setXramaElem(int e) { Ustaw(m_ramaElem, std::clamp(e, 0, 15)); }
void TGradPanel::setXramaStyl(int wpis) { Ustaw(m_ramaStyl, WpisPalety(wpis) ? wpis : 19); }
void TGradPanel::setXcaptionTak(bool v) { Ustaw(m_captionTak, v); }
void TGradPanel::setTag(int t) { Ustaw(m_tag, t); }

void TGradPanel::setXrama(bool v)
{
    m_rama = v;
    if (v && m_ramka == 0)
        m_ramka = 1;
    else if (!v && m_ramka == 1)
        m_ramka = 0;
    Zmieniono();
}

void TGradPanel::Zmieniono()
{
    // the preset of the tag overrides what it names, the rest comes from the properties
    m_opis.relatyw = m_relatywnie;
    m_opis.KolorRel = m_kolor;
    m_opis.warGrad = m_war;
    for (int i = 0; i < 4; ++i)
        m_opis.kolGrad[i] = qint32(m_kol[i]);
    m_opis.NrTAG = m_tag;
    if (m_tag < 0 || m_relatywnie)
        ZastosujPresetGradientu(m_opis);
    update();
}

void TGradPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QRect r = rect();
    RysujGradient(m_opis, p, r);
    if (m_rama)
        RysujLinie(p, r, m_ramaElem, NaQColor(KolorStylu(m_ramaStyl)));
    RysujBevel(p, r, m_bevelZew);
    r.adjust(m_ramka, m_ramka, -m_ramka, -m_ramka);
    RysujBevel(p, r, m_bevelWew);
    if (m_captionTak)
        RysujNapis(p, r.adjusted(2, 0, -2, 0), false);
}

TGradPanel *JasnyPasekGradientu(QWidget *rodzic)
{
    auto *p = new TGradPanel(rodzic);
    TKolor start = 0, koniec = 0;
    ParaGradientu(KolorStylu(1), 22, start, koniec);
    p->setGradient(1, start);
    for (int i = 2; i <= 4; ++i)
        p->setGradient(i, koniec);
    p->setXgradient(true);
    p->setXramaStyl(20);
    p->setXrama(true);
    return p;
}

// ---------------------------------------------------------------------------------------------

TMojBevel::TMojBevel(QWidget *rodzic) : QWidget(rodzic) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void TMojBevel::setXelementy(int e)
{
    m_elementy = std::clamp(e, 1, 15);
    update();
}
void TMojBevel::setXstylInny(bool v)
{
    m_stylInny = v;
    update();
}
void TMojBevel::setXstylInnyNr(int wpis)
{
    m_stylInnyNr = WpisPalety(wpis) ? wpis : 70;
    update();
}

void TMojBevel::setXkolorAuto(bool v)
{
    m_kolorAuto = v;
    if (v)
        m_kolor = RGB(128, 128, 128);
    update();
}

void TMojBevel::setXKolor(TKolor c)
{
    m_kolor = m_kolorAuto ? RGB(128, 128, 128) : c;
    update();
}

TKolor TMojBevel::KolorLinii() const
{
    return m_kolorAuto ? KolorStylu(m_stylInny ? m_stylInnyNr : 20) : KolorNormalny(m_kolor);
}

void TMojBevel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    Krawedzie(p, rect(), NaBokach(m_elementy, NaQColor(KolorLinii())));
}
