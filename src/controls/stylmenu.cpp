#include "stylmenu.h"

#include "kolory.h"
#include "panele.h"

#include <QApplication>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolBar>
#include <QToolButton>

namespace {

QColor Q(TKolor k) { return NaQColor(k); }

// The three colours of a tool bar, by its tag.
void KoloryPaska(const QWidget *pasek, TKolor &start, TKolor &koniec, TKolor &goracy)
{
    const bool szary = pasek && pasek->property("tag").toInt() == 1;
    start = KolorStylu(szary ? 54 : 51);
    koniec = KolorStylu(szary ? 55 : 52);
    goracy = KolorStylu(szary ? 56 : 53);
}

const QToolBar *PasekPrzycisku(const QWidget *w)
{
    return w ? qobject_cast<const QToolBar *>(w->parentWidget()) : nullptr;
}

bool NaPaneluGradientu(const QWidget *w) { return w && qobject_cast<const TGradPanel *>(w->parentWidget()); }

}   // namespace

TMapaKolorow TMapaKolorow::Biezaca()
{
    if (StylAplikacji() == sa_VclCore) {
        const QPalette p = QGuiApplication::palette();
        auto z = [&p](QPalette::ColorGroup g, QPalette::ColorRole r) { return ZQColor(p.color(g, r)); };
        return {z(QPalette::Active, QPalette::Window), z(QPalette::Active, QPalette::Highlight),
                z(QPalette::Active, QPalette::Dark),   z(QPalette::Active, QPalette::Midlight),
                z(QPalette::Disabled, QPalette::Text), z(QPalette::Active, QPalette::Shadow),
                z(QPalette::Active, QPalette::Mid),    z(QPalette::Active, QPalette::Dark)};
    }
    return {KolorStylu(1),  KolorStylu(2),  KolorStylu(61), KolorStylu(62),
            KolorStylu(63), KolorStylu(64), KolorStylu(65), KolorStylu(66)};
}

TStylPaskaAkcji::TStylPaskaAkcji() : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
    setObjectName(Nazwa());
}

TStylPaskaAkcji *TStylPaskaAkcji::Styl()
{
    static QPointer<TStylPaskaAkcji> styl;
    if (!styl) {
        styl = new TStylPaskaAkcji;
        styl->setParent(qApp);
    }
    return styl;
}

int TStylPaskaAkcji::pixelMetric(PixelMetric m, const QStyleOption *opt, const QWidget *w) const
{
    switch (m) {
    case PM_MenuPanelWidth: return 2;   // the frame and the shadow line
    case PM_MenuBarPanelWidth: return 0;
    case PM_ToolBarFrameWidth: return 1;
    default: return QProxyStyle::pixelMetric(m, opt, w);
    }
}

void TStylPaskaAkcji::drawPrimitive(PrimitiveElement pe, const QStyleOption *opt, QPainter *p, const QWidget *w) const
{
    const TMapaKolorow m = TMapaKolorow::Biezaca();
    const QRect r = opt->rect;
    switch (pe) {
    case PE_PanelMenu: p->fillRect(r, Q(m.Tlo)); return;
    case PE_FrameMenu: {
        p->fillRect(QRect(r.left(), r.top(), r.width(), 1), Q(m.RamaGoraLewa));
        p->fillRect(QRect(r.left(), r.top(), 1, r.height()), Q(m.RamaGoraLewa));
        p->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), Q(m.RamaDolPrawa));
        p->fillRect(QRect(r.right(), r.top(), 1, r.height()), Q(m.RamaDolPrawa));
        // the shadow runs inside the frame along the right and bottom edges
        p->fillRect(QRect(r.left() + 1, r.bottom() - 1, r.width() - 2, 1), Q(m.Cien));
        p->fillRect(QRect(r.right() - 1, r.top() + 1, 1, r.height() - 2), Q(m.Cien));
        return;
    }
    case PE_PanelMenuBar:
        if (!NaPaneluGradientu(w))
            p->fillRect(r, Q(m.Tlo));
        return;
    case PE_PanelToolBar: {
        TKolor a, b, c;
        KoloryPaska(w, a, b, c);
        TopisGradientu o;
        o.Gradient = true;
        o.kolGrad = {qint32(a), qint32(b), qint32(b), qint32(b)};
        o.KolorRel = Srednia(a, b);
        RysujGradient(o, *p, r);
        p->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), Q(b));
        return;
    }
    case PE_PanelButtonTool:
        if (const QToolBar *pasek = PasekPrzycisku(w)) {
            TKolor a, b, goracy;
            KoloryPaska(pasek, a, b, goracy);
            const bool wcisniety = opt->state & (State_Sunken | State_On);
            const bool nad = (opt->state & State_MouseOver) && (opt->state & State_Enabled);
            if (!wcisniety && !nad)
                return;
            p->fillRect(r, Q(wcisniety ? Przesun(goracy, -25, 0, 0) : goracy));
            p->setPen(Q(m.RamkaPrzycisku));
            p->setBrush(Qt::NoBrush);
            p->drawRect(r.adjusted(0, 0, -1, -1));
            return;
        }
        break;
    default: break;
    }
    QProxyStyle::drawPrimitive(pe, opt, p, w);
}

