#pragma once
// The information label: a transparent label whose colour and font style come from its style,
// and which works as a hyperlink in the five hyperlink states.

#include "common/paleta.h"

#include <QFont>
#include <QLabel>

struct TrekordInfoFont {
    enum TstylInfoFont {
        styl_Brak,
        styl_info0,
        styl_info1,
        styl_info2,
        styl_Uwaga,
        styl_Tytul,
        styl_H_zakaz,
        styl_H_normal,
        styl_H_wskaz,
        styl_H_nacisk,
        styl_H_poklik,
        styl_Green,
        styl_Inny
    };
};
using TstylInfoFont = TrekordInfoFont::TstylInfoFont;

inline bool StylHiperlacza(TstylInfoFont s)
{
    return s >= TrekordInfoFont::styl_H_zakaz && s <= TrekordInfoFont::styl_H_poklik;
}

// The text colour of a style (`wlasny` for styl_Inny) and its font made from the label's own.
TKolor KolorInfo(TstylInfoFont s, bool green, bool pure, TKolor wlasny);
QFont CzcionkaInfo(TstylInfoFont s, bool pure, bool bold, const QFont &wlasna);

class TInfoLabel : public QLabel {
    Q_OBJECT
public:
    explicit TInfoLabel(QWidget *rodzic = nullptr);
    explicit TInfoLabel(const QString &tekst, QWidget *rodzic = nullptr);

    TstylInfoFont XstylInfo() const { return m_styl; }
    void setXstylInfo(TstylInfoFont s);
    bool XzlamTresc() const { return m_zlam; }
    void setXzlamTresc(bool v);
    bool XHtmlGreen() const { return m_green; }
    void setXHtmlGreen(bool v);
    bool XHtmlPure() const { return m_pure; }
    void setXHtmlPure(bool v);
    bool XhtmlBold() const { return m_bold; }
    void setXhtmlBold(bool v);
    bool XgrupaTak() const { return m_grupa; }
    void setXgrupaTak(bool v);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &t);

    bool XstanAktyw() const { return m_styl == TrekordInfoFont::styl_H_poklik; }
    bool XstanZakaz() const { return m_styl == TrekordInfoFont::styl_H_zakaz; }

    // The colour and font the text is drawn in now; a label with colours of its own changes them.
    virtual TKolor KolorTekstu() const;
    virtual QFont CzcionkaStylu() const;

signals:
    void XnaKlik();

protected:
    QFont CzcionkaWlasna() const { return m_czcionka; }
    void enterEvent(QEnterEvent *e) override;
    void leaveEvent(QEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void changeEvent(QEvent *e) override;

    bool Reaguje() const;
    void Zastosuj();
    // Stores a style switch and applies the style again.
    template <typename T> void UstawStyl(T &pole, T wartosc)
    {
        pole = wartosc;
        Zastosuj();
    }

private:
    void Klik();
    void UstawTekst();

    TstylInfoFont m_styl = TrekordInfoFont::styl_info1;
    bool m_zlam = false, m_green = false, m_pure = false, m_bold = false, m_grupa = false;
    QString m_caption;
    QFont m_czcionka;
    TKolor m_kolorWlasny = RGB(0, 0, 0);
    bool m_stosuje = false;
    bool m_wcisniety = false;
};
