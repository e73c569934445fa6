#pragma once
// The menu style of the program ("MojeSPA"): menus, menu bars and tool bars drawn in the
// palette's colours, and the preparation of a window's bars.

#include "common/paleta.h"

#include <QList>
#include <QMenu>
#include <QProxyStyle>

class QMenuBar;
class QToolBar;

struct TMapaKolorow {
    TKolor Tlo, Wybrany, RamkaPrzycisku, WybranyPrzycisk, TekstZakazany, RamaDolPrawa, RamaGoraLewa, Cien;
    // The program's own map, or the platform's colours when a visual style is active.
    static TMapaKolorow Biezaca();
};

class TStylPaskaAkcji : public QProxyStyle {
    Q_OBJECT
public:
    TStylPaskaAkcji();
    static QString Nazwa() { return QStringLiteral("MojeSPA"); }
    // The one instance shared by every bar of the program.
    static TStylPaskaAkcji *Styl();

    void drawPrimitive(PrimitiveElement pe, const QStyleOption *opt, QPainter *p, const QWidget *w) const override;
    void drawControl(ControlElement ce, const QStyleOption *opt, QPainter *p, const QWidget *w) const override;
    int pixelMetric(PixelMetric m, const QStyleOption *opt, const QWidget *w) const override;
};

class TPopupActionBarEx : public QMenu {
    Q_OBJECT
public:
    explicit TPopupActionBarEx(QWidget *rodzic = nullptr);
    explicit TPopupActionBarEx(const QString &tytul, QWidget *rodzic = nullptr);
    bool XstylCombo() const { return m_combo; }
    void setXstylCombo(bool v) { m_combo = v; }

private:
    bool m_combo = false;
};

// Gives the bars and popup menus (with their submenus) the menu style; a menu bar lying on a
// TGradPanel gets the panel's menu-bar shade, each tool bar its gradient (tag 1: the grey one)
// with a hot-track colour. Tool bar tags are the dynamic property "tag".
void StylizujPaski(QMenuBar *menu, const QList<QToolBar *> &paski, const QList<QMenu *> &popupy = {});
