#pragma once
// Decorated panels of the program's look: the light panel with coloured outlines (TMojPanel),
// the printable background (TMojPodklad), the gradient panel (TGradPanel) and the thin line
// element (TMojBevel). Colours are palette entries, so every style gets its own tints.

#include "common/paleta.h"

#include <QWidget>
#include <algorithm>
#include <array>

class QPainter;

using Tint4 = std::array<qint32, 4>;

// How a gradient panel is filled.
struct TopisGradientu {
    bool Gradient = false;
    bool relatyw = false;
    TKolor KolorRel = kKolorTwarzy;
    qint32 gradProc = 100;
    qint32 gradProc2 = 100;
    bool poziomo = false;
    Tint4 warGrad{0, 0, 0, 0};
    Tint4 kolGrad{qint32(kKolorTwarzy), qint32(kKolorTwarzy), qint32(kKolorTwarzy), qint32(kKolorTwarzy)};
    bool FazaProj = false;
    bool GradOldNie = false;
    qint32 NrTAG = 0;
    bool Zakazano = false;
    Tint4 punkty{0, 0, 0, 0};
    Tint4 kolory{0, 0, 0, 0};
};

// A theme is active in every style but the unthemed old blue one.
bool MotywAktywny();

// Applies the preset of the description's tag (positive: base colour from the palette; -1, -2:
// the tool-bar blues; -3: the menu-bar shade across).
void ZastosujPresetGradientu(TopisGradientu &opis);

// Fills the rectangle as described; the computed points and colours are left in the description.
void RysujGradient(TopisGradientu &opis, QPainter &p, const QRect &r);

enum TBevelPanelu { bvNone, bvLowered, bvRaised };

// What the three panels share: caption, own colour, tag, the two standard bevels.
class TPanelBazowy : public QWidget {
    Q_OBJECT
public:
    explicit TPanelBazowy(QWidget *rodzic = nullptr);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &t);
    TKolor Color() const { return m_kolor; }
    void setColor(TKolor c);
    int Tag() const { return m_tag; }
    virtual void setTag(int t);
    TBevelPanelu BevelOuter() const { return m_bevelZew; }
    void setBevelOuter(TBevelPanelu b);
    TBevelPanelu BevelInner() const { return m_bevelWew; }
    void setBevelInner(TBevelPanelu b);
    int BorderWidth() const { return m_ramka; }
    void setBorderWidth(int w);
    Qt::Alignment Alignment() const { return m_wyrownanie; }
    void setAlignment(Qt::Alignment a);

protected:
    // Draws a raised or lowered one-pixel bevel and shrinks the rectangle by it.
    static void RysujBevel(QPainter &p, QRect &r, TBevelPanelu b);
    // Draws lines on the sides chosen by `elementy` (1 left, 2 top, 4 right, 8 bottom).
    static void RysujLinie(QPainter &p, const QRect &r, int elementy, const QColor &kolor);
    void RysujNapis(QPainter &p, const QRect &r, bool wieleLinii);
    virtual void Zmieniono() { update(); }
    // A setter that stores the new value and then runs Zmieniono().
    template <typename T, typename U> void Ustaw(T &pole, U &&wartosc)
    {
        pole = std::forward<U>(wartosc);
        Zmieniono();
    }

    QString m_caption;
    TKolor m_kolor = kKolorTwarzy;
    int m_tag = 0;
    TBevelPanelu m_bevelZew = bvNone;
    TBevelPanelu m_bevelWew = bvNone;
    int m_ramka = 0;
    Qt::Alignment m_wyrownanie = Qt::AlignCenter;
};

class TMojPanel : public TPanelBazowy {
    Q_OBJECT
public:
    explicit TMojPanel(QWidget *rodzic = nullptr);

    int XkolorAuto() const { return m_kolorAuto; }
    void setXkolorAuto(int wpis);
    bool Xrelatywnie() const { return m_relatywnie; }
    void setXrelatywnie(bool v);
    int XwarTlo() const { return m_warTlo; }
    void setXwarTlo(int v);
    bool XobrysTak() const { return m_obrysTak; }
    void setXobrysTak(bool v);
    // Outer lines: 4 left, 3 top, 2 right, 1 bottom; the inner ones (Xramka) alike.
    TKolor Xobrys(int nr) const { return m_obrys[std::clamp(nr, 1, 4) - 1]; }
    void setXobrys(int nr, TKolor c);
    bool XramkaTak() const { return m_ramkaTak; }
    void setXramkaTak(bool v);
    TKolor Xramka(int nr) const { return m_ramkaKol[std::clamp(nr, 1, 4) - 1]; }
    void setXramka(int nr, TKolor c);
    bool XliniaAuto() const { return m_liniaAuto; }
    void setXliniaAuto(bool v);
    int XliniaStyl() const { return m_liniaStyl; }
    void setXliniaStyl(int wpis);
    int XliniaElem() const { return m_liniaElem; }
    void setXliniaElem(int e);
    bool Xmargines() const { return m_margines; }
    void setXmargines(bool v);
    bool XblokTekstu() const { return m_blokTekstu; }
    void setXblokTekstu(bool v);

