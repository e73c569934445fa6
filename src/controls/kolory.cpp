#include "kolory.h"

#include <QApplication>
#include <QPalette>

QColor NaQColor(TKolor k)
{
    if (!JestKoloremSystemowym(k))
        return QColor(Czerwony(k), Zielony(k), Niebieski(k));
    if (k == kKolorTwarzy)
        return NaQColor(KolorTwarzy());
    const QPalette pal = QGuiApplication::instance() ? QGuiApplication::palette() : QPalette();
    switch (k & 0xFF) {
    case 0:
    case 4:
    case 15:
    case 30: return pal.color(QPalette::Button);   // scroll bar, menu, face, menu bar
    case 1:
    case 12: return pal.color(QPalette::Dark);   // desktop, workspace
    case 2:
    case 13:
    case 29: return pal.color(QPalette::Highlight);
    case 5: return pal.color(QPalette::Base);   // window
    case 6:
    case 21: return pal.color(QPalette::Shadow);
    case 7:
    case 18: return pal.color(QPalette::ButtonText);
    case 8: return pal.color(QPalette::Text);
    case 9:
    case 14: return pal.color(QPalette::HighlightedText);
    case 16: return pal.color(QPalette::Mid);
    case 17: return pal.color(QPalette::Disabled, QPalette::Text);   // grey text
    case 20:
    case 22: return pal.color(QPalette::Light);
    case 23: return pal.color(QPalette::ToolTipText);
    case 24: return pal.color(QPalette::ToolTipBase);   // info background
    case 26: return pal.color(QPalette::Link);
    default: return pal.color(QPalette::Window);
    }
}

QColor KolorBGR(quint32 bgr) { return NaQColor(ZKoloruBGR(bgr)); }

TKolor ZQColor(const QColor &c) { return RGB(c.red(), c.green(), c.blue()); }

QColor KolorKoduStalego(QChar kod)
{
    static const QRgb kolory[16] = {
        qRgb(0, 0, 0),       qRgb(0, 25, 125),  qRgb(25, 90, 0),  qRgb(0, 50, 125),
        qRgb(130, 30, 0),    qRgb(25, 0, 125),  qRgb(90, 60, 0),  qRgb(128, 128, 128),
        qRgb(192, 192, 192), qRgb(0, 35, 165),  qRgb(50, 110, 0), qRgb(0, 60, 150),
        qRgb(165, 35, 0),    qRgb(255, 0, 255), qRgb(130, 70, 0), qRgb(255, 255, 255),
    };
    const char16_t u = QChar(kod).toUpper().unicode();
    if (u >= u'0' && u <= u'9')
        return QColor(kolory[u - u'0']);
    if (u >= u'A' && u <= u'F')
        return QColor(kolory[10 + u - u'A']);
    return QColor();
}
