#include "infolabel.h"

#include "kolory.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>

using R = TrekordInfoFont;

TKolor KolorInfo(TstylInfoFont s, bool green, bool pure, TKolor wlasny)
{
    switch (s) {
    case R::styl_Brak: return RGB(0, 0, 0);
    case R::styl_info0: return KolorStylu(46);
    case R::styl_info1: return KolorStylu(43);
    case R::styl_info2: return KolorStylu(44);
    case R::styl_Uwaga: return KolorStylu(45);
    case R::styl_Tytul: return KolorStylu(48);
    case R::styl_Green: return KolorStylu(47);
    case R::styl_H_zakaz: return ZQColor(NaQColor(0x80000011u));   // grey text
    case R::styl_H_normal:
    case R::styl_H_wskaz:
    case R::styl_H_nacisk:
        if (pure)
            return RGB(0, 0, 0);
        [[fallthrough]];
    case R::styl_H_poklik: return KolorStylu((green ? 80 : 76) + (int(s) - int(R::styl_H_normal)));
    case R::styl_Inny: break;
    }
    return wlasny;
}

QFont CzcionkaInfo(TstylInfoFont s, bool pure, bool bold, const QFont &wlasna)
{
    QFont f = wlasna;
    if (s == R::styl_Brak) {
        f.setBold(false);
        f.setItalic(false);
        f.setUnderline(false);
        f.setStrikeOut(false);
    } else if (s == R::styl_Tytul) {
        f.setBold(true);
    } else if (s == R::styl_H_poklik) {
        f.setBold(true);
        f.setUnderline(false);
    } else if (StylHiperlacza(s)) {
        f.setUnderline(!pure);
        f.setBold(bold);
    }
    return f;
}

TInfoLabel::TInfoLabel(QWidget *rodzic) : TInfoLabel(QString(), rodzic) {}

TInfoLabel::TInfoLabel(const QString &tekst, QWidget *rodzic) : QLabel(rodzic)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    m_czcionka = font();
    m_kolorWlasny = ZQColor(palette().color(QPalette::WindowText));
    m_caption = tekst;
    UstawTekst();
    Zastosuj();
}

void TInfoLabel::setXstylInfo(TstylInfoFont s) { UstawStyl(m_styl, s); }
void TInfoLabel::setXzlamTresc(bool v)
{
    m_zlam = v;
    UstawTekst();
}
void TInfoLabel::setXHtmlGreen(bool v) { UstawStyl(m_green, v); }
void TInfoLabel::setXHtmlPure(bool v) { UstawStyl(m_pure, v); }
void TInfoLabel::setXhtmlBold(bool v) { UstawStyl(m_bold, v); }
void TInfoLabel::setXgrupaTak(bool v) { UstawStyl(m_grupa, v); }
void TInfoLabel::setCaption(const QString &t)
{
    m_caption = t;
    UstawTekst();
}

TKolor TInfoLabel::KolorTekstu() const { return KolorInfo(m_styl, m_green, m_pure, m_kolorWlasny); }
QFont TInfoLabel::CzcionkaStylu() const { return CzcionkaInfo(m_styl, m_pure, m_bold, m_czcionka); }

void TInfoLabel::UstawTekst()
{
    QString t = m_caption;
    if (m_zlam)
        t.replace(QLatin1Char('|'), QLatin1Char('\n'));
    setTextFormat(Qt::PlainText);
    setText(t);
}

void TInfoLabel::Zastosuj()
{
    const QScopedValueRollback<bool> stosuje(m_stosuje, true);
    setFont(CzcionkaStylu());
    QPalette p = palette();
    p.setColor(QPalette::WindowText, NaQColor(KolorTekstu()));
    setPalette(p);
    const bool link = StylHiperlacza(m_styl);
    if (link && !XstanZakaz() && !XstanAktyw())
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    // a link is reached with Tab and followed with Enter or Space like a button
    setFocusPolicy(link && !XstanZakaz() ? Qt::TabFocus : Qt::NoFocus);
    update();
}

void TInfoLabel::changeEvent(QEvent *e)
{
    // a font set from outside becomes the label's own font, which the styles modify
    if (e->type() == QEvent::FontChange && !m_stosuje) {
        m_czcionka = font();
        Zastosuj();
    }
    QLabel::changeEvent(e);
}

bool TInfoLabel::Reaguje() const { return StylHiperlacza(m_styl) && !XstanZakaz() && !(XstanAktyw() && m_grupa); }

void TInfoLabel::enterEvent(QEnterEvent *e)
{
    if (Reaguje())
        setXstylInfo(R::styl_H_wskaz);
    QLabel::enterEvent(e);
}

void TInfoLabel::leaveEvent(QEvent *e)
{
    m_wcisniety = false;
    if (Reaguje())
        setXstylInfo(R::styl_H_normal);
    QLabel::leaveEvent(e);
}

void TInfoLabel::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && Reaguje()) {
        m_wcisniety = true;
        setXstylInfo(R::styl_H_nacisk);
        return;
    }
    QLabel::mousePressEvent(e);
}

void TInfoLabel::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && m_wcisniety) {
        m_wcisniety = false;
        if (Reaguje() && rect().contains(e->position().toPoint())) {
            Klik();
            return;
        }
        if (Reaguje())
            setXstylInfo(R::styl_H_normal);
    }
    QLabel::mouseReleaseEvent(e);
}

void TInfoLabel::keyPressEvent(QKeyEvent *e)
{
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space) && Reaguje()) {
        Klik();
        return;
    }
    QLabel::keyPressEvent(e);
}

void TInfoLabel::Klik()
{
    setXstylInfo(m_grupa ? R::styl_H_poklik : R::styl_H_normal);
    emit XnaKlik();
}