void TStylPaskaAkcji::drawControl(ControlElement ce, const QStyleOption *opt, QPainter *p, const QWidget *w) const
{
    const TMapaKolorow m = TMapaKolorow::Biezaca();
    switch (ce) {
    case CE_ToolBar: drawPrimitive(PE_PanelToolBar, opt, p, w); return;
    case CE_MenuBarEmptyArea:
        if (!NaPaneluGradientu(w))
            p->fillRect(opt->rect, Q(m.Tlo));
        return;
    case CE_MenuBarItem:
        if (const auto *mi = qstyleoption_cast<const QStyleOptionMenuItem *>(opt)) {
            const bool wybrany = (mi->state & State_Selected) && (mi->state & State_Enabled);
            const bool wcisniety = mi->state & State_Sunken;
            if (!NaPaneluGradientu(w))
                p->fillRect(mi->rect, Q(m.Tlo));
            if (wybrany || wcisniety) {
                p->fillRect(mi->rect, Q(wcisniety ? m.WybranyPrzycisk : m.Wybrany));
                p->setPen(Q(m.RamkaPrzycisku));
                p->setBrush(Qt::NoBrush);
                p->drawRect(mi->rect.adjusted(0, 0, -1, -1));
            }
            p->setPen(Q((mi->state & State_Enabled) ? RGB(0, 0, 0) : m.TekstZakazany));
            int f = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
            if (!proxy()->styleHint(SH_UnderlineShortcut, mi, w))
                f |= Qt::TextHideMnemonic;
            p->drawText(mi->rect, f, mi->text);
            return;
        }
        break;
    case CE_MenuItem:
    case CE_MenuEmptyArea:
        if (const auto *mi = qstyleoption_cast<const QStyleOptionMenuItem *>(opt)) {
            p->fillRect(mi->rect, Q(m.Tlo));
            if (ce == CE_MenuEmptyArea)
                return;
            if (mi->menuItemType == QStyleOptionMenuItem::Separator) {
                const int y = mi->rect.center().y();
                p->fillRect(QRect(mi->rect.left() + 4, y, mi->rect.width() - 8, 1), Q(m.TekstZakazany));
                return;
            }
            QStyleOptionMenuItem kopia = *mi;
            const bool wybrany = (mi->state & State_Selected) && (mi->state & State_Enabled);
            if (wybrany) {
                const QRect r = mi->rect.adjusted(1, 0, -1, 0);
                p->fillRect(r, Q(m.Wybrany));
                p->setPen(Q(m.RamkaPrzycisku));
                p->setBrush(Qt::NoBrush);
                p->drawRect(r.adjusted(0, 0, -1, -1));
            }
            // the base style draws check marks, icons, texts and shortcuts on our background
            kopia.state &= ~State_Selected;
            // only a chosen item shows its mark; empty boxes in front of every month look unfinished
            if (kopia.checkType != QStyleOptionMenuItem::NotCheckable && !kopia.checked)
                kopia.checkType = QStyleOptionMenuItem::NotCheckable;
            const QColor tekst = Q(RGB(0, 0, 0)), zakazany = Q(m.TekstZakazany);
            for (QPalette::ColorRole rola : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
                kopia.palette.setColor(QPalette::Active, rola, tekst);
                kopia.palette.setColor(QPalette::Inactive, rola, tekst);
                kopia.palette.setColor(QPalette::Disabled, rola, zakazany);
            }
            kopia.palette.setColor(QPalette::Disabled, QPalette::Light, Q(m.Tlo));   // no etched shadow
            kopia.palette.setColor(QPalette::Window, Q(wybrany ? m.Wybrany : m.Tlo));
            kopia.palette.setColor(QPalette::Button, Q(wybrany ? m.Wybrany : m.Tlo));
            QProxyStyle::drawControl(ce, &kopia, p, w);
            return;
        }
        break;
    default: break;
    }
    QProxyStyle::drawControl(ce, opt, p, w);
}

// ---------------------------------------------------------------------------------------------

TPopupActionBarEx::TPopupActionBarEx(QWidget *rodzic) : TPopupActionBarEx(QString(), rodzic) {}

TPopupActionBarEx::TPopupActionBarEx(const QString &tytul, QWidget *rodzic) : QMenu(tytul, rodzic)
{
    setStyle(TStylPaskaAkcji::Styl());
    connect(this, &QMenu::aboutToShow, this, [this] {
        if (!m_combo)
            return;
        QPalette p = palette();
        p.setColor(QPalette::Window, NaQColor(0x80000005u));
        setPalette(p);
    });
}

// ---------------------------------------------------------------------------------------------

namespace {

void StylizujMenu(QMenu *menu)
{
    if (!menu)
        return;
    menu->setStyle(TStylPaskaAkcji::Styl());
    for (QAction *a : menu->actions())
        StylizujMenu(a->menu());
}

}   // namespace

void StylizujPaski(QMenuBar *menu, const QList<QToolBar *> &paski, const QList<QMenu *> &popupy)
{
    TStylPaskaAkcji *styl = TStylPaskaAkcji::Styl();
    if (menu) {
        menu->setStyle(styl);
        for (QAction *a : menu->actions())
            StylizujMenu(a->menu());
        if (auto *panel = qobject_cast<TGradPanel *>(menu->parentWidget())) {
            panel->setTag(-3);
            panel->setXgradient(true);
        }
    }
    for (QToolBar *pasek : paski) {
        if (!pasek)
            continue;
        pasek->setStyle(styl);
        for (QToolButton *b : pasek->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly)) {
            b->setStyle(styl);
            b->setAutoRaise(true);
        }
    }
    for (QMenu *m : popupy)
        StylizujMenu(m);
}