    // The background the panel paints.
    TKolor KolorTla() const;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    int m_kolorAuto = 0;
    bool m_relatywnie = false;
    int m_warTlo = 0;
    bool m_obrysTak = false;
    std::array<TKolor, 4> m_obrys{kKolorTwarzy, kKolorTwarzy, kKolorTwarzy, kKolorTwarzy};
    bool m_ramkaTak = false;
    std::array<TKolor, 4> m_ramkaKol{kKolorTwarzy, kKolorTwarzy, kKolorTwarzy, kKolorTwarzy};
    bool m_liniaAuto = false;
    int m_liniaStyl = 19;
    int m_liniaElem = 15;
    bool m_margines = false;
    bool m_blokTekstu = false;
};

class TMojPodklad : public TPanelBazowy {
    Q_OBJECT
public:
    explicit TMojPodklad(QWidget *rodzic = nullptr);

    bool XstylInny() const { return m_stylInny; }
    void setXstylInny(bool v);
    int XstylInnyNr() const { return m_stylInnyNr; }
    void setXstylInnyNr(int wpis);
    bool XtylkoRama() const { return m_tylkoRama; }
    void setXtylkoRama(bool v);
    int xObrysStyl() const { return m_obrysStyl; }
    void setxObrysStyl(int wpis);
    bool xObrysTak() const { return m_obrysTak; }
    void setxObrysTak(bool v);
    bool XmodernDrk() const { return m_modernDrk; }
    void setXmodernDrk(bool v);

    // Before printing a plain background becomes an outline on the window colour; after
    // printing it comes back.
    void PrzedDrukiem();
    void PoWydruku();

    TKolor KolorTla() const;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    bool m_stylInny = false;
    int m_stylInnyNr = 17;
    bool m_tylkoRama = false;
    int m_obrysStyl = 0;
    bool m_obrysTak = true;
    bool m_modernDrk = true;
    bool m_wDruku = false;
    TKolor m_kolorPrzedDrukiem = kKolorTwarzy;
};

class TGradPanel : public TPanelBazowy {
    Q_OBJECT
public:
    explicit TGradPanel(QWidget *rodzic = nullptr);

    bool Xgradient() const { return m_opis.Gradient; }
    void setXgradient(bool v);
    bool Xrelatywnie() const { return m_relatywnie; }
    void setXrelatywnie(bool v);
    int XgradProc() const { return m_opis.gradProc; }
    void setXgradProc(int p);
    int XgradProc2() const { return m_opis.gradProc2; }
    void setXgradProc2(int p);
    bool Xpoziomo() const { return m_opis.poziomo; }
    void setXpoziomo(bool v);
    bool XgradOldNie() const { return m_opis.GradOldNie; }
    void setXgradOldNie(bool v);
    // Brightness shifts and absolute colours of the four points (1..4).
    int XwarGrad(int nr) const { return m_war[std::clamp(nr, 1, 4) - 1]; }
    void setXwarGrad(int nr, int v);
    TKolor Gradient(int nr) const { return m_kol[std::clamp(nr, 1, 4) - 1]; }
    void setGradient(int nr, TKolor c);
    bool Xrama() const { return m_rama; }
    void setXrama(bool v);
    int XramaElem() const { return m_ramaElem; }
    void setXramaElem(int e);
    int XramaStyl() const { return m_ramaStyl; }
    void setXramaStyl(int wpis);
    bool XcaptionTak() const { return m_captionTak; }
    void setXcaptionTak(bool v);
    void setTag(int t) override;

    const TopisGradientu &Opis() const { return m_opis; }

protected:
    void paintEvent(QPaintEvent *) override;
    void Zmieniono() override;

private:
    TopisGradientu m_opis;
    bool m_relatywnie = false;
    Tint4 m_war{0, 0, 0, 0};
    std::array<TKolor, 4> m_kol{kKolorTwarzy, kKolorTwarzy, kKolorTwarzy, kKolorTwarzy};
    bool m_rama = false;
    int m_ramaElem = 15;
    int m_ramaStyl = 19;
    bool m_captionTak = false;
};

// A gradient panel in a light shade of the window background, outlined: the bars of the
// small windows (the calendar's header and footer, the calculator's tape).
TGradPanel *JasnyPasekGradientu(QWidget *rodzic);

class TMojBevel : public QWidget {
    Q_OBJECT
public:
    explicit TMojBevel(QWidget *rodzic = nullptr);

    int Xelementy() const { return m_elementy; }
    void setXelementy(int e);
    bool XstylInny() const { return m_stylInny; }
    void setXstylInny(bool v);
    int XstylInnyNr() const { return m_stylInnyNr; }
    void setXstylInnyNr(int wpis);
    bool XkolorAuto() const { return m_kolorAuto; }
    void setXkolorAuto(bool v);
    TKolor XKolor() const { return m_kolor; }
    void setXKolor(TKolor c);

    TKolor KolorLinii() const;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    int m_elementy = 15;
    bool m_stylInny = false;
    int m_stylInnyNr = 70;
    bool m_kolorAuto = true;
    TKolor m_kolor = RGB(128, 128, 128);
};
